#pragma once

#include "common/Pipe.h"

#include <boost/thread/thread.hpp>

#include <cstdio>
#include <memory>
#include <string>

// Runs one shell command line ("/bin/sh -c", with "LC_ALL" and "LANG" set to "C")
// and gives the caller one end of a pipe to it as a stdio stream: the command's
// standard output in read mode, its standard input in write mode. While it runs,
// a thread of the object's own copies the command's standard error into the log
// (level 0), where the operator sees it. The caller then collects the exit code
// with close() or demands success with check(); the destructor warns when neither
// was done. One object runs one command and is used by one thread.
class SystemCmd {
public:
    // 0 selects read mode, any other value write mode.
    typedef int open_mode_t;
    static constexpr open_mode_t readMode = 0;
    static constexpr open_mode_t writeMode = 1;

    // Starts the command; on return the stream is open and the logger runs.
    // Raises error when a pipe, the stream, the fork or the logger cannot be made.
    SystemCmd(const std::string& command, open_mode_t mode);
    virtual ~SystemCmd();
    SystemCmd(const SystemCmd&) = delete;
    SystemCmd& operator=(const SystemCmd&) = delete;

    // Closes the stream, waits for the child and returns its exit code; 127 when
    // the child was ended by a signal. A second call returns the same code.
    int close();
    // close(); a non-zero code raises error (4,2,2,2) "Error <code> in execution
    // of <program>".
    void check();

    const std::string& command() const { return command_; }

    // The caller's end of the command pipe; null after close(). Read or write it
    // with stdio, but never fclose it. In read mode it ends when the command has
    // ended and the pipe holds nothing more at once, also when a process the
    // command left behind keeps the pipe open.
    FILE* stream;

    // Copies the command's standard error into the log until end of file, or,
    // once told to stop, until the pipe holds nothing more.
    class StderrLogger {
    public:
        StderrLogger(int fd, int stopFd) : fd_(fd), stopFd_(stopFd) {}
        void operator()() const;

    private:
        int fd_;
        int stopFd_;
    };

private:
    void stopLogger();

    std::string command_;
    int pid_;
    int status_;
    bool collected_;
    Pipe commandPipe_;
    Pipe errorPipe_;
    // Tells the logger that the command has ended: a command's background
    // descendant may keep the error pipe open for ever, so end of file alone
    // cannot end the logger.
    Pipe stopPipe_;
    std::unique_ptr<boost::thread> logger_;
};
