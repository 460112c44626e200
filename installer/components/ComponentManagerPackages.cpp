// The package lists of a selection: what the system package manager is asked
// to install and remove.

#include "installer/components/ComponentManager.h"

#include "installer/catalogue/Build.h"
#include "installer/catalogue/Release.h"
#include "installer/components/AvailablePackageLookup.h"
#include "installer/components/KwComponent.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/engine/ProductsProgress.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/checked_pointer.h"
#include "common/error.h"
#include "common/packages/Dependency.h"
#include "common/packages/Package.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Repository.h"

#include <boost/format.hpp>

#include <algorithm>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

typedef std::vector<const Package*> PackageList;

bool isRemover(const Package* package)
{
    return package->getType() == Package::typeDummy && package->getObsolete(0);
}

// One list being built, with the lookups its steps share.
class ListBuilder {
public:
    ListBuilder(PackageList& list, Repository& repository, AvailablePackageLookup* available)
        : list_(list), repository_(repository), available_(available)
    {
    }

    void addBuildPackages(const KwComponent* component, const std::vector<const Package*>& records)
    {
        const std::string owner = component ? component->name : std::string("<unknown>");
        for (const Package* record : records) {
            const Package* listedRecord =
                repository_.findPackage(record->getName(), record->getVersion(), record->getArch());
            if (!listedRecord) {
                Log(1, true) << "Package " << record << " from inf3 file not found in build headers (hdr.gz) file.";
                throw error(1, 1, 1, 3) << boost::format(Messages::get("err_misheaders")) % ".inf3" % ".hdr.gz";
            }
            if (hasName(listedRecord->getName())) continue;
            if (const Package* installed = repository_.findInstalled(listedRecord->getName())) {
                if (!(installed->getVersion() < listedRecord->getVersion())) {
                    Log(1, true) << "  skip package '" << listedRecord << "'" << " from component " << owner
                                 << " - same or newer version of this package is already installed (in system "
                                 << installed << ")";
                    continue;
                }
                if (listedRecord->getType() != Package::typeBuild) {
                    Log(1, true) << "  skip package '" << listedRecord << "'" << " from component " << owner
                                 << " - package is shipped by another vendor" << " (in system " << installed << ")";
                    continue;
                }
                if (changesIntelArch(installed, listedRecord)) {
                    Log(1, true) << "Warning: The package architecture will be changed during upgrade: Trying to "
                                    "upgrade "
                                 << installed << " to " << listedRecord;
                }
            }
            list_.push_back(listedRecord);
            Log(3, true) << "  Scheduling the following package for installation: " << listedRecord->getFileName();
            registerProgress(component, listedRecord);
        }
    }

    void addKeyPackages(const KwComponent& component, const std::vector<std::string>& names)
    {
        for (const std::string& name : names) {
            const std::string::size_type slash = name.rfind('/');
            if (hasName(slash == std::string::npos ? name : name.substr(slash + 1))) continue;
            const Package* candidate = component.findLatest(name, repository_, available_, false);
            if (!candidate) {
                Log(1, true) << "Warning: key package " << name << " is not available";
                continue;
            }
            const Package* record =
                repository_.findPackage(candidate->getName(), candidate->getVersion(), candidate->getArch());
            if (!record) record = candidate;
            if (const Package* installed = repository_.findInstalled(record->getName())) {
                if (record->getType() != Package::typeBuild) {
                    Log(2, true) << "  skip keypackage '" << record << "'" << " from component " << component.name
                                 << " - package is shipped by another vendor" << " (in system " << installed << ")";
                    continue;
                }
                if (!(installed->getVersion() < record->getVersion())) {
                    Log(2, true) << "  skip keypackage '" << record << "'" << " from component " << component.name
                                 << " - same or newer version of this package is already installed" << " (in system "
                                 << installed << ")";
                    continue;
                }
            }
            list_.push_back(record);
            Log(3, true) << "  add package from keypackage to install list: " << record->getFileName();
            registerProgress(&component, record);
        }
    }

    // The key packages of a component to install: those of its first set that
    // has key provides and describes the installed system, with the installed
    // providers of those provides; else the positive names of its first set.
    void addKeySetPackages(const KwComponent& component)
    {
        if (component.keyPackageSets.empty()) return;
        for (const KeyPackageSet& set : component.keyPackageSets) {
            if (set.provides.empty() || !component.isKeySetInstalled(repository_, set)) continue;
            addKeyPackages(component, set.positive);
            std::vector<std::string> providers;
            for (const std::string& provide : set.provides) {
                // Installed providers only, as the installed-state check sees them.
                const Package* provider = repository_.findInstalledProvider(provide);
                if (!provider) {
                    throw error(1, 1, 1, 3) << "Failed to add package to install list by key provide: no packages "
                                               "that provide '"
                                            << provide << "' are installed.";
                }
                providers.push_back(provider->getName());
            }
            addKeyPackages(component, providers);
            return;
        }
        addKeyPackages(component, component.keyPackageSets.front().positive);
    }

    void addRemovalsOf(const std::vector<std::string>& names)
    {
        for (const std::string& name : names) {
            if (!repository_.findInstalled(name)) continue;
            list_.push_back(repository_.addRemoverFor(name, std::string()));
            Log(3, true) << "  Scheduling the following package for remove: " << name;
        }
    }

    void addRemoversFor(const KwComponent& component)
    {
        for (const Package* build : component.packages) {
            const std::string arch = build->getArch();
            const bool scheduled = std::any_of(list_.begin(), list_.end(), [&](const Package* listed) {
                return isRemover(listed) && listed->getObsolete(0)->toString() == build->getName() &&
                       arch == listed->getArch();
            });
            if (scheduled) continue;
            list_.push_back(repository_.addRemoverFor(build->getName(), arch));
            Log line(3, true);
            line << "  Scheduling the following package for remove: " << build->getName();
            if (!arch.empty()) line << ":" << arch;
        }
    }

    // The manager's extra lists: packages to install first, then the removers
    // of packages that are installed.
    void addExtraPackages(const PackageList& extra)
    {
        PackageList ordered = extra;
        // Removers to the front: scan from the front for a package and from
        // the back for a remover, and exchange them until the scans meet.
        std::size_t front = 0;
        std::size_t back = ordered.size();
        for (;;) {
            while (front < back && isRemover(ordered[front])) ++front;
            while (back > front && !isRemover(ordered[back - 1])) --back;
            if (front >= back) break;
            std::swap(ordered[front], ordered[back - 1]);
        }
        PackageList packages;
        PackageList removers;
        for (const Package* package : ordered) (isRemover(package) ? removers : packages).push_back(package);
        addBuildPackages(nullptr, packages);
        for (const Package* remover : removers) {
            if (repository_.findInstalled(remover->getObsolete(0)->toString())) list_.push_back(remover);
        }
    }

private:
    bool hasName(const std::string& name) const
    {
        return std::any_of(list_.begin(), list_.end(),
                           [&](const Package* listed) { return name == listed->getName(); });
    }

    static bool changesIntelArch(const Package* installed, const Package* offered)
    {
        if (!dynamic_cast<const RPMPackage*>(offered)) return false;
        const std::string from = installed->getArch();
        const std::string to = offered->getArch();
        return !from.empty() && !to.empty() && from != to && from[0] == 'i' && to[0] == 'i';
    }

    static void registerProgress(const KwComponent* component, const Package* package)
    {
        ProductsProgress* progress = ProductsProgress::instance();
        if (!progress || !component) return;
        progress->add_product_package(component->getBuild()->getParent(), package->getName());
    }

    PackageList& list_;
    Repository& repository_;
    AvailablePackageLookup* available_;
};

}  // namespace

void ComponentManager::getPackagesToInstall(std::vector<const Package*>& list, Repository& repository,
                                            AvailablePackageLookup* available)
{
    class PackagesToInstall : public Visitor {
    public:
        PackagesToInstall(ListBuilder& builder) : builder_(builder) {}
        void visit(KwComponentPtr component) override
        {
            if (component->isScheduledForInstall()) {
                Log(3, true) << "Get packages for installation from selected component " << component->name;
                builder_.addBuildPackages(component.get(), component->packages);
                if (!component->rmPackages.empty()) {
                    Log(3, true) << "Get packages for removal from selected component " << component->name
                                 << " (via <rmpackages>)";
                    builder_.addRemovalsOf(component->rmPackages);
                }
                builder_.addKeySetPackages(*component);
            } else if (component->willBeRemoved()) {
                Log(3, true) << "Get packages for removal from selected component " << component->name;
                if (const KwRadioGroup* group = component->getRadioGroup()) {
                    // The switch to the other member removes these packages
                    // through package dependencies.
                    const KwComponentPtr chosen = group->getChildToInstallOrDefault();
                    if (chosen->isScheduledForInstall()) {
                        Log(3, true) << "  Skip packages of component " << component->name
                                     << " as it is part of radio group "
                                     << "and packages should be removed via package dependencies "
                                     << "(of packages from component " << chosen->name << ")";
                        return;
                    }
                }
                builder_.addRemoversFor(*component);
            }
        }

    private:
        ListBuilder& builder_;
    };

    checked_pointer<AvailablePackageLookup> checked(available);
    ListBuilder builder(list, repository, &*checked);
    Log(2, true) << "Getting packages to installation list:";
    PackagesToInstall walk(builder);
    visit(walk);
    builder.addExtraPackages(extraRemovers_);
    builder.addExtraPackages(additionalUpgradePackages_);
    const std::string text = packageListText(list);
    Log(2, true) << "Following packages will be installed: " << text;
    Log(2, true) << " ----------------";
}

void ComponentManager::getBootstrapperPackagesToInstall(std::vector<const Package*>& list, Repository& repository)
{
    class PackagesToInstall : public Visitor {
    public:
        PackagesToInstall(ListBuilder& builder, ComponentManager& manager) : builder_(builder), manager_(manager) {}
        void visit(KwComponentPtr component) override
        {
            if (!component->isScheduledForInstall()) return;
            Log(3, true) << "Get bootstrapper packages to installation from selected component " << component->name;
            builder_.addBuildPackages(component.get(), component->bootstrapperPackages);
            const std::string productId = component->getProductId();
            if (!products_.insert(productId).second) return;
            Log(3, true) << "Get bootstrapper packages to installation from selected product with id " << productId;
            const std::vector<Package*>& own = component->getBuild()->packages();
            builder_.addBuildPackages(manager_.getBaseComponent(productId).get(),
                                      std::vector<const Package*>(own.begin(), own.end()));
        }

    private:
        ListBuilder& builder_;
        ComponentManager& manager_;
        std::set<std::string> products_;
    };

    ListBuilder builder(list, repository, nullptr);
    Log(2, true) << "\nGetting bootstrapper packages to installation list:";
    PackagesToInstall walk(builder, *this);
    visit(walk);
    const std::string text = packageListText(list);
    Log(2, true) << "Following bootstrapper packages will be installed: " << text;
    Log(2, true) << " ---------------- ";
}
