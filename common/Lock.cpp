#include "common/Lock.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/fileops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>

namespace {

// Shared by every Lock of the process. Closing any descriptor of the lock file
// would drop all of the process's slots, hence one descriptor for all.
struct LockState {
    std::string path = "/tmp/kvo-installer.lock";
    std::mutex mutex;      // guards fd and users
    int fd = -1;
    int users = 0;         // Lock objects holding or taking a slot
    // Per slot: serialises taking and releasing, and counts the holders so that
    // the byte is unlocked only when the last of them goes.
    std::mutex slotMutex[Lock::slotCount];
    int holders[Lock::slotCount] = {0, 0, 0};
};

LockState& state()
{
    static LockState* instance = new LockState;  // alive until exit, also for late destructors
    return *instance;
}

error badSlot()
{
    return error(3, 1, 1, 3) << Messages::get("err_bad_semnum");
}

// Opens the lock file when it is not open; the caller holds state().mutex.
// The file lies in /tmp, where any local user could make it first and hold its
// bytes for ever: only a regular file of the installer's own user is used, and
// anything else standing there is replaced (fileops::open_own_file). Nothing is
// ever written to it or truncated.
void openFile(LockState& s)
{
    if (s.fd != -1) return;
    const int fd = fileops::open_own_file(s.path, O_WRONLY, 0600);
    if (fd < 0) {
        const int failure = errno;
        throw error(4, 1, 1, 2) << (Messages::format("err_lock_file") % s.path % std::strerror(failure));
    }
    s.fd = fd;
}

struct flock byteRange(unsigned slot, short type)
{
    struct flock range;
    std::memset(&range, 0, sizeof range);
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = static_cast<off_t>(slot);
    range.l_len = 1;
    return range;
}

// Drops one user; the last one closes the file. The caller holds state().mutex.
void dropUser(LockState& s)
{
    if (--s.users > 0 || s.fd == -1) return;
    const int fd = s.fd;
    s.fd = -1;
    if (::close(fd) != 0) {
        const int failure = errno;
        Log(1, true) << (Messages::format("err_lock_shutdown") % s.path) << std::strerror(failure);
    }
}

}  // namespace

Lock::Lock(unsigned slot, bool wait) : slot_(slot)
{
    acquire(wait, true);
}

std::unique_ptr<Lock> Lock::tryTake(unsigned slot)
{
    std::unique_ptr<Lock> lock(new Lock(slot));
    if (!lock->acquire(false, false)) return nullptr;
    return lock;
}

bool Lock::acquire(bool wait, bool raiseWhenHeld)
{
    if (slot_ >= slotCount) throw badSlot();
    LockState& s = state();
    std::lock_guard<std::mutex> slotGuard(s.slotMutex[slot_]);
    int fd;
    {
        std::lock_guard<std::mutex> guard(s.mutex);
        openFile(s);
        ++s.users;
        fd = s.fd;
    }
    if (s.holders[slot_] == 0) {
        struct flock range = byteRange(slot_, F_WRLCK);
        for (;;) {
            errno = 0;
            if (fcntl(fd, wait ? F_SETLKW : F_SETLK, &range) == 0) break;
            const int failure = errno;
            if (failure == EINTR) continue;
            std::lock_guard<std::mutex> guard(s.mutex);
            dropUser(s);
            const bool heldElsewhere = !wait && (failure == EAGAIN || failure == EACCES);
            if (heldElsewhere && !raiseWhenHeld) return false;
            if (heldElsewhere) throw error(4, 2, 1, 1) << Messages::get("err_lock_locked");
            throw error(4, 2, 1, 2) << (Messages::format("err_lock_failed") % s.path % std::strerror(failure));
        }
    }
    ++s.holders[slot_];
    held_ = true;
    return true;
}

Lock::~Lock()
{
    if (!held_) return;
    LockState& s = state();
    std::lock_guard<std::mutex> slotGuard(s.slotMutex[slot_]);
    if (--s.holders[slot_] == 0) {
        struct flock range = byteRange(slot_, F_UNLCK);
        while (fcntl(s.fd, F_SETLK, &range) != 0) {
            const int failure = errno;
            if (failure == EINTR) continue;
            Log(1, true) << (Messages::format("err_unlock_failed") % s.path % std::strerror(failure));
            break;
        }
    }
    std::lock_guard<std::mutex> guard(s.mutex);
    dropUser(s);
}

int Lock::test(unsigned slot)
{
    if (slot >= slotCount) throw badSlot();
    LockState& s = state();
    std::lock_guard<std::mutex> guard(s.mutex);
    openFile(s);
    struct flock range = byteRange(slot, F_WRLCK);
    if (fcntl(s.fd, F_GETLK, &range) != 0) {
        const int failure = errno;
        throw error(4, 2, 1, 2) << (Messages::format("err_lock_test") % s.path % std::strerror(failure));
    }
    return range.l_type == F_UNLCK ? 0 : static_cast<int>(range.l_pid);
}

const std::string& Lock::filePath()
{
    return state().path;
}

void Lock::setFilePath(const std::string& path)
{
    LockState& s = state();
    std::lock_guard<std::mutex> guard(s.mutex);
    if (s.users != 0) throw KW_INTERNAL_ERROR();
    if (s.fd != -1) {
        ::close(s.fd);
        s.fd = -1;
    }
    s.path = path;
}
