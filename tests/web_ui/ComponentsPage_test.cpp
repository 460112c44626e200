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

FormReader formOf(const std::string& body)
{
    return [body](const std::string& name, std::size_t capacity) { return readFormVariable(body, name, capacity); };
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
        ComponentsPageMode mode;
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
        {ComponentsPageMode::select, "web_short_or_intro", "inline", "install_upgrade_product",
         "web_cancel_installation", "web_iup_cancel_confirm", "yes", "yes", "false", "true", "web_components_intro",
         "get_components_list"},
        {ComponentsPageMode::update, "web_update_components_intro", "none", "update_components",
         "web_cancel_updating", "web_uc_cancel_confirm", "no", nullptr, "true", "true", "web_components_update",
         "get_components_for_update"},
        {ComponentsPageMode::addRemove, "web_add_components_intro", "none", "add_remove_components",
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

TEST(ComponentsPage, SelectionRequests)
{
    struct Case {
        const char* name;
        std::string body;
        const char* expected;
    } cases[] = {
        {"two products, marks of each kind, an empty mark and a missing one not sent",
         "csrf_token=t&product_list=zarni+tenebrin&zarni_components=base+nginx+php+agent+legacy"
         "&zarni_base=install&zarni_nginx=&zarni_php=remove&zarni_agent=leave&tenebrin_components=",
         "component-selection-two-products.xml"},
        {"no product list", "csrf_token=t", "component-selection-no-products.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readFile(kRequests + c.expected), componentSelectionRequest(formOf(c.body)));
    }
}

TEST(ComponentsPage, MalformedFormsAreRefused)
{
    expectError([] { componentSelectionRequest(formOf("product_list=%22zarni%22x")); }, {0, 1, 1, 2},
                ::testing::HasSubstr("'\"zarni\"x'"));
    const std::string longId(70, 'x');
    expectError([&] {
        componentSelectionRequest(formOf("product_list=zarni&zarni_components=" + longId + "&zarni_" + longId + "=" +
                                         std::string(64, 'i')));
    },
                {2, 1, 1, 1}, ::testing::HasSubstr("zarni_" + longId));
}

}  // namespace
