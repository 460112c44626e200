// The work stages of the web back end: at the top of every pass of the command
// loop, each stage whose condition holds carries out what the commands asked
// for and completes the reply. A failing stage records the failure with the
// page history; the later stages then stay idle until the operator goes back.

#include "installer/webui/WebBackend.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/packages/Repository.h"
#include "installer/catalogue/BuildLoader.h"
#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/Product.h"
#include "installer/catalogue/Release.h"
#include "installer/catalogue/ReleasesCompatibilityChecker.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/ComponentsChangeset.h"
#include "installer/components/KwComponent.h"
#include "installer/drivers/CautionCollector.h"
#include "installer/drivers/ReleaseSelection.h"
#include "installer/drivers/auto_configurator.h"
#include "installer/drivers/createSystemSpecificConfigurator.h"
#include "installer/drivers/loadCatalog.h"
#include "installer/engine/ComponentsExamine.h"
#include "installer/engine/ExamineResultFormatter.h"
#include "installer/engine/Installer.h"
#include "installer/options/Options.h"
#include "installer/params/ParamManager.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/RepositoryProcessor.h"
#include "installer/sources/SelfUpgrade.h"
#include "installer/sources/SourceManager.h"
#include "installer/sources/UpdateServer.h"
#include "installer/startup/ReportError.h"
#include "installer/webui/InstallationThread.h"
#include "installer/drivers/readInstalledState.h"

#include <boost/algorithm/string/join.hpp>

#include <map>

void WebBackend::recordFailure(const error& failure)
{
    Log(0, true) << "Error: " << failure.text();
    recovery_.set(pages_, failure.text());
}

bool WebBackend::runStages()
{
    if (!repository_ || !fetcher_ || !builds_) catalogueStage();
    if (!releaseStage()) return false;
    buildStage();
    presetStage();
    listStage();
    if (!componentStage()) return false;
    selectionCheck();
    examinationStage();
    parameterStage();
    parameterValuesStage();
    installationStart();
    return true;
}

void WebBackend::catalogueStage()
{
    recovery_.clear();
    componentSelections_.clear();
    paramValues_.clear();
    productSelections_.clear();
    presetProducts_.clear();
    pages_.reset();
    Progress::stage(0, 0);
    if (!startPage_.empty()) {
        pages_.setCurrent(startPage_);
        startPage_.clear();
    }
    stageReset();
    try {
        Log(3, true) << "DEBUG: web_ui: create Repository and FileFetcher, source=" << source_.str();
        loadCatalog(source_, target_, repository_, fetcher_, builds_);
        Log(3, true) << "DEBUG: web_ui: select current releases";
        for (const ReleasePtr& release : builds_->getReleases(1))
            if (release->isInstalled()) builds_->selectRelease(release->product()->id, release->id());
        applyCommandLineReleases();
    } catch (const SelfUpgrade::NeedSelfUpgrade&) {
        startSelfUpgrade();
    } catch (const error& failure) {
        recordFailure(failure);
    }
}

void WebBackend::applyCommandLineReleases()
{
    const Options& options = Options::getInstance();
    if (options.productSelections.empty() || commandLineReleasesApplied_) return;
    if (options.webUiStartPage != PageHistory::installationTypes && options.webUiStartPage != PageHistory::releases)
        return;
    Log(3, true) << "DEBUG: web_ui: select releases based on command line options";
    std::map<std::string, BackendProtocol::ProductSelection> byProduct;
    for (const Options::ProductSelection& selector : options.productSelections) {
        BackendProtocol::ProductSelection selection;
        selection.releaseId = resolveReleaseSelector(selector, *builds_);
        selection.productId = selector.prodId;
        if (selection.productId.empty()) {
            const ReleasePtr release = builds_->getRelease(selection.releaseId);
            if (!release) {
                Log(1, true) << "Error: Unable to get information about release " << selection.releaseId;
                continue;
            }
            selection.productId = release->product()->id;
        }
        byProduct[selection.productId] = selection;
    }
    for (const auto& entry : byProduct) productSelections_.push_back(entry.second);
    commandLineReleasesApplied_ = true;
}

bool WebBackend::releaseStage()
{
    if (recovery_.pending() || !builds_ || productSelections_.empty()) return true;
    try {
        Log(3, true) << "DEBUG: web_ui: select requested releases";
        const std::vector<std::string> before = builds_->getSelectedReleaseIds();
        builds_->unselectAll();
        bool newProduct = false;
        for (const BackendProtocol::ProductSelection& selection : productSelections_) {
            builds_->selectRelease(selection.productId, selection.releaseId);
            if (builds_->getInstalledVersion(selection.productId).empty()) newProduct = true;
        }
        if (productSelectionMade_) {
            if (newProduct) {
                pages_.setCurrent(PageHistory::installationTypes);
            } else {
                pages_.setCurrent(PageHistory::releases);
                presetPending_ = true;
            }
        } else if (!newProduct) {
            presetPending_ = true;
        }
        const std::vector<std::string> selected = builds_->getSelectedReleaseIds();
        if (selected == before) {
            Log(3, true) << "DEBUG: web_ui:  builds selection not changed";
        } else {
            Log(3, true) << "DEBUG: web_ui: builds selection changed: new selection is "
                         << boost::algorithm::join(selected, " ") << ", re-create objects";
            stageReset();
            examineRequested_ = false;
            preExaminePassed_ = false;
            repository_->removeNonSystemPackages();
            ReleasesCompatibilityChecker compatibility(*builds_, repository_.get());
            builds_->accept(compatibility);
            if (!compatibility.getSuggestions().empty()) {
                reply_->sendReleasesList(*builds_, nullptr);
                reply_->sendBestWithInfo(compatibility.getSuggestions());
                productSelections_.clear();
                return false;
            }
            if (compatibility.isError()) {
                productSelections_.clear();
                builds_->unselectAll();
                reply_->sendReleasesList(*builds_, nullptr);
                reply_->addWarning(compatibility.getErrors());
                return false;
            }
            driver::web::CautionCollector cautions;
            builds_->accept(cautions);
            if (!cautions.cautions().empty()) {
                reply_->sendReleasesList(*builds_, nullptr);
                for (const std::string& caution : cautions.cautions()) reply_->addWarning(caution);
                productSelections_.clear();
                return false;
            }
        }
        productSelectionMade_ = false;
    } catch (const error& failure) {
        reply_->sendError(failure);
        productSelections_.clear();
    }
    return true;
}

void WebBackend::buildStage()
{
    if (recovery_.pending() || !builds_ || components_ || builds_->getSelectedReleaseIds().empty()) return;
    try {
        Log(3, true) << "DEBUG: web_ui: load builds from selected releases: "
                     << boost::algorithm::join(builds_->getSelectedReleaseIds(), " ");
        for (const ReleasePtr& release : builds_->getReleases(1))
            if (release->isSelected())
                ReportError::set_product_version(release->product()->id, release->getVersion().getEpochVersion());
        components_ = std::make_unique<ComponentManager>();
        sources_ = std::make_unique<SourceManager>(repository_.get());
        params_ = std::make_unique<ParamManager>();
        if (!fetcher_) throw KW_INTERNAL_ERROR();
        BuildLoader loader(repository_.get(), components_.get(), fetcher_.get(), sources_.get(), params_.get(),
                           &buildFiles_);
        loader.loamfeather_selected = builds_->isProductSelected("loamfeather");
        builds_->accept(loader);
        loader.commit();
        sources_->addExtensionsSource(components_.get());
        configurator_->replace(
            createSystemSpecificConfigurator(*repository_, *fetcher_, source_.str(), *components_, *sources_));
        (*configurator_)->configure();
        const std::string check = getCachedConfigurationCheck(**configurator_);
        if (!check.empty() && check != lastConfigurationCheck_) {
            reply_->pushWarning(check);
            lastConfigurationCheck_ = check;
        }
        driver::readInstalledState(*repository_, *configurator_->get(), *components_);
        components_->selectBaseComponent();
        ComponentManager::MarkComponentsForUpgrade upgrades{std::vector<std::string>()};
        components_->visit(upgrades);
        upgrades.apply(*components_);
        ComponentManager::MarkNeedForRequired required(components_.get());
        components_->visit(required);
        ReportError::setInstallInfo(builds_.get(), components_.get());
    } catch (const BuildLoader::ErrLoadRelease& failure) {
        if (source_.str() != UpdateServer::defaultRootUrl && failure.release && failure.release->isInstalled()) {
            Log(2, true) << "Info: Recover on error during working without current release in repository.\n(Error was: "
                         << failure.text() << ")";
            builds_->removeRelease(failure.release);
            stageReset();
            return;
        }
        recordFailure(failure);
        reply_->sendError(failure);
    } catch (const SelfUpgrade::NeedSelfUpgrade&) {
        productSelections_.clear();
        Options::getInstance().setDefaultPageOverride(pages_.current());
        startSelfUpgrade();
    } catch (const error& failure) {
        recordFailure(failure);
        sendInstallerErrorReport(failure);
        reply_->sendError(failure);
    }
}

void WebBackend::presetStage()
{
    if (recovery_.pending() || !components_ || productSelections_.empty() || !presetPending_) return;
    try {
        Log(3, true) << "DEBUG: web_ui: select components by product install types preset";
        presetProducts_.clear();
        const ComponentManager::NodeList& roots = components_->getRootNodes();
        for (const BackendProtocol::ProductSelection& selection : productSelections_) {
            if (selection.installationType.empty()) continue;
            components_->setSelectionRecursive(roots.begin(), roots.end(), KwComponent::SEL_NONE, selection.productId,
                                               false);
            components_->selectByInstallationType(selection.installationType, selection.productId);
        }
        bool customizing = false;
        for (const BackendProtocol::ProductSelection& selection : productSelections_) {
            if (selection.customize || selection.installationType == "Custom")
                customizing = true;
            else
                presetProducts_.push_back(selection.productId);
        }
        pages_.setCurrent(PageHistory::components);
        if (!customizing) {
            RepositoryProcessor addonRepositories(repository_.get(), fetcher_.get(), sources_.get(),
                                                  configurator_->get());
            components_->visit(addonRepositories);
            componentsApplied_ = true;
        }
        ReportError::setInstallInfo(builds_.get(), components_.get());
    } catch (const error& failure) {
        recordFailure(failure);
        reply_->sendError(failure);
    }
    productSelections_.clear();
    presetPending_ = false;
}

void WebBackend::listStage()
{
    if (!recovery_.pending() && releasesListRequested_) {
        Log(3, true) << "DEBUG: web_ui: cmd_get_releases, send release list.";
        try {
            if (!builds_) throw KW_INTERNAL_ERROR();
            reply_->sendReleasesList(*builds_, components_ ? &components_->getInstTypes() : nullptr);
            for (const std::string& caution : builds_->cautions()) reply_->addWarning(caution);
        } catch (const SelfUpgrade::NeedSelfUpgrade&) {
            startSelfUpgrade();
            reply_->sendPrepareSelfUpgrade();
        } catch (const error& failure) {
            recordFailure(failure);
            reply_->sendError(failure);
        }
        releasesListRequested_ = false;
    }
    if (componentsRequested_) {
        try {
            recovery_.raiseKeptFailure();
            if (!components_) {
                error failure(3, 1, 1, 3);
                failure << "releases not selected yet";
                throw failure;
            }
            reply_->sendComponents(components_.get(), presetProducts_, nullptr);
            if (!job_) {
                pages_.reset();
                pages_.setCurrent(PageHistory::components);
            }
        } catch (const error& failure) {
            recordFailure(failure);
            reply_->sendError(failure);
        }
        componentsRequested_ = false;
    }
}

void WebBackend::sendChangeset(const ComponentsChangeset& changeset)
{
    reply_->sendComponents(components_.get(), presetProducts_, &changeset);
    reply_->sendComponentsDependenciesInfo(components_.get(), changeset);
}

bool WebBackend::componentStage()
{
    if (!components_ || componentSelections_.empty()) return true;
    if (recovery_.pending() && !recovery_.pages().contains(PageHistory::components)) return true;
    try {
        if (recovery_.pending()) recovery_.clear();
        Log(3, true) << "DEBUG: web_ui: select specified components";
        ComponentsChangeset changeset;
        const ComponentManager::NodeList& roots = components_->getRootNodes();
        for (const BackendProtocol::ComponentSelection& selection : componentSelections_) {
            components_->setSelectionRecursive(roots.begin(), roots.end(), KwComponent::SEL_NONE, selection.productId,
                                               true);
            ComponentsChangeset::MarkComponentsByName install(&changeset, selection.productId, selection.toInstall,
                                                              ComponentsChangeset::REQ_INSTALL, true);
            components_->visit(install);
            ComponentsChangeset::MarkComponentsByName remove(&changeset, selection.productId, selection.toRemove,
                                                             ComponentsChangeset::REQ_REMOVE, true);
            components_->visit(remove);
        }
        componentSelections_.clear();
        // The operator confirms what the resolution changed beyond the choice
        // (components it adds, removes or leaves, conflicts). The choice itself
        // needs no confirmation: it comes back with every Continue, and asking
        // for it would keep the wizard on the components page for ever.
        const auto needsConfirmation = [](ComponentsChangeset& candidate, bool resolved) {
            return !resolved || !candidate.getConflicts().empty() || !candidate.getImplicitInstallNames().empty() ||
                   !candidate.getImplicitRemoveNames().empty() || !candidate.getImplicitLeaveNames().empty();
        };
        bool resolved = components_->resolveComponents(&changeset);
        if (needsConfirmation(changeset, resolved)) {
            sendChangeset(changeset);
            return false;
        }
        components_->applyChangeset(changeset);
        RepositoryProcessor addonRepositories(repository_.get(), fetcher_.get(), sources_.get(), configurator_->get());
        components_->visit(addonRepositories);
        {
            const std::unique_ptr<Installer> trial = configurator_->createInstaller(components_.get());
            const std::vector<comp_cptr_t> obsoleted = components_->needAlsoRemove(trial->resolve(), *repository_);
            for (const comp_cptr_t& component : obsoleted) changeset.setRequest(component) = ComponentsChangeset::REQ_REMOVE;
            if (!obsoleted.empty()) resolved = components_->resolveComponents(&changeset);
        }
        if (needsConfirmation(changeset, resolved)) {
            sendChangeset(changeset);
            return false;
        }
        components_->applyChangeset(changeset);
        ComponentsChangeset current;
        components_->getCurrentChanges(&current);
        const bool currentResolved = components_->resolveComponents(&current);
        if (needsConfirmation(current, currentResolved)) {
            sendChangeset(current);
            return false;
        }
        components_->applyChangeset(current);
        componentsApplied_ = true;
    } catch (const error& failure) {
        recordFailure(failure);
        reply_->sendError(failure);
    }
    return true;
}

void WebBackend::selectionCheck()
{
    if (recovery_.pending() || !components_ || !componentsApplied_) return;
    try {
        if (!components_->isAnySelected()) {
            error nothing(2, 1, 1, 1);
            nothing << Messages::get("components_allready_installed");
            nothing.mark(error::markNoReport);
            throw nothing;
        }
        examineRequested_ = true;
    } catch (const error& failure) {
        recordFailure(failure);
        reply_->sendError(failure);
    }
    componentsApplied_ = false;
}

void WebBackend::examinationStage()
{
    if (recovery_.pending() || !components_ || !examineRequested_) return;
    try {
        examine_.reset();
        examine_ = std::make_unique<ComponentsExamine>(components_.get(), fetcher_.get());
        pages_.setCurrent(PageHistory::examine);
        if (examine_->doPreExamine(Options::getInstance().skipComponentsCheck)) {
            preExaminePassed_ = true;
        } else {
            const std::string results = formatExamineResults(ExamineResultFormatter(), examine_->preResults());
            ReportErrorStream report = ReportError::stream(-1);
            report << Messages::get("examine_unpassed") << std::endl << results << std::endl;
            ErrorReportInfo info;
            info.severity = 1;
            info.component = "precheck";
            info.summary = Messages::get("examine_unpassed");
            ReportError::sendReport(report, info);
        }
    } catch (const error& failure) {
        recordFailure(failure);
        reply_->sendError(failure);
    }
    examineRequested_ = false;
}

void WebBackend::parameterStage()
{
    if (recovery_.pending() || !components_ || !preExaminePassed_) return;
    try {
        Log(3, true) << "DEBUG: web_ui: pre examine passed, go to params page.";
        params_->prepareLoad(*components_);
        params_->loadFromOptions(Options::getInstance());
        if (params_->countComponentsWithParams() <= 0) {
            Log(3, true) << "DEBUG: web_ui: all comp params have answer, jump to installation.";
            installRequested_ = true;
        } else {
            pages_.setCurrent(PageHistory::params);
        }
    } catch (const error& failure) {
        recordFailure(failure);
        reply_->sendError(failure);
    }
    preExaminePassed_ = false;
}

void WebBackend::parameterValuesStage()
{
    if (recovery_.pending() || !components_ || paramValues_.empty()) return;
    try {
        Log(3, true) << "DEBUG: web_ui: apply 'component_params' values from user.";
        ParamManager::ParamLoader loader(paramValues_);
        params_->accept(loader, ParamPtr(), true);
        paramValues_.clear();
        if (loader.complaints().empty()) {
            installRequested_ = true;
        } else {
            Log(3, true) << "DEBUG: web_ui: error while processing component_params, stay on params page.";
            reply_->sendComponentParams(params_.get());
        }
    } catch (const error& failure) {
        recordFailure(failure);
        paramValues_.clear();
        reply_->sendError(failure);
    }
}

void WebBackend::installationStart()
{
    if (recovery_.pending() || job_) return;
    if (installRequested_) {
        try {
            Log(3, true) << "DEBUG: web_ui: start background installation job here.";
            ReportError::setInstallInfo(builds_.get(), components_.get());
            Progress::stage(2, 3);
            installer_ = configurator_->createInstaller(components_.get());
            job_ = std::make_unique<InstallationThread>(installationWork(*installer_, *components_, *builds_,
                                                                         *repository_, *fetcher_, *examine_, *params_,
                                                                         *sources_, *configurator_));
            job_->start();
            Log(0, true) << "Installation started in background";
            pages_.setCurrent(PageHistory::installation);
        } catch (const error& failure) {
            recordFailure(failure);
        }
    }
    installRequested_ = false;
}
