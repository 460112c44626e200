#include "web_ui/ComponentsPage.h"

#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/splitArgs.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/TextEscapes.h"
#include "web_ui/WebPage.h"

#include <vector>

namespace {

// Buffers of the form variables, with their end byte.
constexpr std::size_t kProductListCapacity = 1024;
constexpr std::size_t kComponentListCapacity = 2046;
constexpr std::size_t kMarkCapacity = 64;

struct ModeTexts {
    const char* intro;
    const char* backButton;
    const char* headerClass;
    const char* cancel;
    const char* cancelConfirm;
    bool legend;
    bool legendUpdates;
    const char* updateMode;
    const char* updateByDefault;
    const char* caption;
    const char* command;
};

const ModeTexts& textsOf(ComponentsMode mode)
{
    static const ModeTexts select = {"web_short_or_intro", "inline", "install_upgrade_product",
                                     "web_cancel_installation", "web_iup_cancel_confirm", true, true, "false",
                                     "true", "web_components_intro", "get_components_list"};
    static const ModeTexts update = {"web_update_components_intro", "none", "update_components",
                                     "web_cancel_updating", "web_uc_cancel_confirm", false, false, "true",
                                     "true", "web_components_update", "get_components_for_update"};
    static const ModeTexts addRemove = {"web_add_components_intro", "none", "add_remove_components",
                                        "web_cancel_modifying", "web_ac_cancel_confirm", true, false, "false",
                                        "false", "web_components_add", "get_components_for_update"};
    switch (mode) {
    case ComponentsMode::select: return select;
    case ComponentsMode::update: return update;
    case ComponentsMode::addRemove: break;
    }
    return addRemove;
}

std::string attribute(const xmlbind::Element& element, const char* name)
{
    return xmlbind::getOptionalAttribute(element, name);
}

const char* flag(const xmlbind::Element& element, const char* name)
{
    return attribute(element, name) == "true" ? "true" : "false";
}

std::string joinTexts(const std::vector<std::string>& texts, const std::string& separator)
{
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : separator) + text;
    return joined;
}

std::string collectItemScripts(const xmlbind::Element& parent);

std::string groupItemScript(const xmlbind::Element& group)
{
    return "{type: 'group', id: " + escapeJavaScriptString(attribute(group, "name")) +
           ", name: " + jsQuote(attribute(group, "description")) + ", components: [" + collectItemScripts(group) +
           "]}";
}

std::string radioGroupItemScript(const xmlbind::Element& group)
{
    return "{type: 'radiogroup', id: " + escapeJavaScriptString(attribute(group, "name")) +
           ", name: " + jsQuote(attribute(group, "description")) + ", selected: " + flag(group, "selected") +
           ", components: [" + collectItemScripts(group) + "]}";
}

std::string componentItemScript(const xmlbind::Element& component)
{
    return "{type: 'component', id: " + escapeJavaScriptString(attribute(component, "id")) +
           ", name: " + jsQuote(attribute(component, "description")) +
           ", action: " + escapeJavaScriptString(attribute(component, "action")) +
           ", installed: " + flag(component, "installed") + ", required: " + flag(component, "required") +
           ", uninstallSupport: " + flag(component, "uninstall_support") +
           ", markedForInstall: " + flag(component, "markedForInstall") +
           ", markedForRemove: " + flag(component, "markedForRemove") + "}";
}

std::string collectItemScripts(const xmlbind::Element& parent)
{
    std::vector<std::string> items;
    for (xmlbind::Element child : xmlbind::ChildElements(parent, "")) {
        const std::string name = xmlbind::getName(child);
        if (name == "group")
            items.push_back(groupItemScript(child));
        else if (name == "alternative_components")
            items.push_back(radioGroupItemScript(child));
        else if (name == "component")
            items.push_back(componentItemScript(child));
    }
    return joinTexts(items, ",\n");
}

std::string productScript(const xmlbind::Element& product)
{
    std::vector<std::string> components;
    for (xmlbind::Element list : xmlbind::ChildElements(product, "components")) {
        const std::string items = collectItemScripts(list);
        if (!items.empty()) components.push_back(items);
    }
    return escapeJavaScriptString(attribute(product, "id")) + ": {name: " + jsQuote(attribute(product, "name")) +
           ", uninstall: " + flag(product, "uninstall_support") + ", components: [" +
           joinTexts(components, ",\n") + "]}";
}

}  // namespace

std::ostream& operator<<(std::ostream& out, ComponentsMode mode)
{
    switch (mode) {
    case ComponentsMode::select: return out << "select";
    case ComponentsMode::update: return out << "update";
    case ComponentsMode::addRemove: break;
    }
    return out << "add/remove";
}

void handleComponentsPage(WebPage& page, ComponentsMode mode)
{
    if (!page.admit()) return;
    const xmlbind::Element reply = page.query(backendCommand(componentsListCommand(mode)), [](WebPage& form) {
        return form.askBackend(componentSelectionRequest(formReaderOf(form)));
    });
    if (page.answered()) return;
    setComponentsPageVariables(mode, page.status(), reply, page.failed(), page.variables());
    page.render(PageTemplate::components);
}

const char* componentsListCommand(ComponentsMode mode)
{
    return textsOf(mode).command;
}

void setComponentsModeVariables(ComponentsMode mode, bool failed, TemplateVariables& variables)
{
    const ModeTexts& texts = textsOf(mode);
    variables["select_components_intro"] = Messages::get(texts.intro);
    variables["back_button_visibility"] = texts.backButton;
    variables["header_class"] = texts.headerClass;
    variables["web_cancel_something"] = Messages::get(texts.cancel);
    variables["cancel_confirm"] = Messages::get(texts.cancelConfirm);
    variables["show_legend"] = texts.legend ? "yes" : "no";
    if (texts.legendUpdates) variables["show_legend_updates"] = "yes";
    variables["var_updateComponentsMode"] = texts.updateMode;
    variables["var_updateComponentsByDefault"] = texts.updateByDefault;
    if (failed)
        variables["allow_submit"] = "disabled";
    else
        variables["web_components_caption"] = Messages::get(texts.caption);
}

void setComponentsPageVariables(ComponentsMode mode, const std::string& status, const xmlbind::Element& first,
                                bool failed, TemplateVariables& variables)
{
    if (status == "warning") {
        for (TiXmlElement* element = first.element(); element != nullptr; element = element->NextSiblingElement()) {
            if (element->ValueStr() != "dependencies_info") continue;
            setDependencyLists(xmlbind::Element(element), variables);
            break;
        }
    }
    setComponentsModeVariables(mode, failed, variables);
    variables["var_products_config"] = productsConfigScript(first);
}

std::string productsConfigScript(const xmlbind::Element& first)
{
    std::vector<std::string> products;
    for (TiXmlElement* element = first.element(); element != nullptr; element = element->NextSiblingElement()) {
        if (element->ValueStr() != "products") continue;
        for (xmlbind::Element product : xmlbind::ChildElements(xmlbind::Element(element), "product"))
            products.push_back(productScript(product));
    }
    return "{\n" + joinTexts(products, ",\n") + (products.empty() ? "" : "\n") + "}";
}

void setDependencyLists(const xmlbind::Element& info, TemplateVariables& variables)
{
    static const struct {
        const char* type;
        const char* variable;
    } lists[] = {{"install", "dependencies_also_add_list"},
                 {"remove", "dependencies_also_remove_list"},
                 {"denied-remove", "dependencies_denied_remove_list"},
                 {"conflict", "dependencies_conflict_list"}};
    for (const auto& list : lists) {
        std::vector<std::string> descriptions;
        for (xmlbind::Element component : xmlbind::ChildElements(info, "component")) {
            const std::string description = attribute(component, "description");
            if (!description.empty() && attribute(component, "type") == list.type)
                descriptions.push_back(escapeHtmlText(description));
        }
        if (descriptions.empty()) continue;
        variables[list.variable] = joinTexts(descriptions, ", ");
        variables["show_dependencies_warning"] = "yes";
    }
}

std::string componentSelectionRequest(const FormReader& form)
{
    BackendRequest request("component_selection");
    TiXmlElement* products = BackendRequest::append(request.root(), "products");
    for (const std::string& productId : splitArgs(form("product_list", kProductListCapacity))) {
        TiXmlElement* product = BackendRequest::append(products, "product");
        xmlbind::setAttribute(product, "id", productId);
        TiXmlElement* components = BackendRequest::append(product, "components");
        for (const std::string& componentId :
             splitArgs(form(productId + "_components", kComponentListCapacity))) {
            const std::string mark = form(productId + "_" + componentId, kMarkCapacity);
            if (mark.empty()) continue;
            TiXmlElement* component = BackendRequest::append(components, "component");
            xmlbind::setAttribute(component, "id", componentId);
            xmlbind::setAttribute(component, "state", mark);
        }
    }
    return request.text();
}
