// A stand-in for the web back end: answers the front end's requests on a
// local socket with prepared reply documents.
//     fake_backend SOCKET REPLIES REQUEST_LOG
// Each request names its command; the reply is the document in
// REPLIES/<command>.xml as the file is at that moment (a test changes the
// directory between requests), or an "error" reply naming the command when
// there is no such file. Every request is appended to REQUEST_LOG as one
// line (line feeds as "\n") before it is answered, so a test can see what
// reached the back end. It prints "ready" once it listens, ends on SIGTERM,
// and ends by itself after ten minutes without a request.

#include "common/WebUiTransport.h"
#include "common/xmlbind.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string commandOf(const std::string& request)
{
    xmlbind::Document document;
    try {
        document.parse(request);
    } catch (const xmlbind::err&) {
        return std::string();
    }
    const TiXmlElement* root = document.RootElement();
    const TiXmlElement* command = root ? root->FirstChildElement("command") : nullptr;
    const char* value = command ? command->Attribute("value") : nullptr;
    return value ? value : std::string();
}

void logRequest(const std::string& path, const std::string& request)
{
    std::string line;
    for (const char c : request) line += c == '\n' ? std::string("\\n") : std::string(1, c);
    std::ofstream(path, std::ios::app) << line << '\n';
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOCKET REPLIES REQUEST_LOG\n", argv[0]);
        return 2;
    }
    const std::string replies = argv[2], requestLog = argv[3];
    WebUiTransport server(WebUiTransport::Mode::server, argv[1], std::chrono::minutes(10));
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        try {
            server.wait_command();
        } catch (const WebUiTransport::timeout&) {
            return 0;
        }
        const std::string request = server.get_command();
        logRequest(requestLog, request);
        const std::string command = commandOf(request);
        const std::string file = replies + "/" + command + ".xml";
        xmlbind::Document reply;
        if (command.empty() || access(file.c_str(), R_OK) != 0) {
            reply.Parse("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>"
                        "<kitwright status=\"error\" error_message=\"\" error_class=\"internal\" />");
            reply.RootElement()->SetAttribute("error_message", "The fake back end has no reply for '" + command + "'");
        } else if (!reply.LoadFile(file)) {
            // A file without a root element is sent as just the declaration.
            reply.Clear();
            reply.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
        }
        server.send_answer(reply);
    }
}
