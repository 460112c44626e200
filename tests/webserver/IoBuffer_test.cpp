#include "webserver/IoBuffer.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(IoBuffer, GrowsOnDemandUpToItsLimit)
{
    IoBuffer io(10000);
    EXPECT_TRUE(io.hasSpace());
    std::size_t appended = 0;
    while (io.spaceLen() > 0) {
        const std::size_t n = std::min<std::size_t>(io.spaceLen(), 3000);
        std::memset(io.space(), 'a', n);
        io.incHead(n);
        appended += n;
    }
    EXPECT_EQ(10000u, appended);
    EXPECT_EQ(10000u, io.total);
    EXPECT_FALSE(io.hasSpace());
    io.incTail(4000);
    EXPECT_TRUE(io.hasSpace());
    EXPECT_EQ(4000u, io.spaceLen()); // compacted
    EXPECT_EQ(6000u, io.dataLen());
}

TEST(IoBuffer, ConsumingEverythingEmptiesIt)
{
    IoBuffer io(64);
    std::memcpy(io.space(), "abcdef", 6);
    io.incHead(6);
    io.incTail(2);
    EXPECT_EQ("cdef", std::string(io.data(), io.dataLen()));
    io.incTail(4);
    EXPECT_EQ(0u, io.dataLen());
    io.clear();
    EXPECT_EQ(0u, io.total);
}

TEST(IoBuffer, ReserveAllKeepsTheData)
{
    IoBuffer io(1 << 20);
    std::memcpy(io.space(), "xyz", 3);
    io.incHead(3);
    io.incTail(1);
    io.reserveAll();
    EXPECT_EQ((1u << 20) - 2, io.spaceLen());
    EXPECT_EQ("yz", std::string(io.data(), io.dataLen()));
}

TEST(IoBufferDeathTest, AppendBeyondTheSpaceStops)
{
    IoBuffer io(16);
    io.space();
    EXPECT_DEATH(io.incHead(io.spaceLen() + 1), "buffer invariant broken");
}
