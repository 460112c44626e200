#include "installer/catalogue/Build.h"

#include "installer/catalogue/Release.h"

#include "common/error.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string printed(const Build& build)
{
    std::ostringstream text;
    text << build;
    return text.str();
}

TEST(Build, PrintedForm)
{
    struct Case {
        const char* name;
        const char* environment;
        const char* config;
        const char* expected;
    } cases[] = {
        {"system only", "", "", "build for Linux Debian 12 x86_64"},
        {"with environment", "cq", "", "build for Linux Debian 12 x86_64 under cq"},
        {"with config", "", "zarni/deb12.build.inf3", "build for Linux Debian 12 x86_64 (zarni/deb12.build.inf3)"},
        {"with both", "dedicated", "b.inf3", "build for Linux Debian 12 x86_64 under dedicated (b.inf3)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Build build(ReleasePtr(), "Linux", "Debian", "12", "x86_64", c.environment, c.config, "");
        EXPECT_EQ(printed(build), c.expected);
    }
}

TEST(Build, OnlyTheExactTextTrueDeprecates)
{
    struct Case {
        const char* text;
        bool deprecated;
    } cases[] = {{"true", true}, {"TRUE", false}, {"True", false}, {"yes", false}, {"", false}, {"1", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Build build(ReleasePtr(), "Linux", "Debian", "12", "x86_64", "", "", c.text);
        EXPECT_EQ(build.isDeprecated(), c.deprecated);
    }
}

TEST(Build, MatchesByNameVendorVersionAndArchitectureNotEnvironment)
{
    struct Case {
        const char* name;
        const char* osName;
        const char* vendor;
        const char* version;
        const char* arch;
        const char* environment;
        bool matches;
    } cases[] = {
        {"same major version", "Linux", "Debian", "12", "x86_64", "", true},
        {"exact version", "Linux", "Debian", "12.5", "x86_64", "", true},
        {"environment is not compared", "Linux", "Debian", "12", "x86_64", "cq", true},
        {"other major version", "Linux", "Debian", "11", "x86_64", "", false},
        {"other vendor", "Linux", "Ubuntu", "12.5", "x86_64", "", false},
        {"other architecture", "Linux", "Debian", "12", "aarch64", "", false},
        {"other system name", "FreeBSD", "Debian", "12", "x86_64", "", false},
        {"empty field is no wildcard", "Linux", "Debian", "", "x86_64", "", false},
    };
    const Opsys system = debian12();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Build build(ReleasePtr(), c.osName, c.vendor, c.version, c.arch, c.environment, "", "");
        EXPECT_EQ(build.matches(system), c.matches);
    }
}

TEST(Build, OwnBuildAndAttachedAddonBuild)
{
    const ReleasePtr release = makeRelease(makeProduct("zarni"), "r1", "18.0");
    const BuildPtr own = addBuild(release, "Debian", "12");
    EXPECT_TRUE(own->isOwnBuildOfParent());
    EXPECT_EQ(own->getParent(), release);

    const BuildPtr addonBuild =
        boost::make_shared<Build>(ReleasePtr(), "Linux", "Debian", "12", "x86_64", "", "addon.inf3", "");
    EXPECT_FALSE(addonBuild->getParent());
    addonBuild->setParent(release);
    EXPECT_EQ(addonBuild->getParent(), release);
    EXPECT_FALSE(addonBuild->isOwnBuildOfParent());
}

TEST(Build, WithoutParentOwnBuildQuestionIsInternalError)
{
    const Build build(ReleasePtr(), "Linux", "Debian", "12", "x86_64", "", "", "");
    if (const auto raised = expectError([&] { build.isOwnBuildOfParent(); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}

TEST(Build, ChangingTheParentIsLogged)
{
    const ProductPtr product = makeProduct("zarni");
    const ReleasePtr first = makeRelease(product, "first-id", "18.0");
    const ReleasePtr second = makeRelease(product, "second-id", "18.1");
    const BuildPtr build =
        boost::make_shared<Build>(ReleasePtr(), "Linux", "Debian", "12", "x86_64", "", "a.inf3", "");

    CapturedLog log(3);
    build->setParent(first);
    EXPECT_EQ(log.text(), "") << "a first parent is no change";
    build->setParent(second);
    EXPECT_EQ(log.text(), "DEBUG: Build (addon?) build for Linux Debian 12 x86_64 (a.inf3) change parent from "
                          "first-id name to second-id name\n");
    EXPECT_EQ(build->getParent(), second);
}

TEST(Build, ParentLinkDoesNotKeepTheReleaseAlive)
{
    boost::weak_ptr<Release> watched;
    BuildPtr build;
    {
        const ReleasePtr release = makeRelease(makeProduct("zarni"), "r1", "18.0");
        build = addBuild(release, "Debian", "12");
        watched = release;
    }
    // The release owned the build; once the catalogue lets the release go, the
    // pair is freed instead of holding each other.
    EXPECT_TRUE(watched.expired());
    EXPECT_FALSE(build->getParent());
}

TEST(Build, SetPackagesAppendsPackagesAndReplacesActions)
{
    Build build(ReleasePtr(), "Linux", "Debian", "12", "x86_64", "", "", "");
    Package* const none = nullptr;
    build.setPackages({none}, Build::ActionList(2));
    build.setPackages({none, none}, Build::ActionList(1));
    EXPECT_EQ(build.packages().size(), 3u);
    EXPECT_EQ(build.bootstrapActions().size(), 1u);
}

}  // namespace
