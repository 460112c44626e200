#pragma once

#include <grp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

// Tests that would touch fixed system resources (the shared-memory key of the
// progress status, /bin/sh, the control-group files, fixed paths in /tmp) run in
// private namespaces, so that the machine never sees them.

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

// The second local user the tests play ("nobody"): what it makes in a shared
// directory belongs to another user than the installer's.
constexpr uid_t kOtherUser = 65534;
constexpr gid_t kOtherGroup = 65534;

// A process of the given user (root, or the second user) that runs `body` (true:
// done as planned) and then stays alive, keeping what it opened (record locks
// among it), until the object ends. Made inside a private mount namespace, it
// shares that namespace.
class LingeringProcess {
public:
    LingeringProcess(uid_t user, const std::function<bool()>& body)
    {
        int ready[2];
        if (::pipe(ready) != 0) return;
        std::fflush(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            char result = 'n';
            const bool becameUser = user == ::geteuid() || (::setgroups(0, nullptr) == 0 &&
                                                            ::setgid(kOtherGroup) == 0 && ::setuid(user) == 0);
            if (becameUser) {
                try {
                    if (body()) result = 'y';
                } catch (...) {
                    // Reported as a failed body.
                }
            }
            (void)!::write(ready[1], &result, 1);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        char result = 'n';
        if (pid_ > 0 && ::read(ready[0], &result, 1) != 1) result = 'n';
        ::close(ready[0]);
        done_ = result == 'y';
    }
    ~LingeringProcess()
    {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    LingeringProcess(const LingeringProcess&) = delete;
    LingeringProcess& operator=(const LingeringProcess&) = delete;

    // Whether the body ran as the user and succeeded.
    bool done() const { return done_; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    bool done_ = false;
};
