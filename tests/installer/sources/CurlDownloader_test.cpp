#include "installer/sources/CurlDownloader.h"

#include "installer/sources/http_error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/HttpTestServer.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestCertificates.h"
#include "tests/installer/sources/DownloadTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const int defaultRetries = 3;

// A served directory with one file, "file.bin", and the settings that make
// retries instant.
class CurlDownloaderTest : public ::testing::Test {
protected:
    CurlDownloaderTest() { writeTestFile(root.path() + "/dir/file.bin", content); }

    static std::unique_ptr<CurlDownloader> downloaderFor(const std::string& name,
                                                         const std::vector<std::string>& baseUrls,
                                                         int retries = defaultRetries)
    {
        auto downloader = std::make_unique<CurlDownloader>(name, retries);
        for (const std::string& url : baseUrls) downloader->addBaseUrl(url);
        return downloader;
    }

    // Raises what the download raises; returns the body otherwise.
    static std::string fetch(Downloader& downloader)
    {
        std::ostringstream out;
        downloader.download(out);
        return out.str();
    }

    const std::string content = std::string(20000, 'k') + "end";
    TempDir root;
    QuickDownloads quick;
};

}  // namespace

TEST_F(CurlDownloaderTest, FetchesTheFileAndReportsItsBytes)
{
    HttpTestServer server(root.path());
    CurlDownloader downloader(std::string("file.bin"), defaultRetries);
    downloader.addBaseUrl(server.baseUrl() + "dir");
    EXPECT_EQ(downloader.baseUrls().front(), server.baseUrl() + "dir/");

    std::ostringstream out;
    out << "kept:";
    downloader.download(out);
    EXPECT_EQ(out.str(), "kept:" + content);
    EXPECT_EQ(downloader.bytes()->value(), content.size());
    EXPECT_EQ(downloader.bytes()->maximum(), content.size());
    EXPECT_EQ(downloader.attempts()->value(), 0u);
    EXPECT_EQ(downloader.peerAddress(), "127.0.0.1");
    EXPECT_TRUE(quick.waits().empty());
    EXPECT_THAT(server.requests(), ElementsAre("GET /dir/file.bin"));
}

// The default retry count gives four attempts with waits of 3, 7 and 15 seconds,
// counted down second by second in the attempts text; a server that answers 500
// every time ends in an http_error with that status.
TEST_F(CurlDownloaderTest, RetriesWithGrowingWaitsThenFailsWithTheStatus)
{
    HttpTestServer server(root.path(), {{"/dir/file.bin", "status", "500"}});
    auto downloader = downloaderFor("file.bin", {server.baseUrl() + "dir/"});
    auto recorder = std::make_shared<TextRecorder>(downloader->attempts());
    downloader->attempts()->addObserver(recorder);

    try {
        fetch(*downloader);
        ADD_FAILURE() << "no error raised";
    } catch (const http_error& failure) {
        EXPECT_EQ(failure.status(), 500);
        EXPECT_EQ(failure.url(), server.baseUrl() + "dir/file.bin");
        expectCodes(failure, {1, 2, 1, 2});
        EXPECT_THAT(failure.text(), HasSubstr("Failed to download the file " + server.baseUrl() +
                                              "dir/file.bin (127.0.0.1):\n"));
        EXPECT_THAT(failure.text(), HasSubstr("500"));
    }
    EXPECT_EQ(server.requests().size(), 4u);
    EXPECT_EQ(quick.waits().size(), 25u);
    EXPECT_EQ(quick.totalWait(), 25);
    EXPECT_EQ(downloader->attempts()->value(), 3u);
    EXPECT_EQ(downloader->attempts()->maximum(), 3u);

    // The countdown of the first wait, then the text cleared for attempt 2.
    ASSERT_GE(recorder->texts.size(), 4u);
    EXPECT_THAT(recorder->texts[0], HasSubstr(". Will retry in 3 second(s)..."));
    EXPECT_THAT(recorder->texts[1], HasSubstr(". Will retry in 2 second(s)..."));
    EXPECT_THAT(recorder->texts[2], HasSubstr(". Will retry in 1 second(s)..."));
    EXPECT_EQ(recorder->texts[3], "");
    EXPECT_THAT(recorder->texts[4], HasSubstr(". Will retry in 7 second(s)..."));
}

TEST_F(CurlDownloaderTest, SucceedsOnceTheServerRecovers)
{
    HttpTestServer server(root.path(), {{"/dir/file.bin", "fail-then-serve", "2"}});
    auto downloader = downloaderFor("file.bin", {server.baseUrl() + "dir/"});
    EXPECT_EQ(fetch(*downloader), content);
    EXPECT_EQ(server.requests().size(), 3u);
    EXPECT_EQ(quick.totalWait(), 3 + 7);
    EXPECT_EQ(downloader->attempts()->value(), 2u);
}

// A server that says the file is not there loses its base URL at once: with no
// other base URL left the download fails without a wait.
TEST_F(CurlDownloaderTest, RefusingStatusDropsTheOnlyBaseUrlWithoutWaiting)
{
    for (const char* status : {"401", "402", "403", "404", "418"}) {
        SCOPED_TRACE(status);
        HttpTestServer server(root.path(), {{"/dir/file.bin", "status", status}});
        QuickDownloads counted;
        auto downloader = downloaderFor("file.bin", {server.baseUrl() + "dir/"});
        try {
            fetch(*downloader);
            ADD_FAILURE() << "no error raised";
        } catch (const http_error& failure) {
            EXPECT_EQ(failure.status(), std::stol(status));
        }
        EXPECT_TRUE(downloader->baseUrls().empty());
        EXPECT_TRUE(counted.waits().empty());
        EXPECT_EQ(server.requests().size(), 1u);
    }
}

TEST_F(CurlDownloaderTest, RefusingBaseUrlIsDroppedAndTheNextOneUsed)
{
    HttpTestServer server(root.path());
    auto downloader = downloaderFor("file.bin", {server.baseUrl() + "elsewhere/", server.baseUrl() + "dir/"});
    EXPECT_EQ(fetch(*downloader), content);
    EXPECT_THAT(server.requests(), ElementsAre("GET /elsewhere/file.bin", "GET /dir/file.bin"));
    EXPECT_THAT(downloader->baseUrls(), ElementsAre(server.baseUrl() + "dir/"));
    EXPECT_EQ(quick.totalWait(), 3);
}

// Without an HTTP status the failure is a plain error, never an http_error: a
// refused connection (HTTP and FTP alike) and a transfer that stops short.
TEST_F(CurlDownloaderTest, FailureWithoutHttpStatusIsPlainError)
{
    HttpTestServer server(root.path(), {{"/dir/file.bin", "truncate", "100"}});
    // A port that was free a moment ago: nothing listens there.
    int closedPort = 0;
    {
        HttpTestServer gone(root.path());
        closedPort = gone.port();
    }
    const std::string closed = "127.0.0.1:" + std::to_string(closedPort) + "/";
    const std::vector<std::string> baseUrls = {"http://" + closed, "ftp://" + closed, server.baseUrl() + "dir/"};
    for (const std::string& baseUrl : baseUrls) {
        SCOPED_TRACE(baseUrl);
        auto downloader = downloaderFor("file.bin", {baseUrl}, 1);
        try {
            fetch(*downloader);
            ADD_FAILURE() << "no error raised";
        } catch (const http_error& failure) {
            ADD_FAILURE() << "an http_error: " << failure;
        } catch (const error& failure) {
            expectCodes(failure, {4, 1, 1, 2});
            EXPECT_THAT(failure.text(), HasSubstr("Failed to download the file " + baseUrl + "file.bin ("));
        }
        EXPECT_EQ(downloader->attempts()->value(), 1u);
    }
}

// An attempt that completes with fewer bytes than an earlier, failed attempt
// delivered is not trusted: it counts as failed and is retried.
TEST_F(CurlDownloaderTest, CompleteButShorterAttemptCountsAsFailed)
{
    HttpTestServer server(root.path(), {{"/dir/file.bin", "truncate", "100"}});
    // The first attempt gets 100 bytes of the long file and breaks off; then
    // the server's file shrinks to 50 bytes, which it sends whole.
    DownloadSeam seam = DownloadSeam::current();
    seam.sleep = [this](std::chrono::seconds) { writeTestFile(root.path() + "/dir/file.bin", std::string(50, 's')); };
    const DownloadSeam::Override shrinking(seam);
    auto downloader = downloaderFor("file.bin", {server.baseUrl() + "dir/"});
    expectError([&] { fetch(*downloader); }, {4, 1, 1, 2},
                HasSubstr("file.bin (127.0.0.1):\nUnexpected size of file\n"));
    EXPECT_EQ(server.requests().size(), 4u);
}

// A body fetched into memory has a time limit of its own: a transfer that
// goes on, fast enough for the low-speed limit, fails when it is reached.
TEST_F(CurlDownloaderTest, DownloadUrlEndsAtItsTimeLimit)
{
    writeTestFile(root.path() + "/slow.bin", std::string(maxUrlBodySize, 'x'));
    HttpTestServer server(root.path(), {{"/slow.bin", "slow", "2000"}});
    DownloadSeam seam = DownloadSeam::current();
    seam.urlBodyTimeout = std::chrono::seconds(1);
    const DownloadSeam::Override limited(seam);
    expectError([&] { downloadUrl(server.baseUrl() + "slow.bin"); }, {4, 1, 1, 2},
                HasSubstr("Failed to download the file " + server.baseUrl() + "slow.bin:\nOperation timed out"));
}

// A stalled transfer fails by the low-speed limit (one second here) and is
// retried like any other failure.
TEST_F(CurlDownloaderTest, StalledTransferFailsByTheLowSpeedLimit)
{
    HttpTestServer server(root.path(), {{"/dir/file.bin", "slow", "100"}});
    auto downloader = downloaderFor("file.bin", {server.baseUrl() + "dir/"}, 1);
    expectError([&] { fetch(*downloader); }, {4, 1, 1, 2}, HasSubstr("file.bin (127.0.0.1):\n"));
    EXPECT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(quick.totalWait(), 3);
}

// The downloader follows redirects only to the protocols it allows: a redirect to
// a local file is refused at once, without retries, and nothing of it is read.
TEST_F(CurlDownloaderTest, RedirectToLocalFileIsRefusedAtOnce)
{
    writeTestFile(root.path() + "/secret", "local secret");
    HttpTestServer server(root.path(), {{"/dir/file.bin", "redirect", "file://" + root.path() + "/secret"}});
    auto downloader = downloaderFor("file.bin", {server.baseUrl() + "dir/"});
    std::ostringstream out;
    expectError([&] { downloader->download(out); }, {4, 1, 1, 2}, HasSubstr("Failed to download the file"));
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(quick.waits().empty());
    EXPECT_EQ(server.requests().size(), 1u);
}

// A stream that takes no more data (a full disk) fails the download at once.
TEST_F(CurlDownloaderTest, FullDiskFailsAtOnceWithNoSpace)
{
    struct FullDisk : std::streambuf {
        std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
        int overflow(int) override { return traits_type::eof(); }
    } full;
    std::ostream out(&full);
    HttpTestServer server(root.path());
    auto downloader = downloaderFor("file.bin", {server.baseUrl() + "dir/"});
    expectError([&] { downloader->download(out); }, {4, 1, 1, 2},
                "Unable to save the downloaded data: there is not enough free disk space.\n");
    EXPECT_TRUE(quick.waits().empty());
    EXPECT_EQ(server.requests().size(), 1u);
}

// HTTPS works against a server whose certificate chains to the trust anchor the
// test gives; without it the certificate does not verify and the download fails
// at once, without retries.
TEST_F(CurlDownloaderTest, HttpsVerifiesTheServerAgainstTheTrustAnchor)
{
    const TestCertificates certificates;
    HttpTestServer server(root.path(), {}, &certificates);
    ASSERT_EQ(server.baseUrl().compare(0, 8, "https://"), 0);
    {
        QuickDownloads trusting(certificates.caFile());
        auto downloader = downloaderFor("file.bin", {server.baseUrl() + "dir/"});
        EXPECT_EQ(fetch(*downloader), content);
    }
    {
        QuickDownloads untrusting;
        auto downloader = downloaderFor("file.bin", {server.baseUrl() + "dir/"});
        expectError([&] { fetch(*downloader); }, {4, 1, 1, 2}, HasSubstr("certificate"));
        EXPECT_TRUE(untrusting.waits().empty());
        EXPECT_EQ(downloader->attempts()->value(), 0u);
    }
    EXPECT_THAT(server.requests(), ElementsAre("GET /dir/file.bin"));
}

// The process-wide proxy carries the download; its password never reaches the log.
TEST_F(CurlDownloaderTest, DownloadsThroughTheProxyWithoutLoggingItsPassword)
{
    HttpTestServer proxy(root.path());
    CapturedLog log;
    setDownloadProxy("127.0.0.1", proxy.port());
    setDownloadProxyAuth("proxy-user", "pr0xy-s3cret");
    auto downloader = downloaderFor("file.bin", {"http://mirror.zarni.example/dir/"});
    std::string body;
    try {
        body = fetch(*downloader);
    } catch (const error& failure) {
        ADD_FAILURE() << failure.text();
    }
    setDownloadProxy("", 0);
    setDownloadProxyAuth("", "");
    EXPECT_EQ(body, content);
    EXPECT_THAT(proxy.requests(), ElementsAre("GET /dir/file.bin"));
    EXPECT_THAT(log.text(), HasSubstr("proxy-user password ***"));
    EXPECT_EQ(log.text().find("pr0xy-s3cret"), std::string::npos) << log.text();
}

TEST_F(CurlDownloaderTest, NoBaseUrlIsAnError)
{
    CurlDownloader downloader(std::string("file.bin"), defaultRetries);
    expectError([&] { fetch(downloader); }, {3, 1, 1, 3},
                "No download locations are specified for the installation source.\n");
}

TEST_F(CurlDownloaderTest, DownloadUrlFetchesIntoMemory)
{
    writeTestFile(root.path() + "/large.bin", std::string(maxUrlBodySize + 1, 'x'));
    writeTestFile(root.path() + "/limit.bin", std::string(maxUrlBodySize, 'x'));
    HttpTestServer server(root.path());

    const std::vector<char> body = downloadUrl(server.baseUrl() + "dir/file.bin");
    EXPECT_EQ(std::string(body.begin(), body.end()), content);
    EXPECT_EQ(downloadUrl(server.baseUrl() + "limit.bin").size(), maxUrlBodySize);

    expectError([&] { downloadUrl(server.baseUrl() + "large.bin"); }, {4, 1, 1, 2},
                "Failed to download the file " + server.baseUrl() + "large.bin:\nlarger than " +
                    std::to_string(maxUrlBodySize) + " bytes\n");
    expectError([&] { downloadUrl(server.baseUrl() + "missing.png"); }, {4, 1, 1, 2},
                HasSubstr("Failed to download the file " + server.baseUrl() + "missing.png:\n"));
    // Only http and https.
    expectError([&] { downloadUrl("ftp://127.0.0.1:" + std::to_string(server.port()) + "/dir/file.bin"); },
                {4, 1, 1, 2}, HasSubstr("Failed to download the file ftp://"));
    expectError([&] { downloadUrl("file://" + root.path() + "/dir/file.bin"); }, {4, 1, 1, 2},
                HasSubstr("Failed to download the file file://"));
}
