#include "installer/engine/DebianAPTConfigurator.h"

#include "installer/engine/AptGpgKeyManager.h"
#include "installer/options/Options.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceManager.h"

#include "common/Opsys.h"
#include "common/error.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "common/packages/Version.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/RecordedTools.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/engine/RealAptRoot.h"
#include "tests/installer/sources/ProductBuilds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <sstream>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string kKeyring = AptGpgKeyManager::keyringPath;
const std::string kLists = DebianAPTConfigurator::sourceListDirectory;
const std::string kSigned = "deb [signed-by=/etc/apt/keyrings/zarni.gpg] https://updates.zarni.example/catalogue/";

// The configurator with its protected lookup reachable.
class AptConfigurator : public DebianAPTConfigurator {
public:
    using DebianAPTConfigurator::DebianAPTConfigurator;
    using DebianAPTConfigurator::doGetAvailablePackage;
};

BuildPtr aptBuild(const std::string& fixture, const std::string& config)
{
    return loadedBuildFile(std::string(KW_TEST_DATA_DIR) + "/engine/apt/" + fixture, config, "zarni", "Debian", "12");
}

// The product sources, the options and a private "/etc/apt" of a configurator
// test. The body runs in a private mount namespace, the stand-in for dpkg also
// over "/usr/bin/dpkg"; what it reports comes back as text.
class AptConfiguration : public ::testing::Test {
protected:
    AptConfiguration()
        : savedSource_(processOptions().source),
          savedSkip_(processOptions().skipGpgCheck),
          savedMode_(processOptions().mode),
          savedAction_(processOptions().action),
          tools_({"apt-get", "apt-cache", "dpkg", "gpg"})
    {
        processOptions().source = SourceUrl("https://updates.zarni.example/catalogue/");
        processOptions().skipGpgCheck = false;
        processOptions().mode = Options::modeCommandLine;
        processOptions().action = Options::actionInstall;
        tools_.passThrough("env", "/usr/bin/env");
    }
    ~AptConfiguration() override
    {
        processOptions().source = savedSource_;
        processOptions().skipGpgCheck = savedSkip_;
        processOptions().mode = savedMode_;
        processOptions().action = savedAction_;
    }

    // Runs body in the namespace; returns its report, or the error it raised as
    // "error: <text>".
    std::string inPrivateApt(const std::function<std::string()>& body)
    {
        const std::string dpkg = tools_.add("dpkg");
        const std::string aptKey = tools_.add("apt-key");
        int result = 0;
        const std::string report = reportFromPrivateMountNamespace(
            reports_.path(),
            [&] {
                if (::mount("tmpfs", "/etc/apt", "tmpfs", 0, "mode=0755") != 0) return 2;
                if (::mkdir("/etc/apt/sources.list.d", 0755) != 0) return 3;
                if (::mount(dpkg.c_str(), "/usr/bin/dpkg", nullptr, MS_BIND, nullptr) != 0) return 4;
                if (::access(AptGpgKeyManager::aptKeyProgram, F_OK) == 0 &&
                    ::mount(aptKey.c_str(), AptGpgKeyManager::aptKeyProgram, nullptr, MS_BIND, nullptr) != 0)
                    return 5;
                return 0;
            },
            [&] { return textOrError(body); }, &result);
        if (result != kNamespaceRefused) {
            EXPECT_EQ(result, 0);
        }
        return report;
    }

    // The build's product sources, as the build loader makes them.
    void addSources(const BuildPtr& build)
    {
        builds_.push_back(build);
        manager.addBuildSources(&fetcher, build);
    }

    // Kept while their sources live.
    std::vector<BuildPtr> builds_;
    Repository repository;
    SourceManager manager{&repository, Opsys("Linux", "Debian", "12", "x86_64", "")};
    TempDir target;
    FileFetcher fetcher{processOptions().source, target.path()};
    RecordedTools& tools() { return tools_; }

private:
    SourceUrl savedSource_;
    bool savedSkip_;
    int savedMode_;
    int savedAction_;
    RecordedTools tools_;
    TempDir reports_;
};

// "apt-cache policy" as the system answers for a release of the running
// system's major version.
std::string systemPolicy(const std::string& sections)
{
    const std::string major = Opsys().version().substr(0, Opsys().version().find('.'));
    std::string text = "Package files:\n 100 /var/lib/dpkg/status\n     release a=now\n";
    for (const std::string& section : {std::string("main"), sections}) {
        if (section.empty()) continue;
        text += " 500 http://mirror.zarni.example/debian bookworm/" + section + " amd64 Packages\n" +
                "     release v=" + major + ".99,o=Debian,a=stable,n=bookworm,l=Debian,c=" + section +
                ",b=amd64\n     origin mirror.zarni.example\n";
    }
    return text + "Pinned packages:\n";
}

}  // namespace

TEST(DebianAPTConfigurator, ReleaseLinesOfThePolicy)
{
    struct Case {
        std::string line;
        bool isRelease;
        std::string version;
        std::string section;
    };
    const Case cases[] = {
        {"     release v=12.11,o=Debian,a=stable,n=bookworm,l=Debian,c=main,b=amd64\n", true, "12.11", "main"},
        {"     release v=12,o=Debian,a=stable,n=bookworm,l=Debian,c=contrib,b=i386", true, "12", "contrib"},
        {"     release v=22.04,o=Ubuntu,a=jammy,n=jammy,l=Ubuntu,c=universe", true, "22.04", "universe"},
        {"     release v=12.5,o=Debian,a=stable,n=bookworm,l=Debian,b=amd64", true, "12.5", ""},
        // A repository without a version (the product's own) is no release line.
        {"     release o=Zarni,a=bookworm,n=bookworm,l=Zarni,c=main,b=amd64", false, "", ""},
        {"     release a=now", false, "", ""},
        {" 500 cdrom://[Debian GNU/Linux 12.5.0] bookworm/main amd64 Packages", false, "", ""},
        {"     origin mirror.zarni.example", false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const DebianAPTConfigurator::PolicyRelease release = DebianAPTConfigurator::parseReleaseLine(c.line);
        EXPECT_EQ(release.isRelease, c.isRelease);
        EXPECT_EQ(release.version, c.version);
        EXPECT_EQ(release.section, c.section);
    }
}

TEST(DebianAPTConfigurator, ReleaseOfTheRunningSystem)
{
    struct Case {
        std::string archive;
        Opsys running;
        bool current;
    };
    const Case cases[] = {
        {"12.15", Opsys("Linux", "Debian", "12.11", "x86_64", ""), true},
        {"12", Opsys("Linux", "Debian", "12.11", "x86_64", ""), true},
        {"11.9", Opsys("Linux", "Debian", "12.11", "x86_64", ""), false},
        {"22.04", Opsys("Linux", "Ubuntu", "22.04", "x86_64", ""), true},
        {"22.10", Opsys("Linux", "Ubuntu", "22.04", "x86_64", ""), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.archive + " on " + c.running.vendor() + " " + c.running.version());
        EXPECT_EQ(DebianAPTConfigurator::isCurrentRelease(c.archive, c.running), c.current);
    }
}

TEST(DebianAPTConfigurator, CandidatesOfTheBatchedPolicy)
{
    const std::vector<std::string> lines = {
        "foo:", "Installed: (none)", "Candidate: 1.0-1", "Version table:", "1.0-1 500",
        "500 http://mirror.zarni.example/debian bookworm/main amd64 Packages",
        "libfoo:i386:", "Installed: (none)", "Candidate: 2:2.0-1",
        "bar:", "Installed: (none)", "Candidate: (none)",
    };
    EXPECT_EQ(DebianAPTConfigurator::parsePolicyCandidates(lines),
              (std::vector<std::pair<std::string, std::string>>{
                  {"foo", "1.0-1"}, {"libfoo:i386", "2:2.0-1"}, {"bar", ""}}));
}

// One "apt-cache policy" for every name; names it did not offer stay null
// without a second question; an unknown name is asked alone.
TEST_F(AptConfiguration, AvailablePackagesFromOneQuery)
{
    tools().answer("apt-cache", "foo:\n  Installed: (none)\n  Candidate: 1.0-1\nlibfoo:i386:\n  Candidate: 2.0-1\n"
                                "bar:\n  Candidate: (none)\n", 1);
    tools().answer("apt-cache", "baz:\n  Installed: (none)\n  Candidate: 3.1\n", 2);
    AptConfigurator configurator("source", nullptr, &manager, &repository);
    configurator.prepareAvailablePackagesList({"foo", "libfoo:i386", "bar", "it's"});

    const Package* foo = configurator.doGetAvailablePackage("foo");
    ASSERT_NE(foo, nullptr);
    EXPECT_STREQ(foo->getName(), "foo");
    EXPECT_EQ(foo->getVersion().toString(), "1.0-1");
    EXPECT_EQ(foo->getType(), 'u');
    EXPECT_EQ(foo->getFileName(), "package_from_apt_cache");
    const Package* qualified = configurator.doGetAvailablePackage("libfoo:i386");
    ASSERT_NE(qualified, nullptr);
    EXPECT_STREQ(qualified->getName(), "libfoo");
    EXPECT_EQ(configurator.doGetAvailablePackage("libfoo"), qualified);
    EXPECT_EQ(configurator.doGetAvailablePackage("bar"), nullptr);
    EXPECT_EQ(configurator.doGetAvailablePackage("it's"), nullptr);
    EXPECT_EQ(tools().calls().size(), 1u);

    const Package* baz = configurator.doGetAvailablePackage("baz");
    ASSERT_NE(baz, nullptr);
    EXPECT_EQ(baz->getVersion().toString(), "3.1");
    EXPECT_THAT(tools().calls(), ElementsAre("apt-cache policy foo libfoo:i386 bar it's", "apt-cache policy baz"));
}

// Temporary sources of every product share one file, the persistent ones of a
// product its own; no line end after the last line; the persistent file's old
// content is kept as its backup.
TEST_F(AptConfiguration, ListFilesByteForByte)
{
    addSources(aptBuild("zarni-2.0.build.inf3", "zarni/2.0/build.inf3"));
    addSources(aptBuild("zarni-2.1.build.inf3", "zarni/2.1/build.inf3"));
    addSources(aptBuild("tenebrin-1.0.build.inf3", "tenebrin/1.0/build.inf3"));
    const std::string report = inPrivateApt([&] {
        std::ofstream(kLists + "zarni.list") << "deb http://old.zarni.example/ bookworm main\n";
        AptConfigurator configurator("source", nullptr, &manager, &repository);
        configurator.writeSourceLists();
        return describeFiles(filesOf(kLists));
    });
    if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_EQ(report, "== 50vk_kitwright.list\n"
                      "## Temporary repositories used by Zarni Installer during installation or update.\n" +
                          kSigned + "zarni/debian-12/2.0 bookworm main\n" + kSigned +
                          "zarni/debian-12/tenebrin bookworm main\n"
                          "== zarni.list\n"
                          "## Persistent repositories for Zarni Products.\n" +
                          kSigned + "zarni/debian-12/2.0-updates bookworm main\n" + kSigned +
                          "zarni/debian-12/2.1-updates bookworm main\n"
                          "== zarni.list.kw_back\n"
                          "deb http://old.zarni.example/ bookworm main\n\n");
}

// A reconfiguration after sources were dropped: the dropped lines go, a list
// that lost every source goes back to what it was before the run.
TEST_F(AptConfiguration, ReconfigurationDropsDeactivatedSources)
{
    const BuildPtr main = aptBuild("zarni-2.0.build.inf3", "zarni/2.0/build.inf3");
    const BuildPtr addon = aptBuild("tenebrin-1.0.build.inf3", "tenebrin/1.0/build.inf3");
    addSources(main);
    addSources(addon);
    const std::string report = inPrivateApt([&] {
        std::ofstream(kLists + "zarni.list") << "old\n";
        AptConfigurator configurator("source", nullptr, &manager, &repository);
        configurator.writeSourceLists();
        manager.removeBuildSources(main);
        configurator.writeSourceLists();
        std::string text = describeFiles(filesOf(kLists));
        manager.removeBuildSources(addon);
        configurator.writeSourceLists();
        return text + "-- after all\n" + describeFiles(filesOf(kLists));
    });
    if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_EQ(report, "== 50vk_kitwright.list\n"
                      "## Temporary repositories used by Zarni Installer during installation or update.\n" +
                          kSigned + "zarni/debian-12/tenebrin bookworm main\n"
                          "== zarni.list\nold\n\n== zarni.list.kw_back\nold\n\n"
                          "-- after all\n"
                          "== zarni.list\nold\n\n== zarni.list.kw_back\nold\n\n");
}

TEST_F(AptConfiguration, MissingListDirectory)
{
    const std::string report = inPrivateApt([&] {
        ::rmdir("/etc/apt/sources.list.d");
        AptConfigurator configurator("source", nullptr, &manager, &repository);
        try {
            configurator.writeSourceLists();
        } catch (const error& raised) {
            return raised.text() + " " + std::to_string(raised.errorClass()) + std::to_string(raised.retry()) +
                   std::to_string(raised.systemState()) + std::to_string(raised.support());
        }
        return std::string("nothing raised");
    });
    if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_EQ(report, "Can't configure APT sources: /etc/apt/sources.list.d/ not found.\n 4212");
}

// The whole configuration with stand-ins for the tools: lists, keys of the
// builds that check signatures (each once), i386 where missing, the index,
// the release check with warnings for missing sections.
TEST_F(AptConfiguration, ConfigureRunsTheToolsInOrder)
{
    addSources(aptBuild("zarni-2.0.build.inf3", "zarni/2.0/build.inf3"));
    addSources(aptBuild("zarni-2.1.build.inf3", "zarni/2.1/build.inf3"));
    addSources(aptBuild("tenebrin-1.0.build.inf3", "tenebrin/1.0/build.inf3"));
    tools().answer("apt-cache", systemPolicy(""));
    tools().answer("dpkg", "arm64\n", 1);
    const std::string report = inPrivateApt([&] {
        CapturedLog log(3);
        AptConfigurator configurator("source", nullptr, &manager, &repository);
        configurator.configure();
        return log.text() + "\n-- files\n" + describeFiles(filesOf("/etc/apt/keyrings"));
    });
    if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_THAT(report, HasSubstr("== zarni.gpg\nkeyring of gpg\n"));
    EXPECT_THAT(report, HasSubstr("Warning: not connected 'contrib' repository section"));
    EXPECT_THAT(report, HasSubstr("Warning: not connected 'non-free' repository section"));
    std::vector<std::string> calls;
    for (const std::string& call : tools().calls())
        if (call.compare(0, 7, "apt-key") != 0 &&
            (call.compare(0, 3, "gpg") != 0 || call.find("--import") != std::string::npos))
            calls.push_back(call);
    if (Opsys().arch() != "x86_64") GTEST_SKIP() << "the i386 step belongs to x86_64 systems";
    ASSERT_EQ(calls.size(), 6u) << ::testing::PrintToString(tools().calls());
    EXPECT_THAT(calls[0], HasSubstr("--import"));
    EXPECT_THAT(calls[1], HasSubstr("--import"));
    EXPECT_THAT(std::vector<std::string>(calls.begin() + 2, calls.end()),
                ElementsAre("dpkg --print-foreign-architectures", "dpkg --add-architecture i386", "apt-get update",
                            "apt-cache policy"));
}

TEST_F(AptConfiguration, I386AlreadyThereOrNotInstalling)
{
    if (Opsys().arch() != "x86_64") GTEST_SKIP() << "the i386 step belongs to x86_64 systems";
    tools().answer("apt-cache", systemPolicy("contrib"));
    tools().answer("dpkg", "i386\n");
    processOptions().skipGpgCheck = true;
    const std::string report = inPrivateApt([&] {
        CapturedLog log(3);
        AptConfigurator registered("source", nullptr, &manager, &repository);
        registered.configure();
        processOptions().action = Options::actionShowPackages;
        AptConfigurator query("source", nullptr, &manager, &repository);
        query.configure();
        return std::string("done");
    });
    if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_EQ(report, "done");
    EXPECT_THAT(tools().calls(), ElementsAre("dpkg --print-foreign-architectures", "apt-get update",
                                             "apt-cache policy", "apt-get update", "apt-cache policy"));
}

// No repository of the running release: the error carries a second policy
// output whole; a CD-ROM source is noticed; a failing "apt-get update" only warns.
TEST_F(AptConfiguration, NoSourceForTheRunningRelease)
{
    processOptions().skipGpgCheck = true;
    processOptions().action = Options::actionShowPackages;
    tools().answer("apt-cache", " 500 cdrom://[Debian GNU/Linux 11] bullseye/main amd64 Packages\n"
                                "     release v=11.9,o=Debian,a=oldstable,n=bullseye,l=Debian,c=main,b=amd64\n",
                   1);
    tools().answer("apt-cache", "second answer\n", 2);
    tools().answer("apt-get", "E: Failed to fetch\n", 0, 100);
    const std::string report = inPrivateApt([&] {
        CapturedLog log(3);
        AptConfigurator configurator("source", nullptr, &manager, &repository);
        std::string text;
        try {
            configurator.configure();
        } catch (const error& raised) {
            text = raised.text() + "|" + std::to_string(raised.errorClass());
        }
        return text + "|cdrom " + std::to_string(configurator.cdromInSource()) + "\n" + log.text();
    });
    if (report == "skip") GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_THAT(report, HasSubstr("Not found source for system packages (release " + Opsys().version() +
                                  ") in APT software sources configuration:\nsecond answer\n\n|0|cdrom 1\n"));
    EXPECT_THAT(report, HasSubstr("Warning: there are errors in 'apt-get update'"));
}

// With the real apt in a throw-away Debian root: the lists and the keyring are
// written, "apt-get update" accepts the signed repository (apt offers its
// package), the system's own release is found, and the cached root stays as it
// was.
TEST_F(RealApt, ConfigureMakesTheSignedRepositoryUsable)
{
    publish({{"zarni-base", "1.0-1", "", {}}});
    serve();
    const std::string report = inDebianRoot([&] {
        CapturedLog log(0);
        DebianAPTConfigurator configurator("source", nullptr, &sources, &repository);
        configurator.configure();
        configurator.prepareAvailablePackagesList({"zarni-base"});
        const Package* offered = configurator.getAvailablePackage("zarni-base");
        struct stat keyring {};
        const bool keyringWritten = ::stat(kKeyring.c_str(), &keyring) == 0 && keyring.st_size > 0;
        return readFile(DebianAPTConfigurator::temporaryListPath()) + "\n" +
               (offered ? offered->getVersion().toString() : std::string("nothing offered")) + "\nkeyring " +
               std::to_string(keyringWritten) + "\n" + log.text();
    });
    if (report == "skip") GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_THAT(report, HasSubstr("## Temporary repositories used by Zarni Installer during installation or update.\n"
                                  "deb [signed-by=/etc/apt/keyrings/zarni.gpg] http://127.0.0.1:"));
    EXPECT_THAT(report, HasSubstr("/zarni/repo bookworm main\n1.0-1\nkeyring 1\n"));
    EXPECT_THAT(report, Not(HasSubstr("Warning: there are errors in 'apt-get update'")));
    EXPECT_FALSE(::access((lowerRoot() + DebianAPTConfigurator::temporaryListPath()).c_str(), F_OK) == 0);
}
