#include "installer/sources/CurlDownloader.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/Redact.h"
#include "common/error.h"
#include "installer/sources/DownloadSeam.h"
#include "installer/sources/http_error.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace {

const char* const unknownPeer = "unknown IP";
// The downloader's chunk size, the one the curl command uses: fewer callbacks.
const long transferBufferSize = 102400;

error setupError() { return error(3, 1, 1, 3) << Messages::get("err_curl_setup"); }

// libcurl's global state is set up once, before the first handle, from whichever
// thread comes first.
void initialiseCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

template <class T>
void setOption(CURL* handle, CURLoption option, T value)
{
    if (curl_easy_setopt(handle, option, value) != CURLE_OK) throw setupError();
}

// What every transfer of the program shares: the protocols it may use (also after
// a redirect), the time-outs, verification of the server's certificate and name
// (never switched off; only the trust anchor can be replaced, by tests), and
// signal-free name resolution, since downloads may run on several threads.
void applyTransportSettings(CURL* handle, const DownloadSeam& seam, const char* protocols)
{
    setOption(handle, CURLOPT_PROTOCOLS_STR, protocols);
    setOption(handle, CURLOPT_REDIR_PROTOCOLS_STR, protocols);
    setOption(handle, CURLOPT_NOSIGNAL, 1L);
    setOption(handle, CURLOPT_CONNECTTIMEOUT, static_cast<long>(seam.connectTimeout.count()));
    setOption(handle, CURLOPT_LOW_SPEED_LIMIT, seam.lowSpeedLimit);
    setOption(handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(seam.lowSpeedTime.count()));
    setOption(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    setOption(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!seam.trustAnchor.empty()) setOption(handle, CURLOPT_CAINFO, seam.trustAnchor.c_str());
    setOption(handle, CURLOPT_BUFFERSIZE, transferBufferSize);
}

// Failures that another attempt cannot mend: the server's certificate does not
// verify, or a redirect leads to a protocol the program does not allow.
bool isPermanentFailure(CURLcode code)
{
    switch (code) {
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return true;
    default:
        return false;
    }
}

int retryWaitSeconds(std::uint64_t failedAttempts)
{
    return failedAttempts == 0 ? 3 : failedAttempts == 1 ? 7 : 15;
}

}  // namespace

struct CurlDownloader::Impl {
    CURL* handle = nullptr;
    // libcurl's text of the current attempt's failure; one per download, so that
    // downloads on two threads never mix their texts.
    char errorBuffer[CURL_ERROR_SIZE] = {};
    std::ostream* out = nullptr;
    std::uint64_t written = 0;
    bool outputFailed = false;
    std::string peerAddress = unknownPeer;
    std::shared_ptr<Downloader::Value> bytes;
    // A failure inside a callback, raised again once libcurl has returned.
    std::exception_ptr callbackFailure;

    static size_t writeCallback(char* data, size_t size, size_t count, void* self);
    static int progressCallback(void* self, curl_off_t expected, curl_off_t received, curl_off_t, curl_off_t);
};

size_t CurlDownloader::Impl::writeCallback(char* data, size_t size, size_t count, void* self)
{
    Impl& impl = *static_cast<Impl*>(self);
    const size_t length = size * count;
    try {
        impl.out->write(data, static_cast<std::streamsize>(length));
        if (!*impl.out) {
            // A short count makes libcurl stop with its write error: the disk is
            // full, and no retry can help.
            impl.outputFailed = true;
            return 0;
        }
        impl.written += length;
        return length;
    } catch (...) {
        // Nothing may unwind through libcurl; download() raises it again.
        impl.callbackFailure = std::current_exception();
        return 0;
    }
}

int CurlDownloader::Impl::progressCallback(void* self, curl_off_t expected, curl_off_t received, curl_off_t,
                                           curl_off_t)
{
    Impl& impl = *static_cast<Impl*>(self);
    try {
        std::uint64_t total = expected > 0 ? static_cast<std::uint64_t>(expected) : 0;
        const std::uint64_t now = received > 0 ? static_cast<std::uint64_t>(received) : 0;
        // A server that sends more than it announced: the size is unknown after all.
        if (now > total) total = 0;
        impl.bytes->set(now, total);
        impl.bytes->notify();
        return Progress::takeTerminationRequest() ? 1 : 0;
    } catch (...) {
        // Nothing may unwind through libcurl; download() raises it again.
        impl.callbackFailure = std::current_exception();
        return 1;
    }
}

CurlDownloader::CurlDownloader(const std::string& name, int retries)
    : Downloader(name, retries), impl_(std::make_unique<Impl>())
{
    initialiseCurl();
    impl_->bytes = bytes_;
    impl_->handle = curl_easy_init();
    if (!impl_->handle) throw error(4, 1, 1, 2) << Messages::get("err_curl_init");
    CURL* handle = impl_->handle;
    try {
        setOption(handle, CURLOPT_WRITEFUNCTION, &Impl::writeCallback);
        setOption(handle, CURLOPT_WRITEDATA, static_cast<void*>(impl_.get()));
        setOption(handle, CURLOPT_NOPROGRESS, 0L);
        setOption(handle, CURLOPT_XFERINFOFUNCTION, &Impl::progressCallback);
        setOption(handle, CURLOPT_XFERINFODATA, static_cast<void*>(impl_.get()));
        setOption(handle, CURLOPT_FOLLOWLOCATION, 1L);
        setOption(handle, CURLOPT_MAXREDIRS, 1L);
        setOption(handle, CURLOPT_FAILONERROR, 1L);
        setOption(handle, CURLOPT_ERRORBUFFER, impl_->errorBuffer);
        applyTransportSettings(handle, DownloadSeam::current(), "http,https,ftp");
    } catch (const error&) {
        curl_easy_cleanup(handle);
        throw;
    }
}

CurlDownloader::~CurlDownloader() { curl_easy_cleanup(impl_->handle); }

const std::string& CurlDownloader::peerAddress() const { return impl_->peerAddress; }

void CurlDownloader::download(std::ostream& out)
{
    if (baseUrls_.empty()) throw error(3, 1, 1, 3) << Messages::get("err_srcs_empty");
    CURL* handle = impl_->handle;
    const DownloadSeam seam = DownloadSeam::current();

    const std::ostream::pos_type start = out.tellp();
    impl_->out = &out;
    applyCredentials();

    std::uint64_t largest = 0;
    std::optional<long> lastStatus;
    std::string url;
    std::string failureText;
    for (;;) {
        const std::size_t index = static_cast<std::size_t>(attempts_->value() % baseUrls_.size());
        url = baseUrls_[index] + name_;
        setOption(handle, CURLOPT_URL, url.c_str());
        Log(3, true) << "DEBUG: download attempt " << attempts_->value() + 1 << " of " << redact::url(url);

        impl_->peerAddress = unknownPeer;
        impl_->errorBuffer[0] = '\0';
        impl_->written = 0;
        impl_->outputFailed = false;
        impl_->callbackFailure = nullptr;
        bytes_->set(0, 0);
        const CURLcode code = curl_easy_perform(handle);

        const char* peer = nullptr;
        if (curl_easy_getinfo(handle, CURLINFO_PRIMARY_IP, &peer) == CURLE_OK && peer && *peer)
            impl_->peerAddress = peer;
        if (impl_->callbackFailure) std::rethrow_exception(impl_->callbackFailure);
        Progress::checkTermination();

        if (code == CURLE_WRITE_ERROR && impl_->outputFailed) {
            Log(1, true) << "Error: the download of " << redact::url(url) << " could not be stored";
            throw error(4, 1, 1, 2) << Messages::get("err_no_space2");
        }
        failureText = impl_->errorBuffer[0] ? impl_->errorBuffer : curl_easy_strerror(code);

        bool giveUp = false;
        if (code != CURLE_OK && isPermanentFailure(code)) {
            Log(1, true) << "Error: download of " << redact::url(url) << " refused, not retried: " << failureText;
            giveUp = true;
        } else if (code != CURLE_OK && url.compare(0, 4, "http") == 0) {
            long status = 0;
            curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
            // Only an error status makes the failure an HTTP one: a transfer that
            // broke off after "200 OK" is not the server refusing the file.
            if (status >= 400) lastStatus = status;
            if (refusesFile(status)) {
                Log(2, true) << "Server refused " << redact::url(url) << " with HTTP status " << status
                             << ", its base URL is dropped";
                baseUrls_.erase(baseUrls_.begin() + static_cast<std::ptrdiff_t>(index));
                giveUp = baseUrls_.empty();
            }
        } else if (code == CURLE_OK) {
            if (impl_->written >= largest) return;
            failureText = "Unexpected size of file";
        }

        const std::uint64_t failed = attempts_->value();
        if (!giveUp && attempts_->maximum() != 0 && failed == attempts_->maximum()) {
            attempts_->setText(failureText);
            attempts_->notify();
            giveUp = true;
        }
        if (giveUp) fail(url, failureText, lastStatus);

        Log(2, true) << "Download of " << redact::url(url) << " failed, retrying: " << failureText;
        waitBeforeRetry(failed, failureText, seam);

        largest = std::max(largest, impl_->written);
        out.clear();
        if (impl_->written > 0 && !out.seekp(start))
            throw KW_INTERNAL_ERROR() << " (a retried download needs a stream that can be rewound)";
        setOption(handle, CURLOPT_RESUME_FROM_LARGE, static_cast<curl_off_t>(0));
        attempts_->setValue(failed + 1);
        attempts_->setText(std::string());
        attempts_->notify();
    }
}

void CurlDownloader::applyCredentials()
{
    CURL* handle = impl_->handle;
    if (!user_.empty()) {
        setOption(handle, CURLOPT_USERNAME, user_.c_str());
        setOption(handle, CURLOPT_PASSWORD, password_.c_str());
        setOption(handle, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_ANY));
    }
    const Downloader::Proxy proxy = downloadProxy();
    if (!proxy.host.empty()) {
        setOption(handle, CURLOPT_PROXY, proxy.host.c_str());
        setOption(handle, CURLOPT_PROXYPORT, static_cast<long>(proxy.port));
        if (!proxy.user.empty()) {
            setOption(handle, CURLOPT_PROXYUSERNAME, proxy.user.c_str());
            setOption(handle, CURLOPT_PROXYPASSWORD, proxy.password.c_str());
        }
    }
}

void CurlDownloader::waitBeforeRetry(std::uint64_t failedAttempts, const std::string& failureText,
                                     const DownloadSeam& seam)
{
    for (int left = retryWaitSeconds(failedAttempts); left >= 1; --left) {
        attempts_->setText((Messages::format("download_retry") % failureText % left).str());
        attempts_->notify();
        Progress::checkTermination();
        if (seam.sleep)
            seam.sleep(std::chrono::seconds(1));
        else
            std::this_thread::sleep_for(std::chrono::seconds(1));
    }
}

void CurlDownloader::fail(const std::string& url, const std::string& failureText,
                          const std::optional<long>& httpStatus) const
{
    const std::string where = redact::url(url) + " (" + impl_->peerAddress + ")";
    Log(2, true) << "Download failed: " << where << ": " << failureText;
    if (httpStatus) {
        http_error failure(url, *httpStatus);
        failure << (Messages::format("err_pkg_dwnld") % where % failureText);
        throw failure;
    }
    throw error(4, 1, 1, 2) << (Messages::format("err_pkg_dwnld") % where % failureText);
}

std::vector<char> downloadUrl(const std::string& url)
{
    if (url.empty()) throw KW_INTERNAL_ERROR();
    initialiseCurl();

    struct Body {
        std::vector<char> data;
        bool tooLarge = false;
        static size_t append(char* chunk, size_t size, size_t count, void* self)
        {
            Body& body = *static_cast<Body*>(self);
            const size_t length = size * count;
            if (body.data.size() + length > maxUrlBodySize) {
                body.tooLarge = true;
                return 0;
            }
            try {
                body.data.insert(body.data.end(), chunk, chunk + length);
            } catch (...) {
                // Out of memory: a short count stops the transfer; nothing may
                // unwind through libcurl.
                return 0;
            }
            return length;
        }
    };

    std::unique_ptr<CURL, void (*)(CURL*)> handle(curl_easy_init(), curl_easy_cleanup);
    if (!handle) throw error(4, 1, 1, 2) << Messages::get("err_curl_init");
    char errorBuffer[CURL_ERROR_SIZE] = {};
    Body body;
    setOption(handle.get(), CURLOPT_WRITEFUNCTION, &Body::append);
    setOption(handle.get(), CURLOPT_WRITEDATA, static_cast<void*>(&body));
    setOption(handle.get(), CURLOPT_FAILONERROR, 1L);
    setOption(handle.get(), CURLOPT_ERRORBUFFER, errorBuffer);
    const DownloadSeam seam = DownloadSeam::current();
    applyTransportSettings(handle.get(), seam, "http,https");
    setOption(handle.get(), CURLOPT_TIMEOUT, static_cast<long>(seam.urlBodyTimeout.count()));
    setOption(handle.get(), CURLOPT_URL, url.c_str());

    const CURLcode code = curl_easy_perform(handle.get());
    if (code == CURLE_OK) return std::move(body.data);
    // The body is kept in memory: a write failure is the size limit (or no
    // memory), never a lack of disk space.
    const std::string failureText = body.tooLarge ? "larger than " + std::to_string(maxUrlBodySize) + " bytes"
                                    : errorBuffer[0] ? errorBuffer
                                                     : curl_easy_strerror(code);
    throw error(4, 1, 1, 2) << (Messages::format("err_pkg_dwnld") % redact::url(url) % failureText);
}
