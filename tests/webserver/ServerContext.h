#pragma once

// An in-process server context without listeners, for socket-free tests
// through kwhttpd_serve_bytes.

#include "webserver/kwhttpd.h"

#include <string>
#include <vector>

namespace webserver_test {

class ServerContext {
public:
    // `options` are "-name value" pairs after the program name. The root
    // does not exist, so a request no callback takes is answered 404.
    explicit ServerContext(std::vector<std::string> options = {})
    {
        args_ = {"kwhttpd-unit", "-ports", "", "-root", "/nonexistent-kwhttpd-root"};
        args_.insert(args_.end(), options.begin(), options.end());
        for (std::string& a : args_) argv_.push_back(a.data());
        argv_.push_back(nullptr);
        ctx_ = kwhttpd_init(static_cast<int>(args_.size()), argv_.data());
    }
    ~ServerContext() { kwhttpd_fini(ctx_); }
    ServerContext(const ServerContext&) = delete;
    ServerContext& operator=(const ServerContext&) = delete;

    kwhttpd_ctx* get() const { return ctx_; }
    std::string serve(const std::string& request, std::size_t piece = 0) const
    {
        return kwhttpd_serve_bytes(ctx_, request, piece);
    }

private:
    std::vector<std::string> args_;
    std::vector<char*> argv_;
    kwhttpd_ctx* ctx_ = nullptr;
};

} // namespace webserver_test
