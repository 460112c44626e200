#include "installer/reporters/ProductsReporter.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/options/OutputSettings.h"
#include "installer/reporters/CatalogueTable.h"

#include "common/Messages.h"
#include "common/xmlbind.h"

#include <tinyxml.h>

#include <set>
#include <string>
#include <vector>

ProductsReporter::ProductsReporter(std::int32_t status, BuildManager* builds) : Reporter(status), builds_(builds) {}

std::ostream& ProductsReporter::put(std::ostream& out) const
{
    const std::vector<ReleasePtr> releases = builds_->getReleases(0);
    if (releases.empty()) return Reporter(statusError, Messages::get("releases_reporter_list_empty")).put(out);

    std::vector<ProductPtr> products;
    std::set<std::string> listed;
    for (const ReleasePtr& release : releases)
        if (listed.insert(release->product()->id).second) products.push_back(release->product());

    if (xmlOutput) {
        CatalogueTable::requireUpgradeTarget("err_cmd_upgrade_no_product");
        TiXmlElement list("products");
        for (const ProductPtr& product : products) {
            TiXmlElement element("product");
            xmlbind::setAttribute(&element, "id", product->id);
            xmlbind::setAttribute(&element, "description", product->name);
            list.InsertEndChild(element);
        }
        return printXml(out, &list);
    }

    out << CatalogueTable::field("--- prod_id", 12) << " " << CatalogueTable::field("(description) ---", 40) << "\n";
    for (const ProductPtr& product : products)
        out << CatalogueTable::field(product->id, 12) << " " << CatalogueTable::field("(" + product->name + ")", 40)
            << "\n";
    out.flush();
    CatalogueTable::requireUpgradeTarget("err_cmd_upgrade_no_product");
    return out;
}
