#include "installer/components/KwRadioGroup.h"

#include "installer/components/ComponentsChangeset.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"

#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

typedef KwComponent K;

std::vector<std::string> childNames(const KwRadioGroup& group)
{
    std::vector<std::string> names;
    for (const KwComponentPtr& child : group.getChildren()) names.push_back(child->name);
    return names;
}

TEST(KwRadioGroupTest, ChildrenPointBackAndProductComesFromTheBuild)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr a = makeComponent(p.build, "a");
    const KwRadioGroupPtr group = makeRadioGroup(p.build, "g", {a});
    EXPECT_EQ(a->getRadioGroup(), group.get());
    EXPECT_EQ(group->getProductId(), "p");
    EXPECT_EQ(group->getDescription(), "g description");
    EXPECT_FALSE(group->isEmpty());
    expectError([] { KwRadioGroup("g", "G", BuildPtr()); }, {3, 1, 1, 3}, HasSubstr("installer/components/KwGroup,"));
}

TEST(KwRadioGroupTest, DefaultChild)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr a = makeComponent(p.build, "a");
    const KwComponentPtr b = makeComponent(p.build, "b");
    EXPECT_EQ(makeRadioGroup(p.build, "g", {a, b}, "b")->getDefaultChild(), b);
    // A default name that names no child falls back on the first child.
    EXPECT_EQ(makeRadioGroup(p.build, "h", {a, b}, "zzz")->getDefaultChild(), a);
    const KwRadioGroupPtr empty = makeRadioGroup(p.build, "e", {});
    EXPECT_TRUE(empty->isEmpty());
    expectError([&] { empty->getDefaultChild(); }, {3, 1, 1, 3}, HasSubstr("installer/components/KwRadioGroup,"));
    expectError([&] { empty->getChildToInstallOrDefault(); }, {3, 1, 1, 3}, HasSubstr("installer/components/KwRadioGroup,"));
}

TEST(KwRadioGroupTest, ChildToInstallFollowsTheChangeset)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr a = makeComponent(p.build, "a");
    const KwComponentPtr b = makeComponent(p.build, "b");
    const KwRadioGroupPtr group = makeRadioGroup(p.build, "g", {a, b}, "a");
    ComponentsChangeset changes;
    EXPECT_FALSE(group->hasChildToInstall(&changes));
    EXPECT_EQ(group->getChildToInstallOrDefault(&changes), a);
    EXPECT_EQ(group->getStatusMark(), ' ');
    changes.setRequest(b) = ComponentsChangeset::REQ_INSTALL;
    EXPECT_EQ(group->getChildToInstall(&changes), b);
    EXPECT_EQ(group->getChildToInstallOrDefault(&changes), b);
    // Without a changeset the component's own selection counts.
    EXPECT_EQ(group->getStatusMark(), ' ');
    b->setSelection(K::SEL_INSTALL);
    EXPECT_EQ(group->getStatusMark(), '*');
    EXPECT_EQ(group->getChildToInstall(), b);
}

TEST(KwRadioGroupTest, DropNotAllowedSwitches)
{
    const ProductBuild p = makeProductBuild("p");
    struct Case {
        const char* name;
        bool rules;
        std::vector<std::pair<std::string, std::string>> pairs;
        int installedIndex;  // -1: nothing installed
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {"one allowed switch", true, {{"a", "c"}}, 0, {"a", "c"}},
        {"no switch rules", false, {}, 0, {"a", "b", "c"}},
        {"rules without a pair", true, {}, 1, {"b"}},
        {"nothing installed", true, {}, -1, {"a", "b", "c"}},
        {"pairs of other members", true, {{"c", "b"}, {"b", "a"}}, 1, {"a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<KwComponentPtr> children;
        for (int i = 0; i < 3; ++i) {
            const int mode = i == c.installedIndex ? K::MODE_UP2DATE : K::MODE_INSTALL;
            children.push_back(makeComponent(p.build, std::string(1, char('a' + i)), mode));
        }
        const KwRadioGroupPtr group = makeRadioGroup(p.build, "g", children);
        group->setHasSwitchRules(c.rules);
        for (const auto& pair : c.pairs) group->addSwitch(pair.first, pair.second);
        CapturedLog log;
        group->drop_not_allowed_switches();
        EXPECT_EQ(childNames(*group), c.left);
        for (const KwComponentPtr& child : children) {
            const bool kept = std::find(c.left.begin(), c.left.end(), child->name) != c.left.end();
            EXPECT_EQ(child->getRadioGroup(), kept ? group.get() : nullptr) << child->name;
        }
        if (c.rules) {
            EXPECT_THAT(log.text(), HasSubstr("DEBUG: drop_not_allowed_switches: from="));
        }
    }
}

TEST(KwRadioGroupTest, DroppingBeforeTheCheckIsAnInternalError)
{
    const ProductBuild p = makeProductBuild("p");
    const KwRadioGroupPtr group = makeRadioGroup(p.build, "g", {makeComponent(p.build, "a", K::NOT_CHECKED)});
    group->setHasSwitchRules(true);
    if (const auto e = expectError([&] { group->drop_not_allowed_switches(); })) expectCodes(*e, {3, 1, 1, 3});
}

TEST(KwRadioGroupTest, DestructionDetachesTheChildren)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr a = makeComponent(p.build, "a");
    CapturedLog log;
    {
        const KwRadioGroupPtr group = makeRadioGroup(p.build, "doomed", {a});
        EXPECT_NE(a->getRadioGroup(), nullptr);
    }
    EXPECT_EQ(a->getRadioGroup(), nullptr);
    EXPECT_THAT(log.text(), HasSubstr("DEBUG: ~KwRadioGroup: doomed ("));
}

}  // namespace
