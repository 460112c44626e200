#include "web_ui/ResponseWriters.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "web_ui/TextEscapes.h"
#include "webserver/kwhttpd.h"

#include <cctype>
#include <cstring>

const char* const kPageHeaders =
    "Content-Type: text/html; charset=utf-8\r\n"
    "Cache-Control: no-store\r\n"
    "X-Frame-Options: DENY\r\n"
    "X-Content-Type-Options: nosniff\r\n";

namespace {

void sendFixed(kwhttpd_arg* arg, const char* contentType, const char* data, std::size_t length)
{
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: %s\r\nContent-length: %zu\r\n\r\n", contentType, length);
    writeBody(arg, data, length);
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

void appendText(kwhttpd_arg* arg, const std::string& text)
{
    writeBody(arg, text.data(), text.size());
}

// A small page with a title and one message, under the given status line.
void sendMessagePage(kwhttpd_arg* arg, const char* status, const std::string& title, const std::string& heading,
                     const std::string& text)
{
    kwhttpd_printf(arg, "HTTP/1.1 %s\r\n%s\r\n", status, kPageHeaders);
    appendText(arg, "<!DOCTYPE html><html>\r\n<head>\r\n  <meta charset=\"utf-8\">\r\n  <title>" +
                        escapeHtmlText(title) + "</title>\r\n</head>\r\n<body>\r\n" + heading +
                        escapeHtmlText(text) + "<br>\r\n<hr>\r\n</body></html>\r\n");
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

void sendHtmlHeader(kwhttpd_arg* arg, const std::string& extraHeaders)
{
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\n%s%s\r\n", kPageHeaders, extraHeaders.c_str());
}

void sendHtml(kwhttpd_arg* arg, const char* data, std::size_t length)
{
    sendHtmlHeader(arg);
    writeBody(arg, data, length);
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

void sendText(kwhttpd_arg* arg, const char* data, std::size_t length)
{
    kwhttpd_printf(arg,
                   "HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\nCache-Control: no-store\r\n"
                   "X-Content-Type-Options: nosniff\r\n\r\n");
    writeBody(arg, data, length);
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

void sendAttachmentHeader(kwhttpd_arg* arg, const std::string& fileName, const std::string& contentType)
{
    std::string safeName;
    for (const char c : fileName)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_') safeName += c;
    kwhttpd_printf(arg,
                   "HTTP/1.1 200 OK\r\nContent-Type: %s\r\nContent-Disposition: attachment; filename=%s\r\n"
                   "Cache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\n\r\n",
                   contentType.c_str(), safeName.c_str());
}

void sendRefreshToSummary(kwhttpd_arg* arg)
{
    appendText(arg,
               "<!DOCTYPE html><html>\r\n<head>\r\n  <meta charset=\"utf-8\">\r\n"
               "  <meta http-equiv=\"refresh\" content=\"0; url=/summary.html\"/></head><body>\r\n"
               "</body></html>\r\n");
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

void sendSeeOther(kwhttpd_arg* arg, const std::string& path, const std::string& extraHeaders)
{
    kwhttpd_printf(arg, "HTTP/1.1 303 See Other\r\nLocation: %s\r\n%sContent-Length: 0\r\n\r\n", path.c_str(),
                   extraHeaders.c_str());
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

void sendErrorPage(kwhttpd_arg* arg, const std::string& text)
{
    sendMessagePage(arg, "200 OK", Messages::get("web_caption"), "Internal error occured:<br>\r\n", text);
}

void sendForbiddenPage(kwhttpd_arg* arg, const std::string& text)
{
    sendMessagePage(arg, "403 Forbidden", "403 Forbidden", "<H1>Forbidden</H1>", text);
}

void sendInternalErrorPage(kwhttpd_arg* arg, const std::string& text)
{
    sendMessagePage(arg, "500 Internal Server Error", Messages::get("web_caption"), "Internal error occured:<br>\r\n",
                    text);
}
