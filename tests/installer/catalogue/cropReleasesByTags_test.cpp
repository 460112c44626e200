#include "installer/catalogue/cropReleasesByTags.h"

#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/Repository.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct ReleaseRow {
    const char* product;
    const char* id;
    const char* version;
    const char* tags;      // nullptr: no tags attribute
    const char* promoted;  // nullptr: no promoted_tags attribute
};

// Releases in catalogue order, with their installed state checked against a
// system where each product of `installed` has that version installed.
std::vector<ReleasePtr> catalogue(const std::vector<ReleaseRow>& rows,
                                  const std::map<std::string, std::string>& installed)
{
    Repository repository;
    for (const auto& product : installed) {
        auto record = std::make_unique<DebPackage>((product.first + "-base").c_str(), product.second + "-1");
        record->setType('s');
        repository.addPackage(std::move(record), nullptr);
    }
    std::map<std::string, ProductPtr> products;
    std::vector<ReleasePtr> releases;
    for (const ReleaseRow& row : rows) {
        ProductPtr& product = products[row.product];
        if (!product) product = makeProduct(row.product, {{std::string(row.product) + "-base"}});
        const ReleasePtr release = makeRelease(product, row.id, row.version);
        if (row.tags) release->setTags(row.tags);
        if (row.promoted) release->setPromotedTags(row.promoted);
        addBuild(release, "Debian", "12");
        release->checkState(&repository, debian12());
        releases.push_back(release);
    }
    return releases;
}

// "id:tier text" of each release.
std::vector<std::string> described(const std::vector<ReleasePtr>& releases)
{
    std::vector<std::string> result;
    for (const ReleasePtr& release : releases) result.push_back(release->id() + ":" + release->tierText());
    return result;
}

TEST(cropReleasesByTags, KeepsTheFirstReleasePerProductAndTier)
{
    struct Case {
        const char* name;
        std::vector<ReleaseRow> releases;
        std::map<std::string, std::string> installed;
        std::vector<std::string> tiers;
        std::vector<std::string> keep;
        std::vector<std::string> kept;
        std::vector<std::string> cropped;
    } cases[] = {
        {"first release of each tier, later ones dropped",
         {{"zarni", "t1", "3.0", "testing", nullptr},
          {"zarni", "s1", "2.0", "stable", nullptr},
          {"zarni", "s2", "1.0", "stable", nullptr}},
         {},
         {"stable", "testing"},
         {},
         {"t1:testing", "s1:stable"},
         {}},
        {"untagged releases count as stable, per product",
         {{"zarni", "z2", "2.0", nullptr, nullptr},
          {"zarni", "z1", "1.0", nullptr, nullptr},
          {"sso", "s1", "1.0", nullptr, nullptr}},
         {},
         {"stable"},
         {},
         {"z2:stable", "s1:stable"},
         {}},
        {"one release kept for two tiers is labelled by the first of them in tier order",
         {{"zarni", "both", "2.0", "Testing, STABLE", nullptr}, {"zarni", "s", "1.0", "stable", nullptr}},
         {},
         {"beta", "stable", "testing"},
         {},
         {"both:stable"},
         {}},
        {"installed release without tier is kept and keeps its tier text",
         {{"zarni", "new", "2.0", "stable", nullptr}, {"zarni", "old", "1.0", "beta", nullptr}},
         {{"zarni", "1.0"}},
         {"stable"},
         {},
         {"new:stable", "old:"},
         {}},
        {"release in the keep list is kept whatever its tags",
         {{"zarni", "s", "2.0", "stable", nullptr}, {"zarni", "wanted", "1.5", "nightly", nullptr}},
         {},
         {"stable"},
         {"wanted"},
         {"s:stable", "wanted:"},
         {}},
        {"first promoted release is cropped, a second one for the same tier dropped",
         {{"zarni", "p1", "3.0", "beta", "stable"},
          {"zarni", "p2", "2.5", "beta", "stable"},
          {"zarni", "s", "2.0", "stable", nullptr}},
         {},
         {"stable"},
         {},
         {"s:stable"},
         {"p1"}},
        {"a tier already taken by a release cannot be promoted to",
         {{"zarni", "s", "2.0", "stable", nullptr}, {"zarni", "p", "1.0", "beta", "stable"}},
         {},
         {"stable"},
         {},
         {"s:stable"},
         {}},
        {"products never take tiers from each other",
         {{"zarni", "z", "2.0", "stable", nullptr},
          {"sso", "s", "1.0", "stable", nullptr},
          {"sso", "p", "0.9", "beta", "testing"},
          {"zarni", "zp", "1.0", "beta", "testing"}},
         {},
         {"stable", "testing"},
         {},
         {"z:stable", "s:stable"},
         {"p", "zp"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ReleasePtr> releases = catalogue(c.releases, c.installed);
        std::vector<ReleasePtr> cropped = catalogue({{"zarni", "stale", "1.0", nullptr, nullptr}}, {});
        cropReleasesByTags(releases, cropped, c.tiers, c.keep);
        EXPECT_EQ(described(releases), c.kept);
        std::vector<std::string> croppedIds;
        for (const ReleasePtr& release : cropped) croppedIds.push_back(release->id());
        EXPECT_EQ(croppedIds, c.cropped);
    }
}

TEST(cropReleasesByTags, EmptyTierListChangesNothing)
{
    std::vector<ReleasePtr> releases =
        catalogue({{"zarni", "a", "2.0", "beta", nullptr}, {"zarni", "b", "1.0", "beta", nullptr}}, {});
    std::vector<ReleasePtr> cropped = catalogue({{"zarni", "c", "0.5", nullptr, nullptr}}, {});
    const std::vector<ReleasePtr> before = releases;
    const std::vector<ReleasePtr> croppedBefore = cropped;

    CapturedLog log(3);
    cropReleasesByTags(releases, cropped, {}, {"a"});
    EXPECT_EQ(releases, before);
    EXPECT_EQ(cropped, croppedBefore);
    EXPECT_EQ(log.text(), "DEBUG: Cropping releases by tags ()\nDEBUG: Keep releases ( 'a')\n");
}

TEST(cropReleasesByTags, LogsTiersAndKeepList)
{
    std::vector<ReleasePtr> releases = catalogue({{"zarni", "a", "2.0", nullptr, nullptr}}, {});
    std::vector<ReleasePtr> cropped;
    CapturedLog log(3);
    cropReleasesByTags(releases, cropped, {"stable", "Testing"}, {});
    EXPECT_EQ(log.text(), "DEBUG: Cropping releases by tags ( 'stable' 'Testing')\n");
}

TEST(cropReleasesByTags, UncheckedInstalledStateIsInternalError)
{
    std::vector<ReleasePtr> releases{makeRelease(makeProduct("zarni"), "a", "1.0")};
    std::vector<ReleasePtr> cropped;
    if (const auto raised = expectError([&] { cropReleasesByTags(releases, cropped, {"stable"}, {}); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}

}  // namespace
