#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

class Package;
class Repository;

// One origin of package records: the installed-package database, the product's
// update server, a mirror, a local directory, a cache file or the installed
// extensions. A source registers itself with one repository when it is made and
// feeds it records; the records carry a pointer to it.
//
// Reads happen once: readBrief loads the short record list, readFull the
// complete one (after the brief one). A read that raises is not marked done, so
// the next call tries again.
class Source {
public:
    // Registers with the repository (which must outlive the source, or tell it
    // when it goes first); priority 500.
    explicit Source(Repository* repository);
    // Unregisters, then takes the source's records out of the repository's list
    // (they stay valid, with no source).
    virtual ~Source();
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    // Fetches the file of one record of this source; the base does nothing.
    virtual void downloadPackage(const Package* package);
    // Whether records of this source must be downloaded before they can be
    // installed (the source is remote); the base says no.
    virtual bool needsDownload() const;
    // The same question under the name the product's sources use for it.
    bool isRemote() const { return needsDownload(); }
    // The base writes "Package_source_" and the source's number.
    virtual std::ostream& printName(std::ostream& out) const;
    // printName as a text.
    std::string name() const;

    void readBrief();
    void readFull();
    // Marks every listed record of this source to be purged and purges the
    // repository (records marked by others go with them).
    void dropPackages();
    // Drops the records and reads the brief list again; a full read is then due.
    void reload();
    // Repository::addPackage with this source as the origin.
    bool addPackage(Package* package);
    Package* addPackage(std::unique_ptr<Package> package);

    // Null once the repository is gone.
    Repository* getRepository() const { return repository_; }
    bool isBriefRead() const { return briefDone_; }
    bool isFullRead() const { return fullDone_; }
    std::int32_t getPriority() const { return priority_; }
    // The order in which sources were made, from 1.
    std::uint64_t getSequence() const { return sequence_; }

protected:
    // The repository, for the readers; its absence is an internal error.
    Repository& repository() const;
    // Reads the brief record list into the repository.
    virtual void loadBrief() = 0;
    // Reads the full record list into the repository.
    virtual void loadFull() = 0;

private:
    friend class Repository;

    Repository* repository_;
    bool briefDone_ = false;
    bool fullDone_ = false;
    std::int32_t priority_ = 500;
    std::uint64_t sequence_;
};

std::ostream& operator<<(std::ostream& out, const Source& source);
