#include "common/packages/Repository.h"

#include "common/Messages.h"
#include "common/Progress.h"
#include "common/StringPool.h"
#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/PackagesProgress.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Source.h"
#include "common/packages/Version.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/packages/ReaderTestSupport.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CloseStream {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using Stream = std::unique_ptr<std::FILE, CloseStream>;

// A read stream over a text that lives as long as the stream is read.
struct TextStream {
    explicit TextStream(const std::string& content) : text(content)
    {
        stream.reset(::fmemopen(&text[0], text.size(), "r"));
    }
    std::string text;
    Stream stream;
};

void addText(Repository& repository, const std::string& text, Package::type_t kind,
             Repository::dups_mode_t mode = Repository::dups_append, Source* source = nullptr)
{
    TextStream input(text);
    ASSERT_NE(input.stream, nullptr);
    repository.addFromCache(input.stream.get(), kind, mode, source);
}

void addFile(Repository& repository, const std::string& name, Package::type_t kind)
{
    const std::string path = std::string(KW_TEST_DATA_DIR) + "/packages/repository/" + name;
    Stream stream(std::fopen(path.c_str(), "r"));
    ASSERT_NE(stream, nullptr) << path;
    repository.addFromCache(stream.get(), kind, Repository::dups_append, nullptr);
}

std::string shown(const Package* package)
{
    if (!package) return "null";
    std::ostringstream out;
    out << package;
    return out.str();
}

std::vector<std::string> shownAll(const Repository::Records& records)
{
    std::vector<std::string> texts;
    for (const Package* package : records) texts.push_back(shown(package));
    return texts;
}

std::vector<std::string> ownersOf(const Repository::Provides& provides)
{
    std::vector<std::string> texts;
    for (const DependencyPtr& provide : provides) texts.push_back(shown(provide->getOwner()));
    return texts;
}

// A cache record of an RPM package.
std::string record(const std::string& name, const std::string& version, const std::string& arch,
                   const std::string& lines = std::string())
{
    const std::size_t dash = version.find('-');
    return "F:" + name + "-" + version + "." + arch + ".rpm\nN:" + name + "\nV:" + version.substr(0, dash) +
           "\nL:" + (dash == std::string::npos ? std::string() : version.substr(dash + 1)) + "\nA:" + arch + "\n" +
           lines + "X:\n";
}

// A file provide with its mode and digest (or link text).
std::string fileLine(const std::string& path, int mode, const std::string& digest)
{
    return "P:" + path + "\nm:" + std::to_string(mode) + "\n5:" + digest + "\n";
}

const std::string digestA = "0123456789abcdef0123456789abcdef";
const std::string digestB = "fedcba9876543210fedcba9876543210";

// The installed system, the system's repositories and the product's build of
// tests/data/packages/repository, in that order.
class LoadedRepository : public ::testing::Test {
protected:
    void SetUp() override
    {
        addFile(repository, "installed.cache", Package::typeSystem);
        addFile(repository, "offered.cache", Package::typeUpdates);
        addFile(repository, "build.cache", Package::typeBuild);
    }

    const Package* latest(const char* name) const { return repository.findLatestByName(name); }

    Repository repository;
};

TEST_F(LoadedRepository, LatestAndInstalledByName)
{
    const struct {
        const char* name;
        const char* latest;
        const char* installed;
    } cases[] = {
        // The build's record is the newest; the installed one is older and the
        // offered ones are not installed.
        {"bash", "bash-5.3-1.x86_64", "bash-5.1-1.x86_64"},
        // Installed for two architectures at one version: the one listed last.
        {"libfoo", "libfoo-2.0-1.x86_64", "libfoo-1.0-1.i686"},
        {"new-tool", "new-tool-2.0-1.noarch", "null"},
        {"old-tool", "old-tool-1.0-1.noarch", "old-tool-1.0-1.noarch"},
        {"no-such-package", "null", "null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown(repository.findLatestByName(c.name)), c.latest);
        EXPECT_EQ(shown(repository.findInstalled(c.name)), c.installed);
        EXPECT_EQ(shown(repository.findInstalled(std::string(c.name))), c.installed);
    }
    EXPECT_EQ(shownAll(repository.findByName("bash")),
              (std::vector<std::string>{"bash-5.3-1.x86_64", "bash-5.2-1.x86_64", "bash-5.1-1.x86_64"}));
}

TEST_F(LoadedRepository, LatestMatchingCountsOnlyAcceptedRecords)
{
    struct NotFromTheBuild : Package::Predicate {
        bool operator()(const Package* package) const override { return package->getType() != 'b'; }
    };
    struct Nothing : Package::Predicate {
        bool operator()(const Package*) const override { return false; }
    };
    EXPECT_EQ(shown(repository.findLatestMatching("bash", NotFromTheBuild())), "bash-5.2-1.x86_64");
    EXPECT_EQ(shown(repository.findLatestMatching("bash", Nothing())), "null");
}

TEST_F(LoadedRepository, FindPackageNeedsEqualVersionAndArchitecture)
{
    const struct {
        const char* version;
        const char* arch;
        const char* expected;
    } cases[] = {
        {"1.0-1", "i686", "libfoo-1.0-1.i686"},
        {"1.0-1", "x86_64", "libfoo-1.0-1.x86_64"},
        {"1.0", "x86_64", "null"},
        {"2.0-1", "i686", "null"},
        {"2.0-1", "x86_64", "libfoo-2.0-1.x86_64"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " " + c.arch);
        EXPECT_EQ(shown(repository.findPackage("libfoo", Version(c.version), c.arch)), c.expected);
    }
}

TEST_F(LoadedRepository, LatestProviderByName)
{
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        // The owners' versions count, not the provides' (cap-x = 1.0 from
        // old-tool 1.0, cap-x = 3.0 from tool-ng 0.5).
        {"cap-x", "old-tool-1.0-1.noarch"},
        // Two providers of one version: the one listed last.
        {"mail-transport-agent", "mta-b-1.0-1.noarch"},
        {"libfoo.so.1", "libfoo-1.0-1.i686"},
        // A path names the file.
        {"/bin/sh", "bash-5.1-1.x86_64"},
        {"/bin/bash", "null"},
        // Package names are no provides unless the records list them.
        {"bash", "bash-5.3-1.x86_64"},
        {"nothing-provides-this", "null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown(repository.findLatestProvider(c.name)), c.expected);
    }
}

// Only installed owners count: an offered provider of a higher version, or an
// offered provider alone, is never taken for what the system has.
TEST_F(LoadedRepository, InstalledProviderByName)
{
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"mail-transport-agent", "mta-a-1.0-1.noarch"},
        {"bash", "bash-5.1-1.x86_64"},
        {"cap-x", "old-tool-1.0-1.noarch"},
        {"/bin/sh", "bash-5.1-1.x86_64"},
        {"nothing-provides-this", "null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown(repository.findInstalledProvider(c.name)), c.expected);
    }
}

TEST_F(LoadedRepository, LookupsOfUnknownNamesAddNothingToThePool)
{
    struct Anything : Package::Predicate {
        bool operator()(const Package*) const override { return true; }
    };
    const struct {
        const char* name;
        std::function<const void*(const std::string&)> lookup;
    } cases[] = {
        {"findByName", [&](const std::string& name) -> const void* {
             return repository.findByName(name).empty() ? nullptr : &repository;
         }},
        {"findLatestByName", [&](const std::string& name) -> const void* { return repository.findLatestByName(name); }},
        {"findLatestMatching",
         [&](const std::string& name) -> const void* { return repository.findLatestMatching(name, Anything()); }},
        {"findInstalled", [&](const std::string& name) -> const void* { return repository.findInstalled(name); }},
        {"findPackage",
         [&](const std::string& name) -> const void* {
             return repository.findPackage(name.c_str(), Version("1.0-1"), "x86_64");
         }},
        {"findLatestProvider", [&](const std::string& name) -> const void* { return repository.findLatestProvider(name); }},
        {"findInstalledProvider",
         [&](const std::string& name) -> const void* { return repository.findInstalledProvider(name); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& name : {std::string("never-pooled-") + c.name, std::string("/never/pooled/") + c.name}) {
            EXPECT_EQ(c.lookup(name), nullptr) << name;
            EXPECT_EQ(StringPool::find(name.c_str()), nullptr) << name;
            EXPECT_EQ(StringPool::find(c.name), nullptr);
        }
    }
    // Known names are still found through the pool.
    EXPECT_EQ(shown(repository.findLatestProvider("/bin/sh")), "bash-5.1-1.x86_64");
    EXPECT_EQ(shown(repository.findInstalled("old-tool")), "old-tool-1.0-1.noarch");
}

TEST_F(LoadedRepository, ProvidersOfANameAnyVersionNewestFirst)
{
    EXPECT_EQ(ownersOf(repository.getProviders(DependencyLogical("mail-transport-agent", nullptr))),
              (std::vector<std::string>{"mta-b-1.0-1.noarch", "mta-a-1.0-1.noarch"}));
    EXPECT_EQ(ownersOf(repository.getProviders(DependencyLogical("cap-x > 100", nullptr))),
              (std::vector<std::string>{"tool-ng-0.5-1.noarch", "old-tool-1.0-1.noarch"}));
    EXPECT_TRUE(repository.getProviders(DependencyPtr()).empty());
    // A file is found by its path, not by a capability of the same text.
    EXPECT_TRUE(repository.getProviders(DependencyLogical("/bin/sh", nullptr)).empty());
    EXPECT_EQ(ownersOf(repository.getProviders(DependencyFile("/bin/sh", 0, "", nullptr))),
              (std::vector<std::string>{"bash-5.1-1.x86_64"}));
}

TEST_F(LoadedRepository, Obsoletes)
{
    const struct {
        const char* name;
        std::vector<std::string> obsoletes;
        std::vector<std::string> obsoletedBy;
    } cases[] = {
        {"new-tool", {"old-tool-1.0-1.noarch"}, {}},
        {"old-tool", {}, {"new-tool-2.0-1.noarch"}},
        // "libfoo < 2.0" matches the older libfoo records, but a package never
        // obsoletes its own name.
        {"libfoo", {}, {}},
        {"bash", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Package* package = latest(c.name);
        ASSERT_NE(package, nullptr);
        EXPECT_EQ(shownAll(repository.getObsoletedBy(package)), c.obsoletes);
        EXPECT_EQ(shownAll(repository.getObsoleters(package)), c.obsoletedBy);
    }
}

TEST_F(LoadedRepository, DeclaredConflicts)
{
    const Package* a = latest("mta-a");
    const Package* b = latest("mta-b");
    const Package* bash = latest("bash");
    const struct {
        const char* name;
        const Package* from;
        const Package* to;
        bool expected;
    } cases[] = {
        {"both provide and conflict with the virtual name", a, b, true},
        {"the other way round", b, a, true},
        {"a record never conflicts with itself", a, a, false},
        {"the other one neither", b, b, false},
        {"unrelated", a, bash, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(repository.isConflicting(c.from, c.to), c.expected);
    }
    EXPECT_EQ(shownAll(repository.getConflicts(a)), (std::vector<std::string>{"mta-b-1.0-1.noarch"}));
    EXPECT_EQ(shownAll(repository.getConflictedBy(a)), (std::vector<std::string>{"mta-b-1.0-1.noarch"}));
}

TEST_F(LoadedRepository, RequiresGraph)
{
    CapturedLog log(1);
    const Package* app = latest("app");
    const Package* bash = repository.findInstalled("bash");
    const Package* libfoo1 = repository.findPackage("libfoo", Version("1.0-1"), "x86_64");
    const Package* libfoo1i = repository.findPackage("libfoo", Version("1.0-1"), "i686");
    const Package* libfoo2 = latest("libfoo");
    const Package* toolNg = latest("tool-ng");
    ASSERT_EQ(app->getRequires().size(), 4u);

    repository.resolveRequires();

    // "app-data" is provided by app itself: the requirement is gone for good.
    std::vector<std::string> requires;
    for (const DependencyPtr& require : app->getRequires()) requires.push_back(require->toString());
    EXPECT_EQ(requires, (std::vector<std::string>{"libfoo.so.2", "cap-x", "missing-capability"}));
    // "cap-x >= 2.0" only meets "cap-x = 3.0".
    EXPECT_EQ(shownAll(repository.getRequired(app)),
              (std::vector<std::string>{"libfoo-2.0-1.x86_64", "tool-ng-0.5-1.noarch"}));
    EXPECT_EQ(shownAll(repository.getRequirers(toolNg)), (std::vector<std::string>{"app-1.0-1.noarch"}));
    EXPECT_EQ(shownAll(repository.getRequirers(libfoo2)), (std::vector<std::string>{"app-1.0-1.noarch"}));
    // Both installed architectures provide libfoo.so.1.
    EXPECT_EQ(shownAll(repository.getRequired(bash)),
              (std::vector<std::string>{"libfoo-1.0-1.i686", "libfoo-1.0-1.x86_64"}));
    EXPECT_EQ(shownAll(repository.getRequirers(libfoo1)), (std::vector<std::string>{"bash-5.1-1.x86_64"}));
    EXPECT_TRUE(repository.dependsOn(bash, libfoo1i));
    EXPECT_FALSE(repository.dependsOn(bash, libfoo2));
    EXPECT_FALSE(repository.dependsOn(libfoo1, bash));

    const Dependency* libRequire = bash->getRequire(0).get();
    ASSERT_EQ(repository.matchedProvideCount(libRequire), 2u);
    EXPECT_EQ(repository.getMatchedProvide(libRequire, 0)->getOwner(), libfoo1i);
    EXPECT_EQ(repository.getMatchedProvide(libRequire, 1)->getOwner(), libfoo1);
    EXPECT_EQ(repository.getMatchedProvide(libRequire, 2), nullptr);

    // The product's package that misses a capability is recorded; installed
    // ones are only reported.
    const DependencyPtr unresolved = repository.getUnresolvedRequire(app);
    ASSERT_NE(unresolved, nullptr);
    EXPECT_EQ(unresolved->toString(), "missing-capability");
    EXPECT_EQ(repository.matchedProvideCount(unresolved.get()), 0u);
    EXPECT_NE(log.text().find("Warning: unresolved requires 'missing-capability' from app-1.0-1.noarch"),
              std::string::npos)
        << log.text();
}

TEST(Repository, UnresolvedRequireOfAnInstalledRecordIsOnlyLogged)
{
    CapturedLog log(1);
    Repository repository;
    addText(repository, record("lonely", "1.0-1", "noarch", "R:ghost\nR:/usr/bin/ghost\n"), Package::typeSystem);
    const Package* lonely = repository.findInstalled("lonely");
    EXPECT_EQ(repository.getUnresolvedRequire(lonely), nullptr);
    EXPECT_NE(log.text().find("Warning: unresolved requires 'ghost' from lonely-1.0-1.noarch"), std::string::npos);
    EXPECT_NE(log.text().find("Warning: unresolved requires '/usr/bin/ghost' from lonely"), std::string::npos);
    // The unresolved requirements stay; only self-provided ones are dropped.
    EXPECT_EQ(lonely->getRequires().size(), 2u);
}

TEST(Repository, ArtificialRequirementsAreNeitherReportedNorRecorded)
{
    Dependency::addArtificialName("kitwright-test-artificial");
    CapturedLog log(1);
    Repository repository;
    addText(repository, record("user", "1.0-1", "noarch", "R:kitwright-test-artificial\n"), Package::typeBuild);
    const Package* user = repository.findLatestByName("user");
    EXPECT_EQ(repository.getUnresolvedRequire(user), nullptr);
    EXPECT_EQ(log.text().find("unresolved requires"), std::string::npos) << log.text();
}

TEST(Repository, FileConflicts)
{
    CapturedLog log(3);
    Repository repository;
    addText(repository,
            record("one", "1.0-1", "x86_64", fileLine("/etc/shared.conf", 0100644, digestA)) +
                // The same file with other content.
                record("two", "1.0-1", "x86_64", fileLine("/etc/shared.conf", 0100644, digestB)) +
                // The same content: no conflict.
                record("three", "1.0-1", "x86_64", fileLine("/etc/shared.conf", 0100644, digestA)) +
                // Another version of "one" for the same architecture replaces the file.
                record("one", "2.0-1", "x86_64", fileLine("/etc/shared.conf", 0100644, digestB)) +
                // "one" for another architecture at another version can clash.
                record("one", "3.0-1", "i686", fileLine("/etc/shared.conf", 0100644, digestB)) +
                // A directory of the same path is never in conflict; links compare their targets.
                record("dirs", "1.0-1", "noarch", fileLine("/etc/shared.conf", 040755, "")) +
                record("link-a", "1.0-1", "noarch", fileLine("/usr/bin/tool", 0120777, "tool-a")) +
                record("link-b", "1.0-1", "noarch", fileLine("/usr/bin/tool", 0120777, "tool-b")) +
                record("link-c", "1.0-1", "noarch", fileLine("/usr/bin/tool", 0120777, "tool-a")),
            Package::typeBuild);
    const auto find = [&](const char* name, const char* version, const char* arch) {
        const Package* package = repository.findPackage(name, Version(version), arch);
        EXPECT_NE(package, nullptr) << name;
        return package;
    };
    const Package* one1 = find("one", "1.0-1", "x86_64");
    const Package* one2 = find("one", "2.0-1", "x86_64");
    const Package* one3 = find("one", "3.0-1", "i686");
    const Package* two = find("two", "1.0-1", "x86_64");
    const Package* three = find("three", "1.0-1", "x86_64");
    const Package* dirs = find("dirs", "1.0-1", "noarch");
    const Package* linkA = find("link-a", "1.0-1", "noarch");
    const Package* linkB = find("link-b", "1.0-1", "noarch");
    const Package* linkC = find("link-c", "1.0-1", "noarch");
    const struct {
        const char* name;
        const Package* a;
        const Package* b;
        bool expected;
    } cases[] = {
        {"different digests", one1, two, true},
        {"both directions", two, one1, true},
        {"equal digests", one1, three, false},
        {"same name and architecture, other version", one1, one2, false},
        {"same name, other architecture and version", one1, one3, true},
        // A directory clashes with nothing itself, but a file where another
        // package has a directory does.
        {"a directory", dirs, one1, false},
        {"a file where the other has a directory", one1, dirs, true},
        {"links to different targets", linkA, linkB, true},
        {"links to the same target", linkA, linkC, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(repository.isConflicting(c.a, c.b), c.expected);
    }
    EXPECT_EQ(shownAll(repository.getConflictedBy(one1)),
              (std::vector<std::string>{"two-1.0-1.x86_64", "one-3.0-1.i686"}));
    EXPECT_NE(log.text().find("Warning: packages conflict by files detected: package one-1.0-1.x86_64\n"
                              "  conflict with package two-1.0-1.x86_64\n"
                              "  both have file /etc/shared.conf with different md5 sum."),
              std::string::npos)
        << log.text();
}

TEST(Repository, AddPackageListsARecordOnce)
{
    Repository repository;
    auto record = std::make_unique<RPMPackage>("single", "1.0-1");
    Package* kept = repository.addPackage(std::move(record), nullptr);
    EXPECT_EQ(shown(repository.findLatestByName("single")), "single-1.0-1");
    EXPECT_FALSE(repository.addPackage(kept, nullptr));
    EXPECT_EQ(repository.getPackages().size(), 1u);
    EXPECT_TRUE(repository.isListed(kept));
}

TEST(Repository, SameHighestVersionTheOneAddedLaterWins)
{
    Repository repository;
    Package* first = repository.addPackage(std::make_unique<RPMPackage>("twin", "1.0-1"), nullptr);
    Package* second = repository.addPackage(std::make_unique<RPMPackage>("twin", "1.0-1"), nullptr);
    first->setType('s');
    second->setType('s');
    EXPECT_EQ(repository.findLatestByName("twin"), second);
    EXPECT_EQ(repository.findInstalled("twin"), second);
    EXPECT_EQ(repository.findPackage("twin", Version("1.0-1"), ""), second);
}

TEST(Repository, DuplicateModes)
{
    // Two sources of the same installed package.
    struct Quiet : Source {
        using Source::Source;
        void loadBrief() override {}
        void loadFull() override {}
    };
    const std::string listed = record("dup", "1.0-1", "noarch", "P:listed\n");
    const std::string fresh = record("dup", "1.0-1", "noarch", "P:fresh\n");
    const struct {
        const char* name;
        Repository::dups_mode_t mode;
        bool sameSource;
        std::vector<std::string> provides;  // of the listed records, in list order
    } cases[] = {
        {"append", Repository::dups_append, true, {"listed", "fresh"}},
        {"keep the existing one", Repository::dups_keep_existing, true, {"listed"}},
        {"replace the same source's", Repository::dups_replace_same_source, true, {"fresh"}},
        {"another source's stays", Repository::dups_replace_same_source, false, {"listed", "fresh"}},
        {"replace any", Repository::dups_replace_any, false, {"fresh"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Repository repository;
        Quiet first(&repository);
        Quiet second(&repository);
        addText(repository, record("other", "1.0-1", "noarch"), Package::typeSystem, Repository::dups_append, &first);
        addText(repository, listed, Package::typeSystem, Repository::dups_append, &first);
        addText(repository, record("last", "1.0-1", "noarch"), Package::typeSystem, Repository::dups_append, &first);
        const Package* old = repository.getPackages()[1];
        addText(repository, fresh, Package::typeSystem, c.mode, c.sameSource ? &first : &second);

        std::vector<std::string> provides;
        for (const Package* package : repository.findByName("dup"))
            provides.insert(provides.begin(), package->getProvide(0)->toString());
        EXPECT_EQ(provides, c.provides);
        if (c.provides == std::vector<std::string>{"fresh"}) {
            // The new record took the old one's place, and the old record carries
            // the new lists.
            EXPECT_EQ(repository.getPackages().size(), 3u);
            EXPECT_NE(repository.getPackages()[1], old);
            EXPECT_EQ(repository.getPackages()[1]->getName(), old->getName());
            EXPECT_FALSE(repository.isListed(old));
            EXPECT_EQ(old->getProvide(0)->toString(), "fresh");
            EXPECT_EQ(old->getProvide(0), repository.getPackages()[1]->getProvide(0));
        }
    }
}

TEST(Repository, OneStreamListingAPackageTwiceGivesTwoRecordsInEveryMode)
{
    const std::string twice = record("dup", "1.0-1", "noarch") + record("dup", "1.0-1", "noarch");
    for (const auto mode : {Repository::dups_append, Repository::dups_keep_existing,
                            Repository::dups_replace_same_source, Repository::dups_replace_any}) {
        SCOPED_TRACE(mode);
        Repository repository;
        addText(repository, twice, Package::typeSystem, mode);
        EXPECT_EQ(repository.findByName("dup").size(), 2u);
    }
    // With one listed before, the first replaces it and the second is appended.
    Repository repository;
    addText(repository, record("dup", "1.0-1", "noarch"), Package::typeSystem);
    const Package* old = repository.getPackages()[0];
    addText(repository, twice, Package::typeSystem, Repository::dups_replace_any);
    ASSERT_EQ(repository.findByName("dup").size(), 2u);
    EXPECT_FALSE(repository.isListed(old));
}

TEST(Repository, AMalformedRecordKeepsTheRecordsBeforeItFindable)
{
    Repository repository;
    // Built before the read, so that the read's end must invalidate it.
    EXPECT_EQ(repository.findByName("good"), Repository::Records());
    try {
        addText(repository, record("good", "1.0-1", "noarch") + "N:bad\nX:\n", Package::typeSystem);
        ADD_FAILURE() << "no error raised";
    } catch (const error& failure) {
        EXPECT_EQ(failure.errorClass(), 1);
        EXPECT_NE(failure.text().find(Messages::get("err_cache_pkgvers")), std::string::npos) << failure.text();
    }
    EXPECT_EQ(shown(repository.findInstalled("good")), "good-1.0-1.noarch");
}

TEST(Repository, RemoveNonSystemPackagesKeepsTheInstalledInOrder)
{
    Repository repository;
    addFile(repository, "installed.cache", Package::typeSystem);
    addFile(repository, "offered.cache", Package::typeUpdates);
    EXPECT_EQ(shown(repository.findLatestByName("bash")), "bash-5.2-1.x86_64");
    repository.removeNonSystemPackages();
    std::vector<std::string> names;
    for (const Package* package : repository.getPackages()) names.push_back(package->getName());
    EXPECT_EQ(names, (std::vector<std::string>{"bash", "libfoo", "libfoo", "mta-a", "old-tool"}));
    EXPECT_EQ(shown(repository.findLatestByName("bash")), "bash-5.1-1.x86_64");
    EXPECT_EQ(repository.findLatestByName("new-tool"), nullptr);
}

TEST(Repository, PurgedRecordsAreNotFoundAgain)
{
    Repository repository;
    addFile(repository, "installed.cache", Package::typeSystem);
    addFile(repository, "offered.cache", Package::typeUpdates);
    // Every index built before the purge.
    const Package* oldTool = repository.findInstalled("old-tool");
    const Package* mtaA = repository.findInstalled("mta-a");
    ASSERT_EQ(shown(repository.findLatestProvider("cap-x")), "old-tool-1.0-1.noarch");
    ASSERT_EQ(repository.getObsoleters(oldTool).size(), 1u);
    ASSERT_EQ(repository.getConflicts(mtaA).size(), 1u);

    for (Package* package : repository.getPackages())
        if (package == oldTool || package == mtaA) package->setType('z');
    repository.purgeMarkedPackages();

    EXPECT_EQ(repository.findInstalled("old-tool"), nullptr);
    EXPECT_EQ(repository.findLatestByName("mta-a"), nullptr);
    EXPECT_EQ(shown(repository.findLatestProvider("cap-x")), "tool-ng-0.5-1.noarch");
    EXPECT_TRUE(repository.getObsoletedBy(repository.findLatestByName("new-tool")).empty());
    EXPECT_TRUE(repository.getConflicts(repository.findLatestByName("mta-b")).empty());
    EXPECT_EQ(repository.getPurgedPackages(), (std::vector<Package*>{const_cast<Package*>(mtaA),
                                                                       const_cast<Package*>(oldTool)}));
    // Still valid records.
    EXPECT_STREQ(oldTool->getName(), "old-tool");
}

TEST(Repository, RemoversOnePerNameAndArchitecture)
{
    CapturedLog log(3);
    Repository repository;
    addFile(repository, "installed.cache", Package::typeSystem);
    const Package* libfoo = repository.findInstalled("libfoo");
    // The obsolete maps are built before the removers come.
    EXPECT_TRUE(repository.getObsoleters(libfoo).empty());

    const Package* any = repository.addRemoverFor("libfoo", "");
    const Package* i686 = repository.addRemoverFor("libfoo", "i686");
    EXPECT_EQ(repository.addRemoverFor("libfoo", ""), any);
    EXPECT_EQ(repository.addRemoverFor("libfoo", "i686"), i686);
    EXPECT_NE(any, i686);

    EXPECT_STREQ(any->getName(), "dummy_obsoleter_libfoo");
    EXPECT_EQ(any->getType(), 'd');
    EXPECT_EQ(any->getVersion().toString(), "0.0");
    EXPECT_EQ(any->getFileName(), "dummy_remover_for_libfoo");
    EXPECT_STREQ(any->getArch(), "");
    ASSERT_EQ(any->getObsoletes().size(), 1u);
    EXPECT_EQ(shown(any->getObsolete(0)->getOwner()), shown(any));
    std::ostringstream obsolete;
    any->getObsolete(0)->print(obsolete);
    EXPECT_EQ(obsolete.str(), "libfoo");
    EXPECT_STREQ(i686->getName(), "dummy_obsoleter_libfoo_i686");
    EXPECT_STREQ(i686->getArch(), "i686");
    EXPECT_EQ(i686->getFileName(), "dummy_remover_for_libfoo_i686");

    // Known at once to the obsolete maps and the name index.
    EXPECT_EQ(shownAll(repository.getObsoletedBy(any)),
              (std::vector<std::string>{"libfoo-1.0-1.i686", "libfoo-1.0-1.x86_64"}));
    EXPECT_EQ(shownAll(repository.getObsoleters(libfoo)),
              (std::vector<std::string>{"dummy_obsoleter_libfoo-0.0", "dummy_obsoleter_libfoo_i686-0.0.i686"}));
    EXPECT_EQ(repository.findByName("dummy_obsoleter_libfoo").size(), 1u);
    EXPECT_NE(log.text().find("addRemoverFor: add package for obsolete libfoo\n"), std::string::npos);
    EXPECT_NE(log.text().find("addRemoverFor: add package for obsolete libfoo:i686\n"), std::string::npos);

    // Once dropped, a remover is made anew.
    repository.removeNonSystemPackages();
    const Package* again = repository.addRemoverFor("libfoo", "");
    EXPECT_NE(again, any);
    EXPECT_TRUE(repository.isListed(again));
}

TEST(Repository, MatchedProvidesAreKeptPerRepository)
{
    Repository big;
    addFile(big, "installed.cache", Package::typeSystem);
    addFile(big, "offered.cache", Package::typeUpdates);
    addText(big, record("user", "1.0-1", "noarch", "R:libfoo.so.1\n"), Package::typeBuild);
    Package* user = nullptr;
    for (Package* package : big.getPackages())
        if (std::string(package->getName()) == "user") user = package;
    ASSERT_NE(user, nullptr);
    const Dependency* require = user->getRequire(0).get();
    ASSERT_EQ(big.matchedProvideCount(require), 2u);

    // The small repository lists the user and one provider only.
    Repository small;
    small.addPackage(user, user->getSource());
    small.addPackage(const_cast<Package*>(big.findPackage("libfoo", Version("1.0-1"), "x86_64")), nullptr);
    small.resolveRequires();
    ASSERT_EQ(small.matchedProvideCount(require), 1u);
    EXPECT_EQ(shown(small.getMatchedProvide(require, 0)->getOwner()), "libfoo-1.0-1.x86_64");
    EXPECT_EQ(big.matchedProvideCount(require), 2u);
    EXPECT_EQ(shown(big.getMatchedProvide(require, 0)->getOwner()), "libfoo-1.0-1.i686");

    // A requirement no repository resolved answers with its own matches.
    const DependencyPtr madeUp = std::make_shared<DependencyLogical>("choice", nullptr);
    madeUp->addMatchedProvide(user->getRequire(0));
    EXPECT_EQ(big.matchedProvideCount(madeUp.get()), 1u);
    EXPECT_EQ(big.getMatchedProvide(madeUp.get(), 0), user->getRequire(0));
}

TEST(Repository, MatchedProvidesDoNotKeepReplacedProvides)
{
    Repository repository;
    struct Quiet : Source {
        using Source::Source;
        void loadBrief() override {}
        void loadFull() override {}
    } source(&repository);
    addText(repository, record("lib", "1.0-1", "noarch", "P:cap\n"), Package::typeSystem, Repository::dups_append,
            &source);
    addText(repository, record("user", "1.0-1", "noarch", "R:cap\n"), Package::typeSystem);
    const Package* user = repository.findInstalled("user");
    const Dependency* require = user->getRequire(0).get();
    ASSERT_NE(repository.getMatchedProvide(require, 0), nullptr);
    const std::weak_ptr<Dependency> provide = repository.getMatchedProvide(require, 0);

    // Replacing the provider's lists lets the old provide go; the graph is rebuilt.
    addText(repository, record("lib", "1.0-1", "noarch", "P:cap\n"), Package::typeSystem,
            Repository::dups_replace_same_source, &source);
    EXPECT_TRUE(provide.expired());
    ASSERT_NE(repository.getMatchedProvide(require, 0), nullptr);
    EXPECT_EQ(repository.getMatchedProvide(require, 0)->getOwner(), repository.findInstalled("lib"));
}

TEST(Repository, DebianVersionedProvideSatisfiesTheVersionedRequirement)
{
    Repository repository;
    addText(repository, "F:mailer_installed.deb\nN:mailer\nV:2.0-1\nA:amd64\nP:mta (= 1.0)\nX:\n", Package::typeSystem);
    addText(repository, record("app", "1.0-1", "noarch", "R:mta = 1.0\n"), Package::typeBuild);
    addText(repository, record("app2", "1.0-1", "noarch", "R:mta >= 1.1\n"), Package::typeBuild);
    const Package* mailer = repository.findInstalled("mailer");
    EXPECT_EQ(shownAll(repository.getRequirers(mailer)), (std::vector<std::string>{"app-1.0-1.noarch"}));
    EXPECT_NE(repository.getUnresolvedRequire(repository.findLatestByName("app2")), nullptr);
}

// The loaded repository with every index built, as the resolver has it when a
// trial starts.
class TrialCopy : public LoadedRepository {
protected:
    void SetUp() override
    {
        LoadedRepository::SetUp();
        CapturedLog quiet(0);
        repository.resolveRequires();
        repository.findByName("bash");
        repository.getConflicts(latest("mta-a"));
        repository.getObsoleters(latest("old-tool"));
        bash = repository.findInstalled("bash");
        libfoo = repository.findInstalled("libfoo");
        ASSERT_NE(bash, nullptr);
        ASSERT_NE(libfoo, nullptr);
        libRequire = bash->getRequire(0).get();
    }

    // What the lookups of a repository answer, as text.
    std::vector<std::string> answers(const Repository& r) const
    {
        std::vector<std::string> texts;
        for (const char* name : {"bash", "libfoo", "app", "mta-a", "old-tool", "new-tool", "tool-ng"}) {
            texts.push_back(std::string(name) + ": " + shown(r.findLatestByName(name)) + " " +
                            shown(r.findInstalled(name)) + " " + shown(r.findLatestProvider(name)));
        }
        texts.push_back("cap-x: " + shown(r.findLatestProvider("cap-x")));
        texts.push_back("/bin/sh: " + shown(r.findLatestProvider("/bin/sh")));
        for (const std::string& owner : ownersOf(r.getProviders(DependencyLogical("mail-transport-agent", nullptr))))
            texts.push_back("mta provider " + owner);
        for (const std::string& text : shownAll(r.getConflicts(r.findLatestByName("mta-a"))))
            texts.push_back("mta-a conflicts " + text);
        for (const std::string& text : shownAll(r.getObsoleters(r.findLatestByName("old-tool"))))
            texts.push_back("old-tool obsoleted by " + text);
        for (const std::string& text : shownAll(r.getRequired(bash))) texts.push_back("bash requires " + text);
        for (unsigned i = 0; i < r.matchedProvideCount(libRequire); ++i)
            texts.push_back("matched " + shown(r.getMatchedProvide(libRequire, i)->getOwner()));
        return texts;
    }

    const Package* bash = nullptr;
    const Package* libfoo = nullptr;
    const Dependency* libRequire = nullptr;
};

TEST_F(TrialCopy, FindsWhatTheParentFindsWithoutRebuilding)
{
    const std::vector<std::string> expected = answers(repository);
    ASSERT_EQ(expected.size(), 17u);
    const unsigned parentRebuilds = repository.indexRebuilds();

    const Repository copy(repository, Repository::trialCopy);
    EXPECT_EQ(answers(copy), expected);
    EXPECT_EQ(copy.getPackages(), repository.getPackages());
    for (const Package* package : repository.getPackages()) EXPECT_TRUE(copy.isListed(package)) << shown(package);
    // Every index came from the parent.
    EXPECT_EQ(copy.indexRebuilds(), 0u);
    EXPECT_EQ(repository.indexRebuilds(), parentRebuilds);
}

TEST_F(TrialCopy, ARemoverInTheCopyStaysInTheCopy)
{
    const std::vector<std::string> before = answers(repository);
    const Repository::Records& parentObsoleters = repository.getObsoleters(libfoo);
    ASSERT_TRUE(parentObsoleters.empty());
    const unsigned parentRebuilds = repository.indexRebuilds();

    Repository copy(repository, Repository::trialCopy);
    const Package* remover = copy.addRemoverFor("libfoo", "");
    EXPECT_TRUE(copy.isListed(remover));
    EXPECT_EQ(copy.findLatestByName("dummy_obsoleter_libfoo"), remover);
    EXPECT_EQ(shownAll(copy.getObsoleters(libfoo)), (std::vector<std::string>{"dummy_obsoleter_libfoo-0.0"}));
    // The names and obsolete indexes were copied before the change, not rebuilt.
    EXPECT_EQ(copy.indexRebuilds(), 0u);

    EXPECT_FALSE(repository.isListed(remover));
    EXPECT_EQ(repository.getPackages().size() + 1, copy.getPackages().size());
    EXPECT_EQ(repository.findLatestByName("dummy_obsoleter_libfoo"), nullptr);
    EXPECT_TRUE(parentObsoleters.empty());
    EXPECT_TRUE(repository.getObsoleters(libfoo).empty());
    EXPECT_EQ(answers(repository), before);
    EXPECT_EQ(repository.indexRebuilds(), parentRebuilds);

    // The parent's own remover, made later, is not the copy's.
    const Package* parentRemover = repository.addRemoverFor("libfoo", "");
    EXPECT_NE(parentRemover, remover);
    EXPECT_EQ(copy.findByName("dummy_obsoleter_libfoo"), (Repository::Records{remover}));
    EXPECT_EQ(repository.findByName("dummy_obsoleter_libfoo"), (Repository::Records{parentRemover}));
}

TEST_F(TrialCopy, ARecordAddedToTheCopyStaysInTheCopy)
{
    CapturedLog quiet(0);
    const std::vector<std::string> before = answers(repository);
    const unsigned parentRebuilds = repository.indexRebuilds();

    Repository copy(repository, Repository::trialCopy);
    addText(copy, record("extra", "9.0-1", "noarch", "P:cap-x = 9.0\nP:libfoo.so.1\n"), Package::typeBuild);
    const Package* extra = copy.findLatestByName("extra");
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(copy.findLatestProvider("cap-x"), extra);
    // The copy resolves the requirements anew; the parent keeps its matches.
    ASSERT_EQ(copy.matchedProvideCount(libRequire), 3u);
    EXPECT_EQ(copy.getMatchedProvide(libRequire, 0)->getOwner(), extra);
    EXPECT_TRUE(copy.dependsOn(bash, extra));
    EXPECT_GT(copy.indexRebuilds(), 0u);

    EXPECT_FALSE(repository.isListed(extra));
    EXPECT_EQ(repository.findLatestByName("extra"), nullptr);
    EXPECT_EQ(repository.matchedProvideCount(libRequire), 2u);
    EXPECT_FALSE(repository.dependsOn(bash, extra));
    EXPECT_EQ(answers(repository), before);
    EXPECT_EQ(repository.indexRebuilds(), parentRebuilds);
}

TEST_F(TrialCopy, ReusesTheParentsRemover)
{
    const Package* remover = repository.addRemoverFor("libfoo", "i686");
    Repository copy(repository, Repository::trialCopy);
    EXPECT_EQ(copy.addRemoverFor("libfoo", "i686"), remover);
    EXPECT_EQ(copy.findByName("dummy_obsoleter_libfoo_i686"), (Repository::Records{remover}));
    EXPECT_EQ(copy.getPackages().size(), repository.getPackages().size());
}

TEST(Repository, DestroyingATrialCopyLeavesTheParentAndItsSources)
{
    struct Quiet : Source {
        using Source::Source;
        void loadBrief() override {}
        void loadFull() override {}
    };
    Repository parent;
    Quiet source(&parent);
    addText(parent, record("lib", "1.0-1", "noarch", "P:cap\n"), Package::typeSystem, Repository::dups_append,
            &source);
    const Package* lib = parent.findInstalled("lib");
    ASSERT_NE(lib, nullptr);
    {
        Repository copy(parent, Repository::trialCopy);
        EXPECT_TRUE(copy.getSources().empty());
        EXPECT_EQ(copy.findInstalled("lib"), lib);
        EXPECT_EQ(lib->getSource(), &source);
        copy.addRemoverFor("lib", "");
    }
    EXPECT_EQ(parent.getSources(), (std::vector<Source*>{&source}));
    EXPECT_EQ(source.getRepository(), &parent);
    EXPECT_EQ(lib->getSource(), &source);
    EXPECT_EQ(parent.findInstalled("lib"), lib);
    EXPECT_EQ(parent.findLatestProvider("cap"), lib);
    EXPECT_EQ(parent.getPackages().size(), 1u);
}

class RepositoryWithProgress : public ReaderTest {};

struct CountingSource : Source {
    CountingSource(Repository* repository, bool remote) : Source(repository), remote_(remote) {}
    void loadBrief() override {}
    void loadFull() override {}
    bool needsDownload() const override { return remote_; }
    void downloadPackage(const Package* package) override { fetched.push_back(package->getName()); }
    std::vector<std::string> fetched;

private:
    bool remote_;
};

struct RecordingListener : PackagesProgress {
    void setStarted() override {}
    void set_progress(int stage, const std::string& name) override
    {
        calls.push_back(std::to_string(stage) + " " + name);
    }
    std::vector<std::string> calls;
};

TEST_F(RepositoryWithProgress, DownloadsOnlyWhatRemoteSourcesHold)
{
    Repository repository;
    CountingSource local(&repository, false);
    CountingSource remote(&repository, true);
    addText(repository, record("a", "1.0-1", "noarch"), 'b', Repository::dups_append, &remote);
    addText(repository, record("b", "1.0-1", "noarch"), 'b', Repository::dups_append, &local);
    addText(repository, record("c", "1.0-1", "noarch"), 'b', Repository::dups_append, &remote);
    addText(repository, record("d", "1.0-1", "noarch"), 'b', Repository::dups_append, nullptr);
    std::vector<const Package*> list(repository.getPackages().begin(), repository.getPackages().end());

    RecordingListener listener;
    repository.downloadPackages(list, &listener);
    EXPECT_EQ(remote.fetched, (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(local.fetched.empty());
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"1 a", "1 c"}));
    Progress::SharedStatus status;
    EXPECT_EQ(status.data().stage, 3);
    EXPECT_EQ(status.data().stepCount, 2);
    EXPECT_EQ(std::string(status.data().stepId), "download");
    EXPECT_EQ(std::string(status.data().stepTitle), Messages::get("download_file") + "c");
}

TEST_F(RepositoryWithProgress, NothingToDownloadStartsAnEmptyStage)
{
    Repository repository;
    CountingSource local(&repository, false);
    addText(repository, record("a", "1.0-1", "noarch"), 'b', Repository::dups_append, &local);
    std::vector<const Package*> list(repository.getPackages().begin(), repository.getPackages().end());
    repository.downloadPackages(list, nullptr);
    EXPECT_TRUE(local.fetched.empty());
    Progress::SharedStatus status;
    EXPECT_EQ(status.data().stage, 3);
    EXPECT_EQ(status.data().stepCount, 0);
}

TEST_F(RepositoryWithProgress, TerminationStopsReadingAndKeepsWhatWasRead)
{
    Repository repository;
    addText(repository, record("before", "1.0-1", "noarch"), Package::typeSystem);
    Progress::onSignal(SIGTERM);
    try {
        addText(repository, record("after", "1.0-1", "noarch"), Package::typeSystem);
        ADD_FAILURE() << "not interrupted";
    } catch (const Progress::Interrupted& interrupted) {
        EXPECT_EQ(interrupted.signal(), SIGTERM);
    }
    Progress::resetTermination();
    EXPECT_NE(repository.findInstalled("before"), nullptr);
    EXPECT_EQ(repository.findInstalled("after"), nullptr);
}

}  // namespace
