// The test host of the embedded server: the full library, configured by its
// own argument vector, with a few callbacks that tests and benchmarks use
// (/echo, /post, /hold, /wake, /stats, /big, and /p/echo below a directory
// the tests may protect) and include-page functions ("f" is true for the
// input "yes"; "hello" writes its input in two calls).
// "-A file realm user password" updates a passwords file and exits.
// It prints "port N" for its first listener, serves until SIGTERM, and ends
// by itself after ten minutes so that a forgotten host never lingers.

#include "webserver/kwhttpd.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

constexpr unsigned kLifetimeSeconds = 600;
volatile std::sig_atomic_t stop_requested = 0;
std::atomic<int> lost_connections{0};

void on_term(int)
{
    stop_requested = 1;
}

const char* text_or_dash(const char* text)
{
    return text ? text : "-";
}

// Reports the request as the callback sees it.
void echo(kwhttpd_arg* arg)
{
    unsigned long major = 0, minor = 0;
    kwhttpd_get_protocol_version(arg, &major, &minor);
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n");
    kwhttpd_printf(arg, "method=%s\nuri=%s\nquery=%s\naddr=%s\nversion=%lu.%lu\nuser-agent=%s\nuser=%s\n",
                   text_or_dash(kwhttpd_get_env(arg, "REQUEST_METHOD")),
                   text_or_dash(kwhttpd_get_env(arg, "REQUEST_URI")),
                   text_or_dash(kwhttpd_get_env(arg, "QUERY_STRING")),
                   text_or_dash(kwhttpd_get_env(arg, "REMOTE_ADDR")), major, minor,
                   text_or_dash(kwhttpd_get_header(arg, "User-Agent")),
                   text_or_dash(kwhttpd_get_env(arg, "REMOTE_USER")));
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

struct PostState {
    int waited = 0;   // calls that saw KWHTTPD_MORE_BODY
    bool head_written = false;
};

// Echoes the body once it has arrived whole.
void post(kwhttpd_arg* arg)
{
    auto* state = static_cast<PostState*>(arg->state);
    if (state == nullptr) arg->state = state = new PostState;
    if (arg->flags & KWHTTPD_CONNECTION_LOST) {
        delete state;
        return;
    }
    if ((arg->flags & KWHTTPD_MORE_BODY) && !(arg->flags & KWHTTPD_BODY_BUFFER_FULL) && !state->head_written) {
        ++state->waited;
        return;
    }
    if (!state->head_written) {
        kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nwaited=%d\n", state->waited);
        state->head_written = true;
    }
    const int n = std::min(arg->in.len, arg->out.len - arg->out.num_bytes);
    std::memcpy(arg->out.buf + arg->out.num_bytes, arg->in.buf, static_cast<std::size_t>(n));
    arg->out.num_bytes += n;
    arg->in.num_bytes = n;
    if (n == arg->in.len && !(arg->flags & KWHTTPD_MORE_BODY)) {
        delete state;
        arg->state = nullptr;
        arg->flags |= KWHTTPD_OUTPUT_DONE;
    }
}

// Starts a reply and never completes it.
void hold(kwhttpd_arg* arg)
{
    if (arg->flags & KWHTTPD_CONNECTION_LOST) {
        ++lost_connections;
        return;
    }
    if (arg->state == nullptr) {
        kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nholding\n");
        arg->state = arg;
    }
}

// Holds a complete reply and releases it from another thread.
void wake(kwhttpd_arg* arg)
{
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nwoken\n");
    arg->flags |= KWHTTPD_OUTPUT_DONE | KWHTTPD_HOLD_OUTPUT;
    std::thread(kwhttpd_wakeup, arg->connection).detach();
}

void stats(kwhttpd_arg* arg)
{
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nlost=%d\n", lost_connections.load());
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

// "n" bytes (query variable, default 4 MiB) over as many calls as the
// reply buffer needs.
void big(kwhttpd_arg* arg)
{
    auto* left = static_cast<unsigned long*>(arg->state);
    if (arg->flags & KWHTTPD_CONNECTION_LOST) {
        delete left;
        return;
    }
    if (left == nullptr) {
        unsigned long n = 4UL << 20;
        const char* query = kwhttpd_get_env(arg, "QUERY_STRING");
        char value[32];
        if (query && kwhttpd_get_var("n", query, std::strlen(query), value, sizeof value) > 0)
            n = std::strtoul(value, nullptr, 10);
        arg->state = left = new unsigned long(n);
        kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: %lu\r\n\r\n", n);
    }
    const unsigned long room = static_cast<unsigned long>(arg->out.len - arg->out.num_bytes);
    const unsigned long n = std::min(*left, room);
    std::memset(arg->out.buf + arg->out.num_bytes, 'x', n);
    arg->out.num_bytes += static_cast<int>(n);
    *left -= n;
    if (*left == 0) {
        delete left;
        arg->state = nullptr;
        arg->flags |= KWHTTPD_OUTPUT_DONE;
    }
}

// An include-page condition: true for the input "yes".
void condition(kwhttpd_arg* arg)
{
    if (arg->in.len == 3 && std::memcmp(arg->in.buf, "yes", 3) == 0) arg->flags |= KWHTTPD_SSI_TRUE;
}

// An include-page function that needs two calls: "[" and its input, then "]".
void hello(kwhttpd_arg* arg)
{
    auto* first_done = static_cast<bool*>(arg->user_data);
    if (!*first_done) {
        kwhttpd_printf(arg, "[%.*s", arg->in.len, arg->in.buf);
        *first_done = true;
        return;
    }
    kwhttpd_printf(arg, "]");
    *first_done = false;
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 6 && std::strcmp(argv[1], "-A") == 0) return update_passwords_file(argv[2], argv[3], argv[4], argv[5]);
    std::signal(SIGTERM, on_term);
    alarm(kLifetimeSeconds);
    kwhttpd_ctx* ctx = kwhttpd_init(argc, argv);
    kwhttpd_register_uri(ctx, "/echo*", echo, nullptr);
    kwhttpd_register_uri(ctx, "/post", post, nullptr);
    kwhttpd_register_uri(ctx, "/hold", hold, nullptr);
    kwhttpd_register_uri(ctx, "/stats", stats, nullptr);
    kwhttpd_register_uri(ctx, "/wake", wake, nullptr);
    kwhttpd_register_uri(ctx, "/big", big, nullptr);
    kwhttpd_register_uri(ctx, "/p/echo", echo, nullptr);
    static bool hello_state = false;
    kwhttpd_register_ssi_func(ctx, "f", condition, nullptr);
    kwhttpd_register_ssi_func(ctx, "hello", hello, &hello_state);
    std::printf("port %d\n", kwhttpd_listening_port(ctx, 0));
    std::fflush(stdout);
    while (!stop_requested) kwhttpd_poll(ctx, 1000);
    kwhttpd_fini(ctx);
    return 0;
}
