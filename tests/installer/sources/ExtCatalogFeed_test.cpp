#include "installer/sources/ExtCatalogFeed.h"

#include "installer/sources/ExtCatalogCurlFeedDownloader.h"
#include "installer/sources/http_error.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/HttpTestServer.h"
#include "tests/common/TempDir.h"
#include "tests/installer/sources/DownloadTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

// A feed text handed over as it is.
class TextDownloader : public ExtCatalog::IFeedDownloader {
public:
    explicit TextDownloader(std::string text) : text_(std::move(text)) {}
    std::string download(const std::string& platform, const std::string& version,
                         const std::string& apiVersion) override
    {
        asked = platform + " " + version + " " + apiVersion;
        return text_;
    }
    std::string asked;

private:
    std::string text_;
};

ExtCatalog::Items parse(const std::string& text)
{
    return ExtCatalog::Feed(std::make_shared<TextDownloader>(text)).load("unix", "18.0");
}

std::string item(const std::string& code, const std::string& name, const std::string& url)
{
    return "{\"code\": \"" + code + "\", \"name\": \"" + name + "\", \"download_url\": \"" + url + "\"}";
}

const std::string kUrl = "https://ext.zarni.example/get/";

}  // namespace

TEST(ExtCatalogFeed, ItemsAreReadAndBadOnesSkipped)
{
    const std::string text = "[" + item("backup", "Backup Manager", kUrl + "backup.zip") + ", " +
                             "{\"name\": \"No URL\", \"code\": \"nourl\", \"extra\": [1, {\"x\": 2}]}, " +
                             item("backup", "Second Backup", kUrl + "other.zip") + ", " +
                             item("a;rm -rf /", "Evil", kUrl + "evil.zip") + ", " +
                             item("local", "Local", "file:///etc/shadow") + ", " +
                             "{\"code\": {\"nested\": 1}, \"name\": \"n\", \"download_url\": \"" + kUrl + "n\"}, " +
                             "\"plain text\", " + item("seo", "", kUrl + "seo.zip?v=1&x=2") + "]";
    CapturedLogLines log(2);
    const ExtCatalog::Items items = parse(text);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items.at("backup").displayName, "Backup Manager");
    EXPECT_EQ(items.at("backup").downloadUrl, kUrl + "backup.zip");
    EXPECT_EQ(items.at("seo").downloadUrl, kUrl + "seo.zip?v=1&x=2");
    const std::string lines = log.text();
    EXPECT_THAT(lines, HasSubstr("Downloading Extensions Catalog feed...\n"));
    EXPECT_THAT(lines, HasSubstr("Failed to parse Extensions Catalog feed item: No such node (download_url).\n"));
    EXPECT_THAT(lines, HasSubstr("Failed to parse Extensions Catalog feed item: duplicate of 'code' attribute has "
                                 "been detected.\n"));
    EXPECT_THAT(lines, HasSubstr("the 'code' attribute is not a plain name: \"a;rm -rf /\""));
    EXPECT_THAT(lines, HasSubstr("the 'download_url' attribute of 'local' is not an http(s) URL"));
    EXPECT_THAT(lines, HasSubstr("the 'code' attribute is not a plain name: \"\""));
    EXPECT_THAT(lines, HasSubstr("Failed to parse Extensions Catalog feed item: No such node (download_url).\n"));
}

TEST(ExtCatalogFeed, EmptyAndBrokenFeeds)
{
    EXPECT_THAT(parse("[]"), IsEmpty());
    EXPECT_THAT(parse("  [ ]\n"), IsEmpty());
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"not JSON", "<html>not json</html>"},
        {"cut short", "[" + item("a", "A", kUrl)},
        {"an object", "{\"code\": \"a\"}"},
        {"a string", "\"text\""},
        {"too deep", std::string(100000, '[') + std::string(100000, ']')},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectError([&] { parse(c.text); }, {4, 1, 1, 2}, HasSubstr("Failed to parse Extensions Catalog feed: "));
    }
}

TEST(ExtCatalogFeed, ANullDownloaderIsAnInternalError)
{
    expectError([] { ExtCatalog::Feed(std::shared_ptr<ExtCatalog::IFeedDownloader>()); }, {3, 1, 1, 3},
                HasSubstr("An internal error occured"));
    expectError([] { ExtCatalog::CurlFeedDownloader(""); }, {3, 1, 1, 3}, HasSubstr("An internal error occured"));
    expectError([] { ExtCatalog::CurlFeedDownloader::requestPath("", "1", "v4"); }, {3, 1, 1, 3},
                HasSubstr("An internal error occured"));
}

// The request below the base URL, with one "/" whether or not the base ends
// with one, and its values percent-encoded.
TEST(ExtCatalogCurlFeedDownloader, RequestsTheFeedOfTheVersion)
{
    TempDir root;
    writeTestFile(root.path() + "/catalog/api/v4/packages",
                  "[" + item("backup", "Backup Manager", kUrl + "backup.zip") + "]");
    HttpTestServer server(root.path());
    QuickDownloads quick;
    CapturedLogLines log;
    const std::string bases[] = {server.baseUrl() + "catalog", server.baseUrl() + "catalog/"};
    for (const std::string& base : bases) {
        SCOPED_TRACE(base);
        const ExtCatalog::Items items = ExtCatalog::Feed(base).load("unix", "18.0 beta&x");
        EXPECT_THAT(items, ElementsAre(Pair("backup", ::testing::_)));
    }
    EXPECT_THAT(server.requests(),
                ElementsAre("GET /catalog/api/v4/packages?platform=unix&version=18.0%20beta%26x&kw-compatible",
                            "GET /catalog/api/v4/packages?platform=unix&version=18.0%20beta%26x&kw-compatible"));
    EXPECT_THAT(log.text(), HasSubstr("Debug: download extension catalog feed: " + server.baseUrl() +
                                      "catalog/api/v4/packages?platform=unix&version=18.0%20beta%26x&kw-compatible\n"));
}

TEST(ExtCatalogCurlFeedDownloader, RefusedAndOverSizeAnswers)
{
    TempDir root;
    writeTestFile(root.path() + "/big/api/v4/packages",
                  std::string(ExtCatalog::CurlFeedDownloader::maxAnswerSize + 1, ' '));
    writeTestFile(root.path() + "/fits/api/v4/packages",
                  "[" + std::string(ExtCatalog::CurlFeedDownloader::maxAnswerSize - 2, ' ') + "]");
    HttpTestServer server(root.path(), {{"/gone/api/v4/packages", "status", "404"}});
    QuickDownloads quick;
    CapturedLog quiet(0);
    try {
        ExtCatalog::Feed(server.baseUrl() + "gone").load("unix", "18.0");
        ADD_FAILURE() << "loaded";
    } catch (const http_error& failure) {
        EXPECT_EQ(failure.status(), 404);
    }
    EXPECT_EQ(server.requests().size(), 1u);
    expectError([&] { ExtCatalog::Feed(server.baseUrl() + "big").load("unix", "18.0"); }, {4, 1, 1, 2},
                "Failed to parse Extensions Catalog feed: the answer is larger than 16777216 bytes.\n");
    EXPECT_THAT(ExtCatalog::Feed(server.baseUrl() + "fits").load("unix", "18.0"), IsEmpty());
}
