#pragma once

#include <cstddef>
#include <string>

struct kwhttpd_arg;

// The writers of whole answers with a fixed body: status line, type, length,
// the body; each ends the answer (KWHTTPD_OUTPUT_DONE).
void sendGif(kwhttpd_arg* arg, const char* data, std::size_t length);
void sendPng(kwhttpd_arg* arg, const char* data, std::size_t length);
void sendCss(kwhttpd_arg* arg, const char* data, std::size_t length);
void sendJavascript(kwhttpd_arg* arg, const char* data, std::size_t length);

// Appends the body when the output block has room for all of it and returns
// its length; otherwise writes nothing, logs the failure and returns 0.
std::size_t writeBody(kwhttpd_arg* arg, const char* data, std::size_t length);

// Pages: every page answer carries the headers of kPageHeaders, which keep it
// out of caches and frames and make the browser take its type as given.
extern const char* const kPageHeaders;

// "200 OK" with the page headers and `extraHeaders` (whole lines, such as a
// Set-Cookie line); the page follows, the answer is not ended.
void sendHtmlHeader(kwhttpd_arg* arg, const std::string& extraHeaders = std::string());
// A whole HTML page or plain text; ends the answer.
void sendHtml(kwhttpd_arg* arg, const char* data, std::size_t length);
void sendText(kwhttpd_arg* arg, const char* data, std::size_t length);
// "200 OK" for a download of the file name (letters, digits, ".-_" only),
// not cached; the data follows, the answer is not ended.
void sendAttachmentHeader(kwhttpd_arg* arg, const std::string& fileName, const std::string& contentType);
// After a page header: a page that sends the browser to "/summary.html".
// Ends the answer.
void sendRefreshToSummary(kwhttpd_arg* arg);
// The 303 to a path of this server; ends the answer.
void sendSeeOther(kwhttpd_arg* arg, const std::string& path, const std::string& extraHeaders = std::string());

// Whole answers with a message (escaped for the page); each ends the answer.
// A refusal the front end decides itself ("Too many sessions.").
void sendErrorPage(kwhttpd_arg* arg, const std::string& text);
// "403 Forbidden".
void sendForbiddenPage(kwhttpd_arg* arg, const std::string& text);
// "500 Internal Server Error": a handler failed unexpectedly.
void sendInternalErrorPage(kwhttpd_arg* arg, const std::string& text);
