#pragma once

#include <tinyxml.h>

#include <string>

// A request document of a form page for the back end: the declaration
// (version "1.0", encoding "UTF-8", standalone "yes") and the root "request"
// whose first child is "command" with the command's name in "value". Values
// are set with xmlbind::setAttribute, so any text gives a well-formed request.
class BackendRequest {
public:
    explicit BackendRequest(const std::string& command);
    BackendRequest(const BackendRequest&) = delete;
    BackendRequest& operator=(const BackendRequest&) = delete;

    TiXmlElement* root() { return root_; }
    TiXmlElement* command() { return command_; }

    // Appends a new element named `name` to `parent` and returns it.
    static TiXmlElement* append(TiXmlElement* parent, const char* name);

    // The document printed compactly, followed by a line feed.
    std::string text() const;

private:
    TiXmlDocument document_;
    TiXmlElement* root_;
    TiXmlElement* command_;
};
