#include "installer/engine/YumConfigurator.h"

#include "installer/components/ComponentManager.h"
#include "installer/engine/InstallYum.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/packages/Package.h"
#include "common/packages/Version.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/engine/YumSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>

#include <map>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

// The configurator with its protected operations reachable.
class TestedYum : public YumConfigurator {
public:
    using YumConfigurator::YumConfigurator;
    using YumConfigurator::doCheckConfiguration;
    using YumConfigurator::doGetAvailablePackage;
};

BuildPtr yumBuild(const std::string& fixture, const std::string& config)
{
    return loadedBuildFile(std::string(KW_TEST_DATA_DIR) + "/engine/yum/" + fixture, config, "zarni");
}

std::string filesIn(const std::string& directory) { return describeFiles(filesOf(directory)); }

std::string modeOf(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "missing";
    char text[16];
    std::snprintf(text, sizeof text, "%s%o", S_ISREG(info.st_mode) ? "file " : S_ISLNK(info.st_mode) ? "link " : "",
                  static_cast<unsigned>(info.st_mode & 07777));
    return text;
}

class YumConfiguratorTest : public YumSystem {};

const std::string kStanzaUrl = "baseurl=https://updates.zarni.example/";

}  // namespace

TEST(YumConfigurator, TheCheckRunsFiveAnswers)
{
    struct Case {
        std::string name;
        int status;
        std::string text;
    };
    const std::string errors = "Error: repo broken\n";
    const Case cases[] = {
        {"killed", SIGKILL, "Failed to check system configuration - Yum utility was terminated by signal 9.\n" + errors},
        {"stopped", 0x137f,
         "Failed to check system configuration - Yum utility didn't exit cleanly. Installation may fail.\n" + errors},
        {"no repositories", 2 << 8, Messages::get("err_yum_no_repos")},
        {"failed", 1 << 8,
         "Failed to check system configuration - Yum utility finished with errors. Installation may fail.\n" + errors},
        {"passed", 0, errors},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(YumConfigurator::checkText(c.status, errors), c.text);
    }
    EXPECT_EQ(YumConfigurator::statusText("run", "helper -s", errors, 0), "");
    EXPECT_EQ(YumConfigurator::statusText("run", "helper -s", errors, SIGKILL),
              "run: 'helper -s' was terminated by signal 9");
    EXPECT_EQ(YumConfigurator::statusText("run", "helper -s", errors, 3 << 8),
              "run: 'helper -s' finished with errors (rc = 3)\n" + errors);
    EXPECT_EQ(YumConfigurator::statusText("run", "helper -s", errors, 0x137f),
              "run: 'helper -s' didn't exit cleanly (status = 4991)\n" + errors);
}

// "Name" starts an entry; an Epoch line (0 too) comes first in the version;
// later entries of one name come later (the caller lets them win); lines that
// are no field are skipped.
TEST(YumConfigurator, InfoOutput)
{
    const std::vector<std::string> lines = {
        "Installed Packages", "Name         : zarni-base", "Version      : 1.0", "Release      : 1.el9",
        "Architecture : noarch", "", "Available Packages", "Name         : zarni-base", "Epoch        : 0",
        "Version      : 2.0", "Release      : 3.el9", "Description  : a: b", "Name : libzarni", "Version : 5",
        "no field here", "Name         : versionless", "Release      : 1"};
    EXPECT_EQ(YumConfigurator::parseInfo(lines),
              (std::vector<std::pair<std::string, std::string>>{
                  {"zarni-base", "1.0-1.el9"}, {"zarni-base", "0:2.0-3.el9"}, {"libzarni", "5"}}));
    EXPECT_TRUE(YumConfigurator::parseInfo({}).empty());
}

// One metadata refresh and one "info" for all names; what it did not list
// stays null without another question; an unknown name is asked alone.
TEST_F(YumConfiguratorTest, AvailablePackagesFromOneQuery)
{
    addSources(yumBuild("zarni-2.0.build.inf3", "zarni/2.0/build.inf3"));
    tools().answer("dnf-3", "Installed Packages\nName : foo\nVersion : 1.0\nRelease : 1\n"
                            "Available Packages\nName : foo\nEpoch : 0\nVersion : 1.1\nRelease : 2\n", 1);
    tools().answer("dnf-3", "Error: No matching Packages to list\n", 2, 1);
    tools().answer("dnf-3", "Name : baz\nVersion : 3\nRelease : 1\n", 3);
    TestedYum configurator("source", &manager, &repository, stubTool());
    CapturedLog log(3);
    configurator.prepareAvailablePackagesList({"foo", "bar"});
    const Package* foo = configurator.doGetAvailablePackage("foo");
    ASSERT_NE(foo, nullptr);
    EXPECT_EQ(foo->getVersion().toString(), "0:1.1-2");
    EXPECT_EQ(foo->getType(), 'u');
    EXPECT_EQ(foo->getFileName(), "package_from_yum_info");
    EXPECT_EQ(configurator.doGetAvailablePackage("bar"), nullptr);
    EXPECT_EQ(configurator.doGetAvailablePackage("qux"), nullptr);
    const Package* baz = configurator.doGetAvailablePackage("baz");
    ASSERT_NE(baz, nullptr);
    EXPECT_EQ(baz->getVersion().toString(), "3-1");
    EXPECT_EQ(configurator.doGetAvailablePackage("baz"), baz);
    const std::string logFile = shellQuote(Log::fileName());
    EXPECT_THAT(tools().calls(),
                ElementsAre("dnf_install -s -l " + Log::fileName() + " --exit-on-lock --tries=3",
                            "dnf-3 info --enablerepo=zarni-2.0 --enablerepo=zarni-2.0-extras foo bar",
                            "dnf-3 info qux --setopt=*.skip_if_unavailable=1 --setopt=ZARNI_*.skip_if_unavailable=0",
                            "dnf-3 info baz --setopt=*.skip_if_unavailable=1 --setopt=ZARNI_*.skip_if_unavailable=0"));
    EXPECT_THAT(log.text(), HasSubstr("Package qux was not found in enabled yum repos"));
    EXPECT_THAT(log.text(), HasSubstr("DEBUG: prepareAvailablePackagesList cmd = env LANG=C LC_ALL=C " +
                                      tools().directory() + "/dnf-3 info --enablerepo='zarni-2.0' "
                                                            "--enablerepo='zarni-2.0-extras' 'foo' 'bar' 2>/dev/null"));
}

TEST_F(YumConfiguratorTest, AFailingInfoQueryRaises)
{
    tools().answer("dnf-3", "", 0, 3);
    TestedYum configurator("source", &manager, &repository, stubTool());
    if (const auto e = expectError([&] { configurator.doGetAvailablePackage("foo"); })) expectCodes(*e, {4, 2, 2, 2});
}

TEST_F(YumConfiguratorTest, TheCheckRunsTheHelperOnce)
{
    tools().answer("dnf_install", "", 0, 2);
    tools().exitWith("dnf_install", 2, "There are no enabled Yum repositories, installation is not possible.\n");
    TestedYum configurator("source", &manager, &repository, stubTool());
    CapturedLog log(2);
    EXPECT_EQ(configurator.doCheckConfiguration(), Messages::get("err_yum_no_repos"));
    EXPECT_THAT(tools().calls(), ElementsAre("dnf_install -l " + Log::fileName() + " --exit-on-lock"));
    EXPECT_THAT(log.text(), HasSubstr("doCheckConfiguration: '" + tools().directory() + "/dnf_install -l " +
                                      shellQuote(Log::fileName()) + " --exit-on-lock' finished with errors (rc = 2)"));
}

// Temporary sources of every product share one file, the persistent ones of
// a product its own; two line feeds before each stanza, none after the last;
// the persistent file's old content is its backup; every id is known.
TEST_F(YumConfiguratorTest, RepoFilesByteForByte)
{
    addSources(yumBuild("zarni-2.0.build.inf3", "zarni/2.0/build.inf3"));
    addSources(yumBuild("tenebrin-1.0.build.inf3", "tenebrin/1.0/build.inf3"));
    const std::string report = inPrivateSystem([&] {
        std::ofstream(std::string(YumConfigurator::repoDirectory) + "zarni.repo") << "[old]\nname=old\n";
        TestedYum configurator("source", &manager, &repository, stubTool());
        configurator.writeRepoFiles();
        std::string text = filesIn(YumConfigurator::repoDirectory) + "ids:";
        for (const std::string& id : configurator.repoIds()) text += " " + id;
        processOptions().skipGpgCheck = true;
        configurator.writeRepoFiles();
        return text + "\n-- without signature checks\n" + readFile(YumConfigurator::persistentRepoPath("zarni"));
    });
    if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_EQ(report,
              "== kitwright-sources.repo\n"
              "## Temporary repositories used by Zarni Installer during installation or update.\n\n"
              "[zarni-2.0-extras]\nname=Zarni 2.0 extras\n" +
                  kStanzaUrl + "zarni/2.0/extras/redhat-9/\nenabled=0\ngpgcheck=1\n\n"
                               "[tenebrin-1.0-dist]\nname=tenebrin-1.0 dist\n" +
                  kStanzaUrl + "tenebrin/1.0/redhat-9/tenebrin/\nenabled=0\ngpgcheck=1\n"
                               "== zarni.repo\n"
                               "## Persistent repositories for Zarni Products.\n\n"
                               "[zarni-2.0]\nname=Zarni 2.0\n" +
                  kStanzaUrl + "zarni/2.0/redhat-9/2.0/\nenabled=1\ngpgcheck=1\n"
                               "== zarni.repo.kw_back\n[old]\nname=old\n\n"
                               "ids: tenebrin-1.0-dist zarni-2.0 zarni-2.0-extras\n"
                               "-- without signature checks\n"
                               "## Persistent repositories for Zarni Products.\n\n"
                               "[zarni-2.0]\nname=Zarni 2.0\n" +
                  kStanzaUrl + "zarni/2.0/redhat-9/2.0/\nenabled=1\ngpgcheck=0");
}

// dnf-3 before yum; neither is an error.
TEST_F(YumConfiguratorTest, ThePackageToolOfTheSystem)
{
    struct Case {
        std::vector<std::string> present;
        std::string chosen;
    };
    const Case cases[] = {
        {{"dnf-3", "yum"}, "dnf /usr/bin/dnf-3 /opt/kvo/bin/dnf_install #!/usr/libexec/platform-python -Estt"},
        {{"yum"}, "yum /usr/bin/yum /opt/kvo/bin/yum_install #!/usr/bin/python -Estt"},
        {{}, "error: " + Messages::get("err_yum_not_found") + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        const std::string report = inPrivateSystem([&] {
            for (const char* name : {"dnf-3", "yum"}) ::unlink((std::string("/usr/bin/") + name).c_str());
            for (const std::string& name : c.present) std::ofstream("/usr/bin/" + name) << "#!/bin/sh\n";
            const YumConfigurator::PackageTool& tool = YumConfigurator::detectPackageTool();
            return tool.name + " " + tool.toolPath + " " + tool.helperPath + " " +
                   tool.script.substr(0, tool.script.find('\n'));
        });
        if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
        EXPECT_EQ(report, c.chosen);
    }
}

// The dnf helper runs with platform-python where there is one, else with
// python3; the file is the carried script apart from that, mode 0700; chcon
// labels it.
TEST_F(YumConfiguratorTest, TheHelperScriptAndItsInterpreter)
{
    for (const bool platformPython : {true, false}) {
        SCOPED_TRACE(platformPython);
        const std::string report = inPrivateSystem([&] {
            ::unlink("/usr/libexec/platform-python");
            if (platformPython) std::ofstream("/usr/libexec/platform-python") << "#!/bin/sh\n";
            CapturedLog log(2);
            YumConfigurator configurator("source", &manager, &repository, YumConfigurator::dnfTool());
            configurator.configureWrapper();
            const std::string written = readFile("/opt/kvo/bin/dnf_install");
            const std::string& carried = YumConfigurator::dnfTool().script;
            const bool rest = written.substr(written.find('\n')) == carried.substr(carried.find('\n'));
            return written.substr(0, written.find('\n')) + "|rest " + std::to_string(rest) + "|" +
                   modeOf("/opt/kvo/bin/dnf_install") + "\n" + log.text();
        });
        if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
        const std::string interpreter = platformPython ? "/usr/libexec/platform-python" : "/usr/bin/python3";
        EXPECT_THAT(report, StartsWith("#!" + interpreter + " -Estt|rest 1|file 700\n"));
        EXPECT_THAT(report, HasSubstr("Notice: the dnf helper runs with " + interpreter));
    }
    EXPECT_THAT(tools().calls(), ElementsAre("chcon system_u:object_r:rpm_exec_t:s0 /opt/kvo/bin/dnf_install",
                                             "chcon system_u:object_r:rpm_exec_t:s0 /opt/kvo/bin/dnf_install"));
}

// A root-run script is never written through a planted link, nor into a
// directory another user owns or others may write to.
TEST_F(YumConfiguratorTest, TheHelperIsNeverWrittenThroughOthersHands)
{
    struct Case {
        std::string name;
        std::function<void()> plant;
        std::string result;
    };
    const std::string helper = "/opt/kvo/bin/yum_install";
    const std::string refused = "error: " +
                                (Messages::format("err_filewrite2") % helper %
                                 "the directory /opt/kvo/bin must belong to root and be writable by no one else")
                                    .str() +
                                "\n|victim untouched";
    const Case cases[] = {
        {"a link at the helper's path", [&] { (void)!::symlink("/etc/victim", helper.c_str()); },
         "file 700|victim untouched"},
        {"a directory others may write to", [] { ::chmod("/opt/kvo/bin", 0777); }, refused},
        {"a directory of another user", [] { (void)!::chown("/opt/kvo/bin", kOtherUser, kOtherGroup); }, refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string report = inPrivateSystem([&] {
            std::ofstream("/etc/victim") << "victim\n";
            ::mkdir("/opt/kvo", 0755);
            ::mkdir("/opt/kvo/bin", 0755);
            c.plant();
            std::string text;
            try {
                YumConfigurator("source", &manager, &repository, YumConfigurator::yumTool()).configureWrapper();
                text = modeOf(helper);
            } catch (const error& raised) {
                text = "error: " + raised.text();
            }
            return text + "|" + (readFile("/etc/victim") == "victim\n" ? "victim untouched" : "victim written");
        });
        if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
        EXPECT_EQ(report, c.result);
    }
}

// The configuration counts as made before the first ".repo" file changes: a
// failure while writing the helper still ends with the files put back.
TEST_F(YumConfiguratorTest, AFailedConfigurationIsUndoneAtTheEnd)
{
    addSources(yumBuild("zarni-2.0.build.inf3", "zarni/2.0/build.inf3"));
    addSources(yumBuild("tenebrin-1.0.build.inf3", "tenebrin/1.0/build.inf3"));
    const std::string report = inPrivateSystem([&] {
        std::ofstream(YumConfigurator::persistentRepoPath("zarni")) << "[old]\n";
        ::mkdir("/opt/kvo", 0755);
        ::mkdir("/opt/kvo/bin", 0777);
        ::chmod("/opt/kvo/bin", 0777);
        CapturedLog log(3);
        YumConfigurator::PackageTool tool = stubTool();
        tool.helperPath = "/opt/kvo/bin/dnf_install";
        TestedYum configurator("source", &manager, &repository, tool);
        std::string text;
        try {
            configurator.configure();
        } catch (const error& raised) {
            text = "configure failed: " + std::to_string(raised.errorClass()) + "\n";
        }
        text += filesIn(YumConfigurator::repoDirectory) + "-- at the end\n";
        configurator.removeTemporarySources();
        configurator.finishPersistentConfiguration();
        return text + filesIn(YumConfigurator::repoDirectory) + log.text();
    });
    if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_THAT(report, StartsWith("configure failed: 4\n== kitwright-sources.repo\n"));
    EXPECT_THAT(report, HasSubstr("-- at the end\n== zarni.repo\n[old]\n\n"));
    EXPECT_THAT(report, HasSubstr("DEBUG: gpg public key for build for Linux RedHat 9 x86_64 (tenebrin/1.0/build.inf3) is empty"));
    // The key of the build that has one, imported into rpm (old product keys first).
    std::vector<std::string> rpm;
    for (const std::string& call : tools().calls())
        if (call.compare(0, 4, "rpm ") == 0) rpm.push_back(call.substr(0, call.find(" /tmp/")));
    EXPECT_THAT(rpm, ElementsAre(StartsWith("rpm -qa gpg-pubkey*"), "rpm --import"));
}

TEST_F(YumConfiguratorTest, TheInstallerIsInstallYum)
{
    TestedYum configurator("source", &manager, &repository, stubTool());
    ComponentManager components;
    std::unique_ptr<Installer> made = configurator.createInstaller(&components);
    EXPECT_NE(dynamic_cast<InstallYum*>(made.get()), nullptr);
}
