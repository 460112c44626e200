#pragma once

#include "installer/catalogue/Build.h"
#include "installer/catalogue/Product.h"
#include "installer/catalogue/Release.h"

#include "common/Opsys.h"
#include "common/packages/DebPackage.h"
#include "common/packages/Repository.h"
#include "common/packages/Version.h"

#include <boost/make_shared.hpp>

#include <memory>

#include <string>
#include <vector>

// Small catalogues built in memory, the way the catalogue reader builds them.

// The system most tests install on.
inline Opsys debian12()
{
    return Opsys("Linux", "Debian", "12.5", "x86_64", "");
}

inline ProductPtr makeProduct(const std::string& id, const Product::KeyPackages& keyPackages = {{"base-package"}},
                              const std::vector<std::string>& incompatibleWith = {})
{
    return boost::make_shared<Product>(id, id + " name", false, keyPackages, std::vector<std::string>(),
                                       std::vector<std::string>(), incompatibleWith);
}

inline ReleasePtr makeRelease(const ProductPtr& product, const std::string& id, const std::string& version,
                              const std::string& upgradeAllowedFrom = "0")
{
    return boost::make_shared<Release>(product, id, id + " name", "", Version(version), Version(upgradeAllowedFrom));
}

// A build of the release for the system, appended to its builds.
inline BuildPtr addBuild(const ReleasePtr& release, const std::string& vendor, const std::string& version,
                         const std::string& arch = "x86_64", const std::string& environment = "",
                         const std::string& config = "", const std::string& deprecated = "")
{
    BuildPtr build = boost::make_shared<Build>(release, "Linux", vendor, version, arch, environment, config,
                                               deprecated);
    release->addBuild(build);
    return build;
}

// Lists a package record of the kind ('s' installed, 'u' offered by the system's
// repositories, 'b' from the catalogue); the record listed.
inline const Package* addRecord(Repository& repository, const char* name, const char* version, char kind = 's')
{
    auto record = std::make_unique<DebPackage>(name, version);
    record->setType(kind);
    return repository.addPackage(std::move(record), nullptr);
}
