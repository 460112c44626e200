#pragma once

#include "common/packages/Source.h"

#include <string>

class Repository;

// The installed packages of an RPM system, read with rpm. The brief read gives
// each package's identity, times and provides; the full read adds requirements,
// files (as file provides with mode and digest), conflicts and obsoletes, and
// leaves them in the installed-package cache file for later runs of the reader
// of a cache file.
class SourceSysRPM : public Source {
public:
    // "/tmp/kitwright_system_packages.cache"; the start-up code removes it after
    // an installation.
    static const char* const cacheFilePath;

    // `cacheFile` is where the full read leaves its copy of rpm's output.
    explicit SourceSysRPM(Repository* repository, const std::string& cacheFile = cacheFilePath);
    ~SourceSysRPM() override;

    static const std::string& briefCommand();
    static const std::string& fullCommand();

protected:
    void loadBrief() override;
    void loadFull() override;

private:
    std::string cacheFile_;
};
