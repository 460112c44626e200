#include "installer/components/ComponentManager.h"

#include "installer/components/AvailablePackageLookup.h"
#include "installer/components/ComponentsChangeset.h"
#include "installer/engine/ProductsProgress.h"

#include "common/packages/DebPackage.h"
#include "common/packages/Package.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/components/DemoSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// The system offers nothing beyond the repository.
class NothingOffered : public AvailablePackageLookup {
public:
    const Package* getAvailablePackage(const std::string&) override { return nullptr; }
};

// "name version arch" of each package, removers as "name arch".
std::vector<std::string> shown(const std::vector<const Package*>& list)
{
    std::vector<std::string> result;
    for (const Package* package : list) {
        std::string text = package->getName();
        if (package->getType() != Package::typeDummy) text += " " + package->getVersion().toString();
        result.push_back(text + " " + package->getArch());
    }
    return result;
}

// A catalogue, installed or offered record, listed in the repository.
template <class Record = DebPackage>
const Package* listedRecord(Repository& repository, const char* name, const char* version, char kind,
                            const char* arch = "amd64")
{
    auto package = std::make_unique<Record>(name, version);
    package->setType(kind);
    package->setArchRaw(arch);
    return repository.addPackage(std::move(package), nullptr);
}

}  // namespace

// On the demo system (exim installed, web upgradable, dns up to date): install
// web and postfix, remove dns. Exim's packages leave through the switch to
// postfix; dns gets a remover per package; the extra remover of an installed
// package stays, that of a package not installed goes, and an upgrade already
// installed is skipped.
TEST_F(DemoSystem, PackageListOfASelection)
{
    ComponentsChangeset changeset;
    changeset.setRequest(component("web")) = ComponentsChangeset::REQ_INSTALL;
    changeset.setRequest(component("mail-postfix")) = ComponentsChangeset::REQ_INSTALL;
    changeset.setRequest(component("dns")) = ComponentsChangeset::REQ_REMOVE;
    loaded.components.resolveAndApplyChangeset(&changeset);
    ASSERT_EQ(component("mail-exim")->getSelection(), KwComponent::SEL_REMOVE);

    loaded.components.addExtraRemover(loaded.repository.addRemoverFor("zarni-mail-exim", ""));
    loaded.components.addExtraRemover(loaded.repository.addRemoverFor("zarni-php82", ""));
    loaded.components.markAdditionalPackagesForUpgrade({component("base")->packages.front()});

    ProductsProgress progress;
    NothingOffered offered;
    std::vector<const Package*> list;
    CapturedLog log(3);
    loaded.components.getPackagesToInstall(list, loaded.repository, &offered);
    EXPECT_THAT(shown(list), ElementsAre("zarni-web 1.1.0-1 amd64", "zarni-mail-postfix 1.1.0-1 amd64",
                                         "dummy_obsoleter_zarni-dns_amd64 amd64", "dummy_obsoleter_zarni-mail-exim "));
    EXPECT_THAT(log.text(), HasSubstr("  Skip packages of component mail-exim as it is part of radio group and "
                                      "packages should be removed via package dependencies (of packages from "
                                      "component mail-postfix)"));
    EXPECT_THAT(log.text(), HasSubstr("  Scheduling the following package for remove: zarni-dns:amd64"));
    EXPECT_THAT(log.text(), HasSubstr("  skip package 'zarni-base-1.1.0-1.amd64' from component <unknown> - same or "
                                      "newer version of this package is already installed (in system "));
    EXPECT_THAT(log.text(), HasSubstr("Following packages will be installed: zarni-web-1.1.0-1.amd64 "));

    // The installed packages are registered for their release.
    std::vector<ReleaseProgress> releases;
    progress.get_progress(releases);
    ASSERT_EQ(releases.size(), 1u);
    EXPECT_EQ(releases[0].release, loaded.manager->getRelease("zarni-1.1"));

    // The build's bootstrapper package comes once, with the product's base.
    std::vector<const Package*> bootstrap;
    loaded.components.getBootstrapperPackagesToInstall(bootstrap, loaded.repository);
    EXPECT_THAT(shown(bootstrap), ElementsAre("zarni-bootstrap 1.1.0-1 amd64"));

    std::vector<const Package*> unused;
    if (const auto e = expectError([&] { loaded.components.getPackagesToInstall(unused, loaded.repository, nullptr); })) {
        EXPECT_EQ(e->errorClass(), 3);
    }
}

class PackageList : public ::testing::Test {
protected:
    const Package* record(const char* name, const char* version, char kind, const char* arch = "amd64")
    {
        return listedRecord(repository, name, version, kind, arch);
    }
    KwComponentPtr add(const std::string& name, int mode = KwComponent::MODE_INSTALL,
                       int selection = KwComponent::SEL_INSTALL)
    {
        const KwComponentPtr component = makeComponent(p.build, name, mode, selection);
        manager.addRootNode(component);
        return component;
    }
    std::vector<const Package*> build()
    {
        std::vector<const Package*> list;
        manager.getPackagesToInstall(list, repository, &offered);
        return list;
    }

    ProductBuild p = makeProductBuild("zarni");
    Repository repository;
    ComponentManager manager;
    NothingOffered offered;
};

TEST_F(PackageList, ArchitectureChangeWarning)
{
    const struct {
        const char* name;
        const char* from;
        bool warned;
    } cases[] = {{"i386 to i686", "i386", true}, {"x86_64 to i686", "x86_64", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Repository system;
        ComponentManager tree;
        const KwComponentPtr component =
            makeComponent(p.build, "lib", KwComponent::MODE_UPGRADE, KwComponent::SEL_INSTALL);
        listedRecord<RPMPackage>(system, "glibc", "2.0-1", 's', c.from);
        component->packages = {listedRecord<RPMPackage>(system, "glibc", "2.1-1", 'b', "i686")};
        tree.addRootNode(component);
        CapturedLog log(1);
        std::vector<const Package*> list;
        tree.getPackagesToInstall(list, system, &offered);
        EXPECT_EQ(list.size(), 1u);
        EXPECT_EQ(log.text().find("Warning: The package architecture will be changed during upgrade") !=
                      std::string::npos,
                  c.warned);
    }
}

TEST_F(PackageList, NamesKeysAndRemovals)
{
    const KwComponentPtr first = add("first");
    first->packages = {record("shared", "1.0-1", 'b', "amd64")};
    const KwComponentPtr second = add("second");
    // The same name for another architecture: only the first one reached.
    second->packages = {record("shared", "1.0-1", 'b', "i386")};
    // A key package given as a path, already listed by its last element.
    second->keyPackageSets = {{{"/opt/zarni/shared", "zarni-missing"}, {}, {}}};
    second->rmPackages = {"old-agent", "never-installed"};
    record("old-agent", "0.9-1", 's');
    // Key provides: the installed provider's newer catalogue record joins.
    const KwComponentPtr mail = add("mail");
    mail->packages = {record("zarni-mail", "1.0-1", 'b')};
    Package* installedMta = const_cast<Package*>(record("mta-a", "1.0-1", 's'));
    installedMta->addProvide("mail-transport-agent");
    record("mta-a", "2.0-1", 'b');
    mail->keyPackageSets = {{{}, {}, {"mail-transport-agent"}}};
    // Removing an installed component with two packages.
    const KwComponentPtr old = add("old", KwComponent::MODE_UP2DATE, KwComponent::SEL_REMOVE);
    old->packages = {record("old-a", "1.0-1", 'b'), record("old-b", "1.0-1", 'b', "")};

    CapturedLog log(3);
    EXPECT_THAT(shown(build()),
                ElementsAre("shared 1.0-1 amd64", "dummy_obsoleter_old-agent ", "zarni-mail 1.0-1 amd64",
                            "mta-a 2.0-1 amd64", "dummy_obsoleter_old-a_amd64 amd64", "dummy_obsoleter_old-b "));
    EXPECT_THAT(log.text(), HasSubstr("Warning: key package zarni-missing is not available"));
    EXPECT_THAT(log.text(), HasSubstr("  Scheduling the following package for remove: old-agent"));
    EXPECT_THAT(log.text(), Not(HasSubstr("never-installed")));
}

TEST_F(PackageList, CatalogueRecordMissingFromTheRepository)
{
    const KwComponentPtr component = add("web");
    const DebPackage unlisted("zarni-web", "1.0-1");
    component->packages = {&unlisted};
    CapturedLog log(1);
    if (const auto e = expectError([&] { build(); })) {
        expectCodes(*e, {1, 1, 1, 3});
        EXPECT_THAT(e->text(), HasSubstr(".inf3 and .hdr.gz"));
    }
    EXPECT_THAT(log.text(), HasSubstr("Package zarni-web-1.0-1 from inf3 file not found in build headers (hdr.gz) file."));
}
