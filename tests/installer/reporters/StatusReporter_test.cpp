#include "installer/reporters/StatusReporter.h"

#include "installer/options/OutputSettings.h"

#include "common/Lock.h"
#include "common/Progress.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/XmlLint.h"
#include "tests/installer/reporters/ReporterTest.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ipc.h>
#include <sys/mount.h>
#include <sys/shm.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>

namespace {

// What the status query of a second program run prints.
struct Answer {
    int result = -1;  // 0 when the query ran; kNamespaceRefused when it could not
    std::string text;
    std::string xml;
    bool slotHeldWhilePrinting = false;
};

// How the scene of the query is set.
struct Scene {
    bool lockHolder = false;                 // another process holds byte 0 of the lock file
    std::optional<Progress::Record> record;  // what an installation wrote into the segment
};

// A stream buffer that, at its first write, asks another process which process
// holds the progress record's lock slot.
class SlotWatchingBuffer : public std::stringbuf {
public:
    bool held = false;

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        check();
        return std::stringbuf::xsputn(text, count);
    }
    int overflow(int c) override
    {
        check();
        return std::stringbuf::overflow(c);
    }

private:
    void check()
    {
        if (checked_) return;
        checked_ = true;
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) _exit(Lock::test(2) == getppid() ? 1 : 0);
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        held = !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    bool checked_ = false;
};

bool writeRecord(const Progress::Record& record)
{
    const int id = shmget(Progress::sharedKey, sizeof record, IPC_CREAT | 0600);
    if (id < 0) return false;
    void* address = shmat(id, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) return false;
    std::memcpy(address, &record, sizeof record);
    return shmdt(address) == 0;
}

bool holdInstallerLock()
{
    const int fd = open(Lock::filePath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    struct flock range;
    std::memset(&range, 0, sizeof range);
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    range.l_start = 0;
    range.l_len = 1;
    return fd >= 0 && fcntl(fd, F_SETLK, &range) == 0;
}

std::string readAll(std::FILE* file)
{
    std::string text;
    std::rewind(file);
    char buffer[4096];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, count);
    return text;
}

// Runs the status query the way start-up does, in a child process with its own
// IPC namespace (the record's segment 321456) and its own /tmp (the lock file at
// its fixed path), after setting the scene there. The answer comes back through
// an unlinked file opened before the child hid /tmp.
Answer queryStatus(const Scene& scene)
{
    Answer answer;
    std::FILE* output = std::tmpfile();
    if (!output) return answer;
    answer.result = runInPrivateMountNamespace([&] {
        std::string why;
        if (!enterPrivateIpcNamespace(&why)) {
            std::fprintf(stderr, "%s\n", why.c_str());
            return kNamespaceRefused;
        }
        if (mount("tmpfs", "/tmp", "tmpfs", 0, "mode=1777") != 0) return kNamespaceRefused;
        if (Lock::filePath() != "/tmp/kvo-installer.lock") return 2;
        if (scene.record && !writeRecord(*scene.record)) return 3;
        const LingeringProcess holder(geteuid(), scene.lockHolder ? holdInstallerLock : [] { return true; });
        if (!holder.done()) return 4;

        const StatusReporter reporter = StatusReporter::forLockState();
        statusPrefix = "query_";
        xmlOutput = false;
        std::ostringstream text;
        text << reporter;
        xmlOutput = true;
        SlotWatchingBuffer watched;
        std::ostream xml(&watched);
        xml << reporter;
        xmlOutput = false;

        const std::string written = std::to_string(text.str().size()) + "\n" + text.str() +
                                    (watched.held ? "held\n" : "free\n") + watched.str();
        return std::fwrite(written.data(), 1, written.size(), output) == written.size() && std::fflush(output) == 0
                   ? 0
                   : 5;
    });
    const std::string written = readAll(output);
    std::fclose(output);
    std::istringstream in(written);
    std::size_t textSize = 0;
    std::string flag;
    if (answer.result == 0 && in >> textSize && in.get() == '\n') {
        answer.text.resize(textSize);
        in.read(&answer.text[0], static_cast<std::streamsize>(textSize));
        std::getline(in, flag);
        answer.slotHeldWhilePrinting = flag == "held";
        answer.xml.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return answer;
}

template <std::size_t size>
void setField(char (&field)[size], const std::string& text)
{
    std::strncpy(field, text.c_str(), size - 1);
}

Progress::Record installingRecord()
{
    Progress::Record record;
    std::memset(&record, 0, sizeof record);
    record.stage = 4;
    record.stageCount = 4;
    setField(record.stageId, "inst");
    setField(record.stageTitle, "Installing packages");
    record.step = 2;
    record.stepCount = 5;
    setField(record.stepId, "pkg");
    setField(record.stepTitle, "Installing <zarni-base> & \"friends\"");
    return record;
}

constexpr const char* notRunning = "Zarni Installer is not running.";
constexpr const char* locked = "Update operation was locked by another update process.";

class StatusQuery : public ReporterTest {
protected:
    Answer query(const Scene& scene)
    {
        const Answer answer = queryStatus(scene);
        if (answer.result == kNamespaceRefused) return answer;
        EXPECT_EQ(answer.result, 0) << "the query did not run in its namespaces";
        EXPECT_FALSE(answer.slotHeldWhilePrinting) << "the record's lock slot was held while the answer was written";
        return answer;
    }
};

#define SKIP_UNLESS_RAN(answer) \
    if ((answer).result == kNamespaceRefused) GTEST_SKIP() << "private mount and IPC namespaces are not allowed here"

TEST_F(StatusQuery, NothingEverRunIsNotRunningAtStageZero)
{
    const Answer answer = query(Scene());
    SKIP_UNLESS_RAN(answer);
    EXPECT_EQ(answer.text, std::string("\n") + notRunning + "\n\n");
    EXPECT_EQ(answer.xml, std::string(declaration) + "<kitwright status=\"query_ok\" error_message=\"" + notRunning +
                              "\"><progress><stage stage=\"0\" stage_n=\"0\" id=\"\" title=\"\" />"
                              "<step step=\"0\" step_n=\"0\" id=\"\" title=\"\" /></progress></kitwright>\n");
    EXPECT_EQ(XmlLint(answer.xml).complaints(), "");
}

TEST_F(StatusQuery, ALockHolderMakesTheAnswerBusy)
{
    Scene scene;
    scene.lockHolder = true;
    scene.record = installingRecord();
    const Answer answer = query(scene);
    SKIP_UNLESS_RAN(answer);
    EXPECT_EQ(answer.text, std::string("\nBUSY: ") + locked + "\n\n" +
                               "Overall progress: 4/4: - Installing packages\n"
                               "Current step: 2/5: - Installing <zarni-base> & \"friends\"\n");
    const XmlLint lint(answer.xml);
    ASSERT_EQ(lint.complaints(), "") << answer.xml;
    EXPECT_EQ(lint.attribute("/kitwright", "status"), "query_busy");
    EXPECT_EQ(lint.attribute("/kitwright", "error_message"), locked);
    EXPECT_EQ(lint.value("count(/kitwright/progress/@*)"), "0");
    EXPECT_EQ(lint.attribute("/kitwright/progress/stage", "stage"), "4");
    EXPECT_EQ(lint.attribute("/kitwright/progress/stage", "stage_n"), "4");
    EXPECT_EQ(lint.attribute("/kitwright/progress/stage", "id"), "inst");
    EXPECT_EQ(lint.attribute("/kitwright/progress/stage", "title"), "Installing packages");
    EXPECT_EQ(lint.attribute("/kitwright/progress/step", "step"), "2");
    EXPECT_EQ(lint.attribute("/kitwright/progress/step", "step_n"), "5");
    EXPECT_EQ(lint.attribute("/kitwright/progress/step", "id"), "pkg");
    EXPECT_EQ(lint.attribute("/kitwright/progress/step", "title"), "Installing <zarni-base> & \"friends\"");
}

// The text form reports the end of a run only once the record is finished; the
// XML form shows a failure whenever it is recorded.
TEST_F(StatusQuery, FinishedAndFailedRecords)
{
    struct Case {
        const char* name;
        bool finished;
        bool failed;
        std::string textEnd;  // between the status and the progress lines
    };
    const Case cases[] = {
        {"failed and finished", true, true, "Kitwright failed: Package <zarni-base> & co failed\nsee the log\n\n"},
        {"finished", true, false, "Kitwright finished. \n\n"},
        {"failed, not yet finished", false, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Progress::Record record = installingRecord();
        record.finished = c.finished;
        record.failed = c.failed;
        setField(record.error, "Package <zarni-base> & co failed\nsee the log");
        Scene scene;
        scene.record = record;
        const Answer answer = query(scene);
        SKIP_UNLESS_RAN(answer);
        EXPECT_EQ(answer.text, std::string("\n") + notRunning + "\n\n" + c.textEnd +
                                   "Overall progress: 4/4: - Installing packages\n"
                                   "Current step: 2/5: - Installing <zarni-base> & \"friends\"\n");
        const XmlLint lint(answer.xml);
        ASSERT_EQ(lint.complaints(), "") << answer.xml;
        EXPECT_EQ(lint.attribute("/kitwright", "status"), "query_ok");
        EXPECT_EQ(lint.hasAttribute("/kitwright/progress", "finished"), c.finished);
        if (c.finished) {
            EXPECT_EQ(lint.attribute("/kitwright/progress", "finished"), "true");
        }
        EXPECT_EQ(lint.hasAttribute("/kitwright/progress", "failed"), c.failed);
        EXPECT_EQ(lint.value("count(/kitwright/progress/error)"), c.failed ? "1" : "0");
        if (c.failed) {
            EXPECT_EQ(lint.attribute("/kitwright/progress", "failed"), "true");
            EXPECT_EQ(lint.value("string(/kitwright/progress/error)"), "Package <zarni-base> & co failed\nsee the log");
            EXPECT_EQ(lint.value("name(/kitwright/progress/*[1])"), "error");
        }
    }
}

// Another process writes the record: a text field without its NUL ends at the
// field's end.
TEST_F(StatusQuery, AnUnterminatedFieldEndsAtItsSize)
{
    Progress::Record record = installingRecord();
    std::memset(record.stepId, 'x', sizeof record.stepId);
    Scene scene;
    scene.record = record;
    const Answer answer = query(scene);
    SKIP_UNLESS_RAN(answer);
    const XmlLint lint(answer.xml);
    ASSERT_EQ(lint.complaints(), "") << answer.xml;
    EXPECT_EQ(lint.attribute("/kitwright/progress/step", "id"), std::string(sizeof record.stepId, 'x'));
    EXPECT_EQ(lint.attribute("/kitwright/progress/step", "title"), "Installing <zarni-base> & \"friends\"");
}

}  // namespace
