// The wizard's login in a real browser (CTest label "browser"): Debian's
// chromium driven by playwright-core from npm, against the front end over
// TLS with a stand-in back end, and PAM stacks of the test's own in a
// private mount namespace (pam_permit), so the machine's accounts are never
// asked.

#include "tests/common/CommandOutput.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TestFiles.h"
#include "tests/web_ui/FrontEndHarness.h"
#include "web_ui/PasswordCheck.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

const char kSecret[] = "browsertestsecretforthefront";

TEST(LoginInBrowser, BySecretAndByPassword)
{
    if (access("/usr/bin/chromium", X_OK) != 0) GTEST_SKIP() << "chromium is not installed (scripts/deps.sh)";
    if (commandOutput("npm root -g 2>/dev/null").empty()) GTEST_SKIP() << "npm is not installed";
    const int result = runInPrivateMountNamespace([] {
        if (mount("tmpfs", "/etc/pam.d", "tmpfs", 0, "mode=0755") != 0) return kNamespaceRefused;
        writeFileWithDirectories("/etc/pam.d/common-auth", "auth required pam_permit.so\n");
        writeFileWithDirectories("/etc/pam.d/common-account", "account required pam_permit.so\n");
        web_ui_test::FrontEnd frontEnd(std::vector<std::pair<std::string, std::string>>{{"WEB_SECRET", kSecret}});
        frontEnd.backend.reply("get_current_page", web_ui_test::webReply("current-page-summary"));
        frontEnd.backend.reply("get_releases_list", web_ui_test::goldenReply("releases-installed-selected"));
        if (frontEnd.port() <= 0) {
            std::fprintf(stderr, "the front end did not start: %s\n", frontEnd.hostErrors().c_str());
            return 1;
        }
        int status = 0;
        const std::string output =
            commandOutput("timeout 120 node " + web_ui_test::quoted(KW_SOURCE_DIR "/tests/web_ui/browser/login.mjs") +
                              " " + web_ui_test::quoted(frontEnd.url("")) + " " + kSecret + " " +
                              web_ui_test::quoted(getProcessUserName()) + " 2>&1",
                          &status);
        if (status != 0) std::fprintf(stderr, "%s\n", output.c_str());
        return status == 0 ? 0 : 1;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(0, result);
}

}  // namespace
