#include "common/LargePages.h"

#include <sys/mman.h>

#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>

namespace {

constexpr std::size_t piece = 2 * 1024 * 1024;
constexpr std::size_t alignment = alignof(std::max_align_t);

std::size_t wholePieces(std::size_t bytes) { return (bytes + piece - 1) / piece * piece; }

void* newPieces(std::size_t bytes)
{
    void* memory = std::aligned_alloc(piece, bytes);
    if (!memory) throw std::bad_alloc();
    // Only advice: the kernel may have no large page free, or none at all.
    ::madvise(memory, bytes, MADV_HUGEPAGE);
    return memory;
}

// Every permanent piece stays listed here, so that the leak checker sees them,
// and what they point to, as reachable.
std::vector<void*>& permanentPieces()
{
    static auto* const pieces = new std::vector<void*>;
    return *pieces;
}

char* position = nullptr;
std::size_t left = 0;
std::mutex mutex;

char* newPermanentPieces(std::size_t bytes)
{
    void* memory = newPieces(bytes);
    permanentPieces().push_back(memory);
    return static_cast<char*>(memory);
}

}  // namespace

void* LargePages::allocatePermanent(std::size_t bytes)
{
    bytes = (bytes + alignment - 1) / alignment * alignment;
    const std::lock_guard<std::mutex> lock(mutex);
    if (bytes > piece / 2) {
        // Large enough for pieces of its own; the current piece keeps serving
        // the smaller requests.
        return newPermanentPieces(wholePieces(bytes));
    }
    if (left < bytes) {
        position = newPermanentPieces(piece);
        left = piece;
    }
    char* result = position;
    position += bytes;
    left -= bytes;
    return result;
}

void* LargePages::allocateLarge(std::size_t bytes)
{
    return newPieces(wholePieces(bytes));
}

void LargePages::freeLarge(void* memory) noexcept
{
    std::free(memory);
}
