#pragma once

#include "installer/catalogue/Build.h"
#include "installer/components/KwCompNode.h"

#include <string>

// A titled node that holds other nodes: a radio group of alternatives or a
// plain sub group. The build loader creates groups complete.
class KwGroup : public KwCompNode {
public:
    // An empty build is an internal error: every group belongs to one.
    KwGroup(const std::string& name, const std::string& description, const BuildPtr& build);

    std::string getDescription() const override;
    std::string getProductId() const override;
    virtual bool isEmpty() const = 0;

    const std::string& getName() const { return name_; }
    BuildPtr getBuild() const { return build_; }

private:
    std::string name_;
    std::string description_;
    BuildPtr build_;
};

typedef boost::shared_ptr<KwGroup> KwGroupPtr;
