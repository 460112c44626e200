#pragma once

#include <memory>
#include <string>

class WebUiTransport;

// The front end's side of the local socket to the back end: one request, one
// reply. The transport handle is made on the first request and kept. In the
// front end forked from the back end the process's transport object already
// exists and names the socket; the path given here serves a front end that
// runs on its own (tests).
class BackendClient {
public:
    explicit BackendClient(std::string socketPath);
    ~BackendClient();
    BackendClient(const BackendClient&) = delete;
    BackendClient& operator=(const BackendClient&) = delete;

    // Sends the request and returns the reply text; transport failures raise
    // error (4,2,1,2) with the transport's text.
    std::string ask(const std::string& request);

private:
    std::string socketPath_;
    std::unique_ptr<WebUiTransport> transport_;
};
