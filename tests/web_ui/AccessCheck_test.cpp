#include "web_ui/AccessCheck.h"

#include "common/Messages.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/web_ui/FrontEndHarness.h"
#include "web_ui/WebSecret.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web_ui_test::InProcessFrontEnd;
using webserver_test::body;
using webserver_test::header;
using webserver_test::statusLine;

bool isSessionId(const std::string& id)
{
    if (id.size() != WebSessions::kIdLength) return false;
    for (const char c : id)
        if (c < 'a' || c > 'z') return false;
    return true;
}

// A GET without cookie: the login page and a new session's cookie.
TEST(AccessCheck, FirstVisitGetsTheLoginPageAndACookie)
{
    InProcessFrontEnd frontEnd;
    const std::string answer = frontEnd.get("/");
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
    EXPECT_EQ("text/html; charset=utf-8", header(answer, "Content-Type"));
    EXPECT_EQ("no-store", header(answer, "Cache-Control"));
    EXPECT_EQ("DENY", header(answer, "X-Frame-Options"));
    EXPECT_EQ("nosniff", header(answer, "X-Content-Type-Options"));
    const std::string cookie = header(answer, "Set-Cookie");
    const std::string id = InProcessFrontEnd::sessionCookie(answer);
    EXPECT_TRUE(isSessionId(id)) << cookie;
    EXPECT_EQ("sessionID=" + id + "; Path=/; HttpOnly; SameSite=Strict", cookie);
    EXPECT_NE(std::string::npos, body(answer).find("name=\"password\" value=\"\"")) << body(answer);
    EXPECT_TRUE(frontEnd.backend.requests().empty()) << "nobody is asked before the login";
}

TEST(AccessCheck, AdmittedSessionPasses)
{
    InProcessFrontEnd frontEnd;
    frontEnd.backend.reply("get_current_page", web_ui_test::goldenReply("current-page"));
    const std::string id = frontEnd.admit();
    const std::string answer = frontEnd.get("/", id);
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(answer));
    EXPECT_EQ("/select_components.html", header(answer, "Location"));
    EXPECT_EQ("", header(answer, "Set-Cookie"));
    EXPECT_EQ(std::vector<std::string>{"get_current_page"}, frontEnd.backend.commands());
}

TEST(AccessCheck, SecretAdmitsOnceWithANewSessionId)
{
    ScopedEnvironment secretVariable("WEB_SECRET", "thesecretofthisfrontendxyzab");
    loadWebSecret();
    InProcessFrontEnd frontEnd;
    frontEnd.backend.reply("get_current_page", web_ui_test::webReply("current-page-summary"));
    const std::string before = InProcessFrontEnd::sessionCookie(frontEnd.get("/"));
    ASSERT_FALSE(before.empty());

    const std::string wrong = frontEnd.get("/?secret=thesecretofthisfrontendxyzaa", before);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(wrong)) << "a wrong secret gets the login page";

    const std::string admitted = frontEnd.get("/?secret=thesecretofthisfrontendxyzab", before);
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(admitted));
    EXPECT_EQ("/summary.html", header(admitted, "Location"));
    const std::string after = InProcessFrontEnd::sessionCookie(admitted);
    EXPECT_TRUE(isSessionId(after));
    EXPECT_NE(before, after) << "admission gives a new session id";
    EXPECT_EQ(nullptr, frontEnd.sessions().find(before)) << "the id seen before the admission is dropped";
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(frontEnd.get("/", after)));

    const std::string again = frontEnd.get("/?secret=thesecretofthisfrontendxyzab");
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(again)) << "the secret works once";
    EXPECT_TRUE(webSecret().empty());
}

TEST(AccessCheck, PostNeedsTheSessionsToken)
{
    InProcessFrontEnd frontEnd;
    frontEnd.backend.reply("get_current_page", web_ui_test::webReply("current-page-summary"));
    const std::string id = frontEnd.admit();
    const std::string token = frontEnd.csrfToken(id);
    ASSERT_EQ(36u, token.size());
    struct Case {
        const char* name;
        std::string form;
        const char* status;
    } cases[] = {
        {"no token", "a=1", "HTTP/1.1 403 Forbidden"},
        {"an empty token", "csrf_token=&a=1", "HTTP/1.1 403 Forbidden"},
        {"another token", "csrf_token=" + frontEnd.csrfToken(frontEnd.admit()), "HTTP/1.1 403 Forbidden"},
        {"one character changed", "csrf_token=" + token.substr(0, 35) + (token[35] == 'a' ? "b" : "a"),
         "HTTP/1.1 403 Forbidden"},
        {"the token and more", "csrf_token=" + token + "0", "HTTP/1.1 403 Forbidden"},
    };
    // The second admit() above logged the first session out: admit it again.
    const std::string current = frontEnd.admit();
    const std::string currentToken = frontEnd.csrfToken(current);
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.form.find(token) != std::string::npos) c.form.replace(c.form.find(token), token.size(), currentToken);
        frontEnd.backend.forgetRequests();
        const std::string answer = frontEnd.post("/", c.form, current);
        EXPECT_EQ(c.status, statusLine(answer));
        EXPECT_TRUE(frontEnd.backend.requests().empty()) << "a refused POST reaches no back end";
    }
    const std::string passed = frontEnd.post("/", "csrf_token=" + currentToken, current);
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(passed));
    EXPECT_EQ("/summary.html", header(passed, "Location"));
}

TEST(AccessCheck, UnusableCookiesGetANewSession)
{
    InProcessFrontEnd frontEnd;
    const std::string admitted = frontEnd.admit();
    const std::string cookies[] = {
        "sessionID=abc;",
        "sessionID=abc; ",
        "sessionID=" + std::string(6000, 'a'),
        std::string(6000, 'n') + "=1",
        "other=1",
        "sessionID",
        "sessionID=unknownsessionidofnobodyatall",
    };
    for (const std::string& cookie : cookies) {
        SCOPED_TRACE(cookie.substr(0, 40));
        const std::string answer = frontEnd.serve("GET / HTTP/1.1\r\nConnection: close\r\nCookie: " + cookie + "\r\n\r\n");
        EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
        const std::string id = InProcessFrontEnd::sessionCookie(answer);
        EXPECT_TRUE(isSessionId(id));
        EXPECT_NE(admitted, id);
    }
    const WebUiSession* first = frontEnd.sessions().find(admitted);
    ASSERT_NE(nullptr, first);
    EXPECT_TRUE(first->active) << "nothing a stranger sends ends the admission";
}

TEST(AccessCheck, TableKeepsThirtyTwoAndTheActiveSession)
{
    InProcessFrontEnd frontEnd;
    const std::string admitted = frontEnd.admit();
    for (int client = 0; client < 40; ++client) {
        frontEnd.now += std::chrono::seconds(1);
        EXPECT_EQ("HTTP/1.1 200 OK", statusLine(frontEnd.get("/")));
    }
    EXPECT_EQ(WebSessions::kMaxSessions, frontEnd.sessions().size());
    ASSERT_NE(nullptr, frontEnd.sessions().find(admitted));
    EXPECT_TRUE(frontEnd.sessions().find(admitted)->active);
}

TEST(AccessCheck, SecondAdmissionLogsTheFirstOut)
{
    InProcessFrontEnd frontEnd;
    frontEnd.backend.reply("get_current_page", web_ui_test::webReply("current-page-summary"));
    const std::string first = frontEnd.admit();
    const std::string second = frontEnd.admit();
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(frontEnd.get("/", second)));
    const std::string answer = frontEnd.get("/", first);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer)) << "the login page again";
    EXPECT_EQ(first, InProcessFrontEnd::sessionCookie(answer)) << "under the same id";
}

TEST(AccessCheck, AnHourWithoutRequestEndsTheAdmission)
{
    InProcessFrontEnd frontEnd;
    frontEnd.backend.reply("get_current_page", web_ui_test::webReply("current-page-summary"));
    const std::string id = frontEnd.admit();
    frontEnd.now += std::chrono::minutes(59);
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(frontEnd.get("/", id)));
    frontEnd.now += std::chrono::minutes(59);
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(frontEnd.get("/", id))) << "each request renews the hour";
    frontEnd.now += std::chrono::seconds(3600);
    const std::string answer = frontEnd.get("/", id);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(answer));
    EXPECT_EQ(id, InProcessFrontEnd::sessionCookie(answer));
}

TEST(AccessCheck, InstallersSessionIdIsAdoptedOnce)
{
    const std::string id = "adoptedsessionidoftheinstall";
    ScopedEnvironment adopted(WebSessions::kAdoptedIdVariable, id);
    InProcessFrontEnd frontEnd;
    EXPECT_EQ(nullptr, std::getenv(WebSessions::kAdoptedIdVariable)) << "taken out of the environment";
    frontEnd.backend.reply("get_current_page", web_ui_test::goldenReply("current-page"));
    const std::string answer = frontEnd.get("/", id);
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(answer));
    EXPECT_EQ("/select_components.html", header(answer, "Location"));
    EXPECT_EQ(id, InProcessFrontEnd::sessionCookie(answer)) << "adoption keeps the id";
    EXPECT_EQ("HTTP/1.1 303 See Other", statusLine(frontEnd.get("/", id)));
    frontEnd.admit();
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(frontEnd.get("/", id)));
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(frontEnd.get("/", id))) << "not adopted a second time";
}

TEST(AccessCheck, LocaleFromTheQuerySwitchesBothSides)
{
    InProcessFrontEnd frontEnd;
    frontEnd.backend.reply("get_current_page", web_ui_test::webReply("current-page-summary"));
    frontEnd.backend.reply("set_locale", web_ui_test::goldenReply("ok"));
    const std::string id = frontEnd.admit();
    const std::string before = Messages::getLocale();
    frontEnd.get("/?locale=xx%22%3E%3C", id);
    frontEnd.get("/?locale=de_DE.ISO-8859-1", id);
    EXPECT_EQ(before, Messages::getLocale());
    EXPECT_EQ(std::vector<std::string>({"get_current_page", "get_current_page"}), frontEnd.backend.commands())
        << "a locale the catalogue does not offer reaches no back end";
    frontEnd.backend.forgetRequests();
    frontEnd.get("/?locale=de_DE.UTF-8", id);
    EXPECT_EQ("de_DE.UTF-8", Messages::getLocale());
    const std::vector<std::string> requests = frontEnd.backend.requests();
    ASSERT_EQ(2u, requests.size());
    EXPECT_NE(std::string::npos, requests[0].find("<command value=\"set_locale\" /><locale name=\"de_DE.UTF-8\" />"))
        << requests[0];
    Messages::setLocale(before);
}

}  // namespace
