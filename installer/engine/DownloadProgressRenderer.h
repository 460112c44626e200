#pragma once

#include "installer/engine/ProgressValue.h"
#include "installer/engine/ProgressValueObserver.h"

#include <cstdint>
#include <memory>
#include <string>

// Turns the counters of the current download into the operator's progress line:
// "Downloading file <name>: 42%", or the retry message while the downloader waits.
// On an interactive console the line updates in place; the log gets one line each
// time the line changes its kind (percentage, retry message, final text), so a
// download writes a handful of log lines however long it runs.
//
// Always owned by a shared pointer (create): the counters it watches hold it
// weakly. One renderer belongs to one file fetcher and is used by the thread that
// downloads.
class DownloadProgressRenderer : public ProgressValueObserver,
                                 public std::enable_shared_from_this<DownloadProgressRenderer> {
public:
    using Value = ProgressValue<std::uint64_t>;

    static std::shared_ptr<DownloadProgressRenderer> create();

    // Binds the counters of one download and renders once.
    void observe(const std::shared_ptr<Value>& bytes, const std::shared_ptr<Value>& attempts);
    void onChange() override;

    // A quiet renderer writes only to the log file, never to the console.
    void setQuiet(bool quiet) { quiet_ = quiet; }
    bool isQuiet() const { return quiet_; }

    // Value: files begun; maximum: files expected (0: unknown); text: the display
    // name of the current file.
    const std::shared_ptr<Value>& fileCounter() const { return fileCounter_; }

    // For DownloadProgressScope: ends the line of the current file (with the
    // "already downloaded" text when `completed`) and unbinds its counters.
    void finish(bool completed);

private:
    enum class Kind { none, percentage, retryMessage, finalText };

    DownloadProgressRenderer();
    void render(const std::string& finalText = std::string());

    Kind kind_ = Kind::none;
    bool quiet_ = false;
    std::shared_ptr<Value> fileCounter_;
    std::shared_ptr<Value> attempts_;
    std::shared_ptr<Value> bytes_;
    // The transient line shown last: an equal line is not drawn again, since the
    // downloader notifies on every chunk.
    std::string shownLine_;
};
