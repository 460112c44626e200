#pragma once

#include "installer/catalogue/InstTypes.h"
#include "installer/components/KwCompNode.h"

#include <boost/shared_ptr.hpp>

#include <map>
#include <string>
#include <vector>

class KwRadioGroup;
class KwSubGroup;
class Package;

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
