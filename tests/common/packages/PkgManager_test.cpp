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

}  // namespace
