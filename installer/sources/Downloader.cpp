#include "installer/sources/Downloader.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Redact.h"
#include "common/error.h"
#include "common/fileops.h"
#include "installer/options/Options.h"
#include "installer/sources/CurlDownloader.h"

#include <boost/filesystem/operations.hpp>

#include <ext/stdio_filebuf.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>

namespace {

std::mutex proxyMutex;

Downloader::Proxy& proxyInForce()
{
    static Downloader::Proxy proxy;
    return proxy;
}

error fileWriteError(const char* key, const std::string& path, int code)
{
    error failure(4, 1, 1, 2);
    failure << (Messages::format(key) % path % std::strerror(code));
    return failure;
}

// Changes the proxy in force under its lock, then logs the result (password hidden).
template <class Change>
void changeProxy(const Change& change)
{
    Downloader::Proxy proxy;
    {
        std::lock_guard<std::mutex> guard(proxyMutex);
        change(proxyInForce());
        proxy = proxyInForce();
    }
    Log(2, true) << "Download proxy: " << proxy;
}

}  // namespace

std::unique_ptr<Downloader> Downloader::create(const std::string& name)
{
    return std::make_unique<CurlDownloader>(name, Options::getInstance().downloadRetries);
}

Downloader::Downloader(const std::string& name, int retries)
    : name_(name),
      attempts_(std::make_shared<Value>(0, retries > 0 ? static_cast<std::uint64_t>(retries) : 0)),
      bytes_(std::make_shared<Value>())
{
}

void Downloader::addBaseUrl(const std::string& url)
{
    baseUrls_.push_back(url);
    fileops::ensure_trailing(baseUrls_.back(), '/');
}

void Downloader::setAuth(const std::string& user, const std::string& password)
{
    user_ = user;
    password_ = password;
}

bool Downloader::refusesFile(long httpStatus)
{
    return httpStatus == 401 || httpStatus == 402 || httpStatus == 403 || httpStatus == 404 || httpStatus == 418;
}

void Downloader::downloadToFile(const std::string& path)
{
    const std::string directory = fileops::dirname(path);
    if (!directory.empty()) {
        boost::system::error_code code;
        boost::filesystem::create_directories(directory, code);
        if (code) {
            error failure(4, 1, 1, 2);
            failure << (Messages::format("err_download_mkdir") % ("\"" + directory + "\"")) << " " << code.message();
            throw failure;
        }
    }

    // Made afresh: whatever lies at the path (an old partial file, or a link that
    // someone planted to make us write elsewhere) is removed, and the new file is
    // created exclusively so that nothing can slip in between.
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) throw fileWriteError("err_filewrite1", path, errno);
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0) throw fileWriteError("err_filewrite1", path, errno);

    // The buffer owns the descriptor from here on and closes it on every path.
    __gnu_cxx::stdio_filebuf<char> buffer(descriptor, std::ios::out | std::ios::binary, 65536);
    std::ostream out(&buffer);
    download(out);

    // A retry that rewound the file may have left the tail of a longer failed
    // attempt behind the complete one.
    const std::streamoff size = out.tellp();
    if (!out.flush() || size < 0) throw fileWriteError("err_filewrite2", path, errno);
    if (::ftruncate(descriptor, size) != 0) throw fileWriteError("err_filewrite2", path, errno);
    if (!buffer.close()) throw fileWriteError("err_filewrite2", path, errno);
}

std::ostream& operator<<(std::ostream& out, const Downloader::Proxy& proxy)
{
    if (proxy.host.empty()) return out << "no proxy";
    out << proxy.host << ":" << proxy.port;
    if (!proxy.user.empty()) out << " user " << proxy.user << " password " << redact::secret(proxy.password);
    return out;
}

void setDownloadProxy(const std::string& host, int port)
{
    changeProxy([&](Downloader::Proxy& proxy) {
        proxy.host = host;
        proxy.port = port;
    });
}

void setDownloadProxyAuth(const std::string& user, const std::string& password)
{
    changeProxy([&](Downloader::Proxy& proxy) {
        proxy.user = user;
        proxy.password = password;
    });
}

Downloader::Proxy downloadProxy()
{
    std::lock_guard<std::mutex> guard(proxyMutex);
    return proxyInForce();
}
