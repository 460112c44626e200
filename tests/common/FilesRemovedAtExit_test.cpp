#include "common/FilesRemovedAtExit.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

bool exists(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

}  // namespace

// The exit path removes what is still registered, once, and forgets what the
// writer removed itself; a file already gone is no failure.
TEST(FilesRemovedAtExit, ExitPathRemovesWhatIsLeft)
{
    const TempDir directory;
    const std::string kept = directory.path() + "/kept";
    const std::string left = directory.path() + "/left";
    const std::string gone = directory.path() + "/gone";
    std::ofstream(kept) << "x";
    std::ofstream(left) << "x";
    FilesRemovedAtExit::add(kept);
    FilesRemovedAtExit::add(left);
    FilesRemovedAtExit::add(left);
    FilesRemovedAtExit::add(gone);
    FilesRemovedAtExit::forget(kept);
    EXPECT_THAT(FilesRemovedAtExit::paths(), ElementsAre(left, gone));

    CapturedLog log(0);
    FilesRemovedAtExit::removeAll();
    EXPECT_TRUE(exists(kept));
    EXPECT_FALSE(exists(left));
    EXPECT_TRUE(FilesRemovedAtExit::paths().empty());
    EXPECT_EQ(log.text(), "");
}

TEST(FilesRemovedAtExit, FailureIsLogged)
{
    const TempDir directory;
    const std::string inside = directory.path() + "/dir";
    ASSERT_EQ(::mkdir(inside.c_str(), 0700), 0);
    FilesRemovedAtExit::add(inside);
    CapturedLog log(0);
    FilesRemovedAtExit::removeAll();
    EXPECT_THAT(log.text(), HasSubstr("ERROR: unable to remove " + inside + ": Is a directory"));
    EXPECT_TRUE(FilesRemovedAtExit::paths().empty());
}
