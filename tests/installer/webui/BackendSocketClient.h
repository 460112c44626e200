#pragma once

#include "common/WebUiTransport.h"
#include "common/error.h"

#include <sys/inotify.h>
#include <sys/stat.h>
#include <poll.h>
#include <unistd.h>

#include <tinyxml.h>

#include <chrono>
#include <string>

// The front end's side of the back-end protocol, for tests that drive the real
// back end over its local socket: requests as the pages send them, replies
// read back. Runs where the back end's socket is (inside its private host).
class BackendSocketClient {
public:
    explicit BackendSocketClient(std::string socketPath = WebUiTransport::defaultSocketPath)
        : socketPath_(std::move(socketPath))
    {
    }

    // Waits until the socket exists (watching its directory, never longer than
    // `limit`) and the back end answers a ping; the back end answers its
    // first command only after it built the catalogue.
    bool waitForBackend(std::chrono::seconds limit = std::chrono::seconds(300))
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        if (!waitForPath(socketPath_, limit)) return false;
        // Between bind and listen a connection is refused: a few tries close that gap.
        for (int attempt = 0; attempt < 100000 && std::chrono::steady_clock::now() < deadline; ++attempt) {
            try {
                if (status(command("ping")) == "ok") return true;
            } catch (const error&) {
                ::sched_yield();
            }
        }
        return false;
    }

    // Waits until something exists at `path`, watching its directory (which must
    // exist), never longer than `limit`; whether it appeared.
    static bool waitForPath(const std::string& path, std::chrono::seconds limit)
    {
        const std::string directory = path.substr(0, path.rfind('/'));
        const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        if (watch < 0 || ::inotify_add_watch(watch, directory.c_str(), IN_CREATE) < 0) {
            if (watch >= 0) ::close(watch);
            return false;
        }
        const auto deadline = std::chrono::steady_clock::now() + limit;
        struct stat info;
        bool found = false;
        while (!(found = ::stat(path.c_str(), &info) == 0)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            struct pollfd ready = {watch, POLLIN, 0};
            if (::poll(&ready, 1, static_cast<int>(left.count())) > 0) {
                char events[4096];
                while (::read(watch, events, sizeof events) > 0) {
                }
            }
        }
        ::close(watch);
        return found;
    }

    // One request as text, its reply body.
    std::string request(const std::string& text)
    {
        WebUiTransport client(WebUiTransport::Mode::client, socketPath_);
        return client.request(text);
    }

    // A command with its attributes (` name="value"`) and the request's further
    // elements.
    std::string command(const std::string& name, const std::string& attributes = std::string(),
                        const std::string& content = std::string())
    {
        return request("<request><command value=\"" + name + "\"" + attributes + "/>" + content + "</request>");
    }

    // The reply root's attribute "status" ("" for an unreadable reply).
    static std::string status(const std::string& reply) { return rootAttribute(reply, "status"); }

    // An attribute of the reply root: "error_message", "error_class".
    static std::string rootAttribute(const std::string& reply, const char* name)
    {
        TiXmlDocument document;
        document.Parse(reply.c_str());
        const TiXmlElement* root = document.RootElement();
        const char* value = root ? root->Attribute(name) : nullptr;
        return value ? value : "";
    }

    // The text of the first element of that name anywhere in the reply, or of
    // its attribute when one is named.
    static std::string find(const std::string& reply, const std::string& element,
                            const std::string& attribute = std::string())
    {
        TiXmlDocument document;
        document.Parse(reply.c_str());
        const TiXmlElement* found = search(document.RootElement(), element);
        if (!found) return std::string();
        if (!attribute.empty()) return found->Attribute(attribute.c_str()) ? found->Attribute(attribute.c_str()) : "";
        return found->GetText() ? found->GetText() : "";
    }

private:
    static const TiXmlElement* search(const TiXmlElement* element, const std::string& name)
    {
        if (!element) return nullptr;
        if (element->ValueStr() == name) return element;
        for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement())
            if (const TiXmlElement* found = search(child, name)) return found;
        return nullptr;
    }

    std::string socketPath_;
};
