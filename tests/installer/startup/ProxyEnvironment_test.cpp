#include "installer/startup/ProxyEnvironment.h"

#include "installer/sources/Downloader.h"
#include "tests/common/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The three variables and the downloader's proxy as one text, for comparisons.
std::string state()
{
    std::string text;
    for (const char* name : {"FTP_PROXY", "HTTP_PROXY", "HTTP_PROXY_AUTH"}) {
        const char* value = std::getenv(name);
        text += std::string(name) + "=" + (value ? value : "<unset>") + " ";
    }
    const Downloader::Proxy proxy = downloadProxy();
    return text + "downloader=" + proxy.user + ":" + proxy.password + "@" + proxy.host + ":" + std::to_string(proxy.port);
}

// Every test starts without the variables and leaves the downloader without a
// proxy.
class ProxyEnvironmentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"FTP_PROXY", "HTTP_PROXY", "HTTP_PROXY_AUTH"})
            variables_.push_back(std::make_unique<ScopedEnvironment>(name));
        clearDownloader();
    }
    void TearDown() override { clearDownloader(); }

    static void clearDownloader()
    {
        setDownloadProxyAuth("", "");
        setDownloadProxy("", 0);
    }

private:
    std::vector<std::unique_ptr<ScopedEnvironment>> variables_;
};

struct Settings {
    std::string host;
    int port;
    std::string user;
    std::string password;
};

}  // namespace

TEST_F(ProxyEnvironmentTest, SequencesOfSettings)
{
    struct Case {
        const char* name;
        const char* presetHttpProxy;  // exported by the operator before the start; null: none
        std::vector<Settings> calls;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"nothing set, nothing done", nullptr, {{"", 3128, "", ""}},
         "FTP_PROXY=<unset> HTTP_PROXY=<unset> HTTP_PROXY_AUTH=<unset> downloader=:@:0"},
        {"host and port", nullptr, {{"proxy.zarni.example", 3128, "", ""}},
         "FTP_PROXY=proxy.zarni.example:3128 HTTP_PROXY=proxy.zarni.example:3128 HTTP_PROXY_AUTH=<unset> "
         "downloader=:@proxy.zarni.example:3128"},
        {"host, port, user and password", nullptr, {{"proxy.zarni.example", 8080, "op", "s3cret"}},
         "FTP_PROXY=proxy.zarni.example:8080 HTTP_PROXY=proxy.zarni.example:8080 HTTP_PROXY_AUTH=op:s3cret "
         "downloader=op:s3cret@proxy.zarni.example:8080"},
        {"the operator's own proxy stays, the downloader uses the options'", "own.zarni.example:1",
         {{"proxy.zarni.example", 3128, "op", "s3cret"}},
         "FTP_PROXY=<unset> HTTP_PROXY=own.zarni.example:1 HTTP_PROXY_AUTH=<unset> "
         "downloader=op:s3cret@proxy.zarni.example:3128"},
        {"the user dropped later", nullptr,
         {{"proxy.zarni.example", 3128, "op", "s3cret"}, {"proxy.zarni.example", 3128, "", ""}},
         "FTP_PROXY=proxy.zarni.example:3128 HTTP_PROXY=proxy.zarni.example:3128 HTTP_PROXY_AUTH=<unset> "
         "downloader=:@proxy.zarni.example:3128"},
        {"the host changed later", nullptr,
         {{"proxy.zarni.example", 3128, "", ""}, {"other.zarni.example", 81, "", ""}},
         "FTP_PROXY=other.zarni.example:81 HTTP_PROXY=other.zarni.example:81 HTTP_PROXY_AUTH=<unset> "
         "downloader=:@other.zarni.example:81"},
        {"the host cleared later", nullptr, {{"proxy.zarni.example", 3128, "op", "s3cret"}, {"", 3128, "", ""}},
         "FTP_PROXY=<unset> HTTP_PROXY=<unset> HTTP_PROXY_AUTH=<unset> downloader=:@:0"},
        {"clearing leaves the operator's own variables", "own.zarni.example:1",
         {{"proxy.zarni.example", 3128, "op", "s3cret"}, {"", 3128, "", ""}},
         "FTP_PROXY=<unset> HTTP_PROXY=own.zarni.example:1 HTTP_PROXY_AUTH=<unset> downloader=:@:0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ScopedEnvironment> preset;
        if (c.presetHttpProxy) preset = std::make_unique<ScopedEnvironment>("HTTP_PROXY", c.presetHttpProxy);
        ProxyEnvironment environment;
        for (const Settings& s : c.calls) environment.apply(s.host, s.port, s.user, s.password);
        EXPECT_EQ(state(), c.expected);
        for (const char* name : {"FTP_PROXY", "HTTP_PROXY", "HTTP_PROXY_AUTH"}) ::unsetenv(name);
        clearDownloader();
    }
}
