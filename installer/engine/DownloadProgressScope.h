#pragma once

#include "installer/engine/DownloadProgressRenderer.h"

#include <memory>
#include <string>

// The progress line of one file: opening counts the file and names it on the
// renderer's line, ending finishes the line and unbinds the download's counters,
// also when the download failed.
class DownloadProgressScope {
public:
    // Raises the internal error when the renderer is missing or the file counter
    // would pass its maximum.
    DownloadProgressScope(std::shared_ptr<DownloadProgressRenderer> renderer, const std::string& displayName);
    ~DownloadProgressScope();
    DownloadProgressScope(const DownloadProgressScope&) = delete;
    DownloadProgressScope& operator=(const DownloadProgressScope&) = delete;

    // The file was there already: the line ends with "already downloaded".
    void setCompleted() { completed_ = true; }

private:
    std::shared_ptr<DownloadProgressRenderer> renderer_;
    bool completed_ = false;
};
