// The error-log line of a warning about a connection.

#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/webserver/ServerContext.h"
#include "webserver/kwhttpd_internal.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <regex>

using namespace webserver_test;

TEST(Log, ConnectionWarningGoesToTheErrorLog)
{
    TempDir dir;
    const std::string path = dir.path() + "/error.log";
    ServerContext server({"-error_log", path});
    kwhttpd_worker worker;
    worker.ctx = server.get();
    kwhttpd_conn* conn = add_connection(&worker, &io_memory, -1, nullptr);
    ASSERT_NE(nullptr, conn);
    auto* peer = reinterpret_cast<sockaddr_in*>(&conn->peer);
    peer->sin_family = AF_INET;
    peer->sin_addr.s_addr = htonl(0x0a000005);
    cry(conn, "before the request %d", 1);
    conn->request = std::string("GET /x HTTP/1.1\0rest", 20);
    conn->has_request = true;
    cry(conn, "boom %d", 7);
    connection_close(conn);
    const std::regex lines(R"(^\[\w{3} \w{3} \d\d \d\d:\d\d:\d\d \d{4}\] \[error\] \[client 10\.0\.0\.5\] "-" before the request 1\n)"
                           R"(\[\w{3} \w{3} \d\d \d\d:\d\d:\d\d \d{4}\] \[error\] \[client 10\.0\.0\.5\] "GET /x HTTP/1\.1" boom 7\n$)");
    const std::string text = readFile(path);
    EXPECT_TRUE(std::regex_search(text, lines)) << text;
}
