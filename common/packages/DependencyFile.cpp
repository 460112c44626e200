#include "common/packages/DependencyFile.h"

#include "common/StringPool.h"
#include "common/error.h"
#include "common/packages/BlockPool.h"
#include "common/packages/DigestText.h"

#include <cstring>
#include <ostream>
#include <string>

namespace {

constexpr std::size_t itemsPerBlock = 16384;

using FilePool = BlockPool<sizeof(DependencyFile), itemsPerBlock, false>;
using DigestPool = BlockPool<sizeof(DependencyFile::md5rep_t), itemsPerBlock, true>;

// Never destroyed: file dependencies of static records may outlive any static
// object of this file.
FilePool& filePool()
{
    static FilePool* const pool = new FilePool;
    return *pool;
}

DigestPool& digestPool()
{
    static DigestPool* const pool = new DigestPool;
    return *pool;
}

const char* emptyText()
{
    static const char* const text = StringPool::intern("");
    return text;
}

std::uint64_t identity(const char* pooled)
{
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(pooled));
}

// The files of a package arrive sorted by path, so most share the directory of
// the one before: that directory is remembered instead of being looked up in
// the pool again.
const char* internDirectory(const char* path, std::size_t length)
{
    thread_local const char* last = nullptr;
    thread_local std::size_t lastLength = 0;
    if (last && lastLength == length && std::memcmp(last, path, length) == 0) return last;
    last = StringPool::intern(std::string(path, length).c_str());
    lastLength = length;
    return last;
}

}  // namespace

void* DependencyFile::md5rep_t::operator new(std::size_t size)
{
    if (size != sizeof(md5rep_t)) throw KW_INTERNAL_ERROR();
    return digestPool().allocate();
}

void DependencyFile::md5rep_t::operator delete(void* pointer) noexcept
{
    digestPool().release(pointer);
}

void* DependencyFile::operator new(std::size_t size)
{
    if (size != sizeof(DependencyFile)) throw KW_INTERNAL_ERROR();
    return filePool().allocate();
}

void DependencyFile::operator delete(void* pointer) noexcept
{
    filePool().release(pointer);
}

DependencyFile::DependencyFile(const char* path, std::int32_t mode, const char* digest, const Package* owner)
    : Dependency(owner), mode_(mode), digest_(nullptr), linkText_(emptyText())
{
    const char* text = path ? path : "";
    const char* slash = std::strrchr(text, '/');
    if (slash) {
        directory_ = internDirectory(text, static_cast<std::size_t>(slash + 1 - text));
        fileName_ = StringPool::intern(slash + 1);
    } else {
        directory_ = emptyText();
        fileName_ = StringPool::intern(text);
    }
    setMD5(digest);
}

DependencyFile::DependencyFile(const Package* owner, const char* directory, const char* fileName, std::int32_t mode)
    : Dependency(owner), directory_(directory), fileName_(fileName), mode_(mode), digest_(nullptr),
      linkText_(emptyText())
{
}

DependencyFile::~DependencyFile()
{
    delete digest_;
}

void DependencyFile::setMD5(const char* text)
{
    if (!text || !*text) return;
    if (!isRegularFile()) {
        linkText_ = StringPool::intern(text);
        return;
    }
    unsigned char bytes[16];
    digestFromText(text, bytes);
    if (!digest_) digest_ = new md5rep_t;
    std::memcpy(digest_->bytes, bytes, sizeof bytes);
}

std::string DependencyFile::getDigestText() const
{
    return digest_ ? digestToText(digest_->bytes) : std::string(linkText_);
}

int DependencyFile::fileType() const
{
    switch (mode_ & 0xF000) {
    case 0x1000: return 1;
    case 0x2000: return 2;
    case 0x4000: return 4;
    case 0x6000: return 6;
    case 0xA000: return 10;
    case 0xC000: return 12;
    default: return 8;
    }
}

std::string DependencyFile::toString() const
{
    return std::string(directory_) + fileName_;
}

bool DependencyFile::intersects(const Dependency* other) const
{
    const auto* b = dynamic_cast<const DependencyFile*>(other);
    return b && directory_ == b->directory_ && fileName_ == b->fileName_;
}

std::uint64_t DependencyFile::hash() const
{
    const std::uint64_t d = identity(directory_);
    const std::uint64_t f = identity(fileName_);
    // XOR keeps the low bits of the pooled pointers (see DependencyLogical::hash).
    return ((d >> 11) ^ (d << 21)) * 5 + ((f >> 13) ^ (f << 19)) * 3;
}

bool DependencyFile::sameName(const Dependency* other) const
{
    return intersects(other);
}

bool DependencyFile::equals(const DependencyPtr& other) const
{
    return sameName(other.get());
}

DependencyPtr DependencyFile::clone() const
{
    return DependencyPtr(new DependencyFile(getOwner(), directory_, fileName_, 12345));
}

void DependencyFile::print(std::ostream& out) const
{
    out << directory_ << fileName_;
}
