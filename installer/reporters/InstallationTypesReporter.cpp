#include "installer/reporters/InstallationTypesReporter.h"

#include "installer/catalogue/InstTypes.h"
#include "installer/options/OutputSettings.h"

#include "common/error.h"
#include "common/xmlbind.h"

#include <tinyxml.h>

#include <string>

namespace {

// A type is known by its first name; the others are accepted on input only.
const std::string& typeName(const InstTypes::InstType& type)
{
    static const std::string none;
    return type.names.empty() ? none : type.names.front();
}

}  // namespace

InstallationTypesReporter::InstallationTypesReporter(std::int32_t status, const InstTypes* types)
    : Reporter(status), types_(types)
{
}

std::ostream& InstallationTypesReporter::put(std::ostream& out) const
{
    if (types_->products().empty())
        throw error(2, 1, 1, 1) << "Installation types may be shown only for not yet installed products.";

    if (xmlOutput) {
        TiXmlElement list("products");
        for (const InstTypes::ProductEntry& product : *types_) {
            TiXmlElement element("product");
            xmlbind::setAttribute(&element, "id", product.product_id);
            xmlbind::setAttribute(&element, "name", product.product_name);
            TiXmlElement types("installation_types");
            for (const InstTypes::InstType& type : product.types) {
                TiXmlElement typeElement("type");
                xmlbind::setAttribute(&typeElement, "name", typeName(type));
                xmlbind::setAttribute(&typeElement, "description", type.description);
                types.InsertEndChild(typeElement);
            }
            element.InsertEndChild(types);
            list.InsertEndChild(element);
        }
        return printXml(out, &list);
    }

    for (const InstTypes::ProductEntry& product : *types_) {
        out << "Installation types for " << product.product_name << ":\n";
        for (const InstTypes::InstType& type : product.types)
            out << "    " << typeName(type) << " - " << type.description << "\n";
    }
    out.flush();
    return out;
}
