#include "installer/sources/FileFetcher.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Redact.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/md5.h"
#include "installer/engine/DownloadProgressScope.h"
#include "installer/sources/Downloader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string withTrailingSlash(const std::string& text)
{
    return !text.empty() && text.back() == '/' ? text : text + "/";
}

// Characters that some file systems and tools refuse in names become "_" in the
// local copy; the URL keeps them.
std::string localFileName(std::string name)
{
    for (char& c : name)
        if (c == ':' || c == '*' || c == '?' || c == '<' || c == '>' || c == '|') c = '_';
    return name;
}

// Refuses a path that could leave the directory it is meant to stay below: a
// leading "/", or an empty, "." or ".." component (which also refuses an empty
// path and one ending in "/").
void requireConfinedPath(const std::string& path)
{
    bool confined = !path.empty() && path[0] != '/';
    for (std::string::size_type start = 0; confined && start <= path.size();) {
        const std::string::size_type end = std::min(path.find('/', start), path.size());
        const std::string component = path.substr(start, end - start);
        confined = !component.empty() && component != "." && component != "..";
        start = end + 1;
    }
    if (!confined) {
        Log(1, true) << "Error: FileFetcher: refusing the path '" << path << "'";
        throw error(1, 1, 1, 2) << (Messages::format("err_unsafe_path") % path);
    }
}

}  // namespace

FileFetcher::FileFetcher(const SourceUrl& source, const std::string& targetDirectory)
    : baseUrls_{source.getDirectory()},
      source_(source),
      targetDirectory_(withTrailingSlash(targetDirectory)),
      renderer_(DownloadProgressRenderer::create())
{
    Log(2, true) << "FileFetcher new object: target_dir=" << targetDirectory_
                 << ", main_source_url=" << redact::url(baseUrls_.front());
}

FileFetcher::FileFetcher(const FileFetcher& other)
    : baseUrls_(other.baseUrls_),
      source_(other.source_),
      targetDirectory_(other.targetDirectory_),
      offset_(other.offset_),
      user_(other.user_),
      password_(other.password_),
      renderer_(DownloadProgressRenderer::create())
{
}

FileFetcher::~FileFetcher() = default;

void FileFetcher::setSubdirsOffset(const std::string& offset)
{
    if (offset.empty()) return;
    std::string confined = offset;
    fileops::strip_trailing(confined, '/');
    requireConfinedPath(confined);
    offset_ = withTrailingSlash(offset);
    Log(3, true) << "FileFetcher: current subdirs offset is " << offset_;
}

std::string FileFetcher::getFile(const std::string& relativePath, const std::string& expectedMd5,
                                 const std::string& localName)
{
    Log(2, true) << "FileFetcher: get file (" << offset_ << ")/" << relativePath;
    requireConfinedPath(relativePath);
    if (!localName.empty()) requireConfinedPath(localName);
    const std::string sourcePath = offset_ + relativePath;
    std::string resultPath = targetDirectory_ + localFileName(localName.empty() ? sourcePath : localName);

    std::string fileToCheck;
    if (source_.isLocal()) {
        resultPath = baseUrls_.front() + sourcePath;
        fileToCheck = resultPath;
    } else {
        fileToCheck = fetchRemote(sourcePath, expectedMd5, resultPath);
        if (fileToCheck == resultPath) return resultPath;
    }

    if (!fileops::is_file(fileToCheck)) throw error(4, 2, 1, 1) << (Messages::format("err_misfile") % fileToCheck);

    if (!expectedMd5.empty()) {
        const std::string actual = getFileMd5(fileToCheck);
        if (actual != expectedMd5) {
            Log(2, true) << "MD5 mismatch: " << actual;
            throw error(4, 1, 1, 2) << (Messages::format("err_mk5check") % fileToCheck % expectedMd5 % actual);
        }
    }

    // Straight over the old file: readers see the old file or the new one.
    if (fileToCheck != resultPath) {
        Log(3, true) << "FileFetcher: rename " << fileToCheck << " to " << resultPath;
        if (std::rename(fileToCheck.c_str(), resultPath.c_str()) != 0) {
            const std::string reason = std::strerror(errno);
            throw error(4, 1, 1, 2) << (Messages::format("err_filewrite2") % resultPath % reason);
        }
    }
    return resultPath;
}

std::string FileFetcher::fetchRemote(const std::string& sourcePath, const std::string& expectedMd5,
                                     const std::string& resultPath)
{
    DownloadProgressScope scope(renderer_, sourcePath);
    if (!expectedMd5.empty()) {
        Log(3, true) << "FileFetcher: calculate md5sum of " << resultPath;
        if (getFileMd5(resultPath) == expectedMd5) {
            scope.setCompleted();
            return resultPath;
        }
    }

    const std::string temporaryPath = resultPath + ".tmp";
    std::unique_ptr<Downloader> downloader = Downloader::create(sourcePath);
    renderer_->observe(downloader->bytes(), downloader->attempts());
    for (const std::string& baseUrl : baseUrls_) downloader->addBaseUrl(baseUrl);
    if (!user_.empty()) {
        Log(3, true) << "FileFetcher: set auth for downloader: user=" << user_;
        downloader->setAuth(user_, password_);
    }
    downloader->downloadToFile(temporaryPath);
    return temporaryPath;
}
