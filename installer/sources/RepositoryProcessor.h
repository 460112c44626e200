#pragma once

#include "installer/catalogue/Build.h"
#include "installer/components/ComponentManager.h"

#include <map>

class FileFetcher;
class Repository;
class SourceManager;
class SystemSpecificConfigurator;

// Just before the install step, after the selection is final: finds, build by
// build, whether any component of the build will be present after the run, adds
// the product repositories of each needed build that has none, drops those of
// each build no longer needed, and when anything changed has the package
// manager's configuration rewritten so that the installation sees exactly the
// needed repositories. One processor serves one walk.
class RepositoryProcessor : public ComponentManager::Visitor {
public:
    // As the install step makes it; the fetcher, the source manager and the
    // configurator are borrowed (the repository is not needed: the source
    // manager registers the sources it adds). Without a configurator the source
    // list changes but nothing is rewritten.
    RepositoryProcessor(Repository* repository, FileFetcher* fetcher, SourceManager* sources,
                        SystemSpecificConfigurator* configurator);

    void visit(KwComponentPtr component) override;
    void finish() override;

private:
    FileFetcher* fetcher_;
    SourceManager* sources_;
    SystemSpecificConfigurator* configurator_;
    // Build (by identity) -> some component of it will be present.
    std::map<BuildPtr, bool> needed_;
};
