#include "installer/sources/FileFetcher.h"

#include "common/md5.h"
#include "installer/sources/http_error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/HttpTestServer.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/sources/DownloadTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <sys/stat.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

void writeFile(const std::string& path, const std::string& content) { writeTestFile(path, content); }

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

namespace {

// A remote source served from `source`, downloading into `target`.
class RemoteFetcherTest : public ::testing::Test {
protected:
    RemoteFetcherTest()
    {
        processOptions();
        writeFile(source.path() + "/release/products.inf3", content);
    }

    const std::string content = "<catalogue>" + std::string(5000, 'z') + "</catalogue>";
    const std::string digest = md5String(content);
    TempDir source;
    TempDir target;
    QuickDownloads quick;
};

bool isSymlink(const std::string& path)
{
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace

// The file arrives below the target directory under the offset, its digest
// checked, through a ".tmp" file that is gone afterwards; with the digest known
// and the file present, nothing is downloaded again.
TEST_F(RemoteFetcherTest, FileArrivesInTheTargetWithItsDigestChecked)
{
    HttpTestServer server(source.path());
    FileFetcher fetcher(SourceUrl(server.baseUrl()), target.path());
    fetcher.setSubdirsOffset("release");
    const std::string expected = target.path() + "/release/products.inf3";

    EXPECT_EQ(fetcher.getFile("products.inf3", digest), expected);
    EXPECT_EQ(readFile(expected), content);
    EXPECT_FALSE(boost::filesystem::exists(expected + ".tmp"));
    EXPECT_EQ(fetcher.getFile("products.inf3", digest), expected);
    EXPECT_THAT(server.requests(), ElementsAre("GET /release/products.inf3"));

    // Without a digest the file is always fetched again.
    EXPECT_EQ(fetcher.getFile("products.inf3"), expected);
    EXPECT_EQ(server.requests().size(), 2u);
}

TEST_F(RemoteFetcherTest, StaleFileIsReplacedByTheNewOne)
{
    HttpTestServer server(source.path());
    writeFile(target.path() + "/copy.inf3", "stale");
    FileFetcher fetcher(SourceUrl(server.baseUrl()), target.path());
    EXPECT_EQ(fetcher.getFile("release/products.inf3", digest, "copy.inf3"), target.path() + "/copy.inf3");
    EXPECT_EQ(readFile(target.path() + "/copy.inf3"), content);
}

// A download whose digest differs names the ".tmp" file and leaves the old file
// at the result path as it was.
TEST_F(RemoteFetcherTest, WrongDigestKeepsTheOldFile)
{
    HttpTestServer server(source.path(), {{"/release/products.inf3", "corrupt", ""}});
    writeFile(target.path() + "/release/products.inf3", "old");
    FileFetcher fetcher(SourceUrl(server.baseUrl()), target.path());
    const std::string temporary = target.path() + "/release/products.inf3.tmp";
    std::string corrupted = content;
    corrupted[0] = static_cast<char>(corrupted[0] ^ 0xFF);

    expectError([&] { fetcher.getFile("release/products.inf3", digest); }, {4, 1, 1, 2},
                "The MD5 checksum of the " + temporary +
                    " file does not match the value specified in the configuration file. Expected: " + digest +
                    ", actual: " + md5String(corrupted) + ".\n");
    EXPECT_EQ(readFile(target.path() + "/release/products.inf3"), "old");
}

TEST_F(RemoteFetcherTest, DownloadFailureLeavesTheResultPathAlone)
{
    HttpTestServer server(source.path());
    writeFile(target.path() + "/missing.inf3", "old");
    FileFetcher fetcher(SourceUrl(server.baseUrl()), target.path());
    try {
        fetcher.getFile("missing.inf3");
        ADD_FAILURE() << "no error raised";
    } catch (const http_error& failure) {
        EXPECT_EQ(failure.status(), 404);
        expectCodes(failure, {1, 2, 1, 2});
    }
    EXPECT_EQ(readFile(target.path() + "/missing.inf3"), "old");
    EXPECT_TRUE(quick.waits().empty());
}

// A link planted at the ".tmp" name is replaced, not written through.
TEST_F(RemoteFetcherTest, LinkAtTheTemporaryNameIsNotFollowed)
{
    HttpTestServer server(source.path());
    TempDir elsewhere;
    const std::string victim = elsewhere.path() + "/victim";
    writeFile(victim, "precious");
    boost::filesystem::create_directories(target.path() + "/release");
    boost::filesystem::create_symlink(victim, target.path() + "/release/products.inf3.tmp");

    FileFetcher fetcher(SourceUrl(server.baseUrl()), target.path());
    const std::string result = fetcher.getFile("release/products.inf3", digest);
    EXPECT_EQ(readFile(result), content);
    EXPECT_FALSE(isSymlink(result));
    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_FALSE(boost::filesystem::exists(result + ".tmp"));
}

// Characters that some file systems refuse become "_" in the local name only.
TEST_F(RemoteFetcherTest, LocalNameReplacesAwkwardCharacters)
{
    writeFile(source.path() + "/a:b*c.inf3", "odd");
    HttpTestServer server(source.path());
    FileFetcher fetcher(SourceUrl(server.baseUrl()), target.path());
    EXPECT_EQ(fetcher.getFile("a:b*c.inf3"), target.path() + "/a_b_c.inf3");
    EXPECT_EQ(readFile(target.path() + "/a_b_c.inf3"), "odd");
    EXPECT_THAT(server.requests(), ElementsAre("GET /a:b*c.inf3"));
}

// The progress line shows the file; a quiet renderer keeps it off the console,
// and every copy of a fetcher has a renderer of its own.
TEST_F(RemoteFetcherTest, ProgressLineIsShownUnlessQuiet)
{
    HttpTestServer server(source.path());
    FileFetcher fetcher(SourceUrl(server.baseUrl()), target.path());
    {
        CapturedLog shown(0);
        fetcher.getFile("release/products.inf3");
        EXPECT_THAT(shown.text(), HasSubstr("Downloading file release/products.inf3: 100% done"));
    }
    FileFetcher copy(fetcher);
    EXPECT_NE(copy.getRenderer(), fetcher.getRenderer());
    copy.getRenderer()->setQuiet(true);
    {
        CapturedLog shown(0);
        copy.getFile("release/products.inf3");
        EXPECT_EQ(shown.text(), "");
    }
    EXPECT_FALSE(fetcher.getRenderer()->isQuiet());
}

// Paths from the catalogue stay below the source and the target directory.
TEST(FileFetcher, PathsThatLeaveTheirDirectoryAreRefused)
{
    TempDir source;
    TempDir target;
    writeFile(source.path() + "/products.inf3", "inside");
    for (const SourceUrl& location : {SourceUrl(source.path()), SourceUrl("http://127.0.0.1:1/zarni/")}) {
        SCOPED_TRACE(location.str());
        FileFetcher fetcher(location, target.path());
        const auto refused = [](const std::string& path) {
            return "The path " + path +
                   " given by the catalogue is not allowed: it must name a file below the installation source.\n";
        };
        for (const std::string path : {"../x", "a/../b", "..", "/etc/passwd", "a//b", "./a", "a/.", "", "a/"}) {
            SCOPED_TRACE("relative path '" + path + "'");
            expectError([&] { fetcher.getFile(path); }, {1, 1, 1, 2}, refused(path));
        }
        for (const std::string name : {"../evil", "/tmp/evil", "a/../../evil"}) {
            SCOPED_TRACE("local name '" + name + "'");
            expectError([&] { fetcher.getFile("products.inf3", "", name); }, {1, 1, 1, 2}, refused(name));
        }
        for (const std::string offset : {"../up", "/abs", "a/../.."}) {
            SCOPED_TRACE("offset '" + offset + "'");
            expectError([&] { fetcher.setSubdirsOffset(offset); }, {1, 1, 1, 2}, refused(offset));
        }
        EXPECT_EQ(fetcher.getSubdirsOffset(), "");
        fetcher.setSubdirsOffset("builds/deb/");
        EXPECT_EQ(fetcher.getSubdirsOffset(), "builds/deb/");
    }
}
