#include "installer/wizard/TerminalConsole.h"

#include "common/Progress.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <thread>

namespace {

// A pipe whose read end is the console's input.
class InputPipe {
public:
    InputPipe()
    {
        if (::pipe2(ends_, O_CLOEXEC) != 0) ends_[0] = ends_[1] = -1;
    }
    ~InputPipe()
    {
        closeWriteEnd();
        if (ends_[0] >= 0) ::close(ends_[0]);
    }
    int readEnd() const { return ends_[0]; }
    void write(const std::string& text) { ASSERT_EQ(::write(ends_[1], text.data(), text.size()), ssize_t(text.size())); }
    void closeWriteEnd()
    {
        if (ends_[1] >= 0) ::close(ends_[1]);
        ends_[1] = -1;
    }

private:
    int ends_[2];
};

// A pseudo terminal for the password reads: the console opens the device by
// name, the test types on the master side.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        char name[256];
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0) name_ = name;
    }
    ~PseudoTerminal()
    {
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
    }
    bool ready() const { return !name_.empty(); }
    const std::string& name() const { return name_; }
    void type(const std::string& text) { ASSERT_EQ(::write(master_, text.data(), text.size()), ssize_t(text.size())); }
    bool echoes() const
    {
        termios now;
        return ::tcgetattr(slave_, &now) == 0 && (now.c_lflag & ECHO) != 0;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string name_;
};

TEST(TerminalConsole, ReadsOneLineAtATimeAndLeavesTheRest)
{
    InputPipe input;
    input.write("first\n\nthird line \nrest");
    std::ostringstream out;
    TerminalConsole console(input.readEnd(), out, "/nonexistent/tty");
    std::string line;
    ASSERT_TRUE(console.readLine(line));
    EXPECT_EQ(line, "first");
    ASSERT_TRUE(console.readLine(line));
    EXPECT_EQ(line, "");
    ASSERT_TRUE(console.readLine(line));
    EXPECT_EQ(line, "third line ");
    char left[8] = {};
    EXPECT_EQ(::read(input.readEnd(), left, sizeof left), 4) << "bytes after the line stay unread";
    EXPECT_EQ(std::string(left), "rest");
}

TEST(TerminalConsole, TheEndOfInputIsNoLine)
{
    struct Case {
        const char* name;
        const char* input;
    };
    const Case cases[] = {{"nothing", ""}, {"text without a line end", "yes"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputPipe input;
        input.write(c.input);
        input.closeWriteEnd();
        std::ostringstream out;
        TerminalConsole console(input.readEnd(), out, "/nonexistent/tty");
        std::string line;
        EXPECT_FALSE(console.readLine(line));
    }
    std::ostringstream out;
    std::string line;
    EXPECT_FALSE(TerminalConsole(-1, out, "/nonexistent/tty").readLine(line)) << "a closed descriptor";
}

TEST(TerminalConsole, AnEndlessLineIsCut)
{
    InputPipe input;
    std::ostringstream out;
    TerminalConsole console(input.readEnd(), out, "/nonexistent/tty");
    std::thread writer([&] {
        input.write(std::string(TerminalConsole::maxLineLength + 1000, 'y') + "\nnext\n");
        input.closeWriteEnd();
    });
    std::string line;
    EXPECT_TRUE(console.readLine(line));
    EXPECT_EQ(line, std::string(TerminalConsole::maxLineLength, 'y'));
    EXPECT_TRUE(console.readLine(line));
    EXPECT_EQ(line, "next");
    writer.join();
}

TEST(TerminalConsole, APasswordIsReadFromTheTerminalWithoutEcho)
{
    PseudoTerminal terminal;
    if (!terminal.ready()) GTEST_SKIP() << "no pseudo terminal here";
    InputPipe input;
    std::ostringstream out;
    TerminalConsole console(input.readEnd(), out, terminal.name());
    ASSERT_TRUE(terminal.echoes());
    terminal.type("s3cret\n");
    std::string password;
    ASSERT_TRUE(console.readPassword("Password: ", password));
    EXPECT_EQ(password, "s3cret");
    EXPECT_EQ(out.str(), "Password: \n") << "the prompt, and a line end for the Enter that was not echoed";
    EXPECT_TRUE(terminal.echoes()) << "echo is back";
}

TEST(TerminalConsole, NoTerminalGivesNoPassword)
{
    InputPipe input;
    input.write("s3cret\n");
    std::ostringstream out;
    std::string password;
    EXPECT_FALSE(TerminalConsole(input.readEnd(), out, "/nonexistent/tty").readPassword("Password: ", password));
    EXPECT_FALSE(TerminalConsole(input.readEnd(), out, "/dev/null").readPassword("Password: ", password))
        << "a device that is no terminal";
    EXPECT_EQ(password, "");
}

class TerminalConsoleTermination : public WizardTest {};

TEST_F(TerminalConsoleTermination, ASignalEndsAWaitForInput)
{
    InputPipe input;
    std::ostringstream out;
    TerminalConsole console(input.readEnd(), out, "/nonexistent/tty");
    // Whether the signal comes before the wait or during it, the wait ends
    // with the interruption, and no input ever comes.
    std::thread signal([] { Progress::onSignal(SIGTERM); });
    std::string line;
    EXPECT_THROW(console.readLine(line), Progress::Interrupted);
    signal.join();
}

TEST_F(TerminalConsoleTermination, AnInterruptedPasswordEntryRestoresTheEcho)
{
    PseudoTerminal terminal;
    if (!terminal.ready()) GTEST_SKIP() << "no pseudo terminal here";
    InputPipe input;
    std::ostringstream out;
    TerminalConsole console(input.readEnd(), out, terminal.name());
    std::thread signal([] { Progress::onSignal(SIGINT); });
    std::string password;
    EXPECT_THROW(console.readPassword("Password: ", password), Progress::Interrupted);
    signal.join();
    EXPECT_TRUE(terminal.echoes());
}

TEST_F(TerminalConsoleTermination, AHangupInACancelUnsafeSectionLetsTheWaitGoOn)
{
    InputPipe input;
    std::ostringstream out;
    TerminalConsole console(input.readEnd(), out, "/nonexistent/tty");
    Progress::markCancelUnsafe();
    Progress::onSignal(SIGHUP);
    // The line comes after the hangup was seen and put aside.
    std::thread writer([&] { input.write("later\n"); });
    std::string line;
    EXPECT_TRUE(console.readLine(line));
    EXPECT_EQ(line, "later");
    writer.join();
    Progress::markCancelSafe();
    EXPECT_THROW(Progress::checkTermination(), Progress::Interrupted);
}

}  // namespace
