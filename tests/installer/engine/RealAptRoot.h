#pragma once

#include "installer/options/Options.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceManager.h"

#include "common/Opsys.h"
#include "common/error.h"
#include "common/packages/Repository.h"
#include "tests/common/HttpTestServer.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/sources/ProductBuilds.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

// The tests that run the real apt-get, apt-cache and dpkg (suite "RealApt",
// CTest label "e2e"): each runs in a throw-away copy of a Debian 12 minbase
// root (tests/bin/debian-root, made once) against a signed repository of small
// packages (tests/bin/apt-repository) that the suite's HTTP server offers on
// 127.0.0.1. The product's build information file names that repository, with
// its key, as "zarni/repo bookworm main" below the installation source.
class RealApt : public ::testing::Test {
protected:
    // A package of the test repository; `scripts` maps a maintainer script's name
    // (postinst, ...) to its text.
    struct TestPackage {
        std::string name;
        std::string version;
        std::string depends;
        std::vector<std::pair<std::string, std::string>> scripts;
    };

    RealApt() : savedSource_(processOptions().source), savedSkip_(processOptions().skipGpgCheck) {}
    ~RealApt() override
    {
        processOptions().source = savedSource_;
        processOptions().skipGpgCheck = savedSkip_;
    }

    void SetUp() override
    {
        root_ = debianTestRoot(&why_);
        ASSERT_FALSE(root_.empty()) << why_;
        ASSERT_EQ(tool("key " + repositoryDirectory()), 0);
    }

    // Builds the packages into the repository and publishes it.
    void publish(const std::vector<TestPackage>& packages)
    {
        for (const TestPackage& package : packages) {
            std::string scripts;
            if (!package.scripts.empty()) {
                scripts = served_.path() + "/scripts-" + package.name + "-" + package.version;
                for (const auto& script : package.scripts)
                    writeFileWithDirectories(scripts + "/" + script.first, script.second);
            }
            ASSERT_EQ(tool("package " + repositoryDirectory() + " " + package.name + " " + package.version + " '" +
                           package.depends + "' '" + scripts + "'"),
                      0);
        }
        ASSERT_EQ(tool("publish " + repositoryDirectory()), 0);
    }

    // Starts the server and loads the product's build with its sources.
    void serve()
    {
        server_ = std::make_unique<HttpTestServer>(served_.path());
        processOptions().source = SourceUrl(server_->baseUrl());
        processOptions().skipGpgCheck = false;
        const std::string info = served_.path() + "/zarni/build.inf3";
        writeFileWithDirectories(
            info, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<build os_name=\"Linux\" os_vendor=\"Debian\" os_version=\"12\" os_arch=\"x86_64\" "
                  "environment=\"\" build_dir=\"debian-12\" gpgcheck=\"yes\" os_release_name=\"bookworm\" "
                  "apt_source=\"repo bookworm main\">\n"
                  "  <product id=\"zarni\"><keypackages><keypackage>zarni-base</keypackage></keypackages>\n"
                  "    <release id=\"zarni-2.0\" version=\"2.0.0\"/></product>\n"
                  "  <component name=\"base\" description=\"Zarni core\">\n"
                  "    <keypackages><keypackage name=\"zarni-base\"/></keypackages></component>\n"
                  "  <gpg_public_key>" +
                      readFile(repositoryDirectory() + "/key.asc") + "</gpg_public_key>\n</build>\n");
        build = loadedBuildFile(info, "zarni/build.inf3", "zarni", "Debian", "12");
        build->setOsReleaseName("bookworm");
        release_ = makeRelease(makeProduct("zarni"), "zarni-2.0", "2.0");
        build->setParent(release_);
        sources.addBuildSources(&fetcher, build);
    }

    // Runs body as root of a throw-away copy of the Debian root; the body's
    // report (a text it returns) comes back. "skip" when namespaces are refused.
    std::string inDebianRoot(const std::function<std::string()>& body)
    {
        int result = 0;
        const std::string report = reportFromThrowAwayRoot(root_, reports_.path(), [&] {
            try {
                return body();
            } catch (const error& raised) {
                return "error: " + raised.text();
            }
        }, &result);
        if (result != kNamespaceRefused) EXPECT_EQ(result, 0);
        return report;
    }

    // What dpkg says of the packages, "name status version" per line, inside
    // the root.
    static std::string installed(const std::string& names)
    {
        std::string text;
        std::FILE* pipe = ::popen(("dpkg-query -W -f='${Package} ${db:Status-Abbrev}${Version}\\n' " + names +
                                   " 2>/dev/null")
                                      .c_str(),
                                  "r");
        char line[512];
        while (pipe && std::fgets(line, sizeof line, pipe)) text += line;
        if (pipe) ::pclose(pipe);
        return text;
    }

    // The cached root, which no test may change.
    const std::string& lowerRoot() const { return root_; }

    BuildPtr build;
    Repository repository;
    SourceManager sources{&repository, Opsys("Linux", "Debian", "12", "x86_64", "")};

private:
    std::string repositoryDirectory() const { return served_.path() + "/zarni/repo"; }
    static int tool(const std::string& arguments)
    {
        return std::system((std::string(KW_SOURCE_DIR) + "/tests/bin/apt-repository " + arguments).c_str());
    }

    SourceUrl savedSource_;
    bool savedSkip_;
    std::string root_;
    std::string why_;
    TempDir served_;
    TempDir reports_;
    TempDir target_;
    std::unique_ptr<HttpTestServer> server_;
    // Builds refer to their release weakly.
    ReleasePtr release_;

protected:
    FileFetcher fetcher{processOptions().source, target_.path()};
};
