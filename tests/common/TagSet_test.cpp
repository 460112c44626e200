#include "common/TagSet.h"

#include <gtest/gtest.h>

namespace {

TEST(TagSet, EmptySetWithDefaultStandsForStable)
{
    TagSet tags(true);
    EXPECT_TRUE(tags.contains("stable"));
    EXPECT_TRUE(tags.contains("  STABLE\t"));
    EXPECT_FALSE(tags.contains("beta"));
    EXPECT_FALSE(tags.contains(""));
    EXPECT_EQ(tags.toString(), "stable");

    TagSet plain(false);
    EXPECT_FALSE(plain.contains("stable"));
    EXPECT_EQ(plain.toString(), "");
}

TEST(TagSet, AssignTable)
{
    struct Case {
        const char* name;
        const char* text;
        const char* printed;
        std::vector<const char*> contained;
        std::vector<const char*> missing;
    } cases[] = {
        {"two tags in capitals", "BETA, Testing", "beta,testing", {"beta", " BeTa ", "testing"}, {"stable", ""}},
        {"empty text is the empty tag", "", "", {""}, {"stable"}},
        {"trailing comma adds the empty tag", "beta,", ",beta", {"beta", ""}, {"stable"}},
        {"duplicates collapse", "Beta, beta ,BETA", "beta", {"beta"}, {"stable", ""}},
        {"blank pieces collapse into the empty tag", " , ", "", {""}, {"stable"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TagSet tags(true);
        tags.assign("old");
        tags.assign(c.text);
        EXPECT_EQ(tags.toString(), c.printed);
        for (const char* tag : c.contained) EXPECT_TRUE(tags.contains(tag)) << "'" << tag << "'";
        for (const char* tag : c.missing) EXPECT_FALSE(tags.contains(tag)) << "'" << tag << "'";
        EXPECT_FALSE(tags.contains("old"));
    }
}

TEST(TagSet, CopiesAreIndependentValues)
{
    TagSet original(false);
    original.assign("a,b");
    TagSet copy = original;
    copy.assign("c");
    EXPECT_TRUE(original.contains("a"));
    EXPECT_FALSE(original.contains("c"));
    EXPECT_EQ(copy.toString(), "c");
}

}  // namespace
