// The "ssl" class and the TLS context, against the openssl and curl tools.

#include "tests/common/CommandOutput.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestCertificates.h"
#include "tests/common/TestFiles.h"
#include "tests/webserver/TestHost.h"

#include <gtest/gtest.h>

using namespace webserver_test;

namespace {

class TlsServer : public ::testing::Test {
protected:
    TestCertificates certs;
    TestHost host{{"-ports", "0s", "-ssl_cert", certs.keyAndCertificateFile()}};

    std::string url(const std::string& path) const
    {
        return "https://127.0.0.1:" + std::to_string(host.port()) + path;
    }
    // A GET of /echo through `openssl s_client` with the given protocol
    // arguments; the output holds the reply and the client's errors.
    std::string openSslFetch(const std::string& protocol, int* status) const
    {
        return commandOutput("printf 'GET /echo HTTP/1.0\\r\\n\\r\\n' | timeout 20 openssl s_client -quiet -connect 127.0.0.1:" +
                                 std::to_string(host.port()) + " -CAfile '" + certs.caFile() + "' " + protocol + " 2>&1",
                             status);
    }
    // curl's exit status and standard error after fetching `path` into `out`.
    int curl(const std::string& path, const std::string& out, const std::string& extra, std::string* err) const
    {
        int status = -1;
        *err = commandOutput("curl -sS --max-time 20 --cacert '" + certs.caFile() + "' -o '" + out + "' " + extra +
                                 " '" + url(path) + "' 2>&1",
                             &status);
        return status;
    }
};

} // namespace

TEST_F(TlsServer, CurrentProtocolsServeTheRequest)
{
    ASSERT_GT(host.port(), 0) << host.errors();
    for (const char* protocol : {"-tls1_2", "-tls1_3"}) {
        SCOPED_TRACE(protocol);
        int status = -1;
        const std::string output = openSslFetch(protocol, &status);
        EXPECT_EQ(0, status) << output;
        EXPECT_NE(std::string::npos, output.find("HTTP/1.1 200 OK")) << output;
        EXPECT_NE(std::string::npos, output.find("uri=/echo")) << output;
    }
}

TEST_F(TlsServer, ProtocolsBelowTls12AreRefusedByTheServer)
{
    ASSERT_GT(host.port(), 0) << host.errors();
    // The lowered security level makes the client offer the old protocol,
    // so that the refusal is the server's.
    for (const char* protocol : {"-tls1_1", "-tls1"}) {
        SCOPED_TRACE(protocol);
        int status = -1;
        const std::string output = openSslFetch(std::string(protocol) + " -cipher 'DEFAULT@SECLEVEL=0'", &status);
        EXPECT_NE(0, status) << output;
        EXPECT_NE(std::string::npos, output.find("alert protocol version")) << output;
        EXPECT_EQ(std::string::npos, output.find("uri=/echo")) << output;
    }
}

// The key exchange of TLS 1.2 uses the library's own choice of groups and
// DH parameters: a weak group in the certificate file is not taken up.
TEST(TlsKeyExchange, GroupsAndDhParametersByTheLibrarysChoice)
{
    const TestCertificates certs("rsa:2048");
    TempDir dir;
    const std::string file = dir.path() + "/key-certificate-and-1024-bit-dh.pem";
    int status = -1;
    const std::string made =
        commandOutput("(cat '" + certs.keyAndCertificateFile() +
                          "' && openssl genpkey -genparam -algorithm DH -pkeyopt dh_rfc5114:1) > '" + file + "' 2>&1",
                      &status);
    ASSERT_EQ(0, status) << made << readFile(file);
    ASSERT_NE(std::string::npos, readFile(file).find("-----BEGIN DH PARAMETERS-----"));
    TestHost host({"-ports", "0s", "-ssl_cert", file});
    ASSERT_GT(host.port(), 0) << host.errors();
    const struct {
        const char* cipher;
        const char* key;
    } cases[] = {
        {"DHE-RSA-AES128-GCM-SHA256", "Server Temp Key: DH, 2048 bits"},
        {"ECDHE-RSA-AES128-GCM-SHA256", "Server Temp Key: X25519"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cipher);
        const std::string output = commandOutput(
            "printf 'GET /echo HTTP/1.0\\r\\n\\r\\n' | timeout 20 openssl s_client -ign_eof -tls1_2 -cipher " +
                std::string(c.cipher) + " -connect 127.0.0.1:" + std::to_string(host.port()) + " -CAfile '" +
                certs.caFile() + "' 2>&1",
            &status);
        EXPECT_EQ(0, status) << output;
        EXPECT_NE(std::string::npos, output.find(std::string("Cipher is ") + c.cipher)) << output;
        EXPECT_NE(std::string::npos, output.find(c.key)) << output;
        EXPECT_NE(std::string::npos, output.find("uri=/echo")) << output;
    }
}

TEST_F(TlsServer, PlainRequestGetsNoBytesAndAClose)
{
    ASSERT_GT(host.port(), 0) << host.errors();
    Client client(host.port());
    ASSERT_TRUE(client.connected());
    client.send("GET /echo HTTP/1.0\r\n\r\n");
    EXPECT_TRUE(client.closedByServer());
}

TEST_F(TlsServer, CurlReadsAReplyThatEndsWithTheConnection)
{
    ASSERT_GT(host.port(), 0) << host.errors();
    TempDir dir;
    std::string err;
    // /echo has no length: the reply ends with the close notification.
    EXPECT_EQ(0, curl("/echo", dir.path() + "/reply", "", &err)) << err;
    EXPECT_EQ("", err);
    EXPECT_NE(std::string::npos, readFile(dir.path() + "/reply").find("uri=/echo"));
}

TEST_F(TlsServer, BodySentInOneBurstIsEchoedWhole)
{
    ASSERT_GT(host.port(), 0) << host.errors();
    TempDir dir;
    std::string data(512 * 1024, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>('a' + i * 7 % 26);
    std::ofstream(dir.path() + "/body") << data;
    std::string err;
    // Without the decoded bytes read at once the reply would wait for the
    // 60-second request time-out and curl's limit would end it first.
    EXPECT_EQ(0, curl("/post", dir.path() + "/reply", "-H 'Expect:' --data-binary '@" + dir.path() + "/body'", &err))
        << err;
    const std::string reply = readFile(dir.path() + "/reply");
    ASSERT_EQ(0u, reply.rfind("waited=", 0)) << reply.substr(0, 100);
    EXPECT_TRUE(reply.substr(reply.find('\n') + 1) == data);
}

TEST_F(TlsServer, ClientResetDuringTheHandshakeLeavesTheServerServing)
{
    ASSERT_GT(host.port(), 0) << host.errors();
    {
        Client client(host.port());
        ASSERT_TRUE(client.connected());
        // The start of a ClientHello record, then a reset.
        client.send(std::string("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11));
        const linger reset{1, 0};
        setsockopt(client.fd(), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    }
    TempDir dir;
    std::string err;
    EXPECT_EQ(0, curl("/echo", dir.path() + "/reply", "", &err)) << err;
    EXPECT_NE(std::string::npos, readFile(dir.path() + "/reply").find("uri=/echo"));
}

TEST(TlsContext, ProtocolOptions)
{
    TestCertificates certs;
    const struct {
        const char* name;
        const char* protocols;
        bool starts;
        std::vector<std::string> messages;
    } cases[] = {
        {"blank-separated list", "TLSv1.2 TLSv1.3", true, {}},
        {"empty", "", true, {}},
        {"comma is no separator", "TLSv1.2,TLSv1.3", false,
         {"Unknown protocol TLSv1.2,TLSv1.3\n", "None of the requested SSL protocols (TLSv1.2,TLSv1.3) are supported.\n"}},
        {"old protocol alone", "TLSv1", false,
         {"Protocol TLSv1 is older than TLS 1.2 and stays disabled\n",
          "None of the requested SSL protocols (TLSv1) are supported.\n"}},
        {"old protocol beside a current one", "SSLv3 TLSv1.3", true,
         {"Protocol SSLv3 is older than TLS 1.2 and stays disabled\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestHost host({"-ports", "0s", "-ssl_cert", certs.keyAndCertificateFile(), "-ssl_protocols", c.protocols});
        if (c.starts) {
            EXPECT_GT(host.port(), 0) << host.errors();
            host.stop();
        } else {
            const HostExit result = host.wait();
            EXPECT_EQ(1, result.status);
        }
        const std::string err = host.errors();
        for (const std::string& message : c.messages) EXPECT_NE(std::string::npos, err.find(message)) << err;
    }
}

TEST(TlsContext, OnlyListedCurrentProtocolIsOffered)
{
    TestCertificates certs;
    TestHost host({"-ports", "0s", "-ssl_cert", certs.keyAndCertificateFile(), "-ssl_protocols", "TLSv1.3"});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string prefix = "printf 'GET /echo HTTP/1.0\\r\\n\\r\\n' | timeout 20 openssl s_client -quiet -connect 127.0.0.1:" +
                               std::to_string(host.port()) + " ";
    int status = -1;
    const std::string tls12 = commandOutput(prefix + "-tls1_2 2>&1", &status);
    EXPECT_NE(0, status) << tls12;
    const std::string tls13 = commandOutput(prefix + "-tls1_3 2>&1", &status);
    EXPECT_NE(std::string::npos, tls13.find("uri=/echo")) << tls13;
}

TEST(TlsContext, CertificateFileWithoutKeyIsFatal)
{
    TestCertificates certs;
    TestHost host({"-ports", "0s", "-ssl_cert", certs.certificateFile()});
    const HostExit result = host.wait();
    EXPECT_EQ(1, result.status);
    EXPECT_NE(std::string::npos, result.err.find("cannot open " + certs.certificateFile() + "\n")) << result.err;
}
