#include "web_ui/ResponseWriters.h"

#include "common/Log.h"
#include "webserver/kwhttpd.h"

#include <cstring>

namespace {

void sendFixed(kwhttpd_arg* arg, const char* contentType, const char* data, std::size_t length)
{
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: %s\r\nContent-length: %zu\r\n\r\n", contentType, length);
    writeBody(arg, data, length);
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

}  // namespace

std::size_t writeBody(kwhttpd_arg* arg, const char* data, std::size_t length)
{
    const std::size_t room = static_cast<std::size_t>(arg->out.len - arg->out.num_bytes);
    if (length > room) {
        // A cut body under a full length would hang the browser; the answer
        // ends short instead, and the log says why.
        Log(1, true) << "Error: an answer body of " << length << " bytes does not fit the " << room
                     << " bytes of the output block";
        arg->flags |= KWHTTPD_OUTPUT_DONE;
        return 0;
    }
    std::memcpy(arg->out.buf + arg->out.num_bytes, data, length);
    arg->out.num_bytes += static_cast<int>(length);
    return length;
}

void sendGif(kwhttpd_arg* arg, const char* data, std::size_t length)
{
    sendFixed(arg, "image/gif", data, length);
}

void sendPng(kwhttpd_arg* arg, const char* data, std::size_t length)
{
    sendFixed(arg, "image/png", data, length);
}

void sendCss(kwhttpd_arg* arg, const char* data, std::size_t length)
{
    sendFixed(arg, "text/css", data, length);
}

void sendJavascript(kwhttpd_arg* arg, const char* data, std::size_t length)
{
    sendFixed(arg, "text/javascript", data, length);
}
