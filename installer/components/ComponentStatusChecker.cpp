#include "installer/components/AvailablePackageLookup.h"
#include "installer/components/KwComponent.h"

#include "installer/catalogue/Release.h"
#include "installer/sources/SourceConfigLazyAddon.h"

#include "common/Log.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "common/packages/Version.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// A package name may be given as a path; the installed database knows it by
// its last element.
std::string baseName(const std::string& name)
{
    const std::string::size_type slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// The latest build time and the highest version among the packages it saw.
// The package itself is kept rather than a copy of its version, so that later
// comparisons still use the package's own version rules (Debian or RPM).
struct Tracker {
    std::int64_t time = 0;
    const Package* highest = nullptr;

    void update(const Package* package)
    {
        if (!package) return;
        time = std::max(time, package->getBuildTime());
        if (!highest || highest->getVersion() < package->getVersion()) highest = package;
    }
    std::string versionText() const { return highest ? highest->getVersion().toString() : std::string(); }
};

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += " '" + name + "'";
    return text;
}

bool hasBuildPackageNamed(const KwComponent& component, const char* name)
{
    return std::any_of(component.packages.begin(), component.packages.end(),
                       [name](const Package* package) { return std::string(package->getName()) == name; });
}

// Accepts records that do not come from a lazy addon source, and those of the
// one lazy addon build the component came from.
class IncludeFromLazyAddon : public Package::Predicate {
public:
    explicit IncludeFromLazyAddon(const BuildPtr& build) : build_(build) {}
    bool operator()(const Package* package) const override
    {
        const SourceConfigLazyAddon* lazy = dynamic_cast<const SourceConfigLazyAddon*>(package->getSource());
        if (!lazy) return true;
        return build_ && lazy->getBuild() == build_;
    }

private:
    BuildPtr build_;
};

// One installed-state check of one component: the component-wide findings over
// every key package set, then the build packages.
class ComponentStatusChecker {
public:
    ComponentStatusChecker(KwComponent& component, const Repository& repository,
                           AvailablePackageLookup* available)
        : component_(component), repository_(repository), lookup_(available)
    {
    }

    void run()
    {
        const std::string fullName = component_.getFullName();
        Log(3, true) << "Check installation state for component " << fullName << ":";
        for (const KeyPackageSet& set : component_.keyPackageSets) {
            if (installedLatest_) break;
            checkKeypackages(set);
        }
        const std::string installedVersion = installedTracker_.versionText();
        const std::string availableVersion = availableTracker_.versionText();
        Log(3, true) << " by keypackages:" << " is_comp_available=" << available_
                     << ", is_comp_installed_latest=" << installedLatest_ << ", is_comp_installed=" << isInstalled_
                     << ", avbl_time=" << availableTracker_.time << ", inst_ver=" << installedVersion
                     << ", avail_ver=" << availableVersion;
        checkBuildPackages();

        const int mode = installedLatest_                 ? KwComponent::MODE_UP2DATE
                         : (available_ && isInstalled_) ? KwComponent::MODE_UPGRADE
                         : available_                   ? KwComponent::MODE_INSTALL
                         : isInstalled_                 ? KwComponent::MODE_UPGRADE
                                                        : KwComponent::MODE_ERROR;
        component_.packages.insert(component_.packages.end(), missed_.begin(), missed_.end());

        KwComponent::CheckedState state;
        state.installMode = mode;
        if (mode != KwComponent::MODE_ERROR) {
            state.serverBuildTime = availableTracker_.time;
            state.serverVersion = availableTracker_.versionText();
        }
        if (mode == KwComponent::MODE_UPGRADE || mode == KwComponent::MODE_UP2DATE) {
            state.localBuildTime = installedTracker_.time;
            state.localVersion = installedTracker_.versionText();
        }
        component_.setCheckedState(state);

        const std::string modeName = component_.getInstallModeName();
        Log(3, true) << "Component " << fullName << ": mode=" << mode;
        Log(1, true) << "Component " << fullName << ": mode " << modeName << ", "
                     << " installed_buildtime=" << state.localBuildTime << ", "
                     << " available_buildtime=" << state.serverBuildTime;

        const ReleasePtr release = component_.getBuild()->getParent();
        if (mode == KwComponent::MODE_UPGRADE && release) release->setHasUpdates();
        if (mode == KwComponent::MODE_INSTALL && release) release->addComponentName(component_.name);
    }

private:
    void checkKeypackages(const KeyPackageSet& set)
    {
        bool setInstalled = true;
        bool setAvailable = true;
        bool setLatest = true;

        Log(3, true) << " test negative keypackages set: " << joined(set.negative);
        for (const std::string& name : set.negative) {
            if (!setInstalled) break;
            const std::string base = baseName(name);
            if (const Package* installed = repository_.findInstalled(base)) {
                Log(3, true) << "  In system installed " << installed;
                setLatest = false;
                setInstalled = false;
            } else {
                Log(3, true) << "  Package " << base << " is not installed";
            }
        }

        Log(3, true) << " test positive keypackages set: " << joined(set.positive);
        for (const std::string& name : set.positive) {
            if (!setInstalled && !setAvailable) break;
            const Package* installed = repository_.findInstalled(name);
            if (installed) {
                Log(3, true) << "  In system installed " << installed;
            } else {
                Log(3, true) << "  Package " << name << " is not installed";
                setLatest = false;
                setInstalled = false;
            }
            const Package* candidate =
                component_.findLatest(name, repository_, installed ? nullptr : lookup_, true);
            if (candidate)
                Log(3, true) << "  Following package is available: " << candidate;
            else
                Log(3, true) << "  New version of package " << name << " is not available.";
            installedTracker_.update(installed);
            availableTracker_.update(candidate);
            if (installed) {
                if (!hasBuildPackageNamed(component_, installed->getName()) &&
                    std::find(missed_.begin(), missed_.end(), installed) == missed_.end()) {
                    Log(3, true) << "adding missed base package " << installed << " to component " << component_.name
                                 << " " << component_.description;
                    missed_.push_back(installed);
                }
                if (candidate && installed->getVersion() < candidate->getVersion()) setLatest = false;
                continue;
            }
            if (!candidate) setAvailable = false;
        }

        Log(3, true) << " test key provides set: " << joined(set.provides);
        for (const std::string& name : set.provides) {
            if (!setAvailable) break;
            // Only an installed provider shows what the system has; offered
            // providers are candidates, not evidence of an installation.
            const Package* provider = repository_.findInstalledProvider(name);
            installedTracker_.update(provider);
            if (!provider) {
                Log(3, true) << "  No package installed in system provides " << name;
                setInstalled = setAvailable = setLatest = false;
                break;
            }
            Log(3, true) << "  In system installed " << provider;
            const Package* candidate = component_.findLatest(provider->getName(), repository_, nullptr, true);
            availableTracker_.update(candidate);
            if (candidate) {
                Log(3, true) << "  Following package is available: " << candidate;
                if (provider->getVersion() < candidate->getVersion()) setLatest = false;
            } else {
                Log(3, true) << "  New version of package " << provider << " that provides " << name
                             << " is not available";
                setAvailable = false;
            }
        }

        isInstalled_ = isInstalled_ || setInstalled;
        available_ = available_ || setAvailable;
        installedLatest_ = setInstalled && setLatest;
    }

    void checkBuildPackages()
    {
        if (component_.keyPackageSets.empty() || (available_ && installedLatest_)) {
            if (!component_.packages.empty()) {
                Log(3, true) << " Iterate for build packages...";
                installedLatest_ = true;
                available_ = true;
                for (const Package* build : component_.packages) {
                    availableTracker_.update(build);
                    const Package* installed = repository_.findInstalled(baseName(build->getName()));
                    installedTracker_.update(installed);
                    if (installed) {
                        isInstalled_ = true;
                        Log(3, true) << "  Compare system " << installed << "\n"
                                     << "      with build " << build;
                        if (installed->getVersion() < build->getVersion()) installedLatest_ = false;
                        Log(3, true) << "   currently is_comp_installed_latest=" << installedLatest_;
                    } else {
                        Log(3, true) << "  Package " << build->getName() << " is not installed";
                        installedLatest_ = false;
                    }
                }
            }
        } else {
            for (const Package* build : component_.packages)
                availableTracker_.time = std::max(availableTracker_.time, build->getBuildTime());
        }
        const std::string installedVersion = installedTracker_.versionText();
        const std::string availableVersion = availableTracker_.versionText();
        Log(3, true) << " KwComponent: after build packages: inst_time=" << installedTracker_.time
                     << ", avbl_time=" << availableTracker_.time << ", inst_ver=" << installedVersion
                     << ", avail_ver=" << availableVersion;
        Log(3, true) << " finally check installed: is_comp_installed_latest=" << installedLatest_
                     << ", is_comp_available=" << available_ << ", is_comp_installed=" << isInstalled_;
    }

    KwComponent& component_;
    const Repository& repository_;
    AvailablePackageLookup* lookup_;
    bool installedLatest_ = false;
    bool isInstalled_ = false;
    bool available_ = false;
    std::vector<const Package*> missed_;
    Tracker installedTracker_;
    Tracker availableTracker_;
};

}  // namespace

void KwComponent::checkInstalled(const Repository& repository, AvailablePackageLookup* available)
{
    if (installMode_ == MODE_ERROR) {
        const std::string fullName = getFullName();
        Log(3, true) << "Check installation state for component " << fullName << ":";
        return;
    }
    ComponentStatusChecker(*this, repository, available).run();
}

const Package* KwComponent::findLatest(const std::string& name, const Repository& repository,
                                       AvailablePackageLookup* available, bool lazy) const
{
    const std::string base = baseName(name);
    const Package* candidates[3] = {nullptr, nullptr, nullptr};
    for (const Package* package : packages) {
        if (base == package->getName()) {
            candidates[0] = package;
            break;
        }
    }
    candidates[1] = lazy ? findLatestLazy(repository, base) : repository.findLatestByName(base);
    if (available) candidates[2] = available->getAvailablePackage(name);
    // The component's own package wins a tie, then the repository's.
    const Package* best = nullptr;
    for (const Package* candidate : candidates) {
        if (!candidate) continue;
        if (!best || best->getVersion() < candidate->getVersion()) best = candidate;
    }
    return best;
}

const Package* KwComponent::findLatestLazy(const Repository& repository, const std::string& name) const
{
    return repository.findLatestMatching(name, IncludeFromLazyAddon(getLazyAddonBuild()));
}

bool KwComponent::isKeySetInstalled(const Repository& repository, const KeyPackageSet& set) const
{
    for (const std::string& name : set.negative)
        if (repository.findInstalled(baseName(name))) return false;
    for (const std::string& name : set.positive)
        if (!repository.findInstalled(baseName(name))) return false;
    for (const std::string& name : set.provides)
        if (!repository.findInstalledProvider(name)) return false;
    return true;
}
