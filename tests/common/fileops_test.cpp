#include "common/fileops.h"

#include "common/Messages.h"
#include "common/error.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"

#include "tests/common/TestFiles.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <boost/format.hpp>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

mode_t modeOf(const std::string& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return 0;
    return info.st_mode & 07777;
}

std::string format(const char* key, const std::string& a, const std::string& b)
{
    return (Messages::format(key) % a % b).str();
}

// Sets the process umask for one test and puts the old one back.
class Umask {
public:
    explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
    ~Umask() { ::umask(previous_); }

private:
    mode_t previous_;
};

TEST(Fileops, ExistsLooksOnlyAtLocalPaths)
{
    TempDir dir;
    const std::string file = dir.path() + "/present";
    writeFile(file, "x");
    struct Case {
        std::string path;
        bool expected;
        std::string logTail;
    } cases[] = {
        {file, true, " - yes"},
        {dir.path(), true, " - yes"},
        {dir.path() + "/absent", false, " - no"},
        {"ftp://" + file, false, "no (not local)"},
        {"http://" + file, false, "no (not local)"},
        {"https://kitwright.invalid/x", false, " - no"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        CapturedLog log;
        EXPECT_EQ(fileops::exists(c.path), c.expected);
        EXPECT_EQ(log.text(), "fileops::exists: " + c.path + c.logTail + "\n");
    }
}

TEST(Fileops, KindTests)
{
    TempDir dir;
    const std::string fifo = dir.path() + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string file = dir.path() + "/file";
    writeFile(file, "x");
    struct Case {
        std::string path;
        bool isFile;
        bool isDirectory;
    } cases[] = {
        {file, true, false},      {fifo, true, false},   {"/dev/null", true, false},
        {dir.path(), false, true}, {dir.path() + "/missing", false, false},
        {file + "/below-a-file", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fileops::is_file(c.path), c.isFile);
        EXPECT_EQ(fileops::is_directory(c.path), c.isDirectory);
    }
    EXPECT_EQ(fileops::file_size(file), 1u);
}

TEST(Fileops, FailingStatusQueries)
{
    // A name longer than the system allows is neither absent nor present: the
    // kind tests log and say no, the existence test lets the error through.
    const std::string tooLong = "/tmp/" + std::string(300, 'n');
    CapturedLog log;
    EXPECT_FALSE(fileops::is_file(tooLong));
    EXPECT_FALSE(fileops::is_directory(tooLong));
    EXPECT_NE(log.text().find("File name too long"), std::string::npos) << log.text();
    EXPECT_THROW(fileops::exists(tooLong), boost::filesystem::filesystem_error);
}

TEST(Fileops, RemoveTakesFilesLinksAndEmptyDirectories)
{
    TempDir dir;
    const std::string file = dir.path() + "/file";
    const std::string link = dir.path() + "/dangling";
    const std::string empty = dir.path() + "/empty";
    writeFile(file, "x");
    ASSERT_EQ(::symlink("/nonexistent/target", link.c_str()), 0);
    ASSERT_EQ(::mkdir(empty.c_str(), 0755), 0);

    for (const std::string& path : {file, link, empty, dir.path() + "/missing"}) {
        SCOPED_TRACE(path);
        CapturedLog log;
        fileops::remove(path);
        EXPECT_EQ(log.text(), "fileops::remove(" + path + ")\n");
        struct stat info;
        EXPECT_NE(::lstat(path.c_str(), &info), 0);
    }
}

TEST(Fileops, RemoveOfANonEmptyDirectoryFails)
{
    TempDir dir;
    writeFile(dir.path() + "/inside", "x");
    expectError([&] { fileops::remove(dir.path()); }, {4, 1, 1, 2},
                format("err_rmfile2", dir.path(), "Directory not empty") + "\n");
}

TEST(Fileops, CopyReplacesTheTarget)
{
    TempDir dir;
    Umask mask(022);
    std::string content;
    for (int i = 0; i < 200000; ++i) content += static_cast<char>(i % 251);
    const std::string from = dir.path() + "/from";
    const std::string to = dir.path() + "/to";
    writeFile(from, content);
    writeFile(to, "old content");
    ASSERT_EQ(::chmod(to.c_str(), 0600), 0);

    fileops::copy_file(from, to);
    EXPECT_EQ(readFile(to), content);
    // The replaced file keeps its mode.
    EXPECT_EQ(modeOf(to), 0600u);

    const std::string emptyDirectory = dir.path() + "/was-a-directory";
    ASSERT_EQ(::mkdir(emptyDirectory.c_str(), 0755), 0);
    fileops::copy_file(from, emptyDirectory);
    EXPECT_EQ(readFile(emptyDirectory), content);

    const std::string synced = dir.path() + "/synced";
    EXPECT_EQ(fileops::copy_file_synced(from, synced), 0);
    EXPECT_EQ(readFile(synced), content);

    // Nothing but the copies is left behind.
    EXPECT_EQ(commandOutput("ls -A '" + dir.path() + "'"), "from\nsynced\nto\nwas-a-directory\n");
}

// Owner and mode after a copy, as cp leaves them: a replaced file keeps its
// owner and mode, a new file gets the source's permission bits less the umask.
TEST(Fileops, CopyKeepsOwnerAndModeAsCpDoes)
{
    TempDir dir;
    Umask mask(022);
    const struct Case {
        const char* name;
        mode_t source;
        bool targetExists;
        uid_t targetOwner;
        mode_t targetMode;
    } cases[] = {
        {"new target of an executable", 0755, false, 0, 0},
        {"new target of a private file", 0600, false, 0, 0},
        {"new target of a set-user-id program", 04755, false, 0, 0},
        {"new target of a read-only file", 0444, false, 0, 0},
        {"another user's file", 0755, true, 65534, 0640},
        {"root's private file", 0644, true, 0, 0600},
        {"a set-user-id program of another user", 0644, true, 65534, 04711},
    };
    for (const Case& c : cases) {
        for (bool synced : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (synced ? ", synced" : ""));
            const std::string from = dir.path() + "/from";
            const std::string ours = dir.path() + "/ours";
            const std::string theirs = dir.path() + "/theirs";
            writeFile(from, "new content\n");
            ASSERT_EQ(::chmod(from.c_str(), c.source), 0);
            for (const std::string& target : {ours, theirs}) {
                ::unlink(target.c_str());
                if (!c.targetExists) continue;
                writeFile(target, "old content\n");
                ASSERT_EQ(::chown(target.c_str(), c.targetOwner, c.targetOwner), 0);
                ASSERT_EQ(::chmod(target.c_str(), c.targetMode), 0);
            }
            if (synced)
                fileops::copy_file_synced(from, ours);
            else
                fileops::copy_file(from, ours);
            int status = -1;
            commandOutput("cp '" + from + "' '" + theirs + "'", &status);
            ASSERT_EQ(status, 0);

            EXPECT_EQ(readFile(ours), "new content\n");
            struct stat mine, cp;
            ASSERT_EQ(::lstat(ours.c_str(), &mine), 0);
            ASSERT_EQ(::lstat(theirs.c_str(), &cp), 0);
            EXPECT_EQ(mine.st_mode & 07777, cp.st_mode & 07777);
            EXPECT_EQ(mine.st_uid, cp.st_uid);
            EXPECT_EQ(mine.st_gid, cp.st_gid);
            EXPECT_EQ(mine.st_uid, c.targetExists ? c.targetOwner : ::geteuid());
        }
    }
}

TEST(Fileops, CopyFailuresInTheOperatorsWords)
{
    TempDir dir;
    const std::string from = dir.path() + "/from";
    writeFile(from, "x");
    const std::string fullDirectory = dir.path() + "/full";
    ASSERT_EQ(::mkdir(fullDirectory.c_str(), 0755), 0);
    writeFile(fullDirectory + "/inside", "x");
    const std::string missing = dir.path() + "/missing";

    struct Case {
        const char* name;
        std::string from;
        std::string to;
        std::string text;
    } cases[] = {
        {"missing source", missing, dir.path() + "/to", (Messages::format("err_copy1") % missing).str()},
        {"source is a directory", dir.path(), dir.path() + "/to",
         format("err_copy2", dir.path(), dir.path())},
        {"target is a non-empty directory", from, fullDirectory,
         format("err_rmfile2", fullDirectory, "Directory not empty")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectError([&] { fileops::copy_file(c.from, c.to); }, {4, 1, 1, 2}, c.text + "\n");
    }
    EXPECT_EQ(readFile(fullDirectory + "/inside"), "x");
}

// A write that the system refuses half-way (here the file size limit) fails the
// copy with the operator's text and leaves the old target whole.
void copyPastTheSizeLimit(bool synced)
{
    TempDir dir;
    const std::string from = dir.path() + "/from";
    const std::string to = dir.path() + "/to";
    writeFile(from, std::string(100000, 'n'));
    writeFile(to, "old");
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = {4096, 4096};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(10);
    try {
        if (synced)
            fileops::copy_file_synced(from, to);
        else
            fileops::copy_file(from, to);
        std::_Exit(11);
    } catch (const error& e) {
        if (e.text() != format("err_filewrite2", to, "File too large") + "\n") std::_Exit(12);
        if (e.retry() != 2 || e.errorClass() != 4) std::_Exit(13);
    }
    if (readFile(to) != "old") std::_Exit(14);
    if (commandOutput("ls -A '" + dir.path() + "'") != "from\nto\n") std::_Exit(15);
    std::_Exit(0);
}

TEST(FileopsDeathTest, FailedWritesLeaveTheOldTarget)
{
    EXPECT_EXIT(copyPastTheSizeLimit(false), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(copyPastTheSizeLimit(true), ::testing::ExitedWithCode(0), "");
}

TEST(Fileops, CreateDirectoryMakesEveryMissingParent)
{
    TempDir dir;
    Umask mask(0);
    const std::string path = dir.path() + "/a//b/c/";
    EXPECT_TRUE(fileops::create_directory(path));
    for (const char* made : {"/a", "/a/b", "/a/b/c"}) {
        SCOPED_TRACE(made);
        EXPECT_TRUE(fileops::is_directory(dir.path() + made));
        EXPECT_EQ(modeOf(dir.path() + made), 0755u);
    }
    EXPECT_FALSE(fileops::create_directory(dir.path() + "/a/b"));

    const std::string file = dir.path() + "/file";
    writeFile(file, "x");
    EXPECT_FALSE(fileops::create_directory(file));
    EXPECT_EQ(readFile(file), "x");
}

TEST(Fileops, CreateDirectoryBelowAFileFails)
{
    TempDir dir;
    const std::string file = dir.path() + "/file";
    writeFile(file, "x");
    const std::string path = file + "/sub/deeper";
    CapturedLog log(1);
    expectError([&] { fileops::create_directory(path); }, {4, 1, 1, 2},
                format("err_mkdir", path, "File exists") + "\n");
    EXPECT_EQ(log.text(), "Can't create directory " + path + ": error in create " + file + ": File exists\n");
}

TEST(Fileops, CreateEmptyFile)
{
    TempDir dir;
    Umask mask(0);
    const std::string fresh = dir.path() + "/fresh";
    EXPECT_EQ(fileops::create_empty_file(fresh), 0);
    EXPECT_EQ(modeOf(fresh), 0600u);
    EXPECT_EQ(readFile(fresh), "");

    const std::string full = dir.path() + "/full";
    writeFile(full, "content");
    EXPECT_EQ(fileops::create_empty_file(full), 0);
    EXPECT_EQ(readFile(full), "");

    const std::string impossible = dir.path() + "/missing/file";
    expectError([&] { fileops::create_empty_file(impossible); }, {4, 2, 1, 2},
                format("err_filewrite1", impossible, "No such file or directory") + "\n");
}

TEST(Fileops, ReplaceFileWritesWholeFilesOnly)
{
    TempDir dir;
    Umask mask(022);
    const std::string path = dir.path() + "/options.ini";
    writeFile(path, "old");
    fileops::replace_file(path, "new content\n");
    EXPECT_EQ(readFile(path), "new content\n");
    EXPECT_EQ(modeOf(path), 0644u);
    EXPECT_EQ(commandOutput("ls -A '" + dir.path() + "'"), "options.ini\n");

    const std::string impossible = dir.path() + "/missing/options.ini";
    if (const auto e = expectError([&] { fileops::replace_file(impossible, "x"); })) {
        EXPECT_EQ(e->text(), format("err_filewrite1", impossible, "No such file or directory") + "\n");
    }
}

TEST(Fileops, StdioFileOpenFailuresNameTheDirection)
{
    TempDir dir;
    const std::string missing = dir.path() + "/missing/file";
    struct Case {
        const char* mode;
        const char* key;
    } cases[] = {{"r", "err_fileread1"}, {"a+", "err_fileread1"}, {"w", "err_filewrite1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        expectError([&] { fileops::StdioFile file(missing, c.mode); }, {4, 1, 1, 2},
                    format(c.key, missing, "No such file or directory") + "\n");
    }
}

TEST(Fileops, StdioFileReportsAFailedClose)
{
    TempDir dir;
    const std::string path = dir.path() + "/written";
    // The descriptor is closed behind the stream's back, so flushing its buffer
    // on close fails: data would be lost, and the guard says so.
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(descriptor, 0);
    const auto closeFailure = expectError([&] {
        fileops::StdioFile file(descriptor, path, "w");
        std::fputs("buffered", file.get());
        ::close(descriptor);
    });
    if (closeFailure) {
        EXPECT_EQ(closeFailure->text(), format("err_filewrite2", path, "Bad file descriptor") + "\n");
    }

    // While another exception is on its way, the close failure is only logged.
    const int second = ::open(path.c_str(), O_WRONLY, 0600);
    ASSERT_GE(second, 0);
    CapturedLog log(1);
    try {
        fileops::StdioFile file(second, path, "w");
        std::fputs("buffered", file.get());
        ::close(second);
        throw std::runtime_error("first failure");
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "first failure");
    }
    EXPECT_NE(log.text().find(format("err_filewrite2", path, "Bad file descriptor")), std::string::npos)
        << log.text();
}

TEST(Fileops, FileContainsLineComparesTrimmedWholeLines)
{
    TempDir dir;
    const std::string path = dir.path() + "/list";
    writeFile(path, "alpha\n  beta  \n" + std::string(5000, 'g') + "gamma\n\tdelta");
    struct Case {
        std::string line;
        bool expected;
    } cases[] = {
        {"alpha", true},   {"  alpha ", true},  {"beta", true},   {"delta", true},
        {"gamma", false},  {std::string(4000, 'g'), false},     {"alp", false},
        {std::string(5000, 'g') + "gamma", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 20));
        EXPECT_EQ(fileContainsLine(path, c.line), c.expected);
    }
    EXPECT_THROW(fileContainsLine(dir.path() + "/missing", "x"), error);
}

TEST(Fileops, PathSplittingTable)
{
    struct Case {
        const char* path;
        const char* base;
        const char* dir;
    } cases[] = {
        {"/usr/lib/file.so", "file.so", "/usr/lib"},
        {"file", "file", ""},
        {"/", "", ""},
        {"/top", "top", ""},
        {"dir/", "", "dir"},
        {"a//b", "b", "a/"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fileops::basename(c.path), c.base);
        EXPECT_EQ(fileops::filename(c.path), c.base);
        EXPECT_EQ(fileops::dirname(c.path), c.dir);
        EXPECT_EQ(fileops::parent_path(c.path), c.dir);
    }
}

TEST(Fileops, TrailingCharacterTable)
{
    struct Case {
        const char* text;
        const char* stripped;
        const char* ensured;
    } cases[] = {
        {"", "", "/"}, {"/", "", "/"}, {"///", "", "///"}, {"a/b//", "a/b", "a/b//"}, {"a", "a", "a/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string stripped = c.text;
        fileops::strip_trailing(stripped, '/');
        EXPECT_EQ(stripped, c.stripped);
        std::string ensured = c.text;
        fileops::ensure_trailing(ensured, '/');
        EXPECT_EQ(ensured, c.ensured);
    }
}

TEST(Fileops, HomeDirectoryComesFromTheUserDatabase)
{
    int status = 0;
    std::string expected = commandOutput("getent passwd \"$(id -u)\" | cut -d: -f6", &status);
    ASSERT_EQ(status, 0);
    while (!expected.empty() && expected.back() == '\n') expected.pop_back();
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(get_home_dir(), expected);
    EXPECT_EQ(get_home_dir(), expected);
}

}  // namespace
