#pragma once

#include "common/packages/Dependency.h"

#include <iosfwd>
#include <memory>

class Package;

// Why the resolver put a package on its black list. Reasons are shared between
// the black list, its copies in trial resolutions and the twins of a package.
class Reason {
public:
    virtual ~Reason();
    virtual void print(std::ostream& out) const = 0;
};

using ReasonPtr = std::shared_ptr<Reason>;

// A requirement of the package that no usable package satisfies.
class ReasonUnresolved : public Reason {
public:
    explicit ReasonUnresolved(DependencyPtr dependency) : dependency(std::move(dependency)) {}
    void print(std::ostream& out) const override;

    const DependencyPtr dependency;
};

// `first` cannot be installed together with `second`.
class ReasonClash : public Reason {
public:
    ReasonClash(const Package* first, const Package* second) : first(first), second(second) {}
    void print(std::ostream& out) const override;

    const Package* const first;
    const Package* const second;
};

std::ostream& operator<<(std::ostream& out, const Reason& reason);
