#pragma once

#include "common/Lock.h"

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

// The installer's process-wide progress status and its handling of termination
// signals. Progress objects are empty: all state is process-wide and every
// operation is static, so both Progress().stage(...) and Progress::stage(...) work.
//
// Progress: stages, steps, and the final success or failure are written into a
// System V shared-memory record (key 321456) that other processes, such as the
// installer's status query, read while the installer runs.
//
// Termination: the signal handlers only record the signal (onSignal). Long work
// calls checkTermination at safe points, which then raises Progress::Interrupted
// after marking the status failed. A SIGHUP is not acted on inside a cancel-unsafe
// section; SIGINT and SIGTERM are acted on at the next check anywhere.
class Progress {
public:
    // The shared record. Read by other processes: all integers are 32-bit
    // little-endian, all texts NUL-terminated and cut to their field size minus one.
    struct Record {
        std::int32_t stage;       // 0 to 4
        std::int32_t stageCount;  // 4 once a stage was announced
        char stageId[80];         // "init", "prep", "resolv", "download", "inst"
        char stageTitle[4096];
        std::int32_t step;        // from 1
        std::int32_t stepCount;   // raised to step when step exceeds it
        char stepId[80];
        char stepTitle[4096];
        char finished;            // 1 when the run has ended
        char failed;              // 1 when it ended with a failure
        char error[8096];
        char reserved[4096];      // never written
        char padding[2];
    };

    static constexpr key_t sharedKey = 321456;

    // One status operation's access to the record: holds lock slot 2 (waiting) and
    // the process's own status mutex, so that neither another process nor another
    // thread sees a half-written operation. The record is the shared segment when
    // it can be had and is trustworthy (owned by the installer's user, root, with
    // mode 0600), else a zero-filled record of the process's own.
    class SharedStatus {
    public:
        // Raises the errors of Lock, and error (4,1,1,2) when the segment cannot be
        // attached.
        SharedStatus();
        ~SharedStatus();
        SharedStatus(const SharedStatus&) = delete;
        SharedStatus& operator=(const SharedStatus&) = delete;

        Record& data();
        // Whether the record is the shared segment (other processes see it).
        bool isShared() const { return address_ != nullptr; }

    private:
        std::unique_lock<std::recursive_mutex> guard_;
        Lock lock_;
        int id_;  // -1 while the process's own record is used (0 is a valid id)
        void* address_;
    };

    // Raised by checkTermination; in the boost form that boost::current_exception
    // can capture, so another thread can raise it again.
    class Interrupted {
    public:
        explicit Interrupted(int signalNumber) : signal_(signalNumber) {}
        int signal() const { return signal_; }
        // The catalogue text of "user_canceled".
        static const std::string& message();

    private:
        int signal_;
    };

    Progress() = default;

    // The status operations never raise; a failure inside one is logged at level 2.
    static void stage(int stage, int steps);
    static void step(const std::string& id, const std::string& title);
    // A step whose title the operator also reads in the log (level 0).
    static void stepAndLog(const std::string& id, const std::string& title);
    static void fail(const std::string& text);
    static void finish();

    // Records a termination signal; async-signal-safe, for the signal handlers.
    // It also writes a byte into the wake-up pipe once that exists.
    static void onSignal(int signalNumber);
    // Acts on a recorded termination when it may be acted on now: logs it, marks
    // the status failed with "user_canceled" and raises Interrupted.
    static void checkTermination();
    // Hands out a pending termination request once (the caller then stops its
    // child, transfer or prompt before the next check).
    static bool takeTerminationRequest();
    static bool isTerminating();
    // A descriptor that becomes readable when a termination signal is recorded,
    // so that a wait in poll wakes although the handlers restart interrupted
    // calls (the prompts wait this way). Made on the first call; raises error
    // (4,1,1,2) when it cannot be. A waiter empties it with
    // drainTerminationWakeup, then checks for termination, then waits.
    static int terminationWakeupDescriptor();
    static void drainTerminationWakeup();
    // Open and close a section in which a SIGHUP is not acted on. Sections do not
    // nest: opening one while one is open is an internal error.
    static void markCancelUnsafe();
    static void markCancelSafe();
    // A cancel-unsafe section for the lifetime of the object, however the scope ends.
    class CancelUnsafeSection {
    public:
        CancelUnsafeSection() { markCancelUnsafe(); }
        ~CancelUnsafeSection() { markCancelSafe(); }
        CancelUnsafeSection(const CancelUnsafeSection&) = delete;
        CancelUnsafeSection& operator=(const CancelUnsafeSection&) = delete;
    };

    // Tests only: back to no signal recorded, cancel-safe.
    static void resetTermination();
};

static_assert(sizeof(Progress::Record) == 20564, "the shared record is a fixed format");
static_assert(offsetof(Progress::Record, stageTitle) == 88, "the shared record is a fixed format");
static_assert(offsetof(Progress::Record, step) == 4184, "the shared record is a fixed format");
static_assert(offsetof(Progress::Record, stepId) == 4192, "the shared record is a fixed format");
static_assert(offsetof(Progress::Record, stepTitle) == 4272, "the shared record is a fixed format");
static_assert(offsetof(Progress::Record, finished) == 8368, "the shared record is a fixed format");
static_assert(offsetof(Progress::Record, error) == 8370, "the shared record is a fixed format");
static_assert(offsetof(Progress::Record, reserved) == 16466, "the shared record is a fixed format");
static_assert(offsetof(Progress::Record, padding) == 20562, "the shared record is a fixed format");
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the shared record's integers are little-endian");
