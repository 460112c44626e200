#pragma once

#include <grp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

// Runs body as the first process of a throw-away system made from the
// directory tree `lowerRoot`, which stays untouched: in a forked child with
// private mount, PID and IPC namespaces, an overlay of the tree with a tmpfs
// upper layer becomes the root (chroot), with /proc of the new PID namespace and
// the host's /dev. `prepare` (may be empty) runs just before the chroot with the
// new root's path, to put files in; false fails the run with 96. Whatever body
// changes, and every process it leaves behind, ends with it.
//
// Returns body's result, kNamespaceRefused when the namespaces are refused, 95
// when a mount or the chroot inside them fails (the reason on stderr), 99 when
// body raised.
inline int runInThrowAwayRoot(const std::string& lowerRoot, const std::function<bool(const std::string&)>& prepare,
                              const std::function<int()>& body)
{
    char scratchPattern[] = "/tmp/kw-root.XXXXXX";
    if (!::mkdtemp(scratchPattern)) return 98;
    const std::string scratch = scratchPattern;
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return 98;
    if (pid == 0) {
        auto fail = [](const char* what, int code) {
            std::fprintf(stderr, "%s refused: %s\n", what, std::strerror(errno));
            std::fflush(stderr);
            _exit(code);
        };
        auto refuse = [&fail](const char* what) { fail(what, kNamespaceRefused); };
        // Inside the namespaces the mounts are the test's own: a refusal there is
        // a failure of the harness, not a machine that forbids namespaces.
        auto broken = [&fail](const char* what) { fail(what, 95); };
        if (unshare(CLONE_NEWNS | CLONE_NEWPID | CLONE_NEWIPC) != 0) refuse("private namespaces");
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) refuse("a private mount tree");
        // The first child in the new PID namespace is its init: when it ends,
        // the kernel ends every process left in the namespace.
        const pid_t init = fork();
        if (init < 0) _exit(98);
        if (init == 0) {
            const std::string merged = scratch + "/root";
            const std::string layers = "lowerdir=" + lowerRoot + ",upperdir=" + scratch + "/upper,workdir=" +
                                       scratch + "/work";
            if (mount("tmpfs", scratch.c_str(), "tmpfs", 0, "mode=0755") != 0) broken("tmpfs");
            for (const char* name : {"/upper", "/work", "/root"}) ::mkdir((scratch + name).c_str(), 0755);
            if (mount("overlay", merged.c_str(), "overlay", 0, layers.c_str()) != 0) broken("overlayfs");
            if (mount("proc", (merged + "/proc").c_str(), "proc", 0, nullptr) != 0) broken("/proc");
            if (mount("/dev", (merged + "/dev").c_str(), nullptr, MS_BIND | MS_REC, nullptr) != 0) broken("/dev");
            if (prepare && !prepare(merged)) _exit(96);
            if (chroot(merged.c_str()) != 0 || chdir("/") != 0) broken("chroot");
            int result = 99;
            try {
                result = body();
            } catch (...) {
                std::fprintf(stderr, "the body in the throw-away root raised an exception\n");
            }
            std::fflush(nullptr);
            _exit(result);
        }
        int status = 0;
        while (waitpid(init, &status, 0) < 0 && errno == EINTR) {
        }
        _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 97);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    ::rmdir(scratch.c_str());
    if (!WIFEXITED(status)) return 97;
    return WEXITSTATUS(status);
}

// The Debian 12 root of the tests that run the real apt and dpkg
// (tests/bin/debian-root makes it once and caches it outside the clone); empty,
// with the reason in *why, when it cannot be had.
inline std::string debianTestRoot(std::string* why)
{
    const std::string command = std::string(KW_SOURCE_DIR) + "/tests/bin/debian-root";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        *why = "tests/bin/debian-root could not be started";
        return std::string();
    }
    char line[4096] = {0};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = ::pclose(pipe);
    std::string root = read ? line : "";
    if (!root.empty() && root.back() == '\n') root.pop_back();
    if (status != 0 || root.empty()) {
        *why = "tests/bin/debian-root could not make the Debian root (see its messages)";
        return std::string();
    }
    return root;
}
