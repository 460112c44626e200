#include "common/packages/Version.h"

#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/packages/DebVersion.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/packages/GeneratedVersions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

struct ParseCase {
    const char* name;
    const char* text;
    std::int64_t epoch;
    bool hasEpoch;
    const char* version;
    const char* release;
    const char* rendered;
    const char* epochVersion;
};

TEST(Version, ParsesAndRendersItsText)
{
    const std::int64_t maxEpoch = std::numeric_limits<std::int64_t>::max();
    const ParseCase cases[] = {
        {"epoch, version and release", "2:1.0-3", 2, true, "1.0", "3", "2:1.0-3", "2:1.0"},
        {"release runs from the first dash", "1.0-2-3", 0, false, "1.0", "2-3", "1.0-2-3", "1.0"},
        {"leading dash belongs to the version", "-1.0", 0, false, "-1.0", "", "-1.0", "-1.0"},
        {"lone dash is a version", "-", 0, false, "-", "", "-", "-"},
        {"epoch without version", "5:", 5, true, "", "", "5:no_versioning_data", "5:no_versioning_data"},
        {"zero epoch keeps its prefix", "0:1.0", 0, true, "1.0", "", "0:1.0", "0:1.0"},
        {"release may hold a colon", "1.0-a:b", 0, false, "1.0", "a:b", "1.0-a:b", "1.0"},
        {"trailing dash gives no release", "1.0-", 0, false, "1.0", "", "1.0", "1.0"},
        {"only the first colon ends the epoch", "1:2:3-4", 1, true, "2:3", "4", "1:2:3-4", "1:2:3"},
        {"epoch read like atol", " 7x:1", 7, true, "1", "", "7:1", "7:1"},
        {"epoch without digits is 0", "x:1", 0, true, "1", "", "0:1", "0:1"},
        {"negative epoch", "-3:1", -3, true, "1", "", "-3:1", "-3:1"},
        {"epoch beyond 64 bits saturates", "99999999999999999999:1", maxEpoch, true, "1", "",
         "9223372036854775807:1", "9223372036854775807:1"},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Version version(c.text);
        EXPECT_EQ(version.getEpoch(), c.epoch);
        EXPECT_EQ(version.hasEpoch(), c.hasEpoch);
        EXPECT_EQ(version.getVersion(), c.version);
        EXPECT_EQ(version.getRelease(), c.release);
        EXPECT_EQ(version.toString(), c.rendered);
        EXPECT_EQ(version.getEpochVersion(), c.epochVersion);
        const DebVersion debian(c.text);
        EXPECT_EQ(debian.toString(), c.rendered);

        std::ostringstream printed;
        printed << version;
        EXPECT_EQ(printed.str(), c.rendered);
    }
}

TEST(Version, EmptyTextIsRefused)
{
    const std::string expected = Messages::get("err_empty_version");
    const std::pair<const char*, const char*> cases[] = {{"empty text", ""}, {"null text", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        for (int debian = 0; debian < 2; ++debian) {
            SCOPED_TRACE(debian ? "DebVersion" : "Version");
            expectError(
                [&] {
                    if (debian)
                        DebVersion version(c.second);
                    else
                        Version version(c.second);
                },
                {1, 1, 1, 3}, ::testing::HasSubstr(expected));
        }
    }
}

TEST(Version, DefaultVersionIsEmpty)
{
    const Version version;
    EXPECT_EQ(version.getEpoch(), 0);
    EXPECT_FALSE(version.hasEpoch());
    EXPECT_EQ(version.getVersion(), "");
    EXPECT_EQ(version.getRelease(), "");
    EXPECT_EQ(version.toString(), "no_versioning_data");
    EXPECT_TRUE(version == Version());
}

TEST(Version, SetReleaseRefusesEmptyTexts)
{
    Version version("1.0-2");
    EXPECT_EQ(version.setRelease(nullptr), -1);
    EXPECT_EQ(version.setRelease(""), -1);
    EXPECT_EQ(version.getRelease(), "2");
    EXPECT_EQ(version.setRelease("3.el9"), 0);
    EXPECT_EQ(version.getRelease(), "3.el9");
    EXPECT_EQ(version.toString(), "1.0-3.el9");
}

TEST(Version, CopyIsAPlainVersion)
{
    const DebVersion debian("1.0");
    const Version copy(debian);
    EXPECT_EQ(typeid(copy), typeid(Version));
    EXPECT_EQ(copy.toString(), "1.0");
    // rpm ignores a trailing separator, dpkg ranks it above the end.
    const Version dotted("1.0.");
    EXPECT_EQ(copy.compare(dotted), 0);
    EXPECT_LT(debian.compare(dotted), 0);
}

struct OrderCase {
    const char* a;
    const char* b;
    int expected;  // sign of a.compare(b)
};

// The orders rpm documents; the generated comparison below checks them
// against rpm itself as well.
const OrderCase rpmOrderCases[] = {
    {"0:1.0", "1.0", 0},       {"00:1", "1", 0},          {"1:1.0", "2.0", 1},       {"1.0-1", "1.0-2", -1},
    {"1.0", "1.0-1", -1},      {"1.0", "1.0-~1", -1},     {"1.0~rc1", "1.0", -1},    {"1.0~~", "1.0~", -1},
    {"1.0^1", "1.0", 1},       {"1.0^1", "1.0.1", -1},    {"1.0^", "1.0", 1},        {"1.0", "1.0.", 0},
    {"1.01", "1.1", 0},        {"1.0", "1_0", 0},         {"a", "1", -1},            {"10", "9", 1},
    {"1.0a", "1.0", 1},        {"1.0a", "1.0.1", -1},     {"1.0-1.el9", "1.0-1", 1}, {"2:1-1", "10:0.1-1", -1},
};

TEST(Version, OrdersAsRpm)
{
    for (const OrderCase& c : rpmOrderCases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        const Version a(c.a);
        const Version b(c.b);
        EXPECT_EQ(sign(a.compare(b)), c.expected);
        EXPECT_EQ(sign(b.compare(a)), -c.expected);
        EXPECT_EQ(a == b, c.expected == 0);
        EXPECT_EQ(a < b, c.expected < 0);
        EXPECT_EQ(a > b, c.expected > 0);
    }
}

TEST(Version, ComparesPartsBySegments)
{
    const OrderCase cases[] = {
        {"a", "1", -1},    {"1.01", "1.1", 0}, {"10", "9", 1},   {"1~", "1", -1},  {"1", "1^", -1},
        {"", "~", 1},      {"", "^", -1},      {"1.0", "1.0_", 0}, {"abc", "abd", -1},
        {"12345678901234567890123", "12345678901234567890122", 1},
    };
    const Version version;
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(version.cmpPart(c.a, c.b), c.expected);
        EXPECT_EQ(version.cmpPart(c.b, c.a), -c.expected);
    }
    EXPECT_EQ(version.cmpPart(nullptr, ""), 0);
    EXPECT_EQ(version.cmpPart(nullptr, "1"), -1);
}

// Generated version texts in the shape rpm gives them: digits, letters, the
// separators rpm meets in practice, tildes and carets; no "-" or ":" inside the
// version and release.
class RpmTextGenerator {
public:
    explicit RpmTextGenerator(std::uint32_t seed) : random_(seed) {}

    std::size_t choose(std::size_t count) { return below(random_, static_cast<std::uint32_t>(count)); }

    std::string text()
    {
        std::string result;
        if (below(random_, 5) < 2) result = std::string(pick(random_, epochs)) + ":";
        static const char* const starts[] = {"", "", "", "", "", "", "~", "^"};
        result += pick(random_, starts) + field(4);
        if (below(random_, 2)) result += std::string("-") + pick(random_, starts) + field(3);
        return result;
    }

    std::string nearby(const std::string& text)
    {
        static const char* const tails[] = {"~", "^", ".", "_", "a", "0", ".0", "~1", "^1", "~~", "^a", "+", "A"};
        static const char* const separators[] = {".", "_", "+", "~", "^"};
        return nearbyVersion(random_, text, tails, separators);
    }


private:
    std::string field(std::uint32_t maxPieces)
    {
        static const char* const glue[] = {".", ".", ".", "", "_", "+", "~", "^", "~~", "^~", ".."};
        std::string result = piece();
        const std::uint32_t pieces = below(random_, maxPieces);
        for (std::uint32_t i = 0; i < pieces; ++i) result += std::string(pick(random_, glue)) + piece();
        return result;
    }

    std::string piece()
    {
        static const char* const pieces[] = {
            "0", "1", "2", "9", "10", "01", "007", "11", "123456789012345678901",
            "a", "b", "rc", "Z", "beta", "el9", "git", "p", "1a", "2b3"};
        return pick(random_, pieces);
    }

    static constexpr const char* epochs[] = {"0", "1", "2", "10", "01"};
    std::mt19937 random_;
};

// rpm's answer (-1, 0, 1) for each pair, both ways, from one rpm process.
std::vector<std::pair<int, int>> askRpm(const std::vector<std::pair<std::string, std::string>>& pairs,
                                        const std::string& directory)
{
    const std::string listPath = directory + "/pairs";
    {
        std::ofstream list(listPath);
        for (const auto& pair : pairs) list << pair.first << ' ' << pair.second << '\n';
        list.close();
        EXPECT_TRUE(list) << "cannot write " << listPath;
    }
    // rpm.ver parses a text into epoch, version and release and orders the
    // result as rpm orders two packages. print in rpm's lua ends no line.
    const std::string script = "%{lua:"
                               "local function order(x, y)"
                               "  local a, b = rpm.ver(x), rpm.ver(y)"
                               "  if a < b then return -1 elseif a == b then return 0 else return 1 end "
                               "end "
                               "for line in io.lines(\"" +
                               listPath +
                               "\") do"
                               "  local x, y = line:match(\"^(%S+) (%S+)$\")"
                               "  print(order(x, y) .. \" \" .. order(y, x) .. \"\\n\") "
                               "end}";
    int status = -1;
    const std::string output = commandOutput("rpm --eval " + shellQuote(script), &status);
    EXPECT_EQ(status, 0);

    std::vector<std::pair<int, int>> answers;
    std::istringstream lines(output);
    int forward;
    int backward;
    while (lines >> forward >> backward) answers.emplace_back(forward, backward);
    return answers;
}

TEST(Version, AgreesWithRpmOnGeneratedPairs)
{
    if (!toolInstalled("rpm")) GTEST_SKIP() << "rpm is not installed; it is the reference for this order";
    constexpr std::uint32_t seed = 20250611;
    SCOPED_TRACE("generator seed " + std::to_string(seed));
    RpmTextGenerator generator(seed);

    std::vector<std::string> texts;
    for (int i = 0; i < 800; ++i) texts.push_back(generator.text());

    std::vector<std::pair<std::string, std::string>> pairs;
    for (const OrderCase& c : rpmOrderCases) pairs.emplace_back(c.a, c.b);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        pairs.emplace_back(texts[i], generator.nearby(texts[i]));
        pairs.emplace_back(texts[i], texts[generator.choose(texts.size())]);
        if (i % 10 == 0) pairs.emplace_back(texts[i], texts[i]);
    }
    // Neighbours in this order are the closest calls; agreeing on all of them
    // ties the whole order to rpm's.
    std::vector<std::string> sorted = texts;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const std::string& a, const std::string& b) { return Version(a) < Version(b); });
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i) pairs.emplace_back(sorted[i], sorted[i + 1]);

    TempDir directory;
    const std::vector<std::pair<int, int>> answers = askRpm(pairs, directory.path());
    ASSERT_EQ(answers.size(), pairs.size()) << "rpm did not answer every pair";

    int failures = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const Version a(pairs[i].first);
        const Version b(pairs[i].second);
        const int forward = sign(a.compare(b));
        const int backward = sign(b.compare(a));
        if (forward == answers[i].first && backward == answers[i].second) continue;
        if (++failures <= 20)
            ADD_FAILURE() << "'" << pairs[i].first << "' vs '" << pairs[i].second << "': ours " << forward << "/"
                          << backward << ", rpm " << answers[i].first << "/" << answers[i].second;
    }
    EXPECT_EQ(failures, 0) << "of " << pairs.size() << " pairs";
}

}  // namespace
