#include "installer/params/ParamFileSaver.h"

#include "installer/options/Options.h"
#include "installer/params/ParamTypes.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/TempDir.h"
#include "tests/installer/params/ParamFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

using ::testing::HasSubstr;

namespace {

// The saver's sections after a walk over the settings of the web fixture.
class SaverTest : public ::testing::Test {
protected:
    SaverTest() { manager.createParams(owners.component("web"), settingsDocument("web")); }
    ParamPtr param(const std::string& id) const
    {
        for (const ParamPtr& param : manager.params())
            if (param->getId() == id) return param;
        return ParamPtr();
    }
    ParamManager::ParamFileSaver::Sections walked(const ParamManager::ParamFileSaver::Settings& existing = {})
    {
        ParamManager::ParamFileSaver saver;
        manager.accept(saver, ParamPtr(), true);
        return saver.merged(existing);
    }

    ParamOwners owners;
    ParamManager manager;
};

}  // namespace

// Only defined regular settings are saved; static texts, hidden values and the
// secure and detectable settings never are.
TEST_F(SaverTest, SavesDefinedRegularSettings)
{
    ASSERT_TRUE(param("domain")->setValue("zarni.example"));
    ASSERT_TRUE(param("ssl")->setValue("yes"));
    ASSERT_TRUE(param("admin-password")->setValue("long enough"));
    ASSERT_TRUE(param("help")->setValue("shown"));
    ASSERT_TRUE(param("token")->setValue("t1"));
    const auto certificate = std::dynamic_pointer_cast<SubParams>(param("ssl"))->getBranch("true").front();
    ASSERT_TRUE(certificate->setValue("/etc/zarni/"));
    EXPECT_EQ(ParamManager::ParamFileSaver::format(walked()),
              "[zarni]\ndomain=\"zarni.example\"\nssl=\"true\"\ncertificate=\"/etc/zarni\"\n\n\n");
}

// Other products and settings stay, a changed one keeps its place, new ones
// follow, and a value an older run saved for a secure setting goes.
TEST_F(SaverTest, MergesIntoTheFile)
{
    ASSERT_TRUE(param("domain")->setValue("new.zarni.example"));
    ASSERT_TRUE(param("server")->setValue("apache"));
    ASSERT_TRUE(param("admin-password")->setValue("long enough"));
    const ParamManager::ParamFileSaver::Settings existing = {
        {"tenebrin", {{"zone", "eu"}}},
        {"zarni", {{"admin-password", "old secret"}, {"domain", "old.zarni.example"}, {"kept", "1"}}},
    };
    EXPECT_EQ(ParamManager::ParamFileSaver::format(walked(existing)),
              "[tenebrin]\nzone=\"eu\"\n\n\n"
              "[zarni]\ndomain=\"new.zarni.example\"\nkept=\"1\"\nserver=\"apache\"\n\n\n");
}

// A password is never saved, even with the regular behaviour, and a value an
// older run saved for it goes.
TEST_F(SaverTest, PasswordsAreNeverSaved)
{
    ParamManager database;
    database.createParams(owners.component("db"), settingsDocument("database"));
    for (const ParamPtr& param : database.params()) ASSERT_TRUE(param->setValue("zarni"));
    ParamManager::ParamFileSaver saver;
    database.accept(saver, ParamPtr(), true);
    EXPECT_EQ(ParamManager::ParamFileSaver::format(saver.merged({{"zarni", {{"db-secret", "old"}}}})),
              "[zarni]\ndb-user=\"zarni\"\n\n\n");
}

TEST_F(SaverTest, NothingToSave)
{
    EXPECT_TRUE(walked().empty());
    EXPECT_EQ(ParamManager::ParamFileSaver::format(walked()), "");
}

// What the saver writes, the option readers read back exactly: quotes, line
// ends, UTF-8, backslashes, tabs, and setting ids with "-" or a leading digit.
TEST(ParamFileSaver, RoundTripsThroughTheOptionReaders)
{
    const std::string values[] = {
        "say \"hi\"", "two\nlines", "caf\xc3\xa9", "back\\slash", "tab\there", "\\x41 stays", "# not a comment", "",
        "all \"\n\xc3\xa9\\\t",
    };
    ParamManager::ParamFileSaver::Sections sections;
    for (std::size_t i = 0; i < sizeof values / sizeof values[0]; ++i)
        sections["zarni"].emplace_back(std::to_string(i) + "-value", values[i]);
    sections["tenebrin"].emplace_back("_x", "y");

    const TempDir directory;
    const std::string path = directory.path() + "/options.ini";
    std::ofstream(path, std::ios::binary) << ParamManager::ParamFileSaver::format(sections);
    const auto read = Options::readComponentOptionsFile(path);
    for (std::size_t i = 0; i < sizeof values / sizeof values[0]; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read.at("zarni").at(std::to_string(i) + "-value"), values[i]);
    }
    EXPECT_EQ(read.at("tenebrin").at("_x"), "y");
    EXPECT_EQ(read.size(), 2u);
}
