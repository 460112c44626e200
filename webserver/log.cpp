// The server's logger, the access log and the clocks.

#include "webserver/kwhttpd_internal.h"

#include <arpa/inet.h>

#include <chrono>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kLogLineMax = 16384;

// Written by the thread that runs kwhttpd_poll, read by the worker threads.
std::atomic<std::time_t> clock_seconds{0};

void vcry(kwhttpd_conn* conn, const char* format, va_list ap)
{
    char message[kLogLineMax];
    std::vsnprintf(message, sizeof message, format, ap);
    if (conn == nullptr || !option_is_true(conn->ctx, OPT_INETD)) std::fprintf(stderr, "%s\n", message);
    if (conn == nullptr || conn->ctx->error_log == nullptr) return;

    char date[64];
    const std::time_t now = server_clock();
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(date, sizeof date, "%a %b %d %H:%M:%S %Y", &local);
    char line[kLogLineMax];
    format_bounded(line, sizeof line, "[%s] [error] [client %s] \"%s\" %s", date,
                   client_address_text(conn).c_str(),
                   conn->has_request ? conn->request.c_str() : "-", message);
    std::fprintf(conn->ctx->error_log, "%s\n", line);
    std::fflush(conn->ctx->error_log);
}

// A quoted header value for the access log, or a bare "-".
std::string quoted(const kwhttpd_headers::text& value)
{
    if (value.ptr == nullptr) return "-";
    return "\"" + std::string(value.ptr, value.len) + "\"";
}

} // namespace

void cry(kwhttpd_conn* conn, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    vcry(conn, format, ap);
    va_end(ap);
}

void elog_fatal(kwhttpd_conn* conn, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    vcry(conn, format, ap);
    va_end(ap);
    std::exit(1);
}

std::string client_address_text(const kwhttpd_conn* conn)
{
    return address_text(conn->peer);
}

std::string address_text(const sockaddr_storage& peer)
{
    char text[INET6_ADDRSTRLEN] = "";
    if (peer.ss_family == AF_INET) {
        const auto* sin = reinterpret_cast<const sockaddr_in*>(&peer);
        inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text);
    } else if (peer.ss_family == AF_INET6) {
        const auto* sin6 = reinterpret_cast<const sockaddr_in6*>(&peer);
        if (IN6_IS_ADDR_V4MAPPED(&sin6->sin6_addr))
            inet_ntop(AF_INET, &sin6->sin6_addr.s6_addr[12], text, sizeof text);
        else
            inet_ntop(AF_INET6, &sin6->sin6_addr, text, sizeof text);
    } else {
        return "-";
    }
    return text;
}

void write_access_log(kwhttpd_conn* conn)
{
    std::FILE* log = conn->ctx->access_log;
    if (log == nullptr || !conn->has_request) return;
    char date[64];
    std::tm utc{};
    const std::time_t birth = conn->birth;
    gmtime_r(&birth, &utc);
    std::strftime(date, sizeof date, "%d/%b/%Y:%H:%M:%S", &utc);
    const kwhttpd_headers::text& user = conn->hdr.user;
    char line[kLogLineMax];
    format_bounded(line, sizeof line, "%s - %.*s [%s %+05d] \"%s\" %d %lu %s %s",
                   client_address_text(conn).c_str(), user.ptr ? static_cast<int>(user.len) : 1,
                   user.ptr ? user.ptr : "-", date, 0, conn->request.c_str(), conn->status,
                   static_cast<unsigned long>(conn->local_bytes), quoted(conn->hdr.referer).c_str(),
                   quoted(conn->hdr.user_agent).c_str());
    std::fprintf(log, "%s\n", line);
    std::fflush(log);
}

std::time_t server_clock()
{
    return clock_seconds.load(std::memory_order_relaxed);
}

void set_server_clock()
{
    clock_seconds.store(std::time(nullptr), std::memory_order_relaxed);
}

std::int64_t monotonic_ms()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
