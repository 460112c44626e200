#include "installer/reporters/SourcesReporter.h"

#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceConfig.h"
#include "installer/sources/SourceManager.h"

#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/XmlLint.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/reporters/ReporterTest.h"
#include "tests/installer/sources/ProductBuilds.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const Opsys redHat("Linux", "RedHat", "9.4", "x86_64", "");
const Opsys debian("Linux", "Debian", "12.5", "x86_64", "");

// The source lines read the installation source from the options; it is put
// back after each test.
class SourcesAnswer : public ReporterTest {
protected:
    SourcesAnswer() : savedSource_(processOptions().source)
    {
        processOptions().source = SourceUrl("https://updates.zarni.example/catalogue/");
    }
    ~SourcesAnswer() override { processOptions().source = savedSource_; }

    // A manager with a source that is not a product repository first, then the
    // sources of the three-repository build for the system.
    std::unique_ptr<SourceManager> manager(const Opsys& system)
    {
        auto made = std::make_unique<SourceManager>(&repository, system);
        made->adopt(std::make_unique<SourceConfig>(&repository));
        made->addBuildSources(&fetcher, build);
        return made;
    }

    TempDir target;
    Repository repository;
    FileFetcher fetcher{SourceUrl("https://updates.zarni.example/catalogue/"), target.path()};
    BuildPtr build = loadedBuild("three-repositories.build.inf3");

private:
    SourceUrl savedSource_;
};

const char* const temporaryLine =
    "deb [signed-by=/etc/apt/keyrings/zarni.gpg] https://updates.zarni.example/catalogue/zarni/debian-12/2.0 "
    "bookworm main";
const char* const persistentLine =
    "deb [signed-by=/etc/apt/keyrings/zarni.gpg] https://updates.zarni.example/catalogue/zarni/debian-12/2.0-updates "
    "bookworm main";

TEST_F(SourcesAnswer, AptLinesInTextAndXml)
{
    const auto sources = manager(debian);
    const SourcesReporter reporter(0, sources.get());
    EXPECT_EQ(text(reporter), std::string(temporaryLine) + "\n" + persistentLine + "\n");

    const std::string xmlLine = xml(reporter);
    EXPECT_EQ(xmlLine, std::string(declaration) + "<kitwright status=\"ok\"><sources><source persistent=\"0\" configuration=\"" +
                           temporaryLine + "\" /><source persistent=\"1\" configuration=\"" + persistentLine +
                           "\" /></sources></kitwright>\n");
    EXPECT_EQ(XmlLint(xmlLine).complaints(), "");
}

// A yum stanza of several lines goes into the attribute whole; xmllint reads
// the line ends back.
TEST_F(SourcesAnswer, YumStanzasKeepTheirLinesInTheAttribute)
{
    const auto sources = manager(redHat);
    const SourcesReporter reporter(0, sources.get());
    const std::string own = "[zarni-2.0]\n"
                            "name=Zarni 2.0\n"
                            "baseurl=https://updates.zarni.example/catalogue/zarni/2.0/redhat-9/2.0/\n"
                            "enabled=1\n"
                            "gpgcheck=1";
    const std::string textAnswer = text(reporter);
    EXPECT_EQ(textAnswer.substr(0, own.size() + 1), own + "\n");

    const std::string xmlLine = xml(reporter);
    EXPECT_EQ(xmlLine.find('\n'), xmlLine.size() - 1) << xmlLine;
    const XmlLint lint(xmlLine);
    ASSERT_EQ(lint.complaints(), "") << xmlLine;
    EXPECT_EQ(lint.value("count(/kitwright/sources/source)"), "3");
    EXPECT_EQ(lint.attribute("/kitwright/sources/source[1]", "configuration"), own);
    EXPECT_EQ(lint.attribute("/kitwright/sources/source[1]", "persistent"), "1");
    EXPECT_EQ(lint.attribute("/kitwright/sources/source[2]", "persistent"), "1");
    EXPECT_EQ(lint.attribute("/kitwright/sources/source[3]", "persistent"), "0");
}

TEST_F(SourcesAnswer, NoProductRepositoryGivesAnEmptyAnswer)
{
    SourceManager sources(&repository, debian);
    sources.adopt(std::make_unique<SourceConfig>(&repository));
    const SourcesReporter reporter(0, &sources);
    EXPECT_EQ(text(reporter), "");
    EXPECT_EQ(xml(reporter), std::string(declaration) + "<kitwright status=\"ok\"><sources /></kitwright>\n");
}

TEST_F(SourcesAnswer, NoSourceManagerIsTheNullPointerError)
{
    const SourcesReporter reporter(0, nullptr);
    if (const auto failed = expectError([&] { text(reporter); })) {
        EXPECT_EQ(failed->errorClass(), 3);
    }
    std::ostringstream out;
    xmlOutput = true;
    if (const auto failed = expectError([&] { out << reporter; })) {
        EXPECT_EQ(failed->errorClass(), 3);
    }
    EXPECT_EQ(out.str(), "");
}

}  // namespace
