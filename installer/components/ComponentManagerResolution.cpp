// Component dependency resolution: completing a changeset with what the
// relations between components imply, and applying it.

#include "installer/components/ComponentManager.h"

#include "installer/components/ComponentsChangeset.h"
#include "installer/components/KwComponent.h"
#include "installer/components/KwRadioGroup.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/checked_pointer.h"
#include "common/error.h"
#include "common/packages/Dependency.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"

#include <boost/format.hpp>

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace {

const char* requestName(int request)
{
    switch (request) {
    case ComponentsChangeset::REQ_UNSPECIFIED:
        return "REQ_UNSPECIFIED";
    case ComponentsChangeset::REQ_LEAVE:
        return "REQ_LEAVE";
    case ComponentsChangeset::REQ_INSTALL:
        return "REQ_INSTALL";
    case ComponentsChangeset::REQ_REMOVE:
        return "REQ_REMOVE";
    default:
        return "REQ_UNKNOWN";
    }
}

typedef ComponentsChangeset::StableOrder ByIdentity;

// The working state of one resolution.
class Resolver : public ComponentManager::Visitor {
public:
    explicit Resolver(ComponentsChangeset& changeset) : changeset_(changeset) {}

    void visit(KwComponentPtr component) override
    {
        if (component->getInstallMode() == KwComponent::MODE_ERROR) return;
        if (changeset_.hasRequest(*component)) return;
        pending_.emplace(component, true);
    }

    bool run()
    {
        {
            std::ostringstream before;
            before << changeset_;
            Log(3, true) << "DEBUG: ComponentManager::resolveComponents() before resolve: " << before.str();
        }
        for (const ComponentsChangeset::Requests::value_type& entry : changeset_.getRequests()) {
            queue_.push_back(entry.first);
            initial_.insert(entry.first);
        }
        for (const comp_cptr_t& component : initial_) changeset_.addExplicit(component);

        while (!queue_.empty()) {
            const comp_cptr_t current = queue_.front();
            applyRadioGroupRule(current);
            applyPendingRules(current);
            queue_.pop_front();
        }
        const bool conflict = findConflict();
        std::ostringstream after;
        after << changeset_;
        Log(3, true) << "DEBUG: ComponentManager::resolveComponents() after resolve: " << after.str() << "; resolution "
                     << (conflict ? "resulted in conflicts" : "succeeded");
        return !conflict;
    }

private:
    void request(const comp_cptr_t& component, int value)
    {
        changeset_.setRequest(component) = value;
        queue_.push_back(component);
    }

    void applyRadioGroupRule(const comp_cptr_t& current)
    {
        const KwRadioGroup* group = current->getRadioGroup();
        if (!group || !changeset_.willBeInstalled(*current)) return;
        for (const KwComponentPtr& other : group->getChildren()) {
            if (other == current) continue;
            // Two members asked for by the operator are a conflict to report,
            // not a choice to settle here by whichever comes first.
            if (initial_.count(other) != 0 && changeset_.getRequest(*other) == ComponentsChangeset::REQ_INSTALL)
                continue;
            const bool named = !other->willBePresent() || initial_.count(current) != 0;
            request(other, ComponentsChangeset::REQ_REMOVE);
            if (named) changeset_.addExplicit(other);
            const auto it = pending_.find(other);
            if (it != pending_.end()) it->second = false;
        }
    }

    void applyPendingRules(const comp_cptr_t& current)
    {
        const ComponentsChangeset& cs = changeset_;
        for (auto& entry : pending_) {
            if (!entry.second) continue;
            const KwComponent& other = *entry.first;
            int value = ComponentsChangeset::REQ_UNSPECIFIED;
            if (cs.willBeInstalled(*current) && current->conflictsWith(other, &cs) && other.willBePresent()) {
                value = ComponentsChangeset::REQ_REMOVE;
            } else if (cs.willBeInstalledOlder(*current) && other.isHardwiredToOutdated(*current, &cs) &&
                       other.willBeInstalledNew()) {
                value = other.getInstallMode() == KwComponent::MODE_UPGRADE ? ComponentsChangeset::REQ_LEAVE
                                                                             : ComponentsChangeset::REQ_REMOVE;
            } else if (cs.willBeInstalledNew(*current) && current->isHardwiredToOutdated(other, &cs) &&
                       other.willBeInstalledOlder()) {
                value = ComponentsChangeset::REQ_INSTALL;
            } else if (cs.willBeInstalled(*current) && current->needs(other, &cs) && other.willBeNotInstalled()) {
                value = ComponentsChangeset::REQ_INSTALL;
            } else if (cs.willBeNotInstalled(*current) && other.needs(*current, &cs) && other.willBePresent()) {
                value = ComponentsChangeset::REQ_REMOVE;
            }
            if (value == ComponentsChangeset::REQ_UNSPECIFIED) continue;
            entry.second = false;
            request(entry.first, value);
        }
    }

    bool conflicting(const KwComponent& v, const KwComponent& w) const
    {
        const ComponentsChangeset& cs = changeset_;
        const bool vIn = cs.willBeInstalled(v);
        const bool wIn = cs.willBeInstalled(w);
        if (v.needs(w, &cs) && vIn && !wIn) return true;
        if (w.needs(v, &cs) && wIn && !vIn) return true;
        if (v.conflictsWith(w, &cs) && vIn && wIn) return true;
        return v.getRadioGroup() && v.getRadioGroup() == w.getRadioGroup() && vIn && wIn;
    }

    bool findConflict()
    {
        const ComponentsChangeset::Requests& requests = changeset_.getRequests();
        for (const auto& v : requests) {
            for (const auto& w : requests) {
                if (v.first == w.first || !conflicting(*v.first, *w.first)) continue;
                changeset_.addConflict(v.first->name);
                changeset_.addConflict(w.first->name);
                logConflict(*v.first, v.second, *w.first, w.second);
                return true;
            }
        }
        return false;
    }

    void logConflict(const KwComponent& v, int vRequest, const KwComponent& w, int wRequest) const
    {
        std::string initial = "unknown (empty) initial component change";
        if (!initial_.empty()) {
            const comp_cptr_t& first = *initial_.begin();
            initial = std::string(requestName(changeset_.getRequest(*first))) + " of component '" + first->name + "'";
            if (initial_.size() > 1)
                initial += " and " + std::to_string(initial_.size() - 1) + " more change(s)";
        }
        const bool vIn = changeset_.willBeInstalled(v);
        const bool wIn = changeset_.willBeInstalled(w);
        Log(2, true) << "Warning: found inter-component dependencies conflict between " << "'" << v.name
                     << "' (will be installed: " << (vIn ? "1" : "0") << ", request = " << requestName(vRequest)
                     << ") and " << "'" << w.name << "' (will be installed: " << (wIn ? "1" : "0")
                     << ", request = " << requestName(wRequest) << ") " << "while trying to resolve " << initial;
    }

    ComponentsChangeset& changeset_;
    std::deque<comp_cptr_t> queue_;
    std::set<comp_cptr_t, ByIdentity> initial_;
    std::map<comp_cptr_t, bool, ByIdentity> pending_;
};

}  // namespace

void ComponentManager::getCurrentChanges(ComponentsChangeset* changeset)
{
    class CurrentChanges : public Visitor {
    public:
        explicit CurrentChanges(ComponentsChangeset* changeset) : changeset_(changeset) {}
        void visit(KwComponentPtr component) override
        {
            if (component->getInstallMode() == KwComponent::MODE_ERROR) return;
            int request = ComponentsChangeset::REQ_UNSPECIFIED;
            if (component->isScheduledForInstall())
                request = ComponentsChangeset::REQ_INSTALL;
            else if (component->willBeRemoved())
                request = ComponentsChangeset::REQ_REMOVE;
            if (request == ComponentsChangeset::REQ_UNSPECIFIED) return;
            changeset_->setRequest(component) = request;
            changeset_->addExplicit(component);
        }
        checked_pointer<ComponentsChangeset> changeset_;
    } walk(changeset);
    visit(walk);
}

bool ComponentManager::resolveComponents(ComponentsChangeset* changeset)
{
    checked_pointer<ComponentsChangeset> checked(changeset);
    Resolver resolver(*checked);
    visit(resolver);
    return resolver.run();
}

void ComponentManager::resolveAndApplyChangeset(ComponentsChangeset* changeset)
{
    if (resolveComponents(changeset)) {
        applyChangeset(*changeset);
        return;
    }
    throw error(5, 1, 1, 2) << "Unable to resolve components request mode changeset due to inter-component "
                               "dependencies. "
                            << "You possibly need to remove some of the conflicting components. " << "Check '"
                            << Log::fileName() << "' for more details.";
}

void ComponentManager::changeComponentState(const KwComponentPtr& component, int request)
{
    ComponentsChangeset changeset;
    changeset.setRequest(component) = request;
    if (resolveComponents(&changeset)) {
        applyChangeset(changeset);
        return;
    }
    throw error(5, 1, 1, 2) << boost::format("Unable to change state for %s due to inter-component dependencies. ") %
                                   component->getFullName()
                            << "Check '" << Log::fileName() << "' for more details.";
}

void ComponentManager::selectByInstallationType(const std::string& typeName, const std::string& productId)
{
    Log(2, true) << "Select components by installation type: product = " << productId
                 << ", installation type = " << typeName;
    storeInstallationType(typeName, productId);
    const InstTypes::ProductEntry& product = instTypes_.getProduct(productId);
    const InstTypes::InstType& type = product.getInstType(typeName);
    std::vector<std::string> names = type.components;
    if (type.kind == InstTypes::kindFull) {
        // The product's own components: another product's tree is that
        // product's choice.
        setSelectionRecursive(roots_.begin(), roots_.end(), KwComponent::SEL_INSTALL, productId, false);
        return;
    }
    if (type.kind == InstTypes::kindCustom) {
        names = product.types.empty() ? std::vector<std::string>() : product.types.front().components;
        if (names.empty()) {
            changeComponentState(getBaseComponent(productId), ComponentsChangeset::REQ_INSTALL);
            return;
        }
    }
    ComponentsChangeset changeset;
    ComponentsChangeset::MarkComponentsByName marker(&changeset, productId, names, ComponentsChangeset::REQ_INSTALL,
                                                     true);
    visit(marker);
    resolveAndApplyChangeset(&changeset);
}

ComponentManager::MarkComponentsForUpgrade::MarkComponentsForUpgrade(const std::vector<std::string>& classes)
    : classes_(classes), changeset_(std::make_unique<ComponentsChangeset>())
{
}

ComponentManager::MarkComponentsForUpgrade::~MarkComponentsForUpgrade() = default;

bool ComponentManager::MarkComponentsForUpgrade::meetsClasses(const std::set<std::string>& classes) const
{
    for (const std::string& name : classes_)
        if (classes.count(name) != 0) return true;
    return false;
}

void ComponentManager::MarkComponentsForUpgrade::visit(KwComponentPtr component)
{
    if (component->getInstallMode() != KwComponent::MODE_UPGRADE) return;
    if (classes_.empty() || meetsClasses(component->classes)) {
        changeset_->setRequest(component) = ComponentsChangeset::REQ_INSTALL;
        return;
    }
    bool any = false;
    for (const Package* package : component->packages) {
        if (!meetsClasses(package->getClassSet())) continue;
        additional_.push_back(package);
        any = true;
    }
    if (any) component->setPackagesUpgraded(true);
}

void ComponentManager::MarkComponentsForUpgrade::apply(ComponentManager& manager)
{
    manager.resolveAndApplyChangeset(changeset_.get());
    manager.markAdditionalPackagesForUpgrade(additional_);
}

namespace {

// The names that identify a component's packages: its build packages and the
// positive names of its key package sets.
std::vector<std::string> packageNamesOf(const KwComponent& component)
{
    std::vector<std::string> names;
    for (const Package* package : component.packages) names.push_back(package->getName());
    for (const KeyPackageSet& set : component.keyPackageSets)
        names.insert(names.end(), set.positive.begin(), set.positive.end());
    return names;
}

}  // namespace

void ComponentManager::markAdditionalPackagesForUpgrade(const std::vector<const Package*>& packages)
{
    const std::string text = packageListText(packages);
    Log(3, true) << "DEBUG ComponentManager::markAdditionalPackagesForUpgrade: " << text;
    additionalUpgradePackages_.insert(additionalUpgradePackages_.end(), packages.begin(), packages.end());
}

std::vector<std::string> ComponentManager::needAlsoInstall(const std::vector<const Package*>& packages)
{
    class NeedAlso : public Visitor {
    public:
        void visit(KwComponentPtr component) override
        {
            for (const std::string& name : packageNamesOf(*component)) {
                if (component->getSelection() == KwComponent::SEL_INSTALL)
                    selected.insert(name);
                else
                    owner[name] = component->name;
            }
        }
        std::set<std::string> selected;
        std::map<std::string, std::string> owner;
    } walk;
    visit(walk);

    std::set<std::string> result;
    std::string reported;
    for (const Package* package : packages) {
        if (package->getType() != Package::typeBuild) continue;
        const std::string name = package->getName();
        if (walk.selected.count(name) != 0) continue;
        const auto it = walk.owner.find(name);
        if (it == walk.owner.end()) continue;
        reported += " '" + name + "'";
        result.insert(it->second);
    }
    Log(2, true) << "The following packages from not selected components will be installed because they are "
                    "required by other components' packages you selected for installation: "
                 << reported;
    return std::vector<std::string>(result.begin(), result.end());
}

std::vector<comp_cptr_t> ComponentManager::needAlsoRemove(const std::vector<const Package*>& packages,
                                                          const Repository& repository, bool* denied)
{
    class NeedAlsoRemove : public Visitor {
    public:
        void visit(KwComponentPtr component) override
        {
            if (!component->isInstalled() || component->getSelection() == KwComponent::SEL_REMOVE) return;
            for (const KeyPackageSet& set : component->keyPackageSets)
                for (const std::string& name : set.positive) owner.emplace(name, component);
        }
        std::map<std::string, comp_cptr_t> owner;
    } walk;
    visit(walk);

    std::set<comp_cptr_t, ByIdentity> affected;
    std::set<comp_cptr_t, ByIdentity> refused;
    const auto take = [&](const std::string& name) {
        const auto it = walk.owner.find(name);
        if (it == walk.owner.end()) return;
        affected.insert(it->second);
        if (it->second->removeOnlyIfExplicit) refused.insert(it->second);
    };
    for (const Package* package : packages) {
        if (package->getType() != Package::typeDummy) continue;
        for (const Package* obsoleted : repository.getObsoletedBy(package)) take(obsoleted->getName());
        for (const DependencyPtr& obsolete : package->getObsoletes()) take(obsolete->toString());
    }
    const bool onlyRefused = denied && !refused.empty();
    if (denied) *denied = onlyRefused;
    const std::set<comp_cptr_t, ByIdentity>& result = onlyRefused ? refused : affected;
    {
        std::string text;
        for (const comp_cptr_t& component : result)
            text += (text.empty() ? "" : ", ") + component->description + " (" + component->name + ")";
        Log(2, true) << "The following components should be removed due to packages dependencies: " << text;
    }
    return std::vector<comp_cptr_t>(result.begin(), result.end());
}

void ComponentManager::applyComponentLists(const std::string& productId, const std::vector<std::string>& install,
                                           const std::vector<std::string>& remove)
{
    ComponentsChangeset changeset;
    ComponentsChangeset::MarkComponentsByName installs(&changeset, productId, install,
                                                       ComponentsChangeset::REQ_INSTALL, true);
    visit(installs);
    ComponentsChangeset::MarkComponentsByName removals(&changeset, productId, remove, ComponentsChangeset::REQ_REMOVE,
                                                       true);
    visit(removals);
    const bool resolved = resolveComponents(&changeset);

    const std::vector<comp_cptr_t> denied = changeset.getDeniedImplicitRemovals();
    if (!denied.empty()) {
        std::string list;
        for (const comp_cptr_t& component : denied)
            list += (list.empty() ? "" : ", ") + component->description + " (" + component->name + ")";
        throw error(5, 1, 1, 2) << Messages::get("err_deps_deny_implicit_remove") << list;
    }
    const std::vector<std::string> conflicts = changeset.getConflicts();
    if (!resolved || !conflicts.empty()) {
        std::string list;
        for (const std::string& name : conflicts) list += (list.empty() ? "" : ", ") + name;
        throw error(5, 1, 1, 2) << Messages::get("err_deps_conflict") << list;
    }

    const auto logAdded = [](const char* key, const std::vector<std::string>& names) {
        if (names.empty()) return;
        std::string list;
        for (const std::string& name : names) list += " '" + name + "'";
        Log(0, true) << Messages::get(key) << list;
    };
    logAdded("added_comps_by_deps", changeset.getImplicitInstallNames());
    logAdded("removed_comps_by_deps", changeset.getImplicitRemoveNames());
    applyChangeset(changeset);
}
