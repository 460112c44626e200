#include "installer/components/ComponentManager.h"

#include "installer/components/KwComponent.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/components/KwSubGroup.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <boost/pointer_cast.hpp>

#include <algorithm>

void ComponentManager::dispatch(const KwCompNodePtr& node, Visitor& visitor)
{
    if (const KwComponentPtr component = boost::dynamic_pointer_cast<KwComponent>(node)) {
        visitor.visit(component);
    } else if (const KwRadioGroupPtr radio = boost::dynamic_pointer_cast<KwRadioGroup>(node)) {
        visitor.enterRadioGroup(radio);
        // A copy: a visitor may keep or drop nodes, and the walk must not run on
        // a list that changes under it.
        const KwRadioGroup::Children children = radio->getChildren();
        for (const KwComponentPtr& child : children) visitor.visit(child);
        visitor.leaveRadioGroup(radio);
    } else if (const KwSubGroupPtr sub = boost::dynamic_pointer_cast<KwSubGroup>(node)) {
        visitor.enterSubGroup(sub);
        const KwSubGroup::Children children = sub->getChildren();
        for (const KwCompNodePtr& child : children) dispatch(child, visitor);
        visitor.leaveSubGroup(sub);
    } else {
        throw KW_INTERNAL_ERROR();
    }
}

void ComponentManager::visit(Visitor& visitor)
{
    const NodeList roots = roots_;
    for (const KwCompNodePtr& node : roots) dispatch(node, visitor);
    visitor.finish();
}

void ComponentManager::addRootNode(const KwCompNodePtr& node)
{
    if (!node) throw KW_INTERNAL_ERROR();
    roots_.push_back(node);
}

KwComponentPtr ComponentManager::getBaseComponent(const std::string& productId) const
{
    if (roots_.empty()) throw error(3, 1, 1, 3) << Messages::get("err_binf3_nocomps2");
    KwComponentPtr first;
    for (const KwCompNodePtr& node : roots_) {
        const KwComponentPtr component = boost::dynamic_pointer_cast<KwComponent>(node);
        if (!component) continue;
        if (!productId.empty() && component->getProductId() != productId) continue;
        if (component->name == "base") return component;
        if (!first) first = component;
    }
    if (!first) throw KW_INTERNAL_ERROR();
    return first;
}

void ComponentManager::selectBaseComponent()
{
    const KwComponentPtr base = getBaseComponent();
    if (base->getBuild()->uninstallSupport()) return;
    base->select();
    base->markRequired();
    base->setBaseComponent(true);
}

void ComponentManager::setSelectionRecursive(NodeList::const_iterator first, NodeList::const_iterator last,
                                             int selection, const std::string& productId, bool skipHidden)
{
    for (NodeList::const_iterator it = first; it != last; ++it) {
        const KwCompNodePtr& node = *it;
        if (!node) throw KW_INTERNAL_ERROR();
        if (!productId.empty() && node->getProductId() != productId) continue;
        KwComponentPtr target;
        if (const KwSubGroupPtr sub = boost::dynamic_pointer_cast<KwSubGroup>(node)) {
            const KwSubGroup::Children children = sub->getChildren();
            setSelectionRecursive(children.begin(), children.end(), selection, std::string(), skipHidden);
            continue;
        } else if (const KwRadioGroupPtr radio = boost::dynamic_pointer_cast<KwRadioGroup>(node)) {
            target = radio->getChildToInstallOrDefault();
        } else if (const KwComponentPtr component = boost::dynamic_pointer_cast<KwComponent>(node)) {
            target = component;
        } else {
            throw KW_INTERNAL_ERROR();
        }
        if (skipHidden && !target->isShown()) continue;
        if (target->getInstallMode() == KwComponent::MODE_ERROR) continue;
        if (selection == KwComponent::SEL_NONE && target->isRequired()) continue;
        target->setSelection(selection);
    }
}

bool ComponentManager::isAllInstalled()
{
    class IsAllInstalled : public Visitor {
    public:
        void visit(KwComponentPtr component) override
        {
            if (component->getInstallMode() != KwComponent::MODE_UP2DATE) all = false;
        }
        bool all = true;
    } visitor;
    visit(visitor);
    return visitor.all;
}

bool ComponentManager::isAnySelected()
{
    class IsAnySelected : public Visitor {
    public:
        void visit(KwComponentPtr component) override
        {
            const int selection = component->getSelection();
            if (selection == KwComponent::SEL_INSTALL || selection == KwComponent::SEL_REMOVE) any = true;
        }
        bool any = false;
    } visitor;
    visit(visitor);
    return visitor.any;
}

std::vector<std::string> ComponentManager::getSelection()
{
    class Selection : public Visitor {
    public:
        void visit(KwComponentPtr component) override
        {
            if (component->getSelection() == KwComponent::SEL_INSTALL) names.push_back(component->getFullName());
        }
        std::vector<std::string> names;
    } visitor;
    visit(visitor);
    return visitor.names;
}

void ComponentManager::storeInstallationType(const std::string& typeName, const std::string& productId)
{
    installationTypes_[productId] = typeName;
}

namespace {

// Searches `nodes` and the sub groups below for the group `sought`; on finding
// it, lets `edit` change the list that holds it and raises done.
template <class Edit>
void find_and_edit(ComponentManager::NodeList& nodes, const KwCompNode* sought, const Edit& edit)
{
    for (ComponentManager::NodeList::iterator it = nodes.begin(); it != nodes.end(); ++it) {
        if (boost::dynamic_pointer_cast<KwGroup>(*it) && it->get() == sought) {
            edit(nodes, it);
            throw ComponentManager::done();
        }
        if (const KwSubGroupPtr sub = boost::dynamic_pointer_cast<KwSubGroup>(*it))
            find_and_edit(sub->children(), sought, edit);
    }
}

}  // namespace

void ComponentManager::edit_components_tree_replace(const KwCompNodePtr& group, const KwComponentPtr& component)
{
    if (!group || !component) throw KW_INTERNAL_ERROR();
    try {
        find_and_edit(roots_, group.get(), [&](NodeList& nodes, NodeList::iterator at) {
            const KwGroupPtr replaced = boost::dynamic_pointer_cast<KwGroup>(*at);
            const void* groupAddress = replaced.get();
            const void* componentAddress = component.get();
            Log(3, true) << "DEBUG: find_and_edit: replace " << replaced->getName() << " (" << groupAddress
                         << ") with " << component->name << " (" << componentAddress << ")";
            *at = component;
            component->setRadioGroup(nullptr);
            // The component takes the place of the first group left in the
            // list, and that group the component's.
            const NodeList::iterator firstGroup = std::find_if(nodes.begin(), nodes.end(), [](const KwCompNodePtr& n) {
                return static_cast<bool>(boost::dynamic_pointer_cast<KwGroup>(n));
            });
            if (firstGroup != nodes.end()) std::iter_swap(firstGroup, at);
        });
    } catch (const done&) {
        return;
    }
    const void* address = group.get();
    Log(3, true) << "DEBUG: edit_components_tree_replace: " << address << " not found!";
}

void ComponentManager::edit_components_tree_remove(const KwCompNodePtr& group)
{
    if (!group) throw KW_INTERNAL_ERROR();
    try {
        find_and_edit(roots_, group.get(), [&](NodeList& nodes, NodeList::iterator at) {
            const void* address = at->get();
            Log(3, true) << "DEBUG: find_and_edit: erase " << address;
            nodes.erase(at);
        });
    } catch (const done&) {
        return;
    }
    const void* address = group.get();
    Log(3, true) << "DEBUG: edit_components_tree_remove: " << address << " not found!";
}
