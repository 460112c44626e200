#include "installer/catalogue/ReleasesCompatibilityChecker.h"

#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using ::testing::HasSubstr;

namespace {

std::string release(const std::string& id, const std::string& version, const std::string& bestWith = "")
{
    return "<release id=\"" + id + "\" name=\"" + id + "\" version=\"" + version +
           "\" upgrade_allowed_from=\"0\"><build os_name=\"Linux\" os_vendor=\"Debian\" os_version=\"12\" "
           "os_arch=\"x86_64\" config=\"" + id + ".build.inf3\"/>" + bestWith + "</release>";
}

std::string productFile(const std::string& id, const std::string& releases)
{
    return "<product id=\"" + id + "\"><keypackages><keypackage>" + id + "-base</keypackage></keypackages>" + releases +
           "</product>";
}

// zarni 1.0 works best with tenebrin 2.0 or 3.0, zarni 1.1 names nothing;
// tenebrin and loamfeather cannot live together, each says so.
class CompatibilityCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string dir = source_.path();
        writeFileWithDirectories(
            dir + "/products.inf3",
            "<vendors><vendor><products><product id=\"zarni\" name=\"Zarni\" reference=\"zarni.inf3\"/>"
            "<product id=\"tenebrin\" name=\"Tenebrin\" reference=\"tenebrin.inf3\"><incompatible_with "
            "prod_id=\"loamfeather\"/></product><product id=\"loamfeather\" name=\"LoamFeather\" reference=\"lf.inf3\">"
            "<incompatible_with prod_id=\"tenebrin\"/></product><product id=\"sso\" name=\"SSO\" reference=\"sso.inf3\">"
            "<incompatible_with prod_id=\"zarni\"/></product></products></vendor></vendors>");
        writeFileWithDirectories(
            dir + "/zarni.inf3",
            productFile("zarni", release("a1", "1.0",
                                         "<compatibility_info><best_with product_id=\"tenebrin\"><version>2.0</version>"
                                         "<version>3.0</version></best_with><best_with product_id=\"sso\">"
                                         "<version>0.0</version></best_with></compatibility_info>") +
                                     release("a2", "1.1")));
        writeFileWithDirectories(dir + "/tenebrin.inf3",
                                 productFile("tenebrin", release("b2", "2.0") + release("b25", "2.5") + release("b3", "3.0")));
        writeFileWithDirectories(dir + "/lf.inf3", productFile("loamfeather", release("c1", "1.0")));
        writeFileWithDirectories(dir + "/sso.inf3", productFile("sso", release("s1", "1.0")));
    }

    std::unique_ptr<BuildManager> read(const std::vector<std::pair<const char*, const char*>>& installed)
    {
        LocalCatalogue catalogue(source_.path());
        auto manager = catalogue.read();
        repository_ = std::make_unique<Repository>();
        for (const auto& package : installed) addRecord(*repository_, package.first, package.second);
        manager->checkReleasesState(repository_.get(), debian12());
        return manager;
    }

    TempDir source_;
    std::unique_ptr<Repository> repository_;
};

}  // namespace

TEST_F(CompatibilityCatalogue, PairsOfSelectedReleases)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> installed;
        std::vector<std::pair<const char*, const char*>> selected;
        std::string warnings;
        std::string errors;
        // "product version: other best/selected" per suggestion.
        std::vector<std::string> suggestions;
    };
    const Case cases[] = {
        {"one product", {}, {{"zarni", "a1"}}, "", "", {}},
        {"second best-with version selected", {}, {{"zarni", "a1"}, {"tenebrin", "b3"}}, "", "", {}},
        {"first best-with version selected", {}, {{"zarni", "a1"}, {"tenebrin", "b2"}}, "", "", {}},
        {"another version selected",
         {},
         {{"zarni", "a1"}, {"tenebrin", "b25"}},
         "\na1 works better with Tenebrin 3.0, but b25 was selected",
         "",
         {"zarni 1.0: tenebrin 3.0/2.5"}},
        {"link from another release of the product", {}, {{"zarni", "a2"}, {"tenebrin", "b25"}}, "", "", {}},
        {"both declare the other incompatible",
         {},
         {{"tenebrin", "b3"}, {"loamfeather", "c1"}},
         "",
         "The products 'Tenebrin' and 'LoamFeather' cannot be installed on the same server.\nThe products "
         "'LoamFeather' and 'Tenebrin' cannot be installed on the same server.",
         {}},
        {"one side declares it, best with 0.0 reports nothing",
         {},
         {{"zarni", "a1"}, {"sso", "s1"}},
         "",
         "The products 'SSO' and 'Zarni' cannot be installed on the same server.",
         {}},
        {"installed release is neither side", {{"zarni-base", "1.0-1"}}, {{"zarni", "a1"}, {"tenebrin", "b25"}}, "", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto manager = read(c.installed);
        for (const auto& pair : c.selected) manager->selectRelease(pair.first, pair.second);
        ReleasesCompatibilityChecker checker(*manager, repository_.get());
        manager->accept(checker);

        EXPECT_EQ(checker.getWarnings(), c.warnings);
        EXPECT_EQ(checker.isWarning(), !c.warnings.empty());
        EXPECT_EQ(checker.getErrors(), c.errors);
        EXPECT_EQ(checker.isError(), !c.errors.empty());
        std::vector<std::string> suggestions;
        for (const auto& entry : checker.getSuggestions())
            for (const auto& s : entry.suggestions)
            {
                std::ostringstream text;
                text << entry.productId << " " << entry.version << ": " << s;
                suggestions.push_back(text.str());
            }
        EXPECT_EQ(suggestions, c.suggestions);
    }
}

TEST_F(CompatibilityCatalogue, BestWithOfOneProductIsAFault)
{
    const auto manager = read({});
    ReleasesCompatibilityChecker checker(*manager, repository_.get());
    const ReleasePtr a1 = manager->getRelease("a1");
    EXPECT_TRUE(checker.isBestWith(*a1, *manager->getRelease("b2")));
    EXPECT_FALSE(checker.isBestWith(*manager->getRelease("b2"), *a1));
    expectError([&] { checker.isBestWith(*a1, *manager->getRelease("a2")); }, {3, 1, 1, 3}, HasSubstr("ReleasesCompatibilityChecker"));
}
