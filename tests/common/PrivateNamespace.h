#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Tests that would touch fixed system resources (the shared-memory key of the
// progress status, /bin/sh, the control-group files, fixed paths in /tmp) run in
// private namespaces, so that the machine never sees them.

// Whether this run is CI's: the variable CI set (and not "false" or "0"), as CI
// services set it. There a test that cannot run for want of namespaces, root
// or a root it needs is a failure, so that a suite cannot quietly stop running;
// elsewhere it is skipped with its reason.
inline bool skipsAreFailures()
{
    const char* ci = std::getenv("CI");
    return ci && *ci && std::strcmp(ci, "false") != 0 && std::strcmp(ci, "0") != 0;
}

// Records, in CI only, a failure of the running test for `why`: the runners
// below call it where they find the namespaces refused, before their callers
// skip.
inline void noteUnavailable(const std::string& why)
{
    if (skipsAreFailures()) ADD_FAILURE() << why << " (CI is set: a test that cannot run fails)";
}

// Skips the running test for `why`; in CI it fails instead.
#define KW_SKIP_UNAVAILABLE(why)                                                                   \
    do {                                                                                           \
        const std::string kwUnavailable_ = (why);                                                  \
        if (skipsAreFailures()) FAIL() << kwUnavailable_ << " (CI is set: a test that cannot run fails)"; \
        GTEST_SKIP() << kwUnavailable_;                                                            \
    } while (0)

// Moves this test process into a private System V IPC namespace: its segments
// vanish with the process. Returns the reason when that is not allowed.
inline bool enterPrivateIpcNamespace(std::string* why)
{
    if (unshare(CLONE_NEWIPC) == 0) return true;
    *why = std::string("a private IPC namespace is not allowed here (unshare: ") + std::strerror(errno) + ")";
    noteUnavailable(*why);
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
    if (WEXITSTATUS(status) == kNamespaceRefused) noteUnavailable("a private mount namespace is not allowed here");
    return WEXITSTATUS(status);
}

// Inside a private mount namespace: the machine's directory `dir` becomes
// writable for this namespace only, an overlay whose changes go to a tmpfs
// mounted on `scratch` (made when missing). False when a
// mount fails.
inline bool overlayMachineDirectory(const std::string& dir, const std::string& scratch)
{
    ::mkdir(scratch.c_str(), 0755);
    if (::mount("tmpfs", scratch.c_str(), "tmpfs", 0, "mode=0755") != 0) return false;
    const std::string upper = scratch + "/upper";
    const std::string work = scratch + "/work";
    ::mkdir(upper.c_str(), 0755);
    ::mkdir(work.c_str(), 0755);
    const std::string data = "lowerdir=" + dir + ",upperdir=" + upper + ",workdir=" + work;
    return ::mount("overlay", dir.c_str(), "overlay", 0, data.c_str()) == 0;
}

// Runs body in a forked child inside private mount and IPC namespaces, with an
// empty tmpfs over each of `directories` (made inside the child, so nothing the
// test made there before is seen), and returns body's result as
// runInPrivateMountNamespace does, kNamespaceRefused included.
inline int runOverPrivateDirectories(const std::vector<std::string>& directories, const std::function<int()>& body)
{
    return runInPrivateMountNamespace([&] {
        if (unshare(CLONE_NEWIPC) != 0) return kNamespaceRefused;
        for (const std::string& directory : directories) {
            ::mkdir(directory.c_str(), 0755);
            if (mount("tmpfs", directory.c_str(), "tmpfs", 0, "mode=0755") != 0) return kNamespaceRefused;
        }
        return body();
    });
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

// --- A private host for a whole program run ---
//
// runInPrivateHost runs one program (execv) in a forked child inside private
// mount, IPC and PID namespaces, where the fixed places a run writes to are
// private:
//   /tmp, /root         an empty tmpfs each (lock file, home directory);
//   /var, /opt          the machine's own, with every write going to a tmpfs
//                       (log, feedback, self-upgrade cache, report tool), and
//                       so are the directories named in `overlaid`;
//   /sys/fs/cgroup      an empty tmpfs (no process can leave its control group).
// Directories the test made (TempDir, RecordedTools) stay visible when named in
// `visible`; files named in `planted` appear at fixed paths (a stand-in for a
// tool the program runs by its absolute path). The run's own process is not
// the namespace's init: when it ends, whatever it left running (a detached
// child) is waited for, then the namespace ends and takes every process with it.

struct PrivateHostRun {
    std::vector<std::string> argv;          // argv[0] is the program's path
    // The file executed, when argv[0] is to name another (the program started
    // under a stand-in's name starts the stand-in when it restarts itself).
    std::string program;
    std::vector<std::string> environment;   // "NAME=value" over the test's environment
    std::vector<std::string> visible;       // directories below /tmp the run must see
    std::vector<std::pair<std::string, std::string>> planted;  // fixed path, file to show there
    // More directories of the machine's own whose writes go to a tmpfs, as with
    // /var and /opt, and whose changes the listing shows ("/etc/apt", say).
    std::vector<std::string> overlaid;
    uid_t user = 0;                          // 0 or kOtherUser
    mode_t umask = 022;
    std::string input;                      // the program's standard input
    // Runs inside (as root, before the program); what it returns lives until the
    // program has ended (a lock holder, say).
    std::function<std::shared_ptr<void>()> prepare;
    // Runs inside after everything ended, before the listing; its text is the
    // result's `inspected`.
    std::function<std::string()> inspect;
    // Runs inside while the program runs (its process id given), to talk to it;
    // its text is the result's `during`. The host then waits for the program.
    std::function<std::string(pid_t)> during;
    // A network of its own with only the loopback interface: the program's
    // fixed ports are private to the run.
    bool privateNetwork = false;
};

struct PrivateHostResult {
    std::string skipped;  // why the namespaces were refused; empty when the run ran
    int exitCode = -1;    // -1 when the program did not exit normally
    int signal = 0;       // the signal that ended it
    std::string out;
    std::string err;
    // What the run left in the private places, one "<type><mode> <path>" line per
    // entry, sorted by path: type "d" directory, "f" file, "l" link, "o" other; the mode
    // in octal. Directories of the machine's own (copied up by the overlay) are
    // left out.
    std::string listing;
    std::string inspected;
    std::string during;
};

namespace privatehost {

// Everything the descriptor gives until its end.
inline std::string readAll(int fd)
{
    std::string text;
    char buffer[65536];
    ssize_t count;
    while ((count = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) break;
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return text;
}

// Writes all of text; false when the descriptor took less.
inline bool writeAll(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t step = ::write(fd, text.data() + written, text.size() - written);
        if (step < 0 && errno == EINTR) continue;
        if (step <= 0) break;
        written += static_cast<std::size_t>(step);
    }
    return written == text.size();
}

inline std::string readWhole(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::string();
    const std::string text = readAll(fd);
    ::close(fd);
    return text;
}

inline bool writeWhole(const std::string& path, const std::string& text, mode_t mode = 0600)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    const bool written = writeAll(fd, text);
    ::close(fd);
    return written;
}

inline void makeDirectories(const std::string& path)
{
    for (std::string::size_type at = 1; at != std::string::npos; at = path.find('/', at + 1))
        ::mkdir(path.substr(0, at).c_str(), 0755);
    ::mkdir(path.c_str(), 0755);
}

// Fields as "<length>\n<bytes>", so any bytes survive the pipe.
inline void putField(std::string& out, const std::string& field)
{
    out += std::to_string(field.size()) + "\n" + field;
}

inline bool takeField(const std::string& in, std::size_t& at, std::string& field)
{
    const std::string::size_type end = in.find('\n', at);
    if (end == std::string::npos) return false;
    const std::size_t length = std::strtoul(in.substr(at, end - at).c_str(), nullptr, 10);
    if (end + 1 + length > in.size()) return false;
    field = in.substr(end + 1, length);
    at = end + 1 + length;
    return true;
}

// Lists `dir` below `shown` (the path the run saw), leaving out what `skip`
// names and the directories and files `existed` says the machine had already,
// as they are.
inline void listTree(const std::string& dir, const std::string& shown, const std::function<bool(const std::string&)>& skip,
                     const std::function<bool(const std::string&)>& existed, std::vector<std::string>& lines)
{
    DIR* stream = ::opendir(dir.c_str());
    if (!stream) return;
    std::vector<std::string> names;
    while (const struct dirent* entry = ::readdir(stream)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(stream);
    for (const std::string& name : names) {
        const std::string path = dir + "/" + name;
        const std::string shownPath = shown + "/" + name;
        if (skip(shownPath)) continue;
        struct stat info;
        if (::lstat(path.c_str(), &info) != 0) continue;
        const char type = S_ISDIR(info.st_mode) ? 'd' : S_ISREG(info.st_mode) ? 'f' : S_ISLNK(info.st_mode) ? 'l' : 'o';
        // An overlay's whiteout (a removed file of the machine's) is a character device.
        if (type == 'o' && S_ISCHR(info.st_mode) && info.st_rdev == 0) continue;
        if (!((type == 'd' || type == 'f') && existed(shownPath))) {
            char mode[8];
            std::snprintf(mode, sizeof mode, "%o", static_cast<unsigned>(info.st_mode & 07777));
            lines.push_back(std::string(1, type) + mode + " " + shownPath);
        }
        if (type == 'd') listTree(path, shownPath, skip, existed, lines);
    }
}

// The scratch name of an overlaid directory's layers: "/etc/apt" -> "etc-apt".
inline std::string overlayName(const std::string& dir)
{
    std::string name = dir.substr(1);
    std::replace(name.begin(), name.end(), '/', '-');
    return name;
}

// The host's own files inside the namespace: the layers of the overlays and
// the program's standard streams.
inline std::string hostScratch() { return "/tmp/.kitwright-private-host"; }

// What the program wrote on standard output so far, for a `during` that waits
// for a program which leaves a server behind (a launcher) and reads its answer.
inline std::string programOutput() { return readWhole(hostScratch() + "/stdout"); }

// The namespace's init: prepares the private places, runs the program, waits
// for everything, and returns the serialized result.
inline std::string hostInit(const PrivateHostRun& run)
{
    const std::string scratch = hostScratch();
    auto fail = [](const std::string& why) {
        std::string result;
        putField(result, "SKIP: " + why + ": " + std::strerror(errno));
        return result;
    };
    if (::mount("proc", "/proc", "proc", MS_NOSUID | MS_NODEV | MS_NOEXEC, nullptr) != 0) return fail("mount /proc");
    if (run.privateNetwork) {
        const int control = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        struct ifreq loopback = {};
        std::strncpy(loopback.ifr_name, "lo", IFNAMSIZ - 1);
        const bool up = control >= 0 && ::ioctl(control, SIOCGIFFLAGS, &loopback) == 0 &&
                        (loopback.ifr_flags |= IFF_UP, ::ioctl(control, SIOCSIFFLAGS, &loopback) == 0);
        if (control >= 0) ::close(control);
        if (!up) return fail("loopback up");
    }

    // The test's own directories, reachable again after /tmp is covered.
    std::vector<int> visibleFds;
    for (const std::string& dir : run.visible) visibleFds.push_back(::open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (const char* dir : {"/tmp", "/root", "/sys/fs/cgroup"})
        if (::mount("tmpfs", dir, "tmpfs", 0, "mode=1777") != 0) return fail(std::string("tmpfs over ") + dir);
    ::chmod("/root", 0700);
    makeDirectories(scratch);
    ::chmod(scratch.c_str(), 0700);
    for (std::size_t i = 0; i < run.visible.size(); ++i) {
        if (visibleFds[i] < 0) return fail("open " + run.visible[i]);
        makeDirectories(run.visible[i]);
        const std::string source = "/proc/self/fd/" + std::to_string(visibleFds[i]);
        if (::mount(source.c_str(), run.visible[i].c_str(), nullptr, MS_BIND, nullptr) != 0) return fail("bind " + run.visible[i]);
        ::close(visibleFds[i]);
    }

    // /var, /opt and the directories the run names: the machine's, written to a tmpfs.
    std::vector<std::string> overlaid = {"/var", "/opt"};
    overlaid.insert(overlaid.end(), run.overlaid.begin(), run.overlaid.end());
    for (const std::string& dir : overlaid) {
        const std::string layers = scratch + "/" + overlayName(dir);
        const std::string lower = layers + "-machine";
        const std::string upper = layers + "-changes";
        const std::string work = layers + "-work";
        for (const std::string& d : {lower, upper, work}) makeDirectories(d);
        if (::mount(dir.c_str(), lower.c_str(), nullptr, MS_BIND | MS_REC, nullptr) != 0) return fail("bind " + dir);
        const std::string data = "lowerdir=" + lower + ",upperdir=" + upper + ",workdir=" + work;
        if (::mount("overlay", dir.c_str(), "overlay", 0, data.c_str()) != 0) return fail("overlay over " + dir);
    }

    // Planted files: each directory that gets some becomes one overlay with the
    // stand-ins on top (one layer per directory: overlays nest only so deep).
    std::vector<std::pair<std::string, std::string>> plantedDirs;  // directory, its top layer
    for (const auto& plant : run.planted) {
        const std::string dir = plant.first.substr(0, plant.first.rfind('/'));
        const std::string name = plant.first.substr(plant.first.rfind('/') + 1);
        auto found = std::find_if(plantedDirs.begin(), plantedDirs.end(),
                                  [&](const std::pair<std::string, std::string>& entry) { return entry.first == dir; });
        if (found == plantedDirs.end()) {
            plantedDirs.emplace_back(dir, scratch + "/planted-" + std::to_string(plantedDirs.size()));
            makeDirectories(plantedDirs.back().second);
            found = plantedDirs.end() - 1;
        }
        if (::symlink(plant.second.c_str(), (found->second + "/" + name).c_str()) != 0) return fail("plant " + plant.first);
    }
    for (const auto& planted : plantedDirs) {
        const std::string data = "lowerdir=" + planted.second + ":" + planted.first;
        if (::mount("overlay", planted.first.c_str(), "overlay", MS_RDONLY, data.c_str()) != 0)
            return fail("overlay over " + planted.first);
    }

    std::shared_ptr<void> kept;
    if (run.prepare) kept = run.prepare();

    writeWhole(scratch + "/stdin", run.input);
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) environment.push_back(*variable);
    for (const std::string& setting : run.environment) {
        const std::string name = setting.substr(0, setting.find('=') + 1);
        for (std::string& existing : environment)
            if (existing.compare(0, name.size(), name) == 0) existing.clear();
        environment.push_back(setting);
    }
    std::vector<std::string> arguments = run.argv;
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& setting : environment)
        if (!setting.empty()) envp.push_back(&setting[0]);
    envp.push_back(nullptr);

    std::fflush(nullptr);
    const pid_t program = ::fork();
    if (program == 0) {
        const int in = ::open((scratch + "/stdin").c_str(), O_RDONLY);
        const int out = ::open((scratch + "/stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open((scratch + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) _exit(126);
        ::umask(run.umask);
        if (run.user != 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kOtherGroup) != 0 || ::setuid(run.user) != 0))
            _exit(126);
        ::execve(run.program.empty() ? argv[0] : run.program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    std::string during;
    if (run.during) during = run.during(program);
    int status = 0;
    while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {
    }
    kept.reset();
    // What the program left running (a detached child) finishes its work.
    while (::waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
    }

    std::string inspected;
    if (run.inspect) inspected = run.inspect();

    std::vector<std::string> lines;
    const auto skipNothing = [](const std::string&) { return false; };
    const auto existedNot = [](const std::string&) { return false; };
    const auto skipTmp = [&](const std::string& path) {
        if (path == scratch) return true;
        for (const std::string& dir : run.visible)
            if (path == dir || dir.compare(0, path.size() + 1, path + "/") == 0) return true;
        return false;
    };
    listTree("/tmp", "/tmp", skipTmp, existedNot, lines);
    listTree("/root", "/root", skipNothing, existedNot, lines);
    for (const std::string& dir : overlaid) {
        const std::string lower = scratch + "/" + overlayName(dir) + "-machine";
        // A directory of the machine's, or a file put back byte for byte as it
        // was (a restored backup), is no change of the run's.
        const auto existed = [&](const std::string& path) {
            const std::string machine = lower + path.substr(dir.size());
            const std::string changed = scratch + "/" + overlayName(dir) + "-changes" + path.substr(dir.size());
            struct stat before, after;
            if (::lstat(machine.c_str(), &before) != 0 || ::lstat(changed.c_str(), &after) != 0) return false;
            if (S_ISDIR(after.st_mode)) return S_ISDIR(before.st_mode);
            return S_ISREG(before.st_mode) && (before.st_mode & 07777) == (after.st_mode & 07777) &&
                   readWhole(machine) == readWhole(changed);
        };
        listTree(scratch + "/" + overlayName(dir) + "-changes", dir, skipNothing, existed, lines);
    }
    // By path: a directory before what it holds.
    std::sort(lines.begin(), lines.end(),
              [](const std::string& a, const std::string& b) { return a.substr(a.find(' ')) < b.substr(b.find(' ')); });
    std::string listing;
    for (const std::string& line : lines) listing += line + "\n";

    std::string result;
    putField(result, "");
    putField(result, WIFEXITED(status) ? std::to_string(WEXITSTATUS(status)) : "-1");
    putField(result, WIFSIGNALED(status) ? std::to_string(WTERMSIG(status)) : "0");
    putField(result, readWhole(scratch + "/stdout"));
    putField(result, readWhole(scratch + "/stderr"));
    putField(result, listing);
    putField(result, inspected);
    putField(result, during);
    return result;
}

}  // namespace privatehost

inline PrivateHostResult runInPrivateHost(const PrivateHostRun& run)
{
    PrivateHostResult result;
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0) {
        result.skipped = "no pipe";
        noteUnavailable(result.skipped);
        return result;
    }
    std::fflush(nullptr);
    const pid_t outer = ::fork();
    if (outer == 0) {
        ::close(channel[0]);
        std::string answer;
        if (::unshare(CLONE_NEWNS | CLONE_NEWIPC | CLONE_NEWPID | (run.privateNetwork ? CLONE_NEWNET : 0)) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            privatehost::putField(answer, std::string("SKIP: private namespaces are not allowed here: ") + std::strerror(errno));
        } else {
            const pid_t init = ::fork();
            if (init == 0) {
                std::string hostAnswer;
                try {
                    hostAnswer = privatehost::hostInit(run);
                } catch (...) {
                    // The child has no test framework to report to: the answer says it.
                    privatehost::putField(hostAnswer, "the private host raised an exception");
                }
                privatehost::writeAll(channel[1], hostAnswer);
                _exit(0);
            }
            ::close(channel[1]);
            while (::waitpid(init, nullptr, 0) < 0 && errno == EINTR) {
            }
            _exit(0);
        }
        privatehost::writeAll(channel[1], answer);
        _exit(0);
    }
    ::close(channel[1]);
    const std::string answer = privatehost::readAll(channel[0]);
    ::close(channel[0]);
    while (::waitpid(outer, nullptr, 0) < 0 && errno == EINTR) {
    }

    std::size_t at = 0;
    std::string failure, code, signal;
    if (!privatehost::takeField(answer, at, failure)) {
        result.skipped = "the private host gave no answer";
        noteUnavailable(result.skipped);
        return result;
    }
    if (!failure.empty()) {
        result.skipped = failure;
        noteUnavailable(failure);
        return result;
    }
    privatehost::takeField(answer, at, code);
    privatehost::takeField(answer, at, signal);
    privatehost::takeField(answer, at, result.out);
    privatehost::takeField(answer, at, result.err);
    privatehost::takeField(answer, at, result.listing);
    privatehost::takeField(answer, at, result.inspected);
    privatehost::takeField(answer, at, result.during);
    result.exitCode = std::atoi(code.c_str());
    result.signal = std::atoi(signal.c_str());
    return result;
}

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
    if (WEXITSTATUS(status) == kNamespaceRefused) noteUnavailable("private namespaces are not allowed here");
    return WEXITSTATUS(status);
}

namespace privatehost {

// Inside a namespace: runs body and writes its text to `report`; 0, or 94 when
// the report could not be written.
inline int writeReport(const std::string& report, const std::function<std::string()>& body)
{
    const std::string text = body();
    const int fd = ::open(report.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return 94;
    const bool written = writeAll(fd, text);
    ::close(fd);
    return written ? 0 : 94;
}

}  // namespace privatehost

// runInThrowAwayRoot for a body that reports a text: the text comes back
// through `reportDirectory` (an empty directory of the test's, bound into the
// root); "skip" when the namespaces are refused. *result is the run's result
// (0 when the report was written).
inline std::string reportFromThrowAwayRoot(const std::string& lowerRoot, const std::string& reportDirectory,
                                           const std::function<std::string()>& body, int* result)
{
    *result = runInThrowAwayRoot(
        lowerRoot,
        [&](const std::string& merged) {
            const std::string inside = merged + "/kw-report";
            return ::mkdir(inside.c_str(), 0755) == 0 &&
                   ::mount(reportDirectory.c_str(), inside.c_str(), nullptr, MS_BIND, nullptr) == 0;
        },
        [&] { return privatehost::writeReport("/kw-report/report", body); });
    if (*result == kNamespaceRefused) return "skip";
    return privatehost::readWhole(reportDirectory + "/report");
}

// runInPrivateMountNamespace for a body that reports a text: `prepare` makes
// the namespace's mounts first (0, or the code the run then ends with), and
// the body's text comes back through a file in `reportDirectory` (a directory
// of the test's that the mounts leave visible); "skip" when the namespace is
// refused. *result is the run's result (0 when the report was written).
inline std::string reportFromPrivateMountNamespace(const std::string& reportDirectory, const std::function<int()>& prepare,
                                                   const std::function<std::string()>& body, int* result)
{
    const std::string report = reportDirectory + "/report";
    *result = runInPrivateMountNamespace([&] {
        const int prepared = prepare();
        return prepared != 0 ? prepared : privatehost::writeReport(report, body);
    });
    if (*result == kNamespaceRefused) return "skip";
    return privatehost::readWhole(report);
}

// A root made once and cached by one of the tests/bin scripts (debian-root,
// el9-root), which prints its directory; empty, with the reason in *why, when
// it cannot be had.
inline std::string cachedTestRoot(const std::string& script, std::string* why)
{
    const std::string command = std::string(KW_SOURCE_DIR) + "/tests/bin/" + script;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        *why = "tests/bin/" + script + " could not be started";
        return std::string();
    }
    char line[4096] = {0};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = ::pclose(pipe);
    std::string root = read ? line : "";
    if (!root.empty() && root.back() == '\n') root.pop_back();
    if (status != 0 || root.empty()) {
        *why = "tests/bin/" + script + " could not make its root (see its messages)";
        return std::string();
    }
    return root;
}

// The Debian 12 root of the tests that run the real apt and dpkg.
inline std::string debianTestRoot(std::string* why) { return cachedTestRoot("debian-root", why); }

// The RedHat-family 9 root of the tests that run the real dnf and rpm.
inline std::string el9TestRoot(std::string* why) { return cachedTestRoot("el9-root", why); }
