#include "common/packages/PkgManager.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/packages/ResolverFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

using ::testing::HasSubstr;

namespace {

class PkgManagerTest : public ::testing::Test {
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

TEST_F(PkgManagerTest, CmpPriorityFollowsItsRules)
{
    const Package* listed = add("tool", "1.0", "x86_64", 'u');
    const Package* newer = add("tool", "2.0", "x86_64", 'u');
    const Package* installed = add("tool", "1.5", "x86_64", 's');
    const Package* i686 = add("tool", "2.0", "i686", 'u');
    const Package* x64 = add("tool", "2.0", "x86_64", 'u');
    const Package* i586 = add("tool", "2.0", "i586", 'u');
    const Package* twin = add("tool", "2.0", "x86_64", 'u');
    const Package* older = add("tool", "1.2", "x86_64", 'u');

    struct Case {
        const char* name;
        const Package* best;
        const Package* test;
        const char* osArch;
        int sign;
    };
    const Case cases[] = {
        {"requested wins whatever the versions", listed, newer, "x86_64", 1},
        {"requested loses from the other side", newer, listed, "x86_64", -1},
        {"installed wins by kind before versions", installed, newer, "x86_64", 1},
        {"higher version of one kind", older, newer, "x86_64", -1},
        {"i386 system prefers i686", i686, x64, "i386", 1},
        {"system arch wins", x64, i686, "x86_64", 1},
        {"i686 beats i586 elsewhere", i686, i586, "ppc64le", 1},
        {"equal in every rule", x64, twin, "x86_64", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PkgManager manager(repository, &necessary, PkgManager::Flags());
        manager.setOsArch(c.osArch);
        manager.addRequestedPackages({listed});
        const int r = manager.cmpPriority(c.best, c.test);
        EXPECT_EQ((r > 0) - (r < 0), c.sign);
    }

    PkgManager noArch(repository, &necessary, PkgManager::Flags());
    expectError([&] { noArch.cmpPriority(i686, x64); }, {3, 1, 1, 3}, "os_arch is not defined in packages resolver\n");
}

TEST_F(PkgManagerTest, ArchitecturesMatchAcrossTheIntelFamily)
{
    struct Case {
        const char* a;
        const char* b;
        bool match;
    };
    const Case cases[] = {{"i386", "i686", true}, {"i586", "i386", true}, {"x86_64", "x86_64", true},
                          {"x86_64", "i686", false}, {"i686", "x86_64", false}, {"i686", "i68", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " " + c.b);
        EXPECT_EQ(PkgManager::archMatches(c.a, c.b), c.match);
    }
}

TEST_F(PkgManagerTest, BlackListingTakesTwinsAndStrandedRequirers)
{
    const Package* lib = add("libz", "1.0", "x86_64", 'u');
    const Package* libTwin = add("libz", "1.0", "x86_64", 's');
    const Package* other = add("libz", "1.0", "i686", 'u');
    const Package* user = add("user", "1.0", "x86_64", 'u', {"libz"});
    const Package* userOfUser = add("top", "1.0", "x86_64", 'u', {"user"});
    const Package* alt = add("alt", "1.0", "x86_64", 'u', {"libz"});
    add("libz-alt", "1.0", "x86_64", 'u', {}, {"libz"});
    repository.resolveRequires();

    // A requirer follows only when no other provider is left: black-list the
    // other providers of libz first, one attempt each.
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    manager.setOsArch("x86_64");
    EXPECT_THROW(manager.appendBlackPackage(repository.findByName("libz-alt").front(),
                                            std::make_shared<ReasonClash>(lib, user)),
                 PkgManager::unhappy);
    EXPECT_THROW(manager.appendBlackPackage(other, std::make_shared<ReasonClash>(other, user)), PkgManager::unhappy);
    EXPECT_FALSE(manager.isBlack(user, true));
    EXPECT_THROW(manager.appendBlackPackage(lib, std::make_shared<ReasonClash>(lib, user)), PkgManager::unhappy);
    for (const Package* p : {lib, libTwin, user, userOfUser, alt}) {
        SCOPED_TRACE(p->getName());
        EXPECT_TRUE(manager.isBlack(p, true));
    }
    // Black already: returns without raising.
    EXPECT_NO_THROW(manager.appendBlackPackage(lib, std::make_shared<ReasonClash>(lib, user)));
}

TEST_F(PkgManagerTest, SameNameVersionArchIsAddedOnceOtherArchitectureToo)
{
    const Package* a = add("pkg", "1.0", "x86_64", 'u');
    const Package* b = add("pkg", "1.0", "x86_64", 'b');
    const Package* c = add("pkg", "1.0", "i686", 'u');
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    manager.appendNecessaryPackage(a);
    manager.appendNecessaryPackage(b);
    manager.appendNecessaryPackage(c);
    manager.appendNecessaryPackage(a);
    EXPECT_EQ(necessary, (PkgManager::PackageList{a, c}));
}

TEST_F(PkgManagerTest, ArtificialRequirementWithoutProviderCountsAsResolved)
{
    const Package* app = add("app", "1.0", "x86_64", 'b');
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    const DependencyPtr rpmlib = std::make_shared<DependencyLogical>("rpmlib(PayloadIsXz) <= 5.2-1", app);
    EXPECT_TRUE(manager.selectBestResolvers(rpmlib, 5, false));
    EXPECT_TRUE(necessary.empty());
}

TEST_F(PkgManagerTest, StatisticsCountNewRecordsAndRemovals)
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

TEST_F(PkgManagerTest, PassLoopNeedsAStartList)
{
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    expectError([&] { manager.findNecessaryPackages(false); }, {3, 0, 0, 2},
                "start packages list for resolver is empty\n");
}

TEST_F(PkgManagerTest, TrialsBeyondTheDepthCapFailWithADependencyError)
{
    const Package* a = add("a", "1.0", "x86_64", 'u');
    const Package* b = add("b", "1.0", "x86_64", 'u');
    repository.resolveRequires();
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    manager.setOsArch("x86_64");
    // Both branches fail at the cap: currBest's failure decides.
    const int saved = Log::depth;
    Log::depth = PkgManager::maxTrialDepth;
    const int r = manager.trialCompare(a, b);
    Log::depth = saved;
    EXPECT_EQ(r, -1);
    // Below the cap the two alike branches tie.
    EXPECT_EQ(manager.trialCompare(a, b), 0);
    EXPECT_EQ(Log::depth, saved);
}

TEST_F(PkgManagerTest, PreferredNamesDecideAtLevelThreeOnly)
{
    const Package* a = add("alpha", "1.0", "x86_64", 'u', {}, {"cap"});
    const Package* b = add("beta", "1.0", "x86_64", 'u', {}, {"cap"});
    repository.resolveRequires();
    PkgManager::setPreferredPackageNames({"beta"});
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    const DependencyPtr cap = std::make_shared<DependencyLogical>("cap", a);
    EXPECT_EQ(manager.smartGravity(cap, a, b, 1), 0);
    EXPECT_EQ(manager.smartGravity(cap, a, b, 2), 0);
    EXPECT_LT(manager.smartGravity(cap, a, b, 3), 0);
    EXPECT_GT(manager.smartGravity(cap, b, a, 3), 0);
    PkgManager::setPreferredPackageNames({});
    EXPECT_EQ(manager.smartGravity(cap, a, b, 3), 0);
}

TEST_F(PkgManagerTest, UnresolvableRequirementOfADummyRecordRaises)
{
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    const DependencyPtr orphan = std::make_shared<DependencyLogical>("nothing-provides-this", nullptr);
    expectError([&] { manager.blackListMasterAndThrowUnhappy(orphan); }, {5, 1, 1, 2},
                HasSubstr("Can't find solution for 'nothing-provides-this' of dummy_masterpackage_for_dependency"));
}

TEST_F(PkgManagerTest, TrialThatRemovesKeepsTheRemoverToItsOwnRepository)
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
