#include "installer/catalogue/ProductInf3FileGuard.h"

#include "installer/engine/DownloadProgressRenderer.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/md5.h"

#include <atomic>
#include <exception>

namespace {

// Only goes from false to true while the process runs.
std::atomic<bool> newBuildAvailable{false};

}  // namespace

ProductInf3FileGuard::ProductInf3FileGuard(const FileFetcher& fetcher, const std::string& path)
    : fetcher_(fetcher), path_(path)
{
    localPath_ = fetcher_.getFile(path_);
    digest_ = getFileMd5(localPath_);
    if (digest_.empty()) throw error(4, 1, 1, 2) << (Messages::format("err_md5_pre") % localPath_);
}

void ProductInf3FileGuard::check()
{
    if (Progress::isTerminating()) return;
    try {
        recheck();
    } catch (const error& failure) {
        Log(1, true) << "Error during checking for build updates at download site: " << failure.text();
    } catch (const std::exception& failure) {
        Log(1, true) << "std::exception during checking for build updates at download site: " << failure.what();
    } catch (...) {
        // The check only informs the operator; nothing it meets may end the run.
        Log(1, true) << "Unexpected exception during checking for build updates at download site.";
    }
}

void ProductInf3FileGuard::recheck()
{
    // A stop request waits while the check downloads.
    const Progress::CancelUnsafeSection section;
    // The operator asked for nothing here: the download is logged, not shown.
    fetcher_.getRenderer()->setQuiet(true);
    const std::string newPath = fetcher_.getFile(path_);
    const std::string newDigest = getFileMd5(newPath);
    if (newDigest.empty()) {
        Log(0, true) << Messages::get("err_chk_md5") << newPath;
        return;
    }
    if (newDigest != digest_) {
        Log(0, true) << Messages::get("new_build_avail");
        newBuildAvailable = true;
    }
    Log(2, true) << "ProductInf3FileGuard checked " << path_ << ". Build "
                 << (newBuildAvailable ? "changed" : "didn't change");
}

void ProductInf3FileGuard::checkAll(const std::vector<ProductInf3FileGuardPtr>& guards)
{
    for (const ProductInf3FileGuardPtr& guard : guards) guard->check();
}

bool ProductInf3FileGuard::isNewBuildAvailable() { return newBuildAvailable; }

void ProductInf3FileGuard::resetNewBuildFlag() { newBuildAvailable = false; }
