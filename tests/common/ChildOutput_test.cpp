#include "common/ChildOutput.h"

#include "common/Pipe.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace {

// Everything the reader gives until its end.
std::string readToEnd(ChildOutput& output)
{
    std::string text;
    char buffer[4096];
    ssize_t got;
    while ((got = output.read(buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(got));
    EXPECT_EQ(got, 0) << std::strerror(errno);
    return text;
}

// A child that writes `text` into the pipe, leaves a grandchild that holds the
// pipe (writing `lingering` for ever when it is not empty, else waiting), and
// ends. Returns the child, already ended and not reaped; *grandchild gets the
// holder.
pid_t childLeavingAHolder(int writeEnd, const std::string& text, const std::string& lingering, pid_t* grandchild)
{
    int report[2];
    if (pipe(report) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        // The text first (it fits in the pipe): a holder that floods the pipe
        // must not block the child's own write.
        (void)!write(writeEnd, text.data(), text.size());
        const pid_t holder = fork();
        if (holder == 0) {
            close(report[1]);
            if (lingering.empty())
                for (;;) pause();
            for (;;) (void)!write(writeEnd, lingering.data(), lingering.size());
        }
        (void)!write(report[1], &holder, sizeof holder);
        _exit(0);
    }
    close(report[1]);
    if (read(report[0], grandchild, sizeof *grandchild) != sizeof *grandchild) *grandchild = -1;
    close(report[0]);
    siginfo_t info;
    waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT);
    return child;
}

TEST(ChildOutput, WithoutAChildItReadsToTheEndOfFile)
{
    Pipe pipe;
    ChildOutput output(pipe.releaseOut());
    ASSERT_EQ(write(pipe.in(), "abc", 3), 3);
    pipe.closeIn();
    EXPECT_EQ(readToEnd(output), "abc");
}

TEST(ChildOutput, EndsWithTheChildWhateverHoldsThePipe)
{
    const struct Case {
        const char* name;
        std::string lingering;  // what the holder writes without pause
    } cases[] = {
        {"a holder that waits", ""},
        {"a holder that writes without pause", std::string(1000, 'z')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pipe pipe;
        ChildOutput output(pipe.releaseOut());
        const std::string text(20000, 'a');
        pid_t holder = -1;
        const pid_t child = childLeavingAHolder(pipe.in(), text, c.lingering, &holder);
        ASSERT_GT(child, 0);
        ASSERT_GT(holder, 0);
        pipe.closeIn();
        output.watch(child);

        const std::string read = readToEnd(output);
        EXPECT_GE(read.size(), text.size());
        if (c.lingering.empty()) {
            EXPECT_EQ(read, text);
        } else {
            // Within the child's text plus one pipe's worth and one piece.
            EXPECT_LE(read.size(), text.size() + (std::size_t(1) << 20) + c.lingering.size());
        }
        // The reader never reaped the child.
        int status = -1;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        kill(holder, SIGKILL);
    }
}

TEST(ChildOutput, AStreamForStdioReaders)
{
    Pipe pipe;
    ChildOutput* output = nullptr;
    std::FILE* stream = ChildOutput::openStream(pipe.releaseOut(), &output);
    ASSERT_NE(stream, nullptr);
    pid_t holder = -1;
    const pid_t child = childLeavingAHolder(pipe.in(), "one\ntwo\n", "", &holder);
    pipe.closeIn();
    output->watch(child);
    char line[64];
    ASSERT_NE(std::fgets(line, sizeof line, stream), nullptr);
    EXPECT_STREQ(line, "one\n");
    ASSERT_NE(std::fgets(line, sizeof line, stream), nullptr);
    EXPECT_STREQ(line, "two\n");
    EXPECT_EQ(std::fgets(line, sizeof line, stream), nullptr);
    EXPECT_TRUE(std::feof(stream));
    EXPECT_EQ(std::fclose(stream), 0);
    EXPECT_EQ(waitpid(child, nullptr, 0), child);
    kill(holder, SIGKILL);
}

}  // namespace
