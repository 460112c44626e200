// The directory listing: an HTML table of a directory's entries, made a
// few rows at a time as the client takes the reply.

#include "webserver/features.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

// Room a row may need: a longer name is cut by format_bounded, never overrun.
constexpr std::size_t kRowSpace = 4608;

struct DirListing {
    DIR* dir = nullptr;
    std::string path;
    std::string uri;
};

std::string html_escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

// Every byte but the unreserved ones and "/" is encoded, so a name can
// neither end the attribute nor turn into a scheme or a query.
std::string percent_encoded(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (std::isalnum(b) || std::strchr("-._~/", c)) {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

std::string size_column(const struct stat& st)
{
    char text[32];
    const auto size = static_cast<unsigned long>(st.st_size);
    if (S_ISDIR(st.st_mode))
        return "&lt;DIR&gt;";
    if (size < 1024)
        std::snprintf(text, sizeof text, "%lu", size);
    else if (size < 1048576)
        std::snprintf(text, sizeof text, "%luk", size / 1024 + 1);
    else
        std::snprintf(text, sizeof text, "%.1fM", static_cast<double>(static_cast<float>(size) / 1048576.0f));
    return text;
}

int read_dir(kwhttpd_stream* stream, char* buf, std::size_t len)
{
    auto* listing = static_cast<DirListing*>(stream->chan.ptr);
    if (len < kRowSpace) {
        errno = EAGAIN; // the client takes the rows first
        return -1;
    }
    std::size_t written = 0;
    while (len - written >= kRowSpace) {
        errno = 0;
        const dirent* entry = readdir(listing->dir);
        if (entry == nullptr) break;
        const std::string name = entry->d_name;
        if (name == "." || name == ".htpasswd") continue;
        struct stat st {};
        const std::string full = listing->path + "/" + name;
        std::string modified = "-";
        std::string size = "-";
        // A dangling link has no status of its own to show.
        if (stat(full.c_str(), &st) == 0) {
            char date[64];
            std::tm local{};
            localtime_r(&st.st_mtime, &local);
            std::strftime(date, sizeof date, "%d-%b-%Y %H:%M", &local);
            modified = date;
            size = size_column(st);
        }
        const char* slash = S_ISDIR(st.st_mode) ? "/" : "";
        written += format_bounded(buf + written, len - written,
                                  "<tr><td><a href=\"%s%s%s\">%s%s</a></td><td>&nbsp;%s</td><td>&nbsp;&nbsp;%s</td></tr>\n",
                                  percent_encoded(listing->uri).c_str(), percent_encoded(name).c_str(), slash,
                                  html_escaped(name).c_str(), slash, modified.c_str(), size.c_str());
    }
    if (written > 0) return static_cast<int>(written);
    return 0; // the end of the directory
}

void close_dir(kwhttpd_stream* stream)
{
    auto* listing = static_cast<DirListing*>(stream->chan.ptr);
    if (listing && listing->dir) closedir(listing->dir);
    delete listing;
    stream->chan.ptr = nullptr;
}

const kwhttpd_io_class io_dir = {"dir", read_dir, nullptr, close_dir, nullptr};

} // namespace

void start_dir_listing(kwhttpd_conn* conn, const std::string& path)
{
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) {
        send_server_error(conn, 500, "Cannot open directory");
        return;
    }
    kwhttpd_stream& loc = conn->loc;
    loc.chan.ptr = new DirListing{dir, path, conn->uri};
    loc.io_class = &io_dir;
    // Rows are made only into room for a whole row; a buffer that grows
    // only when full would never offer it.
    loc.io.reserveAll();
    const std::string title = html_escaped(conn->uri);
    const std::size_t n = format_bounded(
        loc.io.space(), loc.io.spaceLen(),
        "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Type: text/html; charset=utf-8\r\n\r\n"
        "<html><head><title>Index of %s</title><style>th {text-align: left;}</style></head><body>"
        "<h1>Index of %s</h1><pre><table cellpadding=\"0\"><tr><th>Name</th><th>Modified</th><th>Size</th></tr>"
        "<tr><td colspan=\"3\"><hr></td></tr>",
        title.c_str(), title.c_str());
    loc.io.incHead(n);
    conn->status = 200;
    loc.flags |= FLAG_R | FLAG_NO_WAIT;
}
