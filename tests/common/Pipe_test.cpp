#include "common/Pipe.h"

#include "common/error.h"
#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

TEST(Pipe, CarriesBytesFromTheInEndToTheOutEnd)
{
    Pipe pipe;
    ASSERT_NE(pipe.in(), pipe.out());
    ASSERT_EQ(write(pipe.in(), "abc", 3), 3);
    char buffer[4] = {};
    ASSERT_EQ(read(pipe.out(), buffer, sizeof buffer), 3);
    EXPECT_STREQ(buffer, "abc");
}

TEST(Pipe, BothEndsAreCloseOnExec)
{
    Pipe pipe;
    EXPECT_TRUE(fcntl(pipe.out(), F_GETFD) & FD_CLOEXEC);
    EXPECT_TRUE(fcntl(pipe.in(), F_GETFD) & FD_CLOEXEC);
}

TEST(Pipe, ClosingTheInEndGivesTheReaderEndOfFile)
{
    Pipe pipe;
    pipe.closeIn();
    EXPECT_FALSE(pipe.inOpen());
    char c;
    EXPECT_EQ(read(pipe.out(), &c, 1), 0);
    pipe.closeIn();  // a second close does nothing
}

TEST(Pipe, AClosedEndCannotBeUsed)
{
    Pipe pipe;
    const int out = pipe.out();
    pipe.closeOut();
    EXPECT_EQ(fcntl(out, F_GETFD), -1);
    expectError([&] { pipe.out(); }, {3, 2, 1, 3}, "Pipe: out() end is already closed\n");
    pipe.closeIn();
    EXPECT_THROW(pipe.in(), error);
}

TEST(Pipe, AReleasedEndIsLeftToItsNewOwner)
{
    int in;
    {
        Pipe pipe;
        in = pipe.releaseIn();
        EXPECT_FALSE(pipe.inOpen());
    }
    EXPECT_NE(fcntl(in, F_GETFD), -1);
    EXPECT_EQ(close(in), 0);
}

}  // namespace
