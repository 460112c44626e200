#include "installer/wizard/TextDlgHello.h"

#include "common/Messages.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

namespace {

TEST(TextDlgHello, GoesForwardOrQuits)
{
    struct Case {
        std::vector<std::string> answers;
        int result;
    };
    const Case cases[] = {
        {{""}, DLG_FORWARD}, {{"f"}, DLG_FORWARD}, {{"F"}, DLG_FORWARD},
        {{"n"}, DLG_FORWARD}, {{"q"}, DLG_QUIT},   {{"Q"}, DLG_QUIT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.answers.front() + "\"");
        ScriptedConsole console(c.answers);
        EXPECT_EQ(TextDlgHello(console).run(), c.result);
        EXPECT_EQ(console.unread(), 0u);
    }
}

TEST(TextDlgHello, HasNoBackKeyAndRetriesWithoutRedrawing)
{
    ScriptedConsole console({"b", "1", "x", "p", ""});
    EXPECT_EQ(TextDlgHello(console).run(), DLG_FORWARD);
    EXPECT_SCREEN(console, "hello-retries.txt");
}

TEST(TextDlgHello, TheEndOfInputEndsTheWizard)
{
    ScriptedConsole console({"x"});
    expectError([&] { TextDlgHello(console).run(); }, {4, 2, 1, 1}, Messages::get("err_user_lost") + "\n");
}

}  // namespace
