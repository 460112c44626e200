#include "web_ui/BackendClient.h"

#include "common/WebUiTransport.h"

BackendClient::BackendClient(std::string socketPath) : socketPath_(std::move(socketPath)) {}

BackendClient::~BackendClient() = default;

std::string BackendClient::ask(const std::string& request)
{
    if (!transport_) transport_ = std::make_unique<WebUiTransport>(WebUiTransport::Mode::client, socketPath_);
    return transport_->request(request);
}
