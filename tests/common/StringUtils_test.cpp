#include "common/StringUtils.h"

#include "common/Messages.h"
#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

const char conversionLine[] = "Converting to boolean: '";

TEST(StringUtils, StrToBoolTable)
{
    struct Case {
        const char* text;
        bool expected;
        bool logged;
    } cases[] = {
        {"true", true, false},   {"1", true, false},      {"yes", true, false},   {"on", true, false},
        {"", false, false},      {"false", false, false}, {"0", false, false},    {"no", false, false},
        {"off", false, false},   {"TRUE", false, true},   {" yes", false, true},  {"Yes", false, true},
        {"2", false, true},      {"enabled", false, true}, {"yes ", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        CapturedLog log(2);
        EXPECT_EQ(strToBool(std::string(c.text)), c.expected);
        if (c.logged)
            EXPECT_EQ(log.text(), std::string(conversionLine) + c.text + "' has been converted to 'false'\n");
        else
            EXPECT_EQ(log.text(), "");
        EXPECT_EQ(strToBool(c.text), c.expected);
    }
    EXPECT_FALSE(strToBool(static_cast<const char*>(nullptr)));
}

TEST(StringUtils, StrToLongAcceptsOneSignAndDigits)
{
    struct Case {
        const char* text;
        std::int64_t expected;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"+5", 5},
        {"-17", -17},
        {"007", 7},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strToLong(c.text), c.expected);
    }
}

TEST(StringUtils, StrToLongRejectsEverythingElse)
{
    const char* cases[] = {"5 ", " 5", "12-3", "--", "-", "+", "+-1", "abc", "1e3", "0x10", "1.5",
                           "9223372036854775808", "-9223372036854775809"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        expectError([&] { strToLong(text); }, {0, 0, 0, 0}, Messages::get("err_non_digit") + "\n");
    }
}

TEST(StringUtils, TrimmingTable)
{
    struct Case {
        const char* text;
        const char* trimmed;
        const char* right;
    } cases[] = {
        {"", "", ""},
        {"   ", "", ""},
        {" \f\n\r\t\v", "", ""},
        {"  a b  ", "a b", "  a b"},
        {"\tx\n", "x", "\tx"},
        {"inner  blanks", "inner  blanks", "inner  blanks"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(trim(c.text), c.trimmed);
        EXPECT_EQ(trimRight(c.text), c.right);
        char buffer[64];
        std::strcpy(buffer, c.text);
        trimCString(buffer);
        EXPECT_STREQ(buffer, c.trimmed);
    }
    trimCString(nullptr);
}

TEST(StringUtils, ChompNewlineRemovesOnlyOneNewline)
{
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {{"", ""}, {"a\n", "a"}, {"a\n\n", "a\n"}, {"a\r", "a\r"}, {"a\r\n", "a\r"}, {"\n", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        char buffer[16];
        std::strcpy(buffer, c.text);
        chompNewline(buffer);
        EXPECT_STREQ(buffer, c.expected);
    }
}

TEST(StringUtils, SmallTextHelpers)
{
    std::string text = "MiXeD 123 Ä";
    toLower(text);
    EXPECT_EQ(text, "mixed 123 Ä");

    EXPECT_TRUE(endsWith("package.rpm", ".rpm"));
    EXPECT_TRUE(endsWith("x", ""));
    EXPECT_TRUE(endsWith("", ""));
    EXPECT_FALSE(endsWith("rpm", ".rpm"));
    EXPECT_FALSE(endsWith("package.deb", ".rpm"));

    EXPECT_EQ(beforeFirstDot("8.6.1"), "8");
    EXPECT_EQ(beforeFirstDot("12"), "12");
    EXPECT_EQ(beforeFirstDot(".5"), "");
}

TEST(StringUtils, SplitListTable)
{
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> expected;
    } cases[] = {
        {"empty", "", {}},
        {"one", "a", {"a"}},
        {"trimmed", " a , b ", {"a", "b"}},
        {"quoted comma", "\"a,b\"", {"a,b"}},
        {"quotes inside a field", "x\"y,z\"w,v", {"xy,zw", "v"}},
        {"escapes", "a\\,b,c\\\\d,e\\\"f,g\\nh", {"a,b", "c\\d", "e\"f", "g\nh"}},
        {"only commas and blanks", " , ,, ", {}},
        {"empty ends dropped", ",,a,b,,", {"a", "b"}},
        {"inner empty stays", "a, ,b", {"a", "", "b"}},
        {"trailing comma", "a,", {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitList(c.text), c.expected);
    }
}

TEST(StringUtils, SplitListEscapeFailures)
{
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {{"a\\x", "unknown escape sequence"}, {"a\\", "cannot end with escape"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            splitList(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(StringUtils, EscapingTables)
{
    struct Case {
        std::string text;
        std::string js;
        std::string br;
        std::string quoted;
        std::string saved;  // escapeQuoted: UTF-8 bytes as themselves
    } cases[] = {
        {"", "\"\"", "", "\"\"", "\"\""},
        {"plain", "\"plain\"", "plain", "\"plain\"", "\"plain\""},
        {"a\nb", "\"a<br>\\nb\"", "a<br />\nb", "\"a\\x0ab\"", "\"a\\x0ab\""},
        {"a\r\nb", "\"a<br>\\nb\"", "a<br />\nb", "\"a\\x0d\\x0ab\"", "\"a\\x0d\\x0ab\""},
        {"\t\f", "\"\\t\\f\"", "\t\f", "\"\\x09\\x0c\"", "\"\\x09\\x0c\""},
        {"<\"&'>", "\"&lt;&quot;&amp;&apos;&gt;\"", "<\"&'>", "\"<\\\"&'>\"", "\"<\\\"&'>\""},
        {"a/b\\c", "\"a\\/b\\\\c\"", "a/b\\c", "\"a/b\\\\c\"", "\"a/b\\\\c\""},
        {std::string("\x01x", 2), "\"x\"", std::string("\x01x", 2), "\"\\x01x\"", "\"\\x01x\""},
        {"\xc8", "\"\xc8\"", "\xc8", "\"\\xc8\"", "\"\xc8\""},
        {"caf\xc3\xa9", "\"caf\xc3\xa9\"", "caf\xc3\xa9", "\"caf\\xc3\\xa9\"", "\"caf\xc3\xa9\""},
        {"\x7f", "\"\x7f\"", "\x7f", "\"\\x7f\"", "\"\\x7f\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(quoteString(c.text));
        EXPECT_EQ(jsQuote(c.text), c.js);
        EXPECT_EQ(nl2br(c.text), c.br);
        EXPECT_EQ(quoteString(c.text), c.quoted);
        EXPECT_EQ(escapeQuoted(c.text), c.saved);
    }
}

TEST(StringUtils, ShellQuoteReachesTheCommandUnchanged)
{
    const std::string cases[] = {
        "",
        "plain",
        "two words",
        "$(echo injected)",
        "`echo injected`",
        "it's",
        "'",
        "''\\''",
        "\"double\" and \\backslash\\",
        "line one\nline two\n",
        "; echo injected; #",
        "* ? [a] ~ $HOME ${PATH} & | > < !",
        "\t\r\x01\xc8\xff",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(quoteString(text));
        int status = 0;
        // popen hands the line to "/bin/sh -c" as it is.
        const std::string received = commandOutput("printf %s " + shellQuote(text), &status);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(received, text);
    }
}

// Agrees with Python's quoting of a query value (nothing but the unreserved
// characters kept), for text and for every byte value.
TEST(StringUtils, PercentEncodeAgreesWithPython)
{
    EXPECT_EQ(percentEncode("18.0.61 beta&x=1 #2"), "18.0.61%20beta%26x%3D1%20%232");
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    const std::string hex = [&] {
        std::string text;
        static const char digits[] = "0123456789abcdef";
        for (const char c : everyByte) {
            text += digits[static_cast<unsigned char>(c) >> 4];
            text += digits[static_cast<unsigned char>(c) & 0x0f];
        }
        return text;
    }();
    int status = 0;
    const std::string python = commandOutput(
        "python3 -c 'import sys, urllib.parse; sys.stdout.write(urllib.parse.quote(bytes.fromhex(sys.argv[1]), "
        "safe=\"\"))' " + hex, &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(percentEncode(everyByte), python);
    EXPECT_EQ(percentEncode(""), "");
}

}  // namespace

TEST(StringUtils, Base64AgreesWithTheBase64Tool)
{
    TempDir dir;
    for (const std::size_t size : {0u, 1u, 2u, 3u, 56u, 57u, 58u, 200u}) {
        SCOPED_TRACE(size);
        std::string data;
        for (std::size_t at = 0; at < size; ++at) data += static_cast<char>((at * 37 + 11) & 0xff);
        std::ofstream(dir.path() + "/data", std::ios::binary) << data;
        // The tool wraps with a plain line feed after every 76 characters.
        std::string expected = commandOutput("base64 -w 76 " + dir.path() + "/data");
        std::string::size_type at = 0;
        while ((at = expected.find('\n', at)) != std::string::npos) {
            expected.replace(at, 1, "\r\n");
            at += 2;
        }
        // A final partial line carries no line end of ours.
        const std::size_t characters = (size + 2) / 3 * 4;
        if (characters % 76 != 0 && expected.size() >= 2) expected.erase(expected.size() - 2);
        EXPECT_EQ(base64Encode(data, 76), expected);
        std::string unwrapped = base64Encode(data);
        EXPECT_EQ(unwrapped.find('\r'), std::string::npos);
    }
}
