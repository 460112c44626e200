#include "installer/catalogue/BuildList.h"

#include "common/Log.h"
#include "common/Opsys.h"

BuildPtr BuildList::getBestBuild(const Opsys& system) const
{
    Log(3, true) << "DEBUG: BuildList::getBestBuild for " << system;
    BuildPtr choice;
    for (const BuildPtr& build : builds_) {
        if (!build->matches(system)) {
            Log(3, true) << "DEBUG: " << *build << " is not compatible";
            continue;
        }
        // A build made for exactly this system version and environment beats one
        // that only matches it (a major version, an older processor).
        if (!choice || (build->osVersion() == system.version() && build->environment() == system.environment()))
            choice = build;
    }
    return choice;
}
