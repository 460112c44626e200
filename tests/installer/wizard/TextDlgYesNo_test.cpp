#include "installer/wizard/TextDlgYesNo.h"

#include "common/Messages.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* answer;
    int result;  // 0: the retry text, then the question waits for another line
};

void expectAnswers(bool defaultYes, std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.answer + "\"");
        ScriptedConsole console({c.answer});
        TextDlgYesNo question(console, "Continue?", defaultYes);
        if (c.result != 0) {
            EXPECT_EQ(question.run(), c.result);
            continue;
        }
        // The retry, then the end of input: never taken as an answer.
        expectError([&] { question.run(); }, {4, 2, 1, 1}, Messages::get("err_user_lost") + "\n");
        EXPECT_NE(console.text().find(Messages::get("yesno_retry")), std::string::npos) << console.text();
    }
}

TEST(TextDlgYesNo, DefaultYes)
{
    expectAnswers(true, {{"", DLG_YES},
                         {"y", DLG_YES},
                         {"Y", DLG_YES},
                         {"yes", DLG_YES},
                         {"YES", DLG_YES},
                         {"Yes", DLG_YES},
                         {"n", DLG_NO},
                         {"N", DLG_NO},
                         {"No", DLG_NO},
                         {"ye", 0},
                         {"yep", 0},
                         {"0", 0},
                         {" y", 0},
                         {"o", 0}});
}

TEST(TextDlgYesNo, DefaultNoTakesNoEmptyAnswer)
{
    expectAnswers(false, {{"", 0}, {"n", DLG_NO}, {"no", DLG_NO}, {"y", DLG_YES}, {"YES", DLG_YES}, {"nope", 0}});
}

TEST(TextDlgYesNo, TheRetryFollowsTheQuestionWithoutRepeatingIt)
{
    {
        ScriptedConsole console({"ye", "0", "YES"});
        EXPECT_EQ(TextDlgYesNo(console, "Do you want to upgrade it?", true).run(), DLG_YES);
        EXPECT_SCREEN(console, "yesno-default-yes-retries.txt");
    }
    {
        ScriptedConsole console({"", "No"});
        EXPECT_EQ(TextDlgYesNo(console, "This can corrupt your data.\nDo you want to continue?", false).run(), DLG_NO);
        EXPECT_SCREEN(console, "yesno-default-no-empty-answer.txt");
    }
}

}  // namespace
