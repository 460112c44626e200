// XML documents as a catalogue server or feed may send them: loading fails
// only with xmlbind's exceptions, a loaded document has a root, and every
// accessor and the catalogue package reader work on whatever loaded.
#include "tests/fuzz/FuzzTargets.h"

#include "common/error.h"
#include "common/packages/Package.h"
#include "common/xmlbind.h"

#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// The document is a file for the loader: one in memory, rewritten per input.
const std::string& documentPath()
{
    static const std::string path = [] {
        const int descriptor = ::memfd_create("kw-fuzz-xml", MFD_CLOEXEC);
        fuzz::require(descriptor >= 0, "a memory file opens");
        return "/proc/self/fd/" + std::to_string(descriptor);
    }();
    return path;
}

void write(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    const int descriptor = std::stoi(path.substr(path.rfind('/') + 1));
    fuzz::require(::ftruncate(descriptor, 0) == 0, "the memory file empties");
    std::size_t done = 0;
    while (done < size) {
        const ssize_t count = ::pwrite(descriptor, data + done, size - done, static_cast<off_t>(done));
        fuzz::require(count > 0, "the memory file takes the input");
        done += static_cast<std::size_t>(count);
    }
}

void readElement(TiXmlElement* node)
{
    const xmlbind::Element element(node);
    const std::string name = xmlbind::getName(element);
    for (const TiXmlAttribute* attribute = node->FirstAttribute(); attribute; attribute = attribute->Next()) {
        fuzz::require(xmlbind::getAttribute(element, attribute->Name()) == attribute->ValueStr(),
                      "an attribute reads as TinyXML holds it", attribute->Name());
        xmlbind::getOptionalAttribute(element, attribute->Name());
        try {
            xmlbind::getBoolAttribute(element, attribute->Name());
        } catch (const xmlbind::err&) {
        }
    }
    try {
        xmlbind::getText(element, true);
    } catch (const xmlbind::err&) {
    }
    std::size_t children = 0;
    for (xmlbind::Element child : xmlbind::ChildElements(element, "")) {
        xmlbind::Element handle(node);
        handle.child(xmlbind::getName(child));
        fuzz::require(static_cast<bool>(handle), "a child is found by its name", xmlbind::getName(child));
        ++children;
    }
    if (name == "package") {
        for (const char kind : {'e', 'b'}) {
            try {
                Package::createFromXml(element, static_cast<Package::type_t>(kind));
            } catch (const error&) {
            } catch (const xmlbind::err&) {
            }
        }
    }
}

}  // namespace

namespace fuzz {

int xmlDocument(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = documentPath();
    write(path, data, size);
    try {
        xmlbind::Document document(path);
        TiXmlElement* root = document.root("");
        require(root != nullptr, "a loaded document has a root");
        // Depth first without recursion; the loader has capped the depth anyway.
        std::vector<TiXmlElement*> pending{root};
        while (!pending.empty()) {
            TiXmlElement* node = pending.back();
            pending.pop_back();
            readElement(node);
            for (TiXmlElement* child = node->FirstChildElement(); child; child = child->NextSiblingElement())
                pending.push_back(child);
        }
    } catch (const xmlbind::err&) {
    }
    return 0;
}

}  // namespace fuzz
