#pragma once

#include "common/Log.h"

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <thread>

class BuildManager;
class ComponentManager;
class ComponentsExamine;
class FileFetcher;
class Installer;
class ParamManager;
class Repository;
class SourceManager;
class error;

namespace driver {
class auto_configurator;
}

// The web back end's background installation job: one at a time, owned by the
// command loop, which keeps answering the front end while the job runs on its
// own thread.
//
// Threads: the job thread writes `success` and the kept exception, and then,
// as its last write, `finished` (release); the main thread reads `finished`
// (acquire) before it looks at the others. Only the main thread writes
// final_status_asked and destroys the job, which waits for the thread.
class InstallationThread {
public:
    // What the job does; the handlers of do_job are around it.
    using Work = std::function<void()>;

    // The console capture starts here, so the job's first lines are in it.
    explicit InstallationThread(Work work);
    // Waits for the thread (when one was started).
    ~InstallationThread();
    InstallationThread(const InstallationThread&) = delete;
    InstallationThread& operator=(const InstallationThread&) = delete;

    // Runs bg_task for this job on a new thread.
    void start();
    // The thread body: the work, then `success` and a termination check; an
    // `error` is reported (error report unless marked, log) and marks the
    // shared progress status failed; a driver::SystemExit or
    // Progress::Interrupted is kept for the main thread; anything else is
    // logged. Last, `finished`.
    void do_job();

    bool finished() const { return finished_.load(std::memory_order_acquire); }
    // Meaningful once finished.
    bool success() const { return success_.load(std::memory_order_relaxed); }
    bool final_status_asked() const { return finalStatusAsked_; }
    void set_final_status_asked() { finalStatusAsked_ = true; }
    // Once finished: raises the kept stop or interruption again, if any.
    void rethrowKept() const;
    bool hasKeptException() const { return static_cast<bool>(kept_); }

    // The operator-level text since the job's start.
    std::string consoleText();
    // The complete lines captured since the last call of either.
    std::string newConsoleLines();
    // The tail of the log file since the job's start, at most about `bytes`.
    std::string log(std::size_t bytes);

private:
    Work work_;
    Log::ConsoleMessages console_;
    std::size_t consolePosition_ = 0;
    std::atomic<bool> finished_{false};
    std::atomic<bool> success_{false};
    bool finalStatusAsked_ = false;
    std::exception_ptr kept_;
    std::thread thread_;
};

// The error report of a failure the back end catches itself (unless marked
// not to be reported): "ERROR: " and the operator's text in the report's
// messages, source "installer".
void sendInstallerErrorReport(const error& failure);

// The thread functor of a job.
struct bg_task {
    InstallationThread* job;
    void operator()() const { job->do_job(); }
};

// The installation a job carries out, with the command loop's objects (which
// outlive the job): the installer resolves, the resolved list goes to the error
// report, and a non-empty one is checked, the components it adds are told, and
// performInstallation runs.
InstallationThread::Work installationWork(Installer& installer, ComponentManager& components, BuildManager& builds,
                                          Repository& repository, FileFetcher& fetcher, ComponentsExamine& examine,
                                          ParamManager& params, SourceManager& sources,
                                          driver::auto_configurator& configurator);
