#include "installer/startup/LogFile.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <boost/filesystem.hpp>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = boost::filesystem;

// The per-run file of day `day` of March 2024 at 09:14.
std::string perRunName(int day)
{
    char name[64];
    std::snprintf(name, sizeof name, "kitwright3_2024-03-%02d_0914.log", day);
    return name;
}

std::set<std::string> namesIn(const std::string& dir)
{
    std::set<std::string> names;
    for (fs::directory_iterator entry(dir), end; entry != end; ++entry) names.insert(entry->path().filename().string());
    return names;
}

}  // namespace

TEST(LogFile, PruningKeepsTheNewestAndNeverTouchesOtherFiles)
{
    struct Case {
        const char* name;
        unsigned keep;
        int firstKeptDay;  // days firstKeptDay..25 remain
    };
    const std::vector<Case> cases = {
        {"20 kept: the 19 newest stay, the new file makes 20", 20, 7},
        {"0 kept never prunes", 0, 1},
        {"1 kept removes every per-run file", 1, 26},
        {"more kept than there are", 30, 1},
        {"as many kept as there are plus one", 26, 1},
        {"as many kept as there are", 25, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        for (int day = 1; day <= 25; ++day) std::ofstream(dir.path() + "/" + perRunName(day)) << day;
        const std::set<std::string> others = {"kitwright3.log", "other.log", "kitwright2_2024-03-01_0914.log"};
        for (const std::string& name : others) std::ofstream(dir.path() + "/" + name) << "keep";

        EXPECT_EQ(cleanupSeparateLogs(dir.path(), "kitwright3_", c.keep), 0);

        std::set<std::string> expected = others;
        for (int day = c.firstKeptDay; day <= 25; ++day) expected.insert(perRunName(day));
        EXPECT_EQ(namesIn(dir.path()), expected);
    }
}

TEST(LogFile, AMissingDirectoryIsOnlyLogged)
{
    TempDir dir;
    CapturedLog log(2);
    EXPECT_EQ(cleanupSeparateLogs(dir.path() + "/missing", "kitwright3_", 20), -1);
    EXPECT_EQ(log.text(), "Cleanup of separated log files failed. Expected logs directory not found at: " + dir.path() +
                              "/missing\n");
}

// A per-run name that cannot be removed (here a directory with content) is a
// warning; the others are still pruned and the run goes on.
TEST(LogFile, AFileThatCannotBeRemovedIsAWarning)
{
    TempDir dir;
    for (int day = 1; day <= 4; ++day) std::ofstream(dir.path() + "/" + perRunName(day)) << day;
    fs::create_directories(dir.path() + "/kitwright3_2024-03-00_0000.log/inside");
    CapturedLog log(1);
    EXPECT_EQ(cleanupSeparateLogs(dir.path(), "kitwright3_", 3), 0);
    EXPECT_EQ(namesIn(dir.path()),
              (std::set<std::string>{perRunName(3), perRunName(4), "kitwright3_2024-03-00_0000.log"}));
    EXPECT_THAT(log.text(), ::testing::StartsWith("Warning: cannot remove the old log file " + dir.path() +
                                                  "/kitwright3_2024-03-00_0000.log: "));
}
