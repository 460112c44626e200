// What reaches the web back end over its socket: the frame reader gives the
// same verdict whatever the chunks the bytes arrive in, and a framed request
// goes through every request parser, which fail only with error or xmlbind's
// exceptions and leave a reply that reads back as XML.
#include "tests/fuzz/FuzzTargets.h"

#include "installer/webui/BackendProtocol.h"

#include "common/WebUiTransport.h"
#include "common/error.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using FrameCheck = WebUiTransport::FrameCheck;

// The verdict after feeding the bytes in pieces of `chunk` bytes, stopping at
// the first piece that settles it, as the server does.
FrameCheck readInChunks(const std::string& input, std::size_t chunk)
{
    std::string collected;
    FrameCheck check;
    for (std::size_t at = 0; at < input.size(); at += chunk) {
        collected.append(input, at, chunk);
        check = WebUiTransport::checkFrame(collected);
        if (check.state != FrameCheck::State::incomplete) break;
    }
    return check;
}

template <class Call>
void tolerated(Call call)
{
    try {
        call();
    } catch (const error&) {
    } catch (const xmlbind::err&) {
    }
}

void parseEveryWay(const std::string& body)
{
    std::unique_ptr<BackendProtocol::Request> request;
    try {
        request = std::make_unique<BackendProtocol::Request>(body);
    } catch (const error&) {
        return;
    } catch (const xmlbind::err&) {
        return;
    }
    tolerated([&] { BackendProtocol::commandByName(request->commandName()); });
    xmlbind::ElementHandle root = request->root();
    // The consent would be stored in the machine's feedback files.
    for (xmlbind::Element products : xmlbind::ChildElements(root, "products"))
        products->RemoveAttribute("customer_feedback_enabled");

    BackendProtocol protocol;
    protocol.reset();
    protocol.pushWarning("pending <warning> & more");
    tolerated([&] { BackendProtocol::parseLocale(root); });
    tolerated([&] { BackendProtocol::parseLogSize(root); });
    tolerated([&] { BackendProtocol::parseProductIconRequest(root); });
    tolerated([&] { BackendProtocol::parseProductSelection(root); });
    tolerated([&] { BackendProtocol::parseComponentSelection(root); });
    tolerated([&] { BackendProtocol::parseComponentParams(root); });
    tolerated([&] { protocol.parsePreExamine(root, {{"disk", "out", "err", true}}); });
    tolerated([&] {
        xmlbind::ElementHandle preferences = root;
        preferences.child("preferences");
        if (!preferences) return;
        BackendProtocol::Preferences values;
        protocol.parsePreferences(values, preferences);
    });
    std::ostringstream printed;
    printed << protocol.document();
    xmlbind::Document reply;
    try {
        reply.parse(printed.str());
    } catch (const xmlbind::err& failure) {
        fuzz::require(false, "the reply reads back", failure.message + "\n" + printed.str());
    }
}

}  // namespace

namespace fuzz {

int backendRequest(const std::uint8_t* data, std::size_t size)
{
    const std::string input = text(data, size);
    const FrameCheck whole = WebUiTransport::checkFrame(input);
    for (const std::size_t chunk : {std::size_t(1), std::size_t(7), std::size_t(32)}) {
        const FrameCheck pieces = readInChunks(input, chunk);
        // Whole, the bytes may settle what a prefix already settled; in pieces the
        // reader stops there. Both must agree on whether and where a frame is.
        if (whole.state != FrameCheck::State::incomplete)
            require(pieces.state == whole.state && pieces.headerSize == whole.headerSize &&
                        pieces.bodySize == whole.bodySize,
                    "the frame verdict does not depend on the chunks", std::to_string(chunk));
    }
    if (whole.state == FrameCheck::State::complete) {
        require(whole.headerSize + whole.bodySize <= input.size(), "a complete frame lies within the bytes");
        parseEveryWay(input.substr(whole.headerSize, whole.bodySize));
    }
    return 0;
}

}  // namespace fuzz
