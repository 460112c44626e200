#include "common/packages/DependencyFile.h"

#include "common/error.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/RPMPackage.h"
#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

#include <set>

#include <sys/stat.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const digest32 = "0123456789abcdef0123456789ABCDEF";

DependencyPtr file(const char* path, std::int32_t mode = 0100644, const char* digest = "",
                   const Package* owner = nullptr)
{
    return DependencyPtr(new DependencyFile(path, mode, digest, owner));
}

const DependencyFile& asFile(const DependencyPtr& dependency)
{
    return dynamic_cast<const DependencyFile&>(*dependency);
}

TEST(DependencyFile, SplitsThePathAtItsLastSlash)
{
    const struct {
        const char* path;
        const char* directory;
        const char* name;
    } cases[] = {
        {"/usr/bin/tool", "/usr/bin/", "tool"},
        {"/tool", "/", "tool"},
        {"/usr/share/doc/", "/usr/share/doc/", ""},
        {"tool", "", "tool"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const DependencyPtr dependency = file(c.path);
        EXPECT_STREQ(asFile(dependency).getDirectory(), c.directory);
        EXPECT_STREQ(asFile(dependency).getFileName(), c.name);
        EXPECT_EQ(dependency->toString(), c.path);
        std::ostringstream out;
        dependency->print(out);
        EXPECT_EQ(out.str(), c.path);
    }
}

TEST(DependencyFile, TellsTheFileTypeFromTheMode)
{
    const struct {
        std::int32_t mode;
        int type;
    } cases[] = {
        {S_IFIFO | 0644, 1}, {S_IFCHR | 0600, 2},  {S_IFDIR | 0755, 4}, {S_IFBLK | 0660, 6},
        {S_IFLNK | 0777, 10}, {S_IFSOCK | 0755, 12}, {S_IFREG | 0644, 8}, {0, 8}, {12345, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        const DependencyFile dependency("/x", c.mode, "", nullptr);
        EXPECT_EQ(dependency.getMode(), c.mode);
        EXPECT_EQ(dependency.fileType(), c.type);
        EXPECT_EQ(dependency.isDirectory(), c.type == 4);
        EXPECT_EQ(dependency.isRegularFile(), c.type == 8);
    }
}

TEST(DependencyFile, KeepsTheDigestOfRegularFilesAndTheLinkTextOfOthers)
{
    const struct {
        const char* name;
        std::int32_t mode;
        const char* text;
        bool digest;
        const char* expected;
    } cases[] = {
        {"regular file", S_IFREG | 0644, digest32, true, "0123456789abcdef0123456789abcdef"},
        {"no mode", 0, digest32, true, "0123456789abcdef0123456789abcdef"},
        {"longer digest", S_IFREG | 0644,
         "00112233445566778899aabbccddeeff00112233445566778899aabbccddeeff", true,
         "00112233445566778899aabbccddeeff"},
        {"empty digest", S_IFREG | 0644, "", false, ""},
        {"symbolic link", S_IFLNK | 0777, "../lib/tool", false, "../lib/tool"},
        {"directory", S_IFDIR | 0755, "", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DependencyFile dependency("/usr/bin/tool", c.mode, c.text, nullptr);
        EXPECT_EQ(dependency.hasDigest(), c.digest);
        EXPECT_EQ(dependency.getDigestText(), c.expected);
    }
}

TEST(DependencyFile, RefusesABadDigest)
{
    for (const char* text : {"0123", "0123456789abcdef0123456789abcdeg"}) {
        SCOPED_TRACE(text);
        if (const auto e = expectError([&] { file("/usr/bin/tool", S_IFREG | 0644, text); })) {
            EXPECT_EQ(e->errorClass(), 3);
            EXPECT_NE(e->text().find("MD5 string"), std::string::npos) << e->text();
        }
    }
    // The link text of a link is not a digest.
    EXPECT_EQ(asFile(file("/l", S_IFLNK | 0777, "0123")).getDigestText(), "0123");
}

TEST(DependencyFile, SetMD5WithAnEmptyTextChangesNothing)
{
    DependencyFile dependency("/usr/bin/tool", S_IFREG | 0644, digest32, nullptr);
    dependency.setMD5("");
    dependency.setMD5(nullptr);
    EXPECT_EQ(dependency.getDigestText(), "0123456789abcdef0123456789abcdef");
    dependency.setMD5("ffffffffffffffffffffffffffffffff");
    EXPECT_EQ(dependency.getDigestText(), "ffffffffffffffffffffffffffffffff");
}

TEST(DependencyFile, IntersectsTheSamePathWhateverModeAndDigest)
{
    const DependencyPtr provide = file("/usr/bin/x", S_IFREG | 0755, digest32);
    const DependencyPtr requirement = file("/usr/bin/x", 0, "");
    const DependencyPtr link = file("/usr/bin/x", S_IFLNK | 0777, "y");
    const DependencyPtr other = file("/usr/bin/y");
    const DependencyPtr otherDirectory = file("/usr/sbin/x");
    const auto relation = std::make_shared<DependencyLogical>("/usr/bin/x", nullptr);

    for (const DependencyPtr& same : {requirement, link}) {
        EXPECT_TRUE(provide->intersects(same));
        EXPECT_TRUE(same->intersects(provide));
        EXPECT_TRUE(provide->sameName(same));
        EXPECT_TRUE(provide->equals(same));
        EXPECT_EQ(provide->hash(), same->hash());
    }
    for (const DependencyPtr& different : {other, otherDirectory}) {
        EXPECT_FALSE(provide->intersects(different));
        EXPECT_FALSE(provide->equals(different));
        EXPECT_NE(provide->hash(), different->hash());
    }
    EXPECT_FALSE(provide->intersects(relation));
    EXPECT_FALSE(provide->sameName(relation));
    EXPECT_FALSE(provide->equals(relation));
    EXPECT_FALSE(provide->intersects(DependencyPtr()));
}

TEST(DependencyFile, PathsPooledTogetherHashApart)
{
    std::set<std::uint64_t> hashes;
    for (int i = 0; i < 2000; ++i) hashes.insert(file(("/usr/lib/hash-test/f" + std::to_string(i)).c_str())->hash());
    EXPECT_EQ(hashes.size(), 2000u);
    EXPECT_EQ(file("/usr/bin/x")->hash(), file("/usr/bin/x")->hash());
}

TEST(DependencyFile, CloneIsAPlainRegularFileOfTheSamePath)
{
    const RPMPackage owner("owner", "1.0");
    const DependencyPtr original = file("/usr/bin/x", S_IFLNK | 0777, "target", &owner);
    const DependencyPtr copy = original->clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy.get(), original.get());
    const DependencyFile& clone = asFile(copy);
    EXPECT_EQ(clone.getOwner(), &owner);
    EXPECT_EQ(clone.getDirectory(), asFile(original).getDirectory());
    EXPECT_EQ(clone.getFileName(), asFile(original).getFileName());
    EXPECT_EQ(clone.getMode(), 12345);
    EXPECT_TRUE(clone.isRegularFile());
    EXPECT_FALSE(clone.hasDigest());
    EXPECT_EQ(clone.getDigestText(), "");
    EXPECT_TRUE(clone.equals(original));
}

TEST(DependencyFile, PoolsServeManyObjects)
{
    // More than one block of objects and of digests, released and taken again.
    for (int round = 0; round < 2; ++round) {
        std::vector<DependencyPtr> files;
        for (int i = 0; i < 40000; ++i) {
            const std::string path = "/usr/share/doc/p" + std::to_string(i % 97) + "/f" + std::to_string(i);
            files.push_back(file(path.c_str(), S_IFREG | 0644, i % 2 ? digest32 : ""));
        }
        for (int i = 0; i < 40000; i += 997) {
            SCOPED_TRACE(i);
            EXPECT_EQ(files[i]->toString(), "/usr/share/doc/p" + std::to_string(i % 97) + "/f" + std::to_string(i));
            EXPECT_EQ(asFile(files[i]).hasDigest(), i % 2 == 1);
        }
    }
}

struct LargerFile : DependencyFile {
    LargerFile() : DependencyFile("/x", 0, "", nullptr) {}
    long extra = 0;
};

TEST(DependencyFile, PoolsRefuseOtherSizes)
{
    EXPECT_THROW(new LargerFile, error);
    EXPECT_THROW(DependencyFile::operator new(sizeof(DependencyFile) + 8), error);
    EXPECT_THROW(DependencyFile::md5rep_t::operator new(17), error);
    // A digest is handed out zero-filled.
    std::unique_ptr<DependencyFile::md5rep_t> digest(new DependencyFile::md5rep_t);
    for (unsigned char byte : digest->bytes) EXPECT_EQ(byte, 0);
}

}  // namespace
