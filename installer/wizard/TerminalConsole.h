#pragma once

#include "installer/wizard/TextConsole.h"

#include <string>

// A console over an input descriptor, an output stream and a terminal device.
// Every wait for input also waits on the progress status's termination wake-up
// (Progress::terminationWakeupDescriptor), so a termination signal ends a
// prompt at once although the handlers restart interrupted calls: the wait then
// acts through Progress::checkTermination.
//
// Input is read a byte at a time and nothing is kept beyond the line asked for:
// whatever follows stays in the descriptor for the next reader (a child
// process, a pager).
class TerminalConsole : public TextConsole {
public:
    // `terminalPath` is where passwords are read from with echo off.
    TerminalConsole(int inputFd, std::ostream& out, std::string terminalPath = "/dev/tty");

    std::ostream& out() override { return out_; }
    bool readLine(std::string& line) override;
    // Echo is off while the line is read and restored on every way out, also
    // when a termination signal ends the wait. Signal keys stay on, so Ctrl+C
    // still interrupts.
    bool readPassword(const std::string& prompt, std::string& password) override;
    // Runs "clear" through the shell; its result does not matter.
    void clearScreen() override;

    // Longer answers are cut to this many bytes (the rest of the line is read
    // and dropped), so endless input cannot exhaust memory.
    static constexpr std::size_t maxLineLength = 65536;

private:
    int inputFd_;
    std::ostream& out_;
    std::string terminalPath_;
};
