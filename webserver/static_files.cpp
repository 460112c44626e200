// The file step: a request that no callback takes is served from below
// "root" (or an alias): a regular file with its validator and one byte
// range, a directory by its index file or a listing.

#include "webserver/kwhttpd_internal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

const struct {
    const char* extension;
    const char* type;
} kMimeTypes[] = {
    {"html", "text/html"}, {"htm", "text/html"}, {"txt", "text/plain"}, {"css", "text/css"},
    {"ico", "image/x-icon"}, {"gif", "image/gif"}, {"jpg", "image/jpeg"}, {"jpeg", "image/jpeg"},
    {"png", "image/png"}, {"svg", "image/svg+xml"}, {"torrent", "application/x-bittorrent"},
    {"wav", "audio/x-wav"}, {"mp3", "audio/x-mp3"}, {"mid", "audio/mid"}, {"m3u", "audio/x-mpegurl"},
    {"ram", "audio/x-pn-realaudio"}, {"ra", "audio/x-pn-realaudio"}, {"doc", "application/msword"},
    {"exe", "application/octet-stream"}, {"zip", "application/x-zip-compressed"},
    {"xls", "application/excel"}, {"tgz", "application/x-tar-gz"}, {"tar.gz", "application/x-tar-gz"},
    {"tar", "application/x-tar"}, {"gz", "application/x-gunzip"}, {"arj", "application/x-arj-compressed"},
    {"rar", "application/x-arj-compressed"}, {"rtf", "application/rtf"}, {"pdf", "application/pdf"},
    {"swf", "application/x-shockwave-flash"}, {"mpg", "video/mpeg"}, {"mpeg", "video/mpeg"},
    {"asf", "video/x-ms-asf"}, {"avi", "video/x-msvideo"}, {"bmp", "image/bmp"},
};

// The name ends in "." and the extension, and is longer than the extension.
bool has_extension(const char* name, std::size_t length, const char* extension, std::size_t ext_length)
{
    return ext_length < length && name[length - ext_length - 1] == '.' &&
           compare_nocase(name + length - ext_length, extension, ext_length) == 0;
}

int read_file(kwhttpd_stream* stream, char* buf, std::size_t len)
{
    return static_cast<int>(read(stream->chan.sock, buf, len));
}

void close_file(kwhttpd_stream* stream)
{
    if (stream->chan.sock >= 0) close(stream->chan.sock);
    stream->chan.sock = -1;
}

const kwhttpd_io_class io_file = {"file", read_file, nullptr, close_file, nullptr};

// The byte range the Range header asks for. Only one "bytes=" range is
// honoured; a list or a header that is not a byte range gets the whole file.
enum class RangeAnswer { Whole, Part, Unsatisfiable };

RangeAnswer requested_range(const kwhttpd_conn* conn, big_int_t size, big_int_t* first, big_int_t* length)
{
    const kwhttpd_headers::text& range = conn->hdr.range;
    if (range.ptr == nullptr || range.len == 0) return RangeAnswer::Whole;
    const std::string value(range.ptr, range.len);
    if (value.compare(0, 6, "bytes=") != 0 || value.find(',') != std::string::npos) return RangeAnswer::Whole;
    const std::string rangeText = value.substr(6);
    const std::size_t dash = rangeText.find('-');
    const std::string from = rangeText.substr(0, dash);
    const std::string to = dash == std::string::npos ? "" : rangeText.substr(dash + 1);
    auto digits = [](const std::string& s) { return !s.empty() && s.size() <= 19 && s.find_first_not_of("0123456789") == std::string::npos; };
    if (dash == std::string::npos || (!from.empty() && !digits(from)) || (!to.empty() && !digits(to)) ||
        (from.empty() && to.empty()))
        return RangeAnswer::Whole;
    if (from.empty()) {
        // The last N bytes.
        const big_int_t suffix = std::strtoull(to.c_str(), nullptr, 10);
        if (suffix == 0 || size == 0) return RangeAnswer::Unsatisfiable;
        *length = std::min(suffix, size);
        *first = size - *length;
        return RangeAnswer::Part;
    }
    *first = std::strtoull(from.c_str(), nullptr, 10);
    big_int_t last = to.empty() ? size - 1 : std::strtoull(to.c_str(), nullptr, 10);
    // A reversed range or one past the end has no bytes to send; a length
    // computed from it would wrap.
    if (*first >= size || last < *first) return RangeAnswer::Unsatisfiable;
    last = std::min(last, size - 1);
    *length = last - *first + 1;
    return RangeAnswer::Part;
}

void send_not_modified(kwhttpd_conn* conn, const struct stat& st)
{
    kwhttpd_stream& loc = conn->loc;
    conn->status = 304;
    // A 304 reply has no body: a kept-alive client would read one as the
    // start of the next reply.
    const std::size_t n =
        format_bounded(loc.io.space(), loc.io.spaceLen(), "HTTP/1.1 304 Not Modified\r\nDate: %s\r\nEtag: \"%lx.%lx\"\r\n\r\n",
                       http_date(server_clock()).c_str(), static_cast<unsigned long>(st.st_mtime),
                       static_cast<unsigned long>(st.st_size));
    loc.io.incHead(n);
    loc.content_len = n;
    finish_stream(&loc);
}

void serve_file(kwhttpd_conn* conn, const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0) close(fd);
        send_server_error(conn, 500, "Internal Error");
        return;
    }
    if (conn->hdr.if_modified_since != 0 && st.st_mtime <= conn->hdr.if_modified_since) {
        close(fd);
        send_not_modified(conn, st);
        return;
    }
    conn->loc.chan.sock = fd;
    conn->loc.io_class = &io_file;
    start_file_reply(conn, st);
}

// A regular file by its name: a program, an include page or a file to send.
// Programs and include pages are never sent as files: without their feature
// they do not exist.
void serve_regular_file(kwhttpd_conn* conn, const std::string& path)
{
    const kwhttpd_ctx* ctx = conn->ctx;
    const kwhttpd_features& features = kwhttpd_feature_table;
    if (match_extension_list(path.c_str(), ctx->options[OPT_CGI_EXT])) {
        if (features.start_cgi)
            features.start_cgi(conn, path);
        else
            send_server_error(conn, 404, "Not Found");
    } else if (match_extension_list(path.c_str(), ctx->options[OPT_SSI_EXT])) {
        if (features.start_ssi)
            features.start_ssi(conn, path);
        else
            send_server_error(conn, 404, "Not Found");
    } else {
        serve_file(conn, path);
    }
}

// Dispatch step for a path that does not exist: a "/" after an existing
// file (beyond the root) splits it into that file and the path info, which
// a program receives. Returns the file's real path, or empty.
std::string split_path_info(kwhttpd_conn* conn)
{
    const std::size_t floor = conn->path_base.size() + 2;
    for (std::size_t slash = conn->path.rfind('/'); slash != std::string::npos && slash > floor;
         slash = conn->path.rfind('/', slash - 1)) {
        const std::string file = confined_path(conn->path_base, conn->path.substr(0, slash));
        struct stat st {};
        if (file.empty() || stat(file.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode)) return "";
        conn->path_info = conn->path.c_str() + slash + 1;
        return file;
    }
    return "";
}

} // namespace

std::string http_date(std::time_t when)
{
    std::tm utc{};
    gmtime_r(&when, &utc);
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &utc);
    return text;
}

std::string confined_path(const std::string& base, const std::string& path)
{
    char resolved_base[PATH_MAX];
    char resolved[PATH_MAX];
    if (realpath(base.c_str(), resolved_base) == nullptr || realpath(path.c_str(), resolved) == nullptr) return "";
    const std::string b = resolved_base;
    const std::string r = resolved;
    if (r == b) return r;
    const std::string prefix = b == "/" ? b : b + "/";
    return r.compare(0, prefix.size(), prefix) == 0 ? r : "";
}

std::string lookup_mime_type(const kwhttpd_ctx* ctx, const char* name, std::size_t length)
{
    for (const std::string& item : split_option_list(ctx->options[OPT_MIME_TYPES])) {
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos || eq == 0) continue;
        if (has_extension(name, length, item.c_str(), eq)) return item.substr(eq + 1);
    }
    for (const auto& row : kMimeTypes)
        if (has_extension(name, length, row.extension, std::strlen(row.extension))) return row.type;
    return "text/plain";
}

void start_file_reply(kwhttpd_conn* conn, const struct stat& st)
{
    kwhttpd_stream& loc = conn->loc;
    if (conn->mime_type.empty()) conn->mime_type = lookup_mime_type(conn->ctx, conn->uri.c_str(), conn->uri.size());
    const big_int_t size = static_cast<big_int_t>(st.st_size);
    big_int_t first = 0;
    big_int_t length = size;
    const RangeAnswer range = requested_range(conn, size, &first, &length);
    if (range == RangeAnswer::Unsatisfiable) {
        const std::string reason =
            "Range Not Satisfiable\r\nContent-Range: bytes */" + std::to_string(size);
        send_server_error(conn, 416, reason.c_str());
        return;
    }
    char extra[128] = "";
    int status = 200;
    const char* reason = "OK";
    if (range == RangeAnswer::Part) {
        if (lseek(loc.chan.sock, static_cast<off_t>(first), SEEK_SET) < 0) {
            send_server_error(conn, 500, "Internal Error");
            return;
        }
        format_bounded(extra, sizeof extra, "Content-Range: bytes %llu-%llu/%llu\r\n",
                       static_cast<unsigned long long>(first), static_cast<unsigned long long>(first + length - 1),
                       static_cast<unsigned long long>(size));
        status = 206;
        reason = "Partial Content";
    }
    // A client that asked for the end of the connection is told that it
    // comes; without it, it would send its next request into the closing
    // connection.
    const std::size_t head = format_bounded(
        loc.io.space(), loc.io.spaceLen(),
        "HTTP/1.1 %d %s\r\nDate: %s\r\nLast-Modified: %s\r\nEtag: \"%lx.%lx\"\r\nContent-Type: %.*s\r\n"
        "Content-Length: %llu\r\nAccept-Ranges: bytes\r\n%s%s\r\n",
        status, reason, http_date(server_clock()).c_str(), http_date(st.st_mtime).c_str(),
        static_cast<unsigned long>(st.st_mtime), static_cast<unsigned long>(st.st_size),
        static_cast<int>(conn->mime_type.size()), conn->mime_type.c_str(), static_cast<unsigned long long>(length),
        extra, client_asks_close(conn) ? "Connection: close\r\n" : "");
    loc.io.incHead(head);
    loc.headers_len = static_cast<int>(head);
    // The buffer's total counts the head too: the reply ends after the head
    // and exactly `length` body bytes.
    loc.content_len = head + length;
    conn->status = status;
    loc.flags |= FLAG_R | FLAG_NO_WAIT;
    if (conn->method == METHOD_HEAD) finish_stream(&loc); // the head alone
}

bool is_forbidden_path(const std::string& path)
{
    if (path.find(".htpasswd") != std::string::npos) return true;
    // Every request passes here: only a link is resolved, as only a link can
    // give the entry another name.
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return false;
    if (S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) == nullptr || stat(resolved, &st) != 0) return false;
        if (std::strstr(resolved, ".htpasswd") != nullptr) return true;
    }
    return !(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode));
}

void serve_static_path(kwhttpd_conn* conn)
{
    kwhttpd_ctx* ctx = conn->ctx;
    if (conn->method == METHOD_PUT || conn->method == METHOD_DELETE) {
        if (kwhttpd_feature_table.serve_upload)
            kwhttpd_feature_table.serve_upload(conn);
        else
            send_server_error(conn, 404, "Not Found");
        return;
    }
    // Whatever the URI held, nothing outside the base is served: a symbolic
    // link that leads out counts as missing.
    std::string path = confined_path(conn->path_base, conn->path);
    if (path.empty()) path = split_path_info(conn);
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0) {
        send_server_error(conn, 404, "Not Found");
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        if (conn->uri.empty() || conn->uri.back() != '/') {
            const std::string reason = "Moved Permanently\r\nLocation: " + conn->uri + "/";
            send_server_error(conn, 301, reason.c_str());
            return;
        }
        for (const std::string& item : split_option_list(ctx->options[OPT_INDEX_FILES])) {
            const std::string index = confined_path(conn->path_base, path + "/" + item);
            struct stat index_st {};
            if (index.empty() || is_forbidden_path(index) || stat(index.c_str(), &index_st) != 0 ||
                !S_ISREG(index_st.st_mode))
                continue;
            conn->mime_type = lookup_mime_type(ctx, item.c_str(), item.size());
            serve_regular_file(conn, index);
            return;
        }
        if (!option_is_true(ctx, OPT_DIR_LIST) || kwhttpd_feature_table.start_dir_listing == nullptr) {
            send_server_error(conn, 403, "Directory Listing Denied");
            return;
        }
        kwhttpd_feature_table.start_dir_listing(conn, path);
        return;
    }
    // Devices, pipes and sockets are not files to send: a FIFO would block.
    // The check before the callbacks saw the same; the entry may have changed.
    if (!S_ISREG(st.st_mode)) {
        send_server_error(conn, 403, "Forbidden");
        return;
    }
    serve_regular_file(conn, path);
}
