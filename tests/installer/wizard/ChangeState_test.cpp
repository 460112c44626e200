#include "installer/wizard/ChangeState.h"

#include "installer/components/ComponentManager.h"
#include "installer/wizard/TextDlgMaker.h"

#include "common/Messages.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

using ::testing::HasSubstr;

namespace {

class MarkCycle : public ::testing::Test {
protected:
    KwComponentPtr add(const std::string& name, int mode, int selection = KwComponent::SEL_NONE)
    {
        const KwComponentPtr component = makeComponent(p.build, name, mode, selection);
        manager.addRootNode(component);
        return component;
    }

    // Toggles the component once, answering as scripted.
    bool toggle(const KwComponentPtr& component)
    {
        CapturedLog quiet(3);
        TextDlgMaker dialogs(console);
        return toggleComponentMark(manager, component, dialogs);
    }

    ProductBuild p = makeProductBuild("zarni");
    ComponentManager manager;
    ScriptedConsole console;
};

}  // namespace

TEST_F(MarkCycle, MarksFollowTheStateAndTheRemovalSupport)
{
    const struct {
        const char* name;
        int mode;
        int selection;
        bool releaseRemoves;
        bool componentRemoves;
        std::string marks;  // the mark before the first press and after each
    } cases[] = {
        {"update available, removal", KwComponent::MODE_UPGRADE, KwComponent::SEL_INSTALL, true, true, "* X*"},
        {"update available, no removal by release", KwComponent::MODE_UPGRADE, KwComponent::SEL_INSTALL, false, true,
         "* * "},
        {"update available, no removal by component", KwComponent::MODE_UPGRADE, KwComponent::SEL_INSTALL, true,
         false, "* * "},
        {"not installed", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE, true, true, " * *"},
        {"up to date, removal", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, true, true, "=X=X"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComponentManager fresh;
        ProductBuild product = makeProductBuild("zarni");
        product.build->setUninstallSupport(c.releaseRemoves);
        const KwComponentPtr component = makeComponent(product.build, "web", c.mode, c.selection);
        component->uninstallSupport = c.componentRemoves;
        fresh.addRootNode(component);
        std::string marks(1, component->getStatusMark());
        for (std::size_t press = 1; press < c.marks.size(); ++press) {
            TextDlgMaker dialogs(console);
            CapturedLog quiet(3);
            EXPECT_TRUE(toggleComponentMark(fresh, component, dialogs));
            marks += component->getStatusMark();
        }
        EXPECT_EQ(marks, c.marks);
    }
    EXPECT_EQ(console.text(), "") << "a change that drags nothing along is applied without a question";
}

TEST_F(MarkCycle, RefusalsNameTheComponent)
{
    const struct {
        const char* name;
        int mode;
        bool releaseRemoves;
        bool componentRemoves;
        ErrorCodes codes;
        std::string text;
    } cases[] = {
        {"up to date, release without removal", KwComponent::MODE_UP2DATE, false, true, {2, 1, 1, 1},
         "The component web description is already installed.\n"},
        {"up to date, component without removal", KwComponent::MODE_UP2DATE, true, false, {2, 1, 1, 1},
         "The component web description cannot be removed.\n"},
        {"error mode", KwComponent::MODE_ERROR, true, true, {1, 1, 1, 2}, "The component zarni/web is not available.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComponentManager fresh;
        ProductBuild product = makeProductBuild("zarni");
        product.build->setUninstallSupport(c.releaseRemoves);
        const KwComponentPtr component = makeComponent(product.build, "web", c.mode);
        component->uninstallSupport = c.componentRemoves;
        fresh.addRootNode(component);
        const char before = component->getStatusMark();
        TextDlgMaker dialogs(console);
        expectError([&] { toggleComponentMark(fresh, component, dialogs); }, c.codes, c.text);
        EXPECT_EQ(component->getStatusMark(), before);
    }
}

TEST_F(MarkCycle, EachMarkMakesItsChange)
{
    const KwComponentPtr web = add("web", KwComponent::MODE_UPGRADE);
    const struct {
        ComponentState state;
        char mark;
        bool toggle;
        const std::type_info& made;
    } cases[] = {
        {ComponentState::UpToDate, '=', false, typeid(ChangeStateLeaveInstalled)},
        {ComponentState::UpToDate, '=', true, typeid(ChangeStateInvalid)},
        {ComponentState::UpToDate, 'X', true, typeid(ChangeStateLeaveInstalled)},
        {ComponentState::Upgradable, '*', true, typeid(ChangeStateNoUpdate)},
        {ComponentState::Upgradable, ' ', true, typeid(ChangeStateUpdate)},
        {ComponentState::Upgradable, 'X', false, typeid(ChangeStateRemove)},
        {ComponentState::Upgradable, 'X', true, typeid(ChangeStateUpdate)},
        {ComponentState::NotInstalled, ' ', true, typeid(ChangeStateInstall)},
        {ComponentState::NotInstalled, '*', true, typeid(ChangeStateLeaveNotInstalled)},
        {ComponentState::Unusable, ' ', true, typeid(ChangeStateInvalid)},
        {ComponentState::NotInstalled, '!', false, typeid(ChangeStateInvalid)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("state ") + std::to_string(static_cast<int>(c.state)) + " mark '" + c.mark + "'" +
                     (c.toggle ? " toggled" : ""));
        const std::unique_ptr<ChangeState> made = makeChangeState(c.state, c.mark, web, c.toggle);
        EXPECT_EQ(typeid(*made), c.made);
        EXPECT_EQ(made->state(), c.state);
        EXPECT_EQ(made->mark(), c.mark) << "the mark given is kept, not the entry's";
    }
}

TEST_F(MarkCycle, MarkOutsideItsStateIsAnInternalError)
{
    const KwComponentPtr web = add("web", KwComponent::MODE_INSTALL);
    const std::optional<error> raised = expectError([&] { makeChangeState(ComponentState::NotInstalled, '=', web, true); });
    if (raised) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}

TEST_F(MarkCycle, DraggedComponentIsAskedFor)
{
    const KwComponentPtr cache = add("cache", KwComponent::MODE_INSTALL);
    cache->requiredNames = {"db"};
    const KwComponentPtr db = add("db", KwComponent::MODE_INSTALL);

    console.answer("n");
    EXPECT_FALSE(toggle(cache));
    EXPECT_EQ(std::string() + cache->getStatusMark() + db->getStatusMark(), "  ") << "no leaves every mark";

    console.answer("");
    EXPECT_TRUE(toggle(cache));
    EXPECT_EQ(std::string() + cache->getStatusMark() + db->getStatusMark(), "**") << "Enter applies both";
    EXPECT_SCREEN(console, "components-toggle-drags-one.txt");
}

TEST_F(MarkCycle, RemovalThatAComponentDeniesIsRefused)
{
    p.build->setUninstallSupport(true);
    const KwComponentPtr base = add("base", KwComponent::MODE_UP2DATE);
    const KwComponentPtr web = add("web", KwComponent::MODE_UP2DATE);
    web->requiredNames = {"base"};
    web->removeOnlyIfExplicit = true;
    console.answer("");
    EXPECT_FALSE(toggle(base));
    EXPECT_EQ(std::string() + base->getStatusMark() + web->getStatusMark(), "==");
    EXPECT_THAT(console.text(), HasSubstr("cannot be implicitly removed: \nweb description (web)\n"));
}

TEST_F(MarkCycle, ConflictRaisesTheDependencyError)
{
    // The component needs what it cannot live with: no resolution holds.
    const KwComponentPtr web = add("web", KwComponent::MODE_INSTALL);
    web->requiredNames = {"db"};
    web->conflicts = {"db"};
    const KwComponentPtr db = add("db", KwComponent::MODE_INSTALL);
    expectError([&] { toggle(web); }, {5, 1, 1, 2},
                "Unable to change state for zarni/web due to inter-component dependencies\n");
    EXPECT_EQ(std::string() + web->getStatusMark() + db->getStatusMark(), "  ");
}
