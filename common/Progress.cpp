#include "common/Progress.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <boost/exception/exception.hpp>

#include <fcntl.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <exception>
#include <mutex>

namespace {

struct StageInfo {
    const char* id;
    const char* titleKey;
};

const StageInfo kStages[] = {
    {"init", "progress_stage_init"},
    {"prep", "progress_stage_prep"},
    {"resolv", "progress_stage_resolv"},
    {"download", "progress_stage_download"},
    {"inst", "install_start"},
};
constexpr int kStageCount = 4;

// Serialises the threads of this process around the record (record locks do not).
std::recursive_mutex& statusMutex()
{
    static std::recursive_mutex* mutex = new std::recursive_mutex;  // alive until exit
    return *mutex;
}

// The process's own record, used while the segment cannot be had; guarded by
// statusMutex().
Progress::Record* heapRecord = nullptr;
bool unavailableLogged = false;
bool untrustedLogged = false;

Progress::Record& heap()
{
    if (!heapRecord) heapRecord = new Progress::Record();  // zero-filled, alive until exit
    return *heapRecord;
}

// A segment someone else created or can change would let that user feed the
// status reader or watch what the installer writes.
bool trustworthy(const struct shmid_ds& info)
{
    const uid_t self = geteuid();
    return info.shm_perm.uid == self && info.shm_perm.cuid == self && (info.shm_perm.mode & 0777) == 0600
           && info.shm_segsz >= sizeof(Progress::Record);
}

template <std::size_t N>
void setText(char (&field)[N], const std::string& text)
{
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

template <std::size_t N>
std::string getText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

// The termination state. Lock-free atomics: the signal handler writes them.
enum TerminationState { none = 0, pending = 1, taken = 2, terminating = 3 };
std::atomic<int> terminationState{none};
// The wake-up pipe's ends, -1 until made; they stay open until exit.
std::atomic<int> wakeUpReadEnd{-1};
std::atomic<int> wakeUpWriteEnd{-1};
std::atomic<int> recordedSignal{0};
std::atomic<bool> cancelSafe{true};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "the signal handler needs lock-free atomics");

bool mayActNow()
{
    const int signalNumber = recordedSignal.load();
    return (signalNumber != 0 && signalNumber != SIGHUP) || cancelSafe.load();
}

}  // namespace

Progress::SharedStatus::SharedStatus() : guard_(statusMutex()), lock_(2, true), id_(-1), address_(nullptr)
{
    const int id = shmget(sharedKey, sizeof(Record), IPC_CREAT | 0600);
    if (id < 0) {
        const int failure = errno;
        // Every status operation comes here: tell the operator once.
        const int level = unavailableLogged ? 3 : 0;
        unavailableLogged = true;
        Log(level, true) << "Error: Can't create/access to shm segment: " << std::strerror(failure);
        Log(level, true) << "Remove status reporter feature will unavailable.";
        heap();
        return;
    }
    struct shmid_ds info;
    if (shmctl(id, IPC_STAT, &info) != 0 || !trustworthy(info)) {
        const int level = untrustedLogged ? 3 : 1;
        untrustedLogged = true;
        Log(level, true) << "Warning: the shared memory segment of the progress status (key " << sharedKey
                         << ") is not owned by root with mode 0600 or is too small; the progress is kept "
                            "inside this process only.";
        heap();
        return;
    }
    void* address = shmat(id, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        const int failure = errno;
        throw error(4, 1, 1, 2) << "Can't access to shm segment: " << std::strerror(failure);
    }
    id_ = id;
    address_ = address;
    // A later outage is news again.
    unavailableLogged = untrustedLogged = false;
}

Progress::SharedStatus::~SharedStatus()
{
    if (address_ && shmdt(address_) != 0) {
        const int failure = errno;
        Log(0, true) << "Warning: shmdt error: " << std::strerror(failure);
    }
}

Progress::Record& Progress::SharedStatus::data()
{
    return address_ ? *static_cast<Record*>(address_) : heap();
}

const std::string& Progress::Interrupted::message()
{
    return Messages::get("user_canceled");
}

void Progress::stage(int stage, int steps)
{
    try {
        std::string title;
        {
            SharedStatus status;
            Record& record = status.data();
            record.stage = stage;
            record.stageCount = kStageCount;
            record.finished = 0;
            record.failed = 0;
            record.step = 0;
            record.stepCount = steps;
            setText(record.stepId, std::string());
            setText(record.stepTitle, std::string());
            if (stage >= 0 && stage <= kStageCount) {
                setText(record.stageId, kStages[stage].id);
                setText(record.stageTitle, Messages::get(kStages[stage].titleKey));
            }
            title = getText(record.stageTitle);
        }
        Log(3, true) << "Progress::stage: --- " << stage << "/" << kStageCount << " (" << steps << " steps) " << title;
    } catch (...) {
        // A status operation never raises: the run matters more than its display.
        Log(2, true) << "Progress::stage() was interrupted by exception";
    }
}

void Progress::step(const std::string& id, const std::string& title)
{
    try {
        std::int32_t number;
        std::int32_t count;
        {
            SharedStatus status;
            Record& record = status.data();
            // Unsigned arithmetic: a record left by another run may hold any value.
            const std::uint32_t next = static_cast<std::uint32_t>(record.step) + 1u;
            record.step = static_cast<std::int32_t>(next);
            if (next > static_cast<std::uint32_t>(record.stepCount)) record.stepCount = record.step;
            setText(record.stepId, id);
            setText(record.stepTitle, title);
            number = record.step;
            count = record.stepCount;
        }
        Log(3, true) << "Progress::step: " << number << "/" << count << " " << title;
    } catch (...) {
        // A status operation never raises.
        Log(2, true) << "Progress::step() was interrupted by exception";
    }
}

void Progress::stepAndLog(const std::string& id, const std::string& title)
{
    step(id, title);
    Log(0, true) << title;
}

void Progress::fail(const std::string& text)
{
    try {
        SharedStatus status;
        Record& record = status.data();
        record.finished = 1;
        record.failed = 1;
        setText(record.error, text);
    } catch (...) {
        // A status operation never raises.
        Log(2, true) << "Progress::fail() was interrupted by exception";
    }
}

void Progress::finish()
{
    try {
        SharedStatus status;
        Record& record = status.data();
        record.finished = 1;
        record.failed = 0;
    } catch (...) {
        // A status operation never raises.
        Log(2, true) << "Progress::finish() was interrupted by exception";
    }
}

void Progress::onSignal(int signalNumber)
{
    int current = terminationState.load();
    // A signal while the termination unwinds would only start it again.
    if (current == terminating && std::uncaught_exceptions() > 0) return;
    // The number first: whoever sees the pending state also sees its signal.
    recordedSignal.exchange(signalNumber);
    while (current == none || current == terminating) {
        if (terminationState.compare_exchange_weak(current, pending)) break;
    }
    const int wakeUp = wakeUpWriteEnd.load();
    if (wakeUp >= 0) {
        const int savedErrno = errno;
        // A full pipe already wakes the waiter; the byte is not needed then.
        (void)!::write(wakeUp, "", 1);
        errno = savedErrno;
    }
}

int Progress::wakeUpDescriptor()
{
    static std::mutex creation;
    std::lock_guard<std::mutex> guard(creation);
    if (wakeUpReadEnd.load() < 0) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
            const std::string reason = std::strerror(errno);
            error failure(4, 1, 1, 2);
            failure << "Unable to create the termination wake-up pipe: " << reason;
            throw failure;
        }
        wakeUpReadEnd.store(ends[0]);
        wakeUpWriteEnd.store(ends[1]);
    }
    return wakeUpReadEnd.load();
}

void Progress::drainWakeUp()
{
    const int wakeUp = wakeUpReadEnd.load();
    if (wakeUp < 0) return;
    char bytes[64];
    while (::read(wakeUp, bytes, sizeof bytes) > 0) {
    }
}

bool Progress::takeTerminationRequest()
{
    if (terminationState.load() != pending || !mayActNow()) return false;
    int expected = pending;
    return terminationState.compare_exchange_strong(expected, taken);
}

void Progress::checkTermination()
{
    int current = terminationState.load();
    for (;;) {
        if ((current != pending && current != taken) || !mayActNow()) return;
        if (terminationState.compare_exchange_weak(current, terminating)) break;
    }
    const int signalNumber = recordedSignal.load();
    std::string text = Messages::get("Kitwright");
    if (signalNumber != 0)
        text += " process has received termination signal and will stop working (signal number "
                + std::to_string(signalNumber) + ").";
    else
        text += " process has received termination signal and will stop working.";
    Log(2, true) << text;
    fail(Messages::get("user_canceled"));
    throw boost::enable_current_exception(Interrupted(signalNumber));
}

bool Progress::isTerminating()
{
    return terminationState.load() == terminating;
}

void Progress::markCancelUnsafe()
{
    bool expected = true;
    if (!cancelSafe.compare_exchange_strong(expected, false)) throw KW_INTERNAL_ERROR();
    Log(3, true) << "DEBUG: Mark cancel/stop operation as unsafe";
}

void Progress::markCancelSafe()
{
    cancelSafe.store(true);
    Log(3, true) << "DEBUG: Mark cancel/stop operation as safe";
}

void Progress::resetTermination()
{
    terminationState.store(none);
    recordedSignal.store(0);
    cancelSafe.store(true);
}
