#include "installer/startup/RunModes.h"

#include "common/BuildInfo.h"
#include "common/Lock.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "installer/options/Options.h"
#include "installer/reporters/Reporter.h"
#include "installer/reporters/StatusReporter.h"
#include "installer/startup/ExitFunctions.h"

#include <signal.h>

#include <iostream>

namespace {

void printVersion()
{
    std::cout << Messages::get("Kitwright") << " " << kwVersion() << " (revision " << kwRevision() << ")" << std::endl;
}

// Asks the lock holder to stop: SIGHUP lets it finish a step that must not be
// cut, SIGTERM (--terminate) stops it at the next check. Plain text, also with
// XML output: the holder's own status answers tell the outcome.
void stopRunningInstaller(bool terminate)
{
    const int holder = Lock::test(0);
    if (holder == 0) {
        std::cout << Messages::get("stop_already_stopped") << std::endl;
        return;
    }
    ::kill(holder, terminate ? SIGTERM : SIGHUP);
    std::cout << Messages::get("stop_sent") << std::endl;
}

void launchWebInterfaceInBackground()
{
    if (Lock::test(0) != 0) {
        StatusReporter(Reporter::statusBusy, Messages::get("status_busy")).put(std::cout);
        return;
    }
    // The one-time secret and the background launch belong to the web UI's
    // launcher; until it is built the mode fails plainly.
    error failure(3, 1, 1, 3);
    failure << "The background launch of the web interface is not available in this build of the installer.";
    throw failure;
}

}  // namespace

void answerRunMode(Options& options)
{
    switch (options.mode) {
    case Options::modeServiceLaunch:
        launchWebInterfaceInBackground();
        break;
    case Options::modeVersion:
        printVersion();
        break;
    case Options::modeOptionsHelp:
        Options::printUsage(std::cout);
        break;
    case Options::modeCommandHelp:
        options.printCommandHelp(std::cout);
        break;
    case Options::modeCommandsOverview:
        Options::printCommandsUsage(std::cout);
        break;
    case Options::modeQueryStatus:
        StatusReporter::forLockState().put(std::cout);
        break;
    case Options::modeStop:
        stopRunningInstaller(options.terminate);
        break;
    default:
        return;
    }
    exitWithSuccess();
}

void answerBusy(const Options& options)
{
    const std::string text = Messages::get("status_locked_by_another");
    Log(1, true) << text;
    if (options.action == Options::actionListReleases)
        Reporter(Reporter::statusError, "Installer is busy.").put(std::cout);
    else
        Reporter(Reporter::statusBusy, text, "").put(std::cout);
    exitWithError();
}
