#pragma once

#include "common/packages/Source.h"

class Repository;

// The packages that loaded build information files name: component, bootstrap,
// thirdparty and extension catalogue packages. The build loader adds each
// record directly as it loads a build, so there is nothing to read: both reads
// only mark the source read. Where the packages are downloaded from is the
// business of the build's product sources.
class SourceConfig : public Source {
public:
    explicit SourceConfig(Repository* repository);

    std::ostream& printName(std::ostream& out) const override;

protected:
    void loadBrief() override;
    void loadFull() override;
};
