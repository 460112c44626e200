#pragma once

#include "common/xmlbind.h"

#include <string>

// A request document of the front end to the back end: the XML declaration
// line, a line feed and the root "request" whose first child "command" names
// the command in its attribute "value". Every value goes in through the XML
// library, so that no text a browser sent can change the document's shape.
class BackendRequest {
public:
    explicit BackendRequest(const std::string& command);
    BackendRequest(const BackendRequest&) = delete;
    BackendRequest& operator=(const BackendRequest&) = delete;

    // Sets an attribute of the "command" element.
    BackendRequest& set(const std::string& attribute, const std::string& value);
    // The "command" element and the "request" root, for content beside it.
    TiXmlElement* command() { return command_; }
    TiXmlElement* root() { return root_; }

    std::string text() const;

private:
    xmlbind::Document document_;
    TiXmlElement* root_;
    TiXmlElement* command_;
};

// The text of a request that holds only the command.
std::string backendCommand(const std::string& command);
