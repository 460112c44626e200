#include "web_ui/PreferencesPage.h"

#include "common/Messages.h"
#include "tests/common/ScopedLocale.h"
#include "tests/web_ui/PageReply.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using webserver_test::body;

const std::string kProtocol = KW_TEST_DATA_DIR "/backend-protocol/";
const std::string kRequests = KW_TEST_DATA_DIR "/web/requests/";

class PreferencesPage : public ::testing::Test {
protected:
    std::string page(const std::string& reply)
    {
        frontEnd.backend.reply("get_preferences", reply);
        return body(frontEnd.get("/preferences.html", id));
    }
    std::string submit(const std::string& form, const std::string& reply = kProtocol + "ok.xml")
    {
        return postForm(frontEnd, id, "/preferences.html", form, "set_preferences", reply);
    }

    ScopedLocale english{"en_US.UTF-8"};
    web_ui_test::InProcessFrontEnd frontEnd;
    std::string id = frontEnd.admit();
};

TEST_F(PreferencesPage, Requests)
{
    struct Case {
        const char* name;
        std::string form;
        const char* expected;
    } cases[] = {
        {"official source: the type is zarni, a mirror address is trimmed, a proxy without credentials",
         "srctype=official&mirror_url=+https%3A%2F%2Fmirror.zarni.example%2Fz%2F%09&target_path=%2Fopt%2Fzarni"
         "&use_proxy=true&proxy_host=proxy.zarni.example+&proxy_port=3128",
         "preferences-official-proxy.xml"},
        {"mirror with credentials: the password keeps its blanks",
         "srctype=mirror&mirror_url=https%3A%2F%2Fmirror.zarni.example%2Fz%2F&target_path=%2Fopt%2Fzarni+%26+co"
         "&use_proxy=true&proxy_host=proxy.zarni.example&proxy_port=3128&proxy_auth=true&proxy_user=operator"
         "&proxy_pwd=+s3%3Ccr%22t+",
         "preferences-mirror-credentials.xml"},
        {"local media, an empty password field keeps the stored one",
         "srctype=local&source_path=%2Fsrv%2Fzarni&target_path=%2Fopt%2Fzarni&proxy_auth=true&proxy_user=operator"
         "&proxy_pwd=",
         "preferences-local-password-kept.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string answer = submit(c.form);
        EXPECT_EQ("HTTP/1.1 303 See Other", webserver_test::statusLine(answer));
        const std::vector<std::string> requests = frontEnd.backend.requests();
        ASSERT_FALSE(requests.empty());
        EXPECT_EQ(loggedRequest(kRequests + c.expected), requests[0]);
    }
}

TEST_F(PreferencesPage, LanguageSwitchesBeforeTheSettingsAreSaved)
{
    frontEnd.backend.reply("set_locale", kProtocol + "ok.xml");
    const std::string page = body(submit("srctype=local&login_locale=de_DE.UTF-8", kProtocol + "bad-values-ftp.xml"));
    EXPECT_EQ((std::vector<std::string>{"set_locale", "set_preferences"}), frontEnd.backend.commands());
    EXPECT_EQ("de_DE.UTF-8", Messages::getLocale());
    EXPECT_THAT(page, HasSubstr(Messages::get("web_bad_fields_values")));

    frontEnd.backend.forgetRequests();
    submit("srctype=local&login_locale=de_DE");
    EXPECT_EQ((std::vector<std::string>{"set_preferences", "get_current_page"}), frontEnd.backend.commands())
        << "the same language";
}

TEST_F(PreferencesPage, UnknownLanguageIsRefused)
{
    const std::string page = body(submit("srctype=local&login_locale=xx_XX"));
    EXPECT_THAT(page, HasSubstr("<div class=\"msg-error\">"));
    EXPECT_THAT(page, HasSubstr("login_locale"));
    EXPECT_EQ(std::vector<std::string>{}, frontEnd.backend.commands());
}

TEST_F(PreferencesPage, RefusedValuesShowTheFieldsError)
{
    const std::string page = body(submit("srctype=mirror&target_path=%2Fopt%2Fnew", kProtocol + "bad-values-ftp.xml"));
    EXPECT_THAT(page, HasSubstr("<div class=\"msg-warning\">" + Messages::get("web_bad_fields_values")));
    EXPECT_THAT(page, HasSubstr("value=\"/opt/new\""));
    // The source element's own error has no field group; the page still says
    // that values were refused.
    EXPECT_THAT(page, Not(HasSubstr("form-error-description")));
}

TEST_F(PreferencesPage, FieldErrorBlocks)
{
    frontEnd.backend.replyText(
        "set_preferences",
        "<kitwright status=\"bad_values\"><preferences><source type=\"mirror\"><mirror src=\"ftp://m\">"
        "<error>Bad &lt;mirror&gt;</error></mirror><target path=\"/opt\" /></source><proxy use=\"true\" host=\"h\" "
        "port=\"x\"><auth use=\"true\" user=\"u\" password=\"p\"><error>No user</error></auth></proxy>"
        "</preferences></kitwright>");
    frontEnd.backend.reply("get_current_page", web_ui_test::goldenReply("current-page"));
    const std::string page =
        body(frontEnd.post("/preferences.html", "csrf_token=" + frontEnd.csrfToken(id) + "&srctype=mirror", id));
    EXPECT_THAT(page, HasSubstr("<label for=\"mirror_url_field\" class=\"label form-error\">"));
    EXPECT_THAT(page, HasSubstr("<div class=\"form-error-description\">Bad &lt;mirror&gt;</div>"));
    EXPECT_THAT(page, HasSubstr("<div class=\"label form-error\">\n              <input type=\"checkbox\" "
                                "id=\"proxy_auth\""));
    EXPECT_THAT(page, HasSubstr("<div class=\"form-error-description\">No user</div>"));
    EXPECT_THAT(page, HasSubstr("<div class=\"label\">\n            <input type=\"checkbox\" id=\"use_proxy\""));
    EXPECT_THAT(page, HasSubstr("<label for=\"target_path_field\" class=\"label\">"));
}

TEST_F(PreferencesPage, PlainRequests)
{
    struct Case {
        const char* name;
        std::string reply;
        std::vector<std::string> shown;
        std::vector<std::string> absent;
    } cases[] = {
        {"default source", kProtocol + "preferences-default-source.xml",
         {"<option value=\"official\" selected>", "value=\"/opt/zarni &amp; co\"",
          "<button type=\"submit\" class=\"button\" >"},
         {"id=\"use_proxy\" name=\"use_proxy\" value=\"true\" onclick=\"showOnCheck(this, 'proxyBlock')\" checked",
          "disabled"}},
        {"a locked local source", kProtocol + "preferences-local-locked.xml",
         {"<option value=\"local\" selected>", "name=\"srctype\" onchange=\"applySourceType()\" disabled>",
          Messages::get("web_field_locked_by_vendor"), "value=\"/srv/zarni/\""},
         {}},
        {"a mirror with a proxy user: the authentication box stays unchecked",
         kProtocol + "preferences-proxy-credentials.xml",
         {"<option value=\"mirror\" selected>", "onclick=\"showOnCheck(this, 'proxyBlock')\" checked>",
          "value=\"operator\"", "name=\"proxy_pwd\" value=\"\""},
         {"onclick=\"showOnCheck(this, 'proxy-auth')\" checked"}},
        {"no preferences element", kProtocol + "ok.xml", {"<button type=\"submit\" class=\"button\" disabled>"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string shown = page(c.reply);
        for (const std::string& text : c.shown) EXPECT_THAT(shown, HasSubstr(text));
        for (const std::string& text : c.absent) EXPECT_THAT(shown, Not(HasSubstr(text)));
    }
}

TEST_F(PreferencesPage, FailedExchangeShowsTheDefaultsDisabled)
{
    frontEnd.backend.noReply("get_preferences");
    const std::string shown = body(frontEnd.get("/preferences.html", id));
    EXPECT_THAT(shown, HasSubstr("<div class=\"msg-error\">"));
    EXPECT_THAT(shown, HasSubstr("<option value=\"official\" selected>"));
    EXPECT_THAT(shown, HasSubstr("<button type=\"submit\" class=\"button\" disabled>"));
}

TEST_F(PreferencesPage, HostileValuesAreText)
{
    const std::string hostile = "&quot;&apos;&lt;script&gt;alert(1)&lt;/script&gt;";
    frontEnd.backend.replyText("get_preferences", "<kitwright status=\"ok\"><preferences><source type=\"mirror\">"
                                                  "<mirror src=\"" + hostile + "\" /><target path=\"" + hostile +
                                                  "\" /></source><proxy use=\"true\" host=\"" + hostile +
                                                  "\" port=\"1\" /></preferences></kitwright>");
    const std::string shown = body(frontEnd.get("/preferences.html", id));
    EXPECT_THAT(shown, Not(HasSubstr("<script>alert")));
    EXPECT_THAT(shown, HasSubstr("name=\"mirror_url\" value=\"" + hostile + "\""));
    EXPECT_THAT(shown, HasSubstr("name=\"proxy_host\" value=\"" + hostile + "\""));
}

TEST(PreferencesForm, SourceTypeNames)
{
    EXPECT_EQ(PreferencesForm::mirror, sourceTypeFromName("mirror"));
    EXPECT_EQ(PreferencesForm::local, sourceTypeFromName("local"));
    for (const char* name : {"official", "zarni", "", "ftp"}) EXPECT_EQ(PreferencesForm::official, sourceTypeFromName(name));
    TemplateVariables variables;
    setSourceTypeSelection(7, variables);
    EXPECT_EQ("", variables["source_type_official_selected"] + variables["source_type_mirror_selected"] +
                      variables["source_type_local_selected"]);
}

}  // namespace
