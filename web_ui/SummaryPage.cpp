#include "web_ui/SummaryPage.h"

#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/packages/Version.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/FrontEndLocale.h"
#include "web_ui/TextEscapes.h"
#include "web_ui/WebPage.h"

#include <optional>
#include <sstream>

namespace {

// The summary flags gathered over all product rows.
enum SummaryFlag : unsigned {
    installOrUpgrade = 1,
    update = 2,
    componentsToAdd = 4,
    componentsToRemove = 8,
};

struct OfferedRelease {
    std::string versionText;
    Version version;
    std::string codename;
    std::string detailsUrl;
};

std::string attribute(const TiXmlElement* element, const char* name)
{
    const char* value = element->Attribute(name);
    return value ? value : std::string();
}

// Keeps the release when it is the first or its version is greater.
void keepBest(std::optional<OfferedRelease>& best, OfferedRelease release)
{
    if (!best || release.version > best->version) best = std::move(release);
}

std::string note(const char* key)
{
    return "<span class=\"note\">" + Messages::get(key) + "</span>";
}

// A web address of the back end becomes a link only when it is one: any
// other scheme could run script in the wizard's page.
bool isWebAddress(const std::string& url)
{
    return url.compare(0, 7, "http://") == 0 || url.compare(0, 8, "https://") == 0;
}

std::string newWindowLink(const std::string& url, const char* key)
{
    return "<a href=\"" + escapeHtmlAttribute(url) + "\" target=\"_blank\" rel=\"noopener\">" + Messages::get(key) +
           "</a>";
}

std::string offeredText(const std::string& name, const OfferedRelease& release)
{
    std::string text = " <span>" + escapeHtmlText(name) + " ";
    if (!release.codename.empty()) text += escapeHtmlText(release.codename) + " ";
    text += escapeHtmlText(release.versionText);
    if (!release.detailsUrl.empty() && isWebAddress(release.detailsUrl))
        text += " " + newWindowLink(release.detailsUrl, "web_prodversion_details");
    return text + "</span>";
}

void appendProductSummaryRow(const TiXmlElement* product, std::string& rows, unsigned& flags)
{
    const char* nameAttribute = product->Attribute("name");
    if (!nameAttribute) return;
    const std::string name = nameAttribute, id = attribute(product, "id");
    const std::string current = attribute(product, "current_version");
    const bool installed = !current.empty();
    const std::optional<Version> currentVersion = installed ? std::optional<Version>(Version(current)) : std::nullopt;
    std::string site, installedCodename;
    std::optional<OfferedRelease> bestUpgrade, bestUpdate;
    bool installedUpdate = false;
    for (const TiXmlElement* child = product->FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (child->ValueStr() == "product_site") site = attribute(child, "src");
        if (child->ValueStr() != "releases") continue;
        for (const TiXmlElement* release = child->FirstChildElement("release"); release;
             release = release->NextSiblingElement("release")) {
            // A release without these ends the row: no row for the product.
            for (const char* required : {"id", "action", "version", "codename"})
                if (!release->Attribute(required)) return;
            if (attribute(release, "version").empty()) return;
            const std::string action = attribute(release, "action");
            const std::string versionText = attribute(release, "version");
            OfferedRelease offered{versionText, Version(versionText), attribute(release, "codename"),
                                   attribute(release, "details_url")};
            const bool isInstalled = currentVersion && offered.version == *currentVersion;
            if (isInstalled) installedCodename = offered.codename;
            if (action == "upgrade") {
                flags |= installOrUpgrade;
                keepBest(bestUpgrade, offered);
            }
            if (action == "update") {
                flags |= update;
                if (isInstalled)
                    installedUpdate = true;
                else
                    keepBest(bestUpdate, offered);
            }
            if ((action == "update" || action == "up2date") && isInstalled) {
                const std::string missing = attribute(release, "num_of_not_installed_components");
                if (!missing.empty() && missing.find_first_not_of("0123456789") == std::string::npos &&
                    missing.find_first_not_of('0') != std::string::npos)
                    flags |= componentsToAdd;
                if (attribute(release, "uninstall_support") == "true") flags |= componentsToRemove;
            }
        }
    }

    std::string row = "<tr>\n          <th>";
    if (installed) {
        row += "<div class=\"product\" style=\"background-image: url('/get_enabled_product_icon?prod_id=" +
               escapeHtmlAttribute(escapeUrlPart(id)) + "');\">" + escapeHtmlText(name);
        if (!installedCodename.empty()) row += " " + escapeHtmlText(installedCodename);
        row += " <span>" + Messages::get("web_product_version") + " " + escapeHtmlText(current);
    } else {
        flags |= installOrUpgrade;
        row += "<div class=\"product disabled\" style=\"background-image: url('/get_disabled_product_icon?prod_id=" +
               escapeHtmlAttribute(escapeUrlPart(id)) + "');\">" + escapeHtmlText(name) +
               " <span class=\"status\">" + Messages::get("web_product_not_installed");
    }
    row += "</span></div></th>\n          <td>";
    if (bestUpgrade || bestUpdate) {
        row += note("web_product_upgrade_avail");
        if (bestUpgrade) row += offeredText(name, *bestUpgrade);
        if (bestUpgrade && bestUpdate) row += "<br />";
        if (bestUpdate) row += offeredText(name, *bestUpdate);
        if (installedUpdate) row += "<br />" + note("web_product_update_avail");
    } else if (installedUpdate) {
        row += note("web_product_update_avail");
    }
    if (!installed && !site.empty() && isWebAddress(site)) row += newWindowLink(site, "web_product_details");
    rows += row + "</td>\n        </tr>";
}

std::string linkStart(const char* page)
{
    return std::string("<a href=\"") + page + "\">";
}

std::string systemDescription()
{
    std::ostringstream text;
    Opsys().rep().print(text);
    return text.str();
}

}  // namespace

void handleSummary(WebPage& page)
{
    if (!page.admit()) return;
    BackendRequest request("get_releases_list");
    request.set("session_id", page.session().id);
    const xmlbind::Element reply = page.query(request.text());
    if (page.answered()) return;
    TemplateVariables& variables = page.variables();
    unsigned flags = 0;
    std::string rows;
    const std::string& status = page.status();
    if (status == "prepare_self_upgrade" || status == "start_self_upgrade") {
        std::string notice = "<h2 style=\"margin-top: 10%; margin-bottom: 10%; text-align: center;\">" +
                             Messages::get(status == "prepare_self_upgrade" ? "web_selfupgrade_prepare"
                                                                            : "web_selfupgrade_ready") +
                             "</h2>";
        appendAutoRefreshNotice(notice);
        page.warnings().push_back({PageWarning::frontEnd, notice});
        variables["meta_refresh"] = "<meta http-equiv=\"refresh\" content=\"5; url='/summary.html?locale=" +
                                    escapeHtmlAttribute(escapeUrlPart(Messages::getLocale())) + "'\">";
    } else if (!page.failed()) {
        for (const TiXmlElement* element = reply.element(); element; element = element->NextSiblingElement()) {
            if (element->ValueStr() != "products") continue;
            for (const TiXmlElement* product = element->FirstChildElement("product"); product;
                 product = product->NextSiblingElement("product"))
                appendProductSummaryRow(product, rows, flags);
            break;
        }
        if (!rows.empty()) {
            variables["web_products_summary"] = Messages::get("web_products_summary");
        } else {
            const std::string text = (Messages::format("web_releases_no_avail") % escapeHtmlText(systemDescription())).str();
            page.warnings().push_back({PageWarning::frontEnd, text});
        }
    }
    if (flags & installOrUpgrade) {
        variables["iu_product_link"] = linkStart("iup.html");
        variables["iu_operation_link_end"] = "</a>";
    } else {
        variables["iu_operation_status"] = " disabled";
    }
    if (flags & (componentsToAdd | componentsToRemove)) {
        variables["a_component_link"] = linkStart("add_components.html");
        variables["ac_operation_link_end"] = "</a>";
    } else {
        variables["ac_operation_status"] = " disabled";
    }
    const bool removal = flags & componentsToRemove;
    variables["web_add_remove_components"] =
        Messages::get(removal ? "web_add_remove_components" : "web_add_components");
    variables["web_add_remove_components_rem"] =
        Messages::get(removal ? "web_add_remove_components_rem" : "web_add_components_rem");
    if (flags & update) {
        variables["u_component_link"] = linkStart("update_components.html");
        variables["uc_operation_link_end"] = "</a>";
    } else {
        variables["uc_operation_status"] = " disabled";
    }
    variables["products_summary"] = rows;
    page.render(PageTemplate::summary);
}
