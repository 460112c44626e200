#include "installer/wizard/DlgPackages.h"

#include "common/packages/DebPackage.h"
#include "common/packages/Repository.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <gtest/gtest.h>

namespace {

class CountedPackages : public DlgPackages {
public:
    using DlgPackages::DlgPackages;
    int run() override { return DLG_FORWARD; }
};

// A record of the list the installer resolved: not in the repository's
// installed set, of the kind given.
const Package* listed(std::vector<std::unique_ptr<Package>>& records, const char* name, char kind,
                      const char* obsoletes = nullptr)
{
    records.push_back(std::make_unique<DebPackage>(name, "2.0"));
    records.back()->setType(kind);
    if (obsoletes) records.back()->addObsolete(obsoletes);
    return records.back().get();
}

TEST(DlgPackages, CountsInstallationsUpgradesAndRemovalsOnce)
{
    Repository repository;
    addRecord(repository, "zarni-web", "1.0", 's');
    addRecord(repository, "old-mailer", "1.0", 's');
    std::vector<std::unique_ptr<Package>> records;
    const DlgPackages::PackageList list = {
        listed(records, "old-mailer-removal", 'd', "old-mailer"),  // a removal
        listed(records, "zarni-web", 'b'),                         // installed namesake: an upgrade
        listed(records, "zarni-mail", 'b'),                        // new
        listed(records, "orphan", 'd'),                            // a placeholder of nothing: counts nowhere
        listed(records, "old-mailer", 'd'),                        // a placeholder with an installed namesake
    };
    CountedPackages page(list, repository);
    EXPECT_EQ(page.installs(), 1);
    EXPECT_EQ(page.upgrades(), 2);
    EXPECT_EQ(page.removals(), 1);
    EXPECT_EQ(page.packages().size(), list.size());
}

}  // namespace
