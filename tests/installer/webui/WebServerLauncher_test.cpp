#include "installer/webui/WebServerLauncher.h"

#include "common/Log.h"
#include "common/SystemUtils.h"
#include "installer/options/OutputSettings.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/RecordedTools.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TestCertificates.h"
#include "tests/common/TestFiles.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <set>
#include <string>

namespace {

// The targets of this process's (or another's) descriptors, such as
// "socket:[123]" or "pipe:[45]".
std::multiset<std::string> descriptors(const std::string& process = "self")
{
    std::multiset<std::string> targets;
    const std::string directory = "/proc/" + process + "/fd";
    DIR* fds = opendir(directory.c_str());
    if (fds == nullptr) return targets;
    while (const dirent* entry = readdir(fds)) {
        if (entry->d_name[0] == '.' || std::atoi(entry->d_name) == dirfd(fds)) continue;
        char target[256] = {};
        if (readlink((directory + "/" + entry->d_name).c_str(), target, sizeof target - 1) > 0) targets.insert(target);
    }
    closedir(fds);
    return targets;
}

bool accepts(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

// A listening IPv6 and IPv4 socket on a free port: the port is busy for the
// front end's dual-stack listener.
class BusyPort {
public:
    BusyPort()
    {
        fd_ = socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int off = 0;
        setsockopt(fd_, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
        sockaddr_in6 address{};
        address.sin6_family = AF_INET6;
        address.sin6_addr = in6addr_any;
        socklen_t length = sizeof address;
        if (bind(fd_, reinterpret_cast<sockaddr*>(&address), length) == 0 && listen(fd_, 1) == 0 &&
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port_ = ntohs(address.sin6_port);
    }
    ~BusyPort() { close(fd_); }
    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// A local listening socket standing for the back end's: its inode.
class BackEndSocket {
public:
    explicit BackEndSocket(const std::string& path)
    {
        fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(fd_, 1);
        struct stat st {};
        fstat(fd_, &st);
        name_ = "socket:[" + std::to_string(st.st_ino) + "]";
    }
    ~BackEndSocket() { close(fd_); }
    const std::string& name() const { return name_; }

private:
    int fd_ = -1;
    std::string name_;
};

WebServerLauncher::Settings quietSettings(int port = 0)
{
    WebServerLauncher::Settings settings;
    settings.port = port;
    settings.openBrowser = false;
    return settings;
}

class WebServerLauncherTest : public ::testing::Test {
protected:
    // The launcher switches the console echo off; the tests' capture puts it back.
    CapturedLog log{3};
    // What the log file gets, also after the console echo is off.
    CapturedLogLines logLines{3};
    ScopedEnvironment display{"DISPLAY"};
    TempDir directory;
};

TEST_F(WebServerLauncherTest, StartThenStopLeavesNothingBehind)
{
    const BackEndSocket backEnd(directory.path() + "/backend.socket");
    const std::multiset<std::string> before = descriptors();
    pid_t pid = -1;
    int port = 0;
    {
        WebServerLauncher launcher(quietSettings());
        pid = launcher.pid();
        port = launcher.port();
        ASSERT_GT(pid, 0);
        ASSERT_GT(port, 0);
        EXPECT_TRUE(accepts(port));
        const std::multiset<std::string> frontEnd = descriptors(std::to_string(pid));
        EXPECT_EQ(0u, frontEnd.count(backEnd.name()));
        EXPECT_EQ(before, descriptors());
        EXPECT_TRUE(launcher.stop(0));
        EXPECT_FALSE(accepts(port));
        errno = 0;
        EXPECT_EQ(-1, waitpid(pid, nullptr, WNOHANG));
        EXPECT_EQ(ECHILD, errno);
        // A second stop sends nothing: the id may belong to another process now.
        EXPECT_TRUE(launcher.stop(500));
    }
    EXPECT_EQ(before, descriptors());
    EXPECT_NE(std::string::npos, logLines.text().find("DEBUG: web server PID: " + std::to_string(pid)));
    EXPECT_NE(std::string::npos,
              logLines.text().find("DEBUG: web server PID=" + std::to_string(pid) + " was stopped."));
}

TEST_F(WebServerLauncherTest, BusyPortFailsAtOnce)
{
    const BusyPort busy;
    ASSERT_GT(busy.port(), 0);
    const std::multiset<std::string> before = descriptors();
    const auto started = std::chrono::steady_clock::now();
    expectError([&] { WebServerLauncher launcher(quietSettings(busy.port())); }, {4, 2, 1, 2},
                "Can't start build-in web-server\n");
    // The failure is seen when it happens, not after a fixed pause.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
    EXPECT_EQ(before, descriptors());
    errno = 0;
    EXPECT_EQ(-1, waitpid(-1, nullptr, WNOHANG));
    EXPECT_EQ(ECHILD, errno);
}

TEST_F(WebServerLauncherTest, WithoutDisplayTheAddressIsShown)
{
    RecordedTools tools({"xdg-open"});
    WebServerLauncher::Settings settings = quietSettings();
    settings.openBrowser = true;
    WebServerLauncher launcher(settings);
    const std::string address = "http://" + getHostName() + ":" + std::to_string(launcher.port()) + "/";
    EXPECT_EQ(address, launcher.address());
    EXPECT_NE(std::string::npos,
              log.text().find("\nWeb interface is now started.\n  Please visit " + address + " in your browser.\n\n"));
    EXPECT_TRUE(tools.calls().empty());
    // From here on nothing reaches the console.
    EXPECT_EQ(-1, Log::consoleLevel);
}

TEST_F(WebServerLauncherTest, DisplayOpensTheBrowserWithoutTheSecret)
{
    ScopedEnvironment withDisplay("DISPLAY", ":0");
    ScopedEnvironment secret("WEB_SECRET", "abcdefghijklmnopqrstuvwxyzab");
    RecordedTools tools({"xdg-open"});
    tools.recordVariable("WEB_SECRET");
    WebServerLauncher::Settings settings = quietSettings();
    settings.openBrowser = true;
    WebServerLauncher launcher(settings);
    EXPECT_EQ(std::vector<std::string>{"xdg-open " + launcher.address() + " [WEB_SECRET=unset]"}, tools.calls());
}

TEST_F(WebServerLauncherTest, DisabledBrowserRunsNothing)
{
    ScopedEnvironment withDisplay("DISPLAY", ":0");
    RecordedTools tools({"xdg-open"});
    WebServerLauncher launcher(quietSettings());
    EXPECT_TRUE(tools.calls().empty());
}

TEST_F(WebServerLauncherTest, XmlOutputWritesTheOkStatus)
{
    xmlOutput = true;
    testing::internal::CaptureStdout();
    {
        WebServerLauncher launcher(quietSettings());
    }
    const std::string out = testing::internal::GetCapturedStdout();
    xmlOutput = false;
    EXPECT_NE(std::string::npos, out.find("<kitwright status=\"ok\""));
    EXPECT_EQ(std::string::npos, log.text().find("Web interface is now started"));
}

TEST_F(WebServerLauncherTest, CertificateMakesTheAddressHttps)
{
    const TestCertificates certificates;
    WebServerLauncher::Settings settings = quietSettings();
    settings.certificate = certificates.keyAndCertificateFile();
    WebServerLauncher launcher(settings);
    EXPECT_EQ("https://" + getHostName() + ":" + std::to_string(launcher.port()) + "/", launcher.address());
    EXPECT_TRUE(accepts(launcher.port()));
}

TEST_F(WebServerLauncherTest, UnreadableCertificateFailsTheStart)
{
    WebServerLauncher::Settings settings = quietSettings();
    settings.certificate = directory.path() + "/missing.pem";
    expectError([&] { WebServerLauncher launcher(settings); }, {4, 2, 1, 2}, "Can't start build-in web-server\n");
}

}  // namespace
