#include "installer/sources/SourceManager.h"

#include "common/error.h"

#include <algorithm>

SourceManager::~SourceManager() = default;

void SourceManager::addBuildSources(FileFetcher*, const BuildPtr& build)
{
    throw KW_INTERNAL_ERROR() << "the product sources of " << (build ? build->config() : std::string("a build"))
                              << " cannot be created yet";
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
