#include "common/packages/DependencyLogical.h"

#include "common/Log.h"
#include "common/StringPool.h"
#include "common/error.h"
#include "common/packages/BlockPool.h"
#include "common/packages/DebPackage.h"
#include "common/packages/DebVersion.h"
#include "common/packages/Package.h"

#include <cstring>
#include <functional>
#include <mutex>
#include <ostream>
#include <sstream>
#include <string_view>
#include <unordered_map>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool isOperator(char c) { return c == '<' || c == '=' || c == '>'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

struct Split {
    std::string_view name;
    DependencyLogical::Relation relation = DependencyLogical::none;
    std::string_view version;
};

// rpm's operators, with Debian's "<<" and ">>" understood everywhere.
bool rpmRelation(std::string_view op, DependencyLogical::Relation& relation)
{
    if (op == "=" || op == "==") relation = DependencyLogical::equal;
    else if (op == "<" || op == "<<") relation = DependencyLogical::less;
    else if (op == "<=" || op == "=<") relation = DependencyLogical::lessEqual;
    else if (op == ">=" || op == "=>") relation = DependencyLogical::greaterEqual;
    else if (op == ">" || op == ">>") relation = DependencyLogical::greater;
    else return false;
    return true;
}

// Debian's operators inside parentheses; dpkg reads the obsolete "<" and ">"
// as "<=" and ">=". rpm's "==", "=<" and "=>" are not Debian's: dpkg refuses them.
bool debianRelation(std::string_view op, DependencyLogical::Relation& relation)
{
    if (op == "==" || op == "=<" || op == "=>") return false;
    if (op == "<") relation = DependencyLogical::lessEqual;
    else if (op == ">") relation = DependencyLogical::greaterEqual;
    else return rpmRelation(op, relation);
    return true;
}

bool plausibleVersion(std::string_view version)
{
    if (version.empty()) return false;
    for (const char c : version)
        if (isBlank(c) || isOperator(c) || c == '(' || c == ')') return false;
    return true;
}

// Capability names such as "perl(Foo::Bar)" hold parentheses in pairs; an
// operator inside a pair ("font(:lang=en)") is part of the name.
bool balanced(std::string_view name)
{
    int depth = 0;
    for (const char c : name) {
        if (c == '(') ++depth;
        if (c == ')' && --depth < 0) return false;
    }
    return depth == 0;
}

// "name (op version)", the form of dpkg-query and of Debian's Depends. Like
// splitRpm, it fills `split` only when it answers true: the caller falls back
// on the whole text as a name, which must not inherit half a relation.
bool splitDebian(std::string_view text, Split& split)
{
    if (text.back() != ')') return false;
    const std::size_t open = text.rfind('(');
    if (open == std::string_view::npos) return false;
    const std::string_view name = trimmed(text.substr(0, open));
    if (name.empty() || !balanced(name)) return false;
    const std::string_view inside = trimmed(text.substr(open + 1, text.size() - open - 2));
    std::size_t opEnd = 0;
    while (opEnd < inside.size() && isOperator(inside[opEnd])) ++opEnd;
    const std::string_view version = trimmed(inside.substr(opEnd));
    DependencyLogical::Relation relation = DependencyLogical::none;
    if (!plausibleVersion(version) || !debianRelation(inside.substr(0, opEnd), relation)) return false;
    split = {name, relation, version};
    return true;
}

// "name op version", the form of rpm and of the package cache, whatever the
// blanks around the operator.
bool splitRpm(std::string_view text, Split& split)
{
    std::size_t versionStart = text.size();
    while (versionStart > 0 && !isBlank(text[versionStart - 1]) && !isOperator(text[versionStart - 1]))
        --versionStart;
    const std::string_view version = text.substr(versionStart);
    if (!plausibleVersion(version)) return false;
    std::size_t opEnd = versionStart;
    while (opEnd > 0 && isBlank(text[opEnd - 1])) --opEnd;
    std::size_t opStart = opEnd;
    while (opStart > 0 && isOperator(text[opStart - 1])) --opStart;
    const std::string_view name = trimmed(text.substr(0, opStart));
    if (name.empty() || !balanced(name)) return false;
    DependencyLogical::Relation relation = DependencyLogical::none;
    if (!rpmRelation(text.substr(opStart, opEnd - opStart), relation)) return false;
    split = {name, relation, version};
    return true;
}

bool isLessKind(DependencyLogical::Relation r) { return r == DependencyLogical::less || r == DependencyLogical::lessEqual; }
bool isGreaterKind(DependencyLogical::Relation r)
{
    return r == DependencyLogical::greater || r == DependencyLogical::greaterEqual;
}
bool includesEqual(DependencyLogical::Relation r)
{
    return r == DependencyLogical::equal || r == DependencyLogical::lessEqual || r == DependencyLogical::greaterEqual;
}

// A version as dpkg reads it, and whether it has a Debian revision (a "-" after
// the epoch).
std::string debianText(const Version& version, bool& hasRevision)
{
    std::string text;
    if (version.hasEpoch()) text = std::to_string(version.getEpoch()) + ":";
    text += version.getVersion();
    if (!version.getRelease().empty()) text += "-" + version.getRelease();
    const std::size_t colon = text.find(':');
    const std::size_t dash = text.rfind('-');
    // A revision needs an upstream version before its "-".
    const std::size_t upstreamStart = colon == std::string::npos ? 0 : colon + 1;
    hasRevision = dash != std::string::npos && dash > upstreamStart;
    return text;
}

// The order of two versions for a relation test: a missing epoch counts as 0 and
// a missing release (revision) on either side as equal. Debian versions compare
// by dpkg's order, whose parts cannot be compared one by one.
int compareForRelation(const Version& a, const Version& b)
{
    const bool debian = dynamic_cast<const DebVersion*>(&a) || dynamic_cast<const DebVersion*>(&b);
    if (!debian) {
        int result = a.cmpEpoch(b);
        if (result == 0) result = a.cmpVersion(b);
        if (result == 0 && !a.getRelease().empty() && !b.getRelease().empty()) result = a.cmpRelease(b);
        return result;
    }
    bool revisionA = false;
    bool revisionB = false;
    std::string textA = debianText(a, revisionA);
    std::string textB = debianText(b, revisionB);
    if (revisionA == revisionB) {
        if (dynamic_cast<const DebVersion*>(&a)) return a.compare(b);
        return -b.compare(a);
    }
    std::string& withRevision = revisionA ? textA : textB;
    withRevision.erase(withRevision.rfind('-'));
    // Neither text is empty: the cut keeps at least one byte of upstream version.
    return DebVersion(textA).compare(DebVersion(textB));
}

// Reading an installed system pools hundreds of thousands of names: short ones
// go through the stack, not the heap.
const char* internView(std::string_view text)
{
    char buffer[256];
    if (text.size() >= sizeof buffer) return StringPool::intern(std::string(text).c_str());
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return StringPool::intern(buffer);
}

// Every dependency starts with it: pooled once, not once per dependency.
const char* emptyName()
{
    static const char* const empty = StringPool::intern("");
    return empty;
}

}  // namespace

DependencyPtr DependencyLogical::create(const char* text, const Package* owner)
{
    return std::allocate_shared<DependencyLogical>(PoolAllocator<DependencyLogical>(), text, owner);
}

DependencyLogical::DependencyLogical(const char* text, const Package* owner)
    : Dependency(owner), name_(emptyName()), relation_(none)
{
    if (!text || trimmed(text).empty()) {
        std::ostringstream who;
        who << static_cast<const void*>(owner);
        if (owner) who << ' ' << *owner;
        Log(0, true) << "Error: empty data for dependency of package " << who.str();
        throw KW_INTERNAL_ERROR();
    }
    parse(text);
}

DependencyLogical::~DependencyLogical()
{
    if (ownsVersion_) delete version_;
}

void DependencyLogical::parse(const char* text)
{
    const std::string_view whole = trimmed(text ? text : "");
    if (whole.empty()) throw KW_INTERNAL_ERROR();
    Split split;
    if (!splitDebian(whole, split) && !splitRpm(whole, split)) split.name = whole;

    // The version first: a text it refuses leaves the dependency as it was.
    const Version* version = nullptr;
    if (split.relation != none) {
        char buffer[256];
        if (split.version.size() < sizeof buffer) {
            std::memcpy(buffer, split.version.data(), split.version.size());
            buffer[split.version.size()] = '\0';
            version = pooledVersion(buffer);
        } else {
            version = pooledVersion(std::string(split.version).c_str());
        }
    }
    name_ = internView(split.name);
    relation_ = split.relation;
    if (ownsVersion_) delete version_;
    version_ = version;
    ownsVersion_ = false;
}

bool DependencyLogical::debianOwner() const
{
    return dynamic_cast<const DebPackage*>(getOwner()) != nullptr;
}

std::unique_ptr<Version> DependencyLogical::makeVersion(const char* text) const
{
    if (debianOwner()) return std::make_unique<DebVersion>(text);
    return std::make_unique<Version>(text);
}

const Version* DependencyLogical::pooledVersion(const char* text) const
{
    // A whole installed system repeats few version texts among its tens of
    // thousands of versioned entries (a package's provides at its own
    // version): one object a text and form, like the pooled names, kept from a
    // map that is never destroyed.
    struct Key {
        const char* text;
        bool debian;
        bool operator==(const Key& other) const { return text == other.text && debian == other.debian; }
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const
        {
            return std::hash<const void*>()(key.text) * 2 + static_cast<std::size_t>(key.debian);
        }
    };
    static auto* const pool = new std::unordered_map<Key, const Version*, KeyHash>;
    static std::mutex mutex;

    const Key key{StringPool::intern(text), debianOwner()};
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto found = pool->find(key);
        if (found != pool->end()) return found->second;
    }
    // Made outside the lock: a text it refuses raises and pools nothing.
    std::unique_ptr<Version> made = makeVersion(text);
    const std::lock_guard<std::mutex> lock(mutex);
    const auto inserted = pool->emplace(key, made.get());
    if (inserted.second) made.release();
    return inserted.first->second;
}

std::string DependencyLogical::toString() const
{
    return name_;
}

bool DependencyLogical::intersects(const Dependency* other) const
{
    const auto* b = dynamic_cast<const DependencyLogical*>(other);
    if (!b || name_ != b->name_) return false;
    if (relation_ == none && b->relation_ == none) return true;
    if (!version_ || !b->version_) return true;

    const int order = compareForRelation(*version_, *b->version_);
    if (order < 0) return isGreaterKind(relation_) || isLessKind(b->relation_);
    if (order > 0) return isLessKind(relation_) || isGreaterKind(b->relation_);
    return (includesEqual(relation_) && includesEqual(b->relation_)) ||
           (isLessKind(relation_) && isLessKind(b->relation_)) ||
           (isGreaterKind(relation_) && isGreaterKind(b->relation_));
}

std::uint64_t DependencyLogical::hash() const
{
    // XOR, not OR: OR let the high bits of the pooled pointer swallow its low bits,
    // so names pooled next to each other collided in the resolver's hash sets.
    const auto n = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(name_));
    return ((n >> 11) ^ (n << 21)) * 5;
}

bool DependencyLogical::sameName(const Dependency* other) const
{
    const auto* b = dynamic_cast<const DependencyLogical*>(other);
    return b && name_ == b->name_;
}

bool DependencyLogical::equals(const DependencyPtr& other) const
{
    const auto* b = dynamic_cast<const DependencyLogical*>(other.get());
    if (!b || name_ != b->name_ || relation_ != b->relation_) return false;
    if (!version_ || !b->version_) return !version_ && !b->version_;
    return *version_ == *b->version_;
}

DependencyPtr DependencyLogical::clone() const
{
    std::unique_ptr<Version> version;
    // The copy keeps the order of the original.
    if (const auto* debian = dynamic_cast<const DebVersion*>(version_))
        version = std::make_unique<DebVersion>(*debian);
    else if (version_)
        version = std::make_unique<Version>(*version_);
    DependencyPtr copy(new DependencyLogical(getOwner(), name_, relation_, version.get()));
    static_cast<DependencyLogical&>(*copy).ownsVersion_ = version != nullptr;
    version.release();
    return copy;
}

DependencyLogical::DependencyLogical(const Package* owner, const char* name, Relation relation,
                                     const Version* version)
    : Dependency(owner), version_(version), name_(name), relation_(relation)
{
}

void DependencyLogical::print(std::ostream& out) const
{
    out << name_;
    if (!version_) return;
    if (relation_ == none) throw KW_INTERNAL_ERROR();
    out << relationText(relation_) << version_->toString();
}

const char* DependencyLogical::relationText(Relation relation)
{
    switch (relation) {
    case equal: return " = ";
    case less: return " < ";
    case lessEqual: return " <= ";
    case greaterEqual: return " >= ";
    case greater: return " > ";
    case none: break;
    }
    return "";
}
