#include "installer/webui/InstallationThread.h"

#include "common/Progress.h"
#include "common/error.h"
#include "installer/startup/SystemExit.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace {

// The job's console capture reads the log file: each test has one, and a
// private IPC namespace for the progress status the job marks.
class InstallationThreadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        if (!enterPrivateIpcNamespace(&why)) GTEST_SKIP() << why;
        ASSERT_TRUE(Log::openFile(dir.path() + "/kitwright3.log", true));
        Progress::resetTermination();
    }
    void TearDown() override { Progress::resetTermination(); }

    TempDir dir;
};

}  // namespace

TEST_F(InstallationThreadTest, OutcomeAndKeptExceptions)
{
    struct Case {
        const char* name;
        std::function<void()> work;
        bool success;
        bool kept;
    };
    const Case cases[] = {
        {"done", [] { Log(0, true) << "packages installed"; }, true, false},
        {"an error", [] {
             error failure(6, 1, 1, 2);
             failure << "apt-get failed";
             failure.mark(error::markNoReport);
             throw failure;
         }, false, false},
        {"a standard exception", [] { throw std::runtime_error("bad"); }, false, false},
        {"a stop of the run", [] { driver::raiseSystemExit(3); }, false, true},
        {"a termination signal", [] {
             Progress::onSignal(15);
             Progress::checkTermination();
         }, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Progress::resetTermination();
        InstallationThread job(c.work);
        EXPECT_FALSE(job.finished());
        job.do_job();
        EXPECT_TRUE(job.finished());
        EXPECT_EQ(job.success(), c.success);
        EXPECT_EQ(job.hasKeptException(), c.kept);
        EXPECT_FALSE(job.final_status_asked());
    }
}

TEST_F(InstallationThreadTest, KeptExceptionsAreRaisedAgainInTheMainThread)
{
    InstallationThread stopped([] { driver::raiseSystemExit(3); });
    stopped.do_job();
    try {
        stopped.rethrowKept();
        FAIL() << "nothing raised";
    } catch (const driver::SystemExit& exit) {
        EXPECT_EQ(exit.code, 3);
    }
}

TEST_F(InstallationThreadTest, ItsThreadEndsBeforeTheJobGoes)
{
    bool ran = false;
    {
        InstallationThread job([&ran] { ran = true; });
        job.start();
    }
    EXPECT_TRUE(ran) << "the destructor waited for the thread";
}

TEST_F(InstallationThreadTest, ConsoleLinesAreHandedOutOnce)
{
    InstallationThread job([] {
        Log(0, true) << "first";
        Log(2, true) << "only in the file";
        Log(0, false) << "second";
    });
    job.do_job();
    EXPECT_EQ(job.newConsoleLines(), "first\n");
    EXPECT_EQ(job.newConsoleLines(), "");
    EXPECT_EQ(job.consoleText(), "first\nsecond");
    EXPECT_NE(job.log(1 << 20).find("only in the file"), std::string::npos);
}

TEST_F(InstallationThreadTest, NewLinesStartAfterTheWholeText)
{
    InstallationThread job([] {
        Log(0, true) << "first";
        Log(0, false) << "sec";
    });
    job.do_job();
    EXPECT_EQ(job.consoleText(), "first\nsec");
    EXPECT_EQ(job.newConsoleLines(), "") << "the progress page shows the whole text already";
    Log(0, true) << "ond";
    EXPECT_EQ(job.newConsoleLines(), "ond\n") << "the rest of the shown line, then the new lines";
}
