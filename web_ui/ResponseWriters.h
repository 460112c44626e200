#pragma once

#include <cstddef>

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
