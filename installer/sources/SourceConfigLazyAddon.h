#pragma once

#include "installer/catalogue/Build.h"
#include "installer/sources/SourceConfig.h"

// The packages of one lazy addon build: like SourceConfig, but the addon's
// repositories are configured only once a component of the addon is selected
// (the build is kept for that).
class SourceConfigLazyAddon : public SourceConfig {
public:
    SourceConfigLazyAddon(Repository* repository, const BuildPtr& build);

    const BuildPtr& getBuild() const { return build_; }
    std::ostream& printName(std::ostream& out) const override;

private:
    BuildPtr build_;
};
