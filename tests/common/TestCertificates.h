#pragma once

#include "tests/common/CommandOutput.h"
#include "tests/common/TempDir.h"

#include <stdexcept>
#include <string>

// A throw-away certificate authority and a server certificate it signed for
// 127.0.0.1, made with the openssl command in a private directory that goes away
// with the object. Tests hand caFile() to the client as its trust anchor and
// the certificate and key to the test server, or the one file that holds
// both to a server that reads them from one file. The server's key is an EC
// key unless `serverKey` (the argument of "openssl req -newkey") says otherwise.
class TestCertificates {
public:
    explicit TestCertificates(const std::string& serverKey = "ec -pkeyopt ec_paramgen_curve:prime256v1")
    {
        const std::string d = "'" + directory_.path() + "'";
        const std::string commands =
            "cd " + d + " && "
            "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2"
            " -subj /CN=kitwright-test-ca -keyout ca.key -out ca.pem && "
            "openssl req -x509 -newkey " + serverKey + " -nodes -days 2"
            " -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -CA ca.pem -CAkey ca.key"
            " -keyout server.key -out server.pem && "
            "cat server.key server.pem > server-key-and-certificate.pem";
        int status = 0;
        const std::string output = commandOutput("(" + commands + ") 2>&1", &status);
        if (status != 0) throw std::runtime_error("openssl could not make the test certificates: " + output);
    }
    TestCertificates(const TestCertificates&) = delete;
    TestCertificates& operator=(const TestCertificates&) = delete;

    std::string caFile() const { return directory_.path() + "/ca.pem"; }
    std::string certificateFile() const { return directory_.path() + "/server.pem"; }
    std::string keyFile() const { return directory_.path() + "/server.key"; }
    std::string keyAndCertificateFile() const { return directory_.path() + "/server-key-and-certificate.pem"; }

private:
    TempDir directory_;
};
