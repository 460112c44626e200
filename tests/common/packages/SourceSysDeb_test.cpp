#include "common/packages/SourceSysDeb.h"

#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/packages/ReaderTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

std::vector<std::string> splitText(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + separator.size();
    }
}

std::string printedProvide(const DependencyPtr& provide)
{
    std::ostringstream out;
    provide->print(out);
    return out.str();
}

// A record as "name arch version | provide, provide, ..." with the provides sorted.
std::string describe(const Package& package)
{
    std::vector<std::string> provides;
    for (const DependencyPtr& provide : package.getProvides()) provides.push_back(printedProvide(provide));
    std::sort(provides.begin(), provides.end());
    std::string text = std::string(package.getName()) + " " + package.getArch() + " " +
                       package.getVersion().toString() + " |";
    for (const std::string& provide : provides) text += " " + provide;
    return text;
}

// dpkg-query's own view: every package whose files are on the disk, as
// describe() shows it, with the package itself among its provides at its version.
std::vector<std::string> dpkgView(const std::string& admindir)
{
    const std::string option = admindir.empty() ? std::string() : " --admindir=" + admindir;
    int status = -1;
    const std::string output = commandOutput(
        "dpkg-query" + option +
            " -W -f='${Package}\\t${Architecture}\\t${Version}\\t${db:Status-Status}\\t${Provides}\\n'",
        &status);
    EXPECT_EQ(status, 0);
    std::vector<std::string> view;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const std::vector<std::string> fields = splitText(line, "\t");
        if (fields.size() != 5) {
            ADD_FAILURE() << "unexpected dpkg-query line: " << line;
            continue;
        }
        if (fields[3] == "not-installed" || fields[3] == "config-files") continue;
        std::vector<std::string> provides{fields[0] + " = " + fields[2]};
        if (!fields[4].empty()) {
            for (const std::string& entry : splitText(fields[4], ", ")) {
                // "name (= version)" reads as "name = version".
                const std::size_t open = entry.find(" (= ");
                provides.push_back(open == std::string::npos
                                       ? entry
                                       : entry.substr(0, open) + " = " + entry.substr(open + 4, entry.size() - open - 5));
            }
        }
        std::sort(provides.begin(), provides.end());
        std::string text = fields[0] + " " + fields[1] + " " + fields[2] + " |";
        for (const std::string& provide : provides) text += " " + provide;
        view.push_back(text);
    }
    std::sort(view.begin(), view.end());
    return view;
}

std::vector<std::string> readerView(const Repository& repository)
{
    std::vector<std::string> view;
    for (const Package* package : repository.getPackages()) view.push_back(describe(*package));
    std::sort(view.begin(), view.end());
    return view;
}

TEST_F(ReaderTest, DebianReaderFindsWhatDpkgQueryReportsInstalledOnThisMachine)
{
    if (commandOutput("command -v dpkg-query").empty()) GTEST_SKIP() << "no dpkg-query on this machine";
    Repository repository;
    SourceSysDeb source(&repository);
    source.readBrief();

    const std::vector<std::string> expected = dpkgView("");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(readerView(repository), expected);
    for (const Package* package : repository.getPackages()) {
        ASSERT_EQ(typeid(*package), typeid(DebPackage)) << package;
        EXPECT_EQ(package->getType(), 's');
        EXPECT_EQ(package->getSource(), &source);
        EXPECT_EQ(package->getFileName(), std::string(package->getName()) + "_installed.deb");
    }
}

// A dpkg database of the test's own, read through the dpkg-query stand-in.
class DebianDatabase : public ReaderTest {
protected:
    void SetUp() override
    {
        ReaderTest::SetUp();
        if (IsSkipped()) return;
        std::ofstream(dir.path() + "/available").close();
        path = std::make_unique<ScopedEnvironment>("PATH", pathWithTestPrograms());
        admindir = std::make_unique<ScopedEnvironment>("KW_TEST_DPKG_ADMINDIR", dir.path());
    }

    // One stanza of dpkg's status file.
    void addPackage(const std::string& name, const std::string& status, const std::string& version,
                    const std::string& extra = std::string())
    {
        status_ += "Package: " + name + "\nStatus: " + status + "\nPriority: optional\nMaintainer: Test <t@example.org>\n"
                   "Architecture: amd64\n" + (version.empty() ? std::string() : "Version: " + version + "\n") + extra +
                   "Description: test package\n\n";
        std::ofstream(dir.path() + "/status") << status_;
    }

    TempDir dir;
    std::string status_;
    std::unique_ptr<ScopedEnvironment> path;
    std::unique_ptr<ScopedEnvironment> admindir;
};

TEST_F(DebianDatabase, TheStateDecidesWhatIsInstalled)
{
    const struct {
        const char* name;
        const char* status;
        const char* extra;
        bool installed;
    } cases[] = {
        {"kw-installed", "install ok installed", "", true},
        {"kw-hold", "hold ok installed", "", true},
        // Selected for removal, but its files are still there.
        {"kw-deinstall", "deinstall ok installed", "", true},
        {"kw-purge", "purge ok installed", "", true},
        {"kw-half-configured", "install ok half-configured", "", true},
        {"kw-unpacked", "install ok unpacked", "", true},
        {"kw-triggers", "install ok triggers-pending", "Triggers-Pending: kw-trigger\n", true},
        {"kw-config-files", "deinstall ok config-files", "", false},
        {"kw-config-files-held", "hold ok config-files", "", false},
    };
    for (const auto& c : cases) addPackage(c.name, c.status, "1.0-1", c.extra);
    addPackage("kw-not-installed", "purge ok not-installed", "");

    CapturedLog log(1);
    Repository repository;
    SourceSysDeb source(&repository);
    source.readBrief();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        EXPECT_EQ(repository.findInstalled(c.name) != nullptr, c.installed);
    }
    EXPECT_EQ(repository.findLatestByName("kw-not-installed"), nullptr);
    EXPECT_EQ(readerView(repository), dpkgView(dir.path()));

    EXPECT_NE(log.text().find("DebRepository: readSystemPackagesBrief: execute " + SourceSysDeb::queryCommand()),
              std::string::npos);
    EXPECT_NE(log.text().find(Messages::get("check_system_packages")), std::string::npos);
    Progress::SharedStatus status;
    EXPECT_EQ(std::string(status.data().stepId), "check_system_packages");
    EXPECT_EQ(std::string(status.data().stepTitle), Messages::get("check_system_packages"));
}

TEST_F(DebianDatabase, ProvidesWithAndWithoutVersions)
{
    addPackage("kw-mailer", "install ok installed", "1:2.0-3", "Provides: mail-transport-agent, kw-api (= 4.5)\n");
    addPackage("kw-bare", "install ok installed", "7.1", "Provides: \n");
    Repository repository;
    SourceSysDeb source(&repository);
    source.readFull();
    EXPECT_TRUE(source.isFullRead());

    const Package* mailer = repository.findInstalled("kw-mailer");
    ASSERT_NE(mailer, nullptr);
    std::vector<std::string> provides;
    for (const DependencyPtr& provide : mailer->getProvides()) provides.push_back(printedProvide(provide));
    EXPECT_EQ(provides, (std::vector<std::string>{"kw-mailer = 1:2.0-3", "mail-transport-agent", "kw-api = 4.5"}));
    const Package* bare = repository.findInstalled("kw-bare");
    ASSERT_NE(bare, nullptr);
    ASSERT_EQ(bare->getProvides().size(), 1u);
    EXPECT_EQ(printedProvide(bare->getProvide(0)), "kw-bare = 7.1");

    // A product package's requirements find them: by the versioned provide, by
    // the virtual name and by the package's own name.
    std::string text = "F:app-1.0-1.noarch.rpm\nN:app\nV:1.0\nL:1\nA:noarch\n"
                       "R:kw-api = 4.5\nR:mail-transport-agent\nR:kw-bare >= 7\nR:kw-api > 4.5\nX:\n";
    std::FILE* stream = ::fmemopen(&text[0], text.size(), "r");
    ASSERT_NE(stream, nullptr);
    repository.addFromCache(stream, 'b', Repository::dups_append, nullptr);
    std::fclose(stream);
    const Package* app = repository.findLatestByName("app");
    std::vector<std::string> required;
    for (const Package* package : repository.getRequired(app)) required.push_back(package->getName());
    EXPECT_EQ(required, (std::vector<std::string>{"kw-mailer", "kw-mailer", "kw-bare"}));
    ASSERT_NE(repository.getUnresolvedRequire(app), nullptr);
    EXPECT_EQ(printedProvide(repository.getUnresolvedRequire(app)), "kw-api > 4.5");
}

TEST_F(DebianDatabase, AFailingQueryRaisesAfterReadingEverything)
{
    addPackage("kw-first", "install ok installed", "1.0");
    addPackage("kw-second", "install ok installed", "2.0");
    ScopedEnvironment exitCode("KW_TEST_DPKG_EXIT", "2");
    Repository repository;
    SourceSysDeb source(&repository);
    expectError([&] { source.readBrief(); }, {4, 2, 2, 2}, "dpkg-query command failed\n");
    EXPECT_FALSE(source.isBriefRead());
    EXPECT_NE(repository.findInstalled("kw-first"), nullptr);
    EXPECT_NE(repository.findInstalled("kw-second"), nullptr);
}

TEST_F(DebianDatabase, AMissingDpkgQueryIsAFailureNotAnEmptySystem)
{
    // Only awk can be found: the pipeline itself would succeed.
    TempDir tools;
    ASSERT_EQ(::symlink(commandOutput("command -v awk | tr -d '\\n'").c_str(), (tools.path() + "/awk").c_str()), 0);
    ScopedEnvironment onlyAwk("PATH", tools.path());
    Repository repository;
    SourceSysDeb source(&repository);
    EXPECT_THROW(source.readBrief(), error);
    EXPECT_FALSE(source.isBriefRead());
}

}  // namespace
