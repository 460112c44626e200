#include "common/Regexp.h"

#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>

namespace {

TEST(Regexp, MatchesAgreeWithGrep)
{
    const char* patterns[] = {
        "^abc", "abc$", "a.c", "a|b", "(ab)+c", "[[:digit:]]{2,3}", "^[[:digit:]]{2,3}$", "^[a-z0-9._-]+$",
        "colou?r", "x*", "^$", "[^a]", "a{2}", "\\.", "(foo|bar)baz", "^[[:alpha:]][[:alnum:]_]*$", "[]a]",
        "[a-]", "^-", "c+$", "^(a|ab)(c|bcd)$", "[[:space:]]", "^[^.]+\\.[^.]+$",
    };
    const char* subjects[] = {
        "", "abc", "xabcx", "aac", "colour", "color", "12", "1234", "foo.bar", "barbaz", "]", "-x", "AbC",
        "a.c", "abcd", "tab\there", "ccc",
    };
    std::size_t matches = 0;
    std::size_t checks = 0;
    std::string lines;
    for (const char* subject : subjects) lines += shellQuote(subject) + " ";
    for (const char* pattern : patterns) {
        // grep numbers the subject lines that match; one run per pattern.
        int status = -1;
        const std::string numbers =
            commandOutput("printf '%s\\n' " + lines + "| LC_ALL=C grep -En " + shellQuote(pattern) + " | cut -d: -f1",
                          &status);
        ASSERT_EQ(status, 0) << "grep failed for " << pattern;
        std::set<int> matching;
        std::istringstream list(numbers);
        for (int number; list >> number;) matching.insert(number);

        const Regexp plain(pattern, false);
        Regexp withGroups(pattern, true);
        for (std::size_t i = 0; i < sizeof subjects / sizeof *subjects; ++i) {
            SCOPED_TRACE(std::string("pattern ") + pattern + " subject " + quoteString(subjects[i]));
            const bool expected = matching.count(static_cast<int>(i) + 1) != 0;
            matches += expected;
            ++checks;
            EXPECT_EQ(plain.match(subjects[i]), expected);
            EXPECT_EQ(withGroups.matchSub(subjects[i]), expected);
        }
    }
    // The table is worth something only when grep says yes and no often.
    EXPECT_GT(matches, checks / 5);
    EXPECT_LT(matches, checks - checks / 5);
}

TEST(Regexp, LinesAndEscapes)
{
    EXPECT_TRUE(Regexp("^foo", false).match("bar\nfoo bar"));
    EXPECT_TRUE(Regexp("bar$", false).match("foo bar\nbaz"));
    EXPECT_FALSE(Regexp("a.b", false).match("a\nb"));
    EXPECT_TRUE(Regexp("^\\d+$", false).match("2024"));
    EXPECT_FALSE(Regexp("^\\d+$", false).match("20x"));
    EXPECT_TRUE(Regexp("^\\w+$", false).match("pkg_name1"));
    EXPECT_FALSE(Regexp("^\\w+$", false).match("pkg-name"));
    EXPECT_FALSE(Regexp("ABC", false).match("abc"));
}

TEST(Regexp, BadPatternNamesPatternAndReason)
{
    if (const auto e = expectError([] { Regexp("ab[cd", false); })) {
        const std::string start = "Unable to compile the regular expression 'ab[cd': ";
        EXPECT_EQ(e->text().substr(0, start.size()), start);
        EXPECT_GT(e->text().size(), start.size() + 1) << "no reason given";
        expectCodes(*e, {0, 1, 1, 2});
    }
    EXPECT_THROW(Regexp("(a", true), error);
}

TEST(Regexp, SubmatchesNeedSubexpressions)
{
    Regexp plain("a(b)c", false);
    EXPECT_TRUE(plain.match("abc"));
    expectError([&] { plain.getNumSubexpr(); }, {3, 1, 1, 3}, Messages::get("err_bad_subexpr") + "\n");
    expectError([&] { plain.matchSub("abc"); }, {3, 1, 1, 3}, Messages::get("err_bad_subexpr2") + "\n");
    expectError([&] { plain.getMatch(0); }, {3, 1, 1, 3}, Messages::get("err_bad_submatch") + "\n");
    expectError([&] { plain.match(static_cast<const char*>(nullptr)); }, {3, 1, 1, 3},
                Messages::get("err_bad_match_arg") + "\n");
}

TEST(Regexp, Submatches)
{
    Regexp expression("([a-z]+)-([0-9]+)(\\.rpm)?", true);
    EXPECT_EQ(expression.getNumSubexpr(), 4);
    expectError([&] { expression.getMatch(0); }, {3, 1, 1, 3}, Messages::get("err_badmatch") + "\n");

    ASSERT_TRUE(expression.matchSub("file: kitwright-42.deb"));
    EXPECT_EQ(expression.getMatch(0), "kitwright-42");
    EXPECT_EQ(expression.getMatch(1), "kitwright");
    EXPECT_EQ(expression.getMatch(2), "42");
    EXPECT_EQ(expression.getMatch(3), "");
    EXPECT_THROW(expression.getMatch(4), std::out_of_range);
    EXPECT_THROW(expression.getMatch(-1), std::out_of_range);

    Regexp optional("a(b)?c", true);
    ASSERT_TRUE(optional.matchSub("ac"));
    EXPECT_EQ(optional.getMatch(0), "ac");
    EXPECT_EQ(optional.getMatch(1), "");
    EXPECT_THROW(optional.getMatch(2), std::out_of_range);

    // A failed search forgets the last one.
    EXPECT_FALSE(optional.matchSub("xyz"));
    expectError([&] { optional.getMatch(0); }, {3, 1, 1, 3}, Messages::get("err_badmatch") + "\n");
}

TEST(Regexp, CopiesShareTheExpressionAndKeepTheirMatches)
{
    std::vector<Regexp> copies;
    {
        Regexp original("^(lib)?kit", true);
        ASSERT_TRUE(original.matchSub("libkitwright"));
        copies.push_back(original);
        copies.push_back(copies.front());
    }
    EXPECT_EQ(copies[0].getMatch(1), "lib");
    EXPECT_TRUE(copies[1].match("kitwright"));
    ASSERT_TRUE(copies[1].matchSub("kit"));
    EXPECT_EQ(copies[1].getMatch(1), "");
    EXPECT_EQ(copies[0].getMatch(1), "lib");
}

TEST(Regexp, MatchesAny)
{
    const std::vector<Regexp> none;
    EXPECT_FALSE(matchesAny(none, "anything"));
    const std::vector<Regexp> patterns = {Regexp("^kernel", false), Regexp("-debuginfo$", false)};
    EXPECT_TRUE(matchesAny(patterns, "kernel-devel"));
    EXPECT_TRUE(matchesAny(patterns, "glibc-debuginfo"));
    EXPECT_FALSE(matchesAny(patterns, "glibc"));
}

}  // namespace
