#include "installer/drivers/performInstallation.h"

#include "installer/components/ComponentManager.h"
#include "installer/drivers/auto_configurator.h"
#include "installer/engine/ComponentsExamine.h"
#include "installer/engine/DebianAPTConfigurator.h"
#include "installer/engine/InstallDeb.h"
#include "installer/engine/Installer.h"
#include "installer/engine/TimeReport.h"
#include "installer/options/Options.h"
#include "installer/startup/ReportError.h"

#include "common/Messages.h"
#include "common/Progress.h"
#include "common/fileops.h"
#include "common/packages/DebPackage.h"
#include "common/packages/SourceSysRPM.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/RecordedTools.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/LoadedCatalogue.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/engine/RealAptRoot.h"
#include "tests/installer/options/ProcessOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

using ::testing::ContainsRegex;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string kExamineSource = std::string(KW_TEST_DATA_DIR) + "/engine/examine-source";
const std::string kStatistics = std::string(TimeReport::directory) + "/" + TimeReport::fileName;

// The APT configurator counted as configured without running the tools.
class ConfiguredApt : public DebianAPTConfigurator {
public:
    ConfiguredApt(ComponentManager* components, SourceManager* sources, Repository* repository)
        : DebianAPTConfigurator("zarni", components, sources, repository)
    {
        setConfigured();
    }
};

// One installation of the demo catalogue's base component (release 1.1 on
// Debian 12, nothing installed yet) through the APT back end, with stand-ins
// for apt-get, apt-cache and dpkg, and a post-installation examination
// (checks/exit-with.sh) that ends with the code given. Made inside the private
// directories of runInstallation.
class InstallationRun {
public:
    InstallationRun(const std::string& postExitCode, bool postAlways)
        : systemPath_(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin"),
          tools_({"apt-get", "apt-cache", "dpkg", "chcon"}),
          path_("PATH", tools_.directory() + ":" + systemPath_)
    {
        processOptions();
        Options::homeOverride = home_.path();
        Progress::resetTermination();
        namespace fs = boost::filesystem;
        for (fs::recursive_directory_iterator it(kExamineSource), end; it != end; ++it) {
            const fs::path target = fs::path(examineSource_.path()) / fs::relative(it->path(), kExamineSource);
            // Read and written: boost's copy fails across into a tmpfs.
            if (!fs::is_directory(it->path())) writeFileWithDirectories(target.string(), readFile(it->path().string()));
        }
        examineFetcher_ = std::make_unique<FileFetcher>(SourceUrl(examineSource_.path()), examineTarget_.path());

        catalogue.read(debian12());
        catalogue.load({{"zarni", "zarni-1.1"}}, debian12());
        ComponentManager::CheckInstalled check(catalogue.repository, nullptr);
        catalogue.components.visit(check);
        base = catalogue.components.getBaseComponent("zarni");
        base->setSelection(KwComponent::SEL_INSTALL);
        ExamineStep step;
        step.scope = "post_any";
        step.name = "after";
        step.script = "checks/exit-with.sh";
        step.options = postExitCode;
        step.always = postAlways;
        step.directory = "dist/";
        base->examinations = {step};
        examine = std::make_unique<ComponentsExamine>(&catalogue.components, examineFetcher_.get(), debian12());

        holder = std::make_unique<driver::auto_configurator>(
            std::make_unique<ConfiguredApt>(&catalogue.components, catalogue.sources.get(), &catalogue.repository),
            true);
        installer = std::make_unique<InstallDeb>(&catalogue.repository, &catalogue.components, holder->get());
        // apt's plan for the selection, then its installation.
        tools_.answer("apt-get", "Inst zarni-base (1.1.0-1 Zarni:bookworm [amd64])\n", 1);
        installer->resolve();
    }

    // The bootstrapper package goes first, then the selection, which ends with
    // the code given.
    void aptInstallEndsWith(int exitCode)
    {
        tools_.answer("apt-get", "Setting up zarni-bootstrap (1.1.0-1) ...\n", 2);
        tools_.answer("apt-get", "Setting up zarni-base (1.1.0-1) ...\n", 3, exitCode);
    }

    void perform()
    {
        performInstallation(*catalogue.manager, catalogue.components, *examine, catalogue.fetcher, *installer,
                            catalogue.params, catalogue.repository, *catalogue.sources, *holder);
    }

    // What each installing call of apt-get installed.
    std::vector<std::string> installCalls() const
    {
        std::vector<std::string> installs;
        for (const std::string& call : tools_.calls()) {
            const std::string::size_type at = call.find(" install ");
            if (call.compare(0, 8, "apt-get ") == 0 && at != std::string::npos &&
                call.find("--just-print") == std::string::npos)
                installs.push_back(call.substr(at + 9));
        }
        return installs;
    }

    // The status of the one statistics record, "" without a file.
    static std::string statisticsStatus()
    {
        const std::string text = readFile(kStatistics);
        const std::string::size_type at = text.find("status=\"");
        if (at == std::string::npos) return std::string();
        return text.substr(at + 8, text.find('"', at + 8) - at - 8);
    }

    LoadedCatalogue catalogue{SourceUrl(demoCatalogueDirectory())};
    KwComponentPtr base;
    std::unique_ptr<ComponentsExamine> examine;
    std::unique_ptr<driver::auto_configurator> holder;
    std::unique_ptr<Installer> installer;

private:
    std::string systemPath_;
    RecordedTools tools_;
    ScopedEnvironment path_;
    TempDir home_;
    TempDir examineSource_;
    TempDir examineTarget_;
    std::unique_ptr<FileFetcher> examineFetcher_;
};

// Runs body where the fixed places an installation writes to are private and
// empty: /tmp (installed-package cache, lock), /var (statistics, failure flag),
// /opt (the error-report tool), /etc/apt (the package sources); the progress
// status is private too.
void inPrivateSystem(const std::function<void()>& body)
{
    const int result = runOverPrivateDirectories({"/tmp", "/var", "/opt", "/etc/apt"}, [&] {
        try {
            for (const char* directory : {"/var/kestavine", "/var/log/zarni/install", "/etc/apt/sources.list.d"})
                boost::filesystem::create_directories(directory);
            fileops::replace_file(SourceSysRPM::cacheFilePath, "cached records\n");
            body();
        } catch (const error& raised) {
            ADD_FAILURE() << "raised: " << raised.text();
        } catch (const std::exception& raised) {
            ADD_FAILURE() << "raised: " << raised.what();
        }
        return ::testing::Test::HasFailure() ? 1 : 0;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_EQ(result, 0);
}

// The options' clean-up and check switches for one run, put back afterwards.
struct Switches {
    Switches(bool skipCleanup, bool skipChecks)
        : savedCleanup(processOptions().skipCleanup), savedChecks(processOptions().skipComponentsCheck)
    {
        processOptions().skipCleanup = skipCleanup;
        processOptions().skipComponentsCheck = skipChecks;
    }
    ~Switches()
    {
        processOptions().skipCleanup = savedCleanup;
        processOptions().skipComponentsCheck = savedChecks;
    }
    bool savedCleanup;
    bool savedChecks;
};

// Opening a cancel-unsafe section fails while one is open: the step must have
// closed its own.
bool cancelSafe()
{
    try {
        Progress::markCancelUnsafe();
    } catch (const error&) {
        return false;
    }
    Progress::markCancelSafe();
    return true;
}

}  // namespace

// A good installation: packages installed, statistics saved as a success, the
// changes kept, the cache removed, the operator told.
TEST(PerformInstallation, ASuccessfulInstallation)
{
    inPrivateSystem([] {
        InstallationRun run("0", false);
        run.aptInstallEndsWith(0);
        CapturedLog log(2);
        run.perform();
        EXPECT_THAT(run.installCalls(), ElementsAre("zarni-bootstrap:amd64=1.1.0-1",
                                                     "zarni-bootstrap:amd64=1.1.0-1 zarni-base:amd64=1.1.0-1"));
        EXPECT_EQ(InstallationRun::statisticsStatus(), "success");
        EXPECT_TRUE(run.holder->get()->commitsChanges());
        EXPECT_FALSE(fileops::exists(SourceSysRPM::cacheFilePath));
        EXPECT_TRUE(fileops::exists(ReportError::toolPath));
        EXPECT_FALSE(fileops::exists(Installer::failureFlagPath()));
        EXPECT_THAT(log.text(), ContainsRegex(Messages::get("Kitwright") + ": installation time [0-9]+ sec\\.\n"));
        EXPECT_THAT(log.text(), EndsWith("\n\n" + Messages::get("install_ok") + "\n"));
        EXPECT_THAT(log.text(), Not(HasSubstr(Messages::get("examine_post_results"))));
        EXPECT_TRUE(cancelSafe());
    });
}

// Warnings of the post-installation examination are shown; the run still ends
// well. With --skip-cleanup the installed-package cache stays.
TEST(PerformInstallation, PostExaminationWarningsAndSkippedCleanup)
{
    inPrivateSystem([] {
        Switches switches(true, false);
        InstallationRun run("1", false);
        run.aptInstallEndsWith(0);
        CapturedLog log(0);
        run.perform();
        EXPECT_THAT(log.text(), HasSubstr(Messages::get("examine_post_results") + "\nafter\n  error of 1\n"));
        EXPECT_THAT(log.text(), EndsWith(Messages::get("install_ok") + "\n"));
        EXPECT_TRUE(fileops::exists(SourceSysRPM::cacheFilePath));
        EXPECT_EQ(InstallationRun::statisticsStatus(), "success");
    });
}

// With --skip-components-check only the checks marked always run.
TEST(PerformInstallation, SkippedChecks)
{
    inPrivateSystem([] {
        Switches switches(false, true);
        InstallationRun run("2", false);
        run.aptInstallEndsWith(0);
        CapturedLog log(0);
        run.perform();
        EXPECT_THAT(log.text(), Not(HasSubstr(Messages::get("examine_post_results"))));
        EXPECT_THAT(log.text(), EndsWith(Messages::get("install_ok") + "\n"));
    });
}

// An important issue found after the installation fails the run; the packages
// are in, so the statistics say success and the package sources stay.
TEST(PerformInstallation, AnUnpassedPostExaminationFailsTheRun)
{
    inPrivateSystem([] {
        InstallationRun run("2", false);
        run.aptInstallEndsWith(0);
        CapturedLog log(0);
        expectError([&] { run.perform(); }, {6, 1, 1, 2},
                    Messages::get("examine_unpassed") + "\nafter\n  error of 2\n\n");
        EXPECT_EQ(InstallationRun::statisticsStatus(), "success");
        EXPECT_TRUE(run.holder->get()->commitsChanges());
        EXPECT_THAT(log.text(), Not(HasSubstr(Messages::get("install_ok"))));
        EXPECT_TRUE(cancelSafe());
    });
}

// A failing package manager: statistics saved as a failure, the failure
// post-examination shown, the failure itself goes on, nothing kept.
TEST(PerformInstallation, AFailingInstallerStillReports)
{
    inPrivateSystem([] {
        InstallationRun run("1", true);
        run.aptInstallEndsWith(100);
        CapturedLog log(0);
        if (const auto e = expectError([&] { run.perform(); })) {
            expectCodes(*e, {6, 1, 3, 3});
            EXPECT_THAT(e->text(), HasSubstr(Messages::get("err_debinstall")));
        }
        EXPECT_EQ(InstallationRun::statisticsStatus(), "failed");
        EXPECT_THAT(log.text(), HasSubstr(Messages::get("examine_post_results") + "\nafter\n  error of 1\n"));
        EXPECT_THAT(log.text(), Not(HasSubstr(Messages::get("install_ok"))));
        EXPECT_FALSE(run.holder->get()->commitsChanges());
        EXPECT_TRUE(fileops::exists(SourceSysRPM::cacheFilePath));
        // The next run runs the post actions of every component.
        EXPECT_TRUE(fileops::exists(Installer::failureFlagPath()));
        EXPECT_TRUE(cancelSafe());
    });
}

TEST(RunPostExamination, MarksTheChangesForCommitFirst)
{
    inPrivateSystem([] {
        InstallationRun run("2", false);
        expectError([&] { runPostExamination(*run.installer, *run.examine); }, {6, 1, 1, 2},
                    HasSubstr(Messages::get("examine_unpassed")));
        EXPECT_TRUE(run.holder->get()->commitsChanges());
        // The run failed before the clean-up.
        EXPECT_TRUE(fileops::exists(SourceSysRPM::cacheFilePath));
    });
}

// The real apt and dpkg in a throw-away Debian root: a dry run leaves the
// package configuration as it found it; an installation through the step
// installs, keeps the product's persistent list and drops the temporary one.
TEST_F(RealApt, ADryRunLeavesAndAnInstallationKeepsThePackageConfiguration)
{
    publish({{"libzarni", "1.0-1", "", {}}, {"zarni-base", "1.1.0-1", "libzarni (>= 1.0)", {}}});
    serve();
    // The statistics name the demo catalogue's release of that version.
    TempDir downloads;
    FileFetcher demo(SourceUrl(demoCatalogueDirectory()), downloads.path());
    BuildManager builds(demo, "");
    builds.checkReleasesState(&repository, debian12());
    builds.selectRelease("zarni", "zarni-1.1");
    build->getParent()->checkState(&repository, debian12());
    const std::string report = inDebianRoot([&] {
        // Every file below /etc/apt with its bytes, and dpkg's status.
        typedef std::map<std::string, std::string> Files;
        const auto listing = [] {
            Files files;
            for (boost::filesystem::recursive_directory_iterator it("/etc/apt"), end; it != end; ++it)
                if (boost::filesystem::is_regular_file(it->path()))
                    files[it->path().string()] = readFile(it->path().string());
            files["/var/lib/dpkg/status"] = readFile("/var/lib/dpkg/status");
            return files;
        };
        // The files that differ, "as before" when none does.
        const auto changes = [](const Files& before, const Files& after) {
            std::string text;
            for (const auto& file : after) {
                const auto old = before.find(file.first);
                if (old == before.end())
                    text += " added " + file.first;
                else if (old->second != file.second)
                    text += " changed " + file.first;
            }
            for (const auto& file : before)
                if (after.count(file.first) == 0) text += " removed " + file.first;
            return text.empty() ? std::string("as before") : text;
        };
        boost::filesystem::create_directories(TimeReport::directory);
        const Files before = listing();
        std::string text;
        CapturedLog log(0);
        ComponentManager components;
        const KwComponentPtr base = makeComponent(build, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
        auto package = std::make_unique<DebPackage>("zarni-base", "1.1.0-1");
        package->setType(Package::typeBuild);
        base->packages.push_back(repository.addPackage(std::move(package), nullptr));
        components.addRootNode(base);
        {
            auto configurator = std::make_unique<ConfiguredApt>(&components, &sources, &repository);
            configurator->reconfigureSources();
            driver::auto_configurator holder(std::move(configurator), true);
            InstallDeb installer(&repository, &components, holder.get());
            text += "dry run plan: " + std::to_string(installer.resolve().size()) + "\n";
        }
        text += "after the dry run: " + changes(before, listing()) + "\n";
        {
            auto configurator = std::make_unique<ConfiguredApt>(&components, &sources, &repository);
            configurator->reconfigureSources();
            driver::auto_configurator holder(std::move(configurator), true);
            InstallDeb installer(&repository, &components, holder.get());
            installer.resolve();
            ComponentsExamine examine(&components, &demo, debian12());
            ParamManager params;
            performInstallation(builds, components, examine, demo, installer, params, repository, sources, holder);
        }
        text += "installed:\n" + installed("zarni-base libzarni");
        text += "after the installation:" + changes(before, listing()) + "\n";
        text += "statistics: " + InstallationRun::statisticsStatus() + "\n";
        return text + log.text();
    });
    if (report == "skip") GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_THAT(report, HasSubstr("dry run plan: 2\nafter the dry run: as before\n"
                                  "installed:\nlibzarni ii 1.0-1\nzarni-base ii 1.1.0-1\n"
                                  "after the installation: added /etc/apt/keyrings/zarni.gpg added /etc/apt/trusted.gpg "
                                  "changed /var/lib/dpkg/status\nstatistics: success\n"));
    EXPECT_THAT(report, EndsWith(Messages::get("install_ok") + "\n"));
}
