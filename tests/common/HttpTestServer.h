#pragma once

#include "tests/common/TestCertificates.h"
#include "tests/common/TempDir.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

// The one HTTP(S) server of the test suite: tests/bin/http-test-server serving a
// directory on 127.0.0.1 at a free port, started for the life of this object. It
// stops with the object, and by itself when the test process is gone or after its
// lifetime.
//
// Behaviours replace plain serving for single paths (see the script): e.g.
//     HttpTestServer server(root.path(), {{"/missing.inf3", "status", "404"},
//                                         {"/flaky.inf3", "fail-then-serve", "1"}});
// With certificates the server speaks HTTPS only.
class HttpTestServer {
public:
    // Path, behaviour name and its argument (empty when it takes none).
    struct Behaviour {
        std::string path;
        std::string name;
        std::string argument;
    };

    explicit HttpTestServer(const std::string& root, const std::vector<Behaviour>& behaviours = {},
                            const TestCertificates* tls = nullptr)
        : requestLog_(logDirectory_.path() + "/requests")
    {
        std::vector<std::string> arguments = {"python3", KW_SOURCE_DIR "/tests/bin/http-test-server", "--root", root,
                                              "--request-log", requestLog_};
        for (const Behaviour& behaviour : behaviours) {
            arguments.insert(arguments.end(), {"--behave", behaviour.path, behaviour.name});
            if (!behaviour.argument.empty()) arguments.push_back(behaviour.argument);
        }
        if (tls) arguments.insert(arguments.end(), {"--cert", tls->certificateFile(), "--key", tls->keyFile()});
        scheme_ = tls ? "https" : "http";
        start(arguments);
    }
    ~HttpTestServer()
    {
        ::kill(pid_, SIGTERM);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:<port>/" (or https), ending in "/".
    std::string baseUrl() const { return scheme_ + "://127.0.0.1:" + std::to_string(port_) + "/"; }

    // The requests answered so far, in order, as "GET /path".
    std::vector<std::string> requests() const
    {
        std::vector<std::string> lines;
        std::ifstream log(requestLog_);
        for (std::string line; std::getline(log, line);) lines.push_back(line);
        return lines;
    }

private:
    void start(const std::vector<std::string>& arguments)
    {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
        std::vector<char*> argv;
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        std::fflush(nullptr);
        pid_ = ::fork();
        if (pid_ < 0) throw std::runtime_error("fork failed");
        if (pid_ == 0) {
            ::dup2(pipeEnds[1], 1);
            ::close(pipeEnds[0]);
            ::close(pipeEnds[1]);
            ::execvp(argv[0], argv.data());
            _exit(127);
        }
        ::close(pipeEnds[1]);
        // The server prints "PORT <n>" once it listens, or exits, which ends the read.
        std::string line;
        char c;
        while (line.find('\n') == std::string::npos) {
            const ssize_t count = ::read(pipeEnds[0], &c, 1);
            if (count < 0 && errno == EINTR) continue;
            if (count <= 0) break;
            line += c;
        }
        ::close(pipeEnds[0]);
        if (std::sscanf(line.c_str(), "PORT %d", &port_) != 1)
            throw std::runtime_error("the test server did not start: '" + line + "'");
    }

    TempDir logDirectory_;
    std::string requestLog_;
    std::string scheme_;
    pid_t pid_ = -1;
    int port_ = 0;
};
