#include "installer/drivers/createSystemSpecificConfigurator.h"

#include "installer/components/ComponentManager.h"
#include "installer/engine/DebianAPTConfigurator.h"
#include "installer/engine/Installer.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceManager.h"

#include "common/Messages.h"
#include "common/packages/DebPackage.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/installer/components/ComponentTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

const Opsys kDebian("Linux", "Debian", "12", "x86_64", "");
const Opsys kUbuntu("Linux", "Ubuntu", "22.04", "x86_64", "");
const Opsys kRedHat("Linux", "RedHat", "9", "x86_64", "");
const Opsys kOther("Linux", "SuSE", "15", "x86_64", "");

// A run's objects with the product's base component carrying one package of
// the given kind ('d' Debian, 'r' RPM, '-' none).
class Factory : public ::testing::Test {
protected:
    KwComponentPtr addBase(char packageKind)
    {
        const KwComponentPtr base = makeComponent(product.build, "base");
        if (packageKind == 'd') base->packages.push_back(listed(std::make_unique<DebPackage>("zarni-base", "1.0-1")));
        if (packageKind == 'r') base->packages.push_back(listed(std::make_unique<RPMPackage>("zarni-base", "1.0-1")));
        components.addRootNode(base);
        return base;
    }

    std::unique_ptr<SystemSpecificConfigurator> create(const Opsys& system)
    {
        return createSystemSpecificConfigurator(repository, fetcher, "zarni", components, sources, system);
    }

    Repository repository;
    TempDir target;
    FileFetcher fetcher{SourceUrl(target.path()), target.path()};
    ComponentManager components;
    SourceManager sources{&repository, kDebian};
    ProductBuild product = makeProductBuild("zarni");

private:
    const Package* listed(std::unique_ptr<Package> package)
    {
        package->setType(Package::typeBuild);
        return repository.addPackage(std::move(package), nullptr);
    }
};

// A configurator whose check answers a fixed text and counts its runs.
class CheckedConfigurator : public SystemSpecificConfigurator {
public:
    explicit CheckedConfigurator(std::string text) : SystemSpecificConfigurator(nullptr, nullptr), text_(text)
    {
        configure();
    }
    void reconfigureSources() override {}
    std::unique_ptr<Installer> createInstaller(ComponentManager*) override { return nullptr; }
    int checks = 0;

protected:
    const Package* doGetAvailablePackage(const std::string&) override { return nullptr; }
    void doConfigure() override {}
    void doRemoveTemporarySources() override {}
    std::string doCheckConfiguration() override
    {
        ++checks;
        return text_;
    }

private:
    std::string text_;
};

}  // namespace

// APT where the base component is a Debian package, none where no flavour
// applies.
TEST_F(Factory, ByTheSystemAndTheBaseComponent)
{
    addBase('d');
    for (const Opsys& system : {kDebian, kUbuntu, kOther}) {
        SCOPED_TRACE(system.vendor());
        const auto made = create(system);
        EXPECT_NE(dynamic_cast<DebianAPTConfigurator*>(made.get()), nullptr);
    }
}

TEST_F(Factory, NoneWithoutADebianBasePackage)
{
    addBase('r');
    EXPECT_EQ(create(kDebian), nullptr);
    EXPECT_EQ(create(kOther), nullptr);
}

// The yum/dnf flavour is joined in its own place; until it is, an RPM system
// gets a clear error instead of a configurator that does nothing.
TEST_F(Factory, RedHatFamilyNeedsTheYumFlavour)
{
    addBase('r');
    if (const auto e = expectError([&] { create(kRedHat); })) {
        EXPECT_EQ(e->errorClass(), 4);
        EXPECT_THAT(e->text(), HasSubstr("yum/dnf"));
    }
}

TEST_F(Factory, ErrorsOfTheBaseComponentPassOn)
{
    expectError([&] { create(kDebian); }, {3, 1, 1, 3}, Messages::get("err_binf3_nocomps2") + "\n");
    addBase('-');
    expectError([&] { create(kDebian); }, {1, 1, 1, 3}, (Messages::format("err_empty_comp") % "base").str() + "\n");
}

// The check runs once per process; a run whose base component changes kind
// computes it again.
TEST_F(Factory, TheConfigurationCheckIsKeptUntilTheBaseChangesKind)
{
    const KwComponentPtr base = addBase('d');
    CheckedConfigurator first("Warning: the system's own release repository is missing.");
    CheckedConfigurator second("a later text");

    // Whatever earlier tests left, a change of kind starts afresh.
    base->packages.front() = repository.addPackage(std::make_unique<RPMPackage>("zarni-base", "1.0-1"), nullptr);
    create(kOther);
    EXPECT_EQ(getCachedConfigurationCheck(first), "Warning: the system's own release repository is missing.");
    EXPECT_EQ(getCachedConfigurationCheck(second), "Warning: the system's own release repository is missing.");
    EXPECT_EQ(first.checks, 1);
    EXPECT_EQ(second.checks, 0);

    create(kOther);
    EXPECT_EQ(getCachedConfigurationCheck(second), "Warning: the system's own release repository is missing.");
    EXPECT_EQ(second.checks, 0);

    base->packages.front() = repository.addPackage(std::make_unique<DebPackage>("zarni-base", "1.0-1"), nullptr);
    create(kDebian);
    EXPECT_EQ(getCachedConfigurationCheck(second), "a later text");
    EXPECT_EQ(second.checks, 1);
}
