// The callback interface: accessors, pattern matching and the calls a
// callback gets.

#include "tests/webserver/ServerContext.h"
#include "tests/webserver/TestHost.h"
#include "webserver/kwhttpd_internal.h"

#include <gtest/gtest.h>

using namespace webserver_test;

namespace {

// Records the flags of every call, consumes nothing until the body is whole.
struct BodyRecorder {
    std::vector<unsigned> flags;
    std::string body;
};

void recordBody(kwhttpd_arg* arg)
{
    auto* recorder = static_cast<BodyRecorder*>(arg->user_data);
    recorder->flags.push_back(arg->flags);
    if (arg->flags & KWHTTPD_MORE_BODY) return;
    recorder->body.assign(arg->in.buf, static_cast<std::size_t>(arg->in.len));
    arg->in.num_bytes = arg->in.len;
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\n\r\n");
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

void reportHeader(kwhttpd_arg* arg)
{
    const char* cookie = kwhttpd_get_header(arg, "Cookie");
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\n\r\n[%s]", cookie ? cookie : "(none)");
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

struct Named {
    const char* name;
};

void sayName(kwhttpd_arg* arg)
{
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\n\r\n%s", static_cast<Named*>(arg->user_data)->name);
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

int lostCalls = 0;

void neverDone(kwhttpd_arg* arg)
{
    if (arg->flags & KWHTTPD_CONNECTION_LOST) ++lostCalls;
}

} // namespace

TEST(Embedded, GetVar)
{
    const std::string buf = "A=1&ba=2&c=x%20y&empty=&last=z";
    const struct {
        const char* name;
        int result;
        const char* value;
    } cases[] = {
        {"a", 1, "1"},       {"A", 1, "1"},   {"ba", 1, "2"},    {"BA", 1, "2"},  {"c", 3, "x y"},
        {"empty", 0, ""},    {"last", 1, "z"}, {"missing", -1, "untouched"}, {"x", -1, "untouched"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        char value[16] = "untouched";
        EXPECT_EQ(c.result, kwhttpd_get_var(c.name, buf.data(), buf.size(), value, sizeof value));
        EXPECT_STREQ(c.value, value);
    }
    char small[3];
    EXPECT_EQ(2, kwhttpd_get_var("c", buf.data(), buf.size(), small, sizeof small));
    EXPECT_STREQ("x ", small);
    // "a" must not match inside "ba".
    char value[8] = "";
    EXPECT_EQ(-1, kwhttpd_get_var("a", "ba=2", 4, value, sizeof value));
}

TEST(Embedded, PrintfTruncatesAtTheFreeSpace)
{
    char out[8];
    kwhttpd_arg arg{};
    arg.out.buf = out;
    arg.out.len = sizeof out;
    EXPECT_EQ(3, kwhttpd_printf(&arg, "abc"));
    EXPECT_EQ(4, kwhttpd_printf(&arg, "defghij"));
    EXPECT_EQ(7, arg.out.num_bytes);
    EXPECT_EQ(0, kwhttpd_printf(&arg, "k"));
    EXPECT_EQ("abcdefg", std::string(out, 7));
}

TEST(Embedded, UriPatterns)
{
    const struct {
        const char* pattern;
        const char* uri;
        bool match;
    } cases[] = {
        {"/static/*", "/static/a/b.css", true}, {"/static/*", "/static/", true}, {"/static/*", "/static", false},
        {"/", "/", true},                       {"/", "/x", false},              {"*", "/anything", true},
        {"/a*b*c", "/a-b-b-c", true},           {"/a*b*c", "/a-b-b-d", false},   {"/A", "/a", false},
        {"*a*a*a*a*a*a*a*b", "/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + c.uri);
        EXPECT_EQ(c.match, match_uri_pattern(c.pattern, c.uri));
    }
}

TEST(Embedded, FirstRegistrationWins)
{
    ServerContext server;
    Named first{"first"}, second{"second"};
    kwhttpd_register_uri(server.get(), "/p*", sayName, &first);
    kwhttpd_register_uri(server.get(), "/page", sayName, &second);
    EXPECT_EQ("first", body(server.serve("GET /page HTTP/1.1\r\n\r\n")));
}

TEST(Embedded, BodyInTwoPiecesShowsMoreBodyBetween)
{
    ServerContext server;
    BodyRecorder recorder;
    kwhttpd_register_uri(server.get(), "/b", recordBody, &recorder);
    const std::string head = "POST /b HTTP/1.1\r\nContent-Length: 10\r\n\r\n";
    const std::string reply = server.serve(head + "01234" + "56789", head.size() + 5);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    ASSERT_GE(recorder.flags.size(), 2u);
    EXPECT_TRUE(recorder.flags.front() & KWHTTPD_MORE_BODY);
    EXPECT_FALSE(recorder.flags.back() & KWHTTPD_MORE_BODY);
    EXPECT_EQ("0123456789", recorder.body);
}

TEST(Embedded, HeaderLookupMatchesWholeNames)
{
    ServerContext server;
    kwhttpd_register_uri(server.get(), "/h", reportHeader, nullptr);
    EXPECT_EQ("[(none)]", body(server.serve("GET /h HTTP/1.1\r\nCookie2: x=1\r\n\r\n")));
    EXPECT_EQ("[x=1; y=2]", body(server.serve("GET /h HTTP/1.1\r\nCookie2: z\r\ncookie:  x=1; y=2 \r\n\r\n")));
}

TEST(Embedded, UnfinishedCallbackGetsOneLostCall)
{
    ServerContext server;
    kwhttpd_register_uri(server.get(), "/never", neverDone, nullptr);
    lostCalls = 0;
    EXPECT_EQ("", server.serve("GET /never HTTP/1.1\r\n\r\n"));
    EXPECT_EQ(1, lostCalls);
}

TEST(Embedded, ErrorHandlerWritesTheReply)
{
    ServerContext server;
    Named handler{"HTTP/1.1 404 Not Here\r\n\r\ncustom"};
    kwhttpd_handle_error(server.get(), 404, [](kwhttpd_arg* arg) {
        kwhttpd_printf(arg, "%s", static_cast<Named*>(arg->user_data)->name);
        arg->flags |= KWHTTPD_OUTPUT_DONE;
    }, &handler);
    EXPECT_EQ(handler.name, server.serve("GET /missing HTTP/1.1\r\n\r\n"));
}
