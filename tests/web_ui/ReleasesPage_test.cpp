#include "web_ui/ReleasesPage.h"

#include "common/Messages.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/NodeScript.h"
#include "tests/common/TestFiles.h"
#include "tests/web_ui/PageReply.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const std::string kReplies = KW_TEST_DATA_DIR "/web/replies/";
const std::string kProtocol = KW_TEST_DATA_DIR "/backend-protocol/";
const std::string kRequests = KW_TEST_DATA_DIR "/web/requests/";

struct Page {
    TemplateVariables variables;
    std::vector<PageWarning> warnings;
};

Page pageOf(const PageReply& reply, ReleasesMode mode = ReleasesMode::products)
{
    Page page;
    setReleasesPageVariables(mode, reply.status(), reply.first(), page.warnings, page.variables);
    return page;
}

std::string product(const std::string& attributes, const std::string& releases)
{
    return "<kitwright status=\"ok\"><products><product name=\"Tenebrin\" id=\"tenebrin\" " + attributes +
           "><releases>" + releases + "</releases></product></products></kitwright>";
}

std::string release(const std::string& id, const std::string& version, const std::string& more = "",
                    const std::string& content = "")
{
    return "<release id=\"" + id + "\" version=\"" + version + "\" codename=\"c" + id + "\" " + more + ">" +
           content + "</release>";
}

const std::string kTypes = "<installation_types><type name=\"Full\" description=\"All of it\" />"
                           "<type name=\"Custom\" description=\"Your choice\" /></installation_types>";

TEST(ReleasesPage, InstalledProductIsOfferedOnlyNewerReleases)
{
    const Page page = pageOf(PageReply(kProtocol + "releases-installed-selected.xml"));
    const std::string& rows = page.variables.at("products_list");
    EXPECT_THAT(rows, HasSubstr("<div><strong>Zarni &amp; Co Alder</strong></div>"));
    EXPECT_THAT(rows, HasSubstr("<div>" + Messages::get("web_product_version") + " 1.0.0</div>"));
    EXPECT_THAT(rows, HasSubstr("<th>" + Messages::get("web_upgrade_to") + "</th>"));
    EXPECT_THAT(rows, HasSubstr("url('/get_enabled_product_icon?prod_id=zarni');"));
    EXPECT_THAT(rows, HasSubstr("<option value=\"zarni-1.1\" selected=\"\" >Zarni 1.1 (stable)</option>"));
    EXPECT_THAT(rows, Not(HasSubstr("zarni-1.0")));
    // One release: its label shown, the select hidden; the installed release's
    // installation types are not offered.
    EXPECT_THAT(rows, HasSubstr("<label>Zarni 1.1 (stable)</label>"));
    EXPECT_THAT(rows, HasSubstr("<select disabled=\"\" name=\"rel_zarni\" id=\"rels_zarni\" hidden=\"\" >"));
    EXPECT_THAT(rows, HasSubstr("<a href=\"https://www.zarni.example/notes/1.1\" target=\"_blank\">"));
    EXPECT_THAT(rows, Not(HasSubstr("itypes_")));
    EXPECT_THAT(rows, HasSubstr("checked=\"\" value=\"zarni\""));
    EXPECT_THAT(rows, Not(HasSubstr("tenebrin")));
    EXPECT_EQ("\tprodSelect(\"zarni\");\n", page.variables.at("recheck_calls"));
    EXPECT_EQ(Messages::get("web_select_products"), page.variables.at("page_caption"));
    EXPECT_TRUE(page.warnings.empty());
    EXPECT_EQ(0u, page.variables.count("customer_feedback_block"));
}

TEST(ReleasesPage, EmptyListsWarn)
{
    struct Case {
        const char* name;
        std::string reply;
        const char* warning;
    } cases[] = {
        {"an installed product whose releases are all older or current",
         product("current_version=\"2.0\"", release("a", "1.9") + release("b", "2.0")),
         "web_products_allready_installed"},
        {"no products", "<kitwright status=\"ok\"><products /></kitwright>", "releases_reporter_list_empty"},
        {"a failed exchange: no reply element", "<kitwright status=\"ok\" />", "releases_reporter_list_empty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Page page = pageOf(PageReply(c.reply, true));
        ASSERT_EQ(1u, page.warnings.size());
        EXPECT_EQ(Messages::get(c.warning), page.warnings[0].text);
        EXPECT_EQ(PageWarning::frontEnd, page.warnings[0].origin);
        EXPECT_EQ(0u, page.variables.count("page_caption"));
    }
}

TEST(ReleasesPage, NewProductWithInstallationTypes)
{
    const Page page = pageOf(PageReply(product("", release("t-1", "1.0") + release("t-2", "2.0", "", kTypes)), true),
                             ReleasesMode::installationTypes);
    const std::string& rows = page.variables.at("products_list");
    EXPECT_THAT(rows, HasSubstr("url('/get_disabled_product_icon?prod_id=tenebrin');"));
    EXPECT_THAT(rows, HasSubstr("<th>" + Messages::get("web_install_version") + "</th>"));
    EXPECT_THAT(rows, HasSubstr("disabled=\"\" value=\"tenebrin\""));
    EXPECT_THAT(rows, HasSubstr("id=\"rels_tenebrin\" hidden=\"\" >"));
    EXPECT_THAT(rows, HasSubstr("<option value=\"t-2\" selected=\"\" >2.0</option>"));
    EXPECT_THAT(rows, HasSubstr("onchange=\"setITypeDesc(&quot;tenebrin&quot;)\""));
    EXPECT_THAT(rows, HasSubstr("<td colspan=\"2\" id=\"tenebrin_itypes_desc\">Install the most used components</td>"));
    EXPECT_EQ("\tprodSelect(\"tenebrin\");\n\tsetInstallationTypes(\"tenebrin\");\n",
              page.variables.at("recheck_calls"));
    EXPECT_EQ("\t\tcase \"t-2\":\n"
              "\t\t\tinstTypes.options[instTypes.options.length] = new Option(\"Full\", \"Full\");\n"
              "\t\t\tinstTypes.options[instTypes.options.length] = new Option(\"Custom\", \"Custom\");\n"
              "\t\tbreak;\n",
              page.variables.at("install_type_choose"));
    EXPECT_THAT(page.variables.at("install_type_desc_set"),
                HasSubstr("\t\tcase \"t-2_Custom\":\n\t\t\tdocument.getElementById(prodId + '_itypes_desc')"
                          ".innerHTML = \"Your choice\";\n\t\tbreak;\n"));
    EXPECT_EQ(Messages::get("web_select_installation_types"), page.variables.at("page_caption"));
}

TEST(ReleasesPage, SeveralReleasesWithoutTypesShowTheSelect)
{
    const Page page = pageOf(PageReply(product("", release("t-1", "1.0") + release("t-2", "2.0")), true));
    const std::string& rows = page.variables.at("products_list");
    EXPECT_THAT(rows, HasSubstr("id=\"rels_tenebrin\" >"));
    EXPECT_THAT(rows, Not(HasSubstr("<label>")));
}

TEST(ReleasesPage, ChosenRelease)
{
    auto entry = [](const char* id, const char* version, bool selected) {
        ReleaseEntry e;
        e.id = id;
        e.version = version;
        e.selected = selected;
        return e;
    };
    struct Case {
        const char* name;
        std::vector<ReleaseEntry> entries;
        const char* chosen;
    } cases[] = {
        {"the marked release even when a newer exists", {entry("a", "1.0", true), entry("b", "2.0", false)}, "a"},
        {"the first marked", {entry("a", "1.0", false), entry("b", "2.0", true), entry("c", "3.0", true)}, "b"},
        {"without marks the newest", {entry("a", "1.10", false), entry("b", "1.9", false)}, "a"},
        {"the earliest of equal versions", {entry("a", "2.0", false), entry("b", "2.0", false)}, "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.chosen, chooseRelease(c.entries).id);
    }
}

TEST(ReleasesPage, BestWithNotice)
{
    const Page page = pageOf(PageReply(kProtocol + "best-with.xml"));
    EXPECT_THAT(page.variables.at("bestwith_notice"),
                HasSubstr("<li>Zarni &amp; Co v.1.1.0" + Messages::get("web_works_better") + "Tenebrin v.2.1.0.<br />" +
                          Messages::get("web_instead_of") + "Tenebrin v.2.0.0</li>\n"));
    EXPECT_THAT(page.variables.at("bestwith_notice"), Not(HasSubstr("Loam")));
    EXPECT_THAT(page.variables.at("bestwith_notice"), HasSubstr(Messages::get("web_bestwith_outtro")));
}

TEST(ReleasesPage, FeedbackBlockWhenTheOperatorHasNotDecided)
{
    const Page page = pageOf(PageReply(kProtocol + "releases-undecided.xml"));
    EXPECT_THAT(page.variables.at("customer_feedback_block"),
                HasSubstr("<input type=\"hidden\" name=\"customer_feedback_required\" value=\"1\" />"));
    EXPECT_THAT(page.variables.at("customer_feedback_block"), HasSubstr(Messages::get("web_customer_feedback")));
}

// Every catalogue text lands escaped for its place; the scripts are valid
// and hold no end of the script element.
TEST(ReleasesPage, HostileCatalogueTexts)
{
    const Page page = pageOf(PageReply(kReplies + "releases-hostile.xml"));
    const std::string& rows = page.variables.at("products_list");
    EXPECT_THAT(rows, Not(HasSubstr("<script")));
    EXPECT_THAT(rows, Not(HasSubstr("</script")));
    EXPECT_THAT(rows, Not(HasSubstr("javascript:")));
    EXPECT_THAT(rows, HasSubstr("<strong>&quot;&apos;&lt;script&gt;alert(1)&lt;/script&gt; &lt;/script&gt;</strong>"));
    EXPECT_THAT(rows, HasSubstr("href=\"https://www.zarni.example/notes?a=1&amp;b=&quot;2\""));
    EXPECT_THAT(rows, HasSubstr("<label>&quot;&apos;&lt;script&gt;alert(1)&lt;/script&gt; (&lt;/script&gt;)</label>"));
    int status = 0;
    for (const char* name : {"recheck_calls", "recheck_submit_code", "install_type_choose", "install_type_desc_set"}) {
        SCOPED_TRACE(name);
        const std::string& code = page.variables.at(name);
        EXPECT_EQ(std::string::npos, code.find("</")) << code;
        const std::string wrapped = "function f(prodId, instTypes, selectedProducts, submitDisabled, x) {\nswitch (x) {\n" +
                                    code + "\n}\n}\n";
        const std::string output = runNodeScript(
            "function prodSelect() {}\nfunction setInstallationTypes() {}\n" +
                (std::string(name).find("recheck") == 0 ? "function f(selectedProducts, submitDisabled) {\n" + code +
                                                                "}\n"
                                                          : wrapped),
            &status);
        EXPECT_EQ(0, status) << output;
    }
}

class ReleasesPageServed : public ::testing::Test {
protected:
    web_ui_test::InProcessFrontEnd frontEnd;
    std::string id = frontEnd.admit();
};

TEST_F(ReleasesPageServed, SelectionRequests)
{
    struct Case {
        const char* name;
        const char* path;
        std::string form;
        const char* expected;
    } cases[] = {
        {"one product without installation types and no feedback question", "/iup.html",
         "selected_products=zarni&rel_zarni=zarni-1.1&customer_feedback_enabled=1", "product-selection-one.xml"},
        {"two products, one with a type and a preview, feedback enabled", "/installation_types.html",
         "customer_feedback_required=1&customer_feedback_enabled=1&selected_products=zarni+tenebrin"
         "&rel_zarni=zarni-1.1&rel_tenebrin=tenebrin-2.0&itypes_tenebrin=Full&preview_tenebrin=true",
         "installation-type-selection-two.xml"},
        {"the Custom type, feedback refused, a product without a release left out", "/installation_types.html",
         "customer_feedback_required=1&selected_products=tenebrin+zarni&rel_tenebrin=tenebrin-2.0"
         "&itypes_tenebrin=Custom",
         "installation-type-selection-custom.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frontEnd.backend.reply("installation_type_selection", kProtocol + "ok.xml");
        const std::string answer = postForm(frontEnd, id, c.path, c.form, "product_selection", kProtocol + "ok.xml");
        EXPECT_EQ("HTTP/1.1 303 See Other", webserver_test::statusLine(answer));
        const std::vector<std::string> requests = frontEnd.backend.requests();
        ASSERT_FALSE(requests.empty());
        EXPECT_EQ(loggedRequest(kRequests + c.expected), requests[0]);
    }
}

// The next page is the one the back end names after the selection.
TEST_F(ReleasesPageServed, AcceptedSelectionGoesToTheCurrentPage)
{
    frontEnd.backend.replyText("get_current_page",
                               "<kitwright status=\"ok\"><page id=\"installation\" /></kitwright>");
    frontEnd.backend.reply("installation_type_selection", kProtocol + "ok.xml");
    const std::string answer = frontEnd.post(
        "/installation_types.html",
        "csrf_token=" + frontEnd.csrfToken(id) + "&selected_products=t&rel_t=t-2&itypes_t=Full", id);
    EXPECT_EQ("HTTP/1.1 303 See Other", webserver_test::statusLine(answer));
    EXPECT_EQ("/install_progress.html", webserver_test::header(answer, "Location"));
}

TEST_F(ReleasesPageServed, OverlongValueIsRefused)
{
    const std::string page = webserver_test::body(postForm(frontEnd, id, "/iup.html",
                                                           "selected_products=zarni&rel_zarni=" + std::string(64, 'r'),
                                                           "product_selection", kProtocol + "ok.xml"));
    EXPECT_NE(std::string::npos, page.find("<div class=\"msg-error\">")) << page;
    EXPECT_NE(std::string::npos, page.find("&apos;rel_zarni&apos;")) << page;
    EXPECT_EQ(std::vector<std::string>{}, frontEnd.backend.commands());
}

TEST_F(ReleasesPageServed, PageCarriesTheSessionIdAndTheRows)
{
    frontEnd.backend.reply("get_releases_list", kProtocol + "releases-installed-selected.xml");
    frontEnd.backend.forgetRequests();
    const std::string page = webserver_test::body(frontEnd.get("/iup.html", id));
    const std::vector<std::string> requests = frontEnd.backend.requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_NE(std::string::npos, requests[0].find("session_id=\"" + id + "\"")) << requests[0];
    EXPECT_NE(std::string::npos, page.find("<tr id=\"row_zarni\" >")) << page;
    EXPECT_NE(std::string::npos, page.find("\tprodSelect(\"zarni\");")) << page;
    EXPECT_NE(std::string::npos, page.find(Messages::get("web_select_products"))) << page;
}

}  // namespace
