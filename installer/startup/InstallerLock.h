#pragma once

#include "common/Lock.h"

#include <memory>

class Options;

// Takes the installer lock (slot 0) for the rest of the run; the check whether
// another installer runs and the taking are one step, so of two starts racing
// each other exactly one goes on. Another holder gets the busy answer
// (answerBusy). In background mode (an XML installation without --no-daemon)
// the run first detaches: the detached process takes the lock itself (record
// locks are not inherited) and tells the waiting foreground through a pipe,
// which then prints "Installation started" and ends with 0, or the busy answer.
// Returns in the process that goes on, holding the lock.
std::unique_ptr<Lock> takeInstallerLock(const Options& options);
