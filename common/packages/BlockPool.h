#pragma once

#include "common/LargePages.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

// Fixed-size storage for the hundreds of thousands of small objects of the
// installed-file list: blocks of up to `Count` items are taken from the
// permanent large pages (LargePages) and never given back; a released item goes
// on a free list for the next request, so neither construction nor destruction
// touches the general allocator once a block is there. With `Zeroed`, every item handed out is
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
    static constexpr std::size_t alignment = alignof(std::max_align_t);
    static constexpr std::size_t itemSize =
        ((Size < sizeof(Free) ? sizeof(Free) : Size) + alignment - 1) / alignment * alignment;
    // A quarter MiB at a time, so that blocks fill the large pages they come
    // from evenly; never more than `Count` items.
    static constexpr std::size_t blockItems =
        std::min(Count, std::max<std::size_t>(1, 256 * 1024 / itemSize));

    // The permanent large pages keep every block reachable for the leak checker.
    void newBlock()
    {
        position_ = static_cast<char*>(LargePages::allocatePermanent(itemSize * blockItems));
        left_ = blockItems;
    }

    std::mutex mutex_;
    char* position_ = nullptr;
    std::size_t left_ = 0;
    Free* free_ = nullptr;
};

// An allocator for std::allocate_shared that takes single objects (the shared
// record of a dependency with its count) from one never-destroyed BlockPool per
// type: reading an installed system makes a hundred thousand of them at once.
template <class T>
class PoolAllocator {
public:
    using value_type = T;

    PoolAllocator() = default;
    template <class U>
    PoolAllocator(const PoolAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        if (n != 1) return static_cast<T*>(::operator new(n * sizeof(T)));
        return static_cast<T*>(pool().allocate());
    }
    void deallocate(T* item, std::size_t n) noexcept
    {
        if (n != 1) {
            ::operator delete(item);
            return;
        }
        pool().release(item);
    }

    template <class U>
    bool operator==(const PoolAllocator<U>&) const noexcept
    {
        return true;
    }
    template <class U>
    bool operator!=(const PoolAllocator<U>&) const noexcept
    {
        return false;
    }

private:
    static_assert(alignof(T) <= alignof(std::max_align_t), "pool items are aligned for max_align_t only");

    static BlockPool<sizeof(T), 16384, false>& pool()
    {
        static auto* const items = new BlockPool<sizeof(T), 16384, false>;
        return *items;
    }
};
