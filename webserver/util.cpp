// Small helpers used across the server.

#include "webserver/kwhttpd_internal.h"

#include <fcntl.h>

#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstring>

void set_non_blocking(int fd)
{
    const int flags = fcntl(fd, F_GETFL, 0);
    if (flags >= 0) fcntl(fd, F_SETFL, flags | O_NONBLOCK);
}

void set_close_on_exec(int fd)
{
    fcntl(fd, F_SETFD, FD_CLOEXEC);
}

const char* last_error_text()
{
    return std::strerror(errno);
}

void copy_bounded(char* dst, const char* src, std::size_t size)
{
    if (size == 0) return;
    std::size_t i = 0;
    for (; i + 1 < size && src[i] != '\0'; ++i) dst[i] = src[i];
    dst[i] = '\0';
}

int compare_nocase(const char* a, const char* b, std::size_t n)
{
    int diff = 0;
    do {
        diff = std::tolower(static_cast<unsigned char>(*a)) - std::tolower(static_cast<unsigned char>(*b));
        if (diff != 0 || *a == '\0') break;
        ++a;
        ++b;
    } while (--n > 0);
    return diff;
}

std::size_t format_bounded(char* buf, std::size_t size, const char* format, ...)
{
    if (size == 0) return 0;
    va_list ap;
    va_start(ap, format);
    const int n = std::vsnprintf(buf, size, format, ap);
    va_end(ap);
    if (n < 0) {
        buf[0] = '\0';
        return 0;
    }
    return static_cast<std::size_t>(n) < size ? static_cast<std::size_t>(n) : size - 1;
}

std::vector<std::string> split_option_list(const char* text)
{
    std::vector<std::string> items;
    if (text == nullptr) return items;
    std::string item;
    for (const char* p = text;; ++p) {
        if (*p == '\0' || *p == ' ' || *p == ',') {
            if (!item.empty()) items.push_back(item);
            item.clear();
            if (*p == '\0') break;
        } else {
            item += *p;
        }
    }
    return items;
}

bool match_extension_list(const char* path, const char* list)
{
    const std::size_t path_len = std::strlen(path);
    for (const std::string& ext : split_option_list(list)) {
        if (ext.size() >= path_len) continue;
        const char* dot = path + path_len - ext.size() - 1;
        if (*dot == '.' && compare_nocase(dot + 1, ext.c_str(), ext.size()) == 0) return true;
    }
    return false;
}

const char* status_reason(int status)
{
    static const struct {
        int status;
        const char* reason;
    } reasons[] = {
        {200, "OK"}, {201, "Created"}, {202, "Accepted"}, {204, "No Content"}, {206, "Partial Content"},
        {301, "Moved Permanently"}, {302, "Found"}, {303, "See Other"}, {304, "Not Modified"},
        {307, "Temporary Redirect"}, {308, "Permanent Redirect"}, {400, "Bad Request"}, {401, "Unauthorized"},
        {403, "Forbidden"}, {404, "Not Found"}, {405, "Method Not Allowed"}, {409, "Conflict"}, {410, "Gone"},
        {411, "Length Required"}, {413, "Request Entity Too Large"}, {415, "Unsupported Media Type"},
        {429, "Too Many Requests"}, {500, "Internal Server Error"}, {501, "Not Implemented"},
        {502, "Bad Gateway"}, {503, "Service Unavailable"}, {504, "Gateway Timeout"},
    };
    for (const auto& r : reasons)
        if (r.status == status) return r.reason;
    // A status without a name of its own is named by its class.
    static const char* const classes[] = {"Informational", "OK", "Redirection", "Client Error", "Server Error"};
    return status >= 100 && status <= 599 ? classes[status / 100 - 1] : "Unknown";
}
