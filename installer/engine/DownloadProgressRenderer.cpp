#include "installer/engine/DownloadProgressRenderer.h"

#include "common/Log.h"
#include "common/Messages.h"

std::shared_ptr<DownloadProgressRenderer> DownloadProgressRenderer::create()
{
    // The constructor is private: the renderer must live in a shared pointer.
    std::shared_ptr<DownloadProgressRenderer> renderer(new DownloadProgressRenderer());
    renderer->fileCounter_->addObserver(renderer);
    return renderer;
}

DownloadProgressRenderer::DownloadProgressRenderer() : fileCounter_(std::make_shared<Value>()) {}

void DownloadProgressRenderer::observe(const std::shared_ptr<Value>& bytes, const std::shared_ptr<Value>& attempts)
{
    bytes_ = bytes;
    attempts_ = attempts;
    if (attempts_) attempts_->addObserver(shared_from_this());
    if (bytes_) bytes_->addObserver(shared_from_this());
    render();
}

void DownloadProgressRenderer::onChange() { render(); }

void DownloadProgressRenderer::render(const std::string& finalText)
{
    if (!fileCounter_) throw KW_INTERNAL_ERROR();
    const Kind previous = kind_;

    std::string line = Messages::get("download_file");
    if (fileCounter_->maximum() != 0)
        line += (Messages::format("download_total_progress") % fileCounter_->value() % fileCounter_->maximum()).str();
    line += fileCounter_->text();
    if (attempts_ && attempts_->value() != 0)
        line += (Messages::format("download_retry_progress") % attempts_->value() % attempts_->maximum()).str();
    line += ": ";

    if (!finalText.empty()) {
        line += finalText;
        kind_ = Kind::finalText;
    } else if (attempts_ && !attempts_->text().empty()) {
        line += attempts_->text();
        kind_ = Kind::retryMessage;
    } else if (!bytes_) {
        return;
    } else {
        std::uint64_t percent = 0;
        if (bytes_->value() != 0 && bytes_->maximum() != 0)
            percent = static_cast<std::uint64_t>(static_cast<double>(bytes_->value()) * 100.0 /
                                                 static_cast<double>(bytes_->maximum()));
        if (percent == 100) {
            line += "100% " + Messages::get("download_done");
            kind_ = Kind::finalText;
        } else {
            line += std::to_string(percent) + "%";
            kind_ = Kind::percentage;
        }
    }

    const bool changedKind = kind_ != previous;
    if (!changedKind && line == shownLine_) return;
    shownLine_ = line;
    if (!quiet_) Log(0, Log::modeProgress) << line;
    if (changedKind) {
        const int level = Log::isProgressOutputAllowed() || quiet_ ? 1 : 0;
        Log(level, Log::modeLine) << line;
    }
}

void DownloadProgressRenderer::finish(bool completed)
{
    if (completed) render(Messages::get("download_completed"));
    if (!quiet_) {
        if (fileCounter_->maximum() == 0 && Log::isProgressOutputAllowed()) {
            Log(0, Log::modeLine);  // ends the transient line
        } else if (kind_ == Kind::finalText && fileCounter_->maximum() != 0 &&
                   fileCounter_->value() == fileCounter_->maximum()) {
            Log(0, Log::modeProgressLogged) << Messages::get("download_all_done");
            Log(0, Log::modeLine);
        }
    }
    kind_ = Kind::none;
    shownLine_.clear();
    bytes_.reset();
    attempts_.reset();
}
