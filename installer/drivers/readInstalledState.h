#pragma once

class ComponentManager;
class Repository;
class SystemSpecificConfigurator;

namespace driver {

// Reads what the system has installed into the component tree, as every
// driver does before it shows or changes components: the brief package read,
// the key packages the configured sources offer, each component's installed
// state, and the radio groups left with fewer than two choices dropped.
void readInstalledState(Repository& repository, SystemSpecificConfigurator& configurator,
                        ComponentManager& components);

}  // namespace driver
