// CGI programs: the environment block, the start of the program on one end
// of a loopback socket pair, the request body to the program, and the
// "cgi" class that turns the program's head into a status line and relays
// the rest.

#include "webserver/features.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kEnvSize = 4096;
constexpr int kEnvVars = 64;
constexpr int kEnvTexts = kEnvVars - 2;

// NUL-terminated "NAME=value" texts in one fixed area.
struct CgiEnvironment {
    kwhttpd_conn* conn = nullptr;
    char buf[kEnvSize];
    std::size_t len = 0;
    char* vars[kEnvVars] = {};
    int nvars = 0;
};

// Adds one formatted text when it fits the area (leaving 2 bytes) and fewer
// than 62 texts are present; otherwise the variable is left out and logged.
void addenv(CgiEnvironment* env, const char* format, ...) __attribute__((format(printf, 2, 3)));
void addenv(CgiEnvironment* env, const char* format, ...)
{
    char text[kEnvSize];
    va_list ap;
    va_start(ap, format);
    const int n = std::vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    if (n < 0) return;
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    if (env->nvars >= kEnvTexts || static_cast<std::size_t>(n) >= sizeof text || env->len + size > kEnvSize - 2) {
        const char* eq = std::strchr(text, '=');
        cry(env->conn, "CGI environment full: %.*s not passed", eq ? static_cast<int>(eq - text) : 0, text);
        return;
    }
    std::memcpy(env->buf + env->len, text, size);
    env->vars[env->nvars++] = env->buf + env->len;
    env->vars[env->nvars] = nullptr;
    env->len += size;
}

// A header name that becomes a variable name as it is: letters, digits and
// "-". "Proxy" never does: a program would take HTTP_PROXY for its proxy.
bool passes_as_variable(const char* name)
{
    if (*name == '\0' || compare_nocase(name, "Proxy", 6) == 0) return false;
    for (const char* p = name; *p; ++p)
        if (!std::isalnum(static_cast<unsigned char>(*p)) && *p != '-') return false;
    return true;
}

void add_http_headers_to_env(CgiEnvironment* env)
{
    for (const auto& [name, value] : env->conn->header_lines) {
        if (*value == '\0' || !passes_as_variable(name)) continue;
        std::string variable = "HTTP_";
        for (const char* p = name; *p; ++p)
            variable += *p == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
        addenv(env, "%s=%s", variable.c_str(), value);
    }
}

unsigned short client_port(const kwhttpd_conn* conn)
{
    if (conn->peer.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6*>(&conn->peer)->sin6_port);
    return ntohs(reinterpret_cast<const sockaddr_in*>(&conn->peer)->sin_port);
}

void prepare_environment(CgiEnvironment* env, const std::string& path)
{
    kwhttpd_conn* conn = env->conn;
    const kwhttpd_ctx* ctx = conn->ctx;
    const char* root = ctx->options[OPT_ROOT] ? ctx->options[OPT_ROOT] : "";
    static const char* const methods[] = {"GET", "POST", "PUT", "DELETE", "HEAD"};
    addenv(env, "GATEWAY_INTERFACE=CGI/1.1");
    addenv(env, "SERVER_PROTOCOL=HTTP/1.1");
    addenv(env, "REDIRECT_STATUS=200");
    addenv(env, "SERVER_PORT=%d", conn->local_port);
    addenv(env, "SERVER_NAME=%s", ctx->options[OPT_AUTH_REALM] ? ctx->options[OPT_AUTH_REALM] : "");
    addenv(env, "SERVER_ROOT=%s", root);
    addenv(env, "DOCUMENT_ROOT=%s", root);
    addenv(env, "REQUEST_METHOD=%s", methods[conn->method]);
    addenv(env, "REMOTE_ADDR=%s", client_address_text(conn).c_str());
    addenv(env, "REMOTE_PORT=%hu", client_port(conn));
    addenv(env, "REQUEST_URI=%s", conn->uri.c_str());
    // The script's own URI: the request's without the path info.
    const std::size_t info_len = conn->path_info ? std::strlen(conn->path_info) + 1 : 0;
    addenv(env, "SCRIPT_NAME=%s", conn->uri.substr(0, conn->uri.size() - std::min(info_len, conn->uri.size())).c_str());
    addenv(env, "SCRIPT_FILENAME=%s", path.substr(path.rfind('/') + 1).c_str());
    addenv(env, "PATH_TRANSLATED=%s", path.c_str());
    if (conn->hdr.content_type.ptr)
        addenv(env, "CONTENT_TYPE=%.*s", static_cast<int>(conn->hdr.content_type.len), conn->hdr.content_type.ptr);
    if (conn->query) addenv(env, "QUERY_STRING=%s", conn->query);
    if (conn->path_info) addenv(env, "PATH_INFO=/%s", conn->path_info);
    if (conn->hdr.content_length != 0)
        addenv(env, "CONTENT_LENGTH=%llu", static_cast<unsigned long long>(conn->hdr.content_length));
    for (const char* name : {"PATH", "LD_LIBRARY_PATH", "PERLLIB"})
        if (const char* value = std::getenv(name)) addenv(env, "%s=%s", name, value);
    if (conn->hdr.user.ptr) {
        addenv(env, "REMOTE_USER=%.*s", static_cast<int>(conn->hdr.user.len), conn->hdr.user.ptr);
        addenv(env, "AUTH_TYPE=Digest");
    }
    for (const std::string& item : split_option_list(ctx->options[OPT_CGI_ENV])) addenv(env, "%s", item.c_str());
    add_http_headers_to_env(env);
}

// Starts the program on the second end of the pair, from its directory.
pid_t spawn_program(kwhttpd_conn* conn, const std::string& path, CgiEnvironment* env, int child_end)
{
    const kwhttpd_ctx* ctx = conn->ctx;
    const std::size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string file = path.substr(slash == std::string::npos ? 0 : slash + 1);
    const char* interp = ctx->options[OPT_CGI_INTERP];
    std::vector<char*> argv;
    if (interp) argv.push_back(const_cast<char*>(interp));
    argv.push_back(const_cast<char*>(file.c_str()));
    argv.push_back(nullptr);
    char failure[4096 + 64];
    if (interp)
        format_bounded(failure, sizeof failure, "redirect: exec(%s %s): ", interp, path.c_str());
    else
        format_bounded(failure, sizeof failure, "redirect: exec(%s): ", path.c_str());
    ChildSetup setup;
    setup.dir = dir.c_str();
    setup.program = interp ? interp : file.c_str();
    setup.argv = argv.data();
    setup.envp = env->vars;
    setup.in_fd = setup.out_fd = child_end;
    setup.err_fd = ctx->error_log ? fileno(ctx->error_log) : STDERR_FILENO;
    setup.failure = failure;
    return start_child(setup);
}

struct CgiChannel {
    pid_t pid = -1;
    bool head_parsed = false;
    bool ended = false;   // the program closed its output
    std::string head;     // the program's bytes while its head is incomplete
    std::string pending;  // reply bytes not yet handed to the stream
};

CgiChannel* cgi_of(kwhttpd_stream* stream)
{
    return static_cast<CgiChannel*>(stream->chan.ptr);
}

// The head is known: the status line goes before it, and the program's own
// lines stay in it.
bool take_program_head(kwhttpd_stream* stream, CgiChannel* cgi, std::size_t head_len)
{
    kwhttpd_conn* conn = stream->conn;
    int status = 0;
    bool location = false;
    big_int_t length = 0;
    bool has_length = false;
    for (std::size_t at = 0; at < head_len;) {
        std::size_t eol = cgi->head.find('\n', at);
        if (eol == std::string::npos || eol > head_len) eol = head_len;
        const std::string line = cgi->head.substr(at, eol - at);
        at = eol + 1;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string name = line.substr(0, colon);
        const char* value = line.c_str() + colon + 1;
        while (*value == ' ') ++value;
        if (compare_nocase(name.c_str(), "Status", 7) == 0) {
            if (!std::isdigit(static_cast<unsigned char>(*value))) return false;
            status = static_cast<int>(std::strtol(value, nullptr, 10));
            if (status < 100 || status > 599) return false;
        } else if (compare_nocase(name.c_str(), "Location", 9) == 0) {
            location = true;
        } else if (compare_nocase(name.c_str(), "Content-Length", 15) == 0) {
            const std::size_t digits = std::strspn(value, "0123456789");
            if (digits == 0 || digits > 18) return false;
            length = std::strtoull(value, nullptr, 10);
            has_length = true;
        }
    }
    if (status == 0) status = location ? 302 : 200;
    char status_line[64];
    const std::size_t line_len =
        format_bounded(status_line, sizeof status_line, "HTTP/1.1 %d %s\r\n", status, status_reason(status));
    cgi->pending = status_line + cgi->head;
    cgi->head.clear();
    cgi->head_parsed = true;
    conn->status = status;
    stream->headers_len = static_cast<int>(line_len + head_len);
    if (has_length) {
        // The reply ends after the program's Content-Length bytes of body.
        stream->content_len = stream->io.total + line_len + head_len + length;
        cgi->pending.resize(std::min<std::size_t>(cgi->pending.size(), line_len + head_len + length));
    }
    return true;
}

int read_cgi(kwhttpd_stream* stream, char* buf, std::size_t len)
{
    kwhttpd_conn* conn = stream->conn;
    CgiChannel* cgi = cgi_of(stream);
    if (cgi->head_parsed && cgi->pending.empty()) {
        const ssize_t n = recv(stream->chan.sock, buf, len, 0);
        if (n == 0) cgi->ended = true;
        return static_cast<int>(n);
    }
    if (!cgi->head_parsed) {
        const ssize_t n = recv(stream->chan.sock, buf, len, 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return -1;
        if (n <= 0) {
            cgi->ended = n == 0;
            send_server_error(conn, 500, "Error running CGI");
            return 0;
        }
        cgi->head.append(buf, static_cast<std::size_t>(n));
        const int head_len = cgi->head.size() > kMaxHead ? -1 : get_headers_len(cgi->head.data(), cgi->head.size());
        if (head_len == 0) {
            errno = EAGAIN;
            return -1;
        }
        if (head_len < 0 || !take_program_head(stream, cgi, static_cast<std::size_t>(head_len))) {
            cry(conn, "CGI script sent invalid headers: [%.*s]", static_cast<int>(std::min<std::size_t>(cgi->head.size(), 512)),
                cgi->head.c_str());
            send_server_error(conn, 500, "Bad headers sent");
            return 0;
        }
    }
    const std::size_t n = std::min(len, cgi->pending.size());
    std::memcpy(buf, cgi->pending.data(), n);
    cgi->pending.erase(0, n);
    // Bytes held here are ready at once; the program's socket would not say so.
    if (cgi->pending.empty())
        stream->flags &= ~FLAG_NO_WAIT;
    else
        stream->flags |= FLAG_NO_WAIT;
    return static_cast<int>(n);
}

int write_cgi(kwhttpd_stream* stream, const char* data, std::size_t len)
{
    kwhttpd_conn* conn = stream->conn;
    const ssize_t n = send(stream->chan.sock, data, len, MSG_NOSIGNAL);
    // The whole body is with the program: it reads the end of its input.
    if (n > 0 && conn->body_consumed + static_cast<big_int_t>(n) >= conn->hdr.content_length)
        shutdown(stream->chan.sock, SHUT_WR);
    return static_cast<int>(n);
}

void close_cgi(kwhttpd_stream* stream)
{
    CgiChannel* cgi = cgi_of(stream);
    if (stream->chan.sock >= 0) close(stream->chan.sock);
    stream->chan.sock = stream->chan.wait_fd = -1;
    if (cgi == nullptr) return;
    // A reply cut short (time-out, client gone, bad head) ends the program.
    end_child(cgi->pid, !cgi->ended && !(stream->content_len != 0 && stream->io.total >= stream->content_len));
    delete cgi;
    stream->chan.ptr = nullptr;
}

const kwhttpd_io_class io_cgi = {"cgi", read_cgi, write_cgi, close_cgi, nullptr};

// The local stream of the reply: the program's socket, read as it
// becomes ready; a request body flows to the program as it arrives, and
// without one the program reads the end of its input at once.
void do_cgi(kwhttpd_conn* conn, int sock, pid_t pid)
{
    kwhttpd_stream& loc = conn->loc;
    auto* cgi = new CgiChannel;
    cgi->pid = pid;
    loc.chan.sock = loc.chan.wait_fd = sock;
    loc.chan.ptr = cgi;
    loc.io_class = &io_cgi;
    loc.flags |= FLAG_R;
    if (conn->method == METHOD_POST && conn->hdr.content_length > 0)
        loc.flags |= FLAG_W;
    else
        shutdown(sock, SHUT_WR);
}

} // namespace

void start_cgi(kwhttpd_conn* conn, const std::string& path)
{
    if (conn->method != METHOD_GET && conn->method != METHOD_POST) {
        send_server_error(conn, 501, "Bad method ");
        return;
    }
    auto env = std::make_unique<CgiEnvironment>();
    env->conn = conn;
    prepare_environment(env.get(), path);
    int pair[2];
    if (kwhttpd_socketpair(pair) != 0) {
        cry(conn, "redirect: socketpair: %s", last_error_text());
        send_server_error(conn, 500, "Cannot exec CGI");
        return;
    }
    const pid_t pid = spawn_program(conn, path, env.get(), pair[1]);
    close(pair[1]);
    if (pid < 0) {
        cry(conn, "redirect: fork: %s", last_error_text());
        close(pair[0]);
        send_server_error(conn, 500, "Cannot exec CGI");
        return;
    }
    do_cgi(conn, pair[0], pid);
}
