#include "installer/wizard/DlgPackages.h"

#include "common/packages/Package.h"
#include "common/packages/Repository.h"

DlgPackages::DlgPackages(const PackageList& packages, Repository& repository)
    : packages_(packages), repository_(repository)
{
    for (const Package* package : packages_) {
        const bool placeholder = package->getType() == 'd';
        if (placeholder && !package->getObsoletes().empty() && package->getObsoletes().front())
            ++removals_;
        else if (repository_.findInstalled(package->getName()))
            ++upgrades_;
        else if (!placeholder)
            ++installs_;
    }
}
