#include "common/POpen.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Pipe.h"
#include "common/Progress.h"
#include "common/ShellLaunch.h"
#include "common/error.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t kReadChunk = 8192;
// The pump wakes at least this often to look at the termination state ...
constexpr int kPollMilliseconds = 1;
// ... and, once the pipes are done and only the child's end is awaited, this often.
constexpr int kIdlePollMilliseconds = 10;

bool setNonBlocking(int fd)
{
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}


}  // namespace

POpen::POpen(std::istream* input, std::ostream* output, std::ostream* errorOutput)
    : input_{-1, -1},
      output_{-1, -1},
      error_{-1, -1},
      pid_(-1),
      inputStream_(input),
      outputStream_(output),
      errorStream_(errorOutput),
      cancelable_(false),
      status_(0),
      waited_(false),
      inputLength_(0),
      inputPosition_(0)
{
}

POpen::~POpen()
{
    for (int* pipe : {input_, output_, error_}) {
        closeEnd(pipe[0]);
        closeEnd(pipe[1]);
    }
}

void POpen::closeEnd(int& fd)
{
    if (fd == -1) return;
    ::close(fd);
    fd = -1;
}

void POpen::start(const std::string& command, const std::string& directory, bool ownGroup)
{
    ignoreBrokenPipes();
    for (int* pipe : {input_, output_, error_}) {
        if (pipe2(pipe, O_CLOEXEC) != 0) {
            pipe[0] = pipe[1] = -1;
            // The destructor closes the pipes made so far.
            throw error(4, 1, 0, 2) << Messages::get("err_exec_pipefail")
                                    << (Messages::format("err_exec_cmd") % command);
        }
    }

    ShellLaunch launch(command, ShellLaunch::cLocaleAndLanguage);
    launch.setDirectory(directory);
    launch.setFailureText("execl");
    launch.setOwnProcessGroup(ownGroup);

    const pid_t pid = fork();
    if (pid < 0) {
        const int failure = errno;
        Log(1, true) << Messages::get("err_exec_forkfail") << " (" << std::strerror(failure) << ").";
        throw error(4, 1, 0, 2) << Messages::get("err_exec_forkfail") << (Messages::format("err_exec_cmd") % command);
    }
    if (pid == 0) {
        launch.redirect(input_[0], output_[1], error_[1], 251);
        launch.exec(251);
    }
    pid_ = pid;
    started_ = std::chrono::steady_clock::now();
    ownGroup_ = ownGroup;
    // Both sides set the group, so that it exists before the parent can signal it,
    // whichever runs first (the parent's call fails once the child has exec'd).
    if (ownGroup) setpgid(pid, pid);
    Log(3, true) << "POpen (child pid=" << pid_ << "): " << command;
    // Only the child holds its ends: then the output pipes report an end of file
    // once the command and its descendants are done, and a command that stops
    // reading its input makes the pump's writes fail instead of block.
    closeEnd(input_[0]);
    closeEnd(output_[1]);
    closeEnd(error_[1]);
}

void POpen::feedInput(bool echo)
{
    if (inputPosition_ == inputLength_) {
        inputPosition_ = inputLength_ = 0;
        if (!inputStream_->fail() && !inputStream_->eof()) {
            inputStream_->read(inputBuffer_, sizeof inputBuffer_);
            inputLength_ = static_cast<std::size_t>(inputStream_->gcount());
        }
        if (inputLength_ == 0) {
            // The child sees the end of its input.
            closeEnd(input_[1]);
            return;
        }
    }
    const ssize_t written = write(input_[1], inputBuffer_ + inputPosition_, inputLength_ - inputPosition_);
    if (written < 0) {
        if (errno == EAGAIN || errno == EINTR) return;
        // The child no longer reads (EPIPE): the rest of the input has no taker.
        closeEnd(input_[1]);
        return;
    }
    if (echo) childSafe::writeAll(2, inputBuffer_ + inputPosition_, static_cast<std::size_t>(written));
    inputPosition_ += static_cast<std::size_t>(written);
}

std::size_t POpen::readChunk(int& fd, std::ostream& to, bool echo)
{
    char buffer[kReadChunk];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got > 0) {
        to.write(buffer, got);
        if (echo) Log(0, false).writeRaw(buffer, static_cast<std::size_t>(got));
        return static_cast<std::size_t>(got);
    }
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    closeEnd(fd);
    return 0;
}

void POpen::drain(int& fd, std::ostream& to, bool echo)
{
    if (fd == -1) return;
    if (!setNonBlocking(fd)) {
        closeEnd(fd);
        return;
    }
    std::size_t left = Pipe::capacity(fd);
    while (fd != -1) {
        const std::size_t got = readChunk(fd, to, echo);
        if (got == 0 || got >= left) break;
        left -= got;
    }
}

void POpen::signalChild(int signalNumber) const
{
    kill(ownGroup_ ? -pid_ : pid_, signalNumber);
}

void POpen::watchStop()
{
    const auto now = std::chrono::steady_clock::now();
    if (!cancelable_ && !waitingNote_.empty() && Progress::takeTerminationRequest()) {
        Log(0, true) << waitingNote_;
        waitingNote_.clear();
    }
    if (!stopped_) {
        if (cancelable_ && Progress::takeTerminationRequest()) {
            Log(3, true) << "DEBUG: send SIGTERM to child process " << pid_
                         << " because Zarni Installer was canceled by user.";
        } else if (timeLimit_.count() > 0 && now - started_ >= timeLimit_) {
            timedOut_ = true;
            Log(2, true) << "Child process " << pid_ << " still runs after " << timeLimit_.count()
                         << " ms, send SIGTERM";
        } else {
            return;
        }
        stopped_ = true;
        stoppedAt_ = now;
        signalChild(SIGTERM);
        return;
    }
    if (!killed_ && stopGrace_.count() >= 0 && now - stoppedAt_ >= stopGrace_) {
        Log(2, true) << "Child process " << pid_ << " did not end on SIGTERM, send SIGKILL";
        killed_ = true;
        signalChild(SIGKILL);
    }
}

bool POpen::childEnded(int& status, bool block)
{
    if (ownGroup_ && stopped_) {
        // Looked at without reaping: until the leader is reaped its id cannot name
        // another process group, so the kill below reaches only what is left of
        // this command.
        siginfo_t info;
        std::memset(&info, 0, sizeof info);
        int result;
        do {
            result = waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT | (block ? 0 : WNOHANG));
        } while (result < 0 && errno == EINTR);
        if (result < 0) {
            const int failure = errno;
            throw error(4, 1, 0, 2) << "Failed to wait for the external command: " << std::strerror(failure);
        }
        if (info.si_pid != pid_) return false;
        kill(-pid_, SIGKILL);
        block = true;
    }
    pid_t result;
    do {
        result = waitpid(pid_, &status, block ? 0 : WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
        const int failure = errno;
        throw error(4, 1, 0, 2) << "Failed to wait for the external command: " << std::strerror(failure);
    }
    return result == pid_;
}

int POpen::wait(bool echo)
{
    if (waited_) return status_;
    if (input_[1] != -1 && !setNonBlocking(input_[1])) closeEnd(input_[1]);

    // Without a stop to watch for, a child whose pipes are done is simply waited for.
    const bool watching = cancelable_ || timeLimit_.count() > 0;
    bool reaped = false;
    int status = 0;
    for (;;) {
        const bool pipesDone = input_[1] == -1 && output_[0] == -1 && error_[0] == -1;
        if (pipesDone && !watching) {
            childEnded(status, true);
            break;
        }

        struct pollfd watched[3] = {
            {input_[1], POLLOUT, 0},
            {output_[0], POLLIN, 0},
            {error_[0], POLLIN, 0},
        };
        const int ready = poll(watched, 3, pipesDone ? kIdlePollMilliseconds : kPollMilliseconds);
        if (ready < 0 && errno != EINTR) {
            const int failure = errno;
            throw error(4, 1, 0, 2) << "Failed to watch the pipes of an external command: " << std::strerror(failure);
        }
        if (ready > 0) {
            if (input_[1] != -1) {
                if (watched[0].revents & (POLLERR | POLLHUP | POLLNVAL))
                    closeEnd(input_[1]);
                else if (watched[0].revents & POLLOUT)
                    feedInput(echo);
            }
            if (output_[0] != -1 && watched[1].revents != 0) readChunk(output_[0], *outputStream_, echo);
            if (error_[0] != -1 && watched[2].revents != 0) readChunk(error_[0], *errorStream_, echo);
        }

        watchStop();

        if (childEnded(status, false)) {
            reaped = true;
            break;
        }
    }
    if (reaped) {
        // The child has ended, but what it wrote last may still sit in the pipes.
        drain(output_[0], *outputStream_, echo);
        drain(error_[0], *errorStream_, echo);
    }
    status_ = status;
    waited_ = true;
    // A request that came while the command ran, seen only now.
    if (!cancelable_ && !waitingNote_.empty() && Progress::takeTerminationRequest()) Log(0, true) << waitingNote_;

    if (cancelable_) Progress::checkTermination();
    return status_;
}

std::unique_ptr<POpen> POpen::create(const std::string& command, std::istream* input, std::ostream* output,
                                     std::ostream* errorOutput, const std::string& directory, bool ownGroup)
{
    if (!input || !output || !errorOutput) throw KW_INTERNAL_ERROR();
    std::unique_ptr<POpen> process(new POpen(input, output, errorOutput));
    process->start(command, directory, ownGroup);
    return process;
}

std::unique_ptr<POpen> startProcess(const std::string& command, std::istream* input, std::ostream* output,
                                    std::ostream* errorOutput)
{
    return startProcessInDir(command, input, output, errorOutput, std::string());
}

std::unique_ptr<POpen> startProcessInDir(const std::string& command, std::istream* input, std::ostream* output,
                                         std::ostream* errorOutput, const std::string& directory)
{
    return POpen::create(command, input, output, errorOutput, directory, false);
}

std::unique_ptr<POpen> startProcessGroup(const std::string& command, std::istream* input, std::ostream* output,
                                         std::ostream* errorOutput)
{
    return POpen::create(command, input, output, errorOutput, std::string(), true);
}
