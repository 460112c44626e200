#include "common/packages/PkgManager.h"

#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "tests/common/packages/ResolverFixture.h"

#include <gtest/gtest.h>

namespace {

using PkgManagerTest = ResolverTest;

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

// The install step resolves one package at a time: its own requirements join
// the necessary list, theirs wait until the group walk reaches them.
TEST(PkgManagerScenarioTest, OnePackageAtATime)
{
    const ResolverScenario cases[] = {
        {"the examined package's requirement", "simple-chain", "app", false, "liba-1.0-1.x86_64~u", "", {}, "",
         "  package liba-1.0-1.x86_64 is scheduled for addition to necessaryList"},
        {"the next step of the chain", "simple-chain", "liba", false, "libb-1.0-1.x86_64~u", "", {}, "",
         "selectBestResolvers: resolve 'libb >= 1.0' from liba-1.0-1.x86_64.rpm ~u on level 1:"},
    };
    for (const ResolverScenario& c : cases) runResolverScenario(c);
}

}  // namespace
