#pragma once

#include "web_ui/BackendClient.h"
#include "web_ui/WebSessions.h"

#include <cstddef>
#include <string>
#include <vector>

struct kwhttpd_arg;
struct kwhttpd_ctx;
class WebPage;

// A line of the page table: a URI the front end serves besides the static
// files, and its handler.
struct WebPageEntry {
    const char* uri;
    void (*handler)(WebPage& page);
};

// The wizard's pages in registration order (WebPages.cpp): a new page is a
// line there and a handler in a file of its own.
extern const WebPageEntry kWebPages[];
extern const std::size_t kWebPageCount;

// The front end's pages with what they share: the session table and the
// client of the back end. Every handler runs inside a guard: whatever it
// raises is logged and answered with the 500 page (when the page was not
// answered yet), and the front end keeps serving.
//
// Registered callbacks point into the object: it outlives the server.
class WebPages {
public:
    explicit WebPages(const std::string& backendSocket, WebSessions::Clock clock = std::chrono::system_clock::now);
    WebPages(const WebPages&) = delete;
    WebPages& operator=(const WebPages&) = delete;

    // Registers every page of kWebPages, in order.
    void registerPages(kwhttpd_ctx* ctx);

    WebSessions& sessions() { return sessions_; }
    BackendClient& backend() { return backend_; }

private:
    struct Binding {
        WebPages* pages;
        const WebPageEntry* entry;
    };
    static void serve(kwhttpd_arg* arg);

    WebSessions sessions_;
    BackendClient backend_;
    std::vector<Binding> bindings_;
};

// "/": the access check, then the 303 to the wizard's current page.
void handleRoot(WebPage& page);
// "/clear.html": clears the wizard's state (command "clear") and sends the
// browser to the summary. Needs the admitted session and its CSRF token in
// the query ("csrf_token"), so that no other site can cancel a wizard.
void handleClear(WebPage& page);
