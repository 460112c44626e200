#include "web_ui/CurrentPage.h"

#include "common/Log.h"
#include "common/error.h"
#include "web_ui/BackendClient.h"
#include "web_ui/BackendReply.h"
#include "web_ui/BackendRequest.h"

#include <cstring>

namespace {

const char* const kSummary = "/summary.html";

}  // namespace

std::string pageUrlOfId(const std::string& id)
{
    static const struct {
        const char* id;
        const char* url;
    } pages[] = {
        {"summary", "/summary.html"},
        {"releases", "/iup.html"},
        {"installation-types", "/installation_types.html"},
        {"components", "/select_components.html"},
        {"examine", "/examine.html"},
        {"params", "/cp.html"},
        {"installation", "/install_progress.html"},
        {"update_components", "/update_components.html"},
    };
    for (const auto& page : pages)
        if (id == page.id) return page.url;
    return std::string();
}

std::string getCurrentPageUrl(BackendClient& backend)
{
    xmlbind::Document document;
    try {
        readReply(document, backend.ask(backendCommand("get_current_page")));
    } catch (const error& failure) {
        // Without a back end the summary is the page that can say so.
        const std::string text = failure.text();
        Log(3, true) << "DEBUG: get_current_page failed: " << text;
        return kSummary;
    }
    const TiXmlElement* root = document.RootElement();
    if (!root || root->ValueStr() != "kitwright") return kSummary;
    const char* status = root->Attribute("status");
    if (!status || std::strcmp(status, "ok") != 0) return kSummary;
    const TiXmlElement* page = root->FirstChildElement("page");
    const char* id = page ? page->Attribute("id") : nullptr;
    const std::string url = id ? pageUrlOfId(id) : std::string();
    return url.empty() ? kSummary : url;
}
