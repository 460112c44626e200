#include "common/Pipe.h"

#include "common/error.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

Pipe::Pipe() : out_(-1), in_(-1)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        throw error(4, 2, 1, 1) << "Pipe: Can't create pipe: " << std::strerror(errno);
    out_ = ends[0];
    in_ = ends[1];
}

Pipe::~Pipe()
{
    if (out_ != -1) ::close(out_);
    if (in_ != -1) ::close(in_);
}

int Pipe::out() const
{
    if (out_ == -1) throw error(3, 2, 1, 3) << "Pipe: out() end is already closed";
    return out_;
}

int Pipe::in() const
{
    if (in_ == -1) throw error(3, 2, 1, 3) << "Pipe: in() end is already closed";
    return in_;
}

void Pipe::closeOut()
{
    if (out_ == -1) return;
    const int fd = out_;
    out_ = -1;
    if (::close(fd) != 0) {
        const int failure = errno;
        throw error(4, 2, 1, 1) << "Pipe: " << static_cast<const void*>(this) << " Can't close out fd " << fd << ":"
                                << std::strerror(failure);
    }
}

void Pipe::closeIn()
{
    if (in_ == -1) return;
    const int fd = in_;
    in_ = -1;
    if (::close(fd) != 0) {
        const int failure = errno;
        throw error(4, 2, 1, 1) << "Pipe: " << static_cast<const void*>(this) << " Can't close in fd " << fd << ":"
                                << std::strerror(failure);
    }
}

int Pipe::releaseOut()
{
    const int fd = out();
    out_ = -1;
    return fd;
}

int Pipe::releaseIn()
{
    const int fd = in();
    in_ = -1;
    return fd;
}

std::size_t Pipe::capacity(int fd)
{
    const int size = fcntl(fd, F_GETPIPE_SZ);
    return size > 0 ? static_cast<std::size_t>(size) : std::size_t(1) << 20;
}
