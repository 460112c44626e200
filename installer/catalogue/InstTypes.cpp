#include "installer/catalogue/InstTypes.h"

#include "installer/catalogue/Release.h"

#include "common/error.h"

#include <locale>

namespace {

// Letter case is compared the way the operator's locale sees it.
bool sameNameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    const std::locale locale;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(a[i], locale) != std::toupper(b[i], locale)) return false;
    return true;
}

}  // namespace

const InstTypes::InstType& InstTypes::ProductEntry::getInstType(const std::string& name) const
{
    if (name.empty()) throw error(3, 1, 1, 3) << "InstTypes data: tname is empty in request";
    for (const InstType& type : types)
        for (const std::string& typeName : type.names)
            if (sameNameIgnoringCase(typeName, name)) return type;
    throw error(3, 1, 1, 3) << "InstTypes data: can't get install type from product: " << product_id << "/" << name;
}

void InstTypes::add(const Release& release, const InstType& type)
{
    if (type.names.empty()) throw KW_INTERNAL_ERROR();
    if (type.kind == kindListed && type.components.empty()) throw KW_INTERNAL_ERROR();

    const Product& product = *release.product();
    for (ProductEntry& entry : products_) {
        if (entry.product_id == product.id) {
            entry.types.push_back(type);
            return;
        }
    }
    products_.push_back(ProductEntry{product.id, product.name, {type}});
}

InstTypes::const_iterator InstTypes::findProduct(const std::string& productId) const
{
    for (const_iterator entry = products_.begin(); entry != products_.end(); ++entry)
        if (entry->product_id == productId) return entry;
    return products_.end();
}

const InstTypes::ProductEntry& InstTypes::getProduct(const std::string& productId) const
{
    const const_iterator entry = findProduct(productId);
    if (entry == products_.end())
        throw error(3, 1, 1, 3) << "InstTypes data: can't get product by id='" << productId << "'";
    return *entry;
}

std::ostream& operator<<(std::ostream& out, const InstTypes::InstType& type)
{
    for (std::size_t i = 0; i < type.names.size(); ++i) out << (i > 0 ? "," : "") << type.names[i];
    return out << " (kind " << type.kind << ")";
}
