#include "installer/engine/InstallDeb.h"

#include "installer/components/ComponentManager.h"
#include "installer/engine/DebianAPTConfigurator.h"
#include "installer/engine/DpkgRecovery.h"
#include "installer/engine/SystemPackageTools.h"
#include "installer/options/Options.h"
#include "installer/sources/SourceManager.h"
#include "installer/startup/ReportError.h"

#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/Repository.h"
#include "common/packages/Version.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/RecordedTools.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/engine/PackageRecords.h"
#include "tests/installer/engine/RealAptRoot.h"
#include "tests/installer/options/ProcessOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const std::string kPrefix = "apt-get --assume-yes --show-upgraded --purge --no-reinstall "
                            "-o APT::Get::List-Cleanup=true -o Dpkg::options::=--force-confdef "
                            "-o Dpkg::options::=--force-confold -o APT::Get::AllowUnauthenticated=false "
                            "-o Acquire::Retries=3 -t bookworm*";

// The configurator, counted as configured without running the tools.
class ConfiguredApt : public DebianAPTConfigurator {
public:
    using DebianAPTConfigurator::DebianAPTConfigurator;
    using DebianAPTConfigurator::setConfigured;
};

// The back end with the lock wait replaced: it only counts.
class CountingInstallDeb : public InstallDeb {
public:
    using InstallDeb::InstallDeb;
    int waits = 0;

protected:
    void waitForLock(int seconds) override
    {
        EXPECT_EQ(seconds, 60);
        ++waits;
    }
};

template <class Record = DebPackage>
const Package* listed(Repository& repository, const char* name, const char* version, char kind, const char* arch)
{
    return ::listed<Record>(repository, name, version, kind, arch);
}

// One product with a base component selected for installation, stand-ins for
// apt-get, apt-cache and dpkg, and the options put back afterwards.
class InstallDebTest : public ::testing::Test {
protected:
    InstallDebTest()
        : savedSkip_(processOptions().skipGpgCheck),
          savedRetries_(processOptions().downloadRetries),
          tools_({"apt-get", "apt-cache", "dpkg"})
    {
        tools_.passThrough("env", "/usr/bin/env");
        tools_.passThrough("cat", "/bin/cat");
        processOptions().skipGpgCheck = false;
        processOptions().downloadRetries = 3;
        product_ = makeProductBuild("zarni");
        product_.build->setOsReleaseName("bookworm");
        base_ = makeComponent(product_.build, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
        components.addRootNode(base_);
        configurator.setConfigured();
        ReportError::clearMessage();
    }
    ~InstallDebTest() override
    {
        processOptions().skipGpgCheck = savedSkip_;
        processOptions().downloadRetries = savedRetries_;
        ReportError::clearMessage();
    }

    RecordedTools& tools() { return tools_; }
    KwComponentPtr base() const { return base_; }
    std::vector<std::string> aptCalls() const
    {
        std::vector<std::string> calls;
        for (const std::string& call : tools_.calls())
            if (call.compare(0, 8, "apt-get ") == 0) calls.push_back(call);
        return calls;
    }

    Repository repository;
    ComponentManager components;
    SourceManager sources{&repository, Opsys("Linux", "Debian", "12", "x86_64", "")};
    ConfiguredApt configurator{"source", &components, &sources, &repository};

private:
    bool savedSkip_;
    int savedRetries_;
    RecordedTools tools_;
    ProductBuild product_;
    KwComponentPtr base_;
};

}  // namespace

TEST_F(InstallDebTest, OnlyWithTheAptConfiguratorAndAptGet)
{
    ForeignConfigurator other;
    if (const auto e = expectError([&] { InstallDeb(&repository, &components, &other); })) {
        expectCodes(*e, {3, 1, 1, 3});
        EXPECT_THAT(e->text(), HasSubstr(Messages::get("err_deb_initobj")));
    }
    std::unique_ptr<Installer> made = configurator.createInstaller(&components);
    EXPECT_NE(dynamic_cast<InstallDeb*>(made.get()), nullptr);
}

TEST_F(InstallDebTest, TheCommandPrefix)
{
    InstallDeb installer(&repository, &components, &configurator);
    EXPECT_EQ(installer.buildBaseCommand(),
              "DEBIAN_FRONTEND=noninteractive LANG=C apt-get --assume-yes --show-upgraded --purge --no-reinstall "
              "-o APT::Get::List-Cleanup=true -o Dpkg::options::=--force-confdef -o Dpkg::options::=--force-confold "
              " -o APT::Get::AllowUnauthenticated=false -o Acquire::Retries=3  -t 'bookworm*' ");
    processOptions().skipGpgCheck = true;
    processOptions().downloadRetries = 7;
    EXPECT_THAT(installer.buildBaseCommand(), HasSubstr("AllowUnauthenticated=true -o Acquire::Retries=7 "));

    // The target release goes between single quotes: nothing else may.
    base()->getBuild()->setOsReleaseName("bookworm'; touch /tmp/x; '");
    if (const auto e = expectError([&] { installer.buildBaseCommand(); })) {
        expectCodes(*e, {1, 1, 1, 3});
        EXPECT_THAT(e->text(), HasSubstr("The target release 'bookworm'; touch /tmp/x; '' of build for"));
    }
}

TEST_F(InstallDebTest, PackageArguments)
{
    auto extension = std::make_unique<ExtCatalogPackage>("ext-installed");
    extension->setType(Package::typeSystem);
    repository.addPackage(std::move(extension), nullptr);
    const Package* offeredExtension = Repository::keep(std::make_unique<ExtCatalogPackage>("ext-offered"));
    const Package* noVersion = listed(repository, "empty", "2:", 'b', "amd64");
    auto dummy = std::make_unique<Package>("dummy", std::string("0.0"));
    dummy->setType(Package::typeDummy);
    const Package* plainDummy = Repository::keep(std::move(dummy));

    struct Case {
        std::string what;
        const Package* package;
        std::string argument;
    };
    const Case cases[] = {
        {"catalogue package", listed(repository, "foo", "1.0-1", 'b', "amd64"), " 'foo:amd64=1.0-1'"},
        {"catalogue package with epoch", listed(repository, "epo", "2:1.0-1", 'b', ""), " 'epo=2:1.0-1'"},
        {"offered package", listed(repository, "bar", "2.0", 'u', "i386"), " 'bar:i386'"},
        {"noarch catalogue package", listed(repository, "qux", "1.0", 'b', "noarch"), " 'qux=1.0'"},
        {"remover", repository.addRemoverFor("libbar", ""), " 'libbar-'"},
        {"remover with arch", repository.addRemoverFor("libbaz", "i386"), " 'libbaz:i386-'"},
        {"extension package", offeredExtension, ""},
        {"remover of an installed extension", repository.addRemoverFor("ext-installed", ""), ""},
        {"remover of an extension not installed", repository.addRemoverFor("ext-gone", ""), " 'ext-gone-'"},
        {"other dummy", plainDummy, ""},
    };
    InstallDeb installer(&repository, &components, &configurator);
    std::string all;
    Installer::PackageList list;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(installer.packageArguments({c.package}), c.argument);
        list.push_back(c.package);
        all += c.argument;
    }
    EXPECT_EQ(installer.packageArguments(list), all);
    if (const auto e = expectError([&] { installer.packageArguments({noVersion}); })) expectCodes(*e, {3, 1, 1, 3});
}

TEST_F(InstallDebTest, DryRunLines)
{
    const Package* known = listed(repository, "foo", "1.0-1", 'b', "");
    InstallDeb installer(&repository, &components, &configurator);
    Installer::PackageList list;
    const struct {
        std::string line;
        std::vector<std::string> after;
    } steps[] = {
        {"Inst libfoo:i386 [1.0-1] (1.0-2 Debian:stable [i386])", {"libfoo 1.0-2 i386 u"}},
        {"Conf libfoo:i386 (1.0-2 Debian:stable [i386])", {"libfoo 1.0-2 i386 u"}},
        {"Inst foo (1.0-1 Zarni:bookworm [all])", {"libfoo 1.0-2 i386 u", "foo 1.0-1  b"}},
        {"Conf foo (1.0-1 Zarni:bookworm [all])", {"libfoo 1.0-2 i386 u", "foo 1.0-1  b"}},
        {"Remv libbar [2.0]", {"libfoo 1.0-2 i386 u", "foo 1.0-1  b", "remove libbar "}},
        {"Purg libbaz:amd64 [3.0]", {"libfoo 1.0-2 i386 u", "foo 1.0-1  b", "remove libbar ", "remove libbaz amd64"}},
        {"Remv libbar [2.0]", {"libfoo 1.0-2 i386 u", "foo 1.0-1  b", "remove libbar ", "remove libbaz amd64"}},
        {"NOTE: This is only a simulation!", {"libfoo 1.0-2 i386 u", "foo 1.0-1  b", "remove libbar ",
                                              "remove libbaz amd64"}},
        {"Inst broken", {"libfoo 1.0-2 i386 u", "foo 1.0-1  b", "remove libbar ", "remove libbaz amd64"}},
    };
    CapturedLog log(3);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.line);
        installer.addPlannedPackage(step.line, list);
        std::vector<std::string> shownList;
        for (const Package* package : list) shownList.push_back(shown(package));
        EXPECT_EQ(shownList, step.after);
    }
    EXPECT_EQ(list[1], known);
    EXPECT_THAT(log.text(), HasSubstr("  add to install list libfoo-1.0-2"));
    EXPECT_THAT(log.text(), HasSubstr("  add to remove list "));
}

// The selection's list goes to one dry run; apt's plan comes back in order,
// a pulled dependency included.
TEST_F(InstallDebTest, ResolveByDryRun)
{
    base()->packages.push_back(listed(repository, "zarni-base", "2.0-1", 'b', "amd64"));
    tools().answer("apt-get", "NOTE: This is only a simulation!\n"
                              "Inst libzarni (1.5-1 Zarni:bookworm [amd64])\n"
                              "Inst zarni-base (2.0-1 Zarni:bookworm [amd64])\n"
                              "Remv oldtool [0.9]\n"
                              "Conf libzarni (1.5-1 Zarni:bookworm [amd64])\n"
                              "Conf zarni-base (2.0-1 Zarni:bookworm [amd64])\n");
    InstallDeb installer(&repository, &components, &configurator);
    CapturedLog log(3);
    const Installer::PackageList& list = installer.resolve();
    std::vector<std::string> shownList;
    for (const Package* package : list) shownList.push_back(shown(package));
    EXPECT_THAT(shownList, ElementsAre("zarni-base 2.0-1 amd64 b", "libzarni 1.5-1  u", "remove oldtool "));
    EXPECT_THAT(aptCalls(), ElementsAre(kPrefix + " --just-print install zarni-base:amd64=2.0-1"));
    EXPECT_THAT(log.text(), HasSubstr(Messages::get("checking_deps")));
}

TEST_F(InstallDebTest, AnEmptySelectionRunsNothing)
{
    base()->setSelection(KwComponent::SEL_NONE);
    InstallDeb installer(&repository, &components, &configurator);
    EXPECT_TRUE(installer.resolve().empty());
    installer.doInstall({});
    EXPECT_THAT(tools().calls(), ElementsAre("dpkg --audit")) << "only dpkg's audit, which finds it clean";
}

// Nothing to install while dpkg has not finished an earlier change: no step
// would recover it, so the run is refused with both commands instead of
// ending "already installed" over packages dpkg only half installed.
TEST_F(InstallDebTest, NothingToInstallOverAnUnfinishedDpkgIsRefused)
{
    base()->setSelection(KwComponent::SEL_NONE);
    tools().answer("dpkg", "The following packages are in a mess due to serious problems during\n"
                           "installation.  They must be reinstalled for them (and any packages\n"
                           "that depend on them) to function properly:\n"
                           " zarni-web            (no description available)\n");
    InstallDeb installer(&repository, &components, &configurator);
    CapturedLog log(1);
    expectError([&] { installer.resolve(); }, {4, 1, 3, 2},
                HasSubstr((Messages::format("err_dpkg_interrupted") % "zarni-web" % "zarni-web").str()));
    EXPECT_TRUE(aptCalls().empty());
    EXPECT_THAT(log.text(), HasSubstr("Error: nothing to install, but dpkg was interrupted in an earlier run"));
}

TEST_F(InstallDebTest, AFailedDryRunIsReported)
{
    base()->packages.push_back(listed(repository, "zarni-base", "2.0-1", 'b', "amd64"));
    tools().answer("apt-get", "E: Unable to locate package zarni-base\n", 0, 100);
    tools().answer("dpkg", "ii  zarni-old 1.0 all test\n", 2);
    InstallDeb installer(&repository, &components, &configurator);
    CapturedLog log(0);
    if (const auto e = expectError([&] { installer.resolve(); })) {
        expectCodes(*e, {5, 1, 1, 3});
        EXPECT_EQ(e->text(), Messages::get("err_installation_stopped_apt_error") + "\n");
    }
    const std::string report = ReportError::collectedMessage();
    EXPECT_THAT(report, StartsWith("Apt failed to resolve packages:\nError: " +
                                   Messages::get("err_installation_stopped_apt_error") + "\n\nCommand line: "
                                   "DEBIAN_FRONTEND=noninteractive LANG=C apt-get"));
    EXPECT_THAT(report, HasSubstr("--just-print install  'zarni-base:amd64=2.0-1'\nReturn code: 100\n"
                                  "Output:E: Unable to locate package zarni-base\n\nSources list:\n"));
    EXPECT_THAT(report, HasSubstr("Installed in system packages:\nii  zarni-old 1.0 all test\n\n"));
    EXPECT_THAT(log.text(), HasSubstr("E: Unable to locate package zarni-base"));
    EXPECT_THAT(log.text(), HasSubstr(Messages::get("err_installation_stopped")));
}

// An unfinished dpkg does not stop the dry run; when the dry run fails, its
// error names the recovery the install step will make.
TEST_F(InstallDebTest, AnInterruptedDpkgIsNamedWhenTheDryRunFails)
{
    base()->packages.push_back(listed(repository, "zarni-base", "2.0-1", 'b', "amd64"));
    tools().answer("dpkg", "The following packages are only half configured:\n zarni-old   test package\n", 1);
    tools().answer("apt-get", "E: Broken packages\n", 0, 100);
    InstallDeb installer(&repository, &components, &configurator);
    CapturedLog log(1);
    if (const auto e = expectError([&] { installer.resolve(); })) {
        EXPECT_EQ(e->text(), Messages::get("err_installation_stopped_apt_error") +
                                 " dpkg was interrupted in an earlier run; the installation runs "
                                 "'dpkg --configure -a' before it changes anything.\n");
    }
    EXPECT_THAT(log.text(), HasSubstr("Warning: dpkg was interrupted in an earlier run;"));
    EXPECT_THAT(DpkgRecovery::packagesOf("The following packages are only half configured:\n zarni-old   test\n"
                                         " libx  x\n zarni-old again\n"),
                ElementsAre("zarni-old", "libx"));
}

// While another process holds the lock: a wait before each further run.
TEST_F(InstallDebTest, LockBusyTwiceThenInstalled)
{
    const Package* foo = listed(repository, "foo", "1.0-1", 'b', "amd64");
    const std::string busy = "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242\n";
    tools().answer("apt-get", busy, 1, 100);
    tools().answer("apt-get", busy, 2, 100);
    tools().answer("apt-get", "Setting up foo (1.0-1) ...\n", 3, 0);
    CountingInstallDeb installer(&repository, &components, &configurator);
    CapturedLog log(0);
    installer.doInstall({foo});
    EXPECT_EQ(installer.waits, 2);
    EXPECT_THAT(aptCalls(), ElementsAre(kPrefix + " install foo:amd64=1.0-1", kPrefix + " install foo:amd64=1.0-1",
                                        kPrefix + " install foo:amd64=1.0-1"));
    EXPECT_THAT(log.text(), HasSubstr((Messages::format("download_retry_progress") % 2 % 30).str()));
    EXPECT_EQ(ReportError::collectedMessage(), "");
}

TEST_F(InstallDebTest, LockBusyEveryTime)
{
    const Package* foo = listed(repository, "foo", "1.0-1", 'b', "amd64");
    tools().answer("apt-get", "E: Could not get lock /var/lib/dpkg/lock-frontend.\n", 0, 100);
    CountingInstallDeb installer(&repository, &components, &configurator);
    CapturedLog log(0);
    if (const auto e = expectError([&] { installer.doInstall({foo}); })) {
        expectCodes(*e, {6, 1, 3, 3});
        EXPECT_THAT(e->text(), HasSubstr(Messages::get("err_debinstall")));
    }
    EXPECT_EQ(installer.waits, 30);
    EXPECT_EQ(aptCalls().size(), 31u);
    EXPECT_EQ(ReportError::collectedMessage(),
              "Apt failed to install packages:\nError: " + Messages::get("err_debinstall") +
                  "\n\nCommand line: " + installer.buildBaseCommand() +
                  " install  'foo:amd64=1.0-1'\nReturn code: 100\nOutput:\n"
                  "E: Could not get lock /var/lib/dpkg/lock-frontend.\n\n");
}

TEST_F(InstallDebTest, AnotherFailureIsNotRetried)
{
    const Package* foo = listed(repository, "foo", "1.0-1", 'b', "amd64");
    tools().answer("apt-get", "E: Sub-process /usr/bin/dpkg returned an error code (1)\n", 0, 100);
    CountingInstallDeb installer(&repository, &components, &configurator);
    CapturedLog log(0);
    if (const auto e = expectError([&] { installer.doInstall({foo}); })) expectCodes(*e, {6, 1, 3, 3});
    EXPECT_EQ(installer.waits, 0);
    EXPECT_EQ(aptCalls().size(), 1u);
    EXPECT_THAT(ReportError::collectedMessage(), HasSubstr("Return code: 100\nOutput:\nE: Sub-process"));
}

namespace {

// The product's base component in the throw-away root, selected for
// installation with the given catalogue packages, and the APT configuration
// made (lists, key, index) without the system checks of a whole configure.
struct RootRun {
    RootRun(RealApt& test, Repository& repository, SourceManager& sources, const BuildPtr& build)
        : configurator("source", &components, &sources, &repository)
    {
        (void)test;
        base = makeComponent(build, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
        components.addRootNode(base);
        configurator.reconfigureSources();
        configurator.setConfigured();
    }
    ComponentManager components;
    KwComponentPtr base;
    ConfiguredApt configurator;
};

const Package* catalogue(Repository& repository, const char* name, const char* version)
{
    return listed(repository, name, version, 'b', "");
}

// The names of the processes left in this PID namespace besides its init.
std::string otherProcesses()
{
    std::string names;
    if (DIR* proc = ::opendir("/proc")) {
        while (const dirent* entry = ::readdir(proc)) {
            const std::string pid = entry->d_name;
            if (pid.find_first_not_of("0123456789") != std::string::npos || pid == "1") continue;
            std::string name = readFile("/proc/" + pid + "/comm");
            if (!name.empty()) names += name;
        }
        ::closedir(proc);
    }
    return names;
}

void recordSignal(int signalNumber) { Progress::onSignal(signalNumber); }

// The back end whose lock wait first lets the lock go (`release`) and then
// waits as the engine does, a second instead of the minute.
class ReleasingInstallDeb : public InstallDeb {
public:
    ReleasingInstallDeb(Repository* repository, ComponentManager* components, SystemSpecificConfigurator* configurator,
                        std::function<void()> release)
        : InstallDeb(repository, components, configurator), release_(std::move(release))
    {
    }
    std::vector<int> waits;

protected:
    void waitForLock(int seconds) override
    {
        waits.push_back(seconds);
        release_();
        InstallDeb::waitForLock(1);
    }

private:
    std::function<void()> release_;
};

// Holds dpkg's frontend lock as apt-get takes it, until it ends.
std::unique_ptr<LingeringProcess> holdDpkgFrontendLock()
{
    return std::make_unique<LingeringProcess>(0, [] {
        const int fd = ::open("/var/lib/dpkg/lock-frontend", O_RDWR | O_CREAT | O_CLOEXEC, 0640);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        return fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0;
    });
}

}  // namespace

// apt's plan pulls a dependency; install, upgrade and removal as dpkg sees them.
TEST_F(RealApt, ResolveInstallUpgradeAndRemove)
{
    publish({{"libzarni", "1.0-1", "", {}},
             {"zarni-base", "1.0-1", "libzarni (>= 1.0)", {}},
             {"zarni-base", "2.0-1", "libzarni (>= 1.0)", {}}});
    serve();
    const std::string report = inDebianRoot([&] {
        CapturedLog log(0);
        RootRun run(*this, repository, sources, build);
        run.base->packages.push_back(catalogue(repository, "zarni-base", "1.0-1"));
        InstallDeb installer(&repository, &run.components, &run.configurator);
        std::string text = "plan:";
        for (const Package* package : installer.resolve()) text += " " + shown(package);
        installer.doInstall(installer.resolvedList());
        text += "\ninstalled:\n" + installed("zarni-base libzarni");
        installer.doInstall({catalogue(repository, "zarni-base", "2.0-1")});
        text += "upgraded:\n" + installed("zarni-base libzarni");
        installer.doInstall({repository.addRemoverFor("zarni-base", "")});
        return text + "removed:\n" + installed("zarni-base libzarni");
    });
    if (report == "skip") GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_EQ(report, "plan: zarni-base 1.0-1  b libzarni 1.0-1  u\n"
                      "installed:\nlibzarni ii 1.0-1\nzarni-base ii 1.0-1\n"
                      "upgraded:\nlibzarni ii 1.0-1\nzarni-base ii 2.0-1\n"
                      "removed:\nlibzarni ii 1.0-1\n");
}

// A postinst that kills its dpkg on the first run: the next run recovers it
// once with "dpkg --configure -a" (logged) and installs.
TEST_F(RealApt, AnInterruptedDpkgIsRecoveredOnce)
{
    publish({{"zarni-crash", "1.0-1", "",
              {{"postinst", "#!/bin/sh\n[ -e /var/lib/zarni-crash-ran ] && exit 0\n"
                            "touch /var/lib/zarni-crash-ran\nkill -9 $PPID\nexit 0\n"}}},
             {"zarni-tools", "1.0-1", "", {}}});
    serve();
    const std::string report = inDebianRoot([&] {
        CapturedLog log(0);
        RootRun run(*this, repository, sources, build);
        std::string text;
        try {
            InstallDeb(&repository, &run.components, &run.configurator)
                .doInstall({catalogue(repository, "zarni-crash", "1.0-1")});
            text += "first run installed\n";
        } catch (const error& failure) {
            text += "first run: " + std::to_string(failure.errorClass()) + "\n";
        }
        text += "after the first run:\n" + installed("zarni-crash");
        InstallDeb(&repository, &run.components, &run.configurator)
            .doInstall({catalogue(repository, "zarni-tools", "1.0-1")});
        text += "after the second run:\n" + installed("zarni-crash zarni-tools");
        return text + log.text();
    });
    if (report == "skip") GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_THAT(report, StartsWith("first run: 6\nafter the first run:\nzarni-crash iF 1.0-1\n"
                                   "after the second run:\nzarni-crash ii 1.0-1\nzarni-tools ii 1.0-1\n"));
    EXPECT_THAT(report, HasSubstr("running 'dpkg --configure -a' once"));
    EXPECT_THAT(report, HasSubstr("dpkg has finished the interrupted changes."));
}

// A package dpkg cannot finish: the specific error names it and both
// commands; once the operator has run them, the installation goes through.
TEST_F(RealApt, AHalfInstalledPackageNeedsTheOperator)
{
    publish({{"zarni-stuck", "1.0-1", "",
              {{"postinst", "#!/bin/sh\n[ -e /etc/zarni-fixed ] && exit 0\n"
                            "if [ ! -e /var/lib/zarni-stuck-ran ]; then touch /var/lib/zarni-stuck-ran; "
                            "kill -9 $PPID; fi\nexit 1\n"}}},
             {"zarni-tools", "1.0-1", "", {}}});
    serve();
    const std::string report = inDebianRoot([&] {
        CapturedLog log(0);
        RootRun run(*this, repository, sources, build);
        try {
            InstallDeb(&repository, &run.components, &run.configurator)
                .doInstall({catalogue(repository, "zarni-stuck", "1.0-1")});
        } catch (const error&) {
        }
        std::string text;
        try {
            InstallDeb(&repository, &run.components, &run.configurator)
                .doInstall({catalogue(repository, "zarni-tools", "1.0-1")});
            text += "second run installed\n";
        } catch (const error& failure) {
            text += "second run: " + std::to_string(failure.errorClass()) + std::to_string(failure.retry()) +
                    std::to_string(failure.systemState()) + std::to_string(failure.support()) + " " +
                    failure.text();
        }
        // What the operator does, as the error says.
        std::ofstream("/etc/zarni-fixed") << "fixed\n";
        const int configured = std::system("dpkg --configure -a >/dev/null 2>&1");
        const int reinstalled =
            std::system("DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall zarni-stuck >/dev/null 2>&1");
        text += "operator: " + std::to_string(configured) + " " + std::to_string(reinstalled) + "\n";
        InstallDeb(&repository, &run.components, &run.configurator)
            .doInstall({catalogue(repository, "zarni-tools", "1.0-1")});
        return text + installed("zarni-stuck zarni-tools");
    });
    if (report == "skip") GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_EQ(report, "second run: 4132 " +
                          (Messages::format("err_dpkg_interrupted") % "zarni-stuck" % "zarni-stuck").str() +
                          "\noperator: 0 0\nzarni-stuck ii 1.0-1\nzarni-tools ii 1.0-1\n");
}

// SIGTERM while a postinst runs: apt-get and dpkg finish (the package ends
// "ii"), then the run is interrupted, and no apt or dpkg process is left.
TEST_F(RealApt, TerminationWaitsForThePackageManager)
{
    publish({{"zarni-slow", "1.0-1", "", {{"postinst", "#!/bin/sh\nkill -TERM 1\nsleep 3\nexit 0\n"}}}});
    serve();
    const std::string report = inDebianRoot([&] {
        CapturedLog log(0);
        RootRun run(*this, repository, sources, build);
        Progress::resetTermination();
        struct sigaction handler {};
        handler.sa_handler = recordSignal;
        sigemptyset(&handler.sa_mask);
        sigaction(SIGTERM, &handler, nullptr);
        std::string text;
        try {
            InstallDeb(&repository, &run.components, &run.configurator)
                .doInstall({catalogue(repository, "zarni-slow", "1.0-1")});
            text += "not interrupted\n";
        } catch (const Progress::Interrupted& interrupted) {
            text += "interrupted by " + std::to_string(interrupted.signal()) + "\n";
        }
        const std::string left = otherProcesses();
        text += installed("zarni-slow");
        for (const char* tool : {"apt", "dpkg"})
            if (left.find(tool) != std::string::npos) text += "left: " + left;
        Progress::resetTermination();
        return text + log.text();
    });
    if (report == "skip") GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_THAT(report, StartsWith("interrupted by 15\nzarni-slow ii 1.0-1\n"));
    EXPECT_THAT(report, HasSubstr("Termination requested: waiting for the package manager to finish..."));
}

// Another process holds dpkg's frontend lock: the real apt-get refuses with
// its lock message, the engine waits once through its wait seam (the lock is
// let go there, the wait shortened to a second), and the second run installs.
TEST_F(RealApt, ALockHeldElsewhereIsWaitedForOnce)
{
    publish({{"zarni-tools", "1.0-1", "", {}}});
    serve();
    const std::string report = inDebianRoot([&] {
        CapturedLog log(0);
        RootRun run(*this, repository, sources, build);
        std::unique_ptr<LingeringProcess> holder = holdDpkgFrontendLock();
        std::string text = "lock held: " + std::to_string(holder->done()) + "\n";
        ReleasingInstallDeb installer(&repository, &run.components, &run.configurator, [&] { holder.reset(); });
        installer.doInstall({catalogue(repository, "zarni-tools", "1.0-1")});
        text += "waits:";
        for (int seconds : installer.waits) text += " " + std::to_string(seconds);
        return text + "\n" + installed("zarni-tools") + log.text();
    });
    if (report == "skip") GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_THAT(report, StartsWith("lock held: 1\nwaits: " + std::to_string(InstallDeb::lockWaitSeconds) +
                                   "\nzarni-tools ii 1.0-1\n"));
    EXPECT_THAT(report, HasSubstr(std::string(SystemPackageTools::aptLockBusy) + "/var/lib/dpkg/lock-frontend"));
    EXPECT_THAT(report, HasSubstr((Messages::format("download_retry") % Messages::get("err_deb_inst_exec") %
                                   InstallDeb::lockWaitSeconds)
                                      .str()));
}
