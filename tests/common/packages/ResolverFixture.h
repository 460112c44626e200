#pragma once

#include "common/packages/InstallStepResolver.h"
#include "common/packages/Package.h"
#include "common/packages/PkgManager.h"
#include "common/packages/Reason.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>

// A repository read from a directory of package cache files: the installed
// records (installed.cache, kind 's'), the system's offer (offered.cache, 'u')
// and the product's build (build.cache, 'b').
inline void loadCacheFiles(Repository& repository, const std::string& directory)
{
    const std::string dir = directory + "/";
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
    ASSERT_TRUE(any) << "no package cache files in " << dir;
    repository.resolveRequires();
}

// The same from a scenario directory of tests/data/resolver.
inline void loadScenario(Repository& repository, const std::string& scenario)
{
    loadCacheFiles(repository, std::string(KW_TEST_DATA_DIR) + "/resolver/" + scenario);
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

// Records as the resolver's log shows them, with their kind: "name-version.arch~kind".
inline std::string recordsOf(const PkgManager::PackageList& list)
{
    std::ostringstream text;
    for (const Package* package : list)
        text << (text.tellp() > 0 ? " " : "") << package << "~" << static_cast<char>(package->getType());
    return text.str();
}

// One "record~kind: reason" line per black-listed record, in the list's order.
inline std::string blackListOf(const PkgManager::BlackList& blackList)
{
    std::ostringstream text;
    for (const auto& entry : blackList)
        text << entry.first << "~" << static_cast<char>(entry.first->getType()) << ": " << *entry.second << "\n";
    return text.str();
}

// One row of a resolver scenario table: the installation step examines the
// record `current` of the data directory `scenario` (the build's record of the
// name, else the offered one, as when the group walk reaches it), with every
// build record of it requested, and must end as the row says.
struct ResolverScenario {
    const char* name;       // what the row shows
    const char* scenario;   // directory under tests/data/resolver
    const char* current;    // name of the record examined
    bool removeTree;        // the option "force-remove-packages-tree"
    const char* necessary;  // the necessary list when the step succeeds (recordsOf)
    const char* blackList;  // the black list when the step succeeds (blackListOf)
    ErrorCodes codes;       // the error's codes when the step fails
    const char* error;      // the error's exact text; empty when the step succeeds
    const char* logLine;    // the log line that explains the decision
};

inline void runResolverScenario(const ResolverScenario& c)
{
    SCOPED_TRACE(std::string(c.name) + " (" + c.scenario + ")");
    PkgManager::resetReportedWarnings();
    Repository repository;
    loadScenario(repository, c.scenario);
    InstallStepResolver::Request request;
    request.current = recordOf(repository, c.current, Package::typeBuild);
    if (!request.current) request.current = recordOf(repository, c.current, Package::typeUpdates);
    ASSERT_NE(request.current, nullptr) << "no build or offered record " << c.current;
    for (const Package* package : repository.getPackages())
        if (package->getType() == Package::typeBuild) request.installList.push_back(package);
    request.osArch = "x86_64";
    request.removePackagesTree = c.removeTree;

    CapturedLog log(3);
    if (*c.error) {
        expectError([&] { InstallStepResolver::resolve(repository, request); }, c.codes, c.error);
    } else {
        try {
            const InstallStepResolver::Result result = InstallStepResolver::resolve(repository, request);
            EXPECT_EQ(recordsOf(result.necessary), c.necessary);
            EXPECT_EQ(blackListOf(result.blackList), c.blackList);
        } catch (const error& e) {
            ADD_FAILURE() << "unexpected error: " << e.text();
        }
    }
    EXPECT_THAT(log.text(), ::testing::HasSubstr(c.logLine));
}

// Records made by hand in one repository, for the operations that need only a few.
class ResolverTest : public ::testing::Test {
protected:
    void SetUp() override { PkgManager::resetReportedWarnings(); }

    Package* add(const char* name, const char* version, const char* arch, char kind,
                 std::initializer_list<const char*> requires = {}, std::initializer_list<const char*> provides = {},
                 std::initializer_list<const char*> conflicts = {})
    {
        auto record = std::make_unique<Package>(name, std::string(version));
        record->setArchRaw(arch);
        record->setType(kind);
        for (const char* r : requires) record->addRequire(r);
        for (const char* p : provides) record->addProvide(p);
        for (const char* c : conflicts) record->addConflict(c);
        record->addProvide((std::string(name) + " = " + version).c_str());
        return repository.addPackage(std::move(record), nullptr);
    }

    Repository repository;
    PkgManager::PackageList necessary;
};
