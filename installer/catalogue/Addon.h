#pragma once

#include "installer/catalogue/BuildList.h"

#include "common/packages/Version.h"

#include <boost/shared_ptr.hpp>

#include <ostream>
#include <string>
#include <vector>

class Release;

// A set of extra builds that the catalogue offers for ranges of versions of a
// product. The build loader attaches an addon to the first loaded release it
// fits and loads the addon's best build for the system into it. A lazy addon's
// repository is activated only on demand.
class Addon {
public:
    // One product version range the addon fits; both bounds count.
    struct CompatibleRange {
        std::string productId;
        Version from;
        Version to;
    };

    Addon(const std::string& id, const std::string& name, const std::string& version, bool lazy);

    // An empty version text raises err_empty_version and adds nothing.
    void addCompatible(const std::string& productId, const std::string& from, const std::string& to);
    bool hasCompatible() const { return !ranges_.empty(); }
    // Whether the release's product and version lie in one of the ranges. An
    // addon without ranges is an internal error: the reader refuses it.
    bool applicableTo(const Release& release) const;

    // The builds have no parent release until the addon is attached to one.
    void addBuild(const BuildPtr& build) { builds_.add(build); }

    const std::string& id() const { return id_; }
    const std::string& name() const { return name_; }
    // As the catalogue gives it; the catalogue sorts its addons by it as a version.
    const std::string& version() const { return version_; }
    bool isLazy() const { return lazy_; }
    const BuildList& builds() const { return builds_; }
    const std::vector<CompatibleRange>& compatibleRanges() const { return ranges_; }

private:
    std::string id_;
    std::string name_;
    std::string version_;
    bool lazy_;
    BuildList builds_;
    std::vector<CompatibleRange> ranges_;
};

typedef boost::shared_ptr<Addon> AddonPtr;

// The id.
std::ostream& operator<<(std::ostream& out, const Addon& addon);
