#include "installer/drivers/loadCatalog.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/drivers/createSystemReaderSource.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SelfUpgrade.h"

#include "common/packages/Repository.h"
#include "common/packages/Source.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TempDir.h"
#include "tests/common/packages/ReaderTestSupport.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/options/ProcessOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The options' tier filter for one test, put back afterwards.
class Tiers {
public:
    explicit Tiers(const std::vector<std::string>& tiers)
        : savedTiers_(processOptions().releaseTiers), savedKeep_(processOptions().releaseIds)
    {
        processOptions().releaseTiers = tiers;
    }
    ~Tiers()
    {
        processOptions().releaseTiers = savedTiers_;
        processOptions().releaseIds = savedKeep_;
    }

private:
    std::vector<std::string> savedTiers_;
    std::vector<std::string> savedKeep_;
};

std::vector<std::string> ids(const std::vector<ReleasePtr>& releases)
{
    std::vector<std::string> result;
    for (const ReleasePtr& release : releases) result.push_back(release->id());
    return result;
}

// The readers report progress: a private status and lock (ReaderTest). The
// demo catalogue is the source.
class LoadCatalog : public ReaderTest {
protected:
    TempDir target;
    std::unique_ptr<Repository> repository;
    std::unique_ptr<FileFetcher> fetcher;
    std::unique_ptr<BuildManager> builds;
};

}  // namespace

// With a repository at hand: a new fetcher and build manager each time, the
// releases checked against it and narrowed by the options.
TEST_F(LoadCatalog, NarrowsTheReleasesForTheOperator)
{
    repository = std::make_unique<Repository>();
    addRecord(*repository, "zarni-base", "1.0.0");
    Repository* const kept = repository.get();
    const struct {
        const char* name;
        std::vector<std::string> tiers;
        std::vector<std::string> keep;
        std::vector<std::string> releases;
    } cases[] = {
        {"every tier", {}, {}, {"zarni-1.0", "zarni-1.1"}},
        {"stable only", {"stable"}, {}, {"zarni-1.0"}},
        {"stable, and a release kept by id", {"stable"}, {"zarni-1.1"}, {"zarni-1.0", "zarni-1.1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Tiers tiers(c.tiers);
        processOptions().releaseIds = c.keep;
        const FileFetcher* previousFetcher = fetcher.get();
        loadCatalog(SourceUrl(demoCatalogueDirectory()), target.path(), repository, fetcher, builds);
        EXPECT_EQ(repository.get(), kept);
        ASSERT_TRUE(fetcher && builds);
        EXPECT_NE(fetcher.get(), previousFetcher);
        EXPECT_EQ(fetcher->getTargetDirectory(), target.path() + "/");
        EXPECT_EQ(ids(builds->getReleases(0)), c.releases);
        // Checked against the repository: the installed release is known.
        EXPECT_EQ(builds->getInstalledReleaseId("zarni"), "zarni-1.0");
    }
}

// A source may name the catalogue file itself: the fetcher gets its directory.
TEST_F(LoadCatalog, ASourceNamingTheCatalogueFile)
{
    repository = std::make_unique<Repository>();
    Tiers tiers({});
    loadCatalog(SourceUrl(demoCatalogueDirectory() + "/products.inf3"), target.path(), repository, fetcher, builds);
    EXPECT_EQ(fetcher->getSource().str(), SourceUrl(demoCatalogueDirectory()).str());
    EXPECT_EQ(ids(builds->getReleases(0)), (std::vector<std::string>{"zarni-1.0", "zarni-1.1"}));
    // Nothing installed: a clean installation sees the releases' cautions.
    EXPECT_EQ(builds->getInstalledVersion("zarni"), "");
}

// Without a repository one is made with the system's package reader, whose
// records are read at once.
TEST_F(LoadCatalog, MakesTheRepositoryWithTheSystemReader)
{
    ScopedEnvironment path("PATH", pathWithTestPrograms());
    ScopedEnvironment admindir("KW_TEST_DPKG_ADMINDIR", std::string(KW_TEST_DATA_DIR) + "/components/demo-installed");
    Tiers tiers({});
    loadCatalog(SourceUrl(demoCatalogueDirectory()), target.path(), repository, fetcher, builds);
    ASSERT_TRUE(repository);
    Source* reader = getSystemReaderSource();
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->getRepository(), repository.get());
    EXPECT_TRUE(reader->isBriefRead());
    const std::vector<Source*>& sources = repository->getSources();
    EXPECT_NE(std::find(sources.begin(), sources.end(), reader), sources.end());
}

// A product asking for a newer installer goes to the caller; the build manager
// the holder had stays.
TEST_F(LoadCatalog, ANewerInstallerIsTheCallersToFetch)
{
    repository = std::make_unique<Repository>();
    Tiers tiers({});
    loadCatalog(SourceUrl(demoCatalogueDirectory()), target.path(), repository, fetcher, builds);
    const BuildManager* previous = builds.get();
    EXPECT_THROW(loadCatalog(SourceUrl(catalogueFixture("requires-other-installer")), target.path(), repository,
                             fetcher, builds),
                 SelfUpgrade::NeedSelfUpgrade);
    SelfUpgrade::resetRequired();
    EXPECT_EQ(builds.get(), previous);
}
