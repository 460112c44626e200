#include "common/StringPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(StringPool, EqualTextsShareOnePointer)
{
    std::string first = "libc6";
    std::string second = "libc6";
    const char* pooled = StringPool::intern(first.c_str());
    EXPECT_NE(pooled, first.c_str());
    EXPECT_STREQ(pooled, "libc6");
    EXPECT_EQ(StringPool::intern(second.c_str()), pooled);
    EXPECT_EQ(StringPool::intern(pooled), pooled);

    first[0] = 'X';  // the pool keeps its own copy
    EXPECT_STREQ(pooled, "libc6");
}

TEST(StringPool, FindingNeverAdds)
{
    const std::string text = "only-looked-up-by-the-pool-test";
    EXPECT_EQ(StringPool::find(text.c_str()), nullptr);
    EXPECT_EQ(StringPool::find(text.c_str()), nullptr);
    const char* pooled = StringPool::intern(text.c_str());
    EXPECT_EQ(StringPool::find(text.c_str()), pooled);
    EXPECT_EQ(StringPool::find(pooled), pooled);
}

TEST(StringPool, EmptyTextAndCaseAreEntriesOfTheirOwn)
{
    const char* empty = StringPool::intern("");
    EXPECT_STREQ(empty, "");
    EXPECT_EQ(StringPool::intern(std::string().c_str()), empty);
    EXPECT_NE(StringPool::intern("Perl"), StringPool::intern("perl"));
}

TEST(StringPool, EarlierPointersSurviveGrowth)
{
    // Enough text for several 64 KiB blocks and many rehashes of the index, plus
    // one text larger than a block.
    std::vector<std::pair<std::string, const char*>> pooled;
    for (int i = 0; i < 50000; ++i) {
        const std::string text = "package-name-" + std::to_string(i);
        pooled.emplace_back(text, StringPool::intern(text.c_str()));
    }
    const std::string large(100000, 'z');
    const char* largePooled = StringPool::intern(large.c_str());
    pooled.emplace_back(large, largePooled);
    for (int i = 50000; i < 51000; ++i) {
        const std::string text = "after-" + std::to_string(i);
        pooled.emplace_back(text, StringPool::intern(text.c_str()));
    }

    for (const auto& entry : pooled) {
        ASSERT_EQ(entry.first, entry.second);
        ASSERT_EQ(StringPool::intern(entry.first.c_str()), entry.second);
        ASSERT_EQ(StringPool::find(entry.first.c_str()), entry.second);
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(entry.second) % 4, 0u) << entry.first;
    }
    // Texts that land where others were moved to by the growth are still absent.
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(StringPool::find(("never-pooled-" + std::to_string(i)).c_str()), nullptr);
}

}  // namespace
