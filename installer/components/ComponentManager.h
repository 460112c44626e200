#pragma once

#include "installer/catalogue/InstTypes.h"
#include "installer/components/KwCompNode.h"

#include <boost/shared_ptr.hpp>

#include "common/checked_pointer.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

class AvailablePackageLookup;
class ComponentsChangeset;
class KwRadioGroup;
class KwSubGroup;
class Package;
class Repository;

// The component tree of every build loaded in a run, with the installation
// types of those builds and the type chosen per product. The build loader fills
// it; every walk over the tree goes through visit with a Visitor.
class ComponentManager {
public:
    typedef std::vector<KwCompNodePtr> NodeList;

    // One walk over the tree. Radio groups are entered and left around their
    // children; sub groups around their nested nodes; finish ends a walk that no
    // slot interrupted by raising.
    class Visitor {
    public:
        virtual void visit(KwComponentPtr component) = 0;
        virtual void enterRadioGroup(boost::shared_ptr<KwRadioGroup>) {}
        virtual void enterSubGroup(boost::shared_ptr<KwSubGroup>) {}
        virtual void leaveSubGroup(boost::shared_ptr<KwSubGroup>) {}
        virtual void leaveRadioGroup(boost::shared_ptr<KwRadioGroup>) {}
        virtual void finish() {}
        virtual ~Visitor() = default;
    };

    class CheckInstalled;
    class PreparePackagesList;
    class ShriveledRadioGroupsRemover;
    class MarkSpecifiedNamesComponents;
    class MarkNeedForRequired;
    class SelectedCounter;
    class MarkComponentsForUpgrade;

    // Raised by a tree edit to stop its search once the change is made; it never
    // leaves the manager.
    class done {};

    ComponentManager() = default;
    ComponentManager(const ComponentManager&) = delete;
    ComponentManager& operator=(const ComponentManager&) = delete;

    // Walks the root nodes in order, then calls finish. A node of an unknown kind
    // is an internal error.
    void visit(Visitor& visitor);

    // The top-level component named "base" of the product (any product when
    // empty), else the product's first top-level component. An empty tree raises
    // "err_binf3_nocomps2"; a product without top-level components is an internal
    // error.
    KwComponentPtr getBaseComponent(const std::string& productId = std::string()) const;
    // Selects and requires the base component of any product, unless its build
    // supports uninstallation.
    void selectBaseComponent();

    // Writes `selection` on every component of the range (the product's only,
    // unless `productId` is empty; a radio group through the child it installs,
    // else its default child), skipping components in mode error, hidden ones
    // when `skipHidden`, and keeping required ones selected.
    void setSelectionRecursive(NodeList::const_iterator first, NodeList::const_iterator last, int selection,
                               const std::string& productId, bool skipHidden);

    // Every component up to date (true for an empty tree); needs checked modes.
    bool isAllInstalled();
    // Some component selected for installation or removal.
    bool isAnySelected();
    // "<product id>/<name>" of each component selected for installation.
    std::vector<std::string> getSelection();

    // The installation type chosen per product.
    std::map<std::string, std::string> getInstallationTypes() const { return installationTypes_; }
    void storeInstallationType(const std::string& typeName, const std::string& productId);

    // Tree edits, for groups the selection has made pointless: a group found by
    // identity is replaced by a component or erased. One that is not in the tree
    // is only logged.
    void edit_components_tree_replace(const KwCompNodePtr& group, const KwComponentPtr& component);
    void edit_components_tree_remove(const KwCompNodePtr& group);

    // Turns the changeset's requests into selections, product by product:
    // removals first, then installs, then leaves. It does not resolve.
    void applyChangeset(const ComponentsChangeset& changeset);
    // The names of the components `component` needs, directly or through others,
    // that are not selected for installation yet; direct needs first.
    std::vector<std::string> getComponentsForCheckWith(const KwComponentPtr& component);

    // The changeset of the current selection: every component scheduled for
    // installation or removal, as explicit requests.
    void getCurrentChanges(ComponentsChangeset* changeset);
    // Completes the changeset with what the requires, conflicts, hardwired and
    // radio-group rules imply; false (with the conflicting names recorded in the
    // changeset) when the requests cannot all hold.
    bool resolveComponents(ComponentsChangeset* changeset);
    // Resolves and applies; a conflict raises a dependency error and leaves the
    // selection as it was.
    void resolveAndApplyChangeset(ComponentsChangeset* changeset);
    // One request for one component, resolved and applied.
    void changeComponentState(const KwComponentPtr& component, int request);
    // The explicit install and remove lists of a command line for one product,
    // resolved and applied. A resolution that would remove a component removed
    // only when named, without it being named, raises error (5,1,1,2)
    // "err_deps_deny_implicit_remove" listing each as "description (name)";
    // conflicting requests raise error (5,1,1,2) "err_deps_conflict" with the
    // names. Components the resolution adds or removes besides the named ones
    // are logged at level 0 ("added_comps_by_deps", "removed_comps_by_deps").
    // On an error the selection stays as it was.
    void applyComponentLists(const std::string& productId, const std::vector<std::string>& install,
                             const std::vector<std::string>& remove);

    // Selects the components of the product's installation type, and records
    // the type: "Full" every component of the product, "Custom" the product's
    // first type (the base component when that lists none), any other type its
    // listed components, resolved.
    void selectByInstallationType(const std::string& typeName, const std::string& productId);
    // Packages upgraded beside whole components.
    void markAdditionalPackagesForUpgrade(const std::vector<const Package*>& packages);
    // The sorted names of the components not selected for installation whose
    // catalogue packages the resolved list installs anyway.
    std::vector<std::string> needAlsoInstall(const std::vector<const Package*>& packages);
    // The installed components whose key packages the list's removers take
    // away. With `denied` given and some of them removed only when named, only
    // those are returned and *denied is set.
    std::vector<comp_cptr_t> needAlsoRemove(const std::vector<const Package*>& packages, const Repository& repository,
                                            bool* denied = nullptr);

    // Appends the packages that carry out the selection: the catalogue and key
    // packages of the components to install (leaving out what is installed in
    // the same or a newer version, and another vendor's packages), removers for
    // the components to remove, then the extra removers and upgrades. What the
    // system offers comes from `available`, which must be given.
    void getPackagesToInstall(std::vector<const Package*>& list, Repository& repository,
                              AvailablePackageLookup* available);
    // Appends the packages that must be present before the main installation:
    // the bootstrapper packages of the components to install and, once per
    // product, those of their build.
    void getBootstrapperPackagesToInstall(std::vector<const Package*>& list, Repository& repository);

    // The root nodes, appended by the build loader; their order is the walk order.
    const NodeList& getRootNodes() const { return roots_; }
    void addRootNode(const KwCompNodePtr& node);

    // The installation types of the loaded builds.
    InstTypes& getInstTypes() { return instTypes_; }
    const InstTypes& getInstTypes() const { return instTypes_; }

    // Dummy remover packages of packages the operator asked to remove by name,
    // and packages marked for upgrade beside whole components. Both point into
    // the Repository.
    const std::vector<const Package*>& getExtraRemovers() const { return extraRemovers_; }
    void addExtraRemover(const Package* package) { extraRemovers_.push_back(package); }
    const std::vector<const Package*>& getAdditionalUpgradePackages() const { return additionalUpgradePackages_; }
    void addAdditionalUpgradePackage(const Package* package) { additionalUpgradePackages_.push_back(package); }

private:
    void dispatch(const KwCompNodePtr& node, Visitor& visitor);

    InstTypes instTypes_;
    NodeList roots_;
    std::vector<const Package*> extraRemovers_;
    std::vector<const Package*> additionalUpgradePackages_;
    std::map<std::string, std::string> installationTypes_;
};

typedef boost::shared_ptr<ComponentManager> ComponentManagerPtr;

// Decides every component's install mode against the repository and what the
// system offers (`available`, the run's configurator, may be null). Making one
// announces the progress step "checking_comps_status" and logs its title at
// level 0.
class ComponentManager::CheckInstalled : public ComponentManager::Visitor {
public:
    CheckInstalled(const Repository& repository, AvailablePackageLookup* available);
    void visit(KwComponentPtr component) override;

private:
    const Repository& repository_;
    AvailablePackageLookup* available_;
};

// Collects every component's key package names, for the configurator to learn
// what the system package manager offers for them.
class ComponentManager::PreparePackagesList : public ComponentManager::Visitor {
public:
    void visit(KwComponentPtr component) override;
    std::vector<std::string> names;
};

// Lets radio groups drop the switches their rules forbid, then removes groups
// left empty and replaces a group left with one member by that member, under
// the group's name. Runs once, after the installed-state check.
class ComponentManager::ShriveledRadioGroupsRemover : public ComponentManager::Visitor {
public:
    explicit ShriveledRadioGroupsRemover(ComponentManager& manager) : manager_(manager) {}
    void visit(KwComponentPtr component) override;
    void enterRadioGroup(boost::shared_ptr<KwRadioGroup> group) override;
    void finish() override;

private:
    ComponentManager& manager_;
    boost::shared_ptr<KwRadioGroup> current_;
    std::vector<boost::shared_ptr<KwRadioGroup>> empty_;
    std::vector<std::pair<boost::shared_ptr<KwRadioGroup>, KwComponentPtr>> single_;
};

// Selects, deselects or removes the named components and radio groups of a
// product (any product when the id is empty), with the checks of KwComponent.
class ComponentManager::MarkSpecifiedNamesComponents : public ComponentManager::Visitor {
public:
    MarkSpecifiedNamesComponents(ComponentManager& manager, const std::string& productId,
                                 const std::vector<std::string>& names, int request);
    void visit(KwComponentPtr component) override;
    void enterRadioGroup(boost::shared_ptr<KwRadioGroup> group) override;
    void finish() override;
    // The names not found so far.
    const std::set<std::string>& getPending() const { return pending_; }

private:
    ComponentManager& manager_;
    std::string productId_;
    int request_;
    std::set<std::string> pending_;
};

// Selects for installation what every required component needs.
class ComponentManager::MarkNeedForRequired : public ComponentManager::Visitor {
public:
    explicit MarkNeedForRequired(ComponentManager* manager) : manager_(manager) {}
    void visit(KwComponentPtr component) override;

private:
    checked_pointer<ComponentManager> manager_;
};

// Per sub group name (the empty name for the top level) of one product: how
// many items will be present and how many are shown. A radio group counts as
// one item; a parent's counts include its sub groups'.
class ComponentManager::SelectedCounter : public ComponentManager::Visitor {
public:
    typedef std::map<std::string, std::pair<std::int32_t, std::int32_t>> Counts;

    explicit SelectedCounter(const std::string& productId) : productId_(productId), stack_(1) {}
    void visit(KwComponentPtr component) override;
    void enterRadioGroup(boost::shared_ptr<KwRadioGroup> group) override;
    void enterSubGroup(boost::shared_ptr<KwSubGroup> group) override;
    void leaveSubGroup(boost::shared_ptr<KwSubGroup> group) override;
    void leaveRadioGroup(boost::shared_ptr<KwRadioGroup> group) override;
    const Counts& getCounts() const { return counts_; }

private:
    std::string productId_;
    Counts counts_;
    std::vector<std::string> stack_;
    bool inRadioGroup_ = false;
};

// Marks every upgradable component whose classes meet the list (all of them
// for an empty list) for installation, and otherwise the component's build
// packages of those classes as additional upgrades.
class ComponentManager::MarkComponentsForUpgrade : public ComponentManager::Visitor {
public:
    explicit MarkComponentsForUpgrade(const std::vector<std::string>& classes);
    ~MarkComponentsForUpgrade() override;
    void visit(KwComponentPtr component) override;
    // Resolves and applies the collected requests, then marks the additional
    // packages.
    virtual void apply(ComponentManager& manager);

    const ComponentsChangeset& getChangeset() const { return *changeset_; }
    const std::vector<const Package*>& getAdditionalPackages() const { return additional_; }

private:
    bool meetsClasses(const std::set<std::string>& classes) const;

    std::vector<std::string> classes_;
    std::unique_ptr<ComponentsChangeset> changeset_;
    std::vector<const Package*> additional_;
};
