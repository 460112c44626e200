#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

// Tests that would touch fixed system resources (the shared-memory key of the
// progress status, /bin/sh, the control-group files) run in private namespaces,
// so that the machine never sees them.

// Moves this test process into a private System V IPC namespace: its segments
// vanish with the process. Returns the reason when that is not allowed.
inline bool enterPrivateIpcNamespace(std::string* why)
{
    if (unshare(CLONE_NEWIPC) == 0) return true;
    *why = std::string("a private IPC namespace is not allowed here (unshare: ") + std::strerror(errno) + ")";
    return false;
}

// The exit code of a namespace child that could not enter its namespace.
constexpr int kNamespaceRefused = 77;

// Runs body in a forked child inside a private mount namespace (mounts made there
// stay there) and returns body's result, kNamespaceRefused when the namespace is
// not allowed, or 99 when body raised. body writes its diagnostics to stderr.
inline int runInPrivateMountNamespace(const std::function<int()>& body)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return 98;
    if (pid == 0) {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            std::fprintf(stderr, "private mount namespace refused: %s\n", std::strerror(errno));
            std::fflush(stderr);
            _exit(kNamespaceRefused);
        }
        int result = 99;
        try {
            result = body();
        } catch (...) {
            // Any failure of the body is that exit code; the parent test reports it.
            std::fprintf(stderr, "the namespace body raised an exception\n");
        }
        std::fflush(nullptr);
        _exit(result);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status)) return 97;
    return WEXITSTATUS(status);
}
