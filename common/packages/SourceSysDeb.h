#pragma once

#include "common/packages/Source.h"

#include <string>

class Repository;

// The installed packages of a Debian or Ubuntu system, read from dpkg's database
// with dpkg-query. The brief read holds everything this reader supplies: name,
// version, architecture and provides.
class SourceSysDeb : public Source {
public:
    explicit SourceSysDeb(Repository* repository);
    ~SourceSysDeb() override;

    // The shell command line of the query; it prints the installed packages in
    // the package cache format and ends with dpkg-query's exit code.
    static const std::string& queryCommand();

protected:
    void loadBrief() override;
    void loadFull() override;
};
