// Start-up options of the server, through the test host's argument vector.

#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/webserver/ServerContext.h"
#include "tests/webserver/TestHost.h"
#include "webserver/kwhttpd_internal.h"

#include <gtest/gtest.h>

#include <regex>

using namespace webserver_test;

namespace {

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

} // namespace

TEST(Context, Version)
{
    EXPECT_STREQ("1.41", kwhttpd_version());
}

TEST(Context, FatalStartUps)
{
    TempDir dir;
    writeFile(dir.path() + "/bogus.conf", "# comment\n\nbogus_option 1\n");
    writeFile(dir.path() + "/short.conf", "ports\n");
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {"missing value", {"-ports"}, "usage: "},
        {"two trailing elements", {"-ports", "0", "a.conf", "b.conf"}, "usage: "},
        {"unknown option", {"-bogus", "1"}, "no such option: [bogus]\n"},
        {"bad mask", {"-ports", "0", "-acl", "+10.0.0.0/33"}, "bad subnet mask: 33 [+10.0.0.0/33]\n"},
        {"bad flag", {"-ports", "0", "-acl", "*10.0.0.0/8"}, "flag must be + or -: [*10.0.0.0/8]\n"},
        {"bad address", {"-ports", "0", "-acl", "+10.0.300.0"}, "bad ip address: [+10.0.300.0]\n"},
        {"not a subnet", {"-ports", "0", "-acl", "+10.0"}, "[+10.0]: subnet must be [+|-]x.x.x.x[/x]\n"},
        {"TLS port without certificate", {"-ports", "0s"}, "cannot add SSL socket, please specify certificate file\n"},
        {"named configuration file missing", {"-ports", "0", dir.path() + "/none.conf"}, "cannot open config file "},
        {"option of a named file unknown", {"-ports", "0", dir.path() + "/bogus.conf"}, "no such option: [bogus_option]\n"},
        {"line without a value", {"-ports", "0", dir.path() + "/short.conf"}, "line 1 in "},
        {"unknown user", {"-ports", "0", "-uid", "no-such-user-kw"}, "set_uid: unknown user [no-such-user-kw]\n"},
        {"certificate file missing", {"-ports", "0", "-ssl_cert", "/nonexistent/k.pem"}, "cannot open /nonexistent/k.pem\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestHost host(c.args);
        const HostExit result = host.wait();
        EXPECT_EQ(1, result.status);
        EXPECT_NE(std::string::npos, result.err.find(c.message)) << result.err;
    }
}

TEST(Context, UsageListsOptionsInTableOrder)
{
    TestHost host({"-ports"});
    const std::string err = host.wait().err;
    EXPECT_EQ(0u, err.find("KWHTTPD version 1.41\nusage: "));
    EXPECT_NE(std::string::npos, err.find("  -A <htpasswd_file> <realm> <user> <passwd>\n"
                                          "  -root\t\tWeb root directory (default: .)\n"
                                          "  -index_files\tIndex files (default: index.html,index.htm,index.php,index.cgi)\n"
                                          "  -ssl_cert\tSSL certificate file\n"));
    EXPECT_LT(err.find("  -ports\t"), err.find("  -uid\t\tRun as user\n"));
}

TEST(Context, ConfigurationFileInTheWorkingDirectoryIsIgnored)
{
    TempDir dir;
    writeFile(dir.path() + "/kwhttpd.conf", "bogus_option 1\n");
    TestHost host({"-ports", "0"}, "kwhttpd_test_host", dir.path());
    EXPECT_GT(host.port(), 0) << host.errors();
    EXPECT_EQ("", host.errors());
}

TEST(Context, ConfigurationFileNextToTheProgramIsRead)
{
    TempDir dir;
    writeFile(dir.path() + "/kwhttpd.conf", "# the access log\naccess_log " + dir.path() + "/access.log # here\n");
    TestHost host({"-ports", "0"}, dir.path() + "/kwhttpd_test_host");
    ASSERT_GT(host.port(), 0) << host.errors();
    EXPECT_EQ("Loading config file " + dir.path() + "/kwhttpd.conf\n", host.errors());
    // The comment is cut and the blank before it kept: the log is "access.log ".
    Client client(host.port());
    client.send("GET /nope HTTP/1.0\r\n\r\n");
    client.readReply();
    host.stop();
    EXPECT_NE("", readFile(dir.path() + "/access.log "));
}

TEST(Context, CommandLineOverridesTheFile)
{
    TempDir dir;
    writeFile(dir.path() + "/k.conf", "ports 1\n");
    TestHost host({"-ports", "0", dir.path() + "/k.conf"});
    EXPECT_GT(host.port(), 1) << host.errors();
}

TEST(Context, AccessLogLine)
{
    TempDir dir;
    const std::string log = dir.path() + "/access.log";
    TestHost host({"-ports", "0", "-access_log", log});
    Client client(host.port());
    client.send("GET /echo?q=1 HTTP/1.1\r\nReferer: http://zarni.example/\r\nUser-Agent: probe/1\r\n\r\n");
    const std::string reply = client.readReply();
    Client second(host.port());
    second.send("GET /nope HTTP/1.0\r\n\r\n");
    second.readReply();
    host.stop();
    const std::string text = readFile(log);
    const std::regex first(R"(^127\.0\.0\.1 - - \[\d\d/\w{3}/\d{4}:\d\d:\d\d:\d\d \+0000\] "GET /echo\?q=1 HTTP/1\.1" 200 )" +
                           std::to_string(reply.size()) + R"( "http://zarni\.example/" "probe/1"\n)");
    EXPECT_TRUE(std::regex_search(text, first)) << text;
    EXPECT_NE(std::string::npos, text.find("] \"GET /nope HTTP/1.0\" 404 0 - -\n")) << text;
}

TEST(Context, AclRefusesAndAllows)
{
    const struct {
        const char* acl;
        bool allowed;
    } cases[] = {
        {"-0.0.0.0/0", false},
        {"-0.0.0.0/0,+127.0.0.0/8", true},
        {"+127.0.0.1 -127.0.0.1", false},
        {"-127.0.0.5/8", false}, // host bits are masked: this is 127.0.0.0/8
        {"-10.0.0.0/8", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.acl);
        TestHost host({"-ports", "0", "-acl", c.acl});
        ASSERT_GT(host.port(), 0) << host.errors();
        Client client(host.port());
        client.send("GET /echo HTTP/1.1\r\n\r\n");
        const std::string reply = client.readReply();
        EXPECT_EQ(c.allowed, statusLine(reply) == "HTTP/1.1 200 OK") << reply;
        if (!c.allowed) {
            EXPECT_NE(std::string::npos, host.errors().find("127.0.0.1 is not allowed to connect"));
        }
    }
}

TEST(Context, AclWarnsAboutHostBits)
{
    TestHost host({"-ports", "0", "-acl", "+10.0.0.5/8"});
    ASSERT_GT(host.port(), 0);
    EXPECT_NE(std::string::npos, host.errors().find("acl: host bits of +10.0.0.5/8 ignored, the subnet is 10.0.0.0/8"));
}

TEST(Context, CfgUriReplacesRegistrations)
{
    ServerContext server;
    kwhttpd_register_uri(server.get(), "/old", [](kwhttpd_arg* arg) { arg->flags |= KWHTTPD_OUTPUT_DONE; }, nullptr);
    kwhttpd_set_option(server.get(), "cfg_uri", "/config");
    EXPECT_EQ("HTTP/1.1 404 Not Found", statusLine(server.serve("GET /old HTTP/1.1\r\n\r\n")));
    const std::string page = server.serve("GET /config HTTP/1.1\r\n\r\n");
    EXPECT_EQ(0u, page.find("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n<html><body><h1>KWHTTPD v. 1.41</h1>"
                            "<table border=1<tr><th>Option</th>"));
    const std::string form = "o=dir_list&v=no";
    const std::string saved = server.serve("POST /config HTTP/1.1\r\nContent-Length: " + std::to_string(form.size()) +
                                           "\r\n\r\n" + form, 20);
    EXPECT_NE(std::string::npos, saved.find("<p style='color: green'>Saved: dir_list=no</p>"));
    EXPECT_NE(std::string::npos, saved.find("<input type=hidden name=o value='dir_list'><td><input type=text name=v value='no'>"));
}

TEST(Context, InetdModeServesStandardInputOnce)
{
    int pair[2];
    ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, pair));
    TestHost host({"-inetd", "yes", "-ports", "0"}, "", "", pair[1]);
    close(pair[1]);
    EXPECT_EQ(-1, host.port()); // no listener: the connection is standard input
    const std::string request = "GET /echo?inetd=1 HTTP/1.1\r\n\r\n";
    ASSERT_EQ(static_cast<ssize_t>(request.size()), write(pair[0], request.data(), request.size()));
    std::string reply;
    char chunk[4096];
    for (ssize_t n; (n = read(pair[0], chunk, sizeof chunk)) > 0;) reply.append(chunk, static_cast<std::size_t>(n));
    close(pair[0]);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    EXPECT_NE(std::string::npos, reply.find("query=inetd=1\n"));
    // The end of the request ends the process.
    EXPECT_EQ(0, host.wait().status);
}
