#include "installer/engine/TimeReport.h"

#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"

#include "common/Log.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/common/packages/ReaderTestSupport.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/catalogue/LoadedCatalogue.h"
#include "tests/installer/options/ProcessOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <sys/mount.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using ::testing::HasSubstr;

namespace {

const std::string kDirectory = TimeReport::directory;
const std::string kFile = kDirectory + "/" + TimeReport::fileName;

// What a run in the private mount namespace left: the statistics directory's
// files by name, and the level-2 log lines.
struct Outcome {
    int code = 0;
    std::map<std::string, std::string> files;
    std::string log;
};

enum class Directory { missing, present, tiny };

// Runs `body` in a private mount namespace with a fresh tmpfs over /var/log: the
// statistics directory is made (or left missing, or made as a 16 KiB file
// system), `before` is written as the old statistics file when not empty, and
// what the directory then holds comes back.
Outcome inPrivateLogDirectory(Directory directory, const std::string& before, const std::function<void()>& body)
{
    TempDir out;
    const int code = runInPrivateMountNamespace([&]() -> int {
        if (::mount("tmpfs", "/var/log", "tmpfs", 0, "mode=0755") != 0) return kNamespaceRefused;
        if (directory != Directory::missing) boost::filesystem::create_directories(kDirectory);
        if (directory == Directory::tiny && ::mount("tmpfs", kDirectory.c_str(), "tmpfs", 0, "size=16k") != 0)
            return kNamespaceRefused;
        if (!before.empty()) std::ofstream(kFile, std::ios::binary) << before;
        std::ostringstream log;
        Log::capture = &log;
        Log::captureLevel = 2;
        body();
        Log::capture = nullptr;
        std::ofstream(out.path() + "/log", std::ios::binary) << log.str();
        boost::filesystem::create_directories(out.path() + "/files");
        if (directory != Directory::missing)
            for (boost::filesystem::directory_iterator it(kDirectory), end; it != end; ++it)
                std::ofstream(out.path() + "/files/" + it->path().filename().string(), std::ios::binary)
                    << readFile(it->path().string());
        return 0;
    });
    Outcome outcome;
    outcome.code = code;
    outcome.log = readFile(out.path() + "/log");
    if (boost::filesystem::is_directory(out.path() + "/files"))
        for (boost::filesystem::directory_iterator it(out.path() + "/files"), end; it != end; ++it)
            outcome.files[it->path().filename().string()] = readFile(it->path().string());
    return outcome;
}

// The document with every time stamp (checked for its form) replaced by "T".
std::string withoutTimestamps(const std::string& document)
{
    static const std::regex stamp("timestamp=\"[0-9]{8}T[0-9]{6}\"");
    return std::regex_replace(document, stamp, "timestamp=\"T\"");
}

// The demo catalogue's release 1.1 for Debian 12 on a system with the given
// packages installed, every component's state checked.
class TimeReportTest : public ReaderTest {
protected:
    void SetUp() override
    {
        ReaderTest::SetUp();
        if (IsSkipped()) return;
        processOptions();
    }

    void load(const std::vector<std::pair<const char*, const char*>>& installed)
    {
        for (const auto& package : installed) addRecord(loaded_.repository, package.first, package.second);
        loaded_.read(debian12());
        loaded_.load({{"zarni", "zarni-1.1"}}, debian12());
        ComponentManager::CheckInstalled check(loaded_.repository, nullptr);
        loaded_.components.visit(check);
    }

    void select(const std::string& name, int selection)
    {
        class Selector : public ComponentManager::Visitor {
        public:
            Selector(const std::string& name, int selection) : name_(name), selection_(selection) {}
            void visit(KwComponentPtr component) override
            {
                if (component->name == name_) component->setSelection(selection_);
            }
            std::string name_;
            int selection_;
        } selector(name, selection);
        loaded_.components.visit(selector);
    }

    // A run's record saved in the private log directory.
    Outcome reportRun(bool success, Directory directory = Directory::present, const std::string& before = "")
    {
        return inPrivateLogDirectory(directory, before, [&] {
            TimeReport report;
            report.report(*loaded_.manager, loaded_.components, success);
        });
    }

    LoadedCatalogue loaded_{SourceUrl(demoCatalogueDirectory())};
};

const char* const kFirstInstall =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n"
    "<reports>\n"
    "    <action version=\"1.0.0\" timestamp=\"T\" duration=\"0\" status=\"success\">\n"
    "        <release version=\"\" new_version=\"zarni-1.1\" mode=\"install\" />\n"
    "        <components>\n"
    "            <component name=\"zarni/base\" mode=\"I\" />\n"
    "            <component name=\"zarni/web\" mode=\"I\" />\n"
    "        </components>\n"
    "    </action>\n"
    "</reports>\n";

TEST_F(TimeReportTest, AFirstInstallationStartsTheFile)
{
    load({});
    select("base", KwComponent::SEL_INSTALL);
    select("web", KwComponent::SEL_INSTALL);
    const Outcome outcome = reportRun(true);
    if (outcome.code == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace";
    ASSERT_EQ(outcome.code, 0);
    ASSERT_EQ(outcome.files.size(), 1u) << outcome.log;
    const std::string document = outcome.files.at(TimeReport::fileName);
    EXPECT_EQ(withoutTimestamps(document), kFirstInstall);
    EXPECT_NE(withoutTimestamps(document), document) << "the time stamp has its form";
    // The XML tool reads it as the document it claims to be.
    TempDir copy;
    std::ofstream(copy.path() + "/stats.xml", std::ios::binary) << document;
    EXPECT_EQ(std::system(("xmllint --noout " + copy.path() + "/stats.xml").c_str()), 0);
}

// Component updates inside the installed release are an "update"; the record
// lists the update with its versions and the removal.
TEST_F(TimeReportTest, ComponentUpdatesInTheInstalledReleaseAreAnUpdate)
{
    load({{"zarni-base", "1.1.0-1"}, {"zarni-web", "1.0.0-1"}, {"zarni-mail-exim", "1.1.0-1"}});
    select("web", KwComponent::SEL_INSTALL);
    select("mail-exim", KwComponent::SEL_REMOVE);
    const Outcome outcome = reportRun(false);
    if (outcome.code == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace";
    ASSERT_EQ(outcome.code, 0);
    EXPECT_EQ(withoutTimestamps(outcome.files.at(TimeReport::fileName)),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n"
              "<reports>\n"
              "    <action version=\"1.0.0\" timestamp=\"T\" duration=\"0\" status=\"failed\">\n"
              "        <release version=\"zarni-1.1\" mode=\"update\" />\n"
              "        <components>\n"
              "            <component name=\"zarni/web\" mode=\"U\" from=\"1.0.0-1\" to=\"1.1.0-1\" />\n"
              "            <component name=\"zarni/mail-exim\" mode=\"R\" />\n"
              "        </components>\n"
              "    </action>\n"
              "</reports>\n");
}

// An upgrade from the installed release names both, the lower first, and is
// appended after the records already there.
TEST_F(TimeReportTest, AnUpgradeIsAppendedToTheFile)
{
    load({{"zarni-base", "1.0.0-1"}});
    select("base", KwComponent::SEL_INSTALL);
    const std::string before = std::regex_replace(kFirstInstall, std::regex("timestamp=\"T\""),
                                                  "timestamp=\"20261201T101010\"");
    const Outcome outcome = reportRun(true, Directory::present, before);
    if (outcome.code == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace";
    ASSERT_EQ(outcome.code, 0);
    const std::string document = outcome.files.at(TimeReport::fileName);
    const std::string::size_type end = before.find("</reports>");
    ASSERT_EQ(document.compare(0, end, before, 0, end), 0) << document;
    EXPECT_EQ(withoutTimestamps(document.substr(end)),
              "    <action version=\"1.0.0\" timestamp=\"T\" duration=\"0\" status=\"success\">\n"
              "        <release version=\"zarni-1.0\" new_version=\"zarni-1.1\" mode=\"upgrade\" />\n"
              "        <components>\n"
              "            <component name=\"zarni/base\" mode=\"U\" from=\"1.0.0-1\" to=\"1.1.0-1\" />\n"
              "        </components>\n"
              "    </action>\n"
              "</reports>\n");
}

TEST_F(TimeReportTest, NothingIsWrittenWithoutARecordToWrite)
{
    load({});
    loaded_.manager->unselectAll();
    const Outcome noRelease = reportRun(true);
    if (noRelease.code == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace";
    EXPECT_TRUE(noRelease.files.empty());
    EXPECT_THAT(noRelease.log, HasSubstr("Unable to save time statistics to file - unexpected releases quantity\n"));

    loaded_.manager->selectRelease("zarni", "zarni-1.1");
    const Outcome noDirectory = reportRun(true, Directory::missing);
    EXPECT_EQ(noDirectory.code, 0);
    EXPECT_THAT(noDirectory.log,
                HasSubstr("Unable to save time statistics: missed directory /var/log/zarni/install\n"));
}

// A file that is not statistics is kept aside; the new file holds only the new
// record.
TEST_F(TimeReportTest, AnUnreadableFileIsKeptAside)
{
    load({});
    select("base", KwComponent::SEL_INSTALL);
    select("web", KwComponent::SEL_INSTALL);
    for (const char* broken : {"<reports><action", "<?xml version=\"1.0\"?>\n<other/>\n"}) {
        SCOPED_TRACE(broken);
        const Outcome outcome = reportRun(true, Directory::present, broken);
        if (outcome.code == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace";
        ASSERT_EQ(outcome.files.size(), 2u) << outcome.log;
        EXPECT_EQ(withoutTimestamps(outcome.files.at(TimeReport::fileName)), kFirstInstall);
        const auto aside = std::next(outcome.files.begin());
        EXPECT_TRUE(std::regex_match(aside->first, std::regex("kw_action_time\\.xml\\.bad-[0-9]{8}T[0-9]{6}")))
            << aside->first;
        EXPECT_EQ(aside->second, broken);
        EXPECT_THAT(outcome.log, HasSubstr("Time statistics file " + kFile +
                                           " cannot be read as statistics, kept as " + kDirectory + "/" +
                                           aside->first + "\n"));
    }
}

// A save that fails half-way (the file system fills) leaves the old file whole.
TEST_F(TimeReportTest, AFailedSaveLeavesTheOldFile)
{
    load({});
    select("base", KwComponent::SEL_INSTALL);
    std::string before = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n<reports>\n";
    while (before.size() < 10000)
        before += "    <action version=\"1.0.0\" timestamp=\"20261201T101010\" duration=\"1\" status=\"success\" />\n";
    before += "</reports>\n";
    const Outcome outcome = reportRun(true, Directory::tiny, before);
    if (outcome.code == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace";
    ASSERT_EQ(outcome.code, 0);
    ASSERT_EQ(outcome.files.size(), 1u) << "no part of the new file is left";
    EXPECT_TRUE(outcome.files.begin()->second == before) << "the old file changed";
    EXPECT_THAT(outcome.log, HasSubstr("Unable to save time statistics to file: "));
}

TEST(TimeReportRecord, PrintsItsModeAndVersions)
{
    std::ostringstream text;
    text << TimeReport::ComponentRecord{"zarni/web", "U", "1.0", "1.1"} << "; "
         << TimeReport::ComponentRecord{"zarni/dns", "R", "", ""};
    EXPECT_EQ(text.str(), "zarni/web U 1.0 -> 1.1; zarni/dns R");
}

}  // namespace
