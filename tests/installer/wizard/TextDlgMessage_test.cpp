#include "installer/wizard/TextDlgMessage.h"

#include "common/Messages.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

namespace {

TEST(TextDlgMessage, ShowsTheTextAndWaitsForAnyLine)
{
    for (const char* line : {"", "q"}) {
        SCOPED_TRACE(std::string("\"") + line + "\"");
        CapturedLog log(1);
        ScriptedConsole console({line});
        TextDlgMessage message(console, "No product version was selected.");
        EXPECT_EQ(message.run(), DLG_OK);
        EXPECT_EQ(message.text(), "No product version was selected.");
        EXPECT_EQ(console.unread(), 0u);
    }
    ScriptedConsole console({""});
    TextDlgMessage(console, "Zarni 1.1 moves the mail queue to a new directory.").run();
    EXPECT_SCREEN(console, "message.txt");
}

TEST(TextDlgMessage, TheEndOfInputEndsTheWizard)
{
    ScriptedConsole console;
    expectError([&] { TextDlgMessage(console, "Read this.").run(); }, {4, 2, 1, 1},
                Messages::get("err_user_lost") + "\n");
}

}  // namespace
