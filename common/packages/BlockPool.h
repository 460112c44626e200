#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

// Fixed-size storage for the hundreds of thousands of small objects of the
// installed-file list: blocks of `Count` items are taken from the C library's
// allocator and never given back; a released item goes on a free list for the
// next request, so neither construction nor destruction touches the general
// allocator once a block is there. With `Zeroed`, every item handed out is
// zero-filled.
template <std::size_t Size, std::size_t Count, bool Zeroed>
class BlockPool {
public:
    void* allocate()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        void* item;
        if (free_) {
            item = free_;
            free_ = free_->next;
        } else {
            if (left_ == 0) newBlock();
            item = position_;
            position_ += itemSize;
            --left_;
        }
        if (Zeroed) std::memset(item, 0, itemSize);
        return item;
    }

    void release(void* item) noexcept
    {
        if (!item) return;
        const std::lock_guard<std::mutex> lock(mutex_);
        Free* entry = static_cast<Free*>(item);
        entry->next = free_;
        free_ = entry;
    }

private:
    struct Free {
        Free* next;
    };
    // Blocks are chained through their first bytes from a pool that is itself
    // never destroyed, so the leak checker sees them as reachable.
    struct Block {
        Block* previous;
    };
    static constexpr std::size_t alignment = alignof(std::max_align_t);
    static constexpr std::size_t itemSize =
        ((Size < sizeof(Free) ? sizeof(Free) : Size) + alignment - 1) / alignment * alignment;
    static constexpr std::size_t headerSize = (sizeof(Block) + alignment - 1) / alignment * alignment;

    void newBlock()
    {
        void* memory = std::malloc(headerSize + itemSize * Count);
        if (!memory) throw std::bad_alloc();
        Block* block = static_cast<Block*>(memory);
        block->previous = newest_;
        newest_ = block;
        position_ = static_cast<char*>(memory) + headerSize;
        left_ = Count;
    }

    std::mutex mutex_;
    Block* newest_ = nullptr;
    char* position_ = nullptr;
    std::size_t left_ = 0;
    Free* free_ = nullptr;
};
