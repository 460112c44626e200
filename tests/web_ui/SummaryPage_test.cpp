#include "web_ui/SummaryPage.h"

#include "common/Messages.h"
#include "tests/web_ui/FrontEndHarness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web_ui_test::goldenReply;
using web_ui_test::InProcessFrontEnd;
using web_ui_test::webReply;
using webserver_test::body;
using webserver_test::statusLine;

bool has(const std::string& page, const std::string& text)
{
    return page.find(text) != std::string::npos;
}

class SummaryPage : public ::testing::Test {
protected:
    // The summary page for the reply `file` to get_releases_list.
    std::string summary(const std::string& file)
    {
        frontEnd.backend.reply("get_releases_list", file);
        const std::string answer = frontEnd.get("/summary.html", id);
        EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
        return body(answer);
    }

    InProcessFrontEnd frontEnd;
    std::string id = frontEnd.admit();
};

TEST_F(SummaryPage, SendsTheSessionIdWithTheRequest)
{
    summary(goldenReply("releases-installed-selected"));
    const std::vector<std::string> requests = frontEnd.backend.requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\\n<request><command "
              "value=\"get_releases_list\" session_id=\"" + id + "\" /></request>",
              requests[0]);
}

TEST_F(SummaryPage, ToolStates)
{
    struct Tool {
        const char* link;
        const char* disabledClass;
    };
    const Tool install{"<a href=\"iup.html\">", "class=\"install_upgrade disabled\""};
    const Tool add{"<a href=\"add_components.html\">", "class=\"add_components disabled\""};
    const Tool update{"<a href=\"update_components.html\">", "class=\"update_components disabled\""};
    struct Case {
        const char* name;
        std::string reply;
        bool install, add, update, removal;
    } cases[] = {
        {"installed with components to add and remove, an upgrade, a product not installed",
         goldenReply("releases-installed-selected"), true, true, false, true},
        {"installed with updates only", webReply("summary-update-only"), false, false, true, false},
        {"an empty catalogue", webReply("summary-empty-catalogue"), false, false, false, false},
        {"no back end answer", "", false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.reply.empty()) frontEnd.backend.noReply("get_releases_list");
        const std::string page = c.reply.empty() ? body(frontEnd.get("/summary.html", id)) : summary(c.reply);
        EXPECT_EQ(c.install, has(page, install.link));
        EXPECT_EQ(!c.install, has(page, install.disabledClass));
        EXPECT_EQ(c.add, has(page, add.link));
        EXPECT_EQ(!c.add, has(page, add.disabledClass));
        EXPECT_EQ(c.update, has(page, update.link));
        EXPECT_EQ(!c.update, has(page, update.disabledClass));
        EXPECT_TRUE(has(page, Messages::get(c.removal ? "web_add_remove_components" : "web_add_components")));
    }
}

TEST_F(SummaryPage, ProductRows)
{
    const std::string page = summary(goldenReply("releases-installed-selected"));
    EXPECT_TRUE(has(page, "<div class=\"product\" style=\"background-image: "
                          "url('/get_enabled_product_icon?prod_id=zarni');\">Zarni &amp; Co Alder <span>Version 1.0.0"))
        << page;
    EXPECT_TRUE(has(page, "<span class=\"note\">" + Messages::get("web_product_upgrade_avail") +
                              "</span> <span>Zarni &amp; Co Birch &lt;B&gt; 1.1.0 <a "
                              "href=\"https://www.zarni.example/notes/1.1\" target=\"_blank\" rel=\"noopener\">"));
    EXPECT_TRUE(has(page, "<div class=\"product disabled\" style=\"background-image: "
                          "url('/get_disabled_product_icon?prod_id=tenebrin');\">Tenebrin <span class=\"status\">"));
    EXPECT_TRUE(has(page, Messages::get("web_products_summary")));

    const std::string updates = summary(webReply("summary-update-only"));
    EXPECT_TRUE(has(updates, "<span>Zarni Alder 1.0.2</span><br /><span class=\"note\">" +
                                 Messages::get("web_product_update_avail")))
        << updates;
    EXPECT_FALSE(has(updates, "javascript:")) << "only web addresses become links";
    EXPECT_FALSE(has(updates, "1.0.1</span>")) << "only the greatest update is shown";
}

TEST_F(SummaryPage, EmptyCatalogueWarns)
{
    const std::string page = summary(webReply("summary-empty-catalogue"));
    EXPECT_TRUE(has(page, "class=\"msg-warning\"")) << page;
    EXPECT_TRUE(has(page, "There are no products for your operating system")) << page;
    EXPECT_FALSE(has(page, Messages::get("web_products_summary")));
}

TEST_F(SummaryPage, HostileNamesRenderAsText)
{
    const std::string page = summary(webReply("summary-hostile-names"));
    EXPECT_FALSE(has(page, "<script>")) << page;
    EXPECT_FALSE(has(page, "<i>"));
    EXPECT_FALSE(has(page, "<b>"));
    EXPECT_FALSE(has(page, "\"onmouseover"));
    EXPECT_TRUE(has(page, "&quot;&apos;&lt;script&gt;x&lt;/script&gt;")) << page;
    EXPECT_TRUE(has(page, "prod_id=a%27b%22c%29')")) << "the id cannot leave the url()";
}

TEST_F(SummaryPage, SelfUpgradeReloadsAndDisablesTheTools)
{
    for (const char* reply : {"prepare-self-upgrade", "start-self-upgrade"}) {
        SCOPED_TRACE(reply);
        const std::string page = summary(goldenReply(reply));
        EXPECT_TRUE(has(page, "<meta http-equiv=\"refresh\" content=\"5; url='/summary.html?locale=")) << page;
        EXPECT_TRUE(has(page, Messages::get(std::string(reply) == "prepare-self-upgrade" ? "web_selfupgrade_prepare"
                                                                                         : "web_selfupgrade_ready")));
        EXPECT_TRUE(has(page, "class=\"install_upgrade disabled\""));
        EXPECT_TRUE(has(page, "class=\"add_components disabled\""));
        EXPECT_TRUE(has(page, "class=\"update_components disabled\""));
        EXPECT_FALSE(has(page, "There are no products"));
    }
}

TEST_F(SummaryPage, BrokenRepliesShowTheErrorTexts)
{
    struct Case {
        const char* reply;
        std::string text;
    } cases[] = {
        {"without-root", Messages::get("web_err_pl_responce_no_root")},
        {"wrong-root", Messages::get("web_err_pl_responce_wrong_root")},
        {"without-status", Messages::get("web_err_pl_responce_no_status")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        const std::string page = summary(webReply(c.reply));
        EXPECT_TRUE(has(page, "<div class=\"msg-error\">")) << page;
        EXPECT_TRUE(has(page, c.text)) << page;
    }
}

TEST_F(SummaryPage, ErrorReplyAndStoppedBackEnd)
{
    const std::string failed = summary(goldenReply("error-with-line-feed"));
    EXPECT_TRUE(has(failed, "<div class=\"msg-error\">")) << failed;
    frontEnd.backend.stop();
    const std::string page = body(frontEnd.get("/summary.html", id));
    EXPECT_TRUE(has(page, "<div class=\"msg-error\">Can&apos;t connect to backend")) << page;
    frontEnd.backend.start();
}

TEST_F(SummaryPage, RaisingReplyGives500AndTheNextRequestIsServed)
{
    frontEnd.backend.reply("get_releases_list", webReply("warning-of-two-texts"));
    EXPECT_EQ("HTTP/1.1 500 Internal Server Error", statusLine(frontEnd.get("/summary.html", id)));
    frontEnd.backend.reply("get_releases_list", goldenReply("releases-installed-selected"));
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(frontEnd.get("/summary.html", id)));
}

}  // namespace
