#include "installer/components/KwComponent.h"

#include "installer/components/ComponentsChangeset.h"
#include "installer/components/KwRadioGroup.h"

#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/error.h"

#include <algorithm>
#include <ostream>

namespace {

bool contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

KwComponent::KwComponent(const BuildPtr& build, const std::string& name, const std::string& description,
                         const std::string& environment, const std::vector<KeyPackageSet>& keyPackageSets)
    : Component(name, description, environment, keyPackageSets), build_(build)
{
    if (!build_) throw KW_INTERNAL_ERROR();
}

KwComponent::KwComponent(const BuildPtr& build, const std::string& text) : Component(text), build_(build)
{
    if (!build_) throw KW_INTERNAL_ERROR();
}

char KwComponent::getStatusMark() const
{
    if (selection_ == SEL_REMOVE) return 'X';
    const int mode = getInstallMode();
    if (mode == MODE_UP2DATE) return '=';
    if (mode == MODE_ERROR) return '!';
    if (selection_ == SEL_INSTALL) return '*';
    return ' ';
}

std::string KwComponent::getDescription() const
{
    return description;
}

std::string KwComponent::getProductId() const
{
    return productIdOf(build_.get());
}

void KwComponent::requireChecked() const
{
    if (installMode_ == NOT_CHECKED) throw KW_INTERNAL_ERROR();
}

int KwComponent::getInstallMode() const
{
    requireChecked();
    return installMode_;
}

std::string KwComponent::getInstallModeName() const
{
    switch (installMode_) {
    case MODE_INSTALL:
        return "install";
    case MODE_UPGRADE:
        return "upgrade";
    case MODE_UP2DATE:
        return "up2date";
    case MODE_ERROR:
        return "error";
    default:
        throw error(3, 1, 1, 3) << Messages::get("err_unkn_comp_status");
    }
}

void KwComponent::setCheckedState(const CheckedState& state)
{
    // An unknown mode would make every later query answer nonsense.
    if (state.installMode < MODE_INSTALL || state.installMode > MODE_ERROR) throw KW_INTERNAL_ERROR();
    installMode_ = state.installMode;
    localBuildTime_ = state.localBuildTime;
    serverBuildTime_ = state.serverBuildTime;
    localVersion_ = state.localVersion;
    serverVersion_ = state.serverVersion;
}

std::int64_t KwComponent::serverBuildTime() const
{
    requireChecked();
    return serverBuildTime_;
}

std::int64_t KwComponent::localBuildTime() const
{
    requireChecked();
    return localBuildTime_;
}

const std::string& KwComponent::serverVersion() const
{
    requireChecked();
    return serverVersion_;
}

const std::string& KwComponent::localVersion() const
{
    requireChecked();
    return localVersion_;
}

std::string KwComponent::getFullName() const
{
    const std::string product = getProductId();
    return product.empty() ? name : product + "/" + name;
}

bool KwComponent::isInstalled() const
{
    const int mode = getInstallMode();
    return mode == MODE_UPGRADE || mode == MODE_UP2DATE;
}

bool KwComponent::isShown() const
{
    return !hidden || (showInstalledHidden && isInstalled());
}

bool KwComponent::willBeRemoved() const
{
    return selection_ == SEL_REMOVE && isInstalled();
}

bool KwComponent::isScheduledForInstall() const
{
    const int mode = getInstallMode();
    return selection_ == SEL_INSTALL && (mode == MODE_INSTALL || mode == MODE_UPGRADE);
}

bool KwComponent::willBePresent() const
{
    return (isInstalled() && selection_ != SEL_REMOVE) || isScheduledForInstall();
}

bool KwComponent::willBeNotInstalled() const
{
    return isInstalled() ? selection_ == SEL_REMOVE : selection_ != SEL_INSTALL;
}

bool KwComponent::willBeInstalledOlder() const
{
    return getInstallMode() == MODE_UPGRADE && selection_ != SEL_INSTALL && selection_ != SEL_REMOVE;
}

bool KwComponent::willBeInstalledNew() const
{
    return isScheduledForInstall() || (getInstallMode() == MODE_UP2DATE && selection_ != SEL_REMOVE);
}

void KwComponent::select()
{
    if (getInstallMode() == MODE_ERROR) throw error(1, 1, 1, 2) << Messages::format("err_comp_notavail") % getFullName();
    selection_ = SEL_INSTALL;
}

void KwComponent::selectForRemoval()
{
    if (getInstallMode() == MODE_ERROR) throw error(1, 1, 1, 2) << Messages::format("err_comp_notavail") % getFullName();
    if (required_ && isInstalled() && selection_ != SEL_REMOVE)
        throw error(2, 1, 1, 1) << Messages::format("err_comprem_required") % getFullName();
    selection_ = SEL_REMOVE;
}

void KwComponent::deselect()
{
    // Only what this run would newly install is protected: an installed
    // required component stays installed whatever its selection says.
    if (required_ && selection_ == SEL_INSTALL && !isInstalled())
        throw error(2, 1, 1, 1) << Messages::format("err_comp_required") % getFullName();
    selection_ = SEL_NONE;
}

void KwComponent::markRequired()
{
    selection_ = SEL_INSTALL;
    required_ = true;
}

bool KwComponent::matchesEnvironment(const Opsys& system) const
{
    if (environment.empty()) return true;
    if (environment == "dedicated") return system.environment().empty() || system.environment() == "dedicated";
    if (environment == "cq") return system.environment() == "cq";
    return false;
}

bool KwComponent::matchesEnvironment() const
{
    return matchesEnvironment(Opsys());
}

void KwComponent::appendKeyPackageNames(std::vector<std::string>& names) const
{
    for (const KeyPackageSet& set : keyPackageSets) {
        names.insert(names.end(), set.negative.begin(), set.negative.end());
        names.insert(names.end(), set.positive.begin(), set.positive.end());
    }
}

bool KwComponent::needs(const KwComponent& other, const ComponentsChangeset* changeset) const
{
    if (getProductId() != other.getProductId()) return false;
    const ComponentsChangeset& cs = ComponentsChangeset::getDefault(changeset);
    if (contains(requiredNames, other.name) && cs.willBeNotInstalled(other)) return true;
    if (contains(other.hardwiredWith, name) && cs.willBeInstalledOlder(other)) return true;
    const KwRadioGroup* group = other.radioGroup_;
    if (group && contains(requiredNames, group->getName()) && !group->hasChildToInstall(&cs)) {
        if (other.isInstalled() && cs.getRequest(other) == ComponentsChangeset::REQ_REMOVE) return true;
        if (other.name == group->getDefaultName()) return true;
    }
    return false;
}

bool KwComponent::conflictsWith(const KwComponent& other, const ComponentsChangeset*) const
{
    if (getProductId() != other.getProductId()) return false;
    return contains(conflicts, other.name) || contains(other.conflicts, name);
}

bool KwComponent::isHardwiredToOutdated(const KwComponent& other, const ComponentsChangeset* changeset) const
{
    if (getProductId() != other.getProductId()) return false;
    return contains(other.hardwiredWith, name) && ComponentsChangeset::getDefault(changeset).willBeInstalledOlder(other);
}

std::ostream& operator<<(std::ostream& out, const KwComponent& component)
{
    return out << component.getFullName();
}
