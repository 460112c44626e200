#include "installer/reporters/ProductsReporter.h"

#include "common/Messages.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/XmlLint.h"
#include "tests/installer/reporters/CatalogueAnswers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string header = "--- prod_id  (description) ---" + blanks(23) + "\n";

// Two releases of one product give one line; the id column is 12 wide and a
// longer id pushes the rest of its line to the right.
TEST_F(TwoProducts, ProductsTableListsEachProductOnce)
{
    const ProductsReporter reporter(0, builds.get());
    EXPECT_EQ(text(reporter), header + "zarni        (Zarni & \"Co\")" + blanks(26) + "\n" +
                                  "tenebrin-extended (Tenebrin <Extended>)" + blanks(19) + "\n");
}

TEST_F(TwoProducts, ProductsXmlReadsBackTheNames)
{
    const std::string line = xml(ProductsReporter(0, builds.get()));
    EXPECT_EQ(line, std::string(declaration) +
                        "<kitwright status=\"ok\"><products>"
                        // TinyXML quotes a value holding a double quote with single quotes.
                        "<product id=\"zarni\" description='Zarni &amp; &quot;Co&quot;' />"
                        "<product id=\"tenebrin-extended\" description=\"Tenebrin &lt;Extended&gt;\" />"
                        "</products></kitwright>\n");
    const XmlLint lint(line);
    ASSERT_EQ(lint.complaints(), "");
    EXPECT_EQ(lint.attribute("/kitwright/products/product[1]", "description"), "Zarni & \"Co\"");
    EXPECT_EQ(lint.attribute("/kitwright/products/product[2]", "description"), "Tenebrin <Extended>");
}

// The product selection narrows the releases answer only.
TEST_F(TwoProducts, ProductsIgnoreTheProductSelection)
{
    request.options().productSelections = {Options::ProductSelection("zarni", Options::ProductSelection::latest)};
    EXPECT_NE(xml(ProductsReporter(0, builds.get())).find("tenebrin-extended"), std::string::npos);
}

TEST_F(TwoProducts, NoKeptReleaseIsAnErrorStatus)
{
    builds->cropReleasesByTags({"no-such-tier"}, {});
    ASSERT_TRUE(builds->getReleases(0).empty());
    const ProductsReporter reporter(0, builds.get());
    const std::string message = Messages::get("releases_reporter_list_empty");
    EXPECT_EQ(text(reporter), "\nERROR: " + message + "\n");
    EXPECT_EQ(xml(reporter),
              std::string(declaration) + "<kitwright status=\"error\" error_message=\"" + message + "\" />\n");
}

// An upgrade needs a target: the table shows the choice, then the command is
// refused; in XML nothing but the error.
TEST_F(CleanDemo, AnUpgradeWithoutAProductShowsTheTableThenFails)
{
    request.options().commandKind = Options::commandUpgrade;
    const ProductsReporter reporter(0, loaded.manager.get());
    const std::string expected =
        Messages::get("err_cmd_upgrade_no_smth") + Messages::get("err_cmd_upgrade_no_product") + "\n";

    std::ostringstream out;
    expectError([&] { out << reporter; }, {2, 1, 1, 2}, expected);
    EXPECT_EQ(out.str(), header + "zarni        (Zarni)" + blanks(33) + "\n");

    std::ostringstream xmlOut;
    xmlOutput = true;
    expectError([&] { xmlOut << reporter; }, {2, 1, 1, 2}, expected);
    xmlOutput = false;
    EXPECT_EQ(xmlOut.str(), "");
}

TEST(ProductsReporter, NoBuildManagerIsTheNullPointerError)
{
    ReporterOutput output;
    if (const auto failed = expectError([] { ReporterOutput::text(ProductsReporter(0, nullptr)); })) {
        EXPECT_EQ(failed->errorClass(), 3);
    }
}

}  // namespace
