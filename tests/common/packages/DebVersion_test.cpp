#include "common/packages/DebVersion.h"

#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/packages/GeneratedVersions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <memory>
#include <utility>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

struct OrderCase {
    const char* a;
    const char* b;
    int expected;  // sign of a.compare(b)
};

// The orders dpkg documents; the generated comparison below asks dpkg about
// them as well.
const OrderCase dpkgOrderCases[] = {
    {"1.0~rc1", "1.0", -1},
    {"1.0~~", "1.0~", -1},
    {"1:0.9", "2.0", 1},
    {"0:1.0", "1.0", 0},
    {"1.01", "1.1", 0},
    {"1.0", "1.0a", -1},
    {"1.0a", "1.0+b", -1},      // other bytes rank after letters
    {"1.0", "1.0.", -1},        // a trailing separator counts
    {"1.0A", "1.0a", -1},
    {"1.0-0", "1.0", 0},        // revision 0 is no revision
    {"1.0-1", "1.0", 1},
    {"1.0-2-3", "1.0-2-4", -1},
    {"1.0-2-3", "1.0-3", 1},    // the revision follows the last dash: upstream 1.0-2 is above 1.0
    {"1:2:3-1", "1:2:3-2", -1}, // with an epoch, the upstream version may hold colons
    {"<unknown>", "0~", -1},    // dpkg's blank version is below every other
    {"<unknown>", "<unknown>", 0},
    {"a", "1", 1},              // dpkg warns about the first byte, then compares
    // A shared prefix that ends inside a number, a word or a separator run.
    {"1.10", "1.9", 1},
    {"10.1", "100.1", -1},
    {"1.0010", "1.01", 1},
    {"1.000", "1.0", 0},
    {"2.36-9+deb12u4", "2.36-9+deb12u10", -1},
    {"1.2a", "1.2~", 1},
    {"1.2ab", "1.2a.", -1},
    {"1.2..1", "1.2.1", 1},
    {"1.2-1~bpo1", "1.2-1", -1},
};

TEST(DebVersion, OrdersAsDpkg)
{
    for (const OrderCase& c : dpkgOrderCases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        const DebVersion a(c.a);
        const DebVersion b(c.b);
        EXPECT_EQ(a.compare(b), c.expected);
        EXPECT_EQ(b.compare(a), -c.expected);
        EXPECT_EQ(a == b, c.expected == 0);
        EXPECT_EQ(a < b, c.expected < 0);
        EXPECT_EQ(a > b, c.expected > 0);
    }
}

TEST(DebVersion, LeftHandSideChoosesTheRules)
{
    // rpm splits at the first dash (release 2-3 below 3), dpkg at the last.
    EXPECT_GT(DebVersion("1.0-2-3").compare(Version("1.0-3")), 0);
    EXPECT_LT(Version("1.0-2-3").compare(DebVersion("1.0-3")), 0);
    const DebVersion original("1.0~rc1");
    const DebVersion copy(original);
    EXPECT_EQ(typeid(copy), typeid(DebVersion));
    EXPECT_LT(copy.compare(Version("1.0")), 0);
}

// A version is read the dpkg way once, when it is made: every way of changing
// or copying its fields must leave an order that follows the fields.
TEST(DebVersion, OrderFollowsTheFieldsWhateverChangedThem)
{
    for (const OrderCase& c : dpkgOrderCases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        // The other side as a plain Version is read on the spot.
        EXPECT_EQ(sign(DebVersion(c.a).compare(Version(c.b))), c.expected);

        DebVersion assigned("99:9");
        static_cast<Version&>(assigned) = Version(c.a);
        EXPECT_EQ(sign(assigned.compare(DebVersion(c.b))), c.expected);

        // A copy keeps its reading after the original is gone, long texts too.
        std::unique_ptr<DebVersion> original = std::make_unique<DebVersion>(std::string(c.a));
        DebVersion copy(*original);
        DebVersion copyAssigned("0");
        copyAssigned = *original;
        original.reset();
        EXPECT_EQ(sign(copy.compare(DebVersion(c.b))), c.expected);
        EXPECT_EQ(sign(copyAssigned.compare(DebVersion(c.b))), c.expected);
    }
    const std::string longText = "1." + std::string(200, '7') + "-1";
    const DebVersion longVersion(longText);
    EXPECT_LT(DebVersion(DebVersion(longVersion)).compare(DebVersion("1." + std::string(200, '7') + "-2")), 0);

    Version& viaBase = *std::make_unique<DebVersion>("1.0").release();
    std::unique_ptr<Version> owned(&viaBase);
    EXPECT_EQ(viaBase.setRelease("5"), 0);
    EXPECT_GT(viaBase.compare(DebVersion("1.0-4")), 0);
    EXPECT_LT(viaBase.compare(DebVersion("1.0-6")), 0);
}

TEST(DebVersion, ComparesPartsTheDebianWay)
{
    const OrderCase cases[] = {
        {"1.0~rc1", "1.0", -1}, {"~", "", -1}, {"", "0", 0},       {"a", "+", -1},
        {"Z", "a", -1},         {"1.01", "1.1", 0}, {"10", "9", 1}, {"1.0", "1.0.", -1},
        {"12345678901234567890123", "12345678901234567890122", 1},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(sign(DebVersion::comparePart(c.a, c.b)), c.expected);
        EXPECT_EQ(sign(DebVersion::comparePart(c.b, c.a)), -c.expected);
    }
    EXPECT_EQ(DebVersion::comparePart(nullptr, ""), 0);
    EXPECT_LT(DebVersion::comparePart(nullptr, "1"), 0);
}

TEST(DebVersion, SeparatePartsAreAnInternalError)
{
    const DebVersion a("1.0");
    const Version b("2.0");
    const std::string expected = Messages::get("err_no_debpartver");
    const std::pair<const char*, std::function<int()>> calls[] = {
        {"cmpEpoch", [&] { return a.cmpEpoch(b); }},
        {"cmpVersion", [&] { return a.cmpVersion(b); }},
        {"cmpRelease", [&] { return a.cmpRelease(b); }},
        {"cmpPart", [&] { return a.cmpPart("1", "2"); }},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(call.first);
        expectError([&] { call.second(); }, {3, 1, 1, 3}, ::testing::HasSubstr(expected));
    }
}

struct MalformedCase {
    const char* text;     // given to the constructor; dpkg is given the same text
    const char* problem;  // dpkg's own message for it
};

const MalformedCase malformedCases[] = {
    {"1.0-a:b", "epoch in version is not number"},
    {"a-b:c", "epoch in version is empty"},
    {"1.0 2", "version string has embedded spaces"},
    {" ", "version string is empty"},
    {"-1:1.0", "epoch in version is negative"},
    {"3000000000:1", "epoch in version is too big"},
    {"1.0-2-", "revision number is empty"},
    {"5:-3", "version number is empty"},
};

int count(const std::string& text, const std::string& part)
{
    int found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
    return found;
}

TEST(DebVersion, DpkgRefusesTheTextsCountedAsMalformed)
{
    if (!toolInstalled("dpkg")) GTEST_SKIP() << "dpkg is not installed; it is the reference for this order";
    for (const MalformedCase& c : malformedCases) {
        SCOPED_TRACE(c.text);
        // dpkg would take a leading "-" for an option; it skips leading blanks of
        // a version, so one in front changes nothing else.
        const std::string argument = c.text[0] == '-' ? std::string(" ") + c.text : c.text;
        int status = -1;
        const std::string output =
            commandOutput("dpkg --compare-versions " + shellQuote(argument) + " lt 1 2>&1", &status);
        EXPECT_EQ(status, 2) << output;
        EXPECT_NE(output.find(c.problem), std::string::npos) << output;
    }
}

TEST(DebVersion, MalformedTextsGetOneConsistentOrder)
{
    const CapturedLog log(2);
    std::vector<DebVersion> versions;
    for (const MalformedCase& c : malformedCases) versions.emplace_back(c.text);
    const std::size_t malformed = versions.size();
    for (const char* text : {"1.0", "0~", "<unknown>", "2:1", "x1.0"}) versions.emplace_back(text);

    for (std::size_t i = 0; i < versions.size(); ++i) {
        EXPECT_EQ(versions[i].compare(versions[i]), 0) << versions[i];
        for (std::size_t j = 0; j < versions.size(); ++j) {
            const int forward = versions[i].compare(versions[j]);
            const int backward = versions[j].compare(versions[i]);
            EXPECT_EQ(sign(forward), -sign(backward)) << versions[i] << " vs " << versions[j];
            EXPECT_FALSE(versions[i] < versions[j] && versions[j] < versions[i]);
            if (i < malformed && j >= malformed) {
                EXPECT_LT(forward, 0) << versions[i] << " vs " << versions[j];
            }
            if (i < malformed && j < malformed) {
                const std::string a = malformedCases[i].text;
                EXPECT_EQ(sign(forward), sign(a.compare(malformedCases[j].text))) << a << " vs " << versions[j];
            }
            for (std::size_t k = 0; k < versions.size(); ++k) {
                if (forward <= 0 && versions[j].compare(versions[k]) <= 0) {
                    EXPECT_LE(versions[i].compare(versions[k]), 0)
                        << versions[i] << " <= " << versions[j] << " <= " << versions[k];
                }
            }
        }
    }
    // Each refused text is reported once, however often it is compared.
    for (const MalformedCase& c : malformedCases) {
        const std::string line = std::string("Error: Debian version '") + c.text + "' has bad syntax: " + c.problem;
        EXPECT_EQ(count(log.text(), line), 1) << log.text();
    }
    const std::string warning =
        "Warning: Debian version 'x1.0' has bad syntax: version number does not start with digit";
    EXPECT_EQ(count(log.text(), warning), 1) << log.text();
}

TEST(DebVersion, RefusedTextIsLoggedAtLevelOne)
{
    const DebVersion accepted("1.0");
    {
        const CapturedLog log(1);
        const DebVersion refused("7:1 x");
        EXPECT_LT(refused.compare(accepted), 0);
        EXPECT_GT(accepted.compare(refused), 0);
        EXPECT_EQ(log.text(), "Error: Debian version '7:1 x' has bad syntax: version string has embedded spaces; "
                              "it ranks below every valid version\n");
    }
    const CapturedLog log(0);
    EXPECT_LT(DebVersion("8:1 x").compare(accepted), 0);
    EXPECT_EQ(log.text(), "");
}

// Generated Debian version texts that dpkg accepts without a warning: digits,
// letters, ".", "+", "~", upstream dashes under a revision and upstream colons
// under an epoch.
class DebianTextGenerator {
public:
    explicit DebianTextGenerator(std::uint32_t seed) : random_(seed) {}

    std::size_t choose(std::size_t count) { return below(random_, static_cast<std::uint32_t>(count)); }

    std::string text()
    {
        static const char* const epochs[] = {"0", "1", "2", "10", "01"};
        const bool epoch = below(random_, 5) < 2;
        const bool revision = below(random_, 2) == 1;
        std::string result = epoch ? std::string(pick(random_, epochs)) + ":" : "";
        result += digits();
        const std::uint32_t pieces = below(random_, 5);
        for (std::uint32_t i = 0; i < pieces; ++i) {
            static const char* const glue[] = {".", ".", "", "+", "~", "~~", "..", "-", ":"};
            std::string separator = pick(random_, glue);
            if ((separator == "-" && !revision) || (separator == ":" && !epoch)) separator = ".";
            result += separator + piece();
        }
        if (revision) {
            static const char* const starts[] = {"", "", "", "~", "+", "."};
            static const char* const glue[] = {".", "", "+", "~"};
            result += std::string("-") + pick(random_, starts) + piece();
            const std::uint32_t more = below(random_, 3);
            for (std::uint32_t i = 0; i < more; ++i) result += pick(random_, glue) + piece();
        }
        return result;
    }

    std::string nearby(const std::string& text)
    {
        static const char* const tails[] = {"~", ".", "+", "a", "A", "0", ".0", "~1", "~~", "+b1", "-1", "-0"};
        static const char* const separators[] = {".", "+", "~"};
        return nearbyVersion(random_, text, tails, separators);
    }


private:
    std::string digits()
    {
        static const char* const numbers[] = {"0", "1", "2", "9", "10", "01", "007", "11", "123456789012345678901"};
        return pick(random_, numbers);
    }

    std::string piece()
    {
        static const char* const letters[] = {"a", "b", "rc", "Z", "A", "beta", "dfsg", "deb12u1", "b1"};
        return below(random_, 2) ? digits() : pick(random_, letters);
    }

    std::mt19937 random_;
};

struct Claim {
    std::string a;
    const char* relation;  // "lt", "eq" or "gt"
    std::string b;
};

const char* relationOf(int order) { return order < 0 ? "lt" : (order == 0 ? "eq" : "gt"); }

// dpkg's exit code for each claim (0 holds, 1 does not, 2 refused). A dpkg run
// costs a process, so the claims run as shell scripts in parallel batches.
std::vector<int> askDpkg(const std::vector<Claim>& claims, const std::string& directory)
{
    constexpr std::size_t batches = 8;
    std::string command = "cd " + shellQuote(directory) + " && {";
    for (std::size_t batch = 0; batch < batches; ++batch) {
        const std::string name = "batch" + std::to_string(batch);
        std::ofstream script(directory + "/" + name + ".sh");
        for (std::size_t i = batch; i < claims.size(); i += batches)
            script << "dpkg --compare-versions " << shellQuote(claims[i].a) << ' ' << claims[i].relation << ' '
                   << shellQuote(claims[i].b) << "; echo $?\n";
        script.close();
        EXPECT_TRUE(script) << "cannot write " << name;
        command += " sh " + name + ".sh >" + name + ".out 2>/dev/null &";
    }
    command += " wait; }";
    int status = -1;
    commandOutput(command, &status);
    EXPECT_EQ(status, 0);

    std::vector<int> answers(claims.size(), -1);
    for (std::size_t batch = 0; batch < batches; ++batch) {
        std::ifstream out(directory + "/batch" + std::to_string(batch) + ".out");
        for (std::size_t i = batch; i < claims.size(); i += batches) out >> answers[i];
    }
    return answers;
}

// dpkg's order of two texts, for the failure messages only.
int dpkgOrder(const std::string& a, const std::string& b)
{
    const std::string prefix = "dpkg --compare-versions " + shellQuote(a) + " ";
    int status = -1;
    commandOutput(prefix + "lt " + shellQuote(b) + " 2>/dev/null", &status);
    if (status == 0) return -1;
    commandOutput(prefix + "eq " + shellQuote(b) + " 2>/dev/null", &status);
    return status == 0 ? 0 : 1;
}

TEST(DebVersion, AgreesWithDpkgOnGeneratedVersions)
{
    if (!toolInstalled("dpkg")) GTEST_SKIP() << "dpkg is not installed; it is the reference for this order";
    constexpr std::uint32_t seed = 20250611;
    SCOPED_TRACE("generator seed " + std::to_string(seed));
    DebianTextGenerator generator(seed);

    std::vector<std::string> texts;
    for (int i = 0; i < 200; ++i) {
        texts.push_back(generator.text());
        texts.push_back(generator.nearby(texts.back()));
    }
    std::stable_sort(texts.begin(), texts.end(),
                     [](const std::string& a, const std::string& b) { return DebVersion(a) < DebVersion(b); });
    std::vector<DebVersion> versions(texts.begin(), texts.end());

    // The sorted list gives each version a rank: equal neighbours share one. Our
    // order agrees with dpkg's on every pair (both ways) when it agrees with
    // these ranks on every pair and dpkg agrees on every neighbour pair, since
    // dpkg's order is transitive.
    std::vector<int> rank(versions.size(), 0);
    for (std::size_t i = 1; i < versions.size(); ++i)
        rank[i] = rank[i - 1] + (versions[i - 1].compare(versions[i]) < 0 ? 1 : 0);
    int inconsistent = 0;
    for (std::size_t i = 0; i < versions.size(); ++i)
        for (std::size_t j = 0; j < versions.size(); ++j) {
            const int expected = rank[i] < rank[j] ? -1 : (rank[i] == rank[j] ? 0 : 1);
            const int order = versions[i].compare(versions[j]);
            if (order != expected && ++inconsistent <= 20)
                ADD_FAILURE() << "'" << texts[i] << "' vs '" << texts[j] << "' gives " << order
                              << ", its place in the sorted list " << expected;
        }
    ASSERT_EQ(inconsistent, 0) << "our order is not a consistent total order";

    std::vector<Claim> claims;
    for (const OrderCase& c : dpkgOrderCases)
        claims.push_back({c.a, relationOf(DebVersion(c.a).compare(DebVersion(c.b))), c.b});
    for (std::size_t i = 0; i + 1 < versions.size(); ++i)
        claims.push_back({texts[i], relationOf(versions[i].compare(versions[i + 1])), texts[i + 1]});
    // Pairs far apart as well, as a check on the reasoning above.
    for (int n = 0; n < 100; ++n) {
        const std::size_t i = generator.choose(versions.size());
        const std::size_t j = generator.choose(versions.size());
        claims.push_back({texts[i], relationOf(versions[i].compare(versions[j])), texts[j]});
    }

    TempDir directory;
    const std::vector<int> answers = askDpkg(claims, directory.path());
    int failures = 0;
    for (std::size_t i = 0; i < claims.size(); ++i) {
        if (answers[i] == 0) continue;
        if (++failures <= 20)
            ADD_FAILURE() << "'" << claims[i].a << "' " << claims[i].relation << " '" << claims[i].b
                          << "' by our order; dpkg exit code " << answers[i] << ", its order "
                          << dpkgOrder(claims[i].a, claims[i].b);
    }
    EXPECT_EQ(failures, 0) << "of " << claims.size() << " claims";
}

}  // namespace
