#include "installer/startup/ProxyEnvironment.h"

#include "common/SystemUtils.h"
#include "installer/sources/Downloader.h"

#include <cstdlib>

ProxyEnvironment& ProxyEnvironment::process()
{
    // Never destroyed: the web back end may apply settings while the process ends.
    static ProxyEnvironment* environment = new ProxyEnvironment;
    return *environment;
}

void ProxyEnvironment::apply(const std::string& host, int port, const std::string& user, const std::string& password)
{
    if (!host.empty()) {
        proxySet_ = true;
        setDownloadProxy(host, port);
        const std::string address = host + ":" + std::to_string(port);
        if (exported_ || (std::getenv("FTP_PROXY") == nullptr && std::getenv("HTTP_PROXY") == nullptr)) {
            setEnv("FTP_PROXY", address);
            setEnv("HTTP_PROXY", address);
            exported_ = true;
        }
        if (!user.empty()) {
            authSet_ = true;
            setDownloadProxyAuth(user, password);
            if (exported_) setEnv("HTTP_PROXY_AUTH", user + ":" + password);
        } else if (authSet_) {
            if (exported_) unsetEnv("HTTP_PROXY_AUTH");
            setDownloadProxyAuth(std::string(), std::string());
        }
        return;
    }
    if (!proxySet_ && !authSet_) return;
    if (exported_) {
        unsetEnv("FTP_PROXY");
        unsetEnv("HTTP_PROXY");
        unsetEnv("HTTP_PROXY_AUTH");
        exported_ = false;
    }
    setDownloadProxyAuth(std::string(), std::string());
    setDownloadProxy(std::string(), 0);
}

void setupProxyEnvironment(const std::string& host, int port, const std::string& user, const std::string& password)
{
    ProxyEnvironment::process().apply(host, port, user, password);
}
