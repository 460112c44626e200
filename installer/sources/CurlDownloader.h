#pragma once

#include "installer/sources/Downloader.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

struct DownloadSeam;

// The downloader over one libcurl easy handle: HTTP, HTTPS and FTP (redirects only
// to those, at most one), peer verification always on, the connect time-out and
// low-speed limit of DownloadSeam, the process-wide proxy. Each download has its
// own error text; nothing raises through a libcurl callback (a failure inside one
// stops the transfer and is raised once libcurl has returned).
//
// Fails at once, without retries: a full disk ("err_no_space2"), a certificate
// that does not verify, and a redirect to a protocol that is not allowed.
class CurlDownloader : public Downloader {
public:
    // Raises "err_curl_init" when libcurl gives no handle and "err_curl_setup"
    // when a setting is refused.
    CurlDownloader(const std::string& name, int retries);
    ~CurlDownloader() override;

    void download(std::ostream& out) override;

    // The address of the server of the current or last attempt; "unknown IP"
    // before a connection was made.
    const std::string& peerAddress() const;

private:
    // Server credentials and the process-wide proxy, at the start of a download.
    void applyCredentials();
    // Counts the wait after `failedAttempts` failures down in the attempts text.
    void waitBeforeRetry(std::uint64_t failedAttempts, const std::string& failureText, const DownloadSeam& seam);
    // Raises the final failure: an http_error when a server answered with an
    // error status during the download, else a plain error.
    [[noreturn]] void fail(const std::string& url, const std::string& failureText,
                           const std::optional<long>& httpStatus) const;

    struct Impl;
    std::unique_ptr<Impl> impl_;
};
