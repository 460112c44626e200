#include "installer/params/ParamFileExport.h"

#include "installer/catalogue/Build.h"
#include "installer/components/KwComponent.h"

#include "common/FilesRemovedAtExit.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

error writeError(const std::string& path, int code)
{
    error failure(4, 1, 1, 2);
    failure << (Messages::format("err_file_create") % path) << ": " << std::strerror(code);
    return failure;
}

}  // namespace

ParamManager::ParamFileExport::file_t::~file_t()
{
    if (descriptor >= 0) ::close(descriptor);
}

void ParamManager::ParamFileExport::file_t::write(const std::string& line)
{
    std::size_t written = 0;
    while (written < line.size()) {
        const ssize_t step = ::write(descriptor, line.data() + written, line.size() - written);
        if (step < 0 && errno == EINTR) continue;
        if (step < 0) throw writeError(path, errno);
        written += static_cast<std::size_t>(step);
    }
}

void ParamManager::ParamFileExport::file_t::close()
{
    const int closing = descriptor;
    descriptor = -1;
    if (::close(closing) != 0) throw writeError(path, errno);
}

ParamManager::ParamFileExport::~ParamFileExport() = default;

ParamManager::ParamFileExport::file_t& ParamManager::ParamFileExport::fileFor(const KwComponent& owner)
{
    const std::string& path = owner.getBuild()->parametersFile();
    for (const std::unique_ptr<file_t>& file : files_)
        if (file->path == path) return *file;

    if (path.empty() || path[0] != '/')
        throw error(1, 1, 1, 3) << "Invalid catalogue data in the file " << owner.getBuild()->config()
                                << ": the parameters file " << quoteString(path) << " is not an absolute path";
    // No link is followed and no reader of a pipe is waited for; a file that is
    // not a regular one is left alone.
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (descriptor < 0) throw writeError(path, errno);
    files_.push_back(std::make_unique<file_t>(path, descriptor));
    file_t& file = *files_.back();
    struct stat status;
    if (::fstat(descriptor, &status) != 0) throw writeError(path, errno);
    if (!S_ISREG(status.st_mode))
        throw error(4, 1, 1, 2) << "ERROR: can't rewrite non-regular file " << path;
    opened_.push_back(path);
    FilesRemovedAtExit::add(path);
    if (::fchmod(descriptor, 0600) != 0 || ::ftruncate(descriptor, 0) != 0) throw writeError(path, errno);
    Log(3, true) << "DEBUG: ParamManager::ParamFileExport::file_t::file_t create " << path;
    return file;
}

void ParamManager::ParamFileExport::visit(const ParamPtr& param)
{
    if (param->isUndefined()) return;
    const std::string quoted = escapeQuoted(param->getStoredValue());
    for (const KwComponentPtr& owner : param->getComponents()) {
        if (owner->getBuild()->parametersFile().empty()) {
            Log(1, true) << "Warning: the build of the component " << owner->name
                         << " names no parameters file; the setting " << param->getId() << " is not exported";
            continue;
        }
        file_t& file = fileFor(*owner);
        Log(3, true) << "DEBUG: export to file param " << param->getId() << "=" << param->shown(quoted);
        Log(3, true) << " file " << file.path;
        file.write(param->getId() + "=" + quoted + "\n");
    }
}

void ParamManager::ParamFileExport::finish()
{
    for (const std::unique_ptr<file_t>& file : files_) file->close();
}
