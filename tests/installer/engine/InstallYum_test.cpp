#include "installer/engine/InstallYum.h"

#include "installer/components/ComponentManager.h"
#include "installer/engine/YumConfigurator.h"
#include "installer/startup/ReportError.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Repository.h"
#include "common/packages/Version.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/engine/PackageRecords.h"
#include "tests/installer/engine/RealDnfRoot.h"
#include "tests/installer/engine/YumSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

// The configurator, counted as configured without running the tools.
class ConfiguredYum : public YumConfigurator {
public:
    using YumConfigurator::setConfigured;
    using YumConfigurator::YumConfigurator;
};

const Package* listed(Repository& repository, const char* name, const char* version, char kind, const char* arch)
{
    return ::listed<RPMPackage>(repository, name, version, kind, arch);
}

// One product with a base component selected for installation, on the yum
// system of the tests.
class InstallYumTest : public YumSystem {
protected:
    InstallYumTest()
    {
        product_ = makeProductBuild("zarni");
        base_ = makeComponent(product_.build, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
        components.addRootNode(base_);
        configurator.setConfigured();
    }

    KwComponentPtr base() const { return base_; }
    std::string helper() { return tools().directory() + "/dnf_install"; }

    ComponentManager components;
    ConfiguredYum configurator{"source", &manager, &repository, stubTool()};

private:
    ProductBuild product_;
    KwComponentPtr base_;
};

void recordSignal(int signalNumber) { Progress::onSignal(signalNumber); }

}  // namespace

// The solve and perform command lines: the helper path directly followed by
// the mode, the product repositories in order, the log, debug, the retries,
// installs and removals; the plan comes back with a pulled dependency.
TEST_F(InstallYumTest, SolveAndPerformCommandLines)
{
    addSources(loadedBuildFile(std::string(KW_TEST_DATA_DIR) + "/engine/yum/zarni-2.0.build.inf3",
                               "zarni/2.0/build.inf3", "zarni"));
    processOptions().debug = true;
    processOptions().downloadRetries = 5;
    base()->packages.push_back(listed(repository, "zarni-base", "2.0-1", 'b', "noarch"));
    tools().answer("dnf_install", "+ zarni-base:noarch=0:2.0-1\n+ libzarni:x86_64=1:1.5-1.el9\n"
                                  "- oldtool:noarch=0:0.9-1\n",
                   1);
    const std::string report = inPrivateSystem([&] {
        configurator.writeRepoFiles();
        InstallYum installer(&repository, &components, &configurator);
        CapturedLog log(3);
        std::string text;
        for (const std::string& line : shownList(installer.resolve())) text += line + "\n";
        installer.doInstall(installer.resolvedList());
        return text + installer.helperCommand("solve", {repository.addRemoverFor("gone", "x86_64")});
    });
    if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
    const std::string common = " -e 'zarni-2.0' -e 'zarni-2.0-extras' -l " + shellQuote(Log::fileName()) +
                               " -v --tries=5";
    EXPECT_EQ(report, "zarni-base 2.0-1 noarch b\nlibzarni 1:1.5-1.el9 x86_64 u\nremove oldtool noarch\n" + helper() +
                          " --solve" + common + " -r 'gone:x86_64'");
    const std::string args = " -e zarni-2.0 -e zarni-2.0-extras -l " + Log::fileName() + " -v --tries=5";
    EXPECT_THAT(tools().calls(),
                ElementsAre("dnf_install --solve" + args + " -i zarni-base:noarch=2.0-1",
                            "dnf_install --perform" + args +
                                " -i zarni-base:noarch=2.0-1 -i libzarni:x86_64 -r oldtool:noarch"));
}

// "+" lines add what the list lacks (an empty architecture matches any), "-"
// lines removers; lines without ":" before "=" or without "=" are ignored.
TEST_F(InstallYumTest, SolveLines)
{
    const Package* known = listed(repository, "zarni-base", "2.0-1", 'b', "noarch");
    InstallYum installer(&repository, &components, &configurator);
    Installer::PackageList list;
    const struct {
        std::string line;
        std::vector<std::string> after;
    } steps[] = {
        {"+ nginx:x86_64=1:1.20.1-1.el8", {"nginx 1:1.20.1-1.el8 x86_64 u"}},
        {"+ nginx:x86_64=1:1.20.1-1.el8", {"nginx 1:1.20.1-1.el8 x86_64 u"}},
        {"+ nginx:=1:1.20.1-2.el8", {"nginx 1:1.20.1-1.el8 x86_64 u"}},
        {"+ zarni-base:noarch=2.0-1", {"nginx 1:1.20.1-1.el8 x86_64 u", "zarni-base 2.0-1 noarch b"}},
        {"- oldpkg:noarch=2.0-1", {"nginx 1:1.20.1-1.el8 x86_64 u", "zarni-base 2.0-1 noarch b", "remove oldpkg noarch"}},
        {"- oldpkg:noarch=2.0-1", {"nginx 1:1.20.1-1.el8 x86_64 u", "zarni-base 2.0-1 noarch b", "remove oldpkg noarch"}},
        {"+ nocolon=1.0-1", {"nginx 1:1.20.1-1.el8 x86_64 u", "zarni-base 2.0-1 noarch b", "remove oldpkg noarch"}},
        {"+ noequals:noarch", {"nginx 1:1.20.1-1.el8 x86_64 u", "zarni-base 2.0-1 noarch b", "remove oldpkg noarch"}},
        {"Waiting for the package manager lock",
         {"nginx 1:1.20.1-1.el8 x86_64 u", "zarni-base 2.0-1 noarch b", "remove oldpkg noarch"}},
    };
    CapturedLog log(2);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.line);
        installer.addPlannedPackage(step.line, list);
        EXPECT_EQ(shownList(list), step.after);
    }
    EXPECT_EQ(list[1], known);
    EXPECT_THAT(log.text(), HasSubstr("  add to install list nginx-1:1.20.1-1.el8"));
    EXPECT_THAT(log.text(), HasSubstr("  add to remove list "));
}

TEST_F(InstallYumTest, PackageArguments)
{
    auto extension = std::make_unique<ExtCatalogPackage>("ext-installed");
    extension->setType(Package::typeSystem);
    repository.addPackage(std::move(extension), nullptr);
    const Package* offeredExtension = Repository::keep(std::make_unique<ExtCatalogPackage>("ext-offered"));
    const struct {
        std::string what;
        const Package* package;
        std::string argument;
    } cases[] = {
        {"catalogue package", listed(repository, "foo", "1:1.0-1", 'b', "x86_64"), " -i 'foo:x86_64=1:1.0-1'"},
        {"offered package", listed(repository, "bar", "2.0", 'u', "noarch"), " -i 'bar:noarch'"},
        {"remover", repository.addRemoverFor("libbar", ""), " -r 'libbar'"},
        {"extension package", offeredExtension, ""},
        {"remover of an installed extension", repository.addRemoverFor("ext-installed", ""), ""},
        {"a name the shell would read", listed(repository, "x;touch y", "1", 'u', ""), " -i 'x;touch y'"},
    };
    InstallYum installer(&repository, &components, &configurator);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(installer.packageArguments({c.package}), c.argument);
    }
    const Package* noVersion = listed(repository, "empty", "2:", 'b', "noarch");
    if (const auto e = expectError([&] { installer.packageArguments({noVersion}); })) expectCodes(*e, {3, 1, 1, 3});
}

// The helper's ends: exit 2, another exit code and a kill each give their
// error; the failure's block goes to the error report; nothing is read from a
// failed solve run.
TEST_F(InstallYumTest, HelperFailures)
{
    TempDir scripts;
    const std::string killed = scripts.path() + "/killed";
    writeFileWithDirectories(killed, "#!/bin/sh\necho 'Installing: foo'\nkill -9 $$\n");
    ::chmod(killed.c_str(), 0755);
    struct Case {
        std::string name;
        std::function<void()> setUp;
        std::string helperPath;
        ErrorCodes codes;
        const char* key;
    };
    const std::string recording = helper();
    const Case cases[] = {
        {"no repositories", [&] { tools().exitWith("dnf_install", 2, "There are no enabled Yum repositories.\n"); },
         recording, {6, 1, 1, 2}, "err_yum_no_repos"},
        {"failed", [&] { tools().exitWith("dnf_install", 1, "Failed to solve dependencies:\n"); }, recording,
         {6, 1, 3, 3}, "err_pkginst_yum"},
        {"killed", [] {}, killed, {6, 1, 3, 3}, "err_pkginst_yum"},
    };
    base()->packages.push_back(listed(repository, "foo", "1.0-1", 'b', "noarch"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportError::clearMessage();
        c.setUp();
        YumConfigurator::PackageTool tool = stubTool();
        tool.helperPath = c.helperPath;
        ConfiguredYum yum("source", &manager, &repository, tool);
        yum.setConfigured();
        InstallYum installer(&repository, &components, &yum);
        CapturedLog log(2);
        if (const auto e = expectError([&] { installer.resolve(); })) {
            expectCodes(*e, c.codes);
            EXPECT_EQ(e->text(), Messages::get(c.key) + "\n");
        }
        EXPECT_EQ(installer.resolvedList().size(), 1u);
        const std::string command = installer.helperCommand("solve", installer.resolvedList());
        EXPECT_THAT(ReportError::collectedMessage(),
                    StartsWith("Yum failed to solve packages:\nError: " + Messages::get(c.key) + "\n\nCommand line: " +
                               command + "\nOutput:\n"));
        if (c.name == "killed") {
            EXPECT_THAT(log.text(), HasSubstr("Error: The Yum utility was terminated by signal 9 while executing "
                                              "command '" + command + "'."));
            EXPECT_THAT(ReportError::collectedMessage(), HasSubstr("Output:\nInstalling: foo\n"));
        }
        ::unsetenv("KW_TEST_TOOL_EXIT");
    }
}

// An empty selection still asks the helper (it also refreshes), and an empty
// list is still performed.
TEST_F(InstallYumTest, AnEmptySelectionStillRunsTheHelper)
{
    base()->setSelection(KwComponent::SEL_NONE);
    InstallYum installer(&repository, &components, &configurator);
    EXPECT_TRUE(installer.resolve().empty());
    installer.doInstall({});
    const std::string args = " -l " + Log::fileName() + " --tries=3";
    EXPECT_THAT(tools().calls(), ElementsAre("dnf_install --solve" + args, "dnf_install --perform" + args));
}

TEST_F(InstallYumTest, OnlyWithTheYumConfigurator)
{
    ForeignConfigurator other;
    InstallYum installer(&repository, &components, &other);
    if (const auto e = expectError([&] { installer.doInstall({}); })) expectCodes(*e, {3, 1, 1, 3});
    EXPECT_TRUE(tools().calls().empty());
}

// A termination request while the helper performs waits for its end and is
// acted on afterwards; a solve run is stopped at once.
TEST_F(InstallYumTest, TerminationWaitsForThePerformRun)
{
    TempDir scripts;
    const std::string script = scripts.path() + "/helper";
    writeFileWithDirectories(script, "#!/bin/sh\nkill -TERM $PPID\n/bin/sleep 1\necho finished >>" + scripts.path() +
                                         "/ends\n");
    ::chmod(script.c_str(), 0755);
    YumConfigurator::PackageTool tool = stubTool();
    tool.helperPath = script;
    for (const std::string mode : {"perform", "solve"}) {
        SCOPED_TRACE(mode);
        ::unlink((scripts.path() + "/ends").c_str());
        const int result = runInPrivateMountNamespace([&] {
            ConfiguredYum yum("source", &manager, &repository, tool);
            yum.setConfigured();
            InstallYum installer(&repository, &components, &yum);
            Progress::resetTermination();
            struct sigaction handler {};
            handler.sa_handler = recordSignal;
            sigemptyset(&handler.sa_mask);
            sigaction(SIGTERM, &handler, nullptr);
            CapturedLog log(0);
            try {
                if (mode == "perform")
                    installer.doInstall({});
                else
                    installer.resolve();
            } catch (const Progress::Interrupted& interrupted) {
                const bool noted = log.text().find(Installer::waitingNote) != std::string::npos;
                return interrupted.signal() == SIGTERM ? (noted ? 10 : 11) : 1;
            }
            return 2;
        });
        if (result == kNamespaceRefused) GTEST_SKIP() << "a private mount namespace is not allowed here";
        if (mode == "perform") {
            EXPECT_EQ(result, 10);
            EXPECT_EQ(readFile(scripts.path() + "/ends"), "finished\n");
        } else {
            EXPECT_EQ(result, 11);
            EXPECT_EQ(readFile(scripts.path() + "/ends"), "");
        }
    }
}

namespace {

// The helper run directly inside the root, as the back end runs it.
std::string helperRun(const std::string& arguments)
{
    return RealDnf::run("/opt/kvo/bin/dnf_install" + arguments + " 2>/dev/null | sort");
}

}  // namespace

// The product's key imported, the ".repo" file and the helper written (with
// python3, the root having no platform-python); a solve run prints the
// requested package and the dependency it pulls; the back end installs both;
// a removal request prints "-" lines and removes; "info" answers for the
// offered version.
TEST_F(RealDnf, SolvePerformAndRemove)
{
    publish({{"libzarni", "1.0-1", ""}, {"zarni-base", "1.0-1", "libzarni >= 1.0"}});
    serve();
    const std::string report = inEl9Root([&] {
        CapturedLog log(0);
        ComponentManager components;
        KwComponentPtr base = makeComponent(build, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
        components.addRootNode(base);
        base->packages.push_back(::listed<RPMPackage>(repository, "zarni-base", "1.0-1", 'b', "noarch"));
        YumConfigurator configurator("source", &sources, &repository, YumConfigurator::dnfTool());
        configurator.configure();
        const std::string helperText = readFile("/opt/kvo/bin/dnf_install");
        std::string text = helperText.substr(0, helperText.find('\n')) + "\n";
        text += "check: [" + configurator.checkConfiguration() + "]\n";
        configurator.prepareAvailablePackagesList({"zarni-base"});
        const Package* offered = configurator.getAvailablePackage("zarni-base");
        text += "offered: " + (offered ? offered->getVersion().toString() : std::string("none")) + "\n";
        text += "solve:\n" + helperRun(" -s -e zarni-test -i zarni-base");
        InstallYum installer(&repository, &components, &configurator);
        text += "plan:";
        for (const std::string& line : shownList(installer.resolve())) text += " [" + line + "]";
        installer.doInstall(installer.resolvedList());
        text += "\ninstalled:\n" + installed("zarni-base libzarni");
        text += "removal:\n" + helperRun(" -s -e zarni-test -r zarni-base");
        installer.doInstall({repository.addRemoverFor("zarni-base", "noarch")});
        return text + "removed:\n" + installed("zarni-base libzarni");
    });
    if (report == "skip") GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_EQ(report, "#!/usr/bin/python3 -Estt\ncheck: []\noffered: 1.0-1\n"
                      "solve:\n+ libzarni:noarch=0:1.0-1\n+ zarni-base:noarch=0:1.0-1\nexit 0\n"
                      "plan: [zarni-base 1.0-1 noarch b] [libzarni 0:1.0-1 noarch u]\n"
                      "installed:\nzarni-base-1.0-1.noarch\nlibzarni-1.0-1.noarch\nexit 0\n"
                      "removal:\n- zarni-base:noarch=0:1.0-1\nexit 0\n"
                      "removed:\npackage zarni-base is not installed\nlibzarni-1.0-1.noarch\nexit 1\n");
}

// Without an enabled system repository the helper ends with 2 and its text;
// with the package manager's lock held elsewhere, "--exit-on-lock" fails.
TEST_F(RealDnf, NoSystemRepositoryAndAHeldLock)
{
    publish({{"zarni-base", "1.0-1", ""}});
    serve();
    const std::string report = inEl9Root([&] {
        CapturedLog log(0);
        YumConfigurator configurator("source", &sources, &repository, YumConfigurator::dnfTool());
        configurator.configure();
        std::string text = "lock free: " + run("/opt/kvo/bin/dnf_install --exit-on-lock 2>&1");
        std::FILE* holder = ::popen("python3 -c \"import dnf.lock, time; "
                                    "l = dnf.lock.build_rpmdb_lock('/var/lib/dnf', True); l.__enter__(); "
                                    "print('held', flush=True); time.sleep(60)\"",
                                    "r");
        char line[64] = {0};
        if (!holder || !std::fgets(line, sizeof line, holder)) return std::string("the lock holder did not start");
        text += std::string("holder: ") + line;
        text += "locked: " + run("/opt/kvo/bin/dnf_install --exit-on-lock 2>/dev/null");
        ::rename("/etc/yum.repos.d/el9-base.repo", "/etc/el9-base.repo");
        text += "no repository: " + run("/opt/kvo/bin/dnf_install -l /tmp/helper.log 2>&1");
        text += "check: " + configurator.checkConfiguration() + "\n";
        return text;
    });
    if (report == "skip") GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_EQ(report, "lock free: exit 0\nholder: held\nlocked: exit 1\n"
                      "no repository: There are no enabled Yum repositories, installation is not possible.\nexit 2\n"
                      "check: " + Messages::get("err_yum_no_repos") + "\n");
}
