#include "installer/engine/ExtensionPackages.h"

#include "common/Messages.h"
#include "common/packages/DebPackage.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/Repository.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/RecordedTools.h"
#include "tests/installer/sources/ExtensionStandIn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

// An extension record of the kind ('s' installed, 'e' from the feed).
const ExtCatalogPackage* addExtension(Repository& repository, const std::string& code, char kind,
                                      const std::string& url = "https://ext.zarni.example/x.zip")
{
    auto record = std::make_unique<ExtCatalogPackage>(("ext-" + code).c_str());
    record->setType(kind);
    record->setCode(code);
    record->setDisplayName("The " + code);
    record->setDownloadUrl(url);
    return static_cast<const ExtCatalogPackage*>(repository.addPackage(std::move(record), nullptr));
}

const Package* addSystemPackage(Repository& repository, const char* name)
{
    auto record = std::make_unique<DebPackage>(name, "1.0");
    record->setType('s');
    return repository.addPackage(std::move(record), nullptr);
}

}  // namespace

TEST(ExtensionPackages, RemoversOfInstalledExtensionsOnly)
{
    RecordedTools tools{};
    tools.recordVariable("ZARNI_INTERNAL_PHP_EXEC");
    expectWithExtensionStandIn([&] {
        Repository repository;
        addExtension(repository, "foo", 's');
        addSystemPackage(repository, "ext-plain");
        const std::vector<const Package*> list = {repository.addRemoverFor("ext-foo", ""),
                                                  repository.addRemoverFor("ext-plain", ""),
                                                  addExtension(repository, "new", 'e')};
        CapturedLogLines log;
        ExtensionPackages(&repository).removePackages(list);
        // The system package's remover is the package manager's business.
        EXPECT_THAT(tools.calls(), ElementsAre("extension --uninstall foo [ZARNI_INTERNAL_PHP_EXEC=1]"));
        EXPECT_THAT(log.text(), HasSubstr("DEBUG remove extension packages: "));
        EXPECT_THAT(log.text(), HasSubstr("DEBUG uninstalling extension package ext-foo\n"));
        EXPECT_THAT(log.text(), HasSubstr(Messages::get("install_remove") + "The foo\n"));
        // Never set in the installer's own environment.
        EXPECT_EQ(std::getenv("ZARNI_INTERNAL_PHP_EXEC"), nullptr);
    });
}

TEST(ExtensionPackages, InstallsFeedPackagesNotInstalledOnes)
{
    RecordedTools tools{};
    tools.recordVariable("ZARNI_INTERNAL_PHP_EXEC");
    expectWithExtensionStandIn([&] {
        Repository repository;
        const std::vector<const Package*> list = {addExtension(repository, "present", 's'),
                                                  addSystemPackage(repository, "zarni-base"),
                                                  addExtension(repository, "wanted", 'e',
                                                               "https://ext.zarni.example/a b?x='1'")};
        // The URL with a blank never reaches a shell; the one above fails the check.
        const std::vector<const Package*> good = {list[0], list[1],
                                                  addExtension(repository, "fine", 'e',
                                                               "https://ext.zarni.example/get?x='1'&y=2")};
        CapturedLogLines log;
        ExtensionPackages(&repository).installPackages(good);
        EXPECT_THAT(tools.calls(), ElementsAre("extension --upgrade-url https://ext.zarni.example/get?x='1'&y=2 "
                                               "[ZARNI_INTERNAL_PHP_EXEC=1]"));
        EXPECT_THAT(log.text(), HasSubstr("DEBUG installing extension package ext-fine\n"));
        EXPECT_THAT(log.text(), HasSubstr(Messages::get("install_install_package") + "The fine\n"));
        expectError([&] { ExtensionPackages(&repository).installPackages(list); }, {4, 0, 2, 2},
                    HasSubstr("Failed to install the extension 'The wanted'"));
        EXPECT_EQ(tools.calls().size(), 1u);
    });
}

TEST(ExtensionPackages, EmptyListsRunNothing)
{
    RecordedTools tools{};
    expectWithExtensionStandIn([&] {
        Repository repository;
        CapturedLogLines log;
        ExtensionPackages(&repository).removePackages({});
        ExtensionPackages(&repository).installPackages({});
        ExtensionPackages(&repository).installPackage(nullptr);
        EXPECT_THAT(tools.calls(), IsEmpty());
        EXPECT_THAT(log.text(), HasSubstr("DEBUG remove extension packages: (empty)\n"));
        EXPECT_THAT(log.text(), HasSubstr("DEBUG install extension packages: (empty)\n"));
    });
}

TEST(ExtensionPackages, AFailingCommandGivesItsErrorOutput)
{
    RecordedTools tools{};
    tools.recordVariable("ZARNI_INTERNAL_PHP_EXEC");
    tools.exitWith("extension", 3, "boom");
    expectWithExtensionStandIn([&] {
        Repository repository;
        const ExtCatalogPackage* installed = addExtension(repository, "foo", 's');
        const ExtCatalogPackage* offered = addExtension(repository, "bar", 'e');
        struct Case {
            const char* name;
            std::function<void()> run;
            const char* text;
            const char* line;
        };
        const Case cases[] = {
            {"uninstall", [&] { ExtensionPackages(&repository).uninstallPackage(installed); },
             "Failed to uninstall the extension 'The foo' (package: foo):\nboom\n",
             "Extension package ext-foo no_versioning_data uninstallation failed with code 3, stdout: ~empty\nstderr: boom\n"},
            {"install", [&] { ExtensionPackages(&repository).installPackage(offered); },
             "Failed to install the extension 'The bar' (package: bar):\nboom\n",
             "Extension package ext-bar installation failed with code 3, stdout: ~empty\nstderr: boom\n"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            CapturedLogLines log(1);
            expectError(c.run, {4, 0, 2, 2}, c.text);
            EXPECT_THAT(log.text(), HasSubstr(c.line));
            EXPECT_EQ(std::getenv("ZARNI_INTERNAL_PHP_EXEC"), nullptr);
        }
        EXPECT_THAT(tools.calls(), ElementsAre("extension --uninstall foo [ZARNI_INTERNAL_PHP_EXEC=1]",
                                               "extension --upgrade-url https://ext.zarni.example/x.zip "
                                               "[ZARNI_INTERNAL_PHP_EXEC=1]"));
    });
}

TEST(ExtensionPackages, UnsafeValuesNeverReachTheShell)
{
    RecordedTools tools{};
    expectWithExtensionStandIn([&] {
        Repository repository;
        const ExtCatalogPackage* badCode = addExtension(repository, "a;rm -rf /", 's');
        const ExtCatalogPackage* badUrl = addExtension(repository, "b", 'e', "file:///etc/shadow");
        expectError([&] { ExtensionPackages(&repository).uninstallPackage(badCode); }, {4, 0, 2, 2},
                    HasSubstr("refused to run the extension command with --uninstall \"a;rm -rf /\""));
        expectError([&] { ExtensionPackages(&repository).installPackage(badUrl); }, {4, 0, 2, 2},
                    HasSubstr("refused to run the extension command with --upgrade-url \"file:///etc/shadow\""));
        EXPECT_THAT(tools.calls(), IsEmpty());
    });
}
