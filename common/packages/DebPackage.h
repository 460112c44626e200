#pragma once

#include "common/packages/Package.h"

#include <string>

// A package of the Debian world: its version, and the versions of its
// dependencies, order by dpkg's rules.
class DebPackage : public Package {
public:
    DebPackage(const char* name, const std::string& versionText);
    ~DebPackage() override;

    // Reads name, version and architecture from the control data of the package
    // file named by the record's file name ("dpkg -I"), then the file's time,
    // digest and size. A failing command raises its error; the record keeps what
    // was read before a failure.
    void readInfo() override;
};
