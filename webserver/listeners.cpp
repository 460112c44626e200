// Listening sockets ("ports") and the loopback socket pair.

#include "webserver/kwhttpd_internal.h"

#include <arpa/inet.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kBacklog = 128;

// A dual-stack listener when the system has IPv6, else an IPv4 one; -1 with
// errno set on failure.
int open_listening_port(int port)
{
    int sock = socket(AF_INET6, SOCK_STREAM, 0);
    sockaddr_storage address{};
    socklen_t address_len = 0;
    if (sock >= 0) {
        const int off = 0;
        if (setsockopt(sock, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off) != 0)
            cry(nullptr, "Unable to set socket option IPV6_V6ONLY to the listener, %s", last_error_text());
        auto* sin6 = reinterpret_cast<sockaddr_in6*>(&address);
        sin6->sin6_family = AF_INET6;
        sin6->sin6_addr = in6addr_any;
        sin6->sin6_port = htons(static_cast<uint16_t>(port));
        address_len = sizeof *sin6;
    } else {
        sock = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (sock < 0) return -1;
        auto* sin = reinterpret_cast<sockaddr_in*>(&address);
        sin->sin_family = AF_INET;
        sin->sin_addr.s_addr = htonl(INADDR_ANY);
        sin->sin_port = htons(static_cast<uint16_t>(port));
        address_len = sizeof *sin;
    }
    const int on = 1;
    set_non_blocking(sock);
    if (setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        bind(sock, reinterpret_cast<sockaddr*>(&address), address_len) != 0 || listen(sock, kBacklog) != 0) {
        const int saved = errno;
        close(sock);
        errno = saved;
        return -1;
    }
    set_close_on_exec(sock);
    return sock;
}

} // namespace

void close_listeners(kwhttpd_ctx* ctx)
{
    for (const kwhttpd_listener& l : ctx->listeners) close(l.sock);
    ctx->listeners.clear();
}

void set_ports(kwhttpd_ctx* ctx, const char* ports)
{
    close_listeners(ctx);
    for (const std::string& item : split_option_list(ports)) {
        const int port = std::atoi(item.c_str());
        const bool tls = item.back() == 's';
        const int sock = open_listening_port(port);
        if (sock < 0) {
            cry(nullptr, "open_listening_port(%d): %s", port, last_error_text());
            elog_fatal(nullptr, "cannot open port %d", port);
        }
        if (tls && ctx->ssl_ctx == nullptr) {
            close(sock);
            elog_fatal(nullptr, "cannot add SSL socket, please specify certificate file");
        }
        ctx->listeners.push_back({sock, tls});
    }
}

int kwhttpd_listening_port(const kwhttpd_ctx* ctx, int index)
{
    for (const kwhttpd_listener& l : ctx->listeners) {
        if (index-- != 0) continue;
        sockaddr_storage address{};
        socklen_t len = sizeof address;
        if (getsockname(l.sock, reinterpret_cast<sockaddr*>(&address), &len) != 0) return -1;
        if (address.ss_family == AF_INET6) return ntohs(reinterpret_cast<sockaddr_in6*>(&address)->sin6_port);
        return ntohs(reinterpret_cast<sockaddr_in*>(&address)->sin_port);
    }
    return -1;
}

int kwhttpd_socketpair(int pair[2])
{
    pair[0] = pair[1] = -1;
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    if (listener < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof address;
    bool ok = bind(listener, reinterpret_cast<sockaddr*>(&address), len) == 0 && listen(listener, 1) == 0 &&
              getsockname(listener, reinterpret_cast<sockaddr*>(&address), &len) == 0;
    if (ok) {
        pair[1] = socket(AF_INET, SOCK_STREAM, 0);
        ok = pair[1] >= 0 && connect(pair[1], reinterpret_cast<sockaddr*>(&address), len) == 0;
    }
    if (ok) {
        pair[0] = accept(listener, nullptr, nullptr);
        ok = pair[0] >= 0;
    }
    close(listener);
    if (!ok) {
        const int saved = errno;
        for (int i = 0; i < 2; ++i)
            if (pair[i] >= 0) close(pair[i]);
        pair[0] = pair[1] = -1;
        errno = saved;
        return -1;
    }
    for (int i = 0; i < 2; ++i) {
        set_non_blocking(pair[i]);
        set_close_on_exec(pair[i]);
    }
    return 0;
}
