#pragma once

#include "installer/catalogue/Build.h"
#include "installer/components/Component.h"
#include "installer/components/KwCompNode.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <string>
#include <vector>

class AvailablePackageLookup;
class ComponentsChangeset;
class KwRadioGroup;
class Opsys;
class Package;
class Repository;

// A selectable component of a loaded build: the record of Component plus what a
// run learns and decides about it. The installed-state check sets its install
// mode once; the operator's choice moves its selection.
class KwComponent : public KwCompNode, public Component {
public:
    enum InstallMode {
        NOT_CHECKED = 0,
        MODE_INSTALL = 1,   // not installed, available
        MODE_UPGRADE = 2,   // installed, a newer build is available
        MODE_UP2DATE = 3,   // installed, the latest
        MODE_ERROR = 4,     // neither installed nor available
    };
    enum Selection {
        SEL_NONE = 1,
        SEL_INSTALL = 2,
        SEL_REMOVE = 3,
    };

    // What the installed-state check found; versions are full version texts.
    struct CheckedState {
        int installMode = NOT_CHECKED;
        std::int64_t localBuildTime = 0;
        std::int64_t serverBuildTime = 0;
        std::string localVersion;
        std::string serverVersion;
    };

    // An empty build is an internal error: every component belongs to one.
    KwComponent(const BuildPtr& build, const std::string& name, const std::string& description,
                const std::string& environment, const std::vector<KeyPackageSet>& keyPackageSets);
    // From a "<name> <description>" text (see Component).
    KwComponent(const BuildPtr& build, const std::string& text);
    KwComponent(const KwComponent&) = delete;
    KwComponent& operator=(const KwComponent&) = delete;

    char getStatusMark() const override;
    std::string getDescription() const override;
    std::string getProductId() const override;

    // The mode; reading it before the installed-state check is an internal error.
    int getInstallMode() const;
    // "install", "upgrade", "up2date" or "error".
    std::string getInstallModeName() const;
    // The installed-state check records its result here; nothing else changes
    // the mode.
    void setCheckedState(const CheckedState& state);

    // Build times (seconds) and full version texts of the highest installed and
    // available identifying packages; reading them unchecked is an internal error.
    std::int64_t serverBuildTime() const;
    std::int64_t localBuildTime() const;
    const std::string& serverVersion() const;
    const std::string& localVersion() const;

    // "<product id>/<name>", or the bare name without a product.
    std::string getFullName() const;

    bool isInstalled() const;
    // Shown in lists and taken by range marking: not hidden, or installed and
    // marked to be shown once installed.
    bool isShown() const;
    bool willBeRemoved() const;
    bool isScheduledForInstall() const;
    bool willBePresent() const;
    bool willBeNotInstalled() const;
    bool willBeInstalledOlder() const;
    bool willBeInstalledNew() const;

    int getSelection() const { return selection_; }
    // Writes the selection without the checks of select and its siblings; for
    // the tree-wide selection of the component manager.
    void setSelection(int selection) { selection_ = selection; }
    // Checked selection changes: a component in mode error cannot be selected,
    // and a required one cannot be dropped or removed.
    void select();
    void selectForRemoval();
    void deselect();
    // Selects the component and keeps it selected against later deselection.
    void markRequired();
    bool isRequired() const { return required_; }

    // Single packages of the component are upgraded without the whole component.
    void setPackagesUpgraded(bool upgraded) { packagesUpgraded_ = upgraded; }
    bool isPackagesUpgraded() const { return packagesUpgraded_; }

    // Set on the component that the component manager selected as the base of
    // the product installation.
    void setBaseComponent(bool base) { baseComponent_ = base; }
    bool isBaseComponent() const { return baseComponent_; }

    // Whether the component belongs on `system`: an empty environment fits any
    // system, "dedicated" an ordinary or dedicated one, "cq" a container.
    bool matchesEnvironment(const Opsys& system) const;
    bool matchesEnvironment() const;

    // Appends, set by set, the negative and then the positive key package names.
    void appendKeyPackageNames(std::vector<std::string>& names) const;

    // Decides the install mode, versions and build times from the key package
    // sets and the build packages against the repository (installed, catalogue
    // and offered records) and what `available` (may be null) offers. Installed
    // packages that identify the component but are missing from its build
    // packages are appended to them.
    void checkInstalled(const Repository& repository, AvailablePackageLookup* available);
    // The best candidate for a package name (a path counts by its last element):
    // the component's own build package, the repository's latest record (with
    // `lazy`, only one its lazy addon build allows) and what `available` offers;
    // a later one wins only with a higher version. Null when there is none.
    const Package* findLatest(const std::string& name, const Repository& repository,
                              AvailablePackageLookup* available, bool lazy) const;
    // The latest record of the name that does not come from another lazy addon
    // build than the component's.
    const Package* findLatestLazy(const Repository& repository, const std::string& name) const;
    // Whether the set describes the installed system: no negative name installed,
    // every positive name installed, an installed provider for every provide.
    bool isKeySetInstalled(const Repository& repository, const KeyPackageSet& set) const;

    // Relations to another component of the same product, as the changeset (the
    // process-wide one when null) will leave them. Components of different
    // products never relate.
    bool needs(const KwComponent& other, const ComponentsChangeset* changeset = nullptr) const;
    bool conflictsWith(const KwComponent& other, const ComponentsChangeset* changeset = nullptr) const;
    bool isHardwiredToOutdated(const KwComponent& other, const ComponentsChangeset* changeset = nullptr) const;

    const BuildPtr& getBuild() const { return build_; }
    // The addon build a lazily activated addon's component came from; empty
    // otherwise.
    const BuildPtr& getLazyAddonBuild() const { return lazyAddonBuild_; }
    void setLazyAddonBuild(const BuildPtr& build) { lazyAddonBuild_ = build; }

    // The radio group that holds the component, or null; set and cleared by the
    // group and by the tree edits, never owning.
    KwRadioGroup* getRadioGroup() const { return radioGroup_; }
    void setRadioGroup(KwRadioGroup* group) { radioGroup_ = group; }

    // "deny_implicit_removal": removed only when its removal is asked for by name.
    bool removeOnlyIfExplicit = false;

private:
    void requireChecked() const;

    BuildPtr lazyAddonBuild_;
    int installMode_ = NOT_CHECKED;
    int selection_ = SEL_NONE;
    bool required_ = false;
    bool packagesUpgraded_ = false;
    bool baseComponent_ = false;
    std::int64_t localBuildTime_ = 0;
    std::int64_t serverBuildTime_ = 0;
    std::string localVersion_;
    std::string serverVersion_;
    BuildPtr build_;
    KwRadioGroup* radioGroup_ = nullptr;
};

// The full name.
std::ostream& operator<<(std::ostream& out, const KwComponent& component);
