// The prompts of the text wizard on a real (pseudo) terminal, in a program that
// sets up the termination signals as the installer does: a signal ends a
// waiting prompt at once, the terminal gets its echo back, the end of input
// ends the run.

#include "common/Messages.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// What one run of the prompt host showed and how it ended.
struct TerminalRun {
    std::string skipped;  // why it could not run here
    std::string output;   // everything the terminal showed, "\r\n" line ends
    int exitCode = -1;
    bool echoWhileWaiting = true;
    bool echoAtTheEnd = false;
};

// Starts the prompt host on a pseudo terminal (its controlling terminal), in a
// private IPC namespace (the progress status it marks), waits until `prompt`
// is on the screen, then presses `keys` or sends `signalNumber`.
TerminalRun runInTerminal(const std::vector<std::string>& arguments, const std::string& prompt,
                          const std::string& keys, int signalNumber = 0)
{
    TerminalRun run;
    TempDir lockDirectory;
    std::vector<std::string> argv = {KW_WIZARD_PROMPT_HOST, lockDirectory.path()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());

    int master = -1;
    winsize size = {40, 100, 0, 0};
    std::fflush(nullptr);
    const pid_t pid = ::forkpty(&master, nullptr, nullptr, &size);
    if (pid < 0) {
        run.skipped = "no pseudo terminal here";
        return run;
    }
    if (pid == 0) {
        std::string why;
        if (!enterPrivateIpcNamespace(&why)) _exit(kNamespaceRefused);
        std::vector<char*> args;
        for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        const char* environment[] = {"TERM=xterm", "PATH=/usr/bin:/bin", nullptr};
        ::execve(args[0], args.data(), const_cast<char* const*>(environment));
        _exit(127);
    }
    // The test's own hold on the terminal: its settings stay readable after
    // the host has ended.
    const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);

    std::mutex mutex;
    std::condition_variable shown;
    std::thread reader([&] {
        char buffer[4096];
        for (;;) {
            const ssize_t count = ::read(master, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR) continue;
            if (count <= 0) break;
            std::lock_guard<std::mutex> lock(mutex);
            run.output.append(buffer, static_cast<std::size_t>(count));
            shown.notify_all();
        }
    });
    {
        std::unique_lock<std::mutex> lock(mutex);
        // A guard against a host that never asks, not a measure of speed.
        if (!shown.wait_for(lock, std::chrono::seconds(60),
                            [&] { return run.output.find(prompt) != std::string::npos; }))
            ADD_FAILURE() << "the prompt never came: " << run.output;
    }
    termios settings;
    run.echoWhileWaiting = ::tcgetattr(slave, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
    if (signalNumber != 0)
        ::kill(pid, signalNumber);
    else
        (void)!::write(master, keys.data(), keys.size());

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.echoAtTheEnd = ::tcgetattr(slave, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
    // With the last holder of the terminal gone, the reader sees its end.
    ::close(slave);
    reader.join();
    ::close(master);
    if (run.exitCode == kNamespaceRefused) run.skipped = "a private IPC namespace is not allowed here";
    return run;
}

const std::string kActionPrompt = "Select an action [F/q]: ";
const std::string kTextPrompt = "Login [admin]: ";
const std::string kEnterPrompt = "(press Enter to continue) ";
const std::string kPasswordPrompt = "Password: ";

TEST(TerminalPrompts, ATerminationSignalEndsAWaitingPromptAtOnce)
{
    struct Case {
        const char* name;
        const char* kind;
        std::string prompt;
        std::string keys;
        int signalNumber;
    };
    const Case cases[] = {
        {"Ctrl+C at an action", "action", kActionPrompt, "\x03", 0},
        {"SIGTERM at an action", "action", kActionPrompt, "", SIGTERM},
        {"Ctrl+C at a text prompt", "text", kTextPrompt, "\x03", 0},
        {"SIGTERM at an Enter pause", "enter", kEnterPrompt, "", SIGTERM},
        {"Ctrl+C at a password", "password", kPasswordPrompt, "\x03", 0},
        {"SIGTERM at a password", "password", kPasswordPrompt, "", SIGTERM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TerminalRun run = runInTerminal({c.kind, "--no-clear"}, c.prompt, c.keys, c.signalNumber);
        if (!run.skipped.empty()) GTEST_SKIP() << run.skipped;
        EXPECT_EQ(run.exitCode, 2) << run.output;
        EXPECT_NE(run.output.find(Messages::get("user_canceled")), std::string::npos) << run.output;
        EXPECT_EQ(run.output.find("result "), std::string::npos) << run.output;
        if (std::string(c.kind) == "password") {
            EXPECT_FALSE(run.echoWhileWaiting) << "the password is not echoed";
        }
        EXPECT_TRUE(run.echoAtTheEnd) << "the terminal echoes again";
    }
}

TEST(TerminalPrompts, CtrlDEndsTheRunAsALostSession)
{
    for (const auto& prompt : {std::make_pair("action", kActionPrompt), std::make_pair("text", kTextPrompt),
                               std::make_pair("enter", kEnterPrompt), std::make_pair("password", kPasswordPrompt)}) {
        SCOPED_TRACE(prompt.first);
        const TerminalRun run = runInTerminal({prompt.first, "--no-clear"}, prompt.second, "\x04");
        if (!run.skipped.empty()) GTEST_SKIP() << run.skipped;
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_NE(run.output.find(Messages::get("err_user_lost")), std::string::npos) << run.output;
        EXPECT_TRUE(run.echoAtTheEnd);
    }
}

TEST(TerminalPrompts, AnsweredPromptsGoOn)
{
    const TerminalRun action = runInTerminal({"action", "--no-clear"}, kActionPrompt, "q\r");
    if (!action.skipped.empty()) GTEST_SKIP() << action.skipped;
    EXPECT_EQ(action.exitCode, 0) << action.output;
    EXPECT_NE(action.output.find("result 202"), std::string::npos) << action.output;

    const TerminalRun password = runInTerminal({"password"}, kPasswordPrompt, "hunter2\rhunter2\r");
    EXPECT_EQ(password.exitCode, 0) << password.output;
    EXPECT_FALSE(password.echoWhileWaiting);
    EXPECT_EQ(password.output.find("hunter2"), std::string::npos) << "the typed password is not shown";
    EXPECT_NE(password.output.find("Retype password: "), std::string::npos) << password.output;
    EXPECT_TRUE(password.echoAtTheEnd);
}

TEST(TerminalPrompts, NoClearPrintsLineEndsInsteadOfClearing)
{
    const TerminalRun plain = runInTerminal({"action", "--no-clear"}, kActionPrompt, "q\r");
    if (!plain.skipped.empty()) GTEST_SKIP() << plain.skipped;
    EXPECT_EQ(plain.output.compare(0, 10, "\r\n\r\n\r\n\r\n\r\n"), 0) << plain.output;
    EXPECT_EQ(plain.output.find('\x1b'), std::string::npos) << "no terminal control sequence at all";

    const TerminalRun cleared = runInTerminal({"action"}, kActionPrompt, "q\r");
    EXPECT_NE(cleared.output.find("\x1b[2J"), std::string::npos) << "\"clear\" ran: " << cleared.output;
    EXPECT_NE(cleared.output.compare(0, 10, "\r\n\r\n\r\n\r\n\r\n"), 0);
}

}  // namespace
