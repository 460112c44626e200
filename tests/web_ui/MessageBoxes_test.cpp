#include "web_ui/MessageBoxes.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxes, LinkifyTable)
{
    struct Case {
        const char* name;
        std::string text;
        std::string html;
    } cases[] = {
        {"address stops at the blank", "See https://zarni.example/kb?a=1&b=2 for help.",
         "See <a href=\"https://zarni.example/kb?a=1&b=2\" target=\"_blank\">https://zarni.example/kb?a=1&b=2</a> for "
         "help."},
        {"two addresses", "http://a.example http://b.example/x",
         "<a href=\"http://a.example\" target=\"_blank\">http://a.example</a> "
         "<a href=\"http://b.example/x\" target=\"_blank\">http://b.example/x</a>"},
        {"bare scheme", "http://", "<a href=\"http://\" target=\"_blank\">http://</a>"},
        {"quote ends the address", "http://a.example/\"onmouseover=x",
         "<a href=\"http://a.example/\" target=\"_blank\">http://a.example/</a>\"onmouseover=x"},
        {"no address", "ftp://a.example", "ftp://a.example"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.html, linkify(c.text));
    }
}

TEST(MessageBoxes, ErrorHidesTheWarnings)
{
    TemplateVariables variables;
    fillMessageBoxes(variables,
                     {{PageWarning::frontEnd, "<b>box</b>"}, {PageWarning::backEnd, "careful"}},
                     "failed <here>\nsee http://zarni.example");
    EXPECT_EQ("\t<div class=\"msg-error\">failed &lt;here&gt;<br/>\nsee http://zarni.example\t</div>\n",
              variables["error_message"]);
}

TEST(MessageBoxes, BackEndWarningIsEscapedFrontEndBoxPasses)
{
    TemplateVariables variables{{"error_message", "before\n"}};
    fillMessageBoxes(variables,
                     {{PageWarning::backEnd, "<script>alert(1)</script>\nsee https://zarni.example/x"},
                      {PageWarning::frontEnd, ""},
                      {PageWarning::frontEnd, "  <div class=\"x\">no\nchange</div>"},
                      {PageWarning::frontEnd, "line one\r\nline two at http://zarni.example"}},
                     "");
    EXPECT_EQ("before\n"
              "\t<div class=\"msg-warning\">&lt;script&gt;alert(1)&lt;/script&gt;<br/>\n"
              "see <a href=\"https://zarni.example/x\" target=\"_blank\">https://zarni.example/x</a>\t</div>\n"
              "\t<div class=\"msg-warning\">  <div class=\"x\">no\nchange</div>\t</div>\n"
              "\t<div class=\"msg-warning\">line one<br />\nline two at "
              "<a href=\"http://zarni.example\" target=\"_blank\">http://zarni.example</a>\t</div>\n",
              variables["error_message"]);
}

TEST(MessageBoxes, NothingToShowLeavesTheVariableEmpty)
{
    TemplateVariables variables;
    fillMessageBoxes(variables, {{PageWarning::backEnd, ""}}, "");
    EXPECT_EQ("", variables["error_message"]);
}

}  // namespace
