#pragma once

#include "installer/engine/DownloadProgressRenderer.h"
#include "installer/sources/SourceUrl.h"

#include <memory>
#include <string>
#include <vector>

// Turns a path relative to the installation source into a local file that the
// caller may read. A local source is used where it lies; a remote one is
// downloaded below the target directory (the "--target" option). When the caller
// knows the file's MD5 digest it is checked either way, so that a damaged or
// tampered file never passes for the catalogue's.
//
// Paths come from the catalogue, which travels over the network: a relative path,
// offset or local name with an empty, "." or ".." component or a leading "/" is
// refused ("err_unsafe_path"), so that no catalogue can make the fetcher read or
// write outside the source and the target directory.
//
// A fetcher is used by one thread at a time; copies are independent, each with a
// progress renderer of its own.
class FileFetcher {
public:
    FileFetcher(const SourceUrl& source, const std::string& targetDirectory);
    FileFetcher(const FileFetcher& other);
    FileFetcher& operator=(const FileFetcher&) = delete;
    ~FileFetcher();

    // Put between the base URL and every relative path; an empty offset keeps the
    // previous one. Raises "err_unsafe_path" for an offset that leaves the source.
    void setSubdirsOffset(const std::string& offset);
    const std::string& getSubdirsOffset() const { return offset_; }

    // The local path of the file `relativePath` below the source (and the offset).
    // `expectedMd5` is 32 lower-case hex digits, or empty for no check; `localName`
    // names the file below the target directory, empty for the relative path.
    // Raises "err_misfile" when the file is not there and "err_mk5check" when its
    // digest differs; a remote file reaches its final name only once complete and
    // checked: it is downloaded to "<name>.tmp", made afresh, and renamed over the
    // old file, so there is never a moment without a whole file at that name.
    std::string getFile(const std::string& relativePath, const std::string& expectedMd5 = std::string(),
                        const std::string& localName = std::string());

    const SourceUrl& getSource() const { return source_; }
    const std::string& getTargetDirectory() const { return targetDirectory_; }
    const std::vector<std::string>& getBaseUrls() const { return baseUrls_; }
    // The progress display of this fetcher's downloads; set it quiet to keep the
    // lines off the console (they still reach the log).
    const std::shared_ptr<DownloadProgressRenderer>& getRenderer() const { return renderer_; }

private:
    // Downloads `sourcePath` to `resultPath` + ".tmp", unless `resultPath` already
    // holds a file with the expected digest; returns the file to check.
    std::string fetchRemote(const std::string& sourcePath, const std::string& expectedMd5,
                            const std::string& resultPath);

    std::vector<std::string> baseUrls_;
    SourceUrl source_;
    std::string targetDirectory_;
    std::string offset_;
    std::string user_;
    std::string password_;
    std::shared_ptr<DownloadProgressRenderer> renderer_;
};
