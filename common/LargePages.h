#pragma once

#include <cstddef>
#include <memory>

// Memory for the package model's bulk: the pools of records' dependencies and
// pooled texts, and the large arrays of the repository's indexes. It is taken
// in 2 MiB pieces that the kernel may back with large pages: one page fault a
// piece instead of one every 4 KiB. On a virtual machine a fault can cost more
// than filling the page does, and reading an installed system touches
// thousands of pages. Without large pages (switched off, or none free) the
// memory comes a small page at a time, as any other.
namespace LargePages {

// `bytes` of memory aligned for any object, valid until the process ends and
// never freed: for pools that never give anything back. Thread-safe; a process
// holds at most one piece more than it fills.
void* allocatePermanent(std::size_t bytes);

// Large arrays (from `threshold` bytes on) in whole pieces of their own, freed
// with them; smaller ones from the C library as usual.
constexpr std::size_t threshold = 1024 * 1024;
void* allocateLarge(std::size_t bytes);
void freeLarge(void* memory) noexcept;

// std::allocator, with large arrays from allocateLarge.
template <class T>
class Allocator {
public:
    using value_type = T;

    Allocator() = default;
    template <class U>
    Allocator(const Allocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        if (n * sizeof(T) < threshold) return std::allocator<T>().allocate(n);
        return static_cast<T*>(allocateLarge(n * sizeof(T)));
    }
    void deallocate(T* items, std::size_t n) noexcept
    {
        if (n * sizeof(T) < threshold)
            std::allocator<T>().deallocate(items, n);
        else
            freeLarge(items);
    }

    template <class U>
    bool operator==(const Allocator<U>&) const noexcept
    {
        return true;
    }
    template <class U>
    bool operator!=(const Allocator<U>&) const noexcept
    {
        return false;
    }
};

}  // namespace LargePages
