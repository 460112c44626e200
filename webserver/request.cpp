// Request parsing and dispatch, and the error reply.

#include "webserver/kwhttpd_internal.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kMethods[] = {"GET", "POST", "PUT", "DELETE", "HEAD"};

enum class HeaderKind { integer, text, time };

struct KnownHeader {
    const char* name;
    HeaderKind kind;
    kwhttpd_headers::text kwhttpd_headers::*text_field;
};

const KnownHeader kKnownHeaders[] = {
    {"Content-Length", HeaderKind::integer, nullptr},
    {"Content-Type", HeaderKind::text, &kwhttpd_headers::content_type},
    {"User-Agent", HeaderKind::text, &kwhttpd_headers::user_agent},
    {"If-Modified-Since", HeaderKind::time, nullptr},
    {"Authorization", HeaderKind::text, &kwhttpd_headers::authorization},
    {"Referer", HeaderKind::text, &kwhttpd_headers::referer},
    {"Cookie", HeaderKind::text, &kwhttpd_headers::cookie},
    {"Location", HeaderKind::text, &kwhttpd_headers::location},
    {"Status", HeaderKind::integer, nullptr},
    {"Range", HeaderKind::text, &kwhttpd_headers::range},
    {"Connection", HeaderKind::text, &kwhttpd_headers::connection},
    {"Transfer-Encoding", HeaderKind::text, &kwhttpd_headers::transfer_encoding},
};

constexpr std::size_t kMaxPath = 16383;

bool is_head_byte(unsigned char c)
{
    return c >= 128 || std::isprint(c) || c == '\r' || c == '\n';
}

// Strict decimal: digits only, no sign, no overflow.
bool parse_decimal(const char* text, std::size_t len, big_int_t* out)
{
    if (len == 0 || len > 18) return false;
    big_int_t n = 0;
    for (std::size_t i = 0; i < len; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + static_cast<big_int_t>(text[i] - '0');
    }
    *out = n;
    return true;
}

// Scans the head incrementally (so that a head sent a byte at a time is not
// rescanned from its start) and enforces the line and head limits byte by
// byte, so that the answer does not depend on how the bytes arrived.
// Returns the head length, 0 while incomplete, -1 after an error reply.
int scan_head(kwhttpd_conn* conn)
{
    const char* data = conn->rem.io.data();
    const std::size_t len = conn->rem.io.dataLen();
    for (std::size_t pos = conn->scan_pos; pos < len; ++pos) {
        const unsigned char c = static_cast<unsigned char>(data[pos]);
        if (!is_head_byte(c)) {
            send_server_error(conn, 400, "Bad request");
            return -1;
        }
        if (c == '\n') {
            const bool empty_line = (pos >= 1 && data[pos - 1] == '\n') ||
                                    (pos >= 2 && data[pos - 1] == '\r' && data[pos - 2] == '\n');
            conn->line_start = pos + 1;
            if (empty_line) return static_cast<int>(pos + 1);
            continue;
        }
        const std::size_t line_len = pos + 1 - conn->line_start;
        if (conn->line_start == 0 && line_len > kMaxRequestLine) {
            send_server_error(conn, 400, "URI is too long");
            return -1;
        }
        if (line_len > kMaxHeaderLine || pos + 1 > kMaxHead) {
            send_server_error(conn, 400, "Request is too big");
            return -1;
        }
    }
    conn->scan_pos = len;
    return 0;
}

// Reads "HTTP/major.minor" and nothing after it.
bool parse_version(const char* p, unsigned long* major, unsigned long* minor)
{
    if (std::strncmp(p, "HTTP/", 5) != 0) return false;
    p += 5;
    big_int_t n[2];
    for (int i = 0; i < 2; ++i) {
        const std::size_t digits = std::strspn(p, "0123456789");
        if (digits > 9 || !parse_decimal(p, digits, &n[i])) return false;
        p += digits;
        if (i == 0 && *p++ != '.') return false;
    }
    if (*p != '\0') return false;
    *major = static_cast<unsigned long>(n[0]);
    *minor = static_cast<unsigned long>(n[1]);
    return true;
}

// Parses the header lines in place; false after an error reply.
bool parse_headers(kwhttpd_conn* conn, char* p, char* end)
{
    kwhttpd_headers& h = conn->hdr;
    bool transfer_encoding = false;
    while (p < end) {
        char* eol = static_cast<char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (eol == nullptr) eol = end;
        char* line_end = eol;
        if (line_end > p && line_end[-1] == '\r') --line_end;
        if (line_end == p) break; // the empty line that ends the head
        char* colon = static_cast<char*>(std::memchr(p, ':', static_cast<std::size_t>(line_end - p)));
        if (colon == nullptr || colon == p || std::memchr(p, ' ', static_cast<std::size_t>(colon - p))) {
            conn->must_close = true;
            send_server_error(conn, 400, "Bad request");
            return false;
        }
        char* value = colon + 1;
        while (value < line_end && *value == ' ') ++value;
        char* value_end = line_end;
        while (value_end > value && value_end[-1] == ' ') --value_end;
        *colon = '\0';
        *value_end = '\0';
        conn->header_lines.emplace_back(p, value);
        const std::size_t value_len = static_cast<std::size_t>(value_end - value);
        for (const KnownHeader& k : kKnownHeaders) {
            if (compare_nocase(p, k.name, std::strlen(k.name) + 1) != 0) continue;
            if (k.text_field) {
                h.*k.text_field = {value, value_len};
            } else if (k.kind == HeaderKind::time) {
                h.if_modified_since = parse_http_date(value, value_len);
            } else if (std::strcmp(k.name, "Status") == 0) {
                big_int_t status = 0;
                parse_decimal(value, value_len, &status);
                h.status = static_cast<unsigned long>(status);
            } else {
                big_int_t length = 0;
                // A length that is not plain digits, or two that differ, leave
                // the request's end unknown: a smuggling vector.
                if (!parse_decimal(value, value_len, &length) ||
                    (h.has_content_length && length != h.content_length)) {
                    conn->must_close = true;
                    send_server_error(conn, 400, "Bad request");
                    return false;
                }
                h.content_length = length;
                h.has_content_length = true;
            }
            if (std::strcmp(k.name, "Transfer-Encoding") == 0) transfer_encoding = true;
            break;
        }
        p = eol + 1;
    }
    if (transfer_encoding) {
        conn->must_close = true;
        if (h.has_content_length)
            send_server_error(conn, 400, "Bad request");
        else
            send_server_error(conn, 501, "Transfer-Encoding Not Implemented");
        return false;
    }
    return true;
}

// After each "/" or backslash, the run of ".", "/" and backslash that follows is dropped.
void normalise_uri(std::string* uri)
{
    std::string out;
    out.reserve(uri->size());
    for (std::size_t i = 0; i < uri->size(); ++i) {
        const char c = (*uri)[i];
        out += c;
        if (c != '/' && c != '\\') continue;
        while (i + 1 < uri->size() && std::strchr("./\\", (*uri)[i + 1])) ++i;
    }
    *uri = out;
}

int month_index(const char* name)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 12; ++i)
        if (std::strcmp(months[i], name) == 0) return i;
    return -1;
}

} // namespace

int get_headers_len(const char* buf, std::size_t len)
{
    for (std::size_t i = 0; i < len; ++i) {
        if (!is_head_byte(static_cast<unsigned char>(buf[i]))) return -1;
        if (buf[i] != '\n') continue;
        if ((i >= 1 && buf[i - 1] == '\n') || (i >= 2 && buf[i - 1] == '\r' && buf[i - 2] == '\n'))
            return static_cast<int>(i + 1);
    }
    return 0;
}

std::time_t parse_http_date(const char* text, std::size_t len)
{
    char copy[64];
    copy_bounded(copy, std::string(text, len).c_str(), sizeof copy);
    char month[4] = "";
    int day = 0, year = 0, hour = 0, minute = 0, second = 0;
    const bool read = std::sscanf(copy, "%d/%3s/%d %d:%d:%d", &day, month, &year, &hour, &minute, &second) == 6 ||
                      std::sscanf(copy, "%d %3s %d %d:%d:%d", &day, month, &year, &hour, &minute, &second) == 6 ||
                      std::sscanf(copy, "%*3s, %d %3s %d %d:%d:%d", &day, month, &year, &hour, &minute, &second) == 6 ||
                      std::sscanf(copy, "%d-%3s-%d %d:%d:%d", &day, month, &year, &hour, &minute, &second) == 6;
    const int mon = month_index(month);
    if (!read || mon < 0) return 0;
    std::tm tm{};
    tm.tm_mday = day;
    tm.tm_mon = mon;
    tm.tm_year = (year > 1900 ? year : year <= 69 ? 2000 + year : 1900 + year) - 1900;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    return timegm(&tm);
}

int url_decode(const char* src, std::size_t src_len, char* dst, std::size_t dst_size)
{
    if (dst_size == 0) return 0;
    std::size_t j = 0;
    for (std::size_t i = 0; i < src_len && j + 1 < dst_size; ++i, ++j) {
        if (src[i] == '%' && i + 2 < src_len && std::isxdigit(static_cast<unsigned char>(src[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(src[i + 2]))) {
            const char hex[3] = {src[i + 1], src[i + 2], '\0'};
            dst[j] = static_cast<char>(std::strtol(hex, nullptr, 16));
            i += 2;
        } else if (src[i] == '+') {
            dst[j] = ' ';
        } else {
            dst[j] = src[i];
        }
    }
    dst[j] = '\0';
    return static_cast<int>(j);
}

void parse_http_request(kwhttpd_conn* conn)
{
    const int head_len = scan_head(conn);
    if (head_len <= 0) return;
    const char* data = conn->rem.io.data();
    if (head_len < 16) {
        send_server_error(conn, 400, "Bad request");
        return;
    }
    const char* line_end = static_cast<const char*>(std::memchr(data, '\n', static_cast<std::size_t>(head_len)));
    const char* blank = static_cast<const char*>(std::memchr(data, ' ', static_cast<std::size_t>(line_end - data)));
    const std::size_t token = static_cast<std::size_t>((blank ? blank : line_end) - data);
    conn->method = -1;
    for (int i = 0; i < 5; ++i)
        if (std::strlen(kMethods[i]) == token && std::strncmp(data, kMethods[i], token) == 0) conn->method = i;
    if (conn->method < 0) {
        send_server_error(conn, 501, "Method Not Implemented");
        return;
    }
    conn->request.assign(data, static_cast<std::size_t>(head_len));
    conn->rem.io.incTail(static_cast<std::size_t>(head_len));
    conn->rem.flags |= FLAG_HEAD_PARSED;
    conn->rem.headers_len = head_len;
    // From here on `total` counts the body bytes received.
    conn->rem.io.total = conn->rem.io.dataLen();

    char* line = conn->request.data();
    char* end = line + conn->request.size();
    char* eol = static_cast<char*>(std::memchr(line, '\n', conn->request.size()));
    char* headers = eol + 1;
    if (eol > line && eol[-1] == '\r') --eol;
    *eol = '\0';
    conn->has_request = true;
    conn->headers = headers;

    char* p = line + token;
    while (*p == ' ') ++p;
    char* uri = p;
    while (*p && *p != ' ') ++p;
    const std::string raw_uri(uri, static_cast<std::size_t>(p - uri));
    while (*p == ' ') ++p;
    if (!parse_version(p, &conn->major, &conn->minor)) {
        send_server_error(conn, 400, "Bad HTTP version");
        return;
    }
    if (conn->major > 1 || (conn->major == 1 && conn->minor > 1)) {
        send_server_error(conn, 505, "HTTP version not supported");
        return;
    }
    if (raw_uri.empty() || raw_uri[0] != '/') {
        send_server_error(conn, 400, "Bad URI");
        return;
    }
    conn->uri = raw_uri;
    if (!parse_headers(conn, headers, end)) return;
    conn->rem.content_len = conn->hdr.content_length;
    decide_what_to_do(conn);
}

void decide_what_to_do(kwhttpd_conn* conn)
{
    kwhttpd_ctx* ctx = conn->ctx;
    const std::size_t question = conn->uri.find('?');
    if (question != std::string::npos) {
        conn->query_text = conn->uri.substr(question + 1);
        conn->query = conn->query_text.c_str();
        conn->uri.resize(question);
    }
    std::string decoded(conn->uri.size() + 1, '\0');
    decoded.resize(static_cast<std::size_t>(url_decode(conn->uri.data(), conn->uri.size(), decoded.data(), decoded.size())));
    // A decoded NUL would cut the path short of what the checks saw; control
    // bytes would reach log lines and headers.
    for (const char c : decoded) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            send_server_error(conn, 400, "Bad URI");
            return;
        }
    }
    normalise_uri(&decoded);
    conn->uri = decoded;

    const char* root = ctx->options[OPT_ROOT] ? ctx->options[OPT_ROOT] : "";
    if (std::strlen(root) + conn->uri.size() > kMaxPath) {
        send_server_error(conn, 400, "URI is too long");
        return;
    }
    conn->path = root + conn->uri;
    conn->path_base = root;
    for (const std::string& alias : split_option_list(ctx->options[OPT_ALIASES])) {
        const std::size_t eq = alias.find('=');
        if (eq == std::string::npos || eq == 0) continue;
        if (conn->uri.compare(0, eq, alias, 0, eq) != 0) continue;
        conn->path = alias.substr(eq + 1) + conn->uri.substr(eq);
        conn->path_base = alias.substr(eq + 1);
        break;
    }

    if (kwhttpd_feature_table.authorize && !kwhttpd_feature_table.authorize(conn)) return;
    // Decided before the callbacks, so that a callback pattern that covers a
    // passwords file or a pipe cannot make it reachable.
    if (is_forbidden_path(conn->path)) {
        send_server_error(conn, 403, "Forbidden");
        return;
    }
    for (const kwhttpd_registered_uri& registration : ctx->uris) {
        if (!match_uri_pattern(registration.pattern.c_str(), conn->uri.c_str())) continue;
        // The callback reads the whole body from memory.
        if (conn->hdr.content_length > static_cast<big_int_t>(option_number(ctx, OPT_MAX_BODY, kDefaultMaxBody))) {
            conn->must_close = true;
            send_server_error(conn, 413, "Request Entity Too Large");
            return;
        }
        attach_callback(conn, registration.callback, registration.user_data);
        return;
    }
    if (kwhttpd_feature_table.serve_path) {
        kwhttpd_feature_table.serve_path(conn);
        return;
    }
    send_server_error(conn, 404, "Not Found");
}

void send_server_error(kwhttpd_conn* conn, int status, const char* reason)
{
    kwhttpd_stream& loc = conn->loc;
    conn->status = status;
    if (loc.io_class && loc.io_class->close) loc.io_class->close(&loc);
    loc.io_class = nullptr;
    loc.io.clear();
    loc.flags = 0;
    for (const kwhttpd_error_handler& handler : conn->ctx->error_handlers) {
        if (handler.status != status) continue;
        attach_callback(conn, handler.callback, handler.user_data);
        return;
    }
    char* space = loc.io.space();
    const std::size_t n = format_bounded(space, loc.io.spaceLen(),
                                         "HTTP/1.1 %d %s\r\nContent-Type: text/plain\r\nContent-Length: 12\r\n\r\n"
                                         "Error: %03d\r\n",
                                         status, reason, status);
    loc.io.incHead(n);
    loc.content_len = 10; // any non-zero value: the length is known
    finish_stream(&loc);
}
