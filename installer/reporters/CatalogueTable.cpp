#include "installer/reporters/CatalogueTable.h"

#include "installer/options/Options.h"

#include "common/Messages.h"
#include "common/error.h"

namespace CatalogueTable {

std::string field(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

void requireUpgradeTarget(const char* adviceKey)
{
    if (Options::getInstance().commandKind != Options::commandUpgrade) return;
    throw error(2, 1, 1, 2) << Messages::get("err_cmd_upgrade_no_smth") << Messages::get(adviceKey);
}

}  // namespace CatalogueTable
