#pragma once

class Options;

// Answers the run modes that need no driver and no installer lock (launching
// the web wizard in the background, version, option help, command help or
// completion, commands overview, status query, stop) and ends the run with
// exitWithSuccess. Returns for the driver modes.
void answerRunMode(Options& options);

// The answer to a run that finds another installer holding the lock: a busy
// status (for the legacy releases list an error "Installer is busy."), then
// exitWithError.
[[noreturn]] void answerBusy(const Options& options);
