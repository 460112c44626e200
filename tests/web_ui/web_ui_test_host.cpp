// The front-end test host: runs the web UI's front end (runWebServer) as a
// program of its own, so that tests can ask it over 127.0.0.1.
//     web_ui_test_host PORT [CERTIFICATE [PROTOCOLS [CIPHERS [PREFERENCE]]]]
// PORT 0 takes a free port. The pages ask the back end on the socket named
// by KW_TEST_BACKEND_SOCKET (the installer's own path when unset); with
// KW_TEST_LOG_FILE the host logs every level into that file. It prints "port N" once the server listens,
// serves until SIGTERM (through the stop flag, so that the server ends
// cleanly), and ends by itself after ten minutes so that a forgotten host
// never lingers.

#include "web_ui/WebFrontEnd.h"

#include "common/Log.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr unsigned kLifetimeSeconds = 600;
volatile std::sig_atomic_t stopRequested = 0;

void onTerm(int)
{
    stopRequested = 1;
}

std::string argument(int argc, char** argv, int index)
{
    return index < argc ? argv[index] : "";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PORT [CERTIFICATE [PROTOCOLS [CIPHERS [PREFERENCE]]]]\n", argv[0]);
        return 2;
    }
    struct sigaction term {};
    term.sa_handler = onTerm;
    sigemptyset(&term.sa_mask);
    sigaction(SIGTERM, &term, nullptr);
    alarm(kLifetimeSeconds);
    const char* backendSocket = std::getenv("KW_TEST_BACKEND_SOCKET");
    if (const char* logFile = std::getenv("KW_TEST_LOG_FILE")) {
        Log::fileLevel = 3;
        if (!Log::openFile(logFile, true)) {
            std::fprintf(stderr, "cannot open the log file %s\n", logFile);
            return 2;
        }
    }
    return runWebServer(std::atoi(argv[1]), argument(argc, argv, 2), argument(argc, argv, 3), argument(argc, argv, 4),
                        argument(argc, argv, 5), &stopRequested,
                        [](int port) {
                            std::printf("port %d\n", port);
                            std::fflush(stdout);
                        },
                        backendSocket ? backendSocket : "/tmp/kitwright_webui_socket");
}
