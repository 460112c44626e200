#include "installer/catalogue/BuildManager.h"

#include "installer/sources/SelfUpgrade.h"

#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "common/packages/Source.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem.hpp>
#include <boost/make_shared.hpp>


using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// The directory as the fetcher names files in it (normalised, no final "/").
std::string sourceDirectory(const std::string& directory)
{
    std::string text = SourceUrl(directory).getDirectory();
    if (!text.empty() && text.back() == '/') text.pop_back();
    return text;
}

std::vector<std::string> ids(const std::vector<ReleasePtr>& releases)
{
    std::vector<std::string> result;
    for (const ReleasePtr& release : releases) result.push_back(release->id());
    return result;
}

std::vector<std::string> configs(const Release& release)
{
    std::vector<std::string> result;
    for (const BuildPtr& build : release.builds()) result.push_back(build->config());
    return result;
}

}  // namespace

// The demo catalogue the program carries reads into one product with two
// releases, their builds below the product file's directory, and every release
// attribute the front ends show.
TEST(BuildManager, ReadsTheDemoCatalogue)
{
    LocalCatalogue catalogue(demoCatalogueDirectory());
    const auto manager = catalogue.read();

    const std::vector<ReleasePtr> releases = manager->getReleases(1);
    ASSERT_THAT(ids(releases), ElementsAre("zarni-1.0", "zarni-1.1"));
    const Release& first = *releases[0];
    const Release& second = *releases[1];

    const ProductPtr product = manager->getProduct("zarni");
    ASSERT_TRUE(product);
    EXPECT_EQ(product->name, "Zarni");
    EXPECT_EQ(product->keyPackages, Product::KeyPackages{{"zarni-base"}});
    EXPECT_EQ(product->productSite, "https://www.zarni.example/");
    EXPECT_EQ(product->kbArticleUpgradeFromNotSupportedVersions, "https://kb.zarni.example/upgrade-path");
    EXPECT_EQ(first.product(), product);

    EXPECT_EQ(first.name(), "Zarni 1.0");
    EXPECT_EQ(first.codename(), "Alder");
    EXPECT_EQ(first.getVersion().toString(), "1.0.0");
    EXPECT_EQ(first.upgradeAllowedFrom().toString(), "0.9.0");
    EXPECT_EQ(first.detailsUrl(), "https://www.zarni.example/[locale]/notes/1.0");
    EXPECT_TRUE(first.tags().contains("stable"));
    EXPECT_THAT(configs(first), ElementsAre("zarni/1.0/debian-12.build.inf3", "zarni/1.0/redhat-9.build.inf3"));

    EXPECT_TRUE(second.tags().contains("current"));
    EXPECT_FALSE(second.tags().contains("stable"));
    EXPECT_EQ(second.hidePolicy(), Release::hideWeb | Release::hideFiltered);
    EXPECT_THAT(configs(second), ElementsAre("zarni/1.1/debian-12.build.inf3", "zarni/1.1/ubuntu-22.04.build.inf3",
                                             "zarni/1.1/redhat-9.build.inf3"));
    const BuildPtr redhat = *(second.builds().begin() + 2);
    EXPECT_EQ(redhat->osVendor(), "RedHat");
    EXPECT_EQ(redhat->osVersion(), "9");
    EXPECT_EQ(redhat->directory(), "zarni");
    EXPECT_EQ(redhat->getParent().get(), &second);
    EXPECT_TRUE(manager->getAddons().empty());
}

// One directory per fault: the operator's text, naming the file and where in it.
TEST(BuildManager, RefusesBrokenCatalogues)
{
    struct Case {
        const char* directory;
        ErrorCodes codes;
        // "D" stands for the fixture directory.
        const char* text;
    };
    const Case cases[] = {
        {"build-missing-os-arch", {1, 1, 1, 3},
         "The 'os_arch' build attribute was not found in file D/zarni.inf3 at  (D/zarni.inf3: row 4, col 5)\n"},
        {"build-inf-missing-attribute", {1, 1, 1, 3},
         "The attribute 'os_arch' of the element 'build' (row 1, col 1) of the file D/products.inf3 was not "
         "found.\n"},
        {"single-build-without-keypackages", {1, 1, 1, 3},
         "The list of product's key packages was not found in the file D/products.inf3\n"},
        {"wrong-root-element", {1, 1, 1, 3}, "Unsupported config file D/products.inf3: the root element is 'Vendors'\n"},
        {"reference-leaves-source", {1, 1, 1, 3},
         "Invalid catalogue data in the element 'product' (row 1, col 28) of the file D/products.inf3: the path "
         "\"../build-missing-os-arch/zarni.inf3\" in the attribute 'reference' leaves the installation source\n"},
        {"reference-absolute", {1, 1, 1, 3},
         "Invalid catalogue data in the element 'product' (row 1, col 28) of the file D/products.inf3: the path "
         "\"/etc/zarni.inf3\" in the attribute 'reference' leaves the installation source\n"},
        {"config-leaves-source", {1, 1, 1, 3},
         "Invalid catalogue data in the element 'build' (row 4, col 5) of the file D/zarni.inf3: the path "
         "\"builds/../../secret.build.inf3\" in the attribute 'config' leaves the installation source\n"},
        {"duplicate-release-ids", {1, 1, 1, 3},
         "Invalid catalogue data in the element 'release' (row 6, col 3) of the file D/zarni.inf3: the release id "
         "\"zarni-1.0\" is used twice in the product \"zarni\"\n"},
        {"control-character", {1, 1, 1, 3},
         "Invalid catalogue data in the element 'product' (row 1, col 28) of the file D/products.inf3: the "
         "attribute 'name' holds a control character: \"Zarni\\x1b[2J\"\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.directory);
        std::string expected = c.text;
        boost::replace_all(expected, "D/", sourceDirectory(catalogueFixture(c.directory)) + "/");
        LocalCatalogue catalogue(catalogueFixture(c.directory));
        expectError([&] { catalogue.read(); }, c.codes, expected);
    }
}

// Without a catalogue file named, "versions.inf3" stands in for a missing
// "products.inf3", and the failure of the first candidate raises nothing.
TEST(BuildManager, FallsBackToVersionsInf3)
{
    LocalCatalogue catalogue(catalogueFixture("versions-inf3-only"));
    const auto manager = catalogue.read();
    EXPECT_THAT(ids(manager->getReleases(0)), ElementsAre("zarni-1.0"));
}

TEST(BuildManager, NoRootCandidateNamesEveryAttempt)
{
    TempDir empty;
    const std::string directory = sourceDirectory(empty.path());
    LocalCatalogue catalogue(empty.path());
    expectError([&] { catalogue.read(); }, {1, 1, 1, 2},
                "Failed to read product information from the file : Can't process products.inf3: The file " +
                    directory + "/products.inf3 was not found.\n\nCan't process versions.inf3: The file " +
                    directory + "/versions.inf3 was not found.\n\n\n");
    // A named file is the only candidate.
    expectError([&] { catalogue.read("zarni.inf3"); }, {1, 1, 1, 2},
                "Failed to read product information from the file : Can't process zarni.inf3: The file " +
                    directory + "/zarni.inf3 was not found.\n\n\n");
}

// A catalogue demanding another installer ends the reading with the request
// for a self-upgrade; nothing of the catalogue is kept.
TEST(BuildManager, AnotherRequiredInstallerEndsTheReading)
{
    LocalCatalogue catalogue(catalogueFixture("requires-other-installer"));
    EXPECT_THROW(catalogue.read(), SelfUpgrade::NeedSelfUpgrade);
    EXPECT_EQ(SelfUpgrade::required().version, "999.0.0");
    EXPECT_EQ(SelfUpgrade::required().binaryName, "kitwright");
    SelfUpgrade::resetRequired();
}

// Written catalogues for the cases that need no fixture of their own.
class WrittenCatalogue : public ::testing::Test {
protected:
    void write(const std::string& name, const std::string& content) { writeFileWithDirectories(source_.path() + "/" + name, content); }
    std::unique_ptr<BuildManager> read(const std::string& fileName = std::string())
    {
        LocalCatalogue catalogue(source_.path());
        return catalogue.read(fileName);
    }
    std::string path(const std::string& name) const { return sourceDirectory(source_.path()) + "/" + name; }

    static std::string productFile(const std::string& releases, const std::string& keys = "<keypackages><keypackage>zarni-base</keypackage></keypackages>")
    {
        return "<product id=\"zarni\">" + keys + releases + "</product>";
    }
    static std::string rootFile(const std::string& entries)
    {
        return "<vendors><vendor><products>" + entries + "</products></vendor></vendors>";
    }
    static std::string release(const std::string& id, const std::string& version, const std::string& extra = "",
                               const std::string& builds =
                                   "<build os_name=\"Linux\" os_vendor=\"Debian\" os_version=\"12\" "
                                   "os_arch=\"x86_64\" config=\"b.build.inf3\"/>")
    {
        // `extra` may give its own upgrade_allowed_from.
        const std::string floor =
            extra.find("upgrade_allowed_from") == std::string::npos ? " upgrade_allowed_from=\"0\"" : "";
        return "<release id=\"" + id + "\" name=\"" + id + "\" version=\"" + version + "\"" + floor + " " + extra +
               ">" + builds + "</release>";
    }

    TempDir source_;
};

TEST_F(WrittenCatalogue, ProductEntriesAndTheirFiles)
{
    write("products.inf3",
          rootFile("<product id=\"zarni\" name=\"Zarni\" reference=\"p/zarni.inf3\" hidden_to_install=\"on\">"
                   "<incompatible_with prod_id=\"tenebrin\"/></product>"
                   "<Product id=\"skipped\" reference=\"missing.inf3\"/><other reference=\"missing.inf3\"/>"
                   "<product id=\"tenebrin\" name=\"Tenebrin\" reference=\"tenebrin.inf3\"/>"));
    // The file's own id differs from the entry's: the entry names the product.
    write("p/zarni.inf3", productFile(release("z1", "1.0", "tags=\"stable\"") + release("z-nobuild", "1.1", "", "")));
    write("tenebrin.inf3",
          "<product id=\"other\"><keypackages><keypackage>t-base</keypackage></keypackages>"
          "<keypackages/>" +
              release("t1", "2.0") + "</product>");
    CapturedLog log(1);
    const auto manager = read();

    EXPECT_THAT(ids(manager->getReleases(0)), ElementsAre("z1", "t1"));
    EXPECT_THAT(log.text(), HasSubstr("In release z-nobuild no builds"));
    const ProductPtr zarni = manager->getProduct("zarni");
    EXPECT_TRUE(zarni->hiddenToInstall);
    EXPECT_THAT(zarni->incompatibleWith, ElementsAre("tenebrin"));
    EXPECT_EQ(manager->getProduct("tenebrin")->name, "Tenebrin");
    EXPECT_EQ(manager->getRelease("z1")->builds().begin()->get()->config(), "p/b.build.inf3");
    EXPECT_EQ(manager->getRelease("t1")->builds().begin()->get()->config(), "b.build.inf3");
}

TEST_F(WrittenCatalogue, ProductFileRefusals)
{
    struct Case {
        const char* name;
        std::string productFile;
        std::string text;  // " P" stands for the product file's path
    };
    const std::string builds = release("r1", "1.0");
    const Case cases[] = {
        {"not XML", "<product", "Syntax error in file P:\n"},
        {"wrong root", "<release/>", "Syntax error in file P:\nthe root element is incorrectly named.\n"},
        {"no id", "<product id=\"\">" + builds + "</product>",
         "The 'id' attribute of the root element was not found in the file P\n"},
        {"first key group empty",
         productFile(builds, "<keypackages/><keypackages><keypackage>a</keypackage></keypackages>"),
         "The list of product's key packages was not found in the file P\n"},
        {"no release", productFile("<releases/>"), "There is no list of product release versions in the file P\n"},
        {"release without id", productFile("<release name=\"n\" version=\"1\" upgrade_allowed_from=\"0\"/>"),
         "The 'id' release version attribute was not found in file P, at  (row 1, col 83)\n"},
        {"empty best_with product",
         productFile(release("r1", "1.0", "", "<build os_name=\"L\" os_vendor=\"V\" os_version=\"1\" os_arch=\"a\" "
                                              "config=\"c\"/><compatibility_info><best_with/></compatibility_info>")),
         "Invalid catalogue data in the element 'best_with' (row 1, col 242) of the file P: Empty prod_id in "
         "best_with\n"},
        {"key package name", productFile(builds, "<keypackages><keypackage>-rf</keypackage></keypackages>"),
         "Invalid catalogue data in the element 'keypackages' (row 1, col 21) of the file P: \"-rf\" is not a valid "
         "Debian or RPM package name\n"},
    };
    write("products.inf3", rootFile("<product id=\"zarni\" name=\"Zarni\" reference=\"zarni.inf3\"/>"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write("zarni.inf3", c.productFile);
        std::string expected = c.text;
        boost::replace_all(expected, " P", " " + path("zarni.inf3"));
        expectError([&] { read(); }, {1, 1, 1, 3}, ::testing::StartsWith(expected));
    }
}

TEST_F(WrittenCatalogue, VendorWithoutProducts)
{
    write("products.inf3", "<vendors><vendor/></vendors>");
    expectError([&] { read(); }, {1, 1, 1, 2},
                "Can't parse " + path("products.inf3") +
                    ": There is no child element 'products' in tag 'vendor'\n");
}

TEST_F(WrittenCatalogue, RootFilesThatAreProductOrBuildFiles)
{
    write("zarni.inf3", "<product id=\"zarni\" name=\"Zarni\" hidden_to_install=\"yes\">"
                        "<keypackages><keypackage>zarni-base</keypackage></keypackages>" +
                            release("r1", "1.0") + "</product>");
    const auto fromProduct = read("zarni.inf3");
    EXPECT_THAT(ids(fromProduct->getReleases(0)), ElementsAre("r1"));
    EXPECT_TRUE(fromProduct->getProduct("zarni")->hiddenToInstall);
    EXPECT_EQ(fromProduct->getRelease("r1")->builds().begin()->get()->config(), "b.build.inf3");

    write("single.inf3",
          "<build_1 os_name=\"Linux\" os_vendor=\"Debian\" os_version=\"12\" os_arch=\"x86_64\" environment=\"\" "
          "os_release_name=\"bookworm\" deprecated=\"true\" build_dir=\"d\"><product id=\"loamfeather\">"
          "<keypackages><keypackage>lf</keypackage></keypackages>"
          "<release id=\"lf-1\" name=\"LF 1\" version=\"1.2\" upgrade_allowed_from=\"1.0\"/></product>"
          "<component name=\"c\" description=\"\"><keypackages><keypackage name=\"lf\"/></keypackages></component>"
          "</build_1>");
    const auto fromBuild = read("single.inf3");
    const ReleasePtr single = fromBuild->getRelease("lf-1");
    ASSERT_TRUE(single);
    EXPECT_EQ(single->product()->name, "LoamFeather");
    const BuildPtr build = *single->builds().begin();
    EXPECT_EQ(build->config(), "single.inf3");
    EXPECT_EQ(build->osReleaseName(), "bookworm");
    EXPECT_TRUE(build->isDeprecated());
    EXPECT_EQ(build->directory(), "");
}

TEST_F(WrittenCatalogue, AddonsSortedAndBrokenAddonFilesSkipped)
{
    write("products.inf3",
          rootFile("<product id=\"zarni\" name=\"Zarni\" reference=\"zarni.inf3\"/>"
                   "<addon id=\"a\" reference=\"addons/a.inf3\"/><lazy_addon id=\"l\" reference=\"l.inf3\"/>"
                   "<addon id=\"broken\" reference=\"broken.inf3\"/>"));
    write("zarni.inf3", productFile(release("r1", "1.0")));
    const std::string range = "<compatibility_info><compatible product_id=\"zarni\" from_version=\"1.0\" "
                              "to_version=\"2.0\"/></compatibility_info>";
    write("addons/a.inf3", "<addon><release id=\"a2\" version=\"2.0\">" + range +
                               "<build os_name=\"Linux\" os_vendor=\"Debian\" os_version=\"12\" os_arch=\"x86_64\" "
                               "config=\"a2.build.inf3\"/></release><release id=\"a1\" version=\"2.0\">" +
                               range + "</release></addon>");
    write("l.inf3", "<addon><release id=\"l1\" version=\"1.5\">" + range + "</release></addon>");
    // The first release is kept, the one without a range ends the file.
    write("broken.inf3", "<addon><release id=\"b1\" version=\"3.0\">" + range +
                             "</release><release id=\"b2\" version=\"0.5\"/><release id=\"b3\" version=\"0.1\">" +
                             range + "</release></addon>");
    CapturedLog log(2);
    const auto manager = read();

    std::vector<std::string> addons;
    for (const AddonPtr& addon : manager->getAddons()) addons.push_back(addon->id());
    EXPECT_THAT(addons, ElementsAre("l1", "a2", "a1", "b1"));
    EXPECT_TRUE(manager->getAddons()[0]->isLazy());
    EXPECT_EQ(manager->getAddons()[1]->builds().begin()->get()->config(), "addons/a2.build.inf3");
    EXPECT_FALSE(manager->getAddons()[1]->builds().begin()->get()->getParent());
    EXPECT_THAT(log.text(), HasSubstr("Error in parse " + path("broken.inf3") + ": Absent compatibility_info in addon"));
    EXPECT_THAT(log.text(), HasSubstr("In Addon a1 no builds"));
}

TEST(BuildManager, HidePolicyWords)
{
    struct Case {
        const char* text;
        std::int32_t policy;
        bool warns;
    };
    const Case cases[] = {
        {"cli,web", 3, false},      {"cli, web", 3, true},      {"CLI", 0, true},
        {"interactive,filtered", 259, false}, {"", 0, false}, {"inanycase query", 0x704, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CapturedLog log(2);
        EXPECT_EQ(BuildManager::parseHidePolicy(c.text), c.policy);
        EXPECT_EQ(log.text().find("Unrecognized control word") != std::string::npos, c.warns);
    }
}

namespace {

// Three products on Debian 12: zarni with releases on two tiers and one for
// another system only, tenebrin that cannot live beside zarni, and loamfeather
// that is offered only while installed.
class NarrowedCatalogue : public WrittenCatalogue {
protected:
    void SetUp() override
    {
        write("products.inf3", rootFile("<product id=\"zarni\" name=\"Zarni\" reference=\"zarni.inf3\"/>"
                                        "<product id=\"tenebrin\" name=\"Tenebrin\" reference=\"tenebrin.inf3\">"
                                        "<incompatible_with prod_id=\"zarni\"/></product>"
                                        "<product id=\"loamfeather\" name=\"LoamFeather\" reference=\"lf.inf3\" "
                                        "hidden_to_install=\"true\"/>"));
        const std::string plan9 = "<build os_name=\"Plan9\" os_vendor=\"Bell\" os_version=\"4\" os_arch=\"x86_64\" "
                                  "config=\"plan9.build.inf3\"/>";
        write("zarni.inf3",
              "<product id=\"zarni\"><keypackages><keypackage>zarni-base</keypackage></keypackages>"
              "<kb_article_upgrade_from_not_supported_versions src=\"https://kb.zarni.example/1\"/>" +
                  release("z10", "1.0", "tags=\"stable\"") +
                  release("z11", "1.1", "tags=\"testing\"") +
                  release("z20", "2.0", "tags=\"stable\" upgrade_allowed_from=\"1.1\"") +
                  release("z25", "2.5", "tags=\"stable\"", plan9) +
                  release("z30", "3.0", "tags=\"testing\" promoted_tags=\"beta\" upgrade_allowed_from=\"2.0\"") +
                  "</product>");
        write("tenebrin.inf3", "<product id=\"tenebrin\"><keypackages><keypackage>tenebrin-base</keypackage>"
                               "</keypackages>" +
                                   release("t10", "1.0", "tags=\"stable\"") + "</product>");
        write("lf.inf3", "<product id=\"loamfeather\"><keypackages><keypackage>lf-base</keypackage></keypackages>" +
                             release("l10", "1.0", "tags=\"stable\"") + "</product>");
    }
};

}  // namespace

// The drivers' narrowing, step by step, for several installed systems and
// operator tiers: what is kept, what is offered through a promoted tag, and the
// cautions.
TEST_F(NarrowedCatalogue, NarrowingOrder)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> installed;
        std::vector<std::string> tiers;
        std::vector<std::string> keep;
        std::vector<std::string> kept;
        std::vector<std::string> cropped;
        std::vector<std::string> cautions;
        std::vector<std::string> logged;
    };
    const std::string caution = "You can upgrade Zarni 1.0 only to Zarni 1.1 or earlier. If you want to upgrade to "
                                "the latest version, refer to the following article: https://kb.zarni.example/1";
    const Case cases[] = {
        {"nothing installed, no tiers", {}, {}, {}, {"z10", "z11", "z20", "z30", "t10"}, {}, {}, {}},
        {"nothing installed, stable and beta", {}, {"stable", "beta"}, {}, {"z10", "t10"}, {"z30"}, {}, {}},
        {"zarni 1.0 installed",
         {{"zarni-base", "1.0-1"}},
         {"stable", "testing"},
         {},
         {"z10", "z11"},
         {},
         {caution},
         {"DEBUG: drop t10 because version 1.0 of conflicting product 'zarni' is already installed."}},
        {"zarni and loamfeather installed, z11 named",
         {{"zarni-base", "1.0-1"}, {"lf-base", "1.0-2"}},
         {"stable"},
         {"z11"},
         {"z10", "z11", "l10"},
         {},
         {},
         {}},
        {"tenebrin installed drops zarni",
         {{"tenebrin-base", "1.0-1"}},
         {},
         {},
         {"t10"},
         {},
         {},
         {"DEBUG: drop z10 because version 1.0 of conflicting product 'tenebrin' is already installed."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto manager = read();
        Repository installed;
        for (const auto& package : c.installed) addRecord(installed, package.first, package.second);
        CapturedLog log(3);
        manager->checkReleasesState(&installed, debian12());
        manager->collectCautions(c.tiers, debian12());
        manager->removeNotActualReleases();
        manager->removeHiddenForCleanInstall();
        manager->cropReleasesByTags(c.tiers, c.keep);

        EXPECT_EQ(ids(manager->getReleases(0)), c.kept);
        std::vector<ReleasePtr> all = manager->getReleases(1);
        all.resize(all.size() - c.kept.size());
        EXPECT_EQ(ids(all), c.cropped);
        EXPECT_EQ(manager->cautions(), c.cautions);
        for (const std::string& line : c.logged) EXPECT_THAT(log.text(), HasSubstr(line));
    }
}

// Two installed products that conflict lose each other's releases: both are
// visited before anything is removed.
TEST_F(NarrowedCatalogue, TwoInstalledConflictingProductsDropEachOther)
{
    const auto manager = read();
    Repository installed;
    addRecord(installed, "zarni-base", "1.0-1");
    addRecord(installed, "tenebrin-base", "1.0-1");
    manager->checkReleasesState(&installed, debian12());
    manager->removeNotActualReleases();
    EXPECT_THAT(ids(manager->getReleases(0)), ElementsAre("l10"));
    EXPECT_FALSE(manager->getProduct("zarni"));
    EXPECT_EQ(manager->getProduct("loamfeather")->name, "LoamFeather");
}

TEST_F(NarrowedCatalogue, QueriesAndSelection)
{
    const auto manager = read();
    Repository installed;
    addRecord(installed, "zarni-base", "1.1-1");
    // Before the state check the installed questions are a fault.
    expectError([&] { manager->getInstalledVersion("zarni"); }, {3, 1, 1, 3},
                "release z10 installation state not checked yet\n");
    manager->checkReleasesState(&installed, debian12());

    EXPECT_EQ(manager->getInstalledVersion("zarni"), "1.1");
    EXPECT_EQ(manager->getInstalledReleaseId("zarni"), "z11");
    EXPECT_EQ(manager->getInstalledReleaseVersion("zarni"), "1.1");
    EXPECT_THAT(manager->getInstalledProductIds(), ElementsAre("zarni"));
    EXPECT_EQ(manager->getInstalledVersion("tenebrin"), "");
    EXPECT_EQ(manager->getLatestReleaseId("zarni"), "z30");
    EXPECT_EQ(manager->findReleaseByVersion("zarni", "2.5")->id(), "z25");
    EXPECT_FALSE(manager->findReleaseByVersion("tenebrin", "2.5"));
    expectError([&] { manager->findReleaseByVersion("zarni", ""); }, {1, 1, 1, 3},
                Messages::get("err_empty_version") + "\n");

    manager->selectRelease("", "t10");
    EXPECT_THAT(manager->getSelectedReleaseIds(), ElementsAre("t10"));
    manager->selectRelease("zarni", "z20");
    EXPECT_THAT(manager->getSelectedReleaseIds(), ElementsAre("z20", "t10"));
    EXPECT_TRUE(manager->isProductSelected("zarni"));
    EXPECT_EQ(manager->getSelectedReleaseVersion("zarni"), "2.0");
    manager->unselectProduct("tenebrin");
    EXPECT_THAT(manager->getSelectedReleaseIds(), ElementsAre("z20"));

    const std::string advice = "\n" + Messages::get("err_no_prod_rel_id_advice") + "\n";
    expectError([&] { manager->selectRelease("zarni", "nope"); }, {2, 1, 1, 2},
                "There is no release with ID 'nope' of product 'zarni' at the installation source." + advice);
    expectError([&] { manager->selectRelease("", "nope"); }, {2, 1, 1, 2},
                "There is no release with ID 'nope' of product '<default=zarni>' at the installation source." +
                    advice);
    expectError([&] { manager->selectRelease("other", "z10"); }, {2, 1, 1, 2},
                "There is no product with ID 'other' at the installation source." + advice);
    // A failed selection clears the flags of the releases that took part.
    EXPECT_TRUE(manager->getSelectedReleaseIds().empty());

    // Something is installed: the default selection leaves everything alone.
    manager->selectDefaultRelease();
    EXPECT_TRUE(manager->getSelectedReleaseIds().empty());
    Repository nothing;
    manager->checkReleasesState(&nothing, debian12());
    manager->selectDefaultRelease();
    EXPECT_THAT(manager->getSelectedReleaseIds(), ElementsAre("z30"));
    manager->unselectAll();
    EXPECT_TRUE(manager->getSelectedReleaseIds().empty());
}

// The walk: cropped releases first, each with its builds and the leave call,
// then the addons.
TEST_F(WrittenCatalogue, AcceptWalksCroppedThenKeptThenAddons)
{
    write("products.inf3", rootFile("<product id=\"zarni\" name=\"Zarni\" reference=\"zarni.inf3\"/>"
                                    "<addon id=\"a\" reference=\"a.inf3\"/>"));
    write("zarni.inf3", productFile(release("kept", "2.0", "tags=\"stable\"") +
                                    release("promoted", "1.0", "tags=\"testing\" promoted_tags=\"beta\"")));
    write("a.inf3", "<addon><release id=\"a1\" version=\"1\"><compatibility_info><compatible product_id=\"zarni\" "
                    "from_version=\"1\" to_version=\"3\"/></compatibility_info></release></addon>");
    const auto manager = read();
    Repository nothing;
    manager->checkReleasesState(&nothing, debian12());
    manager->cropReleasesByTags({"stable", "beta"}, {});

    class Recorder : public BuildManager::Visitor {
    public:
        void visitRelease(const ReleasePtr& release) override { steps.push_back("visit " + release->id()); }
        void leaveRelease(const ReleasePtr& release) override { steps.push_back("leave " + release->id()); }
        void visitBuild(Build* build) override { steps.push_back("build " + build->config()); }
        void visitAddon(Addon* addon) override { steps.push_back("addon " + addon->id()); }
        std::vector<std::string> steps;
    } recorder;
    manager->accept(recorder);
    EXPECT_THAT(recorder.steps, ElementsAre("visit promoted", "build b.build.inf3", "leave promoted", "visit kept",
                                            "build b.build.inf3", "leave kept", "addon a1"));
    EXPECT_THAT(ids(manager->getReleases(0)), ElementsAre("kept"));
    // A cropped release is still selectable.
    manager->selectRelease("zarni", "promoted");
    EXPECT_EQ(manager->getSelectedReleaseId("zarni"), "promoted");
    EXPECT_EQ(manager->getSelectedReleaseVersion("zarni"), "");
}

// Every prefix of the demo's files (a download cut short, a file half written)
// is read or refused with the program's error: nothing else leaves the readers.
TEST(BuildManager, TruncatedFilesAreReadOrRefused)
{
    const char* files[] = {"products.inf3", "zarni/product.inf3"};
    CapturedLog quiet(0);
    for (const char* name : files) {
        SCOPED_TRACE(name);
        TempDir copy;
        boost::filesystem::copy(demoCatalogueDirectory(), copy.path() + "/demo",
                                boost::filesystem::copy_options::recursive);
        const std::string path = copy.path() + "/demo/" + name;
        const std::string whole = readFile(path);
        int refused = 0;
        for (std::size_t length = 0; length < whole.size(); ++length) {
            writeFileWithDirectories(path, whole.substr(0, length));
            try {
                LocalCatalogue(copy.path() + "/demo").read();
            } catch (const error&) {
                ++refused;
            }
        }
        EXPECT_GT(refused, 0);
    }
}
