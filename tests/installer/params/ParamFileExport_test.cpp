#include "installer/params/ParamFileExport.h"

#include "installer/options/Options.h"
#include "installer/params/ParamTypes.h"

#include "common/FilesRemovedAtExit.h"
#include "common/Progress.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/params/ParamFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

using ::testing::HasSubstr;

// The files at the system's own paths: root's home and a parameters file below
// /opt, each on a private tmpfs, so the machine never sees them. Expectations
// that fail in there make the child's result 1.
namespace {

const char* const parametersFile = "/opt/kvo/var/zarni.params";
const char* const optionsFile = "/root/.kitwright/options.ini";

bool exists(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

mode_t modeOf(const std::string& path)
{
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

int inPrivateFiles(const std::function<void()>& body)
{
    return runInPrivateMountNamespace([&body] {
        if (::mount("tmpfs", "/root", "tmpfs", 0, "mode=0700") != 0 ||
            ::mount("tmpfs", "/opt", "tmpfs", 0, "mode=0755") != 0)
            return int(kNamespaceRefused);
        ::mkdir("/opt/kvo", 0755);
        ::mkdir("/opt/kvo/var", 0755);
        try {
            body();
        } catch (const error& failure) {
            ADD_FAILURE() << "raised: " << failure.text();
        } catch (const std::exception& failure) {
            ADD_FAILURE() << "raised: " << failure.what();
        }
        return ::testing::Test::HasFailure() ? 1 : 0;
    });
}

// The web fixture's settings on a component whose build names the parameters
// file, with a value for every kind of saving.
class WebSettings {
public:
    explicit WebSettings(ParamManager& manager)
    {
        owners.build()->setParametersFile(parametersFile);
        manager.createParams(owners.component("web"), settingsDocument("web"));
        manager.createParams(owners.component("notes"), settingsDocument("greeting"));
        for (const ParamPtr& param : manager.params()) byId[param->getId()] = param;
        EXPECT_TRUE(byId["domain"]->setValue("zarni.example"));
        EXPECT_TRUE(byId["greeting"]->setValue("caf\xc3\xa9 \"x\"\n\\\t"));
        EXPECT_TRUE(byId["admin-password"]->setValue("Xyzzy7-long"));
        EXPECT_TRUE(byId["server"]->setValue("apache"));
    }
    ParamOwners owners;
    std::map<std::string, ParamPtr> byId;
};

void expectGone(const std::string& path) { EXPECT_FALSE(exists(path)) << path; }

}  // namespace

// A run that installs: the parameters file (0600) holds the secure setting
// while it exists; options.ini (0600, in a 0700 directory) holds the regular
// ones, which read back exactly, and never the password.
TEST(ParamFileExport, InstallingRunExportsAndSaves)
{
    const int result = inPrivateFiles([] {
        {
            ParamManager manager;
            WebSettings web(manager);
            manager.exportToFiles();
            EXPECT_EQ(manager.exportFiles(), std::vector<std::string>{parametersFile});
            EXPECT_EQ(modeOf(parametersFile), 0600u);
            EXPECT_EQ(readFile(parametersFile), "domain=\"zarni.example\"\nserver=\"apache\"\n"
                                                "admin-password=\"Xyzzy7-long\"\n"
                                                "greeting=\"caf\xc3\xa9 \\\"x\\\"\\x0a\\\\\\x09\"\n");
            EXPECT_THAT(FilesRemovedAtExit::paths(), ::testing::Contains(std::string(parametersFile)));
        }
        expectGone(parametersFile);
        EXPECT_TRUE(FilesRemovedAtExit::paths().empty());
        EXPECT_EQ(modeOf("/root/.kitwright"), 0700u);
        EXPECT_EQ(modeOf(optionsFile), 0600u);
        const auto saved = Options::readComponentOptionsFile(optionsFile);
        EXPECT_EQ(saved.at("zarni").at("greeting"), "caf\xc3\xa9 \"x\"\n\\\t");
        EXPECT_EQ(saved.at("zarni").at("domain"), "zarni.example");
        EXPECT_EQ(saved.at("zarni").at("server"), "apache");
        EXPECT_EQ(saved.at("zarni").count("admin-password"), 0u);
        EXPECT_THAT(readFile(optionsFile), ::testing::Not(HasSubstr("Xyzzy7")));
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_EQ(result, 0);
}

// A listing or a dry run never exports, and leaves options.ini as it was, byte
// for byte; a run that installs keeps what it did not touch.
TEST(ParamFileExport, OnlyInstallingRunsWriteTheOptionsFile)
{
    const int result = inPrivateFiles([] {
        const std::string before = "# the operator's notes\n[tenebrin]\nzone = eu\n[zarni]\ndomain=old\n";
        ::mkdir("/root/.kitwright", 0700);
        std::ofstream(optionsFile, std::ios::binary) << before;
        {
            ParamManager listing;
            WebSettings web(listing);
        }
        EXPECT_EQ(readFile(optionsFile), before);
        {
            ParamManager installing;
            WebSettings web(installing);
            installing.exportToFiles();
        }
        const auto saved = Options::readComponentOptionsFile(optionsFile);
        EXPECT_EQ(saved.at("tenebrin").at("zone"), "eu");
        EXPECT_EQ(saved.at("zarni").at("server"), "apache");
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_EQ(result, 0);
}

// A link planted at the parameters path is not followed: the export fails and
// the link's target keeps its content.
TEST(ParamFileExport, PlantedLinkIsNotFollowed)
{
    const int result = inPrivateFiles([] {
        std::ofstream("/opt/target") << "precious\n";
        ASSERT_EQ(::symlink("/opt/target", parametersFile), 0);
        ::mkfifo("/opt/kvo/var/pipe.params", 0600);
        {
            ParamManager manager;
            WebSettings web(manager);
            expectError([&] { manager.exportToFiles(); }, {4, 1, 1, 2},
                        HasSubstr("Unable to create the file /opt/kvo/var/zarni.params: "));
            EXPECT_TRUE(manager.exportFiles().empty());

            web.owners.build()->setParametersFile("/opt/kvo/var/pipe.params");
            expectError([&] { manager.exportToFiles(); }, {4, 1, 1, 2}, HasSubstr("pipe.params"));
            web.owners.build()->setParametersFile("kvo/relative.params");
            expectError([&] { manager.exportToFiles(); }, {1, 1, 1, 3},
                        HasSubstr("the parameters file \"kvo/relative.params\" is not an absolute path"));
        }
        EXPECT_EQ(readFile("/opt/target"), "precious\n");
        EXPECT_TRUE(exists(parametersFile));
        EXPECT_TRUE(exists("/opt/kvo/var/pipe.params"));
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_EQ(result, 0);
}

// The parameters file is gone on every way out: an error that unwinds past the
// manager, a termination signal, and an exit that never unwinds to it, through
// the registry the start-up's exit path empties.
TEST(ParamFileExport, RemovedOnEveryWayOut)
{
    const int result = inPrivateFiles([] {
        std::string why;
        try {
            ParamManager manager;
            WebSettings web(manager);
            manager.exportToFiles();
            throw error(6, 1, 2, 2) << "the installation failed";
        } catch (const error&) {
            expectGone(parametersFile);
        }

        if (enterPrivateIpcNamespace(&why)) {
            const auto previous = std::signal(SIGTERM, Progress::onSignal);
            try {
                ParamManager manager;
                WebSettings web(manager);
                manager.exportToFiles();
                ::raise(SIGTERM);
                Progress::checkTermination();
                ADD_FAILURE() << "the signal was not acted on";
            } catch (const Progress::Interrupted&) {
                expectGone(parametersFile);
            }
            std::signal(SIGTERM, previous);
            Progress::resetTermination();
        }

        // A manager whose end never comes: the exit path's registry removes the file.
        auto* abandoned = new ParamManager;
        WebSettings web(*abandoned);
        abandoned->exportToFiles();
        EXPECT_TRUE(exists(parametersFile));
        FilesRemovedAtExit::removeAll();
        expectGone(parametersFile);
        EXPECT_TRUE(FilesRemovedAtExit::paths().empty());
        std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "a private mount namespace is not allowed here";
    EXPECT_EQ(result, 0);
}
