#include "installer/webui/BackendProtocol.h"

#include "installer/sources/UpdateServer.h"
#include "installer/startup/Feedback.h"

#include "common/Log.h"
#include "common/Redact.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <cstring>
#include <iterator>

namespace {

// Faults of the request that the front end can mend: internal class, no
// advice, system stable, support likely.
error requestError() { return error(3, 1, 1, 3); }

struct CommandEntry {
    const char* name;
    BackendProtocol::Command command;
};

const CommandEntry kCommands[] = {
    {"ping", BackendProtocol::Command::ping},
    {"get_current_page", BackendProtocol::Command::get_current_page},
    {"set_locale", BackendProtocol::Command::set_locale},
    {"get_releases_list", BackendProtocol::Command::get_releases_list},
    {"get_preferences", BackendProtocol::Command::get_preferences},
    {"set_preferences", BackendProtocol::Command::set_preferences},
    {"product_selection", BackendProtocol::Command::product_selection},
    {"installation_type_selection", BackendProtocol::Command::installation_type_selection},
    {"get_components_list", BackendProtocol::Command::get_components_list},
    {"get_components_for_update", BackendProtocol::Command::get_components_for_update},
    {"component_selection", BackendProtocol::Command::component_selection},
    {"get_pre_examine", BackendProtocol::Command::get_pre_examine},
    {"set_pre_examine", BackendProtocol::Command::set_pre_examine},
    {"get_components_settings", BackendProtocol::Command::get_components_settings},
    {"set_component_params", BackendProtocol::Command::set_component_params},
    {"get_progress", BackendProtocol::Command::get_progress},
    {"get_progress_delta", BackendProtocol::Command::get_progress_delta},
    {"get_log", BackendProtocol::Command::get_log},
    {"get_product_icon", BackendProtocol::Command::get_product_icon},
    {"clear", BackendProtocol::Command::clear},
    {"exit", BackendProtocol::Command::exit},
    {"another_command", BackendProtocol::Command::another_command},
};
static_assert(std::size(kCommands) == 22, "the request document knows 22 commands");

bool hasAttribute(const xmlbind::ElementHandle& element, const char* name)
{
    return element && element->Attribute(name) != nullptr;
}

}  // namespace

BackendProtocol::Command BackendProtocol::commandByName(const std::string& name)
{
    for (const CommandEntry& entry : kCommands)
        if (name == entry.name) return entry.command;
    error failure = requestError();
    failure << "Unknown command '" << name << "'";
    throw failure;
}

const char* BackendProtocol::commandName(Command command)
{
    for (const CommandEntry& entry : kCommands)
        if (entry.command == command) return entry.name;
    throw KW_INTERNAL_ERROR();
}

std::ostream& operator<<(std::ostream& out, BackendProtocol::Command command)
{
    return out << BackendProtocol::commandName(command);
}

std::ostream& operator<<(std::ostream& out, const BackendProtocol::ProductIconRequest& request)
{
    return out << request.productId << (request.enabled ? " enabled" : " disabled");
}

std::ostream& operator<<(std::ostream& out, const BackendProtocol::ProductSelection& selection)
{
    return out << selection.productId << " " << selection.releaseId << " " << selection.installationType
               << (selection.customize ? " customize" : "");
}

std::ostream& operator<<(std::ostream& out, const BackendProtocol::ComponentSelection& selection)
{
    out << selection.productId;
    for (const std::string& name : selection.toInstall) out << " +" << name;
    for (const std::string& name : selection.toRemove) out << " -" << name;
    return out;
}

std::ostream& operator<<(std::ostream& out, const BackendProtocol::Preferences& preferences)
{
    const std::string password = redact::secret(preferences.proxyPassword);
    return out << "source " << redact::url(preferences.sourceUrl) << " target " << preferences.targetDirectory
               << " proxy " << preferences.proxyUser << (password.empty() ? "" : ":" + password) << "@"
               << preferences.proxyHost << ":" << preferences.proxyPort;
}

BackendProtocol::Request::Request(const std::string& text)
{
    try {
        document_.parse(text);
    } catch (const xmlbind::parse_err& failure) {
        if (failure.code != TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY) throw;
        error noRoot = requestError();
        noRoot << "no XML root node in request package";
        throw noRoot;
    }
    const TiXmlElement* root = document_.RootElement();
    if (root->ValueStr() != "request") {
        error wrongRoot = requestError();
        wrongRoot << "XML root node in request must have named 'request'.";
        throw wrongRoot;
    }
    commandName_ = xmlbind::getOptionalAttribute(xmlbind::getChild(this->root(), "command"), "value");
}

// --- The reply frame ---

void BackendProtocol::reset()
{
    document_ = std::make_unique<xmlbind::Document>();
    document_->LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
    TiXmlElement* reply = new TiXmlElement("kitwright");
    xmlbind::setAttribute(reply, "status", "ok");
    document_->LinkEndChild(reply);
}

TiXmlElement* BackendProtocol::root() const
{
    if (!document_) throw KW_INTERNAL_ERROR();
    TiXmlElement* reply = document_->RootElement();
    if (!reply) throw KW_INTERNAL_ERROR();
    return reply;
}

xmlbind::Document& BackendProtocol::document()
{
    if (!document_) throw KW_INTERNAL_ERROR();
    flushWarnings();
    return *document_;
}

void BackendProtocol::setStatus(const std::string& status) { xmlbind::setAttribute(root(), "status", status); }

void BackendProtocol::sendError(const std::string& message, const std::string& className)
{
    Log(3, true) << "BackendProtocol::sendError: " << message;
    TiXmlElement* reply = root();
    xmlbind::setAttribute(reply, "status", "error");
    xmlbind::setAttribute(reply, "error_message", message);
    xmlbind::setAttribute(reply, "error_class", className);
}

void BackendProtocol::sendError(const error& failure) { sendError(failure.text(), failure.className()); }

void BackendProtocol::sendError(const xmlbind::err& failure) { sendError(failure.message, "user"); }

void BackendProtocol::sendPage(const std::string& pageId)
{
    TiXmlElement* reply = root();
    TiXmlElement* page = new TiXmlElement("page");
    reply->LinkEndChild(page);
    xmlbind::setAttribute(page, "id", pageId);
}

void BackendProtocol::sendBadPage(const std::string& pageId)
{
    setStatus("bad_page");
    sendPage(pageId);
}

void BackendProtocol::sendPrepareSelfUpgrade() { setStatus("prepare_self_upgrade"); }

void BackendProtocol::sendStartSelfUpgrade() { setStatus("start_self_upgrade"); }

void BackendProtocol::addWarning(const std::string& text)
{
    root();
    pushWarning(text);
}

void BackendProtocol::pushWarning(const std::string& text) { warnings_.push_back(text); }

bool BackendProtocol::canCarryWarnings() const
{
    const TiXmlElement* reply = root();
    const char* status = reply->Attribute("status");
    if (!status || (std::strcmp(status, "ok") != 0 && std::strcmp(status, "warning") != 0)) return false;
    const TiXmlElement* first = reply->FirstChildElement();
    if (!first) return false;
    const std::string& name = first->ValueStr();
    return name != "page" && name != "data" && name != "log";
}

void BackendProtocol::flushWarnings()
{
    if (warnings_.empty() || !canCarryWarnings()) return;
    TiXmlElement* reply = root();
    for (const std::string& text : warnings_) {
        TiXmlElement* warning = new TiXmlElement("warning");
        xmlbind::addText(warning, text);
        reply->LinkEndChild(warning);
    }
    warnings_.clear();
    setStatus("warning");
}

// --- Reading requests ---

std::string BackendProtocol::parseLocale(const xmlbind::ElementHandle& root)
{
    xmlbind::ElementHandle locale = root;
    locale.child("locale");
    if (!locale) {
        error failure = requestError();
        failure << "Invalid 'set_locale' request: " << locale.text();
        throw failure;
    }
    return xmlbind::getOptionalAttribute(locale, "name");
}

std::uint64_t BackendProtocol::parseLogSize(const xmlbind::ElementHandle& root)
{
    const std::string size = xmlbind::getOptionalAttribute(xmlbind::getChild(root, "command"), "size");
    if (size.empty()) throw KW_INTERNAL_ERROR() << "get_log without a size";
    std::int64_t value;
    try {
        value = strToLong(size);
    } catch (error& failure) {
        failure.addLevel(3, 1, 1, 3) << "Invalid log size: " << size;
        throw;
    }
    if (value < 0) {
        error failure = requestError();
        failure << "Invalid log size: " << size;
        throw failure;
    }
    return static_cast<std::uint64_t>(value);
}

BackendProtocol::ProductIconRequest BackendProtocol::parseProductIconRequest(const xmlbind::ElementHandle& root)
{
    const xmlbind::ElementHandle command = xmlbind::getChild(root, "command");
    ProductIconRequest request;
    request.productId = xmlbind::getOptionalAttribute(command, "prod_id");
    request.enabled = xmlbind::getBoolAttribute(command, "enabled");
    return request;
}

std::vector<BackendProtocol::ProductSelection> BackendProtocol::parseProductSelection(
    const xmlbind::ElementHandle& root)
{
    const xmlbind::ElementHandle products = xmlbind::getChild(root, "products");
    if (hasAttribute(products, "customer_feedback_enabled"))
        Feedback::setEnabled(xmlbind::getBoolAttribute(products, "customer_feedback_enabled"));
    std::vector<ProductSelection> selections;
    for (xmlbind::Element product : xmlbind::ChildElements(products, "product")) {
        ProductSelection selection;
        selection.productId = xmlbind::getOptionalAttribute(product, "id");
        selection.releaseId = xmlbind::getOptionalAttribute(product, "release_id");
        selection.installationType = xmlbind::getOptionalAttribute(product, "installation_type");
        selection.customize = hasAttribute(product, "customize") && xmlbind::getBoolAttribute(product, "customize");
        selections.push_back(selection);
    }
    return selections;
}

std::vector<BackendProtocol::ComponentSelection> BackendProtocol::parseComponentSelection(
    const xmlbind::ElementHandle& root)
{
    const xmlbind::ElementHandle products = xmlbind::getChild(root, "products");
    std::vector<ComponentSelection> selections;
    for (xmlbind::Element product : xmlbind::ChildElements(products, "product")) {
        ComponentSelection selection;
        selection.productId = xmlbind::getOptionalAttribute(product, "id");
        for (xmlbind::Element component :
             xmlbind::ChildElements(xmlbind::getChild(product, "components"), "component")) {
            const std::string id = xmlbind::getOptionalAttribute(component, "id");
            const std::string state = xmlbind::getOptionalAttribute(component, "state");
            if (state == "install") {
                selection.toInstall.push_back(id);
            } else if (state == "remove") {
                selection.toRemove.push_back(id);
            } else {
                Log(3, true) << "DEBUG: BackendProtocol::parseComponentSelection : ignored state (" << state
                             << ") of component " << id;
            }
        }
        selections.push_back(selection);
    }
    return selections;
}

BackendProtocol::ParamValues BackendProtocol::parseComponentParams(const xmlbind::ElementHandle& root)
{
    xmlbind::ElementHandle products = root;
    products.child("products");
    if (!products) throw KW_INTERNAL_ERROR() << products.text();
    ParamValues values;
    for (xmlbind::Element product : xmlbind::ChildElements(products, "product")) {
        std::map<std::string, std::optional<std::string>>& settings =
            values[xmlbind::getOptionalAttribute(product, "id")];
        xmlbind::ElementHandle list = product;
        list.child("settings");
        if (!list) throw KW_INTERNAL_ERROR() << list.text();
        for (xmlbind::Element setting : xmlbind::ChildElements(list, "setting")) {
            std::optional<std::string>& value = settings[xmlbind::getOptionalAttribute(setting, "id")];
            if (hasAttribute(setting, "value")) {
                value = xmlbind::getOptionalAttribute(setting, "value");
            } else {
                value.reset();
            }
        }
    }
    return values;
}

bool BackendProtocol::parsePreferences(Preferences& preferences, const xmlbind::ElementHandle& request)
{
    bool valid = true;
    xmlbind::ElementHandle source = request;
    source.child("source");
    if (source) {
        const std::string type = xmlbind::getOptionalAttribute(source, "type");
        if (type == "zarni") {
            preferences.sourceUrl = UpdateServer::defaultRootUrl;
        } else if (type == "mirror") {
            preferences.sourceUrl = xmlbind::getOptionalAttribute(xmlbind::getChild(source, "mirror"), "src");
        } else if (type == "local") {
            preferences.sourceUrl = xmlbind::getOptionalAttribute(xmlbind::getChild(source, "source"), "path");
        } else {
            TiXmlElement* complaint = new TiXmlElement("error");
            xmlbind::addText(complaint, type.empty() ? "Attribute 'type' is empty" : "Invalid source type: " + type);
            source->LinkEndChild(complaint);
            valid = false;
        }
        preferences.targetDirectory = xmlbind::getOptionalAttribute(xmlbind::getChild(source, "target"), "path");
    }
    xmlbind::ElementHandle proxy = request;
    proxy.child("proxy");
    if (proxy && xmlbind::getOptionalAttribute(proxy, "use") == "true") {
        preferences.proxyHost = xmlbind::getOptionalAttribute(proxy, "host");
        const std::string port = xmlbind::getOptionalAttribute(proxy, "port");
        try {
            preferences.proxyPort = strToLong(port);
        } catch (error& failure) {
            failure.addLevel(2, 1, 1, 1) << "Invalid proxy port: " << port;
            throw;
        }
        xmlbind::ElementHandle auth = proxy;
        auth.child("auth");
        if (auth && xmlbind::getOptionalAttribute(auth, "use") == "true") {
            preferences.proxyUser = xmlbind::getOptionalAttribute(auth, "user");
            // The pages never send a stored password back: without the
            // attribute the stored one stays; an empty one clears it.
            if (hasAttribute(auth, "password"))
                preferences.proxyPassword = xmlbind::getOptionalAttribute(auth, "password");
        }
    }
    if (valid) return true;
    setStatus("bad_values");
    root()->LinkEndChild(request->Clone());
    return false;
}

bool BackendProtocol::parsePreExamine(const xmlbind::ElementHandle& root, const std::vector<ExamineResult>& results)
{
    xmlbind::ElementHandle examine = root;
    examine.child("examine");
    if (!examine) throw KW_INTERNAL_ERROR() << examine.text();
    const bool ignore = xmlbind::getBoolAttribute(examine, "ignore");
    if (!ignore) {
        sendPreExamine(results);
        setStatus("warning");
    }
    return ignore;
}
