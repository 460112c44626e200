#include "web_ui/AccessCheck.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/BuildInfo.h"
#include "common/StringUtils.h"
#include "web_ui/BackendClient.h"
#include "web_ui/CurrentPage.h"
#include "web_ui/FrontEndLocale.h"
#include "web_ui/PasswordCheck.h"
#include "web_ui/ResponseWriters.h"
#include "web_ui/TextEscapes.h"
#include "web_ui/WebPage.h"
#include "web_ui/WebSecret.h"
#include "web_ui/WebSessions.h"
#include "webserver/kwhttpd.h"

namespace {

const char* const kTooManySessions = "Too many sessions.";
constexpr std::size_t kMaxSecret = 255;
constexpr std::size_t kMaxLocale = 19;
constexpr std::size_t kMaxLoginField = 1023;

void switchLocaleFromQuery(WebPage& page)
{
    const std::optional<std::string> locale = page.queryVariable("locale", kMaxLocale);
    if (locale && !locale->empty()) switchLocale(page.backend(), *locale);
}

std::string languageOf(const std::string& locale)
{
    return locale.substr(0, locale.find('.'));
}

void renderLoginTemplate(WebPage& page, PageTemplate which, TemplateVariables& variables)
{
    const std::string_view text = pageTemplate(which);
    send_html_chunk(page.arg(), text.data(), text.size(), variables);
}

// After a POST: the session's form, checked.
bool admitPost(WebPage& page)
{
    if (checkCsrfToken(page, page.formVariable(kCsrfVariable, kMaxCsrfToken))) return true;
    sendForbiddenPage(page.arg(), "You do not have permission to access this document");
    return false;
}

}  // namespace

std::string sessionCookieLine(const WebPage& page, const WebUiSession& session)
{
    const bool tls = kwhttpd_get_env(page.arg(), "HTTPS") != nullptr;
    return "Set-Cookie: sessionID=" + session.id + "; Path=/; HttpOnly; SameSite=Strict" + (tls ? "; Secure" : "") +
           "\r\n";
}

bool checkCsrfToken(const WebPage& page, const std::optional<std::string>& sentToken)
{
    const WebUiSession* session = page.sessions().current();
    if (!sentToken) {
        Log(3, true) << "DEBUG: the request carries no csrf_token";
        return false;
    }
    if (!session || !equalSecrets(*sentToken, session->csrfToken)) {
        Log(3, true) << "DEBUG: the request's csrf_token is not the session's";
        return false;
    }
    return true;
}

void redirectWithCookie(WebPage& page, const WebUiSession& session)
{
    sendSeeOther(page.arg(), getCurrentPageUrl(page.backend()), sessionCookieLine(page, session));
}

bool checkSecret(WebPage& page)
{
    if (webSecret().empty()) return false;
    const std::optional<std::string> sent = page.queryVariable("secret", kMaxSecret);
    if (!sent || sent->empty() || !equalSecrets(*sent, webSecret())) return false;
    forgetWebSecret();
    const WebUiSession& session = page.sessions().admitCurrentSession();
    Log(2, true) << "The web wizard admitted " << page.clientAddress() << " by its one-time secret";
    redirectWithCookie(page, session);
    return true;
}

void sendLoginPage(WebPage& page)
{
    TemplateVariables variables;
    variables["kw_version"] = kwVersion();
    buildLanguageSelector(variables["language_selector"], true);
    variables["current_login"] = escapeHtmlText(getProcessUserName());
    PageTemplate which = PageTemplate::login;
    if (page.isPost()) {
        const std::string locale = trim(page.formVariable("login_locale", kMaxLocale).value_or(""));
        const std::string login = trim(page.formVariable("login", kMaxLoginField).value_or(""));
        const std::string password = trim(page.formVariable("password", kMaxLoginField).value_or(""));
        if (!login.empty() && isProcessUser(login) && checkPassword(login, password)) {
            if (!locale.empty()) switchLocale(page.backend(), locale);
            const WebUiSession& session = page.sessions().admitCurrentSession();
            Log(2, true) << "The web wizard admitted " << page.clientAddress() << " by login";
            sendHtmlHeader(page.arg(), sessionCookieLine(page, session));
            sendRefreshToSummary(page.arg());
            return;
        }
        variables["current_login"] = escapeHtmlText(login);
        if (languageOf(locale) == languageOf(Messages::getLocale())) {
            Log(1, true) << "Warning: the web wizard refused a login from " << page.clientAddress();
            which = PageTemplate::loginFailed;
        } else {
            switchLocale(page.backend(), locale);
            buildLanguageSelector(variables["language_selector"], true);
        }
    }
    const WebUiSession* session = page.sessions().current();
    sendHtmlHeader(page.arg(), session ? sessionCookieLine(page, *session) : std::string());
    renderLoginTemplate(page, which, variables);
    page.arg()->flags |= KWHTTPD_OUTPUT_DONE;
}

bool checkAccess(WebPage& page)
{
    kwhttpd_arg* arg = page.arg();
    if (arg->flags & KWHTTPD_MORE_BODY) {
        if (!(arg->flags & KWHTTPD_BODY_BUFFER_FULL)) return false;
        // The body would never fit: waiting for the rest would hang the browser.
        sendErrorPage(arg, "The request is too large.");
        return false;
    }
    WebSessions& sessions = page.sessions();
    const WebSessions::Check check = sessions.checkSession(kwhttpd_get_header(arg, "Cookie"));
    Log(3, true) << "DEBUG: session check: " << check;
    switch (check) {
    case WebSessions::Check::admitted:
        switchLocaleFromQuery(page);
        return !page.isPost() || admitPost(page);
    case WebSessions::Check::unknown:
    case WebSessions::Check::malformed:
        if (!sessions.createSession()) {
            sendErrorPage(arg, kTooManySessions);
            return false;
        }
        break;
    case WebSessions::Check::notAdmitted:
        break;
    case WebSessions::Check::full:
        sendErrorPage(arg, kTooManySessions);
        return false;
    case WebSessions::Check::adopted:
        redirectWithCookie(page, *sessions.current());
        switchLocaleFromQuery(page);
        return false;
    }
    if (checkSecret(page)) {
        switchLocaleFromQuery(page);
        return false;
    }
    sendLoginPage(page);
    return false;
}
