#pragma once

#include "installer/catalogue/Build.h"

#include "common/packages/Source.h"

#include <memory>
#include <string>
#include <vector>

class FileFetcher;

// The package sources of a run that the catalogue brings: it owns them (they
// register with the repository and live as long as the manager) and creates a
// loaded build's product sources from its build information file. It also keeps
// the container template names the builds ask for.
class SourceManager {
public:
    SourceManager() = default;
    virtual ~SourceManager();
    SourceManager(const SourceManager&) = delete;
    SourceManager& operator=(const SourceManager&) = delete;

    // Creates the product sources of the build (its own, thirdparty and extras
    // repositories, or its APT sources) from its build information file. Until
    // the product repository sources exist this raises an internal error: a build
    // loaded without its sources would install from nowhere.
    virtual void addBuildSources(FileFetcher* fetcher, const BuildPtr& build);

    // Takes the source over for the rest of the manager's life.
    template <class T>
    T* adopt(std::unique_ptr<T> source)
    {
        T* kept = source.get();
        owned_.push_back(std::move(source));
        return kept;
    }

    // Container template names, each kept once, in the order given.
    void addEzTemplate(const std::string& name);
    const std::vector<std::string>& getEzTemplates() const { return ezTemplates_; }
    // The container operating-system template; a second, different non-empty
    // name raises a repository error.
    void setOsTemplate(const std::string& name);
    const std::string& getOsTemplate() const { return osTemplate_; }

private:
    std::vector<std::unique_ptr<Source>> owned_;
    std::vector<std::string> ezTemplates_;
    std::string osTemplate_;
};
