#include "installer/drivers/performInstallation.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/components/ComponentManager.h"
#include "installer/drivers/auto_configurator.h"
#include "installer/engine/ComponentsExamine.h"
#include "installer/engine/ExamineResultFormatter.h"
#include "installer/engine/Installer.h"
#include "installer/engine/TimeReport.h"
#include "installer/options/Options.h"
#include "installer/params/ParamManager.h"
#include "installer/sources/RepositoryProcessor.h"
#include "installer/startup/ReportError.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/packages/SourceSysRPM.h"

#include <chrono>

namespace {

std::string formattedResults(const std::vector<ExamineResult>& results)
{
    return formatExamineResults(ExamineResultFormatter(), results);
}

void logPostResults(const ComponentsExamine& examine)
{
    const std::string results = formattedResults(examine.postResults());
    Log(0, true) << Messages::get("examine_post_results") << "\n" << results;
}

// What the failure post-examination reports goes to the operator; a failure of
// its own is logged, so the installation's failure is the one that goes on.
void runFailurePostExamination(ComponentsExamine& examine)
{
    try {
        if (!examine.doFailurePostExamine()) logPostResults(examine);
    } catch (const error& failure) {
        std::string text = failure.text();
        while (!text.empty() && text.back() == '\n') text.pop_back();
        Log(1, true) << "Error: the post-examination after the failed installation failed: " << text;
    }
}

}  // namespace

void performInstallation(BuildManager& builds, ComponentManager& components, ComponentsExamine& examine,
                         FileFetcher& fetcher, Installer& installer, ParamManager& params, Repository& repository,
                         SourceManager& sources, driver::auto_configurator& configurator)
{
    // SIGHUP waits while the step changes the system.
    Progress::CancelUnsafeSection unsafe;
    params.exportToFiles();
    ReportError::tryInstallReportTool();
    const auto start = std::chrono::steady_clock::now();
    TimeReport statistics;
    try {
        RepositoryProcessor processor(&repository, &fetcher, &sources, configurator.get());
        components.visit(processor);
        try {
            installer.install();
        } catch (...) {
            statistics.report(builds, components, false);
            throw;
        }
        statistics.report(builds, components, true);
        builds.checkReleasesState(&repository);
        runPostExamination(installer, examine);
    } catch (...) {
        runFailurePostExamination(examine);
        throw;
    }
    const double seconds =
        static_cast<double>(std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start)
                                .count());
    Log(2, true) << Messages::get("Kitwright") << ": installation time " << seconds << " sec.";
    Log(0, true) << "\n" << Messages::get("install_ok");
}

void runPostExamination(Installer& installer, ComponentsExamine& examine)
{
    const Options& options = Options::getInstance();
    installer.setCommitChanges();
    if (!examine.doPostExamine(options.skipComponentsCheck)) {
        if (ComponentsExamine::hasUnpassed(examine.postResults()))
            throw error(6, 1, 1, 2) << Messages::get("examine_unpassed") << "\n"
                                    << formattedResults(examine.postResults());
        logPostResults(examine);
    }
    if (!options.skipCleanup) fileops::remove(SourceSysRPM::cacheFilePath);
}
