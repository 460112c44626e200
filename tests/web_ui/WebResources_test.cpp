#include "web_ui/WebResources.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/TestFiles.h"
#include "tests/common/XmlLint.h"
#include "web_ui/TemplateRenderer.h"
#include "web_ui/TextEscapes.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kWeb = KW_SOURCE_DIR "/resources/web";
const std::string kHostile = "\"'<x>&";

// The names of the variables a template's tags use ({@x}, {#x}, {^x}, {/x}).
std::set<std::string> variablesOf(const std::string& text)
{
    static const std::regex tag(R"(\{[@#^/]([^\s}]{1,128})\})");
    std::set<std::string> names;
    for (std::sregex_iterator it(text.begin(), text.end(), tag), end; it != end; ++it) names.insert((*it)[1]);
    return names;
}

// Variables whose slot is inside a start tag (a bare attribute such as
// "disabled"), and those whose slot is the document head (a meta element):
// page code puts markup of that kind there, so the hostile text goes in as an
// attribute or an element of that kind.
const std::set<std::string> kAttributeSlots = {
    "source_controls_disabled", "source_type_official_selected", "source_type_mirror_selected",
    "source_type_local_selected", "use_proxy", "proxy_auth", "submit_disabled", "allow_submit"};
const std::set<std::string> kHeadSlots = {"meta_refresh"};

// Every variable set to the hostile text in the form page code gives it for
// the variable's place: escaped.
TemplateVariables hostileVariables(const std::string& text)
{
    const std::string escaped = escapeHtmlAttribute(kHostile);
    TemplateVariables variables;
    for (const std::string& name : variablesOf(text)) {
        if (kAttributeSlots.count(name))
            variables[name] = "data-hostile=\"" + escaped + "\"";
        else if (kHeadSlots.count(name))
            variables[name] = "<meta http-equiv=\"refresh\" content=\"60; url=summary.html?" + escaped + "\">";
        else
            variables[name] = escaped;
    }
    return variables;
}

std::string render(const std::string& text, TemplateVariables& variables, std::string* log)
{
    std::vector<char> block(1 << 20);
    CapturedLog captured(3);
    TemplateRenderer renderer(block.data(), block.size());
    const std::size_t written = renderer.render(text, variables);
    *log = captured.text();
    return std::string(block.data(), written);
}

// The HTML parser's complaints other than the names of HTML5 elements it does
// not know.
std::string htmlErrors(const std::string& page)
{
    static const std::set<std::string> html5 = {"header", "footer", "nav", "section", "article", "main", "aside"};
    static const std::regex unknownTag(R"(HTML parser error : Tag (\w+) invalid)");
    std::istringstream lines(XmlLint(page).htmlComplaints());
    std::string line, errors;
    bool keep = false;
    while (std::getline(lines, line)) {
        if (line.find("parser error") != std::string::npos) {
            std::smatch tag;
            keep = !(std::regex_search(line, tag, unknownTag) && html5.count(tag[1]));
        }
        if (keep) errors += line + "\n";
    }
    return errors;
}

std::string warningLines(const std::string& log)
{
    std::istringstream lines(log);
    std::string line, warnings;
    while (std::getline(lines, line))
        if (line.find("Warning:") != std::string::npos || line.find("Error:") != std::string::npos)
            warnings += line + "\n";
    return warnings;
}

TEST(WebResources, HtmlCheckSeesBrokenMarkupButNotHtml5Names)
{
    EXPECT_NE("", htmlErrors("<!DOCTYPE html><html><body><p class=\"a\"b\">x & y</p></body></html>"));
    EXPECT_EQ("", htmlErrors("<!DOCTYPE html><html><head><title>t</title></head><body><header>x</header>"
                             "<footer>y</footer></body></html>"));
}

TEST(WebResources, TemplatesAreTheFilesOfResources)
{
    for (PageTemplate page : kPageTemplates) {
        SCOPED_TRACE(pageTemplateFile(page));
        EXPECT_EQ(readFile(kWeb + "/templates/" + pageTemplateFile(page)), std::string(pageTemplate(page)));
    }
}

TEST(WebResources, TemplatesRenderToValidHtml)
{
    for (PageTemplate page : kPageTemplates) {
        const std::string text(pageTemplate(page));
        for (bool hostile : {false, true}) {
            SCOPED_TRACE(std::string(pageTemplateFile(page)) + (hostile ? " with hostile values" : " with no values"));
            TemplateVariables variables = hostile ? hostileVariables(text) : TemplateVariables();
            std::string log;
            const std::string output = render(text, variables, &log);
            EXPECT_EQ(std::string::npos, output.find("_(non_localized)"));
            EXPECT_EQ("", warningLines(log));
            EXPECT_EQ("", htmlErrors(output));
            if (hostile) {
                EXPECT_EQ(std::string::npos, output.find(kHostile));
            }
        }
    }
}

TEST(WebResources, EveryTemplateShowsTheMessageBoxesFirst)
{
    for (PageTemplate page : kPageTemplates) {
        SCOPED_TRACE(pageTemplateFile(page));
        const std::string text(pageTemplate(page));
        EXPECT_NE(std::string::npos, text.find("<div class=\"content\">\n{@error_message}\n"));
    }
}

TEST(WebResources, OnlyTheFirstLoginFormLacksTheCsrfToken)
{
    for (PageTemplate page : kPageTemplates) {
        SCOPED_TRACE(pageTemplateFile(page));
        const std::string text(pageTemplate(page));
        const bool hasForm = text.find("<form method=\"post\"") != std::string::npos ||
                             text.find("method=\"post\" action=\"\"") != std::string::npos;
        const bool hasToken = text.find("name=\"csrf_token\" value=\"{@csrf_token}\"") != std::string::npos;
        if (page == PageTemplate::login) {
            EXPECT_FALSE(hasToken);
        } else if (hasForm) {
            EXPECT_TRUE(hasToken);
        }
    }
    EXPECT_NE(std::string::npos, std::string(pageTemplate(PageTemplate::loginFailed)).find("{web_bad_login}"));
}

TEST(WebResources, StyleSheetLoadsNothingFromOutside)
{
    const std::string css(kStaticFiles[kStaticFileCount - 4].bytes);
    EXPECT_STREQ("/css/style.css", kStaticFiles[kStaticFileCount - 4].uri);
    EXPECT_EQ(std::string::npos, css.find("@import"));
    EXPECT_EQ(std::string::npos, css.find("//"));
    // Every picture it names is one the front end serves.
    static const std::regex picture(R"(url\(\.\./(images/[^)]+)\))");
    std::set<std::string> served;
    for (std::size_t i = 0; i < kStaticFileCount; ++i) served.insert(kStaticFiles[i].uri);
    for (std::sregex_iterator it(css.begin(), css.end(), picture), end; it != end; ++it) {
        SCOPED_TRACE((*it)[1].str());
        EXPECT_EQ(1u, served.count("/" + (*it)[1].str()));
    }
}

TEST(WebResources, StaticFileTable)
{
    ASSERT_EQ(50u, kStaticFileCount);
    std::size_t gifs = 0, pngs = 0;
    for (std::size_t i = 0; i < kStaticFileCount; ++i) {
        const std::string uri = kStaticFiles[i].uri;
        gifs += uri.size() > 4 && uri.compare(uri.size() - 4, 4, ".gif") == 0;
        pngs += uri.size() > 4 && uri.compare(uri.size() - 4, 4, ".png") == 0;
    }
    EXPECT_EQ(11u, gifs);
    EXPECT_EQ(35u, pngs);
    EXPECT_STREQ("/images/collapse.gif", kStaticFiles[0].uri);
    EXPECT_STREQ("/images/arr_collapse.png", kStaticFiles[11].uri);
    EXPECT_STREQ("/js/gui.js", kStaticFiles[47].uri);
    EXPECT_STREQ("/js/prototype.js", kStaticFiles[48].uri);
    EXPECT_EQ(readFile(KW_PROTOTYPE_JS), std::string(kStaticFiles[48].bytes));
    EXPECT_NE(std::string::npos, kStaticFiles[48].bytes.find("Version: '1.7"));
    EXPECT_STREQ("/js/components.js", kStaticFiles[49].uri);
}

}  // namespace
