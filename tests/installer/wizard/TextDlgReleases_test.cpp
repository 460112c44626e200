#include "installer/wizard/TextDlgReleases.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/startup/Feedback.h"
#include "installer/wizard/TextDlgAdvSettings.h"
#include "installer/wizard/TextDlgMaker.h"

#include "common/Messages.h"
#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
    return text;
}

// One of the catalogues of tests/data/wizard, read and checked against the
// installed packages given, on Debian 12 unless told otherwise.
class WizardCatalogue {
public:
    WizardCatalogue(const std::string& name, const std::vector<std::pair<const char*, const char*>>& installed,
                    const Opsys& system = debian12())
        : catalogue_(std::string(KW_TEST_DATA_DIR) + "/wizard/" + name), system_(system)
    {
        // The tier texts ask the process-wide options whether a tier filter is on.
        processOptions();
        manager_ = catalogue_.read();
        for (const auto& package : installed) addRecord(repository_, package.first, package.second);
        manager_->checkReleasesState(&repository_, system_);
    }

    BuildManager& manager() { return *manager_; }
    Repository& repository() { return repository_; }
    std::unique_ptr<TextDlgReleases> page(TextConsole& console, bool showAllReleases = false)
    {
        return std::make_unique<TextDlgReleases>(console, *manager_, repository_, showAllReleases, system_);
    }
    std::string selected() const { return joined(manager_->getSelectedReleaseIds()); }

private:
    LocalCatalogue catalogue_;
    Opsys system_;
    Repository repository_;
    std::unique_ptr<BuildManager> manager_;
};

const char* feedbackState()
{
    switch (Feedback::state()) {
    case Feedback::enabled:
        return "enabled";
    case Feedback::disabled:
        return "disabled";
    case Feedback::undecided:
        break;
    }
    return "undecided";
}

TEST(TextDlgReleases, OneProductWithOneSelectedReleaseIsNotDrawn)
{
    const auto texts = inPrivateVar([] {
        WizardCatalogue catalogue("one-release", {});
        catalogue.manager().selectDefaultRelease();
        ScriptedConsole console({""});
        const int first = catalogue.page(console)->run();
        const std::string firstFeedback = feedbackState();
        const int second = catalogue.page(console)->run();
        return std::vector<std::string>{console.text(), std::to_string(first) + " " + firstFeedback + " " +
                                                            std::to_string(second) + " " + catalogue.selected()};
    });
    if (!texts) GTEST_SKIP() << "private mount namespaces are refused here";
    ASSERT_EQ(texts->size(), 2u) << texts->front();
    EXPECT_SCREEN_TEXT((*texts)[0], "releases-preselected.txt");
    EXPECT_EQ((*texts)[1], "200 enabled 200 zarni-1.0") << "the feedback question came once";
}

TEST(TextDlgReleases, SeveralProductsOpenCloseAndSelectByNumber)
{
    const auto texts = inPrivateVar([] {
        WizardCatalogue catalogue("several-products", {{"zarni-base", "1.0.0"}});
        ScriptedConsole console({"7", "1", "1", "3", "12", "x", "q"});
        const std::unique_ptr<TextDlgReleases> page = catalogue.page(console);
        const std::string preselected = catalogue.selected();
        // Tenebrin opens with its newest release for this system; Zarni closes
        // (nothing of it selected) and opens again with its installed release;
        // then one of its releases is chosen; a number past the rows and a
        // letter off the legend are refused.
        const int result = page->run();
        return std::vector<std::string>{console.text(),
                                        preselected + " / " + std::to_string(result) + " " + catalogue.selected()};
    });
    if (!texts) GTEST_SKIP() << "private mount namespaces are refused here";
    ASSERT_EQ(texts->size(), 2u) << texts->front();
    EXPECT_SCREEN_TEXT((*texts)[0], "releases-several-products.txt");
    EXPECT_EQ((*texts)[1], "zarni-1.0 / 202 zarni-2.1 tenebrin-3.0");
}

TEST(TextDlgReleases, AnUpdateOfTheInstalledCodenameIsOfferedAsTwoChoices)
{
    const auto texts = inPrivateVar([] {
        WizardCatalogue catalogue("update-offer", {{"zarni-base", "1.0.0"}});
        ScriptedConsole console({"1", "f", "n"});
        const int result = catalogue.page(console)->run();
        return std::vector<std::string>{console.text(),
                                        std::to_string(result) + " " + catalogue.selected() + " " + feedbackState()};
    });
    if (!texts) GTEST_SKIP() << "private mount namespaces are refused here";
    ASSERT_EQ(texts->size(), 2u) << texts->front();
    EXPECT_SCREEN_TEXT((*texts)[0], "releases-update-offer.txt");
    EXPECT_EQ((*texts)[1], "200 zarni-1.0.5 disabled");
}

TEST(TextDlgReleases, ShowAllReleasesListsEveryProductAndReleaseName)
{
    for (const char* catalogueName : {"update-offer", "several-products"}) {
        SCOPED_TRACE(catalogueName);
        WizardCatalogue catalogue(catalogueName, {{"zarni-base", "1.0.0"}});
        ScriptedConsole console({"b"});
        EXPECT_EQ(catalogue.page(console, true)->run(), DLG_BACK);
        EXPECT_SCREEN(console, std::string("releases-all-") + catalogueName + ".txt");
    }
}

TEST(TextDlgReleases, NoReleaseForTheSystem)
{
    // As with --override-os-version 99 on Debian.
    WizardCatalogue catalogue("several-products", {}, Opsys("Linux", "Debian", "99", "x86_64", ""));
    ScriptedConsole console({"1", "f", "", "q"});
    const std::unique_ptr<TextDlgReleases> page = catalogue.page(console);
    EXPECT_TRUE(page->rows().empty());
    EXPECT_EQ(page->run(), DLG_QUIT);
    EXPECT_SCREEN(console, "releases-unsupported-system.txt");
}

TEST(TextDlgReleases, SOpensTheSettingsPageWhenThereIsOne)
{
    WizardCatalogue catalogue("several-products", {{"zarni-base", "1.0.0"}});
    DlgAdvSettings::Settings settings;
    settings.source = "/mnt/media/";
    {
        SCOPED_TRACE("no settings page: S redraws");
        ScriptedConsole console({"s", "q"});
        EXPECT_EQ(catalogue.page(console)->run(), DLG_QUIT);
        EXPECT_EQ(console.text().find(Messages::get("settings_page_hdr")), std::string::npos);
    }
    {
        SCOPED_TRACE("back from the settings page, then quit there");
        ScriptedConsole console({"S", "", "s", "q"});
        TextDlgAdvSettings settingsPage(console, settings, "/root/.kitwrightrc");
        const std::unique_ptr<TextDlgReleases> page = catalogue.page(console);
        page->setAdvSettings(&settingsPage);
        EXPECT_EQ(page->run(), DLG_QUIT);
        EXPECT_EQ(console.unread(), 0u);
        const std::string& text = console.text();
        const std::string header = Messages::get("releases_page_hdr") + "\n";
        std::size_t draws = 0;
        for (std::size_t at = text.find(header); at != std::string::npos; at = text.find(header, at + 1)) ++draws;
        EXPECT_EQ(draws, 2u) << "drawn first and after the way back";
    }
}

TEST(TextDlgReleases, BackAndQuit)
{
    WizardCatalogue catalogue("several-products", {{"zarni-base", "1.0.0"}});
    for (const auto& c : {std::make_pair("b", DLG_BACK), std::make_pair("P", DLG_BACK), std::make_pair("Q", DLG_QUIT)}) {
        SCOPED_TRACE(c.first);
        ScriptedConsole console({c.first});
        EXPECT_EQ(catalogue.page(console)->run(), c.second);
    }
}

// --- The checks before going forward ---

class ReleaseChecks : public ::testing::Test {
protected:
    // Selects the releases (after the page preselected the installed Zarni
    // 1.0) and runs the checks with the answers given.
    bool check(const std::vector<std::string>& releaseIds, const std::vector<std::string>& answers)
    {
        console = std::make_unique<ScriptedConsole>(answers);
        const std::unique_ptr<TextDlgReleases> page = catalogue.page(*console);
        catalogue.manager().unselectAll();
        for (const std::string& id : releaseIds)
            catalogue.manager().selectRelease(catalogue.manager().getRelease(id)->product()->id, id);
        const bool passed = page->canContinue();
        EXPECT_EQ(console->unread(), 0u);
        return passed;
    }

    WizardCatalogue catalogue{"release-checks", {{"zarni-base", "1.0.0"}}};
    std::unique_ptr<ScriptedConsole> console;
};

TEST_F(ReleaseChecks, NothingSelected)
{
    EXPECT_FALSE(check({}, {""}));
    EXPECT_SCREEN(*console, "checks-nothing-selected.txt");
}

TEST_F(ReleaseChecks, AMajorUpgradeNeedsTheOperatorsYes)
{
    EXPECT_FALSE(check({"zarni-2.0"}, {"n"}));
    EXPECT_SCREEN(*console, "checks-major-upgrade-declined.txt");
    EXPECT_TRUE(check({"zarni-1.1"}, {})) << "a minor update asks nothing";
    EXPECT_TRUE(check({"zarni-1.0"}, {})) << "nor does the installed release";
}

TEST_F(ReleaseChecks, IncompatibleProductsAreRefusedWithAMessage)
{
    EXPECT_FALSE(check({"tenebrin-3.0", "loamfeather-1.0"}, {""}));
    EXPECT_SCREEN(*console, "checks-incompatible.txt");
}

TEST_F(ReleaseChecks, WarningsAskWhetherToContinue)
{
    EXPECT_TRUE(check({"zarni-2.0", "tenebrin-3.0"}, {"y", ""}));
    EXPECT_SCREEN(*console, "checks-warning-accepted.txt");
    EXPECT_FALSE(check({"zarni-2.0", "tenebrin-3.0"}, {"y", "n"}));
    EXPECT_TRUE(check({"zarni-2.0", "tenebrin-2.0"}, {"y"})) << "the version it works best with";
}

TEST_F(ReleaseChecks, ErrorsHideTheWarnings)
{
    EXPECT_FALSE(check({"zarni-2.0", "tenebrin-3.0", "loamfeather-1.0"}, {"y", ""}));
    EXPECT_EQ(console->text().find("works better"), std::string::npos) << console->text();
    EXPECT_NE(console->text().find("cannot be installed on the same server"), std::string::npos) << console->text();
}

TEST_F(ReleaseChecks, TwoSelectedReleasesOfOneProductAreAnInternalError)
{
    console = std::make_unique<ScriptedConsole>();
    const std::unique_ptr<TextDlgReleases> page = catalogue.page(*console);
    catalogue.manager().getRelease("zarni-1.1")->setSelected(true);
    catalogue.manager().getRelease("zarni-2.0")->setSelected(true);
    expectError([&] { page->canContinue(); }, {3, 1, 1, 3}, ::testing::HasSubstr("An internal error occured"));
}

}  // namespace
