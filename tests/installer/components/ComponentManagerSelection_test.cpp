#include "installer/components/ComponentManager.h"

#include "installer/components/ComponentsChangeset.h"

#include "common/Messages.h"
#include "common/Progress.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/components/DemoSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// The tree as one line, components as "name:selection".
std::string treeOf(ComponentManager& manager)
{
    return treeText(manager, [](const KwComponent& c) { return c.name + ":" + std::to_string(c.getSelection()); });
}

const int selNone = KwComponent::SEL_NONE;
const int selInstall = KwComponent::SEL_INSTALL;
const int selRemove = KwComponent::SEL_REMOVE;

}  // namespace

// The demo's components collect their key package names for the configurator.
TEST_F(DemoSystem, PreparePackagesListCollectsKeyPackageNames)
{
    ComponentManager::PreparePackagesList list;
    loaded.components.visit(list);
    EXPECT_THAT(list.names, ElementsAre("zarni-base", "zarni-web", "zarni-mail-postfix", "zarni-mail-exim",
                                        "zarni-dns", "zarni-php82", "zarni-php83"));
}

// Making the installed-state check announces its progress step and tells the
// operator; its walk gives every component its mode.
TEST_F(CleanDemoSystem, CheckInstalledAnnouncesItsStep)
{
    CapturedLog log(0);
    ComponentManager::CheckInstalled check(loaded.repository, nullptr);
    EXPECT_EQ(log.text(), Messages::get("checking_comps_status") + "\n");
    EXPECT_EQ(std::string(Progress::SharedStatus().data().stepId), "checking_comps_status");
    EXPECT_EQ(std::string(Progress::SharedStatus().data().stepTitle), "Detecting installed product components.");
    loaded.components.visit(check);
    EXPECT_EQ(component("base")->getInstallMode(), KwComponent::MODE_INSTALL);
}

// A radio group keeps its installed member and the allowed switches; one left
// with a single member becomes that member under the group's name, and an empty
// one leaves the tree.
TEST(ShriveledRadioGroupsRemover, ReplacesAndRemovesGroups)
{
    const ProductBuild p = makeProductBuild("zarni");
    const KwComponentPtr a = makeComponent(p.build, "a", KwComponent::MODE_UP2DATE);
    const KwComponentPtr b = makeComponent(p.build, "b");
    const KwRadioGroupPtr single = makeRadioGroup(p.build, "single", {a, b});
    single->setHasSwitchRules(true);
    const KwComponentPtr c = makeComponent(p.build, "c", KwComponent::MODE_UP2DATE);
    const KwComponentPtr d = makeComponent(p.build, "d");
    const KwRadioGroupPtr kept = makeRadioGroup(p.build, "kept", {c, d});
    kept->setHasSwitchRules(true);
    kept->addSwitch("c", "d");
    const KwRadioGroupPtr empty = makeRadioGroup(p.build, "empty", {});

    ComponentManager manager;
    manager.addRootNode(makeComponent(p.build, "x"));
    manager.addRootNode(single);
    manager.addRootNode(makeSubGroup(p.build, "sub", std::vector<KwCompNodePtr>{empty, kept}));

    CapturedLog log(3);
    ComponentManager::ShriveledRadioGroupsRemover remover(manager);
    manager.visit(remover);

    // The component takes the place of the first group left, as every replacement does.
    EXPECT_EQ(treeOf(manager), "x:1 group sub [ radio kept() [ c:1 d:1 ] ] single:1");
    EXPECT_EQ(a->getRadioGroup(), nullptr);
    EXPECT_EQ(b->getRadioGroup(), nullptr);
    EXPECT_THAT(log.text(), HasSubstr("rename component a("));
}

class MarkByName : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.addRootNode(installed);
        manager.addRootNode(upToDate);
        manager.addRootNode(fresh);
        manager.addRootNode(broken);
        manager.addRootNode(makeRadioGroup(p.build, "mail", {postfix, exim}, "postfix"));
        manager.addRootNode(otherWeb);
    }

    ProductBuild p = makeProductBuild("zarni");
    ProductBuild q = makeProductBuild("tenebrin");
    KwComponentPtr installed = makeComponent(p.build, "web", KwComponent::MODE_UPGRADE);
    KwComponentPtr upToDate = makeComponent(p.build, "base", KwComponent::MODE_UP2DATE);
    KwComponentPtr fresh = makeComponent(p.build, "dns");
    KwComponentPtr broken = makeComponent(p.build, "broken", KwComponent::MODE_ERROR);
    KwComponentPtr postfix = makeComponent(p.build, "postfix");
    KwComponentPtr exim = makeComponent(p.build, "exim");
    KwComponentPtr otherWeb = makeComponent(q.build, "web");
    ComponentManager manager;
};

TEST_F(MarkByName, RequestsBecomeCheckedSelections)
{
    const struct {
        const char* name;
        int request;
        std::vector<std::string> names;
        const char* expected;
    } cases[] = {
        {"install", ComponentsChangeset::REQ_INSTALL, {"web", "dns", "base"},
         "web:2 base:1 dns:2 broken:1 radio mail(postfix) [ postfix:1 exim:1 ] web:1"},
        // Removing what is not installed deselects it.
        {"remove", ComponentsChangeset::REQ_REMOVE, {"web", "dns"},
         "web:3 base:1 dns:1 broken:1 radio mail(postfix) [ postfix:1 exim:1 ] web:1"},
        {"radio group install takes the default", ComponentsChangeset::REQ_INSTALL, {"mail"},
         "web:1 base:1 dns:1 broken:1 radio mail(postfix) [ postfix:2 exim:1 ] web:1"},
        {"unavailable skipped", ComponentsChangeset::REQ_INSTALL, {"broken"},
         "web:1 base:1 dns:1 broken:1 radio mail(postfix) [ postfix:1 exim:1 ] web:1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const KwComponentPtr& component : {installed, upToDate, fresh, broken, postfix, exim, otherWeb})
            component->setSelection(selNone);
        ComponentManager::MarkSpecifiedNamesComponents marker(manager, "zarni", c.names, c.request);
        manager.visit(marker);
        EXPECT_EQ(treeOf(manager), c.expected);
    }
}

TEST_F(MarkByName, NameOfAnotherProductIsReported)
{
    CapturedLog log(2);
    ComponentManager::MarkSpecifiedNamesComponents marker(manager, "tenebrin", {"dns"},
                                                          ComponentsChangeset::REQ_INSTALL);
    manager.visit(marker);
    EXPECT_EQ(fresh->getSelection(), selNone);
    EXPECT_THAT(log.text(), HasSubstr("Warning: following component(s) not found in product tenebrin:  'dns'"));
}

// Each product's requests reach that product's components: "web" of both
// products is installed, and removals come before installs.
TEST_F(MarkByName, ApplyChangesetServesEveryProduct)
{
    ComponentsChangeset changeset;
    changeset.setRequest(installed) = ComponentsChangeset::REQ_INSTALL;
    changeset.setRequest(otherWeb) = ComponentsChangeset::REQ_INSTALL;
    changeset.setRequest(exim) = ComponentsChangeset::REQ_REMOVE;
    changeset.setRequest(upToDate) = ComponentsChangeset::REQ_LEAVE;
    upToDate->setSelection(selInstall);
    manager.applyChangeset(changeset);
    EXPECT_EQ(treeOf(manager), "web:2 base:1 dns:1 broken:1 radio mail(postfix) [ postfix:1 exim:1 ] web:2");
}

TEST(MarkNeedForRequired, SelectsWhatRequiredComponentsNeed)
{
    const ProductBuild p = makeProductBuild("zarni");
    const KwComponentPtr panel = makeComponent(p.build, "panel");
    panel->requiredNames = {"web"};
    const KwComponentPtr web = makeComponent(p.build, "web");
    web->requiredNames = {"db"};
    const KwComponentPtr db = makeComponent(p.build, "db");
    const KwComponentPtr dns = makeComponent(p.build, "dns");
    ComponentManager manager;
    for (const KwComponentPtr& c : {panel, web, db, dns}) manager.addRootNode(c);
    panel->markRequired();

    EXPECT_THAT(manager.getComponentsForCheckWith(panel), ElementsAre("web", "db"));
    CapturedLog log(3);
    ComponentManager::MarkNeedForRequired marker(&manager);
    manager.visit(marker);
    EXPECT_EQ(treeOf(manager), "panel:2 web:2 db:2 dns:1");
    EXPECT_THAT(log.text(), HasSubstr("MarkNeedForRequired: for panel panel description also need:  'web' 'db'"));

    ComponentManager::MarkNeedForRequired nothing(nullptr);
    if (const auto e = expectError([&] { nothing.visit(panel); })) {
        EXPECT_EQ(e->errorClass(), 3);
    }
}

TEST(SelectedCounter, CountsPerGroup)
{
    const ProductBuild p = makeProductBuild("zarni");
    const ProductBuild q = makeProductBuild("tenebrin");
    const KwComponentPtr hidden = makeComponent(p.build, "hidden");
    hidden->hidden = true;
    ComponentManager manager;
    manager.addRootNode(makeComponent(p.build, "base", KwComponent::MODE_UP2DATE));
    manager.addRootNode(hidden);
    manager.addRootNode(makeComponent(q.build, "other", KwComponent::MODE_UP2DATE));
    manager.addRootNode(
        makeRadioGroup(p.build, "mail",
                       {makeComponent(p.build, "postfix", KwComponent::MODE_INSTALL, selInstall),
                        makeComponent(p.build, "exim")}));
    const KwSubGroupPtr php = makeSubGroup(p.build, "php", std::vector<KwCompNodePtr>{makeComponent(p.build, "php83")});
    manager.addRootNode(makeSubGroup(p.build, "services",
                                     std::vector<KwCompNodePtr>{
                                         makeComponent(p.build, "dns", KwComponent::MODE_UPGRADE),
                                         makeComponent(p.build, "ftp", KwComponent::MODE_UPGRADE, selRemove), php}));
    ComponentManager::SelectedCounter counter("zarni");
    manager.visit(counter);
    const ComponentManager::SelectedCounter::Counts expected = {
        {"", {3, 5}}, {"services", {1, 3}}, {"php", {0, 1}}};
    EXPECT_EQ(counter.getCounts(), expected);
}
