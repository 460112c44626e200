// The web back end's set-up, command loop and commands; the work stages are in
// WebBackendStages.cpp.

#include "installer/webui/WebBackend.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/WebUiTransport.h"
#include "common/error.h"
#include "common/packages/Repository.h"
#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/Product.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentManager.h"
#include "installer/drivers/DriverEntryPoints.h"
#include "installer/drivers/auto_configurator.h"
#include "installer/engine/ComponentsExamine.h"
#include "installer/engine/Installer.h"
#include "installer/options/Options.h"
#include "installer/params/ParamManager.h"
#include "installer/sources/Downloader.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SelfUpgrade.h"
#include "installer/sources/SourceManager.h"
#include "installer/startup/ProxyEnvironment.h"
#include "installer/startup/ReportError.h"
#include "installer/sources/UpdateServer.h"
#include "installer/webui/InstallationThread.h"
#include "installer/webui/WebServerLauncher.h"
#include "installer/webui/bg_self_upgrade_task.h"

#include <stdlib.h>

#include <chrono>
#include <thread>

WebBackend::WebBackend()
{
    const Options& options = Options::getInstance();
    configurator_ = std::make_unique<driver::auto_configurator>(nullptr, !options.skipCleanup);
    reply_ = std::make_unique<BackendProtocol>();
    transport_ = std::make_unique<WebUiTransport>(WebUiTransport::Mode::server);
    launcher_ = std::make_unique<WebServerLauncher>(WebServerLauncher::Settings::fromOptions(options));
    source_ = options.source;
    target_ = options.target;
    startPage_ = options.webUiStartPage;
    ReportError::setSourceUrl(source_.str());
}

WebBackend::~WebBackend()
{
    // The front end first, then the socket; the job before the objects it borrows.
    launcher_.reset();
    transport_.reset();
    reply_.reset();
    selfUpgrade_.reset();
    job_.reset();
    installer_.reset();
    examine_.reset();
    buildFiles_.clear();
    configurator_.reset();
    params_.reset();
    sources_.reset();
    components_.reset();
    builds_.reset();
    fetcher_.reset();
    repository_.reset();
}

void WebBackend::run()
{
    for (;;) {
        if (!job_ || job_->final_status_asked()) Progress::checkTermination();
        if (timeoutPending_ && (!job_ || job_->finished())) throw WebUiTransport::timeout();
        if (exitRequested_) {
            // Lets the front end finish a page it may be serving (the exit need
            // not come from it) before it is stopped. Nothing tells the back end
            // when a page is out, and the front end ends at once on SIGTERM, so
            // there is no event to wait for: a moment is all it gets.
            std::this_thread::sleep_for(std::chrono::seconds(1));
            return;
        }
        if (!runStages()) continue;
        if (reply_->hasDocument()) transport_->send_answer(reply_->document());
        reply_->reset();
        try {
            transport_->wait_command();
        } catch (const Progress::Interrupted& interruption) {
            if (!job_ || job_->final_status_asked()) throw;
            Log(3, true) << "DEBUG: web_ui: swallowing interruption exception in main thread and reinjecting it to be "
                            "thrown in background installation thread instead (signal="
                         << interruption.signal() << ")";
            Progress::onSignal(interruption.signal());
            // The job acts on it at its next check; the loop must not wake for it again.
            Progress::drainTerminationWakeup();
            timeoutPending_ = false;
            continue;
        } catch (const WebUiTransport::timeout&) {
            timeoutPending_ = true;
            componentsRequested_ = false;
            continue;
        }
        handleCommand();
    }
}

void WebBackend::handleCommand()
{
    const std::string text = transport_->get_command();
    // Requests carry the browser's session id, proxy passwords and settings.
    const std::string shown = WebUiTransport::shown(text);
    Log(3, true) << "DEBUG: web_ui: command arrives:\n" << shown;
    Log(3, true) << "  =======";
    bool updateRequested = false;
    bool exitCommand = false;
    try {
        BackendProtocol::Request request(text);
        updateRequested = request.commandName() == "get_components_for_update";
        exitCommand = request.commandName() == "exit";
        dispatch(request);
    } catch (const BadPage&) {
        reply_->sendBadPage(pages_.current());
    } catch (const xmlbind::err& failure) {
        reply_->sendError(failure);
    } catch (const error& failure) {
        reply_->sendError(failure);
    }
    exitRequested_ = exitRequested_ && exitCommand;
    timeoutPending_ = false;
    componentsRequested_ = componentsRequested_ && updateRequested;
}

void WebBackend::refuseWhileJob() const
{
    if (!job_) return;
    error failure(3, 1, 1, 3);
    failure << "background installation task in progress";
    throw failure;
}

void WebBackend::requireComponents() const
{
    if (components_) return;
    error failure(3, 1, 1, 3);
    failure << "releases not selected yet";
    throw failure;
}

void WebBackend::admitComponentsRead() const
{
    recovery_.raiseKeptFailure();
    requireComponents();
    // Read while the job works with the same tree: refused.
    if (job_) throw BadPage();
}

void WebBackend::admitPage(const std::string& page) const
{
    if (!pages_.contains(page)) throw BadPage();
}

void WebBackend::dispatch(BackendProtocol::Request& request)
{
    const std::string& name = request.commandName();
    xmlbind::ElementHandle root = request.root();
    if (name == "get_releases_list") {
        // Before anything else, also during a self-upgrade: a restarted
        // installer hands the browser's session on to its front end.
        const std::string session = xmlbind::getOptionalAttribute(xmlbind::getChild(root, "command"), "session_id");
        ::setenv("KW_WEB_UI_SESSION_ID", session.c_str(), 1);
    }
    if (selfUpgrade_) {
        answerSelfUpgrade(name, root);
        return;
    }

    using Command = BackendProtocol::Command;
    switch (BackendProtocol::commandByName(name)) {
    case Command::ping:
        break;
    case Command::get_current_page:
        reply_->sendPage(pages_.current());
        break;
    case Command::set_locale: {
        refuseWhileJob();
        const std::string locale = BackendProtocol::parseLocale(root);
        Log(3, true) << "DEBUG: web_ui: set locale command. Try to set new locale: " << locale;
        Messages::setLocale(locale);
        break;
    }
    case Command::get_releases_list:
        getReleasesList();
        break;
    case Command::get_preferences:
        reply_->sendPreferences(currentPreferences(), sourceLocked());
        break;
    case Command::set_preferences:
        refuseWhileJob();
        setPreferences(request);
        break;
    case Command::product_selection:
    case Command::installation_type_selection:
        refuseWhileJob();
        recovery_.raiseKeptFailure();
        productSelections_ = BackendProtocol::parseProductSelection(root);
        if (name == "product_selection")
            productSelectionMade_ = true;
        else
            presetPending_ = true;
        pages_.reset();
        break;
    case Command::get_components_list:
        admitComponentsRead();
        pages_.reset();
        pages_.setCurrent(PageHistory::components);
        reply_->sendComponents(components_.get(), presetProducts_, nullptr);
        break;
    case Command::get_components_for_update:
        recovery_.raiseKeptFailure();
        if (job_) throw BadPage();
        getComponentsForUpdate();
        break;
    case Command::component_selection:
        refuseWhileJob();
        if (!pages_.contains(PageHistory::components) && !pages_.contains(PageHistory::params)) throw BadPage();
        Log(3, true) << "DEBUG: web_ui: component_select = wur.parseComponentSelection(root)  - before";
        componentSelections_ = BackendProtocol::parseComponentSelection(root);
        Log(3, true) << "DEBUG: web_ui: component_select = wur.parseComponentSelection(root)  - after";
        if (pages_.contains(PageHistory::params)) {
            pages_.reset();
            pages_.setCurrent(PageHistory::components);
        }
        break;
    case Command::get_pre_examine:
        admitComponentsRead();
        admitPage(PageHistory::examine);
        if (!examine_) throw KW_INTERNAL_ERROR();
        reply_->sendPreExamine(examine_->preResults());
        break;
    case Command::set_pre_examine:
        admitComponentsRead();
        admitPage(PageHistory::examine);
        if (!examine_) throw KW_INTERNAL_ERROR();
        preExaminePassed_ = reply_->parsePreExamine(root, examine_->preResults());
        break;
    case Command::get_components_settings:
        admitComponentsRead();
        pages_.reset();
        pages_.setCurrent(PageHistory::components);
        pages_.setCurrent(PageHistory::params);
        reply_->sendComponentParams(params_.get());
        break;
    case Command::set_component_params:
        refuseWhileJob();
        admitPage(PageHistory::params);
        paramValues_ = BackendProtocol::parseComponentParams(root);
        break;
    case Command::get_progress:
    case Command::get_progress_delta:
        if (!job_) throw BadPage();
        sendProgress(name == "get_progress_delta");
        break;
    case Command::get_log:
        if (!job_) throw BadPage();
        reply_->sendLog(job_->log(BackendProtocol::parseLogSize(root)));
        break;
    case Command::get_product_icon:
        getProductIcon(root);
        break;
    case Command::clear:
        if (job_) throw BadPage();
        fullReset();
        break;
    case Command::exit:
        if (job_ && !job_->finished()) {
            // Ending now would stop the front end and leave the operator
            // without the job's outcome: the exit is refused instead.
            error failure(2, 1, 1, 1);
            failure << "Unable to exit now. Background job is active";
            throw failure;
        }
        exitRequested_ = true;
        break;
    case Command::another_command: {
        error failure(3, 1, 1, 3);
        failure << "not implemented yet";
        throw failure;
    }
    }
}

void WebBackend::getReleasesList()
{
    Log(3, true) << "DEBUG: web_ui: get_releases_list command arrives.";
    if (!fetcher_ || !builds_) recovery_.raiseKeptFailure();
    if (!job_) {
        releasesListRequested_ = true;
        return;
    }
    if (!job_->finished()) throw BadPage();
    if (!job_->final_status_asked()) {
        // Back to the installation page, where the front end reads the outcome.
        job_->set_final_status_asked();
        throw BadPage();
    }
    Log(3, true) << "DEBUG: web_ui: clean-up bg_installation_job and all objects.";
    pages_.reset();
    presetProducts_.clear();
    job_.reset();
    fullReset();
    releasesListRequested_ = true;
}

BackendProtocol::Preferences WebBackend::currentPreferences() const
{
    const Downloader::Proxy proxy = downloadProxy();
    BackendProtocol::Preferences preferences;
    preferences.sourceUrl = source_.str();
    preferences.targetDirectory = target_;
    preferences.proxyHost = proxy.host;
    preferences.proxyPort = proxy.port;
    preferences.proxyUser = proxy.user;
    preferences.proxyPassword = proxy.password;
    return preferences;
}

bool WebBackend::sourceLocked() const
{
    const Options& options = Options::getInstance();
    return source_ == options.source && source_.str() != UpdateServer::defaultRootUrl;
}

void WebBackend::setPreferences(BackendProtocol::Request& request)
{
    xmlbind::ElementHandle preferencesElement = request.root();
    preferencesElement.child("preferences");
    if (!preferencesElement) throw xmlbind::notfound(0, preferencesElement.text());
    BackendProtocol::Preferences preferences = currentPreferences();
    if (!reply_->parsePreferences(preferences, preferencesElement)) return;

    const Downloader::Proxy proxy = downloadProxy();
    bool changed = false;
    if (!preferences.sourceUrl.empty() && preferences.sourceUrl != source_.str() && !sourceLocked()) {
        source_ = SourceUrl(preferences.sourceUrl);
        ReportError::setSourceUrl(source_.str());
        changed = true;
    }
    if (!preferences.targetDirectory.empty() && preferences.targetDirectory != target_) {
        target_ = preferences.targetDirectory;
        changed = true;
    }
    if (preferences.proxyHost != proxy.host || preferences.proxyPort != proxy.port ||
        preferences.proxyUser != proxy.user || preferences.proxyPassword != proxy.password)
        changed = true;
    if (changed) preferencesReset();
    setupProxyEnvironment(preferences.proxyHost, static_cast<int>(preferences.proxyPort), preferences.proxyUser,
                          preferences.proxyPassword);
    pages_.reset();
}

void WebBackend::getComponentsForUpdate()
{
    if (!builds_) throw KW_INTERNAL_ERROR();
    const std::vector<std::string> before = builds_->getSelectedReleaseIds();
    builds_->unselectAll();
    for (const ReleasePtr& release : builds_->getReleases(0))
        if (release->isInstalled()) builds_->selectRelease(release->product()->id, release->id());
    if (builds_->getSelectedReleaseIds() != before) {
        stageReset();
        examineRequested_ = false;
        preExaminePassed_ = false;
    }
    componentsRequested_ = true;
}

void WebBackend::sendProgress(bool delta)
{
    Log(3, true) << "DEBUG: web_ui: begin of 'get_progress' command processing.";
    // Read before the text: a job that ends in between sends its last lines next time.
    const bool finished = job_->finished();
    // The raw capture: the front end encodes it for its page.
    const std::string text = delta ? job_->newConsoleLines() : job_->consoleText();
    reply_->sendProgress(text, finished && text.size() <= 2, finished && job_->success(), builds_.get());
    Log(3, true) << "DEBUG: web_ui: bg_installation_job: finished = " << (finished ? "true" : "false");
    if (finished) {
        job_->set_final_status_asked();
        Log(3, true) << "DEBUG: web_ui: bg_installation_job->final_status_asked = true in get_progress.";
        if (job_->hasKeptException()) {
            Log(3, true) << "DEBUG: web_ui: re-throwing exception that occurred in background thread";
            job_->rethrowKept();
        }
        return;
    }
    Log(3, true) << "DEBUG: web_ui: end of 'get_progress' command processing.";
}

void WebBackend::getProductIcon(const xmlbind::ElementHandle& root)
{
    if (!builds_) throw KW_INTERNAL_ERROR();
    const BackendProtocol::ProductIconRequest icon = BackendProtocol::parseProductIconRequest(root);
    const std::string key = icon.productId + (icon.enabled ? " enabled" : " disabled");
    const auto cached = icons_.find(key);
    if (cached != icons_.end()) {
        reply_->sendData(cached->second);
        return;
    }
    const ProductPtr product = builds_->getProduct(icon.productId);
    if (!product) {
        error failure(2, 1, 1, 1);
        failure << "Unknown product '" << icon.productId << "'";
        throw failure;
    }
    const std::string url = icon.enabled ? product->activeIcon : product->disabledIcon;
    if (url.empty()) {
        error failure(3, 1, 1, 1);
        failure << "A URL for a product icon is not defined.";
        throw failure;
    }
    const std::vector<char> bytes = downloadUrl(url);
    const std::string& kept = icons_[key] = std::string(bytes.begin(), bytes.end());
    reply_->sendData(kept);
}

void WebBackend::answerSelfUpgrade(const std::string& command, const xmlbind::ElementHandle& root)
{
    if (command == "set_locale") {
        const std::string locale = BackendProtocol::parseLocale(root);
        Log(3, true) << "DEBUG: web_ui: set locale command (during bg_prepareselfupgrade_job). Try to set new locale: "
                     << locale;
        Messages::setLocale(locale);
        return;
    }
    switch (selfUpgrade_->state()) {
    case bg_self_upgrade_task::State::preparing:
        reply_->sendPrepareSelfUpgrade();
        break;
    case bg_self_upgrade_task::State::failed:
        reply_->sendError(Messages::get("err_self_upgrade_failed") + selfUpgrade_->errorText(),
                          selfUpgrade_->errorClass());
        break;
    case bg_self_upgrade_task::State::ready:
        restartSelfUpgraded();
    }
}

void WebBackend::restartSelfUpgraded()
{
    reply_->sendStartSelfUpgrade();
    transport_->send_answer(reply_->document());
    // The front end sends the restart page to the browser after this reply.
    // It tells nobody when the page is out and ends at once on SIGTERM, so
    // there is no event to wait for: it gets a moment before it is stopped.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    if (!launcher_) throw KW_INTERNAL_ERROR();
    for (int attempt = 0; attempt < 5; ++attempt) {
        Log(3, true) << "DEBUG: web_ui: attempting to shut down WebInterface";
        if (launcher_->stop(500)) break;
        Log(3, true) << "DEBUG: web_ui: WebInterface has not shut down yet";
        reply_->reset();
        reply_->sendStartSelfUpgrade();
        transport_->send_answer(reply_->document());
    }
    launcher_.reset();
    SelfUpgrade::restart(SelfUpgrade::get_arguments_with_state("webUI", source_, target_, downloadProxy(),
                                                               builds_.get()));
    throw KW_INTERNAL_ERROR();
}

void WebBackend::startSelfUpgrade()
{
    // One task at a time: a second detection while one runs changes nothing.
    if (selfUpgrade_) return;
    const SourceUrl source = source_;
    selfUpgrade_ = std::make_unique<bg_self_upgrade_task>([source] { SelfUpgrade::getNewVersion(source); });
    selfUpgrade_->start();
}

void WebBackend::stageReset()
{
    // The examination borrows the component tree: it goes with it.
    examine_.reset();
    installer_.reset();
    configurator_->replace(nullptr);
    buildFiles_.clear();
    params_.reset();
    sources_.reset();
    components_.reset();
}

void WebBackend::preferencesReset()
{
    fetcher_.reset();
    builds_.reset();
    stageReset();
    examineRequested_ = false;
    preExaminePassed_ = false;
}

void WebBackend::fullReset()
{
    examine_.reset();
    installer_.reset();
    configurator_->replace(nullptr);
    buildFiles_.clear();
    params_.reset();
    sources_.reset();
    components_.reset();
    builds_.reset();
    fetcher_.reset();
    repository_.reset();
    pages_.reset();
    examineRequested_ = false;
    preExaminePassed_ = false;
    presetProducts_.clear();
}

namespace driver {

void web_ui()
{
    WebBackend().run();
}

}  // namespace driver
