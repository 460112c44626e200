// Uploads: "PUT" stores a request body in a file below the root and
// "DELETE" removes one; both need credentials from the "auth_PUT" file.
//
// Every directory on the way is opened without following a link, so nothing
// outside the root is written through one. The body goes to a temporary file
// beside the target and replaces it only when it has arrived whole: a failed
// or broken-off upload leaves the old file as it was.

#include "webserver/features.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

struct Upload {
    int dir = -1;          // the directory of the target
    int fd = -1;           // the temporary file
    std::string temp_name; // in `dir`
    std::string name;      // the target's name in `dir`
    int status = 201;      // 201 new file, 200 replaced
    bool stored = false;   // renamed over the target
};

Upload* upload_of(kwhttpd_stream* stream)
{
    return static_cast<Upload*>(stream->chan.ptr);
}

// The part of the request's path below its base (root or alias target).
std::string relative_path(const kwhttpd_conn* conn)
{
    return conn->path.substr(std::min(conn->path.size(), conn->path_base.size()));
}

// Opens, one component at a time and without following links, the
// directories of `relative` below the real base; with `create` missing ones
// are made (0755). Returns the directory that holds the last component and
// puts that component in `leaf` (empty when the path ends in "/"); -1 with
// errno set on failure.
int put_dir(const std::string& base, const std::string& relative, bool create, std::string* leaf)
{
    char real_base[PATH_MAX];
    if (realpath(base.c_str(), real_base) == nullptr) return -1;
    int dir = open(real_base, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::size_t at = 0;
    while (dir >= 0) {
        at = relative.find_first_not_of('/', at);
        if (at == std::string::npos) at = relative.size();
        const std::size_t slash = relative.find('/', at);
        const std::string name = relative.substr(at, slash == std::string::npos ? std::string::npos : slash - at);
        if (name == "." || name == "..") {
            close(dir);
            errno = EACCES;
            return -1;
        }
        if (slash == std::string::npos) {
            *leaf = name;
            return dir;
        }
        int next = openat(dir, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0 && errno == ENOENT && create && (mkdirat(dir, name.c_str(), 0755) == 0 || errno == EEXIST))
            next = openat(dir, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int saved = errno;
        close(dir);
        errno = saved;
        dir = next;
        at = slash + 1;
    }
    return -1;
}

// A new temporary file in `dir`, hidden from URIs (they never reach a name
// that starts with a dot).
int create_temp_file(int dir, std::string* name)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        unsigned char random[8];
        if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) return -1;
        char text[40];
        std::snprintf(text, sizeof text, ".kwhttpd-upload-%02x%02x%02x%02x%02x%02x%02x%02x", random[0], random[1],
                      random[2], random[3], random[4], random[5], random[6], random[7]);
        const int fd = openat(dir, text, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            *name = text;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

void close_file(kwhttpd_stream* stream)
{
    Upload* upload = upload_of(stream);
    if (upload == nullptr) return;
    if (upload->fd >= 0) close(upload->fd);
    if (!upload->stored && !upload->temp_name.empty()) unlinkat(upload->dir, upload->temp_name.c_str(), 0);
    if (upload->dir >= 0) close(upload->dir);
    delete upload;
    stream->chan.ptr = nullptr;
}

// The whole body has arrived: the temporary file replaces the target.
void store_upload(kwhttpd_conn* conn)
{
    Upload* upload = upload_of(&conn->loc);
    struct stat st {};
    if (fsync(upload->fd) != 0 || fstat(upload->fd, &st) != 0 ||
        renameat(upload->dir, upload->temp_name.c_str(), upload->dir, upload->name.c_str()) != 0) {
        cry(conn, "PUT %s: %s", conn->path.c_str(), last_error_text());
        send_server_error(conn, 500, "PUT Error");
        return;
    }
    upload->stored = true;
    // The body names the size stored, and the head announces exactly that body.
    const std::string body = std::to_string(static_cast<unsigned long long>(st.st_size)) + "\r\n";
    kwhttpd_stream& loc = conn->loc;
    conn->status = upload->status;
    const std::size_t n = format_bounded(
        loc.io.space(), loc.io.spaceLen(),
        "HTTP/1.1 %d %s\r\nContent-Type: text/plain\r\nContent-Length: %zu\r\nConnection: close\r\n\r\n%s",
        upload->status, status_reason(upload->status), body.size(), body.c_str());
    loc.io.incHead(n);
    finish_stream(&loc);
}

int write_file(kwhttpd_stream* stream, const char* data, std::size_t len)
{
    kwhttpd_conn* conn = stream->conn;
    const ssize_t n = write(upload_of(stream)->fd, data, len);
    if (n <= 0) {
        cry(conn, "PUT %s: %s", conn->path.c_str(), n < 0 ? last_error_text() : "nothing written");
        send_server_error(conn, 500, "PUT Error");
        errno = EIO;
        return -1;
    }
    if (conn->body_consumed + static_cast<big_int_t>(n) >= conn->hdr.content_length) store_upload(conn);
    return static_cast<int>(n);
}

const kwhttpd_io_class io_upload = {"file", nullptr, write_file, close_file, nullptr};

void serve_put(kwhttpd_conn* conn)
{
    if (conn->hdr.range.ptr && conn->hdr.range.len > 0) {
        send_server_error(conn, 501, "PUT Range Not Implemented");
        return;
    }
    std::string leaf;
    const int dir = put_dir(conn->path_base, relative_path(conn), true, &leaf);
    if (dir < 0) {
        cry(conn, "PUT %s: %s", conn->path.c_str(), last_error_text());
        send_server_error(conn, 500, "PUT Directory Error");
        return;
    }
    auto* upload = new Upload;
    upload->dir = dir;
    upload->name = leaf;
    kwhttpd_stream& loc = conn->loc;
    loc.chan.ptr = upload;
    loc.io_class = &io_upload;
    if (leaf.empty()) {
        // The directory was asked for, and now exists.
        send_server_error(conn, 200, "OK");
        return;
    }
    if (!conn->hdr.has_content_length) {
        send_server_error(conn, 411, "Length Required");
        return;
    }
    struct stat st {};
    upload->status = fstatat(dir, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? 200 : 201;
    upload->fd = create_temp_file(dir, &upload->temp_name);
    // The mark keeps an uploaded page from running commands (include pages).
    if (upload->fd < 0 || fchmod(upload->fd, 0644) != 0 ||
        fsetxattr(upload->fd, kUploadMark, "PUT", 3, 0) != 0) {
        cry(conn, "PUT %s: %s", conn->path.c_str(), last_error_text());
        send_server_error(conn, 500, "PUT Error");
        return;
    }
    loc.flags |= FLAG_W | FLAG_NO_WAIT;
    if (conn->hdr.content_length == 0) store_upload(conn);
}

void serve_delete(kwhttpd_conn* conn)
{
    std::string relative = relative_path(conn);
    while (!relative.empty() && relative.back() == '/') relative.pop_back();
    std::string leaf;
    const int dir = put_dir(conn->path_base, relative, false, &leaf);
    if (dir < 0 || leaf.empty()) {
        if (dir >= 0) close(dir);
        // The root itself is never removed.
        send_server_error(conn, dir < 0 ? 500 : 403, dir < 0 ? "DELETE Error" : "Forbidden");
        return;
    }
    const bool removed = unlinkat(dir, leaf.c_str(), 0) == 0 ||
                         ((errno == EISDIR || errno == EPERM) && unlinkat(dir, leaf.c_str(), AT_REMOVEDIR) == 0);
    if (!removed) cry(conn, "DELETE %s: %s", conn->path.c_str(), last_error_text());
    close(dir);
    if (removed)
        send_server_error(conn, 200, "OK");
    else
        send_server_error(conn, 500, "DELETE Error");
}

} // namespace

const char* const kUploadMark = "user.kwhttpd.upload";

void serve_upload(kwhttpd_conn* conn)
{
    if (!authorize_put(conn)) {
        send_digest_challenge(conn);
        return;
    }
    if (conn->method == METHOD_PUT)
        serve_put(conn);
    else
        serve_delete(conn);
}
