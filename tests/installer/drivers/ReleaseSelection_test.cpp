#include "installer/drivers/ReleaseSelection.h"

#include "installer/catalogue/BuildManager.h"

#include "common/Messages.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/catalogue/LoadedCatalogue.h"
#include "tests/installer/options/ProcessOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// The demo catalogue (zarni-1.0 and zarni-1.1) read against a system with the
// given version of its key package installed ("" for none).
class DemoReleases {
public:
    explicit DemoReleases(const char* installed)
    {
        if (*installed) addRecord(catalogue.repository, "zarni-base", installed);
        catalogue.read(debian12());
    }
    BuildManager& builds() { return *catalogue.manager; }

    LoadedCatalogue catalogue{SourceUrl(demoCatalogueDirectory())};
};

// The options' product selections for one test, put back afterwards.
class ProductSelections {
public:
    explicit ProductSelections(const std::vector<Options::ProductSelection>& selections)
        : saved_(processOptions().productSelections)
    {
        processOptions().productSelections = selections;
    }
    ~ProductSelections() { processOptions().productSelections = saved_; }

private:
    std::vector<Options::ProductSelection> saved_;
};

typedef Options::ProductSelection Selector;

}  // namespace

TEST(ResolveReleaseSelector, EachKindOfSelector)
{
    const struct {
        const char* name;
        const char* installed;
        Selector selector;
        const char* expected;
    } cases[] = {
        {"latest, nothing installed", "", Selector("zarni", Selector::latest), "zarni-1.1"},
        {"latest, an older one installed", "1.0.0", Selector("zarni", Selector::latest), "zarni-1.1"},
        {"current", "1.0.0", Selector("zarni", Selector::current), "zarni-1.0"},
        {"current, the newest installed", "1.1.0", Selector("zarni", Selector::current), "zarni-1.1"},
        {"explicit", "", Selector("zarni", "zarni-1.0"), "zarni-1.0"},
        // An explicit id is taken as it is: selecting it checks it.
        {"explicit, unknown", "", Selector("zarni", "zarni-7.0"), "zarni-7.0"},
        {"latest of a product the catalogue lacks", "", Selector("tenebrin", Selector::latest), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DemoReleases demo(c.installed);
        EXPECT_EQ(resolveReleaseSelector(c.selector, demo.builds()), c.expected);
    }
}

TEST(ResolveReleaseSelector, CurrentReleaseThatCannotBeHad)
{
    {
        SCOPED_TRACE("the product is not installed");
        DemoReleases demo("");
        expectError([&] { resolveReleaseSelector(Selector("zarni", Selector::current), demo.builds()); },
                    {2, 1, 1, 2}, "The product 'zarni' is not installed yet.\n");
    }
    {
        // 0.9.0 may be upgraded to 1.0, but no release of the catalogue is it.
        SCOPED_TRACE("the installed version is no longer offered");
        DemoReleases demo("0.9.0");
        expectError([&] { resolveReleaseSelector(Selector("zarni", Selector::current), demo.builds()); },
                    {2, 1, 1, 2}, (Messages::format("err_rel_nocurrent") % "zarni").str() + "\n");
    }
}

TEST(ResolveReleaseSelector, AnUnknownKindIsAnInternalError)
{
    DemoReleases demo("");
    Selector selector("zarni", Selector::latest);
    selector.type = 7;
    if (const auto e = expectError([&] { resolveReleaseSelector(selector, demo.builds()); })) {
        expectCodes(*e, {3, 1, 1, 3});
        EXPECT_THAT(e->text(), HasSubstr("release selector of kind 7"));
    }
}

TEST(SelectRequestedReleases, TheOptionsSelectorsInTheirOrder)
{
    const struct {
        const char* name;
        std::vector<Selector> selectors;
        std::vector<std::string> selected;
    } cases[] = {
        {"latest", {Selector("zarni", Selector::latest)}, {"zarni-1.1"}},
        {"current", {Selector("zarni", Selector::current)}, {"zarni-1.0"}},
        {"explicit", {Selector("zarni", "zarni-1.0")}, {"zarni-1.0"}},
        // Selecting a release unselects the product's others: the last one wins.
        {"two for one product", {Selector("zarni", "zarni-1.0"), Selector("zarni", Selector::latest)}, {"zarni-1.1"}},
        {"none", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DemoReleases demo("1.0.0");
        ProductSelections selections(c.selectors);
        selectRequestedReleases(&demo.builds());
        EXPECT_EQ(demo.builds().getSelectedReleaseIds(), c.selected);
    }
}

TEST(SelectRequestedReleases, UnknownIdsAndMissingCatalogue)
{
    DemoReleases demo("");
    {
        ProductSelections selections({Selector("zarni", "zarni-7.0")});
        if (const auto e = expectError([&] { selectRequestedReleases(&demo.builds()); })) {
            EXPECT_EQ(e->errorClass(), 2);
            EXPECT_THAT(e->text(), HasSubstr("zarni-7.0"));
        }
    }
    {
        ProductSelections selections({Selector("zarni", Selector::current)});
        expectError([&] { selectRequestedReleases(&demo.builds()); }, {2, 1, 1, 2},
                    "The product 'zarni' is not installed yet.\n");
    }
    if (const auto e = expectError([&] { selectRequestedReleases(nullptr); })) expectCodes(*e, {3, 1, 1, 3});
}

// The products of the selected releases that are neither a minor update nor a
// major upgrade: new installations and installed releases.
TEST(CollectNotUpdatedProducts, SelectedReleasesThatAreNoUpgrade)
{
    Repository repository;
    std::vector<ReleasePtr> releases;
    const auto release = [&](const char* productId, const char* version, const char* installed, bool selected) {
        const ProductPtr product = makeProduct(productId, {{std::string(productId) + "-base"}});
        if (*installed) addRecord(repository, (std::string(productId) + "-base").c_str(), installed);
        const ReleasePtr made = makeRelease(product, std::string(productId) + "-" + version, version);
        addBuild(made, "Debian", "12.5");
        made->checkState(&repository, debian12());
        made->setSelected(selected);
        releases.push_back(made);
        return made;
    };
    EXPECT_EQ(release("fresh", "1.0", "", true)->getUpdateMode(), Release::updateInstall);
    EXPECT_EQ(release("minor", "1.1", "1.0", true)->getUpdateMode(), Release::updateMinor);
    EXPECT_EQ(release("major", "2.0", "1.0", true)->getUpdateMode(), Release::updateMajor);
    EXPECT_EQ(release("kept", "1.0", "1.0", true)->getUpdateMode(), Release::updateInstalled);
    release("unselected", "1.0", "", false);

    const std::set<std::string> products = collectNotUpdatedProducts(releases);
    EXPECT_THAT(products, ElementsAre("fresh", "kept"));
    EXPECT_TRUE(collectNotUpdatedProducts({}).empty());
}
