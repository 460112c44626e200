#include "web_ui/WebSecret.h"

#include "tests/common/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <string>

namespace {

TEST(WebSecret, ThousandSecretsAreLettersAndDistinct)
{
    static const std::regex letters("[a-z]{28}");
    std::set<std::string> seen;
    int counts[26] = {};
    for (int i = 0; i < 1000; ++i) {
        const std::string secret = randomLetters(kWebSecretLength);
        ASSERT_TRUE(std::regex_match(secret, letters)) << secret;
        for (char c : secret) ++counts[c - 'a'];
        seen.insert(secret);
    }
    EXPECT_EQ(1000u, seen.size());
    // 28000 letters: every letter comes up, none far from 1077 times.
    for (int count : counts) {
        EXPECT_GT(count, 800);
        EXPECT_LT(count, 1400);
    }
}

TEST(WebSecret, TwoLaunchesInOneSecondDiffer)
{
    ScopedEnvironment restore("WEB_SECRET");
    generateWebSecret();
    const std::string first = std::getenv("WEB_SECRET");
    generateWebSecret();
    const std::string second = std::getenv("WEB_SECRET");
    EXPECT_EQ(kWebSecretLength, first.size());
    EXPECT_EQ(kWebSecretLength, second.size());
    EXPECT_NE(first, second);
}

TEST(WebSecret, LoadTakesTheSecretOutOfTheEnvironment)
{
    ScopedEnvironment secret("WEB_SECRET", "qwertyuiopasdfghjklzxcvbnmqw");
    loadWebSecret();
    EXPECT_EQ("qwertyuiopasdfghjklzxcvbnmqw", webSecret());
    EXPECT_EQ(nullptr, std::getenv("WEB_SECRET"));

    ScopedEnvironment empty("WEB_SECRET", "");
    loadWebSecret();
    EXPECT_EQ("", webSecret());
    EXPECT_EQ(nullptr, std::getenv("WEB_SECRET"));
}

}  // namespace
