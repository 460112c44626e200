#pragma once

#include "tests/common/PrivateNamespace.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

// Runs `body` in a forked child that has a host of its own: private network,
// host-name and mount namespaces. Interfaces, the host name and bind mounts made
// there vanish with the child, and no packet can leave it. The child's result
// text comes back through a pipe; a result beginning with "SKIP: " means the
// namespaces are not allowed here.
inline std::string runOnIsolatedHost(const std::function<std::string()>& body)
{
    int channel[2];
    if (::pipe(channel) != 0) return "SKIP: no pipe";
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return "SKIP: no fork";
    if (pid == 0) {
        ::close(channel[0]);
        std::string result;
        if (::unshare(CLONE_NEWNET | CLONE_NEWUTS | CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            result = std::string("SKIP: private namespaces are not allowed here: ") + std::strerror(errno);
        } else {
            try {
                result = body();
            } catch (...) {
                // Reported to the parent as the result; the child must not unwind into gtest.
                result = "the isolated body raised an exception";
            }
        }
        privatehost::writeAll(channel[1], result);
        ::_exit(0);
    }
    ::close(channel[1]);
    const std::string result = privatehost::readAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status)) return "the isolated child died";
    return result;
}

// Runs a shell command inside the isolated host; true when it succeeded.
inline bool isolatedShell(const std::string& command)
{
    const int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
