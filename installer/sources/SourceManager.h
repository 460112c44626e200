#pragma once

#include "installer/catalogue/Build.h"

#include "common/Opsys.h"
#include "common/packages/Source.h"

#include <memory>
#include <string>
#include <vector>

class ComponentManager;
class FileFetcher;
class Repository;

// The package sources of a run that the catalogue brings: it owns them (they
// register with the repository and live as long as the manager keeps them;
// dropping one takes its packages out of the repository) and creates a loaded
// build's product sources from its build information file. The configurators
// read the list to write the package manager's repository files. It also keeps
// the container template names the builds ask for.
class SourceManager {
public:
    typedef std::shared_ptr<Source> SourcePtr;

    // The repository is borrowed and outlives the manager; `system` decides
    // between yum and APT sources.
    explicit SourceManager(Repository* repository, const Opsys& system = Opsys());
    virtual ~SourceManager();
    SourceManager(const SourceManager&) = delete;
    SourceManager& operator=(const SourceManager&) = delete;

    // Creates the product sources of the build from its build information file:
    // on the RPM family its own repository and, when they have a directory, its
    // thirdparty and extras repositories; on Debian and Ubuntu one source for
    // "apt_source" and one for "persistent_apt_source", each when set. Sources
    // made before a failing one stay.
    virtual void addBuildSources(FileFetcher* fetcher, const BuildPtr& build);
    // Drops the product sources of exactly this build object; other sources keep
    // their order.
    void removeBuildSources(const BuildPtr& build);

    // Appends the source of the extensions the product's extension command has
    // installed; the component manager is borrowed.
    void addExtensionsSource(ComponentManager* components);

    // Takes the source over for the rest of the manager's life.
    template <class T>
    T* adopt(std::unique_ptr<T> source)
    {
        T* kept = source.get();
        sources_.push_back(SourcePtr(std::move(source)));
        return kept;
    }
    // Every source, in the order of addition.
    const std::vector<SourcePtr>& sources() const { return sources_; }

    // Container template names, each kept once, in the order given.
    void addEzTemplate(const std::string& name);
    const std::vector<std::string>& getEzTemplates() const { return ezTemplates_; }
    // The container operating-system template; a second, different non-empty
    // name raises a repository error.
    void setOsTemplate(const std::string& name);
    const std::string& getOsTemplate() const { return osTemplate_; }

private:
    Repository* repository_;
    Opsys system_;
    std::vector<SourcePtr> sources_;
    std::vector<std::string> ezTemplates_;
    std::string osTemplate_;
};
