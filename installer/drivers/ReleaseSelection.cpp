#include "installer/drivers/ReleaseSelection.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/Product.h"

#include "common/Messages.h"
#include "common/error.h"

std::string resolveReleaseSelector(const Options::ProductSelection& selector, const BuildManager& builds)
{
    switch (selector.type) {
    case Options::ProductSelection::latest:
        return builds.getLatestReleaseId(selector.prodId);
    case Options::ProductSelection::current: {
        if (builds.getInstalledVersion(selector.prodId).empty())
            throw error(2, 1, 1, 2) << Messages::format("err_prod_nocurrent") % selector.prodId;
        const std::string id = builds.getInstalledReleaseId(selector.prodId);
        if (id.empty())
            throw error(2, 1, 1, 2) << Messages::format("err_rel_nocurrent") % selector.prodId;
        return id;
    }
    case Options::ProductSelection::exact:
        return selector.releaseId;
    default:
        throw KW_INTERNAL_ERROR() << " (release selector of kind " << selector.type << ")";
    }
}

void selectRequestedReleases(BuildManager* builds)
{
    if (!builds) throw KW_INTERNAL_ERROR() << " (no catalogue to select releases in)";
    for (const Options::ProductSelection& selector : Options::getInstance().productSelections)
        builds->selectRelease(selector.prodId, resolveReleaseSelector(selector, *builds));
}

std::set<std::string> collectNotUpdatedProducts(const std::vector<ReleasePtr>& releases)
{
    std::set<std::string> products;
    for (const ReleasePtr& release : releases) {
        if (!release->isSelected()) continue;
        const int mode = release->getUpdateMode();
        if (mode == Release::updateMinor || mode == Release::updateMajor) continue;
        products.insert(release->product()->id);
    }
    return products;
}
