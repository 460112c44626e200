#pragma once

#include "common/BuildInfo.h"
#include "tests/installer/startup/ProgramHost.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// The built program on a terminal: a detached tmux pane of a fixed size
// (columns x rows) inside the private host of a ProgramHost, with the run's
// stand-ins, environment and private directories. The test drives it from
// outside through the tmux server's socket in the host's scratch directory:
// it types, waits for texts and reads the screen.
//
// Waiting never sleeps: the pane's output is copied (tmux pipe-pane) into a
// FIFO the test reads, and waitFor blocks on it until the text arrives or the
// deadline passes. A text counts only when it arrives after the previous wait,
// so the same prompt on the next page is not mistaken for the last one.
//
// Inside the host, commands run beside the program with shell() (tmux
// run-shell, as root, with kitwright first on PATH); $KW_SCRATCH is the
// scratch directory, $KW_PID_FILE names the file with the program's process
// id and $KW_TMUX is the tmux command line, so a stand-in can signal the test
// ("$KW_TMUX wait-for -S NAME", waited for with waitForSignal).
class ProgramTerminal {
public:
    static constexpr int columns = 100;
    static constexpr int rows = 40;

    ProgramTerminal(const ProgramHost& host, ProgramHost::Run run, int deadlineSeconds = 60)
        : scratch_(host.scratch()), deadline_(deadlineSeconds)
    {
        const std::string fifo = scratch_ + "/pane.fifo";
        ::unlink(fifo.c_str());
        ::unlink((scratch_ + "/exit-code").c_str());
        if (::mkfifo(fifo.c_str(), 0600) != 0) return;
        pane_ = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);

        std::string arguments;
        for (const std::string& argument : run.arguments) arguments += " " + quoted(argument);
        const std::string tmux = "tmux -S " + scratch_ + "/tmux.socket";
        const std::string program = "sh -c 'echo $$ >\"$KW_PID_FILE\"; exec kitwright \"$@\"' kitwright" + arguments;
        const std::string pane = tmux + " wait-for go; " + program + "; echo $? >" + scratch_ + "/exit-code; " + tmux +
                                 " wait-for -S ended";
        run.environment.push_back("KW_SCRATCH=" + scratch_);
        run.environment.push_back("KW_PID_FILE=" + scratch_ + "/program.pid");
        run.environment.push_back("KW_TMUX=" + tmux);
        run.environment.push_back("TERM=xterm");
        const std::string script = tmux + " -f /dev/null start-server \\; set-option -g default-terminal xterm \\; " +
                                   "set-option -g remain-on-exit on \\; new-session -d -s kw -x " +
                                   std::to_string(columns) + " -y " + std::to_string(rows) + " " + quoted(pane) + "\n" +
                                   tmux + " pipe-pane -t kw " + quoted("cat >>" + fifo) + "\n" + tmux +
                                   " wait-for -S go\n" + "timeout " + std::to_string(deadline_ * 20) + " " + tmux +
                                   " wait-for released\n" + tmux + " kill-server\n";
        tmux_ = tmux;
        background_ = host.startScript(script, run);
    }
    ~ProgramTerminal() { finish(); }
    ProgramTerminal(const ProgramTerminal&) = delete;
    ProgramTerminal& operator=(const ProgramTerminal&) = delete;

    // Waits until `text` appears in what the program printed since the last
    // wait; false (with the screen in failure()) at the deadline or when the
    // pane closed first.
    bool waitFor(const std::string& text)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(deadline_);
        for (;;) {
            const std::string::size_type found = output_.find(text, consumed_);
            if (found != std::string::npos) {
                consumed_ = found + text.size();
                return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (pane_ < 0 || left.count() <= 0 || !readMore(static_cast<int>(left.count()))) {
                failure_ = "\"" + text + "\" did not come; the screen:\n" + screen();
                return false;
            }
        }
    }

    // The visible screen, trailing blanks and empty lines removed, the
    // program's version and the scratch directory replaced by marks.
    std::string screen() const { return normalized(command(tmux_ + " capture-pane -p -t kw")); }

    // Types the line and Enter.
    void type(const std::string& line) { command(tmux_ + " send-keys -t kw -l " + quoted(line) + " \\; send-keys -t kw Enter"); }
    // tmux key names ("C-c", "C-d", "Enter").
    void keys(const std::string& names) { command(tmux_ + " send-keys -t kw " + names); }
    // Any tmux command (resize-window ...).
    std::string tmux(const std::string& arguments) const { return command(tmux_ + " " + arguments); }
    // A shell command inside the host, beside the program; its output.
    std::string shell(const std::string& commandLine) const
    {
        return command(tmux_ + " run-shell " + quoted(commandLine));
    }
    // Blocks until a process inside signals the channel ("$KW_TMUX wait-for -S
    // NAME"); false when the deadline passed first.
    bool waitForSignal(const std::string& channel) const
    {
        return succeeds("timeout " + std::to_string(deadline_) + " " + tmux_ + " wait-for " + quoted(channel));
    }

    // Ends the session once the program has ended: the exit code is the
    // program's, the listing the host's.
    PrivateHostResult finish()
    {
        if (!background_) return result_;
        if (pane_ >= 0) {
            // A test that stopped waiting early leaves the program at a prompt:
            // closing the terminal ends it.
            if (!failure_.empty() || !succeeds("timeout " + std::to_string(deadline_) + " " + tmux_ + " wait-for ended"))
                command(tmux_ + " kill-server");
            while (readMore(0)) {
            }
        }
        command(tmux_ + " wait-for -S released");
        result_ = background_->finish();
        background_.reset();
        if (pane_ >= 0) ::close(pane_);
        pane_ = -1;
        result_.out = output_;
        const std::string code = privatehost::readWhole(scratch_ + "/exit-code");
        result_.exitCode = code.empty() ? -1 : std::atoi(code.c_str());
        return result_;
    }

    // Everything the program printed so far, as the terminal received it.
    const std::string& transcript() const { return output_; }
    const std::string& failure() const { return failure_; }

    static std::string normalized(const std::string& screen)
    {
        std::istringstream lines(screen);
        std::string text;
        std::string pendingEmpty;
        for (std::string line; std::getline(lines, line);) {
            line.erase(line.find_last_not_of(' ') + 1);
            const std::string version = kwVersion();
            for (std::string::size_type at; (at = line.find(version)) != std::string::npos;)
                line.replace(at, version.size(), "<version>");
            if (line.empty()) {
                pendingEmpty += "\n";
                continue;
            }
            text += pendingEmpty + line + "\n";
            pendingEmpty.clear();
        }
        return text;
    }

private:
    // Reads what the pane printed, waiting up to `milliseconds`; false when
    // nothing came or the pane's copy ended.
    bool readMore(int milliseconds)
    {
        pollfd wait = {pane_, POLLIN, 0};
        if (::poll(&wait, 1, milliseconds) <= 0) return false;
        char buffer[65536];
        const ssize_t count = ::read(pane_, buffer, sizeof buffer);
        if (count <= 0) return false;
        output_.append(buffer, static_cast<std::size_t>(count));
        return true;
    }

    std::string command(const std::string& line) const
    {
        std::string text;
        std::FILE* pipe = ::popen((line + " 2>&1").c_str(), "r");
        if (!pipe) return text;
        char buffer[4096];
        for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, count);
        ::pclose(pipe);
        for (std::string::size_type at; (at = text.find(scratch_)) != std::string::npos;)
            text.replace(at, scratch_.size(), "<scratch>");
        return text;
    }
    static bool succeeds(const std::string& line)
    {
        const int status = std::system((line + " >/dev/null 2>&1").c_str());
        return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    static std::string quoted(const std::string& text)
    {
        std::string result = "'";
        for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return result + "'";
    }

    std::string scratch_;
    int deadline_;
    std::string tmux_;
    int pane_ = -1;
    std::string output_;
    std::string::size_type consumed_ = 0;
    std::string failure_;
    std::unique_ptr<ProgramHost::Background> background_;
    PrivateHostResult result_;
};
