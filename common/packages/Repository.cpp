#include "common/packages/Repository.h"

#include "common/LargePages.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/StringPool.h"
#include "common/error.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/PackagesProgress.h"
#include "common/packages/Source.h"
#include "common/packages/Version.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <mutex>
#include <optional>
#include <sstream>
#include <utility>

namespace {

const Repository::Records& noRecords()
{
    static const Repository::Records none;
    return none;
}

// The name a provide is found by: a capability's pooled name, or a file's pooled
// directory and file name. The two forms never meet: a capability has no second
// part, and a file always has one (an empty file name is the pooled "").
struct NameKey {
    const void* first;
    const void* second;
    bool operator==(const NameKey& other) const { return first == other.first && second == other.second; }
};

struct NameKeyHash {
    std::size_t operator()(const NameKey& key) const
    {
        const auto a = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(key.first));
        const auto b = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(key.second));
        std::uint64_t h = a * 0x9E3779B97F4A7C15ULL ^ b * 0xC2B2AE3D27D4EB4FULL;
        h ^= h >> 29;
        return static_cast<std::size_t>(h);
    }
};

NameKey keyOf(const Dependency& dependency)
{
    if (const auto* logical = dynamic_cast<const DependencyLogical*>(&dependency)) return {logical->getName(), nullptr};
    if (const auto* file = dynamic_cast<const DependencyFile*>(&dependency))
        return {file->getDirectory(), file->getFileName()};
    throw KW_INTERNAL_ERROR();
}

// The key of a name given as text, split the way a file dependency splits its
// path; nothing when a part was never pooled (then no record can have it). A
// lookup never adds to the pool.
std::optional<NameKey> keyOfName(const std::string& name)
{
    if (!name.empty() && name[0] == '/') {
        const std::size_t slash = name.rfind('/');
        const char* directory = StringPool::find(name.substr(0, slash + 1).c_str());
        const char* file = StringPool::find(name.c_str() + slash + 1);
        if (!directory || !file) return std::nullopt;
        return NameKey{directory, file};
    }
    const char* pooled = StringPool::find(name.c_str());
    if (!pooled) return std::nullopt;
    return NameKey{pooled, nullptr};
}

// Records without a version (none are read, but a caller can make one) order
// below every record with one.
int compareVersions(const Package* a, const Package* b)
{
    if (!a->hasVersion() || !b->hasVersion()) return int(a->hasVersion()) - int(b->hasVersion());
    return a->getVersion().compare(b->getVersion());
}

bool isDuplicate(const Package* a, const Package* b)
{
    return a->getName() == b->getName() && a->getArch() == b->getArch() && compareVersions(a, b) == 0;
}

struct PairHash {
    std::size_t operator()(const std::pair<const Package*, const Package*>& pair) const
    {
        return NameKeyHash()(NameKey{pair.first, pair.second});
    }
};

// A one-to-many relation between records, each pair at most once, the records of
// one key in the order they were added.
class RelationMap {
public:
    // False when the pair was there already.
    bool add(const Package* from, const Package* to)
    {
        if (!pairs_.emplace(from, to).second) return false;
        ranges_[from].push_back(to);
        return true;
    }
    bool contains(const Package* from, const Package* to) const { return pairs_.count({from, to}) != 0; }
    const Repository::Records& range(const Package* from) const
    {
        const auto found = ranges_.find(from);
        return found == ranges_.end() ? noRecords() : found->second;
    }

private:
    std::unordered_map<const Package*, Repository::Records> ranges_;
    std::unordered_set<std::pair<const Package*, const Package*>, PairHash> pairs_;
};

// The large arrays of the indexes, in large pages once they are large.
template <class T>
using LargeArray = std::vector<T, LargePages::Allocator<T>>;

// Where a key is noted in an open-addressing table of indexes plus one (0 is
// an empty slot), or the empty slot where it belongs.
template <class Matches>
std::size_t slotIn(const LargeArray<std::uint32_t>& slots, std::size_t hash, Matches matches)
{
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask)
        if (slots[i] == 0 || matches(slots[i] - 1)) return i;
}

// A table at most half full for `count` keys.
std::size_t slotCountFor(std::size_t count)
{
    if (count >= std::numeric_limits<std::uint32_t>::max() / 2) throw KW_INTERNAL_ERROR();
    std::size_t slots = 16;
    while (slots < 2 * count) slots *= 2;
    return slots;
}

// Provider to requirer, each pair once, the requirers of one provider in the
// order they were added. The requires graph is built requirer by requirer, so
// a pair can only repeat while its requirer is the last one added for the
// provider: no set of every pair is needed.
class RequirerMap {
public:
    void add(const Package* provider, const Package* requirer)
    {
        Repository::Records& requirers = ranges_[provider];
        if (requirers.empty() || requirers.back() != requirer) requirers.push_back(requirer);
    }
    const Repository::Records& range(const Package* provider) const
    {
        const auto found = ranges_.find(provider);
        return found == ranges_.end() ? noRecords() : found->second;
    }

private:
    std::unordered_map<const Package*, Repository::Records> ranges_;
};

// Makes the index the repository's own before it is changed in place: a copy of
// the repository may share it.
template <class T>
T& own(std::shared_ptr<T>& data)
{
    if (!data)
        data = std::make_shared<T>();
    else if (data.use_count() > 1)
        data = std::make_shared<T>(*data);
    return *data;
}

std::mutex& keptMutex()
{
    static std::mutex* const mutex = new std::mutex;
    return *mutex;
}

// Never destroyed: records outlive every repository and every static object, and
// the leak checker sees them reachable from here.
std::vector<Package*>& keptRecords()
{
    static std::vector<Package*>* const records = new std::vector<Package*>;
    return *records;
}

}  // namespace

struct Repository::NameIndex {
    // Newest addition first.
    std::unordered_map<const char*, Records> byName;
};

// Every provide of the listed records in one array, those of one name side by
// side, the provide added last first; an open-addressing table leads from a name
// to its run. A whole installed system has a hundred thousand provides: a map
// with a list per name cost two allocations a name and twice the memory.
struct Repository::ProvidesIndex {
    struct Run {
        NameKey key;
        std::uint32_t begin;
        std::uint32_t size;
    };
    LargeArray<DependencyPtr> entries;
    LargeArray<Run> runs;
    LargeArray<std::uint32_t> slots;

    std::size_t slotOf(const NameKey& key) const
    {
        return slotIn(slots, NameKeyHash()(key), [this, &key](std::uint32_t run) { return runs[run].key == key; });
    }

    Provides find(const NameKey& key) const
    {
        if (slots.empty()) return Provides();
        const std::uint32_t slot = slots[slotOf(key)];
        if (slot == 0) return Provides();
        const Run& run = runs[slot - 1];
        const DependencyPtr* first = entries.data() + run.begin;
        return Provides(first, first + run.size);
    }
};

struct Repository::RelationIndex {
    RelationMap forward;
    RelationMap reverse;
};

struct Repository::RequiresIndex {
    // Every requirement of a listed record, with its run of matched provides;
    // it holds the requirement, so that the address names no other dependency
    // while the index exists. A record lists each of its entries once, so an
    // address names one requirement.
    struct Requirement {
        DependencyPtr require;
        std::uint32_t begin;
        std::uint32_t size;
    };
    LargeArray<Requirement> requirements;
    LargeArray<std::weak_ptr<Dependency>> matched;
    LargeArray<std::uint32_t> slots;
    // Requirer to the owner of each matched provide (a pair can repeat).
    std::unordered_map<const Package*, Records> required;
    // Provider to requirer, each pair once.
    RequirerMap requirers;
    std::unordered_map<const Package*, DependencyPtr> unresolved;

    static std::size_t hashOf(const Dependency* require) { return NameKeyHash()(NameKey{require, nullptr}); }

    const Requirement* find(const Dependency* require) const
    {
        if (slots.empty()) return nullptr;
        const std::uint32_t slot = slots[slotIn(slots, hashOf(require), [this, require](std::uint32_t index) {
            return requirements[index].require.get() == require;
        })];
        return slot == 0 ? nullptr : &requirements[slot - 1];
    }
};

Repository::Repository() = default;

// Sharing an index is safe because every change in place goes through own(),
// and every rebuild makes a new index object.
Repository::Repository(const Repository& parent, TrialCopy)
    : pkgList_(parent.pkgList_),
      listed_(parent.listed_),
      purged_(parent.purged_),
      removers_(parent.removers_),
      names_(parent.names_),
      provides_(parent.provides_),
      conflicts_(parent.conflicts_),
      obsoletes_(parent.obsoletes_),
      requires_(parent.requires_)
{
}

Repository::~Repository()
{
    for (Source* source : sources_) source->repository_ = nullptr;
}

Package* Repository::keep(std::unique_ptr<Package> record)
{
    if (!record) throw KW_INTERNAL_ERROR();
    const std::lock_guard<std::mutex> lock(keptMutex());
    keptRecords().push_back(record.get());
    return record.release();
}

void Repository::invalidateCaches()
{
    // A stale index is never read again: its memory, and the provides it holds,
    // go now rather than at the next rebuild.
    names_ = {};
    provides_ = {};
    conflicts_ = {};
    obsoletes_ = {};
    requires_ = {};
}

void Repository::append(Package* package)
{
    pkgList_.push_back(package);
    listed_.insert(package);
}

void Repository::removeListed(const std::vector<Package*>& removed)
{
    if (removed.empty()) return;
    const std::unordered_set<const Package*> gone(removed.begin(), removed.end());
    pkgList_.erase(std::remove_if(pkgList_.begin(), pkgList_.end(),
                                  [&gone](const Package* package) { return gone.count(package) != 0; }),
                   pkgList_.end());
    for (const Package* package : removed) listed_.erase(package);
}

bool Repository::addPackage(Package* package, Source* source)
{
    if (!package) throw KW_INTERNAL_ERROR();
    if (isListed(package)) return false;
    package->setSource(source);
    append(package);
    invalidateCaches();
    return true;
}

Package* Repository::addPackage(std::unique_ptr<Package> package, Source* source)
{
    Package* record = keep(std::move(package));
    addPackage(record, source);
    return record;
}

void Repository::addFromCache(std::FILE* stream, Package::type_t type, dups_mode_t mode, Source* source)
{
    if (!stream) throw KW_INTERNAL_ERROR();
    // However the read ends, the next lookup sees the records listed by then.
    struct InvalidateAtEnd {
        Repository& repository;
        ~InvalidateAtEnd() { repository.invalidateCaches(); }
    } invalidateAtEnd{*this};

    // The duplicates are looked for among the records listed before the call
    // only: the index is not updated while the stream is read.
    std::shared_ptr<NameIndex> before;
    std::unordered_map<const Package*, std::size_t> positions;
    if (mode != dups_append) {
        rebuildNames();
        before = names_.data;
        positions.reserve(pkgList_.size());
        for (std::size_t i = 0; i < pkgList_.size(); ++i) positions[pkgList_[i]] = i;
    }

    unsigned lineCounter = 0;
    for (;;) {
        int c;
        while ((c = std::getc(stream)) != EOF && std::isspace(c)) {
        }
        if (c == EOF) break;
        std::ungetc(c, stream);
        Progress::checkTermination();
        std::unique_ptr<Package> record = Package::createFromCache(stream, lineCounter);
        record->setType(static_cast<char>(type));
        record->setSource(source);
        if (mode == dups_append) {
            append(keep(std::move(record)));
            continue;
        }

        const Package* duplicate = nullptr;
        const auto entries = before->byName.find(record->getName());
        if (entries != before->byName.end()) {
            for (const Package* listed : entries->second) {
                // A record replaced earlier in this stream is no longer listed.
                if (!isListed(listed) || !isDuplicate(listed, record.get())) continue;
                if (mode == dups_replace_same_source && listed->getSource() != source) continue;
                duplicate = listed;
                break;
            }
        }
        if (!duplicate) {
            append(keep(std::move(record)));
            continue;
        }
        if (mode == dups_keep_existing) continue;

        // The new record takes the old one's place; whoever holds the old record
        // sees the complete dependency lists through it.
        const std::size_t position = positions.at(duplicate);
        Package* old = pkgList_[position];
        Package* fresh = keep(std::move(record));
        old->replaceDependencies(*fresh);
        pkgList_[position] = fresh;
        listed_.erase(old);
        listed_.insert(fresh);
        positions.erase(old);
        positions[fresh] = position;
    }
}

void Repository::removeNonSystemPackages()
{
    std::vector<Package*> removed;
    for (Package* package : pkgList_)
        if (package->getType() != Package::typeSystem) removed.push_back(package);
    removeListed(removed);
    invalidateCaches();
}

void Repository::purgeMarkedPackages()
{
    std::vector<Package*> marked;
    for (Package* package : pkgList_)
        if (package->getType() == Package::typePurge) marked.push_back(package);
    if (marked.empty()) return;
    removeListed(marked);
    purged_.insert(purged_.end(), marked.begin(), marked.end());
    // A purged record must not be found again: the indexes still list it.
    invalidateCaches();
}

const Package* Repository::addRemoverFor(const std::string& name, const std::string& arch)
{
    const std::string key = arch.empty() ? name : name + "_" + arch;
    const auto found = removers_.find(key);
    // A remover that was dropped or purged since is made anew.
    if (found != removers_.end() && isListed(found->second)) return found->second;

    auto record = std::make_unique<Package>(("dummy_obsoleter_" + key).c_str(), std::string("0.0"));
    record->setType(static_cast<char>(Package::typeDummy));
    record->setFileName("dummy_remover_for_" + key);
    if (!arch.empty()) record->setArchRaw(arch);
    record->addObsolete(name.c_str());
    Package* remover = keep(std::move(record));
    append(remover);

    // The remover requires, provides and conflicts with nothing: only the name
    // index and the obsolete maps learn of it, in place, so that the resolver's
    // other indexes stay valid.
    if (!names_.stale) {
        Records& same = own(names_.data).byName[remover->getName()];
        same.insert(same.begin(), remover);
    }
    if (!obsoletes_.stale) addObsoletesOf(remover, own(obsoletes_.data));

    const std::string shown = arch.empty() ? name : name + ":" + arch;
    Log(3, true) << "addRemoverFor: add package for obsolete " << shown;
    removers_[key] = remover;
    return remover;
}

void Repository::registerSource(Source* source)
{
    sources_.push_back(source);
}

void Repository::unregisterSource(Source* source)
{
    sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
}

void Repository::getBriefPackagesInfo()
{
    Log(1, true) << "repository: Get brief packages info for all sources";
    // A read may register or drop sources; each source still registered is read once.
    const std::vector<Source*> sources = sources_;
    for (Source* source : sources)
        if (std::find(sources_.begin(), sources_.end(), source) != sources_.end()) source->readBrief();
}

void Repository::getFullPackagesInfo()
{
    Log(1, true) << "repository: Get full packages info for all sources";
    const std::vector<Source*> sources = sources_;
    for (Source* source : sources)
        if (std::find(sources_.begin(), sources_.end(), source) != sources_.end()) source->readFull();
}

void Repository::downloadPackages(const std::vector<const Package*>& packages, PackagesProgress* listener)
{
    const auto needsDownload = [](const Package* package) {
        return package && package->getSource() && package->getSource()->needsDownload();
    };
    const auto count = std::count_if(packages.begin(), packages.end(), needsDownload);
    Progress::stage(3, static_cast<int>(count));
    for (const Package* package : packages) {
        Progress::checkTermination();
        if (!needsDownload(package)) continue;
        Progress::step("download", Messages::get("download_file") + package->getName());
        package->getSource()->downloadPackage(package);
        if (listener) listener->set_progress(1, package->getName());
    }
}

const Repository::NameIndex& Repository::names() const
{
    if (names_.stale) rebuildNames();
    return *names_.data;
}

const Repository::ProvidesIndex& Repository::provides() const
{
    if (provides_.stale) rebuildProvides();
    return *provides_.data;
}

const Repository::RelationIndex& Repository::conflicts() const
{
    if (conflicts_.stale) rebuildConflicts();
    return *conflicts_.data;
}

const Repository::RelationIndex& Repository::obsoletes() const
{
    if (obsoletes_.stale) rebuildObsoletes();
    return *obsoletes_.data;
}

const Repository::RequiresIndex& Repository::requiresGraph() const
{
    if (requires_.stale) rebuildRequires();
    return *requires_.data;
}

void Repository::rebuildNames() const
{
    Log(2, true) << " (update package names cache) ";
    ++rebuilds_;
    auto fresh = std::make_shared<NameIndex>();
    fresh->byName.reserve(pkgList_.size());
    for (const Package* package : pkgList_) fresh->byName[package->getName()].push_back(package);
    for (auto& entry : fresh->byName) std::reverse(entry.second.begin(), entry.second.end());
    names_.data = std::move(fresh);
    names_.stale = false;
}

void Repository::rebuildProvides() const
{
    Log(2, true) << "Regenerate packages provides cache.";
    ++rebuilds_;
    auto fresh = std::make_shared<ProvidesIndex>();
    std::size_t count = 0;
    for (const Package* package : pkgList_) count += package->getProvides().size();
    fresh->slots.assign(slotCountFor(count), 0);

    // First the runs and their sizes, remembering each provide's run; then each
    // run filled from its end, so that the provide added last comes first.
    // Room for a run a provide: pages never written are never taken.
    fresh->runs.reserve(count);
    std::vector<std::uint32_t> runOf;
    runOf.reserve(count);
    for (const Package* package : pkgList_) {
        Progress::checkTermination();
        for (const DependencyPtr& provide : package->getProvides()) {
            const NameKey key = keyOf(*provide);
            std::uint32_t& slot = fresh->slots[fresh->slotOf(key)];
            if (slot == 0) {
                fresh->runs.push_back({key, 0, 0});
                slot = static_cast<std::uint32_t>(fresh->runs.size());
            }
            ++fresh->runs[slot - 1].size;
            runOf.push_back(slot - 1);
        }
    }
    std::uint32_t end = 0;
    for (ProvidesIndex::Run& run : fresh->runs) {
        end += run.size;
        run.begin = end;
    }
    fresh->entries.resize(count);
    std::size_t next = 0;
    for (const Package* package : pkgList_)
        for (const DependencyPtr& provide : package->getProvides())
            fresh->entries[--fresh->runs[runOf[next++]].begin] = provide;
    provides_.data = std::move(fresh);
    provides_.stale = false;
}

void Repository::rebuildConflicts() const
{
    Log(2, true) << "(regen conflicts cache) ";
    ++rebuilds_;
    auto fresh = std::make_shared<RelationIndex>();
    const ProvidesIndex& cache = provides();
    for (const Package* c : pkgList_) {
        for (const DependencyPtr& conflict : c->getConflicts()) {
            for (const DependencyPtr& provide : cache.find(keyOf(*conflict))) {
                if (!conflict->intersects(provide.get())) continue;
                const Package* q = provide->getOwner();
                // A package may conflict with a name it provides itself (the
                // virtual package idiom); it never conflicts with itself.
                if (q == c) continue;
                if (fresh->forward.add(c, q)) fresh->reverse.add(q, c);
            }
        }
        for (const DependencyPtr& provide : c->getProvides()) {
            const auto* file = dynamic_cast<const DependencyFile*>(provide.get());
            if (!file || file->isDirectory()) continue;
            for (const DependencyPtr& same : cache.find(keyOf(*file))) {
                const auto* other = dynamic_cast<const DependencyFile*>(same.get());
                if (!other) throw KW_INTERNAL_ERROR();
                const Package* q = other->getOwner();
                // Another version of the same package replaces the file; the same
                // package for another architecture shares it.
                if (q->getName() == c->getName() && (q->getArch() == c->getArch() || compareVersions(q, c) == 0))
                    continue;
                if (fresh->forward.contains(c, q)) continue;
                if (file->getDigestText() == other->getDigestText() && file->getLinkText() == other->getLinkText())
                    continue;
                std::ostringstream path;
                file->print(path);
                Log(3, true) << "Warning: packages conflict by files detected: package " << c
                             << "\n  conflict with package " << q << "\n  both have file " << path.str()
                             << " with different md5 sum.";
                fresh->forward.add(c, q);
                fresh->reverse.add(q, c);
            }
        }
    }
    conflicts_.data = std::move(fresh);
    conflicts_.stale = false;
}

void Repository::addObsoletesOf(const Package* package, RelationIndex& index) const
{
    const ProvidesIndex& cache = provides();
    for (const DependencyPtr& obsolete : package->getObsoletes()) {
        for (const DependencyPtr& provide : cache.find(keyOf(*obsolete))) {
            if (!obsolete->intersects(provide.get())) continue;
            const Package* q = provide->getOwner();
            // An upgrade is no obsoletion.
            if (q->getName() == package->getName()) continue;
            if (index.forward.add(package, q)) index.reverse.add(q, package);
        }
    }
}

void Repository::rebuildObsoletes() const
{
    Log(2, true) << "(regen obsoletes cache) ";
    ++rebuilds_;
    auto fresh = std::make_shared<RelationIndex>();
    for (const Package* package : pkgList_) addObsoletesOf(package, *fresh);
    obsoletes_.data = std::move(fresh);
    obsoletes_.stale = false;
}

void Repository::rebuildRequires() const
{
    Log(3, true) << "Resolve requires dependencies in repository.";
    ++rebuilds_;
    auto fresh = std::make_shared<RequiresIndex>();
    const ProvidesIndex& cache = provides();
    std::vector<DependencyPtr> candidates;
    std::ostringstream text;
    for (Package* h : pkgList_) {
        Progress::checkTermination();
        unsigned index = 0;
        while (index < h->getRequires().size()) {
            const DependencyPtr require = h->getRequires()[index];
            candidates.clear();
            bool ownProvide = false;
            for (const DependencyPtr& provide : cache.find(keyOf(*require))) {
                if (!require->intersects(provide.get())) continue;
                const Package* owner = provide->getOwner();
                if (owner == h) {
                    ownProvide = true;
                    break;
                }
                // Another version of the package itself is no provider.
                if (owner->getName() != h->getName()) candidates.push_back(provide);
            }
            if (ownProvide) {
                // The package satisfies it itself: the requirement is dropped for
                // good, and the next one takes its index.
                h->removeRequire(index);
                continue;
            }
            ++index;
            // Every requirement of a listed record answers from here, an
            // unresolved one with no matches.
            if (fresh->matched.size() + candidates.size() >= std::numeric_limits<std::uint32_t>::max())
                throw KW_INTERNAL_ERROR();
            fresh->requirements.push_back({require, static_cast<std::uint32_t>(fresh->matched.size()),
                                           static_cast<std::uint32_t>(candidates.size())});
            if (candidates.empty()) {
                text.str(std::string());
                require->print(text);
                const std::string printed = text.str();
                if (Dependency::isArtificial(printed.c_str())) continue;
                Log(1, true) << "Warning: unresolved requires '" << printed << "' from " << h;
                if (h->getType() != Package::typeSystem) fresh->unresolved[h] = require;
                continue;
            }
            Records& required = fresh->required[h];
            for (const DependencyPtr& provide : candidates) {
                fresh->matched.emplace_back(provide);
                required.push_back(provide->getOwner());
                fresh->requirers.add(provide->getOwner(), h);
            }
        }
    }
    fresh->slots.assign(slotCountFor(fresh->requirements.size()), 0);
    for (std::size_t i = 0; i < fresh->requirements.size(); ++i) {
        const Dependency* require = fresh->requirements[i].require.get();
        // Each address once: every slot on the way is another requirement's.
        const std::size_t slot =
            slotIn(fresh->slots, RequiresIndex::hashOf(require), [](std::uint32_t) { return false; });
        fresh->slots[slot] = static_cast<std::uint32_t>(i + 1);
    }
    requires_.data = std::move(fresh);
    requires_.stale = false;
}

void Repository::resolveRequires()
{
    rebuildRequires();
}

const Repository::Records& Repository::findByName(const char* name) const
{
    if (!name) return noRecords();
    // An unknown name is never pooled: a lookup must not grow memory.
    const char* pooled = StringPool::find(name);
    if (!pooled) return noRecords();
    const NameIndex& index = names();
    const auto found = index.byName.find(pooled);
    return found == index.byName.end() ? noRecords() : found->second;
}

const Package* Repository::findPackage(const char* name, const Version& version, const std::string& arch) const
{
    for (const Package* package : findByName(name))
        if (package->hasVersion() && package->getVersion().compare(version) == 0 && arch == package->getArch())
            return package;
    return nullptr;
}

const Package* Repository::findLatestByName(const std::string& name) const
{
    const Package* latest = nullptr;
    for (const Package* package : findByName(name))
        if (!latest || compareVersions(package, latest) > 0) latest = package;
    return latest;
}

const Package* Repository::findLatestMatching(const std::string& name, const Package::Predicate& accept) const
{
    const Package* latest = nullptr;
    for (const Package* package : findByName(name))
        if (accept(package) && (!latest || compareVersions(package, latest) > 0)) latest = package;
    return latest;
}

const Package* Repository::findInstalled(const char* name) const
{
    const Package* latest = nullptr;
    for (const Package* package : findByName(name))
        if (package->getType() == Package::typeSystem && (!latest || compareVersions(package, latest) > 0))
            latest = package;
    return latest;
}

Repository::Provides Repository::getProviders(const Dependency& dependency) const
{
    return provides().find(keyOf(dependency));
}

Repository::Provides Repository::getProviders(const DependencyPtr& dependency) const
{
    if (!dependency) return Provides();
    return getProviders(*dependency);
}

const Package* Repository::findLatestProvider(const std::string& name) const
{
    const Package* latest = nullptr;
    const std::optional<NameKey> key = keyOfName(name);
    if (!key) return nullptr;
    for (const DependencyPtr& provide : provides().find(*key)) {
        const Package* owner = provide->getOwner();
        if (!latest || compareVersions(owner, latest) > 0) latest = owner;
    }
    return latest;
}

const Package* Repository::findInstalledProvider(const std::string& name) const
{
    const Package* latest = nullptr;
    const std::optional<NameKey> key = keyOfName(name);
    if (!key) return nullptr;
    for (const DependencyPtr& provide : provides().find(*key)) {
        const Package* owner = provide->getOwner();
        if (owner->getType() != Package::typeSystem) continue;
        if (!latest || compareVersions(owner, latest) > 0) latest = owner;
    }
    return latest;
}

const Repository::Records& Repository::getConflicts(const Package* package) const
{
    return conflicts().forward.range(package);
}

const Repository::Records& Repository::getConflictedBy(const Package* package) const
{
    return conflicts().reverse.range(package);
}

bool Repository::isConflicting(const Package* package, const Package* other) const
{
    return conflicts().forward.contains(package, other);
}

const Repository::Records& Repository::getObsoletedBy(const Package* package) const
{
    return obsoletes().forward.range(package);
}

const Repository::Records& Repository::getObsoleters(const Package* package) const
{
    return obsoletes().reverse.range(package);
}

const Repository::Records& Repository::getRequirers(const Package* package) const
{
    return requiresGraph().requirers.range(package);
}

const Repository::Records& Repository::getRequired(const Package* package) const
{
    const RequiresIndex& graph = requiresGraph();
    const auto found = graph.required.find(package);
    return found == graph.required.end() ? noRecords() : found->second;
}

bool Repository::dependsOn(const Package* package, const Package* other) const
{
    const Records& required = getRequired(package);
    return std::find(required.begin(), required.end(), other) != required.end();
}

DependencyPtr Repository::getMatchedProvide(const Dependency* require, unsigned index) const
{
    if (!require) return DependencyPtr();
    const RequiresIndex& graph = requiresGraph();
    const RequiresIndex::Requirement* found = graph.find(require);
    // A made-up requirement carries its own matches.
    if (!found) return require->getMatchedProvide(index);
    return index < found->size ? graph.matched[found->begin + index].lock() : DependencyPtr();
}

unsigned Repository::matchedProvideCount(const Dependency* require) const
{
    if (!require) return 0;
    const RequiresIndex& graph = requiresGraph();
    const RequiresIndex::Requirement* found = graph.find(require);
    if (!found) return require->matchedProvideCount();
    return found->size;
}

DependencyPtr Repository::getUnresolvedRequire(const Package* package) const
{
    const RequiresIndex& graph = requiresGraph();
    const auto found = graph.unresolved.find(package);
    return found == graph.unresolved.end() ? DependencyPtr() : found->second;
}
