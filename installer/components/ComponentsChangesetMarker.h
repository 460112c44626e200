#pragma once

#include "installer/components/ComponentManager.h"
#include "installer/components/ComponentsChangeset.h"

#include "common/checked_pointer.h"

#include <string>

// Marks every node of a range of the component tree with one request: a sub
// group as its children, a radio group as one choice. The wizard marks the
// nodes of the page it shows with it.
class ComponentsChangesetMarker {
public:
    // Note the order: skipHidden before explicitFlag. An empty productFilter
    // marks the nodes of every product.
    ComponentsChangesetMarker(ComponentsChangeset* changeset, const std::string& productFilter,
                              ComponentsChangeset::request_mode_t request, bool skipHidden, bool explicitFlag);

    void mark(ComponentManager::NodeList::const_iterator first, ComponentManager::NodeList::const_iterator last);

    // The changeset being filled; a marker made without one raises the
    // checked-pointer error.
    ComponentsChangeset& getChangeset() const { return *changeset_; }

private:
    void setRequest(const comp_cptr_t& component);

    checked_pointer<ComponentsChangeset> changeset_;
    std::string productFilter_;
    ComponentsChangeset::request_mode_t request_;
    bool explicit_;
    bool skipHidden_;
};
