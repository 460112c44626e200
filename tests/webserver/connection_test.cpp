// Socket-level behaviour of connections against the test host: the hostile
// table, keep-alive and pipelining, lost callbacks, idle cost and the cap.

#include "tests/webserver/HostileRequests.h"
#include "tests/webserver/TestHost.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <memory>
#include <thread>

using namespace webserver_test;

namespace {

std::string statsOf(const TestHost& host)
{
    Client client(host.port());
    client.send("GET /stats HTTP/1.1\r\n\r\n");
    return body(client.readReply());
}

} // namespace

TEST(Connection, HostileRequestsWholeAndByteByByte)
{
    // No files to serve: a request no callback takes is answered 404.
    TestHost host({"-ports", "0", "-root", "/nonexistent-kwhttpd-root"});
    ASSERT_GT(host.port(), 0) << host.errors();
    for (const HostileRequest& c : hostileRequests()) {
        for (const std::size_t piece : {std::size_t{0}, std::size_t{1}}) {
            SCOPED_TRACE(std::string(c.name) + (piece ? ", a byte at a time" : ", whole"));
            Client client(host.port());
            ASSERT_TRUE(client.connected());
            client.send(c.request, piece);
            const std::string reply = client.readReply();
            EXPECT_EQ(c.status_line, statusLine(reply));
            EXPECT_EQ(errorBody(c.status_line), body(reply));
        }
    }
}

TEST(Connection, HeadThatStopsHalfWayTimesOut)
{
    TestHost host({"-ports", "0", "-request_timeout", "1"});
    ASSERT_GT(host.port(), 0) << host.errors();
    for (const std::size_t piece : {std::size_t{0}, std::size_t{1}}) {
        SCOPED_TRACE(piece ? "a byte at a time" : "whole");
        Client client(host.port());
        client.send("GET /echo HTTP/1.1\r\nUser-Ag", piece);
        const std::string reply = client.readReply();
        EXPECT_EQ("HTTP/1.1 408 Request Timeout", statusLine(reply));
        EXPECT_EQ("Error: 408\r\n", body(reply));
        EXPECT_TRUE(client.closedByServer());
    }
}

TEST(Connection, PipelinedRequestsAreAnsweredInOrderOnOneConnection)
{
    TestHost host({"-ports", "0"});
    Client client(host.port());
    client.send("GET /first HTTP/1.1\r\n\r\nGET /second HTTP/1.1\r\n\r\n");
    EXPECT_EQ("HTTP/1.1 404 Not Found", statusLine(client.readReply()));
    EXPECT_EQ("HTTP/1.1 404 Not Found", statusLine(client.readReply()));
    // A 404 keeps the connection: a third request is served on it.
    client.send("GET /echo?x=1 HTTP/1.1\r\n\r\n");
    const std::string reply = client.readReply();
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    EXPECT_NE(std::string::npos, body(reply).find("uri=/echo\nquery=x=1\naddr=127.0.0.1\nversion=1.1\n"));
    // A callback reply has no known length: the connection ends after it.
    EXPECT_TRUE(client.closedByServer());
}

TEST(Connection, KeepAliveRules)
{
    TestHost host({"-ports", "0"});
    struct Case {
        const char* name;
        const char* request;
        bool kept;
    } cases[] = {
        {"HTTP/1.1 error reply", "GET /nope HTTP/1.1\r\n\r\n", true},
        {"HTTP/1.0 closes", "GET /nope HTTP/1.0\r\n\r\n", false},
        {"Connection: close", "GET /nope HTTP/1.1\r\nConnection: close\r\n\r\n", false},
        {"unread body closes", "POST /nope HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc", false},
        {"callback reply closes", "GET /echo HTTP/1.1\r\n\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Client client(host.port());
        client.send(c.request);
        EXPECT_FALSE(client.readReply().empty());
        if (c.kept) {
            client.send("GET /echo HTTP/1.1\r\n\r\n");
            EXPECT_EQ("HTTP/1.1 200 OK", statusLine(client.readReply()));
        } else {
            EXPECT_TRUE(client.closedByServer());
        }
    }
}

TEST(Connection, PostBodyIsEchoedAfterItArrives)
{
    TestHost host({"-ports", "0"});
    Client client(host.port());
    client.send("POST /post HTTP/1.1\r\nContent-Length: 11\r\n\r\nhello world");
    const std::string reply = client.readReply();
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    EXPECT_EQ("hello world", body(reply).substr(body(reply).find('\n') + 1));
}

TEST(Connection, LargeCallbackReplyArrivesWhole)
{
    TestHost host({"-ports", "0"});
    Client client(host.port());
    client.send("GET /big?n=3000000 HTTP/1.1\r\n\r\n");
    const std::string reply = client.readReply();
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    EXPECT_EQ(std::string(3000000, 'x'), body(reply));
}

TEST(Connection, LostCallbackIsReportedExactlyOnce)
{
    TestHost host({"-ports", "0"});
    {
        Client client(host.port());
        client.send("GET /hold HTTP/1.1\r\n\r\n");
        char buf[256];
        const ssize_t n = recv(client.fd(), buf, sizeof buf, 0);
        ASSERT_GT(n, 0);
        EXPECT_NE(std::string::npos, std::string(buf, static_cast<std::size_t>(n)).find("holding"));
    }
    EXPECT_EQ("lost=1\n", statsOf(host));
    EXPECT_EQ("lost=1\n", statsOf(host));
}

TEST(Connection, HeldReplyIsSentAfterWakeUp)
{
    for (const char* threads : {"1", "2"}) {
        SCOPED_TRACE(std::string("threads ") + threads);
        TestHost host({"-ports", "0", "-threads", threads});
        Client client(host.port());
        client.send("GET /wake HTTP/1.1\r\n\r\n");
        EXPECT_EQ("woken\n", body(client.readReply()));
    }
}

// The server's CPU time while idle clients and a body that never comes wait
// must stay near zero: nothing may spin.
TEST(Connection, IdleConnectionsCostNoCpu)
{
    TestHost host({"-ports", "0"});
    ASSERT_GT(host.port(), 0);
    std::vector<std::unique_ptr<Client>> idle;
    for (int i = 0; i < 200; ++i) idle.push_back(std::make_unique<Client>(host.port()));
    Client waiting(host.port());
    waiting.send("POST /post HTTP/1.1\r\nContent-Length: 100\r\n\r\nstart");
    EXPECT_EQ("lost=0\n", statsOf(host)); // everything above has been accepted and read
    const double before = host.cpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(5));
    const double used = host.cpuSeconds() - before;
    EXPECT_LT(used, 0.1) << "CPU seconds used while idle";
}

TEST(Connection, ConnectionCapHolds)
{
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    if (limit.rlim_max < 1200) GTEST_SKIP() << "the hard descriptor limit is below 1200";
    const rlimit saved = limit;
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, 4096);
    ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &limit));
    {
        TestHost host({"-ports", "0"});
        ASSERT_GT(host.port(), 0);
        std::vector<std::unique_ptr<Client>> clients;
        for (int i = 0; i < 1100; ++i) clients.push_back(std::make_unique<Client>(host.port(), 30));
        int served = 0, refused = 0;
        for (auto& client : clients) {
            client->send("GET /nope HTTP/1.1\r\n\r\n"); // a 404 keeps the slot taken
            const std::string reply = client->readReply();
            if (statusLine(reply) == "HTTP/1.1 404 Not Found") ++served;
            else if (reply.empty()) ++refused;
        }
        EXPECT_EQ(1000, served);
        EXPECT_EQ(100, refused);
        clients.clear();
        EXPECT_EQ("lost=0\n", statsOf(host)); // still serving
    }
    setrlimit(RLIMIT_NOFILE, &saved);
}

TEST(Connection, WorkerThreadsServeConcurrentClients)
{
    TestHost host({"-ports", "0", "-threads", "3"});
    ASSERT_GT(host.port(), 0) << host.errors();
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < 12; ++i) {
        clients.push_back(std::make_unique<Client>(host.port()));
        clients.back()->send("GET /echo?n=" + std::to_string(i) + " HTTP/1.1\r\n\r\n");
    }
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        const std::string reply = clients[static_cast<std::size_t>(i)]->readReply();
        EXPECT_NE(std::string::npos, reply.find("query=n=" + std::to_string(i) + "\n")) << reply;
    }
    // A held connection on a worker thread is lost and reported like any other.
    {
        Client client(host.port());
        client.send("GET /hold HTTP/1.1\r\n\r\n");
        char buf[64];
        ASSERT_GT(recv(client.fd(), buf, sizeof buf, 0), 0);
    }
    host.stop();
    EXPECT_EQ("", host.errors());
}
