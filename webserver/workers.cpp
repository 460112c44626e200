// The poll cycle: accepting clients, the workers that own connections and
// their control messages.

#include "webserver/kwhttpd_internal.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kWorkerWaitMs = 10000;
constexpr std::size_t kControlSize = 12;

void read_control(kwhttpd_worker* worker)
{
    char chunk[kControlSize * 32];
    for (;;) {
        const ssize_t n = recv(worker->ctl[0], chunk, sizeof chunk, 0);
        if (n <= 0) break;
        worker->ctl_pending.append(chunk, static_cast<std::size_t>(n));
    }
    std::size_t used = 0;
    for (; worker->ctl_pending.size() - used >= kControlSize; used += kControlSize) {
        const char* message = worker->ctl_pending.data() + used;
        std::uint32_t command = 0;
        std::memcpy(&command, message, 4);
        if (command == CTL_HAND_OVER) {
            std::int32_t sock = 0, tls = 0;
            std::memcpy(&sock, message + 4, 4);
            std::memcpy(&tls, message + 8, 4);
            add_socket(worker, sock, tls != 0);
        } else if (command == CTL_WAKE_UP) {
            kwhttpd_conn* target = nullptr;
            std::memcpy(&target, message + 4, sizeof target);
            // The connection may have ended since the wake-up was sent.
            for (const auto& conn : worker->conns)
                if (conn.get() == target) connection_wake(conn.get());
        } else {
            elog_fatal(nullptr, "ctx %p: ctl cmd %d", static_cast<void*>(worker->ctx), static_cast<int>(command));
        }
    }
    worker->ctl_pending.erase(0, used);
}

kwhttpd_worker* least_busy_worker(kwhttpd_ctx* ctx)
{
    kwhttpd_worker* best = nullptr;
    for (const auto& w : ctx->workers)
        if (best == nullptr || w->num_conns < best->num_conns) best = w.get();
    return best;
}

void accept_clients(kwhttpd_ctx* ctx, const kwhttpd_listener& listener, kwhttpd_worker* inline_worker)
{
    const long cap = option_number(ctx, OPT_MAX_CONNECTIONS, kDefaultMaxConnections);
    for (;;) {
        sockaddr_storage peer{};
        socklen_t peer_len = sizeof peer;
        const int sock = accept4(listener.sock, reinterpret_cast<sockaddr*>(&peer), &peer_len,
                                 SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (sock < 0) {
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                cry(nullptr, "ctx %p: cannot accept: %s", static_cast<void*>(ctx), last_error_text());
                ctx->accept_paused_until_ms = monotonic_ms() + kAcceptPauseMs;
            }
            return;
        }
        if (ctx->total_conns >= cap) {
            cry(nullptr, "ctx %p: discarding socket %d, too busy", static_cast<void*>(ctx), sock);
            close(sock);
        } else if (!ctx->acl.empty() && !acl_allows(ctx, peer)) {
            cry(nullptr, "%s is not allowed to connect", address_text(peer).c_str());
            close(sock);
        } else if (inline_worker) {
            add_socket(inline_worker, sock, listener.tls);
        } else if (kwhttpd_worker* worker = least_busy_worker(ctx)) {
            const std::int32_t payload[2] = {sock, listener.tls ? 1 : 0};
            send_control(worker, CTL_HAND_OVER, payload);
        } else {
            close(sock);
        }
    }
}

// One cycle of `worker` (may be null), and of the listeners when asked.
void cycle(kwhttpd_ctx* ctx, kwhttpd_worker* worker, int milliseconds, bool with_listeners)
{
    const std::int64_t now = monotonic_ms();
    std::int64_t deadline = now + milliseconds;
    if (with_listeners && now < ctx->accept_paused_until_ms) {
        with_listeners = false;
        deadline = std::min(deadline, ctx->accept_paused_until_ms);
    }
    std::vector<pollfd> fds;
    if (with_listeners)
        for (const kwhttpd_listener& l : ctx->listeners) fds.push_back({l.sock, POLLIN, 0});
    const std::size_t ctl_index = fds.size();
    const std::size_t first_conn = ctl_index + (worker ? 1 : 0);
    bool no_wait = false;
    // Each watched descriptor: its connection, and whether it is the local side's.
    std::vector<std::pair<kwhttpd_conn*, bool>> watched;
    if (worker) {
        fds.push_back({worker->ctl[0], POLLIN, 0});
        for (const auto& conn : worker->conns) {
            conn->revents = conn->local_revents = 0;
            short events = 0;
            const int fd = connection_wait_fd(conn.get(), &events);
            if (fd >= 0 && events) {
                fds.push_back({fd, events, 0});
                watched.emplace_back(conn.get(), false);
            }
            const int local_fd = connection_local_wait_fd(conn.get(), &events);
            if (local_fd >= 0 && events) {
                fds.push_back({local_fd, events, 0});
                watched.emplace_back(conn.get(), true);
            }
            no_wait = no_wait || connection_needs_no_wait(conn.get());
            deadline = std::min(deadline, connection_deadline(conn.get()));
        }
    }
    const int timeout = no_wait ? 0 : static_cast<int>(std::max<std::int64_t>(0, deadline - now));
    if (poll(fds.data(), fds.size(), timeout) < 0) return;
    set_server_clock();

    for (std::size_t i = first_conn; i < fds.size(); ++i) {
        const auto& [conn, local] = watched[i - first_conn];
        (local ? conn->local_revents : conn->revents) = fds[i].revents;
    }
    if (with_listeners) {
        std::size_t i = 0;
        for (const kwhttpd_listener& l : ctx->listeners)
            if (fds[i++].revents & POLLIN) accept_clients(ctx, l, worker);
    }
    if (worker == nullptr) return;
    if (fds[ctl_index].revents & POLLIN) read_control(worker);
    for (auto it = worker->conns.begin(); it != worker->conns.end();) {
        kwhttpd_conn* conn = it->get();
        ++it; // the step may release this connection
        const bool remote_ready = conn->revents & (POLLIN | POLLHUP | POLLERR);
        const bool local_ready = conn->local_revents & (POLLIN | POLLOUT | POLLHUP | POLLERR);
        connection_step(conn, remote_ready, local_ready || connection_local_ready(conn));
    }
}

void worker_main(kwhttpd_worker* worker)
{
    while (!worker->exit_flag) cycle(worker->ctx, worker, kWorkerWaitMs, false);
    while (!worker->conns.empty()) connection_end_now(worker->conns.front().get());
}

bool threaded(const kwhttpd_ctx* ctx)
{
    return !ctx->workers.empty() && ctx->workers.front()->thread.joinable();
}

} // namespace

void send_control(kwhttpd_worker* worker, std::uint32_t command, const void* payload)
{
    char message[kControlSize];
    std::memcpy(message, &command, 4);
    std::memcpy(message + 4, payload, 8);
    if (worker->ctl[1] < 0) return;
    // A full control pipe means the worker is already due to wake up.
    if (send(worker->ctl[1], message, sizeof message, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof message) &&
        command == CTL_HAND_OVER) {
        std::int32_t sock = 0;
        std::memcpy(&sock, payload, 4);
        close(sock);
        cry(nullptr, "ctx %p: discarding socket %d, too busy", static_cast<void*>(worker->ctx), sock);
    }
}

kwhttpd_worker* add_worker(kwhttpd_ctx* ctx, bool with_thread)
{
    auto worker = std::unique_ptr<kwhttpd_worker>(new (std::nothrow) kwhttpd_worker);
    if (!worker || kwhttpd_socketpair(worker->ctl) != 0) elog_fatal(nullptr, "Cannot allocate worker");
    worker->ctx = ctx;
    kwhttpd_worker* raw = worker.get();
    ctx->workers.push_back(std::move(worker));
    if (with_thread) raw->thread = std::thread(worker_main, raw);
    return raw;
}

void stop_workers(kwhttpd_ctx* ctx)
{
    for (const auto& w : ctx->workers) {
        if (w->thread.joinable()) {
            w->exit_flag = true;
            const kwhttpd_conn* none = nullptr;
            send_control(w.get(), CTL_WAKE_UP, &none);
            w->thread.join();
        } else {
            while (!w->conns.empty()) connection_end_now(w->conns.front().get());
        }
        close(w->ctl[0]);
        close(w->ctl[1]);
    }
    ctx->workers.clear();
}

void set_threads(kwhttpd_ctx* ctx, const char* value)
{
    const long n = value ? std::strtol(value, nullptr, 10) : 1;
    if (n < 1) elog_fatal(nullptr, "bad number of threads: [%s]", value);
    if (n == 1) {
        if (threaded(ctx)) stop_workers(ctx);
        if (ctx->workers.empty()) add_worker(ctx, false);
        return;
    }
    // The worker served inside kwhttpd_poll so far gets a thread of its own
    // and keeps its connections.
    for (const auto& w : ctx->workers)
        if (!w->thread.joinable()) w->thread = std::thread(worker_main, w.get());
    while (ctx->workers.size() < static_cast<std::size_t>(n)) add_worker(ctx, true);
}

void kwhttpd_poll(kwhttpd_ctx* ctx, int milliseconds)
{
    set_server_clock();
    kwhttpd_worker* inline_worker = threaded(ctx) || ctx->workers.empty() ? nullptr : ctx->workers.front().get();
    cycle(ctx, inline_worker, milliseconds, true);
}
