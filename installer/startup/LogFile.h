#pragma once

#include <ctime>
#include <string>

// Where a run's log goes: one shared file, or with separate logs one file per
// run named by its start time, pruned to the kept count.
namespace logfile {

inline constexpr const char* directory = "/var/log/zarni/install";
inline constexpr const char* sharedName = "kitwright3.log";
// strftime pattern of a per-run file, and the prefix that tells such files apart.
inline constexpr const char* separatePattern = "kitwright3_%F_%H%M.log";
inline constexpr const char* separatePrefix = "kitwright3_";

}  // namespace logfile

// Chooses, prepares (directory mode 0700) and opens the log file named for the
// run started at `startTime`, with the options' log settings. Does nothing when
// a log file is open already or the run only answers a shell completion. A log
// directory that cannot be made raises error (2,1,1,3).
void openLogFile(std::time_t startTime);

// Removes the oldest per-run log files of `dir` (those whose name begins with
// `prefix`) so that `keep` remain once the new one is made: the newest keep - 1
// stay; keep 0 prunes nothing. A file that cannot be removed is a warning, not
// the end of the run. Returns 0, or -1 when dir is not a directory.
int cleanupSeparateLogs(const std::string& dir, const std::string& prefix, unsigned keep);
