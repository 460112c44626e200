#include "common/packages/SourceSysRPM.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/SystemCmd.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/packages/Repository.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <sstream>
#include <streambuf>

namespace {

[[noreturn]] void failOpen(const std::string& path, const char* what, int code)
{
    Log(1, true) << "Error: " << what << " " << path << ": " << std::strerror(code);
    throw error(4, 1, 1, 2) << Messages::get("err_rpm_info_full_read");
}

[[noreturn]] void failRead(const std::string& path, const char* what, int code)
{
    Log(1, true) << "Error: " << what << " " << path << ": " << std::strerror(code);
    throw error(4, 1, 1, 2) << Messages::get("err_rpm_info_full_read_done");
}

// An empty cache file of the installer's own. The path is in a directory every
// user may write to: whatever another user put there (a link, a pipe, a
// directory, a file of theirs) is removed and the file made anew, never through
// a link; the installer's own file keeps its inode. Readable by root only.
int createCacheFile(const std::string& path)
{
    const int descriptor = fileops::open_own_file(path, O_RDWR, 0600);
    if (descriptor < 0) failOpen(path, "cannot create", errno);
    if (::ftruncate(descriptor, 0) != 0) {
        const int failure = errno;
        ::close(descriptor);
        failOpen(path, "cannot empty", failure);
    }
    return descriptor;
}

// Writes a stream into a descriptor; a failed write leaves the stream bad.
class DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int descriptor) : descriptor_(descriptor) { setp(buffer_, buffer_ + sizeof buffer_); }
    int failure() const { return failure_; }

protected:
    int_type overflow(int_type c) override
    {
        if (!flush()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return flush() ? 0 : -1; }

private:
    bool flush()
    {
        const char* data = pbase();
        std::size_t left = static_cast<std::size_t>(pptr() - pbase());
        while (left > 0) {
            const ssize_t written = ::write(descriptor_, data, left);
            if (written < 0) {
                if (errno == EINTR) continue;
                failure_ = errno;
                return false;
            }
            data += written;
            left -= static_cast<std::size_t>(written);
        }
        setp(buffer_, buffer_ + sizeof buffer_);
        return true;
    }

    int descriptor_;
    int failure_ = 0;
    char buffer_[65536];
};

// Closes what is still open when a step raises.
struct OpenFile {
    int descriptor = -1;
    std::FILE* stream = nullptr;
    ~OpenFile()
    {
        if (stream)
            std::fclose(stream);
        else if (descriptor >= 0)
            ::close(descriptor);
    }
};

void announce(const char* key)
{
    const std::string& title = Messages::get(key);
    Progress::step(key, title);
    Log(0, true) << title;
}

}  // namespace

const char* const SourceSysRPM::cacheFilePath = "/tmp/kitwright_system_packages.cache";

SourceSysRPM::SourceSysRPM(Repository* repository, const std::string& cacheFile)
    : Source(repository), cacheFile_(cacheFile)
{
}

SourceSysRPM::~SourceSysRPM() = default;

const std::string& SourceSysRPM::briefCommand()
{
    static const std::string command =
        "rpm -qa --queryformat "
        R"('F:system_installed_brief_%{NAME}-%{VERSION}-%{RELEASE}.rpm\nN:%{NAME}\nE:%{EPOCH}\nV:%{VERSION}\n)"
        R"(L:%{RELEASE}\nA:%{ARCH}\nf:%{INSTALLTIME}\nB:%{BUILDTIME}\n)"
        R"([P:%{PROVIDENAME} %{PROVIDEFLAGS:depflags} %{PROVIDEVERSION}\n]X:\n' )";
    return command;
}

const std::string& SourceSysRPM::fullCommand()
{
    static const std::string command =
        "rpm -qa --queryformat "
        R"('F:system_installed_%{NAME}-%{VERSION}-%{RELEASE}.%{ARCH}.rpm\nN:%{NAME}\nE:%{EPOCH}\nV:%{VERSION}\n)"
        R"(L:%{RELEASE}\nA:%{ARCH}\nf:%{INSTALLTIME}\nB:%{BUILDTIME}\n)"
        R"([R:%{REQUIRENAME} %{REQUIREFLAGS:depflags} %{REQUIREVERSION}\n])"
        R"([P:%{PROVIDENAME} %{PROVIDEFLAGS:depflags} %{PROVIDEVERSION}\n])"
        R"([P:%{FILENAMES}\nm:%{FILEMODES}\n5:%{FILEMD5S}%{FILELINKTOS}\n])"
        R"([C:%{CONFLICTNAME} %{CONFLICTFLAGS:depflags} %{CONFLICTVERSION}\n])"
        R"([O:%{OBSOLETENAME} %{OBSOLETEFLAGS:depflags} %{OBSOLETEVERSION}\n]X:\n')";
    return command;
}

void SourceSysRPM::loadBrief()
{
    announce("check_system_packages");
    SystemCmd query(briefCommand(), SystemCmd::readMode);
    repository().addFromCache(query.stream, Package::typeSystem, Repository::dups_append, this);
    query.check();
}

void SourceSysRPM::loadFull()
{
    announce("read_system_packages");
    try {
        OpenFile file;
        file.descriptor = createCacheFile(cacheFile_);
        {
            // rpm's output goes straight into the file made above: no shell
            // redirection opens the path again.
            DescriptorBuffer buffer(file.descriptor);
            std::ostream output(&buffer);
            std::ostringstream errors;
            executeCommand(fullCommand(), false, true, &output, &errors);
            output.flush();
            if (!errors.str().empty()) Log(1, true) << "Warning: rpm: " << errors.str();
            if (!output) failRead(cacheFile_, "cannot write", buffer.failure());
        }
        Log(1, true) << "read cache file";
        if (::lseek(file.descriptor, 0, SEEK_SET) != 0) failOpen(cacheFile_, "cannot rewind", errno);
        file.stream = ::fdopen(file.descriptor, "r");
        if (!file.stream) failOpen(cacheFile_, "cannot read", errno);
        repository().addFromCache(file.stream, Package::typeSystem, Repository::dups_replace_same_source, this);
        // A read error looks like the end of the file to the record reader.
        const bool failed = std::ferror(file.stream) != 0;
        const int readError = errno;
        std::FILE* stream = file.stream;
        file.stream = nullptr;
        file.descriptor = -1;
        if (std::fclose(stream) != 0) failRead(cacheFile_, "cannot close", errno);
        if (failed) failRead(cacheFile_, "cannot read", readError);
    } catch (error& failure) {
        failure.addLevel(4, 1, 1, 2) << Messages::get("err_rpm_info_full");
        throw;
    }
}
