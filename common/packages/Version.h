#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

// A package version: epoch, upstream version and release, ordered the way rpm
// orders two packages. DebVersion derives from it and orders by dpkg's rules;
// callers compare through the virtual `compare`, so the left-hand operand's
// dynamic type chooses the scheme.
class Version {
public:
    // "[epoch:]version[-release]": the release starts at the first "-" after the
    // first byte, so it may itself hold "-" and ":". An empty (or null) text
    // raises `error` err_empty_version.
    explicit Version(const char* text);
    explicit Version(const std::string& text);
    // Epoch 0 without epoch, empty version and release.
    Version();
    // Copies the fields only: a copy made through this type is a plain Version.
    Version(const Version& other);
    Version& operator=(const Version& other);
    virtual ~Version();

    // The parts of `compare`; each gives -1, 0 or 1.
    virtual int cmpEpoch(const Version& other) const;
    virtual int cmpVersion(const Version& other) const;
    virtual int cmpRelease(const Version& other) const;
    // Negative, zero or positive as this version is lower than, equal to or
    // higher than `other`; only the sign counts.
    virtual int compare(const Version& other) const;
    // rpm's segment comparison of two version or release texts (null counts as
    // empty); -1, 0 or 1.
    virtual int cmpPart(const char* a, const char* b) const;

    bool operator==(const Version& other) const { return compare(other) == 0; }
    bool operator<(const Version& other) const { return compare(other) < 0; }
    bool operator>(const Version& other) const { return compare(other) > 0; }

    // "epoch:" when the text carried an epoch (0 included), then the version or
    // "no_versioning_data" when it is empty; never the release.
    std::string getEpochVersion() const;
    // getEpochVersion, then "-release" when there is a release.
    std::string toString() const;
    void print(std::ostream& out) const;
    // 0 after setting the release; -1, leaving it unchanged, for a null or empty text.
    int setRelease(const char* release);

    std::int64_t getEpoch() const { return epoch_; }
    bool hasEpoch() const { return hasEpoch_; }
    const std::string& getVersion() const { return version_; }
    const std::string& getRelease() const { return release_; }

protected:
    // Called after the fields changed once the object was made, so that a form
    // that keeps a reading of them (DebVersion) can renew it.
    virtual void fieldsChanged() {}

private:
    void parse(const char* text);

    std::int64_t epoch_ = 0;
    bool hasEpoch_ = false;
    std::string version_;
    std::string release_;
};

std::ostream& operator<<(std::ostream& out, const Version& version);
