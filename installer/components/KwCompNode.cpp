#include "installer/components/KwCompNode.h"

#include "installer/catalogue/Build.h"
#include "installer/catalogue/Product.h"
#include "installer/catalogue/Release.h"

std::string KwCompNode::productIdOf(const Build* build)
{
    if (!build) return std::string();
    const boost::shared_ptr<Release> release = build->getParent();
    if (!release || !release->product()) return std::string();
    return release->product()->id;
}
