#include "installer/catalogue/ProductInf3FileGuard.h"

#include "common/Progress.h"
#include "common/md5.h"
#include "common/packages/PkgManager.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/catalogue/LoadedCatalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <csignal>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

class GuardTest : public ::testing::Test {
protected:
    void SetUp() override { ProductInf3FileGuard::resetNewBuildFlag(); }
    void TearDown() override
    {
        ProductInf3FileGuard::resetNewBuildFlag();
        Progress::resetTermination();
    }

    std::string file(const std::string& name) const { return source_.path() + "/" + name; }

    TempDir source_;
    TempDir target_;
};

}  // namespace

// The file fetched when the build was read changes on the server before the
// explicit check: the operator is told and the flag is set; a second guard whose
// file did not change still reports the run's flag.
TEST_F(GuardTest, ChangedFileIsReported)
{
    writeFileWithDirectories(file("a/one.build.inf3"), "<build/>");
    writeFileWithDirectories(file("two.build.inf3"), "<build/>");
    const FileFetcher fetcher(SourceUrl(source_.path()), target_.path());
    const std::vector<ProductInf3FileGuardPtr> guards = {
        boost::make_shared<ProductInf3FileGuard>(fetcher, "a/one.build.inf3"),
        boost::make_shared<ProductInf3FileGuard>(fetcher, "two.build.inf3")};
    EXPECT_EQ(guards[0]->digest(), md5String("<build/>"));

    writeFileWithDirectories(file("a/one.build.inf3"), "<build version=\"2\"/>");
    CapturedLog log(2);
    ProductInf3FileGuard::checkAll(guards);
    EXPECT_TRUE(ProductInf3FileGuard::isNewBuildAvailable());
    const std::string text = log.text();
    EXPECT_THAT(text, HasSubstr("Warning: A new product build is available at the server.\n"));
    EXPECT_THAT(text, HasSubstr("ProductInf3FileGuard checked a/one.build.inf3. Build changed\n"));
    EXPECT_THAT(text, HasSubstr("ProductInf3FileGuard checked two.build.inf3. Build changed\n"));
}

TEST_F(GuardTest, UnchangedAndVanishedFiles)
{
    writeFileWithDirectories(file("one.build.inf3"), "<build/>");
    const FileFetcher fetcher(SourceUrl(source_.path()), target_.path());
    ProductInf3FileGuard guard(fetcher, "one.build.inf3");
    {
        CapturedLog log(2);
        guard.check();
        EXPECT_THAT(log.text(), HasSubstr("ProductInf3FileGuard checked one.build.inf3. Build didn't change\n"));
    }
    boost::filesystem::remove(file("one.build.inf3"));
    CapturedLog log(2);
    guard.check();
    EXPECT_FALSE(ProductInf3FileGuard::isNewBuildAvailable());
    EXPECT_THAT(log.text(), HasSubstr("Error during checking for build updates at download site: The file " +
                                      SourceUrl(source_.path()).getDirectory() + "one.build.inf3 was not found.\n"));

    expectError([&] { ProductInf3FileGuard(fetcher, "one.build.inf3"); }, {4, 2, 1, 1},
                HasSubstr("one.build.inf3 was not found."));
}

// While the run terminates the check downloads nothing; a check that cannot
// hold off a stop (a section already open) only logs.
TEST_F(GuardTest, TerminationAndOpenSections)
{
    writeFileWithDirectories(file("one.build.inf3"), "<build/>");
    const FileFetcher fetcher(SourceUrl(source_.path()), target_.path());
    ProductInf3FileGuard guard(fetcher, "one.build.inf3");
    writeFileWithDirectories(file("one.build.inf3"), "<build changed=\"yes\"/>");

    Progress::markCancelUnsafe();
    {
        CapturedLog log(2);
        guard.check();
        EXPECT_THAT(log.text(), HasSubstr("Error during checking for build updates at download site: "));
    }
    Progress::markCancelSafe();
    EXPECT_FALSE(ProductInf3FileGuard::isNewBuildAvailable());

    Progress::onSignal(SIGTERM);
    EXPECT_THROW(Progress::checkTermination(), Progress::Interrupted);
    ASSERT_TRUE(Progress::isTerminating());
    CapturedLog log(3);
    guard.check();
    EXPECT_THAT(log.text(), Not(HasSubstr("FileFetcher: get file")));
    EXPECT_FALSE(ProductInf3FileGuard::isNewBuildAvailable());
}

// The loader guards every build it reads; the driver's check notices a build
// information file replaced after loading.
TEST_F(GuardTest, LoadedBuildsAreGuarded)
{
    boost::filesystem::copy(demoCatalogueDirectory(), source_.path() + "/demo",
                            boost::filesystem::copy_options::recursive);
    LoadedCatalogue loaded{SourceUrl(source_.path() + "/demo")};
    loaded.read(debian12());
    loaded.load({{"zarni", "zarni-1.1"}}, debian12());
    ASSERT_EQ(loaded.guards.size(), 1u);

    ProductInf3FileGuard::checkAll(loaded.guards);
    EXPECT_FALSE(ProductInf3FileGuard::isNewBuildAvailable());
    const std::string path = source_.path() + "/demo/zarni/1.1/debian-12.build.inf3";
    writeFileWithDirectories(path, readFile(path) + "<!-- rebuilt -->\n");
    ProductInf3FileGuard::checkAll(loaded.guards);
    EXPECT_TRUE(ProductInf3FileGuard::isNewBuildAvailable());
    PkgManager::setPreferredPackageNames({});
}
