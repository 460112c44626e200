#pragma once

#include "installer/catalogue/Build.h"

#include <cstddef>
#include <vector>

class Opsys;

// The builds of a release (or of an addon), in catalogue order, and the choice
// among them of the one to install on a system.
class BuildList {
public:
    typedef std::vector<BuildPtr>::const_iterator const_iterator;

    void add(const BuildPtr& build) { builds_.push_back(build); }

    // Among the builds that match `system`, the last one that names the exact
    // system version and environment; without such a build the first matching
    // one. Empty when none matches.
    BuildPtr getBestBuild(const Opsys& system) const;

    const_iterator begin() const { return builds_.begin(); }
    const_iterator end() const { return builds_.end(); }
    std::size_t size() const { return builds_.size(); }
    bool empty() const { return builds_.empty(); }

private:
    std::vector<BuildPtr> builds_;
};
