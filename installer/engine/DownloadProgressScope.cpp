#include "installer/engine/DownloadProgressScope.h"

#include "common/Log.h"
#include "common/error.h"

DownloadProgressScope::DownloadProgressScope(std::shared_ptr<DownloadProgressRenderer> renderer,
                                             const std::string& displayName)
    : renderer_(std::move(renderer))
{
    if (!renderer_ || !renderer_->fileCounter()) throw KW_INTERNAL_ERROR();
    DownloadProgressRenderer::Value& files = *renderer_->fileCounter();
    files.add(1);
    files.setText(displayName);
    files.notify();
}

DownloadProgressScope::~DownloadProgressScope()
{
    try {
        renderer_->finish(completed_);
    } catch (const error& failure) {
        // The end of a progress line must not replace the failure of the download
        // that may be unwinding through this scope; the log keeps it.
        Log(1, true) << "Warning: cannot end the download progress line: " << failure.text();
    }
}
