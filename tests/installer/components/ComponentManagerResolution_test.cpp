#include "installer/components/ComponentManager.h"

#include "installer/components/ComponentsChangeset.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/components/DemoSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::string printed(const ComponentsChangeset& changeset)
{
    std::ostringstream out;
    out << changeset;
    return out.str();
}

const char* const legend = " ] (! is explicit, = is leave, + is install, ~ is remove)";

}  // namespace

// The rules on the demo catalogue against the fixture dpkg database: exim is
// the installed member of the mail radio group, web (which requires base) is
// installed and upgradable, base is up to date.
TEST_F(DemoSystem, ResolutionRules)
{
    const struct {
        const char* name;
        std::vector<std::pair<const char*, int>> requests;
        bool resolved;
        const char* expected;
    } cases[] = {
        // The other member of the radio group goes, named since the switch was asked for.
        {"radio switch", {{"mail-postfix", ComponentsChangeset::REQ_INSTALL}}, true,
         "ComponentsChangeset[ !~zarni/mail-exim, !+zarni/mail-postfix"},
        // Removing what an installed component requires removes that one too.
        {"requirer goes with its requirement", {{"base", ComponentsChangeset::REQ_REMOVE}}, true,
         "ComponentsChangeset[ !~zarni/base, ~zarni/web"},
        // Two members of one radio group at once cannot both be installed.
        {"two explicit radio members",
         {{"mail-postfix", ComponentsChangeset::REQ_INSTALL}, {"mail-exim", ComponentsChangeset::REQ_INSTALL}}, false,
         "ComponentsChangeset[ !+zarni/mail-exim (conflict), !+zarni/mail-postfix (conflict)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComponentsChangeset changeset;
        for (const auto& request : c.requests) changeset.setRequest(component(request.first)) = request.second;
        CapturedLog log(2);
        EXPECT_EQ(loaded.components.resolveComponents(&changeset), c.resolved);
        EXPECT_EQ(printed(changeset), c.expected + std::string(legend));
        if (!c.resolved) {
            EXPECT_THAT(log.text(), HasSubstr("Warning: found inter-component dependencies conflict between "
                                              "'mail-exim' (will be installed: 1, request = REQ_INSTALL) and "
                                              "'mail-postfix' (will be installed: 1, request = REQ_INSTALL) while "
                                              "trying to resolve REQ_INSTALL of component 'mail-exim' and 1 more "
                                              "change(s)"));
        }
    }
}

class Resolution : public ::testing::Test {
protected:
    KwComponentPtr add(const std::string& name, int mode = KwComponent::MODE_INSTALL)
    {
        const KwComponentPtr component = makeComponent(p.build, name, mode);
        manager.addRootNode(component);
        return component;
    }

    ProductBuild p = makeProductBuild("zarni");
    ComponentManager manager;
};

TEST_F(Resolution, RequiredComponentIsAddedImplicitly)
{
    const KwComponentPtr a = add("a");
    a->requiredNames = {"b"};
    const KwComponentPtr b = add("b");
    add("broken", KwComponent::MODE_ERROR);
    ComponentsChangeset changeset;
    changeset.setRequest(a) = ComponentsChangeset::REQ_INSTALL;
    ASSERT_TRUE(manager.resolveComponents(&changeset));
    EXPECT_EQ(printed(changeset), std::string("ComponentsChangeset[ !+zarni/a, +zarni/b") + legend);
    EXPECT_THAT(changeset.getImplicitInstallNames(), ElementsAre("b"));

    manager.resolveAndApplyChangeset(&changeset);
    EXPECT_EQ(a->getSelection(), KwComponent::SEL_INSTALL);
    EXPECT_EQ(b->getSelection(), KwComponent::SEL_INSTALL);
}

TEST_F(Resolution, DeniedImplicitRemovalIsReported)
{
    const KwComponentPtr a = add("a", KwComponent::MODE_UP2DATE);
    a->requiredNames = {"b"};
    a->removeOnlyIfExplicit = true;
    const KwComponentPtr b = add("b", KwComponent::MODE_UP2DATE);
    ComponentsChangeset changeset;
    changeset.setRequest(b) = ComponentsChangeset::REQ_REMOVE;
    ASSERT_TRUE(manager.resolveComponents(&changeset));
    ASSERT_EQ(changeset.getDeniedImplicitRemovals().size(), 1u);
    EXPECT_EQ(changeset.getDeniedImplicitRemovals().front(), a);
}

TEST_F(Resolution, ConflictsAndHardwiredUpgrades)
{
    const KwComponentPtr x = add("x");
    x->conflicts = {"y"};
    const KwComponentPtr y = add("y", KwComponent::MODE_UP2DATE);
    // z stays behind unless upgraded with w; w upgraded pulls z.
    const KwComponentPtr w = add("w", KwComponent::MODE_UPGRADE);
    const KwComponentPtr z = add("z", KwComponent::MODE_UPGRADE);
    z->hardwiredWith = {"w"};

    ComponentsChangeset conflict;
    conflict.setRequest(x) = ComponentsChangeset::REQ_INSTALL;
    ASSERT_TRUE(manager.resolveComponents(&conflict));
    EXPECT_EQ(printed(conflict), std::string("ComponentsChangeset[ !+zarni/x, ~zarni/y") + legend);

    ComponentsChangeset both;
    both.setRequest(x) = ComponentsChangeset::REQ_INSTALL;
    both.setRequest(y) = ComponentsChangeset::REQ_LEAVE;
    CapturedLog log(2);
    EXPECT_FALSE(manager.resolveComponents(&both));
    EXPECT_THAT(both.getConflicts(), ElementsAre("x", "y"));
    const int before = x->getSelection();
    if (const auto e = expectError([&] { manager.resolveAndApplyChangeset(&both); })) {
        expectCodes(*e, {5, 1, 1, 2});
        EXPECT_EQ(e->text(), "Unable to resolve components request mode changeset due to inter-component "
                             "dependencies. You possibly need to remove some of the conflicting components. Check '" +
                                 Log::fileName() + "' for more details.\n");
    }
    EXPECT_EQ(x->getSelection(), before);

    ComponentsChangeset upgrade;
    upgrade.setRequest(w) = ComponentsChangeset::REQ_INSTALL;
    ASSERT_TRUE(manager.resolveComponents(&upgrade));
    EXPECT_EQ(printed(upgrade), std::string("ComponentsChangeset[ !+zarni/w, +zarni/z") + legend);
}

TEST_F(Resolution, ChangeComponentStateRaisesOnConflict)
{
    const KwComponentPtr x = add("x");
    x->conflicts = {"y"};
    const KwComponentPtr y = add("y");
    y->requiredNames = {"x"};
    y->setSelection(KwComponent::SEL_INSTALL);

    manager.changeComponentState(x, ComponentsChangeset::REQ_INSTALL);
    EXPECT_EQ(x->getSelection(), KwComponent::SEL_INSTALL);

    // Removing x while y, which needs it, is pinned by a leave request conflicts.
    ComponentsChangeset pinned;
    pinned.setRequest(x) = ComponentsChangeset::REQ_REMOVE;
    pinned.setRequest(y) = ComponentsChangeset::REQ_INSTALL;
    EXPECT_FALSE(manager.resolveComponents(&pinned));

    if (const auto e = expectError([&] { manager.changeComponentState(y, ComponentsChangeset::REQ_INSTALL); })) {
        expectCodes(*e, {5, 1, 1, 2});
        EXPECT_THAT(e->text(), HasSubstr("Unable to change state for zarni/y due to inter-component dependencies. "));
    }
}

TEST_F(Resolution, CurrentChangesAreExplicit)
{
    add("a", KwComponent::MODE_INSTALL)->setSelection(KwComponent::SEL_INSTALL);
    add("b", KwComponent::MODE_UP2DATE)->setSelection(KwComponent::SEL_REMOVE);
    add("c", KwComponent::MODE_UP2DATE)->setSelection(KwComponent::SEL_INSTALL);
    add("d", KwComponent::MODE_ERROR);
    ComponentsChangeset changeset;
    manager.getCurrentChanges(&changeset);
    EXPECT_EQ(printed(changeset), std::string("ComponentsChangeset[ !+zarni/a, !~zarni/b") + legend);
    if (const auto e = expectError([&] { manager.getCurrentChanges(nullptr); })) {
        EXPECT_EQ(e->errorClass(), 3);
    }
    if (const auto e = expectError([&] { manager.resolveComponents(nullptr); })) {
        EXPECT_EQ(e->errorClass(), 3);
    }
}

// The demo's installation types on a clean system: each selects its components
// through a resolution and is recorded for its product.
TEST_F(CleanDemoSystem, SelectByInstallationType)
{
    const struct {
        const char* type;
        std::vector<std::string> expected;
    } cases[] = {
        {"Typical", {"zarni/base", "zarni/web", "zarni/mail-postfix"}},
        {"core", {"zarni/base"}},
        {"Full",
         {"zarni/base", "zarni/web", "zarni/mail-postfix", "zarni/dns", "zarni/php82", "zarni/php83"}},
        // The product's first type.
        {"Custom", {"zarni/base", "zarni/web", "zarni/mail-postfix"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        ComponentManager& manager = loaded.components;
        manager.setSelectionRecursive(manager.getRootNodes().begin(), manager.getRootNodes().end(),
                                      KwComponent::SEL_NONE, std::string(), false);
        manager.selectByInstallationType(c.type, "zarni");
        EXPECT_EQ(manager.getSelection(), c.expected);
        EXPECT_EQ(manager.getInstallationTypes().at("zarni"), c.type);
    }
}

TEST_F(Resolution, InstallationTypesOfOneProduct)
{
    const ProductBuild q = makeProductBuild("tenebrin");
    const KwComponentPtr first = add("panel");
    const KwComponentPtr base = add("base");
    const KwComponentPtr other = makeComponent(q.build, "base");
    manager.addRootNode(other);
    InstTypes::InstType full;
    full.names = {"Full"};
    full.kind = InstTypes::kindFull;
    InstTypes::InstType custom;
    custom.names = {"Custom"};
    custom.kind = InstTypes::kindCustom;
    manager.getInstTypes().add(*p.release, full);
    manager.getInstTypes().add(*p.release, custom);

    // "Full" is the product's whole tree, not every product's.
    manager.selectByInstallationType("Full", "zarni");
    EXPECT_THAT(manager.getSelection(), ElementsAre("zarni/panel", "zarni/base"));
    EXPECT_EQ(other->getSelection(), KwComponent::SEL_NONE);

    // "Custom" whose first type lists nothing takes the base component alone.
    first->setSelection(KwComponent::SEL_NONE);
    base->setSelection(KwComponent::SEL_NONE);
    manager.selectByInstallationType("Custom", "zarni");
    EXPECT_THAT(manager.getSelection(), ElementsAre("zarni/base"));
}

TEST_F(Resolution, UpgradeMarking)
{
    Repository repository;
    const KwComponentPtr web = add("web", KwComponent::MODE_UPGRADE);
    web->classes = {"security"};
    const KwComponentPtr mail = add("mail", KwComponent::MODE_UPGRADE);
    Package* fix = const_cast<Package*>(addRecord(repository, "zarni-mail-fix", "1.1-1", 'b'));
    fix->addClass("security");
    mail->packages = {addRecord(repository, "zarni-mail", "1.1-1", 'b'), fix};
    add("dns", KwComponent::MODE_UP2DATE);

    ComponentManager::MarkComponentsForUpgrade everything({});
    manager.visit(everything);
    EXPECT_EQ(printed(everything.getChangeset()), std::string("ComponentsChangeset[ +zarni/mail, +zarni/web") + legend);
    EXPECT_TRUE(everything.getAdditionalPackages().empty());

    ComponentManager::MarkComponentsForUpgrade security({"security"});
    manager.visit(security);
    EXPECT_EQ(printed(security.getChangeset()), std::string("ComponentsChangeset[ +zarni/web") + legend);
    EXPECT_THAT(security.getAdditionalPackages(), ElementsAre(fix));
    EXPECT_TRUE(mail->isPackagesUpgraded());
    security.apply(manager);
    EXPECT_EQ(web->getSelection(), KwComponent::SEL_INSTALL);
    EXPECT_EQ(mail->getSelection(), KwComponent::SEL_NONE);
    EXPECT_THAT(manager.getAdditionalUpgradePackages(), ElementsAre(fix));
}

TEST_F(Resolution, WhatPackageDependenciesAddAndRemove)
{
    Repository repository;
    const KwComponentPtr web = add("web");
    web->setSelection(KwComponent::SEL_INSTALL);
    web->packages = {addRecord(repository, "zarni-web", "1.1-1", 'b')};
    const KwComponentPtr php = add("php");
    php->packages = {addRecord(repository, "zarni-php", "1.1-1", 'b')};
    const KwComponentPtr db = add("db", KwComponent::MODE_UP2DATE);
    db->keyPackageSets = {{{"zarni-db"}, {}, {}}};
    db->removeOnlyIfExplicit = true;
    const KwComponentPtr dns = add("dns", KwComponent::MODE_UP2DATE);
    dns->keyPackageSets = {{{"zarni-dns"}, {}, {}}};
    dns->description = "DNS server";

    // Only catalogue records count: an operating-system package of the same
    // name is the package resolver's business.
    const std::vector<const Package*> resolved = {web->packages.front(), php->packages.front(),
                                                  addRecord(repository, "zarni-php", "1.1-1", 'u')};
    CapturedLog log(2);
    EXPECT_THAT(manager.needAlsoInstall(resolved), ElementsAre("php"));
    EXPECT_THAT(log.text(), HasSubstr("you selected for installation:  'zarni-php'"));

    const std::vector<const Package*> removers = {repository.addRemoverFor("zarni-db", ""),
                                                  repository.addRemoverFor("zarni-dns", "")};
    EXPECT_THAT(manager.needAlsoRemove(removers, repository), ElementsAre(db, dns));
    bool denied = false;
    EXPECT_THAT(manager.needAlsoRemove(removers, repository, &denied), ElementsAre(db));
    EXPECT_TRUE(denied);
    EXPECT_THAT(manager.needAlsoRemove({removers[1]}, repository, &denied), ElementsAre(dns));
    EXPECT_FALSE(denied);
    EXPECT_THAT(log.text(), HasSubstr("The following components should be removed due to packages dependencies: "
                                      "DNS server (dns)"));
}

// A component that stays at its older version holds back what is hardwired to
// it: an upgrade is left alone, an up-to-date component has to go.
TEST_F(Resolution, OlderComponentHoldsBackItsHardwiredPartners)
{
    const KwComponentPtr core = add("core", KwComponent::MODE_UPGRADE);
    core->hardwiredWith = {"plugin", "theme"};
    add("plugin", KwComponent::MODE_UPGRADE)->setSelection(KwComponent::SEL_INSTALL);
    add("theme", KwComponent::MODE_UP2DATE);
    ComponentsChangeset changeset;
    changeset.setRequest(core) = ComponentsChangeset::REQ_LEAVE;
    ASSERT_TRUE(manager.resolveComponents(&changeset));
    EXPECT_EQ(printed(changeset), std::string("ComponentsChangeset[ !=zarni/core, =zarni/plugin, ~zarni/theme") + legend);
}

// The explicit lists of a command line: what the resolution adds or removes
// besides the named components is applied and shown to the operator.
TEST_F(Resolution, ComponentListsApplyWithWhatTheyImply)
{
    const KwComponentPtr web = add("web");
    web->requiredNames = {"base", "php"};
    const KwComponentPtr base = add("base");
    const KwComponentPtr php = add("php");
    const KwComponentPtr dns = add("dns", KwComponent::MODE_UP2DATE);
    const KwComponentPtr dnsUi = add("dns-ui", KwComponent::MODE_UP2DATE);
    dnsUi->requiredNames = {"dns"};
    const KwComponentPtr other = makeComponent(makeProductBuild("tenebrin").build, "web");
    manager.addRootNode(other);

    CapturedLog log(0);
    manager.applyComponentLists("zarni", {"web"}, {"dns"});
    EXPECT_EQ(log.text(), Messages::get("added_comps_by_deps") + " 'base' 'php'\n" +
                              Messages::get("removed_comps_by_deps") + " 'dns-ui'\n");
    EXPECT_EQ(web->getSelection(), KwComponent::SEL_INSTALL);
    EXPECT_EQ(base->getSelection(), KwComponent::SEL_INSTALL);
    EXPECT_EQ(php->getSelection(), KwComponent::SEL_INSTALL);
    EXPECT_EQ(dns->getSelection(), KwComponent::SEL_REMOVE);
    EXPECT_EQ(dnsUi->getSelection(), KwComponent::SEL_REMOVE);
    // The request names the product's components only.
    EXPECT_EQ(other->getSelection(), KwComponent::SEL_NONE);
}

TEST_F(Resolution, ComponentListsWithNothingImpliedLogNothing)
{
    const KwComponentPtr a = add("a");
    const KwComponentPtr b = add("b", KwComponent::MODE_UP2DATE);
    CapturedLog log(0);
    manager.applyComponentLists("zarni", {"a"}, {"b"});
    EXPECT_EQ(log.text(), "");
    EXPECT_EQ(a->getSelection(), KwComponent::SEL_INSTALL);
    EXPECT_EQ(b->getSelection(), KwComponent::SEL_REMOVE);
}

// Components removed only when named refuse to go along with what they need;
// each is named to the operator by description and name, and nothing changes.
TEST_F(Resolution, ComponentListsRefuseImplicitRemovalOfProtectedComponents)
{
    const KwComponentPtr mail = add("mail", KwComponent::MODE_UP2DATE);
    const KwComponentPtr webmail = add("webmail", KwComponent::MODE_UP2DATE);
    webmail->requiredNames = {"mail"};
    webmail->removeOnlyIfExplicit = true;
    const KwComponentPtr lists = add("lists", KwComponent::MODE_UP2DATE);
    lists->requiredNames = {"mail"};
    lists->removeOnlyIfExplicit = true;
    const KwComponentPtr spam = add("spam", KwComponent::MODE_UP2DATE);
    spam->requiredNames = {"mail"};

    CapturedLog log(0);
    expectError([&] { manager.applyComponentLists("zarni", {}, {"mail"}); }, {5, 1, 1, 2},
                Messages::get("err_deps_deny_implicit_remove") +
                    "lists description (lists), webmail description (webmail)\n");
    EXPECT_EQ(log.text(), "");
    for (const KwComponentPtr& component : {mail, webmail, lists, spam})
        EXPECT_EQ(component->getSelection(), KwComponent::SEL_NONE) << component->name;

    // Named, they go.
    manager.applyComponentLists("zarni", {}, {"mail", "webmail", "lists"});
    for (const KwComponentPtr& component : {mail, webmail, lists, spam})
        EXPECT_EQ(component->getSelection(), KwComponent::SEL_REMOVE) << component->name;
}

TEST_F(Resolution, ComponentListsThatConflictAreRefused)
{
    const KwComponentPtr postfix = add("postfix");
    postfix->conflicts = {"exim"};
    const KwComponentPtr exim = add("exim");
    const KwComponentPtr base = add("base", KwComponent::MODE_UP2DATE);
    const KwComponentPtr web = add("web");
    web->requiredNames = {"base"};

    struct Case {
        const char* name;
        std::vector<std::string> install;
        std::vector<std::string> remove;
        const char* names;
    };
    const Case cases[] = {
        {"two that exclude each other", {"postfix", "exim"}, {}, "exim, postfix"},
        {"one and what it needs removed", {"web"}, {"base"}, "base, web"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectError([&] { manager.applyComponentLists("zarni", c.install, c.remove); }, {5, 1, 1, 2},
                    Messages::get("err_deps_conflict") + c.names + "\n");
        for (const KwComponentPtr& component : {postfix, exim, base, web})
            EXPECT_EQ(component->getSelection(), KwComponent::SEL_NONE) << component->name;
    }
}
