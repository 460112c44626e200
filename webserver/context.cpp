// The server context: the option table, start-up from an argument vector,
// run-time option changes and the end of the server.

#include "webserver/kwhttpd_internal.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

constexpr const char* kVersion = "1.41";
// The realm a Digest challenge names when none is configured.
constexpr const char* kDefaultRealm = "kwhttpd.zarni.example";

char* copy_text(const char* text)
{
    return text ? strdup(text) : nullptr;
}

[[noreturn]] void show_usage_and_exit(const char* prog)
{
    std::fprintf(stderr, "KWHTTPD version %s\n", kVersion);
    std::fprintf(stderr, "usage: %s [options] [config_file]\n", prog);
    std::fprintf(stderr, "  -A <htpasswd_file> <realm> <user> <passwd>\n");
    for (std::size_t i = 0; i < kwhttpd_option_count; ++i) {
        const kwhttpd_option& o = kwhttpd_options[i];
        std::fprintf(stderr, "  -%s\t%s", o.name, o.description);
        if (o.default_value) std::fprintf(stderr, " (default: %s)", o.default_value);
        std::fputc('\n', stderr);
    }
    std::exit(1);
}

void replace_text(kwhttpd_ctx* ctx, const char* name, const char* value)
{
    const kwhttpd_option* option = find_option(name);
    if (option == nullptr) elog_fatal(nullptr, "no such option: [%s]", name);
    std::free(ctx->options[option->slot]);
    ctx->options[option->slot] = copy_text(value);
}

// Reads the argument vector: option pairs, then at most one configuration
// file, whose options the command line overrides.
void read_arguments(kwhttpd_ctx* ctx, int argc, char* argv[])
{
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; i += 2)
        if (i + 1 >= argc) show_usage_and_exit(argv[0]);
    const char* named = nullptr;
    if (i < argc) {
        if (i + 1 < argc) show_usage_and_exit(argv[0]);
        named = argv[i];
    }
    if (kwhttpd_feature_table.read_config)
        kwhttpd_feature_table.read_config(ctx, argv[0], named);
    else if (named)
        elog_fatal(nullptr, "cannot open config file %s: %s", named,
                   "configuration files are not part of this build");
    for (int j = 1; j + 1 < argc && argv[j][0] == '-'; j += 2) replace_text(ctx, argv[j] + 1, argv[j + 1]);
}

} // namespace

const kwhttpd_option kwhttpd_options[] = {
    {"root", "\tWeb root directory", ".", nullptr, OPT_ROOT},
    {"index_files", "Index files", "index.html,index.htm,index.php,index.cgi", nullptr, OPT_INDEX_FILES},
    {"ssl_cert", "SSL certificate file", nullptr, nullptr, OPT_SSL_CERT},
    {"ssl_protocols", "SSL protocols (if empty, enable all except SSLv2 and SSLv3)", "", nullptr,
     OPT_SSL_PROTOCOLS},
    {"ssl_ciphers", "SSL ciphers list", "HIGH:!aNULL:!MD5", nullptr, OPT_SSL_CIPHERS},
    {"ssl_cipher_server_preference", "SSL ciphers server's preference", "true", nullptr,
     OPT_SSL_CIPHER_SERVER_PREFERENCE},
    {"ports", "Listening ports", "80", set_ports, OPT_PORTS},
    {"dir_list", "Directory listing", "yes", nullptr, OPT_DIR_LIST},
    {"cfg_uri", "Config uri", nullptr, set_cfg_uri, OPT_CFG_URI},
    {"protect", "URI to htpasswd mapping", nullptr, nullptr, OPT_PROTECT},
    {"cgi_ext", "CGI extensions", "cgi,pl,php", nullptr, OPT_CGI_EXT},
    {"cgi_interp", "CGI interpreter", nullptr, nullptr, OPT_CGI_INTERP},
    {"cgi_env", "Additional CGI env vars", nullptr, nullptr, OPT_CGI_ENV},
    {"ssi_ext", "SSI extensions", "shtml,shtm", nullptr, OPT_SSI_EXT},
    {"auth_realm", "Authentication domain name", kDefaultRealm, nullptr, OPT_AUTH_REALM},
    {"auth_gpass", "Global passwords file", nullptr, nullptr, OPT_AUTH_GPASS},
    {"auth_PUT", "PUT,DELETE auth file", nullptr, nullptr, OPT_AUTH_PUT},
    {"inetd", "Inetd mode", "no", set_inetd, OPT_INETD},
    {"uid", "\tRun as user", nullptr, set_uid, OPT_UID},
    {"access_log", "Access log file", nullptr, set_access_log, OPT_ACCESS_LOG},
    {"error_log", "Error log file", nullptr, set_error_log, OPT_ERROR_LOG},
    {"mime_types", "Additional mime types list", nullptr, nullptr, OPT_MIME_TYPES},
    {"aliases", "Path=URI mappings", nullptr, nullptr, OPT_ALIASES},
    {"acl", "\tAllow/deny IP addresses/subnets", nullptr, set_acl, OPT_ACL},
    {"threads", "Number of worker threads", "1", set_threads, OPT_THREADS},
    {"max_connections", "Connections served at once", "1000", nullptr, OPT_MAX_CONNECTIONS},
    {"max_body", "Largest request body a callback reads, in bytes", "1048576", nullptr, OPT_MAX_BODY},
    {"request_timeout", "Seconds for a request head or a body pause", "60", nullptr,
     OPT_REQUEST_TIMEOUT},
    {"keep_alive_timeout", "Seconds an idle kept-alive connection stays open", "75", nullptr,
     OPT_KEEP_ALIVE_TIMEOUT},
};
const std::size_t kwhttpd_option_count = sizeof kwhttpd_options / sizeof kwhttpd_options[0];

const kwhttpd_option* find_option(const char* name)
{
    if (name == nullptr) return nullptr;
    for (const kwhttpd_option& o : kwhttpd_options)
        if (std::strcmp(o.name, name) == 0) return &o;
    return nullptr;
}

bool is_true_word(const char* text)
{
    if (text == nullptr) return false;
    for (const char* word : {"1", "yes", "true", "jawohl"})
        if (std::strcmp(text, word) == 0) return true;
    return false;
}

bool option_is_true(const kwhttpd_ctx* ctx, int slot)
{
    return is_true_word(ctx->options[slot]);
}

long option_number(const kwhttpd_ctx* ctx, int slot, long fallback)
{
    const char* v = ctx->options[slot];
    if (v == nullptr || *v < '0' || *v > '9') return fallback;
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    return *end == '\0' ? n : fallback;
}

kwhttpd_ctx* kwhttpd_init(int argc, char* argv[])
{
    auto* ctx = new (std::nothrow) kwhttpd_ctx;
    if (ctx == nullptr) elog_fatal(nullptr, "cannot allocate kwhttpd context");
    for (const kwhttpd_option& o : kwhttpd_options) ctx->options[o.slot] = copy_text(o.default_value);
    if (argc > 0 && argv != nullptr) read_arguments(ctx, argc, argv);
    // Protected paths must never be served unprotected by a build without
    // the authentication feature.
    for (const int slot : {OPT_PROTECT, OPT_AUTH_GPASS, OPT_AUTH_PUT})
        if (ctx->options[slot] && kwhttpd_feature_table.authorize == nullptr)
            elog_fatal(nullptr, "cannot protect with %s: %s", ctx->options[slot],
                       "Digest authentication is not part of this build");
    if (ctx->options[OPT_SSL_CERT]) setup_tls_context(ctx);
    for (const char* number : {ctx->options[OPT_MAX_CONNECTIONS], ctx->options[OPT_MAX_BODY],
                               ctx->options[OPT_REQUEST_TIMEOUT], ctx->options[OPT_KEEP_ALIVE_TIMEOUT]})
        if (number == nullptr || std::strspn(number, "0123456789") != std::strlen(number) || !*number)
            elog_fatal(nullptr, "not a number of at least 0: [%s]", number ? number : "");
    for (const kwhttpd_option& o : kwhttpd_options)
        if (o.setter && ctx->options[o.slot]) o.setter(ctx, ctx->options[o.slot]);
    // Dates are formatted through the C library, which reads the zone data on
    // first use: read now, so that serving a request opens nothing but what
    // it serves.
    tzset();
    set_server_clock();
    if (ctx->workers.empty()) add_worker(ctx, false);
    // In inetd mode the connection to serve is standard input.
    if (option_is_true(ctx, OPT_INETD)) add_socket(ctx->workers.front().get(), 0, false);
    return ctx;
}

void kwhttpd_fini(kwhttpd_ctx* ctx)
{
    if (ctx == nullptr) return;
    stop_workers(ctx);
    ctx->uris.clear();
    ctx->error_handlers.clear();
    ctx->acl.clear();
    close_listeners(ctx);
    free_tls_context(ctx);
    for (char*& text : ctx->options) {
        std::free(text);
        text = nullptr;
    }
    if (ctx->access_log) std::fclose(ctx->access_log);
    if (ctx->error_log) std::fclose(ctx->error_log);
    delete ctx;
}

void kwhttpd_set_option(kwhttpd_ctx* ctx, const char* name, const char* value)
{
    const kwhttpd_option* option = find_option(name);
    if (option == nullptr) return;
    if (option->setter) option->setter(ctx, value);
    std::free(ctx->options[option->slot]);
    ctx->options[option->slot] = copy_text(value);
}

const char* kwhttpd_version()
{
    return kVersion;
}

void set_cfg_uri(kwhttpd_ctx* ctx, const char* uri)
{
    ctx->uris.clear();
    if (uri == nullptr) return;
    if (kwhttpd_feature_table.register_config_page == nullptr)
        elog_fatal(nullptr, "cannot register the configuration page at %s: %s", uri,
                   "the configuration page is not part of this build");
    kwhttpd_feature_table.register_config_page(ctx, uri);
}
