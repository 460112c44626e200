#include "installer/components/ComponentManager.h"

#include "installer/components/ComponentsChangeset.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"

#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

typedef KwComponent K;

// Writes down every slot the walk calls.
class Recorder : public ComponentManager::Visitor {
public:
    void visit(KwComponentPtr c) override { calls.push_back("visit " + c->name); }
    void enterRadioGroup(KwRadioGroupPtr g) override { calls.push_back("enterRadio " + g->getName()); }
    void enterSubGroup(KwSubGroupPtr g) override { calls.push_back("enterSub " + g->getName()); }
    void leaveSubGroup(KwSubGroupPtr g) override { calls.push_back("leaveSub " + g->getName()); }
    void leaveRadioGroup(KwRadioGroupPtr g) override { calls.push_back("leaveRadio " + g->getName()); }
    void finish() override { calls.push_back("finish"); }
    std::vector<std::string> calls;
};

// A node the walk does not know.
class StrangeNode : public KwCompNode {
public:
    char getStatusMark() const override { return '?'; }
    std::string getDescription() const override { return "strange"; }
    std::string getProductId() const override { return "p"; }
};

std::vector<std::string> rootNames(const ComponentManager& manager)
{
    std::vector<std::string> names;
    for (const KwCompNodePtr& node : manager.getRootNodes()) {
        if (const KwComponentPtr c = boost::dynamic_pointer_cast<KwComponent>(node))
            names.push_back(c->name);
        else
            names.push_back(boost::dynamic_pointer_cast<KwGroup>(node)->getName());
    }
    return names;
}

TEST(ComponentManagerTest, EmptyTree)
{
    ComponentManager manager;
    Recorder recorder;
    manager.visit(recorder);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"finish"}));
    EXPECT_TRUE(manager.isAllInstalled());
    EXPECT_FALSE(manager.isAnySelected());
    EXPECT_TRUE(manager.getSelection().empty());
    expectError([&] { manager.getBaseComponent(); }, {3, 1, 1, 3},
                "There are no components in the product description.\n");
}

TEST(ComponentManagerTest, WalkOrder)
{
    const ProductBuild p = makeProductBuild("p");
    ComponentManager manager;
    manager.addRootNode(makeComponent(p.build, "a"));
    manager.addRootNode(makeRadioGroup(
        p.build, "r", {makeComponent(p.build, "r1"), makeComponent(p.build, "r2"), makeComponent(p.build, "r3")}));
    manager.addRootNode(makeSubGroup(
        p.build, "s",
        {makeComponent(p.build, "s1"),
         makeSubGroup(p.build, "inner", {makeRadioGroup(p.build, "ir", {makeComponent(p.build, "ir1")})}),
         makeComponent(p.build, "s2")}));
    manager.addRootNode(makeComponent(p.build, "z"));
    Recorder recorder;
    manager.visit(recorder);
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"visit a", "enterRadio r", "visit r1", "visit r2", "visit r3", "leaveRadio r",
                                        "enterSub s", "visit s1", "enterSub inner", "enterRadio ir", "visit ir1",
                                        "leaveRadio ir", "leaveSub inner", "visit s2", "leaveSub s", "visit z",
                                        "finish"}));
}

TEST(ComponentManagerTest, UnknownNodeEndsTheWalkWithoutFinish)
{
    const ProductBuild p = makeProductBuild("p");
    ComponentManager manager;
    manager.addRootNode(makeComponent(p.build, "a"));
    manager.addRootNode(boost::make_shared<StrangeNode>());
    manager.addRootNode(makeComponent(p.build, "b"));
    Recorder recorder;
    if (const auto e = expectError([&] { manager.visit(recorder); })) expectCodes(*e, {3, 1, 1, 3});
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"visit a"}));
}

TEST(ComponentManagerTest, BaseComponent)
{
    const ProductBuild p = makeProductBuild("p");
    const ProductBuild q = makeProductBuild("q");
    const KwComponentPtr pFirst = makeComponent(p.build, "first");
    const KwComponentPtr pBase = makeComponent(p.build, "base");
    const KwComponentPtr qFirst = makeComponent(q.build, "qfirst");
    const KwComponentPtr qBase = makeComponent(q.build, "base");
    ComponentManager manager;
    manager.addRootNode(makeSubGroup(p.build, "g", {makeComponent(p.build, "base")}));
    manager.addRootNode(qFirst);
    manager.addRootNode(pFirst);
    manager.addRootNode(qBase);
    manager.addRootNode(pBase);
    EXPECT_EQ(manager.getBaseComponent(), qBase);
    EXPECT_EQ(manager.getBaseComponent("p"), pBase);
    EXPECT_EQ(manager.getBaseComponent("q"), qBase);

    // Without "base" the product's first top-level component.
    ComponentManager plain;
    plain.addRootNode(qFirst);
    plain.addRootNode(pFirst);
    EXPECT_EQ(plain.getBaseComponent("p"), pFirst);
    EXPECT_EQ(plain.getBaseComponent(), qFirst);
    if (const auto e = expectError([&] { plain.getBaseComponent("other"); })) expectCodes(*e, {3, 1, 1, 3});

    // Components inside groups never count.
    ComponentManager grouped;
    grouped.addRootNode(makeSubGroup(p.build, "g", {makeComponent(p.build, "base")}));
    if (const auto e = expectError([&] { grouped.getBaseComponent(); })) {
        expectCodes(*e, {3, 1, 1, 3});
        EXPECT_THAT(e->text(), HasSubstr("installer/components/ComponentManager,"));
    }
}

TEST(ComponentManagerTest, SelectBaseComponent)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr base = makeComponent(p.build, "base", K::MODE_UPGRADE);
    ComponentManager manager;
    manager.addRootNode(base);

    p.build->setUninstallSupport(true);
    manager.selectBaseComponent();
    EXPECT_EQ(base->getSelection(), K::SEL_NONE);
    EXPECT_FALSE(base->isBaseComponent());

    p.build->setUninstallSupport(false);
    manager.selectBaseComponent();
    EXPECT_EQ(base->getSelection(), K::SEL_INSTALL);
    EXPECT_TRUE(base->isRequired());
    EXPECT_TRUE(base->isBaseComponent());

    const ProductBuild q = makeProductBuild("q");
    ComponentManager broken;
    broken.addRootNode(makeComponent(q.build, "base", K::MODE_ERROR));
    expectError([&] { broken.selectBaseComponent(); }, {1, 1, 1, 2}, HasSubstr("q/base is not available"));
}

TEST(ComponentManagerTest, SetSelectionRecursive)
{
    const ProductBuild p = makeProductBuild("p");
    const ProductBuild q = makeProductBuild("q");
    const KwComponentPtr a = makeComponent(p.build, "a");
    const KwComponentPtr required = makeComponent(p.build, "required", K::MODE_INSTALL);
    required->markRequired();
    const KwComponentPtr broken = makeComponent(p.build, "broken", K::MODE_ERROR);
    const KwComponentPtr hidden = makeComponent(p.build, "hidden");
    hidden->hidden = true;
    const KwComponentPtr shown = makeComponent(p.build, "shown", K::MODE_UP2DATE);
    shown->hidden = true;
    shown->showInstalledHidden = true;
    const KwComponentPtr r1 = makeComponent(p.build, "r1");
    const KwComponentPtr r2 = makeComponent(p.build, "r2");
    // Inside a sub group of p the product filter no longer applies.
    const KwComponentPtr qInside = makeComponent(q.build, "q-inside");
    const KwComponentPtr qTop = makeComponent(q.build, "q-top");
    ComponentManager manager;
    for (const KwCompNodePtr& node : std::vector<KwCompNodePtr>{
             a, required, broken, hidden, shown, makeRadioGroup(p.build, "r", {r1, r2}, "r2"),
             makeSubGroup(p.build, "s", {qInside}), qTop})
        manager.addRootNode(node);

    manager.setSelectionRecursive(manager.getRootNodes().begin(), manager.getRootNodes().end(), K::SEL_INSTALL, "p",
                                  true);
    EXPECT_EQ(a->getSelection(), K::SEL_INSTALL);
    EXPECT_EQ(broken->getSelection(), K::SEL_NONE);
    EXPECT_EQ(hidden->getSelection(), K::SEL_NONE);
    EXPECT_EQ(shown->getSelection(), K::SEL_INSTALL);
    EXPECT_EQ(r1->getSelection(), K::SEL_NONE);
    EXPECT_EQ(r2->getSelection(), K::SEL_INSTALL);
    EXPECT_EQ(qInside->getSelection(), K::SEL_INSTALL);
    EXPECT_EQ(qTop->getSelection(), K::SEL_NONE);
    EXPECT_TRUE(manager.isAnySelected());
    EXPECT_EQ(manager.getSelection(),
              (std::vector<std::string>{"p/a", "p/required", "p/shown", "p/r2", "q/q-inside"}));

    // Deselecting keeps the required component; the radio group's installed
    // choice (r2, now selected) is the one changed.
    manager.setSelectionRecursive(manager.getRootNodes().begin(), manager.getRootNodes().end(), K::SEL_NONE, "", false);
    EXPECT_EQ(required->getSelection(), K::SEL_INSTALL);
    EXPECT_EQ(a->getSelection(), K::SEL_NONE);
    EXPECT_EQ(r2->getSelection(), K::SEL_NONE);
    EXPECT_EQ(manager.getSelection(), (std::vector<std::string>{"p/required"}));

    // Without skipping hidden ones, and with removal.
    manager.setSelectionRecursive(manager.getRootNodes().begin(), manager.getRootNodes().end(), K::SEL_REMOVE, "",
                                  false);
    EXPECT_EQ(hidden->getSelection(), K::SEL_REMOVE);
    EXPECT_EQ(required->getSelection(), K::SEL_REMOVE);
    EXPECT_EQ(broken->getSelection(), K::SEL_NONE);
}

TEST(ComponentManagerTest, IsAllInstalled)
{
    const ProductBuild p = makeProductBuild("p");
    ComponentManager manager;
    manager.addRootNode(makeComponent(p.build, "a", K::MODE_UP2DATE));
    manager.addRootNode(makeRadioGroup(p.build, "r", {makeComponent(p.build, "r1", K::MODE_UP2DATE)}));
    EXPECT_TRUE(manager.isAllInstalled());
    manager.addRootNode(makeSubGroup(p.build, "s", {makeComponent(p.build, "s1", K::MODE_UPGRADE)}));
    EXPECT_FALSE(manager.isAllInstalled());
    manager.addRootNode(makeComponent(p.build, "unchecked", K::NOT_CHECKED));
    if (const auto e = expectError([&] { manager.isAllInstalled(); })) expectCodes(*e, {3, 1, 1, 3});
}

TEST(ComponentManagerTest, InstallationTypes)
{
    ComponentManager manager;
    manager.storeInstallationType("Full", "p");
    manager.storeInstallationType("Custom", "q");
    manager.storeInstallationType("Typical", "p");
    EXPECT_EQ(manager.getInstallationTypes(),
              (std::map<std::string, std::string>{{"p", "Typical"}, {"q", "Custom"}}));
}

// In a list A, G1, B, G2 a replaced group's place goes to the first group left.
TEST(ComponentManagerTest, ReplaceGroup)
{
    const ProductBuild p = makeProductBuild("p");
    struct Case {
        const char* replaced;
        std::vector<std::string> result;
    };
    const Case cases[] = {
        {"G2", {"A", "C", "B", "G1"}},
        {"G1", {"A", "G2", "B", "C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.replaced);
        const KwComponentPtr C = makeComponent(p.build, "C");
        const KwRadioGroupPtr G1 = makeRadioGroup(p.build, "G1", {makeComponent(p.build, "x")});
        const KwRadioGroupPtr G2 = makeRadioGroup(p.build, "G2", {C});
        ComponentManager manager;
        manager.addRootNode(makeComponent(p.build, "A"));
        manager.addRootNode(G1);
        manager.addRootNode(makeComponent(p.build, "B"));
        manager.addRootNode(G2);
        CapturedLog log;
        manager.edit_components_tree_replace(std::string(c.replaced) == "G1" ? KwCompNodePtr(G1) : KwCompNodePtr(G2),
                                             C);
        EXPECT_EQ(rootNames(manager), c.result);
        EXPECT_THAT(log.text(), HasSubstr(std::string("DEBUG: find_and_edit: replace ") + c.replaced + " ("));
        if (std::string(c.replaced) == "G2") {
            EXPECT_EQ(C->getRadioGroup(), nullptr);
        }
    }
}

TEST(ComponentManagerTest, RemoveGroupInsideASubGroup)
{
    const ProductBuild p = makeProductBuild("p");
    const KwRadioGroupPtr empty = makeRadioGroup(p.build, "empty", {});
    const KwSubGroupPtr sub = makeSubGroup(p.build, "s", {makeComponent(p.build, "a"), empty});
    ComponentManager manager;
    manager.addRootNode(sub);
    CapturedLog log;
    manager.edit_components_tree_remove(empty);
    EXPECT_EQ(sub->getChildren().size(), 1u);
    EXPECT_THAT(log.text(), HasSubstr("DEBUG: find_and_edit: erase "));

    // A node not in the tree only logs.
    CapturedLog again;
    manager.edit_components_tree_remove(empty);
    manager.edit_components_tree_replace(empty, makeComponent(p.build, "c"));
    EXPECT_EQ(sub->getChildren().size(), 1u);
    EXPECT_EQ(manager.getRootNodes().size(), 1u);
    EXPECT_THAT(again.text(), HasSubstr("DEBUG: edit_components_tree_remove: "));
    EXPECT_THAT(again.text(), HasSubstr("DEBUG: edit_components_tree_replace: "));
    EXPECT_THAT(again.text(), HasSubstr(" not found!"));
}

}  // namespace
