#include "installer/wizard/ChangesetConsequences.h"

#include "installer/components/ComponentManager.h"
#include "installer/components/ComponentsChangeset.h"

#include "tests/common/CapturedLog.h"
#include "tests/installer/components/ComponentTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

class Consequences : public ::testing::Test {
protected:
    KwComponentPtr add(const std::string& name, int mode = KwComponent::MODE_INSTALL)
    {
        const KwComponentPtr component = makeComponent(p.build, name, mode);
        manager.addRootNode(component);
        return component;
    }

    // The consequences of the requests once resolved.
    ChangesetConsequences resolved(const std::vector<std::pair<KwComponentPtr, int>>& requests)
    {
        for (const auto& request : requests) changeset.setRequest(request.first) = request.second;
        CapturedLog quiet(3);
        manager.resolveComponents(&changeset);
        return describeChangesetConsequences(changeset);
    }

    ProductBuild p = makeProductBuild("zarni");
    ComponentManager manager;
    ComponentsChangeset changeset;
};

}  // namespace

TEST_F(Consequences, OwnRequestAloneNeedsNoQuestion)
{
    const KwComponentPtr a = add("a");
    const ChangesetConsequences c = resolved({{a, ComponentsChangeset::REQ_INSTALL}});
    EXPECT_EQ(c.kind, ChangesetConsequences::Kind::None) << c;
    EXPECT_EQ(c.text, "");
}

TEST_F(Consequences, DraggedInstallIsAskedWithItsDescription)
{
    const KwComponentPtr a = add("a");
    a->requiredNames = {"b"};
    add("b");
    const ChangesetConsequences c = resolved({{a, ComponentsChangeset::REQ_INSTALL}});
    EXPECT_EQ(c.kind, ChangesetConsequences::Kind::Question) << c;
    EXPECT_EQ(c.text, "To toggle this component state you also need to\n"
                      "install or upgrade the following components: b description\n"
                      "\n"
                      "Do you want to do this?");
}

TEST_F(Consequences, SeveralOwnRequestsUseTheGroupWording)
{
    const KwComponentPtr a = add("a");
    const KwComponentPtr c = add("c");
    a->requiredNames = {"b"};
    add("b");
    const ChangesetConsequences result =
        resolved({{a, ComponentsChangeset::REQ_INSTALL}, {c, ComponentsChangeset::REQ_INSTALL}});
    EXPECT_EQ(result.kind, ChangesetConsequences::Kind::Question) << result;
    EXPECT_EQ(result.text, "To toggle these components state you also need to\n"
                           "install or upgrade the following components: b description\n"
                           "\n"
                           "Do you want to do this?");
}

TEST_F(Consequences, AllThreeListsInTheirOrder)
{
    // Built by hand: the resolver rarely drags a deselection along (only
    // hardwired components do), but the question names all three kinds.
    const KwComponentPtr base = add("base", KwComponent::MODE_UP2DATE);
    changeset.setRequest(base) = ComponentsChangeset::REQ_REMOVE;
    changeset.addExplicit(base);
    changeset.setRequest(add("web", KwComponent::MODE_UP2DATE)) = ComponentsChangeset::REQ_REMOVE;
    changeset.setRequest(add("mail", KwComponent::MODE_UP2DATE)) = ComponentsChangeset::REQ_REMOVE;
    changeset.setRequest(add("cache", KwComponent::MODE_UPGRADE)) = ComponentsChangeset::REQ_LEAVE;
    changeset.setRequest(add("db")) = ComponentsChangeset::REQ_INSTALL;
    const ChangesetConsequences c = describeChangesetConsequences(changeset);
    EXPECT_EQ(c.kind, ChangesetConsequences::Kind::Question) << c;
    EXPECT_EQ(c.text, "To toggle this component state you also need to\n"
                      "install or upgrade the following components: db description\n"
                      "remove the following components: mail description, web description\n"
                      "deselect the following components: cache description\n"
                      "\n"
                      "Do you want to do this?");
}

TEST_F(Consequences, RemovalRefusedByAComponentRemovedOnlyWhenNamed)
{
    const KwComponentPtr base = add("base", KwComponent::MODE_UP2DATE);
    const KwComponentPtr web = add("web", KwComponent::MODE_UP2DATE);
    web->requiredNames = {"base"};
    web->removeOnlyIfExplicit = true;
    const ChangesetConsequences c = resolved({{base, ComponentsChangeset::REQ_REMOVE}});
    EXPECT_EQ(c.kind, ChangesetConsequences::Kind::Refusal) << c;
    EXPECT_EQ(c.text, "To remove this component or group of components, first you need to remove components that "
                      "cannot be implicitly removed: \n"
                      "web description (web)\n");
}

TEST_F(Consequences, ConflictIsRefusedWithTheConflictingNames)
{
    const KwComponentPtr exim = makeComponent(p.build, "exim");
    const KwComponentPtr postfix = makeComponent(p.build, "postfix");
    manager.addRootNode(makeRadioGroup(p.build, "mail", {exim, postfix}, "exim"));
    const ChangesetConsequences c =
        resolved({{exim, ComponentsChangeset::REQ_INSTALL}, {postfix, ComponentsChangeset::REQ_INSTALL}});
    EXPECT_EQ(c.kind, ChangesetConsequences::Kind::Refusal) << c;
    EXPECT_EQ(c.text, "It is not possible to toggle these components state as it will break dependencies for the "
                      "following components: \n"
                      "exim, postfix\n"
                      "Try toggling components one by one instead.\n");
}

TEST_F(Consequences, NamesWithoutDescriptionOrMatchStayNames)
{
    const KwComponentPtr a = add("a");
    a->description.clear();
    changeset.setRequest(a) = ComponentsChangeset::REQ_INSTALL;
    changeset.setRequest(add("b")) = ComponentsChangeset::REQ_INSTALL;
    EXPECT_THAT(describeComponentNames({"b", "a", "unknown"}, changeset),
                ElementsAre("b description", "a", "unknown"));
}
