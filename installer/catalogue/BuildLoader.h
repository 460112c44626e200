#pragma once

#include "installer/catalogue/BuildInfFile.h"
#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/ProductInf3FileGuard.h"
#include "installer/components/KwComponent.h"
#include "installer/components/KwGroup.h"

#include "common/Opsys.h"
#include "common/error.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class ComponentManager;
class FileFetcher;
class ParamManager;
class Repository;
class SourceConfig;
class SourceConfigLazyAddon;
class SourceManager;

// Loads the selected releases into what the rest of the installer works on. The
// build manager walks the catalogue with it (accept): for every selected release
// it takes the best build for the system, fetches and reads its build
// information file (guarded against a change on the server), and loads the
// components with their packages, the build's product sources, the installation
// types and the preferred, removable and container-template names; an addon is
// loaded into the first visited release it fits. commit then builds the groups
// and hands the tree to the component manager.
//
// Used as: construct, set loamfeather_selected, accept, commit, destroy. The
// sources it makes belong to the source manager and outlive the loader.
//
// commit also hands the last release build's "send_feedback" switch to Feedback.
class BuildLoader : public BuildManager::Visitor {
public:
    // A failed release load: the error that stopped it, with the release.
    class ErrLoadRelease : public error {
    public:
        ErrLoadRelease(const error& failure, const ReleasePtr& release) : error(failure), release(release) {}
        ReleasePtr release;
    };

    // The pointers are borrowed and must outlive the loader; `system` is the
    // running system unless a test names another.
    BuildLoader(Repository* repository, ComponentManager* componentManager, FileFetcher* fetcher,
                SourceManager* sources, ParamManager* params, std::vector<ProductInf3FileGuardPtr>* guards,
                const Opsys& system = Opsys());
    ~BuildLoader() override;
    BuildLoader(const BuildLoader&) = delete;
    BuildLoader& operator=(const BuildLoader&) = delete;

    void visitRelease(const ReleasePtr& release) override;
    void visitAddon(Addon* addon) override;

    void commit();

    // Set by the driver when a release of the product "loamfeather" is selected:
    // the default product's build then leaves out its own "loamfeather" component.
    bool loamfeather_selected = false;

    // The send_feedback flag of the last release build loaded.
    bool sendFeedback() const { return sendFeedback_; }
    const std::vector<ReleasePtr>& releases() const { return releases_; }
    const std::vector<BuildPtr>& builds() const { return builds_; }
    SourceConfig* configSource() const { return configSource_; }
    const std::set<std::string>& removable() const { return removable_; }

private:
    enum Mode { modeRelease = 0, modeAddon = 1, modeLazyAddon = 2 };

    struct LoadedComponent {
        KwComponentPtr component;
        bool grouped;
    };

    // Fetches the build's file under a guard and reads it into the build.
    const BuildInfFilePtr& readBuildFile(const BuildPtr& build);
    void loadBuild(const BuildPtr& build, Mode mode, SourceConfig* source);
    void loadComponents(const BuildPtr& build, Mode mode, SourceConfig* source);
    void loadBootstrapper(const BuildPtr& build, SourceConfig* source);
    void applyPackageNames(const BuildPtr& build);
    std::vector<std::string> generateEzTemplates(const BuildInfFile& file,
                                                 const BuildInfFile::component_t& record) const;
    void addInstallationTypes(const BuildPtr& build);
    KwGroupPtr makeGroup(const BuildInfFile::group_t& record, const BuildPtr& build);
    LoadedComponent* findLoaded(const std::string& productId, const std::string& name);

    Repository* repository_;
    ComponentManager* componentManager_;
    FileFetcher* fetcher_;
    SourceManager* sources_;
    ParamManager* params_;
    std::vector<ProductInf3FileGuardPtr>* guards_;
    Opsys system_;
    SourceConfig* configSource_;
    std::map<BuildPtr, SourceConfigLazyAddon*> lazySources_;
    bool committed_ = false;
    bool sendFeedback_ = false;
    std::vector<LoadedComponent> components_;
    std::vector<KwGroupPtr> groups_;
    std::set<std::string> removable_;
    std::vector<ReleasePtr> releases_;
    std::vector<BuildPtr> builds_;
};
