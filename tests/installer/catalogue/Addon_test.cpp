#include "installer/catalogue/Addon.h"

#include "installer/catalogue/Release.h"

#include "common/error.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Range {
    const char* productId;
    const char* from;
    const char* to;
};

Addon addonFor(const std::vector<Range>& ranges)
{
    Addon addon("extras", "Extras", "1.0", false);
    for (const Range& range : ranges) addon.addCompatible(range.productId, range.from, range.to);
    return addon;
}

TEST(Addon, FitsProductVersionsWithinInclusiveRanges)
{
    struct Case {
        const char* name;
        std::vector<Range> ranges;
        const char* productId;
        const char* version;
        bool fits;
    } cases[] = {
        {"inside", {{"zarni", "18.0", "18.9"}}, "zarni", "18.5", true},
        {"on the lower bound", {{"zarni", "18.0", "18.9"}}, "zarni", "18.0", true},
        {"on the upper bound", {{"zarni", "18.0", "18.9"}}, "zarni", "18.9", true},
        {"below", {{"zarni", "18.0", "18.9"}}, "zarni", "17.9", false},
        {"above", {{"zarni", "18.0", "18.9"}}, "zarni", "18.10", false},
        {"second range fits", {{"zarni", "19.0", "19.9"}, {"zarni", "18.0", "18.9"}}, "zarni", "18.2", true},
        {"other product", {{"loamfeather", "18.0", "18.9"}}, "zarni", "18.5", false},
        {"product id is compared exactly", {{"Zarni", "18.0", "18.9"}}, "zarni", "18.5", false},
        {"empty product id fits nothing", {{"", "0", "999"}}, "zarni", "18.5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Addon addon = addonFor(c.ranges);
        const ReleasePtr release = makeRelease(makeProduct(c.productId), "r", c.version);
        EXPECT_EQ(addon.applicableTo(*release), c.fits);
    }
}

TEST(Addon, LogsEveryRangeOfTheProductTried)
{
    const Addon addon = addonFor({{"zarni", "17.0", "17.9"}, {"other", "1", "2"}, {"zarni", "18.0", "18.9"}});
    const ReleasePtr release = makeRelease(makeProduct("zarni"), "r18", "18.3");
    CapturedLog log(3);
    EXPECT_TRUE(addon.applicableTo(*release));
    EXPECT_EQ(log.text(),
              "Addon::applicableTo: release 18.3, addon applicable from 17.0 to 17.9\n"
              "DEBUG: Addon::applicableTo: version too high for extras\n"
              "Addon::applicableTo: release 18.3, addon applicable from 18.0 to 18.9\n"
              "DEBUG: Addon::applicableTo: merge addon extras because it fit for release r18 name\n");
}

TEST(Addon, OtherProductsLogNothing)
{
    const Addon addon = addonFor({{"other", "1", "2"}});
    const ReleasePtr release = makeRelease(makeProduct("zarni"), "r18", "18.3");
    CapturedLog log(3);
    EXPECT_FALSE(addon.applicableTo(*release));
    EXPECT_EQ(log.text(), "");
}

TEST(Addon, MergeLineNamesTheReleaseByIdWhenItHasNoName)
{
    const Addon addon = addonFor({{"zarni", "18.0", "18.9"}});
    const ReleasePtr release =
        boost::make_shared<Release>(makeProduct("zarni"), "r-id", "", "", Version("18.0"), Version("0"));
    CapturedLog log(3);
    addon.applicableTo(*release);
    EXPECT_NE(log.text().find("because it fit for release r-id\n"), std::string::npos) << log.text();
}

TEST(Addon, EmptyVersionTextIsRefusedAndAddsNoRange)
{
    const char* const bad[][2] = {{"", "18.9"}, {"18.0", ""}};
    for (const auto& range : bad) {
        SCOPED_TRACE(std::string(range[0]) + " - " + range[1]);
        Addon addon("extras", "Extras", "1.0", false);
        CapturedLog log(3);
        if (const auto raised = expectError([&] { addon.addCompatible("zarni", range[0], range[1]); })) {
            EXPECT_EQ(raised->text(), Messages::get("err_empty_version") + "\n");
        }
        EXPECT_FALSE(addon.hasCompatible());
        // The log writes an empty text as "~empty".
        const auto shown = [](const char* text) { return *text ? std::string(text) : std::string("~empty"); };
        EXPECT_EQ(log.text(), "DEBUG: Addon::addCompatible: prod_id=zarni, from=" + shown(range[0]) +
                                  ", to=" + shown(range[1]) + "\n");
    }
}

TEST(Addon, WithoutRangesTheQuestionIsInternalError)
{
    const Addon addon("extras", "Extras", "1.0", true);
    EXPECT_TRUE(addon.isLazy());
    const ReleasePtr release = makeRelease(makeProduct("zarni"), "r", "18.0");
    if (const auto raised = expectError([&] { addon.applicableTo(*release); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}

TEST(Addon, PrintsItsId)
{
    std::ostringstream text;
    text << Addon("extras-id", "Extras", "1.0", false);
    EXPECT_EQ(text.str(), "extras-id");
}

}  // namespace
