#pragma once

#include "installer/sources/ExtCatalogFeed.h"

#include <cstddef>
#include <string>

namespace ExtCatalog {

// The feed from the catalogue service over the installer's downloader (its
// retries and waits), shown on a progress line of its own. The request is
// "<base>/api/<api version>/packages?platform=<p>&version=<v>&kw-compatible",
// the values percent-encoded.
class CurlFeedDownloader : public IFeedDownloader {
public:
    // An empty base URL is an internal error.
    explicit CurlFeedDownloader(const std::string& baseUrl);

    // Empty arguments are internal errors; an answer larger than maxAnswerSize
    // raises error (4,1,1,2) "err_ext_catalog_feed_parse".
    std::string download(const std::string& platform, const std::string& productVersion,
                         const std::string& apiVersion) override;

    // The request below the base URL.
    static std::string requestPath(const std::string& platform, const std::string& productVersion,
                                   const std::string& apiVersion);

    static constexpr std::size_t maxAnswerSize = 16 * 1024 * 1024;

private:
    std::string baseUrl_;
};

}  // namespace ExtCatalog
