// The front end as a browser meets it: the test host over TLS with a
// throw-away certificate, a stand-in back end, curl as the client.

#include "web_ui/WebPages.h"

#include "tests/web_ui/FrontEndHarness.h"
#include "web_ui/WebPage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web_ui_test::Answer;
using web_ui_test::FrontEnd;
using web_ui_test::goldenReply;

const char kSecret[] = "oneonetimesecretofthistestab";

TEST(WebPages, TableRegistersEveryPageOnce)
{
    const std::vector<std::string> expected = {
        "/", "/summary.html", "/preferences.html", "/iup.html", "/installation_types.html", "/select_components.html",
        "/examine.html", "/update_components.html", "/add_components.html", "/cp.html", "/install_progress.html",
        "/percentage.html", "/clear.html", "/log.html", "/get_enabled_product_icon", "/get_disabled_product_icon"};
    std::vector<std::string> uris;
    for (std::size_t i = 0; i < kWebPageCount; ++i) {
        uris.push_back(kWebPages[i].uri);
        EXPECT_NE(nullptr, kWebPages[i].handler);
    }
    EXPECT_EQ(expected, uris);
}

class WebPagesOverTls : public ::testing::Test {
protected:
    WebPagesOverTls()
    {
        frontEnd.backend.reply("get_current_page", web_ui_test::webReply("current-page-summary"));
        frontEnd.backend.reply("get_releases_list", goldenReply("releases-installed-selected"));
        frontEnd.backend.reply("set_locale", goldenReply("ok"));
    }

    FrontEnd frontEnd{{{"WEB_SECRET", kSecret}}};
};

TEST_F(WebPagesOverTls, LoginBySecretAndTheSummary)
{
    ASSERT_GT(frontEnd.port(), 0) << frontEnd.hostErrors();
    const Answer login = frontEnd.get("/summary.html");
    EXPECT_EQ(200, login.status) << login.curlErrors;
    const std::string before = login.sessionCookie();
    EXPECT_EQ(28u, before.size());
    EXPECT_EQ("sessionID=" + before + "; Path=/; HttpOnly; SameSite=Strict; Secure", login.header("Set-Cookie"));
    EXPECT_NE(std::string::npos, login.body.find("name=\"password\""));

    const Answer admitted = frontEnd.get(std::string("/?secret=") + kSecret, before);
    EXPECT_EQ(303, admitted.status);
    EXPECT_EQ("/summary.html", admitted.header("Location"));
    const std::string id = admitted.sessionCookie();
    EXPECT_EQ(28u, id.size());
    EXPECT_NE(before, id);

    const Answer again = frontEnd.get(std::string("/?secret=") + kSecret);
    EXPECT_EQ(200, again.status) << "the secret admits once";
    EXPECT_NE(std::string::npos, again.body.find("name=\"password\""));

    const Answer summary = frontEnd.get("/summary.html", id);
    EXPECT_EQ(200, summary.status);
    EXPECT_EQ("text/html; charset=utf-8", summary.header("Content-Type"));
    EXPECT_NE(std::string::npos, summary.body.find("Zarni &amp; Co"));
    EXPECT_NE(std::string::npos, summary.body.find("<a href=\"iup.html\">"));

    const Answer locale = frontEnd.get("/summary.html?locale=de_DE.UTF-8", id);
    EXPECT_EQ(200, locale.status);
    bool switched = false;
    for (const std::string& request : frontEnd.backend.requests())
        switched |= request.find("<locale name=\"de_DE.UTF-8\" />") != std::string::npos;
    EXPECT_TRUE(switched);
    EXPECT_NE(std::string::npos, locale.body.find("<html")) << "the page in the new language";

    // Nothing a browser must keep to itself reaches the log.
    const std::string log = frontEnd.log();
    EXPECT_FALSE(log.empty());
    for (const std::string& hidden : {std::string(kSecret), before, id}) {
        SCOPED_TRACE(hidden);
        EXPECT_EQ(std::string::npos, log.find(hidden));
    }
}

TEST_F(WebPagesOverTls, ManyClientsAndAFailingPage)
{
    ASSERT_GT(frontEnd.port(), 0) << frontEnd.hostErrors();
    const std::string id = frontEnd.get(std::string("/?secret=") + kSecret, frontEnd.get("/").sessionCookie())
                               .sessionCookie();
    ASSERT_FALSE(id.empty());
    for (int client = 0; client < 40; ++client) EXPECT_EQ(200, frontEnd.get("/").status);
    EXPECT_EQ(303, frontEnd.get("/", id).status) << "the admitted session survives 40 strangers";

    frontEnd.backend.reply("get_releases_list", web_ui_test::webReply("warning-of-two-texts"));
    EXPECT_EQ(500, frontEnd.get("/summary.html", id).status);
    frontEnd.backend.reply("get_releases_list", goldenReply("releases-installed-selected"));
    EXPECT_EQ(200, frontEnd.get("/summary.html", id).status) << "the front end keeps serving";

    frontEnd.backend.stop();
    const Answer stopped = frontEnd.get("/summary.html", id);
    EXPECT_EQ(200, stopped.status);
    EXPECT_NE(std::string::npos, stopped.body.find("Can&apos;t connect to backend")) << stopped.body;
}

}  // namespace
