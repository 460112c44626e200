#pragma once

#include "installer/reporters/Reporter.h"

#include "common/checked_pointer.h"

#include <ostream>

class BuildManager;

// What an installation run is about to do with the releases, for the error
// report: one line per selected or installed release, "selected " or
// "installed", product id, release id, update mode ("none" and "(not
// installable)" when it is not actual). Text only.
class ToInstallReleasesReporter : public Reporter {
public:
    // The build manager is borrowed and outlives the reporter.
    ToInstallReleasesReporter(std::int32_t status, BuildManager* builds);

    std::ostream& put(std::ostream& out) const override;

private:
    checked_pointer<BuildManager> builds_;
};
