#include "installer/engine/AptGpgKeyManager.h"

#include "common/Command.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/RecordedTools.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

namespace {

bool exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

std::string commandOutput(const std::string& command)
{
    std::ostringstream output;
    EXPECT_EQ(executeCommand(command, false, false, &output, &output), 0) << command << "\n" << output.str();
    return output.str();
}

// A throw-away signing key made by the real gpg in a home of its own, handed
// out as armoured public key text.
class ThrowAwayKey {
public:
    explicit ThrowAwayKey(const std::string& userId)
    {
        const std::string gpg = "gpg --no-options --homedir " + home_.path() + " --batch";
        commandOutput(gpg + " --passphrase '' --quick-gen-key '" + userId + "' future-default default never");
        text = commandOutput(gpg + " --armor --export");
    }
    ~ThrowAwayKey() { executeCommand("gpgconf --homedir " + home_.path() + " --kill all", false, false); }

    // The keys of a keyring file as gpg lists them, read without any user's home.
    static std::string show(const std::string& keyring)
    {
        TempDir home;
        return commandOutput("gpg --no-options --homedir " + home.path() + " --batch --show-keys " + keyring);
    }

    std::string text;

private:
    TempDir home_;
};

}  // namespace

// Keys imported with the real gpg end up in the keyring, which keeps the keys
// it held before; a pass without keys leaves it alone.
TEST(AptGpgKeyManager, ExportsTheImportedKeysWithTheRealGpg)
{
    if (executeCommand("command -v gpg", false, false) != 0) GTEST_SKIP() << "gpg is not installed";
    TempDir root;
    const std::string keyring = root.path() + "/keyrings/zarni.gpg";
    const std::string noAptKey = root.path() + "/apt-key";
    const ThrowAwayKey first("Zarni Test One <one@zarni.example>");
    const ThrowAwayKey second("Zarni Test Two <two@zarni.example>");
    std::string home;
    {
        AptGpgKeyManager manager(keyring, noAptKey);
        home = manager.homeDirectory();
        EXPECT_TRUE(exists(home));
        struct stat status {};
        ASSERT_EQ(::stat(home.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0700u);
        manager.importKey(first.text);
        manager.exportKeyring();
    }
    EXPECT_FALSE(exists(home));
    struct stat status {};
    ASSERT_EQ(::stat(keyring.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
    EXPECT_THAT(ThrowAwayKey::show(keyring), HasSubstr("one@zarni.example"));

    {
        AptGpgKeyManager manager(keyring, noAptKey);
        manager.importKey(second.text);
        manager.exportKeyring();
    }
    const std::string both = ThrowAwayKey::show(keyring);
    EXPECT_THAT(both, HasSubstr("one@zarni.example"));
    EXPECT_THAT(both, HasSubstr("two@zarni.example"));

    const std::string bytes = readFile(keyring);
    AptGpgKeyManager(keyring, noAptKey).exportKeyring();
    EXPECT_EQ(readFile(keyring), bytes);

    const std::string fresh = root.path() + "/other/zarni.gpg";
    AptGpgKeyManager(fresh, noAptKey).exportKeyring();
    EXPECT_FALSE(exists(fresh));
}

// The commands, recorded: only gpg2 on the system, apt-key where it exists.
TEST(AptGpgKeyManager, RunsTheFoundGpgAndAptKey)
{
    RecordedTools tools({"gpg2"});
    const std::string aptKey = tools.add("apt-key");
    const std::string keyring = tools.directory() + "/keyrings/zarni.gpg";
    std::string home;
    {
        AptGpgKeyManager manager(keyring, aptKey);
        EXPECT_EQ(manager.gpgProgram(), "gpg2");
        home = manager.homeDirectory();
        EXPECT_THAT(home, MatchesRegex("/tmp/zarni\\.kitwright\\.gpg\\.home\\..{8}"));
        manager.importKey("key text");
        manager.exportKeyring();
    }
    const std::string gpg = "gpg2 --no-options --homedir " + home + " --batch";
    const std::string keyFile = "/tmp/gpg\\.public\\.key\\..{8}";
    EXPECT_THAT(tools.calls(),
                ElementsAre(MatchesRegex("apt-key add " + keyFile), MatchesRegex(gpg + " --import " + keyFile),
                            MatchesRegex(gpg + " --yes --export -o TOOLS/keyrings/\\.zarni\\.gpg\\.......")));
}

TEST(AptGpgKeyManager, Failures)
{
    {
        RecordedTools tools({});
        if (const auto failed = expectError([] { AptGpgKeyManager(); })) {
            expectCodes(*failed, {4, 1, 1, 2});
            EXPECT_THAT(failed->text(),
                        HasSubstr("gnupg, gnupg2 and gnupg1 do not seem to be installed - unable to import GPG key."));
        }
    }
    RecordedTools tools({"gpg"});
    const std::string aptKey = tools.add("apt-key");
    tools.fail("apt-key");
    const std::string keyring = tools.directory() + "/keyrings/zarni.gpg";
    AptGpgKeyManager manager(keyring, aptKey);
    if (const auto failed = expectError([&] { manager.importKey("key text"); })) {
        expectCodes(*failed, {4, 1, 1, 2});
        EXPECT_THAT(failed->text(), HasSubstr("Unable to import GPG key."));
    }
    const std::vector<std::string> calls = tools.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(exists(calls[0].substr(calls[0].rfind(' ') + 1)));
    // Nothing was imported: no keyring is written.
    manager.exportKeyring();
    EXPECT_FALSE(exists(keyring));
}

// With the system's own paths, in a private mount namespace: apt-key (a
// recording stand-in over the real one) and the keyring below a private
// "/etc/apt".
TEST(AptGpgKeyManager, SystemPathsInAPrivateNamespace)
{
    RecordedTools tools({"gpg"});
    const std::string standIn = tools.add("apt-key");
    const int result = runInPrivateMountNamespace([&] {
        if (::mount("tmpfs", "/etc/apt", "tmpfs", 0, "mode=0755") != 0) return 2;
        if (exists(AptGpgKeyManager::aptKeyProgram) &&
            ::mount(standIn.c_str(), AptGpgKeyManager::aptKeyProgram, nullptr, MS_BIND, nullptr) != 0)
            return 3;
        AptGpgKeyManager manager;
        manager.importKey("key text");
        manager.exportKeyring();
        struct stat status {};
        if (::stat(AptGpgKeyManager::keyringPath, &status) != 0 || (status.st_mode & 0777) != 0644) return 4;
        return readFile(AptGpgKeyManager::keyringPath) == "keyring of gpg\n" ? 0 : 5;
    });
    if (result == kNamespaceRefused) GTEST_SKIP() << "a private mount namespace is not allowed here";
    ASSERT_EQ(result, 0);
    const std::vector<std::string> calls = tools.calls();
    ASSERT_FALSE(calls.empty());
    if (exists(AptGpgKeyManager::aptKeyProgram)) {
        EXPECT_THAT(calls.front(), HasSubstr("apt-key add /tmp/gpg.public.key."));
    }
    EXPECT_THAT(calls.back(), HasSubstr("--yes --export -o /etc/apt/keyrings/.zarni.gpg."));
    // The machine's own keyring never saw the namespace's.
    EXPECT_NE(readFile(AptGpgKeyManager::keyringPath), "keyring of gpg\n");
}
