#include "installer/startup/LogFile.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/fileops.h"
#include "installer/options/Options.h"

#include <sys/stat.h>

#include <boost/filesystem.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <vector>

void openLogFile(std::time_t startTime)
{
    if (!Log::fileName().empty()) return;
    const Options& options = Options::getInstance();
    // A completion answer is asked on every Tab: it leaves no trace.
    if (options.isCompletion()) return;

    const std::string dir = logfile::directory;
    boost::system::error_code ignored;
    if (!boost::filesystem::is_directory(dir, ignored) && !fileops::create_directory(dir)) {
        error failure(2, 1, 1, 3);
        failure << "Unable to create directory: " << dir;
        throw failure;
    }
    // The log holds the command line and the system's state: for root only.
    if (::chmod(dir.c_str(), 0700) != 0) {
        const std::string reason = std::strerror(errno);
        error failure(4, 1, 1, 2);
        failure << "Unable to make the log directory " << dir << " private: " << reason;
        throw failure;
    }

    std::string name = logfile::sharedName;
    if (options.separateLogs) {
        cleanupSeparateLogs(dir, logfile::separatePrefix, static_cast<unsigned>(std::max(0, options.maxStoredSeparateLogs)));
        std::tm local = {};
        ::localtime_r(&startTime, &local);
        char buffer[64];
        if (std::strftime(buffer, sizeof buffer, logfile::separatePattern, &local) == 0) throw KW_INTERNAL_ERROR();
        name = buffer;
    }
    Log::openFile(dir + "/" + name, options.truncateLog);
}

int cleanupSeparateLogs(const std::string& dir, const std::string& prefix, unsigned keep)
{
    namespace fs = boost::filesystem;
    boost::system::error_code failure;
    if (!fs::is_directory(dir, failure)) {
        Log(2, true) << "Cleanup of separated log files failed. Expected logs directory not found at: " << dir;
        return -1;
    }

    std::vector<std::string> paths;
    for (fs::directory_iterator entry(dir, failure), end; !failure && entry != end; entry.increment(failure)) {
        if (entry->path().filename().string().compare(0, prefix.size(), prefix) == 0)
            paths.push_back(entry->path().string());
    }
    if (failure) {
        Log(1, true) << "Warning: cannot read the log directory " << dir << ": " << failure.message();
        return 0;
    }

    // keep - 1 in unsigned arithmetic: keep 0 never prunes.
    if (keep - 1 >= paths.size()) return 0;
    // The names sort by their time: newest first.
    std::sort(paths.begin(), paths.end(), std::greater<std::string>());
    for (std::size_t i = keep - 1; i < paths.size(); ++i) {
        fs::remove(paths[i], failure);
        if (failure)
            Log(1, true) << "Warning: cannot remove the old log file " << paths[i] << ": " << failure.message();
        else
            Log(3, true) << "DEBUG: removed the old log file " << paths[i];
    }
    return 0;
}
