#pragma once

#include "common/packages/Action.h"
#include "common/packages/Dependency.h"
#include "common/packages/Version.h"

#include <cstdint>
#include <cstdio>
#include <iosfwd>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Source;
class TiXmlElement;
namespace xmlbind {
class Element;
}

// One package known to the system: in the product catalogue, installed, offered
// by the operating system's repositories, from the extension catalogue, or a
// dummy record. Records are made by their readers and then passed around as
// pointers to constant records; RPMPackage, DebPackage and ExtCatalogPackage are
// its forms.
class Package {
public:
    // The one-letter kind of a record.
    typedef std::int32_t type_t;
    static constexpr type_t typeNone = 'n';        // a new record without a kind
    static constexpr type_t typeBuild = 'b';       // from a build information file
    static constexpr type_t typeThirdparty = 't';  // its thirdparty section
    static constexpr type_t typeSystem = 's';      // installed
    static constexpr type_t typeUpdates = 'u';     // offered by the system's repositories
    static constexpr type_t typeDummy = 'd';       // stands for something else
    static constexpr type_t typeExtension = 'e';   // from the extension catalogue
    static constexpr type_t typePurge = 'z';       // to be purged from the repository

    // A filter over records for repository lookups; its forms live with their users.
    class Predicate {
    public:
        virtual ~Predicate();
        virtual bool operator()(const Package* package) const = 0;
    };

    // Kind 'n', empty architecture, everything else zero, empty or null.
    Package(const char* name, std::unique_ptr<Version> version);
    // With a plain Version of the text.
    Package(const char* name, const std::string& versionText);
    virtual ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    // An RPMPackage for a file name ending in ".rpm", a DebPackage for ".deb";
    // anything else raises `error` with unset codes. The file name is stored.
    static std::unique_ptr<Package> createFromFile(const char* name, const std::string& versionText,
                                                   const std::string& fileName);
    // A record from a catalogue "package" element; kind 'e' gives an
    // ExtCatalogPackage. A missing required attribute raises err_bad_pkgtag.
    static std::unique_ptr<Package> createFromXml(const xmlbind::Element& element, type_t kind);
    // Reads one record of the package cache format, up to and including its "X"
    // line; `lineCounter` counts every line read. Refusals raise `error`
    // (1,1,1,3) with the err_cache_* keys.
    static std::unique_ptr<Package> createFromCache(std::FILE* stream, unsigned& lineCounter);
    // Writes the record in the package cache format (with `fileName` on its F line
    // when given) and flushes. 0 on success, also when the record is skipped
    // (kind 'n', no name or no file name); EOF when a write or the flush failed.
    int dump(std::FILE* stream, const char* fileName = nullptr) const;

    // The version; a record without one raises the null-pointer error.
    virtual const Version& getVersion() const;
    bool hasVersion() const { return version_ != nullptr; }
    void setVersion(std::unique_ptr<Version> version);
    // Whether the dependency intersects one of the provides (not the self-provide).
    virtual bool anyProvide(const Dependency& dependency) const;
    // Fills the record from its package file; the forms that can do it replace this.
    virtual void readInfo();
    // A file dependency for a text beginning with "/", else a relation; owned by
    // this record.
    virtual DependencyPtr createDependency(const char* text) const;

    // Pooled: equal names are equal pointers.
    const char* getName() const { return name_; }
    type_t getType() const { return type_; }
    void setType(char type) { type_ = static_cast<unsigned char>(type); }
    // Pooled; empty after construction.
    const char* getArch() const { return arch_; }
    // An empty text stores "noarch".
    void setArch(const std::string& arch);
    // Stores the text as it is, without the "noarch" rule.
    void setArchRaw(const std::string& arch);

    std::int64_t getBuildTime() const { return buildTime_; }
    void setBuildTime(std::int64_t time) { buildTime_ = time; }
    void setBuildTime(const std::string& time);
    std::int64_t getInstallTime() const { return installTime_; }
    void setInstallTime(std::int64_t time) { installTime_ = time; }
    std::int64_t getSize() const { return size_; }
    void setSize(std::int64_t size) { size_ = size; }
    void setSize(const std::string& size);

    // 16 bytes, all zero while no digest is set.
    const unsigned char* getMD5() const { return md5_; }
    // From 32 or 64 hexadecimal digits; null or empty clears it.
    void setMD5(const char* text);
    std::string getMD5String() const;

    // The file name; when none is set it first becomes name-[epoch:]version (or
    // name-(no version)).
    const std::string& getFileName() const;
    void setFileName(const std::string& fileName) { fileName_ = fileName; }

    TiXmlElement* getOriginElement() const { return origin_; }
    void setOriginElement(TiXmlElement* element) { origin_ = element; }
    Source* getSource() const { return source_; }
    void setSource(Source* source) { source_ = source; }

    // The order in which records were made, process-wide, from 1: ties between
    // records are broken by it, never by their addresses, so that two runs over
    // the same input decide the same way.
    std::uint64_t getSequence() const { return sequence_; }
    struct BySequence {
        bool operator()(const Package* a, const Package* b) const { return a->getSequence() < b->getSequence(); }
    };

    const std::map<std::string, std::string>& getProperties() const { return properties_; }
    // Empty when the key is absent.
    std::string getProperty(const std::string& key) const;
    void setProperty(const std::string& key, const std::string& value);
    // The expression with each "[key]" of a set property replaced by its value.
    // Values are inserted as they are and never expanded again; references to
    // unset properties stay.
    std::string evaluateString(const std::string& expression) const;

    const std::vector<Action*>& getActions() const { return actions_; }
    void addAction(Action* action) { actions_.push_back(action); }

    const std::set<std::string>& getClassSet() const { return classes_; }
    void addClass(const std::string& name) { classes_.insert(name); }
    // Joined with ",".
    std::string getClasses() const;

    // Nothing for a null or empty text. addRequire drops texts beginning with
    // "rpmlib(", which are satisfied by rpm itself.
    void addRequire(const char* text);
    void addProvide(const char* text);
    void addConflict(const char* text);
    void addObsolete(const char* text);
    // Appends a dependency made elsewhere (owned by this record).
    void addProvide(const DependencyPtr& provide);
    // Appends those, in order, with one allocation, and empties `provides`: a
    // reader that gathers a record's provides first keeps the list exactly as
    // large as it needs to be.
    void addProvides(std::vector<DependencyPtr>& provides);
    // Empty past the end; callers walk from 0 until the result is empty.
    DependencyPtr getRequire(unsigned index) const;
    DependencyPtr getProvide(unsigned index) const;
    DependencyPtr getConflict(unsigned index) const;
    DependencyPtr getObsolete(unsigned index) const;
    const std::vector<DependencyPtr>& getRequires() const { return requires_; }
    const std::vector<DependencyPtr>& getProvides() const { return provides_; }
    const std::vector<DependencyPtr>& getConflicts() const { return conflicts_; }
    const std::vector<DependencyPtr>& getObsoletes() const { return obsoletes_; }
    // Keeps the order of the others; nothing past the end.
    void removeRequire(unsigned index);
    void clearDependencies();
    // This record's lists become the other's (the same shared entries).
    void replaceDependencies(const Package& other);
    // The relation "name = version" of the record itself, made on first use.
    DependencyPtr selfProvide() const;
    // For extension-catalogue records read from XML: the dependency children of
    // the origin element, and the self-provide when the record has a file or actions.
    void parseRequires();

    // From the package file: its modification time as install time, its digest
    // and its size.
    void readFileInfo();
    // Whether the file's digest is the record's; false when it cannot be read.
    bool matchesFileMD5(const std::string& path) const;

    // name[-version][.arch]: how a record appears in every log line.
    void print(std::ostream& out) const;

protected:
    // For the forms that read a record's identity from its package file.
    void setName(const char* name);

private:
    const char* name_;
    std::unique_ptr<Version> version_;
    type_t type_ = typeNone;
    const char* arch_;
    std::int64_t buildTime_ = 0;
    unsigned char md5_[16] = {};
    mutable std::string fileName_;
    std::int64_t installTime_ = 0;
    std::int64_t size_ = 0;
    TiXmlElement* origin_ = nullptr;
    std::map<std::string, std::string> properties_;
    std::vector<Action*> actions_;
    std::vector<DependencyPtr> requires_;
    std::vector<DependencyPtr> provides_;
    std::vector<DependencyPtr> conflicts_;
    std::vector<DependencyPtr> obsoletes_;
    std::set<std::string> classes_;
    Source* source_ = nullptr;
    mutable DependencyPtr selfProvide_;
    std::uint64_t sequence_;
};

std::ostream& operator<<(std::ostream& out, const Package& package);
// The same for a record pointer, so that `Log(3, true) << package` shows the
// record, not its address; a null pointer shows as "(no package)".
std::ostream& operator<<(std::ostream& out, const Package* package);
// Each record printed and followed by a blank, as the log lines of package lists
// show them; "(empty)" for none.
std::string packageListText(const std::vector<const Package*>& packages);
