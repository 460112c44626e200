#include "web_ui/ProgressPages.h"

#include "common/Messages.h"
#include "tests/common/XmlLint.h"
#include "tests/web_ui/FrontEndHarness.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

using web_ui_test::goldenReply;
using web_ui_test::has;
using web_ui_test::InProcessFrontEnd;
using webserver_test::body;
using webserver_test::header;
using webserver_test::statusLine;

// Whether the element of that id carries the hiding style.
bool hidden(const std::string& page, const std::string& id)
{
    const std::size_t at = page.find("id=\"" + id + "\"");
    if (at == std::string::npos) return false;
    const std::size_t end = page.find('>', at);
    return page.substr(at, end - at).find("display: none") != std::string::npos;
}

class ProgressPages : public ::testing::Test {
protected:
    InProcessFrontEnd frontEnd;
    std::string id = frontEnd.admit();
};

// Of the five state elements only the product's own shows; waiting and
// installing hide the closing button.
TEST_F(ProgressPages, OneStateElementPerProduct)
{
    const std::vector<std::string> elements = {"zarni_waiting", "zarni_inprogress", "zarni_progress", "zarni_ok",
                                               "zarni_error"};
    struct Case {
        const char* state;
        std::string shown;
        bool closingHidden;
    } cases[] = {
        {"waiting", "zarni_waiting", true},   {"started", "zarni_inprogress", false},
        {"in_progress", "zarni_progress", true}, {"completed", "zarni_ok", false},
        {"failed", "zarni_error", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        frontEnd.backend.replyText("get_progress",
                                   std::string("<?xml version=\"1.0\" ?><kitwright status=\"ok\"><products>"
                                               "<product id=\"zarni\" name=\"Zarni\" action=\"install\" version=\"1.1\" "
                                               "codename=\"Birch\"><progress status=\"waiting\"/><progress status=\"") +
                                       c.state + "\" percentage=\"10\"/></product>"
                                                 "<product id=\"nostate\" name=\"N\" action=\"install\" version=\"1\" "
                                                 "codename=\"C\"/></products><console></console></kitwright>");
        const std::string page = body(frontEnd.get("/install_progress.html", id));
        for (const std::string& element : elements) EXPECT_EQ(element != c.shown, hidden(page, element)) << element;
        EXPECT_EQ(c.closingHidden, has(page, "id=\"successor\" class=\"successor\" style=\"display:none\""));
        EXPECT_FALSE(has(page, "nostate")) << "a product without a state has no row";
        EXPECT_TRUE(has(page, Messages::get("web_progress_caption")));
    }
}

TEST_F(ProgressPages, GoldenReplyIsEscapedAndWellFormed)
{
    frontEnd.backend.reply("get_progress", goldenReply("progress-in-progress"));
    const std::string page = body(frontEnd.get("/install_progress.html", id));
    EXPECT_TRUE(has(page, "Zarni &amp; Co Birch &lt;B&gt; <span>")) << page;
    EXPECT_TRUE(has(page, "Unpacking zarni-base<br/>\n"));
    EXPECT_EQ("", XmlLint(page).htmlComplaints()) << page;
}

TEST_F(ProgressPages, ConsoleOutputIsText)
{
    frontEnd.backend.replyText("get_progress", "<?xml version=\"1.0\" ?><kitwright status=\"ok\"><products/>"
                                               "<console>&lt;script&gt;alert(1)&lt;/script&gt;</console></kitwright>");
    const std::string page = body(frontEnd.get("/install_progress.html", id));
    EXPECT_TRUE(has(page, "&lt;script&gt;alert(1)&lt;/script&gt;"));
    EXPECT_FALSE(has(page, "<script>alert(1)"));
}

TEST_F(ProgressPages, FailedExchangeShowsThePageWithoutRowsOrError)
{
    frontEnd.backend.noReply("get_progress");
    const std::string answer = frontEnd.get("/install_progress.html", id);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
    EXPECT_FALSE(has(body(answer), "msg-error"));
    EXPECT_FALSE(has(body(answer), "class=\"product\" style"));
}

TEST_F(ProgressPages, UpdateIsJson)
{
    frontEnd.backend.replyText("get_progress_delta",
                               "<?xml version=\"1.0\" ?><kitwright status=\"ok\"><products>"
                               "<product id=\"zarni\"><progress status=\"in_progress\" percentage=\"66\"/></product>"
                               "<product id=\"tenebrin\"><progress status=\"waiting\"/></product></products>"
                               "<console>Unpacking &lt;script&gt; \"x\"&#x0A;</console></kitwright>");
    const std::string answer = frontEnd.get("/percentage.html", id);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
    EXPECT_EQ("No-cache", header(answer, "Pragma"));
    EXPECT_TRUE(has(header(answer, "Cache-Control"), "no-store"));
    EXPECT_TRUE(has(header(answer, "Content-Type"), "text/plain"));
    const std::string text = body(answer);
    // The reference JSON reader gives it back as the page reads it.
    TempDir scratch;
    writeFileWithDirectories(scratch.path() + "/update.json", text);
    int status = -1;
    const std::string read = commandOutput(
        "python3 -c 'import json,sys; u=json.load(open(sys.argv[1])); "
        "print([(e[\"prodId\"], e[\"status\"], e.get(\"percentage\")) for e in u[0]]); print(repr(u[1][0][\"output\"]))' " +
            web_ui_test::quoted(scratch.path() + "/update.json"),
        &status);
    EXPECT_EQ(0, status) << text;
    EXPECT_EQ("[('zarni', 'in_progress', '66'), ('tenebrin', 'waiting', None)]\n'Unpacking <script> \"x\"\\n'\n", read)
        << text;
    EXPECT_FALSE(has(text, "<script>"));
}

TEST_F(ProgressPages, UpdateWithoutProgressIsAnEmptyArray)
{
    for (const char* reply : {"bad-page", "", "error"}) {
        SCOPED_TRACE(reply);
        if (std::string(reply) == "bad-page") frontEnd.backend.reply("get_progress_delta", goldenReply("bad-page"));
        else if (std::string(reply) == "error") frontEnd.backend.reply("get_progress_delta", goldenReply("error-with-line-feed"));
        else frontEnd.backend.noReply("get_progress_delta");
        const std::string answer = frontEnd.get("/percentage.html", id);
        EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
        EXPECT_EQ("[]", body(answer));
    }
}

TEST_F(ProgressPages, LogIsAnAttachment)
{
    frontEnd.backend.reply("get_log", goldenReply("log"));
    const std::string answer = frontEnd.get("/log.html", id);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
    EXPECT_EQ("attachment; filename=zarni-installation-log.txt", header(answer, "Content-Disposition"));
    EXPECT_TRUE(has(body(answer), "line <two> & \"three\""));
    ASSERT_FALSE(frontEnd.backend.requests().empty());
    EXPECT_TRUE(has(frontEnd.backend.requests().back(), "<command value=\"get_log\" size=\"1000000\" />"));

    frontEnd.backend.replyText("get_log", "<?xml version=\"1.0\" ?><kitwright status=\"ok\"><log></log></kitwright>");
    EXPECT_EQ("HTTP/1.1 204 No Content", statusLine(frontEnd.get("/log.html", id)));

    frontEnd.backend.noReply("get_log");
    const std::string failed = frontEnd.get("/log.html", id);
    EXPECT_TRUE(has(header(failed, "Content-Type"), "text/plain"));
    EXPECT_TRUE(has(body(failed), "no reply for 'get_log'"));
}

}  // namespace
