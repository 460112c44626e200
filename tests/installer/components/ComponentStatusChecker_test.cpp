#include "installer/components/AvailablePackageLookup.h"
#include "installer/components/KwComponent.h"

#include "common/packages/DebPackage.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/components/DemoSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

using ::testing::HasSubstr;

namespace {

// What the system package manager offers, by name.
class OfferedPackages : public AvailablePackageLookup {
public:
    const Package* getAvailablePackage(const std::string& name) override
    {
        const auto it = offered.find(name);
        return it == offered.end() ? nullptr : it->second;
    }
    std::map<std::string, const Package*> offered;
};

KwComponentPtr uncheckedComponent(const BuildPtr& build, const std::string& name,
                                  const std::vector<KeyPackageSet>& sets = {})
{
    return boost::make_shared<KwComponent>(build, name, name + " description", "", sets);
}

std::string state(const KwComponent& component)
{
    return component.getInstallModeName() + " " + component.localVersion() + "/" + component.serverVersion() + " " +
           std::to_string(component.localBuildTime()) + "/" + std::to_string(component.serverBuildTime());
}

}  // namespace

// Every component of the demo catalogue against the fixture dpkg database.
TEST_F(DemoSystem, EveryComponentGetsItsModeAndVersions)
{
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"base", "up2date 1.1.0-1/1.1.0-1 0/1765400000"},
        {"web", "upgrade 1.0.0-1/1.1.0-1 0/1765400000"},
        {"mail-postfix", "install /1.1.0-1 0/1765400000"},
        {"mail-exim", "up2date 1.1.0-1/1.1.0-1 0/1765400000"},
        // A newer installed version is the best candidate there is.
        {"dns", "up2date 1.2.0-1/1.2.0-1 0/1765400000"},
        // Only its configuration files are left: not installed.
        {"php82", "install /8.2.26-1 0/1765400000"},
        {"php83", "install /8.3.14-1 0/1765400000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const KwComponentPtr found = component(c.name);
        ASSERT_TRUE(found);
        EXPECT_EQ(state(*found), c.expected);
    }
    // The upgradable component tells its installed release so.
    const ReleasePtr release = loaded.manager->getRelease("zarni-1.1");
    EXPECT_TRUE(release->hasUpdates());
}

class StatusCheck : public ::testing::Test {
protected:
    const Package* record(const char* name, const char* version, char kind, std::int64_t time = 0)
    {
        Package* package = const_cast<Package*>(addRecord(repository, name, version, kind));
        package->setBuildTime(time);
        return package;
    }
    KwComponentPtr checked(const KwComponentPtr& component, AvailablePackageLookup* available = nullptr)
    {
        // The drivers check the releases before the components.
        product.release->checkState(&repository);
        component->checkInstalled(repository, available);
        return component;
    }

    ProductBuild product = makeProductBuild("zarni");
    Repository repository;
};

TEST_F(StatusCheck, ModesFromKeySetsAndBuildPackages)
{
    const Package* appBuild = record("app", "2.0-1", 'b', 200);
    const Package* toolBuild = record("tool", "1.0-1", 'b', 100);
    record("app", "1.0-1", 's', 50);
    record("legacy", "1.0-1", 's');
    record("tool", "1.0-1", 's', 90);

    struct Case {
        const char* name;
        std::vector<KeyPackageSet> sets;
        std::vector<const Package*> packages;
        const char* expected;
    };
    const Case cases[] = {
        {"nothing to go by", {}, {}, "error / 0/0"},
        {"build packages all installed at their versions", {}, {toolBuild}, "up2date 1.0-1/1.0-1 90/100"},
        {"one build package older", {}, {toolBuild, appBuild}, "upgrade 1.0-1/2.0-1 90/200"},
        // The negative name fails the set; the positive name is still offered.
        {"installed negative", {{{"app"}, {"legacy"}, {}}}, {appBuild}, "install /2.0-1 0/200"},
        {"key package installed, newer one offered", {{{"app"}, {}, {}}}, {appBuild}, "upgrade 1.0-1/2.0-1 50/200"},
        // A version equal to the best candidate keeps the set latest.
        {"key package installed at the latest", {{{"tool"}, {}, {}}}, {toolBuild}, "up2date 1.0-1/1.0-1 90/100"},
        // The second set is tested only because the first showed nothing latest.
        {"second set decides", {{{"missing"}, {}, {}}, {{"tool"}, {}, {}}}, {toolBuild}, "up2date 1.0-1/1.0-1 90/100"},
        {"neither installed nor offered", {{{"missing"}, {}, {}}}, {}, "error / 0/0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const KwComponentPtr component = uncheckedComponent(product.build, "c", c.sets);
        component->packages = c.packages;
        try {
            checked(component);
        } catch (const error& e) {
            ADD_FAILURE() << e.text();
            continue;
        }
        EXPECT_EQ(state(*component), c.expected);
    }
}

// Key provides count only installed providers: an offered provider is no
// installation, and a missing one means "not installed", never an internal error.
TEST_F(StatusCheck, KeyProvidesLookAtInstalledProvidersOnly)
{
    Package* offered = const_cast<Package*>(record("mta-b", "2.0-1", 'u'));
    offered->addProvide("mail-transport-agent");
    const KeyPackageSet set{{}, {}, {"mail-transport-agent"}};

    const KwComponentPtr onlyOffered = checked(uncheckedComponent(product.build, "mail", {set}));
    EXPECT_EQ(onlyOffered->getInstallModeName(), "error");
    EXPECT_FALSE(onlyOffered->isKeySetInstalled(repository, set));

    Package* installed = const_cast<Package*>(record("mta-a", "1.0-1", 's'));
    installed->addProvide("mail-transport-agent");
    repository.invalidateCaches();
    const KwComponentPtr withInstalled = checked(uncheckedComponent(product.build, "mail", {set}));
    EXPECT_EQ(state(*withInstalled), "up2date 1.0-1/1.0-1 0/0");
    EXPECT_TRUE(withInstalled->isKeySetInstalled(repository, set));
}

TEST_F(StatusCheck, BestCandidate)
{
    const Package* own = record("app", "1.0-1", 'b');
    const Package* listed = record("app", "1.0-1", 'u');
    const KwComponentPtr component = uncheckedComponent(product.build, "c");
    component->packages = {own};
    // The component's own package wins a tie.
    EXPECT_EQ(component->findLatest("app", repository, nullptr, false), own);
    EXPECT_EQ(component->findLatest("/opt/path/app", repository, nullptr, true), own);

    OfferedPackages system;
    auto newer = std::make_unique<DebPackage>("app", "1.5-1");
    newer->setType('u');
    system.offered["app"] = newer.get();
    EXPECT_EQ(component->findLatest("app", repository, &system, false), newer.get());

    const KwComponentPtr bare = uncheckedComponent(product.build, "bare");
    EXPECT_EQ(bare->findLatest("app", repository, nullptr, false), listed);
    EXPECT_EQ(bare->findLatest("nothing", repository, nullptr, false), nullptr);
}

TEST_F(StatusCheck, MissedBasePackageIsAddedOnce)
{
    const Package* build = record("app", "1.0-1", 'b');
    const Package* installedLib = record("app-lib", "1.0-1", 's');
    record("app", "1.0-1", 's');
    const KwComponentPtr component = uncheckedComponent(product.build, "c", {{{"app", "app-lib"}, {}, {}}});
    component->packages = {build};
    CapturedLog log(3);
    checked(component);
    EXPECT_THAT(component->packages, ::testing::ElementsAre(build, installedLib));
    EXPECT_THAT(log.text(), HasSubstr("adding missed base package app-lib-1.0-1"));
    checked(component);
    EXPECT_EQ(component->packages.size(), 2u);
}

// A component already found unavailable is not checked again.
TEST_F(StatusCheck, ErrorModeStays)
{
    const KwComponentPtr component = checked(uncheckedComponent(product.build, "c"));
    ASSERT_EQ(component->getInstallMode(), KwComponent::MODE_ERROR);
    component->packages = {record("c", "1.0-1", 'b')};
    checked(component);
    EXPECT_EQ(component->getInstallMode(), KwComponent::MODE_ERROR);
}
