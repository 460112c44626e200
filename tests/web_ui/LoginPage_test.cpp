// The login form of the front end against PAM stacks of the test's own, in
// a private mount namespace (see PasswordCheck_test.cpp): the machine's
// accounts are never asked.

#include "web_ui/AccessCheck.h"

#include "common/Messages.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TestFiles.h"
#include "tests/web_ui/FrontEndHarness.h"
#include "web_ui/PasswordCheck.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

using web_ui_test::InProcessFrontEnd;
using webserver_test::body;
using webserver_test::header;
using webserver_test::statusLine;

// Runs the check in a namespace whose PAM stacks admit (pam_permit) or
// refuse (pam_deny) every password; the check reports its failures on
// standard error.
void expectWithPam(const char* module, const std::function<bool(InProcessFrontEnd&)>& check)
{
    const int result = runInPrivateMountNamespace([&] {
        if (mount("tmpfs", "/etc/pam.d", "tmpfs", 0, "mode=0755") != 0) return kNamespaceRefused;
        writeFileWithDirectories("/etc/pam.d/common-auth", std::string("auth required ") + module + "\n");
        writeFileWithDirectories("/etc/pam.d/common-account", "account required pam_permit.so\n");
        InProcessFrontEnd frontEnd;
        frontEnd.backend.reply("set_locale", web_ui_test::goldenReply("ok"));
        return check(frontEnd) ? 0 : 1;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(0, result);
}

bool report(bool ok, const std::string& what, const std::string& answer)
{
    if (!ok) std::fprintf(stderr, "%s\n---\n%s\n---\n", what.c_str(), answer.c_str());
    return ok;
}

std::string form(const std::string& login, const std::string& password, const std::string& locale = "en_US")
{
    return "login_locale=" + locale + "&login=" + login + "&password=" + password;
}

TEST(LoginPage, GoodLoginAdmitsWithANewSessionId)
{
    expectWithPam("pam_permit.so", [](InProcessFrontEnd& frontEnd) {
        const std::string before = InProcessFrontEnd::sessionCookie(frontEnd.get("/"));
        const std::string answer = frontEnd.post("/", form(" " + getProcessUserName() + " ", "pw"), before);
        const std::string after = InProcessFrontEnd::sessionCookie(answer);
        return report(statusLine(answer) == "HTTP/1.1 200 OK", "status", answer) &&
               report(body(answer).find("url=/summary.html") != std::string::npos, "refresh", answer) &&
               report(!after.empty() && after != before, "a new id", answer) &&
               report(frontEnd.sessions().find(after) && frontEnd.sessions().find(after)->active, "admitted", answer);
    });
}

TEST(LoginPage, OtherNamesAreRefusedBeforePam)
{
    expectWithPam("pam_permit.so", [](InProcessFrontEnd& frontEnd) {
        std::string name = getProcessUserName();
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        const std::string id = InProcessFrontEnd::sessionCookie(frontEnd.get("/"));
        const std::string answer = frontEnd.post("/", form(name, "pw"), id);
        return report(body(answer).find(Messages::get("web_bad_login")) != std::string::npos, "refused", answer) &&
               report(!frontEnd.sessions().find(id)->active, "not admitted", answer);
    });
}

TEST(LoginPage, WrongPasswordShowsTheRefusalAndNoPassword)
{
    expectWithPam("pam_deny.so", [](InProcessFrontEnd& frontEnd) {
        const std::string id = InProcessFrontEnd::sessionCookie(frontEnd.get("/"));
        const std::string answer = frontEnd.post("/", form(getProcessUserName(), "typedsecret"), id);
        return report(body(answer).find(Messages::get("web_bad_login")) != std::string::npos, "refused", answer) &&
               report(answer.find("typedsecret") == std::string::npos, "the password is not sent back", answer) &&
               report(InProcessFrontEnd::sessionCookie(answer) == id, "the same session", answer) &&
               report(!frontEnd.sessions().find(id)->active, "not admitted", answer);
    });
}

TEST(LoginPage, LanguageChangeShowsNoRefusal)
{
    expectWithPam("pam_deny.so", [](InProcessFrontEnd& frontEnd) {
        const std::string id = InProcessFrontEnd::sessionCookie(frontEnd.get("/"));
        const std::string answer = frontEnd.post("/", form("someone", "typedsecret", "de_DE"), id);
        const std::string english = Messages::get("web_bad_login");
        const bool ok = report(Messages::getLocale() == "de_DE.UTF-8", "switched", answer) &&
                        report(body(answer).find("value=\"someone\"") != std::string::npos, "login kept", answer) &&
                        report(answer.find("typedsecret") == std::string::npos, "no password", answer) &&
                        report(body(answer).find("class=\"msg-error\"") == std::string::npos, "no error", answer) &&
                        report(body(answer).find("<option value=\"de_DE\" selected>") != std::string::npos,
                               "selector in the new language", answer);
        return ok;
    });
}

}  // namespace
