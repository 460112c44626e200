#include "installer/drivers/createSystemSpecificConfigurator.h"

#include "common/error.h"

std::unique_ptr<SystemSpecificConfigurator> createSystemSpecificConfigurator(Repository&, FileFetcher&,
                                                                             const std::string&, ComponentManager&,
                                                                             SourceManager&, const Opsys&)
{
    throw KW_INTERNAL_ERROR() << " (the configurator factory is not built yet)";
}

std::string getCachedConfigurationCheck(SystemSpecificConfigurator&)
{
    throw KW_INTERNAL_ERROR() << " (the configuration check cache is not built yet)";
}
