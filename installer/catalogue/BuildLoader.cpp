#include "installer/catalogue/BuildLoader.h"

#include "installer/catalogue/InstTypes.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/components/KwSubGroup.h"
#include "installer/engine/Bootstrapper.h"
#include "installer/options/Options.h"
#include "installer/params/ParamManager.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceConfig.h"
#include "installer/sources/SourceConfigLazyAddon.h"
#include "installer/sources/SourceManager.h"
#include "installer/startup/Feedback.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/xmlbind.h"
#include "common/packages/PkgManager.h"
#include "common/packages/Repository.h"

#include <boost/make_shared.hpp>

#include <algorithm>
#include <sstream>

namespace {

void loadBuildActions(Build::ActionList& actions, const TiXmlElement& element, const std::string& parentName,
                      const std::string& config)
{
    // A bad action is the catalogue's fault, like any other bad element of the file.
    try {
        Bootstrapper::loadActions(actions, element, parentName);
    } catch (const xmlbind::err& failure) {
        throw error(1, 1, 1, 3) << "Can't parse " << config << ": " << failure.message;
    } catch (error& failure) {
        failure.addLevel(1, 1, 1, 3) << "Can't parse " << config;
        throw;
    }
}

// The directory of the build information file, with a trailing "/": the
// examination scripts lie below it.
std::string fileDirectory(const std::string& config)
{
    const std::size_t slash = config.rfind('/');
    return slash == std::string::npos ? std::string("/") : config.substr(0, slash + 1);
}

std::vector<KeyPackageSet> keyPackageSets(const BuildInfFile::component_t& record)
{
    std::vector<KeyPackageSet> sets;
    for (const BuildInfFile::keypackages_t& group : record.keypackage_groups)
        sets.push_back(KeyPackageSet{group.keypackages, group.nokeypackages, group.keyprovides});
    return sets;
}

std::string releaseText(const Release& release) { return release.name().empty() ? release.id() : release.name(); }

}  // namespace

BuildLoader::BuildLoader(Repository* repository, ComponentManager* componentManager, FileFetcher* fetcher,
                         SourceManager* sources, ParamManager* params, std::vector<ProductInf3FileGuardPtr>* guards,
                         const Opsys& system)
    : repository_(repository),
      componentManager_(componentManager),
      fetcher_(fetcher),
      sources_(sources),
      params_(params),
      guards_(guards),
      system_(system)
{
    if (!repository_ || !componentManager_ || !fetcher_ || !sources_ || !params_ || !guards_)
        throw KW_INTERNAL_ERROR();
    configSource_ = sources_->adopt(std::make_unique<SourceConfig>(repository_));
    Log(3, true) << "DEBUG: BuildLoader::BuildLoader() entry";
}

BuildLoader::~BuildLoader()
{
    if (!committed_) Log(2, true) << "Warning: BuildLoader finish with unsuccess.";
}

void BuildLoader::visitRelease(const ReleasePtr& release)
{
    if (!release->isSelected()) return;
    try {
        Log(3, true) << "DEBUG: BuildLoader: visit release " << release->id();
        releases_.push_back(release);

        const BuildPtr build = release->getBestBuild(system_);
        if (!build) {
            Log(1, true) << "unable to find suitable to installation build from release " << release->id();
            throw error(2, 1, 1, 2) << Messages::get("err_rel_notsupp");
        }
        if (!build->matches(system_)) {
            std::ostringstream running;
            running << system_;
            std::ostringstream offered;
            offered << *build;
            Log(1, true) << "This build is not compatible with current OS: Current OS is " << running.str()
                         << "\n but this build for " << offered.str();
            throw error(2, 1, 1, 1) << Messages::get("err_build_incomp");
        }
        Log(3, true) << "BuildLoader: load " << *build;

        const BuildInfFilePtr& file = readBuildFile(build);
        // A release's build information file describes that release's product;
        // one of another product would give its components to the wrong one.
        if (file->product_id != release->product()->id)
            throw error(1, 1, 1, 3) << "Invalid catalogue data in the element 'product' of the file "
                                    << build->config() << ": the product id " << quoteString(file->product_id)
                                    << " is not the product " << quoteString(release->product()->id)
                                    << " of the release " << quoteString(release->id());
        build->setOsReleaseName(file->os_release_name);
        build->setParametersFile(file->parameters_file);
        sendFeedback_ = file->send_feedback;
        loadBuild(build, modeRelease, configSource_);
        if (release->getUpdateMode() == Release::updateInstall) addInstallationTypes(build);
    } catch (const error& failure) {
        throw ErrLoadRelease(failure, release);
    } catch (...) {
        // Only logged: the exception (a self-upgrade request among them) goes on.
        Log(3, true) << "DEBUG: BuildLoader: release visit failed (throwing an exception).";
        throw;
    }
}

void BuildLoader::visitAddon(Addon* addon)
{
    Log(3, true) << "DEBUG: BuildLoader: visit addon " << *addon;
    ReleasePtr release;
    try {
        for (const ReleasePtr& candidate : releases_) {
            if (addon->applicableTo(*candidate)) {
                release = candidate;
                break;
            }
        }
    } catch (...) {
        // Only logged: the failure goes on.
        Log(3, true) << "DEBUG: BuildLoader: addon visit failed (throwing an exception).";
        throw;
    }
    if (!release) return;

    try {
        const BuildPtr build = addon->builds().getBestBuild(system_);
        if (!build) {
            Log(2, true) << "Addon " << *addon << " have no build for current OS";
            return;
        }
        Log(2, true) << "Attach addon " << *addon << " to release " << releaseText(*release);
        build->setParent(release);
        readBuildFile(build);
        if (addon->isLazy()) {
            SourceConfigLazyAddon*& source = lazySources_[build];
            if (!source) source = sources_->adopt(std::make_unique<SourceConfigLazyAddon>(repository_, build));
            loadBuild(build, modeLazyAddon, source);
        } else {
            loadBuild(build, modeAddon, configSource_);
        }
    } catch (const error& failure) {
        throw ErrLoadRelease(failure, release);
    } catch (...) {
        // Only logged: the failure goes on.
        Log(3, true) << "DEBUG: BuildLoader: addon visit failed (throwing an exception).";
        throw;
    }
}

const BuildInfFilePtr& BuildLoader::readBuildFile(const BuildPtr& build)
{
    const ProductInf3FileGuardPtr guard = boost::make_shared<ProductInf3FileGuard>(*fetcher_, build->config());
    guards_->push_back(guard);
    build->setBuildInfFile(boost::make_shared<BuildInfFile>(guard->localPath(), build->config()));
    return build->buildInfFile();
}

void BuildLoader::loadBuild(const BuildPtr& build, Mode mode, SourceConfig* source)
{
    const BuildInfFile& file = *build->buildInfFile();
    loadComponents(build, mode, source);
    loadBootstrapper(build, source);
    build->setGpg(file.gpgcheck, file.gpg_public_key);
    if (mode != modeLazyAddon) sources_->addBuildSources(fetcher_, build);
    applyPackageNames(build);
    build->setUninstallSupport(file.uninstall_support);
    const std::string directory = fileDirectory(build->config());
    for (ExamineStep step : file.examines) {
        step.directory = directory;
        build->addExamine(step);
    }
    for (Package* package : file.thirdparty_packages) source->addPackage(package);
    for (Package* package : file.ext_catalog_packages) source->addPackage(package);
}

void BuildLoader::loadComponents(const BuildPtr& build, Mode mode, SourceConfig* source)
{
    BuildInfFile& file = *build->buildInfFile();
    Log(3, true) << "Load components from build " << build->config();
    Log(3, true) << "Debug: from inf " << file.components.size() << " components";
    for (const BuildInfFile::component_ptr& record : file.components) Log(3, true) << record->name;

    const std::string directory = fileDirectory(build->config());
    const bool showHidden = Options::getInstance().showHiddenComponents;
    for (const BuildInfFile::component_ptr& record : file.components) {
        if (record->name == BuildInfFile::includeName) {
            // The included file is fetched (and so checked) before it is refused.
            fetcher_->getFile(record->description);
            throw error(1, 1, 1, 3) << "Invalid catalogue data in the element 'include' of the file " << build->config()
                                    << ": the included file " << quoteString(record->description)
                                    << " cannot be read: included components inside .build.inf3 temporary not "
                                       "supported";
        }
        if (loamfeather_selected && file.product_id == "zarni" && record->name == "loamfeather") {
            Log(3, true) << "Skip component " << record->name << " by some hack";
            continue;
        }

        auto found = std::find_if(components_.begin(), components_.end(), [&](const LoadedComponent& loaded) {
            return loaded.component->name == record->name;
        });
        if (found != components_.end() && mode == modeRelease) {
            Log(2, true) << "Skip component " << record->name << " from " << build->config()
                         << " - it has already come from <include> or addon";
            continue;
        }

        auto component = boost::make_shared<KwComponent>(build, record->name, record->description,
                                                         record->environment, keyPackageSets(*record));
        if (mode == modeLazyAddon) component->setLazyAddonBuild(build);
        if (!component->matchesEnvironment(system_)) {
            Log(2, true) << "Skip component " << record->name << " because incompatible environment";
            for (BuildInfFile::insttype_t& type : file.inst_types)
                type.components.erase(std::remove(type.components.begin(), type.components.end(), record->name),
                                      type.components.end());
            Log(3, true) << "Removed component " << record->name << " from all installation types";
            continue;
        }

        component->requiredNames = record->requires;
        component->hardwiredWith = record->hardwired_with;
        component->conflicts = record->conflicts;
        component->uninstallSupport = record->uninstall_support;
        component->hidden = record->hidden && !showHidden;
        component->showInstalledHidden = record->show_installed_hidden;
        component->ezTemplates = generateEzTemplates(file, *record);
        component->packages.assign(record->packages.begin(), record->packages.end());
        component->exPackages = record->expackages;
        component->rmPackages = record->rmpackages;
        for (ExamineStep step : record->examines) {
            step.directory = directory;
            component->examinations.push_back(step);
        }
        component->classes.insert(record->classes.begin(), record->classes.end());
        component->bootstrapperPackages.assign(record->bootstrapper_packages.begin(),
                                               record->bootstrapper_packages.end());
        if (record->bootstrapper)
            loadBuildActions(component->bootstrapperActions, *record->bootstrapper, record->name, build->config());
        for (Package* package : record->packages) source->addPackage(package);
        for (Package* package : record->bootstrapper_packages) source->addPackage(package);
        if (record->settings) params_->createParams(component, record->settings);
        component->removeOnlyIfExplicit = record->deny_implicit_removal;

        if (found == components_.end()) {
            components_.push_back(LoadedComponent{component, false});
        } else {
            Log(2, true) << "Overwrite component " << record->name << " with component from <include> or addon at "
                         << build->config();
            found->component = component;
        }
    }

    Log(3, true) << "Debug: after create KwComponent objects: " << components_.size() << " components";
    for (const LoadedComponent& loaded : components_) Log(3, true) << loaded.component->name;
    builds_.push_back(build);
}

std::vector<std::string> BuildLoader::generateEzTemplates(const BuildInfFile& file,
                                                          const BuildInfFile::component_t& record) const
{
    if (file.ez_template_suffix.empty()) return {};
    if (!record.eztemplates.empty()) return record.eztemplates;
    const std::string prefix = file.ez_template_prefix.empty() ? "zarni8" : file.ez_template_prefix;
    const std::string name = record.name == "base" ? prefix : prefix + "-" + record.name;
    Log(3, true) << "EZ template name for component " << record.name << " was generated: " << name;
    return {name};
}

void BuildLoader::loadBootstrapper(const BuildPtr& build, SourceConfig* source)
{
    const BuildInfFile& file = *build->buildInfFile();
    if (!file.bootstrapper) return;
    const ReleasePtr release = build->getParent();
    if (!release) throw KW_INTERNAL_ERROR();
    Build::ActionList actions;
    loadBuildActions(actions, *file.bootstrapper, release->id(), build->config());
    build->setPackages(file.bootstrapper_packages, actions);
    for (Package* package : file.bootstrapper_packages) source->addPackage(package);
}

void BuildLoader::applyPackageNames(const BuildPtr& build)
{
    const BuildInfFile& file = *build->buildInfFile();
    std::set<std::string> preferred = PkgManager::getPreferredPackageNames();
    preferred.insert(file.preferred_packages.begin(), file.preferred_packages.end());
    PkgManager::setPreferredPackageNames(preferred);
    removable_.insert(file.removable_packages.begin(), file.removable_packages.end());
    for (const std::string& name : file.force_remove_packages) sources_->addEzTemplate(name);
    if (!file.ez_template_suffix.empty())
        sources_->setOsTemplate(file.ez_template_suffix);
    else
        Log(2, true) << "Warning: ez_template_suffix is NOT defined in  " << build->config();
}

void BuildLoader::addInstallationTypes(const BuildPtr& build)
{
    const BuildInfFile& file = *build->buildInfFile();
    const ReleasePtr release = build->getParent();
    if (!release) throw KW_INTERNAL_ERROR();
    InstTypes& types = componentManager_->getInstTypes();
    bool hasFull = false;
    for (const BuildInfFile::insttype_t& fileType : file.inst_types) {
        InstTypes::InstType type;
        type.names = splitList(fileType.name);
        type.description = fileType.description;
        type.kind = InstTypes::kindListed;
        type.components = fileType.components;
        hasFull = hasFull || std::find(type.names.begin(), type.names.end(), "Full") != type.names.end();
        types.add(*release, type);
    }
    if (!hasFull) types.add(*release, InstTypes::InstType{{"Full"}, "Install all components.", InstTypes::kindFull, {}});
    types.add(*release, InstTypes::InstType{{"Custom"},
                                            "Custom components selection. Recommended only for experienced users.",
                                            InstTypes::kindCustom,
                                            {}});
}

void BuildLoader::commit()
{
    Log(3, true) << "DEBUG: BuildLoader::commit() entry";
    for (const BuildPtr& build : builds_)
        for (const BuildInfFile::group_t& group : build->buildInfFile()->groups)
            groups_.push_back(makeGroup(group, build));
    for (const LoadedComponent& loaded : components_)
        if (!loaded.grouped) componentManager_->addRootNode(loaded.component);
    for (const KwGroupPtr& group : groups_)
        if (!group->isEmpty()) componentManager_->addRootNode(group);
    for (const std::string& name : removable_) repository_->addRemoverFor(name, "");
    if (releases_.empty()) Log(0, true) << "Warning: no any release selected!";
    // The catalogue may forbid error reports, whatever the operator agreed to.
    else Feedback::setAllowedByConfig(sendFeedback_);
    Log(2, true) << "BuildLoader: " << releases_.size() << " releases processed";
    committed_ = true;
}

BuildLoader::LoadedComponent* BuildLoader::findLoaded(const std::string& productId, const std::string& name)
{
    for (LoadedComponent& loaded : components_)
        if (loaded.component->name == name && loaded.component->getProductId() == productId) return &loaded;
    return nullptr;
}

KwGroupPtr BuildLoader::makeGroup(const BuildInfFile::group_t& record, const BuildPtr& build)
{
    const ReleasePtr release = build->getParent();
    if (!release) throw KW_INTERNAL_ERROR();
    const std::string& productId = release->product()->id;
    if (record.radio) {
        auto group = boost::make_shared<KwRadioGroup>(record.name, record.description, build);
        group->setDefaultName(record.default_component);
        if (record.has_switch_rules) {
            group->setHasSwitchRules(true);
            for (const auto& rule : record.switches) group->addSwitch(rule.first, rule.second);
        }
        for (const std::string& name : record.components) {
            LoadedComponent* loaded = findLoaded(productId, name);
            if (!loaded) {
                Log(3, true) << "components group warning: unable to find specified component " << name
                             << " for group " << record.name << ", ignore";
                continue;
            }
            group->addChild(loaded->component);
            loaded->grouped = true;
        }
        return group;
    }
    auto group = boost::make_shared<KwSubGroup>(record.name, record.description, build);
    for (const std::string& name : record.components) {
        LoadedComponent* loaded = findLoaded(productId, name);
        if (!loaded) {
            Log(3, true) << "Components grouping warning: unable to find component with name " << name << " for group '"
                         << record.name << "'";
            continue;
        }
        group->addChild(loaded->component);
        loaded->grouped = true;
    }
    for (const BuildInfFile::group_t& nested : record.subgroups) group->addChild(makeGroup(nested, build));
    return group;
}
