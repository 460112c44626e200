#include "installer/components/KwSubGroup.h"

#include "common/error.h"

KwSubGroup::KwSubGroup(const std::string& name, const std::string& description, const BuildPtr& build)
    : KwGroup(name, description, build)
{
}

char KwSubGroup::getStatusMark() const
{
    if (children_.empty()) return ' ';
    const char first = children_.front()->getStatusMark();
    for (const KwCompNodePtr& child : children_) {
        if (child->getStatusMark() != first) return '.';
    }
    return first;
}

void KwSubGroup::addChild(const KwCompNodePtr& node)
{
    if (!node) throw KW_INTERNAL_ERROR();
    children_.push_back(node);
}
