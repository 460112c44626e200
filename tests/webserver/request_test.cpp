// Request parsing and dispatch through the socket-free entry point.

#include "tests/webserver/HostileRequests.h"
#include "tests/webserver/ServerContext.h"
#include "tests/webserver/TestHost.h"
#include "webserver/kwhttpd_internal.h"

#include <gtest/gtest.h>

using namespace webserver_test;

namespace {

void reportUri(kwhttpd_arg* arg)
{
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\n\r\n%s|%s", kwhttpd_get_env(arg, "REQUEST_URI"),
                   kwhttpd_get_env(arg, "QUERY_STRING") ? kwhttpd_get_env(arg, "QUERY_STRING") : "(none)");
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

void consumeBody(kwhttpd_arg* arg)
{
    arg->in.num_bytes = arg->in.len;
    if (arg->flags & KWHTTPD_MORE_BODY) return;
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\n\r\n");
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

} // namespace

TEST(Request, HostileRequestsWholeAndByteByByte)
{
    ServerContext server;
    kwhttpd_register_uri(server.get(), "/echo", reportUri, nullptr);
    kwhttpd_register_uri(server.get(), "/post", consumeBody, nullptr);
    for (const HostileRequest& c : hostileRequests()) {
        for (const std::size_t piece : {std::size_t{0}, std::size_t{1}}) {
            SCOPED_TRACE(std::string(c.name) + (piece ? ", a byte at a time" : ", whole"));
            const std::string reply = server.serve(c.request, piece);
            EXPECT_EQ(c.status_line, statusLine(reply));
            EXPECT_EQ(errorBody(c.status_line), body(reply));
        }
    }
}

TEST(Request, ErrorReplyHasExactBytes)
{
    ServerContext server;
    EXPECT_EQ("HTTP/1.1 404 Not Found\r\nContent-Type: text/plain\r\nContent-Length: 12\r\n\r\nError: 404\r\n",
              server.serve("GET /none HTTP/1.1\r\n\r\n"));
}

TEST(Request, UriIsDecodedAndNormalised)
{
    ServerContext server;
    kwhttpd_register_uri(server.get(), "*", reportUri, nullptr);
    const struct {
        const char* uri;
        const char* seen;
    } cases[] = {
        {"/a/%2e%2e/b", "/a/b|(none)"},
        {"/.hidden", "/hidden|(none)"},
        {"//x", "/x|(none)"},
        {"/a/../b?q=%41+1", "/a/b|q=%41+1"},
        {"/sp+ace%20x", "/sp ace x|(none)"},
        {"/%zz", "/%zz|(none)"},
        {"/\\..\\x", "/x|(none)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.uri);
        EXPECT_EQ(c.seen, body(server.serve(std::string("GET ") + c.uri + " HTTP/1.1\r\n\r\n")));
    }
}

TEST(Request, HeaderNamesTakeOptionalWhiteSpace)
{
    ServerContext server;
    kwhttpd_register_uri(server.get(), "/b", consumeBody, nullptr);
    for (const char* head : {"Content-Length:3", "content-length:   3  ", "CONTENT-LENGTH: 3"}) {
        SCOPED_TRACE(head);
        const std::string reply = server.serve(std::string("POST /b HTTP/1.1\r\n") + head + "\r\n\r\nabc");
        EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    }
}

TEST(Request, UrlDecode)
{
    const struct {
        const char* src;
        std::size_t dst_size;
        std::string expected;
    } cases[] = {
        {"a%41b", 16, "aAb"}, {"%4a%4A", 16, "JJ"}, {"%4", 16, "%4"}, {"%g1", 16, "%g1"},
        {"a+b", 16, "a b"},   {"", 16, ""},          {"abcdef", 4, "abc"}, {"%00x", 16, std::string("\0x", 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.src);
        char dst[16];
        const int n = url_decode(c.src, std::strlen(c.src), dst, c.dst_size);
        EXPECT_EQ(c.expected, std::string(dst, static_cast<std::size_t>(n)));
        EXPECT_EQ('\0', dst[n]);
    }
}

TEST(Request, HttpDates)
{
    const struct {
        const char* text;
        std::time_t expected;
    } cases[] = {
        {"Sun, 06 Nov 1994 08:49:37 GMT", 784111777},
        {"06 Nov 1994 08:49:37", 784111777},
        {"06/Nov/1994 08:49:37", 784111777},
        {"06-Nov-94 08:49:37", 784111777},
        {"06-Nov-04 08:49:37", 1099730977},
        {"06 nov 1994 08:49:37", 0},
        {"garbage", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.expected, parse_http_date(c.text, std::strlen(c.text)));
    }
}

TEST(Request, HeadLength)
{
    EXPECT_EQ(16, get_headers_len("GET / HTTP/1.0\n\nrest", 20));
    EXPECT_EQ(18, get_headers_len("GET / HTTP/1.0\r\n\r\n", 18));
    EXPECT_EQ(0, get_headers_len("GET / HTTP/1.0\r\n", 16));
    EXPECT_EQ(-1, get_headers_len("GET /\t HTTP/1.0\n\n", 17));
}
