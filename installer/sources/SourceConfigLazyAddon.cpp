#include "installer/sources/SourceConfigLazyAddon.h"

#include <ostream>

SourceConfigLazyAddon::SourceConfigLazyAddon(Repository* repository, const BuildPtr& build)
    : SourceConfig(repository), build_(build)
{
}

std::ostream& SourceConfigLazyAddon::printName(std::ostream& out) const
{
    return out << "SourceConfigLazyAddon_" << getSequence() << " (" << build_->config() << ")";
}
