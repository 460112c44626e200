#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>

class TiXmlDocument;

// The local stream socket between the two processes of the web wizard: the
// installer process answers (server, the web back end) and its forked web front
// end asks (client). Every request uses a connection of its own; one request,
// one reply.
//
// A message travels as a frame: the body's byte length in decimal digits, one
// line feed, the body.
//
// The handle has no data of its own: the process holds one transport object,
// made by the first handle (with that handle's mode and path) and deleted with
// the last. The front end is a fork without a new program image, so it inherits
// the back end's object; its first handle there closes the inherited listening
// socket and connection, and only the process that bound the socket ever removes
// its file.
//
// The socket sits in the world-writable /tmp: both ends check the peer's user
// (SO_PEERCRED) and talk only to a peer of their own effective user.
//
// Threads: the server operations run on one thread. A client request touches no
// state of the object, so a test may run clients beside the server.
class WebUiTransport {
public:
    enum class Mode { client = 0, server = 1 };

    static const char* const defaultSocketPath;  // "/tmp/kitwright_webui_socket"
    // A frame whose declared body is longer is refused without reading it.
    static constexpr std::size_t maxMessageSize = 16 * 1024 * 1024;
    // The server's wait for one request; every wait starts it afresh.
    static constexpr std::chrono::milliseconds defaultWaitLimit{1800 * 1000};

    // Raised by wait_command when no request comes within the wait limit.
    class timeout {};

    // What a collected byte string holds so far.
    struct FrameCheck {
        enum class State { incomplete, complete, malformed };
        State state = State::incomplete;
        std::size_t headerSize = 0;  // the digits and the line feed, once read
        std::size_t bodySize = 0;    // the declared length, once read
        std::string problem;         // for malformed: what is wrong, for the log
    };
    // A frame is complete once its declared body has arrived; bytes after it are
    // not part of it. Malformed: a first byte that is not a digit, more digits
    // than the size limit needs, a length over the limit, or something else than
    // a line feed after the digits.
    static FrameCheck checkFrame(const std::string& collected);
    static std::string frame(const std::string& body);
    // A request or reply text as the log may show it: its root with every
    // password, session id and setting value masked; a text that is not XML
    // shows as its size alone (it may hold anything).
    static std::string shown(const std::string& text);

    // The path and the wait limit are for tests; a handle made while an object
    // exists shares that object and ignores its arguments. Server mode removes a
    // stale socket at the path (anything else there is an error), then binds it
    // with no access for group and others, close-on-exec. Raises error (4,2,1,2).
    explicit WebUiTransport(Mode mode, const std::string& socketPath = defaultSocketPath,
                            std::chrono::milliseconds waitLimit = defaultWaitLimit);
    ~WebUiTransport();
    WebUiTransport(const WebUiTransport&) = delete;
    WebUiTransport& operator=(const WebUiTransport&) = delete;

    // Server: blocks until one complete request has arrived on a new connection.
    // A connection left unanswered is closed first. A client of another user, a
    // malformed or over-long frame and a client that closes early end that
    // exchange with a logged warning, and the wait goes on. A recorded
    // termination signal ends the wait at once with Progress::Interrupted (the
    // wait watches Progress::terminationWakeupDescriptor); no readiness within the limit
    // raises timeout; a failing wait raises error (4,1,1,2) "select: ...".
    void wait_command();
    // Server: the body of the request just read.
    std::string get_command() const;
    // Server: prints the document compactly, logs the root (secrets masked) and
    // sends it on the open connection, which is then closed. Without one it only
    // logs that the answer was already sent.
    void send_answer(const TiXmlDocument& reply);

    // Client: sends the text as one request on a new connection to a server of
    // this user and returns the reply body. Raises error (4,2,1,2).
    std::string request(const std::string& text);

    class rep;
    class tcp;
};

std::ostream& operator<<(std::ostream& out, const WebUiTransport::FrameCheck& check);
