#include "web_ui/ExaminePage.h"

#include "common/Messages.h"
#include "tests/common/XmlLint.h"
#include "tests/web_ui/FrontEndHarness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web_ui_test::goldenReply;
using web_ui_test::has;
using web_ui_test::InProcessFrontEnd;
using webserver_test::body;
using webserver_test::header;
using webserver_test::statusLine;

class ExaminePage : public ::testing::Test {
protected:
    std::string confirm(const std::string& value)
    {
        frontEnd.backend.forgetRequests();
        std::string form = "csrf_token=" + frontEnd.csrfToken(id);
        if (!value.empty()) form += "&strong_yes=" + value;
        return frontEnd.post("/examine.html", form, id);
    }

    InProcessFrontEnd frontEnd;
    std::string id = frontEnd.admit();
};

TEST_F(ExaminePage, ListsTheProblemsEscapedAndLinked)
{
    frontEnd.backend.replyText("get_pre_examine",
                               "<?xml version=\"1.0\" ?><kitwright status=\"ok\"><examine><warnings>"
                               "<warning name=\"disk &amp; &lt;space&gt;\"><output>not shown</output>"
                               "<error>See http://x/y &lt;b&gt;&#x0A;next</error></warning>"
                               "<warning name=\"ports\"><error></error></warning>"
                               "</warnings></examine></kitwright>");
    const std::string answer = frontEnd.get("/examine.html", id);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
    const std::string page = body(answer);
    EXPECT_TRUE(has(page, "<div class=\"warning-name\">disk &amp; &lt;space&gt;</div>")) << page;
    EXPECT_TRUE(has(page, "<div>See <a href=\"http://x/y\" target=\"_blank\">http://x/y</a> &lt;b&gt;<br/>\nnext</div>"))
        << page;
    EXPECT_TRUE(has(page, "<div class=\"warning-name\">ports</div>\n          </div>")) << "an empty message shows only the name";
    EXPECT_FALSE(has(page, "not shown"));
    EXPECT_FALSE(has(page, Messages::get("web_select_checkbox_to_continue")));
    EXPECT_TRUE(has(page, "<div class=\"label\">"));
}

TEST_F(ExaminePage, GoldenReplyAndXmlLint)
{
    frontEnd.backend.reply("get_pre_examine", goldenReply("pre-examine"));
    const std::string page = body(frontEnd.get("/examine.html", id));
    EXPECT_TRUE(has(page, "Needs &lt;2 GB&gt; &amp; more"));
    EXPECT_EQ("", XmlLint(page).htmlComplaints()) << page;
}

// Only a tick the back end accepts moves on; "TRUE" is no tick.
TEST_F(ExaminePage, ConfirmationIsExactlyTrue)
{
    frontEnd.backend.reply("get_current_page", web_ui_test::goldenReply("current-page"));
    struct Case {
        const char* name;
        std::string value;
        std::string sent;
        const char* reply;
        int status;
    } cases[] = {
        {"ticked", "true", "true", "ok", 303},
        {"not ticked", "", "false", "warning", 200},
        {"upper case", "TRUE", "false", "warning", 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frontEnd.backend.replyText("set_pre_examine",
                                   std::string("<?xml version=\"1.0\" ?><kitwright status=\"") + c.reply +
                                       "\"><examine><warnings><warning name=\"ports\"><error>taken</error></warning>"
                                       "</warnings></examine></kitwright>");
        const std::string answer = confirm(c.value);
        EXPECT_EQ(c.status == 303 ? "HTTP/1.1 303 See Other" : "HTTP/1.1 200 OK", statusLine(answer));
        ASSERT_FALSE(frontEnd.backend.requests().empty());
        EXPECT_TRUE(has(frontEnd.backend.requests()[0],
                        "<command value=\"set_pre_examine\" /><examine ignore=\"" + c.sent + "\" /></request>"))
            << frontEnd.backend.requests()[0];
        if (c.status == 303) {
            EXPECT_EQ("", body(answer));
            EXPECT_NE("", header(answer, "Location"));
            continue;
        }
        const std::string page = body(answer);
        EXPECT_TRUE(has(page, "<div class=\"label form-error\">"));
        EXPECT_TRUE(has(page, "<div class=\"error-description\">" + Messages::get("web_select_checkbox_to_continue")));
        EXPECT_TRUE(has(page, "taken"));
    }
}

TEST_F(ExaminePage, FailedExchangeShowsTheErrorAndAnEmptyList)
{
    frontEnd.backend.noReply("get_pre_examine");
    const std::string page = body(frontEnd.get("/examine.html", id));
    EXPECT_TRUE(has(page, "<div class=\"msg-error\">"));
    EXPECT_TRUE(has(page, "<div class=\"msg-warning\">\n          </div>"));
}

}  // namespace
