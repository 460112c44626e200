// The scripts of the releases template in a browser, on releases pages
// rendered from back-end replies.

#include "tests/common/BrowserScenario.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/web_ui/PageReply.h"
#include "web_ui/ReleasesPage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* scenario;
    const char* reply;
};

class BrowserReleasesPage : public ::testing::TestWithParam<Case> {};

TEST_P(BrowserReleasesPage, Scenario)
{
    const PageReply reply(std::string(KW_TEST_DATA_DIR "/web/replies/") + GetParam().reply);
    TemplateVariables variables;
    std::vector<PageWarning> warnings;
    setReleasesPageVariables(ReleasesMode::products, reply.status(), reply.first(), warnings, variables);
    variables["csrf_token"] = "token";
    TempDir dir;
    const std::string page = dir.path() + "/page.html";
    writeFileWithDirectories(page, renderPageTemplate(PageTemplate::releases, variables));
    EXPECT_BROWSER_SCENARIO_PASSES(runBrowserScenario(KW_SOURCE_DIR "/tests/web_ui/browser/releases.js",
                                                      GetParam().scenario,
                                                      {page, KW_SOURCE_DIR "/resources/web", KW_PROTOTYPE_JS}));
}

const Case kCases[] = {
    {"select-product", "releases-two-new-products.xml"},
    {"installation-type", "releases-two-new-products.xml"},
    {"hostile-names", "releases-hostile.xml"},
};

INSTANTIATE_TEST_SUITE_P(Scenarios, BrowserReleasesPage, ::testing::ValuesIn(kCases), BrowserScenarioName());

}  // namespace
