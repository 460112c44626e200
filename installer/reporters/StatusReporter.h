#pragma once

#include "installer/reporters/Reporter.h"

#include <cstdint>
#include <ostream>
#include <string>

// The answer to the status query of a second run or an outside tool: the state
// of the installer lock (the reporter's own status and message) and the shared
// progress record that a running installation publishes (Progress).
class StatusReporter : public Reporter {
public:
    StatusReporter(std::int32_t status, const std::string& message);

    // Busy with "status_locked_by_another" while another process holds the
    // installer lock, else ok with "status_not_locked". Raises the errors of
    // Lock::test.
    static StatusReporter forLockState();

    // Copies the record under its lock slot and lets the slot go before writing,
    // so that a slow reader of the answer never holds up the installation's
    // progress writer. Raises the errors of Progress::SharedStatus before
    // anything is written.
    std::ostream& put(std::ostream& out) const override;
};
