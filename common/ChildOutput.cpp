#include "common/ChildOutput.h"

#include "common/Pipe.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

namespace {

// How often a reader waiting for data looks whether the child has ended.
constexpr int kPollMilliseconds = 10;

}  // namespace

ChildOutput::ChildOutput(int fd) : fd_(fd) {}

ChildOutput::~ChildOutput()
{
    if (fd_ >= 0) ::close(fd_);
}

bool ChildOutput::childEnded() const
{
    if (child_ <= 0) return false;
    siginfo_t info;
    std::memset(&info, 0, sizeof info);
    // WNOWAIT: the child stays a zombie for its owner to reap.
    if (::waitid(P_PID, static_cast<id_t>(child_), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return errno == ECHILD;  // already reaped
    return info.si_pid != 0;
}

ssize_t ChildOutput::read(char* buffer, std::size_t length)
{
    for (;;) {
        if (draining_) {
            // Only what the pipe holds now, and at most one pipe's worth of it, so
            // that a descendant writing without pause cannot keep this going.
            if (drainLeft_ == 0) return 0;
            const ssize_t got = ::read(fd_, buffer, length < drainLeft_ ? length : drainLeft_);
            if (got > 0) {
                drainLeft_ -= static_cast<std::size_t>(got);
                return got;
            }
            if (got == 0 || errno == EAGAIN) return 0;
            if (errno == EINTR) continue;
            return -1;
        }
        if (childEnded()) {
            const int flags = ::fcntl(fd_, F_GETFL);
            if (flags < 0 || ::fcntl(fd_, F_SETFL, flags | O_NONBLOCK) != 0) return -1;
            draining_ = true;
            drainLeft_ = Pipe::capacity(fd_);
            continue;
        }
        struct pollfd watched = {fd_, POLLIN, 0};
        const int ready = ::poll(&watched, 1, child_ > 0 ? kPollMilliseconds : -1);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (ready == 0) continue;
        const ssize_t got = ::read(fd_, buffer, length);
        if (got >= 0) return got;
        if (errno == EINTR || errno == EAGAIN) continue;
        return -1;
    }
}

namespace {

ssize_t readStream(void* cookie, char* buffer, std::size_t length)
{
    return static_cast<ChildOutput*>(cookie)->read(buffer, length);
}

int closeStream(void* cookie)
{
    delete static_cast<ChildOutput*>(cookie);
    return 0;
}

}  // namespace

std::FILE* ChildOutput::openStream(int fd, ChildOutput** reader)
{
    ChildOutput* output = new (std::nothrow) ChildOutput(fd);
    if (!output) {
        ::close(fd);
        errno = ENOMEM;
        return nullptr;
    }
    cookie_io_functions_t functions;
    std::memset(&functions, 0, sizeof functions);
    functions.read = readStream;
    functions.close = closeStream;
    std::FILE* stream = ::fopencookie(output, "r", functions);
    if (!stream) {
        const int failure = errno;
        delete output;
        errno = failure;
        return nullptr;
    }
    *reader = output;
    return stream;
}
