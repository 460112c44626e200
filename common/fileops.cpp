#include "common/fileops.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <boost/filesystem.hpp>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <thread>
#include <vector>

namespace fs = boost::filesystem;

namespace {

std::string systemText(int code) { return std::strerror(code); }

bool startsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

error fileError(int retry, const char* key, const std::string& path, int code, const char* prefix = "")
{
    error failure(4, retry, 1, 2);
    failure << prefix << (Messages::format(key) % path % systemText(code));
    return failure;
}

void closeQuietly(int descriptor)
{
    if (descriptor >= 0) ::close(descriptor);
}

// A new file beside `target`, opened for writing with `mode` before the umask
// (0666: the mode a plain created file gets).
int createSibling(const std::string& target, std::string& siblingPath, mode_t mode = 0666)
{
    static std::atomic<unsigned> counter(0);
    for (int attempt = 0; attempt < 100; ++attempt) {
        siblingPath = target + ".kwtmp." + std::to_string(::getpid()) + "." + std::to_string(++counter);
        const int descriptor = ::open(siblingPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    errno = EEXIST;
    return -1;
}

// Copies `from` over `to` through a sibling file that is renamed into place only
// when every byte was written (and, with `sync`, is on disk).
void copyThroughSibling(const std::string& from, const std::string& to, bool sync, int retry)
{
    const int input = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (input < 0) throw fileError(retry, "err_fileread1", from, errno);

    // As cp does: a file that is replaced keeps its owner and mode; a new one gets
    // the source's permission bits, less the umask.
    struct stat source, target;
    if (::fstat(input, &source) != 0) {
        const int code = errno;
        closeQuietly(input);
        throw fileError(retry, "err_fileread1", from, code);
    }
    const bool replacing = ::lstat(to.c_str(), &target) == 0 && S_ISREG(target.st_mode);
    std::string sibling;
    const int output = createSibling(to, sibling, replacing ? 0600 : (source.st_mode & 0777));
    if (output < 0) {
        const int code = errno;
        closeQuietly(input);
        throw fileError(retry, "err_filewrite1", to, code);
    }

    // On any failure below: both descriptors closed, the sibling gone, `to` untouched.
    auto fail = [&](const error& failure) {
        closeQuietly(input);
        closeQuietly(output);
        ::unlink(sibling.c_str());
        return failure;
    };

    // The owner first: changing it clears the set-id bits that the mode restores.
    if (replacing) {
        const bool ownerDiffers = target.st_uid != ::geteuid() || target.st_gid != ::getegid();
        if ((ownerDiffers && ::fchown(output, target.st_uid, target.st_gid) != 0) ||
            ::fchmod(output, target.st_mode & 07777) != 0)
            throw fail(fileError(retry, "err_filewrite2", to, errno));
    }

    std::vector<char> buffer(65536);
    for (;;) {
        const ssize_t count = ::read(input, buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            throw fail(fileError(retry, "err_fileread2", from, errno));
        }
        if (count == 0) break;
        for (ssize_t written = 0; written < count;) {
            const ssize_t step = ::write(output, buffer.data() + written, static_cast<std::size_t>(count - written));
            if (step < 0) {
                if (errno == EINTR) continue;
                throw fail(fileError(retry, "err_filewrite2", to, errno));
            }
            written += step;
        }
    }
    if (sync && ::fsync(output) != 0) throw fail(fileError(retry, "err_filewrite2", to, errno, "[fsync] "));

    const int closed = ::close(output);
    const int closeCode = errno;
    if (closed != 0) {
        closeQuietly(input);
        ::unlink(sibling.c_str());
        throw fileError(retry, "err_filewrite2", to, closeCode, "[close] ");
    }
    if (::close(input) != 0) {
        const int code = errno;
        ::unlink(sibling.c_str());
        throw fileError(retry, "err_fileread2", from, code, "[close] ");
    }
    if (::rename(sibling.c_str(), to.c_str()) != 0) {
        const int code = errno;
        ::unlink(sibling.c_str());
        throw fileError(retry, "err_filewrite2", to, code);
    }
    if (sync) {
        // The new name must reach the disk as well as the bytes.
        std::string directory = fileops::dirname(to);
        if (directory.empty()) directory = startsWith(to, "/") ? "/" : ".";
        const int handle = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (handle < 0 || ::fsync(handle) != 0) {
            const int code = errno;
            closeQuietly(handle);
            throw fileError(retry, "err_filewrite2", to, code, "[fsync] ");
        }
        ::close(handle);
    }
}

std::string describeFile(const struct stat& info)
{
    const char* kind = S_ISLNK(info.st_mode)    ? "a symbolic link"
                       : S_ISDIR(info.st_mode)  ? "a directory"
                       : S_ISFIFO(info.st_mode) ? "a named pipe"
                       : S_ISSOCK(info.st_mode) ? "a socket"
                       : S_ISREG(info.st_mode)  ? "a file"
                                                : "a special file";
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
    return std::string(kind) + " of user " + std::to_string(info.st_uid) + " with mode " + mode + " and " +
           std::to_string(info.st_nlink) + " name(s)";
}

// Takes what stands at `path` (described by `info`) out of the way. A directory
// that is not empty is moved into a new private directory beside it instead:
// walking another user's tree to delete it could be led elsewhere by a link
// swapped in meanwhile. Returns false with errno set.
bool removePlanted(const std::string& path, const struct stat& info)
{
    const std::string what = describeFile(info);
    if (!S_ISDIR(info.st_mode)) {
        if (::unlink(path.c_str()) != 0) return errno == ENOENT;
        Log(1, true) << "Warning: removed " << what << " that stood at " << path;
        return true;
    }
    if (::rmdir(path.c_str()) == 0) {
        Log(1, true) << "Warning: removed " << what << " that stood at " << path;
        return true;
    }
    if (errno == ENOENT) return true;
    if (errno != ENOTEMPTY && errno != EEXIST) return false;
    std::string aside = path + ".planted.XXXXXX";
    if (!::mkdtemp(&aside[0])) return false;
    if (::rename(path.c_str(), (aside + "/content").c_str()) != 0) {
        const int failure = errno;
        ::rmdir(aside.c_str());
        errno = failure;
        return failure == ENOENT;
    }
    Log(1, true) << "Warning: moved " << what << " that stood at " << path << " to " << aside << "/content";
    return true;
}

}  // namespace

namespace fileops {

int open_own_file(const std::string& path, int access, mode_t mode)
{
    const int flags = access | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
    // Each pass either returns or takes one planted entry away; another user who
    // keeps planting can only make it give up.
    for (int attempt = 0; attempt < 16; ++attempt) {
        struct stat info;
        // Anything but a regular file goes unopened: opening a device or a pipe
        // can have effects of its own.
        if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
            if (!removePlanted(path, info)) return -1;
            continue;
        }
        // O_NONBLOCK: a pipe swapped in meanwhile must not block the open.
        const int descriptor = ::open(path.c_str(), flags | O_NONBLOCK);
        if (descriptor >= 0) {
            if (::fstat(descriptor, &info) != 0) {
                const int failure = errno;
                ::close(descriptor);
                errno = failure;
                return -1;
            }
            if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_nlink == 1) {
                const int status = ::fcntl(descriptor, F_GETFL);
                if (status < 0 || ::fcntl(descriptor, F_SETFL, status & ~O_NONBLOCK) != 0 ||
                    ((info.st_mode & 07777) != mode && ::fchmod(descriptor, mode) != 0)) {
                    const int failure = errno;
                    ::close(descriptor);
                    errno = failure;
                    return -1;
                }
                return descriptor;
            }
            ::close(descriptor);
            // Only the entry that was looked at goes; one swapped in meanwhile is
            // looked at again.
            struct stat now;
            if (::lstat(path.c_str(), &now) != 0) {
                if (errno == ENOENT) continue;
                return -1;
            }
            if (now.st_dev != info.st_dev || now.st_ino != info.st_ino) continue;
            if (!removePlanted(path, now)) return -1;
            continue;
        }
        if (errno == ENOENT) {
            const int created = ::open(path.c_str(), flags | O_CREAT | O_EXCL, mode);
            if (created >= 0) {
                // The mode asked for, whatever the process's file-creation mask.
                if (::fchmod(created, mode) != 0) {
                    const int failure = errno;
                    ::close(created);
                    errno = failure;
                    return -1;
                }
                return created;
            }
            if (errno == EEXIST) continue;
            return -1;
        }
        // Swapped in meanwhile (ELOOP for a link, ENXIO for a pipe nobody reads),
        // or a regular file that cannot be opened.
        const int failure = errno;
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno == ENOENT) continue;
            return -1;
        }
        if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_nlink == 1) {
            // A file of our own that cannot be opened: nothing planted to remove.
            errno = failure;
            return -1;
        }
        if (!removePlanted(path, info)) return -1;
    }
    errno = EEXIST;
    return -1;
}

bool exists(const std::string& path)
{
    if (startsWith(path, "http://") || startsWith(path, "ftp://")) {
        Log(3, true) << "fileops::exists: " << path << "no (not local)";
        return false;
    }
    fs::file_status status;
    try {
        status = fs::status(path);
    } catch (const fs::filesystem_error& failure) {
        const std::string reason = failure.what();
        Log(3, true) << "fileops::exists: " << path << " - " << reason;
        throw;
    }
    const bool present = status.type() != fs::file_not_found;
    Log(3, true) << "fileops::exists: " << path << (present ? " - yes" : " - no");
    return present;
}

bool is_directory(const std::string& path)
{
    boost::system::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (status.type() == fs::status_error) {
        const std::string reason = code.message();
        Log(3, true) << "fileops::is_directory: " << path << ": " << reason;
        return false;
    }
    return status.type() == fs::directory_file;
}

bool is_file(const std::string& path)
{
    boost::system::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (status.type() == fs::status_error) {
        const std::string reason = code.message();
        Log(3, true) << "fileops::is_file: " << path << ": " << reason;
        return false;
    }
    return status.type() != fs::file_not_found && status.type() != fs::directory_file;
}

std::uint64_t file_size(const std::string& path) { return fs::file_size(path); }

std::time_t last_write_time(const std::string& path) { return fs::last_write_time(path); }

void remove(const std::string& path)
{
    Log(3, true) << "fileops::remove(" << path << ")";
    // The link itself counts: a dangling link is removed, not reported missing.
    if (fs::symlink_status(path).type() == fs::file_not_found) return;
    boost::system::error_code code;
    fs::remove(path, code);
    if (code) {
        error failure(4, 1, 1, 2);
        failure << (Messages::format("err_rmfile2") % path % code.message());
        throw failure;
    }
}

std::uint64_t remove_all(const std::string& path)
{
    Log(3, true) << "fileops::remove_all(" << path << ")";
    return fs::remove_all(path);
}

void rename(const std::string& from, const std::string& to)
{
    Log(3, true) << "fileops::rename(" << from << ", " << to << ")";
    fs::rename(from, to);
}

void copy_file(const std::string& from, const std::string& to)
{
    Log(3, true) << "fileops::copy_file(" << from << ", " << to << ")";
    if (!exists(from)) {
        error failure(4, 1, 1, 2);
        failure << (Messages::format("err_copy1") % from);
        throw failure;
    }
    if (is_directory(from)) {
        // The text has two places; both name the source, which is the directory.
        error failure(4, 1, 1, 2);
        failure << (Messages::format("err_copy2") % from % from);
        throw failure;
    }
    // A file or link at the target is replaced by the rename at the end, so that a
    // failed copy leaves it whole; only a directory has to go first.
    if (is_directory(to)) {
        remove(to);
        // Gives a network file system a moment to let go of the removed name.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (exists(to)) {
            error failure(4, 1, 1, 2);
            failure << (Messages::format("err_copy3") % from % to);
            throw failure;
        }
    }
    copyThroughSibling(from, to, false, 2);
}

int copy_file_synced(const std::string& from, const std::string& to)
{
    copyThroughSibling(from, to, true, 2);
    return 0;
}

void replace_file(const std::string& path, const std::string& content, mode_t mode)
{
    std::string sibling;
    const int output = createSibling(path, sibling, mode);
    if (output < 0) throw fileError(2, "err_filewrite1", path, errno);
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t step = ::write(output, content.data() + written, content.size() - written);
        if (step < 0 && errno == EINTR) continue;
        if (step < 0) {
            const int code = errno;
            ::close(output);
            ::unlink(sibling.c_str());
            throw fileError(2, "err_filewrite2", path, code);
        }
        written += static_cast<std::size_t>(step);
    }
    if (::close(output) != 0 || ::rename(sibling.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(sibling.c_str());
        throw fileError(2, "err_filewrite2", path, code);
    }
}

void install_file(const std::string& path, const std::string& content, mode_t mode)
{
    std::string sibling;
    const int output = createSibling(path, sibling, 0600);
    if (output < 0) throw fileError(2, "err_filewrite1", path, errno);
    auto fail = [&](int code) {
        ::close(output);
        ::unlink(sibling.c_str());
        return fileError(2, "err_filewrite1", path, code);
    };
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t step = ::write(output, content.data() + written, content.size() - written);
        if (step < 0 && errno == EINTR) continue;
        if (step < 0) throw fail(errno);
        written += static_cast<std::size_t>(step);
    }
    // The mode is given exactly, whatever the umask; only a synced file takes the name.
    if (::fsync(output) != 0 || ::fchmod(output, mode) != 0) throw fail(errno);
    if (::close(output) != 0) {
        const int code = errno;
        ::unlink(sibling.c_str());
        throw fileError(2, "err_filewrite1", path, code);
    }
    if (::rename(sibling.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(sibling.c_str());
        throw fileError(2, "err_filewrite1", path, code);
    }
}

bool create_directory(const std::string& path)
{
    Log(3, true) << "fileops::create_directory(" << path << ")";
    if (exists(path)) return false;

    for (std::size_t end = 1; end <= path.size(); ++end) {
        if (end < path.size() && path[end] != '/') continue;
        const std::string prefix = path.substr(0, end);
        if (prefix.empty() || prefix.back() == '/') continue;  // a doubled or trailing "/"
        struct stat info;
        if (::stat(prefix.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) continue;
        if (::mkdir(prefix.c_str(), 0755) == 0) continue;
        const int code = errno;
        // Someone else may have made it in the meantime; that is what we wanted.
        if (code == EEXIST && ::stat(prefix.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) continue;
        const std::string reason = systemText(code);
        Log(1, true) << "Can't create directory " << path << ": error in create " << prefix << ": " << reason;
        error failure(4, 1, 1, 2);
        failure << (Messages::format("err_mkdir") % path % reason);
        throw failure;
    }
    return true;
}

int create_empty_file(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (descriptor < 0) throw fileError(2, "err_filewrite1", path, errno);
    if (::close(descriptor) != 0) throw fileError(2, "err_filewrite2", path, errno);
    return 0;
}

StdioFile::StdioFile(const std::string& path, const char* mode)
    : stream_(std::fopen(path.c_str(), mode)), path_(path), writing_(std::strchr(mode, 'w') != nullptr)
{
    if (!stream_) throw fileError(1, writing_ ? "err_filewrite1" : "err_fileread1", path_, errno);
}

StdioFile::StdioFile(int descriptor, const std::string& path, const char* mode)
    : stream_(::fdopen(descriptor, mode)), path_(path), writing_(std::strchr(mode, 'w') != nullptr)
{
    if (!stream_) throw fileError(1, writing_ ? "err_filewrite1" : "err_fileread1", path_, errno);
}

void StdioFile::close()
{
    if (!stream_) return;
    std::FILE* stream = stream_;
    stream_ = nullptr;
    if (std::fclose(stream) != 0) throw fileError(1, writing_ ? "err_filewrite2" : "err_fileread2", path_, errno);
}

StdioFile::~StdioFile() noexcept(false)
{
    if (!stream_) return;
    std::FILE* stream = stream_;
    stream_ = nullptr;
    if (std::fclose(stream) == 0) return;
    const error failure = fileError(1, writing_ ? "err_filewrite2" : "err_fileread2", path_, errno);
    if (std::uncaught_exceptions() == 0) throw failure;
    const std::string text = failure.userText();
    Log(1, true) << text;
}

std::string basename(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string filename(const std::string& path)
{
    std::size_t start = path.size();
    while (start > 0 && path[start - 1] != '/') --start;
    return path.substr(start);
}

std::string dirname(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string parent_path(const std::string& path)
{
    std::size_t end = path.size();
    while (end > 0 && path[end - 1] != '/') --end;
    return end == 0 ? std::string() : path.substr(0, end - 1);
}

void strip_trailing(std::string& text, char c)
{
    while (!text.empty() && text.back() == c) text.pop_back();
}

void ensure_trailing(std::string& text, char c)
{
    if (text.empty() || text.back() != c) text += c;
}

}  // namespace fileops

bool fileContainsLine(const std::string& path, const std::string& line)
{
    fileops::StdioFile file(path, "r");
    const std::string wanted = trim(line);
    // Whole lines are compared, however long: a piece of a long line must not
    // pass for a line of its own.
    char* buffer = nullptr;
    std::size_t capacity = 0;
    bool found = false;
    ssize_t length;
    while (!found && (length = ::getline(&buffer, &capacity, file.get())) >= 0)
        found = trim(std::string(buffer, static_cast<std::size_t>(length))) == wanted;
    const bool failed = !found && std::ferror(file.get()) != 0;
    const int code = errno;
    std::free(buffer);
    if (failed) throw fileError(1, "err_fileread2", path, code);
    return found;
}

std::string get_home_dir()
{
    static std::string home;
    if (!home.empty()) return home;

    const uid_t uid = ::geteuid();
    Log(3, true) << "DEBUG: get_home_dir: myUID=" << uid;

    std::string result;
    struct passwd record;
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    const int lookup = ::getpwuid_r(uid, &record, buffer.data(), buffer.size(), &found);
    Log(3, true) << "DEBUG: get_home_dir: myPWD=" << static_cast<const void*>(found);
    if (found) {
        Log(3, true) << "DEBUG: get_home_dir: passwdLine not NULL, get value " << found->pw_dir;
        result = found->pw_dir;
    } else {
        const std::string reason = systemText(lookup != 0 ? lookup : ENOENT);
        Log(3, true) << "DEBUG: get_home_dir: Can't get getpwuid: " << reason;
        // A scan finds users that the direct lookup's service does not answer for.
        ::setpwent();
        struct passwd* entry;
        while ((entry = ::getpwent()) != nullptr) {
            Log(3, true) << "DEBUG: get_home_dir: passwdLine=" << static_cast<const void*>(entry);
            if (entry->pw_uid == uid) break;
        }
        if (entry) {
            Log(3, true) << "DEBUG: get_home_dir: passwdLine not NULL, get value " << entry->pw_dir;
            result = entry->pw_dir;
        }
        ::endpwent();
        if (!entry) {
            if (fileops::exists("/root")) {
                Log(3, true) << "DEBUG: get_home_dir: passwdLine is NULL, return /root";
                result = "/root";
            } else {
                Log(3, true) << "DEBUG: get_home_dir: passwdLine is NULL, return /";
                result = "/";
            }
        }
    }
    Log(3, true) << "DEBUG: get_home_dir: return " << result;
    home = result;
    return home;
}
