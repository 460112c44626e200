#include "common/packages/PkgManager.h"

#include "common/error.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/packages/ResolverFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

using ::testing::HasSubstr;

namespace {

using PkgManagerBlackListTest = ResolverTest;

TEST_F(PkgManagerBlackListTest, BlackListingTakesTwinsAndStrandedRequirers)
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

TEST_F(PkgManagerBlackListTest, UnresolvableRequirementOfADummyRecordRaises)
{
    PkgManager manager(repository, &necessary, PkgManager::Flags());
    const DependencyPtr orphan = std::make_shared<DependencyLogical>("nothing-provides-this", nullptr);
    expectError([&] { manager.blackListMasterAndThrowUnhappy(orphan); }, {5, 1, 1, 2},
                HasSubstr("Can't find solution for 'nothing-provides-this' of dummy_masterpackage_for_dependency"));
}

// What goes on the black list, and why; a requested package on it ends the step.
TEST(PkgManagerBlackListScenarioTest, BlackListAndReasons)
{
    const ResolverScenario cases[] = {
        {"a provider that conflicts with a later choice", "conflict-restart", "app", false,
         "postfix-3.0-1.x86_64~u httpd-2.4-1.x86_64~u",
         "sendmail-8.0-1.x86_64~u: sendmail-8.0-1.x86_64 is conflicting with newly installed httpd-2.4-1.x86_64\n",
         {}, "", "appendNecessaryPackage(): add to black list sendmail-8.0-1.x86_64 by selectBlackPackage()."},
        {"a requirement nothing satisfies, below a requested one", "unresolvable", "libfoo", false, "", "", {5, 1, 1, 3},
         "Unable to install the \"app\" package.\n",
         "Add package app-1.0-1.x86_64 to black list because its dependency 'libfoo' resolved only by black-listed "
         "package libfoo-1.0-1.x86_64."},
    };
    for (const ResolverScenario& c : cases) runResolverScenario(c);
}

}  // namespace
