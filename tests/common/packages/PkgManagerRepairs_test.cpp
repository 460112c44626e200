#include "common/packages/PkgManager.h"

#include "tests/common/packages/ResolverFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using PkgManagerRepairsTest = ResolverTest;

TEST_F(PkgManagerRepairsTest, ArchitecturesMatchAcrossTheIntelFamily)
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

// An installed package that needs the old version of an upgraded one is
// upgraded too when it can be, else removed when the option allows it.
TEST(PkgManagerRepairsScenarioTest, HardwiredRepairs)
{
    const char* const unresolved =
        "Unresolved dependency: necessary package lib-2.0-1.x86_64 has older version lib-1.0-1.x86_64. After upgrade "
        "we will have unresolved dependency 'lib = 1.0-1' of package client-1.0-1.x86_64, add to removable list client";
    const ResolverScenario cases[] = {
        {"a newer dependant", "upgrade-keeps-requirers", "lib", false, "client-2.0-1.x86_64~u", "", {}, "",
         "  newer non-blacklisted found: client-2.0-1.x86_64"},
        {"no newer dependant, removals allowed", "upgrade-removes-requirer", "lib", true,
         "dummy_obsoleter_client-0.0~d", "", {}, "", unresolved},
        {"no newer dependant", "upgrade-removes-requirer", "lib", false, "", "", {5, 1, 1, 2},
         "Unable to proceed with the installation until the package client-1.0-1.x86_64 is removed from the system.\n",
         unresolved},
    };
    for (const ResolverScenario& c : cases) runResolverScenario(c);
}

// A repair that cannot choose between two equally good packages ends the step
// with an error that names the installed package and the requirement, whether
// or not removals are allowed: keeping the package working was possible.
TEST(PkgManagerRepairsScenarioTest, UndecidedRepairIsAnError)
{
    const char* const keepK = "Unable to proceed with the installation until the package k-1-1.x86_64 is removed from "
                              "the system.\nCan't find solution for 'libx = 1' of k-1-1.x86_64.\n";
    const ResolverScenario cases[] = {
        {"two replacements of a hardwired provider", "hardwired-provider-tie", "a", false, "", "", {5, 1, 1, 2}, keepK,
         "Undecided repair: no single solution for 'libx = 1' of k-1-1.x86_64"},
        {"the same with removals allowed", "hardwired-provider-tie", "a", true, "", "", {5, 1, 1, 2}, keepK,
         "Undecided repair: no single solution for 'libx = 1' of k-1-1.x86_64"},
        {"two obsoleters of a conflicting package", "obsoleter-tie", "app", true, "", "", {5, 1, 1, 2},
         "Unable to proceed with the installation until the package oldtool-1-1.x86_64 is removed from the "
         "system.\nCan't find solution for 'obsolete_mode_solution for oldtool' of oldtool-1-1.x86_64.\n",
         "Undecided repair: no single solution for 'obsolete_mode_solution for oldtool' of oldtool-1-1.x86_64"},
    };
    for (const ResolverScenario& c : cases) runResolverScenario(c);
}

// An installed package that conflicts with the new one is upgraded only to a
// version that conflicts with it in neither direction.
TEST(PkgManagerRepairsScenarioTest, BackConflictRepairs)
{
    const char* const unresolved = "Unresolved conflict: the other package guard-1-1.x86_64 conflicts with necessary "
                                   "package app-1-1.x86_64. There is no upgrade or obsoleter solution, add to "
                                   "removable list guard";
    const ResolverScenario cases[] = {
        {"upgrade that still conflicts", "back-conflict-upgrade-conflicts", "app", false, "", "", {5, 1, 1, 2},
         "Unable to proceed with the installation until the package guard-1-1.x86_64 is removed from the system.\n",
         "  newer guard-2-1.x86_64 still conflicts with app-1-1.x86_64, no upgrade solution"},
        {"upgrade that still conflicts, removals allowed", "back-conflict-upgrade-conflicts", "app", true,
         "dummy_obsoleter_guard-0.0~d", "", {}, "", unresolved},
        {"upgrade that no longer conflicts", "back-conflict-upgrade-agrees", "app", false, "guard-2-1.x86_64~u", "",
         {}, "", "  package guard-2-1.x86_64 is scheduled for addition to necessaryList"},
    };
    for (const ResolverScenario& c : cases) runResolverScenario(c);
}

// The same when the new package declares the conflict and the upgrade declares
// one back.
TEST(PkgManagerRepairsScenarioTest, ConflictRepairs)
{
    const ResolverScenario cases[] = {
        {"upgrade that conflicts back", "conflict-upgrade-conflicts-back", "app", true, "dummy_obsoleter_guard-0.0~d",
         "", {}, "", "  newer guard-2-1.x86_64 still conflicts with app-1-1.x86_64, no upgrade solution"},
        {"obsoleter instead of removal", "obsoleter-repairs-conflict", "app", false, "newtool-2.0-1.x86_64~u", "",
         {}, "", "   try obsoleteModeSolution, select from:"},
    };
    for (const ResolverScenario& c : cases) runResolverScenario(c);
}

}  // namespace
