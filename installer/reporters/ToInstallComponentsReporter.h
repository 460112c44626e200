#pragma once

#include "installer/reporters/Reporter.h"

#include "common/checked_pointer.h"

#include <ostream>

class ComponentManager;

// What an installation run is about to do with each component, for the error
// report: "I", "R" or "L" by selection, the status mark, the name, the action
// and the installed and available versions. Text only.
class ToInstallComponentsReporter : public Reporter {
public:
    // The component manager is borrowed and outlives the reporter.
    ToInstallComponentsReporter(std::int32_t status, ComponentManager* components);

    // Raises the internal error of an unchecked component.
    std::ostream& put(std::ostream& out) const override;

private:
    checked_pointer<ComponentManager> components_;
};
