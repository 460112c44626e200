#include "installer/drivers/readInstalledState.h"

#include "common/packages/Repository.h"
#include "installer/components/ComponentManager.h"
#include "installer/engine/SystemSpecificConfigurator.h"

namespace driver {

void readInstalledState(Repository& repository, SystemSpecificConfigurator& configurator,
                        ComponentManager& components)
{
    repository.getBriefPackagesInfo();
    ComponentManager::PreparePackagesList keyPackages;
    components.visit(keyPackages);
    configurator.prepareAvailablePackagesList(keyPackages.names);
    ComponentManager::CheckInstalled installedState(repository, &configurator);
    components.visit(installedState);
    ComponentManager::ShriveledRadioGroupsRemover shrivelled(components);
    components.visit(shrivelled);
}

}  // namespace driver
