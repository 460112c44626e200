#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class Package;
class Dependency;

// Dependencies are shared by their record and by the resolver's sets; matches
// between them are weak references.
using DependencyPtr = std::shared_ptr<Dependency>;

// One requirement, provide, conflict or obsolete of a package record: a relation
// on a capability name (DependencyLogical) or a file path (DependencyFile). It
// knows the record that owns it. A repository keeps the matches of its records'
// requirements itself (one record can be listed by several repositories); the
// list here holds the matches of a requirement that no repository resolves, such
// as one the resolver makes up for a choice between packages.
class Dependency {
public:
    // Without an owner the dependency belongs to the process-wide dummy master
    // record, so that the owner is never null.
    explicit Dependency(const Package* owner);
    virtual ~Dependency();
    Dependency(const Dependency&) = delete;
    Dependency& operator=(const Dependency&) = delete;

    // The name (of a relation) or the full path (of a file).
    virtual std::string toString() const = 0;
    // Whether the two overlap: the same capability with version ranges that
    // meet, or the same path. A null pointer or the other form gives false.
    virtual bool intersects(const DependencyPtr& other) const;
    virtual bool intersects(const Dependency* other) const = 0;
    // Mixes the pooled name's identity, never its text: equal names give equal
    // hashes.
    virtual std::uint64_t hash() const = 0;
    virtual bool sameName(const DependencyPtr& other) const;
    virtual bool sameName(const Dependency* other) const = 0;
    virtual bool equals(const DependencyPtr& other) const = 0;
    virtual DependencyPtr clone() const = 0;
    // The text form of log lines, reasons and the package cache.
    virtual void print(std::ostream& out) const = 0;

    const Package* getOwner() const { return owner_; }

    void addMatchedProvide(const DependencyPtr& provide);
    // Empty past the end, or when the matched provide no longer exists.
    DependencyPtr getMatchedProvide(unsigned index) const;
    // The entries of the list, expired ones included.
    unsigned matchedProvideCount() const { return matched_ ? static_cast<unsigned>(matched_->size()) : 0; }
    void clearMatchedProvides();
    // Keeps the order of the others; nothing past the end.
    void removeMatchedProvide(unsigned index);

    // Whether one of the record's provides, or its self-provide, intersects this.
    bool isSatisfiedBy(const Package* package) const;

    // Requirements that count as satisfied without a provider: those beginning
    // with "rpmlib(" and the names added here.
    static bool isArtificial(const char* name);
    static void addArtificialName(const std::string& name);

    // The record that owns dependencies made without one: named
    // "dummy_masterpackage_for_dependency", version 1.2.3, kind 'd'; made on first
    // need and never destroyed.
    static const Package* dummyMaster();

private:
    // Made on the first match: of the hundreds of thousands of entries of an
    // installed system, only the requirements the resolver makes up keep any.
    std::unique_ptr<std::vector<std::weak_ptr<Dependency>>> matched_;
    const Package* owner_;
};

std::ostream& operator<<(std::ostream& out, const Dependency& dependency);
