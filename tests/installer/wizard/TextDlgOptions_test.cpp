#include "installer/wizard/TextDlgOptions.h"

#include "installer/params/ParamManager.h"

#include "tests/common/CapturedLog.h"
#include "tests/installer/params/ParamFixture.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Components of one product with the settings documents of
// tests/data/wizard/settings.
class SettingsPage : public ::testing::Test {
protected:
    KwComponentPtr own(const std::string& component, const std::string& document)
    {
        const KwComponentPtr owner = owners.component(component);
        params.createParams(owner, settingsDocumentFile(std::string(KW_TEST_DATA_DIR) + "/wizard/settings/" +
                                                        document + ".xml"));
        return owner;
    }

    std::string value(const std::string& id) const
    {
        for (const ParamPtr& param : params.params())
            if (param->getId() == id) return param->getStoredValue();
        ADD_FAILURE() << "no setting " << id;
        return std::string();
    }

    int run(const std::vector<std::string>& answers)
    {
        for (const std::string& answer : answers) console.answer(answer);
        CapturedLog quiet(0);
        TextDlgOptions page(console, params);
        const int result = page.run();
        EXPECT_EQ(console.unread(), 0u);
        return result;
    }

    ParamOwners owners;
    ParamManager params;
    ScriptedConsole console;
};

}  // namespace

TEST_F(SettingsPage, EnumKeepsPicksAndRetries)
{
    own("app", "app");
    // F, then the engine: 0 and 4 are no choice, Enter keeps the second; the
    // workers keep their default; F confirms the component.
    EXPECT_EQ(run({"f", "0", "4", "", "", "f"}), DLG_FORWARD);
    EXPECT_EQ(value("engine"), "b");
    EXPECT_EQ(value("workers"), "4");
    EXPECT_SCREEN(console, "options-enum.txt");

    // Everything is defined now: R asks again, and 3 picks the third choice.
    ScriptedConsole again({"r", "3", "", "f"});
    TextDlgOptions page(again, params);
    EXPECT_EQ(page.run(), DLG_FORWARD);
    EXPECT_EQ(page.mode(), TextDlgOptions::allDefined);
    EXPECT_EQ(value("engine"), "c");
}

TEST_F(SettingsPage, RedoAsksTheComponentAgainThenGoesOn)
{
    own("app", "app");
    own("db", "db");
    EXPECT_EQ(run({"f", "1", "7", "r", "2", "", "", "zarni", "f"}), DLG_FORWARD);
    EXPECT_EQ(value("engine"), "b");
    EXPECT_EQ(value("workers"), "7");
    EXPECT_EQ(value("db-name"), "zarni");
    EXPECT_SCREEN(console, "options-redo.txt");
}

TEST_F(SettingsPage, AllDefinedGoesOnWithoutAQuestion)
{
    own("db", "db");
    console.answer("f");
    console.answer("shop");
    console.answer("f");
    {
        TextDlgOptions page(console, params);
        EXPECT_EQ(page.run(), DLG_FORWARD);
    }
    ScriptedConsole after({"x", "F"});
    TextDlgOptions page(after, params);
    EXPECT_EQ(page.run(), DLG_FORWARD);
    EXPECT_EQ(page.mode(), TextDlgOptions::allDefined);
    EXPECT_THAT(after.text(), Not(HasSubstr("Component: db")));
    EXPECT_THAT(after.text(), HasSubstr("(R) Redefine all parameters\n"));

    ScriptedConsole redefine({"u", "other", "f"});
    TextDlgOptions asked(redefine, params);
    EXPECT_EQ(asked.run(), DLG_FORWARD) << "U works like R here";
    EXPECT_EQ(value("db-name"), "other");
}

TEST_F(SettingsPage, NothingDefinedRefusesUAndR)
{
    own("db", "db");
    EXPECT_EQ(run({"u", "r", "b"}), DLG_BACK);
    EXPECT_THAT(console.text(), HasSubstr("[F/b/q]: <u>\nType one of the characters from the legend above [F/b/q]: "
                                          "<r>\nType one of the characters from the legend above [F/b/q]: <b>\n"));
}

TEST_F(SettingsPage, UndefinedOnlySkipsWhatIsDefined)
{
    own("app", "app");
    own("db", "db");
    // The app settings are defined first, the db one is not: mode 2.
    for (const ParamPtr& param : params.params())
        if (param->getId() == "engine" || param->getId() == "workers") param->setValue(param->getDefault());
    EXPECT_EQ(run({"u", "shop", "f"}), DLG_FORWARD);
    EXPECT_THAT(console.text(), Not(HasSubstr("Storage engine")));
    EXPECT_THAT(console.text(), HasSubstr("1) Component: db"));
    EXPECT_EQ(value("db-name"), "shop");
}

TEST_F(SettingsPage, RejectedIntegerAsksAgain)
{
    own("app", "app");
    EXPECT_EQ(run({"f", "", "100", "abc", "8", "f"}), DLG_FORWARD);
    EXPECT_EQ(value("workers"), "8");
    EXPECT_THAT(console.text(), HasSubstr("Workers [4]: <100>\nA number from 1 to 64"));
}

TEST_F(SettingsPage, PasswordIsTypedTwiceAndNeverShown)
{
    own("web", "secret");
    // Too short, then a mismatch, then a match; the switch as typed; the
    // static text and the hidden value take their defaults.
    EXPECT_EQ(run({"f", "short", "short", "longenough", "different", "longenough", "longenough", "no", "f"}),
              DLG_FORWARD);
    EXPECT_EQ(value("admin-password"), "longenough");
    EXPECT_EQ(value("tls"), "false");
    EXPECT_EQ(value("notes"), "See the notes");
    EXPECT_EQ(value("token"), "t0");
    EXPECT_THAT(console.text(), Not(HasSubstr("longenough")));
    EXPECT_THAT(console.text(), Not(HasSubstr("short>")));
    EXPECT_SCREEN(console, "options-password.txt");
}
