// The scripts of the settings and progress pages in a real browser (CTest
// label "browser"): Debian's chromium driven by playwright-core, against the
// front end over TLS with a stand-in back end.

#include "tests/common/BrowserScenario.h"
#include "tests/web_ui/FrontEndHarness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web_ui_test::has;

const char kSecret[] = "browsertestsecretforthepages";

TEST(WizardPagesInBrowser, SettingsAndProgressScripts)
{
    web_ui_test::FrontEnd frontEnd(std::vector<std::pair<std::string, std::string>>{{"WEB_SECRET", kSecret}});
    ASSERT_GT(frontEnd.port(), 0) << frontEnd.hostErrors();
    frontEnd.backend.reply("get_current_page", web_ui_test::goldenReply("current-page"));
    frontEnd.backend.reply("get_components_settings", web_ui_test::webReply("settings-every-type"));
    frontEnd.backend.reply("set_component_params", web_ui_test::goldenReply("ok"));
    frontEnd.backend.reply("get_progress", web_ui_test::goldenReply("progress-in-progress"));
    frontEnd.backend.replyText("get_progress_delta",
                               "<?xml version=\"1.0\" ?><kitwright status=\"ok\"><products><product id=\"zarni\">"
                               "<progress status=\"completed\" percentage=\"100\"/></product></products>"
                               "<console>&lt;b&gt;done&lt;/b&gt;&#x0A;next</console></kitwright>");
    EXPECT_BROWSER_SCENARIO_PASSES(runBrowserScenario(KW_SOURCE_DIR "/tests/web_ui/browser/wizard-pages.js",
                                                      "settings-and-progress", {frontEnd.url(""), kSecret}));
    // The form the browser sent: the cleared box as "false", its disabled
    // dependants without a value, the other choice.
    std::string posted;
    for (const std::string& request : frontEnd.backend.requests())
        if (has(request, "set_component_params")) posted = request;
    EXPECT_TRUE(has(posted, "<setting id=\"ssl\" value=\"false\" /><setting id=\"certificate\" /><setting id=\"port\" />"))
        << posted;
    EXPECT_TRUE(has(posted, "<setting id=\"server\" value=\"apache\" />")) << posted;
    EXPECT_TRUE(has(posted, "<setting id=\"admin-password\" />")) << "an untouched password is kept: " << posted;
}

}  // namespace
