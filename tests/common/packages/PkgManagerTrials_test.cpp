#include "common/packages/PkgManager.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/packages/ResolverFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

using ::testing::HasSubstr;

namespace {

using PkgManagerTrialsTest = ResolverTest;

TEST_F(PkgManagerTrialsTest, StatisticsCountNewRecordsAndRemovals)
{
    const Package* osNew = add("fresh", "1.0", "x86_64", 'u');
    const Package* buildNew = add("prod", "1.0", "x86_64", 'b');
    add("old", "1.0", "x86_64", 's');
    const Package* upgrade = add("old", "2.0", "x86_64", 'u');
    const Package* remover = repository.addRemoverFor("gone", "");
    necessary = {osNew, buildNew, upgrade, remover};
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    const PkgManager::Statistics stats = manager.countStatistics();
    EXPECT_EQ(stats.osNew, 1);
    EXPECT_EQ(stats.buildNew, 1);
    EXPECT_EQ(stats.totalNew, 2);
    EXPECT_EQ(stats.removals, 1);
}

TEST_F(PkgManagerTrialsTest, PassLoopNeedsAStartList)
{
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    expectError([&] { manager.findNecessaryPackages(false); }, {3, 0, 0, 2},
                "start packages list for resolver is empty\n");
}

TEST_F(PkgManagerTrialsTest, TrialDepthIsTheResolversOwnAndMarksTheLog)
{
    const Package* a = add("a", "1.0", "x86_64", 'u');
    const Package* b = add("b", "1.0", "x86_64", 'u');
    repository.resolveRequires();
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    manager.setOsArch("x86_64");
    EXPECT_EQ(manager.getTrialDepth(), 0);

    // The log file's lines, where the depth shows as one "#" per level.
    auto file = std::make_unique<std::ostringstream>();
    std::ostringstream* lines = file.get();
    std::unique_ptr<std::ostream> saved(std::move(Log::stream));
    Log::stream = std::move(file);
    // Whatever depth the log marks, the resolver counts its own: the two alike
    // branches run and tie.
    Log::depth = PkgManager::maxTrialDepth;
    const int r = manager.trialCompare(a, b);
    const int depthAfter = Log::depth;
    const std::string text = lines->str();
    Log::depth = 0;
    Log::stream = std::move(saved);

    EXPECT_EQ(r, 0);
    EXPECT_EQ(depthAfter, PkgManager::maxTrialDepth);
    EXPECT_THAT(text, ::testing::ContainsRegex("\\] #PkgManager: start resolving packages\n"));
}

TEST(PkgManagerTrialsScenarioTest, TiesNestedDeeperThanTheTrialCapFail)
{
    runResolverScenario({"each choice needs the next one's trial", "ties-deeper-than-trials", "app", false, "", "",
                         {5, 1, 1, 3}, "Unable to install the \"app\" package.\n",
                         "Trial resolution depth limit (3) is reached"});
}

TEST_F(PkgManagerTrialsTest, TrialThatRemovesKeepsTheRemoverToItsOwnRepository)
{
    add("old", "1.0", "x86_64", 's');
    const Package* x = add("x", "1.0", "x86_64", 'u', {}, {"feature"}, {"old"});
    const Package* y = add("y", "1.0", "x86_64", 'u', {}, {"feature"});
    const Package* app = add("app", "1.0", "x86_64", 'b', {"feature"});
    repository.resolveRequires();
    const std::size_t listed = repository.getPackages().size();

    PkgManager::Flags flags;
    flags.removePackagesTree = true;
    PkgManager manager(repository, &necessary, flags);
    manager.setOsArch("x86_64");
    manager.addRequestedPackages({app});
    CapturedLog log(3);
    // With x the installed "old" must go; with y nothing does: x is the one to drop.
    EXPECT_EQ(manager.selectBlackPackage(x, y, std::make_shared<ReasonClash>(x, y)), 0);
    EXPECT_EQ(repository.getPackages().size(), listed);
    EXPECT_TRUE(repository.findByName("dummy_obsoleter_old").empty());
    EXPECT_EQ(Log::depth, 0);
    EXPECT_THAT(log.text(), HasSubstr("addRemoverFor: add package for obsolete old"));
    EXPECT_THAT(log.text(), HasSubstr("selectBlackPackage: with y-1.0.x86_64 less packages to remove."));
}

}  // namespace
