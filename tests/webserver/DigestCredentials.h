#pragma once

// Digest credentials as a client makes them (RFC 2617 with qop "auth", or
// the older RFC 2069 form without it), for requests to the embedded server.

#include "common/md5.h"

#include <string>

namespace webserver_test {

// The nonce of a reply's challenge; empty without one.
inline std::string challengeNonce(const std::string& reply)
{
    const std::size_t at = reply.find("nonce=\"");
    if (at == std::string::npos) return "";
    const std::size_t start = at + 7;
    return reply.substr(start, reply.find('"', start) - start);
}

struct DigestCredentials {
    std::string user = "u";
    std::string realm = "R";
    std::string password = "p";
    bool with_qop = true;

    // The response for `method` and `uri` with `nonce`.
    std::string response(const std::string& method, const std::string& uri, const std::string& nonce) const
    {
        const std::string ha1 = md5String(user + ":" + realm + ":" + password);
        const std::string ha2 = md5String(method + ":" + uri);
        if (!with_qop) return md5String(ha1 + ":" + nonce + ":" + ha2);
        return md5String(ha1 + ":" + nonce + ":00000001:0a4f113b:auth:" + ha2);
    }
    // The Authorization header line (with CR LF); `response_text` replaces
    // the computed response when it is not empty.
    std::string header(const std::string& method, const std::string& uri, const std::string& nonce,
                       const std::string& response_text = "") const
    {
        const std::string r = response_text.empty() ? response(method, uri, nonce) : response_text;
        std::string line = "Authorization: Digest username=\"" + user + "\", realm=\"" + realm + "\", nonce=\"" +
                           nonce + "\", uri=\"" + uri + "\", response=\"" + r + "\"";
        if (with_qop) line += ", qop=auth, nc=00000001, cnonce=\"0a4f113b\"";
        return line + "\r\n";
    }
};

// A passwords-file line for the credentials.
inline std::string passwordsLine(const DigestCredentials& c)
{
    return c.user + ":" + c.realm + ":" + md5String(c.user + ":" + c.realm + ":" + c.password) + "\n";
}

} // namespace webserver_test
