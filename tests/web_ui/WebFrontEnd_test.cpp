#include "web_ui/WebFrontEnd.h"

#include "tests/common/CommandOutput.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestCertificates.h"
#include "tests/common/TestFiles.h"
#include "tests/webserver/TestHost.h"
#include "web_ui/WebResources.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using webserver_test::TestHost;

TEST(WebFrontEnd, ServerArgumentsTable)
{
    struct Case {
        const char* name;
        std::string certificate, protocols, ciphers, preference;
        std::vector<std::string> arguments;
    } cases[] = {
        {"no certificate: no TLS setting is passed", "", "TLSv1.3", "HIGH", "true",
         {"kitwright", "-ports", "8447", "-root", "/r"}},
        {"certificate and every TLS setting", "/c.pem", "TLSv1.2 TLSv1.3", "HIGH", "false",
         {"kitwright", "-ports", "8447s", "-ssl_cert", "/c.pem", "-ssl_protocols", "TLSv1.2 TLSv1.3", "-ssl_ciphers",
          "HIGH", "-ssl_cipher_server_preference", "false", "-root", "/r"}},
        {"an empty setting is left out with its name", "/c.pem", "", "HIGH", "",
         {"kitwright", "-ports", "8447s", "-ssl_cert", "/c.pem", "-ssl_ciphers", "HIGH", "-root", "/r"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.arguments, webServerArguments(8447, c.certificate, c.protocols, c.ciphers, c.preference, "/r"));
    }
}

// A working directory full of what the full server would run, list or read:
// a configuration file that would stop the server at start, a CGI program and
// an include page that leave a mark when run, a sub-directory.
class HostileDirectory {
public:
    HostileDirectory()
    {
        writeFileWithDirectories(path() + "/kwhttpd.conf", "this line stops a server that reads it\n");
        writeFileWithDirectories(path() + "/x.cgi", "#!/bin/sh\ntouch '" + mark() + "'\necho\necho ran\n");
        chmod((path() + "/x.cgi").c_str(), 0755);
        writeFileWithDirectories(path() + "/x.shtml", "<!--#exec cmd=\"touch '" + mark() + "'\" -->");
        writeFileWithDirectories(path() + "/some_dir/file.txt", "listed");
    }
    const std::string& path() const { return dir_.path(); }
    std::string mark() const { return marks_.path() + "/ran"; }

private:
    TempDir dir_;
    TempDir marks_;
};

struct Fetched {
    std::string status;
    std::string type;
    std::string body;
};

// Fetches every URI with one curl over TLS; the status and type per URI.
std::vector<Fetched> fetchAll(const TestCertificates& certificates, int port, const std::vector<std::string>& uris,
                              const std::string& method = "GET")
{
    TempDir bodies;
    std::string command = "curl -sS --max-time 20 --cacert '" + certificates.caFile() + "' -X " + method +
                          " -w '%{http_code} %{content_type}\\n'";
    for (std::size_t i = 0; i < uris.size(); ++i)
        command += " 'https://127.0.0.1:" + std::to_string(port) + uris[i] + "' -o '" + bodies.path() + "/" +
                   std::to_string(i) + "'";
    int status = 0;
    std::istringstream lines(commandOutput(command + " 2>&1", &status));
    EXPECT_EQ(0, status);
    std::vector<Fetched> fetched;
    for (std::size_t i = 0; i < uris.size(); ++i) {
        Fetched one;
        lines >> one.status;
        std::getline(lines, one.type);
        if (!one.type.empty() && one.type[0] == ' ') one.type.erase(0, 1);
        one.body = readFile(bodies.path() + "/" + std::to_string(i));
        fetched.push_back(one);
    }
    return fetched;
}

std::string expectedType(const std::string& uri)
{
    const std::string extension = uri.substr(uri.rfind('.'));
    if (extension == ".gif") return "image/gif";
    if (extension == ".png") return "image/png";
    if (extension == ".css") return "text/css";
    return "text/javascript";
}

class WebFrontEndHost : public ::testing::Test {
protected:
    TestCertificates certificates;
    HostileDirectory directory;
};

TEST_F(WebFrontEndHost, ServesEveryStaticFileOverTls)
{
    TestHost host({"0", certificates.keyAndCertificateFile()}, "", directory.path());
    ASSERT_GT(host.port(), 0) << host.errors();
    std::vector<std::string> uris;
    for (std::size_t i = 0; i < kStaticFileCount; ++i) uris.push_back(kStaticFiles[i].uri);
    uris.push_back("/css/style.css?1.0.0");
    const std::vector<Fetched> fetched = fetchAll(certificates, host.port(), uris);
    for (std::size_t i = 0; i < uris.size(); ++i) {
        SCOPED_TRACE(uris[i]);
        const std::string path = uris[i].substr(0, uris[i].find('?'));
        const std::string file =
            path == "/js/prototype.js" ? std::string(KW_PROTOTYPE_JS) : KW_SOURCE_DIR "/resources/web" + path;
        EXPECT_EQ("200", fetched[i].status);
        EXPECT_EQ(expectedType(path), fetched[i].type);
        EXPECT_EQ(readFile(file), fetched[i].body);
        EXPECT_FALSE(fetched[i].body.empty());
    }
}

TEST_F(WebFrontEndHost, AnswersNothingElse)
{
    TestHost host({"0", certificates.keyAndCertificateFile()}, "", directory.path());
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::vector<std::string> uris = {"/etc/passwd", "/x.cgi", "/x.shtml", "/some_dir/", "/some_dir/file.txt",
                                           "/kwhttpd.conf", "/index.html", "/images/", "/../../etc/passwd"};
    for (const std::string method : {"GET", "POST"}) {
        const std::vector<Fetched> fetched = fetchAll(certificates, host.port(), uris, method);
        for (std::size_t i = 0; i < uris.size(); ++i) {
            SCOPED_TRACE(method + std::string(" ") + uris[i]);
            EXPECT_EQ("404", fetched[i].status);
        }
    }
    const std::vector<Fetched> put = fetchAll(certificates, host.port(), {"/uploaded.txt", "/x.cgi"}, "PUT");
    for (const Fetched& answer : put) EXPECT_EQ("404", answer.status);
    EXPECT_FALSE(boost::filesystem::exists(directory.mark()));
    EXPECT_FALSE(boost::filesystem::exists(directory.path() + "/uploaded.txt"));
}

TEST_F(WebFrontEndHost, PlainHttpWithoutCertificate)
{
    TestHost host({"0"}, "", directory.path());
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string reply = webserver_test::get(host, "/js/gui.js");
    EXPECT_EQ("HTTP/1.1 200 OK", webserver_test::statusLine(reply));
    EXPECT_EQ("text/javascript", webserver_test::header(reply, "Content-Type"));
    EXPECT_EQ(std::to_string(readFile(KW_SOURCE_DIR "/resources/web/js/gui.js").size()),
              webserver_test::header(reply, "Content-length"));
}

TEST_F(WebFrontEndHost, TakesTheSecretOutOfItsEnvironment)
{
    ScopedEnvironment secret("WEB_SECRET", "abcdefghijklmnopqrstuvwxyzab");
    TestHost host({"0"}, "", directory.path());
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string environment = readFile("/proc/" + std::to_string(host.pid()) + "/environ");
    EXPECT_NE(std::string::npos, environment.find("PATH="));
    EXPECT_EQ(std::string::npos, environment.find("WEB_SECRET"));
    EXPECT_EQ(std::string::npos, environment.find("abcdefghijklmnopqrstuvwxyzab"));
}

TEST_F(WebFrontEndHost, BusyPortEndsTheProcessWithTheServersError)
{
    TestHost first({"0"}, "", directory.path());
    ASSERT_GT(first.port(), 0) << first.errors();
    TestHost second({std::to_string(first.port())}, "", directory.path());
    const webserver_test::HostExit end = second.wait();
    EXPECT_EQ(1, end.status);
    EXPECT_NE(std::string::npos, end.err.find("cannot open port " + std::to_string(first.port()))) << end.err;
}

}  // namespace
