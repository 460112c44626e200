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

}  // namespace
