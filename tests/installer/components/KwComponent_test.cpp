#include "installer/components/KwComponent.h"

#include "installer/components/ComponentsChangeset.h"
#include "installer/components/KwRadioGroup.h"

#include "common/Opsys.h"
#include "common/StringPool.h"
#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/RPMPackage.h"

#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <sstream>

using ::testing::HasSubstr;

namespace {

typedef KwComponent K;

TEST(KwComponentTest, ConstructionNeedsABuild)
{
    if (const auto e = expectError([] { KwComponent(BuildPtr(), "a", "A", "", {}); })) {
        expectCodes(*e, {3, 1, 1, 3});
        EXPECT_THAT(e->text(), HasSubstr("installer/components/KwComponent,"));
    }
    if (const auto e = expectError([] { KwComponent(BuildPtr(), "a A"); })) expectCodes(*e, {3, 1, 1, 3});
}

TEST(KwComponentTest, NameAndDescriptionFromOneText)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponent both(p.build, "web The web server integration");
    EXPECT_EQ(both.name, "web");
    EXPECT_EQ(both.description, "The web server integration");
    const KwComponent bare(p.build, "mail");
    EXPECT_EQ(bare.name, "mail");
    EXPECT_EQ(bare.description, "mail (no description available)");
    expectError([&] { KwComponent(p.build, " leading blank"); }, {1, 1, 1, 1},
                HasSubstr("a component without a name"));
    expectError([&] { KwComponent(p.build, ""); }, {1, 1, 1, 1}, HasSubstr("a component without a name"));
}

TEST(KwComponentTest, FullNameAndProduct)
{
    const ProductBuild p = makeProductBuild("panel");
    const KwComponentPtr c = makeComponent(p.build, "db");
    EXPECT_EQ(c->getProductId(), "panel");
    EXPECT_EQ(c->getFullName(), "panel/db");
    // A build without a release (an addon build not attached yet) has no product.
    const BuildPtr orphan = boost::make_shared<Build>(ReleasePtr(), "Linux", "Debian", "12", "x86_64", "", "", "");
    const KwComponentPtr d = makeComponent(orphan, "db");
    EXPECT_EQ(d->getProductId(), "");
    EXPECT_EQ(d->getFullName(), "db");
}

TEST(KwComponentTest, UncheckedStateIsAnInternalError)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr c = makeComponent(p.build, "a", K::NOT_CHECKED);
    for (const auto& call : std::vector<std::function<void()>>{
             [&] { c->getInstallMode(); }, [&] { c->serverBuildTime(); }, [&] { c->localBuildTime(); },
             [&] { c->serverVersion(); }, [&] { c->localVersion(); }, [&] { c->getStatusMark(); },
             [&] { c->isInstalled(); }}) {
        if (const auto e = expectError(call)) expectCodes(*e, {3, 1, 1, 3});
    }
    expectError([&] { c->getInstallModeName(); }, {3, 1, 1, 3}, HasSubstr("unknown installation status"));
    // Removal shows without reading the mode.
    c->setSelection(K::SEL_REMOVE);
    EXPECT_EQ(c->getStatusMark(), 'X');
}

TEST(KwComponentTest, CheckedStateIsKept)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr c = makeComponent(p.build, "a", K::NOT_CHECKED);
    KwComponent::CheckedState state;
    state.installMode = K::MODE_UPGRADE;
    state.localBuildTime = 100;
    state.serverBuildTime = 200;
    state.localVersion = "1:1.0-1";
    state.serverVersion = "1:1.1-1";
    c->setCheckedState(state);
    EXPECT_EQ(c->getInstallMode(), K::MODE_UPGRADE);
    EXPECT_EQ(c->getInstallModeName(), "upgrade");
    EXPECT_EQ(c->localBuildTime(), 100);
    EXPECT_EQ(c->serverBuildTime(), 200);
    EXPECT_EQ(c->localVersion(), "1:1.0-1");
    EXPECT_EQ(c->serverVersion(), "1:1.1-1");
    state.installMode = 7;
    expectError([&] { c->setCheckedState(state); });
    EXPECT_EQ(c->getInstallMode(), K::MODE_UPGRADE);
}

// Marks and predicates for every mode and selection.
TEST(KwComponentTest, StatusMarkAndPredicates)
{
    struct Case {
        int mode;
        int selection;
        char mark;
        const char* modeName;
        bool installed, removed, scheduled, present, notInstalled, older, newer;
    };
    const Case cases[] = {
        {K::MODE_INSTALL, K::SEL_NONE, ' ', "install", false, false, false, false, true, false, false},
        {K::MODE_INSTALL, K::SEL_INSTALL, '*', "install", false, false, true, true, false, false, true},
        {K::MODE_INSTALL, K::SEL_REMOVE, 'X', "install", false, false, false, false, true, false, false},
        {K::MODE_UPGRADE, K::SEL_NONE, ' ', "upgrade", true, false, false, true, false, true, false},
        {K::MODE_UPGRADE, K::SEL_INSTALL, '*', "upgrade", true, false, true, true, false, false, true},
        {K::MODE_UPGRADE, K::SEL_REMOVE, 'X', "upgrade", true, true, false, false, true, false, false},
        {K::MODE_UP2DATE, K::SEL_NONE, '=', "up2date", true, false, false, true, false, false, true},
        {K::MODE_UP2DATE, K::SEL_INSTALL, '=', "up2date", true, false, false, true, false, false, true},
        {K::MODE_UP2DATE, K::SEL_REMOVE, 'X', "up2date", true, true, false, false, true, false, false},
        {K::MODE_ERROR, K::SEL_NONE, '!', "error", false, false, false, false, true, false, false},
        {K::MODE_ERROR, K::SEL_INSTALL, '!', "error", false, false, false, false, false, false, false},
    };
    const ProductBuild p = makeProductBuild("p");
    for (const Case& c : cases) {
        std::ostringstream name;
        name << "mode " << c.mode << " selection " << c.selection;
        SCOPED_TRACE(name.str());
        const KwComponentPtr k = makeComponent(p.build, "a", c.mode, c.selection);
        EXPECT_EQ(k->getStatusMark(), c.mark);
        EXPECT_EQ(k->getInstallModeName(), c.modeName);
        EXPECT_EQ(k->isInstalled(), c.installed);
        EXPECT_EQ(k->willBeRemoved(), c.removed);
        EXPECT_EQ(k->isScheduledForInstall(), c.scheduled);
        EXPECT_EQ(k->willBePresent(), c.present);
        EXPECT_EQ(k->willBeNotInstalled(), c.notInstalled);
        EXPECT_EQ(k->willBeInstalledOlder(), c.older);
        EXPECT_EQ(k->willBeInstalledNew(), c.newer);
    }
}

TEST(KwComponentTest, SelectionRules)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr broken = makeComponent(p.build, "broken", K::MODE_ERROR);
    expectError([&] { broken->select(); }, {1, 1, 1, 2}, "The component p/broken is not available.\n");
    expectError([&] { broken->selectForRemoval(); }, {1, 1, 1, 2}, HasSubstr("p/broken is not available"));
    EXPECT_EQ(broken->getSelection(), K::SEL_NONE);

    // A required component this run would install cannot be dropped ...
    const KwComponentPtr fresh = makeComponent(p.build, "fresh", K::MODE_INSTALL);
    fresh->markRequired();
    EXPECT_EQ(fresh->getSelection(), K::SEL_INSTALL);
    expectError([&] { fresh->deselect(); }, {2, 1, 1, 1}, HasSubstr("Unable to exclude the component p/fresh"));
    EXPECT_EQ(fresh->getSelection(), K::SEL_INSTALL);
    // ... but its removal asks nothing of the system, since it is not installed.
    fresh->selectForRemoval();
    EXPECT_EQ(fresh->getSelection(), K::SEL_REMOVE);

    // An installed required component cannot be removed, unless already marked so.
    const KwComponentPtr kept = makeComponent(p.build, "kept", K::MODE_UP2DATE);
    kept->markRequired();
    expectError([&] { kept->selectForRemoval(); }, {2, 1, 1, 1}, HasSubstr("Unable to remove the component p/kept"));
    EXPECT_EQ(kept->getSelection(), K::SEL_INSTALL);
    kept->setSelection(K::SEL_REMOVE);
    kept->selectForRemoval();
    EXPECT_EQ(kept->getSelection(), K::SEL_REMOVE);
    kept->deselect();
    EXPECT_EQ(kept->getSelection(), K::SEL_NONE);
}

TEST(KwComponentTest, MatchesEnvironment)
{
    struct Case {
        const char* component;
        const char* system;
        bool matches;
    };
    const Case cases[] = {
        {"", "", true},           {"", "cq", true},          {"", "dedicated", true},
        {"dedicated", "", true},  {"dedicated", "dedicated", true}, {"dedicated", "cq", false},
        {"cq", "cq", true},       {"cq", "", false},         {"cq", "dedicated", false},
        {"other", "", false},     {"other", "other", false},
    };
    const ProductBuild p = makeProductBuild("p");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.component) + " on '" + c.system + "'");
        const KwComponent k(p.build, "a", "A", c.component, {});
        EXPECT_EQ(k.matchesEnvironment(Opsys("Linux", "Debian", "12", "x86_64", c.system)), c.matches);
    }
}

TEST(KwComponentTest, KeyPackageNamesNegativeFirstWithoutProvides)
{
    const ProductBuild p = makeProductBuild("p");
    KeyPackageSet first;
    first.positive = {"p1", "p2"};
    first.negative = {"n1"};
    first.provides = {"v1"};
    KeyPackageSet second;
    second.positive = {"p3"};
    second.negative = {"n2", "n3"};
    const KwComponent k(p.build, "a", "A", "", {first, second});
    std::vector<std::string> names{"given"};
    k.appendKeyPackageNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"given", "n1", "p1", "p2", "n2", "n3", "p3"}));
}

TEST(KwComponentTest, FirstPackageKind)
{
    const ProductBuild p = makeProductBuild("p");
    const KwComponentPtr c = makeComponent(p.build, "a");
    expectError([&] { c->getDebPackage(); }, {1, 1, 1, 3}, "There are no packages in the a component.\n");
    const DebPackage deb(StringPool::intern("deb-pkg"), "1.0-1");
    const RPMPackage rpm(StringPool::intern("rpm-pkg"), "1.0-1");
    c->packages = {&deb, &rpm};
    EXPECT_EQ(c->getDebPackage(), &deb);
    EXPECT_EQ(c->getRpmPackage(), nullptr);
    EXPECT_TRUE(c->hasDebPackage());
    c->packages = {&rpm};
    EXPECT_EQ(c->getRpmPackage(), &rpm);
    EXPECT_FALSE(c->hasDebPackage());
}

TEST(KwComponentTest, RelationsWithinAProduct)
{
    const ProductBuild p = makeProductBuild("p");
    const ProductBuild q = makeProductBuild("q");
    const KwComponentPtr app = makeComponent(p.build, "app");
    const KwComponentPtr db = makeComponent(p.build, "db", K::MODE_INSTALL);
    const KwComponentPtr otherDb = makeComponent(q.build, "db", K::MODE_INSTALL);
    app->requiredNames = {"db"};
    ComponentsChangeset changes;
    EXPECT_TRUE(app->needs(*db, &changes));
    EXPECT_FALSE(app->needs(*otherDb, &changes));
    changes.setRequest(db) = ComponentsChangeset::REQ_INSTALL;
    EXPECT_FALSE(app->needs(*db, &changes));

    // Hardwired: an installed, outdated partner left behind is needed.
    const KwComponentPtr core = makeComponent(p.build, "core", K::MODE_UPGRADE);
    const KwComponentPtr plugin = makeComponent(p.build, "plugin", K::MODE_UPGRADE);
    core->hardwiredWith = {"plugin"};
    ComponentsChangeset none;
    EXPECT_TRUE(plugin->needs(*core, &none));
    EXPECT_TRUE(plugin->isHardwiredToOutdated(*core, &none));
    EXPECT_FALSE(core->isHardwiredToOutdated(*plugin, &none));
    none.setRequest(core) = ComponentsChangeset::REQ_INSTALL;
    EXPECT_FALSE(plugin->isHardwiredToOutdated(*core, &none));

    // A required radio group with nothing to install needs its default child.
    const KwComponentPtr apache = makeComponent(p.build, "apache");
    const KwComponentPtr nginx = makeComponent(p.build, "nginx");
    const KwRadioGroupPtr web = makeRadioGroup(p.build, "webserver", {apache, nginx}, "nginx");
    const KwComponentPtr site = makeComponent(p.build, "site");
    site->requiredNames = {"webserver"};
    ComponentsChangeset empty;
    EXPECT_TRUE(site->needs(*nginx, &empty));
    EXPECT_FALSE(site->needs(*apache, &empty));
    empty.setRequest(apache) = ComponentsChangeset::REQ_INSTALL;
    EXPECT_FALSE(site->needs(*nginx, &empty));

    // Conflicts are symmetric and ignore the changeset.
    const KwComponentPtr a = makeComponent(p.build, "a");
    const KwComponentPtr b = makeComponent(p.build, "b");
    a->conflicts = {"b"};
    EXPECT_TRUE(a->conflictsWith(*b));
    EXPECT_TRUE(b->conflictsWith(*a));
    const KwComponentPtr qb = makeComponent(q.build, "b");
    EXPECT_FALSE(a->conflictsWith(*qb));
}

}  // namespace
