#include "common/StringPool.h"

#include "common/error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <new>
#include <string_view>
#include <unordered_set>

namespace {

constexpr std::size_t blockSize = 65536;

struct Entry {
    const char* text;
    std::size_t hash;
};

struct EntryHash {
    std::size_t operator()(const Entry& entry) const { return entry.hash; }
};

struct EntryEqual {
    bool operator()(const Entry& a, const Entry& b) const
    {
        return a.hash == b.hash && std::strcmp(a.text, b.text) == 0;
    }
};

// Storage blocks are chained through their first bytes and the newest one is held
// by a plain global pointer: the texts stay valid through the destructors of other
// static objects, and the leak checker still sees every block as reachable.
struct Block {
    Block* previous;
};

Block* newestBlock = nullptr;
char* freePosition = nullptr;
std::size_t freeBytes = 0;

char* newBlock(std::size_t bytes)
{
    void* memory = std::malloc(sizeof(Block) + bytes);
    if (!memory) throw std::bad_alloc();
    Block* block = static_cast<Block*>(memory);
    block->previous = newestBlock;
    newestBlock = block;
    return reinterpret_cast<char*>(block + 1);
}

char* allocate(std::size_t bytes)
{
    if (bytes > blockSize) {
        // A text longer than a block gets a block of its own; the current block
        // keeps serving the short texts.
        return newBlock(bytes);
    }
    if (freeBytes < bytes) {
        freePosition = newBlock(blockSize);
        freeBytes = blockSize;
    }
    char* result = freePosition;
    std::size_t step = (bytes + 3) & ~static_cast<std::size_t>(3);
    if (step > freeBytes) step = freeBytes;
    freePosition += step;
    freeBytes -= step;
    return result;
}

std::unordered_set<Entry, EntryHash, EntryEqual>& index()
{
    static std::unordered_set<Entry, EntryHash, EntryEqual> entries = [] {
        std::unordered_set<Entry, EntryHash, EntryEqual> set(1024);
        set.max_load_factor(1.0f);
        return set;
    }();
    return entries;
}

// The package model interns from one thread at a time; the lock only makes a
// stray call from another thread (the web UI) harmless.
std::mutex poolMutex;

}  // namespace

namespace {

std::size_t hashOf(const char* text, std::size_t length)
{
    // Package names share long prefixes and suffixes; a full-byte hash spreads them
    // where boost::hash_range gave many collisions.
    return std::hash<std::string_view>()(std::string_view(text, length));
}

}  // namespace

const char* StringPool::intern(const char* text)
{
    if (!text) throw KW_INTERNAL_ERROR();
    const std::size_t length = std::strlen(text);
    const std::size_t hash = hashOf(text, length);

    std::lock_guard<std::mutex> lock(poolMutex);
    auto& entries = index();
    const auto found = entries.find(Entry{text, hash});
    if (found != entries.end()) return found->text;

    char* copy = allocate(length + 1);
    std::memcpy(copy, text, length + 1);
    entries.insert(Entry{copy, hash});
    return copy;
}

const char* StringPool::find(const char* text)
{
    if (!text) throw KW_INTERNAL_ERROR();
    const std::size_t hash = hashOf(text, std::strlen(text));
    std::lock_guard<std::mutex> lock(poolMutex);
    const auto& entries = index();
    const auto found = entries.find(Entry{text, hash});
    return found == entries.end() ? nullptr : found->text;
}
