#pragma once

#include <string>

class Package;

// What the system package manager offers for a package name, as the run's
// system-specific configurator learns it once the key package names are known.
// The installed-state check and the package list ask it for a candidate beside
// the repository's own records; null means the system offers nothing for the
// name.
class AvailablePackageLookup {
public:
    virtual ~AvailablePackageLookup() = default;
    virtual const Package* getAvailablePackage(const std::string& name) const = 0;
};
