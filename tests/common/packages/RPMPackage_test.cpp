#include "common/packages/RPMPackage.h"

#include "tests/common/CapturedLog.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

namespace {

TEST(RPMPackage, OrdersByRpmRules)
{
    const RPMPackage package("foo", "1.0-2-3");
    EXPECT_EQ(typeid(package.getVersion()), typeid(Version));
    EXPECT_EQ(package.getVersion().getRelease(), "2-3");
    EXPECT_LT(package.getVersion().compare(Version("1.0-3")), 0);
}

TEST(RPMPackage, ReadInfoOnlyLogs)
{
    RPMPackage package("foo", "1.0-1");
    package.setFileName("/nonexistent/foo-1.0-1.x86_64.rpm");
    CapturedLog log(0);
    package.readInfo();
    EXPECT_NE(log.text().find("RPMPackage compiled without librpm support"), std::string::npos) << log.text();
    EXPECT_STREQ(package.getName(), "foo");
    EXPECT_EQ(package.getVersion().toString(), "1.0-1");
    EXPECT_EQ(package.getSize(), 0);
    EXPECT_EQ(package.getInstallTime(), 0);
    EXPECT_EQ(package.getMD5String(), std::string(32, '0'));
}

}  // namespace
