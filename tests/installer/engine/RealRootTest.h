#pragma once

#include "installer/options/Options.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceManager.h"
#include "installer/startup/ReportError.h"

#include "common/Opsys.h"
#include "common/error.h"
#include "common/packages/Repository.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/HttpTestServer.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/sources/ProductBuilds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

// What the tests with a real package manager share (suites "RealApt" and
// "RealDnf", CTest label "e2e"): a cached root made once by a tests/bin script,
// a signed repository of small packages made by a tests/bin repository tool
// and offered by the test's HTTP server on 127.0.0.1, the product's build
// naming it with its key, and bodies run as root of a throw-away copy of the
// root whose text report comes back. The options are put back afterwards.
class RealRootTest : public ::testing::Test {
public:
    // A command's standard output and then its exit code ("exit N"), inside
    // the root.
    static std::string run(const std::string& command)
    {
        int status = -1;
        const std::string text = commandOutput(command, &status);
        return text + "exit " + std::to_string(status) + "\n";
    }

protected:
    // `makeRoot` gives the cached root (or empty with the reason); `repositoryTool`
    // names the tests/bin script that builds the repository.
    RealRootTest(std::string (*makeRoot)(std::string*), std::string repositoryTool, const Opsys& system)
        : sources(&repository, system),
          makeRoot_(makeRoot),
          repositoryTool_(std::move(repositoryTool)),
          savedSource_(processOptions().source),
          savedSkip_(processOptions().skipGpgCheck)
    {
    }
    ~RealRootTest() override
    {
        processOptions().source = savedSource_;
        processOptions().skipGpgCheck = savedSkip_;
    }

    void SetUp() override
    {
        root_ = makeRoot_(&why_);
        if (root_.empty() && commandOutput("command -v debootstrap").empty())
            KW_SKIP_UNAVAILABLE(why_ + ": debootstrap is not installed (scripts/deps.sh installs it)");
        ASSERT_FALSE(root_.empty()) << why_;
        ASSERT_EQ(tool("key " + repositoryDirectory()), 0);
    }

    // Runs the repository tool on the test's repository ("package DIR ...",
    // "publish DIR"); its exit code.
    int tool(const std::string& arguments) const
    {
        return std::system((std::string(KW_SOURCE_DIR) + "/tests/bin/" + repositoryTool_ + " " + arguments).c_str());
    }
    std::string repositoryDirectory() const { return served_.path() + "/zarni/repo"; }
    // Where package scripts and other inputs of the repository tool may go.
    std::string scratch() const { return served_.path(); }

    // Starts the server and loads the product's build, whose root element
    // carries `buildAttributes`, with its sources; `releaseName` is the
    // distribution's release name the build loader would give it.
    void serve(const std::string& buildAttributes, const std::string& vendor, const std::string& version,
               const std::string& releaseName = std::string())
    {
        server_ = std::make_unique<HttpTestServer>(served_.path());
        processOptions().source = SourceUrl(server_->baseUrl());
        processOptions().skipGpgCheck = false;
        const std::string info = served_.path() + "/zarni/build.inf3";
        writeFileWithDirectories(
            info, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<build os_name=\"Linux\" os_vendor=\"" + vendor +
                      "\" os_version=\"" + version + "\" os_arch=\"x86_64\" environment=\"\" gpgcheck=\"yes\" " +
                      buildAttributes +
                      ">\n"
                      "  <product id=\"zarni\"><keypackages><keypackage>zarni-base</keypackage></keypackages>\n"
                      "    <release id=\"zarni-2.0\" version=\"2.0.0\"/></product>\n"
                      "  <component name=\"base\" description=\"Zarni core\">\n"
                      "    <keypackages><keypackage name=\"zarni-base\"/></keypackages></component>\n"
                      "  <gpg_public_key>" +
                      readFile(repositoryDirectory() + "/key.asc") + "</gpg_public_key>\n</build>\n");
        build = loadedBuildFile(info, "zarni/build.inf3", "zarni", vendor, version);
        if (!releaseName.empty()) build->setOsReleaseName(releaseName);
        release_ = makeRelease(makeProduct("zarni"), "zarni-2.0", "2.0");
        build->setParent(release_);
        // The repository's address comes from the fetcher of the served source.
        fetcher_ = std::make_unique<FileFetcher>(processOptions().source, target_.path());
        sources.addBuildSources(fetcher_.get(), build);
    }

    // Runs body as root of a throw-away copy of the root; the body's report
    // (a text it returns, or the error it raised with the error report's
    // text) comes back. "skip" when namespaces are refused.
    std::string inRoot(const std::function<std::string()>& body)
    {
        int result = 0;
        const std::string report = reportFromThrowAwayRoot(root_, reports_.path(), [&] {
            try {
                return body();
            } catch (const error& raised) {
                // What the package manager said, for the failure message.
                return "error: " + raised.text() + ReportError::collectedMessage();
            }
        }, &result);
        if (result != kNamespaceRefused) {
            EXPECT_EQ(result, 0);
        }
        return report;
    }

    // The cached root, which no test may change.
    const std::string& lowerRoot() const { return root_; }

    BuildPtr build;
    Repository repository;
    SourceManager sources;

private:
    std::string (*makeRoot_)(std::string*);
    std::string repositoryTool_;
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
    std::unique_ptr<FileFetcher> fetcher_;
};
