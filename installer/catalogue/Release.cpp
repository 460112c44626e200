#include "installer/catalogue/Release.h"

#include "installer/options/Options.h"
#include "installer/params/Placeholders.h"

#include "common/Log.h"
#include "common/Opsys.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"

Release::Release(const ProductPtr& product, const std::string& id, const std::string& name,
                 const std::string& codename, const Version& version, const Version& upgradeAllowedFrom)
    : product_(product), id_(id), name_(name), codename_(codename), version_(version),
      upgradeAllowedFrom_(upgradeAllowedFrom)
{
    // Every release answers questions about its product; there is no sensible
    // answer without one.
    if (!product_) throw KW_INTERNAL_ERROR();
}

void Release::setTags(const std::string& text)
{
    tags_.assign(text);
    hasOwnTags_ = true;
}

void Release::setPromotedTags(const std::string& text) { promotedTags_.assign(text); }

BuildPtr Release::getBestBuild(const Opsys& system) const
{
    Log(3, true) << "Select best build of " << id_ << " for current OS";
    BuildPtr best = builds_.getBestBuild(system);
    if (best)
        Log(2, true) << "The getBestBuild function has selected the build " << best->config() << " for installation.";
    return best;
}

bool Release::hasNotDeprecatedBuild(const Opsys& system) const
{
    const BuildPtr best = getBestBuild(system);
    return best && !best->isDeprecated();
}

bool Release::isIncompatibleWith(const Release& other) const
{
    return product_->isIncompatibleWith(other.product_->id);
}

std::string Release::calculate_current_release(const Repository* rep) const
{
    // The catalogue reader refuses products without key packages, so either
    // failure is a fault of the caller.
    if (!rep) throw KW_INTERNAL_ERROR();
    if (product_->keyPackages.empty() || product_->keyPackages.front().empty()) throw KW_INTERNAL_ERROR();

    for (const std::vector<std::string>& group : product_->keyPackages) {
        for (const std::string& name : group) {
            const Package* installed = rep->findInstalled(name);
            if (installed) return installed->getVersion().getEpochVersion();
        }
    }
    return std::string();
}

void Release::checkState(const Repository* rep) { checkState(rep, Opsys()); }

void Release::checkState(const Repository* rep, const Opsys& system)
{
    installedVersion_ = calculate_current_release(rep);

    if (!installedVersion_.empty()) {
        const Version installed(installedVersion_);
        if (version_ < installed) {
            Log(3, true) << "Release " << id_ << " is too old: " << installedVersion_ << " is installed.";
            state_ = stateNotActual;
            return;
        }
        if (installed < upgradeAllowedFrom_) {
            Log(3, true) << "Release " << id_ << " is too new: "
                         << "upgrade is allowed starting from " << upgradeAllowedFrom_.toString() << " version";
            state_ = stateNotActual;
            return;
        }
    }

    bool hasBuild = false;
    for (const BuildPtr& build : builds_) {
        if (build->matches(system)) {
            hasBuild = true;
            break;
        }
    }
    if (!hasBuild) {
        Log(3, true) << "Release " << id_ << " contains no build for this OS";
        state_ = stateNotActual;
        return;
    }

    Log(3, true) << "Release " << id_ << " is actual";
    state_ = stateActual;
    if (installedVersion_.empty()) {
        updateMode_ = updateInstall;
        Log(3, true) << "Release " << id_ << " is currently not installed";
    } else if (isInstalled()) {
        updateMode_ = updateInstalled;
        Log(3, true) << "Release " << id_ << " is currently installed";
    } else {
        updateMode_ = upgradeMode(Version(installedVersion_));
        Log(3, true) << "Release " << id_ << " is an " << (updateMode_ == updateMajor ? "upgrade" : "update")
                     << " of the installed version " << installedVersion_;
    }
}

int Release::upgradeMode(const Version& installed) const
{
    // Operators read a change of the first version number (or of the epoch) as
    // a new product generation; anything below it is an update of the one they have.
    if (installed.getEpoch() != version_.getEpoch()) return updateMajor;
    return beforeFirstDot(installed.getVersion()) == beforeFirstDot(version_.getVersion()) ? updateMinor
                                                                                          : updateMajor;
}

void Release::requireChecked() const
{
    if (state_ == stateNotChecked)
        throw error(3, 1, 1, 3) << "release " << name_ << " installation state not checked yet";
}

bool Release::isActual() const
{
    requireChecked();
    return state_ == stateActual;
}

bool Release::isInstalled() const
{
    requireChecked();
    return !installedVersion_.empty() && Version(installedVersion_) == version_;
}

int Release::getUpdateMode() const
{
    if (!isActual()) throw KW_INTERNAL_ERROR();
    return updateMode_;
}

void Release::requireValidUpdateMode() const
{
    if (updateMode_ == updateNotCalculated)
        throw error(3, 1, 1, 3) << "release " << name_ << ": update mode is not calculated.";
    if (updateMode_ < updateInstall || updateMode_ > updateInstalled)
        throw error(3, 1, 1, 3) << "release " << name_ << ": update mode have invalid value: " << updateMode_;
}

std::string Release::getUpdateModeName() const
{
    requireValidUpdateMode();
    switch (updateMode_) {
    case updateInstall: return "install";
    case updateMinor: return "update";
    case updateMajor: return "upgrade";
    default: return hasUpdates_ ? "update" : "up2date";
    }
}

std::string Release::getActionName() const
{
    requireValidUpdateMode();
    switch (updateMode_) {
    case updateInstall: return "install";
    case updateMinor:
    case updateMajor: return "upgrade";
    default: return hasUpdates_ ? "update" : "up2date";
    }
}

std::string Release::getTiersText() const
{
    if (isInstalled()) return "currently installed";
    if (!tierText_.empty()) return tierText_;
    return tags_.toString();
}

std::string Release::getCaution() const { return isInstalled() ? std::string() : caution_; }

bool Release::isVisible(int context) const
{
    const Options& options = Options::getInstance();
    const bool filtered = !options.releaseTiers.empty() && options.action != Options::actionListAll;
    return isVisible(context, filtered);
}

bool Release::isVisible(int context, bool filtered) const
{
    if (isInstalled()) return true;
    if ((hidePolicy_ & context & hideAll) == 0) return true;

    // Without tags of its own the release was put in a tier by default.
    bool visible = !((hidePolicy_ & hideAutoassigned) && !hasOwnTags_);
    if (filtered ? (hidePolicy_ & hideFiltered) : (hidePolicy_ & hideNonfiltered)) visible = false;
    return visible;
}

void Release::setHasUpdates()
{
    if (isInstalled() && updateMode_ == updateInstalled) hasUpdates_ = true;
}

void Release::addComponentName(const std::string& name)
{
    if (isInstalled()) componentNames_.push_back(name);
}

void Release::addBestWith(const std::string& productId, const std::string& version)
{
    bestWith_.emplace(productId, version);
}

std::ostream& operator<<(std::ostream& out, const Release& release)
{
    return out << (release.name().empty() ? release.id() : release.name());
}

std::string Release::getDetailsUrl() const { return substitute_builtin_placeholders(detailsUrl_); }
