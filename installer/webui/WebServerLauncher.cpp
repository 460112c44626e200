#include "installer/webui/WebServerLauncher.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/SystemUtils.h"
#include "common/error.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/reporters/StatusReporter.h"
#include "web_ui/WebFrontEnd.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

extern char** environ;

namespace {

constexpr int kStartSeconds = 15;
constexpr int kStopSeconds = 10;
const char kStartFailure[] = "Can't start build-in web-server";

// The front end shares no socket or pipe of the installer: the back end's
// listener and its connections, and the ends of the commands' pipes, stay
// with the installer. Files (the log) are kept.
void closeInheritedChannels(int keep)
{
    DIR* fds = opendir("/proc/self/fd");
    if (fds == nullptr) return;
    std::vector<int> doomed;
    while (const dirent* entry = readdir(fds)) {
        const int fd = std::atoi(entry->d_name);
        struct stat st {};
        if (fd <= 2 || fd == keep || fd == dirfd(fds) || fstat(fd, &st) != 0) continue;
        if (S_ISSOCK(st.st_mode) || S_ISFIFO(st.st_mode)) doomed.push_back(fd);
    }
    closedir(fds);
    for (int fd : doomed) close(fd);
}

// The front end shares the installer's code but not its end: an exit from
// inside (the server's fatal errors exit) must not run the installer's exit
// processing, whose state belongs to the parent. Registered last, this
// handler runs first.
void endFrontEndAtOnce()
{
    _exit(1);
}

[[noreturn]] void runFrontEnd(const WebServerLauncher::Settings& settings, int readyFd)
{
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    closeInheritedChannels(readyFd);
    std::atexit(endFrontEndAtOnce);
    try {
        runWebServer(settings.port, settings.certificate, settings.protocols, settings.ciphers,
                     settings.serverPreference, nullptr, [readyFd](int port) {
                         const std::string ready = "ready " + std::to_string(port) + "\n";
                         (void)!write(readyFd, ready.data(), ready.size());
                         close(readyFd);
                     });
    } catch (error& failure) {
        Log(1, true) << "Error: the web front end stopped: " << failure.text();
    } catch (...) {
        // Whatever left the server, the front end ends here and nowhere else.
        Log(1, true) << "Error: the web front end stopped on an unexpected exception";
    }
    _exit(1);
}

// Reads the child's report until its line end, its end of file or the limit.
std::string readReport(int fd, int limitSeconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limitSeconds);
    std::string report;
    char buffer[64];
    while (report.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) break;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        report.append(buffer, static_cast<std::size_t>(n));
    }
    return report;
}

// Whether the child ended within the seconds; it is reaped then.
bool reapedWithin(pid_t pid, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    const int handle = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    for (;;) {
        int status = 0;
        const pid_t result = waitpid(pid, &status, WNOHANG);
        // ECHILD: it was reaped elsewhere (an ignored SIGCHLD reaps by itself).
        if (result == pid || (result < 0 && errno == ECHILD)) break;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            if (handle >= 0) close(handle);
            return false;
        }
        // Without a process handle (an old kernel) the wait is a short nap.
        pollfd ended{handle, POLLIN, 0};
        poll(handle >= 0 ? &ended : nullptr, handle >= 0 ? 1 : 0,
             handle >= 0 ? static_cast<int>(left.count()) : 50);
    }
    if (handle >= 0) close(handle);
    return true;
}

// The installer's environment without the one-time secret.
std::vector<char*> environmentWithoutSecret()
{
    std::vector<char*> entries;
    for (char** entry = environ; entry && *entry; ++entry)
        if (std::strncmp(*entry, "WEB_SECRET=", 11) != 0) entries.push_back(*entry);
    entries.push_back(nullptr);
    return entries;
}

// Runs xdg-open on the address and waits for it; returns its exit code (127
// when it cannot be run). One killed by a signal raises what executeCommand
// raises for it.
int runXdgOpen(const std::string& address)
{
    std::string program = "xdg-open", argument = address;
    char* argv[] = {&program[0], &argument[0], nullptr};
    std::vector<char*> environment = environmentWithoutSecret();
    const int devNull = open("/dev/null", O_RDWR | O_CLOEXEC);
    const pid_t pid = fork();
    if (pid < 0) {
        if (devNull >= 0) close(devNull);
        throw error(4, 1, 0, 3) << Messages::get("err_exec_execfail")
                                << (Messages::format("err_exec_cmd") % (program + " " + address));
    }
    if (pid == 0) {
        signal(SIGPIPE, SIG_DFL);
        if (devNull >= 0) {
            dup2(devNull, 0);
            dup2(devNull, 1);
            dup2(devNull, 2);
        }
        execvpe(program.c_str(), argv, environment.data());
        _exit(127);
    }
    if (devNull >= 0) close(devNull);
    int status = 0;
    pid_t result;
    do {
        result = waitpid(pid, &status, 0);
    } while (result < 0 && errno == EINTR);
    if (result == pid && WIFSIGNALED(status))
        throw error(4, 2, 0, 2) << Messages::get("err_exec_signal")
                                << (Messages::format("err_exec_cmd") % (program + " " + address));
    return result == pid && WIFEXITED(status) ? WEXITSTATUS(status) : 127;
}

}  // namespace

WebServerLauncher::Settings WebServerLauncher::Settings::fromOptions(const Options& options)
{
    Settings settings;
    settings.certificate = options.sslCert;
    settings.protocols = options.sslProtocols;
    settings.ciphers = options.sslCiphers;
    settings.serverPreference = options.sslCipherServerPreference;
    settings.openBrowser = options.openBrowser;
    return settings;
}

WebServerLauncher::WebServerLauncher(const Settings& settings) : settings_(settings)
{
    start();
    try {
        openBrowser();
    } catch (error&) {
        stop(0);
        throw;
    }
}

WebServerLauncher::~WebServerLauncher()
{
    stop(500);
}

void WebServerLauncher::start()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) throw error() << "can't fork";
    std::cout.flush();
    std::cerr.flush();
    const pid_t pid = fork();
    if (pid < 0) {
        close(ends[0]);
        close(ends[1]);
        throw error() << "can't fork";
    }
    if (pid == 0) {
        close(ends[0]);
        runFrontEnd(settings_, ends[1]);
    }
    close(ends[1]);
    pid_ = pid;
    reaped_ = false;
    Log(2, true) << "DEBUG: web server PID: " << pid_;
    const std::string report = readReport(ends[0], kStartSeconds);
    close(ends[0]);
    if (report.compare(0, 6, "ready ") == 0 && report.back() == '\n') {
        port_ = std::atoi(report.c_str() + 6);
        return;
    }
    Log(1, true) << "Error: the web front end PID " << pid_ << " did not come up"
                 << (report.empty() ? "" : ": ") << report;
    // A closed report means the child is ending; one still there has hung.
    reap(1);
    throw error(4, 2, 1, 2) << kStartFailure;
}

std::string WebServerLauncher::address() const
{
    return std::string(settings_.certificate.empty() ? "http://" : "https://") + getHostName() + ":" +
           std::to_string(port_) + "/";
}

void WebServerLauncher::openBrowser() const
{
    const std::string url = address();
    if (settings_.openBrowser && std::getenv("DISPLAY") != nullptr) {
        const int code = runXdgOpen(url);
        Log(3, true) << "DEBUG: xdg-open ended with exit code " << code;
    }
    if (xmlOutput)
        StatusReporter(Reporter::statusOk, "").put(std::cout);
    else
        Log(0, false) << (Messages::format("goto_webinterface_url") % url).str();
    Log::consoleLevel = -1;
}

bool WebServerLauncher::stop(int)
{
    if (reaped_ || pid_ <= 0) return true;
    kill(pid_, SIGTERM);
    reap(kStopSeconds);
    Log(2, true) << "DEBUG: web server PID=" << pid_ << " was stopped.";
    return true;
}

void WebServerLauncher::reap(int graceSeconds)
{
    if (!reapedWithin(pid_, graceSeconds)) {
        // One that hangs, or ignores SIGTERM, is killed: nothing is left behind.
        kill(pid_, SIGKILL);
        pid_t result;
        do {
            result = waitpid(pid_, nullptr, 0);
        } while (result < 0 && errno == EINTR);
    }
    reaped_ = true;
}

std::ostream& operator<<(std::ostream& out, const WebServerLauncher& launcher)
{
    return out << "web front end PID " << launcher.pid() << " on port " << launcher.port();
}
