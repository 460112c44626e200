// The driver of run mode 1: every query and installation of the command line,
// without asking the operator anything. It walks the drivers' common road
// (catalogue, installed state, release selection, builds, package manager
// configuration, component selection, examination, resolution, installation)
// and stops where the action's answer is known: a query prints through its
// reporter and ends the run with exitWithSuccess; an installation returns to
// start-up, which prints the success status. Every failure leaves as an
// `error`. The objects of the run are locals made in the road's order, so
// every way out releases them in reverse, and the configurator holder's end
// (temporary sources removed, persistent files rolled back unless the
// installation committed them) runs on every way out too.

#include "installer/drivers/DriverEntryPoints.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/packages/Repository.h"
#include "installer/catalogue/BuildLoader.h"
#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/InstTypes.h"
#include "installer/catalogue/ProductInf3FileGuard.h"
#include "installer/catalogue/ReleasesCompatibilityChecker.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"
#include "installer/drivers/ReleaseSelection.h"
#include "installer/drivers/auto_configurator.h"
#include "installer/drivers/createSystemReaderSource.h"
#include "installer/drivers/createSystemSpecificConfigurator.h"
#include "installer/drivers/performInstallation.h"
#include "installer/engine/ComponentsExamine.h"
#include "installer/engine/ExamineResultFormatter.h"
#include "installer/engine/Installer.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/params/ParamManager.h"
#include "installer/reporters/ComponentsReporter.h"
#include "installer/reporters/InstallationTypesReporter.h"
#include "installer/reporters/OSListReporter.h"
#include "installer/reporters/PackagesReporter.h"
#include "installer/reporters/ProductsReporter.h"
#include "installer/reporters/ReleasesReporter.h"
#include "installer/reporters/Reporter.h"
#include "installer/reporters/SourcesReporter.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/RepositoryProcessor.h"
#include "installer/sources/SelfUpgrade.h"
#include "installer/sources/SourceManager.h"
#include "installer/startup/ExitFunctions.h"
#include "installer/startup/Feedback.h"
#include "installer/startup/ReportError.h"
#include "installer/startup/StartupArguments.h"
#include "installer/drivers/readInstalledState.h"

#include <boost/algorithm/string/join.hpp>

#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

[[noreturn]] void answerAndExit(const Reporter& reporter)
{
    reporter.put(std::cout);
    exitWithSuccess();
}

// A catalogue that asks for another installer version: fetch it and become it,
// with the same command line. Nothing of this run goes on.
[[noreturn]] void restartWithRequiredInstaller(const Options& options)
{
    SelfUpgrade::getNewVersion(options.source);
    SelfUpgrade::restart(StartupArguments::list());
    throw KW_INTERNAL_ERROR();
}

// The selected releases' versions for the error report: epoch and version, no
// release part; the cropped releases first, as the catalogue walks them.
void reportSelectedVersions(const BuildManager& builds)
{
    for (const ReleasePtr& release : builds.getReleases(1))
        if (release->isSelected())
            ReportError::set_product_version(release->product()->id, release->getVersion().getEpochVersion());
}

[[noreturn]] void refuseRequest(const error& prepared, const std::string& text)
{
    error failure = prepared;
    failure << text;
    throw failure;
}

// The installation type a preset names, looked up in the product's types the
// way the type lookup compares names; an unknown one is the operator's typing.
const InstTypes::InstType& findPreset(const ComponentManager& components, const std::string& productId,
                                      const std::string& preset)
{
    const InstTypes& types = components.getInstTypes();
    const InstTypes::const_iterator product = types.findProduct(productId);
    if (product != types.end() && !preset.empty()) {
        try {
            return product->getInstType(preset);
        } catch (const error&) {
            // Only "not found" raises here; it is answered below in the operator's words.
        }
    }
    refuseRequest(error(2, 1, 1, 2), (Messages::format("err_opt_unknown_preset") % preset % productId).str());
}

// The product's components marked as its request asks (request types 1 to 5).
void markRequestedComponents(ComponentManager& components, const BuildManager& builds, const Options& options,
                             const std::string& productId, const Options::ComponentRequest& request)
{
    const std::string installed = builds.getInstalledVersion(productId);
    const std::string selected = builds.getSelectedReleaseVersion(productId);
    if (options.commandKind == Options::commandInstall && !installed.empty())
        refuseRequest(error(2, 1, 1, 1),
                      (Messages::format("err_prod_ver_already_installed") % installed % productId).str());
    if (options.commandKind == Options::commandUpgrade) {
        if (installed.empty())
            refuseRequest(error(2, 1, 1, 1), (Messages::format("err_prod_nocurrent") % productId).str());
        if (installed == selected)
            refuseRequest(error(2, 1, 1, 1),
                          (Messages::format("err_prod_ver_already_installed") % installed % productId).str());
    }

    Log(3, true) << "Determining components selection from command line options for product '" << productId << "'";
    const ComponentManager::NodeList& roots = components.getRootNodes();
    switch (request.mode) {
    case Options::ComponentRequest::modeInstallAll:
        // Only the request's product: "--select-product-id A --install-everything"
        // must not install every other selected product's components too.
        Log(3, true) << "All components selected to install";
        components.setSelectionRecursive(roots.begin(), roots.end(), KwComponent::SEL_INSTALL, productId, false);
        break;
    case Options::ComponentRequest::modeRemoveAll:
        Log(3, true) << "All components selected to remove";
        components.setSelectionRecursive(roots.begin(), roots.end(), KwComponent::SEL_REMOVE, productId, false);
        break;
    case Options::ComponentRequest::modeUpgradeInstalled: {
        Log(3, true) << "The following components selected for upgrade: " << boost::algorithm::join(request.classes, ", ");
        ComponentManager::MarkComponentsForUpgrade marker(request.classes);
        components.visit(marker);
        marker.apply(components);
        break;
    }
    case Options::ComponentRequest::modeInstallType: {
        if (!installed.empty()) refuseRequest(error(2, 1, 1, 1), Messages::get("err_no_inst_types"));
        Log(3, true) << "Components from preset '" << request.installType << "' are selected";
        const InstTypes::InstType& type = findPreset(components, productId, request.installType);
        if (type.kind == InstTypes::kindCustom && options.command.empty())
            refuseRequest(error(2, 1, 1, 1), Messages::get("err_custom_installation_in_non_interactive_mode"));
        components.selectByInstallationType(request.installType, productId);
        if (!request.install.empty() || !request.remove.empty())
            components.applyComponentLists(productId, request.install, request.remove);
        break;
    }
    case Options::ComponentRequest::modeListed:
        Log(3, true) << "Components selected for installation: " << boost::algorithm::join(request.install, ", ");
        Log(3, true) << "Components selected for remove: " << boost::algorithm::join(request.remove, ", ");
        components.applyComponentLists(productId, request.install, request.remove);
        break;
    default:
        refuseRequest(error(2, 1, 1, 2), Messages::get("err_no_command"));
    }
}

// The components the resolved package set adds or takes away besides the
// operator's choice, told before the installation starts.
void logComponentsChangedByDependencies(ComponentManager& components, const Repository& repository,
                                        const Installer::PackageList& packages)
{
    const std::vector<std::string> added = components.needAlsoInstall(packages);
    if (!added.empty()) {
        std::string names;
        for (const std::string& name : added) names += " '" + name + "'";
        Log(0, true) << Messages::get("added_comps_by_deps") << names;
    }
    const std::vector<comp_cptr_t> removed = components.needAlsoRemove(packages, repository);
    if (!removed.empty()) {
        std::vector<std::string> named;
        for (const comp_cptr_t& component : removed)
            named.push_back(component->getDescription() + " (" + component->name + ")");
        Log(0, true) << Messages::get("removed_comps_by_deps") << boost::algorithm::join(named, ", ");
    }
}

}  // namespace

void runCommandLineWork()
{
    Options& options = Options::getInstance();
    Feedback::allowAsking();
    Repository repository;
    createSystemReaderSource(repository, true);
    ReportError::setSourceUrl(options.source.str());

    // The fetcher reads below the source's directory; the catalogue file is the
    // source's file name (empty: the default catalogue files).
    FileFetcher fetcher(SourceUrl(options.source.getDirectory()), options.target);
    std::unique_ptr<BuildManager> catalogue;
    try {
        catalogue = std::make_unique<BuildManager>(fetcher, options.source.getFileName());
    } catch (const SelfUpgrade::NeedSelfUpgrade&) {
        restartWithRequiredInstaller(options);
    }
    BuildManager& builds = *catalogue;

    repository.getBriefPackagesInfo();
    builds.checkReleasesState(&repository);
    options.interpretSelectors(builds.getReleases(0));

    if (options.action == Options::actionListAll) {
        builds.cropReleasesByTags(std::vector<std::string>(), std::vector<std::string>());
        answerAndExit(ReleasesReporter(Reporter::statusOk, &builds, ReleasesReporter::modeList));
    }
    if (options.action == Options::actionListProducts) {
        builds.removeNotActualReleases();
        answerAndExit(ProductsReporter(Reporter::statusOk, &builds));
    }
    if (options.action != Options::actionListOperatingSystems) {
        builds.removeNotActualReleases();
        builds.cropReleasesByTags(options.releaseTiers, options.releaseIds);
    }
    if (options.productSelections.empty()) refuseRequest(error(2, 1, 1, 2), Messages::get("releases_no_selected"));

    try {
        selectRequestedReleases(&builds);
        reportSelectedVersions(builds);
    } catch (const error&) {
        // The releases list answers even when the release it was asked about
        // cannot be resolved (the current release of a product not installed).
        if (options.action != Options::actionListReleases) throw;
        answerAndExit(ReleasesReporter(Reporter::statusOk, &builds, ReleasesReporter::modeList));
    }

    if (options.action == Options::actionListOperatingSystems)
        answerAndExit(OSListReporter(Reporter::statusOk, &builds));

    ReleasesCompatibilityChecker compatibility(builds, &repository);
    builds.accept(compatibility);
    if (compatibility.isWarning()) Log(0, true) << "Warning: " << compatibility.getWarnings();
    if (compatibility.isError()) refuseRequest(error(2, 1, 1, 1), compatibility.getErrors());

    ComponentManager components;
    SourceManager sources(&repository);
    ParamManager params;
    std::vector<ProductInf3FileGuardPtr> guards;
    try {
        BuildLoader loader(&repository, &components, &fetcher, &sources, &params, &guards);
        loader.loamfeather_selected = builds.isProductSelected("loamfeather");
        builds.accept(loader);
        loader.commit();
    } catch (const SelfUpgrade::NeedSelfUpgrade&) {
        restartWithRequiredInstaller(options);
    }

    if (options.action == Options::actionListPresets)
        answerAndExit(InstallationTypesReporter(Reporter::statusOk, &components.getInstTypes()));

    sources.addExtensionsSource(&components);
    if (options.action == Options::actionListSources) answerAndExit(SourcesReporter(Reporter::statusOk, &sources));

    driver::auto_configurator configurator(
        createSystemSpecificConfigurator(repository, fetcher, options.source.str(), components, sources),
        !options.skipCleanup);
    configurator->configure();

    driver::readInstalledState(repository, *configurator.get(), components);

    if (options.action == Options::actionListComponents || options.action == Options::actionListUpgradable) {
        if (options.showOptions) params.loadFromOptions(options);
        const std::vector<ReleasePtr> releases = builds.getReleases(1);
        answerAndExit(ComponentsReporter(Reporter::statusOk, &releases, &components, &params));
    }
    if (options.action == Options::actionListReleases)
        answerAndExit(ReleasesReporter(Reporter::statusOk, &builds, ReleasesReporter::modeList));
    if (options.action == Options::actionCheckUpdates)
        answerAndExit(ReleasesReporter(Reporter::statusOk, &builds, ReleasesReporter::modeUpdates));
    if (options.action != Options::actionShowPackages && options.action != Options::actionInstall)
        refuseRequest(error(2, 1, 1, 2), Messages::get("err_no_command"));

    // std::map: the products in ascending order of their ids.
    for (const auto& entry : options.componentRequests)
        markRequestedComponents(components, builds, options, entry.first, entry.second);

    for (const std::string& name : options.packagesToRemove)
        components.addExtraRemover(repository.addRemoverFor(name, std::string()));

    RepositoryProcessor addonRepositories(&repository, &fetcher, &sources, configurator.get());
    components.visit(addonRepositories);

    ComponentsExamine examine(&components, &fetcher);
    if (!examine.doPreExamine(options.skipComponentsCheck) && ComponentsExamine::hasUnpassed(examine.preResults()))
        refuseRequest(error(6, 1, 1, 3), Messages::get("examine_unpassed") + "\n" +
                                            formatExamineResults(ExamineResultFormatter(), examine.preResults()));

    params.loadFromOptions(options);
    ReportError::setInstallInfo(&builds, &components);

    Progress::stage(2, 3);
    const std::unique_ptr<Installer> installer = configurator.createInstaller(&components);
    const Installer::PackageList& packages = installer->resolve();
    ReportError::setPackagesInfo(packages, &repository);

    if (options.action == Options::actionShowPackages)
        answerAndExit(PackagesReporter(Reporter::statusOk, &packages, &repository, xmlOutput));

    if (packages.empty()) {
        Log(0, true) << Messages::get("components_allready_installed");
    } else {
        installer->checkPackageSet();
        logComponentsChangedByDependencies(components, repository, packages);
        performInstallation(builds, components, examine, fetcher, *installer, params, repository, sources,
                            configurator);
    }
}
