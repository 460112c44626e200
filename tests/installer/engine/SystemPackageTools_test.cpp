#include "installer/engine/SystemPackageTools.h"

#include "tests/common/CommandOutput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool haveCommand(const std::string& name)
{
    int status = 0;
    commandOutput("command -v " + name + " >/dev/null 2>&1", &status);
    return status == 0;
}

}  // namespace

// What the engine reads from apt, checked against the real tools of this
// machine: the candidate line of "apt-cache policy" and the action lines of
// apt-get's dry run.
TEST(SystemPackageTools, AptOutputHasTheLinesTheEngineReads)
{
    if (!haveCommand(SystemPackageTools::aptCache) || !haveCommand(SystemPackageTools::aptGet))
        GTEST_SKIP() << "no apt on this machine";

    const std::string policy = commandOutput(std::string("LC_ALL=C ") + SystemPackageTools::aptCache +
                                             " policy dpkg 2>/dev/null");
    EXPECT_NE(policy.find(std::string("  ") + SystemPackageTools::aptCandidate + " "), std::string::npos) << policy;

    // A dry run as an ordinary simulation never changes the system.
    int status = 0;
    const std::string dryRun = commandOutput(std::string("LC_ALL=C ") + SystemPackageTools::aptGet +
                                                 " -s -o Debug::NoLocking=1 install --reinstall dpkg 2>/dev/null",
                                             &status);
    ASSERT_EQ(status, 0) << dryRun;
    bool sawAction = false;
    for (const char* action : SystemPackageTools::aptDryRunActions)
        sawAction = sawAction || dryRun.find(std::string("\n") + action + " dpkg ") != std::string::npos;
    EXPECT_TRUE(sawAction) << dryRun;
}
