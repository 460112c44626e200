#pragma once

// One pipe between the installer and a child process: the read end (the "out"
// end) and the write end (the "in" end). Both ends are close-on-exec, so a pipe
// of one command never leaks into another command started meanwhile; a child
// gets its end by duplicating it onto a standard descriptor. -1 marks a closed
// end (0 is a valid descriptor when standard input was closed).
#include <cstddef>

class Pipe {
public:
    // Raises error (4,2,1,1) when the system cannot create the pipe.
    Pipe();
    // Closes the ends still open, without checking the result.
    ~Pipe();
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    // The read end; raises error (3,2,1,3) when it is closed.
    int out() const;
    // The write end; raises error (3,2,1,3) when it is closed.
    int in() const;

    // Close one end; a failing close raises error (4,2,1,1). The end counts as
    // closed afterwards either way: Linux releases the descriptor even then, and
    // closing it again could hit a descriptor opened meanwhile.
    void closeOut();
    void closeIn();

    // Hand an end over to a new owner (a FILE stream); the pipe forgets it.
    int releaseOut();
    int releaseIn();

    bool outOpen() const { return out_ != -1; }

    // What the pipe of `fd` can hold at most (1 MiB when the system does not
    // say): the bound of a final drain after a command has ended, so that a
    // descendant writing without pause cannot keep the drain going for ever.
    static std::size_t capacity(int fd);
    bool inOpen() const { return in_ != -1; }

private:
    int out_;
    int in_;
};
