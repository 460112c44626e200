#include "installer/components/ComponentsChangesetMarker.h"

#include "installer/components/KwComponent.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/components/KwSubGroup.h"

#include "common/error.h"

#include <boost/pointer_cast.hpp>

ComponentsChangesetMarker::ComponentsChangesetMarker(ComponentsChangeset* changeset, const std::string& productFilter,
                                                     ComponentsChangeset::request_mode_t request, bool skipHidden,
                                                     bool explicitFlag)
    : changeset_(changeset), productFilter_(productFilter), request_(request), explicit_(explicitFlag),
      skipHidden_(skipHidden)
{
}

void ComponentsChangesetMarker::setRequest(const comp_cptr_t& component)
{
    getChangeset().setRequest(component) = request_;
    if (explicit_) getChangeset().addExplicit(component);
}

void ComponentsChangesetMarker::mark(ComponentManager::NodeList::const_iterator first,
                                     ComponentManager::NodeList::const_iterator last)
{
    for (ComponentManager::NodeList::const_iterator it = first; it != last; ++it) {
        const KwCompNodePtr& node = *it;
        if (!node) throw KW_INTERNAL_ERROR();
        if (!productFilter_.empty() && node->getProductId() != productFilter_) continue;
        if (const KwSubGroupPtr sub = boost::dynamic_pointer_cast<KwSubGroup>(node)) {
            mark(sub->getChildren().begin(), sub->getChildren().end());
        } else if (const KwRadioGroupPtr radio = boost::dynamic_pointer_cast<KwRadioGroup>(node)) {
            if (request_ == ComponentsChangeset::REQ_LEAVE || request_ == ComponentsChangeset::REQ_REMOVE) {
                for (const KwComponentPtr& child : radio->getChildren()) setRequest(child);
            } else if (request_ == ComponentsChangeset::REQ_INSTALL) {
                const KwComponentPtr child = radio->getChildToInstallOrDefault(changeset_.get());
                if (!getChangeset().willBeInstalledNew(*child)) setRequest(child);
            }
        } else if (const KwComponentPtr component = boost::dynamic_pointer_cast<KwComponent>(node)) {
            if (skipHidden_ && !component->isShown()) continue;
            setRequest(component);
        } else {
            throw KW_INTERNAL_ERROR();
        }
    }
}
