#include "installer/engine/Installer.h"

#include "installer/engine/ProductsProgress.h"
#include "installer/engine/SystemSpecificConfigurator.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// A configurator with nothing to configure: the installer only borrows it.
class InertConfigurator : public SystemSpecificConfigurator {
public:
    InertConfigurator() : SystemSpecificConfigurator(nullptr, nullptr) {}
    void reconfigureSources() override {}
    std::unique_ptr<Installer> createInstaller(ComponentManager*) override
    {
        throw KW_INTERNAL_ERROR() << "the tests make their installer themselves";
    }

protected:
    const Package* doGetAvailablePackage(const std::string&) override { return nullptr; }
    void doConfigure() override {}
    void doRemoveTemporarySources() override {}
};

// A back end that installs nothing; the frame's own operations are under test.
class IdleInstaller : public Installer {
public:
    IdleInstaller(SystemSpecificConfigurator* configurator) : Installer(nullptr, nullptr, configurator) {}
    const PackageList& resolve() override { return resolvedList(); }
    void doInstall(const PackageList&) override {}
};

bool present(const std::string& path)
{
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

// Runs `body` in a private mount namespace over an empty /var, so that the
// machine's flag directory is never seen; returns body's result, or
// kNamespaceRefused. Failed expectations in there make the result 1.
int withPrivateVar(const std::function<int()>& body)
{
    return runInPrivateMountNamespace([&body] {
        if (::mount("tmpfs", "/var", "tmpfs", 0, "mode=0755") != 0) return int(kNamespaceRefused);
        const int result = body();
        return ::testing::Test::HasFailure() ? 1 : result;
    });
}

void expectInNamespace(const std::function<void()>& body)
{
    const int result = withPrivateVar([&body] {
        body();
        return 0;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "a private mount namespace with a tmpfs is not allowed here";
    EXPECT_EQ(result, 0);
}

const std::string kFlag = "/var/kestavine/kitwright-installation-failure.flag";

}  // namespace

TEST(Installer, FailureFlagPathIsTheSystemsFile) { EXPECT_EQ(Installer::failureFlagPath(), kFlag); }

TEST(Installer, ConstructionRegistersItsProductsProgress)
{
    InertConfigurator configurator;
    CapturedLogLines log;
    {
        IdleInstaller installer(&configurator);
        EXPECT_NE(ProductsProgress::instance(), nullptr);
        EXPECT_THAT(log.text(), HasSubstr("Installer::Installer: create ProductsProgress\n"));
        EXPECT_TRUE(installer.resolvedList().empty());
    }
    EXPECT_EQ(ProductsProgress::instance(), nullptr);
}

TEST(Installer, CheckPackageSetOnlyLogs)
{
    InertConfigurator configurator;
    IdleInstaller installer(&configurator);
    CapturedLogLines log(1);
    installer.checkPackageSet();
    EXPECT_EQ(log.text(), "Check package set before installation\n");
}

TEST(Installer, SetCommitChangesKeepsTheConfiguratorsFiles)
{
    InertConfigurator configurator;
    IdleInstaller installer(&configurator);
    CapturedLogLines log;
    installer.setCommitChanges();
    EXPECT_TRUE(configurator.commitsChanges());
    EXPECT_THAT(log.text(), HasSubstr("SystemSpecificConfigurator: set commitChanges flag = true\n"));
}

TEST(Installer, WithoutConfiguratorSetCommitChangesIsAnInternalError)
{
    IdleInstaller installer(nullptr);
    expectError([&] { installer.setCommitChanges(); }, {3, 1, 0, 3}, HasSubstr("NULL pointer"));
}

TEST(Installer, FailureFlagIsSetFoundAndCleared)
{
    expectInNamespace([] {
        InertConfigurator configurator;
        IdleInstaller installer(&configurator);
        {
            CapturedLogLines log;
            // The directory is missing: it is made, or the recovery rule would be lost.
            EXPECT_FALSE(installer.processFailureFlag(true));
            struct stat info;
            ASSERT_EQ(::stat("/var/kestavine", &info), 0);
            const mode_t mask = ::umask(0);
            ::umask(mask);
            EXPECT_TRUE(S_ISDIR(info.st_mode));
            EXPECT_EQ(info.st_mode & 07777, 0755u & ~mask);
            EXPECT_TRUE(present(kFlag));
            EXPECT_THAT(log.text(), HasSubstr("DEBUG installation failure flag file does not exist: " + kFlag + "\n"));
            EXPECT_THAT(log.text(), Not(HasSubstr("WARNING")));
        }
        {
            CapturedLogLines log;
            EXPECT_TRUE(installer.processFailureFlag(true));
            EXPECT_TRUE(present(kFlag));
            EXPECT_THAT(log.text(), HasSubstr("DEBUG installation failure flag file exists: " + kFlag + "\n"));
            EXPECT_THAT(log.text(),
                        HasSubstr("WARNING: Failure of previous installation was detected! Bootstrapper post-actions "
                                  "will be executed for all components at the end of the current installation.\n"));
        }
        EXPECT_FALSE(installer.processFailureFlag(false));
        EXPECT_FALSE(present(kFlag));
        // Clearing a flag that is not there is no trouble.
        CapturedLogLines quiet(1);
        EXPECT_FALSE(installer.processFailureFlag(false));
        EXPECT_EQ(quiet.text(), "");
    });
}

TEST(Installer, FailureFlagTroubleIsLoggedAndNeverRaised)
{
    struct Case {
        const char* name;
        std::function<void()> plant;
        bool set;
        const char* line;
    };
    const Case cases[] = {
        {"the flag directory is a file",
         [] { ASSERT_EQ(::close(::open("/var/kestavine", O_WRONLY | O_CREAT, 0644)), 0); }, true,
         "Error occured while trying to process installation failure flag file: '"},
        {"a link in the flag's place is not followed",
         [] {
             ASSERT_EQ(::mkdir("/var/kestavine", 0755), 0);
             ASSERT_EQ(::mkdir("/var/elsewhere", 0755), 0);
             ASSERT_EQ(::symlink("/var/elsewhere/planted", kFlag.c_str()), 0);
         },
         true, nullptr},
        {"the flag cannot be removed",
         [] {
             ASSERT_EQ(::mkdir("/var/kestavine", 0755), 0);
             ASSERT_EQ(::mkdir(kFlag.c_str(), 0755), 0);
             ASSERT_EQ(::mkdir((kFlag + "/inside").c_str(), 0755), 0);
         },
         false, "Error occured while trying to process installation failure flag file: '"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectInNamespace([&c] {
            c.plant();
            InertConfigurator configurator;
            IdleInstaller installer(&configurator);
            CapturedLogLines log(1);
            const bool previous = installer.processFailureFlag(c.set);
            if (c.line) {
                EXPECT_FALSE(previous);
                EXPECT_THAT(log.text(), HasSubstr(std::string(c.line) + kFlag + "'. ERROR: "));
            }
            EXPECT_FALSE(present("/var/elsewhere/planted"));
        });
    }
}
