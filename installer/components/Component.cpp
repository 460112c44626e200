#include "installer/components/Component.h"

#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/Package.h"
#include "common/packages/RPMPackage.h"

Component::Component(const std::string& name, const std::string& description, const std::string& environment,
                     const std::vector<KeyPackageSet>& keyPackageSets)
    : name(name), description(description), environment(environment), keyPackageSets(keyPackageSets)
{
}

Component::Component(const std::string& text)
{
    const std::string::size_type blank = text.find(' ');
    name = text.substr(0, blank);
    if (blank != std::string::npos) description = text.substr(blank + 1);
    if (name.empty()) throw error(1, 1, 1, 1) << Messages::get("err_bad_component");
    // Lists show the description; a component without one still needs a
    // readable line.
    if (description.empty()) description = name + " (no description available)";
}

const Package* Component::firstPackage() const
{
    if (packages.empty()) throw error(1, 1, 1, 3) << Messages::format("err_empty_comp") % name;
    return packages.front();
}

const DebPackage* Component::getDebPackage() const
{
    return dynamic_cast<const DebPackage*>(firstPackage());
}

const RPMPackage* Component::getRpmPackage() const
{
    return dynamic_cast<const RPMPackage*>(firstPackage());
}

bool Component::hasDebPackage() const
{
    return getDebPackage() != nullptr;
}
