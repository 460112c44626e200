#pragma once

#include "common/StringUtils.h"
#include "tests/common/CommandOutput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Runs a browser scenario: `node SCRIPT SCENARIO ARGS...`, where the script
// drives chromium through tests/common/browser/harness.js. playwright-core is
// found in the global npm modules (scripts/deps.sh installs it there).
// The status of a scenario that found no browser or driver to run.
constexpr int kBrowserMissing = 77;

struct BrowserRun {
    int status = -1;  // 0 passed, 1 failed, kBrowserMissing
    std::string output;
};

inline BrowserRun runBrowserScenario(const std::string& script, const std::string& scenario,
                                     const std::vector<std::string>& arguments)
{
    std::string command = "NODE_PATH=\"$(npm root -g)\" node " + shellQuote(script) + " " + shellQuote(scenario);
    for (const std::string& argument : arguments) command += " " + shellQuote(argument);
    BrowserRun run;
    run.output = commandOutput(command + " 2>&1", &run.status);
    return run;
}

// The test name of a scenario ("group-install" gives "group_install"), for
// INSTANTIATE_TEST_SUITE_P over a table whose rows have a `scenario` name.
struct BrowserScenarioName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const
    {
        std::string name = info.param.scenario;
        for (char& c : name)
            if (c == '-') c = '_';
        return name;
    }
};

// Skips the test when the scenario could not start a browser, and checks that
// it passed otherwise.
#define EXPECT_BROWSER_SCENARIO_PASSES(run)                                  \
    do {                                                                     \
        const BrowserRun& browserRun_ = (run);                               \
        if (browserRun_.status == kBrowserMissing) GTEST_SKIP() << browserRun_.output;   \
        EXPECT_EQ(0, browserRun_.status) << browserRun_.output;              \
    } while (false)
