#include "installer/catalogue/Product.h"

#include <algorithm>

Product::Product(const std::string& id, const std::string& name, bool hiddenToInstall,
                 const KeyPackages& keyPackages, const std::vector<std::string>& upgradeCodes,
                 const std::vector<std::string>& productCodes, const std::vector<std::string>& incompatibleWith)
    : id(id), name(name), hiddenToInstall(hiddenToInstall), keyPackages(keyPackages), upgradeCodes(upgradeCodes),
      productCodes(productCodes), incompatibleWith(incompatibleWith)
{
}

bool Product::isIncompatibleWith(const std::string& productId) const
{
    return std::find(incompatibleWith.begin(), incompatibleWith.end(), productId) != incompatibleWith.end();
}

std::ostream& operator<<(std::ostream& out, const Product& product) { return out << product.id; }
