#pragma once

#include "installer/catalogue/Build.h"
#include "installer/catalogue/BuildInfFile.h"

#include <boost/make_shared.hpp>

#include <string>

// A loaded build: the build information file at `path` read the way the build
// loader reads it, for the system `vendor` `version`, declared at `config` in the
// catalogue directory `directory`.
inline BuildPtr loadedBuildFile(const std::string& path, const std::string& config, const std::string& directory,
                                const std::string& vendor = "RedHat", const std::string& version = "9")
{
    BuildPtr build =
        boost::make_shared<Build>(boost::shared_ptr<Release>(), "Linux", vendor, version, "x86_64", "", config, "");
    build->setDirectory(directory);
    const auto info = boost::make_shared<BuildInfFile>(path, config);
    build->setBuildInfFile(info);
    build->setGpg(info->gpgcheck, info->gpg_public_key);
    return build;
}

// A loaded build for the product source tests: a build information fixture of
// tests/data/sources, declared at `config` in the catalogue directory
// `directory`.
inline BuildPtr loadedBuild(const std::string& fixture, const std::string& config = "zarni/2.0/build.inf3",
                            const std::string& directory = "zarni")
{
    return loadedBuildFile(std::string(KW_TEST_DATA_DIR) + "/sources/" + fixture, config, directory);
}
