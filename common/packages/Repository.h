#pragma once

#include "common/packages/Dependency.h"
#include "common/packages/Package.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class PackagesProgress;
class Source;
class Version;

// Every package record the run knows: the installed packages, the packages of
// the product's sources and the dummy records of the resolver, with the indexes
// the resolver and the catalogue query (names, provides, conflicts, obsoletes
// and the requires graph).
//
// A repository lists records without owning them. Records handed over to
// `keep` (as every record the repository reads or makes is) stay valid until the
// process ends, however many repositories list them: the installation step's
// second, small repository lists records of the first, and lookups hand out
// plain pointers into the list.
//
// The indexes are rebuilt wholesale on their first use after the list changed,
// so adding thousands of records costs one rebuild. Each index is a separate
// object reached through a shared pointer and is replaced, never changed, once
// another holder could see it: a copy of a repository for a trial resolution
// can share every index it does not change.
//
// One thread at a time; lookups rebuild stale indexes inside const calls.
class Repository {
public:
    // How addFromCache treats a record that duplicates a listed one (the same
    // name, versions that compare equal and the same architecture text).
    enum dups_mode_t : int {
        dups_append = 0,               // no check: every record is appended
        dups_keep_existing = 1,        // the new record is dropped
        dups_replace_same_source = 2,  // replaces a duplicate of the same source only
        dups_replace_any = 3,          // replaces the first duplicate (any other value too)
    };

    using Records = std::vector<const Package*>;
    // A run of provides inside the provides index, valid while the index is:
    // until the repository's list changes.
    class Provides {
    public:
        Provides() = default;
        Provides(const DependencyPtr* begin, const DependencyPtr* end) : begin_(begin), end_(end) {}
        const DependencyPtr* begin() const { return begin_; }
        const DependencyPtr* end() const { return end_; }
        std::size_t size() const { return static_cast<std::size_t>(end_ - begin_); }
        bool empty() const { return begin_ == end_; }
        const DependencyPtr& operator[](std::size_t index) const { return begin_[index]; }

    private:
        const DependencyPtr* begin_ = nullptr;
        const DependencyPtr* end_ = nullptr;
    };

    // Selects the trial copy constructor.
    struct TrialCopy {};
    static constexpr TrialCopy trialCopy{};

    Repository();
    // A copy for a trial resolution, which the parent must not see change. It
    // lists the parent's records (their sources unchanged), purged records and
    // removers, and shares every index, built or stale, until it changes one
    // itself; the requires graph, and so the matched provides, are the parent's
    // until the copy's list changes. No source registers with the copy: the
    // sources belong to the parent, which must outlive the copy.
    Repository(const Repository& parent, TrialCopy);
    // Destroys no record; the sources still registered are told that the
    // repository is gone.
    ~Repository();
    Repository(const Repository&) = delete;
    Repository& operator=(const Repository&) = delete;

    // Hands a record over for the rest of the process and returns it.
    static Package* keep(std::unique_ptr<Package> record);

    // Marks every index stale.
    void invalidateCaches();
    // False, changing nothing, when this very record is listed already;
    // otherwise appends it with `source` as its origin. The record must live as
    // long as the process (one made by a reader, or given to `keep`).
    bool addPackage(Package* package, Source* source);
    // Keeps the new record and lists it; returns it.
    Package* addPackage(std::unique_ptr<Package> package, Source* source);
    // Reads records of the package cache format until the end of the stream,
    // gives each the kind `type` and the origin `source`, and lists them as
    // `mode` says. Records of the one stream are compared only with records
    // listed before the call. A malformed record or a termination request
    // raises; the records read before it stay listed.
    void addFromCache(std::FILE* stream, Package::type_t type, dups_mode_t mode, Source* source);
    // Drops every record that is not installed (kind 's').
    void removeNonSystemPackages();
    // Moves every record of kind 'z' out of the list into the purged set; they
    // are no longer found by any lookup.
    void purgeMarkedPackages();
    // The dummy record (kind 'd', version 0.0) that obsoletes `name`, made on the
    // first call for the pair and the same record afterwards. `arch` may be empty.
    const Package* addRemoverFor(const std::string& name, const std::string& arch);

    // The list in order of addition.
    const std::vector<Package*>& getPackages() const { return pkgList_; }
    const std::vector<Package*>& getPurgedPackages() const { return purged_; }
    bool isListed(const Package* package) const { return listed_.count(package) != 0; }

    // The registered sources, in the order of registration.
    const std::vector<Source*>& getSources() const { return sources_; }
    // Source::readBrief, or Source::readFull, of every registered source.
    void getBriefPackagesInfo();
    void getFullPackagesInfo();
    // Fetches the files of the packages whose sources need a download, as the
    // download stage of the progress status; reports each to `listener` (may be
    // null). A failing download raises and ends the loop.
    void downloadPackages(const std::vector<const Package*>& packages, PackagesProgress* listener);

    // The records of the name, newest addition first.
    const Records& findByName(const char* name) const;
    const Records& findByName(const std::string& name) const { return findByName(name.c_str()); }
    // The newest record of the name whose version compares equal and whose
    // architecture text is `arch`; null when none.
    const Package* findPackage(const char* name, const Version& version, const std::string& arch) const;
    // The record of the name with the highest version; of equal versions the one
    // added last. Null when none.
    const Package* findLatestByName(const std::string& name) const;
    // The same among the records `accept` accepts.
    const Package* findLatestMatching(const std::string& name, const Package::Predicate& accept) const;
    // The installed record (kind 's') of the name with the highest version; of
    // equal versions (one version installed for two architectures) the one added
    // last. Null when none.
    const Package* findInstalled(const char* name) const;
    const Package* findInstalled(const std::string& name) const { return findInstalled(name.c_str()); }

    // Every provide of a listed record with the dependency's name (a file's name
    // is its path), whatever its version, newest first: the provides of the
    // record listed last first, and of one record its last provide first.
    Provides getProviders(const Dependency& dependency) const;
    Provides getProviders(const DependencyPtr& dependency) const;
    // The owner with the highest version among the providers of exactly this name
    // (a path beginning with "/" names a file); of equal versions the one that
    // comes first in getProviders order. Null when none.
    const Package* findLatestProvider(const std::string& name) const;
    // The same among the installed providers (kind 's') only. Null when none.
    const Package* findInstalledProvider(const std::string& name) const;

    // The records `package` conflicts with, and those that conflict with it:
    // declared conflicts matched against provides, and files of the same path
    // with different content. A record never conflicts with itself.
    const Records& getConflicts(const Package* package) const;
    const Records& getConflictedBy(const Package* package) const;
    // Whether `package` conflicts with `other` (one direction).
    bool isConflicting(const Package* package, const Package* other) const;
    // The records `package` obsoletes (never one of its own name), and those that
    // obsolete it.
    const Records& getObsoletedBy(const Package* package) const;
    const Records& getObsoleters(const Package* package) const;

    // Matches every requirement of every listed record with the provides of
    // other records now. A requirement that one of the record's own provides
    // satisfies is deleted from the record.
    void resolveRequires();
    // The records whose requirements `package` satisfies, each once.
    const Records& getRequirers(const Package* package) const;
    // The owners of the provides matched with `package`'s requirements, once per
    // matched provide.
    const Records& getRequired(const Package* package) const;
    // Whether some requirement of `package` was matched with a provide of `other`.
    bool dependsOn(const Package* package, const Package* other) const;
    // The provides matched with a requirement of a listed record in the last
    // resolution, in the order found; empty past the end or when the provide no
    // longer exists. For a requirement this repository did not resolve (one the
    // resolver made up) the requirement's own matches are given.
    DependencyPtr getMatchedProvide(const Dependency* require, unsigned index) const;
    unsigned matchedProvideCount(const Dependency* require) const;
    // The last requirement of a record that is not installed that found no
    // provider in the last resolution; empty when there was none.
    DependencyPtr getUnresolvedRequire(const Package* package) const;

    // How many indexes this repository has built itself (a trial copy starts at
    // zero): what sharing the indexes saves shows here.
    unsigned indexRebuilds() const { return rebuilds_; }

private:
    friend class Source;

    struct NameIndex;
    struct ProvidesIndex;
    struct RelationIndex;
    struct RequiresIndex;

    // An index, shared with copies until one of them changes it, and whether it
    // must be rebuilt before its next use.
    template <class T>
    struct Lazy {
        std::shared_ptr<T> data;
        bool stale = true;
    };

    void registerSource(Source* source);
    void unregisterSource(Source* source);
    void append(Package* package);
    void removeListed(const std::vector<Package*>& removed);

    const NameIndex& names() const;
    const ProvidesIndex& provides() const;
    const RelationIndex& conflicts() const;
    const RelationIndex& obsoletes() const;
    const RequiresIndex& requiresGraph() const;
    void rebuildNames() const;
    void rebuildProvides() const;
    void rebuildConflicts() const;
    void rebuildObsoletes() const;
    void rebuildRequires() const;
    void addObsoletesOf(const Package* package, RelationIndex& index) const;

    std::vector<Package*> pkgList_;
    // The same records, for the "listed already" test.
    std::unordered_set<const Package*> listed_;
    std::vector<Source*> sources_;
    std::vector<Package*> purged_;
    std::unordered_map<std::string, Package*> removers_;

    mutable Lazy<NameIndex> names_;
    mutable Lazy<ProvidesIndex> provides_;
    mutable Lazy<RelationIndex> conflicts_;
    mutable Lazy<RelationIndex> obsoletes_;
    mutable Lazy<RequiresIndex> requires_;
    mutable unsigned rebuilds_ = 0;
};
