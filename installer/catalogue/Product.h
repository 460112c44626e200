#pragma once

#include <boost/shared_ptr.hpp>

#include <ostream>
#include <string>
#include <vector>

// One product of the catalogue (the panel itself, an add-on product, ...): the
// data every release of it shares. Made once by the catalogue reader and then
// only read; releases hold it through a shared pointer.
class Product {
public:
    // Groups of package names, in order; the first installed name found walking
    // them gives the product's installed version.
    typedef std::vector<std::vector<std::string>> KeyPackages;

    Product(const std::string& id, const std::string& name, bool hiddenToInstall, const KeyPackages& keyPackages,
            const std::vector<std::string>& upgradeCodes, const std::vector<std::string>& productCodes,
            const std::vector<std::string>& incompatibleWith);

    // The key of the product everywhere.
    std::string id;
    std::string name;
    // Its releases are offered only while the product is installed.
    bool hiddenToInstall;
    KeyPackages keyPackages;
    std::vector<std::string> upgradeCodes;
    std::vector<std::string> productCodes;
    std::string activeIcon;
    std::string disabledIcon;
    std::string productSite;
    // Named in the caution about installed versions that cannot be upgraded to the
    // newest release.
    std::string kbArticleUpgradeFromNotSupportedVersions;
    // Ids of products that cannot be installed beside this one.
    std::vector<std::string> incompatibleWith;

    bool isIncompatibleWith(const std::string& productId) const;
};

typedef boost::shared_ptr<Product> ProductPtr;

// The product id.
std::ostream& operator<<(std::ostream& out, const Product& product);
