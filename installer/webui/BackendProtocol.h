#pragma once

#include "installer/catalogue/ReleasesCompatibilityChecker.h"
#include "installer/components/ComponentManager.h"
#include "installer/engine/ExamineResult.h"
#include "installer/params/ParamManager.h"

#include "common/xmlbind.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

class BuildManager;
class ComponentsChangeset;
class InstTypes;
class Opsys;
class error;

// The web back end's side of the protocol with the web front end: it reads the
// content of a request and builds the reply, one XML document per command.
//
// A reply is the root "kitwright" with a "status" ("ok", "warning", "error",
// "bad_page", "bad_values", "prepare_self_upgrade", "start_self_upgrade") and
// the elements of the command. Warnings added while a reply cannot carry them
// stay pending, across resets, until a data reply takes them.
//
// Every text from the catalogue, the options or the package tools reaches the
// reply through xmlbind's setAttribute, addText and addCData, which escape it and
// replace bytes that XML cannot hold. The parsers raise only `error` and the
// xmlbind exceptions (a malformed document, a missing element, a bad boolean).
//
// Used from the back end's main thread only.
class BackendProtocol {
public:
    // The commands of the request document ("command" element, attribute
    // "value"), in the order the front end's pages use them.
    enum class Command {
        ping,
        get_current_page,
        set_locale,
        get_releases_list,
        get_preferences,
        set_preferences,
        product_selection,
        installation_type_selection,
        get_components_list,
        get_components_for_update,
        component_selection,
        get_pre_examine,
        set_pre_examine,
        get_components_settings,
        set_component_params,
        get_progress,
        get_progress_delta,
        get_log,
        get_product_icon,
        clear,
        exit,
        another_command,
    };
    // The command of that name; any other name raises error (3,1,1,3)
    // "Unknown command '<name>'".
    static Command commandByName(const std::string& name);
    static const char* commandName(Command command);

    // A request read from the text that arrived: the document, its root
    // "request" and the name in the first "command" element's "value" (empty when
    // the attribute is missing). A text without a root element raises error
    // (3,1,1,3) "no XML root node in request package", another root "XML root node
    // in request must have named 'request'."; a missing "command" raises
    // xmlbind::notfound, an unreadable document xmlbind::parse_err.
    class Request {
    public:
        explicit Request(const std::string& text);
        Request(const Request&) = delete;
        Request& operator=(const Request&) = delete;

        // Not const: parsePreferences marks the echoed request.
        xmlbind::ElementHandle root() { return xmlbind::ElementHandle(document_.RootElement()); }
        const std::string& commandName() const { return commandName_; }

    private:
        xmlbind::Document document_;
        std::string commandName_;
    };

    struct ProductIconRequest {
        std::string productId;
        bool enabled = false;
    };
    struct ProductSelection {
        std::string productId;
        std::string releaseId;
        std::string installationType;
        bool customize = false;
    };
    struct ComponentSelection {
        std::string productId;
        std::vector<std::string> toInstall;
        std::vector<std::string> toRemove;
    };
    // Product id -> setting id -> value. No value (a setting without "value")
    // means "keep what is stored": a password setting keeps its value, any other
    // setting takes the empty text.
    typedef std::map<std::string, std::map<std::string, std::optional<std::string>>> ParamValues;
    // The settings of set_preferences and get_preferences.
    struct Preferences {
        std::string sourceUrl;
        std::string targetDirectory;
        std::string proxyHost;
        std::int64_t proxyPort = 0;
        std::string proxyUser;
        std::string proxyPassword;
    };

    BackendProtocol() = default;
    BackendProtocol(const BackendProtocol&) = delete;
    BackendProtocol& operator=(const BackendProtocol&) = delete;

    // --- The reply frame ---

    // Starts a new reply with status "ok"; pending warnings are kept.
    void reset();
    // Whether a reply was started (none before the first reset).
    bool hasDocument() const { return document_ != nullptr; }
    // The reply's root; none is an internal error.
    TiXmlElement* root() const;
    // The reply, after the pending warnings were delivered when it can carry
    // them; none is an internal error.
    xmlbind::Document& document();

    void sendOk() {}
    // Status "error" with "error_message" and "error_class".
    void sendError(const std::string& message, const std::string& className);
    // An `error` with its text and class name; an xmlbind failure with its text
    // and the class "user".
    void sendError(const error& failure);
    void sendError(const xmlbind::err& failure);
    void sendPage(const std::string& pageId);
    void sendBadPage(const std::string& pageId);
    void sendPrepareSelfUpgrade();
    void sendStartSelfUpgrade();
    // A warning for the next reply that can carry it; addWarning checks that a
    // reply exists first.
    void addWarning(const std::string& text);
    void pushWarning(const std::string& text);
    const std::vector<std::string>& pendingWarnings() const { return warnings_; }

    // --- Reading requests (each given the request's root) ---

    static std::string parseLocale(const xmlbind::ElementHandle& root);
    static std::uint64_t parseLogSize(const xmlbind::ElementHandle& root);
    static ProductIconRequest parseProductIconRequest(const xmlbind::ElementHandle& root);
    // Stores the feedback consent ("customer_feedback_enabled") at once.
    static std::vector<ProductSelection> parseProductSelection(const xmlbind::ElementHandle& root);
    static std::vector<ComponentSelection> parseComponentSelection(const xmlbind::ElementHandle& root);
    static ParamValues parseComponentParams(const xmlbind::ElementHandle& root);
    // Overwrites what the request's "preferences" element sets; an absent proxy
    // password keeps the stored one. An unknown source type makes the reply
    // "bad_values" with the request's preferences echoed (its "source" ending in
    // an "error" element) and returns false.
    bool parsePreferences(Preferences& preferences, const xmlbind::ElementHandle& request);
    // Returns the "ignore" flag of "examine"; without it the reply becomes the
    // examination report with status "warning".
    bool parsePreExamine(const xmlbind::ElementHandle& root, const std::vector<ExamineResult>& results);

    // --- Data replies ---

    void sendPreferences(const Preferences& preferences, bool sourceLocked);
    // Releases with a usable build for the running system (or for `system`).
    void sendReleasesList(const BuildManager& builds, const InstTypes* installationTypes);
    void sendReleasesList(const BuildManager& builds, const InstTypes* installationTypes, const Opsys& system);
    void appendReleaseInstallTypes(TiXmlElement* release, const ReleasePtr& releaseData,
                                   const InstTypes* installationTypes);
    void sendProgress(const std::string& console, bool finished, bool success, const BuildManager* builds);
    void sendPreExamine(const std::vector<ExamineResult>& results);
    void sendBestWithInfo(const std::vector<ReleasesCompatibilityChecker::SuggestionEntry>& report);
    void sendLog(const std::string& text);
    void sendData(const std::string& bytes);

    // --- The component tree and the dependency report ---

    class ComponentSender;
    // The products of `hiddenProductIds` get their elements but no components.
    void sendComponents(ComponentManager* components, const std::vector<std::string>& hiddenProductIds,
                        const ComponentsChangeset* changeset);
    void sendComponentsDependenciesInfo(ComponentManager* components, const ComponentsChangeset& changeset);

    // --- The component settings ---

    class ParamSender;
    void sendComponentParams(ParamManager* params);

private:
    void setStatus(const std::string& status);
    // A reply whose first element is a data element (not "page", "data" or
    // "log") and whose status is "ok" or "warning".
    bool canCarryWarnings() const;
    void flushWarnings();

    std::unique_ptr<xmlbind::Document> document_;
    std::vector<std::string> warnings_;
};

std::ostream& operator<<(std::ostream& out, BackendProtocol::Command command);
// "zarni enabled"
std::ostream& operator<<(std::ostream& out, const BackendProtocol::ProductIconRequest& request);
// "zarni zarni-1.1 Full customize"
std::ostream& operator<<(std::ostream& out, const BackendProtocol::ProductSelection& selection);
// "zarni +web -mail"
std::ostream& operator<<(std::ostream& out, const BackendProtocol::ComponentSelection& selection);
// "source /srv/zarni target /opt proxy user@host:port", the password masked.
std::ostream& operator<<(std::ostream& out, const BackendProtocol::Preferences& preferences);

// Appends the base64 form of the bytes (RFC 4648 alphabet, "=" padding, lines
// of 76 characters each ended by CR LF) to `out`.
void encodeBase64(const std::string& bytes, std::string& out);

// Writes a component node into the reply's "products": one "product" per
// product, "group" and "alternative_components" elements for the groups.
class BackendProtocol::ComponentSender : public ComponentManager::Visitor {
public:
    ComponentSender(TiXmlElement* root, const ComponentsChangeset& changeset,
                    const std::vector<std::string>& hiddenProductIds);

    void visit(KwComponentPtr component) override;
    void enterRadioGroup(boost::shared_ptr<KwRadioGroup> group) override;
    void enterSubGroup(boost::shared_ptr<KwSubGroup> group) override;
    void leaveSubGroup(boost::shared_ptr<KwSubGroup> group) override;
    void leaveRadioGroup(boost::shared_ptr<KwRadioGroup> group) override;
    void finish() override {}

    // The element a node of the build goes into: its product's "components", or
    // the group entered last.
    xmlbind::ElementHandle locate(const BuildPtr& build);

private:
    struct Step {
        std::string elementName;  // "group" or "alternative_components"
        std::string groupName;
    };

    xmlbind::ElementHandle root_;
    const ComponentsChangeset& changeset_;
    std::vector<Step> path_;
    std::set<std::string> hiddenProducts_;
};

// Writes the settings into the reply's "products", per product and component,
// with their values, texts, choices and, after a rejected value, errors.
class BackendProtocol::ParamSender : public ParamManager::Visitor {
public:
    explicit ParamSender(TiXmlElement* root);

    void visit(const ParamPtr& param) override;
    void enterGroup(const std::shared_ptr<SubParams>& param) override;
    void enterBranch(const std::shared_ptr<SubParams>& param, const std::string& branch) override;
    void leaveBranch(const std::shared_ptr<SubParams>& param, const std::string& branch) override;
    void leaveGroup(const std::shared_ptr<SubParams>& param) override;

    // The element the setting (or group) is written into.
    xmlbind::ElementHandle locate(const Param& param);

private:
    struct Step {
        std::string elementName;
        std::string attributeName;  // empty: the first element of that name
        std::string attributeValue;
    };

    xmlbind::ElementHandle root_;
    std::vector<Step> path_;
};
