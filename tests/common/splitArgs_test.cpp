#include "common/splitArgs.h"

#include "common/Messages.h"
#include "common/error.h"
#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

TEST(SplitArgs, SplitsAtWhiteSpaceAndGroupsQuotedWords)
{
    const struct Case {
        const char* name;
        std::string line;
        Words expected;
    } cases[] = {
        {"empty line", "", {}},
        {"blanks only", "  \t \n ", {}},
        {"plain words", "a bb  ccc", {"a", "bb", "ccc"}},
        {"every C white-space character separates", "a\tb\nc\vd\fe\rf", {"a", "b", "c", "d", "e", "f"}},
        {"leading and trailing blanks", "   x   ", {"x"}},
        {"empty single-quoted word", "a '' b", {"a", "", "b"}},
        {"empty double-quoted word", "a \"\" b", {"a", "", "b"}},
        {"single quotes keep blanks and backslashes", "'a b\\c' d", {"a b\\c", "d"}},
        {"double quotes: escaped quote, blank, single quote", "\"say \\\"it's\\\" now\"",
         {"say \"it's\" now"}},
        {"double quotes: escaped backslash", "\"a\\\\b\"", {"a\\b"}},
        {"double quotes: a backslash before an ordinary character is dropped", "\"a\\bc\"", {"abc"}},
        {"quotes inside a plain word are ordinary", "ab'c d'e", {"ab'c", "d'e"}},
        {"double quote inside a plain word", "x\"y z", {"x\"y", "z"}},
        {"unclosed single quote takes the rest", "a 'b c  ", {"a", "b c  "}},
        {"unclosed double quote takes the rest", "a \"b \\\" c", {"a", "b \" c"}},
        {"line ends right after an opening quote", "a '", {"a", ""}},
        {"line ends after a backslash in double quotes", "\"ab\\", {"ab\\"}},
        {"closing quote followed by a tab", "'a'\tb", {"a", "b"}},
        {"closing quote at the end of the line", "x 'a b'", {"x", "a b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitArgs(c.line), c.expected);
    }
}

TEST(SplitArgs, ClosingQuoteFollowedByTextIsASyntaxError)
{
    for (const std::string line : {"'a'b", "x \"a b\"c d", "''x"}) {
        SCOPED_TRACE(line);
        expectError([&] { splitArgs(line); }, {0, 1, 1, 2}, (Messages::format("err_spsepval") % line).str() + "\n");
    }
}

}  // namespace
