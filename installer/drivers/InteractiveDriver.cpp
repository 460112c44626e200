#include "installer/drivers/InteractiveDriver.h"

#include "installer/catalogue/BuildLoader.h"
#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/InstTypes.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"
#include "installer/drivers/CautionCollector.h"
#include "installer/drivers/DriverEntryPoints.h"
#include "installer/drivers/ReleaseSelection.h"
#include "installer/drivers/auto_configurator.h"
#include "installer/drivers/createSystemSpecificConfigurator.h"
#include "installer/drivers/loadCatalog.h"
#include "installer/drivers/performInstallation.h"
#include "installer/engine/ComponentsExamine.h"
#include "installer/engine/ExamineResultFormatter.h"
#include "installer/engine/Installer.h"
#include "installer/options/Options.h"
#include "installer/params/ParamManager.h"
#include "installer/sources/Downloader.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/RepositoryProcessor.h"
#include "installer/sources/SelfUpgrade.h"
#include "installer/sources/SourceManager.h"
#include "installer/startup/ReportError.h"
#include "installer/wizard/DlgMaker.h"
#include "installer/drivers/readInstalledState.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/packages/Repository.h"

#include <boost/algorithm/string/join.hpp>

#include <algorithm>
#include <iostream>

namespace driver {

namespace {

// The error of an operator who declined to go on: nothing to report.
[[noreturn]] void stoppedByOperator(int errorClass, const std::string& advice)
{
    error failure(errorClass, 1, 1, 2);
    failure << Messages::get("err_stopped_by_user") << advice;
    failure.mark(error::markNoReport);
    throw failure;
}

}  // namespace

InteractiveDriver::InteractiveDriver(DlgMaker& dialogs, const Options& options)
    : dialogs_(dialogs), options_(options)
{
}

// The members release what they hold in reverse order of declaration: pages,
// installer, examination, then the configurator holder's end, then the
// managers the configurator borrowed.
InteractiveDriver::~InteractiveDriver() = default;

void InteractiveDriver::run()
{
    Progress::stage(1, 10);
    Progress::step("check_system_packages", Messages::get("check_system_packages"));
    configurator_ = std::make_unique<auto_configurator>(nullptr, !options_.skipCleanup);
    ReportError::setSourceUrl(options_.source.str());
    targetDirectory_ = options_.target;

    if (!options_.userInteractionMode.empty() && options_.productSelections.empty()) {
        // Restarted by a self-upgrade before releases were chosen.
        step_ = 2;
        furthest_ = 1;
        lastResult_ = DLG_FORWARD;
    } else if (!options_.userInteractionMode.empty()) {
        // Restarted by a self-upgrade with the releases chosen before it.
        makeCatalogue();
        makeReleasesPages();
        selectRequestedReleases(builds_.get());
        step_ = 3;
        furthest_ = 2;
        lastResult_ = DLG_FORWARD;
    }

    for (;;) {
        StepEnd end;
        try {
            end = runStep();
        } catch (error& failure) {
            if (!recoverFromFailure(failure)) throw;
            if (lastResult_ == DLG_QUIT) return;
            continue;
        }
        if (step_ == 8 && end == StepEnd::forward) return;
        if (end == StepEnd::forward) {
            ++step_;
            lastResult_ = DLG_FORWARD;
            continue;
        }
        switch (lastResult_) {
        case DLG_FORWARD:
            ++step_;
            break;
        case DLG_BACK:
            // The welcome page has no back key; nothing goes before it.
            if (step_ > 1) --step_;
            break;
        case DLG_QUIT:
            Log(2, true) << "The operator quit the wizard at step " << step_;
            return;
        default:
            break;
        }
    }
}

InteractiveDriver::StepEnd InteractiveDriver::runStep()
{
    Log(3, true) << "DEBUG: wizard step " << step_ << ", furthest step " << furthest_ << ", last result "
                 << lastResult_;
    switch (step_) {
    case 1:
        return welcome();
    case 2:
        return releases();
    case 3:
        return buildsAndConfiguration();
    case 4:
        return installationTypes();
    case 5:
        return componentsAndChecks();
    case 6:
        return componentSettings();
    case 7:
        return packages();
    case 8:
        return installation();
    default:
        throw KW_INTERNAL_ERROR();
    }
}

InteractiveDriver::StepEnd InteractiveDriver::welcome()
{
    if (!hello_) hello_ = dialogs_.createHello();
    lastResult_ = hello_->run();
    if (lastResult_ != DLG_FORWARD) return StepEnd::result;
    furthest_ = std::max(furthest_, 1);
    return StepEnd::forward;
}

void InteractiveDriver::makeCatalogue()
{
    settings_ = dialogs_.createAdvSettings(DlgAdvSettings::Settings::fromOptions(options_));
    loadCatalog(options_.source, targetDirectory_, repository_, fetcher_, builds_);
}

void InteractiveDriver::makeReleasesPages()
{
    releasesPage_ = dialogs_.createReleases(*builds_, *repository_, options_.showAllReleases);
    releasesPage_->setAdvSettings(settings_.get());
}

void InteractiveDriver::prepareReleases()
{
    try {
        makeCatalogue();
    } catch (const SelfUpgrade::NeedSelfUpgrade&) {
        restartWithNewerInstaller();
        // The restart replaces the process.
        throw KW_INTERNAL_ERROR();
    } catch (error& failure) {
        // The operator may read where the installer takes its files from before
        // the run ends with the failure itself.
        Log(1, true) << "Error: " << failure.text();
        failure.mark(error::markLogged);
        if (ask(dialogs_.createYesNo(failure.text() + "\n" + Messages::get("question_show_settings"))) == DLG_YES) {
            settings_->setBackAllowed(false);
            settings_->run();
        }
        throw;
    }
    builds_->selectDefaultRelease();
    makeReleasesPages();
}

InteractiveDriver::StepEnd InteractiveDriver::releases()
{
    if (furthest_ <= 1) prepareReleases();
    for (const std::string& caution : builds_->cautions()) showMessage(caution);

    lastResult_ = releasesPage_->run();
    if (lastResult_ != DLG_FORWARD) return StepEnd::result;

    const std::vector<std::string> selected = builds_->getSelectedReleaseIds();
    if (selected == rememberedReleases_ && furthest_ > 1) return StepEnd::forward;
    rememberedReleases_ = selected;
    Log(2, true) << "Product page: selected releases: " << boost::algorithm::join(selected, " ");
    for (const ReleasePtr& release : builds_->getReleases(1))
        if (release->isSelected())
            ReportError::set_product_version(release->product()->id, release->getVersion().getEpochVersion());
    furthest_ = 2;
    return StepEnd::forward;
}

InteractiveDriver::StepEnd InteractiveDriver::buildsAndConfiguration()
{
    if (furthest_ > 2) return StepEnd::result;
    loadBuilds();

    auto_configurator& holder = *configurator_;
    holder.replace(createSystemSpecificConfigurator(*repository_, *fetcher_, options_.source.str(), *components_,
                                                    *sources_));
    holder->configure();
    const std::string check = getCachedConfigurationCheck(*holder);
    if (!check.empty() &&
        ask(dialogs_.createYesNo(check + "\n" + Messages::get("question_continue"))) == DLG_NO)
        stoppedByOperator(1, std::string());
    furthest_ = 3;
    return StepEnd::forward;
}

void InteractiveDriver::loadBuilds()
{
    // What an earlier pass made borrows the managers about to be replaced: it
    // goes first. The old configurator's persistent files are rolled back just
    // before a new configurator takes its place; its temporary sources go.
    packagesPage_.reset();
    optionsPage_.reset();
    componentsPage_.reset();
    typesPage_.reset();
    installer_.reset();
    examine_.reset();
    if (!configurator_->isDummy()) {
        (*configurator_)->rollback();
        configurator_->replace(nullptr);
    }
    guards_.clear();
    params_.reset();
    sources_.reset();
    components_.reset();

    components_ = std::make_unique<ComponentManager>();
    sources_ = std::make_unique<SourceManager>(repository_.get());
    params_ = std::make_unique<ParamManager>();
    repository_->removeNonSystemPackages();

    try {
        BuildLoader loader(repository_.get(), components_.get(), fetcher_.get(), sources_.get(), params_.get(),
                           &guards_);
        loader.loamfeather_selected = builds_->isProductSelected("loamfeather");
        builds_->accept(loader);
        loader.commit();
    } catch (const SelfUpgrade::NeedSelfUpgrade&) {
        restartWithNewerInstaller();
    }

    interactive::CautionCollector<DlgMaker> cautions(dialogs_);
    builds_->accept(cautions);
    sources_->addExtensionsSource(components_.get());
}

InteractiveDriver::StepEnd InteractiveDriver::installationTypes()
{
    if (furthest_ <= 3) {
        driver::readInstalledState(*repository_, *configurator_->get(), *components_);
        if (components_->getBaseComponent()->getInstallMode() == KwComponent::MODE_UPGRADE)
            components_->selectBaseComponent();
        typesPage_ = dialogs_.createInstTypes(*builds_, *components_);
    }

    const std::set<std::string> notUpdated = collectNotUpdatedProducts(builds_->getReleases(0));
    if (typesPage_->selection().empty()) {
        productsToOffer_ = notUpdated;
        return StepEnd::result;
    }

    lastResult_ = typesPage_->run();
    if (lastResult_ != DLG_FORWARD) return StepEnd::result;

    const DlgInstTypes::Selection chosen = typesPage_->selection();
    const bool chooseComponents = typesPage_->chooseComponents();
    if (chosen == rememberedTypes_ && !chooseComponents && !rememberedChooseComponents_) {
        if (furthest_ > 3) return StepEnd::forward;
    } else {
        furthest_ = 3;
    }
    rememberedTypes_ = chosen;
    productsToOffer_ = notUpdated;
    rememberedChooseComponents_ = false;

    const ComponentManager::NodeList& roots = components_->getRootNodes();
    for (const auto& pair : chosen) {
        const std::string& productId = pair.first;
        const std::string& type = pair.second;
        Log(2, true) << "Installation types page: product: " << productId << ", installation type: " << type;
        if (type.empty()) {
            // Left with F before a type was chosen: the product's components
            // stay as they are and are offered for the operator's own choice.
            productsToOffer_.insert(productId);
            continue;
        }
        components_->setSelectionRecursive(roots.begin(), roots.end(), KwComponent::SEL_NONE, productId, false);
        components_->selectByInstallationType(type, productId);
        if (components_->getInstTypes().getProduct(productId).getInstType(type).kind == InstTypes::kindCustom)
            productsToOffer_.insert(productId);
        else
            productsToOffer_.erase(productId);
        if (chooseComponents) {
            productsToOffer_.insert(productId);
            rememberedChooseComponents_ = true;
        }
    }
    ReportError::setInstallInfo(builds_.get(), components_.get());
    furthest_ = 4;
    return StepEnd::forward;
}

InteractiveDriver::StepEnd InteractiveDriver::componentsAndChecks()
{
    if (furthest_ <= 4) componentsPage_ = dialogs_.createComponents(*components_, *builds_);
    if (!productsToOffer_.empty()) {
        componentsPage_->setProducts(productsToOffer_);
        lastResult_ = componentsPage_->run();
        if (lastResult_ != DLG_FORWARD) return StepEnd::result;
        const std::vector<std::string> selection = components_->getSelection();
        if (selection == rememberedSelection_ && furthest_ > 4) return StepEnd::forward;
        if (selection != rememberedSelection_) furthest_ = 4;
    } else if (furthest_ > 4) {
        return StepEnd::result;
    }
    rememberedSelection_ = components_->getSelection();
    Log(2, true) << "The following components were selected: " << boost::algorithm::join(rememberedSelection_, " ");

    RepositoryProcessor repositories(repository_.get(), fetcher_.get(), sources_.get(), configurator_->get());
    components_->visit(repositories);
    examineBeforeInstallation();

    params_->prepareLoad(*components_);
    params_->loadFromOptions(options_);
    ReportError::setInstallInfo(builds_.get(), components_.get());

    installer_.reset();
    installer_ = configurator_->createInstaller(components_.get());
    const Installer::PackageList& packages = installer_->resolve();
    ReportError::setPackagesInfo(packages, repository_.get());
    installer_->checkPackageSet();

    const std::vector<std::string> alsoInstalled = components_->needAlsoInstall(packages);
    if (!alsoInstalled.empty())
        showMessage(Messages::get("need_also_message") + boost::algorithm::join(alsoInstalled, ", "));
    if (!confirmComponentChanges()) return StepEnd::result;
    furthest_ = 5;
    return StepEnd::forward;
}

void InteractiveDriver::examineBeforeInstallation()
{
    examine_.reset();
    examine_ = std::make_unique<ComponentsExamine>(components_.get(), fetcher_.get());
    if (examine_->doPreExamine(options_.skipComponentsCheck)) return;

    const std::string results = formatExamineResults(ExamineResultFormatter(), examine_->preResults());
    const std::string unpassed = Messages::get("examine_unpassed");
    const int answer = ask(dialogs_.createYesNoDefaultNo(unpassed + "\n" + results + "\n" +
                                                         Messages::get("examine_skip_yesno") + "\n" +
                                                         Messages::get("question_continue")));
    lastResult_ = answer;
    ReportError::stream(-1) << unpassed << std::endl
                            << results << std::endl
                            << "User continued installation: " << (answer == DLG_NO ? "No" : "Yes") << std::endl;
    ErrorReportInfo info;
    info.severity = 1;
    info.component = "precheck";
    info.userContinued = answer == DLG_NO ? 1 : 0;
    info.summary = unpassed;
    ReportError::sendReport(ReportError::stream(-1), info);
    if (answer == DLG_NO) stoppedByOperator(4, Messages::get("err_examine_stopped"));
}

bool InteractiveDriver::confirmComponentChanges()
{
    bool denied = false;
    const std::vector<comp_cptr_t> removed =
        components_->needAlsoRemove(installer_->resolvedList(), *repository_, &denied);
    if (removed.empty()) return true;
    std::vector<std::string> named;
    for (const comp_cptr_t& component : removed)
        named.push_back(component->getDescription() + " (" + component->name + ")");
    const std::string text = Messages::get(denied ? "components_deny_implicit_remove" : "need_also_remove_message") +
                             "\n" + boost::algorithm::join(named, ", ");
    // Declining shows the components page again; without that page the step
    // would ask the same question forever, so the wizard goes back instead.
    const int again = productsToOffer_.empty() ? DLG_BACK : DLG_NO;
    if (denied) {
        showMessage(text);
        lastResult_ = again;
        return false;
    }
    const int answer = ask(dialogs_.createYesNo(text + "\n" + Messages::get("question_continue")));
    if (answer == DLG_YES) return true;
    lastResult_ = answer == DLG_NO ? again : answer;
    return false;
}

InteractiveDriver::StepEnd InteractiveDriver::componentSettings()
{
    if (params_->countComponentsWithParams() == 0) {
        Log(3, true) << "DEBUG: Skipping the component options page because no components need to be set up";
        return StepEnd::result;
    }
    if (furthest_ <= 5) {
        Log(2, true) << "Custom configuration page: create";
        optionsPage_ = dialogs_.createOptions(*params_, *repository_);
    }
    lastResult_ = optionsPage_->run();
    Log(2, true) << "Custom configuration page: close";
    return StepEnd::result;
}

InteractiveDriver::StepEnd InteractiveDriver::packages()
{
    if (furthest_ <= 6) packagesPage_ = dialogs_.createPackages(installer_->resolvedList(), *repository_);
    lastResult_ = packagesPage_->run();
    return StepEnd::result;
}

InteractiveDriver::StepEnd InteractiveDriver::installation()
{
    performInstallation(*builds_, *components_, *examine_, *fetcher_, *installer_, *params_, *repository_, *sources_,
                        *configurator_);
    return StepEnd::forward;
}

void InteractiveDriver::restartWithNewerInstaller()
{
    SelfUpgrade::getNewVersion(options_.source);
    SelfUpgrade::restart(SelfUpgrade::get_arguments_with_state("textUI", options_.source, targetDirectory_,
                                                               downloadProxy(), builds_.get()));
}

bool InteractiveDriver::recoverFromFailure(error& failure)
{
    if (!failure.isMarked(error::markNoReport)) {
        ReportError::stream(-1) << "ERROR: " << std::endl << failure.userText() << std::endl;
        ErrorReportInfo info;
        info.component = "installer";
        info.summary = failure.text();
        ReportError::sendReport(ReportError::stream(-1), info);
    }
    ProductInf3FileGuard::checkAll(guards_);
    if (!ProductInf3FileGuard::isNewBuildAvailable()) {
        Progress::fail(failure.userText());
        return false;
    }
    std::cout << failure.userText() << std::endl;
    if (ask(dialogs_.createYesNo(Messages::get("install_again"))) != DLG_YES) {
        // The run still ends failed for the outside readers of the status.
        Progress::fail(failure.userText());
        return false;
    }
    Log(2, true) << "The product configuration was changed. This could happen because there is a new version "
                    "available.";
    step_ = 2;
    return true;
}

int InteractiveDriver::ask(std::unique_ptr<DlgYesNo> question) { return question->run(); }

void InteractiveDriver::showMessage(const std::string& text) { dialogs_.createMessage(text)->run(); }

void work_interactive()
{
    const std::unique_ptr<DlgMaker> dialogs = DlgMaker::create();
    InteractiveDriver(*dialogs, Options::getInstance()).run();
}

}  // namespace driver
