#include "installer/wizard/Pager.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using ::testing::HasSubstr;

TEST(Pager, ProgramGetsItsArgumentsAsGivenAndTheTextOnItsInput)
{
    TempDir dir;
    const std::string seen = dir.path() + "/seen";
    // No shell between: the quote and the blank reach the program as they are.
    const std::string prompt = "-Pm'q' to return";
    ASSERT_TRUE(Pager::show({"/bin/sh", "-c", "printf '%s\\n' \"$0\" >\"$1\"; cat >>\"$1\"", prompt, seen},
                            "line 1\nline 2\n"));
    EXPECT_EQ(readFile(seen), prompt + "\nline 1\nline 2\n");
}

TEST(Pager, ProgramThatCannotStartShowsNothing)
{
    CapturedLog log(2);
    EXPECT_FALSE(Pager::show({"/nonexistent/pager", "-d"}, "text\n"));
    EXPECT_THAT(log.text(), HasSubstr("Warning: cannot run /nonexistent/pager: No such file or directory"));
}

TEST(Pager, PagerLeftBeforeTheEndIsNoFailure)
{
    // Far more than a pipe holds: the write meets the closed pipe.
    std::string text;
    while (text.size() < 1024 * 1024) text += "a line of the package list\n";
    CapturedLog log(2);
    EXPECT_TRUE(Pager::show({"/bin/sh", "-c", "read -r line"}, text));
    EXPECT_EQ(log.text(), "");
}
