#include "installer/sources/DownloadSeam.h"

#include <mutex>

namespace {

std::mutex seamMutex;

DownloadSeam& inForce()
{
    static DownloadSeam settings;
    return settings;
}

}  // namespace

DownloadSeam DownloadSeam::current()
{
    std::lock_guard<std::mutex> guard(seamMutex);
    return inForce();
}

DownloadSeam::Override::Override(const DownloadSeam& settings)
{
    std::lock_guard<std::mutex> guard(seamMutex);
    previous_ = inForce();
    inForce() = settings;
}

DownloadSeam::Override::~Override()
{
    std::lock_guard<std::mutex> guard(seamMutex);
    inForce() = previous_;
}
