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
#include <vector>

namespace {

constexpr std::size_t blockSize = 65536;

struct Entry {
    const char* text;
    std::size_t hash;
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

// Open addressing over one array of slots: reading an installed system pools
// hundreds of thousands of texts, and a node per text cost an allocation each.
class Index {
public:
    Index() : slots_(4096) {}

    // The slot that holds `text`, or the empty slot where it belongs.
    Entry& slotFor(const char* text, std::size_t hash)
    {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            Entry& slot = slots_[i];
            if (!slot.text || (slot.hash == hash && std::strcmp(slot.text, text) == 0)) return slot;
        }
    }

    // Fills the empty slot that slotFor gave; the slot is not valid afterwards.
    void fill(Entry& slot, const char* text, std::size_t hash)
    {
        slot = Entry{text, hash};
        // At most half full, so that probes stay short.
        if (++used_ * 2 > slots_.size()) grow();
    }

private:
    void grow()
    {
        std::vector<Entry> old(slots_.size() * 2);
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const Entry& entry : old) {
            if (!entry.text) continue;
            std::size_t i = entry.hash & mask;
            while (slots_[i].text) i = (i + 1) & mask;
            slots_[i] = entry;
        }
    }

    std::vector<Entry> slots_;
    std::size_t used_ = 0;
};

Index& index()
{
    static Index entries;
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
    Index& entries = index();
    Entry& slot = entries.slotFor(text, hash);
    if (slot.text) return slot.text;

    char* copy = allocate(length + 1);
    std::memcpy(copy, text, length + 1);
    entries.fill(slot, copy, hash);
    return copy;
}

const char* StringPool::find(const char* text)
{
    if (!text) throw KW_INTERNAL_ERROR();
    const std::size_t hash = hashOf(text, std::strlen(text));
    std::lock_guard<std::mutex> lock(poolMutex);
    return index().slotFor(text, hash).text;
}
