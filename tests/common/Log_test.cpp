#include "common/Log.h"

#include "common/Messages.h"
#include "common/SystemCmd.h"
#include "tests/common/TempDir.h"

#include "tests/common/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
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
        Log::errors.clear();
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

TEST_F(LogTest, OnlyARegularFileOfTheOwnUserIsWrittenOrEmptied)
{
    const std::string path = dir.path() + "/kitwright3.log";
    const std::string target = dir.path() + "/target";
    const struct Case {
        const char* name;
        std::function<void()> plant;
        bool used;
    } cases[] = {
        {"own file", [&] { std::ofstream(path) << "old\n"; }, true},
        {"another user's file",
         [&] {
             std::ofstream(path) << "theirs\n";
             ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
         },
         false},
        {"symbolic link", [&] { ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0); }, false},
        {"second name of another file", [&] { ASSERT_EQ(link(target.c_str(), path.c_str()), 0); }, false},
        {"named pipe", [&] { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(target) << "precious\n";
        c.plant();
        struct stat before;
        ASSERT_EQ(lstat(path.c_str(), &before), 0);
        const std::string content = S_ISREG(before.st_mode) ? readFile(path) : std::string();
        EXPECT_EQ(Log::openFile(path, true), c.used);
        Log(1, true) << "new line";
        Log::stream.reset();
        EXPECT_EQ(readFile(target), "precious\n");
        struct stat after;
        ASSERT_EQ(lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        if (c.used) {
            EXPECT_TRUE(std::regex_match(readFile(path), std::regex(stampPattern + "new line\n"))) << readFile(path);
        } else {
            if (S_ISREG(before.st_mode)) {
                EXPECT_EQ(readFile(path), content);
            }
            EXPECT_THAT(Log::errors.str(), ::testing::HasSubstr("Warning: cannot open the log file " + path));
        }
        ::remove(path.c_str());
    }
}

// The tail of the errors text after its first line, the note on what was dropped.
TEST_F(LogTest, ErrorsKeepABoundedTailThatSaysHowMuchWasDropped)
{
    openLog();
    Log::consoleLevel = -1;
    const std::size_t limit = Log::ErrorsText::maxSize;
    const struct Case {
        const char* name;
        std::function<std::size_t()> write;  // returns the bytes written, 0 when not known
        std::string lastLine;
        bool dropped;
        std::size_t minKept;  // a tail of whole lines may be shorter than the limit
        std::string firstKept;  // how the kept tail begins: at a line start
    } cases[] = {
        {"a few lines",
         [] {
             Log(1, true) << "Error: one";
             Log(0, true) << "two";
             return std::size_t(15);
         },
         "two\n", false, 0, "Error: one\n"},
        {"many short lines",
         [limit] {
             std::size_t total = 0;
             for (std::size_t i = 0; total < 3 * limit; ++i) {
                 const std::string line = "Warning: line " + std::to_string(i) + std::string(200, '.');
                 Log(1, true) << line;
                 total += line.size() + 1;
             }
             Log(1, true) << "Error: last";
             return total + 12;
         },
         "Error: last\n", true, limit - 256, "Warning: line "},
        {"one statement larger than the tail",
         [limit] {
             Log(1, true) << std::string(5 * limit, 'x') + "\nend of the long one";
             return 5 * limit + 21;
         },
         "end of the long one\n", true, 20, "end of the long one\n"},
        {"a command's error output",
         [] {
             SystemCmd command("head -c 3000000 /dev/zero | tr '\\0' e >&2; echo >&2; echo done >&2",
                               SystemCmd::readMode);
             EXPECT_EQ(command.close(), 0);
             return std::size_t(0);
         },
         "done\n", true, 5, "done\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log::errors.clear();
        const std::size_t total = c.write();
        const std::string text = Log::errors.str();
        ASSERT_GE(text.size(), c.lastLine.size());
        EXPECT_EQ(text.substr(text.size() - c.lastLine.size()), c.lastLine);
        if (!c.dropped) {
            EXPECT_EQ(text.size(), total);
            EXPECT_EQ(text.compare(0, c.firstKept.size(), c.firstKept), 0);
            EXPECT_EQ(text.find("dropped"), std::string::npos);
            continue;
        }
        const std::string::size_type noteEnd = text.find('\n');
        ASSERT_NE(noteEnd, std::string::npos);
        const std::string note = text.substr(0, noteEnd + 1);
        std::smatch count;
        ASSERT_TRUE(std::regex_match(note, count,
                                     std::regex("Warning: (\\d+) bytes of earlier errors and warnings were dropped "
                                                "here; the log file has them all\\.\n")))
            << note;
        const std::size_t kept = text.size() - note.size();
        EXPECT_EQ(text.compare(note.size(), c.firstKept.size(), c.firstKept), 0) << text.substr(note.size(), 40);
        EXPECT_LE(kept, limit);
        EXPECT_GE(kept, c.minKept);
        if (total) {
            EXPECT_EQ(std::stoull(count[1]) + kept, total);
        }
    }
}

TEST_F(LogTest, UnopenableFileIsReportedToTheCaller)
{
    EXPECT_FALSE(Log::openFile(dir.path() + "/missing/dir/log", true));
    Log(0, true) << "still on the console";
    EXPECT_EQ(console.str(), "still on the console\n");
}

}  // namespace
