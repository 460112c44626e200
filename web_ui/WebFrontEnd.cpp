#include "web_ui/WebFrontEnd.h"

#include "common/Log.h"
#include "common/error.h"
#include "web_ui/ResponseWriters.h"
#include "web_ui/WebPages.h"
#include "web_ui/WebResources.h"
#include "web_ui/WebSecret.h"
#include "webserver/kwhttpd.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool endsWith(const char* text, const char* suffix)
{
    const std::size_t length = std::strlen(text), suffixLength = std::strlen(suffix);
    return length >= suffixLength && std::strcmp(text + length - suffixLength, suffix) == 0;
}

void serveStaticFile(kwhttpd_arg* arg)
{
    const StaticFile& file = *static_cast<const StaticFile*>(arg->user_data);
    const char* data = file.bytes.data();
    const std::size_t size = file.bytes.size();
    if (endsWith(file.uri, ".gif"))
        sendGif(arg, data, size);
    else if (endsWith(file.uri, ".png"))
        sendPng(arg, data, size);
    else if (endsWith(file.uri, ".css"))
        sendCss(arg, data, size);
    else
        sendJavascript(arg, data, size);
}

void answerNotFound(kwhttpd_arg* arg)
{
    kwhttpd_printf(arg, "HTTP/1.1 404 Not Found\r\nContent-Type: text/plain\r\nContent-Length: 12\r\n\r\nError: 404\r\n");
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

// An empty directory that nothing can fill: made, held open and removed at
// once; a removed directory takes no new entries. Its path lives as long as
// the process.
std::string emptyRoot()
{
    char pattern[] = "/tmp/kitwright-web-root.XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        throw error(4, 2, 1, 2) << "Can't make the web server's empty root directory: " << std::strerror(errno);
    const int fd = open(pattern, O_PATH | O_DIRECTORY | O_CLOEXEC);
    const int openError = errno;
    rmdir(pattern);
    if (fd < 0)
        throw error(4, 2, 1, 2) << "Can't open the web server's empty root directory: " << std::strerror(openError);
    return "/proc/self/fd/" + std::to_string(fd);
}

}  // namespace

std::vector<std::string> webServerArguments(int port, const std::string& certificate, const std::string& protocols,
                                            const std::string& ciphers, const std::string& serverPreference,
                                            const std::string& root)
{
    const bool tls = !certificate.empty();
    std::vector<std::string> arguments = {"kitwright", "-ports", std::to_string(port) + (tls ? "s" : "")};
    if (tls) {
        arguments.insert(arguments.end(), {"-ssl_cert", certificate});
        if (!protocols.empty()) arguments.insert(arguments.end(), {"-ssl_protocols", protocols});
        if (!ciphers.empty()) arguments.insert(arguments.end(), {"-ssl_ciphers", ciphers});
        if (!serverPreference.empty())
            arguments.insert(arguments.end(), {"-ssl_cipher_server_preference", serverPreference});
    }
    arguments.insert(arguments.end(), {"-root", root});
    return arguments;
}

void registerStaticFiles(kwhttpd_ctx* ctx)
{
    for (std::size_t i = 0; i < kStaticFileCount; ++i)
        kwhttpd_register_uri(ctx, kStaticFiles[i].uri, serveStaticFile,
                             const_cast<StaticFile*>(&kStaticFiles[i]));
}

void reapChildren(int signalNumber)
{
    if (signalNumber != SIGCHLD) return;
    const int savedErrno = errno;
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    errno = savedErrno;
}

int runWebServer(int port, const std::string& certificate, const std::string& protocols, const std::string& ciphers,
                 const std::string& serverPreference, const volatile std::sig_atomic_t* stopFlag,
                 const std::function<void(int port)>& onListening, const std::string& backendSocket)
{
    std::signal(SIGPIPE, SIG_IGN);
    struct sigaction reaper {};
    reaper.sa_handler = reapChildren;
    reaper.sa_flags = SA_RESTART;
    sigemptyset(&reaper.sa_mask);
    sigaction(SIGCHLD, &reaper, nullptr);
    loadWebSecret();

    std::vector<std::string> arguments =
        webServerArguments(port, certificate, protocols, ciphers, serverPreference, emptyRoot());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    kwhttpd_ctx* ctx = kwhttpd_init(static_cast<int>(arguments.size()), argv.data());
    WebPages pages(backendSocket);
    pages.registerPages(ctx);
    registerStaticFiles(ctx);
    kwhttpd_register_uri(ctx, "*", answerNotFound, nullptr);
    const int boundPort = kwhttpd_listening_port(ctx, 0);
    Log(3, true) << "DEBUG: the web front end listens on port " << boundPort;
    if (onListening) onListening(boundPort);

    try {
        while (stopFlag == nullptr || *stopFlag == 0) kwhttpd_poll(ctx, 1000);
    } catch (...) {
        // Only the server is finished here; the caller decides how the process ends.
        kwhttpd_fini(ctx);
        throw;
    }
    kwhttpd_fini(ctx);
    return 0;
}
