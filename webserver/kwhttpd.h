#pragma once

// The embedded HTTP server: a small single-process HTTP/1.1 server.
//
// A host program makes one context with kwhttpd_init, registers callbacks for
// URI patterns, calls kwhttpd_poll in a loop and ends with kwhttpd_fini.
// Start-up and configuration errors are fatal: the message goes to standard
// error and the process exits with status 1. A bad request becomes an HTTP
// error reply; everything else is a warning on standard error (and, for the
// errors of a connection, in the error log).
//
// Threading: the context is configured on one thread. With the "threads"
// option at 1 (the default) every connection is served on the thread that
// calls kwhttpd_poll; with N >= 2 each connection belongs to one of N worker
// threads. kwhttpd_wakeup may be called from any thread.

#include <cstddef>
#include <string>
#include <string_view>

struct kwhttpd_ctx;

// The argument record of every callback call. The callback may change `state`,
// `in.num_bytes`, `out.num_bytes` and `flags`.
struct kwhttpd_arg {
    void* connection; // opaque; for the accessors and kwhttpd_wakeup
    void* state;      // kept for the callback between the calls of one request
    void* user_data;  // as given at registration
    struct {
        char* buf;     // request-body bytes received and not yet consumed
        int len;
        int num_bytes; // set by the callback: bytes of `buf` it consumed
    } in;
    struct {
        char* buf;     // free space of the reply buffer
        int len;
        int num_bytes; // set by the callback: bytes it wrote (kwhttpd_printf adds)
    } out;
    unsigned int flags;
};

enum : unsigned int {
    KWHTTPD_OUTPUT_DONE = 1,       // callback: the reply is complete
    KWHTTPD_CONNECTION_LOST = 2,   // server: last call, the request ended early
    KWHTTPD_MORE_BODY = 4,         // server: more request-body bytes are to come
    KWHTTPD_BODY_BUFFER_FULL = 8,  // server: unconsumed body bytes fill the buffer
    KWHTTPD_SSI_TRUE = 0x10,       // SSI function: the condition is true
    KWHTTPD_HOLD_OUTPUT = 0x20,    // callback: hold the reply until kwhttpd_wakeup
};

using kwhttpd_callback = void (*)(kwhttpd_arg*);

// Builds a context from an argument vector: argv[0] is the program name, then
// pairs "-option value", then at most one configuration file.
kwhttpd_ctx* kwhttpd_init(int argc, char* argv[]);
// Ends every connection (access-log lines included), closes the listeners and
// the logs and releases the context.
void kwhttpd_fini(kwhttpd_ctx* ctx);
// Sets one option by its exact name and runs its setter; `value` may be null.
void kwhttpd_set_option(kwhttpd_ctx* ctx, const char* name, const char* value);
const char* kwhttpd_version();

// One cycle: waits at most `milliseconds` for work (less when a deadline of a
// connection is nearer), accepts clients and serves the ready connections.
// kwhttpd_wakeup and callbacks with output pending end the wait at once.
void kwhttpd_poll(kwhttpd_ctx* ctx, int milliseconds);

// Callbacks: the first registered pattern that matches the decoded URI wins;
// "*" matches any run of characters.
void kwhttpd_register_uri(kwhttpd_ctx* ctx, const char* pattern, kwhttpd_callback callback,
                          void* user_data);
void kwhttpd_handle_error(kwhttpd_ctx* ctx, int status, kwhttpd_callback callback, void* user_data);

// A callback that returns without writing, consuming or finishing is called
// again when more request data arrives, when reply space frees up, or after
// kwhttpd_wakeup names its connection; it is not spun in a busy loop.
int kwhttpd_printf(kwhttpd_arg* arg, const char* format, ...) __attribute__((format(printf, 2, 3)));
char* kwhttpd_get_header(kwhttpd_arg* arg, const char* name);
char* kwhttpd_get_env(kwhttpd_arg* arg, const char* name);
int kwhttpd_get_var(const char* name, const char* buf, std::size_t buf_len, char* value,
                    std::size_t value_size);
void kwhttpd_get_protocol_version(kwhttpd_arg* arg, unsigned long* major, unsigned long* minor);
void kwhttpd_wakeup(void* connection);

// Include pages: a function that "<!--#call name input -->" and
// "<!--#if name input -->" reach by its name; it writes into `out` and sets
// KWHTTPD_OUTPUT_DONE when done (a call), or KWHTTPD_SSI_TRUE (a condition).
// Functions of the include-page feature, part of the full library only.
void kwhttpd_register_ssi_func(kwhttpd_ctx* ctx, const char* name, kwhttpd_callback function, void* user_data);

// Adds or replaces the line of `user` and `realm` in a Digest passwords file
// (the "-A" form of a host program's command line); returns 0. The file is
// replaced whole through a temporary file; a failure is fatal.
int update_passwords_file(const char* file, const char* realm, const char* user, const char* password);

// A connected pair of non-blocking, close-on-exec loopback TCP sockets;
// 0, or -1 with nothing left open.
int kwhttpd_socketpair(int pair[2]);

// The bound port of the listener at `index` in "ports" order (useful with
// port 0), or -1 when there is no such listener.
int kwhttpd_listening_port(const kwhttpd_ctx* ctx, int index);

// Socket-free serving: feeds `request` into one new connection of `ctx`,
// `piece` bytes per read (0 = all at once), and returns every byte the server
// wrote back. Callbacks that wait for a wake-up see the input end instead.
std::string kwhttpd_serve_bytes(kwhttpd_ctx* ctx, std::string_view request, std::size_t piece);
