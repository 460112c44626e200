#include "common/Command.h"

#include "common/Lock.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/SystemCmd.h"
#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"

#include "tests/common/TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/mount.h>
#include <sys/shm.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string commandText(const std::string& command)
{
    return (Messages::format("err_exec_cmd") % command).str();
}

std::string numbers(int count)
{
    std::ostringstream text;
    for (int i = 1; i <= count; ++i) text << i << '\n';
    return text.str();
}

TEST(ExecuteCommand, ExitCodesBecomeTheirErrors)
{
    const std::string signalText = Messages::get("err_exec_signal");
    const std::string execText = Messages::get("err_exec_execfail");
    const struct Case {
        const char* name;
        std::string command;
        bool check;
        int code;           // returned when text is empty
        std::string text;   // the error raised
        ErrorCodes codes;
    } cases[] = {
        {"success, checked", "true", true, 0, "", {}},
        {"non-zero, unchecked", "exit 3", false, 3, "", {}},
        {"non-zero, checked", "exit 3", true, 0,
         (Messages::format("err_exec_non_zero") % "exit" % "3").str() + commandText("exit 3"), {0, 0, 0, 0}},
        {"not found, unchecked", "kw-no-such-command -x", false, 127, "", {}},
        {"not found, checked", "kw-no-such-command -x", true, 0,
         (Messages::format("err_exec_cmd_not_found") % "kw-no-such-command").str()
             + commandText("kw-no-such-command -x"),
         {4, 1, 0, 3}},
        {"shell not started, unchecked", "exit 251", false, 0, execText + commandText("exit 251"), {4, 1, 0, 3}},
        {"signal, unchecked", "kill -9 $$", false, 0, signalText + commandText("kill -9 $$"), {4, 2, 0, 2}},
        {"signal, checked", "kill -9 $$", true, 0, signalText + commandText("kill -9 $$"), {4, 2, 0, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CapturedLog log(1);
        if (c.text.empty()) {
            EXPECT_EQ(executeCommand(c.command, false, c.check), c.code);
        } else {
            expectError([&] { executeCommand(c.command, false, c.check); }, c.codes, c.text + "\n");
        }
        if (c.text == signalText + commandText(c.command)) {
            EXPECT_EQ(log.text(), signalText + " (9)\n");
        }
    }
}

TEST(ExecuteCommand, NoOutputIsLost)
{
    std::ostringstream out, err;
    EXPECT_EQ(executeCommand("seq 1 300000; seq 1 300000 >&2", false, true, &out, &err), 0);
    const std::string expected = numbers(300000);
    EXPECT_TRUE(out.str() == expected) << out.str().size() << " bytes instead of " << expected.size();
    EXPECT_TRUE(err.str() == expected) << err.str().size() << " bytes instead of " << expected.size();
}

TEST(ExecuteCommand, EchoShowsBothOutputsUnchangedAndStillFillsTheStreams)
{
    CapturedLog log(0);
    std::ostringstream out, err;
    EXPECT_EQ(executeCommand("printf out-a; printf err-b >&2", true, true, &out, &err), 0);
    EXPECT_EQ(out.str(), "out-a");
    EXPECT_EQ(err.str(), "err-b");
    const std::string console = log.text();
    EXPECT_TRUE(console == "out-aerr-b" || console == "err-bout-a") << console;
}

TEST(ExecuteCommand, RunsWithTheCLocaleAndAnEmptyInput)
{
    setenv("LANGUAGE", "fr", 1);
    std::ostringstream out;
    executeCommand("echo \"$LC_ALL $LANG $LANGUAGE\"; wc -c", false, true, &out);
    unsetenv("LANGUAGE");
    EXPECT_EQ(out.str(), "C C C\n0\n");
}

void recordTermination(int signalNumber)
{
    Progress::onSignal(signalNumber);
}

// A termination test's surroundings: the lock file in a private directory, no
// request recorded, SIGTERM recorded as the installer's handler does; all put
// back at the end. Made inside a private IPC namespace (the status record).
class TerminationScene {
public:
    TerminationScene() : defaultPath_(Lock::filePath())
    {
        Lock::setFilePath(dir_.path() + "/kvo-installer.lock");
        Progress::resetTermination();
        struct sigaction handler;
        std::memset(&handler, 0, sizeof handler);
        handler.sa_handler = recordTermination;
        sigemptyset(&handler.sa_mask);
        installed_ = sigaction(SIGTERM, &handler, &previous_) == 0;
    }
    ~TerminationScene()
    {
        restoreSignal();
        Progress::resetTermination();
        Lock::setFilePath(defaultPath_);
    }
    TerminationScene(const TerminationScene&) = delete;
    TerminationScene& operator=(const TerminationScene&) = delete;

    bool installed() const { return installed_; }
    void restoreSignal()
    {
        if (installed_) sigaction(SIGTERM, &previous_, nullptr);
        installed_ = false;
    }

private:
    TempDir dir_;
    std::string defaultPath_;
    struct sigaction previous_;
    bool installed_ = false;
};

TEST(ExecuteCommand, SigtermStopsTheCommandAndInterrupts)
{
    std::string why;
    if (!enterPrivateIpcNamespace(&why)) GTEST_SKIP() << why;
    TerminationScene scene;
    ASSERT_TRUE(scene.installed());
    CapturedLog log(3);

    // The command itself sends SIGTERM to the installer (its parent), then sleeps.
    const auto start = std::chrono::steady_clock::now();
    int interruptedBy = 0;
    try {
        executeCommand("kill -TERM $PPID; exec sleep 30", false, true);
        ADD_FAILURE() << "the command ran to its end";
    } catch (const Progress::Interrupted& interrupted) {
        interruptedBy = interrupted.signal();
    } catch (const error& failure) {
        ADD_FAILURE() << failure.text();
    }
    const double seconds = secondsSince(start);
    scene.restoreSignal();

    EXPECT_EQ(interruptedBy, SIGTERM);
    EXPECT_LT(seconds, 1.5);
    EXPECT_NE(log.text().find("DEBUG: send SIGTERM to child process "), std::string::npos) << log.text();
    {
        Progress::SharedStatus status;
        EXPECT_TRUE(status.isShared());
        EXPECT_EQ(status.data().finished, 1);
        EXPECT_EQ(status.data().failed, 1);
        EXPECT_EQ(std::string(status.data().error), Messages::get("user_canceled"));
    }
}

// A command run to its end: the same SIGTERM is only logged while it runs, the
// command finishes in a process group of its own, and the request is acted on
// at the caller's next check.
TEST(ExecuteCommand, ACommandRunToItsEndDefersTheTermination)
{
    std::string why;
    if (!enterPrivateIpcNamespace(&why)) GTEST_SKIP() << why;
    TerminationScene scene;
    ASSERT_TRUE(scene.installed());
    CapturedLog log(3);

    // The command signals the installer, then reports whether it leads its own
    // process group (the fifth field of its stat line is the group).
    std::ostringstream out;
    int code = -1;
    try {
        code = executeCommandToEnd("kill -TERM $PPID; set -- $(cat /proc/$$/stat); "
                                   "[ \"$5\" = \"$$\" ] && echo own group; exit 3",
                                   false, &out, nullptr, "waiting for the package manager to finish");
    } catch (...) {
        ADD_FAILURE() << "the command was cut short";
    }
    EXPECT_EQ(code, 3);
    EXPECT_EQ(out.str(), "own group\n");
    int interruptedBy = 0;
    try {
        Progress::checkTermination();
    } catch (const Progress::Interrupted& interrupted) {
        interruptedBy = interrupted.signal();
    }
    scene.restoreSignal();
    EXPECT_EQ(interruptedBy, SIGTERM);
    EXPECT_NE(log.text().find("waiting for the package manager to finish"), std::string::npos) << log.text();
    EXPECT_EQ(log.text().find("DEBUG: send SIGTERM to child process "), std::string::npos) << log.text();
}

// Covers /bin/sh with a file that cannot be executed, in a private mount namespace.
bool hideTheShell(const std::string& dir)
{
    const std::string fake = dir + "/not-a-shell";
    std::ofstream(fake) << "not a program\n";
    chmod(fake.c_str(), 0644);
    if (mount(fake.c_str(), "/bin/sh", nullptr, MS_BIND, nullptr) != 0) {
        std::fprintf(stderr, "cannot cover /bin/sh: %s\n", std::strerror(errno));
        return false;
    }
    return true;
}

TEST(ExecuteCommand, AShellThatCannotBeExecutedIsReported)
{
    TempDir dir;
    const int result = runInPrivateMountNamespace([&dir] {
        if (!hideTheShell(dir.path())) return 2;
        int failures = 0;
        try {
            executeCommand("true", false, false);
            ++failures;
            std::fprintf(stderr, "executeCommand returned\n");
        } catch (const error& failure) {
            if (failure.text() != Messages::get("err_exec_execfail") + commandText("true") + "\n"
                || failure.errorClass() != 4 || failure.support() != 3) {
                ++failures;
                std::fprintf(stderr, "unexpected error: %s\n", failure.text().c_str());
            }
        }
        try {
            getCommandOutput("true");
            ++failures;
            std::fprintf(stderr, "getCommandOutput returned\n");
        } catch (const error& failure) {
            if (failure.text() != "Error in execution of 'true'\n") ++failures;
        }
        return failures == 0 ? 0 : 1;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "private mount namespaces are not allowed here";
    EXPECT_EQ(result, 0);
}

TEST(GetCommandOutput, ReturnsTrimmedLines)
{
    const struct Case {
        const char* name;
        std::string command;
        std::string arguments;
        std::vector<std::string> expected;
    } cases[] = {
        {"blanks around, an empty line", "printf '  a  \\n\\nb\\n'", "", {"a", "", "b"}},
        {"arguments are appended", "echo", "x  y", {"x y"}},
        {"a last line without line end", "printf 'one\\ntwo'", "", {"one", "two"}},
        {"no output", "true", "", {}},
        {"a line longer than any buffer stays one line", "printf '%05000d\\n' 7", "",
         {std::string(4999, '0') + "7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(getCommandOutput(c.command, c.arguments), c.expected);
    }
}

TEST(GetCommandOutput, ReturnsEveryLine)
{
    const std::vector<std::string> lines = getCommandOutput("seq", "1 300000");
    ASSERT_EQ(lines.size(), 300000u);
    EXPECT_EQ(lines.front(), "1");
    EXPECT_EQ(lines.back(), "300000");
}

TEST(GetCommandOutput, KeepsTheInstallersEnvironment)
{
    setenv("LANG", "kw_TEST", 1);
    const std::vector<std::string> lines = getCommandOutput("echo $LANG");
    unsetenv("LANG");
    EXPECT_EQ(lines, std::vector<std::string>{"kw_TEST"});
}

TEST(GetCommandOutput, AFailingCommandRaises)
{
    for (const std::string command : {"false", "echo partial; exit 2", "kill -9 $$"}) {
        SCOPED_TRACE(command);
        expectError([&] { getCommandOutput(command); }, {4, 2, 2, 2},
                    "Error in execution of '" + programName(command) + "'\n");
    }
}

// A command that leaves a background process holding its output pipes (as a
// maintainer script may start a daemon): every runner returns once the command
// itself has ended, with all it wrote.
TEST(CommandRunners, ABackgroundChildHoldingTheOutputDoesNotHoldTheCaller)
{
    const std::string command = "echo first; sleep 300 & echo $!; echo last >&2; echo last";
    const struct Case {
        const char* name;
        std::function<std::vector<std::string>()> run;
    } cases[] = {
        {"getCommandOutput", [&] { return getCommandOutput(command); }},
        {"SystemCmd",
         [&] {
             SystemCmd reader(command, SystemCmd::readMode);
             std::vector<std::string> lines;
             char line[256];
             while (std::fgets(line, sizeof line, reader.stream)) lines.push_back(std::string(line, std::strcspn(line, "\n")));
             reader.check();
             return lines;
         }},
        {"executeCommand",
         [&] {
             std::ostringstream output;
             executeCommand(command, false, true, &output);
             std::vector<std::string> lines;
             std::istringstream in(output.str());
             for (std::string line; std::getline(in, line);) lines.push_back(line);
             return lines;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CapturedLog log(0);
        const std::vector<std::string> lines = c.run();
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], "first");
        EXPECT_EQ(lines[2], "last");
        // The background child is still there; this test ends it.
        const pid_t background = static_cast<pid_t>(std::stol(lines[1]));
        EXPECT_EQ(kill(background, SIGKILL), 0);
    }
}

TEST(GetCommandOutputLine, GivesTheFirstLineOrRaises)
{
    EXPECT_EQ(getCommandOutputLine("printf", "'first\\nsecond\\n'"), "first");
    if (const auto failure = expectError([] { getCommandOutputLine("true", "--quiet"); })) {
        EXPECT_EQ(failure->text(), (Messages::format("err_empty_output") % "true").str() + commandText("true") + "\n");
        EXPECT_EQ(failure->errorClass(), 0);
    }
}

TEST(ProgramName, NamesTheProgramOfACommandLine)
{
    const struct Case {
        std::string line;
        std::string expected;
    } cases[] = {
        {"rpm -qa", "rpm"},
        {"env LANG=C LC_ALL=C rpm -qa --queryformat x", "rpm"},
        {"  env   A=1   dpkg-query -W", "dpkg-query"},
        {"sh -c 'ls'", "-c"},
        {"/bin/sh -c ls", "/bin/sh"},
        {"A=1 env sh", "A=1 env sh"},
        {"", ""},
        {"   ", "   "},
        {"a\tb c", "a\tb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(programName(c.line), c.expected);
    }
}

// Reads the FIFO to its end, waiting at most ten seconds for each piece.
std::string readFifo(int fd)
{
    std::string text;
    char buffer[4096];
    for (;;) {
        struct pollfd watched = {fd, POLLIN, 0};
        if (poll(&watched, 1, 10000) <= 0) return text + "<timeout>";
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EAGAIN) continue;
        if (got <= 0) return text;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

// A tmpfs over the control groups, holding the file the given path names.
bool fakeCgroups(const char* file)
{
    if (mount("tmpfs", "/sys/fs/cgroup", "tmpfs", 0, nullptr) != 0) return false;
    if (!file) return true;
    std::string path(file);
    const std::string directory = path.substr(0, path.rfind('/'));
    if (std::system(("mkdir -p " + directory).c_str()) != 0) return false;
    std::ofstream(path).flush();
    return true;
}

TEST(ExecuteInBackground, StartsDetachedFeedsTheInputAndReturnsAtOnce)
{
    TempDir dir;
    const int result = runInPrivateMountNamespace([&dir] {
        const char* cgroup = "/sys/fs/cgroup/unified/system.slice/cgroup.procs";
        if (!fakeCgroups(cgroup)) return 2;
        const std::string fifo = dir.path() + "/fifo";
        if (mkfifo(fifo.c_str(), 0600) != 0) return 3;
        const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        if (reader < 0) return 4;

        std::string input;
        for (int i = 0; i < 1000; ++i) input += "line " + std::to_string(i) + "\n";
        const auto start = std::chrono::steady_clock::now();
        // The shell's own descriptors 1 and 2, then the input, go into the FIFO.
        executeInBackground("where=$(readlink /proc/$$/fd/1 /proc/$$/fd/2); exec 3>'" + fifo
                                + "'; echo \"$where\" >&3; cat >&3; exec 3>&-; exec sleep 5",
                            &input);
        const double seconds = secondsSince(start);
        const std::string received = readFifo(reader);
        int failures = 0;
        if (seconds > 2.0) {
            ++failures;
            std::fprintf(stderr, "executeInBackground took %.1f s\n", seconds);
        }
        if (received != "/dev/null\n/dev/null\n" + input) {
            ++failures;
            std::fprintf(stderr, "received %zu bytes: %.200s\n", received.size(), received.c_str());
        }
        if (readFile(cgroup) != "0") {
            ++failures;
            std::fprintf(stderr, "the command did not leave the control group\n");
        }
        return failures == 0 ? 0 : 1;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "private mount namespaces are not allowed here";
    EXPECT_EQ(result, 0);
}

// The command reads its input only once the caller has returned: the caller
// must not wait for it (1 MiB is many times what a pipe holds).
TEST(ExecuteInBackground, NeverWaitsForTheCommandToReadItsInput)
{
    TempDir dir;
    const int result = runInPrivateMountNamespace([&dir] {
        if (!fakeCgroups(nullptr)) return 2;
        const std::string gate = dir.path() + "/gate";
        const std::string done = dir.path() + "/done";
        const std::string received = dir.path() + "/received";
        if (mkfifo(gate.c_str(), 0600) != 0 || mkfifo(done.c_str(), 0600) != 0) return 3;
        std::string input;
        for (int i = 0; input.size() < (std::size_t(1) << 20); ++i) input += "input line " + std::to_string(i) + "\n";

        executeInBackground("cat '" + gate + "' >/dev/null; cat >'" + received + "'; echo finished >'" + done + "'",
                            &input);
        // Only now does the command begin to read.
        const int opened = open(gate.c_str(), O_WRONLY);
        if (opened < 0) return 4;
        close(opened);
        const int finished = open(done.c_str(), O_RDONLY);
        if (finished < 0) return 5;
        const std::string note = readFifo(finished);
        close(finished);
        if (note != "finished\n") return 6;
        if (readFile(received) != input) {
            std::fprintf(stderr, "received %zu of %zu bytes\n", readFile(received).size(), input.size());
            return 7;
        }
        return 0;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "private mount namespaces are not allowed here";
    EXPECT_EQ(result, 0);
}

TEST(ExecuteInBackground, AShellThatCannotBeExecutedIsLogged)
{
    TempDir dir;
    const int result = runInPrivateMountNamespace([&dir] {
        if (!fakeCgroups(nullptr) || !hideTheShell(dir.path())) return 2;
        Messages::get("Kitwright");  // the catalogue logs its language choice when first used
        CapturedLog log(1);
        executeInBackground("true");
        const std::string expected = Messages::get("err_exec_execfail") + " (" + std::strerror(EACCES) + ")\n";
        if (log.text() != expected) {
            std::fprintf(stderr, "logged: %s\n", log.text().c_str());
            return 1;
        }
        return 0;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "private mount namespaces are not allowed here";
    EXPECT_EQ(result, 0);
}

TEST(DetachFromCgroups, WritesZeroToTheFirstWritableFileOrWarns)
{
    const struct Case {
        const char* name;
        const char* file;  // the one file that exists
        bool warned;
    } cases[] = {
        {"neither file", nullptr, true},
        {"the unified hierarchy", "/sys/fs/cgroup/unified/system.slice/cgroup.procs", false},
        {"the systemd hierarchy", "/sys/fs/cgroup/systemd/system.slice/tasks", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int result = runInPrivateMountNamespace([&c] {
            if (!fakeCgroups(c.file)) return 2;
            CapturedLog log(3);
            detachFromCgroups();
            const std::string warning =
                "Warning: Failed to detach from parents cgroup, installer might be unexpectedly killed later by the "
                "system\n";
            const std::string expected = "DEBUG: detaching from current cgroups\n" + (c.warned ? warning : "");
            if (log.text() != expected) {
                std::fprintf(stderr, "logged: %s\n", log.text().c_str());
                return 1;
            }
            if (c.file && readFile(c.file) != "0") return 3;
            return 0;
        });
        if (result == kNamespaceRefused) GTEST_SKIP() << "private mount namespaces are not allowed here";
        EXPECT_EQ(result, 0);
    }
}

}  // namespace

// A program asked directly gets its arguments as they are (no shell reads them),
// an empty standard input, and only its first line counts; a failing or silent
// program is an error.
TEST(GetProgramOutputLine, RunsTheFileWithoutAShell)
{
    TempDir directory;
    const std::string program = directory.path() + "/answer";
    writeFileWithDirectories(program, "#!/bin/sh\n"
                                      "read line && exit 3\n"
                                      "case \"$1\" in\n"
                                      "  fail) exit 4 ;;\n"
                                      "  silent) exit 0 ;;\n"
                                      "esac\n"
                                      "printf '  %s  \\nsecond\\n' \"$1\"\n");
    ASSERT_EQ(::chmod(program.c_str(), 0700), 0);

    EXPECT_EQ(getProgramOutputLine(program, {"a; touch " + directory.path() + "/hit"}, 30),
              "a; touch " + directory.path() + "/hit");
    struct stat info;
    EXPECT_NE(::stat((directory.path() + "/hit").c_str(), &info), 0);

    for (const char* argument : {"fail", "silent"}) {
        SCOPED_TRACE(argument);
        expectError([&] { getProgramOutputLine(program, {argument}, 30); }, {4, 2, 2, 2},
                    "Error in execution of '" + program + "'\n");
    }
    expectError([&] { getProgramOutputLine(directory.path() + "/missing", {}, 30); }, {4, 2, 2, 2},
                "Error in execution of '" + directory.path() + "/missing'\n");
}
