#pragma once

#include "common/packages/Dependency.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

// A file path with the file's mode and digest (or link target): the files a
// package provides, and path requirements. A system with its full installed-file
// list holds hundreds of thousands of them, so they and their digests live in
// block pools of their own that never give memory back to the general allocator.
class DependencyFile : public Dependency {
public:
    // The MD5 digest of a regular file.
    struct md5rep_t {
        unsigned char bytes[16];

        // From the digest pool: zero-filled, and only ever 16 bytes.
        static void* operator new(std::size_t size);
        static void operator delete(void* pointer) noexcept;
    };

    // The path is split at its last "/"; `digest` is the file's digest text, or
    // its link target when the mode is not that of a regular file. A digest text
    // that cannot be parsed raises its error.
    DependencyFile(const char* path, std::int32_t mode, const char* digest, const Package* owner);
    ~DependencyFile() override;

    // From the object pool; a size other than this class's is an internal error.
    static void* operator new(std::size_t size);
    static void operator delete(void* pointer) noexcept;

    // An empty text changes nothing. For a regular file (mode 0 included) the
    // text is a digest of 32 or 64 hexadecimal digits; for any other file it is
    // kept as the link text.
    void setMD5(const char* text);
    // 32 lower-case hexadecimal digits when there is a digest, else the link text.
    std::string getDigestText() const;
    bool hasDigest() const { return digest_ != nullptr; }

    // The directory-entry type of the mode (DT_FIFO 1, DT_CHR 2, DT_DIR 4, DT_BLK
    // 6, DT_LNK 10, DT_SOCK 12); anything else, a mode of 0 included, is a
    // regular file (8).
    int fileType() const;
    bool isDirectory() const { return fileType() == 4; }
    bool isRegularFile() const { return fileType() == 8; }

    // Pooled texts: the path up to and including its last "/", and the rest.
    const char* getDirectory() const { return directory_; }
    const char* getFileName() const { return fileName_; }
    std::int32_t getMode() const { return mode_; }
    const char* getLinkText() const { return linkText_; }

    std::string toString() const override;
    using Dependency::intersects;
    bool intersects(const Dependency* other) const override;
    std::uint64_t hash() const override;
    using Dependency::sameName;
    bool sameName(const Dependency* other) const override;
    bool equals(const DependencyPtr& other) const override;
    // The same owner and path, mode 12345 (a regular file), no digest, no link.
    DependencyPtr clone() const override;
    void print(std::ostream& out) const override;

private:
    DependencyFile(const Package* owner, const char* directory, const char* fileName, std::int32_t mode);

    const char* directory_;
    const char* fileName_;
    std::int32_t mode_;
    md5rep_t* digest_;
    const char* linkText_;
};
