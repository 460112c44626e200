#include "installer/sources/RepositoryProcessor.h"

#include "installer/components/ComponentManager.h"
#include "installer/engine/SystemSpecificConfigurator.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceManager.h"
#include "installer/sources/SourceZarni.h"

#include "common/error.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/TempDir.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/sources/ProductBuilds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Counts the reconfigurations it is asked for.
class CountingConfigurator : public SystemSpecificConfigurator {
public:
    CountingConfigurator() : SystemSpecificConfigurator(nullptr, nullptr) {}
    void reconfigureSources() override { ++reconfigurations; }
    std::unique_ptr<Installer> createInstaller(ComponentManager*) override
    {
        throw KW_INTERNAL_ERROR() << "no installer in this test";
    }
    int reconfigurations = 0;

protected:
    const Package* doGetAvailablePackage(const std::string&) override { return nullptr; }
    void doConfigure() override {}
    void doRemoveTemporarySources() override {}
};

// The main product's build and an addon's, each with one component, and the
// sources of the run.
class RepositoryWalk : public ::testing::Test {
protected:
    RepositoryWalk()
    {
        processOptions();
        const std::string data = std::string(KW_TEST_DATA_DIR) + "/engine/apt/";
        main = loadedBuildFile(data + "zarni-2.0.build.inf3", "zarni/2.0/build.inf3", "zarni", "Debian", "12");
        addon = loadedBuildFile(data + "tenebrin-1.0.build.inf3", "tenebrin/1.0/build.inf3", "zarni", "Debian", "12");
    }

    // Walks a tree of one component per build, in the given mode and selection.
    std::string walk(int mainMode, int mainSelection, int addonMode, int addonSelection,
                     SystemSpecificConfigurator* configurator)
    {
        ComponentManager components;
        components.addRootNode(makeComponent(main, "base", mainMode, mainSelection));
        components.addRootNode(makeComponent(addon, "tenebrin", addonMode, addonSelection));
        CapturedLog log(3);
        RepositoryProcessor processor(&repository, &fetcher, &sources, configurator);
        components.visit(processor);
        return log.text();
    }

    // The builds whose own ('b') sources the manager holds, once each, in order.
    std::vector<std::string> activeBuilds() const
    {
        std::vector<std::string> configs;
        for (const SourceManager::SourcePtr& source : sources.sources()) {
            const auto* product = dynamic_cast<const SourceZarni*>(source.get());
            if (product && product->getKind() == 'b' &&
                (configs.empty() || configs.back() != product->getBuild()->config()))
                configs.push_back(product->getBuild()->config());
        }
        return configs;
    }

    BuildPtr main;
    BuildPtr addon;
    Repository repository;
    SourceManager sources{&repository, Opsys("Linux", "Debian", "12", "x86_64", "")};
    TempDir target;
    FileFetcher fetcher{processOptions().source, target.path()};
    CountingConfigurator configurator;
};

const char* const kReconfiguring = "Info: dynamic components selection was changed, reconfiguring sources.";

}  // namespace

TEST_F(RepositoryWalk, NothingChangesWhenTheNeededSourcesAreThere)
{
    sources.addBuildSources(&fetcher, main);
    const std::string log =
        walk(KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, KwComponent::MODE_INSTALL, KwComponent::SEL_NONE,
             &configurator);
    EXPECT_THAT(activeBuilds(), ElementsAre("zarni/2.0/build.inf3"));
    EXPECT_EQ(configurator.reconfigurations, 0);
    EXPECT_THAT(log, HasSubstr("DEBUG: Determining components that need to be obtained from addons repositories..."));
    EXPECT_THAT(log, Not(HasSubstr("activating")));
    EXPECT_THAT(log, Not(HasSubstr(kReconfiguring)));
}

TEST_F(RepositoryWalk, ANewlySelectedAddonBringsItsSources)
{
    sources.addBuildSources(&fetcher, main);
    const std::string log = walk(KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, KwComponent::MODE_INSTALL,
                                 KwComponent::SEL_INSTALL, &configurator);
    EXPECT_THAT(activeBuilds(), ElementsAre("zarni/2.0/build.inf3", "tenebrin/1.0/build.inf3"));
    EXPECT_EQ(configurator.reconfigurations, 1);
    EXPECT_THAT(log, HasSubstr("DEBUG: activating repositories from build for Linux Debian 12 x86_64 "
                               "(tenebrin/1.0/build.inf3).\n"));
    EXPECT_THAT(log, HasSubstr(kReconfiguring));
}

TEST_F(RepositoryWalk, ARemovedAddonLosesItsSources)
{
    sources.addBuildSources(&fetcher, main);
    sources.addBuildSources(&fetcher, addon);
    const std::string log = walk(KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, KwComponent::MODE_UP2DATE,
                                 KwComponent::SEL_REMOVE, &configurator);
    EXPECT_THAT(activeBuilds(), ElementsAre("zarni/2.0/build.inf3"));
    EXPECT_EQ(configurator.reconfigurations, 1);
    EXPECT_THAT(log, HasSubstr("DEBUG: deactivating repositories from build for Linux Debian 12 x86_64 "
                               "(tenebrin/1.0/build.inf3).\n"));
}

// The main product's build follows the same rule; the builds are handled in
// product order ("tenebrin" before "zarni"), whatever the walk met first.
TEST_F(RepositoryWalk, TheMainBuildTooInProductOrder)
{
    sources.addBuildSources(&fetcher, main);
    const std::string log = walk(KwComponent::MODE_UP2DATE, KwComponent::SEL_REMOVE, KwComponent::MODE_INSTALL,
                                 KwComponent::SEL_INSTALL, &configurator);
    EXPECT_THAT(activeBuilds(), ElementsAre("tenebrin/1.0/build.inf3"));
    EXPECT_EQ(configurator.reconfigurations, 1);
    const auto activating = log.find("activating repositories from build for Linux Debian 12 x86_64 (tenebrin");
    const auto deactivating = log.find("deactivating repositories from build for Linux Debian 12 x86_64 (zarni");
    ASSERT_NE(activating, std::string::npos);
    ASSERT_NE(deactivating, std::string::npos);
    EXPECT_LT(activating, deactivating);
}

TEST_F(RepositoryWalk, WithoutAConfiguratorOnlyTheSourcesChange)
{
    const std::string log = walk(KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL, KwComponent::MODE_INSTALL,
                                 KwComponent::SEL_NONE, nullptr);
    EXPECT_THAT(activeBuilds(), ElementsAre("zarni/2.0/build.inf3"));
    EXPECT_THAT(log, Not(HasSubstr(kReconfiguring)));
}
