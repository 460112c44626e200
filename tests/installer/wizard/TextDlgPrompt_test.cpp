#include "installer/wizard/TextDlgPrompt.h"

#include "common/Messages.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

namespace {

TEST(TextDlgPrompt, StoresTheAnswerOrTheDefault)
{
    struct Case {
        const char* name;
        const char* defaultAnswer;
        const char* line;
        const char* answer;
    };
    const Case cases[] = {
        {"typed over a default", "admin", "operator", "operator"},
        {"Enter keeps the default", "admin", "", "admin"},
        {"blanks are an answer", "admin", "  ", "  "},
        {"no default, Enter", "", "", ""},
        {"no default, typed", "", "mail.zarni.example", "mail.zarni.example"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedConsole console({c.line});
        TextDlgPrompt prompt(console, "Login", c.defaultAnswer);
        EXPECT_EQ(prompt.answer(), "");
        EXPECT_EQ(prompt.run(), DLG_OK);
        EXPECT_EQ(prompt.answer(), c.answer);
    }
}

TEST(TextDlgPrompt, ShowsTheDefaultInBrackets)
{
    ScriptedConsole withDefault({""});
    TextDlgPrompt(withDefault, "Administrator login", "admin").run();
    EXPECT_SCREEN(withDefault, "prompt-with-default.txt");
    ScriptedConsole without({"operator"});
    TextDlgPrompt(without, "Administrator login", "").run();
    EXPECT_SCREEN(without, "prompt-without-default.txt");
}

TEST(TextDlgPrompt, TheEndOfInputEndsTheWizard)
{
    ScriptedConsole console;
    expectError([&] { TextDlgPrompt(console, "Login", "admin").run(); }, {4, 2, 1, 1},
                Messages::get("err_user_lost") + "\n");
}

}  // namespace
