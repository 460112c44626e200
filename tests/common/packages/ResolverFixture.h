#pragma once

#include "common/packages/Package.h"
#include "common/packages/PkgManager.h"
#include "common/packages/Repository.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>

// A repository read from a scenario directory of tests/data/resolver: the
// installed records (installed.cache, kind 's'), the system's offer
// (offered.cache, 'u') and the product's build (build.cache, 'b').
inline void loadScenario(Repository& repository, const std::string& scenario)
{
    const std::string dir = std::string(KW_TEST_DATA_DIR) + "/resolver/" + scenario + "/";
    struct File {
        const char* name;
        Package::type_t kind;
    };
    bool any = false;
    for (const File& file : {File{"installed.cache", Package::typeSystem}, File{"offered.cache", Package::typeUpdates},
                             File{"build.cache", Package::typeBuild}}) {
        const std::string path = dir + file.name;
        struct stat info;
        if (::stat(path.c_str(), &info) != 0) continue;
        std::FILE* stream = std::fopen(path.c_str(), "r");
        ASSERT_NE(stream, nullptr) << path;
        repository.addFromCache(stream, file.kind, Repository::dups_append, nullptr);
        std::fclose(stream);
        any = true;
    }
    ASSERT_TRUE(any) << "no scenario files in " << dir;
    repository.resolveRequires();
}

// The one record of the name and kind.
inline const Package* recordOf(const Repository& repository, const std::string& name, Package::type_t kind)
{
    for (const Package* package : repository.findByName(name))
        if (package->getType() == kind) return package;
    return nullptr;
}

inline std::string namesOf(const PkgManager::PackageList& list)
{
    std::string text;
    for (const Package* package : list) text += std::string(text.empty() ? "" : " ") + package->getName();
    return text;
}
