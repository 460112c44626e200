// The wizard's login in a real browser (CTest label "browser"): Debian's
// chromium driven by playwright-core from npm, against the front end over
// TLS with a stand-in back end, and PAM stacks of the test's own in a
// private mount namespace (pam_permit), so the machine's accounts are never
// asked.

#include "tests/common/BrowserScenario.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/web_ui/FrontEndHarness.h"
#include "web_ui/PasswordCheck.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <cstdio>
#include <string>

namespace {

const char kSecret[] = "browsertestsecretforthefront";

TEST(LoginInBrowser, BySecretAndByPassword)
{
    // The scenario's result comes out of the namespace's child through files.
    TempDir outside;
    const std::string statusFile = outside.path() + "/status", outputFile = outside.path() + "/output";
    const int result = runInPrivateMountNamespace([&] {
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
        const BrowserRun run = runBrowserScenario(KW_SOURCE_DIR "/tests/web_ui/browser/login.js",
                                                  "by-secret-and-password",
                                                  {frontEnd.url(""), kSecret, getProcessUserName()});
        writeFileWithDirectories(statusFile, std::to_string(run.status));
        writeFileWithDirectories(outputFile, run.output);
        return 0;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace here";
    ASSERT_EQ(0, result);
    BrowserRun run;
    run.status = std::stoi(readFile(statusFile));
    run.output = readFile(outputFile);
    EXPECT_BROWSER_SCENARIO_PASSES(run);
}

}  // namespace
