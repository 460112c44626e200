#include "installer/components/ComponentsChangesetMarker.h"

#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"

#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

typedef KwComponent K;
typedef ComponentsChangeset CS;

// Nodes of product p: a, hidden h, hidden but installed and shown s, sub group
// sg (b, radio group rg of r1 up to date and r2), and c of product q.
class MarkerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        a = makeComponent(p.build, "a");
        h = makeComponent(p.build, "h");
        h->hidden = true;
        s = makeComponent(p.build, "s", K::MODE_UP2DATE);
        s->hidden = true;
        s->showInstalledHidden = true;
        b = makeComponent(p.build, "b");
        r1 = makeComponent(p.build, "r1", K::MODE_UP2DATE);
        r2 = makeComponent(p.build, "r2");
        rg = makeRadioGroup(p.build, "rg", {r1, r2}, "r2");
        sg = makeSubGroup(p.build, "sg", {b, rg});
        c = makeComponent(q.build, "c");
        nodes = {a, h, s, sg, c};
    }

    void mark(const std::string& product, int request, bool skipHidden, bool named)
    {
        ComponentsChangesetMarker marker(&changes, product, request, skipHidden, named);
        marker.mark(nodes.begin(), nodes.end());
    }

    ProductBuild p = makeProductBuild("p");
    ProductBuild q = makeProductBuild("q");
    KwComponentPtr a, h, s, b, r1, r2, c;
    KwRadioGroupPtr rg;
    KwSubGroupPtr sg;
    ComponentManager::NodeList nodes;
    ComponentsChangeset changes;
};

TEST_F(MarkerTest, InstallRangeOfAProduct)
{
    mark("p", CS::REQ_INSTALL, true, true);
    EXPECT_EQ(changes.getRequest(*a), CS::REQ_INSTALL);
    EXPECT_FALSE(changes.hasRequest(*h));
    EXPECT_EQ(changes.getRequest(*s), CS::REQ_INSTALL);
    EXPECT_EQ(changes.getRequest(*b), CS::REQ_INSTALL);
    // The radio group's choice, r1, is installed and up to date already.
    EXPECT_FALSE(changes.hasRequest(*r1));
    EXPECT_FALSE(changes.hasRequest(*r2));
    EXPECT_FALSE(changes.hasRequest(*c));
    EXPECT_EQ(changes.getExplicitInstallNames(), (std::vector<std::string>{"a", "b", "s"}));
}

TEST_F(MarkerTest, RemoveEveryProductWithoutNaming)
{
    mark("", CS::REQ_REMOVE, false, false);
    for (const KwComponentPtr& k : {a, h, s, b, r1, r2, c}) {
        SCOPED_TRACE(k->name);
        EXPECT_EQ(changes.getRequest(*k), CS::REQ_REMOVE);
        EXPECT_FALSE(changes.isExplicit(k.get()));
    }
}

TEST_F(MarkerTest, RadioGroupInstallTakesTheDefaultWhenNothingIsInstalled)
{
    const KwComponentPtr x = makeComponent(p.build, "x");
    const KwComponentPtr y = makeComponent(p.build, "y");
    nodes = {makeRadioGroup(p.build, "xy", {x, y}, "y")};
    mark("", CS::REQ_INSTALL, false, false);
    EXPECT_FALSE(changes.hasRequest(*x));
    EXPECT_EQ(changes.getRequest(*y), CS::REQ_INSTALL);
}

TEST_F(MarkerTest, NullChangesetAndUnknownNodes)
{
    ComponentsChangesetMarker empty(nullptr, "", CS::REQ_INSTALL, false, false);
    expectError([&] { empty.mark(nodes.begin(), nodes.end()); }, {3, 1, 0, 3}, HasSubstr("Try of use NULL pointer"));
    const ComponentManager::NodeList broken{a, KwCompNodePtr(), b};
    ComponentsChangesetMarker marker(&changes, "", CS::REQ_LEAVE, false, false);
    if (const auto e = expectError([&] { marker.mark(broken.begin(), broken.end()); }))
        expectCodes(*e, {3, 1, 1, 3});
    // What came before the bad node stays marked.
    EXPECT_EQ(changes.getRequest(*a), CS::REQ_LEAVE);
    EXPECT_FALSE(changes.hasRequest(*b));
}

}  // namespace
