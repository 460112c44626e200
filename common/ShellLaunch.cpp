#include "common/ShellLaunch.h"

#include <fcntl.h>
#include <signal.h>
#include <string.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>

extern char** environ;

namespace {

const char* const kShell = "/bin/sh";

bool startsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// Closes every descriptor from `from` to `to` (inclusive); close_range when the
// kernel has it, else one by one.
void closeRange(unsigned from, unsigned to, int highest)
{
    if (from > to) return;
    if (close_range(from, to, 0) == 0) return;
    const unsigned last = to < static_cast<unsigned>(highest) ? to : static_cast<unsigned>(highest);
    for (unsigned fd = from; fd <= last; ++fd) close(static_cast<int>(fd));
}

}  // namespace

ShellLaunch::ShellLaunch(const std::string& command, Locale locale, const char* argumentZero)
    : arguments_{argumentZero, "-c", command}
{
    for (char** entry = environ; entry && *entry; ++entry) {
        if (locale != inheritLocale && (startsWith(*entry, "LC_ALL=") || startsWith(*entry, "LANG=")))
            continue;
        if (locale == cLocaleAndLanguage && startsWith(*entry, "LANGUAGE=")) continue;
        environment_.emplace_back(*entry);
    }
    if (locale != inheritLocale) {
        environment_.emplace_back("LC_ALL=C");
        environment_.emplace_back("LANG=C");
    }
    if (locale == cLocaleAndLanguage) environment_.emplace_back("LANGUAGE=C");

    for (std::string& argument : arguments_) argv_.push_back(&argument[0]);
    argv_.push_back(nullptr);
    for (std::string& variable : environment_) envp_.push_back(&variable[0]);
    envp_.push_back(nullptr);

    struct rlimit limit;
    highestDescriptor_ = 1024;
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        highestDescriptor_ = static_cast<int>(limit.rlim_cur < 65536 ? limit.rlim_cur : 65536);
}

void ShellLaunch::redirect(int input, int output, int errorOutput, int failureCode) const
{
    int sources[3] = {input, output, errorOutput};
    // A source that is itself one of 0, 1, 2 would be overwritten by an earlier dup2
    // (or keep its close-on-exec flag when dup2 is a no-op): move it above 2 first.
    for (int& source : sources) {
        if (source < 0 || source > 2) continue;
        const int moved = fcntl(source, F_DUPFD_CLOEXEC, 3);
        if (moved < 0) {
            childSafe::writeText(2, "kitwright: cannot prepare the standard descriptors of a command\n");
            _exit(failureCode);
        }
        source = moved;
    }
    for (int target = 0; target < 3; ++target) {
        if (sources[target] < 0) continue;
        int result;
        do {
            result = dup2(sources[target], target);
        } while (result < 0 && (errno == EINTR || errno == EBUSY));
        if (result < 0) {
            childSafe::writeText(2, "kitwright: cannot prepare the standard descriptors of a command\n");
            _exit(failureCode);
        }
    }
}

void ShellLaunch::tryExec(int keep) const
{
    // The installer ignores SIGPIPE; commands expect the default, and an exec keeps
    // an ignored disposition. A mask a thread of the installer set is inherited too.
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(SIGPIPE, &action, nullptr);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    if (ownProcessGroup_) setpgid(0, 0);

    // Nothing of the installer (log file, lock file, other commands' pipes) leaks
    // into the command, also where a descriptor lacks its close-on-exec flag.
    closeDescriptors(3, keep);

    if (!directory_.empty() && chdir(directory_.c_str()) != 0) {
        // The command then runs in the inherited directory.
    }
    execve(kShell, argv_.data(), envp_.data());
}

void ShellLaunch::closeDescriptors(unsigned first, int keep) const
{
    if (keep < static_cast<int>(first)) {
        closeRange(first, ~0U, highestDescriptor_);
    } else {
        closeRange(first, static_cast<unsigned>(keep) - 1, highestDescriptor_);
        closeRange(static_cast<unsigned>(keep) + 1, ~0U, highestDescriptor_);
    }
}

void ShellLaunch::exec(int failureCode) const
{
    tryExec();
    const int failure = errno;
    childSafe::writeText(2, failureText_.c_str());
    childSafe::writeText(2, " (");
    childSafe::writeText(2, childSafe::errorText(failure));
    childSafe::writeText(2, ")\n");
    _exit(failureCode);
}

void ignoreBrokenPipes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction current;
        if (sigaction(SIGPIPE, nullptr, &current) != 0) return;
        // A handler someone installed on purpose stays.
        if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_DFL) {
            struct sigaction ignore;
            std::memset(&ignore, 0, sizeof ignore);
            ignore.sa_handler = SIG_IGN;
            sigemptyset(&ignore.sa_mask);
            sigaction(SIGPIPE, &ignore, nullptr);
        }
    });
}

namespace childSafe {

void writeAll(int fd, const char* text, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = write(fd, text, length);
        if (written < 0) {
            if (errno == EINTR) continue;
            return;
        }
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}

void writeText(int fd, const char* text)
{
    writeAll(fd, text, std::strlen(text));
}

const char* errorText(int number)
{
    // strerrordesc_np reads a constant table: no locale, no buffer, no allocation.
    const char* text = strerrordesc_np(number);
    return text ? text : "Unknown error";
}

}  // namespace childSafe
