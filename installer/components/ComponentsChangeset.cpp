#include "installer/components/ComponentsChangeset.h"

#include "installer/components/KwComponent.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/options/Options.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <boost/format.hpp>

#include <algorithm>
#include <functional>
#include <iterator>

ComponentsChangeset& ComponentsChangeset::getDefault(ComponentsChangeset* changeset)
{
    static ComponentsChangeset processWide;
    return changeset ? *changeset : processWide;
}

const ComponentsChangeset& ComponentsChangeset::getDefault(const ComponentsChangeset* changeset)
{
    return changeset ? *changeset : getDefault(static_cast<ComponentsChangeset*>(nullptr));
}

ComponentsChangeset::request_mode_t& ComponentsChangeset::setRequest(const comp_cptr_t& component)
{
    if (!component) throw KW_INTERNAL_ERROR();
    return requests_.emplace(component, REQ_UNSPECIFIED).first->second;
}

void ComponentsChangeset::addExplicit(const comp_cptr_t& component)
{
    if (!component) throw KW_INTERNAL_ERROR();
    explicitNames_.insert(component->name);
}

void ComponentsChangeset::addConflict(const std::string& name)
{
    conflicts_.insert(name);
}

ComponentsChangeset::request_mode_t ComponentsChangeset::getRequest(const KwComponent& component) const
{
    const Requests::const_iterator it = requests_.find(&component);
    return it == requests_.end() ? REQ_UNSPECIFIED : it->second;
}

bool ComponentsChangeset::hasRequest(const KwComponent& component) const
{
    return requests_.find(&component) != requests_.end();
}

bool ComponentsChangeset::isExplicit(const KwComponent* component) const
{
    return component && explicitNames_.count(component->name) != 0;
}

bool ComponentsChangeset::isConflicting(const KwComponent* component) const
{
    return component && conflicts_.count(component->name) != 0;
}

std::vector<std::string> ComponentsChangeset::getConflicts() const
{
    return std::vector<std::string>(conflicts_.begin(), conflicts_.end());
}

bool ComponentsChangeset::isMarkedForInstall(const KwComponent& component) const
{
    if (!hasRequest(component)) return component.getSelection() == KwComponent::SEL_INSTALL;
    return getRequest(component) == REQ_INSTALL;
}

bool ComponentsChangeset::isMarkedForRemove(const KwComponent& component, bool honourExplicit) const
{
    if (!hasRequest(component)) return component.getSelection() == KwComponent::SEL_REMOVE;
    if (getRequest(component) != REQ_REMOVE) return false;
    if (honourExplicit && component.removeOnlyIfExplicit) return isExplicit(&component);
    return true;
}

bool ComponentsChangeset::willBeInstalled(const KwComponent& component) const
{
    switch (hasRequest(component) ? getRequest(component) : REQ_UNSPECIFIED) {
    case REQ_LEAVE:
        return component.isInstalled();
    case REQ_INSTALL:
        return component.getInstallMode() != KwComponent::MODE_ERROR;
    case REQ_REMOVE:
        return false;
    default:
        return component.willBePresent();
    }
}

bool ComponentsChangeset::willBeInstalledOlder(const KwComponent& component) const
{
    switch (hasRequest(component) ? getRequest(component) : REQ_UNSPECIFIED) {
    case REQ_LEAVE:
        return component.getInstallMode() == KwComponent::MODE_UPGRADE;
    case REQ_INSTALL:
    case REQ_REMOVE:
        return false;
    default:
        return component.willBeInstalledOlder();
    }
}

bool ComponentsChangeset::willBeInstalledNew(const KwComponent& component) const
{
    switch (hasRequest(component) ? getRequest(component) : REQ_UNSPECIFIED) {
    case REQ_LEAVE:
        return component.getInstallMode() == KwComponent::MODE_UP2DATE;
    case REQ_INSTALL:
        return component.getInstallMode() != KwComponent::MODE_ERROR;
    case REQ_REMOVE:
        return false;
    default:
        return component.willBeInstalledNew();
    }
}

bool ComponentsChangeset::willBeNotInstalled(const KwComponent& component) const
{
    switch (hasRequest(component) ? getRequest(component) : REQ_UNSPECIFIED) {
    case REQ_LEAVE:
        return !component.isInstalled();
    case REQ_INSTALL:
        return false;
    case REQ_REMOVE:
        return true;
    default:
        return component.willBeNotInstalled();
    }
}

bool ComponentsChangeset::StableOrder::less(const KwComponent* a, const KwComponent* b)
{
    if (a == b) return false;
    const std::string productA = a->getProductId();
    const std::string productB = b->getProductId();
    if (productA != productB) return productA < productB;
    if (a->name != b->name) return a->name < b->name;
    return std::less<const KwComponent*>()(a, b);
}

std::vector<std::string> ComponentsChangeset::getNamesByRequest(request_mode_t request) const
{
    std::vector<std::string> names;
    for (const Requests::value_type& entry : requests_) {
        if (entry.second == request) names.push_back(entry.first->name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ComponentsChangeset::getNamesByRequest(request_mode_t request,
                                                                const std::string& productId) const
{
    std::vector<std::string> names;
    for (const Requests::value_type& entry : requests_) {
        if (entry.second == request && entry.first->getProductId() == productId) names.push_back(entry.first->name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ComponentsChangeset::getProductIds() const
{
    std::set<std::string> ids;
    for (const Requests::value_type& entry : requests_) ids.insert(entry.first->getProductId());
    return std::vector<std::string>(ids.begin(), ids.end());
}

std::vector<std::string> ComponentsChangeset::namesBy(request_mode_t request, bool named) const
{
    std::vector<std::string> all = getNamesByRequest(request);
    all.erase(std::unique(all.begin(), all.end()), all.end());
    std::vector<std::string> result;
    if (named) {
        std::set_intersection(all.begin(), all.end(), explicitNames_.begin(), explicitNames_.end(),
                              std::back_inserter(result));
    } else {
        std::set_difference(all.begin(), all.end(), explicitNames_.begin(), explicitNames_.end(),
                            std::back_inserter(result));
    }
    return result;
}

std::vector<std::string> ComponentsChangeset::getExplicitLeaveNames() const
{
    return namesBy(REQ_LEAVE, true);
}

std::vector<std::string> ComponentsChangeset::getExplicitInstallNames() const
{
    return namesBy(REQ_INSTALL, true);
}

std::vector<std::string> ComponentsChangeset::getExplicitRemoveNames() const
{
    return namesBy(REQ_REMOVE, true);
}

std::vector<std::string> ComponentsChangeset::getImplicitLeaveNames() const
{
    return namesBy(REQ_LEAVE, false);
}

std::vector<std::string> ComponentsChangeset::getImplicitInstallNames() const
{
    return namesBy(REQ_INSTALL, false);
}

std::vector<std::string> ComponentsChangeset::getImplicitRemoveNames() const
{
    return namesBy(REQ_REMOVE, false);
}

bool ComponentsChangeset::hasExplicitChanges() const
{
    return !getExplicitRemoveNames().empty() || !getExplicitInstallNames().empty() ||
           !getExplicitLeaveNames().empty();
}

std::vector<comp_cptr_t> ComponentsChangeset::getDeniedImplicitRemovals() const
{
    std::vector<comp_cptr_t> denied;
    for (const Requests::value_type& entry : requests_) {
        if (entry.second == REQ_REMOVE && entry.first->removeOnlyIfExplicit && !isExplicit(entry.first.get()))
            denied.push_back(entry.first);
    }
    return denied;
}

std::ostream& operator<<(std::ostream& out, const ComponentsChangeset& changeset)
{
    out << "ComponentsChangeset[";
    bool first = true;
    for (const ComponentsChangeset::Requests::value_type& entry : changeset.getRequests()) {
        out << (first ? " " : ", ");
        first = false;
        if (changeset.isExplicit(entry.first.get())) out << '!';
        switch (entry.second) {
        case ComponentsChangeset::REQ_LEAVE:
            out << '=';
            break;
        case ComponentsChangeset::REQ_INSTALL:
            out << '+';
            break;
        case ComponentsChangeset::REQ_REMOVE:
            out << '~';
            break;
        default:
            out << '?';
            break;
        }
        out << entry.first->getProductId() << "/" << entry.first->name;
        if (changeset.isConflicting(entry.first.get())) out << " (conflict)";
    }
    return out << " ] (! is explicit, = is leave, + is install, ~ is remove)";
}

ComponentsChangeset::MarkComponentsByName::MarkComponentsByName(ComponentsChangeset* changeset,
                                                                const std::string& productFilter,
                                                                const std::vector<std::string>& names,
                                                                request_mode_t request, bool explicitFlag)
    : changeset_(changeset), productFilter_(productFilter), request_(request), explicit_(explicitFlag),
      pending_(names.begin(), names.end())
{
}

void ComponentsChangeset::MarkComponentsByName::setRequest(const comp_cptr_t& component)
{
    changeset_->setRequest(component) = request_;
    if (explicit_) changeset_->addExplicit(component);
}

void ComponentsChangeset::MarkComponentsByName::visit(KwComponentPtr component)
{
    if (!productFilter_.empty() && component->getProductId() != productFilter_) return;
    if (pending_.erase(component->name) == 0) return;
    setRequest(component);
}

void ComponentsChangeset::MarkComponentsByName::enterRadioGroup(boost::shared_ptr<KwRadioGroup> group)
{
    if (!productFilter_.empty() && group->getProductId() != productFilter_) return;
    if (pending_.erase(group->getName()) == 0) return;
    if (request_ == REQ_LEAVE || request_ == REQ_REMOVE) {
        for (const KwComponentPtr& child : group->getChildren()) setRequest(child);
    } else if (request_ == REQ_INSTALL) {
        setRequest(group->getChildToInstallOrDefault(changeset_.get()));
    }
}

void ComponentsChangeset::MarkComponentsByName::finish()
{
    if (pending_.empty()) return;
    std::string joined;
    {
        Log line(2, true);
        if (productFilter_.empty())
            line << "Warning: the following component(s) were not found: ";
        else
            line << "Warning: the following component(s) were not found in product " << productFilter_ << ": ";
        for (const std::string& name : pending_) {
            line << " '" << name << "'";
            joined += (joined.empty() ? "" : ", ") + name;
        }
    }
    if (request_ != REQ_INSTALL || !Options::getInstance().strict) return;
    error failure(2, 1, 1, 2);
    if (productFilter_.empty()) {
        failure << boost::format(Messages::get("err_comps_not_found") + Messages::get("err_comps_not_found_use_list")) %
                       joined;
    } else {
        failure << boost::format(Messages::get("err_comps_not_found_in_prod") +
                                 Messages::get("err_comps_not_found_use_list")) %
                       productFilter_ % joined;
    }
    throw failure;
}
