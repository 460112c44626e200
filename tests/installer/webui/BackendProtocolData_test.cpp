#include "installer/webui/BackendProtocol.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/InstTypes.h"
#include "installer/engine/ProductsProgress.h"
#include "installer/sources/UpdateServer.h"
#include "installer/startup/Feedback.h"

#include "common/error.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/startup/FixedPaths.h"
#include "tests/installer/webui/ReplyGolden.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class BackendProtocolData : public ReplyTest {};

TEST_F(BackendProtocolData, Preferences)
{
    struct Case {
        const char* golden;
        std::string source;
        bool locked;
        std::string proxyHost;
        std::string proxyUser;
    };
    const Case cases[] = {
        {"preferences-default-source", UpdateServer::defaultRootUrl, false, "", "ignored-without-host"},
        {"preferences-local-locked", "/srv/zarni/", true, "", ""},
        {"preferences-mirror-proxy", "https://mirror.zarni.example/zarni/", false, "proxy.zarni.example", ""},
        {"preferences-proxy-credentials", "https://mirror.zarni.example/zarni/", false, "proxy.zarni.example",
         "operator"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        protocol.reset();
        BackendProtocol::Preferences preferences;
        preferences.sourceUrl = c.source;
        preferences.targetDirectory = "/opt/zarni & co";
        preferences.proxyHost = c.proxyHost;
        preferences.proxyPort = 3128;
        preferences.proxyUser = c.proxyUser;
        preferences.proxyPassword = "proxy-secret";
        protocol.sendPreferences(preferences, c.locked);
        const std::string printed = printedReply(protocol.document());
        expectGolden(protocol.document(), c.golden);
        EXPECT_EQ(printed.find("proxy-secret"), std::string::npos) << "the stored password went to the pages";
    }
}

// The catalogue of tests/data/backend-protocol/catalogue on Debian 12 with zarni
// 1.0 installed.
class ReleasesList : public BackendProtocolData {
protected:
    void SetUp() override
    {
        BackendProtocolData::SetUp();
        addRecord(repository, "zarni-base", "1.0.0");
        builds = catalogue.read();
        builds->checkReleasesState(&repository, debian12());
        installed = builds->getRelease("zarni-1.0");
        ASSERT_TRUE(installed);
        installed->addComponentName("mail");
        for (const BuildPtr& build : installed->builds()) build->setUninstallSupport(true);
    }

    LocalCatalogue catalogue{std::string(KW_TEST_DATA_DIR) + "/backend-protocol/catalogue"};
    Repository repository;
    std::unique_ptr<BuildManager> builds;
    ReleasePtr installed;
};

TEST_F(ReleasesList, GroupedByProductWithTypesAndTheFeedbackFlag)
{
    InstTypes types;
    InstTypes::InstType full;
    full.names = {"Full"};
    full.description = "Everything <all>";
    full.kind = InstTypes::kindFull;
    InstTypes::InstType custom;
    custom.names = {"Custom", "Own"};
    custom.description = "Your choice";
    custom.kind = InstTypes::kindCustom;
    types.add(*builds->getRelease("zarni-1.1"), full);
    types.add(*builds->getRelease("zarni-1.1"), custom);

    const int failures = withPrivateVarAndOpt([&] {
        ChildChecks check;
        auto compare = [&](const char* golden) {
            const std::string difference = goldenDifference(protocol.document(), golden);
            check(difference.empty(), difference);
        };
        // Nothing selected: the latest release is the selected one, and the
        // operator has not decided about feedback yet.
        protocol.reset();
        protocol.sendReleasesList(*builds, &types, debian12());
        compare("releases-undecided");

        Feedback::setEnabled(false);
        builds->selectRelease("zarni", "zarni-1.0");
        protocol.reset();
        protocol.sendReleasesList(*builds, &types, debian12());
        compare("releases-installed-selected");

        builds->selectRelease("zarni", "zarni-1.1");
        protocol.reset();
        protocol.sendReleasesList(*builds, &types, debian12());
        compare("releases-with-types");
        protocol.reset();
        protocol.sendReleasesList(*builds, nullptr, debian12());
        compare("releases-without-types");
        return check.failures();
    });
    if (failures == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace";
    EXPECT_EQ(failures, 0);
}

TEST_F(ReleasesList, InstallationTypesNeedAReleaseAndData)
{
    InstTypes types;
    TiXmlElement release("release");
    EXPECT_THROW(protocol.appendReleaseInstallTypes(&release, ReleasePtr(), &types), error);
    EXPECT_THROW(protocol.appendReleaseInstallTypes(&release, installed, nullptr), error);
    protocol.appendReleaseInstallTypes(&release, installed, &types);
    EXPECT_EQ(release.FirstChildElement(), nullptr) << "a product without types gets no element";
}

TEST_F(ReleasesList, Progress)
{
    builds->selectRelease("zarni", "zarni-1.1");
    EXPECT_THROW(protocol.sendProgress("", false, false, builds.get()), error) << "no installation";

    ProductsProgress progress;
    struct Case {
        const char* golden;
        bool finished;
        bool success;
    };
    // Before any package was counted: the selected releases.
    for (const Case& c : {Case{"progress-waiting", false, false}, Case{"progress-completed", true, true},
                          Case{"progress-failed", true, false}}) {
        SCOPED_TRACE(c.golden);
        protocol.reset();
        protocol.sendProgress("Preparing\nthe <installation> & more", c.finished, c.success, builds.get());
        expectGolden(protocol.document(), c.golden);
    }

    const ReleasePtr release = builds->getRelease("zarni-1.1");
    progress.add_product_package(release, "zarni-base");
    progress.add_product_package(release, "zarni-web");
    progress.setStarted();
    progress.set_progress(ProductsProgress::stageInstalled, "zarni-base");
    progress.set_progress(ProductsProgress::stageDownloaded, "zarni-web");
    protocol.reset();
    protocol.sendProgress("Unpacking zarni-base\n", false, false, builds.get());
    expectGolden(protocol.document(), "progress-in-progress");
    protocol.reset();
    protocol.sendProgress("Done\n", true, true, builds.get());
    expectGolden(protocol.document(), "progress-finished-entries");
}

TEST_F(BackendProtocolData, PreExamineBestWithLogAndData)
{
    protocol.sendPreExamine(
        {{"disk-space", "1 GB free\n", "Needs <2 GB> & more", true}, {"ports", "", "Port 8447 is taken", false}});
    expectGolden(protocol.document(), "pre-examine");
    protocol.reset();
    protocol.sendPreExamine({});
    expectGolden(protocol.document(), "pre-examine-empty");

    protocol.reset();
    ReleasesCompatibilityChecker::SuggestionEntry entry;
    entry.productId = "zarni";
    entry.productName = "Zarni & Co";
    entry.version = "1.1.0";
    entry.suggestions = {{"tenebrin", "Tenebrin", "2.1.0", "2.0.0"}, {"loam", "Loam", "3", "1"}};
    protocol.sendBestWithInfo({entry});
    expectGolden(protocol.document(), "best-with");

    protocol.reset();
    protocol.sendLog("line one\nline <two> & \"three\"\n\x01");
    expectGolden(protocol.document(), "log");

    protocol.reset();
    protocol.sendData(std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!", 20) +
                      std::string(60, 'x'));
    expectGolden(protocol.document(), "data");
    protocol.reset();
    if (const auto raised = expectError([&] { protocol.sendData(""); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}

TEST(EncodeBase64, AgreesWithTheBase64ToolInCrLfLines)
{
    TempDir dir;
    for (const std::size_t size : {0u, 1u, 2u, 3u, 56u, 57u, 58u, 200u}) {
        SCOPED_TRACE(size);
        std::string bytes;
        for (std::size_t at = 0; at < size; ++at) bytes += static_cast<char>((at * 37 + 11) & 0xff);
        const std::string path = dir.path() + "/bytes";
        writeFileWithDirectories(path, bytes);
        // base64 ends every line, the last one too, with a line feed.
        std::string expected;
        for (char c : commandOutput("base64 -w 76 " + path))
            expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
        std::string encoded = "kept:";
        encodeBase64(bytes, encoded);
        ASSERT_EQ(encoded.compare(0, 5, "kept:"), 0);
        encoded.erase(0, 5);
        const std::size_t characters = (size + 2) / 3 * 4;
        if (characters != 0 && characters % 76 != 0) {
            // Only a full last line ends with its line break.
            ASSERT_GE(expected.size(), 2u);
            expected.resize(expected.size() - 2);
        }
        EXPECT_EQ(encoded, expected);
    }
    std::string abc;
    encodeBase64("abc", abc);
    EXPECT_EQ(abc, "YWJj");
}

}  // namespace
