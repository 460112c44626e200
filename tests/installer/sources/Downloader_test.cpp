#include "installer/sources/Downloader.h"

#include "tests/common/ErrorExpectations.h"
#include "tests/common/HttpTestServer.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/sources/DownloadTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using ::testing::HasSubstr;

TEST(Downloader, RefusingStatusesAreTheFixedFive)
{
    for (long status = 100; status < 600; ++status) {
        SCOPED_TRACE(status);
        const bool refusing = status == 401 || status == 402 || status == 403 || status == 404 || status == 418;
        EXPECT_EQ(Downloader::refusesFile(status), refusing);
    }
}

// The downloader of the options (their retry count) writes a new file of mode
// 0600 below directories it creates, in place of whatever was at the path.
TEST(Downloader, DownloadToFileMakesTheFileAfresh)
{
    const Options& options = processOptions();
    TempDir root;
    TempDir target;
    writeTestFile(root.path() + "/file.bin", "new content");
    HttpTestServer server(root.path());
    QuickDownloads quick;

    const std::string path = target.path() + "/a/b/file.bin";
    writeTestFile(path, "an older and longer content");
    // A second name of the old file: written through, it would show the new content.
    const std::string oldFile = target.path() + "/old";
    ASSERT_EQ(::link(path.c_str(), oldFile.c_str()), 0);

    std::unique_ptr<Downloader> downloader = Downloader::create("file.bin");
    EXPECT_EQ(downloader->attempts()->maximum(), static_cast<std::uint64_t>(options.downloadRetries));
    downloader->addBaseUrl(server.baseUrl());
    downloader->downloadToFile(path);

    EXPECT_EQ(readFile(path), "new content");
    struct stat after;
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    EXPECT_EQ(readFile(oldFile), "an older and longer content");
}

TEST(Downloader, DownloadToFileReportsADirectoryItCannotMake)
{
    processOptions();
    TempDir target;
    writeTestFile(target.path() + "/plain", "a file, not a directory");
    std::unique_ptr<Downloader> downloader = Downloader::create("file.bin");
    downloader->addBaseUrl("http://127.0.0.1:1/");
    expectError([&] { downloader->downloadToFile(target.path() + "/plain/sub/file.bin"); }, {4, 1, 1, 2},
                HasSubstr("Unable to create the directory \"" + target.path() + "/plain/sub\". "));
}

// A retry starts the file again: after a broken-off attempt the file holds only
// what the complete attempt delivered.
TEST(Downloader, RetryRewritesTheFileFromItsStart)
{
    processOptions();
    TempDir root;
    TempDir target;
    writeTestFile(root.path() + "/file.bin", std::string(20000, 'o'));
    HttpTestServer server(root.path(), {{"/file.bin", "truncate", "100"}});
    // The first attempt breaks off after 100 bytes; then the served file is
    // exactly that long, and the next attempt completes.
    QuickDownloads quick;
    DownloadSeam seam = DownloadSeam::current();
    seam.sleep = [&](std::chrono::seconds) { writeTestFile(root.path() + "/file.bin", std::string(100, 'n')); };
    const DownloadSeam::Override replacing(seam);

    std::unique_ptr<Downloader> downloader = Downloader::create("file.bin");
    downloader->addBaseUrl(server.baseUrl());
    downloader->downloadToFile(target.path() + "/file.bin");
    EXPECT_EQ(readFile(target.path() + "/file.bin"), std::string(100, 'n'));
    EXPECT_EQ(server.requests().size(), 2u);
}
