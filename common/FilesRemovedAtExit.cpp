#include "common/FilesRemovedAtExit.h"

#include "common/Log.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace {

std::mutex& registryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<std::string>& registry()
{
    static std::vector<std::string> files;
    return files;
}

}  // namespace

void FilesRemovedAtExit::add(const std::string& path)
{
    const std::lock_guard<std::mutex> lock(registryMutex());
    std::vector<std::string>& files = registry();
    if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
}

void FilesRemovedAtExit::forget(const std::string& path)
{
    const std::lock_guard<std::mutex> lock(registryMutex());
    std::vector<std::string>& files = registry();
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
}

void FilesRemovedAtExit::removeAll()
{
    std::vector<std::string> files;
    {
        const std::lock_guard<std::mutex> lock(registryMutex());
        files.swap(registry());
    }
    for (const std::string& path : files) {
        if (::unlink(path.c_str()) == 0 || errno == ENOENT) continue;
        const std::string reason = std::strerror(errno);
        Log(0, true) << "ERROR: unable to remove " << path << ": " << reason;
    }
}

std::vector<std::string> FilesRemovedAtExit::paths()
{
    const std::lock_guard<std::mutex> lock(registryMutex());
    return registry();
}
