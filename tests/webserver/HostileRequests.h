#pragma once

// Hostile and borderline requests with the exact status line the server
// answers. One table for the socket-level test, the socket-free test and the
// fuzzer's seed corpus.

#include <string>
#include <vector>

namespace webserver_test {

struct HostileRequest {
    const char* name;
    std::string request;
    std::string status_line;
};

inline std::vector<HostileRequest> hostileRequests()
{
    const std::string long_line = "GET /" + std::string(9 * 1024, 'a') + " HTTP/1.1\r\n\r\n";
    std::string many_headers = "GET /echo HTTP/1.1\r\n";
    for (int i = 0; many_headers.size() < 40 * 1024; ++i) many_headers += "X-Filler-" + std::to_string(i) + ": " + std::string(100, 'v') + "\r\n";
    many_headers += "\r\n";
    return {
        {"sixteen bytes are a request", "GET / HTTP/1.0\n\n", "HTTP/1.1 404 Not Found"},
        {"fifteen bytes are not", "GE / HTTP/1.0\n\n", "HTTP/1.1 400 Bad request"},
        {"tab in a header", "GET /echo HTTP/1.1\r\nHost:\tx\r\n\r\n", "HTTP/1.1 400 Bad request"},
        {"HTTP/2.0", "GET /echo HTTP/2.0\r\n\r\n", "HTTP/1.1 505 HTTP version not supported"},
        {"HTTP/1.1x", "GET /echo HTTP/1.1x\r\n\r\n", "HTTP/1.1 400 Bad HTTP version"},
        {"unknown method", "FOO /echo HTTP/1.1\r\n\r\n", "HTTP/1.1 501 Method Not Implemented"},
        {"method with a suffix", "GETX /echo HTTP/1.1\r\n\r\n", "HTTP/1.1 501 Method Not Implemented"},
        {"9 KiB request line", long_line, "HTTP/1.1 400 URI is too long"},
        {"40 KiB of headers", many_headers, "HTTP/1.1 400 Request is too big"},
        {"body above the limit", "POST /post HTTP/1.1\r\nContent-Length: 1048577\r\n\r\nab",
         "HTTP/1.1 413 Request Entity Too Large"},
        {"negative length", "POST /post HTTP/1.1\r\nContent-Length: -1\r\n\r\n", "HTTP/1.1 400 Bad request"},
        {"signed length", "POST /post HTTP/1.1\r\nContent-Length: +5\r\n\r\nabcde", "HTTP/1.1 400 Bad request"},
        {"two different lengths", "POST /post HTTP/1.1\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\nabcdef",
         "HTTP/1.1 400 Bad request"},
        {"transfer encoding with length",
         "POST /post HTTP/1.1\r\nTransfer-Encoding: chunked\r\nContent-Length: 5\r\n\r\n0\r\n\r\n",
         "HTTP/1.1 400 Bad request"},
        {"transfer encoding alone", "POST /post HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n",
         "HTTP/1.1 501 Transfer-Encoding Not Implemented"},
        {"relative URI", "GET ../x HTTP/1.1\r\n\r\n", "HTTP/1.1 400 Bad URI"},
        {"decoded NUL", "GET /a%00 HTTP/1.1\r\n\r\n", "HTTP/1.1 400 Bad URI"},
        {"decoded CR LF", "GET /d%0d%0aSet-Cookie:x HTTP/1.1\r\n\r\n", "HTTP/1.1 400 Bad URI"},
    };
}

// The body of an error reply with `status`.
inline std::string errorBody(const std::string& status_line)
{
    return "Error: " + status_line.substr(9, 3) + "\r\n";
}

} // namespace webserver_test
