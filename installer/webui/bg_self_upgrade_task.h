#pragma once

#include <atomic>
#include <ostream>
#include <functional>
#include <string>
#include <thread>

// The download of the newer installer a catalogue demands, on a thread of its
// own beside the web back end's command loop. While it exists, the loop answers
// every command by its state: preparing, ready (the loop restarts into the new
// copy), or failed (the failure's text and class, for as long as the process
// lives).
//
// Threads: the task thread writes the texts and then the state (release); the
// main thread reads the state (acquire) and, once failed, the texts. The task
// is destroyed only by the main thread, which waits for the thread first, so a
// task never goes while its thread runs.
class bg_self_upgrade_task {
public:
    enum class State { preparing = 0, ready = 1, failed = 2 };

    // What fetches the newer installer; an `error` from it fails the task.
    using Download = std::function<void()>;

    explicit bg_self_upgrade_task(Download download);
    // Waits for the thread.
    ~bg_self_upgrade_task();
    bg_self_upgrade_task(const bg_self_upgrade_task&) = delete;
    bg_self_upgrade_task& operator=(const bg_self_upgrade_task&) = delete;

    void start();
    // The thread body. Catches everything: an `error` keeps its text and class,
    // anything else fails the task with the class "internal".
    void operator()();

    State state() const { return state_.load(std::memory_order_acquire); }
    const std::string& errorText() const { return errorText_; }
    const std::string& errorClass() const { return errorClass_; }

private:
    void fail(const std::string& text, const std::string& className);

    Download download_;
    std::atomic<State> state_{State::preparing};
    std::string errorText_;
    std::string errorClass_;
    std::thread thread_;
};

// "preparing", "ready", "failed"
std::ostream& operator<<(std::ostream& out, bg_self_upgrade_task::State state);
