#include "common/SystemCmd.h"

#include "common/Messages.h"
#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string readAll(FILE* stream)
{
    std::string text;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, stream)) text += buffer;
    return text;
}

TEST(SystemCmd, ReadsEveryLineOfALargeOutput)
{
    SystemCmd command("seq 1 300000", SystemCmd::readMode);
    std::size_t lines = 0;
    std::string last;
    char buffer[64];
    while (std::fgets(buffer, sizeof buffer, command.stream)) {
        ++lines;
        last = buffer;
    }
    command.check();
    EXPECT_EQ(lines, 300000u);
    EXPECT_EQ(last, "300000\n");
    EXPECT_EQ(command.stream, nullptr);
}

TEST(SystemCmd, RunsWithTheCLocale)
{
    setenv("LANG", "de_DE.UTF-8", 1);
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    setenv("KW_TEST_KEPT", "kept", 1);
    SystemCmd command("echo \"$LC_ALL $LANG $KW_TEST_KEPT\"", SystemCmd::readMode);
    const std::string output = readAll(command.stream);
    command.check();
    unsetenv("LANG");
    unsetenv("LC_ALL");
    unsetenv("KW_TEST_KEPT");
    EXPECT_EQ(output, "C C kept\n");
}

TEST(SystemCmd, ErrorOutputGoesToTheLogAsItIs)
{
    CapturedLog log(0);
    {
        SystemCmd command("printf 'first' >&2; printf ' second\\n' >&2; exit 3", SystemCmd::readMode);
        EXPECT_EQ(readAll(command.stream), "");
        EXPECT_EQ(command.close(), 3);
        EXPECT_EQ(command.close(), 3);  // the code stays
    }
    EXPECT_EQ(log.text(), "first second\n");
}

TEST(SystemCmd, ExitCodesAndTheirErrors)
{
    const struct Case {
        const char* name;
        std::string command;
        int code;
        std::string program;
    } cases[] = {
        {"success", "true", 0, ""},
        {"non-zero", "exit 3", 3, "exit"},
        {"not found", "kw-no-such-command --flag", 127, "kw-no-such-command"},
        {"env and an assignment before the program", "env LANG=C kw-no-such-command", 127, "kw-no-such-command"},
        {"killed by a signal", "kill -9 $$", 127, "kill"},
    };
    CapturedLog log(0);  // keeps the commands' error output off the test's console
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            SystemCmd command(c.command, SystemCmd::readMode);
            EXPECT_EQ(command.close(), c.code);
        }
        SystemCmd command(c.command, SystemCmd::readMode);
        if (c.code == 0) {
            command.check();
            continue;
        }
        expectError([&] { command.check(); }, {4, 2, 2, 2},
                    "Error " + std::to_string(c.code) + " in execution of " + c.program + "\n");
    }
}

TEST(SystemCmd, AnUncollectedCodeIsCollectedWithWarnings)
{
    CapturedLog log(3);
    {
        SystemCmd command("exit 4", SystemCmd::readMode);
    }
    const std::string text = log.text();
    EXPECT_NE(text.find("Warning: SystemCmd exit code was not checked. (Command was: 'exit 4').\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Warning: unhandled error in execution of command (4) : exit 4\n"), std::string::npos) << text;
}

TEST(SystemCmd, ACheckedCommandLeavesOnlyDebugLines)
{
    Messages::get("Kitwright");  // the catalogue logs its language choice when first used
    CapturedLog log(3);
    {
        SystemCmd command("true", SystemCmd::readMode);
        command.check();
    }
    EXPECT_EQ(log.text(),
              "kitwright: read output of true\n"
              "SystemCmd::~SystemCmd() entry\n"
              "SystemCmd::~SystemCmd() out\n");
}

TEST(SystemCmd, WriteModeFeedsTheCommandsInput)
{
    TempDir dir;
    const std::string file = dir.path() + "/received";
    {
        SystemCmd command("cat > '" + file + "'", SystemCmd::writeMode);
        ASSERT_GE(std::fputs("line one\nline two\n", command.stream), 0);
        command.check();  // closing the stream gives the command its end of file
    }
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "line one\nline two\n");
}

TEST(SystemCmd, ADescendantHoldingTheErrorPipeDoesNotHoldTheCaller)
{
    CapturedLog log(0);
    const auto start = std::chrono::steady_clock::now();
    {
        SystemCmd command("sleep 5 >/dev/null & echo gone >&2", SystemCmd::readMode);
        EXPECT_EQ(readAll(command.stream), "");
        command.check();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 3.0);
    EXPECT_EQ(log.text(), "gone\n");
}

TEST(SystemCmd, TheInstallersDescriptorsDoNotReachTheCommand)
{
    const int leaked = open("/dev/null", O_RDONLY);  // deliberately without close-on-exec
    ASSERT_GE(leaked, 3);
    const std::string fd = std::to_string(leaked);
    SystemCmd command("if [ -e /proc/$$/fd/" + fd + " ]; then echo open; else echo closed; fi", SystemCmd::readMode);
    const std::string output = readAll(command.stream);
    command.check();
    close(leaked);
    EXPECT_EQ(output, "closed\n");
}

}  // namespace
