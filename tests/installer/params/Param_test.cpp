#include "installer/params/Param.h"

#include "installer/params/ParamManager.h"
#include "installer/params/ParamTypes.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/params/ParamFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using ::testing::HasSubstr;

// A setting of a component that is already on the system is not changed.
TEST(Param, ReadOnlyWhileAnOwnerIsInstalled)
{
    const ParamOwners owners;
    const std::pair<int, bool> modes[] = {
        {KwComponent::MODE_INSTALL, false},
        {KwComponent::MODE_UPGRADE, true},
        {KwComponent::MODE_UP2DATE, true},
    };
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.first);
        ParamString setting(owners.component("web", mode.first), "title", "", "", "");
        CapturedLog log(3);
        EXPECT_EQ(setting.is_readonly(), mode.second);
        EXPECT_THAT(log.text(), HasSubstr(std::string("Param::is_readonly: title return ") +
                                          (mode.second ? "true" : "false")));
        if (mode.second)
            expectError([&] { setting.setValue("x"); }, {3, 1, 1, 2},
                        "Param::setValue: try to change read-only param\n");
        else
            EXPECT_TRUE(setting.setValue("x"));
    }
}

TEST(Param, InactiveUnlessEveryOwnerIsScheduled)
{
    const ParamOwners owners;
    ParamString setting(owners.component("web"), "title", "", "", "");
    EXPECT_FALSE(setting.isInactive());
    setting.addComponent(owners.component("mail", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE));
    EXPECT_TRUE(setting.isInactive());
}

TEST(Param, OwnersAreDistinct)
{
    const ParamOwners owners;
    const KwComponentPtr web = owners.component("web");
    ParamString setting(web, "title", "", "", "");
    expectError([&] { setting.addComponent(web); }, {3, 1, 1, 2}, "Component web contains param title twice\n");
    EXPECT_EQ(setting.getComponents().size(), 1u);
}

TEST(Param, ValueFallsBackToTheDefault)
{
    const ParamOwners owners;
    ParamString setting(owners.component("web"), "title", "", "", "");
    expectError([&] { setting.getDefault(); }, {3, 1, 1, 3},
                "Param::getDefault - default value is not set for opton title\n");
    EXPECT_EQ(setting.getValue(), "");
    setting.setDefault("Zarni");
    EXPECT_EQ(setting.getValue(), "Zarni");
    ASSERT_TRUE(setting.setValue("Tenebrin"));
    EXPECT_EQ(setting.getValue(), "Tenebrin");
}

// A switch or choice is defined once its value is, and the settings of the
// branch its value names are.
TEST(Param, SubParamsAreDefinedWithTheirChosenBranch)
{
    const ParamOwners owners;
    const KwComponentPtr owner = owners.component("web");
    ParamBool ssl(owner, "ssl");
    const auto certificate = std::make_shared<ParamPath>(owner, "certificate", false);
    ssl.addToBranch("true", certificate);
    EXPECT_FALSE(ssl.isDefined());
    ASSERT_TRUE(ssl.setValue("no"));
    EXPECT_TRUE(ssl.isDefined());
    ASSERT_TRUE(ssl.setValue("yes"));
    EXPECT_FALSE(ssl.isDefined());
    ASSERT_TRUE(certificate->setValue("/etc/zarni"));
    EXPECT_TRUE(ssl.isDefined());

    EXPECT_EQ(ssl.getBranchNames(), std::vector<std::string>{"true"});
    expectError([&] { ssl.getBranch("false"); }, {3, 1, 1, 3}, HasSubstr("has no branch false"));
}

// Passwords never reach a log line or a complaint.
TEST(Param, SecretsAreShownHidden)
{
    const ParamOwners owners;
    ParamPassword secret(owners.component("web"), "admin-password", "", "", "", "");
    ASSERT_TRUE(secret.setValue("s3cret"));
    std::ostringstream out;
    out << secret;
    EXPECT_EQ(out.str(), "password admin-password=***");
    EXPECT_EQ(secret.shown("s3cret"), "***");
    ParamString title(owners.component("mail"), "title", "", "", "");
    EXPECT_EQ(title.shown("x"), "x");
}
