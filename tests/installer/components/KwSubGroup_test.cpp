#include "installer/components/KwSubGroup.h"

#include "tests/installer/components/ComponentTree.h"

#include <gtest/gtest.h>

namespace {

typedef KwComponent K;

TEST(KwSubGroupTest, StatusMarkSummarisesTheChildren)
{
    const ProductBuild p = makeProductBuild("p");
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> children;  // mode, selection
        char mark;
    };
    const Case cases[] = {
        {"no children", {}, ' '},
        {"install and nothing", {{K::MODE_INSTALL, K::SEL_INSTALL}, {K::MODE_INSTALL, K::SEL_NONE}}, '.'},
        {"all up to date", {{K::MODE_UP2DATE, K::SEL_NONE}, {K::MODE_UP2DATE, K::SEL_INSTALL}}, '='},
        {"all to remove", {{K::MODE_UP2DATE, K::SEL_REMOVE}, {K::MODE_UPGRADE, K::SEL_REMOVE}}, 'X'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<KwCompNodePtr> children;
        for (const auto& child : c.children) children.push_back(makeComponent(p.build, "c", child.first, child.second));
        const KwSubGroupPtr group = makeSubGroup(p.build, "s", children);
        EXPECT_EQ(group->isEmpty(), c.children.empty());
        EXPECT_EQ(group->getStatusMark(), c.mark);
    }
}

TEST(KwSubGroupTest, NestedGroupsCountByTheirMark)
{
    const ProductBuild p = makeProductBuild("p");
    const KwSubGroupPtr inner = makeSubGroup(p.build, "inner", {makeComponent(p.build, "a", K::MODE_UP2DATE)});
    const KwSubGroupPtr outer =
        makeSubGroup(p.build, "outer", {inner, makeComponent(p.build, "b", K::MODE_UP2DATE)});
    EXPECT_EQ(outer->getStatusMark(), '=');
    EXPECT_EQ(outer->getProductId(), "p");
    // A child of a sub group keeps no radio-group link.
    EXPECT_EQ(boost::dynamic_pointer_cast<KwComponent>(outer->getChildren()[1])->getRadioGroup(), nullptr);
}

}  // namespace
