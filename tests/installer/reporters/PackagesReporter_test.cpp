#include "installer/reporters/PackagesReporter.h"

#include "common/Messages.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/XmlLint.h"
#include "tests/common/packages/ResolverFixture.h"
#include "tests/installer/reporters/ReporterTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using ::testing::HasSubstr;

namespace {

// The repository of tests/data/reporters/packages and a list that installs,
// upgrades and removes: new packages of the build and of the system's
// repositories, upgrades of installed ones, a remover of an installed package,
// a remover of something not installed, a dummy placeholder, and a new package
// that obsoletes an installed one.
class PackagesAnswer : public ReporterTest {
protected:
    void SetUp() override
    {
        loadCacheFiles(repository, std::string(KW_TEST_DATA_DIR) + "/reporters/packages");
        auto placeholder = std::make_unique<Package>("placeholder", std::string("1.0"));
        placeholder->setType(static_cast<char>(Package::typeDummy));
        const Package* dummy = repository.addPackage(std::move(placeholder), nullptr);
        list = {record("zarni-web", Package::typeBuild),
                record("zarni-dns", Package::typeBuild),
                record("libfoo", Package::typeUpdates),
                record("new-tool", Package::typeUpdates),
                repository.addRemoverFor("old-mailer", ""),
                repository.addRemoverFor("ghost", ""),
                dummy};
    }

    const Package* record(const char* name, Package::type_t kind)
    {
        const Package* found = recordOf(repository, name, kind);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    Repository repository;
    std::vector<const Package*> list;
};

// Installs first, then upgrades, then removals, each by name; the dummy
// placeholder is no installation and takes no number.
TEST_F(PackagesAnswer, TextLines)
{
    const PackagesReporter reporter(0, &list, &repository, false);
    CapturedLogLines log(3);
    EXPECT_EQ(text(reporter), "  1. [I] new-tool-2.0-1.x86_64\n"
                              "  2. [I] zarni-dns-1:1.2-3.x86_64\n"
                              "  3. [U] libfoo-1.1-1.x86_64\n"
                              "  4. [U] zarni-web-1.1-1.x86_64\n"
                              "  5. [R] legacy-tool-0.9-1.x86_64\n"
                              "  6. [R] old-mailer-2.0-1.x86_64\n");
    EXPECT_THAT(log.text(), HasSubstr("create pkgentry old-mailer-2.0-1.x86_64 2\n"));
    EXPECT_THAT(log.text(), HasSubstr("create pkgentry placeholder-1.0 0\n"));
    // The reporter's form is its own: the XML output setting does not choose it.
    EXPECT_EQ(xml(reporter), text(reporter));
}

// System and build packages counted apart, removals under the system's, byte
// totals beyond 32 bits.
TEST_F(PackagesAnswer, XmlCountsAndTotals)
{
    const std::string line = xml(PackagesReporter(0, &list, &repository, true));
    const XmlLint lint(line);
    ASSERT_EQ(lint.complaints(), "") << line;
    EXPECT_EQ(lint.attribute("/kitwright", "status"), "ok");
    EXPECT_EQ(lint.value("name(/kitwright/packages/*[1])"), "system_packages");
    EXPECT_EQ(lint.value("name(/kitwright/packages/*[2])"), "kernel_packages");
    EXPECT_EQ(lint.value("name(/kitwright/packages/*[3])"), "build_packages");

    const std::string system = "/kitwright/packages/system_packages";
    EXPECT_EQ(lint.attribute(system, "install_num"), "1");
    EXPECT_EQ(lint.attribute(system, "upgrade_num"), "1");
    EXPECT_EQ(lint.attribute(system, "remove_num"), "2");
    EXPECT_EQ(lint.attribute(system, "bytes"), "3000002000");
    const std::string kernel = "/kitwright/packages/kernel_packages";
    EXPECT_EQ(lint.attribute(kernel, "install_num"), "0");
    EXPECT_EQ(lint.attribute(kernel, "bytes"), "0");
    EXPECT_EQ(lint.value("count(" + kernel + "/*)"), "0");
    const std::string build = "/kitwright/packages/build_packages";
    EXPECT_EQ(lint.attribute(build, "install_num"), "1");
    EXPECT_EQ(lint.attribute(build, "upgrade_num"), "1");
    EXPECT_EQ(lint.attribute(build, "remove_num"), "0");
    EXPECT_EQ(lint.attribute(build, "bytes"), "1200");

    // Each package in the entries' order with its attributes in order.
    EXPECT_THAT(line, HasSubstr("<system_packages install_num=\"1\" upgrade_num=\"1\" remove_num=\"2\" "
                                "bytes=\"3000002000\">"
                                "<package action=\"install\" name=\"new-tool\" version=\"2.0\" release=\"1\" "
                                "arch=\"x86_64\" size=\"2000\" />"
                                "<package action=\"upgrade\" name=\"libfoo\" version=\"1.1\" release=\"1\" "
                                "arch=\"x86_64\" size=\"3000000000\" />"
                                "<package action=\"remove\" name=\"legacy-tool\" version=\"0.9\" release=\"1\" "
                                "arch=\"x86_64\" size=\"300\" />"
                                "<package action=\"remove\" name=\"old-mailer\" version=\"2.0\" release=\"1\" "
                                "arch=\"x86_64\" size=\"400\" /></system_packages>"));
    EXPECT_THAT(line, HasSubstr("<build_packages install_num=\"1\" upgrade_num=\"1\" remove_num=\"0\" bytes=\"1200\">"
                                "<package action=\"install\" name=\"zarni-dns\" version=\"1:1.2\" release=\"3\" "
                                "arch=\"x86_64\" size=\"700\" />"
                                "<package action=\"upgrade\" name=\"zarni-web\" version=\"1.1\" release=\"1\" "
                                "arch=\"x86_64\" size=\"500\" /></build_packages>"));
    EXPECT_EQ(lint.value("count(//package[@name='placeholder'])"), "0");
}

// An installed package that the list names itself is not removed by an
// obsoleting package of the list; one obsoleted by two packages is reported once
// per obsoleter.
TEST_F(PackagesAnswer, ObsoletedInstalledPackages)
{
    auto second = std::make_unique<Package>("other-tool", std::string("1.0-1"));
    second->setType(static_cast<char>(Package::typeUpdates));
    second->addObsolete("legacy-tool");
    const Package* otherTool = repository.addPackage(std::move(second), nullptr);
    std::vector<const Package*> twoObsoleters = {record("new-tool", Package::typeUpdates), otherTool};
    EXPECT_EQ(text(PackagesReporter(0, &twoObsoleters, &repository, false)), "  1. [I] new-tool-2.0-1.x86_64\n"
                                                                             "  2. [I] other-tool-1.0-1\n"
                                                                             "  3. [R] legacy-tool-0.9-1.x86_64\n"
                                                                             "  4. [R] legacy-tool-0.9-1.x86_64\n");

    std::vector<const Package*> keeps = {record("new-tool", Package::typeUpdates),
                                         record("legacy-tool", Package::typeSystem)};
    EXPECT_EQ(text(PackagesReporter(0, &keeps, &repository, false)), "  1. [I] new-tool-2.0-1.x86_64\n"
                                                                     "  2. [U] legacy-tool-0.9-1.x86_64\n");
}

TEST_F(PackagesAnswer, EmptyAnswers)
{
    const std::vector<const Package*> empty;
    EXPECT_EQ(text(PackagesReporter(0, &empty, &repository, false)), Messages::get("packages_no_reqpackages") + "\n");
    // Only a remover of something not installed: nothing to do either.
    const std::vector<const Package*> ghost = {repository.addRemoverFor("ghost", "")};
    EXPECT_EQ(text(PackagesReporter(0, &ghost, &repository, false)), Messages::get("packages_no_reqpackages") + "\n");

    const XmlLint lint(xml(PackagesReporter(0, &empty, &repository, true)));
    ASSERT_EQ(lint.complaints(), "");
    EXPECT_EQ(lint.value("count(//package)"), "0");
    EXPECT_EQ(lint.attribute("/kitwright/packages/kernel_packages", "install_num"), "0");
    EXPECT_EQ(lint.attribute("/kitwright/packages/system_packages", "bytes"), "0");
}

TEST_F(PackagesAnswer, MissingDataIsTheNullPointerError)
{
    for (const PackagesReporter& reporter :
         {PackagesReporter(0, &list, nullptr, true), PackagesReporter(0, nullptr, &repository, true)}) {
        std::ostringstream out;
        if (const auto failed = expectError([&] { out << reporter; })) {
            EXPECT_EQ(failed->errorClass(), 3);
        }
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
