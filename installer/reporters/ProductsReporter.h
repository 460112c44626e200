#pragma once

#include "installer/reporters/Reporter.h"

#include "common/checked_pointer.h"

#include <ostream>

class BuildManager;

// The answer to the products query: each product of the releases the catalogue
// keeps, once, at the place of its first release; as a fixed-width table or as
// "products/product" with "id" and "description".
class ProductsReporter : public Reporter {
public:
    // The build manager is borrowed and outlives the reporter.
    ProductsReporter(std::int32_t status, BuildManager* builds);

    // No kept release prints the error status "releases_reporter_list_empty".
    // An upgrade command (which should have named a product) raises a user error
    // after the table in text form and before anything in XML form.
    std::ostream& put(std::ostream& out) const override;

private:
    checked_pointer<BuildManager> builds_;
};
