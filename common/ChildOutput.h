#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdio>

// The read end of a pipe that a child process writes its output into, read until
// the end of file or until the child has ended and the pipe holds nothing more
// at once. A descendant the child left behind (a daemon that a maintainer
// script started without closing its output) can keep the pipe open for ever:
// waiting for the end of file would hang the installer. What the descendant
// writes after the child has ended, beyond one pipe's worth, is not read.
class ChildOutput {
public:
    // Owns `fd` from now on. Until watch() names the child, reading ends only at
    // the end of file.
    explicit ChildOutput(int fd);
    ~ChildOutput();
    ChildOutput(const ChildOutput&) = delete;
    ChildOutput& operator=(const ChildOutput&) = delete;

    // The child whose end also ends the reading. It is only looked at, never
    // reaped: its owner waits for it.
    void watch(pid_t child) { child_ = child; }

    // Up to `length` bytes; 0 at the end; -1 with errno set when reading fails.
    ssize_t read(char* buffer, std::size_t length);

    // A stdio stream (mode "r") reading through a new ChildOutput on `fd`, for
    // callers that parse lines with stdio; `reader` gets that ChildOutput, which
    // lives until the stream is closed (fclose also closes fd). Null with errno
    // set when the stream cannot be made; fd is closed then.
    static std::FILE* openStream(int fd, ChildOutput** reader);

private:
    bool childEnded() const;

    int fd_;
    pid_t child_ = 0;
    bool draining_ = false;
    std::size_t drainLeft_ = 0;
};
