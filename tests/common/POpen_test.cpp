#include "common/POpen.h"

#include "common/Progress.h"
#include "common/error.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
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

TEST(POpen, AllThreeStreamsAreRequired)
{
    std::istringstream in;
    std::ostringstream out;
    EXPECT_THROW(startProcess("true", nullptr, &out, &out), error);
    EXPECT_THROW(startProcess("true", &in, nullptr, &out), error);
    EXPECT_THROW(startProcess("true", &in, &out, nullptr), error);
}

}  // namespace
