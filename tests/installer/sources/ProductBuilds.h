#pragma once

#include "installer/catalogue/Build.h"
#include "installer/catalogue/BuildInfFile.h"

#include <boost/make_shared.hpp>

#include <string>

// A loaded build for the product source tests: a build information fixture of
// tests/data/sources read the way the build loader reads it, declared at
// `config` in the catalogue directory `directory`.
inline BuildPtr loadedBuild(const std::string& fixture, const std::string& config = "zarni/2.0/build.inf3",
                            const std::string& directory = "zarni")
{
    BuildPtr build =
        boost::make_shared<Build>(boost::shared_ptr<Release>(), "Linux", "RedHat", "9", "x86_64", "", config, "");
    build->setDirectory(directory);
    const auto info = boost::make_shared<BuildInfFile>(std::string(KW_TEST_DATA_DIR) + "/sources/" + fixture, config);
    build->setBuildInfFile(info);
    build->setGpg(info->gpgcheck, info->gpg_public_key);
    return build;
}
