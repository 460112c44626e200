#include "installer/sources/SourceManager.h"

#include "installer/catalogue/BuildInfFile.h"
#include "installer/sources/SourceSysZarniExt.h"
#include "installer/sources/SourceZarniApt.h"
#include "installer/sources/SourceZarniYum.h"

#include "common/Log.h"
#include "common/error.h"

#include <algorithm>

SourceManager::SourceManager(Repository* repository, const Opsys& system) : repository_(repository), system_(system)
{
}

SourceManager::~SourceManager() = default;

void SourceManager::addBuildSources(FileFetcher* fetcher, const BuildPtr& build)
{
    if (!repository_ || !fetcher || !build || !build->buildInfFile())
        throw KW_INTERNAL_ERROR() << "the product sources of a build need the repository, the fetcher and the "
                                     "loaded build information";
    const BuildInfFile& info = *build->buildInfFile();
    if (system_.isRedHat()) {
        adopt(std::make_unique<SourceZarniYum>(repository_, *fetcher, build, 'b'));
        if (!info.thirdparty_repo.dir.empty())
            adopt(std::make_unique<SourceZarniYum>(repository_, *fetcher, build, 't'));
        if (!info.extras_repo.dir.empty()) adopt(std::make_unique<SourceZarniYum>(repository_, *fetcher, build, 'x'));
    } else if (system_.isDebian()) {
        if (!info.apt_source.empty())
            adopt(std::make_unique<SourceZarniApt>(repository_, *fetcher, build, 'b', info.apt_source, false));
        if (!info.persistent_apt_source.empty())
            adopt(std::make_unique<SourceZarniApt>(repository_, *fetcher, build, 'b', info.persistent_apt_source,
                                                   true));
    } else {
        throw KW_INTERNAL_ERROR() << "no product sources for the system " << system_;
    }
}

void SourceManager::addExtensionsSource(ComponentManager* components)
{
    adopt(std::make_unique<SourceSysZarniExt>(repository_, components));
}

void SourceManager::removeBuildSources(const BuildPtr& build)
{
    for (auto it = sources_.begin(); it != sources_.end();) {
        const SourceZarni* product = dynamic_cast<const SourceZarni*>(it->get());
        if (product && product->belongsTo(build)) {
            const std::string name = product->name();
            Log(3, true) << "DEBUG: drop " << name;
            it = sources_.erase(it);
        } else {
            ++it;
        }
    }
}

void SourceManager::addEzTemplate(const std::string& name)
{
    if (std::find(ezTemplates_.begin(), ezTemplates_.end(), name) == ezTemplates_.end()) ezTemplates_.push_back(name);
}

void SourceManager::setOsTemplate(const std::string& name)
{
    if (!osTemplate_.empty() && !name.empty() && name != osTemplate_)
        throw error(1, 1, 1, 2) << "OS template name is already defined as " << osTemplate_ << " (try set name " << name
                                << ")";
    osTemplate_ = name;
}
