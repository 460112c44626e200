#include "web_ui/WebPage.h"

#include "common/Messages.h"
#include "tests/web_ui/FrontEndHarness.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/CurrentPage.h"
#include "web_ui/ResponseWriters.h"
#include "webserver/kwhttpd.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web_ui_test::goldenReply;
using web_ui_test::InProcessFrontEnd;
using web_ui_test::webReply;
using webserver_test::body;
using webserver_test::header;
using webserver_test::statusLine;

// What a test page saw of its exchange.
struct Seen {
    std::string status, errorText, element;
    std::vector<std::string> warnings;
    bool answered = false;
};

struct TestPage {
    InProcessFrontEnd* frontEnd;
    std::string postReplyFile;  // the builder's reply text comes from here
    Seen seen;
};

// A page whose POST builder answers with a fixed reply text; it writes a
// small page of its own unless the exchange answered.
void servePage(kwhttpd_arg* arg)
{
    auto& test = *static_cast<TestPage*>(arg->user_data);
    WebPage page(arg, test.frontEnd->sessions(), test.frontEnd->pages().backend());
    if (!page.admit()) return;
    const xmlbind::Element element = page.query(backendCommand("ping"), [&](WebPage&) {
        return readFile(test.postReplyFile);
    });
    test.seen.status = page.status();
    test.seen.errorText = page.errorText();
    test.seen.element = element ? element->ValueStr() : "";
    test.seen.warnings.clear();
    for (const PageWarning& warning : page.warnings()) test.seen.warnings.push_back(warning.text);
    test.seen.answered = page.answered();
    if (page.answered()) return;
    sendHtml(arg, "page", 4);
}

class WebPageQuery : public ::testing::Test {
protected:
    WebPageQuery()
    {
        frontEnd.addPage("/test.html", servePage, &page);
        frontEnd.backend.reply("get_current_page", goldenReply("current-page"));
        id = frontEnd.admit();
    }
    std::string post(const std::string& replyFile)
    {
        page.postReplyFile = replyFile;
        return frontEnd.post("/test.html", "csrf_token=" + frontEnd.csrfToken(id), id);
    }
    std::string get(const std::string& replyFile)
    {
        frontEnd.backend.reply("ping", replyFile);
        return frontEnd.get("/test.html", id);
    }

    InProcessFrontEnd frontEnd;
    TestPage page{&frontEnd, "", {}};
    std::string id;
};

TEST_F(WebPageQuery, PostAnsweredOkRedirectsWithoutBody)
{
    const std::string answer = post(goldenReply("ok"));
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(answer));
    EXPECT_EQ("/select_components.html", header(answer, "Location"));
    EXPECT_EQ("", body(answer));
    EXPECT_EQ("redirect", page.seen.status);
}

TEST_F(WebPageQuery, BadPageRedirectsGetAndPost)
{
    for (const bool isPost : {false, true}) {
        SCOPED_TRACE(isPost ? "POST" : "GET");
        const std::string answer = isPost ? post(goldenReply("bad-page")) : get(goldenReply("bad-page"));
        EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(answer));
        EXPECT_EQ("bad_page", page.seen.status);
        EXPECT_TRUE(page.seen.answered);
    }
}

TEST_F(WebPageQuery, StatusTable)
{
    struct Case {
        const char* name;
        bool post;
        std::string reply, status, errorText, element;
        std::vector<std::string> warnings;
    } cases[] = {
        {"GET warning: both warnings in order, the first child", false, goldenReply("warnings-delivered"), "warning",
         "", "examine", {"The mirror answered slowly", "Release <1.1> & \"friends\""}},
        {"POST bad_values: the front end's warning", true, goldenReply("bad-values-ftp"), "bad_values", "",
         "preferences", {Messages::get("web_bad_fields_values")}},
        {"GET error: its message", false, goldenReply("error-with-line-feed"), "error", "", "", {}},
        {"POST start_self_upgrade fails the check", true, goldenReply("start-self-upgrade"), "start_self_upgrade",
         "Unknown error occured in backend.", "", {}},
        {"GET start_self_upgrade passes without element", false, goldenReply("start-self-upgrade"),
         "start_self_upgrade", "", "", {}},
        {"POST wrong root", true, webReply("wrong-root"), "", Messages::get("web_err_pl_responce_wrong_root"), "", {}},
        {"GET wrong root", false, webReply("wrong-root"), "", Messages::get("web_err_pl_responce_wrong_root"), "", {}},
        {"GET without root", false, webReply("without-root"), "", Messages::get("web_err_pl_responce_no_root"), "", {}},
        {"GET without status", false, webReply("without-status"), "", Messages::get("web_err_pl_responce_no_status"),
         "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page.seen = Seen();
        const std::string answer = c.post ? post(c.reply) : get(c.reply);
        EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
        if (std::string(c.name).find("GET error") == 0) {
            EXPECT_FALSE(page.seen.errorText.empty());
        } else {
            EXPECT_EQ(c.errorText, page.seen.errorText);
        }
        if (c.errorText.empty()) {
            EXPECT_EQ(c.status, page.seen.status);
        }
        EXPECT_EQ(c.element, page.seen.element);
        EXPECT_EQ(c.warnings, page.seen.warnings);
    }
}

TEST(CurrentPage, UrlTable)
{
    struct Case {
        const char* id;
        const char* url;
    } cases[] = {
        {"summary", "/summary.html"},
        {"releases", "/iup.html"},
        {"installation-types", "/installation_types.html"},
        {"components", "/select_components.html"},
        {"examine", "/examine.html"},
        {"params", "/cp.html"},
        {"installation", "/install_progress.html"},
        {"update_components", "/update_components.html"},
        {"installation_types", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(c.url, pageUrlOfId(c.id));
    }
}

TEST(CurrentPage, SummaryWhenTheBackEndCannotTell)
{
    InProcessFrontEnd frontEnd;
    BackendClient& backend = frontEnd.pages().backend();
    frontEnd.backend.reply("get_current_page", goldenReply("bad-page"));
    EXPECT_EQ("/summary.html", getCurrentPageUrl(backend));
    frontEnd.backend.reply("get_current_page", goldenReply("ok"));
    EXPECT_EQ("/summary.html", getCurrentPageUrl(backend));
    frontEnd.backend.replyText("get_current_page", "<?xml version=\"1.0\" ?><kitwright status=\"ok\"><page id=\"x\"/></kitwright>");
    EXPECT_EQ("/summary.html", getCurrentPageUrl(backend));
    frontEnd.backend.stop();
    EXPECT_EQ("/summary.html", getCurrentPageUrl(backend));
}

TEST(ClearPage, NeedsTheAdmittedSessionAndItsToken)
{
    InProcessFrontEnd frontEnd;
    frontEnd.backend.reply("clear", goldenReply("ok"));
    frontEnd.backend.reply("get_current_page", goldenReply("current-page"));
    const std::string id = frontEnd.admit();
    const std::string token = frontEnd.csrfToken(id);

    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(frontEnd.get("/clear.html?csrf_token=" + token))) << "the login page";
    EXPECT_EQ("HTTP/1.1 403 Forbidden", statusLine(frontEnd.get("/clear.html", id)));
    EXPECT_EQ("HTTP/1.1 403 Forbidden", statusLine(frontEnd.get("/clear.html?csrf_token=" + token + "x", id)));
    for (const std::string& command : frontEnd.backend.commands()) EXPECT_NE("clear", command);

    const std::string answer = frontEnd.get("/clear.html?csrf_token=" + token, id);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
    EXPECT_NE(std::string::npos, body(answer).find("url=/summary.html"));
    EXPECT_EQ(std::vector<std::string>{"clear"}, frontEnd.backend.commands());

    frontEnd.backend.reply("clear", goldenReply("bad-page"));
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(frontEnd.get("/clear.html?csrf_token=" + token, id)));
    frontEnd.backend.stop();
    EXPECT_NE(std::string::npos, body(frontEnd.get("/clear.html?csrf_token=" + token, id)).find("url=/summary.html"))
        << "a failed clear still goes to the summary";
}

TEST(BackendRequest, ValuesCannotChangeTheDocument)
{
    BackendRequest request("get_releases_list");
    request.set("session_id", "a\"/><command value=\"clear");
    const std::string text = request.text();
    EXPECT_EQ(0u, text.find("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n<request>"));
    xmlbind::Document parsed;
    parsed.parse(text);
    const TiXmlElement* command = parsed.RootElement()->FirstChildElement("command");
    EXPECT_STREQ("a\"/><command value=\"clear", command->Attribute("session_id"));
    EXPECT_EQ(nullptr, command->NextSiblingElement());
}

}  // namespace
