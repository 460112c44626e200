#include "common/Log.h"

#include "common/Messages.h"
#include "tests/common/TempDir.h"

#include "tests/common/TestFiles.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

namespace {

// Puts the process-wide log state back to its start-up values around every test.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override
    {
        reset();
        // The console stream dies with the test: later tests must not write to it.
        Log::console = &std::cerr;
    }

    void reset()
    {
        Log::stream.reset();
        Log::pending.str("");
        Log::errors.str("");
        Log::fileLevel = 2;
        Log::consoleLevel = 0;
        Log::lineStart = true;
        Log::depth = 0;
        Log::progressWidth = 0;
        Log::interactive = false;
        Log::console = &console;
        console.str("");
    }

    std::string openLog()
    {
        const std::string path = dir.path() + "/kitwright3.log";
        EXPECT_TRUE(Log::openFile(path, true));
        return path;
    }

    TempDir dir;
    std::ostringstream console;
};

const std::string stampPattern = R"(\[\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{6}\] )";

TEST_F(LogTest, FileLinesCarryTimeStampsWithMicroseconds)
{
    const std::string path = openLog();
    Log(2, true) << "first " << 1;
    Log(1, false) << "part";
    Log(1, true) << " rest";
    Log(2, true) << "multi\nline";
    EXPECT_TRUE(std::regex_match(readFile(path), std::regex(stampPattern + "first 1\n" + stampPattern +
                                                            "part rest\n" + stampPattern + "multi\nline\n")))
        << readFile(path);
}

TEST_F(LogTest, FileIsCreatedPrivateAndPendingTextComesFirst)
{
    Log(2, true) << "before opening";
    const std::string path = openLog();
    Log(2, true) << "after opening";
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(std::regex_match(readFile(path),
                                 std::regex(stampPattern + "before opening\n" + stampPattern + "after opening\n")))
        << readFile(path);
    EXPECT_EQ(Log::fileName(), path);
}

// The descriptor that refers to the path, or -1.
int openDescriptorOf(const std::string& path)
{
    DIR* fds = opendir("/proc/self/fd");
    if (!fds) return -1;
    int found = -1;
    while (dirent* entry = readdir(fds)) {
        char target[4096];
        const std::string link = std::string("/proc/self/fd/") + entry->d_name;
        const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
        if (length > 0 && std::string(target, static_cast<std::size_t>(length)) == path) found = std::atoi(entry->d_name);
    }
    closedir(fds);
    return found;
}

TEST_F(LogTest, CommandsDoNotInheritTheLogFile)
{
    const std::string path = openLog();
    const int fd = openDescriptorOf(path);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(fcntl(fd, F_GETFD) & FD_CLOEXEC);
}

TEST_F(LogTest, AppendModeKeepsEarlierText)
{
    const std::string path = dir.path() + "/append.log";
    std::ofstream(path) << "old line\n";
    ASSERT_TRUE(Log::openFile(path, false));
    Log(2, true) << "new";
    EXPECT_EQ(readFile(path).rfind("old line\n[", 0), 0u);
}

TEST_F(LogTest, LevelsRouteToTheirDestinations)
{
    const std::string path = openLog();
    Log(0, true) << "operator";
    Log(1, true) << "warning";
    Log(3, true) << "debug";
    Log(2, true) << "info";
    EXPECT_EQ(console.str(), "operator\n");
    EXPECT_EQ(Log::errors.str(), "operator\nwarning\n");
    const std::string file = readFile(path);
    EXPECT_NE(file.find("operator"), std::string::npos);
    EXPECT_EQ(file.find("debug"), std::string::npos);
    EXPECT_NE(file.find("] info\n"), std::string::npos);

    Log::consoleLevel = -1;
    Log(0, true) << "silenced";
    EXPECT_EQ(console.str(), "operator\n");
}

TEST_F(LogTest, DebugAboveThresholdLeavesLineStartAlone)
{
    const std::string path = openLog();
    Log(2, false) << "open ";
    Log(3, true) << "dropped";
    Log(2, true) << "closed";
    EXPECT_TRUE(std::regex_match(readFile(path), std::regex(stampPattern + "open closed\n"))) << readFile(path);
}

TEST_F(LogTest, DepthAddsHashesAfterTheStamp)
{
    const std::string path = openLog();
    Log::depth = 2;
    Log(2, true) << "nested";
    EXPECT_TRUE(std::regex_match(readFile(path), std::regex(stampPattern + "##nested\n"))) << readFile(path);
}

TEST_F(LogTest, EmptyInsertionAndRawOutput)
{
    const std::string path = openLog();
    Log(2, true) << std::string();
    {
        Log raw(0, false);
        raw.writeRaw("", 0);
        const char bytes[] = "\xC3\xA9 b\t\r\n";
        raw.writeRaw(bytes, sizeof bytes - 1);
    }
    Log(2, true) << "next";
    // The raw chunk ended with a newline but no statement re-armed the line start.
    EXPECT_TRUE(std::regex_match(readFile(path), std::regex(stampPattern + "~empty\n" + stampPattern + " b\nnext\n")))
        << readFile(path);
    EXPECT_EQ(console.str(), "\xC3\xA9 b\t\r\n");
}

TEST_F(LogTest, ValuesTakeTheirStreamForm)
{
    const std::string path = openLog();
    Log(2, true) << true << ' ' << std::hex << 255 << std::vector<std::string>{"a", "b"};
    EXPECT_NE(readFile(path).find("] true ff 'a' 'b'\n"), std::string::npos) << readFile(path);
}

TEST_F(LogTest, TransientProgressLinesNeedAnInteractiveConsole)
{
    const std::string path = openLog();
    Log(0, Log::modeProgress) << "abcdef";
    EXPECT_EQ(console.str(), "");
    EXPECT_EQ(Log::progressWidth, 6u);

    Log::interactive = true;
    Messages::setLocale("en_US");
    Log(0, Log::modeProgress) << "abc";
    EXPECT_EQ(console.str(), "abc   " + std::string(6, '\b'));
    EXPECT_EQ(Log::progressWidth, 3u);
    EXPECT_EQ(readFile(path).find("abc"), std::string::npos);

    console.str("");
    Log(0, Log::modeProgressLogged) << "xy";
    EXPECT_EQ(console.str(), "xy " + std::string(3, '\b'));
    EXPECT_NE(readFile(path).find("] xy\n"), std::string::npos);
}

TEST_F(LogTest, ProgressLinesAreOrdinaryLinesInWideScriptLanguages)
{
    const std::string path = openLog();
    Log::interactive = true;
    Messages::setLocale("ja_JP");
    EXPECT_FALSE(Log::isProgressOutputAllowed());
    Log(0, Log::modeProgressLogged) << "step";
    EXPECT_EQ(console.str().substr(console.str().size() - 5), "step\n");
    EXPECT_NE(readFile(path).find("] step\n"), std::string::npos);
    Messages::setLocale("de_DE");
    EXPECT_TRUE(Log::isProgressOutputAllowed());
}

TEST_F(LogTest, ConsoleMessagesCapture)
{
    const std::string path = openLog();
    Log(2, true) << "before capture";
    Log::ConsoleMessages capture;
    Log(0, false) << "x\ny";

    std::size_t delta = 0;
    EXPECT_EQ(capture.getNewLines(&delta), "x\n");
    EXPECT_EQ(delta, 2u);
    EXPECT_EQ(capture.getNewLines(&delta), "");
    EXPECT_EQ(capture.getText(&delta), "x\ny");
    EXPECT_EQ(delta, 3u);

    Log(0, true) << "";
    Log(2, true) << "not captured";
    EXPECT_EQ(capture.getText(&delta), "x\ny~empty\n");

    const std::string sinceCapture = capture.get_log(1 << 20);
    EXPECT_EQ(sinceCapture.find("before capture"), std::string::npos);
    EXPECT_NE(sinceCapture.find("not captured"), std::string::npos);

    // A window that starts inside "y~empty" is moved on to the next line start.
    const std::string tail = capture.get_log(50);
    EXPECT_TRUE(std::regex_match(tail, std::regex(stampPattern + "not captured\n"))) << tail;
}

TEST_F(LogTest, CaptureTextIsLimited)
{
    openLog();
    Log::ConsoleMessages capture;
    Log(0, false) << std::string(Log::ConsoleMessages::maxTextSize + 10, 'z');
    std::size_t delta = 0;
    EXPECT_EQ(capture.getText(&delta).size(), Log::ConsoleMessages::maxTextSize);
    EXPECT_EQ(delta, Log::ConsoleMessages::maxTextSize);
}

TEST_F(LogTest, UnopenableFileIsReportedToTheCaller)
{
    EXPECT_FALSE(Log::openFile(dir.path() + "/missing/dir/log", true));
    Log(0, true) << "still on the console";
    EXPECT_EQ(console.str(), "still on the console\n");
}

}  // namespace
