#include "installer/startup/Startup.h"

#include "common/BuildInfo.h"
#include "common/Command.h"
#include "common/Lock.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/Redact.h"
#include "common/ShellLaunch.h"
#include "common/SystemUtils.h"
#include "common/WebUiTransport.h"
#include "common/error.h"
#include "common/packages/PkgManager.h"
#include "common/xmlbind.h"
#include "installer/drivers/DriverEntryPoints.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/reporters/Reporter.h"
#include "installer/sources/SelfUpgrade.h"
#include "installer/sources/http_error.h"
#include "installer/startup/ExitFunctions.h"
#include "installer/startup/Feedback.h"
#include "installer/startup/InstallerLock.h"
#include "installer/startup/LogFile.h"
#include "installer/startup/ProxyEnvironment.h"
#include "installer/startup/ReportError.h"
#include "installer/startup/RunModes.h"
#include "installer/startup/StartupArguments.h"
#include "installer/startup/SystemExit.h"
#include "installer/startup/TerminationSignals.h"

#include <sys/stat.h>
#include <unistd.h>

#include <boost/program_options/errors.hpp>

#include <ctime>
#include <exception>
#include <iostream>
#include <string>
#include <typeinfo>

namespace {

void printStatus(int status, const std::string& message, const std::string& errorClass)
{
    Reporter(status, message, errorClass.c_str()).put(std::cout);
}

void logBanner(std::time_t startTime)
{
    ::tzset();
    std::tm local = {};
    ::localtime_r(&startTime, &local);
    char asctimeText[64] = {};
    ::asctime_r(&local, asctimeText);
    std::string arguments;
    for (const std::string& argument : redact::arguments(StartupArguments::list())) arguments += argument + " ";
    Log(1, true) << "\n\n"
                 << Messages::get("Kitwright") << " " << kwVersion() << " (revision " << kwRevision()
                 << ") started at (timezone " << ::tzname[0] << ") " << asctimeText
                 << "Command line arguments: " << arguments;
}

// A user other than root gets the refusal without the options being built: that
// could make files in the user's home directory, and an option error would hide
// the refusal. Whether to answer in XML is read from the words alone, and the run
// ends without the exit functions, which read the options.
[[noreturn]] void refuseNonRoot()
{
    const std::string text = Messages::get("err_not_root");
    xmlOutput = Options::asksForXmlOutput(StartupArguments::list());
    if (xmlOutput) {
        Log(1, true) << text;
        printStatus(Reporter::statusError, text, "");
        driver::raiseSystemExit(0);
    }
    Log(0, true) << text;
    Log(3, true) << "Exit with error";
    driver::raiseSystemExit(1);
}

// Stretch A's handling of an `error`, also used by the lock stretch.
[[noreturn]] void reportAndExit(const error& failure, const std::string& errorClass)
{
    const std::string text = failure.userText();
    if (!failure.isMarked(error::markLogged)) Log(1, true) << "Error: " << text;
    printStatus(Reporter::statusError, text, errorClass);
    exitWithError();
}

// Options, log file, debug switch, self-upgrade at start and the answered modes.
Options& prepareRun(std::time_t startTime)
{
    try {
        Options& options = Options::getInstance();
        if (options.mode == Options::modeBareVersion) {
            // Asked by another copy of the installer, maybe while it runs: no log
            // file, no lock.
            std::cout << kwVersion() << std::endl;
            exitWithSuccess();
        }
        openLogFile(startTime);
        if (options.debug) {
            Log(2, true) << "Debug mode is switched on: All output will be written to the log file.";
            Log::fileLevel = 3;
        }
        if (!options.disableSelfUpgrade) SelfUpgrade::switchToCachedVersion();
        answerRunMode(options);
        return options;
    } catch (error& failure) {
        reportAndExit(failure, failure.className());
    } catch (const boost::program_options::error& failure) {
        Log(1, true) << "Options parsing error: " << failure.what();
        const std::vector<std::string>& arguments = StartupArguments::list();
        const std::string first = arguments.size() > 1 ? arguments[1] : std::string();
        printStatus(Reporter::statusError,
                    std::string(failure.what()) + "\n" + (Messages::format("err_opt_parse_add") % first).str(), "");
        exitWithError();
    }
}

std::unique_ptr<Lock> lockRun(const Options& options)
{
    try {
        return takeInstallerLock(options);
    } catch (error& failure) {
        failure.addLevel(4, 1, 1, 2);
        failure << Messages::get("err_chk_exclusive");
        reportAndExit(failure, "");
    }
}

// The feedback actions (11 to 14) only store the operator's consent, or the
// product or group the feedback belongs to, and print nothing. False for every
// other action: those are the command-line driver's.
bool answerFeedbackAction(const Options& options)
{
    switch (options.action) {
    case Options::actionEnableFeedback:
        Feedback::setEnabled(true);
        return true;
    case Options::actionDisableFeedback:
        Feedback::setEnabled(false);
        return true;
    case Options::actionSetFeedbackProduct:
        Feedback::setProduct(options.feedbackProduct);
        return true;
    case Options::actionSetFeedbackGroupId:
        Feedback::setGroupId(options.feedbackGroupId);
        return true;
    default:
        return false;
    }
}

// Mode 1 reports its own failures, as an error report (when the operator's
// consent allows) and to the progress status, before start-up prints them.
void runCommandLineWorkReporting(const Options& options)
{
    try {
        if (answerFeedbackAction(options)) exitWithSuccess();
        runCommandLineWork();
    } catch (error& failure) {
        if (!failure.isMarked(error::markNoReport)) {
            ReportError::stream(-1) << "\nERROR: " << std::endl << failure.userText() << std::endl;
            ErrorReportInfo info;
            info.component = "installer";
            info.summary = failure.text();
            // Never raises: a report that cannot go leaves the run's outcome as it is.
            ReportError::sendReport(ReportError::stream(-1), info);
        }
        Progress::fail(failure.userText());
        throw;
    } catch (const driver::SystemExit&) {
        throw;
    } catch (const Progress::Interrupted&) {
        throw;
    } catch (...) {
        // Marked in the shared status for outside readers; the outer handlers report it.
        Progress::fail("An unknown internal error has occurred.");
        throw;
    }
}

void dispatch(const Options& options)
{
    switch (options.mode) {
    case Options::modeCommandLine:
        runCommandLineWorkReporting(options);
        Progress::finish();
        break;
    case Options::modeWebBackEnd:
        driver::web_ui();
        break;
    case Options::modeTextWizard:
        Log::interactive = true;
        driver::work_interactive();
        Progress::finish();
        break;
    default: {
        error failure(3, 1, 1, 3);
        failure << Messages::get("err_undef_wmode");
        throw failure;
    }
    }
}

// The run proper, with its lock; every way out releases the lock before the
// handlers report.
void runHoldingLock(std::unique_ptr<Lock> lock, const Options& options, std::time_t startTime)
{
    try {
        const std::unique_ptr<Lock> held = std::move(lock);
        allowNotificationMail();
        openLogFile(startTime);
        setupProxyEnvironment(options.proxyHost, options.proxyPort, options.proxyUser, options.proxyPassword);
        // The shared status record tells outside readers about this run, not the last.
        Progress::stage(0, 0);
        installTerminationHandlers();
        dispatch(options);
        printStatus(Reporter::statusOk, "", "");
        exitWithSuccess();
    } catch (error& failure) {
        logSelinuxMode();
        adviseSupportForMissingUpdateFile(failure);
        reportAndExit(failure, failure.className());
    } catch (const xmlbind::err& failure) {
        Log(1, true) << "An error occurred while parsing XML data: " << failure.message;
        printStatus(Reporter::statusError, failure.message, "");
        exitWithError();
    } catch (const PkgManager::unhappy&) {
        printStatus(Reporter::statusError, "Unexpected 'unhappy' exception caught", "");
        exitWithError();
    } catch (const WebUiTransport::timeout&) {
        exitOnIdleTimeout();
    } catch (const SelfUpgrade::NeedSelfUpgrade&) {
        printStatus(Reporter::statusError, "Unexpected 'NeedSelfUpgrade' exception caught", "");
        exitWithError();
    } catch (const driver::SystemExit&) {
        throw;
    } catch (const Progress::Interrupted&) {
        throw;
    } catch (const std::exception& failure) {
        logSelinuxMode();
        std::string type = typeid(failure).name();
        if (!type.empty() && type[0] == '*') type.erase(0, 1);
        const std::string text = "Unexpected '" + type + "' caught: " + failure.what();
        Log(1, true) << text;
        printStatus(Reporter::statusError, text, "");
        exitWithError();
    } catch (...) {
        // Anything else still ends the run as a failure the operator sees.
        logSelinuxMode();
        const std::string text = "Unexpected exception caught";
        Log(1, true) << text;
        printStatus(Reporter::statusError, text, "");
        exitWithError();
    }
}

}  // namespace

void logSelinuxMode()
{
    for (const char* path : {"/usr/bin/getenforce", "/usr/sbin/getenforce"}) {
        if (::access(path, F_OK) != 0) continue;
        try {
            executeCommand(path, false, false);
        } catch (...) {
            // The run already ends with the failure being reported; the query's own
            // failure (or an interruption while it ran) must not replace it.
            Log(2, true) << "Warning: the SELinux mode query " << path << " failed";
        }
        return;
    }
}

void exitOnIdleTimeout()
{
    Log::consoleLevel = 0;
    Log(0, true) << Messages::get("webinterface_exit_by_timeout");
    // Through main rather than exit(): the files kept for the run's end go too.
    driver::raiseSystemExit(0);
}

void startInstaller(int argc, char** argv)
{
    // Before any child or pipe exists: a reader that goes away is an error code,
    // not the installer's death.
    ignoreBrokenPipes();
    setEnv("KITWRIGHT_VERSION", kwVersion());
    StartupArguments::keep(argc, argv);
    ReportError::setInstallerVersion(kwVersion(), kwRevision());

    const std::time_t startTime = std::time(nullptr);
    logBanner(startTime);

    ::umask(022);
    if (::getuid() != 0 || ::geteuid() != 0) refuseNonRoot();

    const Options& options = prepareRun(startTime);
    std::unique_ptr<Lock> lock = lockRun(options);
    detachFromCgroups();
    runHoldingLock(std::move(lock), options, startTime);
    // runHoldingLock always ends the run.
    throw KW_INTERNAL_ERROR();
}
