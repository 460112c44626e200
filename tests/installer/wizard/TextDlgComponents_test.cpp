#include "installer/wizard/TextDlgComponents.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentManager.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// The releases of tests/data/wizard/components-two-products, selected, with
// component trees built in memory on their builds.
class ComponentsPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        catalogue = std::make_unique<LocalCatalogue>(std::string(KW_TEST_DATA_DIR) + "/wizard/components-two-products");
        builds = catalogue->read();
        builds->selectRelease("zarni", "zarni-1.0");
        builds->selectRelease("tenebrin", "tenebrin-3.0");
    }

    BuildPtr build(const std::string& releaseId) { return *builds->getRelease(releaseId)->builds().begin(); }

    KwComponentPtr add(const std::string& releaseId, const std::string& name, int mode = KwComponent::MODE_INSTALL)
    {
        const KwComponentPtr component = makeComponent(build(releaseId), name, mode);
        components.addRootNode(component);
        return component;
    }

    // The zarni tree: base, web, the mail radio group, the extras sub group and
    // a hidden agent.
    void zarniTree()
    {
        const BuildPtr zarni = build("zarni-1.0");
        add("zarni-1.0", "base");
        add("zarni-1.0", "web");
        components.addRootNode(makeRadioGroup(zarni, "mail",
                                              {makeComponent(zarni, "exim"), makeComponent(zarni, "postfix")},
                                              "postfix"));
        components.addRootNode(makeSubGroup(zarni, "extras",
                                            {makeComponent(zarni, "stats"), makeComponent(zarni, "backup")}));
        add("zarni-1.0", "agent")->hidden = true;
    }

    std::unique_ptr<TextDlgComponents> page(const std::set<std::string>& products)
    {
        auto made = std::make_unique<TextDlgComponents>(console, components, *builds);
        made->setProducts(products);
        return made;
    }

    int run(TextDlgComponents& shown)
    {
        CapturedLog quiet(3);
        return shown.run();
    }

    std::unique_ptr<LocalCatalogue> catalogue;
    std::unique_ptr<BuildManager> builds;
    ComponentManager components;
    ScriptedConsole console;
};

}  // namespace

TEST_F(ComponentsPage, TwoProductsSwitchingAndASubGroup)
{
    zarniTree();
    add("tenebrin-3.0", "core");
    add("tenebrin-3.0", "tools");
    for (const char* answer : {"1", "4", "7", "f", "a", "p", "9", "q"}) console.answer(answer);
    const auto shown = page({"zarni", "tenebrin"});
    EXPECT_EQ(run(*shown), DLG_QUIT);
    EXPECT_SCREEN(console, "components-two-products.txt");
    EXPECT_EQ(console.unread(), 0u);
}

TEST_F(ComponentsPage, ForwardNeedsASelection)
{
    builds->getRelease("zarni-1.0")->builds().begin()->get()->setUninstallSupport(true);
    add("zarni-1.0", "base", KwComponent::MODE_UP2DATE);
    add("zarni-1.0", "web");
    for (const char* answer : {"", "", "2", "N"}) console.answer(answer);
    const auto shown = page({"zarni"});
    EXPECT_EQ(run(*shown), DLG_FORWARD);
    EXPECT_SCREEN(console, "components-forward-needs-selection.txt");
}

TEST_F(ComponentsPage, EverythingInstalledWithoutRemovalEndsThePage)
{
    add("zarni-1.0", "base", KwComponent::MODE_UP2DATE);
    const auto shown = page({"zarni"});
    EXPECT_EQ(run(*shown), DLG_QUIT);
    EXPECT_EQ(console.text(),
              "\nYou already have the latest version of product(s) and all the selected components installed. "
              "Installation will not continue.\n");
}

TEST_F(ComponentsPage, BackAndRefusedToggleStayOnThePage)
{
    add("zarni-1.0", "base", KwComponent::MODE_UP2DATE);
    add("zarni-1.0", "web");
    for (const char* answer : {"1", "", "b"}) console.answer(answer);
    const auto shown = page({"zarni"});
    EXPECT_EQ(run(*shown), DLG_BACK);
    EXPECT_THAT(console.text(), ::testing::HasSubstr("The component base description is already installed.\n"));
}

TEST_F(ComponentsPage, HiddenComponentsAreSkippedByNumbersAndMarking)
{
    zarniTree();
    const auto shown = page({"zarni"});
    // 1 base, 2 web, 3 exim, 4 postfix, 5 extras: the hidden agent has no number.
    EXPECT_TRUE(shown->selectItem(2));
    EXPECT_TRUE(shown->selectItem(5));
    EXPECT_FALSE(shown->selectItem(6)) << "inside extras only stats and backup";
}

TEST_F(ComponentsPage, NoSelectedReleaseIsAnInternalError)
{
    add("zarni-1.0", "base");
    builds->unselectAll();
    const std::optional<error> raised = expectError([&] { TextDlgComponents(console, components, *builds); });
    if (raised) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}
