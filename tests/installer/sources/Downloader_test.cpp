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
    processOptions().downloadRetries = 3;
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
    EXPECT_EQ(downloader->attempts()->maximum(), 3u);
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
    TempDir target;
    writeTestFile(target.path() + "/plain", "a file, not a directory");
    std::unique_ptr<Downloader> downloader = Downloader::create("file.bin");
    downloader->addBaseUrl("http://127.0.0.1:1/");
    expectError([&] { downloader->downloadToFile(target.path() + "/plain/sub/file.bin"); }, {4, 1, 1, 2},
                HasSubstr("Unable to create the directory \"" + target.path() + "/plain/sub\". "));
}
