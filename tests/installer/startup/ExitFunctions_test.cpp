#include "installer/startup/ExitFunctions.h"

#include "common/Log.h"
#include "common/SystemUtils.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/startup/SystemExit.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/RecordedTools.h"
#include "tests/installer/options/ProcessOptions.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <functional>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// The code of the SystemExit that `call` raises; -1 when it raises none.
int exitCodeOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const driver::SystemExit& exit) {
        return exit.code;
    }
    return -1;
}

// Leaves the options' notification address and the output form as it found them.
class ExitFunctionsTest : public ::testing::Test {
protected:
    void SetUp() override { processOptions(); }
    void TearDown() override
    {
        processOptions().notifyEmail.clear();
        xmlOutput = false;
    }
};

}  // namespace

TEST_F(ExitFunctionsTest, ExitCodes)
{
    struct Case {
        const char* name;
        bool xml;
        std::function<void()> call;
        int expected;
    };
    const std::vector<Case> cases = {
        {"success", false, [] { exitWithSuccess(); }, 0},
        {"success with XML output", true, [] { exitWithSuccess(); }, 0},
        {"error", false, [] { exitWithError(); }, 1},
        {"error with XML output: the document tells", true, [] { exitWithError(); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        xmlOutput = c.xml;
        EXPECT_EQ(exitCodeOf(c.call), c.expected);
    }
}

TEST_F(ExitFunctionsTest, UsableMailAddresses)
{
    struct Case {
        const char* address;
        bool usable;
    };
    const std::vector<Case> cases = {
        {"root@localhost", true}, {"ops+kw@mail.zarni.example", true}, {"", false},
        {"-froot@localhost", false}, {"a b@zarni.example", false}, {"a\tb@zarni.example", false},
        {"a@zarni.example\n", false}, {"a@zarni.example\x7f", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(isUsableMailAddress(c.address), c.usable);
    }
}

// Once a run has reached a driver, each exit sends one notice with its subject
// and the error lines; the "sent" line only follows a mail command that took it.
TEST_F(ExitFunctionsTest, NoticeMailAfterADriverRan)
{
    allowNotificationMail();
    RecordedTools tools({"mail"});
    tools.recordInputAndEnvironment("mail", "");
    processOptions().notifyEmail = "ops@mail.zarni.example";
    const std::string host = getHostName();
    {
        CapturedLog log(1);
        EXPECT_EQ(exitCodeOf([] { exitWithSuccess(); }), 0);
        EXPECT_THAT(log.text(), HasSubstr("A message was sent to ops@mail.zarni.example\n"));
    }
    EXPECT_EQ(tools.calls().at(0), "mail -s The Panel was successfully updated at " + host + " ops@mail.zarni.example");
    EXPECT_THAT(tools.calls(), ::testing::Contains("mail stdin: ---"));
    EXPECT_THAT(tools.calls().back(), "mail stdin: Zarni Installer.");

    tools.fail("mail");
    {
        CapturedLog log(1);
        EXPECT_EQ(exitCodeOf([] { exitWithError(); }), 1);
        EXPECT_THAT(log.text(), ::testing::Not(HasSubstr("A message was sent")));
    }
    std::vector<std::string> subjects;
    for (const std::string& call : tools.calls())
        if (call.compare(0, 8, "mail -s ") == 0) subjects.push_back(call);
    EXPECT_THAT(subjects, ElementsAre("mail -s The Panel was successfully updated at " + host + " ops@mail.zarni.example",
                                      "mail -s Failed to update the Panel at " + host + " ops@mail.zarni.example"));
}

TEST_F(ExitFunctionsTest, AnUnusableAddressGetsNoMail)
{
    allowNotificationMail();
    RecordedTools tools({"mail"});
    processOptions().notifyEmail = "-X/tmp/x@zarni.example";
    CapturedLog log(1);
    EXPECT_EQ(exitCodeOf([] { exitWithError(); }), 1);
    EXPECT_TRUE(tools.calls().empty());
    EXPECT_THAT(log.text(), HasSubstr("Warning: the notification address '-X/tmp/x@zarni.example' is not usable"));
}
