// The component tree script (resources/web/js/components.js) in a browser, on
// components pages rendered from back-end replies.

#include "tests/common/BrowserScenario.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/web_ui/PageReply.h"
#include "web_ui/ComponentsPage.h"
#include "web_ui/TemplateRenderer.h"
#include "web_ui/WebResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kScript = KW_SOURCE_DIR "/tests/web_ui/browser/component-tree.js";

// Renders the components page of the mode from the reply file and runs the
// scenario on it.
BrowserRun runOnPage(const std::string& scenario, ComponentsMode mode, const std::string& reply)
{
    const PageReply document(reply);
    TemplateVariables variables;
    setComponentsPageVariables(mode, document.status(), document.first(), false, variables);
    variables["csrf_token"] = "token";
    TempDir dir;
    const std::string page = dir.path() + "/page.html";
    writeFileWithDirectories(page, renderPageTemplate(PageTemplate::components, variables));
    return runBrowserScenario(kScript, scenario, {page, KW_SOURCE_DIR "/resources/web", KW_PROTOTYPE_JS});
}

struct Case {
    const char* scenario;
    ComponentsMode mode;
    const char* reply;
};

class BrowserComponentTree : public ::testing::TestWithParam<Case> {};

TEST_P(BrowserComponentTree, Scenario)
{
    const Case& c = GetParam();
    EXPECT_BROWSER_SCENARIO_PASSES(runOnPage(c.scenario, c.mode, std::string(KW_TEST_DATA_DIR) + "/" + c.reply));
}

const Case kCases[] = {
    {"check-box", ComponentsMode::select, "backend-protocol/components-all-products.xml"},
    {"remove-without-support", ComponentsMode::select, "web/replies/components-removable.xml"},
    {"group-install", ComponentsMode::select, "web/replies/components-removable.xml"},
    {"radio-group", ComponentsMode::select, "web/replies/components-removable.xml"},
    {"update-mode", ComponentsMode::update, "backend-protocol/components.xml"},
    {"hostile-names", ComponentsMode::select, "web/replies/components-hostile.xml"},
    {"cancel-link", ComponentsMode::select, "backend-protocol/components.xml"},
};

INSTANTIATE_TEST_SUITE_P(Scenarios, BrowserComponentTree, ::testing::ValuesIn(kCases), BrowserScenarioName());

}  // namespace
