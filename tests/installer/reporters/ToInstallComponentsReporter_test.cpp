#include "installer/reporters/ToInstallComponentsReporter.h"

#include "installer/components/ComponentManager.h"

#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/reporters/ReporterTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ToInstallComponents = ReporterTest;

KwComponentPtr checkedComponent(const BuildPtr& build, const std::string& name, int mode, int selection,
                                const std::string& local, const std::string& server)
{
    const KwComponentPtr component = makeComponent(build, name, KwComponent::NOT_CHECKED, selection);
    KwComponent::CheckedState state;
    state.installMode = mode;
    state.localVersion = local;
    state.serverVersion = server;
    component->setCheckedState(state);
    return component;
}

TEST_F(ToInstallComponents, OneLinePerComponentState)
{
    struct Case {
        const char* name;
        int mode;
        int selection;
        const char* local;
        const char* server;
        std::string line;
    };
    const std::vector<Case> cases = {
        {"upgradable, left alone", KwComponent::MODE_UPGRADE, KwComponent::SEL_NONE, "1.0-1", "1.1-1",
         "L [ ] mail noop '1.0-1 => 1.1-1'"},
        {"upgradable, selected", KwComponent::MODE_UPGRADE, KwComponent::SEL_INSTALL, "1.0-1", "1.1-1",
         "I [*] mail upgrade '1.0-1 => 1.1-1'"},
        {"upgradable, removed", KwComponent::MODE_UPGRADE, KwComponent::SEL_REMOVE, "1.0-1", "1.1-1",
         "R [X] mail remove '1.0-1 => 1.1-1'"},
        {"not installed, selected", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL, "", "1.1-1",
         "I [*] mail install ' => 1.1-1'"},
        {"not installed, left alone", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE, "", "1.1-1",
         "L [ ] mail noop ' => 1.1-1'"},
        {"not installed, removed", KwComponent::MODE_INSTALL, KwComponent::SEL_REMOVE, "", "1.1-1",
         "R [X] mail noop ' => 1.1-1'"},
        {"up to date, left alone", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, "1.1-1", "1.1-1",
         "L [=] mail up2date '1.1-1 => 1.1-1'"},
        {"up to date, removed", KwComponent::MODE_UP2DATE, KwComponent::SEL_REMOVE, "1.1-1", "1.1-1",
         "R [X] mail remove '1.1-1 => 1.1-1'"},
        {"neither installed nor available", KwComponent::MODE_ERROR, KwComponent::SEL_NONE, "", "",
         "L [!] mail error ' => '"},
    };
    const ProductBuild zarni = makeProductBuild("zarni");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ComponentManager components;
        components.addRootNode(checkedComponent(zarni.build, "mail", c.mode, c.selection, c.local, c.server));
        const ToInstallComponentsReporter reporter(0, &components);
        EXPECT_EQ(text(reporter), c.line + "\n");
        EXPECT_EQ(xml(reporter), c.line + "\n");
    }
}

// Every component in the walk's order, those inside groups too.
TEST_F(ToInstallComponents, TheWholeTreeInWalkOrder)
{
    const ProductBuild zarni = makeProductBuild("zarni");
    ComponentManager components;
    components.addRootNode(
        checkedComponent(zarni.build, "base", KwComponent::MODE_UP2DATE, KwComponent::SEL_INSTALL, "1.1", "1.1"));
    components.addRootNode(makeRadioGroup(
        zarni.build, "mail",
        {checkedComponent(zarni.build, "postfix", KwComponent::MODE_UPGRADE, KwComponent::SEL_INSTALL, "1", "2"),
         checkedComponent(zarni.build, "exim", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE, "", "2")},
        "postfix"));
    components.addRootNode(makeSubGroup(
        zarni.build, "services",
        {checkedComponent(zarni.build, "dns", KwComponent::MODE_UP2DATE, KwComponent::SEL_REMOVE, "3", "3")}));
    EXPECT_EQ(text(ToInstallComponentsReporter(0, &components)), "I [=] base up2date '1.1 => 1.1'\n"
                                                                 "I [*] postfix upgrade '1 => 2'\n"
                                                                 "L [ ] exim noop ' => 2'\n"
                                                                 "R [X] dns remove '3 => 3'\n");
}

TEST_F(ToInstallComponents, AnUncheckedComponentIsAnInternalError)
{
    const ProductBuild zarni = makeProductBuild("zarni");
    ComponentManager components;
    components.addRootNode(makeComponent(zarni.build, "mail", KwComponent::NOT_CHECKED));
    if (const auto failed = expectError([&] { text(ToInstallComponentsReporter(0, &components)); })) {
        EXPECT_EQ(failed->errorClass(), 3);
    }
    if (const auto failed = expectError([] { text(ToInstallComponentsReporter(0, nullptr)); })) {
        EXPECT_EQ(failed->errorClass(), 3);
    }
}

}  // namespace
