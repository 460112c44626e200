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

}  // namespace
