#include "common/md5.h"

#include "tests/common/CommandOutput.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <random>

namespace {

std::string writeFile(const std::string& path, std::size_t size)
{
    std::mt19937 random(static_cast<unsigned>(size));
    std::string content(size, '\0');
    for (char& c : content) c = static_cast<char>(random());
    std::ofstream(path, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
    return content;
}

std::string md5sumOf(const std::string& path)
{
    int status = 0;
    const std::string line = commandOutput("md5sum '" + path + "'", &status);
    EXPECT_EQ(status, 0);
    return line.substr(0, 32);
}

TEST(Md5, RfcTestSuite)
{
    struct Case {
        const char* text;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(md5String(c.text), c.digest);
    }
}

TEST(Md5, FilesAgreeWithMd5sum)
{
    TempDir dir;
    const std::size_t sizes[] = {0, 1, 55, 56, 63, 64, 65, 8191, 8192, 8193, 3 * 1024 * 1024 + 17};
    for (std::size_t size : sizes) {
        SCOPED_TRACE(size);
        const std::string path = dir.path() + "/file-" + std::to_string(size);
        writeFile(path, size);
        const std::string expected = md5sumOf(path);
        ASSERT_EQ(expected.size(), 32u);
        EXPECT_EQ(getFileMd5(path), expected);

        char buffer[33];
        EXPECT_EQ(md5File(path, buffer), buffer);
        EXPECT_EQ(std::string(buffer), expected);

        char* allocated = md5File(path);
        ASSERT_NE(allocated, nullptr);
        EXPECT_EQ(std::string(allocated), expected);
        std::free(allocated);
    }
}

TEST(Md5, PiecesOfAnySizeGiveTheSameDigest)
{
    std::string message;
    for (int i = 0; i < 1000; ++i) message += static_cast<char>(i * 7);
    const std::string whole = md5String(message);
    const std::uint32_t pieceSizes[] = {1, 3, 63, 64, 65, 127, 500};
    for (std::uint32_t piece : pieceSizes) {
        SCOPED_TRACE(piece);
        Md5Context context;
        md5Init(&context);
        for (std::size_t at = 0; at < message.size(); at += piece) {
            const std::uint32_t count = static_cast<std::uint32_t>(std::min<std::size_t>(piece, message.size() - at));
            md5Update(&context, message.data() + at, count);
        }
        char digest[33];
        md5HexDigest(&context, digest);
        EXPECT_EQ(whole, digest);
        // The finished context holds nothing of the message any more.
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&context);
        for (std::size_t i = 0; i < sizeof context; ++i) ASSERT_EQ(bytes[i], 0) << i;
    }
}

TEST(Md5, DigestsAreLowerCaseHex)
{
    for (int i = 0; i < 200; ++i) {
        const std::string digest = md5String(std::to_string(i));
        ASSERT_EQ(digest.size(), 32u);
        ASSERT_EQ(digest.find_first_not_of("0123456789abcdef"), std::string::npos) << digest;
    }
}

TEST(Md5, UnreadableFilesHaveNoDigest)
{
    TempDir dir;
    errno = 0;
    EXPECT_EQ(md5File(dir.path() + "/missing"), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(getFileMd5(dir.path() + "/missing"), "");

    // A directory opens but cannot be read: no digest of "nothing read".
    EXPECT_EQ(md5File(dir.path()), nullptr);
    EXPECT_EQ(errno, EISDIR);
    EXPECT_EQ(getFileMd5(dir.path()), "");

    if (::geteuid() != 0) {
        const std::string path = dir.path() + "/secret";
        writeFile(path, 10);
        ASSERT_EQ(::chmod(path.c_str(), 0), 0);
        EXPECT_EQ(getFileMd5(path), "");
    }
}

}  // namespace
