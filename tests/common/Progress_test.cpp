#include "common/Progress.h"

#include "common/Lock.h"
#include "common/Messages.h"
#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <boost/exception_ptr.hpp>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <thread>
#include <vector>

namespace {

constexpr key_t kKey = 321456;
constexpr std::size_t kRecordSize = 20564;

// The shared record's bytes, read the way another process reads them.
std::vector<unsigned char> segmentBytes()
{
    const int id = shmget(kKey, 0, 0);
    if (id < 0) return {};
    void* address = shmat(id, nullptr, SHM_RDONLY);
    if (address == reinterpret_cast<void*>(-1)) return {};
    const unsigned char* bytes = static_cast<const unsigned char*>(address);
    std::vector<unsigned char> copy(bytes, bytes + kRecordSize);
    shmdt(address);
    return copy;
}

std::int32_t intAt(const std::vector<unsigned char>& bytes, std::size_t offset)
{
    const std::uint32_t value = std::uint32_t(bytes.at(offset)) | std::uint32_t(bytes.at(offset + 1)) << 8
                                | std::uint32_t(bytes.at(offset + 2)) << 16
                                | std::uint32_t(bytes.at(offset + 3)) << 24;
    return static_cast<std::int32_t>(value);
}

// The text of a field; "<unterminated>" when the field holds no NUL.
std::string textAt(const std::vector<unsigned char>& bytes, std::size_t offset, std::size_t size)
{
    const char* field = reinterpret_cast<const char*>(bytes.data() + offset);
    const std::size_t length = strnlen(field, size);
    return length == size ? "<unterminated>" : std::string(field, length);
}

bool allZero(const std::vector<unsigned char>& bytes, std::size_t offset, std::size_t size)
{
    for (std::size_t i = offset; i < offset + size; ++i)
        if (bytes.at(i) != 0) return false;
    return true;
}

// Every test runs in a private IPC namespace (its own segment 321456) and locks a
// file of its own.
class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        if (!enterPrivateIpcNamespace(&why)) GTEST_SKIP() << why;
        defaultPath = Lock::filePath();
        Lock::setFilePath(dir.path() + "/kvo-installer.lock");
        Progress::resetTermination();
    }
    void TearDown() override
    {
        Progress::resetTermination();
        if (!defaultPath.empty()) Lock::setFilePath(defaultPath);
    }

    TempDir dir;
    std::string defaultPath;
};

TEST_F(ProgressTest, EachOperationLandsAtItsOffsetsInTheSharedRecord)
{
    Progress().stage(1, 3);
    std::vector<unsigned char> bytes = segmentBytes();
    ASSERT_EQ(bytes.size(), kRecordSize);
    EXPECT_EQ(intAt(bytes, 0), 1);
    EXPECT_EQ(intAt(bytes, 4), 4);
    EXPECT_EQ(textAt(bytes, 8, 80), "prep");
    EXPECT_EQ(textAt(bytes, 88, 4096), Messages::get("progress_stage_prep"));
    EXPECT_EQ(intAt(bytes, 4184), 0);
    EXPECT_EQ(intAt(bytes, 4188), 3);
    EXPECT_EQ(textAt(bytes, 4192, 80), "");
    EXPECT_EQ(textAt(bytes, 4272, 4096), "");
    EXPECT_EQ(bytes[8368], 0);
    EXPECT_EQ(bytes[8369], 0);

    Progress().step("unpack", "Unpacking the archive");
    bytes = segmentBytes();
    EXPECT_EQ(intAt(bytes, 4184), 1);
    EXPECT_EQ(intAt(bytes, 4188), 3);
    EXPECT_EQ(textAt(bytes, 4192, 80), "unpack");
    EXPECT_EQ(textAt(bytes, 4272, 4096), "Unpacking the archive");

    Progress().fail("The disk is full.");
    bytes = segmentBytes();
    EXPECT_EQ(bytes[8368], 1);
    EXPECT_EQ(bytes[8369], 1);
    EXPECT_EQ(textAt(bytes, 8370, 8096), "The disk is full.");

    Progress().finish();
    bytes = segmentBytes();
    EXPECT_EQ(bytes[8368], 1);
    EXPECT_EQ(bytes[8369], 0);
    EXPECT_EQ(textAt(bytes, 8370, 8096), "The disk is full.");  // the text stays
    EXPECT_TRUE(allZero(bytes, 16466, 4096 + 2));

    Progress().stage(4, 1);
    bytes = segmentBytes();
    EXPECT_EQ(bytes[8368], 0);
    EXPECT_EQ(textAt(bytes, 8, 80), "inst");
    EXPECT_EQ(textAt(bytes, 88, 4096), Messages::get("install_start"));
}

TEST_F(ProgressTest, TheSegmentIsCreatedWithItsSizeAndMode0600)
{
    Progress().stage(0, 1);
    const int id = shmget(kKey, 0, 0);
    ASSERT_GE(id, 0);
    struct shmid_ds info;
    ASSERT_EQ(shmctl(id, IPC_STAT, &info), 0);
    EXPECT_EQ(info.shm_segsz, kRecordSize);
    EXPECT_EQ(info.shm_perm.mode & 0777, 0600u);
    EXPECT_EQ(info.shm_perm.uid, geteuid());
    EXPECT_TRUE(Progress::SharedStatus().isShared());
    const std::vector<unsigned char> bytes = segmentBytes();
    EXPECT_EQ(textAt(bytes, 8, 80), "init");
    EXPECT_EQ(textAt(bytes, 88, 4096), Messages::get("progress_stage_init"));
}

TEST_F(ProgressTest, StagesAndStepsAreLogged)
{
    CapturedLog log(3);
    Progress().stage(2, 5);
    Progress().step("a", "First step");
    EXPECT_NE(log.text().find("Progress::stage: --- 2/4 (5 steps) " + Messages::get("progress_stage_resolv") + "\n"),
              std::string::npos)
        << log.text();
    EXPECT_NE(log.text().find("Progress::step: 1/5 First step\n"), std::string::npos) << log.text();
}

TEST_F(ProgressTest, AStepAndLogIsAStepWhoseTitleTheOperatorReads)
{
    CapturedLog log(0);
    Progress().stage(4, 1);
    Progress::stepAndLog("install_start", "Installing packages");
    EXPECT_EQ(log.text(), "Installing packages\n");
    const std::vector<unsigned char> bytes = segmentBytes();
    EXPECT_EQ(textAt(bytes, 4192, 80), "install_start");
    EXPECT_EQ(textAt(bytes, 4272, 4096), "Installing packages");
}

TEST_F(ProgressTest, StepsBeyondTheAnnouncedCountRaiseIt)
{
    Progress().stage(2, 8);
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        Progress().step("s" + std::to_string(i), "Step");
        const std::vector<unsigned char> bytes = segmentBytes();
        EXPECT_EQ(intAt(bytes, 4184), i);
        EXPECT_EQ(intAt(bytes, 4188), i <= 8 ? 8 : i);
    }
}

TEST_F(ProgressTest, StepsOfSeveralThreadsAreNotLost)
{
    // Record locks do not exclude the threads of one process; the status's own
    // mutex does, so that no increment of the step is lost.
    Progress().stage(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 100; ++i) Progress().step("id", "title");
        });
    for (std::thread& thread : threads) thread.join();
    const std::vector<unsigned char> bytes = segmentBytes();
    EXPECT_EQ(intAt(bytes, 4184), 800);
    EXPECT_EQ(intAt(bytes, 4188), 800);
}

TEST_F(ProgressTest, ANewStageStartsItsStepsAfresh)
{
    Progress().stage(1, 2);
    Progress().step("one", "One");
    Progress().stage(2, 6);
    const std::vector<unsigned char> bytes = segmentBytes();
    EXPECT_EQ(intAt(bytes, 4184), 0);
    EXPECT_EQ(intAt(bytes, 4188), 6);
    EXPECT_EQ(textAt(bytes, 4192, 80), "");
    EXPECT_EQ(textAt(bytes, 4272, 4096), "");
}

TEST_F(ProgressTest, AnUnknownStageKeepsTheIdAndTitle)
{
    Progress().stage(3, 1);
    Progress().stage(7, 2);
    const std::vector<unsigned char> bytes = segmentBytes();
    EXPECT_EQ(intAt(bytes, 0), 7);
    EXPECT_EQ(intAt(bytes, 4188), 2);
    EXPECT_EQ(textAt(bytes, 8, 80), "download");
    EXPECT_EQ(textAt(bytes, 88, 4096), Messages::get("progress_stage_download"));
}

TEST_F(ProgressTest, LongTextsAreCutInTheRecordButLoggedWhole)
{
    CapturedLog log(3);
    const std::string id(100, 'i');
    const std::string title(5000, 't');
    const std::string failure(9000, 'e');
    Progress().stage(1, 1);
    Progress().step(id, title);
    Progress().fail(failure);
    const std::vector<unsigned char> bytes = segmentBytes();
    EXPECT_EQ(textAt(bytes, 4192, 80), id.substr(0, 79));
    EXPECT_EQ(textAt(bytes, 4272, 4096), title.substr(0, 4095));
    EXPECT_EQ(textAt(bytes, 8370, 8096), failure.substr(0, 8095));
    EXPECT_TRUE(allZero(bytes, 16466, 4096 + 2));
    EXPECT_NE(log.text().find("Progress::step: 1/1 " + title + "\n"), std::string::npos);
}

TEST_F(ProgressTest, ASegmentThatCannotBeTrustedIsNotUsed)
{
    const std::string untrusted = "Warning: the shared memory segment of the progress status";
    const struct Case {
        const char* name;
        std::size_t size;
        int mode;
        uid_t owner;
        std::string logged;
    } cases[] = {
        {"readable by others", kRecordSize, 0644, 0, untrusted},
        {"owned by another user", kRecordSize, 0600, 65534, untrusted},
        {"too small", 100, 0600, 0, "Error: Can't create/access to shm segment: " + std::string(std::strerror(EINVAL))},
    };
    int stage = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string why;
        ASSERT_TRUE(enterPrivateIpcNamespace(&why)) << why;  // a fresh namespace for each case
        const int id = shmget(kKey, c.size, IPC_CREAT | IPC_EXCL | c.mode);
        ASSERT_GE(id, 0);
        if (c.owner != 0) {
            struct shmid_ds info;
            ASSERT_EQ(shmctl(id, IPC_STAT, &info), 0);
            info.shm_perm.uid = c.owner;
            ASSERT_EQ(shmctl(id, IPC_SET, &info), 0);
        }
        CapturedLog log(3);
        Progress().stage(++stage, 1);
        EXPECT_NE(log.text().find(c.logged), std::string::npos) << log.text();

        void* address = shmat(id, nullptr, SHM_RDONLY);
        ASSERT_NE(address, reinterpret_cast<void*>(-1));
        std::vector<unsigned char> bytes(static_cast<unsigned char*>(address),
                                         static_cast<unsigned char*>(address) + c.size);
        shmdt(address);
        EXPECT_TRUE(allZero(bytes, 0, c.size)) << "the untrusted segment was written";

        Progress::SharedStatus status;
        EXPECT_FALSE(status.isShared());
        EXPECT_EQ(status.data().stage, stage);
    }
}

TEST_F(ProgressTest, WithoutSharedMemoryTheRunGoesOnWithItsOwnRecord)
{
    // A segment that was there and is gone: the operator hears of it once.
    Progress().stage(0, 1);
    ASSERT_EQ(shmctl(shmget(kKey, 0, 0), IPC_RMID, nullptr), 0);
    // No segment can be created in this namespace any more.
    {
        std::ofstream limit("/proc/sys/kernel/shmmni");
        limit << 0;
        limit.flush();
        if (!limit) GTEST_SKIP() << "the namespace's segment limit cannot be set";
    }
    CapturedLog log(0);
    Progress().stage(1, 2);
    Progress().step("x", "Step x");
    const std::string expected = "Error: Can't create/access to shm segment: " + std::string(std::strerror(ENOSPC))
                                 + "\nRemove status reporter feature will unavailable.\n";
    EXPECT_EQ(log.text(), expected) << "the operator is told once";
    Progress::SharedStatus status;
    EXPECT_FALSE(status.isShared());
    EXPECT_EQ(status.data().stage, 1);
    EXPECT_EQ(status.data().step, 1);
    EXPECT_STREQ(status.data().stepTitle, "Step x");
}

void expectInterrupted(int signalNumber)
{
    try {
        Progress::checkTermination();
        ADD_FAILURE() << "no interruption raised";
    } catch (const Progress::Interrupted& interrupted) {
        EXPECT_EQ(interrupted.signal(), signalNumber);
        EXPECT_EQ(interrupted.message(), Messages::get("user_canceled"));
    }
}

TEST_F(ProgressTest, ATerminationSignalIsActedOnAtTheNextCheck)
{
    CapturedLog log(3);
    Progress::checkTermination();  // nothing recorded: returns
    EXPECT_FALSE(Progress::takeTerminationRequest());

    Progress::onSignal(SIGTERM);
    EXPECT_FALSE(Progress::isTerminating());
    expectInterrupted(SIGTERM);
    EXPECT_TRUE(Progress::isTerminating());
    EXPECT_NE(log.text().find(Messages::get("Kitwright")
                              + " process has received termination signal and will stop working (signal number 15)."),
              std::string::npos)
        << log.text();
    const std::vector<unsigned char> bytes = segmentBytes();
    EXPECT_EQ(bytes.at(8368), 1);
    EXPECT_EQ(bytes.at(8369), 1);
    EXPECT_EQ(textAt(bytes, 8370, 8096), Messages::get("user_canceled"));

    Progress::checkTermination();  // already terminating: returns
}

TEST_F(ProgressTest, ATerminationRequestIsHandedOutOnce)
{
    Progress::onSignal(SIGINT);
    EXPECT_TRUE(Progress::takeTerminationRequest());
    EXPECT_FALSE(Progress::takeTerminationRequest());
    Progress::onSignal(SIGTERM);  // a taken request keeps its state, with the new number
    EXPECT_FALSE(Progress::takeTerminationRequest());
    expectInterrupted(SIGTERM);
}

TEST_F(ProgressTest, OnlyAHangUpWaitsForTheEndOfAnUnsafeSection)
{
    const struct Case {
        const char* name;
        int signalNumber;
        bool actsInside;
    } cases[] = {
        {"SIGHUP", SIGHUP, false},
        {"SIGINT", SIGINT, true},
        {"SIGTERM", SIGTERM, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Progress::resetTermination();
        Progress::markCancelUnsafe();
        Progress::onSignal(c.signalNumber);
        if (c.actsInside) {
            expectInterrupted(c.signalNumber);
            Progress::markCancelSafe();
            continue;
        }
        EXPECT_FALSE(Progress::takeTerminationRequest());
        Progress::checkTermination();
        EXPECT_FALSE(Progress::isTerminating());
        Progress::markCancelSafe();
        expectInterrupted(c.signalNumber);
    }
}

TEST_F(ProgressTest, TheLastSignalWins)
{
    Progress::onSignal(SIGHUP);
    Progress::onSignal(SIGTERM);
    expectInterrupted(SIGTERM);
}

// Records a signal from its destructor, as a handler would during unwinding.
struct SignalDuringUnwinding {
    ~SignalDuringUnwinding() { Progress::onSignal(SIGINT); }
};

TEST_F(ProgressTest, ASignalWhileTheTerminationUnwindsIsDropped)
{
    Progress::onSignal(SIGTERM);
    try {
        SignalDuringUnwinding signal;
        Progress::checkTermination();
    } catch (const Progress::Interrupted& interrupted) {
        EXPECT_EQ(interrupted.signal(), SIGTERM);
    }
    EXPECT_TRUE(Progress::isTerminating());

    Progress::onSignal(SIGINT);  // not unwinding: a new request
    EXPECT_FALSE(Progress::isTerminating());
    expectInterrupted(SIGINT);
}

bool readableNow(int fd)
{
    pollfd wait = {fd, POLLIN, 0};
    return ::poll(&wait, 1, 0) == 1 && (wait.revents & POLLIN) != 0;
}

TEST_F(ProgressTest, ASignalWakesAWaitOnTheWakeupDescriptor)
{
    const int wakeup = Progress::terminationWakeupDescriptor();
    ASSERT_GE(wakeup, 0);
    EXPECT_EQ(Progress::terminationWakeupDescriptor(), wakeup);
    Progress::drainTerminationWakeup();
    EXPECT_FALSE(readableNow(wakeup));

    errno = EAGAIN;
    Progress::onSignal(SIGHUP);
    Progress::onSignal(SIGINT);
    EXPECT_EQ(errno, EAGAIN) << "the handler keeps the interrupted code's errno";
    EXPECT_TRUE(readableNow(wakeup));
    Progress::drainTerminationWakeup();
    EXPECT_FALSE(readableNow(wakeup));
    expectInterrupted(SIGINT);
}

TEST_F(ProgressTest, UnsafeSectionsDoNotNest)
{
    CapturedLog log(3);
    Progress::markCancelUnsafe();
    if (const auto failure = expectError([] { Progress::markCancelUnsafe(); })) {
        EXPECT_EQ(failure->errorClass(), 3);
        EXPECT_EQ(failure->support(), 3);
    }
    Progress::markCancelSafe();
    Progress::markCancelSafe();  // closing never fails
    EXPECT_NE(log.text().find("DEBUG: Mark cancel/stop operation as unsafe\n"), std::string::npos);
    EXPECT_NE(log.text().find("DEBUG: Mark cancel/stop operation as safe\n"), std::string::npos);
}

TEST_F(ProgressTest, TheInterruptionCanBeRaisedAgainOnAnotherThread)
{
    Progress::onSignal(SIGTERM);
    boost::exception_ptr caught;
    std::thread worker([&caught] {
        try {
            Progress::checkTermination();
        } catch (...) {
            caught = boost::current_exception();
        }
    });
    worker.join();
    ASSERT_TRUE(caught);
    try {
        boost::rethrow_exception(caught);
    } catch (const Progress::Interrupted& interrupted) {
        EXPECT_EQ(interrupted.signal(), SIGTERM);
    } catch (...) {
        ADD_FAILURE() << "the captured exception lost its type";
    }
}

TEST_F(ProgressTest, ARecordedSignalMakesTheWakeUpPipeReadableUntilDrained)
{
    const int wakeUp = Progress::terminationWakeupDescriptor();
    ASSERT_GE(wakeUp, 0);
    EXPECT_EQ(Progress::terminationWakeupDescriptor(), wakeUp);
    EXPECT_NE(::fcntl(wakeUp, F_GETFD) & FD_CLOEXEC, 0);
    Progress::drainTerminationWakeup();
    struct pollfd watched = {wakeUp, POLLIN, 0};
    EXPECT_EQ(::poll(&watched, 1, 0), 0);

    // More signals than the pipe holds bytes never block the handler.
    for (int count = 0; count < 70000; ++count) Progress::onSignal(SIGTERM);
    EXPECT_EQ(::poll(&watched, 1, 0), 1);
    Progress::drainTerminationWakeup();
    EXPECT_EQ(::poll(&watched, 1, 0), 0);
    expectInterrupted(SIGTERM);
}

}  // namespace
