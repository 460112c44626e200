// The package cache record format: Package::createFromCache and Package::dump.
#include "common/packages/Package.h"

#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/DebVersion.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/RPMPackage.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

struct CloseStream {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using Stream = std::unique_ptr<std::FILE, CloseStream>;

// A read stream over a text that hands stdio the bytes in pieces of at most
// `piece` bytes, so that one byte at a time can be fed to the reader.
struct Source {
    std::string text;
    std::size_t position;
    std::size_t piece;
};

ssize_t readPiece(void* cookie, char* buffer, std::size_t size)
{
    Source& source = *static_cast<Source*>(cookie);
    const std::size_t count = std::min({size, source.piece, source.text.size() - source.position});
    std::memcpy(buffer, source.text.data() + source.position, count);
    source.position += count;
    return static_cast<ssize_t>(count);
}

int closeSource(void* cookie)
{
    delete static_cast<Source*>(cookie);
    return 0;
}

Stream streamOf(const std::string& text, std::size_t piece = static_cast<std::size_t>(-1))
{
    cookie_io_functions_t functions{};
    functions.read = readPiece;
    functions.close = closeSource;
    std::FILE* stream = ::fopencookie(new Source{text, 0, piece}, "r", functions);
    EXPECT_NE(stream, nullptr);
    return Stream(stream);
}

// Reads every record of a stream, skipping white space between records as the
// repository does.
std::vector<std::unique_ptr<Package>> readAll(std::FILE* stream, unsigned& lines)
{
    std::vector<std::unique_ptr<Package>> records;
    for (;;) {
        int c;
        while ((c = std::getc(stream)) != EOF && std::isspace(c)) {
            if (c == '\n') ++lines;
        }
        if (c == EOF) break;
        std::ungetc(c, stream);
        records.push_back(Package::createFromCache(stream, lines));
    }
    return records;
}

std::vector<std::unique_ptr<Package>> readText(const std::string& text, std::size_t piece = -1)
{
    Stream stream = streamOf(text, piece);
    unsigned lines = 0;
    return readAll(stream.get(), lines);
}

std::unique_ptr<Package> readOne(const std::string& text)
{
    Stream stream = streamOf(text);
    unsigned lines = 0;
    return Package::createFromCache(stream.get(), lines);
}

std::string printed(const Dependency& dependency)
{
    std::ostringstream out;
    dependency.print(out);
    return out.str();
}

// Everything the format carries of one dependency.
std::string describe(const DependencyPtr& dependency)
{
    std::string text = printed(*dependency);
    if (const auto* file = dynamic_cast<const DependencyFile*>(dependency.get()))
        text += " [file mode " + std::to_string(file->getMode()) + " digest '" + file->getDigestText() + "']";
    else
        text += " [relation]";
    return text;
}

std::vector<std::string> describe(const std::vector<DependencyPtr>& list)
{
    std::vector<std::string> texts;
    for (const DependencyPtr& dependency : list) texts.push_back(describe(dependency));
    return texts;
}

void expectSameRecord(const Package& expected, const Package& actual)
{
    SCOPED_TRACE(expected.getName());
    EXPECT_EQ(typeid(actual), typeid(expected));
    EXPECT_EQ(actual.getName(), expected.getName());
    EXPECT_EQ(typeid(actual.getVersion()), typeid(expected.getVersion()));
    EXPECT_EQ(actual.getVersion().toString(), expected.getVersion().toString());
    EXPECT_EQ(actual.getVersion().hasEpoch(), expected.getVersion().hasEpoch());
    EXPECT_EQ(actual.getArch(), expected.getArch());
    EXPECT_EQ(actual.getFileName(), expected.getFileName());
    EXPECT_EQ(actual.getInstallTime(), expected.getInstallTime());
    EXPECT_EQ(actual.getBuildTime(), expected.getBuildTime());
    EXPECT_EQ(actual.getSize(), expected.getSize());
    EXPECT_EQ(actual.getMD5String(), expected.getMD5String());
    EXPECT_EQ(describe(actual.getRequires()), describe(expected.getRequires()));
    EXPECT_EQ(describe(actual.getProvides()), describe(expected.getProvides()));
    EXPECT_EQ(describe(actual.getConflicts()), describe(expected.getConflicts()));
    EXPECT_EQ(describe(actual.getObsoletes()), describe(expected.getObsoletes()));
    for (const DependencyPtr& provide : actual.getProvides()) EXPECT_EQ(provide->getOwner(), &actual);
}

std::vector<std::unique_ptr<Package>> sampleRecords()
{
    std::vector<std::unique_ptr<Package>> records;

    auto bash = Package::createFromFile("bash", "5.1.8-9.el9", "bash-5.1.8-9.el9.x86_64.rpm");
    bash->setArch("x86_64");
    bash->setType('b');
    bash->setInstallTime(1700000000);
    bash->setBuildTime(1650000000);
    bash->setSize(1843200);
    bash->setMD5("00112233445566778899aabbccddeeff");
    bash->addRequire("/bin/sh");
    bash->addRequire("libc.so.6()(64bit)");
    bash->addRequire("config(bash) = 5.1.8-9.el9");
    bash->addProvide("bash(x86-64) = 5.1.8-9.el9");
    bash->addProvide(DependencyPtr(new DependencyFile("/usr/bin/bash", S_IFREG | 0755,
                                                      "ffeeddccbbaa99887766554433221100", bash.get())));
    bash->addProvide(DependencyPtr(new DependencyFile("/usr/bin/sh", S_IFLNK | 0777, "bash", bash.get())));
    bash->addProvide(DependencyPtr(new DependencyFile("/usr/share/doc/bash", S_IFDIR | 0755, "", bash.get())));
    bash->addProvide(DependencyPtr(new DependencyFile("/etc/skel/.bashrc", S_IFREG | 0644, "", bash.get())));
    bash->addConflict("bash-old < 4");
    bash->addObsolete("bash2");
    records.push_back(std::move(bash));

    auto openssl = Package::createFromFile("openssl", "1:3.0.7-27.el9", "openssl.rpm");
    openssl->setArch("x86_64");
    openssl->setType('s');
    openssl->setInstallTime(-1);
    openssl->addRequire("openssl-libs(x86-64) = 1:3.0.7-27.el9");
    openssl->addProvide("openssl = 1:3.0.7-27.el9");
    openssl->addObsolete("openssl < 1:3.0.1-1");
    openssl->addObsolete("openssl-perl <= 0:1.1");
    records.push_back(std::move(openssl));

    auto zero = Package::createFromFile("zero-epoch", "0:2.0", "zero.rpm");
    zero->setType('u');
    zero->setArch("noarch");
    records.push_back(std::move(zero));

    auto libc = Package::createFromFile("libc6", "2.36-9+deb12u4", "libc6_installed.deb");
    libc->setType('s');
    libc->setArch("amd64");
    libc->addProvide("libc6-abi (= 2.36)");
    libc->addRequire("libgcc-s1 (>= 3.0)");
    libc->addConflict("libc6-old (<< 2.0)");
    libc->addConflict("other (>> 1:2.0~rc1)");
    records.push_back(std::move(libc));

    auto noRelease = Package::createFromFile("mawk", "1.3.4", "mawk.deb");
    noRelease->setType('s');
    noRelease->setArch("amd64");
    records.push_back(std::move(noRelease));
    return records;
}

TEST(PackageCache, WhatIsWrittenReadsBackTheSame)
{
    const auto records = sampleRecords();
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* memory = ::open_memstream(&buffer, &size);
    ASSERT_NE(memory, nullptr);
    for (const auto& record : records) EXPECT_EQ(record->dump(memory), 0);
    ASSERT_EQ(std::fclose(memory), 0);
    const std::string text(buffer, size);
    std::free(buffer);

    for (const std::size_t piece : {static_cast<std::size_t>(-1), std::size_t(1)}) {
        SCOPED_TRACE(piece == 1 ? "one byte at a time" : "whole");
        Stream stream = streamOf(text, piece);
        unsigned lines = 0;
        const auto read = readAll(stream.get(), lines);
        ASSERT_EQ(read.size(), records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            expectSameRecord(*records[i], *read[i]);
            // The kind is not part of the format.
            EXPECT_EQ(read[i]->getType(), 'n');
        }
        EXPECT_EQ(lines, static_cast<unsigned>(std::count(text.begin(), text.end(), '\n')));
    }
    // Debian records keep Debian order, in their dependencies too.
    const auto read = readText(text);
    EXPECT_EQ(typeid(*read[3]), typeid(DebPackage));
    const auto* conflict = dynamic_cast<const DependencyLogical*>(read[3]->getConflict(1).get());
    ASSERT_NE(conflict, nullptr);
    EXPECT_EQ(typeid(*conflict->getVersion()), typeid(DebVersion));
    EXPECT_EQ(conflict->getRelation(), DependencyLogical::greater);
}

TEST(PackageCache, WritesTheDocumentedLines)
{
    auto record = Package::createFromFile("tool", "2:1.0", "tool.rpm");
    record->setType('b');
    record->setArch("x86_64");
    record->setSize(10);
    record->addRequire("lib >= 1");
    record->addProvide(DependencyPtr(new DependencyFile("/usr/bin/tool", S_IFREG | 0755, "", record.get())));
    record->addProvide(DependencyPtr(new DependencyFile(
        "/usr/bin/zero", S_IFREG | 0755, "00000000000000000000000000000000", record.get())));
    record->addObsolete("oldtool");
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* memory = ::open_memstream(&buffer, &size);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(record->dump(memory, "other-name.rpm"), 0);
    ASSERT_EQ(std::fclose(memory), 0);
    EXPECT_EQ(std::string(buffer, size),
              "F:other-name.rpm\nN:tool\nE:2\nV:1.0\nL:\nA:x86_64\nf:0\ns:10\nB:0\n"
              "M:00000000000000000000000000000000\nR:lib >= 1\nP:/usr/bin/tool\nm:33261\n5:\n"
              "P:/usr/bin/zero\nm:33261\n5:\nO:oldtool\nX:\n");
    std::free(buffer);
}

TEST(PackageCache, WriterSkipsRecordsItCannotName)
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* memory = ::open_memstream(&buffer, &size);
    ASSERT_NE(memory, nullptr);
    CapturedLog log(0);
    auto noKind = Package::createFromFile("foo", "1.0", "foo.rpm");
    EXPECT_EQ(noKind->dump(memory), 0);
    RPMPackage noFile("bar", "1.0");
    noFile.setType('b');
    EXPECT_EQ(noFile.dump(memory), 0);
    ASSERT_EQ(std::fclose(memory), 0);
    EXPECT_EQ(size, 0u);
    std::free(buffer);
    EXPECT_NE(log.text().find("skip dump package of no type"), std::string::npos) << log.text();
    EXPECT_NE(log.text().find("Cant dump package if name or filename is empty(name=bar filename="), std::string::npos)
        << log.text();
}

TEST(PackageCache, WriterReportsAFailedWrite)
{
    std::FILE* full = std::fopen("/dev/full", "w");
    if (!full) GTEST_SKIP() << "/dev/full is not available";
    auto record = Package::createFromFile("foo", "1.0", "foo.rpm");
    record->setType('b');
    EXPECT_EQ(record->dump(full), EOF);
    std::fclose(full);
}

TEST(PackageCache, ReadsTheRpmQueryFixture)
{
    Stream stream(std::fopen(KW_TEST_DATA_DIR "/packages/cache/rpm-installed.cache", "r"));
    ASSERT_NE(stream, nullptr);
    unsigned lines = 0;
    const auto records = readAll(stream.get(), lines);
    EXPECT_EQ(lines, 44u);
    ASSERT_EQ(records.size(), 2u);

    const Package& bash = *records[0];
    EXPECT_EQ(typeid(bash), typeid(RPMPackage));
    EXPECT_STREQ(bash.getName(), "bash");
    EXPECT_EQ(bash.getVersion().toString(), "5.1.8-9.el9");
    EXPECT_FALSE(bash.getVersion().hasEpoch());  // "(none)"
    EXPECT_STREQ(bash.getArch(), "x86_64");
    EXPECT_EQ(bash.getInstallTime(), 1700000000);
    EXPECT_EQ(bash.getBuildTime(), 1650000000);
    EXPECT_EQ(describe(bash.getRequires()), (std::vector<std::string>{
                                                "/bin/sh [file mode 0 digest '']",
                                                "config(bash) = 5.1.8-9.el9 [relation]",
                                                "libc.so.6()(64bit) [relation]",
                                            }));
    EXPECT_EQ(describe(bash.getProvides()),
              (std::vector<std::string>{
                  "bash = 5.1.8-9.el9 [relation]",
                  "bash(x86-64) = 5.1.8-9.el9 [relation]",
                  "config(bash) = 5.1.8-9.el9 [relation]",
                  "/usr/bin/bash [file mode 33261 digest 'ae3e5c6fb1c4e0b6e1c9f0f2c3a2b7d0']",
                  "/usr/bin/sh [file mode 41471 digest 'bash']",
                  "/usr/share/doc/bash [file mode 16877 digest '']",
              }));

    const Package& openssl = *records[1];
    EXPECT_EQ(openssl.getVersion().toString(), "1:3.0.7-27.el9");
    EXPECT_EQ(openssl.getFileName(), "system_installed_openssl-1:3.0.7-27.el9.x86_64.rpm");
    EXPECT_EQ(describe(openssl.getObsoletes()), (std::vector<std::string>{"openssl < 1:3.0.1-1 [relation]"}));
    EXPECT_EQ(describe(openssl.getConflicts()), (std::vector<std::string>{"openssl-fips [relation]"}));
    EXPECT_EQ(openssl.getRequires().size(), 1u);  // rpmlib( dropped
}

TEST(PackageCache, ReadsTheDpkgQueryFixture)
{
    Stream stream(std::fopen(KW_TEST_DATA_DIR "/packages/cache/dpkg-installed.cache", "r"));
    ASSERT_NE(stream, nullptr);
    unsigned lines = 0;
    const auto records = readAll(stream.get(), lines);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(lines, 18u);
    for (const auto& record : records) EXPECT_EQ(typeid(*record), typeid(DebPackage));
    const Package& libc = *records[1];
    EXPECT_EQ(libc.getVersion().toString(), "2.36-9+deb12u4");
    EXPECT_LT(libc.getVersion(), DebVersion("2.36-9+deb12u4+b1"));
    EXPECT_EQ(describe(libc.getProvides()), (std::vector<std::string>{
                                                "libc6-abi = 2.36 [relation]",
                                                "glibc-2.36-1 [relation]",
                                            }));
    // A versioned provide satisfies a Debian requirement on it.
    EXPECT_TRUE(libc.createDependency("libc6-abi (>= 2.36~)")->isSatisfiedBy(&libc));
    EXPECT_FALSE(libc.createDependency("libc6-abi (>> 2.36)")->isSatisfiedBy(&libc));
}

TEST(PackageCache, SmallestRecord)
{
    const auto record = readOne("V:1.0\nX:\n");
    EXPECT_EQ(typeid(*record), typeid(RPMPackage));
    EXPECT_STREQ(record->getName(), "nameless");
    EXPECT_STREQ(record->getArch(), "all");
    EXPECT_EQ(record->getFileName(), "dummy_filename_nameless-1.0.rpm");
    EXPECT_EQ(record->getType(), 'n');
}

TEST(PackageCache, ValuesAndTags)
{
    const struct {
        const char* name;
        const char* text;
        const char* expected;  // the record as print writes it, then "|" and its file name
    } cases[] = {
        {"empty epoch", "N:a\nE:(none)\nV:1.0\nL:(none)\nX:\n", "a-1.0.all|dummy_filename_a-1.0.rpm"},
        {"empty epoch then one", "N:a\nE:\nE:2\nV:1.0\nX:\n", "a-2:1.0.all|dummy_filename_a-2:1.0.rpm"},
        {"zero epoch", "N:a\nE:0\nV:1.0\nL:3\nX:\n", "a-0:1.0-3.all|dummy_filename_a-0:1.0-3.rpm"},
        {"(none) inside a value", "N:foo(none)bar\nV:1(none)\nF:x(none).rpm\nX:\n", "foo(none)bar-1(none).all|x(none).rpm"},
        {"blanks", "  N:  spaced  \n\tV:\t1.0 \nX:\n", "spaced-1.0.all|dummy_filename_spaced-1.0.rpm"},
        {"comments", "# a comment\nN:a\n  # another\nV:1\nX:\n", "a-1.all|dummy_filename_a-1.rpm"},
        {"ignored S", "N:a\nS:whatever\nV:1\nX:ignored\n", "a-1.all|dummy_filename_a-1.rpm"},
        {"unknown tag", "N:a\nV:1\nQ:what\nX:\n", "a-1.all|dummy_filename_a-1.rpm"},
        {"Debian file", "F:a.deb\nN:a\nV:1.0~rc1\nA:amd64\nX:\n", "a-1.0~rc1.amd64|a.deb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto record = readOne(c.text);
        std::ostringstream out;
        out << *record << "|" << record->getFileName();
        EXPECT_EQ(out.str(), c.expected);
    }
    EXPECT_LT(readOne("F:a.deb\nV:1.0~rc1\nX:\n")->getVersion(), Version("1.0"));
    const auto record = readOne("V:1\nf:-3\ns:42\nB:7\nM:0123456789ABCDEF0123456789abcdef\nX:\n");
    EXPECT_EQ(record->getInstallTime(), -3);
    EXPECT_EQ(record->getSize(), 42);
    EXPECT_EQ(record->getBuildTime(), 7);
    EXPECT_EQ(record->getMD5String(), "0123456789abcdef0123456789abcdef");

    CapturedLog log(0);
    readOne("N:a\nV:1\nQ:what\nX:\n");
    EXPECT_NE(log.text().find("Warning: unknow tag in cache, whole line is: Q:what'"), std::string::npos)
        << log.text();
}

TEST(PackageCache, DependencyLines)
{
    CapturedLog log(0);
    const auto record = readOne(
        "V:1\n"
        "R:rpmlib(PayloadIsZstd) <= 5.4.18-1\n"
        "R:needed   \n"
        "R:(none)\n"
        "P:rpmlib(PayloadIsZstd) <= 5.4.18-1\n"
        "P:/usr/bin/tool\n"
        "P:/usr/bin/file\nm:33261\n5:0123456789abcdef0123456789abcdef\n"
        "P:/usr/bin/link\n5:target\nm:41471\n"
        "P:/usr/bin/last-wins\nm:1\nm:33188\n"
        "P:/usr/bin/ended\n m:33188\n"
        "P:/usr/bin/commented\n#m:33188\nm:33188\n"
        "P:\n"
        "X:\n");
    EXPECT_EQ(describe(record->getRequires()), (std::vector<std::string>{"needed [relation]"}));
    EXPECT_EQ(describe(record->getProvides()),
              (std::vector<std::string>{
                  "rpmlib(PayloadIsZstd) <= 5.4.18-1 [relation]",
                  "/usr/bin/tool [relation]",
                  "/usr/bin/file [file mode 33261 digest '0123456789abcdef0123456789abcdef']",
                  "/usr/bin/link [file mode 41471 digest 'target']",
                  "/usr/bin/last-wins [file mode 33188 digest '']",
                  "/usr/bin/ended [relation]",
                  "/usr/bin/commented [relation]",
              }));
    // An "m" line that does not follow its P line directly is no part of it.
    EXPECT_NE(log.text().find("Warning: unknow tag in cache, whole line is: m:33188'"), std::string::npos);
}

// One odd dependency line from a package source does not fail the whole read:
// the text stays a name (which nothing provides), and the records after it are read.
TEST(PackageCache, OddDependencyTextsAreKeptAsNames)
{
    const std::string text =
        "N:odd\nV:1\nF:odd.deb\n"
        "R:foo (== 1.0)\nP:foo (=< 1)\nC:foo (=> 2)\nO:foo (= )\nR:bar (>= 2)\nX:\n"
        "N:next\nV:2\nR:foo == 1.0\nX:\n";
    for (const std::size_t piece : {static_cast<std::size_t>(-1), std::size_t(1)}) {
        SCOPED_TRACE(piece == 1 ? "one byte at a time" : "at once");
        const auto records = readText(text, piece);
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(describe(records[0]->getRequires()),
                  (std::vector<std::string>{"foo (== 1.0) [relation]", "bar >= 2 [relation]"}));
        EXPECT_EQ(describe(records[0]->getProvides()), (std::vector<std::string>{"foo (=< 1) [relation]"}));
        EXPECT_EQ(describe(records[0]->getConflicts()), (std::vector<std::string>{"foo (=> 2) [relation]"}));
        EXPECT_EQ(describe(records[0]->getObsoletes()), (std::vector<std::string>{"foo (= ) [relation]"}));
        EXPECT_EQ(describe(records[1]->getRequires()), (std::vector<std::string>{"foo = 1.0 [relation]"}));
    }
}

TEST(PackageCache, LinesOfAnyLength)
{
    const std::string longName(5000, 'n');
    const std::string longPath = "/usr/share/" + std::string(6000, 'p');
    const std::string text = "N:" + longName + "\nV:1\nR:" + longName + " >= 2\nP:" + longPath +
                             "\nm:33188\n5:" + std::string(64, 'a') + "\nX:\n";
    for (const std::size_t piece : {static_cast<std::size_t>(-1), std::size_t(1)}) {
        Stream stream = streamOf(text, piece);
        unsigned lines = 0;
        const auto record = Package::createFromCache(stream.get(), lines);
        EXPECT_EQ(lines, 7u);
        EXPECT_EQ(record->getName(), longName);
        EXPECT_EQ(printed(*record->getRequire(0)), longName + " >= 2");
        EXPECT_EQ(describe(record->getProvide(0)),
                  longPath + " [file mode 33188 digest '" + std::string(32, 'a') + "']");
    }
}

TEST(PackageCache, CountsEveryLineAndLeavesTheStreamAfterTheRecord)
{
    Stream stream = streamOf("# comment\nV:1\nP:/x\nm:33188\n5:\nX:\nV:2\nX:\n");
    unsigned lines = 10;
    const auto first = Package::createFromCache(stream.get(), lines);
    EXPECT_EQ(lines, 16u);
    const auto second = Package::createFromCache(stream.get(), lines);
    EXPECT_EQ(second->getVersion().toString(), "2");
    EXPECT_EQ(lines, 18u);
}

struct Refusal {
    const char* name;
    const char* text;
    const char* key;  // null: not a format refusal, but the error of a called function
    int errorClass;
};

const Refusal refusals[] = {
    {"empty stream", "", "err_cache_unexpend", 1},
    {"no X line", "N:foo\nV:1\n", "err_cache_unexpend", 1},
    {"blank line inside", "N:foo\n\nV:1\nX:\n", "err_cache_shortline", 1},
    {"tag alone", "N:foo\nV\nX:\n", "err_cache_shortline", 1},
    {"(none) is no line", "(none)\nV:1\nX:\n", "err_cache_semicolon", 1},
    {"no colon", "N=foo\nV:1\nX:\n", "err_cache_semicolon", 1},
    {"repeated tag", "E:1\nE:2\nV:1\nX:\n", "err_cache_multitag", 1},
    {"repeated name", "N:a\nV:1\nN:b\nX:\n", "err_cache_multitag", 1},
    {"end after P line", "V:1\nP:foo\n", "err_cache_descend", 1},
    {"end inside P line", "V:1\nP:foo", "err_cache_descend", 1},
    {"end after m line", "V:1\nP:/x\nm:1\n", "err_cache_descend", 1},
    {"single after multi", "V:1\nR:a\nN:foo\nX:\n", "err_cache_descend", 1},
    {"no version", "N:foo\nA:x\nX:\n", "err_cache_pkgvers", 1},
    {"empty version", "N:foo\nV:\nX:\n", "err_cache_pkgvers", 1},
    {"(none) version", "N:foo\nV:(none)\nX:\n", "err_cache_pkgvers", 1},
    {"epoch but no version", "N:foo\nV::\nX:\n", "err_cache_pkgvers", 1},
    {"epoch in V but no version", "N:foo\nV:1:\nL:2\nX:\n", "err_cache_pkgvers", 1},
    {"short m line", "V:1\nP:/x\nm\nX:\n", "err_cache_shortline", 1},
    {"m line without colon", "V:1\nP:/x\nm=1\nX:\n", "err_cache_semicolon", 1},
    {"bad install time", "V:1\nf:12x\nX:\n", "err_non_digit", 0},
    {"bad mode", "V:1\nP:/x\nm:abc\nX:\n", "err_non_digit", 0},
    {"bad digest", "V:1\nM:0123\nX:\n", nullptr, 3},
    {"bad file digest", "V:1\nP:/x\nm:33188\n5:0123\nX:\n", nullptr, 3},
    {"unknown file ending", "F:foo.tgz\nV:1\nX:\n", nullptr, 0},
};

TEST(PackageCache, RefusesBrokenRecords)
{
    for (const Refusal& c : refusals) {
        for (const std::size_t piece : {static_cast<std::size_t>(-1), std::size_t(1)}) {
            SCOPED_TRACE(std::string(c.name) + (piece == 1 ? ", one byte at a time" : ""));
            CapturedLog log(3);
            Stream stream = streamOf(c.text, piece);
            unsigned lines = 0;
            if (const auto e = expectError([&] { Package::createFromCache(stream.get(), lines); })) {
                EXPECT_EQ(e->errorClass(), c.errorClass);
                if (c.errorClass == 1) {
                    EXPECT_EQ(e->retry(), 1);
                    EXPECT_EQ(e->systemState(), 1);
                    EXPECT_EQ(e->support(), 3);
                }
                if (c.key) {
                    EXPECT_NE(e->text().find(Messages::get(c.key)), std::string::npos) << e->text();
                }
            }
        }
    }
}

TEST(PackageCache, RefusalsSayWhy)
{
    const struct {
        const char* text;
        const char* logged;
    } cases[] = {
        {"", "createFromCache(): package must terminated with 'X'"},
        {"E:1\nE:2\nV:1\nX:\n", "Invalid cache format: tag 'E' occured twice, second in 'E:2'"},
        {"V:1\nR:a\nN:foo\nX:\n", "Invalid cache format: multi-occured fields mixed with single-occured fields"},
        {"V:1\nR:a\nN:foo\nX:\n", "Error in Package::createFromCache: input line  3:N:foo"},
        {"N:foo\nA:x\nL:\nX:\n", " 'A=x' 'L=' 'N=foo'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CapturedLog log(3);
        EXPECT_THROW(readOne(c.text), error);
        EXPECT_NE(log.text().find(c.logged), std::string::npos) << log.text();
    }
}

}  // namespace
