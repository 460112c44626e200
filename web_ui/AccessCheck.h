#pragma once

#include <optional>
#include <string>

class WebPage;
struct WebUiSession;

// Admission of a browser request to the wizard's pages (WebPage::admit).
//
// A request passes with the cookie of the admitted session, and a POST only
// with that session's CSRF token in the form. Any other request gets its
// session (a new one when the cookie names none) and then the login page, or
// is admitted by the one-time secret in its query ("secret"), or by the
// session id the installer handed to a restarted front end; admission by
// secret or login gives the browser a new session id and token.

// True when the handler may go on; otherwise the answer is written (or the
// POST body is still arriving).
bool checkAccess(WebPage& page);

// The one-time secret in the query admits the current session (rotated):
// the 303 to the current page with its cookie is written and the secret is
// used up. False, and nothing written, otherwise.
bool checkSecret(WebPage& page);

// The 303 to the wizard's current page that sets the session's cookie.
void redirectWithCookie(WebPage& page, const WebUiSession& session);

// The login page for the current session, or the login it submits: a good
// login admits the session (rotated) and sends the browser to the summary; a
// refused one shows the failed-login page; a change of the language selector
// shows the login page in the new language. The typed password is never sent
// back.
void sendLoginPage(WebPage& page);

// The "Set-Cookie" line of the session: HttpOnly, SameSite=Strict, the whole
// site, and Secure over TLS.
std::string sessionCookieLine(const WebPage& page, const WebUiSession& session);

// The sent token equals the current session's (compared in constant time).
bool checkCsrfToken(const WebPage& page, const std::optional<std::string>& sentToken);
// The form variable and query variable that carry the token.
constexpr const char* kCsrfVariable = "csrf_token";
constexpr std::size_t kMaxCsrfToken = 39;
