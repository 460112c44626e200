#pragma once

#include <string>

// The proxy options made known to the children (package managers, the mail
// command) through FTP_PROXY, HTTP_PROXY and HTTP_PROXY_AUTH, and to the
// downloader. A proxy that the operator exported before the start is left as it
// is; the downloader still uses the options' proxy. The web back end applies the
// settings again whenever the operator changes them.
class ProxyEnvironment {
public:
    // The process's own, used by setupProxyEnvironment.
    static ProxyEnvironment& process();

    void apply(const std::string& host, int port, const std::string& user, const std::string& password);

    // This object set the environment variables (and so may change or remove them).
    bool exported() const { return exported_; }

private:
    bool exported_ = false;
    bool proxySet_ = false;  // a proxy host was applied
    bool authSet_ = false;   // proxy credentials were applied
};

// ProxyEnvironment::process().apply(...)
void setupProxyEnvironment(const std::string& host, int port, const std::string& user, const std::string& password);
