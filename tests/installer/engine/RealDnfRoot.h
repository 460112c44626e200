#pragma once

#include "installer/options/Options.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceManager.h"
#include "installer/startup/ReportError.h"

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

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The tests that run the real dnf and rpm through the dnf helper (suite
// "RealDnf", CTest label "e2e"): each runs in a throw-away copy of a fake
// RedHat-family 9 root (tests/bin/el9-root, made once) against a signed
// repository of small noarch rpms (tests/bin/rpm-repository) that the suite's
// HTTP server offers on 127.0.0.1. The product's build information file names
// that repository ("zarni-test", temporary), with its key.
class RealDnf : public ::testing::Test {
public:
    // A command's standard output and then its exit code ("exit N"), inside
    // the root.
    static std::string run(const std::string& command)
    {
        std::string text;
        std::FILE* pipe = ::popen(command.c_str(), "r");
        char line[512];
        while (pipe && std::fgets(line, sizeof line, pipe)) text += line;
        const int status = pipe ? ::pclose(pipe) : -1;
        return text + "exit " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "\n";
    }

protected:
    struct TestPackage {
        std::string name;
        std::string evr;
        std::string requires;
    };

    RealDnf() : savedSource_(processOptions().source), savedSkip_(processOptions().skipGpgCheck) {}
    ~RealDnf() override
    {
        processOptions().source = savedSource_;
        processOptions().skipGpgCheck = savedSkip_;
    }

    void SetUp() override
    {
        root_ = el9TestRoot(&why_);
        ASSERT_FALSE(root_.empty()) << why_;
        ASSERT_EQ(tool("key " + repositoryDirectory()), 0);
    }

    void publish(const std::vector<TestPackage>& packages)
    {
        for (const TestPackage& package : packages)
            ASSERT_EQ(tool("package " + repositoryDirectory() + " " + package.name + " " + package.evr + " '" +
                           package.requires + "'"),
                      0);
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
                  "<build os_name=\"Linux\" os_vendor=\"RedHat\" os_version=\"9\" os_arch=\"x86_64\" "
                  "environment=\"\" build_dir=\"repo\" gpgcheck=\"yes\" yum_repo_id=\"zarni-test\" "
                  "yum_repo_name=\"Zarni test\">\n"
                  "  <product id=\"zarni\"><keypackages><keypackage>zarni-base</keypackage></keypackages>\n"
                  "    <release id=\"zarni-2.0\" version=\"2.0.0\"/></product>\n"
                  "  <component name=\"base\" description=\"Zarni core\">\n"
                  "    <keypackages><keypackage name=\"zarni-base\"/></keypackages></component>\n"
                  "  <gpg_public_key>" +
                      readFile(repositoryDirectory() + "/key.asc") + "</gpg_public_key>\n</build>\n");
        build = loadedBuildFile(info, "zarni/build.inf3", "zarni", "RedHat", "9");
        release_ = makeRelease(makeProduct("zarni"), "zarni-2.0", "2.0");
        build->setParent(release_);
        // The repository's address comes from the fetcher of the served source.
        fetcher_ = std::make_unique<FileFetcher>(processOptions().source, target_.path());
        sources.addBuildSources(fetcher_.get(), build);
    }

    // Runs body as root of a throw-away copy of the root; the body's report
    // (a text it returns, or the error it raised with the error report's
    // text) comes back. "skip" when namespaces are refused.
    std::string inEl9Root(const std::function<std::string()>& body)
    {
        int result = 0;
        const std::string report = reportFromThrowAwayRoot(root_, reports_.path(), [&] {
            try {
                return body();
            } catch (const error& raised) {
                // The helper's output, for the failure message.
                return "error: " + raised.text() + ReportError::collectedMessage();
            }
        }, &result);
        if (result != kNamespaceRefused) EXPECT_EQ(result, 0);
        return report;
    }

    // What rpm says of the packages, one "name-version-release.arch" (or "package
    // name is not installed") line each, inside the root.
    static std::string installed(const std::string& names) { return run("rpm -q " + names + " 2>&1"); }

    const std::string& lowerRoot() const { return root_; }

    BuildPtr build;
    Repository repository;
    SourceManager sources{&repository, Opsys("Linux", "RedHat", "9", "x86_64", "")};

private:
    std::string repositoryDirectory() const { return served_.path() + "/zarni/repo"; }
    static int tool(const std::string& arguments)
    {
        return std::system((std::string(KW_SOURCE_DIR) + "/tests/bin/rpm-repository " + arguments).c_str());
    }

    SourceUrl savedSource_;
    bool savedSkip_;
    std::string root_;
    std::string why_;
    TempDir served_;
    TempDir reports_;
    TempDir target_;
    std::unique_ptr<HttpTestServer> server_;
    ReleasePtr release_;
    std::unique_ptr<FileFetcher> fetcher_;
};
