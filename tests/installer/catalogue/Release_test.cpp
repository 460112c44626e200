#include "installer/catalogue/Release.h"

#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/Repository.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/ScopedLocale.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

namespace {

// A release of "zarni" 18.0.59, upgradable from 17.0, with a build for the test
// system and one for another.
ReleasePtr zarniRelease(const std::string& version = "18.0.59")
{
    const ReleasePtr release = makeRelease(makeProduct("zarni", {{"zarni-base"}}), "zarni-" + version, version, "17.0");
    addBuild(release, "Ubuntu", "22.04", "x86_64", "", "ubuntu.inf3");
    addBuild(release, "Debian", "12", "x86_64", "", "debian.inf3");
    return release;
}

TEST(Release, InstalledVersionComesFromInstalledKeyPackagesOnly)
{
    struct Case {
        const char* name;
        Product::KeyPackages keyPackages;
        const char* expected;
    } cases[] = {
        {"first installed name of the first group", {{"a", "b"}, {"c"}}, "2.0"},
        {"later group when the first has nothing installed", {{"a"}, {"c"}}, "3:3.0"},
        {"offered and catalogue records do not count", {{"offered"}}, ""},
        {"nothing installed", {{"a"}, {"missing"}}, ""},
    };
    Repository repository;
    addRecord(repository, "b", "1.0-1");
    addRecord(repository, "b", "2.0-1");  // the highest installed version wins
    addRecord(repository, "b", "9.0-1", 'u');
    addRecord(repository, "c", "3:3.0-7");
    addRecord(repository, "offered", "5.0-1", 'u');
    addRecord(repository, "offered", "5.0-1", 'b');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReleasePtr release = makeRelease(makeProduct("p", c.keyPackages), "p-1", "1.0");
        EXPECT_EQ(release->calculate_current_release(&repository), c.expected);
    }
}

TEST(Release, StateAndUpdateModeAgainstTheInstalledSystem)
{
    const int notActual = Release::stateNotActual;
    const int actual = Release::stateActual;
    struct Case {
        const char* name;
        const char* installed;  // version of the installed key package, "" for none
        int state;
        int updateMode;  // meaningful for actual releases
        bool isInstalled;
        const char* modeName;
        const char* actionName;
    } cases[] = {
        {"not installed", "", actual, Release::updateInstall, false, "install", "install"},
        {"installed older, same major version", "18.0.40-3", actual, Release::updateMinor, false, "update", "upgrade"},
        {"installed older major version", "17.8.11-1", actual, Release::updateMajor, false, "upgrade", "upgrade"},
        {"installed same version", "18.0.59-2", actual, Release::updateInstalled, true, "up2date", "up2date"},
        {"installed newer", "18.1.1-1", notActual, 0, false, nullptr, nullptr},
        {"installed below upgrade-allowed-from", "16.5-1", notActual, 0, false, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Repository repository;
        addRecord(repository, "unrelated", "99-1");
        if (*c.installed) addRecord(repository, "zarni-base", c.installed);
        const ReleasePtr release = zarniRelease();
        release->checkState(&repository, debian12());

        EXPECT_EQ(release->state(), c.state);
        EXPECT_EQ(release->isActual(), c.state == actual);
        EXPECT_EQ(release->isInstalled(), c.isInstalled);
        if (c.state == actual) {
            EXPECT_EQ(release->getUpdateMode(), c.updateMode);
            EXPECT_EQ(release->getUpdateModeName(), c.modeName);
            EXPECT_EQ(release->getActionName(), c.actionName);
        } else {
            // Asking what a release that cannot be installed would do is a fault.
            if (const auto raised = expectError([&] { release->getUpdateMode(); })) {
                EXPECT_EQ(raised->errorClass(), 3);
            }
            if (const auto raised = expectError([&] { release->getUpdateModeName(); })) {
                EXPECT_EQ(raised->text(), "release zarni-18.0.59 name: update mode is not calculated.\n");
            }
        }
    }
}

TEST(Release, StateLogLines)
{
    struct Case {
        const char* name;
        const char* installed;
        const char* system;
        const char* log;
    } cases[] = {
        {"too old", "19.0-1", "Debian",
         "Release zarni-18.0.59 is too old: 19.0 is installed.\n"},
        {"too new", "16.0-1", "Debian",
         "Release zarni-18.0.59 is too new: upgrade is allowed starting from 17.0 version\n"},
        {"no build", "", "CentOS",
         "Release zarni-18.0.59 contains no build for this OS\n"},
        {"not installed", "", "Debian",
         "Release zarni-18.0.59 is actual\nRelease zarni-18.0.59 is currently not installed\n"},
        {"installed", "18.0.59-1", "Debian",
         "Release zarni-18.0.59 is actual\nRelease zarni-18.0.59 is currently installed\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Repository repository;
        if (*c.installed) addRecord(repository, "zarni-base", c.installed);
        const ReleasePtr release = zarniRelease();
        repository.findInstalled("zarni-base");  // the repository logs the building of its index
        CapturedLog log(3);
        release->checkState(&repository, Opsys("Linux", c.system, "12.5", "x86_64", ""));
        EXPECT_EQ(log.text(), c.log);
    }
}

TEST(Release, ReleaseWithoutBuildForTheSystemIsNotActualEvenWhenInstalled)
{
    Repository repository;
    addRecord(repository, "zarni-base", "18.0.59-1");
    const ReleasePtr release = zarniRelease();
    release->checkState(&repository, Opsys("Linux", "CentOS", "7.9", "x86_64", ""));
    EXPECT_FALSE(release->isActual());
    EXPECT_TRUE(release->isInstalled()) << "the installed version is still known";
    if (const auto raised = expectError([&] { release->getActionName(); })) {
        EXPECT_EQ(raised->text(), "release zarni-18.0.59 name: update mode is not calculated.\n");
    }
}

TEST(Release, CheckingAgainFollowsTheSystem)
{
    Repository repository;
    const ReleasePtr release = zarniRelease();
    release->checkState(&repository, debian12());
    EXPECT_EQ(release->getUpdateMode(), Release::updateInstall);

    addRecord(repository, "zarni-base", "18.0.59-1");
    release->checkState(&repository, debian12());
    EXPECT_EQ(release->installedVersion(), "18.0.59");
    EXPECT_EQ(release->getUpdateMode(), Release::updateInstalled);
}

TEST(Release, QuestionsBeforeTheCheckAreInternalErrors)
{
    const ReleasePtr release = zarniRelease();
    const std::function<void()> calls[] = {
        [&] { release->isActual(); },        [&] { release->isInstalled(); },
        [&] { release->getUpdateMode(); },   [&] { release->getTiersText(); },
        [&] { release->getCaution(); },      [&] { release->isVisible(Release::hideCli, false); },
    };
    for (const auto& call : calls) {
        expectError(call, {3, 1, 1, 3}, "release zarni-18.0.59 name installation state not checked yet\n");
    }
}

TEST(Release, NoRepositoryOrNoKeyPackagesIsInternalError)
{
    Repository repository;
    if (const auto raised = expectError([&] { zarniRelease()->calculate_current_release(nullptr); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
    const ReleasePtr noKeys = makeRelease(makeProduct("p", {}), "p-1", "1.0");
    if (const auto raised = expectError([&] { noKeys->calculate_current_release(&repository); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
    const ReleasePtr emptyFirst = makeRelease(makeProduct("p", {{}, {"a"}}), "p-1", "1.0");
    if (const auto raised = expectError([&] { emptyFirst->calculate_current_release(&repository); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}

class InstalledRelease : public ::testing::Test {
protected:
    void SetUp() override
    {
        addRecord(repository, "zarni-base", "18.0.59-1");
        installed->setCaution("Read the notes first.");
        installed->setTierText("stable");
        installed->checkState(&repository, debian12());
        newer->setCaution("Read the notes first.");
        newer->setTags("Testing, beta");
        newer->checkState(&repository, debian12());
    }

    Repository repository;
    ReleasePtr installed = zarniRelease("18.0.59");
    ReleasePtr newer = zarniRelease("18.0.60");
};

TEST_F(InstalledRelease, UpdatesAndComponentNamesOnlyForTheInstalledRelease)
{
    installed->addComponentName("web");
    newer->addComponentName("mail");
    newer->setHasUpdates();
    EXPECT_FALSE(newer->hasUpdates()) << "an actual release that is not installed";
    EXPECT_EQ(newer->getUpdateModeName(), "update");
    EXPECT_TRUE(newer->componentNames().empty());

    EXPECT_EQ(installed->getUpdateModeName(), "up2date");
    installed->setHasUpdates();
    EXPECT_TRUE(installed->hasUpdates());
    EXPECT_EQ(installed->getUpdateModeName(), "update");
    EXPECT_EQ(installed->getActionName(), "update");
    EXPECT_EQ(installed->componentNames(), std::vector<std::string>{"web"});
}

TEST_F(InstalledRelease, TiersTextAndCaution)
{
    EXPECT_EQ(installed->getTiersText(), "currently installed");
    EXPECT_EQ(installed->getCaution(), "");
    EXPECT_EQ(newer->getTiersText(), "beta,testing");
    newer->setTierText("testing");
    EXPECT_EQ(newer->getTiersText(), "testing");
    EXPECT_EQ(newer->getCaution(), "Read the notes first.");

    const ReleasePtr untagged = zarniRelease("18.0.61");
    untagged->checkState(&repository, debian12());
    EXPECT_EQ(untagged->getTiersText(), "stable");
}

TEST_F(InstalledRelease, Visibility)
{
    const int cli = Release::hideCli;
    const int web = Release::hideWeb;
    struct Case {
        const char* name;
        std::int32_t policy;
        bool ownTags;
        int context;
        bool filtered;
        bool visible;
    } cases[] = {
        {"no policy", 0, false, cli, true, true},
        {"policy for another context", web | Release::hideInAnyCase, true, cli, true, true},
        {"context word alone hides nothing", cli, true, cli, true, true},
        {"in any case", cli | Release::hideInAnyCase, true, cli, false, false},
        {"filtered hides in a filtered listing", cli | Release::hideFiltered, true, cli, true, false},
        {"filtered shows in an unfiltered listing", cli | Release::hideFiltered, true, cli, false, true},
        {"nonfiltered hides in an unfiltered listing", cli | Release::hideNonfiltered, true, cli, false, false},
        {"nonfiltered shows in a filtered listing", cli | Release::hideNonfiltered, true, cli, true, true},
        {"autoassigned hides a release without tags", Release::hideAll | Release::hideAutoassigned, false, web,
         true, false},
        {"autoassigned shows a release with tags", Release::hideAll | Release::hideAutoassigned, true, web, false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReleasePtr release = zarniRelease("18.0.70");
        if (c.ownTags) release->setTags("stable");
        release->setHidePolicy(c.policy);
        release->checkState(&repository, debian12());
        EXPECT_EQ(release->isVisible(c.context, c.filtered), c.visible);
    }

    // The installed release is always shown.
    installed->setHidePolicy(Release::hideAll | Release::hideInAnyCase);
    for (int context : {cli, web, int(Release::hideQuery), int(Release::hideOther)}) {
        EXPECT_TRUE(installed->isVisible(context, true));
        EXPECT_TRUE(installed->isVisible(context, false));
    }
}

TEST(Release, BestBuildIsLogged)
{
    const ReleasePtr release = zarniRelease();
    {
        CapturedLog log(3);
        const BuildPtr best = release->getBestBuild(debian12());
        ASSERT_TRUE(best);
        EXPECT_EQ(best->config(), "debian.inf3");
        EXPECT_EQ(log.text(),
                  "Select best build of zarni-18.0.59 for current OS\n"
                  "DEBUG: BuildList::getBestBuild for 'Debian' 'Linux' '12.5' 'x86_64'\n"
                  "DEBUG: build for Linux Ubuntu 22.04 x86_64 (ubuntu.inf3) is not compatible\n"
                  "The getBestBuild function has selected the build debian.inf3 for installation.\n");
    }
    CapturedLog log(3);
    EXPECT_FALSE(release->getBestBuild(Opsys("Linux", "CentOS", "7.9", "x86_64", "")));
    EXPECT_EQ(log.text().find("has selected"), std::string::npos) << "no selection line without a build";
}

TEST(Release, NotDeprecatedBuild)
{
    struct Case {
        const char* name;
        const char* deprecated;
        const char* vendor;
        bool expected;
    } cases[] = {
        {"fitting build", "", "Debian", true},
        {"deprecated build", "true", "Debian", false},
        {"capital TRUE does not deprecate", "TRUE", "Debian", true},
        {"no fitting build", "", "Ubuntu", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReleasePtr release = makeRelease(makeProduct("zarni"), "r", "18.0");
        addBuild(release, c.vendor, "12", "x86_64", "", "b.inf3", c.deprecated);
        EXPECT_EQ(release->hasNotDeprecatedBuild(debian12()), c.expected);
    }
}

TEST(Release, IncompatibilityIsDeclaredByTheProduct)
{
    const ReleasePtr panel = makeRelease(makeProduct("zarni", {{"zarni-base"}}, {"rival"}), "z", "18.0");
    const ReleasePtr rival = makeRelease(makeProduct("rival"), "r", "1.0");
    EXPECT_TRUE(panel->isIncompatibleWith(*rival));
    EXPECT_FALSE(rival->isIncompatibleWith(*panel));
}

TEST(Release, BestWithKeepsRepeatedPairs)
{
    const ReleasePtr release = zarniRelease();
    release->addBestWith("sso", "2.0");
    release->addBestWith("loamfeather", "1.0");
    release->addBestWith("sso", "2.1");
    release->addBestWith("sso", "2.0");
    const auto sso = release->bestWith().equal_range("sso");
    std::vector<std::string> versions;
    for (auto it = sso.first; it != sso.second; ++it) versions.push_back(it->second);
    EXPECT_EQ(versions, (std::vector<std::string>{"2.0", "2.1", "2.0"}));
    EXPECT_EQ(release->bestWith().begin()->first, "loamfeather") << "ordered by product id";
}

TEST(Release, PrintsNameOrId)
{
    std::ostringstream named;
    named << *zarniRelease();
    EXPECT_EQ(named.str(), "zarni-18.0.59 name");
    std::ostringstream unnamed;
    unnamed << Release(makeProduct("zarni"), "r-id", "", "", Version("1"), Version("0"));
    EXPECT_EQ(unnamed.str(), "r-id");
}

TEST(Release, NullProductIsInternalError)
{
    if (const auto raised = expectError([] { Release(ProductPtr(), "r", "n", "", Version("1"), Version("0")); })) {
        EXPECT_EQ(raised->errorClass(), 3);
    }
}

}  // namespace

// The details URL names the operator's language.
TEST(Release, DetailsUrlWithTheLocale)
{
    const ScopedLocale english("en_US.UTF-8");
    const ReleasePtr release = zarniRelease();
    EXPECT_EQ(release->getDetailsUrl(), "");
    release->setDetailsUrl("https://www.zarni.example/[LOCALE]/notes/[version]");
    EXPECT_EQ(release->getDetailsUrl(), "https://www.zarni.example/en-US/notes/[version]");
    EXPECT_EQ(release->detailsUrl(), "https://www.zarni.example/[LOCALE]/notes/[version]");
}
