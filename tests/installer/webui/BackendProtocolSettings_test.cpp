#include "installer/webui/BackendProtocol.h"

#include "installer/params/ParamManager.h"

#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/params/ParamFixture.h"
#include "tests/installer/webui/ReplyGolden.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ParamPtr findParam(ParamManager& manager, const std::string& id)
{
    class Finder : public ParamManager::Visitor {
    public:
        explicit Finder(const std::string& id) : id_(id) {}
        void visit(const ParamPtr& param) override
        {
            if (param->getId() == id_) found = param;
        }
        std::string id_;
        ParamPtr found;
    } finder(id);
    manager.accept(finder);
    if (!finder.found) ADD_FAILURE() << "no setting " << id;
    return finder.found;
}

// The settings of tests/data/params/settings: "web" (groups, a boolean with a
// branch, an enumeration with choices, a password) owned by component "web",
// "mail" shared by "mail" and "postfix", and "greeting" for a component that is
// not going to be installed.
class SettingsReply : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.createParams(owners.component("web"), settingsDocument("web"));
        manager.createParams(owners.component("mail"), settingsDocument("mail"));
        findParam(manager, "relay")->addComponent(owners.component("postfix"));
        manager.createParams(owners.component("unchosen", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE),
                             settingsDocument("greeting"));
        protocol.reset();
    }

    ScopedLocale locale{"en_US"};
    ParamOwners owners;
    ParamManager manager;
    BackendProtocol protocol;
};

TEST_F(SettingsReply, GroupsBooleansEnumerationsAndSharedSettings)
{
    CapturedLog log(3);
    protocol.sendComponentParams(&manager);
    expectGolden(protocol.document(), "settings");
    EXPECT_NE(log.text().find("DEBUG: BackendProtocol::sendComponentParams entry"), std::string::npos);
}

TEST_F(SettingsReply, DefinedValuesWalkOnlyTheirBranch)
{
    ASSERT_TRUE(findParam(manager, "ssl")->setValue("no"));
    ASSERT_TRUE(findParam(manager, "server")->setValue("apache"));
    ASSERT_TRUE(findParam(manager, "admin-password")->setValue("a stored secret"));
    protocol.sendComponentParams(&manager);
    expectGolden(protocol.document(), "settings-defined");
    EXPECT_EQ(printedReply(protocol.document()).find("a stored secret"), std::string::npos);
}

TEST_F(SettingsReply, ARejectedValueComesBackAsBadValues)
{
    protocol.pushWarning("pending");
    EXPECT_FALSE(findParam(manager, "admin-email")->setValue("not <an> address"));
    EXPECT_FALSE(findParam(manager, "server")->setValue("lighttpd"));
    protocol.sendComponentParams(&manager);
    expectGolden(protocol.document(), "settings-bad-values");
    EXPECT_EQ(protocol.pendingWarnings().size(), 1u) << "a bad_values reply carries no warnings";
}

TEST_F(SettingsReply, NoManagerIsAnInternalError)
{
    if (const auto raised = expectError([&] { protocol.sendComponentParams(nullptr); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}

}  // namespace
