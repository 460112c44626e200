// The visitors that bring the component tree from loaded to selected.

#include "installer/components/ComponentManager.h"

#include "installer/components/ComponentsChangeset.h"
#include "installer/components/KwComponent.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/components/KwSubGroup.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"

#include <algorithm>

ComponentManager::CheckInstalled::CheckInstalled(const Repository& repository, AvailablePackageLookup* available)
    : repository_(repository), available_(available)
{
    Progress::stepAndLog("checking_comps_status", Messages::get("checking_comps_status"));
}

void ComponentManager::CheckInstalled::visit(KwComponentPtr component)
{
    component->checkInstalled(repository_, available_);
}

void ComponentManager::PreparePackagesList::visit(KwComponentPtr component)
{
    component->appendKeyPackageNames(names);
}

void ComponentManager::ShriveledRadioGroupsRemover::enterRadioGroup(boost::shared_ptr<KwRadioGroup> group)
{
    group->drop_not_allowed_switches();
    const std::size_t left = group->getChildren().size();
    if (left > 1) return;
    if (left == 1) {
        current_ = group;
        return;
    }
    if (!group->isEmpty()) throw KW_INTERNAL_ERROR();
    empty_.push_back(group);
}

void ComponentManager::ShriveledRadioGroupsRemover::visit(KwComponentPtr component)
{
    if (!current_) return;
    single_.emplace_back(current_, component);
    current_.reset();
}

void ComponentManager::ShriveledRadioGroupsRemover::finish()
{
    for (const KwRadioGroupPtr& group : empty_) manager_.edit_components_tree_remove(group);
    for (const auto& pair : single_) {
        const KwRadioGroupPtr& group = pair.first;
        const KwComponentPtr& component = pair.second;
        const void* address = component.get();
        Log(3, true) << "rename component " << component->name << "(" << address << ") to " << group->getName();
        manager_.edit_components_tree_replace(group, component);
        component->name = group->getName();
    }
}

ComponentManager::MarkSpecifiedNamesComponents::MarkSpecifiedNamesComponents(ComponentManager& manager,
                                                                             const std::string& productId,
                                                                             const std::vector<std::string>& names,
                                                                             int request)
    : manager_(manager), productId_(productId), request_(request), pending_(names.begin(), names.end())
{
}

void ComponentManager::MarkSpecifiedNamesComponents::visit(KwComponentPtr component)
{
    if (pending_.count(component->name) == 0) return;
    if (!productId_.empty() && component->getProductId() != productId_) return;
    pending_.erase(component->name);
    const int mode = component->getInstallMode();
    if (mode == KwComponent::MODE_ERROR) {
        Log(2, true) << " skip component " << component->name << ": not available";
        return;
    }
    switch (request_) {
    case ComponentsChangeset::REQ_LEAVE:
        component->deselect();
        break;
    case ComponentsChangeset::REQ_INSTALL:
        if (mode == KwComponent::MODE_UP2DATE)
            component->deselect();
        else
            component->select();
        break;
    case ComponentsChangeset::REQ_REMOVE:
        if (mode == KwComponent::MODE_INSTALL)
            component->deselect();
        else
            component->selectForRemoval();
        break;
    default:
        throw error(3, 1, 1, 3) << "MarkSpecifiedNamesComponents::visit: unexpected request_mode_t: " << request_;
    }
}

void ComponentManager::MarkSpecifiedNamesComponents::enterRadioGroup(boost::shared_ptr<KwRadioGroup> group)
{
    if (pending_.count(group->getName()) == 0) return;
    if (!productId_.empty() && group->getProductId() != productId_) return;
    pending_.erase(group->getName());
    if (request_ == ComponentsChangeset::REQ_INSTALL) {
        if (group->hasChildToInstall()) return;
        const KwComponentPtr child = group->getChildToInstallOrDefault();
        if (child->getInstallMode() != KwComponent::MODE_ERROR) child->select();
    } else if (request_ == ComponentsChangeset::REQ_REMOVE) {
        if (!group->hasChildToInstall()) return;
        const KwComponentPtr child = group->getChildToInstallOrDefault();
        if (child->getInstallMode() != KwComponent::MODE_ERROR) child->selectForRemoval();
    }
}

void ComponentManager::MarkSpecifiedNamesComponents::finish()
{
    if (pending_.empty()) return;
    Log line(2, true);
    if (productId_.empty())
        line << "Warning: following component(s) not found: ";
    else
        line << "Warning: following component(s) not found in product " << productId_ << ": ";
    for (const std::string& name : pending_) line << " '" << name << "'";
}

void ComponentManager::applyChangeset(const ComponentsChangeset& changeset)
{
    // Every product's requests go to that product's components: a name stands
    // for a component only within its product.
    for (const std::string& productId : changeset.getProductIds()) {
        for (const int request :
             {ComponentsChangeset::REQ_REMOVE, ComponentsChangeset::REQ_INSTALL, ComponentsChangeset::REQ_LEAVE}) {
            const std::vector<std::string> names = changeset.getNamesByRequest(request, productId);
            if (names.empty()) continue;
            MarkSpecifiedNamesComponents marker(*this, productId, names, request);
            visit(marker);
        }
    }
}

std::vector<std::string> ComponentManager::getComponentsForCheckWith(const KwComponentPtr& component)
{
    class ComponentsForCheckWith : public Visitor {
    public:
        explicit ComponentsForCheckWith(const KwComponentPtr& start) : start_(start) {}
        void visit(KwComponentPtr other) override
        {
            if (other == start_ || other->getInstallMode() == KwComponent::MODE_UP2DATE) return;
            if (start_->needs(*other))
                closure.push_back(other);
            else
                pending.push_back(other);
        }
        KwComponentPtr start_;
        std::vector<KwComponentPtr> closure;
        // In walk order; a component leaves it once something in the closure
        // needs it.
        std::vector<KwComponentPtr> pending;
    } walk(component);
    visit(walk);

    std::vector<std::string> result;
    for (std::size_t i = 0; i < walk.closure.size(); ++i) {
        const KwComponentPtr current = walk.closure[i];
        for (auto it = walk.pending.begin(); it != walk.pending.end();) {
            if (current->needs(**it)) {
                walk.closure.push_back(*it);
                it = walk.pending.erase(it);
            } else {
                ++it;
            }
        }
        if (current->getSelection() != KwComponent::SEL_INSTALL) result.push_back(current->name);
    }
    return result;
}

void ComponentManager::MarkNeedForRequired::visit(KwComponentPtr component)
{
    if (!component->isRequired()) return;
    const std::vector<std::string> needed = manager_->getComponentsForCheckWith(component);
    {
        Log line(3, true);
        line << "MarkNeedForRequired: for " << component->name << " " << component->description << " also need: ";
        for (const std::string& name : needed) line << " '" << name << "'";
    }
    MarkSpecifiedNamesComponents marker(*manager_, component->getProductId(), needed,
                                        ComponentsChangeset::REQ_INSTALL);
    manager_->visit(marker);
}

void ComponentManager::SelectedCounter::visit(KwComponentPtr component)
{
    if (component->getProductId() != productId_ || inRadioGroup_ || !component->isShown()) return;
    std::pair<std::int32_t, std::int32_t>& count = counts_[stack_.back()];
    count.second += 1;
    if (component->willBePresent()) count.first += 1;
}

void ComponentManager::SelectedCounter::enterRadioGroup(boost::shared_ptr<KwRadioGroup>)
{
    inRadioGroup_ = true;
}

void ComponentManager::SelectedCounter::leaveRadioGroup(boost::shared_ptr<KwRadioGroup> group)
{
    inRadioGroup_ = false;
    std::pair<std::int32_t, std::int32_t>& count = counts_[stack_.back()];
    count.second += 1;
    if (group->hasChildToInstall()) count.first += 1;
}

void ComponentManager::SelectedCounter::enterSubGroup(boost::shared_ptr<KwSubGroup> group)
{
    stack_.push_back(group->getName());
}

void ComponentManager::SelectedCounter::leaveSubGroup(boost::shared_ptr<KwSubGroup> group)
{
    if (stack_.empty()) throw KW_INTERNAL_ERROR();
    if (stack_.back() != group->getName()) throw KW_INTERNAL_ERROR();
    stack_.pop_back();
    if (stack_.empty()) throw KW_INTERNAL_ERROR();
    const std::pair<std::int32_t, std::int32_t> inner = counts_[group->getName()];
    std::pair<std::int32_t, std::int32_t>& outer = counts_[stack_.back()];
    outer.first += inner.first;
    outer.second += inner.second;
}
