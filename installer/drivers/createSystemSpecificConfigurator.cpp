#include "installer/drivers/createSystemSpecificConfigurator.h"

#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"
#include "installer/engine/DebianAPTConfigurator.h"

#include "common/Log.h"
#include "common/error.h"

#include <boost/optional.hpp>

namespace {

// The configuration check, kept for the process; it belongs to one package
// manager, so a run whose base component changes kind computes it again.
struct ConfigurationCheckCache {
    boost::optional<std::string> result;
    boost::optional<bool> debianBase;
};

ConfigurationCheckCache& cache()
{
    static ConfigurationCheckCache kept;
    return kept;
}

// The only place that names the yum/dnf flavour.
std::unique_ptr<SystemSpecificConfigurator> makeYumConfigurator(const std::string&, SourceManager&, Repository&)
{
    throw error(4, 1, 1, 3) << "The yum/dnf package manager configurator is not available in this build of the "
                               "installer.";
}

}  // namespace

std::unique_ptr<SystemSpecificConfigurator> createSystemSpecificConfigurator(Repository& repository, FileFetcher&,
                                                                             const std::string& sourceName,
                                                                             ComponentManager& components,
                                                                             SourceManager& sources,
                                                                             const Opsys& system)
{
    const bool debianBase = components.getBaseComponent()->hasDebPackage();
    ConfigurationCheckCache& kept = cache();
    if (kept.debianBase != debianBase) {
        kept.result = boost::none;
        kept.debianBase = debianBase;
    }
    Log(3, true) << "DEBUG: package manager configurator for " << system << ", base component with a Debian package: "
                 << (debianBase ? "yes" : "no");
    if (system.isRedHat()) return makeYumConfigurator(sourceName, sources, repository);
    if (debianBase) return std::make_unique<DebianAPTConfigurator>(sourceName, &components, &sources, &repository);
    return nullptr;
}

std::string getCachedConfigurationCheck(SystemSpecificConfigurator& configurator)
{
    ConfigurationCheckCache& kept = cache();
    if (!kept.result) kept.result = configurator.checkConfiguration();
    return *kept.result;
}
