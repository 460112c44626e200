#include "common/POpen.h"

#include "common/Progress.h"
#include "common/error.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string output;
    std::string errorOutput;
};

Outcome run(const std::string& command, const std::string& input = std::string(), const std::string& directory = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    std::unique_ptr<POpen> process = directory.empty() ? startProcess(command, &in, &out, &err)
                                                       : startProcessInDir(command, &in, &out, &err, directory);
    const int status = process->wait(false);
    return {status, out.str(), err.str()};
}

// Bytes of every value, a megabyte long: more than any pipe holds.
std::string largeInput()
{
    std::string text;
    for (int i = 0; text.size() < (1u << 20); ++i) text += static_cast<char>(i * 7 % 256);
    return text;
}

TEST(POpen, FeedsTheInputAndCollectsBothOutputs)
{
    const std::string input = largeInput();
    const Outcome result = run("cat; cat /dev/null; echo done >&2", input);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output.size(), input.size());
    EXPECT_TRUE(result.output == input);
    EXPECT_EQ(result.errorOutput, "done\n");
}

TEST(POpen, InputTheCommandDoesNotReadIsDropped)
{
    const Outcome result = run("head -c 10", largeInput());
    EXPECT_TRUE(WIFEXITED(result.status));
    EXPECT_EQ(WEXITSTATUS(result.status), 0);
    EXPECT_EQ(result.output, largeInput().substr(0, 10));
}

TEST(POpen, ReturnsTheRawWaitStatus)
{
    const Outcome exited = run("exit 3");
    EXPECT_TRUE(WIFEXITED(exited.status));
    EXPECT_EQ(WEXITSTATUS(exited.status), 3);
    const Outcome killed = run("kill -TERM $$");
    EXPECT_TRUE(WIFSIGNALED(killed.status));
    EXPECT_EQ(WTERMSIG(killed.status), SIGTERM);
}

TEST(POpen, OutputAndErrorMayShareOneStream)
{
    std::istringstream in;
    std::ostringstream both;
    std::unique_ptr<POpen> process = startProcess("echo a; echo b >&2; echo c", &in, &both, &both);
    EXPECT_EQ(process->wait(false), 0);
    std::string text = both.str();
    std::sort(text.begin(), text.end());
    EXPECT_EQ(text, "\n\n\nabc");
}

TEST(POpen, RunsInTheGivenDirectory)
{
    TempDir dir;
    EXPECT_EQ(run("pwd", "", dir.path()).output, dir.path() + "\n");
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    EXPECT_EQ(run("pwd", "", dir.path() + "/missing").output, std::string(here) + "\n");
}

TEST(POpen, RunsWithTheCLocaleAndLanguage)
{
    setenv("LANGUAGE", "de", 1);
    const Outcome result = run("echo \"$LC_ALL $LANG $LANGUAGE\"");
    unsetenv("LANGUAGE");
    EXPECT_EQ(result.output, "C C C\n");
}

TEST(POpen, EverythingWrittenBeforeTheEndIsCollected)
{
    // The last line comes after a descendant took over the pipes: the pump must not
    // wait for that descendant, nor lose what was written before the shell ended.
    const auto start = std::chrono::steady_clock::now();
    const Outcome result = run("seq 1 100000; sleep 5 & echo last; echo err-last >&2");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 3.0);
    std::ostringstream expected;
    for (int i = 1; i <= 100000; ++i) expected << i << '\n';
    expected << "last\n";
    EXPECT_TRUE(result.output == expected.str()) << "output of " << result.output.size() << " bytes";
    EXPECT_EQ(result.errorOutput, "err-last\n");
}

TEST(POpen, AProcessThatIsNotCancelableIgnoresTerminationRequests)
{
    Progress::resetTermination();
    Progress::onSignal(SIGTERM);
    const Outcome result = run("echo ran");
    EXPECT_EQ(result.output, "ran\n");
    EXPECT_TRUE(Progress::takeTerminationRequest()) << "the request is still pending";
    Progress::resetTermination();
}

// Whether the process has ended (gone, or a zombie nobody reaped yet), waiting for
// at most five seconds: a signal is delivered when the process next runs.
bool endsSoon(pid_t pid)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text;
        std::getline(stat, text);
        const std::size_t close = text.rfind(')');
        if (!stat || close == std::string::npos || text.compare(close, 3, ") Z") == 0) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        ::poll(nullptr, 0, 10);
    }
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A command that leads its own group and outlives its time limit is stopped with
// everything it started, also a descendant that ignores SIGTERM; SIGKILL follows
// the grace time when SIGTERM alone does not end the command.
TEST(POpen, ATimeLimitStopsTheWholeGroup)
{
    struct Case {
        const char* name;
        const char* command;
        int endingSignal;
    };
    const Case cases[] = {
        {"ends on SIGTERM", "(trap '' TERM; exec sleep 60) & echo $!; wait", SIGTERM},
        {"ignores SIGTERM", "trap '' TERM; (exec sleep 60) & echo $!; wait; wait", SIGKILL},
    };
    // The limit leaves the shell time to set its traps and name the descendant
    // even on a loaded machine; the bound below only has to tell a stopped
    // group from one that ran its minute.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in;
        std::ostringstream out, err;
        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<POpen> process = startProcessGroup(c.command, &in, &out, &err);
        process->setTimeLimit(std::chrono::seconds(2));
        process->setStopGrace(std::chrono::milliseconds(500));
        const int status = process->wait(false);
        EXPECT_LT(secondsSince(start), 45.0);
        EXPECT_TRUE(process->timedOut());
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(WTERMSIG(status), c.endingSignal);
        const pid_t descendant = static_cast<pid_t>(std::atoi(out.str().c_str()));
        ASSERT_GT(descendant, 0) << out.str();
        EXPECT_TRUE(endsSoon(descendant)) << "the descendant still runs";
    }
}

TEST(POpen, ACommandWithinItsTimeLimitRunsToItsEnd)
{
    std::istringstream in;
    std::ostringstream out, err;
    std::unique_ptr<POpen> process = startProcessGroup("echo in-time; exit 4", &in, &out, &err);
    process->setTimeLimit(std::chrono::seconds(60));
    const int status = process->wait(false);
    EXPECT_FALSE(process->timedOut());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 4);
    EXPECT_EQ(out.str(), "in-time\n");
}

TEST(POpen, AllThreeStreamsAreRequired)
{
    std::istringstream in;
    std::ostringstream out;
    EXPECT_THROW(startProcess("true", nullptr, &out, &out), error);
    EXPECT_THROW(startProcess("true", &in, nullptr, &out), error);
    EXPECT_THROW(startProcess("true", &in, &out, nullptr), error);
}

}  // namespace
