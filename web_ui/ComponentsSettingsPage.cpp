#include "web_ui/ComponentsSettingsPage.h"

#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/splitArgs.h"
#include "common/xmlbind.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/ResponseWriters.h"
#include "web_ui/TextEscapes.h"
#include "web_ui/WebPage.h"

#include <tinyxml.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr std::size_t kMaxProductList = 1023;
constexpr std::size_t kMaxValue = 2045;

// The hidden settings' type name: a value the operator never sees or sets.
const char* const kHiddenType = "__type_hidden__tei9Rae9__";

const std::set<std::string> kTextTypes = {"integer", "string",    "float", "email",
                                          "domain-name", "host-name", "path",  "url"};

std::string attribute(TiXmlElement* element, const char* name)
{
    return xmlbind::getOptionalAttribute(element, name);
}

std::string childText(TiXmlElement* element, const char* name)
{
    TiXmlElement* child = element->FirstChildElement(name);
    return child ? xmlbind::getText(child, true) : std::string();
}

// The words a boolean setting takes for "on", as the setting itself reads them.
bool isOn(const std::string& value)
{
    std::string word = value;
    toLower(word);
    return word == "true" || word == "yes" || word == "y";
}

std::string fieldStart(const std::string& label, bool hasError)
{
    return std::string("        <div class=\"label") + (hasError ? " form-error" : "") +
           "\">\n          <span class=\"field-name\">" + escapeHtmlText(label) + "</span>\n";
}

std::string errorBlock(const std::string& errorText)
{
    if (errorText.empty()) return std::string();
    return "        <div class=\"form-error-description\">" + escapeHtmlText(errorText) + "</div>\n";
}

// The script lines that enable or disable the settings of a boolean's
// dependants: those directly in `settings` or in its groups.
void appendDependants(TiXmlElement* settings, const std::string& productId, std::string& code)
{
    for (TiXmlElement* child = settings->FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (child->ValueStr() == "group") appendDependants(child, productId, code);
        if (child->ValueStr() != "setting" || attribute(child, "id").empty()) continue;
        code += "\tsetFieldDisabled(" + escapeJavaScriptString(productId + "_" + attribute(child, "id")) +
                ", dstatus);\n";
    }
}

}  // namespace

void appendSetting(TiXmlElement* setting, TemplateVariables& variables, const std::string& productId)
{
    const std::string type = attribute(setting, "type");
    const std::string id = attribute(setting, "id");
    if (type.empty() || id.empty()) return;
    if (type != "static-text" && type != kHiddenType) variables["parameter_lists"] += escapeHtmlAttribute(id) + " ";
    if (type == "password") variables["password_lists_" + productId] += id + " ";

    const std::string field = productId + "_" + id;
    const std::string name = escapeHtmlAttribute(field);
    const std::string script = escapeHtmlAttribute(escapeJavaScriptString(field));
    std::string label = childText(setting, "name");
    if (label.empty()) label = id;
    const std::string value = attribute(setting, "value");
    const std::string errorText = childText(setting, "error");
    const bool hasError = !errorText.empty();
    std::string& html = variables["components_settings"];

    if (kTextTypes.count(type) || type == "password") {
        // A password never goes into the page: an empty field keeps it.
        const std::string shown = type == "password" ? std::string() : escapeHtmlAttribute(value);
        html += fieldStart(label, hasError) + "          <span class=\"field-value\"><input class=\"input-text\" type=\"" +
                (type == "password" ? "password" : "text") + "\" name=\"" + name + "\" id=\"" + name + "\" value=\"" +
                shown + "\" /></span>\n        </div>\n" + errorBlock(errorText);
    } else if (type == "static-text") {
        html += fieldStart(label, false) + "          <span class=\"field-value\"><span class=\"param\">" +
                escapeHtmlText(value) + "</span></span>\n        </div>\n";
    } else if (type == kHiddenType) {
        html += "        <input type=\"hidden\" name=\"" + name + "\" value=\"" + escapeHtmlAttribute(value) + "\" />\n";
    } else if (type == "boolean") {
        TiXmlElement* dependants = setting->FirstChildElement("settings");
        html += fieldStart(label, hasError) + "          <span class=\"field-value\"><input class=\"chbox\" "
                "type=\"checkbox\" id=\"" + name + "\"  value=\"true\"" + (isOn(value) ? " checked=\"\"" : "") +
                " onclick=\"handleClick(" + script + ")\" />" + "<input type=\"hidden\" name=\"" + name +
                "\" id=\"" + name + "__posted\" value=\"" + (isOn(value) ? "true" : "false") +
                "\" /></span>\n        </div>\n" + errorBlock(errorText);
        // The companion posts the box's state, also when the box is cleared.
        std::string code = "handlers[" + escapeJavaScriptString(field) + "] = function (ctl)\n{\n"
                           "\tvar dstatus = !ctl.checked;\n"
                           "\tdocument.getElementById(" + escapeJavaScriptString(field + "__posted") +
                           ").value = ctl.checked ? 'true' : 'false';\n";
        if (dependants) appendDependants(dependants, productId, code);
        variables["checking_code"] += code + "};\n";
        variables["initial_recheck_code"] +=
            "\thandleClick(" + escapeJavaScriptString(field) + ");\n";
        if (dependants) appendSettings(dependants, variables, productId);
    } else if (type == "enum") {
        html += fieldStart(label, hasError) + "          <span class=\"field-value\">\n            <select  name=\"" +
                name + "\" id=\"" + name + "\" onchange=\"handleClick(" + script + ")\">\n";
        std::vector<std::pair<std::string, TiXmlElement*>> branches;
        for (xmlbind::Element choice : xmlbind::ChildElements(setting, "choice")) {
            const std::string choiceId = attribute(choice.element(), "id");
            if (choiceId.empty()) continue;
            html += "              <option value=\"" + escapeHtmlAttribute(choiceId) + "\"" +
                    (choiceId == value ? " selected=\"true\"" : "") + ">" +
                    escapeHtmlText(childText(choice.element(), "name")) + "</option>\n";
            if (TiXmlElement* sub = choice->FirstChildElement("settings")) branches.emplace_back(choiceId, sub);
        }
        html += "            </select>\n          </span>\n        </div>\n" + errorBlock(errorText);
        variables["initial_recheck_code"] += "\thandleClick(" + escapeJavaScriptString(field) + ");\n";
        std::string code = "handlers[" + escapeJavaScriptString(field) + "] = function (ctl)\n{\n";
        if (!branches.empty()) {
            code += "\tvar ctlval = ctl.value;\n";
            for (const auto& branch : branches)
                code += "\tshowBranch(" + escapeJavaScriptString(field + "_" + branch.first) + ", ctlval == " +
                        escapeJavaScriptString(branch.first) + ");\n";
        }
        variables["checking_code"] += code + "};\n";
        for (const auto& branch : branches) {
            html += "        <div style=\"display: none\" id=\"" + escapeHtmlAttribute(field + "_" + branch.first) +
                    "\">\n";
            appendSettings(branch.second, variables, productId);
            variables["components_settings"] += "        </div>\n";
        }
    }
}

void appendSettings(TiXmlElement* settings, TemplateVariables& variables, const std::string& productId)
{
    for (TiXmlElement* child = settings->FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (child->ValueStr() == "setting") appendSetting(child, variables, productId);
        if (child->ValueStr() == "group") appendSettings(child, variables, productId);
    }
}

void appendComponentSettings(TiXmlElement* component, TemplateVariables& variables, const std::string& productId)
{
    const std::string id = attribute(component, "id");
    TiXmlElement* settings = component->FirstChildElement("settings");
    if (id.empty() || !settings) return;
    std::string legend = attribute(component, "description");
    if (legend.empty()) legend = id;
    variables["components_settings"] += "      <fieldset>\n        <legend>" + escapeHtmlText(legend) + "</legend>\n";
    appendSettings(settings, variables, productId);
    variables["components_settings"] += "      </fieldset>\n";
}

void appendProductSettings(TiXmlElement* product, TemplateVariables& variables)
{
    if (!product->Attribute("id") || !product->Attribute("name")) return;
    const std::string id = attribute(product, "id");
    variables["components_settings"] += "      <h3>" + escapeHtmlText(attribute(product, "name")) + "</h3>\n";
    variables["product_list"] += escapeHtmlAttribute(id) + " ";
    variables["parameter_lists"] += "        <input type=\"hidden\" name=\"" + escapeHtmlAttribute(id + "_parameters") +
                                    "\" value=\"";
    if (TiXmlElement* settings = product->FirstChildElement("settings")) {
        variables["components_settings"] += "      <fieldset class=\"no-legend\">\n";
        appendSettings(settings, variables, id);
        variables["components_settings"] += "      </fieldset>\n";
    }
    if (TiXmlElement* components = product->FirstChildElement("components")) {
        for (xmlbind::Element component : xmlbind::ChildElements(components, "component"))
            appendComponentSettings(component.element(), variables, id);
    }
    variables["parameter_lists"] += "\" />\n";
    const std::string passwords = variables["password_lists_" + id];
    variables.erase("password_lists_" + id);
    variables["parameter_lists"] += "        <input type=\"hidden\" name=\"" + escapeHtmlAttribute(id + "_passwords") +
                                    "\" value=\"" + escapeHtmlAttribute(passwords) + "\" />\n";
}

std::string buildComponentParamsRequest(WebPage& page)
{
    BackendRequest request("set_component_params");
    TiXmlElement* products = new TiXmlElement("products");
    request.root()->LinkEndChild(products);
    for (const std::string& productId : splitArgs(page.formVariable("product_list", kMaxProductList).value_or(""))) {
        TiXmlElement* product = new TiXmlElement("product");
        products->LinkEndChild(product);
        xmlbind::setAttribute(product, "id", productId);
        TiXmlElement* settings = new TiXmlElement("settings");
        product->LinkEndChild(settings);
        const std::vector<std::string> passwords =
            splitArgs(page.formVariable((productId + "_passwords").c_str(), kMaxValue).value_or(""));
        for (const std::string& settingId :
             splitArgs(page.formVariable((productId + "_parameters").c_str(), kMaxValue).value_or(""))) {
            TiXmlElement* setting = new TiXmlElement("setting");
            settings->LinkEndChild(setting);
            xmlbind::setAttribute(setting, "id", settingId);
            const std::optional<std::string> value =
                page.formVariable((productId + "_" + settingId).c_str(), kMaxValue);
            const bool isPassword = std::find(passwords.begin(), passwords.end(), settingId) != passwords.end();
            // Not sent (disabled) or an untouched password: the back end keeps the value.
            if (value && !(isPassword && value->empty())) xmlbind::setAttribute(setting, "value", *value);
        }
    }
    return page.askBackend(request.text() + "\n");
}

void handleComponentsSettings(WebPage& page)
{
    if (!page.admit()) return;
    const xmlbind::Element reply = page.query(backendCommand("get_components_settings"), buildComponentParamsRequest);
    if (page.answered()) return;
    TemplateVariables& variables = page.variables();
    for (TiXmlElement* element = reply.element(); element; element = element->NextSiblingElement()) {
        if (element->ValueStr() != "products") continue;
        for (xmlbind::Element product : xmlbind::ChildElements(element, "product")) {
            if (!product->Attribute("name")) {
                sendErrorPage(page.arg(), Messages::get("web_err_pl_responce_no_prodname"));
                return;
            }
            if (product.element() == element->FirstChildElement())
                variables["web_products_summary"] = Messages::get("web_products_summary");
            appendProductSettings(product.element(), variables);
        }
        break;
    }
    if (page.failed()) {
        variables["allow_submit"] = "disabled";
    } else {
        variables["web_params_caption"] = Messages::get("web_components_params");
        variables["web_params_note"] = Messages::get("web_params_note");
    }
    page.render(PageTemplate::parameters);
}
