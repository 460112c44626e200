// The data replies of the back-end protocol: preferences, releases, progress,
// examination and best-with reports, the log and the product icon.

#include "installer/webui/BackendProtocol.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/InstTypes.h"
#include "installer/catalogue/Release.h"
#include "installer/engine/ProductsProgress.h"
#include "installer/sources/SourceUrl.h"
#include "installer/sources/UpdateServer.h"
#include "installer/startup/Feedback.h"

#include "common/Log.h"
#include "common/Opsys.h"
#include "common/StringUtils.h"
#include "common/error.h"

namespace {

// The context bit of the web wizard in a release's hide policy.
constexpr int kWebContext = Release::hideWeb;

TiXmlElement* appendElement(TiXmlElement* parent, const char* name)
{
    TiXmlElement* element = new TiXmlElement(name);
    parent->LinkEndChild(element);
    return element;
}

void setFlag(TiXmlElement* element, const char* name, bool value)
{
    xmlbind::setAttribute(element, name, value ? "true" : "false");
}

// Written only when true.
void setTrueFlag(TiXmlElement* element, const char* name, bool value)
{
    if (value) xmlbind::setAttribute(element, name, "true");
}

bool anyBuildSupportsRemoval(const Release& release)
{
    for (const BuildPtr& build : release.builds())
        if (build->uninstallSupport()) return true;
    return false;
}

const char* progressStatus(std::int32_t state)
{
    switch (state) {
    case ReleaseProgress::waiting: return "waiting";
    case ReleaseProgress::started: return "started";
    case ReleaseProgress::inProgress: return "in_progress";
    case ReleaseProgress::completed: return "completed";
    case ReleaseProgress::failed: return "failed";
    default: return nullptr;
    }
}

TiXmlElement* progressProduct(TiXmlElement* products, const Release& release)
{
    TiXmlElement* product = appendElement(products, "product");
    xmlbind::setAttribute(product, "id", release.product()->id);
    xmlbind::setAttribute(product, "name", release.product()->name);
    xmlbind::setAttribute(product, "action", release.getActionName());
    xmlbind::setAttribute(product, "version", release.getVersion().getEpochVersion());
    xmlbind::setAttribute(product, "codename", release.codename());
    return product;
}

}  // namespace

void BackendProtocol::sendPreferences(const Preferences& preferences, bool sourceLocked)
{
    TiXmlElement* element = appendElement(root(), "preferences");
    TiXmlElement* source = appendElement(element, "source");
    std::string type;
    if (preferences.sourceUrl == UpdateServer::defaultRootUrl)
        type = "zarni";
    else if (SourceUrl(preferences.sourceUrl).isLocal())
        type = "local";
    else
        type = "mirror";
    xmlbind::setAttribute(source, "type", type);
    setTrueFlag(source, "locked", sourceLocked);
    if (type == "mirror") xmlbind::setAttribute(appendElement(source, "mirror"), "src", preferences.sourceUrl);
    if (type == "local") xmlbind::setAttribute(appendElement(source, "source"), "path", preferences.sourceUrl);
    xmlbind::setAttribute(appendElement(source, "target"), "path", preferences.targetDirectory);

    TiXmlElement* proxy = appendElement(element, "proxy");
    if (preferences.proxyHost.empty()) {
        setFlag(proxy, "use", false);
        return;
    }
    setFlag(proxy, "use", true);
    xmlbind::setAttribute(proxy, "host", preferences.proxyHost);
    xmlbind::setAttribute(proxy, "port", std::to_string(preferences.proxyPort));
    if (preferences.proxyUser.empty()) return;
    TiXmlElement* auth = appendElement(proxy, "auth");
    xmlbind::setAttribute(auth, "user", preferences.proxyUser);
    // The stored password never travels to the pages; a request without one
    // keeps it (parsePreferences).
}

void BackendProtocol::sendReleasesList(const BuildManager& builds, const InstTypes* installationTypes)
{
    sendReleasesList(builds, installationTypes, Opsys());
}

void BackendProtocol::sendReleasesList(const BuildManager& builds, const InstTypes* installationTypes,
                                       const Opsys& system)
{
    TiXmlElement* reply = root();
    std::unique_ptr<TiXmlElement> products(new TiXmlElement("products"));
    std::unique_ptr<TiXmlElement> product;
    TiXmlElement* releases = nullptr;
    std::string productId;
    bool first = true;
    for (const ReleasePtr& release : builds.getReleases(1)) {
        // A run of consecutive releases of one product is one product element;
        // a product whose releases are interleaved with another's comes twice.
        if (first || release->product()->id != productId) {
            if (product) products->LinkEndChild(product.release());
            first = false;
            productId = release->product()->id;
            product.reset(new TiXmlElement("product"));
            xmlbind::setAttribute(product.get(), "name", release->product()->name);
            xmlbind::setAttribute(product.get(), "id", productId);
            const std::string installed = builds.getInstalledVersion(productId);
            if (!installed.empty()) xmlbind::setAttribute(product.get(), "current_version", installed);
            setTrueFlag(product.get(), "selected", builds.isProductSelected(productId));
            if (!release->product()->productSite.empty())
                xmlbind::setAttribute(appendElement(product.get(), "product_site"), "src",
                                      release->product()->productSite);
            releases = appendElement(product.get(), "releases");
        }
        if (!release->hasNotDeprecatedBuild(system)) continue;

        TiXmlElement* element = appendElement(releases, "release");
        xmlbind::setAttribute(element, "id", release->id());
        xmlbind::setAttribute(element, "version", release->getVersion().getEpochVersion());
        xmlbind::setAttribute(element, "name", release->name());
        xmlbind::setAttribute(element, "codename", release->codename());
        if (release->isVisible(kWebContext)) xmlbind::setAttribute(element, "display_tag", release->getTiersText());
        const std::string selectedId = builds.isProductSelected(productId) ? builds.getSelectedReleaseId(productId)
                                                                           : builds.getLatestReleaseId(productId);
        setTrueFlag(element, "selected", release->id() == selectedId);
        xmlbind::setAttribute(element, "action", release->getActionName());
        if (release->isInstalled()) {
            xmlbind::setAttribute(element, "num_of_not_installed_components",
                                  std::to_string(release->componentNames().size()));
            setTrueFlag(element, "uninstall_support", anyBuildSupportsRemoval(*release));
        }
        const std::string details = release->getDetailsUrl();
        if (!details.empty()) xmlbind::setAttribute(element, "details_url", details);
        if (installationTypes && release->isSelected()) appendReleaseInstallTypes(element, release, installationTypes);
    }
    if (product) products->LinkEndChild(product.release());
    setTrueFlag(products.get(), "customer_feedback_required", Feedback::isUndecided());
    reply->LinkEndChild(products.release());
}

void BackendProtocol::appendReleaseInstallTypes(TiXmlElement* release, const ReleasePtr& releaseData,
                                                const InstTypes* installationTypes)
{
    if (!releaseData) throw KW_INTERNAL_ERROR();
    if (!installationTypes) throw KW_INTERNAL_ERROR();
    if (installationTypes->findProduct(releaseData->product()->id) == installationTypes->end()) return;
    const InstTypes::ProductEntry& entry = installationTypes->getProduct(releaseData->product()->id);
    if (entry.types.empty()) return;
    Log(3, true) << "DEBUG: BackendProtocol::appendReleaseInstallTypes: release " << releaseData->id()
                 << " has filled in installation types, appending them to response.";
    TiXmlElement* types = appendElement(release, "installation_types");
    for (const InstTypes::InstType& type : entry.types) {
        TiXmlElement* element = appendElement(types, "type");
        xmlbind::setAttribute(element, "name", type.names.empty() ? std::string() : type.names.front());
        xmlbind::setAttribute(element, "description", type.description);
    }
}

void BackendProtocol::sendProgress(const std::string& console, bool finished, bool success, const BuildManager* builds)
{
    TiXmlElement* reply = root();
    const ProductsProgress* progress = ProductsProgress::instance();
    if (!progress) throw KW_INTERNAL_ERROR();
    std::vector<ReleaseProgress> list;
    progress->get_progress(list);
    std::unique_ptr<TiXmlElement> products(new TiXmlElement("products"));
    const char* finalStatus = success ? "completed" : "failed";
    if (list.empty()) {
        if (!builds) throw KW_INTERNAL_ERROR();
        for (const ReleasePtr& release : builds->getReleases(1)) {
            if (!release->isSelected()) continue;
            TiXmlElement* state = appendElement(progressProduct(products.get(), *release), "progress");
            xmlbind::setAttribute(state, "percentage", "0");
            xmlbind::setAttribute(state, "status", finished ? finalStatus : "waiting");
        }
    } else {
        for (const ReleaseProgress& entry : list) {
            if (!entry.release) throw KW_INTERNAL_ERROR();
            TiXmlElement* state = appendElement(progressProduct(products.get(), *entry.release), "progress");
            const char* status = finished ? finalStatus : progressStatus(entry.status);
            if (status)
                xmlbind::setAttribute(state, "status", status);
            else
                Log(0, true) << "ERROR: Internal error: product progress state=" << entry.status;
            xmlbind::setAttribute(state, "percentage", std::to_string(entry.percent));
        }
    }
    reply->LinkEndChild(products.release());
    // Raw text: the front end encodes it for scripts and escapes it for HTML.
    xmlbind::addText(appendElement(reply, "console"), console);
}

void BackendProtocol::sendPreExamine(const std::vector<ExamineResult>& results)
{
    setStatus("ok");
    TiXmlElement* warnings = appendElement(appendElement(root(), "examine"), "warnings");
    for (const ExamineResult& result : results) {
        TiXmlElement* warning = appendElement(warnings, "warning");
        xmlbind::setAttribute(warning, "name", result.name);
        xmlbind::addText(appendElement(warning, "output"), result.output);
        xmlbind::addText(appendElement(warning, "error"), result.error);
    }
}

void BackendProtocol::sendBestWithInfo(const std::vector<ReleasesCompatibilityChecker::SuggestionEntry>& report)
{
    setStatus("warning");
    TiXmlElement* info = appendElement(root(), "bestwith_info");
    for (const ReleasesCompatibilityChecker::SuggestionEntry& entry : report) {
        TiXmlElement* product = appendElement(info, "product");
        xmlbind::setAttribute(product, "id", entry.productId);
        xmlbind::setAttribute(product, "description", entry.productName);
        xmlbind::setAttribute(product, "version", entry.version);
        for (const ReleasesCompatibilityChecker::Suggestion& suggestion : entry.suggestions) {
            TiXmlElement* item = appendElement(product, "bestwith");
            xmlbind::setAttribute(item, "id", suggestion.productId);
            xmlbind::setAttribute(item, "description", suggestion.productName);
            xmlbind::setAttribute(item, "version", suggestion.bestVersion);
            xmlbind::setAttribute(item, "instead_of", suggestion.selectedVersion);
        }
    }
}

void BackendProtocol::sendLog(const std::string& text) { xmlbind::addText(appendElement(root(), "log"), text); }

void BackendProtocol::sendData(const std::string& bytes)
{
    if (bytes.empty()) throw KW_INTERNAL_ERROR() << "no icon data";
    std::string encoded;
    encodeBase64(bytes, encoded);
    TiXmlElement* data = appendElement(root(), "data");
    xmlbind::setAttribute(data, "encoding", "base64");
    xmlbind::addText(data, encoded);
}

void encodeBase64(const std::string& bytes, std::string& out) { out += base64Encode(bytes, 76); }
