#pragma once

#include "common/packages/Dependency.h"
#include "common/packages/Version.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

// A relation on a capability name: the name alone, or the name, a relation and a
// version ("foo", "foo >= 1:2.3-4").
class DependencyLogical : public Dependency {
public:
    enum Relation : std::int32_t {
        none = 0,          // the name only
        equal = 1,         // =
        less = 2,          // <
        lessEqual = 3,     // <=
        greaterEqual = 4,  // >=
        greater = 5,       // >
    };

    // Parses the text (see parse). An empty or blank text is an internal error:
    // no record has such an entry.
    DependencyLogical(const char* text, const Package* owner);
    ~DependencyLogical() override;
    // The same, shared, from the pool that the readers of installed systems use
    // for their hundreds of thousands of entries.
    static DependencyPtr create(const char* text, const Package* owner);

    // Replaces name, relation and version from a dependency text, whatever its
    // spacing: "foo", "foo >= 1.0", "foo>=1.0", "foo>= 1.0", and Debian's
    // "foo (>= 1.0)", where "<<" and ">>" are "<" and ">" and the obsolete "<"
    // and ">" mean "<=" and ">=" as dpkg reads them. A text with no recognisable
    // relation (rich rpm dependencies, "font(:lang=en)", an operator dpkg does
    // not know inside parentheses: "foo (== 1.0)") is a name as it stands, so
    // that one odd entry of a feed or cache never fails the whole read.
    // A version text that cannot be parsed raises its error.
    void parse(const char* text);

    // A version for this dependency: a DebVersion when the owner is a Debian
    // record, so that its relations follow dpkg's order, else a Version.
    virtual std::unique_ptr<Version> makeVersion(const char* text) const;

    const char* getName() const { return name_; }
    Relation getRelation() const { return relation_; }
    // Null when the dependency has no version. Pooled: dependencies read with
    // equal version texts of one form share one version, which is never freed;
    // a clone has a copy of its own.
    const Version* getVersion() const { return version_; }

    std::string toString() const override;
    using Dependency::intersects;
    bool intersects(const Dependency* other) const override;
    std::uint64_t hash() const override;
    using Dependency::sameName;
    bool sameName(const Dependency* other) const override;
    bool equals(const DependencyPtr& other) const override;
    DependencyPtr clone() const override;
    void print(std::ostream& out) const override;

    // The printed text of a relation: " = ", " < ", ..., "" for none.
    static const char* relationText(Relation relation);

private:
    DependencyLogical(const Package* owner, const char* name, Relation relation, const Version* version);

    bool debianOwner() const;
    // The pooled version of the text, made by makeVersion on its first use.
    const Version* pooledVersion(const char* text) const;

    const Version* version_ = nullptr;
    const char* name_;
    Relation relation_;
    // Whether version_ is this dependency's own copy rather than a pooled one.
    bool ownsVersion_ = false;
};
