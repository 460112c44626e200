#include "installer/components/KwGroup.h"

#include "common/error.h"

KwGroup::KwGroup(const std::string& name, const std::string& description, const BuildPtr& build)
    : name_(name), description_(description), build_(build)
{
    if (!build_) throw KW_INTERNAL_ERROR();
}

std::string KwGroup::getDescription() const
{
    return description_;
}

std::string KwGroup::getProductId() const
{
    return productIdOf(build_.get());
}
