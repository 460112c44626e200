#include "common/WebUiTransport.h"

#include "common/Lock.h"
#include "common/Progress.h"
#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <tinyxml.h>

#include <dirent.h>
#include <pthread.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// A client that speaks the wire directly: connects, writes `pieces` one after
// another (pausing `pace` between them), closes its sending side and returns
// whatever comes back until the server closes.
std::string rawExchange(const std::string& path, const std::vector<std::string>& pieces,
                        std::chrono::milliseconds pace = std::chrono::milliseconds(0))
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return "<no socket>";
    struct sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (::connect(fd, reinterpret_cast<const struct sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return "<no connection>";
    }
    for (const std::string& piece : pieces) {
        if (pace.count() > 0) std::this_thread::sleep_for(pace);
        if (::send(fd, piece.data(), piece.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(piece.size())) break;
    }
    ::shutdown(fd, SHUT_WR);
    const std::string reply = privatehost::readAll(fd);
    ::close(fd);
    return reply;
}

std::vector<std::string> bytesOf(const std::string& text)
{
    std::vector<std::string> pieces;
    for (char c : text) pieces.emplace_back(1, c);
    return pieces;
}

// The reply the test server sends: the request body in an attribute.
void answerWithEcho(WebUiTransport& transport, const std::string& body)
{
    TiXmlDocument reply;
    reply.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
    TiXmlElement* root = new TiXmlElement("kitwright");
    root->SetAttribute("got", body);
    reply.LinkEndChild(root);
    transport.send_answer(reply);
}

std::string echoBody(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?><kitwright got=\"" + body + "\" />";
}

// Serves requests on its own thread: each wait, read and echo answer.
class ServerThread {
public:
    ServerThread(WebUiTransport& transport, int requests)
        : thread_([this, &transport, requests] {
              try {
                  for (int count = 0; count < requests; ++count) {
                      transport.wait_command();
                      const std::string body = transport.get_command();
                      received_.push_back(body);
                      answerWithEcho(transport, body);
                  }
              } catch (const WebUiTransport::timeout&) {
                  failure_ = "the wait timed out";
              } catch (const error& raised) {
                  failure_ = raised.text();
              }
          })
    {
    }
    ~ServerThread()
    {
        if (thread_.joinable()) thread_.join();
    }
    const std::vector<std::string>& join()
    {
        thread_.join();
        return received_;
    }
    const std::string& failure() const { return failure_; }

private:
    std::vector<std::string> received_;
    std::string failure_;
    std::thread thread_;
};

class WebUiTransportTest : public ::testing::Test {
protected:
    std::string socketPath() const { return dir.path() + "/webui_socket"; }

    TempDir dir;
};

TEST(WebUiTransportFrame, ChecksTheLengthLineAndTheBody)
{
    using State = WebUiTransport::FrameCheck::State;
    struct Case {
        const char* name;
        std::string collected;
        State state;
        std::size_t headerSize;
        std::size_t bodySize;
    };
    const Case cases[] = {
        {"nothing yet", "", State::incomplete, 0, 0},
        {"digits only", "12", State::incomplete, 0, 0},
        {"empty body", "0\n", State::complete, 2, 0},
        {"body short", "5\nab", State::incomplete, 2, 5},
        {"whole", "4\nping", State::complete, 2, 4},
        {"more than declared", "2\npingpong", State::complete, 2, 2},
        {"letter first", "x5\nabcde", State::malformed, 0, 0},
        {"blank first", " 5\nabcde", State::malformed, 0, 0},
        {"no line feed", "5 abcde", State::malformed, 0, 0},
        {"sign", "+5\nabcde", State::malformed, 0, 0},
        {"at the limit", "16777216\n", State::incomplete, 9, 16777216},
        {"17 MiB", "17825792\n", State::malformed, 0, 0},
        {"nine digits", "000000001\n", State::malformed, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WebUiTransport::FrameCheck check = WebUiTransport::checkFrame(c.collected);
        EXPECT_EQ(check.state, c.state) << check;
        EXPECT_EQ(check.headerSize, c.headerSize);
        EXPECT_EQ(check.bodySize, c.bodySize);
        if (c.state == State::malformed) {
            EXPECT_FALSE(check.problem.empty());
        }
    }
    EXPECT_EQ(WebUiTransport::frame("ping"), "4\nping");
    EXPECT_EQ(WebUiTransport::frame(""), "0\n");
}

TEST_F(WebUiTransportTest, FramingOverARealSocket)
{
    struct Case {
        const char* name;
        // What a first, misbehaving client does; null for none.
        std::function<std::string(const std::string&)> before;
        // The warning the server logs for it.
        const char* warning;
        // How the good client sends "ping": whole, or a byte every 10 ms.
        bool byteWise;
    };
    const Case cases[] = {
        {"one-piece request", nullptr, "", false},
        {"one byte every 10 ms", nullptr, "", true},
        {"closed before the body", [](const std::string& path) { return rawExchange(path, {"5\nab"}); },
         "Warning: the web UI client closed its connection before its request was complete (4 bytes received)", false},
        {"closed before the length", [](const std::string& path) { return rawExchange(path, {}); },
         "Warning: the web UI client closed its connection before its request was complete (0 bytes received)", false},
        {"length not digits", [](const std::string& path) { return rawExchange(path, {"x5\nabcde"}); },
         "Warning: refused a web UI request: the message does not start with a decimal length", false},
        {"17 MiB length", [](const std::string& path) { return rawExchange(path, {"17825792\n", "<request/>"}); },
         "Warning: refused a web UI request: the length 17825792 exceeds the limit of 16777216 bytes", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CapturedLog log(3);
        WebUiTransport server(WebUiTransport::Mode::server, socketPath(), std::chrono::seconds(60));
        ServerThread serving(server, 1);
        if (c.before) {
            EXPECT_EQ(c.before(socketPath()), "");
        }
        std::string reply;
        if (c.byteWise) {
            reply = rawExchange(socketPath(), bytesOf("4\nping"), std::chrono::milliseconds(10));
        } else {
            WebUiTransport client(WebUiTransport::Mode::client);
            reply = WebUiTransport::frame(client.request("ping"));
        }
        const std::vector<std::string> received = serving.join();
        EXPECT_EQ(serving.failure(), "");
        EXPECT_EQ(received, std::vector<std::string>{"ping"});
        EXPECT_EQ(reply, WebUiTransport::frame(echoBody("ping")));
        if (*c.warning) {
            EXPECT_NE(log.text().find(c.warning), std::string::npos) << log.text();
        }
        EXPECT_NE(log.text().find("answer sent: <kitwright got=\"ping\" />"), std::string::npos) << log.text();
    }
}

TEST_F(WebUiTransportTest, ClientsAreServedOneAfterTheOther)
{
    WebUiTransport server(WebUiTransport::Mode::server, socketPath(), std::chrono::seconds(60));
    ServerThread serving(server, 3);
    WebUiTransport client(WebUiTransport::Mode::client);
    EXPECT_EQ(client.request("first"), echoBody("first"));
    EXPECT_EQ(client.request(""), echoBody(""));
    std::string other;
    std::thread second([&] { other = client.request("third"); });
    second.join();
    EXPECT_EQ(serving.join(), (std::vector<std::string>{"first", "", "third"}));
    EXPECT_EQ(other, echoBody("third"));
}

TEST_F(WebUiTransportTest, AClientOfAnotherUserIsRefused)
{
    if (::geteuid() != 0) GTEST_SKIP() << "playing the second user needs root";
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    CapturedLog log(3);
    WebUiTransport server(WebUiTransport::Mode::server, socketPath(), std::chrono::seconds(60));
    // Open the file itself, so that only the peer check stands in the way.
    ASSERT_EQ(::chmod(socketPath().c_str(), 0666), 0);
    ServerThread serving(server, 1);
    const std::string path = socketPath();
    LingeringProcess other(kOtherUser, [&path] { return rawExchange(path, {"4\nping"}).empty(); });
    EXPECT_TRUE(other.done()) << "the other user's client got an answer, or could not connect";
    WebUiTransport client(WebUiTransport::Mode::client);
    EXPECT_EQ(client.request("mine"), echoBody("mine"));
    EXPECT_EQ(serving.join(), std::vector<std::string>{"mine"});
    EXPECT_NE(log.text().find("Warning: refused a web UI client of user 65534"), std::string::npos) << log.text();
}

TEST_F(WebUiTransportTest, TheClientRefusesAServerOfAnotherUser)
{
    if (::geteuid() != 0) GTEST_SKIP() << "playing the second user needs root";
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    const std::string path = socketPath();
    LingeringProcess otherServer(kOtherUser, [&path] {
        new WebUiTransport(WebUiTransport::Mode::server, path);  // lives until the process is killed
        return true;
    });
    ASSERT_TRUE(otherServer.done());
    WebUiTransport client(WebUiTransport::Mode::client, path);
    if (const auto raised = expectError([&] { client.request("ping"); })) {
        expectCodes(*raised, {4, 2, 1, 2});
        EXPECT_EQ(raised->text(), "Can't connect to backend: the socket " + path +
                                      " is served by user 65534, not by this process's user 0\n");
    }
}

TEST_F(WebUiTransportTest, TheSocketFileIsPrivateAndAStaleOneIsReplaced)
{
    {
        WebUiTransport server(WebUiTransport::Mode::server, socketPath());
        struct stat info;
        ASSERT_EQ(::lstat(socketPath().c_str(), &info), 0);
        EXPECT_TRUE(S_ISSOCK(info.st_mode));
        EXPECT_EQ(info.st_mode & 077, 0u) << "group or others may reach the socket";
        // A handle made while the object exists shares it.
        WebUiTransport second(WebUiTransport::Mode::server, dir.path() + "/unused");
        EXPECT_NE(::access((dir.path() + "/unused").c_str(), F_OK), 0);
    }
    EXPECT_NE(::access(socketPath().c_str(), F_OK), 0) << "the socket file outlived its server";

    // A socket left by a killed run.
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    struct sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath().c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(stale, reinterpret_cast<const struct sockaddr*>(&address), sizeof address), 0);
    ::close(stale);
    {
        WebUiTransport server(WebUiTransport::Mode::server, socketPath(), std::chrono::seconds(60));
        ServerThread serving(server, 1);
        WebUiTransport client(WebUiTransport::Mode::client);
        EXPECT_EQ(client.request("again"), echoBody("again"));
    }
}

TEST_F(WebUiTransportTest, SomethingElseAtThePathIsAnError)
{
    ASSERT_TRUE(privatehost::writeWhole(socketPath(), "not mine"));
    ASSERT_EQ(::symlink("/etc/passwd", (dir.path() + "/link").c_str()), 0);
    for (const std::string& path : {socketPath(), dir.path() + "/link"}) {
        SCOPED_TRACE(path);
        if (const auto raised = expectError([&] { WebUiTransport server(WebUiTransport::Mode::server, path); })) {
            expectCodes(*raised, {4, 2, 1, 2});
            EXPECT_EQ(raised->text(), "BackendProtocol: bind socket failed: " + path + " exists and is not a socket\n");
        }
    }
    EXPECT_EQ(privatehost::readWhole(socketPath()), "not mine");
}

TEST_F(WebUiTransportTest, AnUnansweredRequestIsClosedByTheNextWait)
{
    CapturedLog log(3);
    WebUiTransport server(WebUiTransport::Mode::server, socketPath(), std::chrono::seconds(60));
    std::string firstBody;
    std::thread serving([&] {
        server.wait_command();
        firstBody = server.get_command();
        server.wait_command();  // the first was never answered
        answerWithEcho(server, server.get_command());
        answerWithEcho(server, "twice");
    });
    WebUiTransport client(WebUiTransport::Mode::client);
    if (const auto raised = expectError([&] { client.request("dropped"); })) {
        EXPECT_EQ(raised->errorClass(), 3) << raised->text();
    }
    EXPECT_EQ(client.request("answered"), echoBody("answered"));
    serving.join();
    EXPECT_EQ(firstBody, "dropped");
    EXPECT_NE(log.text().find("Warning: XML answer is already sent (try to send '<kitwright got=\"twice\" />'"),
              std::string::npos)
        << log.text();
}

TEST_F(WebUiTransportTest, TheLoggedAnswerMasksPasswords)
{
    CapturedLog log(3);
    WebUiTransport server(WebUiTransport::Mode::server, socketPath(), std::chrono::seconds(60));
    std::thread serving([&] {
        server.wait_command();
        TiXmlDocument reply;
        TiXmlElement* root = new TiXmlElement("kitwright");
        TiXmlElement* auth = new TiXmlElement("auth");
        auth->SetAttribute("user", "proxyuser");
        auth->SetAttribute("password", "proxysecret");
        root->LinkEndChild(auth);
        TiXmlElement* setting = new TiXmlElement("setting");
        setting->SetAttribute("type", "password");
        setting->SetAttribute("value", "settingsecret");
        root->LinkEndChild(setting);
        reply.LinkEndChild(root);
        server.send_answer(reply);
    });
    WebUiTransport client(WebUiTransport::Mode::client);
    const std::string reply = client.request("get_preferences");
    serving.join();
    EXPECT_NE(reply.find("proxysecret"), std::string::npos);
    EXPECT_NE(reply.find("settingsecret"), std::string::npos);
    EXPECT_EQ(log.text().find("secret"), std::string::npos) << log.text();
    EXPECT_NE(log.text().find("<auth user=\"proxyuser\" password=\"***\" />"), std::string::npos) << log.text();
}

// What the back end logs of each request: the secrets the front end sends are
// masked, everything else stays readable.
TEST(WebUiTransportShown, MasksTheSecretsOfRequestsAndReplies)
{
    struct Case {
        const char* name;
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"the browser's session id",
         "<request><command value=\"get_releases_list\" session_id=\"abcdefghijklmnopqrstuvwx\"/></request>",
         "<request><command value=\"get_releases_list\" session_id=\"***\" /></request>"},
        {"a proxy password",
         "<request><command value=\"set_preferences\"/><preferences><proxy use=\"true\" host=\"p\" port=\"3128\">"
         "<auth use=\"true\" user=\"u\" password=\"proxysecret\"/></proxy></preferences></request>",
         "<request><command value=\"set_preferences\" /><preferences><proxy use=\"true\" host=\"p\" port=\"3128\">"
         "<auth use=\"true\" user=\"u\" password=\"***\" /></proxy></preferences></request>"},
        {"a request's setting values, which carry no type",
         "<request><command value=\"set_component_params\"/><products><product id=\"zarni\"><settings>"
         "<setting id=\"admin_password\" value=\"settingsecret\"/><setting id=\"kept\"/></settings></product>"
         "</products></request>",
         "<request><command value=\"set_component_params\" /><products><product id=\"zarni\"><settings>"
         "<setting id=\"admin_password\" value=\"***\" /><setting id=\"kept\" /></settings></product>"
         "</products></request>"},
        {"a reply's setting of another type stays",
         "<kitwright status=\"ok\"><setting id=\"port\" type=\"string\" value=\"8443\"/></kitwright>",
         "<kitwright status=\"ok\"><setting id=\"port\" type=\"string\" value=\"8443\" /></kitwright>"},
        {"nothing secret", "<request><command value=\"ping\"/></request>",
         "<request><command value=\"ping\" /></request>"},
        {"not XML: its size alone", "session_id=\"abc\" <", "(18 bytes, not readable as XML)"},
        {"empty", "", "(0 bytes, not readable as XML)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WebUiTransport::shown(c.text), c.shown);
    }
}

TEST_F(WebUiTransportTest, NoBackEndListeningLeavesNoDescriptorBehind)
{
    auto openDescriptors = [] {
        int count = 0;
        DIR* listing = ::opendir("/proc/self/fd");
        while (listing && ::readdir(listing)) ++count;
        if (listing) ::closedir(listing);
        return count;
    };
    WebUiTransport client(WebUiTransport::Mode::client, socketPath());
    const int before = openDescriptors();
    if (const auto raised = expectError([&] { client.request("ping"); })) {
        expectCodes(*raised, {4, 2, 1, 2});
        EXPECT_EQ(raised->text(), "Can't connect to backend: No such file or directory\n");
    }
    EXPECT_EQ(openDescriptors(), before);
}

TEST_F(WebUiTransportTest, NoRequestWithinTheLimitIsATimeout)
{
    WebUiTransport server(WebUiTransport::Mode::server, socketPath(), std::chrono::milliseconds(1));
    EXPECT_THROW(server.wait_command(), WebUiTransport::timeout);
}

TEST_F(WebUiTransportTest, AForkedFrontEndClosesTheInheritedSocketAndKeepsTheFile)
{
    WebUiTransport server(WebUiTransport::Mode::server, socketPath(), std::chrono::seconds(60));
    ServerThread serving(server, 1);
    auto socketDescriptors = [] {
        int count = 0;
        DIR* listing = ::opendir("/proc/self/fd");
        while (struct dirent* entry = listing ? ::readdir(listing) : nullptr) {
            char target[256] = {};
            const std::string link = std::string("/proc/self/fd/") + entry->d_name;
            if (::readlink(link.c_str(), target, sizeof target - 1) > 0 && std::strncmp(target, "socket:", 7) == 0)
                ++count;
        }
        if (listing) ::closedir(listing);
        return count;
    };
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const int before = socketDescriptors();
        int result = 0;
        {
            WebUiTransport frontEnd(WebUiTransport::Mode::client);
            if (socketDescriptors() != before - 1) result |= 1;
            if (frontEnd.request("from the front end") != echoBody("from the front end")) result |= 2;
        }
        ::_exit(result);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the listening socket stayed open, 2: the request failed";
    EXPECT_EQ(serving.join(), std::vector<std::string>{"from the front end"});
    EXPECT_EQ(::access(socketPath().c_str(), F_OK), 0) << "the front end removed the back end's socket";
}

void recordTermination(int signalNumber) { Progress::onSignal(signalNumber); }

TEST_F(WebUiTransportTest, ATerminationSignalOnAnotherThreadEndsTheWaitAtOnce)
{
    std::string why;
    // The termination check writes the progress record under the installer lock.
    if (!enterPrivateIpcNamespace(&why)) GTEST_SKIP() << why;
    const std::string lockPath = Lock::filePath();
    Lock::setFilePath(dir.path() + "/installer.lock");
    Progress::resetTermination();
    struct sigaction action;
    struct sigaction previous;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = recordTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ASSERT_EQ(::sigaction(SIGTERM, &action, &previous), 0);

    // A wait that missed the signal would end only at its limit, with timeout.
    WebUiTransport server(WebUiTransport::Mode::server, socketPath(), std::chrono::seconds(20));
    Clock::time_point signalled;
    std::thread signaller([&] {
        // Let the wait begin; the signal goes to this thread, not the waiting one.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        signalled = Clock::now();
        ::pthread_kill(::pthread_self(), SIGTERM);
    });
    int caughtSignal = 0;
    try {
        server.wait_command();
    } catch (const Progress::Interrupted& interrupted) {
        caughtSignal = interrupted.signal();
    } catch (const WebUiTransport::timeout&) {
        ADD_FAILURE() << "the wait ran to its limit";
    }
    const Clock::time_point ended = Clock::now();
    signaller.join();
    ::sigaction(SIGTERM, &previous, nullptr);
    Progress::resetTermination();
    Lock::setFilePath(lockPath);
    EXPECT_EQ(caughtSignal, SIGTERM);
    // Not a timing test: how fast the wait ended is shown, not asserted.
    RecordProperty("milliseconds_from_signal_to_end",
                   static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(ended - signalled).count()));
}

TEST(WebUiTransportDefault, TheBackEndListensAtItsFixedPathInAPrivateTmp)
{
    EXPECT_STREQ(WebUiTransport::defaultSocketPath, "/tmp/kitwright_webui_socket");
    const int result = runInPrivateMountNamespace([] {
        if (::mount("tmpfs", "/tmp", "tmpfs", 0, "mode=1777") != 0) return kNamespaceRefused;
        int failures = 0;
        {
            WebUiTransport server(WebUiTransport::Mode::server);
            struct stat info;
            if (::lstat("/tmp/kitwright_webui_socket", &info) != 0 || !S_ISSOCK(info.st_mode)) failures |= 1;
            std::thread serving([&] {
                server.wait_command();
                answerWithEcho(server, server.get_command());
            });
            WebUiTransport client(WebUiTransport::Mode::client);
            if (client.request("ping") != echoBody("ping")) failures |= 2;
            serving.join();
        }
        if (::access("/tmp/kitwright_webui_socket", F_OK) == 0) failures |= 4;
        return failures;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace";
    EXPECT_EQ(result, 0) << "1: no socket at the path, 2: the exchange failed, 4: the file outlived the server";
}

}  // namespace
