#pragma once

#include <chrono>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

// One shell command ("/bin/sh -c", with "LC_ALL", "LANG" and "LANGUAGE" set to
// "C") running with its three standard streams on pipes, and the pump that feeds
// its input from a stream and copies its output and error output into streams.
// Made by startProcess or startProcessInDir; the owner pumps it once with wait()
// and destroys it, which closes what is still open (it neither waits for nor
// signals the child).
class POpen {
public:
    ~POpen();
    POpen(const POpen&) = delete;
    POpen& operator=(const POpen&) = delete;

    // Feeds the input stream to the command until the stream ends, copies its
    // standard output and error into the output and error streams (and, with
    // echo, into the log at level 0 as they come), waits for the child and returns
    // its raw wait status. Everything the command wrote before it ended is in the
    // streams, also when a descendant it left behind keeps the pipes open. When
    // cancelable, a termination request stops the child (SIGTERM), and after the
    // child has ended the termination check raises Progress::Interrupted.
    int wait(bool echo);

    // When set, wait() reacts to termination requests (false at creation).
    void setCancelable(bool cancelable) { cancelable_ = cancelable; }
    // A command still running `limit` after its start is stopped, and timedOut()
    // then tells so (at creation there is no limit).
    void setTimeLimit(std::chrono::milliseconds limit) { timeLimit_ = limit; }
    // A stopped command still running `grace` after its SIGTERM gets SIGKILL (at
    // creation it never does: a package manager must be let finish what it does).
    void setStopGrace(std::chrono::milliseconds grace) { stopGrace_ = grace; }
    bool timedOut() const { return timedOut_; }
    // For a command that is never cut short: wait() takes a termination request
    // and logs this note once (level 0), leaving the request to the caller's next
    // termination check.
    void setWaitingNote(const std::string& note) { waitingNote_ = note; }
    int pid() const { return pid_; }

private:
    friend std::unique_ptr<POpen> startProcessInDir(const std::string& command, std::istream* input,
                                                    std::ostream* output, std::ostream* errorOutput,
                                                    const std::string& directory);
    friend std::unique_ptr<POpen> startProcessGroup(const std::string& command, std::istream* input,
                                                    std::ostream* output, std::ostream* errorOutput);

    // The common start of the factories.
    static std::unique_ptr<POpen> create(const std::string& command, std::istream* input, std::ostream* output,
                                         std::ostream* errorOutput, const std::string& directory, bool ownGroup);
    POpen(std::istream* input, std::ostream* output, std::ostream* errorOutput);
    void start(const std::string& command, const std::string& directory, bool ownGroup);
    // Sends the signal to the child, or to its whole group when it leads one.
    void signalChild(int signalNumber) const;
    // Stop signals and the time limit, once per turn of the pump.
    void watchStop();
    // Whether the child has ended; reaps it into `status`. A stopped group is
    // killed whole first, while its ended leader still holds the group's id.
    bool childEnded(int& status, bool block);
    void feedInput(bool echo);
    // Reads one chunk from fd into the stream; closes fd at its end or on a failure.
    // Returns the number of bytes read (0 when there was nothing).
    std::size_t readChunk(int& fd, std::ostream& to, bool echo);
    void drain(int& fd, std::ostream& to, bool echo);
    static void closeEnd(int& fd);

    int input_[2];
    int output_[2];
    int error_[2];
    int pid_;
    std::istream* inputStream_;
    std::ostream* outputStream_;
    std::ostream* errorStream_;
    bool cancelable_;
    bool ownGroup_ = false;
    std::chrono::milliseconds timeLimit_{0};
    std::chrono::milliseconds stopGrace_{-1};
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point stoppedAt_;
    bool stopped_ = false;
    bool killed_ = false;
    bool timedOut_ = false;
    std::string waitingNote_;
    int status_;
    bool waited_;
    // Input read from the stream but not yet written into the pipe.
    char inputBuffer_[4096];
    std::size_t inputLength_;
    std::size_t inputPosition_;
};

// Starts the command. All three streams are required (an empty string stream for
// no input; output and error may be the same stream). Raises error (4,1,0,2) when
// the pipes cannot be created or the fork fails; a shell that cannot be executed
// makes the child exit with 251.
std::unique_ptr<POpen> startProcess(const std::string& command, std::istream* input, std::ostream* output,
                                    std::ostream* errorOutput);
// The same, with the command running in the given working directory (a directory
// that cannot be entered leaves the inherited one).
std::unique_ptr<POpen> startProcessInDir(const std::string& command, std::istream* input, std::ostream* output,
                                         std::ostream* errorOutput, const std::string& directory);
// The same, with the command leading a process group of its own: a stop then
// signals the group, so that nothing the command started lives on, and what is
// left of a stopped group when its leader ends is killed.
std::unique_ptr<POpen> startProcessGroup(const std::string& command, std::istream* input, std::ostream* output,
                                         std::ostream* errorOutput);
