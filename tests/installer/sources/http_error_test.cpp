#include "installer/sources/http_error.h"

#include "installer/sources/UpdateServer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Only a 404 below the product's own update server asks for support; the
// same status elsewhere, another status there, and a failure without a status
// keep their support code.
TEST(http_error, SupportIsAdvisedOnlyForAFileMissingOnTheUpdateServer)
{
    const std::string server = UpdateServer::defaultRootUrl;
    struct Case {
        const char* name;
        std::string url;  // empty: a failure without an HTTP status
        long status;
        int support;
    };
    const Case cases[] = {
        {"404 on the update server", server + "zarni/versions.inf3", 404, 3},
        {"404 at the server's root", server, 404, 3},
        {"another status on the update server", server + "zarni/versions.inf3", 500, 2},
        {"403 on the update server", server + "zarni/versions.inf3", 403, 2},
        {"404 on a mirror", "https://mirror.zarni.example/zarni/versions.inf3", 404, 2},
        {"a host that only begins like the server", "https://updates.zarni.example.evil.zarni.example/x", 404, 2},
        {"not a download failure", "", 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<error> failure =
            c.url.empty() ? std::make_unique<error>(4, 1, 1, 2) : std::make_unique<http_error>(c.url, c.status);
        adviseSupportForMissingUpdateFile(*failure);
        EXPECT_EQ(failure->support(), c.support);
    }
}
