#include "common/packages/DebPackage.h"

#include "common/StringUtils.h"
#include "common/error.h"
#include "common/packages/DebVersion.h"
#include "common/packages/DependencyLogical.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/packages/GeneratedVersions.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <typeinfo>

namespace {

TEST(DebPackage, OrdersByDebianRules)
{
    const DebPackage package("foo", "1:2.3-4ubuntu1");
    EXPECT_EQ(typeid(package.getVersion()), typeid(DebVersion));
    EXPECT_LT(package.getVersion(), DebPackage("foo", "1:2.3-4ubuntu2").getVersion());
    EXPECT_GT(package.getVersion(), DebPackage("foo", "1:2.3~rc1-1").getVersion());
}

TEST(DebPackage, DependenciesOrderByDebianRules)
{
    DebPackage package("foo", "1.0");
    package.addRequire("bar (>= 1.0+b1)");
    const auto* requirement = dynamic_cast<const DependencyLogical*>(package.getRequire(0).get());
    ASSERT_NE(requirement, nullptr);
    EXPECT_EQ(typeid(*requirement->getVersion()), typeid(DebVersion));
    EXPECT_EQ(typeid(*package.selfProvide()->getOwner()), typeid(DebPackage));
    // dpkg ranks "+" after letters; rpm would call the two equal.
    EXPECT_FALSE(package.createDependency("bar = 1.0b1")->intersects(package.getRequire(0)));
}

std::string md5sumOf(const std::string& path)
{
    int status = -1;
    const std::string line = commandOutput("md5sum < " + shellQuote(path), &status);
    EXPECT_EQ(status, 0);
    return line.substr(0, 32);
}

class DebPackageFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!toolInstalled("dpkg-deb") || !toolInstalled("dpkg")) GTEST_SKIP() << "dpkg-deb is not installed";
        const std::string root = dir_.path() + "/root";
        ASSERT_EQ(::mkdir(root.c_str(), 0755), 0);
        ASSERT_EQ(::mkdir((root + "/DEBIAN").c_str(), 0755), 0);
        std::ofstream(root + "/DEBIAN/control")
            << "Package: foo\n"
               "Version: 1.0-1\n"
               "Architecture: all\n"
               "Maintainer: Nobody <nobody@example.invalid>\n"
               "Description: a package made by a test\n"
               " Version: 9.9\n"
               " Package: not-a-field\n";
        int status = -1;
        const std::string built = dir_.path() + "/built.deb";
        const std::string output = commandOutput("dpkg-deb --build " + root + " " + built + " 2>&1", &status);
        ASSERT_EQ(status, 0) << output;
        // Read only when the name reaches dpkg as one word, untouched by the shell.
        path_ = dir_.path() + "/it's a $(exit 3) `false` \"pkg\"; *.deb";
        ASSERT_EQ(std::rename(built.c_str(), path_.c_str()), 0);
    }

    TempDir dir_;
    std::string path_;
};

TEST_F(DebPackageFile, ReadInfoReadsTheControlDataAndTheFile)
{
    DebPackage package("placeholder", "0");
    package.setFileName(path_);
    package.readInfo();
    EXPECT_STREQ(package.getName(), "foo");
    EXPECT_EQ(typeid(package.getVersion()), typeid(DebVersion));
    EXPECT_EQ(package.getVersion().toString(), "1.0-1");
    EXPECT_STREQ(package.getArch(), "all");

    struct stat info {};
    ASSERT_EQ(::stat(path_.c_str(), &info), 0);
    EXPECT_EQ(package.getInstallTime(), info.st_mtime);
    EXPECT_EQ(package.getSize(), info.st_size);
    EXPECT_EQ(package.getMD5String(), md5sumOf(path_));
    EXPECT_TRUE(package.matchesFileMD5(path_));
}

TEST_F(DebPackageFile, ReadInfoOfAMissingFileRaisesTheCommandsError)
{
    DebPackage package("placeholder", "0");
    package.setFileName(path_ + ".missing");
    CapturedLog log(0);
    if (const auto e = expectError([&] { package.readInfo(); })) expectCodes(*e, {4, 2, 2, 2});
    EXPECT_STREQ(package.getName(), "placeholder");
    EXPECT_EQ(package.getVersion().toString(), "0");
    EXPECT_EQ(package.getSize(), 0);
}

}  // namespace
