#pragma once

// The web front end as the browser sees it: the front-end test host
// (web_ui_test_host) on 127.0.0.1, port 0, over TLS with a throw-away
// certificate, asking a stand-in back end (fake_backend) on a local socket
// in a temporary directory. The stand-in answers each command with the reply
// document a test put in place (golden replies of tests/data/backend-protocol
// and the front-end fixtures of tests/data/web/replies) and records every
// request. Requests go through curl.

#include "tests/common/CommandOutput.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestCertificates.h"
#include "tests/common/TestFiles.h"
#include "tests/webserver/ServerContext.h"
#include "tests/webserver/TestHost.h"
#include "web_ui/WebPages.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <chrono>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace web_ui_test {

inline std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Whether the page (or request) holds the text.
inline bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

inline std::string goldenReply(const std::string& name)
{
    return KW_SOURCE_DIR "/tests/data/backend-protocol/" + name + ".xml";
}

inline std::string webReply(const std::string& name)
{
    return KW_SOURCE_DIR "/tests/data/web/replies/" + name + ".xml";
}

// The stand-in back end; it runs from construction until stop() or the end.
class FakeBackend {
public:
    FakeBackend()
    {
        ::mkdir((dir_.path() + "/replies").c_str(), 0700);
        start();
    }
    ~FakeBackend() { stop(); }
    FakeBackend(const FakeBackend&) = delete;
    FakeBackend& operator=(const FakeBackend&) = delete;

    std::string socketPath() const { return dir_.path() + "/backend.sock"; }

    // The reply to `command` from now on: a copy of the file.
    void reply(const std::string& command, const std::string& file) { replyText(command, readFile(file)); }
    void replyText(const std::string& command, const std::string& text)
    {
        writeFileWithDirectories(dir_.path() + "/replies/" + command + ".xml", text);
    }
    void noReply(const std::string& command) { ::unlink((dir_.path() + "/replies/" + command + ".xml").c_str()); }

    // Every request so far, in order, line feeds as "\n".
    std::vector<std::string> requests() const
    {
        std::vector<std::string> lines;
        std::istringstream in(readFile(dir_.path() + "/requests.log"));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    // The command names of the requests so far.
    std::vector<std::string> commands() const
    {
        std::vector<std::string> names;
        for (const std::string& request : requests()) {
            const std::size_t at = request.find("<command value=\"");
            if (at == std::string::npos) continue;
            const std::size_t start = at + 16;
            names.push_back(request.substr(start, request.find('"', start) - start));
        }
        return names;
    }
    void forgetRequests() { ::unlink((dir_.path() + "/requests.log").c_str()); }

    bool running() const { return pid_ > 0; }
    void start()
    {
        int out[2];
        if (pid_ > 0 || pipe(out) != 0) return;
        std::fflush(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], 1);
            close(out[0]);
            const std::string socket = socketPath(), replies = dir_.path() + "/replies",
                              log = dir_.path() + "/requests.log";
            execl(KW_FAKE_BACKEND, KW_FAKE_BACKEND, socket.c_str(), replies.c_str(), log.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        // The stand-in listens once it says so.
        char ready[8] = {};
        FILE* said = fdopen(out[0], "r");
        if (said == nullptr || std::fgets(ready, sizeof ready, said) == nullptr) stop();
        if (said) std::fclose(said);
    }
    void stop()
    {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
        ::unlink(socketPath().c_str());
    }

private:
    TempDir dir_;
    pid_t pid_ = -1;
};

// One HTTP answer as curl received it.
struct Answer {
    int status = 0;
    std::string head;  // the status line and the header lines
    std::string body;
    std::string curlErrors;

    // The value of the first header line of that name (exact case); empty without one.
    std::string header(const std::string& name) const
    {
        std::istringstream lines(head);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.compare(0, name.size() + 2, name + ": ") == 0) return line.substr(name.size() + 2);
        }
        return std::string();
    }
    // The session id the answer's Set-Cookie line gives; empty without one.
    std::string sessionCookie() const
    {
        const std::string line = header("Set-Cookie");
        if (line.compare(0, 10, "sessionID=") != 0) return std::string();
        return line.substr(10, line.find(';') - 10);
    }
};

// A request: headers are whole lines without the line end; a form (already
// URL-encoded) makes it a POST.
struct Request {
    std::string path;
    std::vector<std::string> headers;
    std::string form;
    bool post = false;
};

// The front end under test with its stand-in back end and its log file.
class FrontEnd {
public:
    // `environment`: variables the front end starts with (WEB_SECRET ...).
    explicit FrontEnd(const std::vector<std::pair<std::string, std::string>>& environment = {}, bool tls = true)
        : tls_(tls)
    {
        ScopedEnvironment socket("KW_TEST_BACKEND_SOCKET", backend.socketPath());
        ScopedEnvironment log("KW_TEST_LOG_FILE", logFile());
        std::vector<std::unique_ptr<ScopedEnvironment>> variables;
        for (const auto& variable : environment)
            variables.push_back(std::make_unique<ScopedEnvironment>(variable.first, variable.second));
        std::vector<std::string> arguments = {"0"};
        if (tls) arguments.push_back(certificates_.keyAndCertificateFile());
        host_ = std::make_unique<webserver_test::TestHost>(arguments);
    }

    int port() const { return host_->port(); }
    std::string hostErrors() const { return host_->errors(); }
    pid_t pid() const { return host_->pid(); }
    std::string logFile() const { return logDir_.path() + "/kitwright.log"; }
    std::string log() const { return readFile(logFile()); }
    std::string url(const std::string& path) const
    {
        return std::string(tls_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port()) + path;
    }
    const TestCertificates& certificates() const { return certificates_; }

    Answer fetch(const Request& request) const
    {
        TempDir scratch;
        std::string command = "curl -sS -i --max-time 30 --cacert " + quoted(certificates_.caFile());
        for (const std::string& header : request.headers) command += " -H " + quoted(header);
        if (request.post || !request.form.empty()) {
            writeFileWithDirectories(scratch.path() + "/form", request.form);
            command += " --data-binary @" + quoted(scratch.path() + "/form");
        }
        command += " " + quoted(url(request.path)) + " -o " + quoted(scratch.path() + "/answer") + " 2>" +
                   quoted(scratch.path() + "/errors");
        Answer answer;
        commandOutput(command);
        const std::string whole = readFile(scratch.path() + "/answer");
        answer.curlErrors = readFile(scratch.path() + "/errors");
        const std::size_t end = whole.find("\r\n\r\n");
        answer.head = whole.substr(0, end == std::string::npos ? whole.size() : end + 2);
        answer.body = end == std::string::npos ? std::string() : whole.substr(end + 4);
        if (answer.head.size() > 12) answer.status = std::atoi(answer.head.c_str() + 9);
        return answer;
    }
    Answer get(const std::string& path, const std::string& session = std::string()) const
    {
        Request request{path, {}, "", false};
        if (!session.empty()) request.headers.push_back("Cookie: sessionID=" + session);
        return fetch(request);
    }
    Answer post(const std::string& path, const std::string& form, const std::string& session = std::string()) const
    {
        Request request{path, {}, form, true};
        if (!session.empty()) request.headers.push_back("Cookie: sessionID=" + session);
        return fetch(request);
    }

    // Logs in by the one-time secret the front end was started with; the
    // admitted session id.
    std::string admitBySecret(const std::string& secret) const
    {
        return get("/?secret=" + secret, get("/").sessionCookie()).sessionCookie();
    }
    // The session's CSRF token, as the login-free summary page shows it in
    // its forms (the stand-in must answer get_releases_list).
    static std::string csrfTokenOf(const std::string& page)
    {
        const std::string marker = "name=\"csrf_token\" value=\"";
        const std::size_t at = page.find(marker);
        if (at == std::string::npos) return std::string();
        const std::size_t start = at + marker.size();
        return page.substr(start, page.find('"', start) - start);
    }

    FakeBackend backend;

private:
    bool tls_;
    TempDir logDir_;
    TestCertificates certificates_;
    std::unique_ptr<webserver_test::TestHost> host_;
};

// The front end's pages in this process, served without sockets
// (kwhttpd_serve_bytes) with a clock the test sets, asking a stand-in back
// end. Only one may exist at a time: the process has one back-end transport.
class InProcessFrontEnd {
public:
    InProcessFrontEnd() : pages_(backend.socketPath(), [this] { return now; }) { pages_.registerPages(context_.get()); }

    // A whole raw request, and the whole answer.
    std::string serve(const std::string& request) const { return context_.serve(request); }
    std::string get(const std::string& path, const std::string& session = std::string()) const
    {
        return serve("GET " + path + " HTTP/1.1\r\nConnection: close\r\n" +
                     (session.empty() ? std::string() : "Cookie: sessionID=" + session + "\r\n") + "\r\n");
    }
    std::string post(const std::string& path, const std::string& form, const std::string& session = std::string()) const
    {
        return serve("POST " + path + " HTTP/1.1\r\nConnection: close\r\n" +
                     (session.empty() ? std::string() : "Cookie: sessionID=" + session + "\r\n") +
                     "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                     std::to_string(form.size()) + "\r\n\r\n" + form);
    }
    static std::string sessionCookie(const std::string& answer)
    {
        const std::string value = webserver_test::header(answer, "Set-Cookie");
        if (value.compare(0, 10, "sessionID=") != 0) return std::string();
        return value.substr(10, value.find(';') - 10);
    }
    // A session admitted by a login through PAM is out of reach here: the
    // table admits one directly, as a login would.
    std::string admit()
    {
        const std::string id = sessionCookie(get("/"));
        if (!id.empty()) pages_.sessions().checkSession(("sessionID=" + id).c_str());
        return pages_.sessions().admitCurrentSession().id;
    }
    std::string csrfToken(const std::string& id)
    {
        const WebUiSession* session = pages_.sessions().find(id);
        return session ? session->csrfToken : std::string();
    }
    WebSessions& sessions() { return pages_.sessions(); }
    WebPages& pages() { return pages_; }
    // A page of the test's own at `uri` (registered after the front end's).
    void addPage(const char* uri, kwhttpd_callback callback, void* data)
    {
        kwhttpd_register_uri(context_.get(), uri, callback, data);
    }

    FakeBackend backend;
    std::chrono::system_clock::time_point now = std::chrono::system_clock::now();

private:
    webserver_test::ServerContext context_;
    WebPages pages_;
};

}  // namespace web_ui_test
