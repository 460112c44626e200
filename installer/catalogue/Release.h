#pragma once

#include "installer/catalogue/BuildList.h"
#include "installer/catalogue/Product.h"

#include "common/TagSet.h"
#include "common/packages/Version.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

class Opsys;
class Repository;

// One release of a product: its version, the builds for the operating systems it
// supports, its tier tags and display rules, and what installing it would mean on
// this system. The catalogue reader makes it; checkState classifies it against the
// installed packages before anything asks whether it is installed or actual.
class Release {
public:
    // Installation state.
    enum State {
        stateNotChecked = 0,
        stateNotActual = 1,  // cannot be installed or upgraded to here
        stateActual = 2,
    };

    // What installing an actual release would do.
    enum UpdateMode {
        updateNotCalculated = 0,
        updateInstall = 1,     // the product is not installed
        updateMinor = 2,       // upgrade within the installed major version
        updateMajor = 3,       // upgrade to another major version
        updateInstalled = 4,   // this release is the installed one
    };

    // Bits of the hide policy: the user interface contexts ...
    enum HidePolicy {
        hideCli = 0x1,
        hideWeb = 0x2,
        hideInteractive = 0x3,
        hideQuery = 0x4,
        hideOther = 0x8,
        hideAll = 0xF,
        // ... and the conditions under which a release is hidden in them.
        hideFiltered = 0x100,      // while a tier filter is in force
        hideNonfiltered = 0x200,   // while no tier filter is in force
        hideAutoassigned = 0x400,  // when the release has no tags of its own
        hideInAnyCase = 0x700,
    };

    // A null product is an internal error.
    Release(const ProductPtr& product, const std::string& id, const std::string& name, const std::string& codename,
            const Version& version, const Version& upgradeAllowedFrom);
    Release(const Release&) = delete;
    Release& operator=(const Release&) = delete;

    void addBuild(const BuildPtr& build) { builds_.add(build); }
    // Comma lists of tier tags. Without a call the tags stand for "stable" and the
    // promoted tags for nothing.
    void setTags(const std::string& text);
    void setPromotedTags(const std::string& text);

    // The build to install on `system`, or empty when no build fits.
    BuildPtr getBestBuild(const Opsys& system) const;
    bool hasNotDeprecatedBuild(const Opsys& system) const;
    // Whether this release's product declares the other's product incompatible.
    bool isIncompatibleWith(const Release& other) const;

    // --- The installed system ---

    // The installed version of the product: the version (epoch and version part,
    // no release) of the first key package, walking the groups in order, that is
    // installed; "" when none is. Only installed records count, never what a
    // catalogue or the system's repositories offer. A null repository, or a product
    // without key packages, is an internal error.
    std::string calculate_current_release(const Repository* rep) const;
    // Computes the installed version, the state and, for an actual release, the
    // update mode, against the installed packages of `rep` and the running system.
    void checkState(const Repository* rep);
    // The same against a given system.
    void checkState(const Repository* rep, const Opsys& system);

    // These raise an internal error while the state has not been checked.
    bool isActual() const;
    // The installed version equals this release's version.
    bool isInstalled() const;
    // Also an internal error for a release that is not actual.
    int getUpdateMode() const;

    // "install", "update" (minor update, or an installed release with component
    // updates), "upgrade" or "up2date".
    std::string getUpdateModeName() const;
    // As getUpdateModeName, but "upgrade" for both kinds of upgrade.
    std::string getActionName() const;
    // "currently installed", else the tier that kept the release, else its tags.
    std::string getTiersText() const;
    // "" for the installed release.
    std::string getCaution() const;

    // Whether the release is shown in the given context bits: with the tier
    // options of the run, or with an explicit answer to whether a tier filter is in
    // force.
    bool isVisible(int context) const;
    bool isVisible(int context, bool filtered) const;

    // Only for the installed release in update mode 4; ignored otherwise.
    void setHasUpdates();
    bool hasUpdates() const { return hasUpdates_; }
    // Only for the installed release; ignored otherwise.
    void addComponentName(const std::string& name);
    const std::vector<std::string>& componentNames() const { return componentNames_; }

    // --- Fields ---

    const ProductPtr& product() const { return product_; }
    const std::string& id() const { return id_; }
    const std::string& name() const { return name_; }
    const std::string& codename() const { return codename_; }
    const Version& getVersion() const { return version_; }
    const Version& upgradeAllowedFrom() const { return upgradeAllowedFrom_; }
    const BuildList& builds() const { return builds_; }

    // The details URL as the catalogue gives it, placeholders unreplaced.
    const std::string& detailsUrl() const { return detailsUrl_; }
    // The details URL with its built-in placeholders replaced ("[LOCALE]" by the
    // current language); empty when the catalogue gives none.
    std::string getDetailsUrl() const;
    void setDetailsUrl(const std::string& url) { detailsUrl_ = url; }
    const std::string& whpApiVersion() const { return whpApiVersion_; }
    const std::string& dispatcherApiVersion() const { return dispatcherApiVersion_; }
    void setApiVersions(const std::string& whp, const std::string& dispatcher)
    {
        whpApiVersion_ = whp;
        dispatcherApiVersion_ = dispatcher;
    }
    void setCaution(const std::string& caution) { caution_ = caution; }

    // Product id -> recommended version of it. A product may be named with several
    // versions; all pairs are kept, in the order given.
    typedef std::multimap<std::string, std::string> BestWith;
    const BestWith& bestWith() const { return bestWith_; }
    void addBestWith(const std::string& productId, const std::string& version);

    int state() const { return state_; }
    // "" when the product is not installed (or the state is not checked).
    const std::string& installedVersion() const { return installedVersion_; }

    bool isSelected() const { return selected_; }
    void setSelected(bool selected) { selected_ = selected; }

    const TagSet& tags() const { return tags_; }
    const TagSet& promotedTags() const { return promotedTags_; }
    // Whether the catalogue gave the release tags of its own.
    bool hasOwnTags() const { return hasOwnTags_; }
    const std::string& tierText() const { return tierText_; }
    void setTierText(const std::string& tier) { tierText_ = tier; }
    std::int32_t hidePolicy() const { return hidePolicy_; }
    void setHidePolicy(std::int32_t policy) { hidePolicy_ = policy; }

private:
    void requireChecked() const;
    // The update mode that names an installed release's upgrade to this one.
    int upgradeMode(const Version& installed) const;
    // Raises for an update mode that is not 1 to 4.
    void requireValidUpdateMode() const;

    BestWith bestWith_;
    ProductPtr product_;
    std::string id_;
    std::string name_;
    std::string codename_;
    Version version_;
    Version upgradeAllowedFrom_;
    std::string detailsUrl_;
    std::string whpApiVersion_;
    std::string dispatcherApiVersion_;
    int state_ = stateNotChecked;
    int updateMode_ = updateNotCalculated;
    std::string installedVersion_;
    std::string caution_;
    BuildList builds_;
    bool selected_ = false;
    TagSet tags_{true};
    TagSet promotedTags_{false};
    bool hasOwnTags_ = false;
    std::string tierText_;
    std::int32_t hidePolicy_ = 0;
    std::vector<std::string> componentNames_;
    bool hasUpdates_ = false;
};

typedef boost::shared_ptr<Release> ReleasePtr;

// The name, or the id when the name is empty.
std::ostream& operator<<(std::ostream& out, const Release& release);
