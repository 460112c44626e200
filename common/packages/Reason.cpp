#include "common/packages/Reason.h"

#include "common/packages/Package.h"

#include <ostream>

Reason::~Reason() = default;

void ReasonUnresolved::print(std::ostream& out) const
{
    out << "dependency '";
    if (dependency) out << *dependency;
    out << "' is unresolved";
}

void ReasonClash::print(std::ostream& out) const
{
    out << first << " is conflicting with newly installed " << second;
}

std::ostream& operator<<(std::ostream& out, const Reason& reason)
{
    reason.print(out);
    return out;
}
