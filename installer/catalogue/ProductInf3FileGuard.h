#pragma once

#include "installer/sources/FileFetcher.h"

#include <boost/shared_ptr.hpp>

#include <string>
#include <vector>

// Notices a new build published on the server while the installer runs. The
// build loader makes one guard per loaded build information file: it fetches the
// file and keeps its MD5 digest. Before the run's work is torn down the driver
// calls checkAll (an explicit point, never a destructor, so that a check that
// downloads runs neither during stack unwinding nor after a stop request); a
// changed digest is reported to the operator and sets the process-wide new-build
// flag, which the interactive driver consults after a failed installation.
class ProductInf3FileGuard {
public:
    // Fetches `path` (relative to the source) through a copy of the fetcher and
    // digests it; a file without a digest raises err_md5_pre, fetch errors pass.
    ProductInf3FileGuard(const FileFetcher& fetcher, const std::string& path);
    ProductInf3FileGuard(const ProductInf3FileGuard&) = delete;
    ProductInf3FileGuard& operator=(const ProductInf3FileGuard&) = delete;

    // Fetches the file again and compares digests. Does nothing while a
    // termination is under way; every failure is logged and swallowed: the check
    // only informs.
    void check();
    static void checkAll(const std::vector<boost::shared_ptr<ProductInf3FileGuard>>& guards);

    const std::string& path() const { return path_; }
    const std::string& localPath() const { return localPath_; }
    const std::string& digest() const { return digest_; }

    // True once any guard saw a changed file.
    static bool isNewBuildAvailable();
    // Tests only.
    static void resetNewBuildFlag();

private:
    void recheck();

    FileFetcher fetcher_;
    std::string path_;
    std::string localPath_;
    std::string digest_;
};

typedef boost::shared_ptr<ProductInf3FileGuard> ProductInf3FileGuardPtr;
