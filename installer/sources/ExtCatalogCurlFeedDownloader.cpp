#include "installer/sources/ExtCatalogCurlFeedDownloader.h"

#include "installer/engine/DownloadProgressScope.h"
#include "installer/sources/Downloader.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <sstream>

namespace ExtCatalog {

namespace {

// A string buffer that refuses to grow past a limit: the answer of a service
// on the network is held in memory.
class CappedStringBuf : public std::stringbuf {
public:
    explicit CappedStringBuf(std::size_t limit) : std::stringbuf(std::ios::out), limit_(limit) {}

protected:
    std::streamsize xsputn(const char* data, std::streamsize count) override
    {
        refuseBeyond(static_cast<std::size_t>(count));
        return std::stringbuf::xsputn(data, count);
    }
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) refuseBeyond(1);
        return std::stringbuf::overflow(c);
    }

private:
    void refuseBeyond(std::size_t more) const
    {
        const std::size_t position = pbase() ? static_cast<std::size_t>(pptr() - pbase()) : 0;
        if (position + more <= limit_) return;
        throw error(4, 1, 1, 2) << (Messages::format("err_ext_catalog_feed_parse") %
                                    ("the answer is larger than " + std::to_string(limit_) + " bytes"))
                                       .str();
    }

    std::size_t limit_;
};

}  // namespace

CurlFeedDownloader::CurlFeedDownloader(const std::string& baseUrl) : baseUrl_(baseUrl)
{
    if (baseUrl_.empty()) throw KW_INTERNAL_ERROR() << " (the extension catalogue has no URL)";
}

std::string CurlFeedDownloader::requestPath(const std::string& platform, const std::string& productVersion,
                                            const std::string& apiVersion)
{
    if (platform.empty()) throw KW_INTERNAL_ERROR() << " (the extension catalogue request has no platform)";
    if (productVersion.empty()) throw KW_INTERNAL_ERROR() << " (the extension catalogue request has no version)";
    if (apiVersion.empty()) throw KW_INTERNAL_ERROR() << " (the extension catalogue request has no API version)";
    return "api/" + percentEncode(apiVersion) + "/packages?platform=" + percentEncode(platform) +
           "&version=" + percentEncode(productVersion) + "&kw-compatible";
}

std::string CurlFeedDownloader::download(const std::string& platform, const std::string& productVersion,
                                         const std::string& apiVersion)
{
    const std::string path = requestPath(platform, productVersion, apiVersion);
    std::string base = baseUrl_;
    if (base.back() != '/') base += '/';
    const std::string url = base + path;
    Log(3, true) << "Debug: download extension catalog feed: " << url;

    std::unique_ptr<Downloader> downloader = Downloader::create(path);
    downloader->addBaseUrl(base);
    const std::shared_ptr<DownloadProgressRenderer> renderer = DownloadProgressRenderer::create();
    CappedStringBuf buffer(maxAnswerSize);
    std::ostream answer(&buffer);
    // The buffer's refusal must leave the downloader as that error.
    answer.exceptions(std::ios::badbit);
    {
        DownloadProgressScope scope(renderer, url);
        renderer->observe(downloader->bytes(), downloader->attempts());
        downloader->download(answer);
    }
    // A retried download rewinds the stream: its end is where the last attempt
    // stopped writing.
    const std::streamoff length = answer.tellp();
    return buffer.str().substr(0, length < 0 ? 0 : static_cast<std::size_t>(length));
}

}  // namespace ExtCatalog
