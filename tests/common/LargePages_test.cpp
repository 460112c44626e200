#include "common/LargePages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Requests of every size the pools make, across several pieces, one larger than
// a piece among them: each is aligned for any object and keeps what is written
// into it, whatever is handed out after it.
TEST(LargePages, PermanentRegionsAreAlignedAndNeverOverlap)
{
    const std::size_t sizes[] = {1, 16, 24, 65544, 1048592, 3 * 1024 * 1024, 40, 1500000};
    std::vector<std::pair<unsigned char*, std::size_t>> regions;
    for (int round = 0; round < 4; ++round) {
        for (const std::size_t size : sizes) {
            auto* memory = static_cast<unsigned char*>(LargePages::allocatePermanent(size));
            ASSERT_NE(memory, nullptr);
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(memory) % alignof(std::max_align_t), 0u) << size;
            std::memset(memory, static_cast<int>(regions.size() % 251), size);
            regions.emplace_back(memory, size);
        }
    }
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const auto& [memory, size] = regions[i];
        const auto expected = static_cast<unsigned char>(i % 251);
        const unsigned char* begin = memory;
        const unsigned char* end = begin + size;
        EXPECT_EQ(std::find_if(begin, end, [expected](unsigned char c) { return c != expected; }), end)
            << "region " << i << " of " << size << " bytes was overwritten";
    }
}

// Arrays below and above the threshold, as the indexes grow them: each is
// usable whole and given back without complaint (the address checker sees the
// matching free).
TEST(LargePages, AllocatorServesSmallAndLargeArrays)
{
    for (const std::size_t count : {std::size_t(1), std::size_t(1000), LargePages::threshold / 8 - 1,
                                    LargePages::threshold / 8, 3 * LargePages::threshold / 8 + 5}) {
        SCOPED_TRACE(count);
        std::vector<std::uint64_t, LargePages::Allocator<std::uint64_t>> items(count);
        for (std::size_t i = 0; i < count; ++i) items[i] = i * 7;
        if (count >= LargePages::threshold / 8) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(items.data()) % (2 * 1024 * 1024), 0u);
        }
        std::uint64_t sum = 0;
        for (const std::uint64_t item : items) sum += item;
        EXPECT_EQ(sum, 7 * (count * (count - 1) / 2));
    }
}

}  // namespace
