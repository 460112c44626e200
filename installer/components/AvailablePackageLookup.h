#pragma once

#include <string>

class Package;

// What the system package manager offers for a package name. The run's
// system-specific configurator is the lookup: it learns the answers once the key
// package names are known, which is why asking is not a const operation. The
// installed-state check and the package list ask it for a candidate beside the
// repository's own records; null means the system offers nothing for the name.
class AvailablePackageLookup {
public:
    virtual ~AvailablePackageLookup() = default;
    virtual const Package* getAvailablePackage(const std::string& name) = 0;
};
