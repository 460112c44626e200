#include "common/packages/InstallStepResolver.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/packages/PkgManager.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/packages/ResolverFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

using ::testing::HasSubstr;

namespace {

// The group completed from the build's records, as the installation step
// would complete it.
std::string completeScenario(Repository& repository, const std::string& scenario, bool removeTree)
{
    loadScenario(repository, scenario);
    PkgManager::PackageList installList;
    for (const Package* package : repository.getPackages())
        if (package->getType() == Package::typeBuild) installList.push_back(package);
    PkgManager::PackageList group = installList;
    InstallStepResolver::completeGroup(repository, group, installList, "x86_64", removeTree);
    return namesOf(group);
}

class InstallStepResolverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PkgManager::resetReportedWarnings();
        PkgManager::setPreferredPackageNames({});
    }
    void TearDown() override { PkgManager::setPreferredPackageNames({}); }

    std::string complete(const std::string& scenario, bool removeTree = false)
    {
        return completeScenario(repository, scenario, removeTree);
    }

    Repository repository;
};

TEST_F(InstallStepResolverTest, CompletesGroupsOfTheScenarios)
{
    struct Case {
        const char* scenario;
        const char* preferred;
        bool removeTree;
        const char* group;
    };
    const Case cases[] = {
        {"simple-chain", "", false, "app liba libb"},
        {"preferred-alternative", "exim", false, "app exim"},
        {"preferred-alternative", "postfix", false, "app postfix"},
        {"conflict-restart", "", false, "app postfix httpd libdb"},
        {"obsoleter-repairs-conflict", "", false, "app newtool"},
        {"upgrade-keeps-requirers", "", false, "lib client"},
        {"upgrade-removes-requirer", "", true, "lib dummy_obsoleter_client"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.scenario) + " preferring '" + c.preferred + "'");
        PkgManager::resetReportedWarnings();
        PkgManager::setPreferredPackageNames(*c.preferred ? std::set<std::string>{c.preferred}
                                                          : std::set<std::string>{});
        Repository fresh;
        EXPECT_EQ(completeScenario(fresh, c.scenario, c.removeTree), c.group);
    }
}

TEST_F(InstallStepResolverTest, ConflictBlackListsTheCandidateAndRestarts)
{
    CapturedLog log(3);
    loadScenario(repository, "conflict-restart");
    InstallStepResolver::Request request;
    request.current = recordOf(repository, "app", Package::typeBuild);
    request.installList = {request.current};
    request.osArch = "x86_64";
    const InstallStepResolver::Result result = InstallStepResolver::resolve(repository, request);
    EXPECT_EQ(result.attempts, 2);
    EXPECT_EQ(namesOf(result.additions), "postfix httpd");
    EXPECT_THAT(log.text(), HasSubstr("In prepareInstallGroup: resolver failed, will try again now"));
    EXPECT_THAT(log.text(), HasSubstr("appendNecessaryPackage(): add to black list sendmail-8.0-1.x86_64"));
}

TEST_F(InstallStepResolverTest, UnresolvableRequirementIsExplained)
{
    CapturedLog log(1);
    expectError([&] { complete("unresolvable"); }, {5, 1, 1, 3}, "Unable to install the \"app\" package.\n");
    const std::string text = log.text();
    for (const char* line : {
             "The requested package \"app\" could not be installed: dependency 'libfoo' is unresolved",
             "Searching problems for the \"app\" package.",
             "The \"libfoo-1.0-1.x86_64\" package resolves \"libfoo\".",
             "Searching problems for the \"libfoo\" package.",
             "The dependency for \"libmissing >= 2\" required\n by the \"libfoo-1.0-1.x86_64\" package could not be resolved.",
         }) {
        SCOPED_TRACE(line);
        EXPECT_THAT(text, HasSubstr(line));
    }
}

TEST_F(InstallStepResolverTest, UpgradeThatBreaksAnInstalledRequirerStopsWithoutRemoval)
{
    expectError([&] { complete("upgrade-removes-requirer", false); }, {5, 1, 1, 2},
                HasSubstr("until the package client-1.0-1.x86_64 is removed"));
}

TEST_F(InstallStepResolverTest, SecondPackageIsTheOtherArchitectureUnlessInstalled)
{
    auto make = [](const char* name, const char* version, const char* arch, char kind) {
        auto record = std::make_unique<Package>(name, std::string(version));
        record->setArchRaw(arch);
        record->setType(kind);
        return Repository::keep(std::move(record));
    };
    const Package* a64 = make("twin", "1.0", "x86_64", 'b');
    const Package* a32 = make("twin", "1.0", "i686", 'b');
    const Package* inst = make("twin", "1.0", "i686", 's');
    const Package* other = make("twin", "2.0", "i686", 'b');
    EXPECT_EQ(InstallStepResolver::findSecondPackage(a64, {a64, other, a32}), a32);
    EXPECT_EQ(InstallStepResolver::findSecondPackage(a64, {a64, inst, a32}), nullptr);
    EXPECT_EQ(InstallStepResolver::findSecondPackage(a64, {a64, other}), nullptr);
}

}  // namespace
