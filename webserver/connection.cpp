// Connections: adoption, the processing step, moving data between the
// streams and their classes, deadlines and the end of a request.

#include "webserver/kwhttpd_internal.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool remote_is_socket(const kwhttpd_conn* conn)
{
    return (conn->rem.io_class == &io_socket || conn->rem.io_class == &io_ssl) && conn->rem.chan.sock >= 0;
}

bool remote_pending(const kwhttpd_conn* conn)
{
    const kwhttpd_stream& rem = conn->rem;
    return rem.io_class && rem.io_class->pending && rem.io.hasSpace() && rem.io_class->pending(&rem) > 0;
}

bool would_block(int result)
{
    return result < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK);
}

void read_stream(kwhttpd_stream* stream)
{
    kwhttpd_conn* conn = stream->conn;
    std::size_t len = stream->io.spaceLen();
    if (len == 0) return;
    if (stream == &conn->loc && stream->content_len != 0)
        len = std::min<big_int_t>(len, stream->content_len - stream->io.total);
    const bool head_empty = stream == &conn->rem && !(conn->rem.flags & FLAG_HEAD_PARSED) &&
                            conn->rem.io.dataLen() == 0;
    const int n = stream->io_class->read(stream, stream->io.space(), len);
    if (n > 0) {
        stream->io.incHead(static_cast<std::size_t>(n));
        if (stream == &conn->rem) {
            conn->last_activity_ms = monotonic_ms();
            // A new head starts its own time-out, also on a kept-alive connection.
            if (head_empty) conn->request_start_ms = conn->last_activity_ms;
            conn->loc.flags &= ~FLAG_IDLE;
        } else {
            conn->local_bytes += static_cast<big_int_t>(n);
        }
    } else if (!would_block(n) && !(stream->flags & FLAG_KEEP_OPEN)) {
        finish_stream(stream);
    }
    if (stream == &conn->loc && stream->content_len != 0 && stream->io.total >= stream->content_len)
        finish_stream(stream);
}

void write_stream(kwhttpd_stream* from, kwhttpd_stream* to)
{
    kwhttpd_conn* conn = from->conn;
    const bool to_body_sink = to == &conn->loc;
    const std::size_t len = to_body_sink ? body_available(conn) : from->io.dataLen();
    const int n = to->io_class->write(to, from->io.data(), len);
    if (n > 0) {
        from->io.incTail(static_cast<std::size_t>(n));
        if (to_body_sink) {
            conn->body_consumed += static_cast<big_int_t>(n);
        } else {
            conn->last_activity_ms = monotonic_ms();
            conn->loc.flags &= ~FLAG_IDLE; // reply space has been freed
        }
    } else if (!would_block(n) && !(to->flags & FLAG_KEEP_OPEN)) {
        finish_stream(to);
    }
}

void close_local_class(kwhttpd_conn* conn)
{
    if (conn->loc.io_class && conn->loc.io_class->close) conn->loc.io_class->close(&conn->loc);
    conn->loc.io_class = nullptr;
}

// Back to the state of a fresh connection, keeping unread pipelined bytes.
void reset_for_next_request(kwhttpd_conn* conn)
{
    conn->loc.io_class = nullptr;
    conn->loc.flags = 0;
    conn->loc.content_len = 0;
    conn->loc.chan = kwhttpd_channel{};
    conn->loc.io.clear();
    conn->loc.io.release();
    conn->rem.flags = FLAG_R | FLAG_W | (conn->rem.flags & FLAG_TLS_READY);
    conn->rem.content_len = 0;
    conn->rem.headers_len = 0;
    conn->rem.io.total = 0;
    conn->query = conn->path_info = conn->headers = nullptr;
    conn->request.clear();
    conn->uri.clear();
    conn->query_text.clear();
    conn->path.clear();
    conn->path_base.clear();
    conn->mime_type.clear();
    conn->hdr = kwhttpd_headers{};
    conn->auth_user.clear();
    conn->header_lines.clear();
    conn->has_request = false;
    conn->method = -1;
    conn->major = conn->minor = 0;
    conn->status = 0;
    conn->body_consumed = 0;
    conn->local_bytes = 0;
    conn->scan_pos = conn->line_start = 0;
    conn->birth = server_clock();
    conn->request_start_ms = monotonic_ms();
    conn->served_one = true;
}

bool wants_close(const kwhttpd_conn* conn)
{
    return client_asks_close(conn) || conn->must_close || (conn->rem.flags & FLAG_FINISHED) || conn->major == 0 || conn->minor == 0 ||
           conn->loc.content_len == 0 || conn->hdr.content_length > conn->body_consumed;
}

// Closing a socket that still has unread client bytes makes the kernel send
// a reset, which can destroy the reply before the client has read it; so the
// write side is shut first and the client's bytes are drained for a while.
bool close_after_reply(kwhttpd_conn* conn)
{
    if (!remote_is_socket(conn)) {
        connection_close(conn);
        return false;
    }
    if (conn->rem.io_class == &io_ssl) ssl_send_close_notify(&conn->rem);
    shutdown(conn->rem.chan.sock, SHUT_WR);
    conn->rem.io.clear();
    conn->rem.io.release();
    conn->loc.io.clear();
    conn->loc.io.release();
    conn->linger_until_ms = monotonic_ms() + kLingerMs;
    conn->linger_cap_ms = monotonic_ms() + kLingerCapMs;
    return true;
}

// The end of a request (keep-alive or close); false when the connection was released.
bool end_request(kwhttpd_conn* conn)
{
    write_access_log(conn);
    if (option_is_true(conn->ctx, OPT_INETD)) std::exit(0);
    close_local_class(conn);
    if (wants_close(conn)) return close_after_reply(conn);
    reset_for_next_request(conn);
    return true;
}

bool linger_step(kwhttpd_conn* conn, bool remote_ready)
{
    if (remote_ready) {
        char discard[4096];
        for (int reads = 0; reads < 64; ++reads) {
            const ssize_t n = recv(conn->rem.chan.sock, discard, sizeof discard, 0);
            if (n > 0) {
                conn->linger_until_ms = std::min(monotonic_ms() + kLingerMs, conn->linger_cap_ms);
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) break;
            connection_close(conn);
            return false;
        }
    }
    if (monotonic_ms() >= conn->linger_until_ms) {
        connection_close(conn);
        return false;
    }
    return true;
}

// A program or command that has not begun the reply gets as long as a
// client gets for its head, not the hour of an idle reply.
bool local_waits_for_first_bytes(const kwhttpd_conn* conn)
{
    return conn->loc.chan.wait_fd >= 0 && conn->loc.io_class && conn->local_bytes == 0;
}

// A deadline passed: the head or the body came too slowly, a kept-alive
// connection stayed idle, or a reply made no progress.
bool handle_timeout(kwhttpd_conn* conn)
{
    const bool waiting_for_head = !(conn->rem.flags & FLAG_HEAD_PARSED) && conn->loc.io_class == nullptr &&
                                  !(conn->loc.flags & FLAG_FINISHED);
    if (waiting_for_head && conn->served_one && conn->rem.io.dataLen() == 0) {
        connection_close(conn);
        return false;
    }
    const bool slow_body = body_incomplete(conn) && !(conn->loc.flags & FLAG_FINISHED);
    if ((waiting_for_head || slow_body) && conn->local_bytes == 0) {
        conn->must_close = true;
        send_server_error(conn, 408, "Request Timeout");
        return true;
    }
    if (local_waits_for_first_bytes(conn)) {
        cry(conn, "%s: no reply within %ld seconds", conn->path.c_str(),
            option_number(conn->ctx, OPT_REQUEST_TIMEOUT, kDefaultRequestTimeout));
        conn->must_close = true;
        send_server_error(conn, 504, "Gateway Timeout");
        return true;
    }
    cry(conn, "connection idle for %d seconds, closed", kReplyIdleSeconds);
    connection_end_now(conn);
    return false;
}

} // namespace

kwhttpd_conn* add_connection(kwhttpd_worker* worker, const kwhttpd_io_class* remote, int sock,
                             void* remote_data)
{
    auto conn = std::unique_ptr<kwhttpd_conn>(new (std::nothrow) kwhttpd_conn);
    if (!conn) return nullptr;
    kwhttpd_ctx* ctx = worker->ctx;
    conn->worker = worker;
    conn->ctx = ctx;
    conn->birth = server_clock();
    conn->last_activity_ms = conn->request_start_ms = monotonic_ms();
    conn->rem.conn = conn->loc.conn = conn.get();
    conn->rem.io_class = remote;
    conn->rem.chan.sock = sock;
    conn->rem.chan.ptr = remote_data;
    conn->rem.flags = FLAG_R | FLAG_W;
    // Room for a whole head and more, so that an overlong one is seen as such.
    conn->rem.io.setLimit(std::max<std::size_t>(2 * kMaxHead, option_number(ctx, OPT_MAX_BODY, kDefaultMaxBody)));
    conn->loc.io.setLimit(kReplyBufferSize);
    kwhttpd_conn* raw = conn.get();
    worker->conns.push_back(std::move(conn));
    ++worker->num_conns;
    ++ctx->total_conns;
    return raw;
}

kwhttpd_conn* add_socket(kwhttpd_worker* worker, int sock, bool tls)
{
    const bool fatal = option_is_true(worker->ctx, OPT_INETD);
    auto fail = [&](const char* what, const char* why) {
        close(sock);
        if (fatal) elog_fatal(nullptr, "add_socket: %s%s", what, why);
        cry(nullptr, "add_socket: %s%s", what, why);
        return nullptr;
    };
    set_non_blocking(sock);
    // A reply leaves in pieces (a head, then the body; over TLS after the
    // handshake's last records): without this each later piece waits for the
    // client's delayed acknowledgement of the one before, some 40 ms.
    const int no_delay = 1;
    setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &no_delay, sizeof no_delay);
    sockaddr_storage peer{};
    socklen_t peer_len = sizeof peer;
    if (getpeername(sock, reinterpret_cast<sockaddr*>(&peer), &peer_len) != 0)
        return fail("", last_error_text());
    void* tls_object = nullptr;
    if (tls && (tls_object = ssl_attach(worker->ctx, sock)) == nullptr) return fail("SSL_new: ", std::strerror(ENOMEM));
    kwhttpd_conn* conn = add_connection(worker, tls ? &io_ssl : &io_socket, sock, tls_object);
    if (conn == nullptr) {
        ssl_release(tls_object);
        return fail("calloc: ", std::strerror(ENOMEM));
    }
    conn->peer = peer;
    conn->peer_len = peer_len;
    sockaddr_storage local{};
    socklen_t local_len = sizeof local;
    if (getsockname(sock, reinterpret_cast<sockaddr*>(&local), &local_len) == 0)
        conn->local_port = ntohs(local.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&local)->sin6_port
                                                              : reinterpret_cast<sockaddr_in*>(&local)->sin_port);
    set_close_on_exec(sock);
    if (tls) {
        ssl_handshake_step(&conn->rem);
        // A failed handshake ends the connection without a reply or a log line.
        if (conn->rem.flags & FLAG_FINISHED) {
            connection_close(conn);
            return nullptr;
        }
    }
    return conn;
}

void finish_stream(kwhttpd_stream* stream)
{
    if (stream->io_class && stream->io_class->close) stream->io_class->close(stream);
    stream->io_class = nullptr;
    stream->flags &= ~(FLAG_R | FLAG_W | FLAG_NO_WAIT | FLAG_IDLE);
    stream->flags |= FLAG_FINISHED;
}

std::size_t body_available(const kwhttpd_conn* conn)
{
    if (!(conn->rem.flags & FLAG_HEAD_PARSED)) return 0;
    const big_int_t left = conn->hdr.content_length - conn->body_consumed;
    return static_cast<std::size_t>(std::min<big_int_t>(left, conn->rem.io.dataLen()));
}

bool client_asks_close(const kwhttpd_conn* conn)
{
    const kwhttpd_headers::text& c = conn->hdr.connection;
    return c.ptr && c.len >= 5 && compare_nocase(c.ptr, "close", 5) == 0;
}

bool body_incomplete(const kwhttpd_conn* conn)
{
    return (conn->rem.flags & FLAG_HEAD_PARSED) && conn->rem.io.total < conn->hdr.content_length;
}

bool connection_step(kwhttpd_conn* conn, bool remote_ready, bool local_ready)
{
    if (conn->linger_until_ms) return linger_step(conn, remote_ready);
    kwhttpd_stream& rem = conn->rem;
    kwhttpd_stream& loc = conn->loc;
    for (;;) {
        remote_ready = remote_ready || remote_pending(conn);
        if (remote_ready && rem.io_class && rem.io.hasSpace()) read_stream(&rem);
        if (!(rem.flags & FLAG_HEAD_PARSED) && loc.io_class == nullptr && !(loc.flags & FLAG_FINISHED) &&
            rem.io.dataLen() > 0)
            parse_http_request(conn);
        // A source that never blocks (a file, a callback) is read in the step
        // that started it, so that its reply leaves with the head in one write.
        local_ready = local_ready || connection_local_ready(conn);
        if (local_ready && loc.io_class && loc.io_class->read && (loc.flags & FLAG_R) && loc.io.hasSpace())
            read_stream(&loc);
        if (body_available(conn) > 0 && (loc.flags & FLAG_W) && !(loc.flags & FLAG_IDLE) && loc.io_class &&
            loc.io_class->write)
            write_stream(&rem, &loc);
        if (loc.io.dataLen() > 0 && rem.io_class && !(loc.flags & FLAG_HELD)) write_stream(&loc, &rem);

        if (monotonic_ms() >= connection_deadline(conn) && !handle_timeout(conn)) return false;
        const bool request_over = (rem.flags & FLAG_FINISHED) || ((loc.flags & FLAG_FINISHED) && loc.io.dataLen() == 0);
        if (!request_over) return true;
        if (!end_request(conn)) return false;
        if (conn->linger_until_ms || rem.io.dataLen() == 0) return true;
        // A pipelined request is waiting: serve it in this step.
        remote_ready = local_ready = false;
    }
}

std::int64_t connection_deadline(const kwhttpd_conn* conn)
{
    if (conn->linger_until_ms) return conn->linger_until_ms;
    const kwhttpd_ctx* ctx = conn->ctx;
    const std::int64_t request_ms = 1000 * option_number(ctx, OPT_REQUEST_TIMEOUT, kDefaultRequestTimeout);
    if (!(conn->rem.flags & FLAG_HEAD_PARSED) && conn->loc.io_class == nullptr &&
        !(conn->loc.flags & FLAG_FINISHED)) {
        if (conn->served_one && conn->rem.io.dataLen() == 0)
            return conn->request_start_ms + 1000 * option_number(ctx, OPT_KEEP_ALIVE_TIMEOUT, kDefaultKeepAliveTimeout);
        return conn->request_start_ms + request_ms;
    }
    if (body_incomplete(conn) && !(conn->loc.flags & FLAG_FINISHED)) return conn->last_activity_ms + request_ms;
    if (local_waits_for_first_bytes(conn)) return conn->last_activity_ms + request_ms;
    return conn->last_activity_ms + 1000LL * kReplyIdleSeconds;
}

int connection_wait_fd(const kwhttpd_conn* conn, short* events)
{
    *events = 0;
    if (!remote_is_socket(conn)) return -1;
    if (conn->linger_until_ms || conn->rem.io.hasSpace()) *events |= POLLIN;
    if (!conn->linger_until_ms && conn->loc.io.dataLen() > 0 && !(conn->loc.flags & FLAG_HELD)) *events |= POLLOUT;
    return conn->rem.chan.sock;
}

int connection_local_wait_fd(const kwhttpd_conn* conn, short* events)
{
    *events = 0;
    const kwhttpd_stream& loc = conn->loc;
    if (conn->linger_until_ms || loc.chan.wait_fd < 0 || loc.io_class == nullptr) return -1;
    if ((loc.flags & FLAG_R) && loc.io.hasSpace()) *events |= POLLIN;
    if ((loc.flags & FLAG_W) && body_available(conn) > 0) *events |= POLLOUT;
    return loc.chan.wait_fd;
}

bool connection_local_ready(const kwhttpd_conn* conn)
{
    return (conn->loc.flags & FLAG_NO_WAIT) && !(conn->loc.flags & FLAG_IDLE);
}

bool connection_needs_no_wait(const kwhttpd_conn* conn)
{
    if (!conn->linger_until_ms && remote_pending(conn)) return true;
    if (!connection_local_ready(conn)) return false;
    return ((conn->loc.flags & FLAG_R) && conn->loc.io.hasSpace()) ||
           ((conn->loc.flags & FLAG_W) && body_available(conn) > 0);
}

void connection_wake(kwhttpd_conn* conn)
{
    conn->loc.flags &= ~(FLAG_HELD | FLAG_IDLE);
}

void connection_close(kwhttpd_conn* conn)
{
    close_local_class(conn);
    if (conn->rem.io_class && conn->rem.io_class->close) conn->rem.io_class->close(&conn->rem);
    conn->rem.io_class = nullptr;
    kwhttpd_worker* worker = conn->worker;
    --worker->num_conns;
    --conn->ctx->total_conns;
    for (auto it = worker->conns.begin(); it != worker->conns.end(); ++it) {
        if (it->get() == conn) {
            worker->conns.erase(it);
            return;
        }
    }
}

void connection_end_now(kwhttpd_conn* conn)
{
    if (!conn->linger_until_ms) write_access_log(conn);
    connection_close(conn);
}
