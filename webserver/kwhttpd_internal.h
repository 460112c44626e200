#pragma once

// The server's records, shared by its modules; nothing outside webserver/
// includes this header.

#include "webserver/IoBuffer.h"
#include "webserver/kwhttpd.h"

#include <netinet/in.h>
#include <sys/stat.h>
#include <sys/socket.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <list>
#include <memory>
#include <string>
#include <thread>
#include <vector>

struct kwhttpd_conn;
struct kwhttpd_stream;

using big_int_t = std::uint64_t;

// Option slots; 24 and 25 have no option. The slots from 27 on hold the
// limits that protect the connection cap from idle and slow clients.
enum kwhttpd_option_slot : int {
    OPT_ROOT = 0, OPT_INDEX_FILES = 1, OPT_PORTS = 2, OPT_DIR_LIST = 3, OPT_CGI_EXT = 4,
    OPT_CGI_INTERP = 5, OPT_CGI_ENV = 6, OPT_SSI_EXT = 7, OPT_AUTH_REALM = 8, OPT_AUTH_GPASS = 9,
    OPT_AUTH_PUT = 10, OPT_ACCESS_LOG = 11, OPT_ERROR_LOG = 12, OPT_MIME_TYPES = 13,
    OPT_SSL_CERT = 14, OPT_SSL_PROTOCOLS = 15, OPT_SSL_CIPHERS = 16,
    OPT_SSL_CIPHER_SERVER_PREFERENCE = 17, OPT_ALIASES = 18, OPT_ACL = 19, OPT_INETD = 20,
    OPT_UID = 21, OPT_CFG_URI = 22, OPT_PROTECT = 23, OPT_THREADS = 26,
    OPT_MAX_CONNECTIONS = 27, OPT_MAX_BODY = 28, OPT_REQUEST_TIMEOUT = 29,
    OPT_KEEP_ALIVE_TIMEOUT = 30,
    OPT_SLOT_COUNT = 31
};

using kwhttpd_setter = void (*)(kwhttpd_ctx*, const char* value);

struct kwhttpd_option {
    const char* name;
    const char* description;
    const char* default_value;
    kwhttpd_setter setter;
    int slot;
};

// The option table in the order of the usage text and of the setter calls.
extern const kwhttpd_option kwhttpd_options[];
extern const std::size_t kwhttpd_option_count;
const kwhttpd_option* find_option(const char* name);
// "1", "yes", "true" or "jawohl"; a missing option is false.
bool option_is_true(const kwhttpd_ctx* ctx, int slot);
bool is_true_word(const char* text);
// The option's number, or `fallback` when it is unset or not a plain number.
long option_number(const kwhttpd_ctx* ctx, int slot, long fallback);

// The method numbers (`conn->method`), in the order of the method table.
enum kwhttpd_method : int { METHOD_GET = 0, METHOD_POST = 1, METHOD_PUT = 2, METHOD_DELETE = 3, METHOD_HEAD = 4 };

// Stream flags.
enum : unsigned {
    FLAG_HEAD_PARSED = 1, FLAG_TLS_READY = 2, FLAG_R = 4, FLAG_W = 8, FLAG_FINISHED = 0x10,
    FLAG_KEEP_OPEN = 0x20, FLAG_NO_WAIT = 0x40, FLAG_HELD = 0x80,
    // A callback's last call made no progress: it is called again only after
    // new request data, freed reply space or a wake-up, so that the poll call
    // can wait instead of spinning.
    FLAG_IDLE = 0x100,
};

// An I/O class: a data source or sink behind a stream.
struct kwhttpd_io_class {
    const char* name;
    int (*read)(kwhttpd_stream*, char* buf, std::size_t len);
    int (*write)(kwhttpd_stream*, const char* data, std::size_t len);
    void (*close)(kwhttpd_stream*);
    // Bytes the class holds decoded but not yet read, which no poll call
    // announces; null when it holds none.
    std::size_t (*pending)(const kwhttpd_stream*);
};

extern const kwhttpd_io_class io_socket;
extern const kwhttpd_io_class io_ssl;
extern const kwhttpd_io_class io_embedded;
extern const kwhttpd_io_class io_memory;

struct kwhttpd_embedded_binding {
    bool called = false; // the callback ran at least once
    bool done = false;   // it signalled KWHTTPD_OUTPUT_DONE
    void* state = nullptr;
    kwhttpd_callback callback = nullptr;
    void* user_data = nullptr;
};

struct kwhttpd_channel {
    int sock = -1;                    // socket, descriptor
    void* ptr = nullptr;              // class-owned data (memory channel, TLS object)
    kwhttpd_embedded_binding embedded;
    // A local side that has no data at once (a program's socket, a command's
    // pipe) is read when this descriptor is ready; -1 for a side that never waits.
    int wait_fd = -1;
};

struct kwhttpd_stream {
    kwhttpd_conn* conn = nullptr;
    kwhttpd_channel chan;
    IoBuffer io;
    const kwhttpd_io_class* io_class = nullptr;
    int headers_len = 0;
    big_int_t content_len = 0; // 0: unknown
    unsigned flags = 0;
};

// The parsed header record; text fields point into the request copy.
struct kwhttpd_headers {
    struct text { const char* ptr = nullptr; std::size_t len = 0; };
    big_int_t content_length = 0;
    bool has_content_length = false;
    text content_type, connection;
    std::time_t if_modified_since = 0;
    text user, authorization, user_agent, referer, cookie, location, range;
    unsigned long status = 0;
    text transfer_encoding;
};

struct kwhttpd_worker;

struct kwhttpd_conn {
    kwhttpd_worker* worker = nullptr;
    kwhttpd_ctx* ctx = nullptr;
    sockaddr_storage peer{};
    socklen_t peer_len = 0;
    std::time_t birth = 0;
    std::int64_t last_activity_ms = 0;  // last read or write, monotonic
    std::int64_t request_start_ms = 0;  // acceptance or the end of the last request
    std::int64_t linger_until_ms = 0;   // set while a closed reply drains the client
    std::int64_t linger_cap_ms = 0;     // the drain never lasts beyond this
    bool served_one = false;            // a request has ended on this connection
    bool must_close = false;            // the framing of the request stream is lost
    short revents = 0;                  // of the client socket, this poll cycle
    short local_revents = 0;            // of the local side's wait descriptor, this poll cycle
    std::size_t scan_pos = 0;           // head bytes already scanned
    std::size_t line_start = 0;         // start of the head line being scanned
    int local_port = 0;
    int status = 0;
    int method = -1;
    std::string uri;
    std::string query_text;             // after the first "?", not decoded
    bool has_request = false;           // `request` holds a request line
    unsigned long major = 0, minor = 0;
    std::string request;                // the head; the request line NUL-terminated
    const char* headers = nullptr;
    const char* query = nullptr;
    const char* path_info = nullptr;
    std::string path;
    std::string path_base;              // root or alias target: nothing above it is served
    std::string mime_type;
    kwhttpd_headers hdr;
    std::string auth_user;              // the user Digest admitted; `hdr.user` points here
    // Every header line: the name and the value, both NUL-terminated in `request`.
    std::vector<std::pair<const char*, const char*>> header_lines;
    big_int_t body_consumed = 0;        // request-body bytes consumed by the local side
    big_int_t local_bytes = 0;          // bytes the local side produced (access log)
    kwhttpd_stream rem, loc;
};

// Control messages to a worker: 4-byte command, 8 bytes of payload.
enum : std::uint32_t { CTL_HAND_OVER = 0, CTL_WAKE_UP = 1 };

struct kwhttpd_worker {
    std::atomic<int> num_conns{0};
    std::atomic<bool> exit_flag{false};
    int ctl[2] = {-1, -1};
    kwhttpd_ctx* ctx = nullptr;
    std::list<std::unique_ptr<kwhttpd_conn>> conns;
    std::thread thread; // not joinable for the worker served inside kwhttpd_poll
    std::string ctl_pending; // a control message not yet read whole
};

struct kwhttpd_registered_uri {
    std::string pattern;
    kwhttpd_callback callback;
    void* user_data;
};

struct kwhttpd_error_handler {
    int status;
    kwhttpd_callback callback;
    void* user_data;
};

struct kwhttpd_acl_entry {
    std::uint32_t ip;
    std::uint32_t mask;
    char flag; // '+' or '-'
};

struct kwhttpd_ssi_func {
    std::string name;
    kwhttpd_callback function;
    void* user_data;
};

struct kwhttpd_listener {
    int sock;
    bool tls;
};

struct kwhttpd_ctx {
    void* ssl_ctx = nullptr; // the TLS context (SSL_CTX), when "ssl_cert" is set
    std::list<kwhttpd_registered_uri> uris;
    std::list<kwhttpd_error_handler> error_handlers;
    std::list<kwhttpd_ssi_func> ssi_funcs; // in registration order
    std::list<kwhttpd_acl_entry> acl;
    std::list<kwhttpd_listener> listeners;
    std::list<std::unique_ptr<kwhttpd_worker>> workers;
    std::FILE* access_log = nullptr;
    std::FILE* error_log = nullptr;
    char* options[OPT_SLOT_COUNT] = {};
    std::atomic<int> total_conns{0};
    // Out of descriptors: the listeners rest until then, so that a readable
    // listener that cannot accept does not spin the poll loop.
    std::int64_t accept_paused_until_ms = 0;
};

// Optional features, each in its own source file; the core library has none
// of them, the full library all that exist.
struct kwhttpd_features {
    // Reads the configuration file into the option slots (no setter runs).
    // `named` is the file given on the command line, or null.
    void (*read_config)(kwhttpd_ctx*, const char* argv0, const char* named);
    // Registers the configuration page at `uri`.
    void (*register_config_page)(kwhttpd_ctx*, const char* uri);
    // Checks the credentials a path needs ("protect", "auth_gpass"); false
    // after it has answered with a challenge.
    bool (*authorize)(kwhttpd_conn*);
    // Serves a request that no callback takes: files, listings, uploads,
    // programs. Without it such a request is answered 404.
    void (*serve_path)(kwhttpd_conn*);
    // Lists the directory `path` (its real path) as an HTML table.
    void (*start_dir_listing)(kwhttpd_conn*, const std::string& path);
    // "PUT" and "DELETE" of `conn->path`, below `conn->path_base`.
    void (*serve_upload)(kwhttpd_conn*);
    // Runs the program `path` (its real path) and relays its reply.
    void (*start_cgi)(kwhttpd_conn*, const std::string& path);
    // Serves the include page `path` (its real path).
    void (*start_ssi)(kwhttpd_conn*, const std::string& path);
};
extern const kwhttpd_features kwhttpd_feature_table;

// Logger: a warning, or a fatal error that ends the process with status 1.
void cry(kwhttpd_conn* conn, const char* format, ...) __attribute__((format(printf, 2, 3)));
[[noreturn]] void elog_fatal(kwhttpd_conn* conn, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
void write_access_log(kwhttpd_conn* conn);
// The dotted IPv4 client address, or the IPv6 text of a native IPv6 client.
std::string client_address_text(const kwhttpd_conn* conn);
std::string address_text(const sockaddr_storage& peer);

// Server clock (seconds) and the monotonic clock for deadlines.
std::time_t server_clock();
void set_server_clock();
std::int64_t monotonic_ms();

// Utilities.
void set_non_blocking(int fd);
void set_close_on_exec(int fd);
const char* last_error_text();
void copy_bounded(char* dst, const char* src, std::size_t size);
int compare_nocase(const char* a, const char* b, std::size_t n);
std::size_t format_bounded(char* buf, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
bool match_extension_list(const char* path, const char* list);
// The reason text of a reply status ("Not Found" for 404).
const char* status_reason(int status);
// Items of an option list: separated by runs of blanks and commas.
std::vector<std::string> split_option_list(const char* text);

// Setters (options table).
void set_ports(kwhttpd_ctx*, const char*);
void set_acl(kwhttpd_ctx*, const char*);
void set_uid(kwhttpd_ctx*, const char*);
void set_access_log(kwhttpd_ctx*, const char*);
void set_error_log(kwhttpd_ctx*, const char*);
void set_inetd(kwhttpd_ctx*, const char*);
void set_threads(kwhttpd_ctx*, const char*);
void set_cfg_uri(kwhttpd_ctx*, const char*);
void close_listeners(kwhttpd_ctx* ctx);
// True when the ACL lets the client in.
bool acl_allows(const kwhttpd_ctx* ctx, const sockaddr_storage& peer);

// TLS: the context from the "ssl_*" options (fatal on error), the TLS
// object of an accepted socket (null when none can be made), one handshake
// step (sets FLAG_TLS_READY, or FLAG_FINISHED on failure) and the close
// notification that ends a reply.
void setup_tls_context(kwhttpd_ctx* ctx);
void free_tls_context(kwhttpd_ctx* ctx);
void* ssl_attach(kwhttpd_ctx* ctx, int sock);
void ssl_release(void* tls);
void ssl_handshake_step(kwhttpd_stream* stream);
void ssl_send_close_notify(kwhttpd_stream* stream);

// Workers.
kwhttpd_worker* add_worker(kwhttpd_ctx* ctx, bool with_thread);
void stop_workers(kwhttpd_ctx* ctx);
void send_control(kwhttpd_worker* worker, std::uint32_t command, const void* payload);

// Connections.
kwhttpd_conn* add_socket(kwhttpd_worker* worker, int sock, bool tls);
kwhttpd_conn* add_connection(kwhttpd_worker* worker, const kwhttpd_io_class* remote, int sock,
                             void* remote_data);
// One processing step; false when the connection was released.
bool connection_step(kwhttpd_conn* conn, bool remote_ready, bool local_ready);
// Releases the connection at once.
void connection_close(kwhttpd_conn* conn);
// Ends the connection as the end of a request does (access-log line
// included), whatever its state: the end of the server or of a socket-free run.
void connection_end_now(kwhttpd_conn* conn);
void finish_stream(kwhttpd_stream* stream);
// The nearest deadline of the connection (monotonic ms).
std::int64_t connection_deadline(const kwhttpd_conn* conn);
// The remote side waits in poll: its socket, or -1.
int connection_wait_fd(const kwhttpd_conn* conn, short* events);
// The local side waits in poll: its wait descriptor, or -1.
int connection_local_wait_fd(const kwhttpd_conn* conn, short* events);
bool connection_needs_no_wait(const kwhttpd_conn* conn);
bool connection_local_ready(const kwhttpd_conn* conn);
void connection_wake(kwhttpd_conn* conn);
// Bytes of this request's body in the client buffer and not yet consumed.
std::size_t body_available(const kwhttpd_conn* conn);
bool body_incomplete(const kwhttpd_conn* conn);
// The request's "Connection" header says "close".
bool client_asks_close(const kwhttpd_conn* conn);

// Requests.
void parse_http_request(kwhttpd_conn* conn);
void decide_what_to_do(kwhttpd_conn* conn);
void send_server_error(kwhttpd_conn* conn, int status, const char* reason);
int url_decode(const char* src, std::size_t src_len, char* dst, std::size_t dst_size);
// The head length of the buffer: 0 when incomplete, -1 when it holds a byte
// that no head may hold.
int get_headers_len(const char* buf, std::size_t len);
std::time_t parse_http_date(const char* text, std::size_t len);

// Static files (the file step).
// True for a path that is never served whatever would serve it: one naming a
// passwords file (also through a link) or an existing entry that is neither a
// regular file nor a directory.
bool is_forbidden_path(const std::string& path);
void serve_static_path(kwhttpd_conn* conn);
// The type for a name (a URI or an index file name); "text/plain" when
// neither "mime_types" nor the built-in table knows it.
std::string lookup_mime_type(const kwhttpd_ctx* ctx, const char* name, std::size_t length);
// The reply head and body of the regular file open in `loc.chan.sock`.
void start_file_reply(kwhttpd_conn* conn, const struct stat& st);
// The real path of `path` when it lies at or below the real path of `base`;
// empty otherwise (also when it does not exist).
std::string confined_path(const std::string& base, const std::string& path);
// An HTTP date ("%a, %d %b %Y %H:%M:%S GMT").
std::string http_date(std::time_t when);

// Callbacks.
void attach_callback(kwhttpd_conn* conn, kwhttpd_callback callback, void* user_data);
bool match_uri_pattern(const char* pattern, const char* uri);
void call_embedded_callback(kwhttpd_conn* conn, unsigned flags);

// Limits that bound one request.
constexpr std::size_t kMaxRequestLine = 8192;
constexpr std::size_t kMaxHeaderLine = 8192;
constexpr std::size_t kMaxHead = 32768;
constexpr std::size_t kReplyBufferSize = 1048576;
constexpr long kDefaultMaxBody = 1048576;
constexpr long kDefaultRequestTimeout = 60;
constexpr long kDefaultKeepAliveTimeout = 75;
constexpr long kDefaultMaxConnections = 1000;
constexpr int kReplyIdleSeconds = 3600;
constexpr int kLingerMs = 2000;     // drain pause that ends a closing connection
constexpr int kLingerCapMs = 10000;
constexpr int kAcceptPauseMs = 100;
