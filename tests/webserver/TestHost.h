#pragma once

// Runs the embedded server's test host as a child process and talks to it
// over 127.0.0.1. The host listens on port 0 and prints the port it got; it
// is stopped by its own PID with SIGTERM (also when a tracer runs it), waited
// for with a bound, and ends by itself after ten minutes.

#include "tests/common/TestFiles.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace webserver_test {

// Exit status and standard error of a host that ended by itself.
struct HostExit {
    int status = -1;
    std::string err;
};

class TestHost {
public:
    // `args` follow argv[0]; `argv0` replaces the program path as argv[0]
    // when set; `cwd` is the host's working directory when set; `stdin_fd`
    // becomes its standard input when set; `wrapper` (a program and its
    // arguments, such as a tracer) runs the host as its only child when set.
    explicit TestHost(std::vector<std::string> args, std::string argv0 = "", std::string cwd = "",
                      int stdin_fd = -1, std::vector<std::string> wrapper = {})
        : wrapped_(!wrapper.empty())
    {
        char err_pattern[] = "/tmp/kwhttpd-host-err-XXXXXX";
        const int err_fd = mkstemp(err_pattern);
        err_path_ = err_pattern;
        int out[2];
        if (err_fd < 0 || pipe(out) != 0) return;
        std::vector<std::string> argv_text = wrapper;
        argv_text.push_back(argv0.empty() ? KW_TEST_HOST : argv0);
        argv_text.insert(argv_text.end(), args.begin(), args.end());
        pid_ = fork();
        if (pid_ == 0) {
            if (stdin_fd >= 0) dup2(stdin_fd, 0);
            dup2(out[1], 1);
            dup2(err_fd, 2);
            if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(127);
            std::vector<char*> argv;
            for (std::string& a : argv_text) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(wrapper.empty() ? KW_TEST_HOST : wrapper.front().c_str(), argv.data());
            _exit(127);
        }
        close(out[1]);
        close(err_fd);
        out_ = fdopen(out[0], "r");
        int port = 0;
        if (out_ && std::fscanf(out_, "port %d", &port) == 1) port_ = port;
    }
    ~TestHost()
    {
        stop();
        if (out_) std::fclose(out_);
        unlink(err_path_.c_str());
    }
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    int port() const { return port_; }
    pid_t pid() const { return pid_; }
    // The host's own PID: the child's, or the wrapper's child.
    pid_t hostPid() const
    {
        if (!wrapped_ || pid_ <= 0) return pid_;
        const std::string task = "/proc/" + std::to_string(pid_) + "/task/" + std::to_string(pid_);
        std::ifstream children(task + "/children");
        pid_t child = -1;
        children >> child;
        return child;
    }

    // Waits for the host to end (for hosts that fail at start-up).
    HostExit wait()
    {
        HostExit result;
        int status = 0;
        if (pid_ > 0 && waitpid(pid_, &status, 0) == pid_) result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pid_ = -1;
        result.err = errors();
        return result;
    }
    std::string errors() const { return readFile(err_path_); }
    // A wrapper such as a tracer ends after the host; a signal to it instead
    // would only detach it. Whatever does not end in time is killed.
    void stop()
    {
        if (pid_ <= 0) return;
        const pid_t host = hostPid();
        kill(host > 0 ? host : pid_, SIGTERM);
        const int handle = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
        pollfd ended{handle, POLLIN, 0};
        if (handle >= 0 && poll(&ended, 1, kStopSeconds * 1000) != 1) {
            if (host > 0) kill(host, SIGKILL);
            kill(pid_, SIGKILL);
        }
        if (handle >= 0) close(handle);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    // CPU time (user + system) the host has used so far, in seconds.
    double cpuSeconds() const
    {
        std::ifstream in("/proc/" + std::to_string(pid_) + "/stat");
        std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::string field;
        unsigned long long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && fields >> field; ++i) {
            if (i == 14) utime = std::stoull(field);
            if (i == 15) stime = std::stoull(field);
        }
        return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
    }

private:
    static constexpr int kStopSeconds = 30;
    bool wrapped_ = false;
    pid_t pid_ = -1;
    int port_ = -1;
    FILE* out_ = nullptr;
    std::string err_path_;
};

// A client connection with a receive time-out, so that no test hangs.
class Client {
public:
    explicit Client(int port, int timeout_seconds = 20)
    {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        timeval tv{timeout_seconds, 0};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    }
    ~Client() { close(fd_); }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    bool connected() const { return connected_; }
    int fd() const { return fd_; }

    // Sends everything, `piece` bytes per write (0: in one write). Errors
    // are ignored: a server that has answered may stop reading.
    void send(const std::string& data, std::size_t piece = 0)
    {
        const std::size_t step = piece == 0 ? data.size() : piece;
        for (std::size_t at = 0; at < data.size(); at += step)
            if (::send(fd_, data.data() + at, std::min(step, data.size() - at), MSG_NOSIGNAL) < 0) return;
    }
    // One reply: the head, then Content-Length bytes of body, or everything
    // up to the end of the stream when there is no length.
    std::string readReply()
    {
        std::size_t head_end = std::string::npos;
        while ((head_end = buffer_.find("\r\n\r\n")) == std::string::npos)
            if (!fill()) return take(buffer_.size());
        head_end += 4;
        const std::string head = buffer_.substr(0, head_end);
        const std::size_t cl = head.find("Content-Length: ");
        if (cl == std::string::npos) {
            while (fill()) {
            }
            return take(buffer_.size());
        }
        const std::size_t length = std::stoul(head.substr(cl + 16));
        while (buffer_.size() < head_end + length)
            if (!fill()) break;
        return take(std::min(buffer_.size(), head_end + length));
    }
    // True when the server closed the connection (and sent nothing more).
    bool closedByServer()
    {
        return buffer_.empty() && !fill();
    }

private:
    bool fill()
    {
        char chunk[65536];
        const ssize_t n = recv(fd_, chunk, sizeof chunk, 0);
        if (n <= 0) return false;
        buffer_.append(chunk, static_cast<std::size_t>(n));
        return true;
    }
    std::string take(std::size_t n)
    {
        std::string out = buffer_.substr(0, n);
        buffer_.erase(0, n);
        return out;
    }

    int fd_ = -1;
    bool connected_ = false;
    std::string buffer_;
};

// One request on a new connection, and its reply.
inline std::string request(const TestHost& host, const std::string& text)
{
    Client client(host.port());
    client.send(text);
    return client.readReply();
}

// A GET on a new connection that closes after the reply.
inline std::string get(const TestHost& host, const std::string& uri, const std::string& headers = "")
{
    return request(host, "GET " + uri + " HTTP/1.1\r\nConnection: close\r\n" + headers + "\r\n");
}

inline std::string statusLine(const std::string& reply)
{
    return reply.substr(0, reply.find("\r\n"));
}

// The value of a reply's header line; empty without one.
inline std::string header(const std::string& reply, const std::string& name)
{
    const std::string head = reply.substr(0, reply.find("\r\n\r\n") + 2);
    const std::size_t at = head.find("\r\n" + name + ": ");
    if (at == std::string::npos) return "";
    const std::size_t start = at + name.size() + 4;
    return head.substr(start, head.find("\r\n", start) - start);
}

inline std::string body(const std::string& reply)
{
    const std::size_t at = reply.find("\r\n\r\n");
    return at == std::string::npos ? "" : reply.substr(at + 4);
}

} // namespace webserver_test
