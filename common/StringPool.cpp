#include "common/StringPool.h"

#include "common/LargePages.h"
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

// Texts are stored in blocks from the permanent large pages, which keep them
// valid through the destructors of other static objects and reachable for the
// leak checker.
char* freePosition = nullptr;
std::size_t freeBytes = 0;

char* newBlock(std::size_t bytes)
{
    return static_cast<char*>(LargePages::allocatePermanent(bytes));
}

// Each text is stored behind its place in the index: the next text of its
// bucket and its hash. Reading an installed system pools a hundred thousand
// texts; a separate array of slots, at most half full and copied at every
// growth, touched more memory than the texts themselves.
struct Node {
    Node* next;
    std::uint32_t hash;
};
constexpr std::size_t nodeAlignment = alignof(Node);
static_assert(sizeof(Node) % 4 == 0, "texts start 4-byte aligned");

char* textOf(Node* node) { return reinterpret_cast<char*>(node + 1); }

Node* allocateNode(std::size_t textBytes)
{
    const std::size_t bytes = (sizeof(Node) + textBytes + nodeAlignment - 1) & ~(nodeAlignment - 1);
    if (bytes > blockSize) {
        // A text longer than a block gets a block of its own; the current block
        // keeps serving the short texts.
        return reinterpret_cast<Node*>(newBlock(bytes));
    }
    if (freeBytes < bytes) {
        freePosition = newBlock(blockSize);
        freeBytes = blockSize;
    }
    Node* result = reinterpret_cast<Node*>(freePosition);
    freePosition += bytes;
    freeBytes -= bytes;
    return result;
}

// Buckets of chained nodes, at most two texts a bucket on average.
class Index {
public:
    Index() : buckets_(4096, nullptr) {}

    // The node of `text`, or null.
    Node* find(const char* text, std::uint32_t hash) const
    {
        for (Node* node = buckets_[hash & (buckets_.size() - 1)]; node; node = node->next)
            if (node->hash == hash && std::strcmp(textOf(node), text) == 0) return node;
        return nullptr;
    }

    void add(Node* node)
    {
        if (++used_ > 2 * buckets_.size()) grow();
        Node*& bucket = buckets_[node->hash & (buckets_.size() - 1)];
        node->next = bucket;
        bucket = node;
    }

private:
    void grow()
    {
        std::vector<Node*> old(buckets_.size() * 2, nullptr);
        old.swap(buckets_);
        const std::size_t mask = buckets_.size() - 1;
        for (Node* node : old) {
            while (node) {
                Node* next = node->next;
                Node*& bucket = buckets_[node->hash & mask];
                node->next = bucket;
                bucket = node;
                node = next;
            }
        }
    }

    std::vector<Node*> buckets_;
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

std::uint32_t hashOf(const char* text, std::size_t length)
{
    // Package names share long prefixes and suffixes; a full-byte hash spreads them
    // where boost::hash_range gave many collisions.
    const std::size_t full = std::hash<std::string_view>()(std::string_view(text, length));
    return static_cast<std::uint32_t>(full ^ (full >> 32));
}

}  // namespace

const char* StringPool::intern(const char* text)
{
    if (!text) throw KW_INTERNAL_ERROR();
    const std::size_t length = std::strlen(text);
    const std::uint32_t hash = hashOf(text, length);

    std::lock_guard<std::mutex> lock(poolMutex);
    Index& entries = index();
    if (Node* found = entries.find(text, hash)) return textOf(found);

    Node* node = allocateNode(length + 1);
    node->hash = hash;
    std::memcpy(textOf(node), text, length + 1);
    entries.add(node);
    return textOf(node);
}

const char* StringPool::find(const char* text)
{
    if (!text) throw KW_INTERNAL_ERROR();
    const std::uint32_t hash = hashOf(text, std::strlen(text));
    std::lock_guard<std::mutex> lock(poolMutex);
    Node* found = index().find(text, hash);
    return found ? textOf(found) : nullptr;
}
