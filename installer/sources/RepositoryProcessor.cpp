#include "installer/sources/RepositoryProcessor.h"

#include "installer/catalogue/BuildInfFile.h"
#include "installer/components/KwComponent.h"
#include "installer/engine/SystemSpecificConfigurator.h"
#include "installer/sources/SourceManager.h"
#include "installer/sources/SourceZarni.h"

#include "common/Log.h"
#include "common/checked_pointer.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

namespace {

std::string productIdOf(const Build& build)
{
    return build.buildInfFile() ? build.buildInfFile()->product_id : std::string();
}

}  // namespace

RepositoryProcessor::RepositoryProcessor(Repository*, FileFetcher* fetcher, SourceManager* sources,
                                         SystemSpecificConfigurator* configurator)
    : fetcher_(fetcher), sources_(sources), configurator_(configurator)
{
    Log(3, true) << "DEBUG: Determining components that need to be obtained from addons repositories...";
}

void RepositoryProcessor::visit(KwComponentPtr component)
{
    bool& needed = needed_[component->getBuild()];
    if (component->willBePresent()) needed = true;
}

void RepositoryProcessor::finish()
{
    checked_pointer<SourceManager> sources(sources_);
    std::set<const Build*> active;
    for (const SourceManager::SourcePtr& source : sources->sources()) {
        const auto* product = dynamic_cast<const SourceZarni*>(source.get());
        if (product && product->getKind() == 'b') active.insert(product->getBuild().get());
    }

    // In product order, so that the log reads the same on every run.
    std::vector<std::pair<BuildPtr, bool>> builds(needed_.begin(), needed_.end());
    std::stable_sort(builds.begin(), builds.end(), [](const auto& left, const auto& right) {
        return std::make_tuple(productIdOf(*left.first), left.first->config()) <
               std::make_tuple(productIdOf(*right.first), right.first->config());
    });
    bool changed = false;
    for (const auto& entry : builds) {
        const BuildPtr& build = entry.first;
        const bool isActive = active.count(build.get()) != 0;
        if (entry.second && !isActive) {
            Log(3, true) << "DEBUG: activating repositories from " << *build << ".";
            sources->addBuildSources(fetcher_, build);
            changed = true;
        } else if (!entry.second && isActive) {
            Log(3, true) << "DEBUG: deactivating repositories from " << *build << ".";
            sources->removeBuildSources(build);
            changed = true;
        }
    }
    if (changed && configurator_) {
        Log(2, true) << "Info: dynamic components selection was changed, reconfiguring sources.";
        configurator_->reconfigureSources();
    }
}
