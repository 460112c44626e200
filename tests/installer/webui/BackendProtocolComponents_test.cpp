#include "installer/webui/BackendProtocol.h"

#include "installer/components/ComponentsChangeset.h"

#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/webui/ReplyGolden.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A component whose installed-state check found `mode`, with build times and
// versions of the available and installed packages.
KwComponentPtr checkedComponent(const BuildPtr& build, const std::string& name, int mode, int selection,
                                const std::string& localVersion = std::string())
{
    KwComponentPtr component = makeComponent(build, name, KwComponent::NOT_CHECKED, selection);
    KwComponent::CheckedState state;
    state.installMode = mode;
    state.serverBuildTime = 1700000000;
    state.serverVersion = "2.0-1";
    if (!localVersion.empty()) {
        state.localBuildTime = 1600000000;
        state.localVersion = localVersion;
    }
    component->setCheckedState(state);
    return component;
}

// Two products: "zarni" with groups, radio groups and hidden components, and
// "tenebrin", whose components the list leaves out.
class ComponentTreeReply : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (ProductBuild* product : {&zarni, &tenebrin}) product->release->checkState(&repository, debian12());
        const BuildPtr& build = zarni.build;
        base = checkedComponent(build, "base", KwComponent::MODE_UP2DATE, KwComponent::SEL_INSTALL, "2.0-1");
        base->markRequired();
        nginx = checkedComponent(build, "nginx", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
        php = checkedComponent(build, "php", KwComponent::MODE_UPGRADE, KwComponent::SEL_NONE, "1.9-3");
        mariadb = checkedComponent(build, "mariadb", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
        pgsql = checkedComponent(build, "pgsql", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE);
        agent = checkedComponent(build, "agent", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, "2.0-1");
        agent->hidden = true;
        agent->showInstalledHidden = true;
        KwComponentPtr probe = checkedComponent(build, "probe", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE);
        probe->hidden = true;
        probe->showInstalledHidden = true;
        KwComponentPtr quiet = checkedComponent(build, "quiet", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, "1");
        quiet->hidden = true;
        legacy = checkedComponent(build, "legacy", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, "1.0-1");
        legacy->removeOnlyIfExplicit = true;

        manager.addRootNode(base);
        manager.addRootNode(makeSubGroup(build, "web", {nginx, makeSubGroup(build, "extras", {php})}));
        manager.addRootNode(makeRadioGroup(build, "db", {mariadb, pgsql}, "mariadb"));
        manager.addRootNode(
            makeRadioGroup(build, "cache",
                           {checkedComponent(build, "redis", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE),
                            checkedComponent(build, "memcached", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE)}));
        manager.addRootNode(agent);
        manager.addRootNode(probe);
        manager.addRootNode(quiet);
        manager.addRootNode(legacy);
        manager.addRootNode(
            checkedComponent(tenebrin.build, "core", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL));
        manager.addRootNode(makeSubGroup(
            tenebrin.build, "addons",
            {checkedComponent(tenebrin.build, "extra", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE)}));
        protocol.reset();
    }

    Repository repository;
    ProductBuild zarni = makeProductBuild("zarni");
    ProductBuild tenebrin = makeProductBuild("tenebrin");
    KwComponentPtr base, nginx, php, mariadb, pgsql, agent, legacy;
    ComponentManager manager;
    BackendProtocol protocol;
};

TEST_F(ComponentTreeReply, TheTreeWithItsAttributesInOrder)
{
    ComponentsChangeset changeset;
    changeset.setRequest(php) = ComponentsChangeset::REQ_REMOVE;
    CapturedLog log(3);
    protocol.sendComponents(&manager, {"tenebrin"}, &changeset);
    expectGolden(protocol.document(), "components");
    EXPECT_NE(log.text().find("DEBUG: BackendProtocol::sendComponents: show_prod_ids:  'tenebrin'"), std::string::npos)
        << log.text();
    const std::string printed = printedReply(protocol.document());
    EXPECT_EQ(printed.find("required=\"false\""), std::string::npos);
}

TEST_F(ComponentTreeReply, EveryProductShownAndAnEmptyTree)
{
    ComponentsChangeset changeset;
    protocol.sendComponents(&manager, {}, &changeset);
    expectGolden(protocol.document(), "components-all-products");

    ComponentManager empty;
    protocol.reset();
    protocol.sendComponents(&empty, {}, nullptr);
    expectGolden(protocol.document(), "components-empty");
    if (const auto raised = expectError([&] { protocol.sendComponents(nullptr, {}, nullptr); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}

TEST_F(ComponentTreeReply, DependencyReportOfEachType)
{
    ComponentsChangeset changeset;
    changeset.setRequest(base) = ComponentsChangeset::REQ_INSTALL;
    changeset.addExplicit(base);
    changeset.setRequest(nginx) = ComponentsChangeset::REQ_INSTALL;
    changeset.setRequest(php) = ComponentsChangeset::REQ_REMOVE;
    changeset.setRequest(legacy) = ComponentsChangeset::REQ_REMOVE;
    changeset.setRequest(agent) = ComponentsChangeset::REQ_LEAVE;
    changeset.addConflict("pgsql");
    protocol.sendComponentsDependenciesInfo(&manager, changeset);
    expectGolden(protocol.document(), "dependencies");

    ComponentsChangeset explicitOnly;
    explicitOnly.setRequest(base) = ComponentsChangeset::REQ_INSTALL;
    explicitOnly.addExplicit(base);
    protocol.reset();
    protocol.sendComponentsDependenciesInfo(&manager, explicitOnly);
    expectGolden(protocol.document(), "dependencies-empty");

    protocol.reset();
    if (const auto raised = expectError([&] { protocol.sendComponentsDependenciesInfo(nullptr, explicitOnly); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
    EXPECT_EQ(protocol.root()->FirstChildElement("dependencies_info"), nullptr);
}

}  // namespace
