#include "common/SystemUtils.h"

#include "common/Messages.h"
#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/IsolatedHost.h"
#include "tests/common/TempDir.h"

#include "tests/common/TestFiles.h"

#include <gtest/gtest.h>

#include <boost/thread/thread.hpp>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

void writeFile(const std::string& path, const std::string& content, mode_t mode = 0644)
{
    std::ofstream(path, std::ios::binary) << content;
    ::chmod(path.c_str(), mode);
}

// Puts a directory of fake commands first on PATH for one test.
class FakeCommands {
public:
    FakeCommands() : path_(getEnv("PATH")) { setEnv("PATH", dir_.path() + ":" + path_); }
    ~FakeCommands() { setEnv("PATH", path_); }
    FakeCommands(const FakeCommands&) = delete;
    FakeCommands& operator=(const FakeCommands&) = delete;

    const std::string& dir() const { return dir_.path(); }
    void add(const std::string& name, const std::string& script) { writeFile(dir_.path() + "/" + name, script, 0755); }
    // Only the fake commands and nothing else.
    void only() { setEnv("PATH", dir_.path()); }

private:
    TempDir dir_;
    std::string path_;
};

TEST(SystemUtils, MailGetsSubjectAndAddressUnchanged)
{
    FakeCommands commands;
    // Records each argument ended by a zero byte, and the body.
    commands.add("mail", "#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$(dirname \"$0\")/args\"\n"
                         "cat > \"$(dirname \"$0\")/body\"\n");
    const std::string subject = "Report for 'host' $(touch " + commands.dir() + "/injected) `touch " +
                                commands.dir() + "/injected` \"quoted\"\nsecond line";
    const std::string address = "root@localhost; touch " + commands.dir() + "/injected";
    const std::string body = "line 1\nline 2 'quoted' $(not run)\n";
    CapturedLog log(1);
    EXPECT_TRUE(sendMail(address, subject, body));

    EXPECT_EQ(readFile(commands.dir() + "/args"), std::string("-s\0", 3) + subject + '\0' + address + '\0');
    EXPECT_EQ(readFile(commands.dir() + "/body"), body);
    struct stat info;
    EXPECT_NE(::stat((commands.dir() + "/injected").c_str(), &info), 0) << "the shell ran part of a text";
    EXPECT_EQ(log.text(), "");
}

TEST(SystemUtils, FailingOrMissingMailOnlyWarns)
{
    FakeCommands commands;
    commands.add("mail", "#!/bin/sh\nexit 3\n");
    {
        CapturedLog log(1);
        EXPECT_FALSE(sendMail("root@localhost", "subject", std::string(1 << 20, 'b')));
        EXPECT_EQ(log.text(), Messages::get("err_send_mail") + "\n");
    }
    commands.only();
    ::unlink((commands.dir() + "/mail").c_str());
    {
        // The shell cannot find the command and closes the pipe under the body.
        CapturedLog log(1);
        EXPECT_FALSE(sendMail("root@localhost", "subject", std::string(1 << 20, 'b')));
        EXPECT_EQ(log.text(), Messages::get("err_send_mail") + "\n");
    }
}

TEST(SystemUtils, Environment)
{
    const std::string name = "KITWRIGHT_TEST_VARIABLE";
    unsetEnv(name);
    EXPECT_EQ(getEnv(name), "");
    EXPECT_EQ(setEnv(name, "first"), 0);
    EXPECT_EQ(getEnv(name), "first");
    EXPECT_EQ(setEnv(name, "second value"), 0);
    EXPECT_EQ(getEnv(name), "second value");
    EXPECT_EQ(unsetEnv(name), 0);
    EXPECT_EQ(std::getenv(name.c_str()), nullptr);
}

TEST(SystemUtils, StopwatchStartsAtZero)
{
    Stopwatch watch;
    const double elapsed = watch.elapsed();
    // Whole seconds: a tick of the clock between the two readings gives 1.
    EXPECT_TRUE(elapsed == 0 || elapsed == 1) << elapsed;
}

TEST(SystemUtils, SleepIsAnInterruptionPoint)
{
    std::atomic<bool> interrupted(false);
    Stopwatch watch;
    boost::thread sleeper([&interrupted] {
        try {
            sleepSeconds(60);
        } catch (const boost::thread_interrupted&) {
            interrupted = true;
        }
    });
    sleeper.interrupt();
    sleeper.join();
    EXPECT_TRUE(interrupted);
    EXPECT_LT(watch.elapsed(), 30);

    // A request made before the call stops it before it sleeps.
    std::atomic<bool> stoppedAtOnce(false);
    boost::thread requested([&stoppedAtOnce] {
        while (!boost::this_thread::interruption_requested()) boost::this_thread::yield();
        try {
            sleepMilliseconds(60000);
        } catch (const boost::thread_interrupted&) {
            stoppedAtOnce = true;
        }
    });
    requested.interrupt();
    requested.join();
    EXPECT_TRUE(stoppedAtOnce);
    sleepMilliseconds(0);
}

// Points standard output at `descriptor` while `body` runs.
template <class Body>
void withStandardOutput(int descriptor, Body body)
{
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    ASSERT_GE(saved, 0);
    ASSERT_EQ(::dup2(descriptor, STDOUT_FILENO), STDOUT_FILENO);
    body();
    std::fflush(stdout);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
}

TEST(SystemUtils, TerminalSize)
{
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(null, 0);
    int width = -1, height = -1;
    withStandardOutput(null, [&] {
        width = getTerminalWidth();
        height = getTerminalHeight();
    });
    ::close(null);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) GTEST_SKIP() << "no pseudo terminal";
    const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(terminal, 0);
    struct winsize size = {};
    size.ws_col = 123;
    size.ws_row = 45;
    ASSERT_EQ(::ioctl(terminal, TIOCSWINSZ, &size), 0);
    withStandardOutput(terminal, [&] {
        width = getTerminalWidth();
        height = getTerminalHeight();
        putCharFlush('K');
    });
    char echoed = 0;
    EXPECT_EQ(::read(master, &echoed, 1), 1);
    EXPECT_EQ(echoed, 'K');
    ::close(terminal);
    ::close(master);
    EXPECT_EQ(width, 123);
    EXPECT_EQ(height, 45);
}

TEST(SystemUtils, SocketAddressTexts)
{
    struct sockaddr_in v4 = {};
    v4.sin_family = AF_INET;
    ::inet_pton(AF_INET, "192.0.2.1", &v4.sin_addr);
    EXPECT_EQ(sockaddrToString(reinterpret_cast<struct sockaddr*>(&v4)), "192.0.2.1");

    struct sockaddr_in6 v6 = {};
    v6.sin6_family = AF_INET6;
    ::inet_pton(AF_INET6, "2001:0db8:0000:0000:0000:0000:0000:0001", &v6.sin6_addr);
    EXPECT_EQ(sockaddrToString(reinterpret_cast<struct sockaddr*>(&v6)), "2001:db8::1");

    struct sockaddr_un local = {};
    local.sun_family = AF_UNIX;
    struct Case {
        const struct sockaddr* address;
        std::string text;
    } failures[] = {
        {nullptr, "Socket address is NULL\n"},
        {reinterpret_cast<struct sockaddr*>(&local), "Unexpected protocol family: 1\n"},
    };
    for (const Case& c : failures) {
        SCOPED_TRACE(c.text);
        if (const auto e = expectError([&] { sockaddrToString(c.address); })) {
            EXPECT_EQ(e->text(), c.text);
            EXPECT_EQ(e->errorClass(), 0);
            EXPECT_EQ(e->support(), 0);
        }
    }

    struct addrinfo hints = {};
    hints.ai_flags = AI_NUMERICHOST;
    struct addrinfo* found = nullptr;
    ASSERT_EQ(::getaddrinfo("::1", nullptr, &hints, &found), 0);
    EXPECT_EQ(addrinfoToString(found), "::1");
    ::freeaddrinfo(found);

    struct addrinfo localEntry = {};
    localEntry.ai_family = AF_UNIX;
    localEntry.ai_addr = reinterpret_cast<struct sockaddr*>(&local);
    if (const auto e = expectError([&] { addrinfoToString(&localEntry); })) {
        EXPECT_EQ(e->text(), "Unknown protocol family 1\n");
    }
}

// Gives the isolated host a name, a hosts file and, optionally, an interface,
// then reports what the name functions say and what they logged.
std::string hostNameOnIsolatedHost(const std::string& hostName, const std::string& hosts, bool withInterface)
{
    return runOnIsolatedHost([&] {
        TempDir dir;
        writeFile(dir.path() + "/hosts", hosts);
        writeFile(dir.path() + "/resolv.conf", "nameserver 127.0.0.1\n");
        if (::sethostname(hostName.c_str(), hostName.size()) != 0 ||
            ::mount((dir.path() + "/hosts").c_str(), "/etc/hosts", nullptr, MS_BIND, nullptr) != 0 ||
            ::mount((dir.path() + "/resolv.conf").c_str(), "/etc/resolv.conf", nullptr, MS_BIND, nullptr) != 0)
            return std::string("SKIP: cannot name the private host: ") + std::strerror(errno);
        if (withInterface &&
            !isolatedShell("ip link add eth0 type bridge && ip addr add 198.51.100.7/24 dev eth0 && ip link set eth0 up"))
            return std::string("SKIP: ip cannot make a bridge on the private host");
        CapturedLog log(2);
        const std::string fqdn = getFqdn();
        const std::string shown = getHostName();
        return fqdn + "|" + shown + "|" + log.text();
    });
}

TEST(SystemUtils, HostNames)
{
    struct Case {
        const char* name;
        std::string hostName;
        std::string hosts;
        bool withInterface;
        std::string expected;
    } cases[] = {
        {"qualified name", "kwbox", "192.0.2.10 kwbox.example.test kwbox\n", true,
         "kwbox.example.test|kwbox.example.test|"},
        {"canonical name without a dot", "kwbox", "192.0.2.10 kwbox\n", true,
         "|198.51.100.7|Canonname is not correct fqdn\nCanonname is not correct fqdn\n"},
        {"localhost.localdomain", "localhost.localdomain", "127.0.0.1 localhost.localdomain localhost\n", true,
         "localhost.localdomain|198.51.100.7|"},
        {"no name and no interface", "kwbox", "192.0.2.10 kwbox\n", false,
         "|localhost|Canonname is not correct fqdn\nCanonname is not correct fqdn\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string result = hostNameOnIsolatedHost(c.hostName, c.hosts, c.withInterface);
        if (result.compare(0, 6, "SKIP: ") == 0) GTEST_SKIP() << result;
        EXPECT_EQ(result, c.expected);
    }
}

}  // namespace
