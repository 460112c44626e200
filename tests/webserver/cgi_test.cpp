// CGI programs against the test host: small shell scripts whose heads set
// the status, the environment they see, the request body they read, and a
// program that never ends.

#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/webserver/TestHost.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <sstream>

using namespace webserver_test;

namespace {

class Cgi : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.path() + "/root";
        script("status404.cgi", "printf 'Status: 404\\r\\n\\r\\n'");
        script("location.cgi", "printf 'Location: /x\\r\\n\\r\\n'");
        script("nohead.cgi", "echo just a body");
        script("badhead.cgi", "printf 'Bad\\001head\\r\\n\\r\\n'");
        script("env.cgi", "printf 'Content-Type: text/plain\\r\\n\\r\\n'; env");
        script("post.cgi", "printf 'Content-Type: text/plain\\r\\n\\r\\n'; cat");
        script("length.cgi", "printf 'Content-Length: 5\\r\\n\\r\\nhello and more'");
        script("never.cgi", "echo $$ > never.pid; exec sleep 1000");
    }
    void script(const std::string& name, const std::string& body_text)
    {
        const std::string path = root + "/cgi/" + name;
        writeFileWithDirectories(path, "#!/bin/sh\n" + body_text + "\n");
        chmod(path.c_str(), 0755);
    }

    TempDir dir;
    std::string root;
};

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

} // namespace

TEST_F(Cgi, ProgramHeadsSetTheStatus)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    const struct {
        const char* method;
        const char* uri;
        const char* status;
        const char* in_reply;
    } cases[] = {
        {"GET", "/cgi/status404.cgi", "HTTP/1.1 404 Not Found", "\r\nStatus: 404\r\n\r\n"},
        {"GET", "/cgi/location.cgi", "HTTP/1.1 302 Found", "\r\nLocation: /x\r\n"},
        {"GET", "/cgi/length.cgi", "HTTP/1.1 200 OK", "\r\n\r\nhello"},
        {"GET", "/cgi/nohead.cgi", "HTTP/1.1 500 Error running CGI", "Error: 500\r\n"},
        {"GET", "/cgi/badhead.cgi", "HTTP/1.1 500 Bad headers sent", "Error: 500\r\n"},
        {"HEAD", "/cgi/env.cgi", "HTTP/1.1 501 Bad method ", "Error: 501\r\n"},
        {"PUT", "/cgi/env.cgi", "HTTP/1.1 401 Unauthorized", "Error: 401\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.uri);
        const std::string reply =
            request(host, std::string(c.method) + " " + c.uri + " HTTP/1.1\r\nConnection: close\r\n\r\n");
        EXPECT_EQ(c.status, statusLine(reply));
        EXPECT_NE(std::string::npos, reply.find(c.in_reply)) << reply;
    }
    EXPECT_NE(std::string::npos, host.errors().find("CGI script sent invalid headers: [Bad")) << host.errors();
    // A program's Content-Length ends the reply, and the connection may stay.
    Client client(host.port());
    client.send("GET /cgi/length.cgi HTTP/1.1\r\n\r\nGET /cgi/length.cgi HTTP/1.1\r\nConnection: close\r\n\r\n");
    EXPECT_EQ("hello", body(client.readReply()));
    EXPECT_EQ("hello", body(client.readReply()));
    // The source of a program is never sent.
    EXPECT_EQ(std::string::npos, get(host, "/cgi/env.cgi").find("#!/bin/sh"));
}

TEST_F(Cgi, Environment)
{
    TestHost host({"-ports", "0", "-root", root, "-cgi_env", "EXTRA=1"});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string reply = get(host, "/cgi/env.cgi/extra/info?q=1",
                                  "User-Agent: kw-test\r\nProxy: http://evil.zarni.example/\r\nX-Dash-Name: v\r\n");
    ASSERT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    const std::vector<std::string> env = lines(body(reply));
    const std::vector<std::string> expected_variables = {
        "GATEWAY_INTERFACE=CGI/1.1", "SERVER_PROTOCOL=HTTP/1.1", "REDIRECT_STATUS=200",
        "SERVER_PORT=" + std::to_string(host.port()), "SERVER_ROOT=" + root, "DOCUMENT_ROOT=" + root,
        "REQUEST_METHOD=GET", "REMOTE_ADDR=127.0.0.1", "REQUEST_URI=/cgi/env.cgi/extra/info",
        "SCRIPT_NAME=/cgi/env.cgi", "SCRIPT_FILENAME=env.cgi", "QUERY_STRING=q=1", "PATH_INFO=/extra/info",
        "HTTP_USER_AGENT=kw-test", "HTTP_X_DASH_NAME=v", "EXTRA=1"};
    for (const std::string& expected : expected_variables) {
        SCOPED_TRACE(expected);
        EXPECT_NE(env.end(), std::find(env.begin(), env.end(), expected)) << body(reply);
    }
    for (const std::string& line : env) {
        EXPECT_NE(0u, line.find("HTTP_PROXY=")) << line;
        EXPECT_NE(0u, line.find("REMOTE_USER=")) << line;
    }
}

TEST_F(Cgi, EnvironmentHasRoomForWhatFits)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    std::string headers;
    for (int i = 0; i < 80; ++i) headers += "X-Header-" + std::to_string(i) + ": value " + std::to_string(i) + "\r\n";
    const std::string reply = get(host, "/cgi/env.cgi", headers);
    ASSERT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    const std::vector<std::string> env = lines(body(reply));
    const auto passed = std::count_if(env.begin(), env.end(), [](const std::string& l) { return l.rfind("HTTP_X_HEADER_", 0) == 0; });
    EXPECT_GT(passed, 30);
    EXPECT_LT(passed, 80);
    // At most 62 texts of the block, and what the shell adds itself (PWD).
    EXPECT_LE(env.size(), 63u) << body(reply);
    EXPECT_NE(std::string::npos, host.errors().find("CGI environment full: HTTP_X_HEADER_79 not passed")) << host.errors();
}

TEST_F(Cgi, PostBodyReachesTheProgram)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string data(200000, 'p');
    const std::string reply = request(host, "POST /cgi/post.cgi HTTP/1.1\r\nConnection: close\r\nContent-Length: " +
                                                std::to_string(data.size()) + "\r\n\r\n" + data);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    EXPECT_TRUE(body(reply) == data) << body(reply).size();
    // Without a body the program reads the end of its input at once.
    EXPECT_EQ("", body(get(host, "/cgi/post.cgi")));
}

TEST_F(Cgi, ProgramThatNeverAnswersIsCutAndReaped)
{
    TestHost host({"-ports", "0", "-root", root, "-request_timeout", "1"});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string reply = get(host, "/cgi/never.cgi");
    EXPECT_EQ("HTTP/1.1 504 Gateway Timeout", statusLine(reply));
    const pid_t pid = static_cast<pid_t>(std::stol(readFile(root + "/cgi/never.pid")));
    ASSERT_GT(pid, 1);
    // Ended and reaped: no process, not even a zombie, is left.
    EXPECT_EQ(-1, kill(pid, 0));
    EXPECT_EQ(ESRCH, errno);
    EXPECT_NE(std::string::npos, host.errors().find("never.cgi: no reply within 1 seconds")) << host.errors();
}
