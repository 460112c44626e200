#include "installer/reporters/ToInstallReleasesReporter.h"

#include "tests/common/ErrorExpectations.h"
#include "tests/installer/reporters/CatalogueAnswers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "selected " keeps its blank, so two blanks come before the product id; an
// installable release ends with a blank before the line end. A release neither
// selected nor installed is not listed.
TEST_F(TwoProducts, SelectedAndInstalledReleases)
{
    Repository installed;
    addRecord(installed, "zarni-base", "1.0.0-1");
    builds->checkReleasesState(&installed, debian12());
    builds->selectRelease("zarni", "zarni-1.1");
    const ToInstallReleasesReporter reporter(0, builds.get());
    EXPECT_EQ(text(reporter), "installed zarni zarni-1.0 up2date \n"
                              "selected  zarni zarni-1.1 update \n");
    // Text whatever the output setting.
    EXPECT_EQ(xml(reporter), text(reporter));

    builds->selectRelease("tenebrin-extended", "tenebrin-2.0");
    EXPECT_EQ(text(reporter), "installed zarni zarni-1.0 up2date \n"
                              "selected  zarni zarni-1.1 update \n"
                              "selected  tenebrin-extended tenebrin-2.0 install \n");
}

// Release 1.0 cannot be installed over the installed 1.1: it has no update
// mode to name, and the summary of the error report still gets its line.
TEST_F(InstalledDemo, AReleaseThatCannotBeInstalled)
{
    const ReleasePtr older = loaded.manager->getRelease("zarni-1.0");
    ASSERT_FALSE(older->isActual());
    older->setSelected(true);
    EXPECT_EQ(text(ToInstallReleasesReporter(0, loaded.manager.get())),
              "selected  zarni zarni-1.0 none (not installable)\n"
              "selected  zarni zarni-1.1 update \n");
}

TEST_F(TwoProducts, AnUncheckedReleaseIsAnInternalError)
{
    LocalCatalogue unchecked(std::string(KW_TEST_DATA_DIR) + "/reporters/two-products");
    const std::unique_ptr<BuildManager> fresh = unchecked.read();
    fresh->selectRelease("zarni", "zarni-1.0");
    if (const auto failed = expectError([&] { text(ToInstallReleasesReporter(0, fresh.get())); })) {
        EXPECT_EQ(failed->errorClass(), 3);
    }
    if (const auto failed = expectError([] { text(ToInstallReleasesReporter(0, nullptr)); })) {
        EXPECT_EQ(failed->errorClass(), 3);
    }
}

}  // namespace
