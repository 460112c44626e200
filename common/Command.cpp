#include "common/Command.h"

#include "common/ChildOutput.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/POpen.h"
#include "common/Progress.h"
#include "common/ShellLaunch.h"
#include "common/error.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

// The service manager's control-group files through which a process moves itself
// into "system.slice" (cgroup v2 unified hierarchy first, then v1).
const char* const kCgroupFiles[] = {
    "/sys/fs/cgroup/unified/system.slice/cgroup.procs",
    "/sys/fs/cgroup/systemd/system.slice/tasks",
};

// Closes a descriptor when the scope ends.
class Descriptor {
public:
    Descriptor() = default;
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    void reset()
    {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    int fd = -1;
};

pid_t waitForChild(pid_t pid, int* status)
{
    pid_t result;
    do {
        result = waitpid(pid, status, 0);
    } while (result < 0 && errno == EINTR);
    return result;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string trimmed(const char* text, std::size_t length)
{
    std::size_t begin = 0;
    while (begin < length && isBlank(text[begin])) ++begin;
    while (length > begin && isBlank(text[length - 1])) --length;
    return std::string(text + begin, length - begin);
}

// The child-side cgroup move of a background command: only system calls, no
// stream, no log.
void detachFromCgroupsInChild()
{
    for (const char* path : kCgroupFiles) {
        if (access(path, W_OK) != 0) continue;
        const int fd = open(path, O_WRONLY | O_CLOEXEC);
        if (fd < 0) continue;
        const bool written = write(fd, "0", 1) == 1;
        close(fd);
        if (written) return;
    }
}

// What went wrong in a background command's children, sent to the installer.
struct ChildReport {
    int stage;  // 1 the second fork, 2 the exec of the shell
    int number;
};

// Child side (async-signal-safe): sends the report through fd and ends.
[[noreturn]] void reportFromChild(int fd, int stage, int number, int exitCode)
{
    const ChildReport report = {stage, number};
    childSafe::writeAll(fd, reinterpret_cast<const char*>(&report), sizeof report);
    _exit(exitCode);
}

}  // namespace

namespace {

// The exit code of a command's wait status, or the error executeCommand raises.
int exitCodeOf(int status, const std::string& command, bool check)
{
    if (WIFSIGNALED(status)) {
        const int signalNumber = WTERMSIG(status);
        Log(1, true) << Messages::get("err_exec_signal") << " (" << signalNumber << ")";
        throw error(4, 2, 0, 2) << Messages::get("err_exec_signal") << (Messages::format("err_exec_cmd") % command);
    }
    const int code = WEXITSTATUS(status);
    if (code == 251)
        throw error(4, 1, 0, 3) << Messages::get("err_exec_execfail") << (Messages::format("err_exec_cmd") % command);
    if (!check || code == 0) return code;
    if (code == 127)
        throw error(4, 1, 0, 3) << (Messages::format("err_exec_cmd_not_found") % programName(command))
                                << (Messages::format("err_exec_cmd") % command);
    throw error(0, 0, 0, 0) << (Messages::format("err_exec_non_zero") % programName(command) % code)
                            << (Messages::format("err_exec_cmd") % command);
}

}  // namespace

int executeCommand(const std::string& command, bool echo, bool check, std::ostream* output,
                   std::ostream* errorOutput)
{
    std::istringstream noInput;
    std::ostringstream dropped;
    int status;
    {
        std::unique_ptr<POpen> process =
            startProcess(command, &noInput, output ? output : &dropped, errorOutput ? errorOutput : &dropped);
        process->setCancelable(true);
        status = process->wait(echo);
    }
    Progress::checkTermination();
    return exitCodeOf(status, command, check);
}

int executeCommandToEnd(const std::string& command, bool echo, std::ostream* output, std::ostream* errorOutput,
                        const std::string& waitingNote)
{
    std::istringstream noInput;
    std::ostringstream dropped;
    std::unique_ptr<POpen> process =
        startProcessGroup(command, &noInput, output ? output : &dropped, errorOutput ? errorOutput : &dropped);
    process->setWaitingNote(waitingNote);
    return exitCodeOf(process->wait(echo), command, false);
}

std::vector<std::string> getCommandOutput(const std::string& command, const std::string& arguments)
{
    const std::string full = arguments.empty() ? command : command + " " + arguments;
    Log(3, true) << "Get output from command '" << full << "'";
    ignoreBrokenPipes();
    ShellLaunch launch(full, ShellLaunch::inheritLocale);
    launch.setFailureText("sh");

    auto cannotStart = [&full](int failure) {
        Log(2, true) << "Error: cannot start '" << full << "': " << std::strerror(failure);
        return error(4, 2, 2, 2) << "Can't execute '" << programName(full) << "'";
    };

    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) throw cannotStart(errno);
    Descriptor writeEnd;
    writeEnd.fd = ends[1];
    // The output ends with the command itself: a daemon it started may hold the
    // pipe open long after.
    ChildOutput* output = nullptr;
    FILE* file = ChildOutput::openStream(ends[0], &output);
    if (!file) throw cannotStart(errno);
    const pid_t pid = fork();
    if (pid < 0) {
        const int failure = errno;
        std::fclose(file);
        throw cannotStart(failure);
    }
    if (pid == 0) {
        launch.redirect(-1, ends[1], -1, 127);
        launch.exec(127);
    }
    output->watch(pid);
    writeEnd.reset();

    // Whole lines, however long: a line is one entry.
    std::vector<std::string> lines;
    char* line = nullptr;
    std::size_t capacity = 0;
    bool readFailed = false;
    int readError = 0;
    for (;;) {
        errno = 0;
        const ssize_t length = getline(&line, &capacity, file);
        if (length >= 0) {
            lines.push_back(trimmed(line, static_cast<std::size_t>(length)));
            continue;
        }
        if (std::ferror(file)) {
            if (errno == EINTR) {
                std::clearerr(file);
                continue;
            }
            readFailed = true;
            readError = errno;
        }
        break;
    }
    std::free(line);
    // Closing first: a command still writing then ends instead of blocking.
    std::fclose(file);

    int status = 0;
    if (waitForChild(pid, &status) < 0) {
        const int failure = errno;
        Log(2, true) << "Error: waiting for '" << full << "' failed: " << std::strerror(failure);
        status = -1;
    }
    if (readFailed) Log(2, true) << "Error: reading the output of '" << full << "' failed: " << std::strerror(readError);
    if (status != 0 || readFailed) {
        Log(3, true) << "Execution of '" << programName(full) << "' failed - wait status " << status;
        throw error(4, 2, 2, 2) << "Error in execution of '" << programName(full) << "'";
    }
    return lines;
}

std::string getCommandOutputLine(const std::string& command, const std::string& arguments)
{
    const std::vector<std::string> lines = getCommandOutput(command, arguments);
    if (lines.empty())
        throw error(0, 0, 0, 0) << (Messages::format("err_empty_output") % programName(command))
                                << (Messages::format("err_exec_cmd") % command);
    return lines.front();
}

std::string getProgramOutputLine(const std::string& program, const std::vector<std::string>& arguments,
                                 int limitSeconds)
{
    Log(3, true) << "Get output from program '" << program << "'";
    ignoreBrokenPipes();
    auto failure = [&program](const std::string& why) {
        Log(2, true) << "Error: asking '" << program << "': " << why;
        return error(4, 2, 2, 2) << "Error in execution of '" << program << "'";
    };

    // Prepared before the fork: the child may only make system calls.
    std::vector<std::string> texts = {program};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) argv.push_back(&text[0]);
    argv.push_back(nullptr);

    Descriptor input;
    input.fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (input.fd < 0) throw failure(std::strerror(errno));
    Descriptor readEnd, writeEnd;
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) throw failure(std::strerror(errno));
        readEnd.fd = ends[0];
        writeEnd.fd = ends[1];
    }
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) throw failure(std::strerror(errno));
    if (pid == 0) {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        signal(SIGPIPE, SIG_DFL);
        if (dup2(input.fd, 0) < 0 || dup2(writeEnd.fd, 1) < 0) _exit(127);
        execv(program.c_str(), argv.data());
        const char* text = childSafe::errorText(errno);
        childSafe::writeText(2, "exec: ");
        childSafe::writeText(2, text);
        childSafe::writeText(2, "\n");
        _exit(127);
    }
    writeEnd.reset();

    // Read until the end of file, the child's end (a descendant may hold the pipe)
    // or the limit, whichever comes first.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limitSeconds);
    std::string output;
    bool killed = false;
    int status = 0;
    bool reaped = false;
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                                  std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            kill(pid, SIGKILL);
            killed = true;
            break;
        }
        pollfd watched = {readEnd.fd, POLLIN, 0};
        const int ready = poll(&watched, 1, static_cast<int>(std::min<long long>(left.count(), 100)));
        if (ready < 0 && errno != EINTR) break;
        if (ready > 0) {
            const ssize_t count = read(readEnd.fd, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR) continue;
            if (count <= 0) break;
            // Only the first line matters; the rest is read and dropped so the
            // program is not blocked on a full pipe.
            if (output.size() < 65536) output.append(buffer, static_cast<std::size_t>(count));
            continue;
        }
        if (!reaped) {
            pid_t done;
            do {
                done = waitpid(pid, &status, WNOHANG);
            } while (done < 0 && errno == EINTR);
            if (done == pid) reaped = true;
        } else {
            break;
        }
    }
    // A program that closed its output may still run: it gets the rest of the limit.
    while (!reaped && !killed) {
        pid_t done;
        do {
            done = waitpid(pid, &status, WNOHANG);
        } while (done < 0 && errno == EINTR);
        if (done == pid) {
            reaped = true;
        } else if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            killed = true;
        } else {
            poll(nullptr, 0, 10);
        }
    }
    if (!reaped && waitForChild(pid, &status) < 0) throw failure(std::strerror(errno));
    if (killed) throw failure("still running after " + std::to_string(limitSeconds) + " s, killed");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw failure("wait status " + std::to_string(status));
    const std::size_t end = output.find('\n');
    const std::string line = trimmed(output.data(), end == std::string::npos ? output.size() : end);
    if (line.empty()) throw failure("no output");
    return line;
}

void executeInBackground(const std::string& command, const std::string* input, const std::string* shownCommand)
{
    const std::string& shown = shownCommand ? *shownCommand : command;
    Log(2, true) << "Execute command " << shown;
    ignoreBrokenPipes();
    ShellLaunch launch(command, ShellLaunch::inheritLocale, "/bin/sh");

    auto pipeFailure = [&shown]() {
        return error(4, 1, 0, 2) << Messages::get("err_exec_pipefail") << (Messages::format("err_exec_cmd") % shown);
    };
    Descriptor inputRead, inputWrite;
    if (input) {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) throw pipeFailure();
        inputRead.fd = ends[0];
        inputWrite.fd = ends[1];
    }
    // Opened here rather than in the child, so that a failure is raised in the
    // installer, not in a copy of it. Read-write: the command's output must go
    // nowhere, not fail.
    Descriptor devNull;
    devNull.fd = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devNull.fd < 0) throw error(4, 1, 0, 2) << "Unable to read from '/dev/null'";
    // The children report a failed fork or exec through this pipe; a successful
    // exec closes it (close-on-exec).
    Descriptor reportRead, reportWrite;
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) throw pipeFailure();
        reportRead.fd = ends[0];
        reportWrite.fd = ends[1];
    }
    auto forkFailure = [&shown](int failure) {
        Log(1, true) << Messages::get("err_exec_forkfail") << " (" << std::strerror(failure) << ").";
        return error(4, 1, 0, 2) << Messages::get("err_exec_forkfail") << (Messages::format("err_exec_cmd") % shown);
    };

    // The input is fed by a detached writer of its own: a command that reads it
    // slowly, or never, must not keep the caller waiting.
    const char* inputData = input ? input->data() : nullptr;
    const std::size_t inputSize = input ? input->size() : 0;

    const pid_t pid = fork();
    if (pid < 0) throw forkFailure(errno);
    if (pid == 0) {
        if (input) {
            const pid_t writer = fork();
            if (writer < 0) reportFromChild(reportWrite.fd, 1, errno, 1);
            if (writer == 0) {
                // Holds nothing of the installer's but the pipe: a lingering writer
                // must not keep another pipe or file of it open.
                launch.closeDescriptors(0, inputWrite.fd);
                childSafe::writeAll(inputWrite.fd, inputData, inputSize);
                _exit(0);
            }
        }
        launch.redirect(input ? inputRead.fd : -1, devNull.fd, devNull.fd, 1);
        const pid_t grandchild = fork();
        if (grandchild < 0) reportFromChild(reportWrite.fd, 1, errno, 1);
        if (grandchild == 0) {
            detachFromCgroupsInChild();
            launch.tryExec(reportWrite.fd);
            reportFromChild(reportWrite.fd, 2, errno, 251);
        }
        _exit(0);
    }
    inputRead.reset();
    inputWrite.reset();
    reportWrite.reset();
    devNull.reset();

    // Returns as soon as the shell runs (or failed to).
    ChildReport report = {0, 0};
    std::size_t received = 0;
    while (received < sizeof report) {
        const ssize_t got = read(reportRead.fd, reinterpret_cast<char*>(&report) + received, sizeof report - received);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        received += static_cast<std::size_t>(got);
    }
    int status = 0;
    const bool firstChildWaited = waitForChild(pid, &status) == pid;
    if (received == sizeof report && report.stage == 2) {
        Log(1, true) << Messages::get("err_exec_execfail") << " (" << std::strerror(report.number) << ")";
        return;
    }
    if (received == sizeof report && report.stage == 1) throw forkFailure(report.number);
    if (firstChildWaited && status != 0) {
        // The first child could not set up the standard descriptors.
        throw error(4, 1, 0, 2) << Messages::get("err_exec_forkfail") << (Messages::format("err_exec_cmd") % shown);
    }
}

std::string programName(const std::string& command)
{
    std::size_t position = 0;
    while (position < command.size()) {
        while (position < command.size() && command[position] == ' ') ++position;
        if (position == command.size()) break;
        const std::size_t end = std::min(command.find(' ', position), command.size());
        const std::string word = command.substr(position, end - position);
        if (word != "env" && word != "sh" && word.find('=') == std::string::npos) return word;
        position = end;
    }
    return command;
}

void detachFromCgroups()
{
    Log(3, true) << "DEBUG: detaching from current cgroups";
    for (const char* path : kCgroupFiles) {
        if (access(path, W_OK) != 0) continue;
        std::ofstream file(path);
        file << 0;
        file.flush();
        if (file.good()) return;
        Log(2, true) << "Error writing file " << path;
    }
    Log(2, true) << "Warning: Failed to detach from parents cgroup, installer might be unexpectedly killed later by "
                    "the system";
}
