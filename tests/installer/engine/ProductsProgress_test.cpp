#include "installer/engine/ProductsProgress.h"

#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::HasSubstr;

namespace {

// Registers packages of `release` at the given stages, named after `prefix`.
void addPackages(ProductsProgress& progress, const ReleasePtr& release, const std::string& prefix,
                 const std::vector<int>& stages)
{
    for (std::size_t i = 0; i < stages.size(); ++i) {
        const std::string name = prefix + std::to_string(i);
        progress.add_product_package(release, name);
        progress.set_progress(stages[i], name);
    }
}

class ProductsProgressTest : public ::testing::Test {
protected:
    ProductPtr product = makeProduct("zarni");
    ReleasePtr first = makeRelease(product, "first", "18.0");
    ReleasePtr second = makeRelease(product, "second", "18.1");
    ProductsProgress progress;
};

}  // namespace

TEST_F(ProductsProgressTest, StatusAndPercentPerRelease)
{
    struct Case {
        const char* name;
        std::vector<int> stages;
        bool started;
        int status;
        int percent;
    };
    const std::vector<Case> cases = {
        {"half way", {3, 3, 1, 0}, false, ReleaseProgress::inProgress, 58},
        {"nothing done", {0, 0}, false, ReleaseProgress::waiting, 0},
        {"nothing done, started", {0, 0}, true, ReleaseProgress::started, 0},
        {"all installed", {3, 3}, false, ReleaseProgress::inProgress, 100},
        {"one failed", {-10000, 3}, false, ReleaseProgress::failed, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProductsProgress local;
        addPackages(local, first, "p", c.stages);
        if (c.started) local.setStarted();
        std::vector<ReleaseProgress> list;
        local.get_progress(list);
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0].release, first);
        EXPECT_EQ(list[0].status, c.status);
        EXPECT_EQ(list[0].percent, c.percent);
    }
}

TEST_F(ProductsProgressTest, RegistryKnowsTheOneLiveObject)
{
    EXPECT_EQ(ProductsProgress::instance(), &progress);
    {
        ProductsProgress second;
        expectError([] { ProductsProgress::instance(); }, {3, 1, 1, 3}, HasSubstr("An internal error occured"));
    }
    EXPECT_EQ(ProductsProgress::instance(), &progress);
}

TEST_F(ProductsProgressTest, PackagesAreKeyedByName)
{
    addPackages(progress, first, "p", {3});
    progress.set_progress(3, "never-registered");
    progress.add_product_package(second, "p0");  // again, now of the other release, back at stage 0

    std::vector<ReleaseProgress> list;
    progress.get_progress(list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].release, second);
    EXPECT_EQ(list[0].status, ReleaseProgress::waiting);
    EXPECT_EQ(list[0].percent, 0);
}

TEST_F(ProductsProgressTest, AnswerUpdatesTheEntriesOfItsReleasesOnly)
{
    const ReleasePtr other = makeRelease(product, "other", "17.0");
    std::vector<ReleaseProgress> list = {{other, ReleaseProgress::completed, 100}, {first, 0, 0}};
    progress.get_progress(list);  // nothing registered: untouched
    EXPECT_EQ(list[1].status, 0);

    addPackages(progress, first, "a", {1});
    addPackages(progress, second, "b", {3});
    progress.get_progress(list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].status, ReleaseProgress::completed);
    EXPECT_EQ(list[1].percent, 33);
    EXPECT_EQ(list[2].release, second);
    EXPECT_EQ(list[2].percent, 100);
}
