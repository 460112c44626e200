#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Everything a forked child needs to become "/bin/sh -c <command>", prepared in
// the parent before the fork. Between fork and exec a child of a threaded process
// may only do async-signal-safe work: no allocation, no locks, no logging. So the
// argument vector, the environment and the failure text are built here, and the
// child-side operations use nothing but system calls.
class ShellLaunch {
public:
    // Which locale variables the command gets; the rest of the environment is the
    // installer's own.
    enum Locale {
        inheritLocale,       // the environment unchanged
        cLocale,             // "LC_ALL" and "LANG" set to "C"
        cLocaleAndLanguage,  // also "LANGUAGE" set to "C"
    };

    ShellLaunch(const std::string& command, Locale locale, const char* argumentZero = "sh");
    ShellLaunch(const ShellLaunch&) = delete;
    ShellLaunch& operator=(const ShellLaunch&) = delete;

    // The working directory the child changes to; a failing change is ignored.
    void setDirectory(const std::string& directory) { directory_ = directory; }
    // The child becomes the leader of a process group of its own, so that a
    // signal to the group reaches everything the command starts.
    void setOwnProcessGroup(bool own) { ownProcessGroup_ = own; }

    // The prefix the child writes to its standard error when exec fails; the
    // system's text and a line end follow it.
    void setFailureText(const std::string& text) { failureText_ = text; }

    // Child side (async-signal-safe): makes the given descriptors the child's
    // standard input, output and error (-1 leaves that one as inherited). Exits
    // with failureCode when that is impossible.
    void redirect(int input, int output, int errorOutput, int failureCode) const;

    // Child side (async-signal-safe): restores the default SIGPIPE action and an
    // empty signal mask, leads a process group of its own when asked, closes
    // every descriptor above 2 except keep, changes the directory and executes
    // the shell. Returns only when exec failed, with errno telling why.
    void tryExec(int keep = -1) const;

    // Child side (async-signal-safe): closes every descriptor from `first` on,
    // except `keep`.
    void closeDescriptors(unsigned first, int keep = -1) const;

    // Child side (async-signal-safe): tryExec; when it returns, writes the failure
    // text and the system's text to standard error and _exits with failureCode.
    [[noreturn]] void exec(int failureCode) const;

private:
    std::vector<std::string> arguments_;
    std::vector<std::string> environment_;
    std::vector<char*> argv_;
    std::vector<char*> envp_;
    std::string directory_;
    std::string failureText_;
    bool ownProcessGroup_ = false;
    int highestDescriptor_;
};

// Ignores SIGPIPE for the whole installer (once), so that writing into a pipe whose
// reader has gone is an error code instead of the installer's death. Children
// started through ShellLaunch get the default action back.
void ignoreBrokenPipes();

// Async-signal-safe helpers for code running between fork and exec.
namespace childSafe {
// Writes all of text to the descriptor, ignoring failures.
void writeAll(int fd, const char* text, std::size_t length);
void writeText(int fd, const char* text);
// The English text of an errno value, without locale lookup or allocation.
const char* errorText(int number);
}  // namespace childSafe
