#include "installer/sources/SourceManager.h"

#include "installer/catalogue/BuildInfFile.h"
#include "installer/sources/SourceConfig.h"
#include "installer/sources/SourceZarniApt.h"
#include "installer/sources/SourceZarniYum.h"

#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/installer/sources/ProductBuilds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

namespace {

const Opsys redHat("Linux", "RedHat", "9.4", "x86_64", "");
const Opsys debian("Linux", "Debian", "12.5", "x86_64", "");

// "<class> <kind> <persistent> <build file>" for each source of the manager.
std::vector<std::string> described(const SourceManager& manager)
{
    std::vector<std::string> lines;
    for (const SourceManager::SourcePtr& source : manager.sources()) {
        if (const auto* product = dynamic_cast<const SourceZarni*>(source.get())) {
            const char* type = dynamic_cast<const SourceZarniApt*>(product) ? "apt" : "yum";
            lines.push_back(std::string(type) + " " + product->getKind() + " " +
                            (product->isPersistent() ? "persistent " : "temporary ") + product->getBuild()->config());
        } else {
            lines.push_back("other");
        }
    }
    return lines;
}

}  // namespace

// Which product sources a build's information makes, per system family.
TEST(SourceManager, AddsTheSourcesTheBuildNames)
{
    struct Case {
        const char* name;
        Opsys system;
        const char* fixture;
        void (*change)(BuildInfFile&);
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"yum: own, thirdparty, extras", redHat, "three-repositories.build.inf3", nullptr,
         {"yum b persistent b.inf3", "yum t persistent b.inf3", "yum x temporary b.inf3"}},
        {"yum: neither thirdparty nor extras", redHat, "bare.build.inf3",
         [](BuildInfFile& f) { f.thirdparty_repo.dir.clear(); }, {"yum b temporary b.inf3"}},
        {"apt: temporary first, then persistent", debian, "three-repositories.build.inf3", nullptr,
         {"apt b temporary b.inf3", "apt b persistent b.inf3"}},
        {"apt: no source text", debian, "bare.build.inf3", nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir target;
        Repository repository;
        FileFetcher fetcher(SourceUrl("https://updates.zarni.example/"), target.path());
        SourceManager manager(&repository, c.system);
        const BuildPtr build = loadedBuild(c.fixture, "b.inf3");
        if (c.change) c.change(*build->buildInfFile());
        manager.addBuildSources(&fetcher, build);
        EXPECT_THAT(described(manager), ElementsAreArray(c.expected));
        EXPECT_EQ(repository.getSources().size(), c.expected.size());
    }
}

// A system of neither family is an internal error; a failing source keeps the
// ones made before it.
TEST(SourceManager, FailuresKeepWhatWasMade)
{
    TempDir target;
    Repository repository;
    FileFetcher fetcher(SourceUrl("https://updates.zarni.example/"), target.path());
    {
        SourceManager manager(&repository, Opsys("Linux", "Plan9", "4", "x86_64", ""));
        const BuildPtr build = loadedBuild("bare.build.inf3");
        if (const auto failed = expectError([&] { manager.addBuildSources(&fetcher, build); })) {
            EXPECT_EQ(failed->errorClass(), 3);
        }
        EXPECT_TRUE(manager.sources().empty());
    }
    SourceManager manager(&repository, redHat);
    const BuildPtr build = loadedBuild("three-repositories.build.inf3", "b.inf3");
    build->buildInfFile()->thirdparty_repo.yum_repo_id = "bad id";
    if (const auto failed = expectError([&] { manager.addBuildSources(&fetcher, build); })) {
        expectCodes(*failed, {1, 1, 1, 3});
    }
    EXPECT_THAT(described(manager), ElementsAre("yum b persistent b.inf3"));
}

// Removing a build's sources leaves the other builds' and the other sources,
// in their order, and takes the removed sources out of the repository.
TEST(SourceManager, RemovesTheSourcesOfOneBuild)
{
    TempDir target;
    Repository repository;
    FileFetcher fetcher(SourceUrl("https://updates.zarni.example/"), target.path());
    SourceManager manager(&repository, redHat);
    const BuildPtr first = loadedBuild("three-repositories.build.inf3", "first.inf3");
    const BuildPtr second = loadedBuild("bare.build.inf3", "second.inf3");
    // A copy of the first build's file: equal content, another build object.
    const BuildPtr twin = loadedBuild("three-repositories.build.inf3", "first.inf3");
    manager.addBuildSources(&fetcher, first);
    manager.adopt(std::make_unique<SourceConfig>(&repository));
    manager.addBuildSources(&fetcher, second);
    manager.addBuildSources(&fetcher, twin);
    ASSERT_EQ(manager.sources().size(), 9u);

    manager.removeBuildSources(first);
    EXPECT_THAT(described(manager), ElementsAre("other", "yum b temporary second.inf3", "yum t temporary second.inf3",
                                                "yum b persistent first.inf3", "yum t persistent first.inf3",
                                                "yum x temporary first.inf3"));
    EXPECT_EQ(repository.getSources().size(), 6u);
    manager.removeBuildSources(first);
    EXPECT_EQ(manager.sources().size(), 6u);
}

TEST(SourceManager, Templates)
{
    Repository repository;
    SourceManager manager(&repository, debian);
    manager.addEzTemplate("zarni8");
    manager.addEzTemplate("tenebrin");
    manager.addEzTemplate("zarni8");
    EXPECT_THAT(manager.getEzTemplates(), ElementsAre("zarni8", "tenebrin"));
    manager.setOsTemplate("debian-12");
    manager.setOsTemplate("debian-12");
    if (const auto failed = expectError([&] { manager.setOsTemplate("ubuntu-22.04"); })) {
        expectCodes(*failed, {1, 1, 1, 2});
        EXPECT_THAT(failed->text(),
                    HasSubstr("OS template name is already defined as debian-12 (try set name ubuntu-22.04)"));
    }
    EXPECT_EQ(manager.getOsTemplate(), "debian-12");
}
