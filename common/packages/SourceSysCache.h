#pragma once

#include "common/packages/Source.h"

#include <string>

class Repository;

// The installed packages read from a file in the package cache format, named by
// the options, in place of querying the system (a copy of the RPM reader's
// cache file, or one made for a test run).
class SourceSysCache : public Source {
public:
    SourceSysCache(Repository* repository, const std::string& path);
    ~SourceSysCache() override;

    const std::string& path() const { return path_; }

protected:
    void loadBrief() override;
    void loadFull() override;

private:
    std::string path_;
};
