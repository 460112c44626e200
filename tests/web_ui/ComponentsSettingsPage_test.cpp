#include "web_ui/ComponentsSettingsPage.h"

#include "common/Messages.h"
#include "tests/common/XmlLint.h"
#include "tests/web_ui/FrontEndHarness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web_ui_test::goldenReply;
using web_ui_test::has;
using web_ui_test::InProcessFrontEnd;
using web_ui_test::webReply;
using webserver_test::body;
using webserver_test::header;
using webserver_test::statusLine;

class ComponentsSettingsPage : public ::testing::Test {
protected:
    std::string page(const std::string& reply)
    {
        frontEnd.backend.reply("get_components_settings", reply);
        const std::string answer = frontEnd.get("/cp.html", id);
        EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
        return body(answer);
    }
    // The request the form sends, as the back end received it.
    std::string posted(const std::string& fields)
    {
        frontEnd.backend.forgetRequests();
        frontEnd.post("/cp.html", "csrf_token=" + frontEnd.csrfToken(id) + "&" + fields, id);
        const std::vector<std::string> requests = frontEnd.backend.requests();
        return requests.empty() ? std::string() : requests.front();
    }

    InProcessFrontEnd frontEnd;
    std::string id = frontEnd.admit();
};

TEST_F(ComponentsSettingsPage, EveryKindOfSetting)
{
    const std::string html = page(webReply("settings-every-type"));
    EXPECT_TRUE(has(html, "<h3>Zarni &lt;Co&gt;</h3>"));
    EXPECT_TRUE(has(html, "<span class=\"field-name\">Relay &lt;host&gt;</span>"));
    EXPECT_TRUE(has(html, "name=\"zarni_relay\" id=\"zarni_relay\" value=\"mx.zarni.example\""));
    EXPECT_TRUE(has(html, "<legend>web</legend>")) << "the id stands for an empty description";
    EXPECT_TRUE(has(html, "type=\"password\" name=\"zarni_admin-password\" id=\"zarni_admin-password\" value=\"\""));
    EXPECT_FALSE(has(html, "S3cr3t")) << "no password in the page";
    EXPECT_TRUE(has(html, "type=\"checkbox\" id=\"zarni_ssl\"  value=\"true\" checked=\"\""));
    EXPECT_TRUE(has(html, "<input type=\"hidden\" name=\"zarni_ssl\" id=\"zarni_ssl__posted\" value=\"true\" />"));
    EXPECT_TRUE(has(html, "handlers[\"zarni_ssl\"] = function (ctl)"));
    EXPECT_TRUE(has(html, "\tsetFieldDisabled(\"zarni_certificate\", dstatus);\n\tsetFieldDisabled(\"zarni_port\", dstatus);\n"));
    EXPECT_TRUE(has(html, "\thandleClick(\"zarni_ssl\");\n"));
    EXPECT_TRUE(has(html, "<option value=\"nginx\" selected=\"true\">nginx</option>"));
    EXPECT_FALSE(has(html, "without id"));
    EXPECT_TRUE(has(html, "<div style=\"display: none\" id=\"zarni_server_nginx\">"));
    EXPECT_TRUE(has(html, "showBranch(\"zarni_server_nginx\", ctlval == \"nginx\");"));
    EXPECT_TRUE(has(html, "<span class=\"param\">Read the notes</span>"));
    EXPECT_TRUE(has(html, "<input type=\"hidden\" name=\"zarni_token\" value=\"t0\" />"));
    EXPECT_TRUE(has(html, "name=\"product_list\" value=\"zarni \""));
    EXPECT_TRUE(has(html, "<input type=\"hidden\" name=\"zarni_parameters\" value=\"relay admin-password ssl "
                          "certificate port server workers \" />"))
        << "no static text, no hidden setting";
    EXPECT_TRUE(has(html, "<input type=\"hidden\" name=\"zarni_passwords\" value=\"admin-password \" />"));
    EXPECT_TRUE(has(html, Messages::get("web_components_params")));
    EXPECT_EQ("", XmlLint(html).htmlComplaints()) << html;
}

TEST_F(ComponentsSettingsPage, GoldenRepliesRender)
{
    const std::string html = page(goldenReply("settings"));
    EXPECT_TRUE(has(html, "type=\"checkbox\" id=\"zarni_ssl\"  value=\"true\" checked=\"\""))
        << "\"yes\" is on, as the setting reads it";
    EXPECT_EQ("", XmlLint(html).htmlComplaints()) << html;

    const std::string rejected = page(goldenReply("settings-bad-values"));
    EXPECT_TRUE(has(rejected, "<div class=\"label form-error\">\n          <span class=\"field-name\">Administrator&apos;s e-mail"));
    EXPECT_TRUE(has(rejected, "value=\"not &lt;an&gt; address\""));
    EXPECT_TRUE(has(rejected, "<div class=\"form-error-description\">Not an e-mail address</div>"));
}

TEST_F(ComponentsSettingsPage, PostSendsOneSettingPerListedId)
{
    frontEnd.backend.reply("set_component_params", goldenReply("ok"));
    frontEnd.backend.reply("get_current_page", goldenReply("current-page"));
    const std::string everything =
        "product_list=zarni+&zarni_parameters=relay+admin-password+ssl+certificate+port+server+workers+unknown+"
        "&zarni_passwords=admin-password+&zarni_relay=mx&zarni_admin-password=&zarni_ssl=true&zarni_certificate=%2Fc"
        "&zarni_port=8443&zarni_server=nginx&zarni_workers=8";
    EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\\n<request><command "
              "value=\"set_component_params\" /><products><product id=\"zarni\"><settings><setting id=\"relay\" "
              "value=\"mx\" /><setting id=\"admin-password\" /><setting id=\"ssl\" value=\"true\" /><setting "
              "id=\"certificate\" value=\"/c\" /><setting id=\"port\" value=\"8443\" /><setting id=\"server\" "
              "value=\"nginx\" /><setting id=\"workers\" value=\"8\" /><setting id=\"unknown\" />"
              "</settings></product></products></request>\\n",
              posted(everything));

    // The box cleared: its companion posts "false", the disabled dependants are not sent.
    EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\\n<request><command "
              "value=\"set_component_params\" /><products><product id=\"zarni\"><settings><setting id=\"ssl\" "
              "value=\"false\" /><setting id=\"certificate\" /><setting id=\"admin-password\" value=\"n3w\" />"
              "</settings></product></products></request>\\n",
              posted("product_list=zarni&zarni_parameters=ssl+certificate+admin-password&zarni_passwords=admin-password"
                     "&zarni_ssl=false&zarni_admin-password=n3w"));
}

TEST_F(ComponentsSettingsPage, AcceptedPostRedirectsRejectedPostShowsTheErrors)
{
    frontEnd.backend.reply("get_current_page", goldenReply("current-page"));
    frontEnd.backend.reply("set_component_params", goldenReply("ok"));
    const std::string form = "csrf_token=" + frontEnd.csrfToken(id) + "&product_list=zarni&zarni_parameters=relay";
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(frontEnd.post("/cp.html", form, id)));

    frontEnd.backend.reply("set_component_params", goldenReply("settings-bad-values"));
    const std::string answer = frontEnd.post("/cp.html", form, id);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
    EXPECT_TRUE(has(body(answer), Messages::get("web_bad_fields_values")));
    EXPECT_TRUE(has(body(answer), "<div class=\"form-error-description\">Not an e-mail address</div>"));
}

TEST_F(ComponentsSettingsPage, FailuresOfTheExchange)
{
    frontEnd.backend.noReply("get_components_settings");
    const std::string failed = body(frontEnd.get("/cp.html", id));
    EXPECT_TRUE(has(failed, "<div class=\"msg-error\">"));
    EXPECT_TRUE(has(failed, "<button type=\"submit\" class=\"button\" disabled>"));

    frontEnd.backend.replyText("get_components_settings",
                               "<?xml version=\"1.0\" ?><kitwright status=\"ok\"><products><product id=\"zarni\"/>"
                               "</products></kitwright>");
    const std::string nameless = body(frontEnd.get("/cp.html", id));
    EXPECT_TRUE(has(nameless, Messages::get("web_err_pl_responce_no_prodname")));
    EXPECT_FALSE(has(nameless, "<form"));
}

}  // namespace
