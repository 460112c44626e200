// The callback interface: registration, the "embedded" I/O class and the
// accessors a callback uses.

#include "webserver/kwhttpd_internal.h"

#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

int embedded_read(kwhttpd_stream* stream, char*, std::size_t)
{
    if (!stream->chan.embedded.done) call_embedded_callback(stream->conn, 0);
    return 0;
}

int embedded_write(kwhttpd_stream* stream, const char*, std::size_t)
{
    if (!stream->chan.embedded.done) call_embedded_callback(stream->conn, 0);
    return 0;
}

// A callback that never signalled completion gets one last call, so that it
// can release what its state holds.
void embedded_close(kwhttpd_stream* stream)
{
    kwhttpd_embedded_binding& binding = stream->chan.embedded;
    if (binding.called && !binding.done) call_embedded_callback(stream->conn, KWHTTPD_CONNECTION_LOST);
    binding.done = true;
}

int clamp_to_int(std::size_t n)
{
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

} // namespace

const kwhttpd_io_class io_embedded = {"embedded", embedded_read, embedded_write, embedded_close, nullptr};

void kwhttpd_register_uri(kwhttpd_ctx* ctx, const char* pattern, kwhttpd_callback callback, void* user_data)
{
    ctx->uris.push_back({pattern, callback, user_data});
}

void kwhttpd_handle_error(kwhttpd_ctx* ctx, int status, kwhttpd_callback callback, void* user_data)
{
    ctx->error_handlers.push_back({status, callback, user_data});
}

bool match_uri_pattern(const char* pattern, const char* uri)
{
    // Greedy match with one backtrack point: linear in practice, never
    // exponential in the number of stars.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*uri) {
        if (*pattern == '*') {
            star = pattern++;
            resume = uri;
        } else if (*pattern == *uri) {
            ++pattern;
            ++uri;
        } else if (star) {
            pattern = star + 1;
            uri = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

void attach_callback(kwhttpd_conn* conn, kwhttpd_callback callback, void* user_data)
{
    kwhttpd_stream& loc = conn->loc;
    loc.io_class = &io_embedded;
    loc.chan.embedded = kwhttpd_embedded_binding{};
    loc.chan.embedded.callback = callback;
    loc.chan.embedded.user_data = user_data;
    loc.flags = FLAG_R | FLAG_W | FLAG_NO_WAIT;
}

void call_embedded_callback(kwhttpd_conn* conn, unsigned flags)
{
    kwhttpd_stream& loc = conn->loc;
    kwhttpd_stream& rem = conn->rem;
    kwhttpd_embedded_binding& binding = loc.chan.embedded;
    const bool lost = flags & KWHTTPD_CONNECTION_LOST;

    kwhttpd_arg arg{};
    arg.connection = conn;
    arg.state = binding.state;
    arg.user_data = binding.user_data;
    if (!lost) loc.io.reserveAll();
    arg.out.buf = loc.io.space();
    arg.out.len = lost ? 0 : clamp_to_int(loc.io.spaceLen());
    arg.in.buf = rem.io.data();
    arg.in.len = clamp_to_int(body_available(conn));
    arg.flags = flags;
    if (rem.io.dataLen() >= rem.io.limit()) arg.flags |= KWHTTPD_BODY_BUFFER_FULL;
    if (body_incomplete(conn)) arg.flags |= KWHTTPD_MORE_BODY;

    binding.called = true;
    binding.callback(&arg);

    binding.state = arg.state;
    if (lost) return; // output of a lost request is discarded
    // The access log reports the status the callback wrote.
    if (conn->status == 0 && arg.out.num_bytes >= 12 && std::strncmp(arg.out.buf, "HTTP/", 5) == 0) {
        const char* code = static_cast<const char*>(std::memchr(arg.out.buf, ' ', 12));
        if (code) conn->status = std::atoi(code + 1);
    }
    loc.io.incHead(static_cast<std::size_t>(arg.out.num_bytes));
    conn->local_bytes += static_cast<big_int_t>(arg.out.num_bytes);
    rem.io.incTail(static_cast<std::size_t>(arg.in.num_bytes));
    conn->body_consumed += static_cast<big_int_t>(arg.in.num_bytes);
    const bool done = arg.flags & KWHTTPD_OUTPUT_DONE;
    binding.done = done;
    if (done)
        loc.flags &= ~FLAG_KEEP_OPEN;
    else
        loc.flags |= FLAG_KEEP_OPEN;
    if (arg.flags & KWHTTPD_HOLD_OUTPUT) loc.flags |= FLAG_HELD;
    const bool progress = done || arg.out.num_bytes > 0 || arg.in.num_bytes > 0;
    if (progress)
        loc.flags &= ~FLAG_IDLE;
    else
        loc.flags |= FLAG_IDLE;
}

int kwhttpd_printf(kwhttpd_arg* arg, const char* format, ...)
{
    const int space = arg->out.len - arg->out.num_bytes;
    if (space <= 0) return 0;
    va_list ap;
    va_start(ap, format);
    const int n = std::vsnprintf(arg->out.buf + arg->out.num_bytes, static_cast<std::size_t>(space), format, ap);
    va_end(ap);
    const int stored = (n < 0 || n >= space) ? space - 1 : n;
    arg->out.num_bytes += stored;
    return stored;
}

char* kwhttpd_get_header(kwhttpd_arg* arg, const char* name)
{
    auto* conn = static_cast<kwhttpd_conn*>(arg->connection);
    for (const auto& line : conn->header_lines)
        if (compare_nocase(line.first, name, std::strlen(name) + 1) == 0) return const_cast<char*>(line.second);
    return nullptr;
}

char* kwhttpd_get_env(kwhttpd_arg* arg, const char* name)
{
    auto* conn = static_cast<kwhttpd_conn*>(arg->connection);
    static const char* const methods[] = {"GET", "POST", "PUT", "DELETE", "HEAD"};
    if (std::strcmp(name, "REQUEST_METHOD") == 0)
        return conn->method >= 0 ? const_cast<char*>(methods[conn->method]) : nullptr;
    if (std::strcmp(name, "REQUEST_URI") == 0) return conn->uri.data();
    if (std::strcmp(name, "QUERY_STRING") == 0) return conn->query ? conn->query_text.data() : nullptr;
    if (std::strcmp(name, "REMOTE_USER") == 0) return const_cast<char*>(conn->hdr.user.ptr);
    if (std::strcmp(name, "REMOTE_ADDR") == 0) {
        // One buffer per thread: valid until the thread's next such call.
        thread_local char address[64];
        copy_bounded(address, client_address_text(conn).c_str(), sizeof address);
        return address;
    }
    if (std::strcmp(name, "HTTPS") == 0) return conn->ctx->ssl_ctx ? const_cast<char*>("1") : nullptr;
    return nullptr;
}

int kwhttpd_get_var(const char* name, const char* buf, std::size_t buf_len, char* value, std::size_t value_size)
{
    const std::size_t name_len = std::strlen(name);
    const char* end = buf + buf_len;
    for (const char* p = buf; p + name_len < end; ++p) {
        const bool at_start = p == buf || p[-1] == '&';
        if (!at_start || p[name_len] != '=' || compare_nocase(p, name, name_len) != 0) continue;
        const char* v = p + name_len + 1;
        const char* stop = static_cast<const char*>(std::memchr(v, '&', static_cast<std::size_t>(end - v)));
        if (stop == nullptr) stop = end;
        return url_decode(v, static_cast<std::size_t>(stop - v), value, value_size);
    }
    return -1;
}

void kwhttpd_get_protocol_version(kwhttpd_arg* arg, unsigned long* major, unsigned long* minor)
{
    auto* conn = static_cast<kwhttpd_conn*>(arg->connection);
    *major = conn->major;
    *minor = conn->minor;
}

void kwhttpd_wakeup(void* connection)
{
    auto* conn = static_cast<kwhttpd_conn*>(connection);
    send_control(conn->worker, CTL_WAKE_UP, &conn);
}
