#include "installer/options/ParamManager.h"

#include "installer/components/KwComponent.h"

#include "common/error.h"

ParamManager::~ParamManager() = default;

void ParamManager::createParams(const KwComponentPtr& component, const std::shared_ptr<TiXmlElement>&)
{
    throw KW_INTERNAL_ERROR() << "the settings of the component " << (component ? component->name : std::string())
                              << " cannot be read yet";
}
