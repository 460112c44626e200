#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <string>

// The product's extension catalogue service: the list of extensions it offers
// for a product version, which the build loader turns into extension packages.
namespace ExtCatalog {

// One offered extension.
struct Item {
    std::string displayName;
    std::string downloadUrl;
};

std::ostream& operator<<(std::ostream& out, const Item& item);

// Extension code -> item, each code once.
typedef std::map<std::string, Item> Items;

// Where the feed text comes from.
class IFeedDownloader {
public:
    virtual ~IFeedDownloader() = default;
    // The feed text for the platform, product version and API version.
    virtual std::string download(const std::string& platform, const std::string& productVersion,
                                 const std::string& apiVersion) = 0;
};

// Fetches and reads the feed: a JSON list of objects whose "code", "name" and
// "download_url" are read as texts. An item without them, with a code that is
// not a plain name (letters, digits, "-") or a download URL that is not a plain
// http(s) URL, or with a code seen before, is logged (level 2) and skipped:
// codes and URLs end up in the extension command's line.
class Feed {
public:
    // With a CurlFeedDownloader for the base URL.
    explicit Feed(const std::string& baseUrl);
    // A null downloader is an internal error.
    explicit Feed(std::shared_ptr<IFeedDownloader> downloader);
    virtual ~Feed() = default;

    // The download's errors leave unchanged; text that is not a JSON list of
    // items (or nested deeper than maxDepth) raises error (4,1,1,2)
    // "err_ext_catalog_feed_parse".
    virtual Items load(const std::string& platform, const std::string& productVersion);

    static constexpr const char* apiVersion = "v4";
    // The JSON reader recurses once per level; a hostile answer must not run the
    // stack out.
    static constexpr int maxDepth = 64;

private:
    std::shared_ptr<IFeedDownloader> downloader_;
};

}  // namespace ExtCatalog
