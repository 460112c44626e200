#pragma once

#include <memory>
#include <string>

// Process-wide, crash-safe locks between installer processes: POSIX record locks
// on single bytes (slots) of the lock file "/tmp/kvo-installer.lock". The kernel
// drops a process's record locks when it ends, so a crashed installer leaves no
// stale lock.
//   slot 0: single instance (tested and then held for the whole run)
//   slot 1: unused
//   slot 2: the shared progress status record
// Record locks belong to the process: within it a slot is shared by every thread
// and by every Lock on it; the byte is released when the last Lock on the slot
// goes, and the file is closed when no slot is held any more.
// Any local user may create a file in /tmp: a lock file that is not a regular
// file of the installer's own user (root) is removed and made anew, so that
// nobody else can hold the installer's slots; the installer's own file keeps its
// inode and gets its mode 0600 back.
class Lock {
public:
    static constexpr unsigned slotCount = 3;

    // Takes the slot. With wait, blocks until no other process holds it; without,
    // a slot held by another process raises error (4,2,1,1) "err_lock_locked".
    // Other failures: error (4,1,1,2) "err_lock_file" (the file cannot be opened
    // or made), (4,2,1,2) "err_lock_failed", and the internal
    // error (3,1,1,3) "err_bad_semnum" for a slot above 2.
    Lock(unsigned slot, bool wait);
    // Takes the slot without waiting; null when another process holds it. The
    // check and the taking are one step, so of two processes racing for a free
    // slot exactly one gets it. Other failures raise as the constructor.
    static std::unique_ptr<Lock> tryTake(unsigned slot);
    // Releases the slot; failures are logged, never raised.
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

    unsigned slot() const { return slot_; }

    // The pid of another process holding the slot, or 0. Never waits, never takes
    // the slot, never reports the calling process. Raises error (3,1,1,3)
    // "err_bad_semnum" for a slot above 2, (4,2,1,2) "err_lock_test" when the
    // query fails, and the open failure of the constructor.
    static int test(unsigned slot);

    static const std::string& filePath();
    // Tests only: another lock file, set while no slot is held and no file open.
    static void setFilePath(const std::string& path);

private:
    // A Lock that holds nothing yet.
    explicit Lock(unsigned slot) : slot_(slot) {}
    // Takes the slot; false (nothing held) when it is held elsewhere and
    // neither waiting nor raising was asked for.
    bool acquire(bool wait, bool raiseWhenHeld);

    unsigned slot_;
    bool held_ = false;
};
