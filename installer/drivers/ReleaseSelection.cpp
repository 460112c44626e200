#include "installer/drivers/ReleaseSelection.h"

#include "common/error.h"

std::string resolveReleaseSelector(const Options::ProductSelection&, const BuildManager&)
{
    throw KW_INTERNAL_ERROR() << " (the release selectors are not built yet)";
}

void selectRequestedReleases(BuildManager*)
{
    throw KW_INTERNAL_ERROR() << " (the release selectors are not built yet)";
}

std::set<std::string> collectNotUpdatedProducts(const std::vector<ReleasePtr>&)
{
    throw KW_INTERNAL_ERROR() << " (the release selectors are not built yet)";
}
