#include "common/SystemCmd.h"

#include "common/ChildOutput.h"
#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/ShellLaunch.h"
#include "common/error.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t kLoggerChunk = 4096;


void closeStream(FILE* file)
{
    if (file) std::fclose(file);
}

}  // namespace

void SystemCmd::StderrLogger::operator()() const
{
    char buffer[kLoggerChunk];
    struct pollfd watched[2] = {{fd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    bool stopping = false;
    std::size_t drainLeft = 0;
    for (;;) {
        if (!stopping) {
            if (poll(watched, 2, -1) < 0) {
                if (errno == EINTR) continue;
                break;
            }
            if (watched[1].revents != 0) {
                // The command has ended: take what its pipe still holds, without waiting
                // for an end of file that a lingering descendant may never give.
                stopping = true;
                drainLeft = Pipe::capacity(fd_);
                const int flags = fcntl(fd_, F_GETFL);
                if (flags < 0 || fcntl(fd_, F_SETFL, flags | O_NONBLOCK) < 0) break;
                continue;
            }
            if (watched[0].revents == 0) continue;
        }
        const ssize_t got = read(fd_, buffer, sizeof buffer);
        if (got > 0) {
            Log(0, false).writeRaw(buffer, static_cast<std::size_t>(got));
            if (stopping) {
                if (static_cast<std::size_t>(got) >= drainLeft) break;
                drainLeft -= static_cast<std::size_t>(got);
            }
            continue;
        }
        if (got == 0) break;
        if (errno == EINTR) continue;
        if (errno == EAGAIN && !stopping) continue;
        break;
    }
}

SystemCmd::SystemCmd(const std::string& command, open_mode_t mode)
    : stream(nullptr), command_(command), pid_(0), status_(0), collected_(false)
{
    ignoreBrokenPipes();
    const bool reading = mode == readMode;
    Log(2, true) << "kitwright: read output of " << command_;

    // Everything that may fail is done before the fork, so that a failure never
    // leaves a started command behind that nobody waits for.
    ShellLaunch launch(command_, ShellLaunch::cLocale);
    launch.setFailureText(Messages::get("err_exec_execfail"));
    // Read mode: the output ends with the command itself, since a daemon it
    // started may hold the pipe open long after.
    ChildOutput* output = nullptr;
    std::unique_ptr<FILE, void (*)(FILE*)> file(
        reading ? ChildOutput::openStream(commandPipe_.releaseOut(), &output) : fdopen(commandPipe_.in(), "w"),
        closeStream);
    if (!file) throw error(4, 2, 1, 1) << "SystemCmd: Can't create FILE from FD: " << std::strerror(errno);
    const int childEnd = reading ? commandPipe_.in() : commandPipe_.out();
    if (!reading) commandPipe_.releaseIn();
    const int errorEnd = errorPipe_.in();

    logger_.reset(new boost::thread(StderrLogger(errorPipe_.out(), stopPipe_.out())));

    const pid_t pid = fork();
    if (pid < 0) {
        const int failure = errno;
        stopLogger();
        Log(1, true) << Messages::get("err_exec_forkfail") << " (" << std::strerror(failure) << ").";
        throw error(4, 2, 1, 1) << Messages::get("err_exec_forkfail") << (Messages::format("err_exec_cmd") % command_);
    }
    if (pid == 0) {
        if (reading)
            launch.redirect(-1, childEnd, errorEnd, 127);
        else
            launch.redirect(childEnd, -1, errorEnd, 127);
        launch.exec(127);
    }

    pid_ = pid;
    if (output) output->watch(pid);
    stream = file.release();
    // Only the child may hold the write ends, or the logger and the reader never
    // see an end of file.
    try {
        errorPipe_.closeIn();
        reading ? commandPipe_.closeIn() : commandPipe_.closeOut();
    } catch (error&) {
        close();
        stopLogger();
        throw;
    }
}

SystemCmd::~SystemCmd()
{
    Log(3, true) << "SystemCmd::~SystemCmd() entry";
    if (!collected_) {
        Log(2, true) << "Warning: SystemCmd exit code was not checked. "
                     << "(Command was: '" << command_ << "').";
        const int code = close();
        if (code != 0)
            Log(1, true) << "Warning: unhandled error in execution of command (" << code << ") : " << command_;
    }
    stopLogger();
    Log(3, true) << "SystemCmd::~SystemCmd() out";
}

void SystemCmd::stopLogger()
{
    if (!logger_) return;
    // Closing the write end of the stop pipe wakes the logger with a hang-up.
    try {
        stopPipe_.closeIn();
    } catch (error&) {
        // Linux releases the descriptor even when close reports a failure, so the
        // hang-up reaches the logger all the same.
    }
    logger_->join();
    logger_.reset();
}

int SystemCmd::close()
{
    collected_ = true;
    if (stream) {
        if (std::fclose(stream) != 0) {
            const int failure = errno;
            Log(3, true) << "DEBUG: SystemCmd: closing the stream of '" << command_ << "': " << std::strerror(failure);
        }
        stream = nullptr;
    }
    if (pid_ != 0) {
        int status = 0;
        pid_t reaped;
        do {
            reaped = waitpid(pid_, &status, 0);
        } while (reaped < 0 && errno == EINTR);
        if (reaped < 0) {
            // The outcome is unknown: never let it pass for success.
            const int failure = errno;
            Log(1, true) << "Error: waiting for command '" << command_ << "' failed: " << std::strerror(failure);
            status = 127 << 8;
        }
        status_ = status;
        pid_ = 0;
    }
    if ((status_ & 0x7f) != 0) return 127;
    return (status_ >> 8) & 0xff;
}

void SystemCmd::check()
{
    const int code = close();
    if (code != 0) throw error(4, 2, 2, 2) << "Error " << code << " in execution of " << programName(command_);
}
