#include "installer/components/KwRadioGroup.h"

#include "installer/components/ComponentsChangeset.h"

#include "common/Log.h"
#include "common/error.h"

#include <algorithm>

KwRadioGroup::KwRadioGroup(const std::string& name, const std::string& description, const BuildPtr& build)
    : KwGroup(name, description, build)
{
}

KwRadioGroup::~KwRadioGroup()
{
    for (const KwComponentPtr& child : children_) {
        if (child->getRadioGroup() == this) child->setRadioGroup(nullptr);
    }
    const void* self = this;
    Log(3, true) << "DEBUG: ~KwRadioGroup: " << getName() << " (" << self << ")";
}

char KwRadioGroup::getStatusMark() const
{
    return hasChildToInstall() ? '*' : ' ';
}

void KwRadioGroup::addChild(const KwComponentPtr& component)
{
    if (!component) throw KW_INTERNAL_ERROR();
    component->setRadioGroup(this);
    children_.push_back(component);
}

void KwRadioGroup::addSwitch(const std::string& from, const std::string& to)
{
    allowedSwitches_.emplace_back(from, to);
}

KwComponentPtr KwRadioGroup::getDefaultChild() const
{
    if (children_.empty()) throw KW_INTERNAL_ERROR();
    for (const KwComponentPtr& child : children_) {
        if (child->name == defaultName_) return child;
    }
    return children_.front();
}

KwComponentPtr KwRadioGroup::getChildToInstall(const ComponentsChangeset* changeset) const
{
    const ComponentsChangeset& cs = ComponentsChangeset::getDefault(changeset);
    for (const KwComponentPtr& child : children_) {
        if (cs.willBeInstalled(*child)) return child;
    }
    return KwComponentPtr();
}

bool KwRadioGroup::hasChildToInstall(const ComponentsChangeset* changeset) const
{
    return static_cast<bool>(getChildToInstall(changeset));
}

KwComponentPtr KwRadioGroup::getChildToInstallOrDefault(const ComponentsChangeset* changeset) const
{
    if (children_.empty()) throw KW_INTERNAL_ERROR();
    const KwComponentPtr child = getChildToInstall(changeset);
    return child ? child : getDefaultChild();
}

void KwRadioGroup::drop_not_allowed_switches()
{
    if (!hasSwitchRules_) return;
    KwComponentPtr from;
    for (const KwComponentPtr& child : children_) {
        if (child->isInstalled()) {
            from = child;
            break;
        }
    }
    const std::string fromName = from ? from->name : std::string();
    Log(3, true) << "DEBUG: drop_not_allowed_switches: from=" << fromName;
    if (!from) return;

    // Erasing keeps the order of the rest, so one pass that skips what it
    // erased ends where a restart from the front would.
    for (auto it = children_.begin(); it != children_.end();) {
        const KwComponentPtr child = *it;
        if (child == from) {
            ++it;
            continue;
        }
        Log(3, true) << "DEBUG: drop_not_allowed_switches: to=" << child->name;
        const bool allowed = std::find(allowedSwitches_.begin(), allowedSwitches_.end(),
                                       std::make_pair(fromName, child->name)) != allowedSwitches_.end();
        Log(3, true) << "DEBUG: drop_not_allowed_switches: allowed=" << allowed;
        if (allowed) {
            ++it;
            continue;
        }
        const void* address = child.get();
        Log(3, true) << "DEBUG: drop_not_allowed_switches: erase component " << address << " " << child->name;
        child->setRadioGroup(nullptr);
        it = children_.erase(it);
    }
}
