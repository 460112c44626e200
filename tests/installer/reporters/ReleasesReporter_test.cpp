#include "installer/reporters/ReleasesReporter.h"

#include "common/Messages.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/XmlLint.h"
#include "tests/installer/reporters/CatalogueAnswers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string header = "--- prod_id  release_id" + blanks(11) + "(description)" + blanks(27) + " (tiers) ---\n";
const std::string zarni10 = "zarni        zarni-1.0" + blanks(12) + "(Zarni 1.0)" + blanks(29) + " (stable)\n";
// Hidden from queries in any case: no tiers.
const std::string zarni11 = "zarni        zarni-1.1" + blanks(12) + "(Zarni 1.1)" + blanks(29) + "\n";
const std::string tenebrin = "tenebrin-extended tenebrin-2.0" + blanks(9) + "(Tenebrin 2.0)" + blanks(26) + " (stable)\n";

TEST_F(TwoProducts, ReleasesTableInBothModes)
{
    for (int mode : {ReleasesReporter::modeList, ReleasesReporter::modeUpdates}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(text(ReleasesReporter(0, builds.get(), mode)), header + zarni10 + zarni11 + tenebrin);
    }
}

TEST_F(TwoProducts, ReleasesXmlList)
{
    const std::string line = xml(ReleasesReporter(0, builds.get(), ReleasesReporter::modeList));
    EXPECT_EQ(line, std::string(declaration) +
                        "<kitwright status=\"ok\"><releases>"
                        "<release id=\"zarni-1.0\" codename=\"Alder\" action=\"install\">"
                        "<description>Zarni 1.0</description><version>1.0.0</version>"
                        "<whp_api_version>1.5</whp_api_version><dispatcher_api_version>2.0</dispatcher_api_version>"
                        "</release>"
                        "<release id=\"zarni-1.1\" codename=\"Birch &amp; Cedar\" action=\"install\">"
                        "<description>Zarni 1.1</description><version>1.1.0</version></release>"
                        "<release id=\"tenebrin-2.0\" codename=\"Oak\" action=\"install\">"
                        "<description>Tenebrin 2.0</description><version>1:2.0.0</version></release>"
                        "</releases></kitwright>\n");
    const XmlLint lint(line);
    ASSERT_EQ(lint.complaints(), "");
    EXPECT_EQ(lint.attribute("/kitwright/releases/release[2]", "codename"), "Birch & Cedar");
}

TEST_F(TwoProducts, TheProductSelectionNarrowsTheReleases)
{
    request.options().productSelections = {
        Options::ProductSelection("tenebrin-extended", Options::ProductSelection::latest)};
    EXPECT_EQ(text(ReleasesReporter(0, builds.get(), ReleasesReporter::modeList)), header + tenebrin);
    const XmlLint lint(xml(ReleasesReporter(0, builds.get(), ReleasesReporter::modeList)));
    EXPECT_EQ(lint.value("count(/kitwright/releases/release)"), "1");
    EXPECT_EQ(lint.attribute("/kitwright/releases/release", "id"), "tenebrin-2.0");
}

TEST_F(TwoProducts, NoKeptReleaseByMode)
{
    builds->cropReleasesByTags({"no-such-tier"}, {});
    ASSERT_TRUE(builds->getReleases(0).empty());
    const std::string noUpdates = Messages::get("releases_reporter_no_updates");
    const std::string empty = Messages::get("releases_reporter_list_empty");
    EXPECT_EQ(text(ReleasesReporter(0, builds.get(), ReleasesReporter::modeUpdates)), "\n" + noUpdates + "\n");
    EXPECT_EQ(text(ReleasesReporter(0, builds.get(), ReleasesReporter::modeList)), "\nERROR: " + empty + "\n");
    EXPECT_EQ(xml(ReleasesReporter(0, builds.get(), ReleasesReporter::modeUpdates)),
              std::string(declaration) + "<kitwright status=\"ok\" error_message=\"" + noUpdates + "\" />\n");
}

// The updates check leaves out the installed, current release; the installed
// release with component updates is marked as a major update.
TEST_F(TwoProducts, UpdatesCheckInXml)
{
    Repository installed;
    addRecord(installed, "zarni-base", "1.0.0-1");
    builds->checkReleasesState(&installed, debian12());
    const ReleasePtr current = builds->getRelease("zarni-1.0");
    ASSERT_TRUE(current->isInstalled());
    const ReleasesReporter updates(0, builds.get(), ReleasesReporter::modeUpdates);

    const std::string line = xml(updates);
    EXPECT_EQ(line, std::string(declaration) +
                        "<kitwright status=\"ok\"><releases>"
                        "<release id=\"zarni-1.1\" codename=\"Birch &amp; Cedar\" action=\"update\">"
                        "<description>Zarni 1.1</description><version>1.1.0</version></release>"
                        "<release id=\"tenebrin-2.0\" codename=\"Oak\" action=\"install\">"
                        "<description>Tenebrin 2.0</description><version>1:2.0.0</version></release>"
                        "</releases></kitwright>\n");
    // The list names it with its action.
    const XmlLint listed(xml(ReleasesReporter(0, builds.get(), ReleasesReporter::modeList)));
    EXPECT_EQ(listed.attribute("/kitwright/releases/release[@id='zarni-1.0']", "action"), "up2date");

    current->setHasUpdates();
    const XmlLint withUpdates(xml(updates));
    ASSERT_EQ(withUpdates.complaints(), "");
    EXPECT_EQ(withUpdates.value("count(/kitwright/releases/release)"), "3");
    EXPECT_EQ(withUpdates.attribute("/kitwright/releases/release[1]", "id"), "zarni-1.0");
    EXPECT_EQ(withUpdates.attribute("/kitwright/releases/release[1]", "action"), "update");
    EXPECT_EQ(withUpdates.attribute("/kitwright/releases/release[1]", "update_grade"), "major");
    EXPECT_FALSE(withUpdates.hasAttribute("/kitwright/releases/release[2]", "update_grade"));
    // The list marks no grade.
    EXPECT_FALSE(XmlLint(xml(ReleasesReporter(0, builds.get(), ReleasesReporter::modeList)))
                     .hasAttribute("/kitwright/releases/release[1]", "update_grade"));

    // The text form lists every release in both modes.
    EXPECT_EQ(text(updates), text(ReleasesReporter(0, builds.get(), ReleasesReporter::modeList)));
}

// On the demo catalogue: release 1.1 is installed and some of its components
// have updates, while 1.0 cannot be installed over it.
TEST_F(InstalledDemo, UpdatesCheckOfTheDemoSystem)
{
    const XmlLint updates(xml(ReleasesReporter(0, loaded.manager.get(), ReleasesReporter::modeUpdates)));
    ASSERT_EQ(updates.complaints(), "");
    EXPECT_EQ(updates.attribute("/kitwright/releases/release[@id='zarni-1.1']", "action"), "update");
    EXPECT_EQ(updates.attribute("/kitwright/releases/release[@id='zarni-1.1']", "update_grade"), "major");
    EXPECT_EQ(updates.attribute("/kitwright/releases/release[@id='zarni-1.0']", "action"), "none");
    EXPECT_FALSE(updates.hasAttribute("/kitwright/releases/release[@id='zarni-1.0']", "update_grade"));
}

TEST_F(CleanDemo, AnUpgradeWithoutAReleaseShowsTheTableThenFails)
{
    request.options().commandKind = Options::commandUpgrade;
    const ReleasesReporter reporter(0, loaded.manager.get(), ReleasesReporter::modeList);
    const std::string expected =
        Messages::get("err_cmd_upgrade_no_smth") + Messages::get("err_cmd_upgrade_no_release") + "\n";

    std::ostringstream out;
    expectError([&] { out << reporter; }, {2, 1, 1, 2}, expected);
    EXPECT_EQ(out.str().substr(0, header.size()), header);
    EXPECT_NE(out.str().find("zarni-1.1"), std::string::npos);

    std::ostringstream xmlOut;
    xmlOutput = true;
    expectError([&] { xmlOut << reporter; }, {2, 1, 1, 2}, expected);
    xmlOutput = false;
    EXPECT_EQ(xmlOut.str(), "");
}

}  // namespace
