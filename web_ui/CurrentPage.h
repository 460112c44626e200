#pragma once

#include <string>

class BackendClient;

// The wizard's current page lives in the back end; the front end asks for it
// ("get_current_page") and maps the page id to its URL.

// The URL path of a back-end page id; empty for an unknown id.
std::string pageUrlOfId(const std::string& id);

// The URL path of the current page; "/summary.html" when the back end
// cannot be asked or answers anything unexpected.
std::string getCurrentPageUrl(BackendClient& backend);
