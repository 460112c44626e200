#include "web_ui/WebPages.h"

#include "common/Log.h"
#include "common/error.h"
#include "web_ui/AccessCheck.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/ComponentsPage.h"
#include "web_ui/ComponentsSettingsPage.h"
#include "web_ui/ExaminePage.h"
#include "web_ui/PreferencesPage.h"
#include "web_ui/ProductIcons.h"
#include "web_ui/ProgressPages.h"
#include "web_ui/ReleasesPage.h"
#include "web_ui/ResponseWriters.h"
#include "web_ui/SummaryPage.h"
#include "web_ui/WebPage.h"
#include "webserver/kwhttpd.h"

#include <exception>

const WebPageEntry kWebPages[] = {
    {"/", handleRoot},
    {"/summary.html", handleSummary},
    {"/preferences.html", handlePreferences},
    {"/iup.html", [](WebPage& page) { handleReleases(page, ReleasesMode::products); }},
    {"/installation_types.html", [](WebPage& page) { handleReleases(page, ReleasesMode::installationTypes); }},
    {"/select_components.html", [](WebPage& page) { handleComponentsPage(page, ComponentsMode::select); }},
    {"/examine.html", handleExamine},
    {"/update_components.html", [](WebPage& page) { handleComponentsPage(page, ComponentsMode::update); }},
    {"/add_components.html", [](WebPage& page) { handleComponentsPage(page, ComponentsMode::addRemove); }},
    {"/cp.html", handleComponentsSettings},
    {"/install_progress.html", handleInstallProgress},
    {"/percentage.html", handlePercentage},
    {"/clear.html", handleClear},
    {"/log.html", handleLog},
    {"/get_enabled_product_icon", [](WebPage& page) { handleProductIcon(page, true); }},
    {"/get_disabled_product_icon", [](WebPage& page) { handleProductIcon(page, false); }},
};
const std::size_t kWebPageCount = sizeof kWebPages / sizeof kWebPages[0];

WebPages::WebPages(const std::string& backendSocket, WebSessions::Clock clock)
    : sessions_(std::move(clock)), backend_(backendSocket)
{
    bindings_.reserve(kWebPageCount);
    for (std::size_t i = 0; i < kWebPageCount; ++i) bindings_.push_back({this, &kWebPages[i]});
}

void WebPages::registerPages(kwhttpd_ctx* ctx)
{
    for (Binding& binding : bindings_) kwhttpd_register_uri(ctx, binding.entry->uri, serve, &binding);
}

namespace {

// A handler that failed: what it wrote is dropped (nothing has left the
// output block yet) and the 500 page takes its place.
void answerFailure(kwhttpd_arg* arg, const char* uri, const std::string& what)
{
    Log(1, true) << "Error: the web page " << uri << " failed: " << what;
    arg->out.num_bytes = 0;
    arg->flags &= ~static_cast<unsigned>(KWHTTPD_OUTPUT_DONE);
    sendInternalErrorPage(arg, "The page could not be made; the installer's log says why.");
}

}  // namespace

void WebPages::serve(kwhttpd_arg* arg)
{
    const Binding& binding = *static_cast<const Binding*>(arg->user_data);
    if (arg->flags & KWHTTPD_CONNECTION_LOST) return;
    WebPage page(arg, binding.pages->sessions_, binding.pages->backend_);
    try {
        binding.entry->handler(page);
    } catch (const error& failure) {
        answerFailure(arg, binding.entry->uri, failure.text());
    } catch (const xmlbind::err& failure) {
        answerFailure(arg, binding.entry->uri, failure.message);
    } catch (const std::exception& failure) {
        answerFailure(arg, binding.entry->uri, failure.what());
    } catch (...) {
        // Whatever it was, one failed page must not end the front end.
        answerFailure(arg, binding.entry->uri, "an unknown exception");
    }
    if (arg->flags & KWHTTPD_OUTPUT_DONE) arg->in.num_bytes = arg->in.len;
}

void handleRoot(WebPage& page)
{
    if (!page.admit()) return;
    page.redirectToCurrentPage();
}

void handleClear(WebPage& page)
{
    if (!page.admit()) return;
    if (!checkCsrfToken(page, page.queryVariable(kCsrfVariable, kMaxCsrfToken))) {
        sendForbiddenPage(page.arg(), "You do not have permission to access this document");
        return;
    }
    page.query(backendCommand("clear"));
    if (page.answered()) return;
    sendHtmlHeader(page.arg());
    sendRefreshToSummary(page.arg());
}
