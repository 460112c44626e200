#pragma once

#include <ostream>
#include <string>
#include <vector>

class Release;

// The installation types (component presets) of the products being installed:
// "Full", "Custom" and the types that build information files define. The build
// loader adds the types of each release it loads; the wizards, the web back end,
// the command line and the reporters look them up by product and by name.
class InstTypes {
public:
    enum Kind {
        kindListed = 0,  // the components of the type's list
        kindFull = 1,    // all components of the product
        kindCustom = 2,  // the operator's own choice
    };

    struct InstType {
        // One or more names; a lookup by any of them finds the type.
        std::vector<std::string> names;
        std::string description;
        int kind = kindListed;
        // Only for kindListed.
        std::vector<std::string> components;
    };

    struct ProductEntry {
        std::string product_id;
        std::string product_name;
        std::vector<InstType> types;

        // The first type with a name equal to `name` regardless of letter case. An
        // empty or unknown name raises an internal error.
        const InstType& getInstType(const std::string& name) const;
    };

    typedef std::vector<ProductEntry>::const_iterator const_iterator;

    // Appends a copy of the type to the entry of the release's product, making the
    // entry on first use. The same name may be added twice; lookups find the
    // first. A type without names, or a listed type without components, is an
    // internal error and adds nothing.
    void add(const Release& release, const InstType& type);

    // The entry of the product, or end().
    const_iterator findProduct(const std::string& productId) const;
    // The entry of the product; an unknown id raises an internal error.
    const ProductEntry& getProduct(const std::string& productId) const;

    // The products in the order they were first given a type.
    const std::vector<ProductEntry>& products() const { return products_; }
    const_iterator begin() const { return products_.begin(); }
    const_iterator end() const { return products_.end(); }

private:
    std::vector<ProductEntry> products_;
};

// The names joined by ",", and the kind.
std::ostream& operator<<(std::ostream& out, const InstTypes::InstType& type);
