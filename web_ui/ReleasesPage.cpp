#include "web_ui/ReleasesPage.h"

#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/packages/Version.h"
#include "common/splitArgs.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/TextEscapes.h"
#include "web_ui/WebPage.h"

namespace {

// Buffers of the form variables, with their end byte.
constexpr std::size_t kListCapacity = 1024;
constexpr std::size_t kReleaseCapacity = 64;
constexpr std::size_t kTypeCapacity = 64;
constexpr std::size_t kPreviewCapacity = 16;

std::string attribute(const xmlbind::Element& element, const char* name)
{
    return xmlbind::getOptionalAttribute(element, name);
}

const std::string& text(const char* key)
{
    return Messages::get(key);
}

std::string html(const std::string& value)
{
    return escapeHtmlText(value);
}

std::string htmlAttribute(const std::string& value)
{
    return escapeHtmlAttribute(value);
}

std::string script(const std::string& value)
{
    return escapeJavaScriptString(value);
}

// A script call inside an event attribute: the string for the script, then
// escaped once more for the attribute.
std::string prodSelectCall(const std::string& productId)
{
    return "prodSelect(" + htmlAttribute(script(productId)) + ")";
}

bool isWebAddress(const std::string& address)
{
    std::string lower = address.substr(0, 8);
    toLower(lower);
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

// The first element of that name among `first` and its following siblings.
xmlbind::Element findSibling(const xmlbind::Element& first, const char* name)
{
    for (TiXmlElement* element = first.element(); element != nullptr; element = element->NextSiblingElement())
        if (element->ValueStr() == name) return xmlbind::Element(element);
    return xmlbind::Element();
}

}  // namespace

std::ostream& operator<<(std::ostream& out, ReleasesMode mode)
{
    return out << (mode == ReleasesMode::products ? "/iup.html" : "/installation_types.html");
}

std::ostream& operator<<(std::ostream& out, const ReleaseEntry& entry)
{
    return out << entry.id << " " << entry.version << (entry.selected ? " selected" : "") << " ("
               << entry.typeNames.size() << " installation types)";
}

void readReleases(const xmlbind::Element& releases, const std::optional<std::string>& current,
                  std::vector<ReleaseEntry>& entries, std::string& installedCodename)
{
    for (xmlbind::Element release : xmlbind::ChildElements(releases, "release")) {
        ReleaseEntry entry;
        entry.id = attribute(release, "id");
        entry.version = attribute(release, "version");
        const std::string codename = attribute(release, "codename");
        if (entry.id.empty() || entry.version.empty() || codename.empty()) continue;
        if (current) {
            const int order = Version(entry.version).compare(Version(*current));
            if (order == 0) installedCodename += codename;
            if (order <= 0) continue;
        }
        entry.displayTag = attribute(release, "display_tag");
        entry.name = attribute(release, "name");
        entry.detailsUrl = attribute(release, "details_url");
        entry.selected = attribute(release, "selected") == "true";
        if (!current) {
            xmlbind::Element types = release;
            types.child("installation_types");
            if (types) {
                for (xmlbind::Element type : xmlbind::ChildElements(types, "type")) {
                    const std::string name = attribute(type, "name");
                    const std::string description = attribute(type, "description");
                    if (name.empty() || description.empty()) continue;
                    entry.typeNames.push_back(name);
                    entry.typeDescriptions.push_back(description);
                }
            }
        }
        entries.push_back(entry);
    }
}

const ReleaseEntry& chooseRelease(const std::vector<ReleaseEntry>& entries)
{
    for (const ReleaseEntry& entry : entries)
        if (entry.selected) return entry;
    const ReleaseEntry* newest = &entries.front();
    for (const ReleaseEntry& entry : entries)
        if (Version(entry.version).compare(Version(newest->version)) > 0) newest = &entry;
    return *newest;
}

std::string formatReleaseLabel(const ReleaseEntry& entry)
{
    std::string label = entry.name.empty() ? entry.version : entry.name;
    if (!entry.displayTag.empty()) label += " (" + entry.displayTag + ")";
    return label;
}

void appendReleaseOptions(const std::vector<ReleaseEntry>& entries, const ReleaseEntry& chosen, std::string& text)
{
    for (const ReleaseEntry& entry : entries) {
        text += "                    <option value=\"" + htmlAttribute(entry.id) + "\"";
        if (&entry == &chosen) text += " selected=\"\"";
        text += " >" + html(formatReleaseLabel(entry)) + "</option>\n";
    }
}

void appendInstallationTypeScripts(const std::vector<ReleaseEntry>& entries, TemplateVariables& variables)
{
    std::string& choose = variables["install_type_choose"];
    std::string& describe = variables["install_type_desc_set"];
    for (const ReleaseEntry& entry : entries) {
        if (entry.typeNames.empty()) continue;
        choose += "\t\tcase " + script(entry.id) + ":\n";
        for (std::size_t i = 0; i < entry.typeNames.size(); ++i) {
            const std::string& name = entry.typeNames[i];
            choose += "\t\t\tinstTypes.options[instTypes.options.length] = new Option(" + script(name) + ", " +
                      script(name) + ");\n";
            describe += "\t\tcase " + script(entry.id + "_" + name) + ":\n" +
                        "\t\t\tdocument.getElementById(prodId + '_itypes_desc').innerHTML = " +
                        jsQuote(entry.typeDescriptions[i]) + ";\n" + "\t\tbreak;\n";
        }
        choose += "\t\tbreak;\n";
    }
}

void appendProductRow(const xmlbind::Element& product, TemplateVariables& variables)
{
    const std::string name = attribute(product, "name");
    const std::string id = attribute(product, "id");
    if (name.empty() || id.empty()) return;
    const std::string currentVersion = attribute(product, "current_version");
    const bool installed = !currentVersion.empty();
    const std::optional<std::string> current =
        installed ? std::optional<std::string>(currentVersion) : std::nullopt;

    std::vector<ReleaseEntry> entries;
    std::string installedCodename;
    for (xmlbind::Element releases : xmlbind::ChildElements(product, "releases"))
        readReleases(releases, current, entries, installedCodename);
    if (entries.empty()) return;

    const ReleaseEntry& chosen = chooseRelease(entries);
    const std::size_t typeCount = chosen.typeNames.size();
    const bool single = typeCount > 0 || entries.size() == 1;
    const std::string idAttribute = htmlAttribute(id);

    variables["recheck_calls"] += "\tprodSelect(" + script(id) + ");\n";
    variables["recheck_submit_code"] += "\tif (document.getElementById(" + script("checker_" + id) +
                                        ").checked) {\n" + "\t\tsubmitDisabled = false;\n" +
                                        "\t\tif (0 != selectedProducts.length)\n" +
                                        "\t\t\tselectedProducts += ' ';\n" + "\t\tselectedProducts += " +
                                        script(id) + ";\n" + "\t}\n\n";

    std::string row = "\n";
    row += "        <tr id=\"row_" + idAttribute + "\" >\n";
    row += "          <td class=\"select\"><input class=\"chbox\" type=\"checkbox\" ";
    if (attribute(product, "selected") == "true") row += "checked=\"\" ";
    if (typeCount > 0) row += "disabled=\"\" ";
    row += "value=\"" + idAttribute + "\" id=\"checker_" + idAttribute + "\" onclick=\"" + prodSelectCall(id) +
           "\" /></td>\n";
    row += "          <td>\n";
    row += std::string("            <div class=\"product\" style=\"background-image: url('") +
           (installed ? "/get_enabled_product_icon?prod_id=" : "/get_disabled_product_icon?prod_id=") +
           escapeUrlPart(id) + "');\">\n";
    row += "              <div><strong>" + html(name) +
           (installedCodename.empty() ? "" : " " + html(installedCodename)) + "</strong></div>\n";
    if (installed)
        row += "              <div>" + text("web_product_version") + " " + html(currentVersion) + "</div>\n";
    row += "            </div>\n";
    row += "            <div class=\"select-product-install\">\n";
    row += "              <table cellspacing=\"0\">\n";
    row += "                <tr>\n";
    row += "                  <th>" + text(installed ? "web_upgrade_to" : "web_install_version") + "</th>\n";
    row += "                  <td colspan=\"2\">\n";
    if (single) {
        row += "                    <label>" + html(formatReleaseLabel(chosen)) + "</label>\n";
        if (isWebAddress(chosen.detailsUrl))
            row += "                    <a href=\"" + htmlAttribute(chosen.detailsUrl) + "\" target=\"_blank\">" +
                   text("web_prodversion_details") + "</a>\n";
    }
    row += "                    <select disabled=\"\" name=\"rel_" + idAttribute + "\" id=\"rels_" + idAttribute +
           "\" " + (single ? "hidden=\"\" " : "") + ">\n";
    appendReleaseOptions(entries, chosen, row);
    row += "                    </select>\n";
    row += "                  </td>\n";
    row += "                </tr>\n";
    if (typeCount > 0) {
        row += "                <tr>\n";
        row += "                  <th>" + text("web_installation_type") + "</th>\n";
        row += "                  <td>\n";
        row += "                    <select disabled=\"\" name=\"itypes_" + idAttribute + "\" id=\"itypes_" +
               idAttribute + "\" onchange=\"setITypeDesc(" + htmlAttribute(script(id)) + ")\"></select>\n";
        row += "                  </td>\n";
        appendInstallationTypeScripts(entries, variables);
        row += "                  <td class=\"preview\">\n";
        row += "                    <label>\n";
        row += "                      <input class=\"chbox\" type=\"checkbox\" disabled=\"\" value=\"true\" "
               "name=\"preview_" + idAttribute + "\" id=\"preview_" + idAttribute + "\" />\n";
        row += "                      " + text("web_preview_components") + "\n";
        row += "                    </label>\n";
        row += "                  </td>\n";
        row += "                </tr>\n";
        row += "                <tr class=\"type-description\">\n";
        row += "                  <th>&nbsp;</th>\n";
        row += "                  <td colspan=\"2\" id=\"" + htmlAttribute(id + "_itypes_desc") +
               "\">Install the most used components</td>\n";
        variables["recheck_calls"] += "\tsetInstallationTypes(" + script(id) + ");\n";
        row += "                </tr>\n";
    }
    row += "              </table>\n";
    row += "            </div>\n";
    row += "          </td>\n";
    row += "        </tr>\n";
    variables["products_list"] += row;
}

void setBestWithNotice(const xmlbind::Element& info, TemplateVariables& variables)
{
    std::string& notice = variables["bestwith_notice"];
    notice += "              <div class=\"msg-warning\">\n                <p>\n" + text("web_bestwith_intro") +
              "</p>\n              <ul>\n";
    for (xmlbind::Element product : xmlbind::ChildElements(info, "product")) {
        const std::string description = attribute(product, "description");
        const std::string version = attribute(product, "version");
        if (description.empty() || version.empty()) continue;
        xmlbind::Element bestWith = product;
        bestWith.child("bestwith");
        if (!bestWith) continue;
        const std::string otherDescription = attribute(bestWith, "description");
        const std::string otherVersion = attribute(bestWith, "version");
        const std::string insteadOf = attribute(bestWith, "instead_of");
        if (otherDescription.empty() || otherVersion.empty() || insteadOf.empty()) continue;
        notice += "                  <li>" + html(description) + " v." + html(version) + text("web_works_better") +
                  html(otherDescription) + " v." + html(otherVersion) + ".<br />" + text("web_instead_of") +
                  html(otherDescription) + " v." + html(insteadOf) + "</li>\n";
    }
    notice += "                </ul>\n                " + text("web_bestwith_outtro") + "\n" + "              </div>\n";
}

void setReleasesPageVariables(ReleasesMode mode, const std::string& status, const xmlbind::Element& first,
                              std::vector<PageWarning>& warnings, TemplateVariables& variables)
{
    if (status == "warning") {
        const xmlbind::Element info = findSibling(first, "bestwith_info");
        if (info) setBestWithNotice(info, variables);
    }
    bool sawProduct = false;
    bool feedbackRequired = false;
    const xmlbind::Element products = findSibling(first, "products");
    if (products) {
        feedbackRequired = attribute(products, "customer_feedback_required") == "true";
        for (xmlbind::Element product : xmlbind::ChildElements(products, "product")) {
            sawProduct = true;
            appendProductRow(product, variables);
        }
    }
    if (variables["products_list"].empty())
        warnings.push_back({PageWarning::frontEnd,
                            text(sawProduct ? "web_products_allready_installed" : "releases_reporter_list_empty")});
    else
        variables["page_caption"] =
            text(mode == ReleasesMode::products ? "web_select_products" : "web_select_installation_types");
    if (sawProduct && feedbackRequired)
        variables["customer_feedback_block"] =
            "<label for=\"customer_feedback_enabled\">\n"
            "  <div class=\"customer_feedback_block\">\n"
            "    <input type=\"hidden\" name=\"customer_feedback_required\" value=\"1\" />\n"
            "    <input type=\"checkbox\" id=\"customer_feedback_enabled\" name=\"customer_feedback_enabled\" "
            "value=\"1\" checked /> " +
            text("web_customer_feedback") + "\n" + "  </div>\n" + "</label><br/>\n";
}

std::string productSelectionRequest(const FormReader& form)
{
    BackendRequest request("product_selection");
    TiXmlElement* products = BackendRequest::append(request.root(), "products");
    if (form("customer_feedback_required", kListCapacity) == "1")
        xmlbind::setAttribute(products, "customer_feedback_enabled",
                              form("customer_feedback_enabled", kListCapacity) == "1" ? "true" : "false");
    bool withType = false;
    for (const std::string& id : splitArgs(form("selected_products", kListCapacity))) {
        const std::string release = form("rel_" + id, kReleaseCapacity);
        const std::string type = form("itypes_" + id, kTypeCapacity);
        const std::string preview = form("preview_" + id, kPreviewCapacity);
        if (release.empty()) continue;
        TiXmlElement* product = BackendRequest::append(products, "product");
        xmlbind::setAttribute(product, "id", id);
        xmlbind::setAttribute(product, "release_id", release);
        if (!type.empty()) {
            xmlbind::setAttribute(product, "installation_type", type);
            withType = true;
        }
        xmlbind::setAttribute(product, "customize", preview == "true" ? "true" : "false");
    }
    if (withType) xmlbind::setAttribute(request.command(), "value", "installation_type_selection");
    return request.text();
}

void handleReleases(WebPage& page, ReleasesMode mode)
{
    if (!page.admit()) return;
    BackendRequest list("get_releases_list");
    list.set("session_id", page.session().id);
    const xmlbind::Element reply = page.query(list.text(), [](WebPage& form) {
        return form.askBackend(productSelectionRequest(formReaderOf(form)));
    });
    if (page.answered()) return;
    setReleasesPageVariables(mode, page.status(), reply, page.warnings(), page.variables());
    page.render(PageTemplate::releases);
}
