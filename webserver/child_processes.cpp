// Child processes of the server (CGI programs, include-page commands): their
// start with a clean set of descriptors, and their end.

#include "webserver/features.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>

extern char** environ;

namespace {

// Children that ended their output but not yet their process; they are
// reaped as later children start and end.
std::mutex unreaped_mutex;
std::vector<pid_t> unreaped;

// The host reaps its children itself when it has a SIGCHLD handler; with
// SIGCHLD ignored the system does. Otherwise the server reaps its own.
bool server_reaps()
{
    struct sigaction current {};
    if (sigaction(SIGCHLD, nullptr, &current) != 0) return false;
    return current.sa_handler == SIG_DFL && !(current.sa_flags & SA_NOCLDWAIT);
}

void reap_unreaped()
{
    std::lock_guard<std::mutex> lock(unreaped_mutex);
    unreaped.erase(std::remove_if(unreaped.begin(), unreaped.end(),
                                  [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; }),
                   unreaped.end());
}

bool make_blocking(int fd)
{
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

} // namespace

pid_t start_child(const ChildSetup& setup)
{
    if (server_reaps()) reap_unreaped();
    char* const* envp = setup.envp ? setup.envp : environ;
    const pid_t pid = fork();
    if (pid != 0) {
        if (pid > 0) setpgid(pid, pid);
        return pid;
    }
    // Only what is safe after a fork from here on. The child has its own
    // process group, so that a child cut short is ended with what it started.
    setpgid(0, 0);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    signal(SIGPIPE, SIG_DFL);
    if ((setup.dir && chdir(setup.dir) != 0) || !make_blocking(setup.in_fd) || !make_blocking(setup.out_fd) ||
        dup2(setup.in_fd, STDIN_FILENO) < 0 || dup2(setup.out_fd, STDOUT_FILENO) < 0 ||
        (setup.err_fd != STDERR_FILENO && dup2(setup.err_fd, STDERR_FILENO) < 0)) {
        _exit(1);
    }
    close_range(3, ~0U, 0);
    execve(setup.program, setup.argv, envp);
    const char* why = std::strerror(errno);
    if (write(STDERR_FILENO, setup.failure, std::strlen(setup.failure)) >= 0 &&
        write(STDERR_FILENO, why, std::strlen(why)) >= 0)
        (void)!write(STDERR_FILENO, "\n", 1);
    _exit(1);
}

void end_child(pid_t pid, bool cut)
{
    if (pid <= 0) return;
    if (cut && kill(-pid, SIGKILL) != 0) kill(pid, SIGKILL);
    if (!server_reaps()) return;
    pid_t reaped = -1;
    do {
        // A killed child ends at once; one that ended its output may still run.
        reaped = waitpid(pid, nullptr, cut ? 0 : WNOHANG);
    } while (reaped < 0 && errno == EINTR);
    if (reaped == 0) {
        std::lock_guard<std::mutex> lock(unreaped_mutex);
        unreaped.push_back(pid);
    }
    reap_unreaped();
}
