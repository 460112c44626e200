#pragma once

#include "common/packages/Package.h"

#include <string>

// A package of the RPM world; its version orders by rpm's rules.
class RPMPackage : public Package {
public:
    RPMPackage(const char* name, const std::string& versionText);
    ~RPMPackage() override;

    // The record cannot be read from an rpm file without librpm, which the
    // installer does not link: only says so in the log.
    void readInfo() override;
};
