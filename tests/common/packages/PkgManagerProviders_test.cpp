#include "common/packages/PkgManager.h"

#include "common/error.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/packages/ResolverFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using PkgManagerProvidersTest = ResolverTest;

TEST_F(PkgManagerProvidersTest, CmpPriorityFollowsItsRules)
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

TEST_F(PkgManagerProvidersTest, PreferredNamesDecideAtLevelThreeOnly)
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

TEST_F(PkgManagerProvidersTest, ArtificialRequirementWithoutProviderCountsAsResolved)
{
    const Package* app = add("app", "1.0", "x86_64", 'b');
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    const DependencyPtr rpmlib = std::make_shared<DependencyLogical>("rpmlib(PayloadIsXz) <= 5.2-1", app);
    EXPECT_TRUE(manager.selectBestResolvers(rpmlib, 5, false));
    EXPECT_TRUE(necessary.empty());
}

// A requirement that installed packages satisfy needs no new package, however
// many of them satisfy it; offered providers that nothing tells apart leave the
// choice undecidable at the install step's level.
TEST(PkgManagerProvidersScenarioTest, ProvidersOfEqualRank)
{
    const ResolverScenario cases[] = {
        {"two installed providers", "installed-providers-tie", "app", false, "postfix-3-1.x86_64~s", "", {}, "",
         "      both are installed, select currBest by index."},
        {"one installed, one offered provider", "installed-and-offered-provider", "app", false,
         "sendmail-8-1.x86_64~s", "", {}, "", "      select currBest: it has some version already installed."},
        {"two offered providers", "offered-providers-tie", "app", false, "", "", {5, 1, 1, 3},
         "Unable to install the \"app\" package.\n", "selectBestResolvers: can't resolve 'mta' on this level (5)"},
    };
    for (const ResolverScenario& c : cases) runResolverScenario(c);
}

}  // namespace
