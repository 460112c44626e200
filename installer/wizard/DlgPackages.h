#pragma once

#include "installer/wizard/Dialog.h"

#include <vector>

class Package;
class Repository;

// The packages page: how many packages the installation adds, upgrades and
// removes.
class DlgPackages : public Dialog {
public:
    typedef std::vector<const Package*> PackageList;

    // Counts the list once, in order: a removal placeholder (kind 'd') that
    // obsoletes something is a removal; else a package with an installed
    // namesake an upgrade; else a package that is no placeholder a new
    // installation. The repository is not owned and outlives the page.
    DlgPackages(const PackageList& packages, Repository& repository);

    const PackageList& packages() const { return packages_; }
    int installs() const { return installs_; }
    int upgrades() const { return upgrades_; }
    int removals() const { return removals_; }

protected:
    Repository& repository() const { return repository_; }

private:
    PackageList packages_;
    Repository& repository_;
    int installs_ = 0;
    int upgrades_ = 0;
    int removals_ = 0;
};
