#include "web_ui/TemplateRenderer.h"

#include "common/Messages.h"
#include "tests/common/CapturedLog.h"
#include "webserver/kwhttpd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kSkip = "Warning: send_html_chunk() skipped what looks like a tag, but does not conform to constraints: '";
const std::string kUnresolved = "Notice: send_html_chunk() encountered unresolved tag reference: '";
const std::string kBracket = "Warning: send_html_chunk() encountered invalid bracket sequence: expecting '";
const std::string kUnclosed = "Warning: send_html_chunk() has conditions stack in invalid state upon completion\n";

struct Rendering {
    std::string output;
    std::string log;
};

Rendering render(const std::string& templateText, TemplateVariables& variables, std::size_t capacity = 4096)
{
    std::vector<char> block(capacity);
    CapturedLog log(3);
    TemplateRenderer renderer(block.data(), block.size());
    const std::size_t written = renderer.render(templateText, variables);
    EXPECT_EQ(written, renderer.used());
    return {std::string(block.data(), written), log.text()};
}

// The log text without the time stamps the destinations put in front.
std::string withoutTimes(const std::string& log)
{
    std::string result;
    std::size_t at = 0;
    while (at < log.size()) {
        std::size_t end = log.find('\n', at);
        end = end == std::string::npos ? log.size() : end + 1;
        std::string line = log.substr(at, end - at);
        if (!line.empty() && line[0] == '[') line.erase(0, line.find("] ") + 2);
        result += line;
        at = end;
    }
    return result;
}

TEST(TemplateRenderer, Table)
{
    const std::string name128(128, 'n');
    const std::string name129(129, 'n');
    struct Case {
        const char* name;
        std::string templateText;
        TemplateVariables variables;
        std::string output;
        std::string log;
    } cases[] = {
        {"section x=yes", "{#x}{@y}{/x}", {{"x", "yes"}, {"y", "1"}}, "1", ""},
        {"section x=1", "{#x}{@y}{/x}", {{"x", "1"}, {"y", "1"}}, "1", ""},
        {"section x=No is true", "{#x}{@y}{/x}", {{"x", "No"}, {"y", "1"}}, "1", ""},
        {"section x=true", "{#x}{@y}{/x}", {{"x", "true"}, {"y", "1"}}, "1", ""},
        {"section x=no", "{#x}{@y}{/x}", {{"x", "no"}, {"y", "1"}}, "", ""},
        {"section x=0", "{#x}{@y}{/x}", {{"x", "0"}, {"y", "1"}}, "", ""},
        {"section x=false", "{#x}{@y}{/x}", {{"x", "false"}, {"y", "1"}}, "", ""},
        {"section x empty", "{#x}{@y}{/x}", {{"x", ""}, {"y", "1"}}, "", ""},
        {"inverted section, x missing", "{^x}a{/x}", {}, "a", kUnresolved + "^x'\n"},
        {"unset variable noted once", "[{@x}]{#x}hidden{/x}", {}, "[]", kUnresolved + "@x'\n"},
        {"nested sections", "{#a}x{^b}y{/b}{/a}", {{"a", "1"}, {"b", ""}}, "xy", ""},
        {"nested, inner true", "{#a}x{^b}y{/b}{/a}", {{"a", "1"}, {"b", "1"}}, "x", ""},
        {"comment", "a{! {@x} {#y} !}b", {}, "ab", ""},
        {"shortest comment", "a{!!}b", {}, "ab", ""},
        {"tag right after a comment", "{!x!}{@y}", {{"y", "v"}}, "v", ""},
        {"unclosed comment hides the rest", "a{! b {@y}", {{"y", "v"}}, "a", ""},
        {"script brace", "function f() {\n  return 1;\n}", {}, "function f() {\n  return 1;\n}", ""},
        {"blank inside braces", "{ab cd}", {}, "{ab cd}", kSkip + "ab'\n"},
        {"empty braces", "{}{#}{ ", {}, "{}{#}{ ", ""},
        {"brace at the end", "a{", {}, "a{", ""},
        {"unterminated name", "a{@xy", {}, "a{@xy", kSkip + "xy'\n"},
        {"values are not scanned again", "{@x}", {{"x", "{@y}"}}, "{@y}", ""},
        {"values are not escaped", "{@x}", {{"x", "<b>&"}}, "<b>&", ""},
        {"128-byte name", "{@" + name128 + "}", {{name128, "v"}}, "v", ""},
        {"129-byte name", "{@" + name129 + "}", {{name129, "v"}}, "{@" + name129 + "}", kSkip + name128 + "'\n"},
        {"stray section end", "a{/x}b", {{"x", ""}}, "ab", kBracket + "', got 'x'\n"},
        {"mismatched end keeps the section open", "{#a}1{/b}2", {{"a", "1"}, {"b", ""}}, "12",
         kBracket + "a', got 'b'\n" + kUnclosed},
        {"unclosed section", "{#a}1", {{"a", "1"}}, "1", kUnclosed},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Rendering result = render(c.templateText, c.variables);
        EXPECT_EQ(c.output, result.output);
        EXPECT_EQ(c.log, withoutTimes(result.log));
    }
}

TEST(TemplateRenderer, MessageTagsInsertTheCurrentLanguagesText)
{
    TemplateVariables variables;
    const Rendering result = render("<title>{web_caption}</title>{no_such_key_here}", variables);
    EXPECT_EQ("<title>" + Messages::get("web_caption") + "</title>" + Messages::get("no_such_key_here"),
              result.output);
    // The catalogue's own note on the missing key; the renderer adds none.
    EXPECT_EQ("Warning: unlocalized key no_such_key_here\n", withoutTimes(result.log));
}

TEST(TemplateRenderer, UnsetVariableIsAddedEmpty)
{
    TemplateVariables variables{{"a", "1"}};
    render("{@b}{#c}{/c}", variables);
    EXPECT_EQ((TemplateVariables{{"a", "1"}, {"b", ""}, {"c", ""}}), variables);
}

TEST(TemplateRenderer, FullBlockCutsThePageAndSaysSo)
{
    TemplateVariables variables{{"x", "0123456789"}};
    const Rendering result = render("ab{@x}cd{#x}ef{/x}", variables, 6);
    EXPECT_EQ("ab0123", result.output);
    EXPECT_EQ("Warning: send_html_chunk() filled the output block of 6 bytes; the page is cut there\n",
              withoutTimes(result.log));
}

TEST(TemplateRenderer, ExactFitIsNoCut)
{
    TemplateVariables variables{{"x", "12"}};
    const Rendering result = render("ab{@x}", variables, 4);
    EXPECT_EQ("ab12", result.output);
    EXPECT_EQ("", withoutTimes(result.log));
}

TEST(TemplateRenderer, SendHtmlChunkWritesAfterWhatTheBlockHolds)
{
    std::vector<char> block(16, '\0');
    kwhttpd_arg arg{};
    arg.out.buf = block.data();
    arg.out.len = static_cast<int>(block.size());
    arg.out.num_bytes = 3;
    TemplateVariables variables{{"v", "xyz"}};
    const std::string page = "<{@v}>";
    EXPECT_EQ(5, send_html_chunk(&arg, page.data(), page.size(), variables));
    EXPECT_EQ(8, arg.out.num_bytes);
    EXPECT_EQ("<xyz>", std::string(block.data() + 3, 5));
    EXPECT_EQ(0u, arg.flags);

    // A second chunk follows the first; the block's end cuts it.
    const std::string more = "{@v}{@v}{@v}";
    EXPECT_EQ(8, send_html_chunk(&arg, more.data(), more.size(), variables));
    EXPECT_EQ(16, arg.out.num_bytes);
    EXPECT_EQ("<xyz>xyzxyzxy", std::string(block.data() + 3, 13));
}

}  // namespace
