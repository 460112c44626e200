#include "installer/drivers/auto_configurator.h"

#include "installer/engine/Installer.h"

#include "common/Messages.h"
#include "common/error.h"
#include "common/fileops.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// A configurator of the engine's shape over a temporary directory: configuring
// writes one persistent file (through the engine's backup) and one temporary
// file; the end's steps can be made to fail.
class DirectoryConfigurator : public SystemSpecificConfigurator {
public:
    explicit DirectoryConfigurator(const std::string& directory, bool* deleted = nullptr)
        : SystemSpecificConfigurator(nullptr, nullptr), directory_(directory), deleted_(deleted)
    {
    }
    ~DirectoryConfigurator() override
    {
        if (deleted_) *deleted_ = true;
    }

    void reconfigureSources() override {}
    std::unique_ptr<Installer> createInstaller(ComponentManager*) override
    {
        class NoBackEnd : public Installer {
        public:
            explicit NoBackEnd(SystemSpecificConfigurator* configurator) : Installer(nullptr, nullptr, configurator) {}
            const PackageList& resolve() override { return resolvedList(); }
            void doInstall(const PackageList&) override {}
        };
        return std::make_unique<NoBackEnd>(this);
    }

    std::string persistentPath() const { return directory_ + "/persistent.list"; }
    std::string temporaryPath() const { return directory_ + "/temporary.list"; }

    bool failRemoval = false;
    bool failFinish = false;

protected:
    const Package* doGetAvailablePackage(const std::string&) override { return nullptr; }
    void doConfigure() override
    {
        writePersistentFile(persistentPath(), "deb new\n");
        fileops::replace_file(temporaryPath(), "deb temporary\n");
    }
    void doRemoveTemporarySources() override
    {
        if (failRemoval) throw error(4, 1, 1, 2) << "the list is busy";
        fileops::remove(temporaryPath());
    }
    void doFinishPersistentConfiguration() override
    {
        if (failFinish) throw std::runtime_error("the backup is gone");
        SystemSpecificConfigurator::doFinishPersistentConfiguration();
    }

private:
    std::string directory_;
    bool* deleted_;
};

class AutoConfigurator : public ::testing::Test {
protected:
    AutoConfigurator() { writeFileWithDirectories(persistent(), "deb old\n"); }

    // A configured one over the directory.
    std::unique_ptr<DirectoryConfigurator> configured(bool* deleted = nullptr)
    {
        auto made = std::make_unique<DirectoryConfigurator>(dir.path(), deleted);
        made->configure();
        return made;
    }
    std::string persistent() const { return dir.path() + "/persistent.list"; }
    std::string temporary() const { return dir.path() + "/temporary.list"; }
    std::string backup() const { return persistent() + SystemSpecificConfigurator::backupSuffix; }

    TempDir dir;
};

}  // namespace

// The end of a run: the temporary file goes when asked; the persistent one is
// kept when the installation marked the changes, put back otherwise.
TEST_F(AutoConfigurator, EndRemovesTemporaryAndSettlesPersistentFiles)
{
    const struct {
        const char* name;
        bool removeTemporary;
        bool commit;
        bool temporaryAfter;
        const char* persistentAfter;
    } cases[] = {
        {"query or dry run", true, false, false, "deb old\n"},
        {"installed", true, true, false, "deb new\n"},
        {"--skip-cleanup", false, false, true, "deb old\n"},
        {"--skip-cleanup, installed", false, true, true, "deb new\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFileWithDirectories(persistent(), "deb old\n");
        {
            driver::auto_configurator holder(configured(), c.removeTemporary);
            EXPECT_FALSE(holder.isDummy());
            EXPECT_EQ(holder.removesTemporarySources(), c.removeTemporary);
            EXPECT_EQ(readFile(persistent()), "deb new\n");
            if (c.commit) holder.createInstaller(nullptr)->setCommitChanges();
        }
        EXPECT_EQ(fileops::exists(temporary()), c.temporaryAfter);
        EXPECT_EQ(readFile(persistent()), c.persistentAfter);
        EXPECT_FALSE(fileops::exists(backup()));
        if (fileops::exists(temporary())) fileops::remove(temporary());
    }
}

// The end also runs while a failure leaves the driver, and puts the files back.
TEST_F(AutoConfigurator, EndRunsWhileAFailurePasses)
{
    const auto run = [&] {
        driver::auto_configurator holder(configured(), true);
        throw error(6, 1, 1, 2) << "apt-get failed";
    };
    expectError(run, {6, 1, 1, 2}, "apt-get failed\n");
    EXPECT_EQ(readFile(persistent()), "deb old\n");
    EXPECT_FALSE(fileops::exists(temporary()));
}

// A failing step of the end is logged at level 1 and goes no further; the
// other step still runs.
TEST_F(AutoConfigurator, FailuresAtTheEndAreLoggedAndSwallowed)
{
    {
        CapturedLog log(1);
        {
            auto made = configured();
            made->failRemoval = true;
            driver::auto_configurator holder(std::move(made), true);
        }
        EXPECT_EQ(log.text(), "Warning: failed to remove the temporary package sources: the list is busy\n");
        EXPECT_EQ(readFile(persistent()), "deb old\n");
        EXPECT_TRUE(fileops::exists(temporary()));
    }
    {
        CapturedLog log(1);
        {
            auto made = configured();
            made->failFinish = true;
            driver::auto_configurator holder(std::move(made), true);
        }
        EXPECT_EQ(log.text(), "Warning: failed to finish the persistent package sources: the backup is gone\n");
        EXPECT_FALSE(fileops::exists(temporary()));
    }
}

// Without a configurator the holder holds one that does nothing and makes no
// installer: asking for one is a clear error, never a missing installer.
TEST_F(AutoConfigurator, WithoutAConfiguratorNoInstaller)
{
    driver::auto_configurator holder(nullptr, true);
    ASSERT_NE(holder.get(), nullptr);
    EXPECT_TRUE(holder.isDummy());
    holder->configure();
    holder->reconfigureSources();
    holder->prepareAvailablePackagesList({"zarni-base"});
    EXPECT_EQ(holder->getAvailablePackage("zarni-base"), nullptr);
    EXPECT_EQ(holder->checkConfiguration(), "");
    EXPECT_EQ(holder->createInstaller(nullptr), nullptr);
    expectError([&] { holder.createInstaller(nullptr); }, {4, 1, 1, 2},
                "no package manager configurator for this system\n");
    EXPECT_EQ(Messages::get("err_no_sysconf_for_system"), "no package manager configurator for this system");
}

// Replacing ends the held configurator and deletes it; replacing it by itself
// changes nothing.
TEST_F(AutoConfigurator, Replace)
{
    bool firstDeleted = false;
    bool secondDeleted = false;
    driver::auto_configurator holder(configured(&firstDeleted), true);

    std::unique_ptr<SystemSpecificConfigurator> same(holder.get());
    holder.replace(std::move(same));
    EXPECT_FALSE(firstDeleted);
    EXPECT_TRUE(fileops::exists(temporary()));

    holder.replace(nullptr);
    EXPECT_TRUE(firstDeleted);
    EXPECT_TRUE(holder.isDummy());
    EXPECT_FALSE(fileops::exists(temporary()));
    EXPECT_EQ(readFile(persistent()), "deb old\n");

    holder.replace(configured(&secondDeleted));
    EXPECT_FALSE(holder.isDummy());
    EXPECT_TRUE(holder.removesTemporarySources());
    EXPECT_EQ(readFile(persistent()), "deb new\n");
    EXPECT_NE(holder.createInstaller(nullptr), nullptr);
    EXPECT_FALSE(secondDeleted);
}
