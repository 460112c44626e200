#pragma once

#include "common/error.h"

#include <ostream>
#include <string>

// A download that failed after the server answered with an HTTP status: the
// catalogue tells "not on the server" (404) apart from other failures by it.
// Raised with the codes (1, 2, 1, 2) and the text of "err_pkg_dwnld"; handlers
// that need no difference catch it as `error`.
class http_error : public error {
public:
    http_error(const std::string& url, long status) : error(1, 2, 1, 2), url_(url), status_(status) {}

    // The URL of the last failed attempt; it may carry credentials, so show it
    // through redact::url.
    const std::string& url() const { return url_; }
    long status() const { return status_; }

private:
    std::string url_;
    long status_;
};

std::ostream& operator<<(std::ostream& out, const http_error& failure);

// A file missing (404) below the product's own update server means the
// catalogue names what the server lacks: only support can mend that, so such a
// failure says support is needed (support code 3). Any other failure is left
// as it is.
void adviseSupportForMissingUpdateFile(error& failure);
