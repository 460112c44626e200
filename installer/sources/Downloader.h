#pragma once

#include "installer/engine/ProgressValue.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// One network download: a file's name relative to an ordered list of base URLs,
// fetched into a stream or a file. It retries with waits of 3, 7 and then 15
// seconds, rotates over the base URLs, and drops a base URL whose server says the
// file is not there (refusesFile). Failures are `error`s; when the server answered
// with an HTTP status, an `http_error`.
//
// Calling order: create, addBaseUrl for each base URL, optionally setAuth, bind a
// progress renderer to attempts() and bytes(), then one download or
// downloadToFile. One object serves one download on one thread; downloads on
// different threads are independent of each other.
class Downloader {
public:
    using Value = ProgressValue<std::uint64_t>;

    // The process-wide download proxy; an empty host means none, an empty user no
    // proxy credentials.
    struct Proxy {
        std::string host;
        int port = 0;
        std::string user;
        std::string password;
    };

    // A downloader for `name` over libcurl, with the retry count of the options.
    static std::unique_ptr<Downloader> create(const std::string& name);
    virtual ~Downloader() = default;
    Downloader(const Downloader&) = delete;
    Downloader& operator=(const Downloader&) = delete;

    // Appends the URL, with "/" added unless it ends with one.
    void addBaseUrl(const std::string& url);
    void setAuth(const std::string& user, const std::string& password);

    // Fetches the file into `path`: missing parent directories are created and the
    // file is made afresh (an old file or a link at the path is removed first, the
    // new one created exclusively, without following links, with mode 0600). A
    // failed download leaves what was written so far.
    void downloadToFile(const std::string& path);
    // Fetches the file into `out`, from its current position; returns only on
    // success. A retry rewinds `out` to where it started.
    virtual void download(std::ostream& out) = 0;

    // Value: failed attempts so far; maximum: the retry count; text: the retry
    // message while waiting.
    const std::shared_ptr<Value>& attempts() const { return attempts_; }
    // Value: bytes received in the current attempt; maximum: the expected size (0:
    // unknown).
    const std::shared_ptr<Value>& bytes() const { return bytes_; }

    const std::string& name() const { return name_; }
    const std::vector<std::string>& baseUrls() const { return baseUrls_; }

    // The HTTP statuses by which a server says that it does not have the file (or
    // will not give it): 401, 402, 403, 404 and 418.
    static bool refusesFile(long httpStatus);

protected:
    // `retries`: failed attempts after which the download gives up; 0 never does.
    Downloader(const std::string& name, int retries);

    std::string name_;
    std::vector<std::string> baseUrls_;
    std::string user_;
    std::string password_;
    std::shared_ptr<Value> attempts_;
    std::shared_ptr<Value> bytes_;
};

std::ostream& operator<<(std::ostream& out, const Downloader::Proxy& proxy);

// Set from the proxy options at start-up; every later download uses them.
void setDownloadProxy(const std::string& host, int port);
void setDownloadProxyAuth(const std::string& user, const std::string& password);
// The proxy in force (a copy: another thread may change it).
Downloader::Proxy downloadProxy();

// The body of one http or https URL, fetched into memory (product icons): no
// retries, the downloader's time-outs and at most DownloadSeam::urlBodyTimeout
// in all, no redirects followed. Fails with "err_pkg_dwnld" on any failure, an
// HTTP status from 400, or a body larger than maxUrlBodySize.
inline constexpr std::size_t maxUrlBodySize = 1048576;
std::vector<char> downloadUrl(const std::string& url);
