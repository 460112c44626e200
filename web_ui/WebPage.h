#pragma once

#include "common/xmlbind.h"
#include "web_ui/MessageBoxes.h"
#include "web_ui/TemplateRenderer.h"
#include "web_ui/WebResources.h"
#include "web_ui/WebSessions.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct kwhttpd_arg;
class BackendClient;

// One request of one wizard page, as its handler sees it. The road of every
// page handler:
//
//     void handleSomething(WebPage& page)
//     {
//         if (!page.admit()) return;                      // login page, 403 ... already answered
//         const xmlbind::Element reply = page.query(backendCommand("get_something"), buildSomethingRequest);
//         if (page.answered()) return;                    // the exchange redirected (303)
//         page.variables()["something"] = ...;            // escaped for its place (TextEscapes.h)
//         page.render(PageTemplate::something);
//     }
//
// A page is declared by a line of the page table (WebPages.cpp). The handler
// runs inside a guard: whatever it raises is logged and, when the page has
// not been answered, answered with the 500 page; the front end keeps serving.
//
// Lives for one handler call; it points into the front end's session table
// and back-end client, which outlive it.
class WebPage {
public:
    // Builds a submitted form into the page's request, sends it with
    // page.askBackend and returns the reply text (see query).
    using PostBuilder = std::function<std::string(WebPage& page)>;

    WebPage(kwhttpd_arg* arg, WebSessions& sessions, BackendClient& backend);
    WebPage(const WebPage&) = delete;
    WebPage& operator=(const WebPage&) = delete;

    kwhttpd_arg* arg() const { return arg_; }
    WebSessions& sessions() const { return sessions_; }
    BackendClient& backend() const { return backend_; }

    // The access check: true when the handler may go on. False when the
    // answer is written (the login page, a redirect that sets the session
    // cookie, the 403 page of a POST without the session's CSRF token, an
    // error page) or when the POST body is not complete yet (the server calls
    // the handler again).
    bool admit();
    // The session of the request; valid once admit() answered true.
    WebUiSession& session() const;
    // The current session's CSRF token, for forms and links that change state
    // (render() puts it into the variable "csrf_token").
    const std::string& csrfToken() const;

    bool isPost() const;
    // The client's address, for log lines.
    std::string clientAddress() const;
    // A variable of the query string or of a submitted form (URL-decoded),
    // at most `maxLength` bytes (longer values are cut); none when absent.
    std::optional<std::string> queryVariable(const char* name, std::size_t maxLength) const;
    std::optional<std::string> formVariable(const char* name, std::size_t maxLength) const;

    // The exchange of the page: a GET (or a POST without builder) sends
    // `getRequest`; a POST with a builder sends what the builder sends. A
    // failed exchange (no back end, a malformed reply, status "error", an
    // error of the builder) becomes the page's error text and the answer is
    // null. Status "ok" of a POST and status "bad_page" write the 303 to the
    // wizard's current page (answered() is then true). Status "bad_values"
    // adds the "web_bad_fields_values" warning. Warnings of the reply are
    // added to warnings(). Returns the reply root's first child element (for
    // "ok", "warning", "bad_values"), else null; it points into a document
    // the page owns.
    xmlbind::Element query(const std::string& getRequest, const PostBuilder& postBuilder = nullptr);
    // The same exchange, raising the error instead of keeping its text.
    xmlbind::Element queryOrThrow(const std::string& getRequest, const PostBuilder& postBuilder = nullptr);
    // One request to the back end and its reply text (raises on failure).
    std::string askBackend(const std::string& request);

    // The reply's status (empty before an exchange, "redirect" after a POST
    // answered "ok").
    const std::string& status() const { return status_; }
    // The answer is written (a redirect, the access check): the handler stops.
    bool answered() const;
    bool failed() const { return !errorText_.empty(); }

    TemplateVariables& variables() { return variables_; }
    std::vector<PageWarning>& warnings() { return warnings_; }
    // Shown in the page's error box instead of the warnings.
    std::string& errorText() { return errorText_; }

    // Renders the page: "kw_version", "csrf_token", the message boxes
    // ("error_message"), the HTML headers and the template; ends the answer.
    void render(PageTemplate page);

    // Ends the answer with the 303 to the wizard's current page.
    void redirectToCurrentPage();

private:
    kwhttpd_arg* arg_;
    WebSessions& sessions_;
    BackendClient& backend_;
    xmlbind::Document reply_;
    std::string status_;
    std::vector<PageWarning> warnings_;
    std::string errorText_;
    TemplateVariables variables_;
};
