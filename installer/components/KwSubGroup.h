#pragma once

#include "installer/components/KwGroup.h"

#include <vector>

// A plain titled container of components and nested groups. Its children keep
// no link back to it.
class KwSubGroup : public KwGroup {
public:
    typedef std::vector<KwCompNodePtr> Children;

    KwSubGroup(const std::string& name, const std::string& description, const BuildPtr& build);

    // ' ' without children; the children's common mark when they agree; '.'
    // when they differ.
    char getStatusMark() const override;
    bool isEmpty() const override { return children_.empty(); }

    void addChild(const KwCompNodePtr& node);
    const Children& getChildren() const { return children_; }
    // For the tree edits of the component manager.
    Children& children() { return children_; }

private:
    Children children_;
};

typedef boost::shared_ptr<KwSubGroup> KwSubGroupPtr;
