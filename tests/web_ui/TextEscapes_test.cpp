#include "web_ui/TextEscapes.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEscapes, HtmlTextTable)
{
    struct Case {
        const char* name;
        std::string text;
        std::string html;
    } cases[] = {
        {"carriage return and line feed are two breaks", "a<b\r\nc", "a&lt;b<br/>\n<br/>\nc"},
        {"line feed and carriage return are one break", "a\n\rb", "a<br/>\nb"},
        {"reserved characters", "\"'<>&", "&quot;&apos;&lt;&gt;&amp;"},
        {"other control bytes", std::string("a\tb\x01", 4), "a&#x09;b&#x01;"},
        {"a hexadecimal reference passes", "&#x41;&#x1F600;", "&#x41;&#x1F600;"},
        {"a loose reference is escaped", "&#x<b>;", "&amp;#x&lt;b&gt;;"},
        {"a reference without its end", "&#x41", "&amp;#x41"},
        {"a decimal reference is escaped", "&#65;", "&amp;#65;"},
        {"UTF-8 stays", "\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.html, escapeHtmlText(c.text));
    }
}

TEST(TextEscapes, AttributeKeepsLineEndsAsReferences)
{
    EXPECT_EQ("&quot; onclick=&apos;x&apos;&#x0A;&lt;", escapeHtmlAttribute("\" onclick='x'\n<"));
}

TEST(TextEscapes, JavaScriptStringTable)
{
    struct Case {
        const char* name;
        std::string text;
        std::string literal;
    } cases[] = {
        {"plain", "abc", "\"abc\""},
        {"quotes and backslash", "a\"b\\c'd", "\"a\\\"b\\\\c\\u0027d\""},
        {"script end", "</script><!--", "\"\\u003C/script\\u003E\\u003C!--\""},
        {"ampersand", "a&b", "\"a\\u0026b\""},
        {"line ends and controls", std::string("a\nb\r\t\x01", 6), "\"a\\nb\\r\\t\\u0001\""},
        {"line separators", "a\xe2\x80\xa8" "b\xe2\x80\xa9", "\"a\\u2028b\\u2029\""},
        {"other UTF-8", "\xe2\x82\xac", "\"\xe2\x82\xac\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.literal, escapeJavaScriptString(c.text));
    }
}

TEST(TextEscapes, UrlPart)
{
    EXPECT_EQ("a%20b%26c%3Dd%2F%3F~-._", escapeUrlPart("a b&c=d/?~-._"));
}

}  // namespace
