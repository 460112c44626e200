#include "common/Lock.h"

#include "common/Messages.h"
#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PlantedFiles.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

namespace {

// Every test locks a file of its own, never the machine's.
class LockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        defaultPath = Lock::filePath();
        path = dir.path() + "/kvo-installer.lock";
        Lock::setFilePath(path);
    }
    void TearDown() override
    {
        for (pid_t pid : children) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        for (int fd : holderCommands) close(fd);
        Lock::setFilePath(defaultPath);
    }

    // Forks a process that takes the slot and holds it until it is killed or
    // told (a byte on its command pipe) to release it. Returns once it holds it.
    pid_t startHolder(unsigned slot, int* commandFd = nullptr)
    {
        int ready[2], command[2];
        EXPECT_EQ(pipe(ready), 0);
        EXPECT_EQ(pipe(command), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            close(ready[0]);
            close(command[1]);
            {
                Lock held(slot, false);
                (void)!write(ready[1], "r", 1);
                char c;
                (void)!read(command[0], &c, 1);
            }
            (void)!write(ready[1], "R", 1);
            _exit(0);
        }
        children.push_back(pid);
        close(ready[1]);
        close(command[0]);
        char c = 0;
        EXPECT_EQ(read(ready[0], &c, 1), 1);
        EXPECT_EQ(c, 'r');
        holderReady = ready[0];
        // The holder lets go when this end is written to or closed.
        if (commandFd)
            *commandFd = command[1];
        else
            holderCommands.push_back(command[1]);
        return pid;
    }

    // Lock::test as another process sees it.
    static int testFromOtherProcess(unsigned slot)
    {
        int result[2];
        if (pipe(result) != 0) return -2;
        const pid_t pid = fork();
        if (pid == 0) {
            int holder = -1;
            try {
                holder = Lock::test(slot);
            } catch (...) {
                // Reported as -1.
            }
            (void)!write(result[1], &holder, sizeof holder);
            _exit(0);
        }
        close(result[1]);
        int holder = -2;
        if (read(result[0], &holder, sizeof holder) != sizeof holder) holder = -2;
        close(result[0]);
        waitpid(pid, nullptr, 0);
        return holder;
    }

    TempDir dir;
    std::string defaultPath;
    std::string path;
    std::vector<pid_t> children;
    std::vector<int> holderCommands;
    int holderReady = -1;
};

TEST_F(LockTest, ASecondProcessIsRefusedAndSeesTheHolderUntilItIsKilled)
{
    const pid_t holder = startHolder(0);
    EXPECT_EQ(Lock::test(0), holder);
    expectError([] { Lock second(0, false); }, {4, 2, 1, 1}, "Zarni Installer is already running.\n");

    ASSERT_EQ(kill(holder, SIGKILL), 0);
    ASSERT_EQ(waitpid(holder, nullptr, 0), holder);
    children.clear();
    EXPECT_EQ(Lock::test(0), 0);
    Lock taken(0, false);
    EXPECT_EQ(testFromOtherProcess(0), getpid());
}

TEST_F(LockTest, TryTakeGivesNothingWhileAnotherProcessHoldsTheSlot)
{
    const pid_t holder = startHolder(0);
    EXPECT_EQ(Lock::tryTake(0), nullptr);
    EXPECT_EQ(Lock::test(0), holder);

    ASSERT_EQ(kill(holder, SIGKILL), 0);
    ASSERT_EQ(waitpid(holder, nullptr, 0), holder);
    children.clear();
    {
        std::unique_ptr<Lock> taken = Lock::tryTake(0);
        ASSERT_NE(taken, nullptr);
        EXPECT_EQ(testFromOtherProcess(0), getpid());
    }
    EXPECT_EQ(testFromOtherProcess(0), 0);
    expectError([] { Lock::tryTake(3); }, {3, 1, 1, 3}, ::testing::HasSubstr("attempt to lock a file"));
}

// The busy check and the taking are one step: of many processes racing for the
// free slot exactly one gets it, and each of the others finds it held.
TEST_F(LockTest, OfManyRacingProcessesExactlyOneTakesTheSlot)
{
    constexpr int racers = 50;
    int go[2], results[2], done[2];
    ASSERT_EQ(pipe(go), 0);
    ASSERT_EQ(pipe(results), 0);
    ASSERT_EQ(pipe(done), 0);
    std::vector<pid_t> pids;
    for (int i = 0; i < racers; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(go[1]);
            close(results[0]);
            close(done[1]);
            char c;
            (void)!read(go[0], &c, 1);  // all start when the parent closes its end
            char result = 'e';
            std::unique_ptr<Lock> lock;
            try {
                lock = Lock::tryTake(0);
                result = lock ? 'w' : 'b';
            } catch (...) {
                // Reported as 'e'.
            }
            (void)!write(results[1], &result, 1);
            (void)!read(done[0], &c, 1);  // the winner holds the slot until every racer answered
            _exit(0);
        }
        pids.push_back(pid);
    }
    close(go[0]);
    close(results[1]);
    close(done[0]);
    close(go[1]);
    std::string answers;
    char c;
    while (answers.size() < static_cast<std::size_t>(racers) && read(results[0], &c, 1) == 1) answers += c;
    close(done[1]);
    close(results[0]);
    for (pid_t pid : pids) waitpid(pid, nullptr, 0);
    EXPECT_EQ(answers.size(), static_cast<std::size_t>(racers));
    EXPECT_EQ(std::count(answers.begin(), answers.end(), 'w'), 1);
    EXPECT_EQ(std::count(answers.begin(), answers.end(), 'b'), racers - 1);
}

TEST_F(LockTest, TestNeverReportsTheCallingProcess)
{
    Lock held(1, false);
    EXPECT_EQ(Lock::test(1), 0);
    EXPECT_EQ(testFromOtherProcess(1), getpid());
}

TEST_F(LockTest, ReleasingOneSlotKeepsTheOthers)
{
    Lock first(0, false);
    {
        Lock second(2, false);
        EXPECT_EQ(testFromOtherProcess(2), getpid());
    }
    EXPECT_EQ(testFromOtherProcess(2), 0);
    EXPECT_EQ(testFromOtherProcess(0), getpid());
}

TEST_F(LockTest, ASlotHeldTwiceInTheProcessStaysHeldUntilTheLastRelease)
{
    Lock outer(2, true);
    {
        Lock inner(2, false);  // the process holds it already: succeeds at once
        EXPECT_EQ(testFromOtherProcess(2), getpid());
    }
    EXPECT_EQ(testFromOtherProcess(2), getpid());
}

TEST_F(LockTest, TheFileIsReleasedWhenNoSlotIsHeld)
{
    {
        Lock held(0, false);
    }
    // With the descriptor closed, another process can take and hold every slot.
    const pid_t holder = startHolder(0);
    EXPECT_EQ(Lock::test(0), holder);
}

// The waiter shows in /proc/locks as a blocked request ("->") of this process.
bool waiterShown(pid_t waiter)
{
    std::ifstream locks("/proc/locks");
    std::string line;
    const std::string pid = " " + std::to_string(waiter) + " ";
    while (std::getline(locks, line))
        if (line.find("->") != std::string::npos && line.find(pid) != std::string::npos) return true;
    return false;
}

TEST_F(LockTest, AWaitingLockBlocksUntilTheOtherProcessReleases)
{
    int command = -1;
    const pid_t holder = startHolder(2, &command);
    // A watcher tells the holder to release only once this process is seen
    // blocked in its waiting request, and remembers whether it ever was.
    const pid_t self = getpid();
    int seen[2];
    ASSERT_EQ(pipe(seen), 0);
    const pid_t watcher = fork();
    if (watcher == 0) {
        char result = 'n';
        for (int i = 0; i < 20000 && result == 'n'; ++i) {
            if (waiterShown(self)) result = 'y';
            else {
                const struct timespec pause = {0, 500000};
                nanosleep(&pause, nullptr);
            }
        }
        (void)!write(seen[1], &result, 1);
        (void)!write(command, "x", 1);
        _exit(0);
    }
    children.push_back(watcher);
    close(seen[1]);

    {
        Lock waited(2, true);
        char result = 0;
        ASSERT_EQ(read(seen[0], &result, 1), 1);
        EXPECT_EQ(result, 'y') << "the waiting request never blocked";
        char released = 0;
        ASSERT_EQ(read(holderReady, &released, 1), 1);
        EXPECT_EQ(released, 'R');
        EXPECT_EQ(testFromOtherProcess(2), getpid());
    }
    EXPECT_EQ(waitpid(holder, nullptr, 0), holder);
    close(command);
}

TEST_F(LockTest, ASlotAboveTwoIsAnInternalError)
{
    for (bool testing : {false, true}) {
        SCOPED_TRACE(testing ? "test" : "take");
        expectError(
            [&] {
                if (testing)
                    Lock::test(3);
                else
                    Lock(3, false);
            },
            {3, 1, 1, 3}, Messages::get("err_bad_semnum") + "\n");
    }
}

TEST_F(LockTest, TheFileIsCreatedRegularWithMode0600)
{
    const mode_t old = umask(022);
    {
        Lock held(0, false);
    }
    umask(old);
    struct stat info;
    ASSERT_EQ(lstat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(info.st_size, 0);
}

TEST_F(LockTest, WhateverElseStandsAtThePathIsReplacedAndNoLinkIsFollowed)
{
    const std::string target = dir.path() + "/target";
    std::ofstream(target) << "keep";
    int reader = -1;  // a reader lets the open of a named pipe succeed
    const struct Case {
        const char* name;
        std::function<void()> plant;
    } cases[] = {
        {"symbolic link", [&] { ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0); }},
        {"named pipe", [&] { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }},
        {"named pipe with a reader",
         [&] {
             ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
             reader = open(path.c_str(), O_RDONLY | O_NONBLOCK);
             ASSERT_GE(reader, 0);
         }},
        {"empty directory", [&] { ASSERT_EQ(mkdir(path.c_str(), 0700), 0); }},
        {"second name of another file", [&] { ASSERT_EQ(link(target.c_str(), path.c_str()), 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool testing : {false, true}) {
            SCOPED_TRACE(testing ? "test" : "take");
            c.plant();
            CapturedLog log(1);
            if (testing)
                EXPECT_EQ(Lock::test(0), 0);
            else
                Lock taken(0, false);
            EXPECT_THAT(log.text(), ::testing::HasSubstr("Warning: removed "));
            struct stat info;
            ASSERT_EQ(lstat(path.c_str(), &info), 0);
            EXPECT_TRUE(S_ISREG(info.st_mode));
            EXPECT_EQ(info.st_mode & 07777, 0600u);
            EXPECT_EQ(info.st_nlink, 1u);
            // The next case plants afresh; the file of Lock::test stays open until then.
            Lock::setFilePath(path);
            ::remove(path.c_str());
            if (reader >= 0) close(reader);
            reader = -1;
        }
    }
    std::ifstream kept(target);
    std::ostringstream text;
    text << kept.rdbuf();
    EXPECT_EQ(text.str(), "keep");
}

TEST_F(LockTest, TheInstallersOwnFileKeepsItsInodeAndGetsItsModeBack)
{
    std::ofstream(path) << "";
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    struct stat before;
    ASSERT_EQ(lstat(path.c_str(), &before), 0);
    const pid_t holder = startHolder(0);
    EXPECT_EQ(Lock::test(0), holder);
    expectError([] { Lock second(0, false); }, {4, 2, 1, 1}, "Zarni Installer is already running.\n");
    struct stat after;
    ASSERT_EQ(lstat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
}

TEST(LockPath, WhatAnotherUserPlantsInTmpHoldsNoSlot)
{
    for (const Plant& plant : plants()) {
        SCOPED_TRACE(plant.name);
        const int result = runInPrivateMountNamespace([&plant] {
            if (mount("tmpfs", "/tmp", "tmpfs", 0, "mode=1777") != 0) return int(kNamespaceRefused);
            const std::string path = "/tmp/kvo-installer.lock";
            if (Lock::filePath() != path || !makeVictim()) return 2;
            // The planter also holds slots 0 and 2 of what it planted, where it can.
            LingeringProcess planter(plant.user, [&] {
                if (!plant.make(path)) return false;
                const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW);
                for (short slot : {0, 2}) {
                    struct flock range = {};
                    range.l_type = F_WRLCK;
                    range.l_whence = SEEK_SET;
                    range.l_start = slot;
                    range.l_len = 1;
                    if (fd >= 0 && fcntl(fd, F_SETLK, &range) != 0) return false;
                }
                return true;
            });
            if (!planter.done()) return 3;
            struct stat before;
            if (lstat(path.c_str(), &before) != 0) return 4;

            CapturedLog log(1);
            std::string failures;
            if (plant.keepsInode) {
                // The installer's own file, held by a running installer.
                try {
                    Lock taken(0, false);
                    failures += "slot 0 taken beside its holder; ";
                } catch (const error&) {
                }
                if (Lock::test(0) != planter.pid()) failures += "the holder is not seen; ";
            } else {
                try {
                    Lock first(0, false);
                    Lock status(2, false);
                    if (Lock::test(0) != 0 || Lock::test(2) != 0) failures += "another holder is seen; ";
                } catch (const error& failure) {
                    failures += "refused: " + failure.text();
                }
                if (log.text().find("Warning: ") == std::string::npos ||
                    log.text().find(path) == std::string::npos)
                    failures += "the removal is not logged; ";
            }
            struct stat after;
            if (lstat(path.c_str(), &after) != 0 || !S_ISREG(after.st_mode) || after.st_uid != 0 ||
                (after.st_mode & 07777) != 0600 || after.st_nlink != 1)
                failures += "not a private regular file of root; ";
            if ((after.st_ino == before.st_ino) != plant.keepsInode) failures += "inode kept or replaced wrongly; ";
            if (!victimIntact()) failures += "the victim changed; ";
            if (failures.empty()) return 0;
            std::fprintf(stderr, "%s\n%s\n", failures.c_str(), log.text().c_str());
            return 1;
        });
        if (result == kNamespaceRefused) GTEST_SKIP() << "private mount namespaces are not allowed here";
        EXPECT_EQ(result, 0);
    }
}

TEST(LockPath, TheDefaultFileIsInTmp)
{
    // Runs in a private mount namespace with a tmpfs on /tmp: the machine's lock
    // file is never touched.
    const int result = runInPrivateMountNamespace([] {
        if (mount("tmpfs", "/tmp", "tmpfs", 0, "mode=1777") != 0) return 2;
        if (Lock::filePath() != "/tmp/kvo-installer.lock") return 3;
        {
            Lock held(0, false);
        }
        struct stat info;
        if (lstat("/tmp/kvo-installer.lock", &info) != 0 || !S_ISREG(info.st_mode)) return 4;
        return 0;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "private mount namespaces are not allowed here";
    EXPECT_EQ(result, 0);
}

}  // namespace
