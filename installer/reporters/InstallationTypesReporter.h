#pragma once

#include "installer/reporters/Reporter.h"

#include "common/checked_pointer.h"

#include <ostream>

class InstTypes;

// The answer to the installation-types query: per product its installation
// types, each by its first name with its description. The build loader gives
// types only to products that are not installed yet: without any, the query is
// refused with a user error.
class InstallationTypesReporter : public Reporter {
public:
    // The installation types are borrowed and outlive the reporter.
    InstallationTypesReporter(std::int32_t status, const InstTypes* types);

    std::ostream& put(std::ostream& out) const override;

private:
    checked_pointer<const InstTypes> types_;
};
