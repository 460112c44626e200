#include "installer/wizard/TextDlgPackages.h"

#include "common/fileops.h"
#include "common/packages/DebPackage.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/RecordedTools.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>

#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// A resolved list over a repository with two installed packages: a new
// package, an upgrade and (when asked) the removal of the old mailer.
class PackagesPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        addRecord(repository, "zarni-web", "1.0", 's');
        addRecord(repository, "old-mailer", "1.0", 's');
    }

    const Package* listed(const char* name, char kind, const char* obsoletes = nullptr)
    {
        records.push_back(std::make_unique<DebPackage>(name, "2.0"));
        records.back()->setType(kind);
        if (obsoletes) records.back()->addObsolete(obsoletes);
        return records.back().get();
    }

    std::vector<const Package*> twoPackages() { return {listed("zarni-web", 'b'), listed("zarni-mail", 'b')}; }

    int run(TextDlgPackages& page)
    {
        CapturedLog quiet(0);
        return page.run();
    }

    Repository repository;
    std::vector<std::unique_ptr<Package>> records;
    ScriptedConsole console;
};

// In a private mount namespace: replaces /usr/bin (where /bin leads) by an
// empty directory holding only the shell, kept from the original under `keep`.
bool withoutSystemPrograms(const std::string& keep)
{
    char shell[PATH_MAX];
    if (!::realpath("/bin/sh", shell)) return false;
    const std::string shellName = std::string(shell).substr(std::string(shell).rfind('/') + 1);
    ::mkdir(keep.c_str(), 0700);
    if (::mount("/usr/bin", keep.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
    if (::mount("tmpfs", "/usr/bin", "tmpfs", 0, nullptr) != 0) return false;
    const std::string copy = "/usr/bin/" + shellName;
    writeFileWithDirectories(copy, "");
    if (::mount((keep + "/" + shellName).c_str(), copy.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
    if (shellName != "sh" && ::symlink(shellName.c_str(), "/usr/bin/sh") != 0) return false;
    return !fileops::is_file("/bin/more");
}

}  // namespace

TEST_F(PackagesPage, CountsWithoutRemovals)
{
    for (const char* answer : {"x", "f"}) console.answer(answer);
    TextDlgPackages page(console, twoPackages(), repository);
    EXPECT_EQ(run(page), DLG_FORWARD);
    EXPECT_SCREEN(console, "packages-without-removals.txt");
}

TEST_F(PackagesPage, CountsWithRemovalsAndTheWayOut)
{
    std::vector<std::string> answers = {"p", "b", "q"};
    std::vector<int> results;
    for (const std::string& answer : answers) {
        ScriptedConsole own({answer});
        TextDlgPackages page(own, {listed("zarni-web", 'b'), listed("old-mailer-removal", 'd', "old-mailer")},
                             repository);
        results.push_back(run(page));
        if (answer == "q") {
            EXPECT_SCREEN(own, "packages-with-removals.txt");
        }
    }
    EXPECT_THAT(results, ElementsAre(DLG_BACK, DLG_BACK, DLG_QUIT));
}

TEST_F(PackagesPage, LessGetsItsOptionsAndTheWholeList)
{
    RecordedTools tools({"less", "more"});
    tools.recordInputAndEnvironment("less more", "");
    for (const char* answer : {"s", "S", "f"}) console.answer(answer);
    TextDlgPackages page(console, twoPackages(), repository);
    EXPECT_EQ(run(page), DLG_FORWARD);
    const std::vector<std::string> calls = tools.calls();
    const std::string pager = "less -m -C -PmUse arrow keys for navigation and 'q' to return to installer";
    EXPECT_THAT(calls, ElementsAre("less --version", pager, "less stdin:   1. [I] zarni-mail-2.0",
                                   "less stdin:   2. [U] zarni-web-2.0", "less --version", pager,
                                   "less stdin:   1. [I] zarni-mail-2.0", "less stdin:   2. [U] zarni-web-2.0"));
    EXPECT_SCREEN(console, "packages-less.txt");
}

TEST_F(PackagesPage, MoreWhenLessDoesNotAnswer)
{
    if (!fileops::is_file("/bin/more")) GTEST_SKIP() << "no /bin/more here";
    RecordedTools tools({"less", "more"});
    tools.recordInputAndEnvironment("less more", "");
    tools.fail("less");
    for (const char* answer : {"s", "", "q"}) console.answer(answer);
    TextDlgPackages page(console, twoPackages(), repository);
    EXPECT_EQ(run(page), DLG_QUIT);
    EXPECT_THAT(tools.calls(), ElementsAre("less --version", "more -d", "more stdin:   1. [I] zarni-mail-2.0",
                                           "more stdin:   2. [U] zarni-web-2.0"));
    EXPECT_SCREEN(console, "packages-more.txt");
}

TEST_F(PackagesPage, NeitherPagerPrintsTheListAndPauses)
{
    TempDir shared;
    const std::string screen = shared.path() + "/screen";
    const int code = runInPrivateMountNamespace([&] {
        // No more here at all: the system's programs are hidden under an empty
        // directory but for the shell the commands run through; less fails to
        // answer.
        if (!withoutSystemPrograms(shared.path() + "/programs")) return kNamespaceRefused;
        RecordedTools tools({"less", "more"});
        tools.fail("less");
        ScriptedConsole own({"s", "", "q"});
        TextDlgPackages page(own, twoPackages(), repository);
        CapturedLog log(0);
        const int result = page.run();
        writeFileWithDirectories(screen, log.text() + "---\n" + own.text());
        return result == DLG_QUIT && tools.calls() == std::vector<std::string>{"less --version"} ? 0 : 1;
    });
    if (code == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(code, 0);
    EXPECT_SCREEN_TEXT(readFile(screen), "packages-no-pager.txt");
}

TEST_F(PackagesPage, PagerLeftEarlyOnALongList)
{
    TempDir bin;
    const std::string script = bin.path() + "/less";
    writeFileWithDirectories(script, "#!/bin/sh\n"
                                     "[ \"$1\" = --version ] && exit 0\n"
                                     "read -r line\n"
                                     "exit 0\n");
    ::chmod(script.c_str(), 0755);
    ScopedEnvironment path("PATH", bin.path() + ":/usr/bin:/bin");
    std::vector<const Package*> many;
    for (int i = 0; i < 5000; ++i) {
        const std::string name = "package-with-a-long-name-" + std::to_string(i);
        records.push_back(std::make_unique<DebPackage>(name.c_str(), "2.0"));
        records.back()->setType('b');
        many.push_back(records.back().get());
    }
    for (const char* answer : {"s", "q"}) console.answer(answer);
    TextDlgPackages page(console, many, repository);
    EXPECT_EQ(run(page), DLG_QUIT);
    const std::string text = console.text();
    const std::string header = "Package changes\n";
    const std::size_t first = text.find(header);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find(header, first + 1), std::string::npos) << "the page is drawn again:\n" << text;
}
