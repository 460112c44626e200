#include "installer/components/ComponentsChangeset.h"

#include "installer/components/ComponentManager.h"
#include "installer/options/Options.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/options/ProcessOptions.h"

#include <gtest/gtest.h>

#include <sstream>

using ::testing::HasSubstr;

namespace {

typedef KwComponent K;
typedef ComponentsChangeset CS;

std::string printed(const ComponentsChangeset& changes)
{
    std::ostringstream out;
    out << changes;
    return out.str();
}

TEST(ComponentsChangesetTest, DefaultIsOneProcessWideInstance)
{
    ComponentsChangeset own;
    EXPECT_EQ(&CS::getDefault(&own), &own);
    EXPECT_EQ(&CS::getDefault(), &CS::getDefault(static_cast<CS*>(nullptr)));
    EXPECT_EQ(&CS::getDefault(static_cast<const CS*>(nullptr)), &CS::getDefault());
}

TEST(ComponentsChangesetTest, RequestsAndNames)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr a = makeComponent(p.build, "a");
    ComponentsChangeset changes;
    EXPECT_TRUE(changes.empty());
    EXPECT_FALSE(changes.hasRequest(*a));
    EXPECT_EQ(changes.getRequest(*a), CS::REQ_UNSPECIFIED);
    CS::request_mode_t& request = changes.setRequest(a);
    EXPECT_EQ(request, CS::REQ_UNSPECIFIED);
    EXPECT_TRUE(changes.hasRequest(*a));
    request = CS::REQ_INSTALL;
    changes.setRequest(a) = CS::REQ_REMOVE;
    EXPECT_EQ(changes.getRequest(*a), CS::REQ_REMOVE);
    EXPECT_FALSE(changes.isExplicit(a.get()));
    EXPECT_FALSE(changes.isExplicit(nullptr));
    EXPECT_FALSE(changes.isConflicting(nullptr));
    changes.addExplicit(a);
    changes.addConflict("a");
    changes.addConflict("0-first");
    EXPECT_TRUE(changes.isExplicit(a.get()));
    EXPECT_TRUE(changes.isConflicting(a.get()));
    EXPECT_EQ(changes.getConflicts(), (std::vector<std::string>{"0-first", "a"}));
    expectError([&] { changes.setRequest(comp_cptr_t()); });
}

// The queries of one component, from each request and from its own selection.
TEST(ComponentsChangesetTest, Queries)
{
    struct Case {
        int mode;
        int selection;
        int request;  // 0: no entry
        bool markedInstall, markedRemove, installed, older, newer, notInstalled;
    };
    const Case cases[] = {
        {K::MODE_INSTALL, K::SEL_INSTALL, 0, true, false, true, false, true, false},
        {K::MODE_INSTALL, K::SEL_INSTALL, CS::REQ_LEAVE, false, false, false, false, false, true},
        {K::MODE_UPGRADE, K::SEL_REMOVE, 0, false, true, false, false, false, true},
        {K::MODE_UPGRADE, K::SEL_NONE, CS::REQ_LEAVE, false, false, true, true, false, false},
        {K::MODE_UP2DATE, K::SEL_NONE, CS::REQ_LEAVE, false, false, true, false, true, false},
        {K::MODE_UPGRADE, K::SEL_NONE, CS::REQ_INSTALL, true, false, true, false, true, false},
        {K::MODE_ERROR, K::SEL_NONE, CS::REQ_INSTALL, true, false, false, false, false, false},
        {K::MODE_UP2DATE, K::SEL_INSTALL, CS::REQ_REMOVE, false, true, false, false, false, true},
    };
    const ProductBuild p = makeProductBuild("p");
    for (const Case& c : cases) {
        std::ostringstream name;
        name << "mode " << c.mode << " selection " << c.selection << " request " << c.request;
        SCOPED_TRACE(name.str());
        const KwComponentPtr k = makeComponent(p.build, "k", c.mode, c.selection);
        ComponentsChangeset changes;
        if (c.request) changes.setRequest(k) = c.request;
        EXPECT_EQ(changes.isMarkedForInstall(*k), c.markedInstall);
        EXPECT_EQ(changes.isMarkedForRemove(*k, false), c.markedRemove);
        EXPECT_EQ(changes.willBeInstalled(*k), c.installed);
        EXPECT_EQ(changes.willBeInstalledOlder(*k), c.older);
        EXPECT_EQ(changes.willBeInstalledNew(*k), c.newer);
        EXPECT_EQ(changes.willBeNotInstalled(*k), c.notInstalled);
    }
}

TEST(ComponentsChangesetTest, RemovalOnlyWhenNamed)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr k = makeComponent(p.build, "k", K::MODE_UP2DATE);
    k->removeOnlyIfExplicit = true;
    ComponentsChangeset changes;
    changes.setRequest(k) = CS::REQ_REMOVE;
    EXPECT_TRUE(changes.isMarkedForRemove(*k, false));
    EXPECT_FALSE(changes.isMarkedForRemove(*k, true));
    ASSERT_EQ(changes.getDeniedImplicitRemovals().size(), 1u);
    EXPECT_EQ(changes.getDeniedImplicitRemovals()[0], k);
    changes.addExplicit(k);
    EXPECT_TRUE(changes.isMarkedForRemove(*k, true));
    EXPECT_TRUE(changes.getDeniedImplicitRemovals().empty());
}

TEST(ComponentsChangesetTest, NameLists)
{
    const ProductBuild p = makeProductBuild("p");
    const ProductBuild q = makeProductBuild("q");
    const KwComponentPtr pb = makeComponent(p.build, "b");
    const KwComponentPtr pa = makeComponent(p.build, "a");
    const KwComponentPtr qb = makeComponent(q.build, "b");
    const KwComponentPtr pc = makeComponent(p.build, "c");
    const KwComponentPtr pd = makeComponent(p.build, "d");
    ComponentsChangeset changes;
    EXPECT_FALSE(changes.hasExplicitChanges());
    changes.setRequest(pb) = CS::REQ_INSTALL;
    changes.setRequest(pa) = CS::REQ_INSTALL;
    changes.setRequest(qb) = CS::REQ_INSTALL;
    changes.setRequest(pc) = CS::REQ_REMOVE;
    changes.setRequest(pd) = CS::REQ_LEAVE;
    EXPECT_EQ(changes.getNamesByRequest(CS::REQ_INSTALL), (std::vector<std::string>{"a", "b", "b"}));
    EXPECT_EQ(changes.getNamesByRequest(CS::REQ_INSTALL, "q"), (std::vector<std::string>{"b"}));
    EXPECT_EQ(changes.getNamesByRequest(CS::REQ_INSTALL, "p"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(changes.getProductIds(), (std::vector<std::string>{"p", "q"}));

    changes.addExplicit(pb);
    changes.addExplicit(pc);
    EXPECT_TRUE(changes.hasExplicitChanges());
    EXPECT_EQ(changes.getExplicitInstallNames(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(changes.getExplicitRemoveNames(), (std::vector<std::string>{"c"}));
    EXPECT_TRUE(changes.getExplicitLeaveNames().empty());
    EXPECT_EQ(changes.getImplicitInstallNames(), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(changes.getImplicitRemoveNames().empty());
    EXPECT_EQ(changes.getImplicitLeaveNames(), (std::vector<std::string>{"d"}));

    // An explicit name without a request of the kind asked is not listed.
    ComponentsChangeset onlyNamed;
    onlyNamed.setRequest(pa) = CS::REQ_LEAVE;
    onlyNamed.addExplicit(pa);
    EXPECT_TRUE(onlyNamed.getExplicitInstallNames().empty());
    EXPECT_EQ(onlyNamed.getExplicitLeaveNames(), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(onlyNamed.hasExplicitChanges());
}

TEST(ComponentsChangesetTest, Printing)
{
    ComponentsChangeset changes;
    EXPECT_EQ(printed(changes), "ComponentsChangeset[ ] (! is explicit, = is leave, + is install, ~ is remove)");

    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr db = makeComponent(p.build, "db");
    changes.setRequest(db) = CS::REQ_INSTALL;
    changes.addExplicit(db);
    changes.addConflict("db");
    EXPECT_EQ(printed(changes),
              "ComponentsChangeset[ !+p/db (conflict) ] (! is explicit, = is leave, + is install, ~ is remove)");

    // Further entries are separated by ", " in product and name order, whatever
    // the order in which the components were made or requested.
    const ProductBuild a = makeProductBuild("a");
    const KwComponentPtr web = makeComponent(p.build, "web");
    const KwComponentPtr odd = makeComponent(p.build, "odd");
    const KwComponentPtr first = makeComponent(a.build, "zz");
    changes.setRequest(web) = CS::REQ_REMOVE;
    changes.setRequest(odd) = 9;
    changes.setRequest(first) = CS::REQ_LEAVE;
    EXPECT_EQ(printed(changes), "ComponentsChangeset[ =a/zz, !+p/db (conflict), ?p/odd, ~p/web ] (! is explicit, = is "
                                "leave, + is install, ~ is remove)");
}

// A tree of product p: components x, hidden h, radio group g (children g1, g2),
// and component x of product q.
class MarkByNameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        x = makeComponent(p.build, "x");
        h = makeComponent(p.build, "h");
        h->hidden = true;
        g1 = makeComponent(p.build, "g1", K::MODE_UP2DATE);
        g2 = makeComponent(p.build, "g2");
        g = makeRadioGroup(p.build, "g", {g1, g2}, "g2");
        qx = makeComponent(q.build, "x");
        manager.addRootNode(x);
        manager.addRootNode(h);
        manager.addRootNode(g);
        manager.addRootNode(qx);
    }

    void mark(const std::string& product, const std::vector<std::string>& names, int request, bool named = true)
    {
        ComponentsChangeset::MarkComponentsByName marker(&changes, product, names, request, named);
        manager.visit(marker);
    }

    static Options& options() { return processOptions(); }

    ProductBuild p = makeProductBuild("p");
    ProductBuild q = makeProductBuild("q");
    KwComponentPtr x, h, g1, g2, qx;
    KwRadioGroupPtr g;
    ComponentManager manager;
    ComponentsChangeset changes;
};

TEST_F(MarkByNameTest, MarksTheFirstNodeOfEachName)
{
    mark("", {"x", "h"}, CS::REQ_INSTALL);
    EXPECT_EQ(changes.getRequest(*x), CS::REQ_INSTALL);
    // Hidden components are marked by name like any other.
    EXPECT_EQ(changes.getRequest(*h), CS::REQ_INSTALL);
    // The name is taken by p's x, which comes first.
    EXPECT_FALSE(changes.hasRequest(*qx));
    EXPECT_EQ(changes.getExplicitInstallNames(), (std::vector<std::string>{"h", "x"}));
}

TEST_F(MarkByNameTest, ProductFilterAndUnnamed)
{
    mark("q", {"x"}, CS::REQ_REMOVE, false);
    EXPECT_FALSE(changes.hasRequest(*x));
    EXPECT_EQ(changes.getRequest(*qx), CS::REQ_REMOVE);
    EXPECT_FALSE(changes.isExplicit(qx.get()));
}

TEST_F(MarkByNameTest, RadioGroupAsOneChoice)
{
    // Install: the child that will be installed (the installed g1), else the
    // default; leave and remove: every child.
    mark("", {"g"}, CS::REQ_INSTALL);
    EXPECT_EQ(changes.getRequest(*g1), CS::REQ_INSTALL);
    EXPECT_FALSE(changes.hasRequest(*g2));
    ComponentsChangeset removal;
    ComponentsChangeset::MarkComponentsByName remover(&removal, "p", {"g"}, CS::REQ_REMOVE, true);
    manager.visit(remover);
    EXPECT_EQ(removal.getRequest(*g1), CS::REQ_REMOVE);
    EXPECT_EQ(removal.getRequest(*g2), CS::REQ_REMOVE);
}

TEST_F(MarkByNameTest, UnknownNamesAreLogged)
{
    options().strict = false;
    CapturedLog log;
    mark("", {"x", "y", "a-missing"}, CS::REQ_INSTALL);
    EXPECT_EQ(changes.getRequest(*x), CS::REQ_INSTALL);
    EXPECT_THAT(log.text(), HasSubstr("Warning: the following component(s) were not found:  'a-missing' 'y'"));
    CapturedLog again;
    mark("q", {"nothing"}, CS::REQ_REMOVE);
    EXPECT_THAT(again.text(), HasSubstr("Warning: the following component(s) were not found in product q:  'nothing'"));
}

TEST_F(MarkByNameTest, StrictModeFailsOnUnknownInstallNames)
{
    options().strict = true;
    CapturedLog log;
    expectError([&] { mark("", {"x", "y", "z"}, CS::REQ_INSTALL); }, {2, 1, 1, 2},
                "The following product component(s) were not found: y, z. Use the 'list' command to check the "
                "names of available components.\n");
    // What was found is marked all the same.
    EXPECT_EQ(changes.getRequest(*x), CS::REQ_INSTALL);
    expectError([&] { mark("p", {"y"}, CS::REQ_INSTALL); }, {2, 1, 1, 2},
                HasSubstr("The following component(s) were not found in the product 'p': y. Use the 'list'"));
    // Only install requests are strict.
    mark("", {"y"}, CS::REQ_REMOVE);
    options().strict = false;
}

}  // namespace
