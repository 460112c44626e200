#pragma once

#include "installer/reporters/Reporter.h"

#include "common/checked_pointer.h"

#include <cstdint>
#include <ostream>

class BuildManager;

// The answer to the releases query and to the updates check: the releases the
// catalogue keeps (of the selected products, when the request names products),
// as a fixed-width table or as "releases/release".
class ReleasesReporter : public Reporter {
public:
    enum Mode {
        modeList = 0,
        modeUpdates = 1,  // the XML form leaves out what is installed and current
    };

    // The build manager is borrowed and outlives the reporter.
    ReleasesReporter(std::int32_t status, BuildManager* builds, std::int32_t mode);

    // No kept release prints "releases_reporter_no_updates" (updates check, ok)
    // or "releases_reporter_list_empty" (list, error). An upgrade command raises
    // a user error after the table in text form and before anything in XML form.
    std::ostream& put(std::ostream& out) const override;

private:
    checked_pointer<BuildManager> builds_;
    std::int32_t mode_;
};
