#pragma once

#include "installer/reporters/Reporter.h"

#include "common/checked_pointer.h"

#include <ostream>

class BuildManager;

// The answer to the operating-systems query: the builds of the selected
// releases, one line each with the system and the build information file. Text
// only: with XML output it raises "err_src_xmlblist".
class OSListReporter : public Reporter {
public:
    // The build manager is borrowed and outlives the reporter.
    OSListReporter(std::int32_t status, BuildManager* builds);

    std::ostream& put(std::ostream& out) const override;

private:
    checked_pointer<BuildManager> builds_;
};
