#include "web_ui/PreferencesPage.h"

#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/FrontEndLocale.h"
#include "web_ui/TextEscapes.h"
#include "web_ui/WebPage.h"

namespace {

// The buffer of every form variable, with its end byte.
constexpr std::size_t kFieldCapacity = 1024;

bool hasAttribute(const xmlbind::Element& element, const char* name)
{
    return element && element->Attribute(name) != nullptr;
}

// A missing attribute leaves the field as it was.
void readAttribute(const xmlbind::Element& element, const char* name, std::string& field)
{
    if (hasAttribute(element, name)) field = element->Attribute(name);
}

const char* sourceTypeName(int type)
{
    switch (type) {
    case PreferencesForm::official: return "zarni";
    case PreferencesForm::mirror: return "mirror";
    default: return "local";
    }
}

void setFieldGroup(bool valid, const std::string& error, const char* status, const char* message,
                   TemplateVariables& variables)
{
    variables[status] = valid ? "label" : "label form-error";
    variables[message] = valid ? "" : error;
}

std::string firstPart(const std::string& locale)
{
    return locale.substr(0, locale.find('.'));
}

// The builder of a submitted form: the language first, so that a refused form
// is shown in the new language, then the settings.
std::string buildPreferencesRequest(WebPage& page)
{
    const FormReader form = formReaderOf(page);
    const PreferencesForm record = readPreferencesForm(form);
    const std::string locale = form("login_locale", kFieldCapacity);
    if (!locale.empty()) {
        if (!offeredLocale(locale))
            throw error(2, 1, 1, 1) << (Messages::format("err_param_invalid") % "login_locale" % locale).str();
        if (firstPart(locale) != firstPart(Messages::getLocale())) switchLocale(page.backend(), locale);
    }
    return page.askBackend(writePreferencesRequest(record));
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const PreferencesForm& form)
{
    out << "source " << sourceTypeName(form.sourceType) << (form.locked ? " locked" : "") << " mirror '"
        << form.mirrorUrl << "' local '" << form.localPath << "' storage '" << form.storageDirectory << "'";
    if (form.useProxy)
        out << " proxy " << (form.proxyAuthentication ? form.proxyUser + "@" : "") << form.proxyHost << ":"
            << form.proxyPort;
    return out << (form.valid ? "" : " invalid");
}

int sourceTypeFromName(const std::string& name)
{
    if (name == "mirror") return PreferencesForm::mirror;
    if (name == "local") return PreferencesForm::local;
    return PreferencesForm::official;
}

bool readFieldError(const xmlbind::Element& element, std::string& block, PreferencesForm& form)
{
    xmlbind::Element error = element;
    error.child("error");
    if (!error) return true;
    const TiXmlNode* text = error->FirstChild();
    if (text != nullptr && text->ToText() != nullptr)
        block = "<div class=\"form-error-description\">" + escapeHtmlText(text->ValueStr()) + "</div>\n";
    form.valid = false;
    return false;
}

void readPreferences(const xmlbind::Element& preferences, PreferencesForm& form)
{
    for (xmlbind::Element child : xmlbind::ChildElements(preferences, "")) {
        const std::string name = xmlbind::getName(child);
        if (name == "source" && hasAttribute(child, "type")) {
            const std::string type = child->Attribute("type");
            if (type == "zarni")
                form.sourceType = PreferencesForm::official;
            else if (type == "mirror")
                form.sourceType = PreferencesForm::mirror;
            else if (type == "local")
                form.sourceType = PreferencesForm::local;
            form.locked = strToBool(child->Attribute("locked"));
            for (xmlbind::Element part : xmlbind::ChildElements(child, "")) {
                const std::string partName = xmlbind::getName(part);
                if (partName == "mirror") {
                    readAttribute(part, "src", form.mirrorUrl);
                    form.mirrorValid = readFieldError(part, form.mirrorError, form);
                } else if (partName == "source") {
                    readAttribute(part, "path", form.localPath);
                    form.localPathValid = readFieldError(part, form.localPathError, form);
                } else if (partName == "target") {
                    readAttribute(part, "path", form.storageDirectory);
                    form.storageValid = readFieldError(part, form.storageError, form);
                }
            }
        } else if (name == "proxy") {
            if (hasAttribute(child, "use")) form.useProxy = std::string(child->Attribute("use")) == "true";
            readAttribute(child, "host", form.proxyHost);
            readAttribute(child, "port", form.proxyPort);
            xmlbind::Element auth = child;
            auth.child("auth");
            if (auth) {
                if (hasAttribute(auth, "use")) form.proxyAuthentication = std::string(auth->Attribute("use")) == "true";
                readAttribute(auth, "user", form.proxyUser);
                readAttribute(auth, "password", form.proxyPassword);
                form.authenticationValid = readFieldError(auth, form.authenticationError, form);
            }
            form.proxyValid = readFieldError(child, form.proxyError, form);
        }
    }
}

void setSourceTypeSelection(int sourceType, TemplateVariables& variables)
{
    static const char* const names[] = {"source_type_official_selected", "source_type_mirror_selected",
                                        "source_type_local_selected"};
    for (const char* name : names) variables[name] = "";
    if (sourceType >= 0 && sourceType <= 2) variables[names[sourceType]] = "selected";
}

void setPreferencesVariables(const PreferencesForm& form, bool found, TemplateVariables& variables)
{
    variables["show_validation_warning"] = form.valid ? "no" : "yes";
    std::string languages;
    buildLanguageSelector(languages, false);
    variables["language_selector"] = languages;
    variables["source_controls_disabled"] = form.locked ? "disabled" : "";
    setSourceTypeSelection(form.sourceType, variables);
    variables["mirror_url"] = escapeHtmlText(form.mirrorUrl);
    variables["source_path"] = escapeHtmlText(form.localPath);
    variables["target_path"] = escapeHtmlText(form.storageDirectory);
    variables["proxy_host"] = escapeHtmlText(form.proxyHost);
    variables["proxy_port"] = escapeHtmlText(form.proxyPort);
    variables["proxy_user"] = escapeHtmlText(form.proxyUser);
    variables["proxy_pwd"] = escapeHtmlText(form.proxyPassword);
    setFieldGroup(form.mirrorValid, form.mirrorError, "mirror_url_status", "mirror_url_errmsg", variables);
    setFieldGroup(form.localPathValid, form.localPathError, "source_path_status", "source_path_errmsg", variables);
    setFieldGroup(form.storageValid, form.storageError, "target_path_status", "target_path_errmsg", variables);
    setFieldGroup(form.proxyValid, form.proxyError, "proxy_status", "proxy_errmsg", variables);
    setFieldGroup(form.authenticationValid, form.authenticationError, "proxy_auth_status", "proxy_auth_errmsg",
                  variables);
    variables["use_proxy"] = form.useProxy ? "checked" : "";
    variables["proxy_auth"] = form.proxyAuthentication ? "checked" : "";
    variables["submit_disabled"] = found ? "" : "disabled";
}

PreferencesForm readPreferencesForm(const FormReader& form)
{
    PreferencesForm record;
    const std::string type = form("srctype", kFieldCapacity);
    if (!type.empty()) record.sourceType = sourceTypeFromName(type);
    record.mirrorUrl = trim(form("mirror_url", kFieldCapacity));
    record.localPath = trim(form("source_path", kFieldCapacity));
    record.storageDirectory = trim(form("target_path", kFieldCapacity));
    record.useProxy = form("use_proxy", kFieldCapacity) == "true";
    record.proxyHost = trim(form("proxy_host", kFieldCapacity));
    record.proxyPort = form("proxy_port", kFieldCapacity);
    record.proxyAuthentication = form("proxy_auth", kFieldCapacity) == "true";
    record.proxyUser = form("proxy_user", kFieldCapacity);
    record.proxyPassword = form("proxy_pwd", kFieldCapacity);
    return record;
}

std::string writePreferencesRequest(const PreferencesForm& form)
{
    BackendRequest request("set_preferences");
    TiXmlElement* preferences = BackendRequest::append(request.root(), "preferences");
    TiXmlElement* source = BackendRequest::append(preferences, "source");
    xmlbind::setAttribute(source, "type", sourceTypeName(form.sourceType));
    xmlbind::setAttribute(BackendRequest::append(source, "mirror"), "src", form.mirrorUrl);
    xmlbind::setAttribute(BackendRequest::append(source, "source"), "path", form.localPath);
    xmlbind::setAttribute(BackendRequest::append(source, "target"), "path", form.storageDirectory);
    TiXmlElement* proxy = BackendRequest::append(preferences, "proxy");
    xmlbind::setAttribute(proxy, "use", form.useProxy ? "true" : "false");
    xmlbind::setAttribute(proxy, "host", form.proxyHost);
    xmlbind::setAttribute(proxy, "port", form.proxyPort);
    TiXmlElement* auth = BackendRequest::append(proxy, "auth");
    xmlbind::setAttribute(auth, "use", form.proxyAuthentication ? "true" : "false");
    xmlbind::setAttribute(auth, "user", form.proxyUser);
    if (!form.proxyPassword.empty()) xmlbind::setAttribute(auth, "password", form.proxyPassword);
    return request.text();
}

void handlePreferences(WebPage& page)
{
    if (!page.admit()) return;
    const xmlbind::Element reply = page.query(backendCommand("get_preferences"), buildPreferencesRequest);
    if (page.answered()) return;
    PreferencesForm form;
    bool found = false;
    for (TiXmlElement* element = reply.element(); element != nullptr; element = element->NextSiblingElement()) {
        if (element->ValueStr() != "preferences") continue;
        readPreferences(xmlbind::Element(element), form);
        found = true;
        break;
    }
    setPreferencesVariables(form, found, page.variables());
    page.render(PageTemplate::preferences);
}
