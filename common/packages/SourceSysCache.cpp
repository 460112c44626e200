#include "common/packages/SourceSysCache.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/Repository.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct CloseStream {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};

}  // namespace

SourceSysCache::SourceSysCache(Repository* repository, const std::string& path) : Source(repository), path_(path) {}

SourceSysCache::~SourceSysCache() = default;

void SourceSysCache::loadBrief()
{
    std::unique_ptr<std::FILE, CloseStream> stream(std::fopen(path_.c_str(), "r"));
    if (!stream) {
        const int code = errno;
        Log(1, true) << "Error: cannot open " << path_ << ": " << std::strerror(code);
        throw error(4, 1, 1, 2) << (Messages::format("err_syscache_open") % path_);
    }
    repository().addFromCache(stream.get(), Package::typeSystem, Repository::dups_append, this);
    // A read error looks like the end of the file to the record reader.
    const bool failed = std::ferror(stream.get()) != 0;
    if (std::fclose(stream.release()) != 0 || failed)
        throw error(4, 1, 1, 2) << (Messages::format("err_syscache_read") % path_);
}

void SourceSysCache::loadFull()
{
    // The file holds everything this source supplies.
}
