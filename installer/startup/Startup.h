#pragma once

#include <functional>

// The start-up body of the program: keeps the command line, checks the user,
// builds the options, opens the log, answers the run modes that need no driver,
// takes the installer lock and hands the run to a driver. It never returns
// normally: every run ends with driver::SystemExit (or, on the ways runInstaller
// knows, with another exception).
[[noreturn]] void startInstaller(int argc, char** argv);

// main's part: runs `body` and turns what leaves it into the exit code (a
// SystemExit's code; 2 for an interruption by a termination signal; 1 with an
// internal-error status for anything else). A body that returns gives 0.
int runInstaller(const std::function<void()>& body);

// Runs the SELinux mode query ("getenforce") so that its answer reaches the log
// when an unexpected failure ends the run. It never raises: the failure being
// reported must not be replaced by one of the query.
void logSelinuxMode();

// The end of a web back end left without requests too long: the console (which
// the web launcher silenced) shows why, and the run ends with 0 straight away,
// without the exit functions: no notice mail, no status answer.
[[noreturn]] void exitOnIdleTimeout();
