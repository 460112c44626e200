#pragma once

#include <cstddef>
#include <string>

// What the products and releases answers share.
namespace CatalogueTable {

// A table field: the text padded on the right with blanks to the width; a
// longer text is written whole and pushes the rest of its line to the right.
std::string field(const std::string& text, std::size_t width);

// An upgrade command has to name what to upgrade to; the products and releases
// answers show the operator the choice and then refuse the command with
// error (2,1,1,2): "err_cmd_upgrade_no_smth" followed by the advice of
// `adviceKey`. Nothing for any other command.
void requireUpgradeTarget(const char* adviceKey);

}  // namespace CatalogueTable
