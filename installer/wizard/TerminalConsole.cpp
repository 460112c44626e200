#include "installer/wizard/TerminalConsole.h"

#include "common/Progress.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <utility>

namespace {

// Returns when the descriptor has input, has ended or has failed (the read
// that follows tells which). A termination signal ends the wait through
// Progress::checkTermination; one that may not be acted on now (a SIGHUP in a
// cancel-unsafe section) lets the wait go on.
void waitForInput(int fd)
{
    const int wakeup = Progress::terminationWakeupDescriptor();
    for (;;) {
        // Emptied before the check: a signal after the check leaves a byte that
        // ends the poll at once.
        Progress::drainTerminationWakeup();
        Progress::checkTermination();
        pollfd waits[2] = {{fd, POLLIN, 0}, {wakeup, POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (waits[0].revents != 0) return;
    }
}

bool readLineFrom(int fd, std::string& line)
{
    line.clear();
    // poll would skip a negative descriptor and wait for a signal alone.
    if (fd < 0) return false;
    for (;;) {
        waitForInput(fd);
        char byte;
        const ssize_t count = ::read(fd, &byte, 1);
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (count <= 0) return false;
        if (byte == '\n') return true;
        if (line.size() < TerminalConsole::maxLineLength) line += byte;
    }
}

// The terminal with echo off for its lifetime; the settings it found come back
// on every way out.
class EchoOff {
public:
    explicit EchoOff(int fd) : fd_(fd)
    {
        if (::tcgetattr(fd_, &saved_) != 0) return;
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL);
        // TCSANOW: what the operator typed ahead stays, as it would with echo on.
        active_ = ::tcsetattr(fd_, TCSANOW, &quiet) == 0;
    }
    ~EchoOff()
    {
        if (active_) ::tcsetattr(fd_, TCSANOW, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

    bool active() const { return active_; }

private:
    int fd_;
    termios saved_{};
    bool active_ = false;
};

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

TerminalConsole::TerminalConsole(int inputFd, std::ostream& out, std::string terminalPath)
    : inputFd_(inputFd), out_(out), terminalPath_(std::move(terminalPath))
{
}

bool TerminalConsole::readLine(std::string& line)
{
    out_.flush();
    return readLineFrom(inputFd_, line);
}

bool TerminalConsole::readPassword(const std::string& prompt, std::string& password)
{
    password.clear();
    const Descriptor terminal(::open(terminalPath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    // Without a terminal nobody can type a hidden answer: no password comes.
    if (terminal.get() < 0) return false;
    const EchoOff echoOff(terminal.get());
    if (!echoOff.active()) return false;
    out_ << prompt;
    out_.flush();
    const bool read = readLineFrom(terminal.get(), password);
    // The operator's Enter was not echoed.
    out_ << '\n';
    out_.flush();
    return read;
}

void TerminalConsole::clearScreen()
{
    out_.flush();
    (void)!std::system("clear");
}

TextConsole& TextConsole::standard()
{
    static TerminalConsole console(STDIN_FILENO, std::cout);
    return console;
}
