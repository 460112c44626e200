#pragma once

#include "common/fileops.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/RecordedTools.h"
#include "tests/common/TempDir.h"
#include "tests/installer/startup/ReportRecords.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The built program run as a whole in a private host (runInPrivateHost): its
// lock file, log and feedback directories, report tool and home directory are
// private to the run, and it finds stand-ins for the outside tools it calls:
// "mail" first on PATH and "getenforce" at /usr/bin/getenforce, both recording
// their arguments, standard input and the proxy variables (see RecordedTools);
// the error-report tool the runs write out (the recorder of this test build)
// records every report it is handed (see reports()).
// The driver and wizard tests reuse it; `terminal` drives the program through a
// terminal in tmux.
class ProgramHost {
public:
    ProgramHost() : testPath_(std::getenv("PATH") ? std::getenv("PATH") : ""), tools_({"mail", "getenforce"})
    {
        tools_.recordInputAndEnvironment("mail getenforce", "HTTP_PROXY FTP_PROXY HTTP_PROXY_AUTH");
        // The recorder appends to this file and never creates it.
        privatehost::writeWhole(reportsFile(), "");
        // The runs get their PATH explicitly; the test itself keeps its tools (xmllint).
        ::setenv("PATH", testPath_.c_str(), 1);
    }

    // One run: the arguments after the program path and what to change.
    struct Run {
        std::vector<std::string> arguments;
        uid_t user = 0;
        mode_t umask = 022;
        std::vector<std::string> environment;  // "NAME=value"
        std::string input;
        std::function<std::shared_ptr<void>()> prepare;  // see PrivateHostRun
        std::function<std::string()> inspect;
        // Stand-ins at fixed paths and directories kept private (PrivateHostRun).
        std::vector<std::pair<std::string, std::string>> planted;
        std::vector<std::string> overlaid;
        // Further directories below /tmp that the run must see (such as compiled locales).
        std::vector<std::string> visible;
        // The program path the run is given (argv[0]); the program's own when
        // empty. A stand-in named here is what the program starts as itself.
        std::string argumentZero;
        // Talks to the running program (PrivateHostRun::during), in a private
        // network when asked.
        std::function<std::string(pid_t)> during;
        bool privateNetwork = false;
    };

    PrivateHostResult run(const Run& run) const
    {
        PrivateHostRun host;
        host.argv = {run.argumentZero.empty() ? std::string(KW_PROGRAM) : run.argumentZero};
        host.program = KW_PROGRAM;
        host.argv.insert(host.argv.end(), run.arguments.begin(), run.arguments.end());
        host.environment = {"PATH=" + tools_.directory() + ":/usr/sbin:/usr/bin:/sbin:/bin",
                            "KW_REPORT_RECORD=" + reportsFile()};
        host.environment.insert(host.environment.end(), run.environment.begin(), run.environment.end());
        host.visible = visibleDirectories();
        host.visible.insert(host.visible.end(), run.visible.begin(), run.visible.end());
        host.planted = {{"/usr/bin/getenforce", std::string(KW_SOURCE_DIR) + "/tests/bin/recording-tool"}};
        host.planted.insert(host.planted.end(), run.planted.begin(), run.planted.end());
        host.overlaid = run.overlaid;
        host.user = run.user;
        host.umask = run.umask;
        host.input = run.input;
        host.prepare = run.prepare;
        host.inspect = run.inspect;
        host.during = run.during;
        host.privateNetwork = run.privateNetwork;
        return runInPrivateHost(host);
    }
    PrivateHostResult run(const std::vector<std::string>& arguments) const
    {
        Run plain;
        plain.arguments = arguments;
        return run(plain);
    }

    // A bash script (no rc files) run in the private host, as root unless another
    // user is given, with a directory holding the program as "kitwright" first on
    // PATH: for a terminal front (tmux) or any command around the program.
    PrivateHostResult script(const std::string& text, uid_t user = 0) const
    {
        Run settings;
        settings.user = user;
        return runInPrivateHost(scriptHost(text, settings));
    }
    // The same with the stand-ins, environment and private directories of
    // `settings` (its arguments, input and user are not used).
    PrivateHostResult script(const std::string& text, const Run& settings) const
    {
        return runInPrivateHost(scriptHost(text, settings));
    }

    // A script run in the private host while the test goes on (a terminal
    // front the test drives from outside); finish() waits for its end.
    class Background {
    public:
        Background(pid_t pid, int channel) : pid_(pid), channel_(channel) {}
        ~Background() { finish(); }
        Background(const Background&) = delete;
        Background& operator=(const Background&) = delete;

        PrivateHostResult finish()
        {
            if (pid_ > 0) {
                const std::string answer = privatehost::readAll(channel_);
                ::close(channel_);
                while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
                }
                pid_ = -1;
                std::size_t at = 0;
                std::string code, signal;
                if (!privatehost::takeField(answer, at, result_.skipped)) result_.skipped = "the host gave no answer";
                privatehost::takeField(answer, at, code);
                privatehost::takeField(answer, at, signal);
                privatehost::takeField(answer, at, result_.out);
                privatehost::takeField(answer, at, result_.err);
                privatehost::takeField(answer, at, result_.listing);
                privatehost::takeField(answer, at, result_.inspected);
                result_.exitCode = std::atoi(code.c_str());
                result_.signal = std::atoi(signal.c_str());
            }
            return result_;
        }

    private:
        pid_t pid_;
        int channel_;
        PrivateHostResult result_;
    };
    std::unique_ptr<Background> startScript(const std::string& text, const Run& settings) const
    {
        const PrivateHostRun host = scriptHost(text, settings);
        int channel[2];
        if (::pipe2(channel, O_CLOEXEC) != 0) return nullptr;
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(channel[0]);
            const PrivateHostResult result = runInPrivateHost(host);
            std::string answer;
            for (const std::string& field : {result.skipped, std::to_string(result.exitCode),
                                             std::to_string(result.signal), result.out, result.err, result.listing,
                                             result.inspected})
                privatehost::putField(answer, field);
            privatehost::writeAll(channel[1], answer);
            ::_exit(0);
        }
        ::close(channel[1]);
        return std::make_unique<Background>(pid, channel[0]);
    }

    // The error reports the runs sent so far, in order. The host waits for what
    // a run left running, so a report sent in the background is in.
    std::vector<ReportRecord> reports() const { return parseReportRecords(privatehost::readWhole(reportsFile())); }
    // What the stand-ins recorded, in order.
    std::vector<std::string> calls() const { return tools_.calls(); }
    RecordedTools& tools() { return tools_; }
    // A directory the test and the run share.
    const std::string& scratch() const { return scratch_.path(); }

private:
    PrivateHostRun scriptHost(const std::string& text, const Run& settings) const
    {
        const std::string bin = scratch_.path() + "/bin";
        ::mkdir(bin.c_str(), 0755);
        (void)!::symlink(KW_PROGRAM, (bin + "/kitwright").c_str());
        PrivateHostRun host;
        host.argv = {"/bin/bash", "--norc", "-c", text};
        host.user = settings.user;
        host.environment = {"PATH=" + bin + ":" + tools_.directory() + ":/usr/sbin:/usr/bin:/sbin:/bin", "HOME=/root",
                            "TERM=xterm", "KW_REPORT_RECORD=" + reportsFile()};
        host.environment.insert(host.environment.end(), settings.environment.begin(), settings.environment.end());
        host.visible = visibleDirectories();
        host.planted = {{"/usr/bin/getenforce", std::string(KW_SOURCE_DIR) + "/tests/bin/recording-tool"}};
        host.planted.insert(host.planted.end(), settings.planted.begin(), settings.planted.end());
        host.overlaid = settings.overlaid;
        host.prepare = settings.prepare;
        host.inspect = settings.inspect;
        return host;
    }

    // What the run must still see once /tmp and /root are covered: the stand-ins,
    // the scratch directory, and the source and build trees (a clone may itself
    // live below /tmp).
    std::vector<std::string> visibleDirectories() const
    {
        std::vector<std::string> dirs = {tools_.directory(), scratch_.path()};
        for (const std::string& tree : {std::string(KW_SOURCE_DIR), fileops::dirname(KW_PROGRAM)}) {
            if (tree.compare(0, 5, "/tmp/") == 0 || tree.compare(0, 6, "/root/") == 0) dirs.push_back(tree);
        }
        return dirs;
    }

    std::string reportsFile() const { return scratch_.path() + "/reports"; }

    std::string testPath_;
    RecordedTools tools_;
    TempDir scratch_;
};

// Skips the test when the namespaces are refused here.
#define KW_SKIP_WITHOUT_PRIVATE_HOST(result)                                  \
    if (!(result).skipped.empty()) GTEST_SKIP() << (result).skipped
