#include "installer/startup/RunModes.h"

#include "common/BuildInfo.h"
#include "common/Command.h"
#include "common/Lock.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/SystemUtils.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/reporters/Reporter.h"
#include "installer/reporters/StatusReporter.h"
#include "installer/startup/ExitFunctions.h"
#include "web_ui/WebSecret.h"

#include <signal.h>

#include <iostream>
#include <string>

#include <tinyxml.h>

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

// Starts this installer again as the web wizard's back end, detached and with
// its standard input at its end, and prints the one-time secret the operator
// adds to the wizard's address. The secret travels in the environment only: it
// is on no command line the system shows and in no log line.
void launchWebInterfaceInBackground()
{
    if (Lock::test(0) != 0) {
        StatusReporter(Reporter::statusBusy, Messages::get("status_busy")).put(std::cout);
        return;
    }
    generateWebSecret();
    const std::string noInput;
    const std::string shown = Options::getWebInterfaceCommandLine(true);
    executeInBackground(Options::getWebInterfaceCommandLine(), &noInput, &shown);
    const std::string secret = getEnv("WEB_SECRET");
    const std::string launched = Messages::get("status_daemon_launched");
    if (xmlOutput) {
        TiXmlElement data("data");
        data.SetAttribute("secret", secret);
        Reporter(Reporter::statusOk, launched).printXml(std::cout, &data);
    } else {
        std::cout << launched << "\nSecret: " << secret;
    }
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
