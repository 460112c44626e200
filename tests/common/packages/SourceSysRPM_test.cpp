#include "common/packages/SourceSysRPM.h"

#include "common/Lock.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/Package.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PlantedFiles.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/common/packages/ReaderTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

// Three small noarch packages: alpha (with an epoch, virtual provides, a
// requirement, a conflict, an obsolete, a file, a link and a directory) and
// beta from one build recipe, gamma from another; beta and gamma both hold
// /opt/kwtest/shared.txt with different content.
const char* const mainRecipe = R"(Name: kwtest-alpha
Version: 1.2
Release: 3
Epoch: 2
Summary: kitwright reader test
License: MIT
BuildArch: noarch
Provides: kwtest-cap = 4.5
Provides: kwtest-plain
Requires: kwtest-beta >= 1.0
Conflicts: kwtest-old < 1.0
Obsoletes: kwtest-ancient < 3
%description
test
%package -n kwtest-beta
Summary: kitwright reader test
%description -n kwtest-beta
test
%install
mkdir -p %{buildroot}/opt/kwtest
echo alpha > %{buildroot}/opt/kwtest/alpha.txt
ln -s alpha.txt %{buildroot}/opt/kwtest/alpha.link
echo beta > %{buildroot}/opt/kwtest/shared.txt
%files
%dir /opt/kwtest
/opt/kwtest/alpha.txt
/opt/kwtest/alpha.link
%files -n kwtest-beta
/opt/kwtest/shared.txt
)";

const char* const otherRecipe = R"(Name: kwtest-gamma
Version: 0.9
Release: 1
Summary: kitwright reader test
License: MIT
BuildArch: noarch
%description
test
%install
mkdir -p %{buildroot}/opt/kwtest
echo gamma > %{buildroot}/opt/kwtest/shared.txt
%files
/opt/kwtest/shared.txt
)";

bool writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    return static_cast<bool>(out);
}

std::string printed(const DependencyPtr& dependency)
{
    std::ostringstream out;
    dependency->print(out);
    return out.str();
}

std::vector<std::string> printedAll(const std::vector<DependencyPtr>& list)
{
    std::vector<std::string> texts;
    for (const DependencyPtr& dependency : list) texts.push_back(printed(dependency));
    return texts;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) result.push_back(line);
    return result;
}

// The test database with the three packages, built once per run of the test
// program (rpmbuild takes seconds per recipe) and only read by the tests.
struct BuiltDatabase {
    TempDir dir;
    std::string path;     // empty when it could not be built
    std::string failure;  // why not, for the test that needs it
};

const BuiltDatabase& builtDatabase()
{
    static BuiltDatabase built;
    static bool tried = false;
    if (tried) return built;
    tried = true;
    const std::string top = built.dir.path() + "/top";
    const std::string database = built.dir.path() + "/db";
    if (::mkdir(database.c_str(), 0700) != 0 || ::mkdir(top.c_str(), 0700) != 0 ||
        !writeText(top + "/main.recipe", mainRecipe) || !writeText(top + "/other.recipe", otherRecipe)) {
        built.failure = "cannot prepare " + built.dir.path();
        return built;
    }
    const std::string build = "rpmbuild --quiet --define '_topdir " + top + "' --define '_build_id_links none' -bb ";
    for (const char* recipe : {"/main.recipe", "/other.recipe"}) {
        int status = -1;
        const std::string output = commandOutput(build + top + recipe + " 2>&1", &status);
        if (status != 0) {
            built.failure = output;
            return built;
        }
    }
    int status = -1;
    const std::string output = commandOutput("rpm --initdb --dbpath " + database + " && rpm -i --dbpath " +
                                                 database + " --nodeps --justdb --replacefiles " + top +
                                                 "/RPMS/noarch/*.rpm 2>&1",
                                             &status);
    if (status != 0) {
        built.failure = output;
        return built;
    }
    built.path = database;
    return built;
}

// The shared test database, read through the rpm stand-in of tests/bin.
class RpmDatabase : public ReaderTest {
protected:
    void SetUp() override
    {
        ReaderTest::SetUp();
        if (IsSkipped()) return;
        if (commandOutput("command -v rpm").empty() || commandOutput("command -v rpmbuild").empty())
            GTEST_SKIP() << "rpm or rpmbuild is not installed";
        const BuiltDatabase& built = builtDatabase();
        ASSERT_FALSE(built.path.empty()) << built.failure;
        database = built.path;
        cacheFile = dir.path() + "/system_packages.cache";
        path = std::make_unique<ScopedEnvironment>("PATH", pathWithTestPrograms());
        dbpath = std::make_unique<ScopedEnvironment>("KW_TEST_RPM_DBPATH", database);
    }

    // rpm's own answer to a query format, on the test database.
    std::string query(const std::string& format, const std::string& package = std::string()) const
    {
        int status = -1;
        const std::string output = commandOutput("/usr/bin/rpm --dbpath " + database + " -q" +
                                                     (package.empty() ? "a" : " " + package) + " --queryformat '" +
                                                     format + "'",
                                                 &status);
        EXPECT_EQ(status, 0);
        return output;
    }

    // Each installed package as "name arch [epoch:]version-release | provides".
    std::vector<std::string> rpmView() const
    {
        std::vector<std::string> view;
        for (const std::string& line :
             lines(query(R"(%{NAME} %{ARCH} %|EPOCH?{%{EPOCH}:}|%{VERSION}-%{RELEASE} |[ %{PROVIDENAME} %{PROVIDEFLAGS:depflags} %{PROVIDEVERSION},]\n)"))) {
            // "a = 1," and "b  ," become " a = 1" and " b".
            std::string text;
            std::size_t start = 0;
            const std::size_t bar = line.find('|');
            text = line.substr(0, bar + 1);
            std::vector<std::string> provides;
            start = bar + 1;
            for (;;) {
                const std::size_t comma = line.find(',', start);
                if (comma == std::string::npos) break;
                std::string provide = line.substr(start, comma - start);
                provide.erase(0, provide.find_first_not_of(' '));
                provide.erase(provide.find_last_not_of(' ') + 1);
                provides.push_back(provide);
                start = comma + 1;
            }
            std::sort(provides.begin(), provides.end());
            for (const std::string& provide : provides) text += " " + provide;
            view.push_back(text);
        }
        std::sort(view.begin(), view.end());
        return view;
    }

    static std::vector<std::string> readerView(const Repository& repository)
    {
        std::vector<std::string> view;
        for (const Package* package : repository.getPackages()) {
            std::vector<std::string> provides;
            for (const DependencyPtr& provide : package->getProvides())
                if (!dynamic_cast<const DependencyFile*>(provide.get())) provides.push_back(printed(provide));
            std::sort(provides.begin(), provides.end());
            std::string text = std::string(package->getName()) + " " + package->getArch() + " " +
                               package->getVersion().toString() + " |";
            for (const std::string& provide : provides) text += " " + provide;
            view.push_back(text);
        }
        std::sort(view.begin(), view.end());
        return view;
    }

    const Package* installed(const Repository& repository, const char* name)
    {
        const Package* package = repository.findInstalled(name);
        EXPECT_NE(package, nullptr) << name;
        return package;
    }

    TempDir dir;
    std::string database;
    std::string cacheFile;
    std::unique_ptr<ScopedEnvironment> path;
    std::unique_ptr<ScopedEnvironment> dbpath;
};

TEST_F(RpmDatabase, BriefReadAgreesWithRpm)
{
    Repository repository;
    SourceSysRPM source(&repository, cacheFile);
    source.readBrief();

    EXPECT_EQ(readerView(repository), rpmView());
    EXPECT_EQ(repository.getPackages().size(), 3u);
    for (const Package* package : repository.getPackages()) {
        SCOPED_TRACE(package->getName());
        EXPECT_EQ(typeid(*package), typeid(RPMPackage));
        EXPECT_EQ(package->getType(), 's');
        EXPECT_EQ(package->getSource(), &source);
        EXPECT_TRUE(package->getRequires().empty());
        EXPECT_TRUE(package->getConflicts().empty());
        EXPECT_TRUE(package->getObsoletes().empty());
        EXPECT_NE(package->getInstallTime(), 0);
        EXPECT_NE(package->getBuildTime(), 0);
    }
    const Package* alpha = installed(repository, "kwtest-alpha");
    EXPECT_EQ(alpha->getFileName(), "system_installed_brief_kwtest-alpha-1.2-3.rpm");
    EXPECT_EQ(std::to_string(alpha->getInstallTime()), lines(query("%{INSTALLTIME}\\n", "kwtest-alpha")).at(0));
    EXPECT_EQ(std::to_string(alpha->getBuildTime()), lines(query("%{BUILDTIME}\\n", "kwtest-alpha")).at(0));
    EXPECT_FALSE(source.isFullRead());
    // No full read yet: no cache file.
    EXPECT_FALSE(std::ifstream(cacheFile).good());
    Progress::SharedStatus status;
    EXPECT_EQ(std::string(status.data().stepId), "check_system_packages");
}

TEST_F(RpmDatabase, FullReadCompletesTheBriefRecordsInPlace)
{
    CapturedLog log(1);
    Repository repository;
    SourceSysRPM source(&repository, cacheFile);
    source.readBrief();
    const std::vector<Package*> brief = repository.getPackages();
    source.readFull();
    EXPECT_TRUE(source.isFullRead());

    // Every full record took its brief record's place; the brief records carry
    // the full lists.
    const std::vector<Package*>& full = repository.getPackages();
    ASSERT_EQ(full.size(), brief.size());
    for (std::size_t i = 0; i < full.size(); ++i) {
        SCOPED_TRACE(full[i]->getName());
        EXPECT_NE(full[i], brief[i]);
        EXPECT_EQ(full[i]->getName(), brief[i]->getName());
        EXPECT_EQ(full[i]->getSource(), &source);
        EXPECT_EQ(brief[i]->getProvides(), full[i]->getProvides());
        EXPECT_EQ(brief[i]->getRequires(), full[i]->getRequires());
    }
    EXPECT_EQ(readerView(repository), rpmView());

    const Package* alpha = installed(repository, "kwtest-alpha");
    EXPECT_EQ(alpha->getFileName(), "system_installed_kwtest-alpha-1.2-3.noarch.rpm");
    EXPECT_EQ(printedAll(alpha->getConflicts()), (std::vector<std::string>{"kwtest-old < 1.0"}));
    EXPECT_EQ(printedAll(alpha->getObsoletes()), (std::vector<std::string>{"kwtest-ancient < 3"}));
    // rpm's own "rpmlib(...)" requirements are not kept.
    EXPECT_EQ(printedAll(alpha->getRequires()), (std::vector<std::string>{"kwtest-beta >= 1.0"}));

    // The files, as rpm lists them, with their modes and digests or link targets.
    std::vector<std::string> files;
    for (const DependencyPtr& provide : alpha->getProvides())
        if (const auto* file = dynamic_cast<const DependencyFile*>(provide.get()))
            files.push_back(file->toString() + " " + std::to_string(file->getMode()) + " " +
                            file->getDigestText());
    std::vector<std::string> expected;
    for (const std::string& line : lines(query("[%{FILENAMES}|%{FILEMODES}|%{FILEDIGESTS}|%{FILELINKTOS}\\n]",
                                               "kwtest-alpha"))) {
        // name|mode|digest|link: a digest is kept as its first 32 digits.
        std::istringstream fields(line);
        std::string name, mode, digest, link;
        std::getline(fields, name, '|');
        std::getline(fields, mode, '|');
        std::getline(fields, digest, '|');
        std::getline(fields, link);
        const bool regular = (std::stoi(mode) & S_IFMT) == S_IFREG;
        expected.push_back(name + " " + mode + " " + (regular ? digest.substr(0, 32) : link));
    }
    EXPECT_EQ(files, expected);
    EXPECT_EQ(files.size(), 3u);

    // The requires graph and the file conflict over shared.txt.
    const Package* beta = installed(repository, "kwtest-beta");
    const Package* gamma = installed(repository, "kwtest-gamma");
    EXPECT_TRUE(repository.dependsOn(alpha, beta));
    EXPECT_TRUE(repository.isConflicting(beta, gamma));
    EXPECT_TRUE(repository.isConflicting(gamma, beta));
    EXPECT_FALSE(repository.isConflicting(alpha, beta));

    // The cache file holds exactly what rpm printed, readable by root only.
    const std::string command = SourceSysRPM::fullCommand();
    ASSERT_EQ(command.rfind("rpm ", 0), 0u);
    int status = -1;
    const std::string rpmOutput = commandOutput("/usr/bin/rpm --dbpath " + database + command.substr(3), &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(readFile(cacheFile), rpmOutput);
    struct stat info;
    ASSERT_EQ(::lstat(cacheFile.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_NE(log.text().find("read cache file"), std::string::npos);
    Progress::SharedStatus shared;
    EXPECT_EQ(std::string(shared.data().stepId), "read_system_packages");
    EXPECT_EQ(std::string(shared.data().stepTitle), Messages::get("read_system_packages"));
}

TEST_F(RpmDatabase, TheCacheFileIsMadeAnewNeverThroughALink)
{
    const struct {
        const char* name;
        bool link;
    } cases[] = {{"a planted link", true}, {"an old copy", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string victim = dir.path() + "/victim";
        ASSERT_TRUE(writeText(victim, "precious\n"));
        ::unlink(cacheFile.c_str());
        if (c.link)
            ASSERT_EQ(::symlink(victim.c_str(), cacheFile.c_str()), 0);
        else
            ASSERT_TRUE(writeText(cacheFile, "F:stale\nN:stale\nV:1\nX:\n"));
        ::chmod(cacheFile.c_str(), 0644);

        Repository repository;
        SourceSysRPM source(&repository, cacheFile);
        source.readFull();
        EXPECT_EQ(readFile(victim), "precious\n");
        struct stat info;
        ASSERT_EQ(::lstat(cacheFile.c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_EQ(info.st_mode & 07777, 0600u);
        EXPECT_EQ(repository.findLatestByName("stale"), nullptr);
        EXPECT_NE(repository.findInstalled("kwtest-gamma"), nullptr);
    }
}

TEST_F(RpmDatabase, FailuresOfTheFullRead)
{
    const struct {
        const char* name;
        const char* exitCode;
        bool missingDirectory;
        const char* key;
    } cases[] = {
        {"rpm fails", "1", false, "err_exec_non_zero"},
        {"the cache file cannot be made", nullptr, true, "err_rpm_info_full_read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Repository repository;
        SourceSysRPM source(&repository, c.missingDirectory ? dir.path() + "/missing/file.cache" : cacheFile);
        source.readBrief();
        std::unique_ptr<ScopedEnvironment> exitCode;
        if (c.exitCode) exitCode = std::make_unique<ScopedEnvironment>("KW_TEST_RPM_EXIT", c.exitCode);
        const std::string detail = Messages::get(c.key);
        expectError([&] { source.readFull(); }, {4, 1, 1, 2},
                    ::testing::AllOf(::testing::StartsWith(Messages::get("err_rpm_info_full") + "\n"),
                                     ::testing::HasSubstr(detail.substr(0, detail.find('%')))));
        EXPECT_FALSE(source.isFullRead());
        // The brief records stay.
        EXPECT_EQ(repository.getPackages().size(), 3u);
    }
}

TEST_F(RpmDatabase, AFailingBriefReadRaisesTheCommandError)
{
    ScopedEnvironment exitCode("KW_TEST_RPM_EXIT", "3");
    Repository repository;
    SourceSysRPM source(&repository, cacheFile);
    if (const auto failure = expectError([&] { source.readBrief(); })) {
        EXPECT_EQ(failure->errorClass(), 4);
        EXPECT_EQ(failure->retry(), 2);
        EXPECT_THAT(failure->text(), ::testing::HasSubstr("Error 3 in execution of rpm"));
    }
    EXPECT_FALSE(source.isBriefRead());
    // Everything rpm printed was read first.
    EXPECT_EQ(repository.getPackages().size(), 3u);
}

// The real path in /tmp, in a private mount namespace with a /tmp of its own:
// whatever another user planted there is removed, never followed or read, and
// the installer's own file is used in place.
TEST_F(RpmDatabase, TheDefaultCacheFileInAPrivateTmp)
{
    const std::string databaseDir = database;
    for (const Plant& plant : plants()) {
        SCOPED_TRACE(plant.name);
        const int result = runInPrivateMountNamespace([&databaseDir, &plant]() -> int {
            // Opened inside the namespace, so that it can be mounted again below
            // the new /tmp that hides it.
            const int database = ::open(databaseDir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (database < 0) return 10;
            // The stand-in rpm lives in the source tree, which may itself lie below /tmp.
            const std::string testPrograms = std::string(KW_SOURCE_DIR) + "/tests/bin";
            const int programs = ::open(testPrograms.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (programs < 0) return 10;
            if (::mount("tmpfs", "/tmp", "tmpfs", 0, "mode=1777") != 0) return kNamespaceRefused;
            if (::mkdir("/tmp/db", 0700) != 0 || ::mkdir("/tmp/bin", 0700) != 0) return 11;
            const std::string databaseSource = "/proc/self/fd/" + std::to_string(database);
            const std::string programsSource = "/proc/self/fd/" + std::to_string(programs);
            if (::mount(databaseSource.c_str(), "/tmp/db", nullptr, MS_BIND, nullptr) != 0 ||
                ::mount(programsSource.c_str(), "/tmp/bin", nullptr, MS_BIND, nullptr) != 0)
                return 12;
            ::setenv("KW_TEST_RPM_DBPATH", "/tmp/db", 1);
            ::setenv("PATH", "/tmp/bin:/usr/sbin:/usr/bin:/sbin:/bin", 1);
            Lock::setFilePath("/tmp/kvo-installer.lock");
            if (!makeVictim()) return 13;
            const std::string path = SourceSysRPM::cacheFilePath;
            if (path != "/tmp/kitwright_system_packages.cache") return 14;
            struct stat before;
            {
                LingeringProcess planter(plant.user, [&] { return plant.make(path); });
                if (!planter.done() || ::lstat(path.c_str(), &before) != 0) return 14;
            }

            Repository repository;
            SourceSysRPM reader(&repository);
            try {
                reader.readFull();
            } catch (const error& failure) {
                std::fprintf(stderr, "%s", failure.text().c_str());
                return 15;
            }
            if (!victimIntact()) return 16;
            struct stat info;
            if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != 0 ||
                (info.st_mode & 07777) != 0600 || info.st_nlink != 1)
                return 17;
            if ((info.st_ino == before.st_ino) != plant.keepsInode) return 18;
            const std::string cache = readFile(path);
            if (cache.find("N:kwtest-gamma\n") == std::string::npos || cache.find("stale") != std::string::npos)
                return 19;
            if (repository.findLatestByName("stale")) return 20;
            return repository.findInstalled("kwtest-alpha") ? 0 : 21;
        });
        if (result == kNamespaceRefused) GTEST_SKIP() << "a private mount namespace with its own /tmp is not allowed here";
        EXPECT_EQ(result, 0);
    }
}

}  // namespace
