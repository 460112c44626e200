#include "web_ui/ComponentsPage.h"

#include "common/Messages.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/NodeScript.h"
#include "tests/common/TestFiles.h"
#include "tests/web_ui/PageReply.h"
#include "web_ui/FormReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kReplies = KW_TEST_DATA_DIR "/web/replies/";
const std::string kProtocol = KW_TEST_DATA_DIR "/backend-protocol/";
const std::string kRequests = KW_TEST_DATA_DIR "/web/requests/";

using Reply = PageReply;

std::string configAsJson(const std::string& replyPath)
{
    Reply reply(replyPath);
    int status = 0;
    const std::string json = scriptValueAsJson(productsConfigScript(reply.first()), &status);
    EXPECT_EQ(0, status) << json;
    return json;
}

TEST(ComponentsPage, ConfigurationOfTheTreeAsTheScriptReadsIt)
{
    const std::string component = R"({"type":"component","id":"%s","name":"%s description","action":"%s",)"
                                  R"("installed":%s,"required":%s,"uninstallSupport":false,)"
                                  R"("markedForInstall":%s,"markedForRemove":%s})";
    auto c = [&](const char* id, const char* action, const char* installed, const char* required,
                 const char* install, const char* remove) {
        std::string text = component;
        for (const char* value : {id, id, action, installed, required, install, remove})
            text.replace(text.find("%s"), 2, value);
        return text;
    };
    const std::string expected =
        R"({"zarni":{"name":"zarni name","uninstall":false,"components":[)" +
        c("base", "up2date", "true", "true", "true", "false") +
        R"(,{"type":"group","id":"web","name":"web description","components":[)" +
        c("nginx", "install", "false", "false", "true", "false") +
        R"(,{"type":"group","id":"extras","name":"extras description","components":[)" +
        c("php", "upgrade", "true", "false", "false", "true") + "]}]}" +
        R"(,{"type":"radiogroup","id":"db","name":"db description","selected":true,"components":[)" +
        c("mariadb", "install", "false", "false", "true", "false") + "," +
        c("pgsql", "install", "false", "false", "false", "false") + "]}" +
        R"(,{"type":"radiogroup","id":"cache","name":"cache description","selected":false,"components":[)" +
        c("redis", "install", "false", "false", "false", "false") + "," +
        c("memcached", "install", "false", "false", "false", "false") + "]}," +
        c("agent", "up2date", "true", "false", "false", "false") + "," +
        c("legacy", "up2date", "true", "false", "false", "false") + "]}," +
        R"("tenebrin":{"name":"tenebrin name","uninstall":false,"components":[)" +
        R"({"type":"group","id":"addons","name":"addons description","components":[]}]}})";
    EXPECT_EQ(expected, configAsJson(kProtocol + "components.xml"));
}

TEST(ComponentsPage, NoProductsGiveAnEmptyConfiguration)
{
    Reply empty(kProtocol + "components-empty.xml");
    EXPECT_EQ("{\n}", productsConfigScript(empty.first()));
    EXPECT_EQ("{\n}", productsConfigScript(xmlbind::Element()));
}

// Names reach the script as HTML text, ids as they are; nothing in the
// literal can end the script element or the string.
TEST(ComponentsPage, HostileNamesStayInsideTheirStrings)
{
    Reply reply(kReplies + "components-hostile.xml");
    const std::string config = productsConfigScript(reply.first());
    for (const char* ending : {"</", "<!--", "<script"}) EXPECT_EQ(std::string::npos, config.find(ending)) << config;
    const std::string hostileHtml = "&quot;&apos;&lt;script&gt;alert(1)&lt;/script&gt;";
    const std::string json = configAsJson(kReplies + "components-hostile.xml");
    EXPECT_NE(std::string::npos, json.find(R"("name":")" + hostileHtml + R"( &lt;/script&gt;")")) << json;
    EXPECT_NE(std::string::npos, json.find(R"("id":"db\"'</script>")")) << json;
    EXPECT_NE(std::string::npos, json.find(R"("id":"maria\"'</script>")")) << json;
    EXPECT_NE(std::string::npos, json.find(R"(&amp;amp; line<br>\ntwo")")) << json;
}

TEST(ComponentsPage, ModeTable)
{
    struct Case {
        ComponentsMode mode;
        const char* intro;
        const char* back;
        const char* headerClass;
        const char* cancel;
        const char* confirm;
        const char* legend;
        const char* legendUpdates;
        const char* updateMode;
        const char* byDefault;
        const char* caption;
        const char* command;
    } cases[] = {
        {ComponentsMode::select, "web_short_or_intro", "inline", "install_upgrade_product",
         "web_cancel_installation", "web_iup_cancel_confirm", "yes", "yes", "false", "true", "web_components_intro",
         "get_components_list"},
        {ComponentsMode::update, "web_update_components_intro", "none", "update_components",
         "web_cancel_updating", "web_uc_cancel_confirm", "no", nullptr, "true", "true", "web_components_update",
         "get_components_for_update"},
        {ComponentsMode::addRemove, "web_add_components_intro", "none", "add_remove_components",
         "web_cancel_modifying", "web_ac_cancel_confirm", "yes", nullptr, "false", "false", "web_components_add",
         "get_components_for_update"},
    };
    for (const Case& c : cases) {
        std::ostringstream name;
        name << c.mode;
        SCOPED_TRACE(name.str());
        for (const bool failed : {false, true}) {
            TemplateVariables variables;
            setComponentsModeVariables(c.mode, failed, variables);
            EXPECT_EQ(Messages::get(c.intro), variables["select_components_intro"]);
            EXPECT_EQ(c.back, variables["back_button_visibility"]);
            EXPECT_EQ(c.headerClass, variables["header_class"]);
            EXPECT_EQ(Messages::get(c.cancel), variables["web_cancel_something"]);
            EXPECT_EQ(Messages::get(c.confirm), variables["cancel_confirm"]);
            EXPECT_EQ(c.legend, variables["show_legend"]);
            EXPECT_EQ(c.legendUpdates != nullptr, variables.count("show_legend_updates") == 1);
            EXPECT_EQ(c.updateMode, variables["var_updateComponentsMode"]);
            EXPECT_EQ(c.byDefault, variables["var_updateComponentsByDefault"]);
            EXPECT_EQ(failed ? "" : Messages::get(c.caption), variables["web_components_caption"]);
            EXPECT_EQ(failed ? "disabled" : "", variables["allow_submit"]);
            EXPECT_STREQ(c.command, componentsListCommand(c.mode));
        }
    }
}

TEST(ComponentsPage, DependencyLists)
{
    Reply reply(kProtocol + "dependencies.xml");
    TemplateVariables variables;
    setDependencyLists(reply.first(), variables);
    EXPECT_EQ("nginx description", variables["dependencies_also_add_list"]);
    EXPECT_EQ("php description", variables["dependencies_also_remove_list"]);
    EXPECT_EQ("legacy description", variables["dependencies_denied_remove_list"]);
    EXPECT_EQ("pgsql description", variables["dependencies_conflict_list"]);
    EXPECT_EQ("yes", variables["show_dependencies_warning"]);

    Reply empty(kProtocol + "dependencies-empty.xml");
    TemplateVariables none;
    setDependencyLists(empty.first(), none);
    EXPECT_TRUE(none.empty());
}

TEST(ComponentsPage, DependencyListsAreJoinedAndEscaped)
{
    const PageReply reply("<kitwright status=\"warning\"><dependencies_info>"
                          "<component id=\"a\" description=\"A &lt;b&gt;\" type=\"install\" />"
                          "<component id=\"b\" description=\"\" type=\"install\" />"
                          "<component id=\"c\" description=\"C\" type=\"install\" />"
                          "<component id=\"d\" description=\"D\" type=\"conflict\" />"
                          "<component id=\"e\" description=\"E\" type=\"other\" />"
                          "</dependencies_info></kitwright>",
                          true);
    TemplateVariables variables;
    setDependencyLists(reply.first(), variables);
    EXPECT_EQ("A &lt;b&gt;, C", variables["dependencies_also_add_list"]);
    EXPECT_EQ("D", variables["dependencies_conflict_list"]);
    EXPECT_EQ(0u, variables.count("dependencies_also_remove_list"));
    EXPECT_EQ(0u, variables.count("dependencies_denied_remove_list"));
}

class ComponentsPageServed : public ::testing::Test {
protected:
    web_ui_test::InProcessFrontEnd frontEnd;
    std::string id = frontEnd.admit();
};

TEST_F(ComponentsPageServed, SelectionRequests)
{
    struct Case {
        const char* name;
        std::string form;
        const char* expected;
    } cases[] = {
        {"two products, marks of each kind, an empty mark and a missing one not sent",
         "product_list=zarni+tenebrin&zarni_components=base+nginx+php+agent+legacy"
         "&zarni_base=install&zarni_nginx=&zarni_php=remove&zarni_agent=leave&tenebrin_components=",
         "component-selection-two-products.xml"},
        {"no product list", "x=1", "component-selection-no-products.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string answer =
            postForm(frontEnd, id, "/select_components.html", c.form, "component_selection", kProtocol + "ok.xml");
        EXPECT_EQ("HTTP/1.1 303 See Other", webserver_test::statusLine(answer));
        EXPECT_EQ("/select_components.html", webserver_test::header(answer, "Location"));
        const std::vector<std::string> requests = frontEnd.backend.requests();
        ASSERT_FALSE(requests.empty());
        EXPECT_EQ(loggedRequest(kRequests + c.expected), requests[0]);
    }
}

TEST_F(ComponentsPageServed, MalformedFormsAreRefusedInTheErrorBox)
{
    struct Case {
        const char* name;
        std::string form;
        std::string shown;
    } cases[] = {
        {"a quote not followed by a blank", "product_list=%22zarni%22x", "&quot;zarni&quot;x"},
        {"a mark longer than its buffer",
         "product_list=zarni&zarni_components=base&zarni_base=" + std::string(64, 'i'), "&apos;zarni_base&apos;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string page = webserver_test::body(
            postForm(frontEnd, id, "/update_components.html", c.form, "component_selection", kProtocol + "ok.xml"));
        EXPECT_NE(std::string::npos, page.find("<div class=\"msg-error\">")) << page;
        EXPECT_NE(std::string::npos, page.find(c.shown)) << page;
        EXPECT_NE(std::string::npos, page.find("<button type=\"submit\" class=\"button\" disabled>")) << page;
        EXPECT_EQ(std::vector<std::string>{}, frontEnd.backend.commands());
    }
}

TEST_F(ComponentsPageServed, PagesOfTheThreeModes)
{
    struct Case {
        const char* path;
        const char* command;
        const char* back;
    } cases[] = {
        {"/select_components.html", "get_components_list", "display: inline"},
        {"/update_components.html", "get_components_for_update", "display: none"},
        {"/add_components.html", "get_components_for_update", "display: none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        frontEnd.backend.reply(c.command, kProtocol + "components.xml");
        frontEnd.backend.forgetRequests();
        const std::string page = webserver_test::body(frontEnd.get(c.path, id));
        EXPECT_EQ(std::vector<std::string>{c.command}, frontEnd.backend.commands());
        EXPECT_NE(std::string::npos, page.find(std::string("style=\"") + c.back + "\"")) << page;
        EXPECT_NE(std::string::npos, page.find("\"zarni\": {name: \"zarni name\"")) << page;
        EXPECT_EQ(std::string::npos, page.find("msg-error")) << page;
    }
}

TEST_F(ComponentsPageServed, DependencyWarningAfterAWarningReply)
{
    const std::string page = webserver_test::body(postForm(frontEnd, id, "/select_components.html",
                                                           "product_list=zarni&zarni_components=nginx&zarni_nginx=install",
                                                           "component_selection", kProtocol + "dependencies.xml"));
    EXPECT_NE(std::string::npos, page.find("<b>nginx description</b>")) << page;
    EXPECT_NE(std::string::npos, page.find("<b>pgsql description</b>")) << page;
    EXPECT_NE(std::string::npos, page.find(Messages::get("web_components_deps_conflict_intro"))) << page;
}

}  // namespace
