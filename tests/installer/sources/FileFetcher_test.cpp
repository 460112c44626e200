#include "installer/sources/FileFetcher.h"

#include "common/md5.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <fstream>

namespace {

void writeFile(const std::string& path, const std::string& content)
{
    boost::filesystem::create_directories(boost::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

}  // namespace

// A local source is read where it lies: nothing is copied to the target
// directory, the offset sits between the source directory and the path, and the
// digest is checked on the file in place.
TEST(FileFetcher, LocalSourceUsesTheFileInPlace)
{
    TempDir source;
    TempDir target;
    writeFile(source.path() + "/release/a:b.inf3", "<catalogue/>");
    const std::string digest = md5String("<catalogue/>");

    FileFetcher fetcher(SourceUrl(source.path()), target.path());
    fetcher.setSubdirsOffset("release");
    fetcher.setSubdirsOffset("");
    EXPECT_EQ(fetcher.getSubdirsOffset(), "release/");

    const std::string expected = source.path() + "/release/a:b.inf3";
    EXPECT_EQ(fetcher.getFile("a:b.inf3"), expected);
    EXPECT_EQ(fetcher.getFile("a:b.inf3", digest), expected);
    EXPECT_EQ(fetcher.getFile("a:b.inf3", digest, "elsewhere.inf3"), expected);
    EXPECT_TRUE(boost::filesystem::is_empty(target.path()));

    // A copy keeps the source, offset and target.
    FileFetcher copy(fetcher);
    EXPECT_EQ(copy.getFile("a:b.inf3"), expected);
    EXPECT_EQ(copy.getTargetDirectory(), target.path() + "/");
}

TEST(FileFetcher, LocalSourceFailuresNameTheFileInTheSource)
{
    TempDir source;
    TempDir target;
    writeFile(source.path() + "/products.inf3", "changed");
    boost::filesystem::create_directories(source.path() + "/directory");
    const std::string wrong = md5String("original");
    FileFetcher fetcher(SourceUrl(source.path()), target.path());

    expectError([&] { fetcher.getFile("missing.inf3"); }, {4, 2, 1, 1},
                "The file " + source.path() + "/missing.inf3 was not found.\n");
    expectError([&] { fetcher.getFile("directory"); }, {4, 2, 1, 1},
                "The file " + source.path() + "/directory was not found.\n");
    expectError([&] { fetcher.getFile("products.inf3", wrong); }, {4, 1, 1, 2},
                "The MD5 checksum of the " + source.path() +
                    "/products.inf3 file does not match the value specified in the configuration file. Expected: " +
                    wrong + ", actual: " + md5String("changed") + ".\n");
}
