#pragma once

#include "installer/engine/ProgressValue.h"
#include "installer/sources/DownloadSeam.h"

#include <boost/filesystem.hpp>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

// Download settings for tests: the retry waits are recorded instead of slept, a
// stalled transfer fails after one second instead of thirty, and HTTPS servers
// are checked against `trustAnchor` (empty: the system's store, which knows no
// test CA). In force for the object's life.
class QuickDownloads {
public:
    explicit QuickDownloads(const std::string& trustAnchor = std::string()) : override_(settings(trustAnchor, this))
    {
    }

    // The seconds waited, one entry per countdown step.
    const std::vector<long>& waits() const { return waits_; }
    long totalWait() const
    {
        long total = 0;
        for (long wait : waits_) total += wait;
        return total;
    }

private:
    static DownloadSeam settings(const std::string& trustAnchor, QuickDownloads* self)
    {
        DownloadSeam seam;
        seam.connectTimeout = std::chrono::seconds(5);
        seam.lowSpeedTime = std::chrono::seconds(1);
        seam.sleep = [self](std::chrono::seconds wait) { self->waits_.push_back(static_cast<long>(wait.count())); };
        seam.trustAnchor = trustAnchor;
        return seam;
    }

    std::vector<long> waits_;
    DownloadSeam::Override override_;
};

// Records every text a progress value shows when it notifies.
class TextRecorder : public ProgressValueObserver {
public:
    explicit TextRecorder(const std::shared_ptr<ProgressValue<std::uint64_t>>& value) : value_(value) {}
    void onChange() override
    {
        if (const auto value = value_.lock()) texts.push_back(value->text());
    }
    std::vector<std::string> texts;

private:
    std::weak_ptr<ProgressValue<std::uint64_t>> value_;
};

// Writes a file, creating its directories.
inline void writeTestFile(const std::string& path, const std::string& content)
{
    boost::filesystem::create_directories(boost::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}
