// The server's small helpers and its loopback socket pair.

#include "webserver/kwhttpd_internal.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

TEST(Util, CopyBoundedAlwaysTerminates)
{
    char dst[4];
    copy_bounded(dst, "abcdef", sizeof dst);
    EXPECT_STREQ("abc", dst);
    copy_bounded(dst, "x", sizeof dst);
    EXPECT_STREQ("x", dst);
}

TEST(Util, FormatBounded)
{
    char buf[5];
    EXPECT_EQ(4u, format_bounded(buf, sizeof buf, "%d", 123456));
    EXPECT_STREQ("1234", buf);
    EXPECT_EQ(2u, format_bounded(buf, sizeof buf, "%s", "ab"));
    EXPECT_EQ(0u, format_bounded(buf, 0, "%s", "ab"));
}

TEST(Util, CompareNocase)
{
    EXPECT_EQ(0, compare_nocase("Content-Length", "content-LENGTH", 14));
    EXPECT_EQ(0, compare_nocase("abcX", "ABCy", 3));
    EXPECT_NE(0, compare_nocase("abc", "abd", 3));
    EXPECT_NE(0, compare_nocase("a", "b", 0)); // 0 compares the first characters
}

TEST(Util, MatchExtensionList)
{
    const struct {
        const char* path;
        bool match;
    } cases[] = {{"/x/a.cgi", true}, {"/x/a.PL", true}, {"/x/a.php5", false}, {"/x/acgi", false}, {"cgi", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.match, match_extension_list(c.path, "cgi, pl,,php"));
    }
}

TEST(Util, OptionListsSplitAtBlanksAndCommas)
{
    EXPECT_EQ((std::vector<std::string>{"80", "8447s", "x=y"}), split_option_list(" 80,, 8447s ,x=y,"));
    EXPECT_TRUE(split_option_list(nullptr).empty());
}

TEST(Util, SocketPairIsConnectedNonBlockingAndCloseOnExec)
{
    int pair[2];
    ASSERT_EQ(0, kwhttpd_socketpair(pair));
    for (const int fd : pair) {
        EXPECT_TRUE(fcntl(fd, F_GETFL) & O_NONBLOCK);
        EXPECT_TRUE(fcntl(fd, F_GETFD) & FD_CLOEXEC);
    }
    ASSERT_EQ(5, write(pair[1], "hello", 5));
    char buf[8];
    ssize_t n = -1;
    while ((n = read(pair[0], buf, sizeof buf)) < 0 && errno == EAGAIN) {
        pollfd p{pair[0], POLLIN, 0};
        poll(&p, 1, 5000);
    }
    EXPECT_EQ("hello", std::string(buf, static_cast<std::size_t>(n)));
    close(pair[0]);
    close(pair[1]);
}
