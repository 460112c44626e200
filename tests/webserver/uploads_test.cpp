// "PUT" and "DELETE" against the test host: credentials from the
// "auth_PUT" file, the statuses, and paths that stay below the root.

#include "tests/common/CommandOutput.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestCertificates.h"
#include "tests/common/TestFiles.h"
#include "tests/webserver/DigestCredentials.h"
#include "tests/webserver/TestHost.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>

#include <fstream>

using namespace webserver_test;

namespace {

bool exists(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// A root beside an "outside" directory that nothing may reach; "out" in the
// root links to it, "lnk" to a file in it.
class Uploads : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.path() + "/root";
        outside = dir.path() + "/outside";
        passwords = dir.path() + "/put.pw";
        writeFileWithDirectories(root + "/old.txt", "old content");
        writeFileWithDirectories(outside + "/secret", "secret");
        symlink(outside.c_str(), (root + "/out").c_str());
        symlink((outside + "/secret").c_str(), (root + "/lnk").c_str());
        std::ofstream(passwords) << passwordsLine(DigestCredentials{});
    }

    // One request with credentials for its method and URI (none when
    // `credentials` is null).
    std::string send(TestHost& host, const std::string& method, const std::string& uri, const std::string& headers,
                     const std::string& body_text, const DigestCredentials* credentials)
    {
        std::string auth;
        if (credentials) {
            Client probe(host.port());
            probe.send(method + " " + uri + " HTTP/1.1\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            auth = credentials->header(method, uri, challengeNonce(probe.readReply()));
        }
        Client client(host.port());
        client.send(method + " " + uri + " HTTP/1.1\r\nConnection: close\r\n" + auth + headers + "\r\n" + body_text);
        return client.readReply();
    }
    std::string put(TestHost& host, const std::string& uri, const std::string& data,
                    const DigestCredentials* credentials = &user)
    {
        return send(host, "PUT", uri, "Content-Length: " + std::to_string(data.size()) + "\r\n", data, credentials);
    }

    static const DigestCredentials user;
    TempDir dir;
    std::string root, outside, passwords;
};

const DigestCredentials Uploads::user{};

} // namespace

TEST_F(Uploads, PutStatuses)
{
    TestHost host({"-ports", "0", "-root", root, "-auth_realm", "R", "-auth_PUT", passwords});
    ASSERT_GT(host.port(), 0) << host.errors();

    const std::string created = put(host, "/a/b/new.txt", "0123456789");
    EXPECT_EQ("HTTP/1.1 201 Created", statusLine(created));
    EXPECT_EQ("4", header(created, "Content-Length"));
    EXPECT_EQ("10\r\n", body(created));
    EXPECT_EQ("0123456789", readFile(root + "/a/b/new.txt"));
    EXPECT_EQ(0644u, modeOf(root + "/a/b/new.txt"));
    EXPECT_EQ(0755u, modeOf(root + "/a"));
    // The file says it came through PUT.
    char mark[8] = "";
    EXPECT_EQ(3, getxattr((root + "/a/b/new.txt").c_str(), "user.kwhttpd.upload", mark, sizeof mark));

    const std::string replaced = put(host, "/old.txt", "new");
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(replaced));
    EXPECT_EQ("3\r\n", body(replaced));
    EXPECT_EQ("new", readFile(root + "/old.txt"));
    EXPECT_EQ("HTTP/1.1 201 Created", statusLine(put(host, "/empty.txt", "")));
    EXPECT_EQ("", readFile(root + "/empty.txt"));

    const std::string made_dir = put(host, "/new/dir/", "");
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(made_dir));
    EXPECT_EQ("Error: 200\r\n", body(made_dir));
    EXPECT_TRUE(exists(root + "/new/dir"));

    EXPECT_EQ("HTTP/1.1 411 Length Required", statusLine(send(host, "PUT", "/nolength.txt", "", "", &user)));
    EXPECT_FALSE(exists(root + "/nolength.txt"));
    EXPECT_EQ("HTTP/1.1 501 PUT Range Not Implemented",
              statusLine(send(host, "PUT", "/old.txt", "Range: bytes=0-1\r\nContent-Length: 2\r\n", "xx", &user)));
    EXPECT_EQ("new", readFile(root + "/old.txt"));

    // curl's own Digest upload.
    const std::string file = dir.path() + "/upload.bin";
    writeFileWithDirectories(file, std::string(300000, 'z'));
    EXPECT_EQ("201", commandOutput("curl -s -o /dev/null -w '%{http_code}' --digest -u u:p -T " + file +
                                   " http://127.0.0.1:" + std::to_string(host.port()) + "/c/upload.bin"));
    EXPECT_EQ(std::string(300000, 'z'), readFile(root + "/c/upload.bin"));
}

TEST_F(Uploads, CredentialsAreNeeded)
{
    DigestCredentials wrong;
    wrong.password = "wrong";
    TestHost host({"-ports", "0", "-root", root, "-auth_realm", "R", "-auth_PUT", passwords});
    ASSERT_GT(host.port(), 0) << host.errors();
    EXPECT_EQ("HTTP/1.1 401 Unauthorized", statusLine(put(host, "/x.txt", "x", nullptr)));
    EXPECT_EQ("HTTP/1.1 401 Unauthorized", statusLine(put(host, "/x.txt", "x", &wrong)));
    EXPECT_EQ("HTTP/1.1 401 Unauthorized", statusLine(send(host, "DELETE", "/old.txt", "", "", &wrong)));
    EXPECT_FALSE(exists(root + "/x.txt"));
    EXPECT_TRUE(exists(root + "/old.txt"));

    // Without "auth_PUT" nobody may write, and with an unreadable file neither.
    TestHost open_host({"-ports", "0", "-root", root, "-auth_realm", "R"});
    ASSERT_GT(open_host.port(), 0) << open_host.errors();
    EXPECT_EQ("HTTP/1.1 401 Unauthorized", statusLine(put(open_host, "/x.txt", "x")));
    EXPECT_EQ("HTTP/1.1 401 Unauthorized", statusLine(send(open_host, "DELETE", "/old.txt", "", "", &user)));
    TestHost missing_host({"-ports", "0", "-root", root, "-auth_realm", "R", "-auth_PUT", dir.path() + "/none"});
    ASSERT_GT(missing_host.port(), 0) << missing_host.errors();
    EXPECT_EQ("HTTP/1.1 401 Unauthorized", statusLine(put(missing_host, "/x.txt", "x")));
    EXPECT_FALSE(exists(root + "/x.txt"));
}

TEST_F(Uploads, NothingOutsideTheRoot)
{
    TestHost host({"-ports", "0", "-root", root, "-auth_realm", "R", "-auth_PUT", passwords});
    ASSERT_GT(host.port(), 0) << host.errors();
    const struct {
        const char* method;
        const char* uri;
        const char* status;
    } cases[] = {
        {"PUT", "/out/x.txt", "HTTP/1.1 500 PUT Directory Error"},
        {"PUT", "/out/new/x.txt", "HTTP/1.1 500 PUT Directory Error"},
        {"PUT", "/../escape.txt", "HTTP/1.1 201 Created"},
        {"PUT", "/%2e%2e/escape2.txt", "HTTP/1.1 201 Created"},
        {"PUT", "/a/..%2f..%2fescape3.txt", "HTTP/1.1 201 Created"},
        {"PUT", "/x.htpasswd", "HTTP/1.1 403 Forbidden"},
        {"DELETE", "/out/secret", "HTTP/1.1 500 DELETE Error"},
        {"DELETE", "/../outside/secret", "HTTP/1.1 500 DELETE Error"},
        {"DELETE", "/", "HTTP/1.1 403 Forbidden"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.uri);
        const std::string reply = c.method == std::string("PUT") ? put(host, c.uri, "data")
                                                                 : send(host, "DELETE", c.uri, "", "", &user);
        EXPECT_EQ(c.status, statusLine(reply));
    }
    EXPECT_EQ("secret\n", commandOutput("ls " + outside));
    EXPECT_EQ("secret", readFile(outside + "/secret"));
    EXPECT_FALSE(exists(dir.path() + "/escape.txt"));
    EXPECT_TRUE(exists(root + "/escape.txt"));
    EXPECT_TRUE(exists(root + "/a/escape3.txt"));

    // A link at the name is replaced by the file, never written through.
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(put(host, "/lnk", "replaced")));
    EXPECT_EQ("secret", readFile(outside + "/secret"));
    EXPECT_EQ("replaced", readFile(root + "/lnk"));
}

TEST_F(Uploads, BrokenOffUploadKeepsTheOldFile)
{
    TestHost host({"-ports", "0", "-root", root, "-auth_realm", "R", "-auth_PUT", passwords});
    ASSERT_GT(host.port(), 0) << host.errors();
    Client probe(host.port());
    probe.send("PUT /old.txt HTTP/1.1\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    const std::string nonce = challengeNonce(probe.readReply());
    Client client(host.port());
    client.send("PUT /old.txt HTTP/1.1\r\n" + user.header("PUT", "/old.txt", nonce) +
                "Content-Length: 100\r\n\r\nonly ten b");
    shutdown(client.fd(), SHUT_WR);
    EXPECT_TRUE(client.closedByServer());
    EXPECT_EQ("old content", readFile(root + "/old.txt"));
    EXPECT_EQ("lnk\nold.txt\nout\n", commandOutput("ls -A " + root));
}

TEST_F(Uploads, Delete)
{
    TestHost host({"-ports", "0", "-root", root, "-auth_realm", "R", "-auth_PUT", passwords});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string removed = send(host, "DELETE", "/old.txt", "", "", &user);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(removed));
    EXPECT_EQ("Error: 200\r\n", body(removed));
    EXPECT_FALSE(exists(root + "/old.txt"));
    EXPECT_EQ("HTTP/1.1 500 DELETE Error", statusLine(send(host, "DELETE", "/old.txt", "", "", &user)));
    // A link is removed itself; what it points to stays.
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(send(host, "DELETE", "/out", "", "", &user)));
    EXPECT_FALSE(exists(root + "/out"));
    EXPECT_EQ("secret", readFile(outside + "/secret"));
    ASSERT_EQ(0, mkdir((root + "/empty").c_str(), 0755));
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(send(host, "DELETE", "/empty/", "", "", &user)));
    EXPECT_FALSE(exists(root + "/empty"));
}

TEST_F(Uploads, OverTls)
{
    TestCertificates certs;
    TestHost host({"-ports", "0s", "-ssl_cert", certs.keyAndCertificateFile(), "-root", root, "-auth_realm", "R",
                   "-auth_PUT", passwords});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string url = "https://127.0.0.1:" + std::to_string(host.port());
    const std::string curl = "curl -s --max-time 20 --cacert '" + certs.caFile() + "' --digest -u u:p ";
    const std::string file = dir.path() + "/tls.txt";
    writeFileWithDirectories(file, "over TLS");
    EXPECT_EQ("201", commandOutput(curl + "-o /dev/null -w '%{http_code}' -T " + file + " " + url + "/tls/up.txt"));
    EXPECT_EQ("over TLS", commandOutput(curl + url + "/tls/up.txt"));
    EXPECT_EQ("200", commandOutput(curl + "-o /dev/null -w '%{http_code}' -X DELETE " + url + "/tls/up.txt"));
    EXPECT_FALSE(exists(root + "/tls/up.txt"));
}
