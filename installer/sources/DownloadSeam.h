#pragma once

#include <chrono>
#include <functional>
#include <string>

// What tests change about every download: the waits between attempts, the
// time-outs, and the certificate authority that HTTPS servers are checked
// against. The program itself never changes it, and no option reaches it: peer
// verification stays on, only the trust anchor can be replaced, and only here.
struct DownloadSeam {
    std::chrono::seconds connectTimeout{120};
    // A transfer slower than lowSpeedLimit bytes per second for lowSpeedTime fails.
    std::chrono::seconds lowSpeedTime{30};
    long lowSpeedLimit = 500;
    // A body fetched into memory (downloadUrl) that takes longer fails: the web
    // front end waits for it with a browser page.
    std::chrono::seconds urlBodyTimeout{10};
    // Waits one step of the retry countdown; null: the thread really sleeps.
    std::function<void(std::chrono::seconds)> sleep;
    // A file of CA certificates trusted instead of the system's store; empty: the
    // system's store.
    std::string trustAnchor;

    // The settings in force (a copy: another thread may replace them).
    static DownloadSeam current();

    // Puts settings in force for its lifetime and then restores the previous ones.
    class Override;
};

class DownloadSeam::Override {
public:
    explicit Override(const DownloadSeam& settings);
    ~Override();
    Override(const Override&) = delete;
    Override& operator=(const Override&) = delete;

private:
    DownloadSeam previous_;
};
