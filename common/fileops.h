#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include <sys/types.h>

// The file-system operations of the whole system. Failures meant for the
// operator raise `error` with catalogue texts; the rest let Boost.Filesystem's
// own error through.
namespace fileops {

// True when the path is local and present in any form. "http://" and "ftp://"
// paths are never looked up. A failing status query (other than not-found)
// raises the file-system error.
bool exists(const std::string& path);
// Neither raises: a failing status query is logged and answers false.
bool is_directory(const std::string& path);
// Present and not a directory; devices and pipes count as files.
bool is_file(const std::string& path);
std::uint64_t file_size(const std::string& path);
std::time_t last_write_time(const std::string& path);

// Removes a file, link or empty directory when present; a missing path is fine.
void remove(const std::string& path);
std::uint64_t remove_all(const std::string& path);
void rename(const std::string& from, const std::string& to);

// Replaces `to` with a copy of `from`. The copy is written next to `to` and
// renamed over it, so a failed copy never leaves a truncated target. As with
// cp, a file that is replaced keeps its owner and mode, and a new file gets the
// source's permission bits (without the set-id and sticky bits) less the umask.
void copy_file(const std::string& from, const std::string& to);
// The same, with the copy synced to disk before it takes the target's name.
// Returns 0.
int copy_file_synced(const std::string& from, const std::string& to);

// Writes `content` to a sibling file (made anew with `mode` before the umask)
// and renames it over `path`: readers see the old file or the new one, never a
// part. Raises `error` with the operator's text when it cannot be written.
void replace_file(const std::string& path, const std::string& content, mode_t mode = 0666);

// Writes `content` to a new sibling file (O_CREAT|O_EXCL, mode 0600 while it is
// written), syncs it, gives it `mode` and renames it over `path`. Whatever is at
// `path` (a link included) is replaced, never followed or written through;
// readers see the old file or the whole new one. A failure raises
// "err_filewrite1" and leaves `path` as it was.
void install_file(const std::string& path, const std::string& content, mode_t mode);

// Opens the file at a fixed path in a directory every user may write to (such
// as /tmp) as a file of this process's own user, with `access` (O_WRONLY or
// O_RDWR). Another local user may have put anything there first: whatever is
// not a regular file of this user with one name (a symbolic link, a pipe, a
// directory, another user's file, a second name of some other file) is removed,
// with a level-1 log line, and the file is made anew with
// O_CREAT|O_EXCL|O_NOFOLLOW. A file of this user keeps its inode (another
// process may hold it open) and gets `mode` back. Nothing is truncated. Returns
// the descriptor (close-on-exec), or -1 with errno telling why.
int open_own_file(const std::string& path, int access, mode_t mode);

// Creates the directory and its missing parents (mode 0755 before the umask);
// false when the path already existed, of whatever kind.
bool create_directory(const std::string& path);
// Creates or empties the file with mode 0600 (before the umask). Returns 0.
int create_empty_file(const std::string& path);

// An open standard-I/O stream that is closed when the guard ends. A failed close
// raises (a failed close of a written file means lost data) unless another
// exception is already on its way, in which case it is logged.
class StdioFile {
public:
    StdioFile(const std::string& path, const char* mode);
    StdioFile(int descriptor, const std::string& path, const char* mode);
    ~StdioFile() noexcept(false);
    StdioFile(const StdioFile&) = delete;
    StdioFile& operator=(const StdioFile&) = delete;

    std::FILE* get() const { return stream_; }
    const std::string& path() const { return path_; }
    // Closes now, raising the close failure; the guard's end then does nothing.
    void close();

private:
    std::FILE* stream_;
    std::string path_;
    bool writing_;
};

// Text after the last "/" (the whole text when there is none).
std::string basename(const std::string& path);
std::string filename(const std::string& path);
// Text before the last "/" (empty when there is none).
std::string dirname(const std::string& path);
std::string parent_path(const std::string& path);

// Removes every trailing `c`.
void strip_trailing(std::string& text, char c);
// Appends `c` unless the text already ends with it.
void ensure_trailing(std::string& text, char c);

}  // namespace fileops

// True when some line of the file, trimmed, equals the trimmed `line`.
bool fileContainsLine(const std::string& path, const std::string& line);

// The effective user's home directory from the user database ("/root" or "/" when
// the user is not listed); found once and kept for the life of the process.
std::string get_home_dir();
