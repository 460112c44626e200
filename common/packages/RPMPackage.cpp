#include "common/packages/RPMPackage.h"

#include "common/Log.h"

RPMPackage::RPMPackage(const char* name, const std::string& versionText) : Package(name, versionText) {}

RPMPackage::~RPMPackage() = default;

void RPMPackage::readInfo()
{
    Log(0, true) << "RPMPackage compiled without librpm support";
}
