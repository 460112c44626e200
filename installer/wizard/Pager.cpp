#include "installer/wizard/Pager.h"

#include "common/Log.h"
#include "common/ShellLaunch.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A descriptor closed when the holder ends.
class OwnedFd {
public:
    explicit OwnedFd(int fd = -1) : fd_(fd) {}
    ~OwnedFd() { reset(); }
    OwnedFd(const OwnedFd&) = delete;
    OwnedFd& operator=(const OwnedFd&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1)
    {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

bool makePipe(OwnedFd& readEnd, OwnedFd& writeEnd)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return false;
    readEnd.reset(ends[0]);
    writeEnd.reset(ends[1]);
    return true;
}

void waitFor(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

bool Pager::show(const std::vector<std::string>& arguments, const std::string& text)
{
    if (arguments.empty()) return false;
    // A pager left early closes its end: the write then fails with EPIPE.
    ignoreBrokenPipes();

    // Prepared before the fork: the child may only make system calls.
    std::vector<std::string> texts = arguments;
    std::vector<char*> argv;
    for (std::string& item : texts) argv.push_back(&item[0]);
    argv.push_back(nullptr);

    OwnedFd dataRead, dataWrite, failureRead, failureWrite;
    if (!makePipe(dataRead, dataWrite) || !makePipe(failureRead, failureWrite)) {
        Log(2, true) << "Warning: no pipe for the pager: " << std::strerror(errno);
        return false;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        Log(2, true) << "Warning: cannot start the pager: " << std::strerror(errno);
        return false;
    }
    if (pid == 0) {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        signal(SIGPIPE, SIG_DFL);
        if (::dup2(dataRead.get(), 0) < 0) _exit(127);
        ::execvp(argv[0], argv.data());
        // The exec failed: tell the parent through the close-on-exec pipe.
        const int number = errno;
        childSafe::writeAll(failureWrite.get(), reinterpret_cast<const char*>(&number), sizeof number);
        _exit(127);
    }
    dataRead.reset();
    failureWrite.reset();

    int execError = 0;
    ssize_t got;
    while ((got = ::read(failureRead.get(), &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    if (got > 0) {
        waitFor(pid);
        Log(2, true) << "Warning: cannot run " << arguments.front() << ": " << std::strerror(execError);
        return false;
    }

    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(dataWrite.get(), data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) {
            // EPIPE: the operator left the pager before the end of the list.
            if (errno != EPIPE) Log(2, true) << "Warning: writing to the pager: " << std::strerror(errno);
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    dataWrite.reset();
    waitFor(pid);
    return true;
}
