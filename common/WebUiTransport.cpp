#include "common/WebUiTransport.h"

#include "common/Log.h"
#include "common/Progress.h"
#include "common/error.h"

#include <tinyxml.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>

namespace {

std::string errnoText(int number) { return std::strerror(number); }

// The codes of every transport failure: system, try again later, system
// stable, support maybe; a failing wait differs only in giving no advice.
error transportError() { return error(4, 2, 1, 2); }

// A transport failure: the text followed by the system's text for the errno.
error transportFailure(const char* text, int number)
{
    error failure = transportError();
    failure << text << errnoText(number);
    return failure;
}
error waitError() { return error(4, 1, 1, 2); }

// The most digits a length within the limit needs ("16777216").
constexpr std::size_t kMaxLengthDigits = 8;

// A descriptor closed when the holder ends.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// The effective user of the process at the other end of a connected socket;
// -1 when the system does not say.
long peerUser(int fd)
{
    struct ucred credentials;
    socklen_t size = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return -1;
    return static_cast<long>(credentials.uid);
}

bool socketAddress(const std::string& path, struct sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Writes all of text on a socket; a peer that went away gives an error, never
// SIGPIPE. Returns 0 or the errno of the failed write.
int sendAll(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t step = ::send(fd, text.data() + written, text.size() - written, MSG_NOSIGNAL);
        if (step < 0 && errno == EINTR) continue;
        if (step < 0) return errno;
        written += static_cast<std::size_t>(step);
    }
    return 0;
}

// A protocol document as the log shows it: every "password" and "session_id"
// attribute masked, and the value of a setting of type "password". A setting
// of a request carries no type, and the back end cannot tell a password from
// it: its value is masked too.
void maskSecrets(TiXmlElement* element)
{
    for (const char* secret : {"password", "session_id"})
        if (element->Attribute(secret)) element->SetAttribute(secret, "***");
    const char* type = element->Attribute("type");
    const bool passwordSetting = type ? std::strcmp(type, "password") == 0 : element->ValueStr() == "setting";
    if (passwordSetting && element->Attribute("value")) element->SetAttribute("value", "***");
    for (TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement())
        maskSecrets(child);
}

std::string shownRoot(const TiXmlDocument& reply)
{
    const TiXmlElement* root = reply.RootElement();
    if (!root) return std::string();
    std::unique_ptr<TiXmlNode> copy(root->Clone());
    maskSecrets(copy->ToElement());
    std::ostringstream text;
    text << *copy;
    return text.str();
}

}  // namespace

std::string WebUiTransport::shown(const std::string& text)
{
    TiXmlDocument document;
    document.Parse(text.c_str());
    if (document.Error() || !document.RootElement())
        return "(" + std::to_string(text.size()) + " bytes, not readable as XML)";
    return shownRoot(document);
}

const char* const WebUiTransport::defaultSocketPath = "/tmp/kitwright_webui_socket";
constexpr std::size_t WebUiTransport::maxMessageSize;
constexpr std::chrono::milliseconds WebUiTransport::defaultWaitLimit;

WebUiTransport::FrameCheck WebUiTransport::checkFrame(const std::string& collected)
{
    FrameCheck check;
    std::size_t digits = 0;
    std::size_t length = 0;
    while (digits < collected.size() && collected[digits] >= '0' && collected[digits] <= '9') {
        if (digits == kMaxLengthDigits) {
            check.state = FrameCheck::State::malformed;
            check.problem = "the length has more than " + std::to_string(kMaxLengthDigits) + " digits";
            return check;
        }
        length = length * 10 + static_cast<std::size_t>(collected[digits] - '0');
        ++digits;
    }
    if (digits == 0 && !collected.empty()) {
        check.state = FrameCheck::State::malformed;
        check.problem = "the message does not start with a decimal length";
        return check;
    }
    if (length > maxMessageSize) {
        check.state = FrameCheck::State::malformed;
        check.problem = "the length " + std::to_string(length) + " exceeds the limit of " +
                        std::to_string(maxMessageSize) + " bytes";
        return check;
    }
    if (digits == collected.size()) return check;
    if (collected[digits] != '\n') {
        check.state = FrameCheck::State::malformed;
        check.problem = "the length is not followed by a line feed";
        return check;
    }
    check.headerSize = digits + 1;
    check.bodySize = length;
    if (collected.size() - check.headerSize >= length) check.state = FrameCheck::State::complete;
    return check;
}

std::string WebUiTransport::frame(const std::string& body) { return std::to_string(body.size()) + "\n" + body; }

std::ostream& operator<<(std::ostream& out, const WebUiTransport::FrameCheck& check)
{
    switch (check.state) {
    case WebUiTransport::FrameCheck::State::incomplete: return out << "incomplete frame";
    case WebUiTransport::FrameCheck::State::complete: return out << "frame of " << check.bodySize << " bytes";
    case WebUiTransport::FrameCheck::State::malformed: return out << "malformed frame (" << check.problem << ")";
    }
    return out;
}

// The transport behind the handles. The server operations use the listening
// socket and the one open connection; request uses nothing of the object but its
// path.
class WebUiTransport::rep {
public:
    virtual ~rep() = default;
    virtual void wait_command() = 0;
    virtual std::string get_command() const = 0;
    virtual void send_answer(const std::string& text, const std::string& shown) = 0;
    virtual std::string request(const std::string& text) const = 0;
    // Run in a forked child: drop the parent's listening socket and connection.
    virtual void leaveInherited() = 0;
    pid_t owner() const { return owner_; }

private:
    pid_t owner_ = ::getpid();
};

class WebUiTransport::tcp : public WebUiTransport::rep {
public:
    tcp(Mode mode, const std::string& path, std::chrono::milliseconds waitLimit) : path_(path), waitLimit_(waitLimit)
    {
        if (mode == Mode::server) listen();
    }
    ~tcp() override;

    void wait_command() override;
    std::string get_command() const override;
    void send_answer(const std::string& text, const std::string& shown) override;
    std::string request(const std::string& text) const override;
    void leaveInherited() override;

private:
    void listen();
    void closeConnection();
    // Reads what the open connection has; true once a whole request is there.
    // An exchange that cannot come to a request is closed with a warning.
    bool readRequestPiece();
    bool acceptClient();

    const std::string path_;
    const std::chrono::milliseconds waitLimit_;
    int listening_ = -1;
    int connection_ = -1;
    std::string buffer_;
    // The bound socket file: removed at the end only while it is still this one.
    dev_t socketDevice_ = 0;
    ino_t socketInode_ = 0;
};

void WebUiTransport::tcp::listen()
{
    struct sockaddr_un address;
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0) {
        throw transportFailure("BackendProtocol: create socket failed: ", errno);
    }
    if (!socketAddress(path_, address)) {
        error failure = transportError();
        failure << "BackendProtocol: bind socket failed: the path is too long: " << path_;
        throw failure;
    }
    // /tmp is open to every user: only a socket (an earlier run's) is taken away;
    // anything else there may be another user's and is left alone.
    struct stat found;
    if (::lstat(path_.c_str(), &found) == 0) {
        if (!S_ISSOCK(found.st_mode)) {
            error failure = transportError();
            failure << "BackendProtocol: bind socket failed: " << path_ << " exists and is not a socket";
            throw failure;
        }
        if (::unlink(path_.c_str()) != 0 && errno != ENOENT) {
            const int number = errno;
            error failure = transportError();
            failure << "BackendProtocol: bind socket failed: cannot remove the old socket " << path_ << ": "
                    << errnoText(number);
            throw failure;
        }
    }
    struct MaskGuard {
        mode_t previous = ::umask(077);
        ~MaskGuard() { ::umask(previous); }
    } mask;
    if (::bind(socket.get(), reinterpret_cast<const struct sockaddr*>(&address), sizeof address) != 0) {
        throw transportFailure("BackendProtocol: bind socket failed: ", errno);
    }
    if (::lstat(path_.c_str(), &found) == 0) {
        socketDevice_ = found.st_dev;
        socketInode_ = found.st_ino;
    }
    if (::listen(socket.get(), 2) != 0) {
        const int number = errno;
        ::unlink(path_.c_str());
        throw transportFailure("BackendProtocol: listen on socket failed: ", number);
    }
    listening_ = socket.release();
}

WebUiTransport::tcp::~tcp()
{
    if (connection_ >= 0) ::close(connection_);
    if (listening_ < 0) return;
    if (::close(listening_) != 0) {
        const int number = errno;
        Log(0, true) << "ERROR: close WebUiTransport socket: " << errnoText(number);
    }
    struct stat found;
    if (owner() == ::getpid() && ::lstat(path_.c_str(), &found) == 0 && found.st_dev == socketDevice_ &&
        found.st_ino == socketInode_)
        ::unlink(path_.c_str());
}

void WebUiTransport::tcp::leaveInherited()
{
    if (connection_ >= 0) ::close(connection_);
    if (listening_ >= 0) ::close(listening_);
    connection_ = -1;
    listening_ = -1;
    buffer_.clear();
}

void WebUiTransport::tcp::closeConnection()
{
    if (connection_ < 0) return;
    ::close(connection_);
    connection_ = -1;
}

bool WebUiTransport::tcp::acceptClient()
{
    const int client = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) {
        const int number = errno;
        if (number != EINTR && number != EAGAIN && number != ECONNABORTED)
            Log(0, true) << "ERROR: in accept webui client: " << errnoText(number);
        return false;
    }
    const long user = peerUser(client);
    if (user != static_cast<long>(::geteuid())) {
        ::close(client);
        Log(1, true) << "Warning: refused a web UI client of user " << user << " (this process runs as user "
                     << ::geteuid() << ")";
        return false;
    }
    connection_ = client;
    return true;
}

bool WebUiTransport::tcp::readRequestPiece()
{
    const FrameCheck before = checkFrame(buffer_);
    // Before the length is known, a short read; then exactly what is missing, so
    // that nothing after the request is taken.
    const std::size_t wanted =
        before.headerSize == 0 ? kMaxLengthDigits + 1 - std::min(buffer_.size(), kMaxLengthDigits)
                               : std::min<std::size_t>(65536, before.headerSize + before.bodySize - buffer_.size());
    char piece[65536];
    const ssize_t count = ::read(connection_, piece, wanted);
    if (count < 0) {
        const int number = errno;
        if (number == EINTR || number == EAGAIN) return false;
        Log(0, true) << "ERROR: read xml_command to buf: " << errnoText(number);
        closeConnection();
        return false;
    }
    if (count == 0) {
        Log(1, true) << "Warning: the web UI client closed its connection before its request was complete ("
                     << buffer_.size() << " bytes received)";
        closeConnection();
        return false;
    }
    buffer_.append(piece, static_cast<std::size_t>(count));
    const FrameCheck after = checkFrame(buffer_);
    if (after.state == FrameCheck::State::malformed) {
        Log(1, true) << "Warning: refused a web UI request: " << after.problem;
        closeConnection();
        buffer_.clear();
        return false;
    }
    if (after.state != FrameCheck::State::complete) return false;
    if (::shutdown(connection_, SHUT_RD) != 0) {
        const int number = errno;
        Log(0, true) << "ERROR: complete read of xml_command: " << errnoText(number);
    }
    return true;
}

void WebUiTransport::tcp::wait_command()
{
    if (listening_ < 0) throw KW_INTERNAL_ERROR();
    closeConnection();
    buffer_.clear();
    const int wakeUp = Progress::terminationWakeupDescriptor();
    for (;;) {
        struct pollfd watched[2];
        watched[0] = {connection_ >= 0 ? connection_ : listening_, POLLIN, 0};
        watched[1] = {wakeUp, POLLIN, 0};
        const int ready = ::poll(watched, 2, static_cast<int>(waitLimit_.count()));
        if (ready < 0) {
            const int number = errno;
            if (number == EINTR) {
                Progress::checkTermination();
                continue;
            }
            error failure = waitError();
            failure << "select: " << errnoText(number);
            throw failure;
        }
        if (ready == 0) throw WebUiTransport::timeout();
        if (watched[1].revents != 0) {
            Progress::drainTerminationWakeup();
            Progress::checkTermination();
            continue;
        }
        if (watched[0].revents == 0) {
            Log(1, true) << "WARNING: what's going on here???";
            continue;
        }
        if (connection_ >= 0) {
            if (readRequestPiece()) return;
            if (connection_ < 0) buffer_.clear();
        } else {
            acceptClient();
        }
    }
}

std::string WebUiTransport::tcp::get_command() const
{
    const FrameCheck check = checkFrame(buffer_);
    if (check.state != FrameCheck::State::complete) throw KW_INTERNAL_ERROR();
    return buffer_.substr(check.headerSize, check.bodySize);
}

void WebUiTransport::tcp::send_answer(const std::string& text, const std::string& shown)
{
    if (connection_ < 0) {
        Log(0, true) << "Warning: XML answer is already sent (try to send '" << shown << "'";
        return;
    }
    const int writeFailure = sendAll(connection_, frame(text));
    if (writeFailure != 0) Log(0, true) << "ERROR: write to xml_fd: " << errnoText(writeFailure);
    if (writeFailure == 0 && ::shutdown(connection_, SHUT_WR) != 0) {
        const int number = errno;
        Log(0, true) << "ERROR: complete write to xml_fd: " << errnoText(number);
    }
    const int fd = connection_;
    connection_ = -1;
    if (::close(fd) != 0) {
        const int number = errno;
        Log(0, true) << "ERROR: close xml_fd: " << errnoText(number);
    }
}

std::string WebUiTransport::tcp::request(const std::string& text) const
{
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0) {
        throw transportFailure("BackendProtocol: create socket failed: ", errno);
    }
    struct sockaddr_un address;
    if (!socketAddress(path_, address)) {
        error failure = transportError();
        failure << "Can't connect to backend: the path is too long: " << path_;
        throw failure;
    }
    int connected;
    do {
        connected = ::connect(socket.get(), reinterpret_cast<const struct sockaddr*>(&address), sizeof address);
    } while (connected != 0 && errno == EINTR);
    if (connected != 0) {
        throw transportFailure("Can't connect to backend: ", errno);
    }
    const long user = peerUser(socket.get());
    if (user != static_cast<long>(::geteuid())) {
        error failure = transportError();
        failure << "Can't connect to backend: the socket " << path_ << " is served by user " << user
                << ", not by this process's user " << ::geteuid();
        throw failure;
    }
    const int writeFailure = sendAll(socket.get(), frame(text));
    if (writeFailure != 0) {
        throw transportFailure("Can't write request portion: ", writeFailure);
    }
    if (::shutdown(socket.get(), SHUT_WR) != 0) {
        throw transportFailure("Can't complete write request portion: ", errno);
    }
    std::string reply;
    char piece[65536];
    for (;;) {
        const ssize_t count = ::read(socket.get(), piece, sizeof piece);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            const int number = errno;
            std::cerr << "ERROR reading from socket: " << errnoText(number) << std::endl;
            break;
        }
        if (count == 0) break;
        reply.append(piece, static_cast<std::size_t>(count));
        if (reply.size() > maxMessageSize + kMaxLengthDigits + 1) break;
    }
    if (reply.empty()) throw KW_INTERNAL_ERROR();
    const FrameCheck check = checkFrame(reply);
    // A reply cut short would reach the page as a broken document; say so.
    if (check.state != FrameCheck::State::complete || reply.size() != check.headerSize + check.bodySize) {
        error failure = transportError();
        failure << "Can't read the whole reply from backend: " << check << " in " << reply.size() << " bytes";
        throw failure;
    }
    if (::shutdown(socket.get(), SHUT_RD) != 0 && errno != ENOTCONN) {
        throw transportFailure("Can't complete reading from socket: ", errno);
    }
    if (::close(socket.release()) != 0) {
        throw transportFailure("Can't close connection: ", errno);
    }
    return reply.substr(check.headerSize);
}

namespace {

// The process's transport object and the number of handles on it. Used from one
// thread per process (the back end's loop, the front end's only thread).
WebUiTransport::rep* transportObject = nullptr;
int transportUses = 0;

WebUiTransport::rep& object()
{
    if (!transportObject) throw KW_INTERNAL_ERROR();
    return *transportObject;
}

}  // namespace

WebUiTransport::WebUiTransport(Mode mode, const std::string& socketPath, std::chrono::milliseconds waitLimit)
{
    if (!transportObject) {
        transportObject = new tcp(mode, socketPath, waitLimit);
    } else if (transportObject->owner() != ::getpid()) {
        transportObject->leaveInherited();
    }
    ++transportUses;
}

WebUiTransport::~WebUiTransport()
{
    if (--transportUses > 0) return;
    delete transportObject;
    transportObject = nullptr;
}

void WebUiTransport::wait_command() { object().wait_command(); }

std::string WebUiTransport::get_command() const { return object().get_command(); }

void WebUiTransport::send_answer(const TiXmlDocument& reply)
{
    rep& transport = object();
    std::ostringstream printed;
    printed << reply;
    const std::string shown = shownRoot(reply);
    Log(3, true) << "answer sent: " << shown;
    transport.send_answer(printed.str(), shown);
}

std::string WebUiTransport::request(const std::string& text) { return object().request(text); }
