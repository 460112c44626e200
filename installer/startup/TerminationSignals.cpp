#include "installer/startup/TerminationSignals.h"

#include "common/Progress.h"
#include "common/error.h"

#include <signal.h>

#include <cerrno>
#include <cstring>

void onTerminationSignal(int signalNumber) { Progress::onSignal(signalNumber); }

void installTerminationHandlers()
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGINT, SIGHUP, SIGTERM}) {
        if (::sigaction(signalNumber, &action, nullptr) != 0) {
            const std::string reason = std::strerror(errno);
            error failure(4, 1, 1, 2);
            failure << "Unable to install the handler of signal " << signalNumber << ": " << reason;
            throw failure;
        }
    }
}
