#include "installer/webui/InstallationThread.h"

#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/packages/PkgManager.h"
#include "installer/components/ComponentManager.h"
#include "installer/drivers/performInstallation.h"
#include "installer/engine/Installer.h"
#include "installer/sources/http_error.h"
#include "installer/startup/ReportError.h"
#include "installer/startup/Startup.h"
#include "installer/startup/SystemExit.h"

#include <stdexcept>
#include <string>
#include <vector>

InstallationThread::InstallationThread(Work work) : work_(std::move(work)) {}

InstallationThread::~InstallationThread()
{
    if (thread_.joinable()) thread_.join();
    Log(3, true) << "DEBUG: ~InstallationThread(), after join";
}

void InstallationThread::start()
{
    thread_ = std::thread(bg_task{this});
}

void sendInstallerErrorReport(const error& failure)
{
    if (failure.isMarked(error::markNoReport)) return;
    ReportError::stream(-1) << "ERROR: " << std::endl << failure.userText() << std::endl;
    ErrorReportInfo info;
    info.component = "installer";
    info.summary = failure.text();
    ReportError::sendReport(ReportError::stream(-1), info);
}

namespace {

void reportJobFailure(error& failure)
{
    sendInstallerErrorReport(failure);
    logSelinuxMode();
    adviseSupportForMissingUpdateFile(failure);
    if (!failure.isMarked(error::markLogged)) Log(0, true) << "Error: " << failure.userText();
}

}  // namespace

void InstallationThread::do_job()
{
    Log(3, true) << "DEBUG: InstallationThread: do_job() entry.";
    try {
        work_();
        success_.store(true, std::memory_order_relaxed);
        Progress::checkTermination();
        Progress::finish();
    } catch (error& failure) {
        success_.store(false, std::memory_order_relaxed);
        reportJobFailure(failure);
        Progress::fail(failure.userText());
    } catch (const PkgManager::unhappy&) {
        success_.store(false, std::memory_order_relaxed);
        Log(1, true) << "Unexpected 'unhappy' exception caught";
        Progress::fail("Unexpected 'unhappy' exception caught");
    } catch (const driver::SystemExit&) {
        success_.store(false, std::memory_order_relaxed);
        Log(2, true) << "Background installation job was terminated by SystemExit exception";
        kept_ = std::current_exception();
    } catch (const Progress::Interrupted&) {
        success_.store(false, std::memory_order_relaxed);
        Log(1, true) << "Background installation job was cancelled by user";
        kept_ = std::current_exception();
    } catch (const std::exception& failure) {
        success_.store(false, std::memory_order_relaxed);
        Log(1, true) << "Unexpected exception: " << failure.what();
        Progress::fail(std::string("Unexpected exception: ") + failure.what());
    } catch (...) {
        // The job thread must never end by an exception: the process would abort.
        success_.store(false, std::memory_order_relaxed);
        Log(1, true) << "Unexpected exception caught";
        Progress::fail("Unexpected exception caught");
    }
    if (kept_) Log(3, true) << "The exception from background installation thread was saved to be re-thrown into main";
    finished_.store(true, std::memory_order_release);
}

void InstallationThread::rethrowKept() const
{
    if (kept_) std::rethrow_exception(kept_);
}

std::string InstallationThread::consoleText()
{
    // The progress page shows the whole text and then asks for the new lines:
    // they start after what it shows.
    return console_.getText(&consolePosition_);
}

std::string InstallationThread::newConsoleLines()
{
    return console_.getNewLines(&consolePosition_);
}

std::string InstallationThread::log(std::size_t bytes)
{
    return console_.get_log(bytes);
}

InstallationThread::Work installationWork(Installer& installer, ComponentManager& components, BuildManager& builds,
                                          Repository& repository, FileFetcher& fetcher, ComponentsExamine& examine,
                                          ParamManager& params, SourceManager& sources,
                                          driver::auto_configurator& configurator)
{
    return [&] {
        const Installer::PackageList& packages = installer.resolve();
        ReportError::setPackagesInfo(installer.resolvedList(), &repository);
        if (packages.empty()) return;
        installer.checkPackageSet();
        const std::vector<std::string> added = components.needAlsoInstall(packages);
        if (!added.empty()) {
            std::string names;
            for (const std::string& name : added) names += " '" + name + "'";
            Log(0, true) << Messages::get("added_comps_by_deps") << names;
        }
        performInstallation(builds, components, examine, fetcher, installer, params, repository, sources,
                            configurator);
    };
}
