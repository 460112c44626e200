#include "installer/catalogue/BuildLoader.h"

#include "installer/catalogue/InstTypes.h"
#include "installer/engine/Action.h"
#include "installer/sources/SourceConfig.h"

#include "common/packages/Package.h"
#include "common/packages/PkgManager.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/HttpTestServer.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/catalogue/LoadedCatalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>


#include <functional>
#include <memory>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

namespace {

std::string join(const std::vector<std::string>& items, const char* separator = ",")
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : separator) + item;
    return text;
}

// "Typical[base,web]" per type, kinds 1 and 2 as "Full*" and "Custom*".
std::vector<std::string> typesOf(const ComponentManager& components, const std::string& productId)
{
    std::vector<std::string> result;
    for (const InstTypes::InstType& type : components.getInstTypes().getProduct(productId).types) {
        std::string text = join(type.names, "|");
        text += type.kind == InstTypes::kindListed ? "[" + join(type.components) + "]" : "*";
        result.push_back(text);
    }
    return result;
}

// Every component of the tree, in walk order, with its package names.
std::vector<std::string> packagesOf(ComponentManager& components)
{
    class Collector : public ComponentManager::Visitor {
    public:
        void visit(KwComponentPtr component) override
        {
            std::vector<std::string> names;
            for (const Package* package : component->packages) names.push_back(package->getName());
            result.push_back(component->name + ":" + join(names));
        }
        std::vector<std::string> result;
    } collector;
    components.visit(collector);
    return collector.result;
}

std::vector<std::string> recordsOf(const Repository& repository, const Source* source)
{
    std::vector<std::string> names;
    for (const Package* package : repository.getPackages())
        if (package->getSource() == source) names.push_back(package->getName());
    return names;
}

// Where the demo catalogue is read from: each row gives the same results.
struct DemoSource {
    const char* name;
    // Served by the test HTTP server instead of read from the directory.
    bool served;
};

class DemoCatalogue : public ::testing::TestWithParam<DemoSource> {
protected:
    void TearDown() override { PkgManager::setPreferredPackageNames({}); }
};

}  // namespace

// The demo catalogue read and loaded for Debian 12 with release 1.1 selected:
// releases and builds, the component tree, every component's packages (their
// names checked on reading), the build's sources, the installation types and the
// preferred and removable names.
TEST_P(DemoCatalogue, LoadsTheSameEverywhere)
{
    std::unique_ptr<HttpTestServer> server;
    if (GetParam().served) server = std::make_unique<HttpTestServer>(demoCatalogueDirectory());
    LoadedCatalogue loaded(server ? SourceUrl(server->baseUrl()) : SourceUrl(demoCatalogueDirectory()));
    BuildManager& manager = loaded.read(debian12());

    std::vector<std::string> releases;
    for (const ReleasePtr& release : manager.getReleases(1)) {
        std::vector<std::string> builds;
        for (const BuildPtr& build : release->builds()) builds.push_back(build->config());
        releases.push_back(release->id() + " " + release->getVersion().toString() + " " + join(builds));
    }
    EXPECT_THAT(releases, ElementsAre("zarni-1.0 1.0.0 zarni/1.0/debian-12.build.inf3,zarni/1.0/redhat-9.build.inf3",
                                      "zarni-1.1 1.1.0 zarni/1.1/debian-12.build.inf3,zarni/1.1/ubuntu-22.04.build.inf3,"
                                      "zarni/1.1/redhat-9.build.inf3"));

    loaded.load({{"zarni", "zarni-1.1"}}, debian12());

    EXPECT_EQ(loaded.tree(), "zarni/base zarni/web radio mail(mail-postfix) [ zarni/mail-postfix zarni/mail-exim ] "
                             "group services [ zarni/dns group php [ zarni/php82 zarni/php83 ] ]");
    EXPECT_THAT(packagesOf(loaded.components),
                ElementsAre("base:zarni-base", "web:zarni-web", "mail-postfix:zarni-mail-postfix",
                            "mail-exim:zarni-mail-exim", "dns:zarni-dns", "php82:zarni-php82", "php83:zarni-php83"));
    EXPECT_THAT(typesOf(loaded.components, "zarni"),
                ElementsAre("Typical[base,web,mail-postfix]", "Minimal|Core[base]", "Full*", "Custom*"));

    // The build's sources, and every package in the configuration source.
    EXPECT_THAT(loaded.buildSources(), ElementsAre("zarni/1.1/debian-12.build.inf3 b"));
    const Source* config = loaded.repository.getSources().front();
    EXPECT_THAT(recordsOf(loaded.repository, config),
                ElementsAre("zarni-base", "zarni-web", "zarni-mail-postfix", "zarni-mail-exim", "zarni-dns",
                            "zarni-php82", "zarni-php83", "zarni-bootstrap", "libzarni-sso"));
    EXPECT_THAT(PkgManager::getPreferredPackageNames(), ElementsAre("zarni-php83"));
    EXPECT_THAT(loaded.removable, ElementsAre("zarni-legacy-panel"));
    EXPECT_THAT(loaded.sources->getEzTemplates(), ElementsAre("zarni-old-agent"));
    EXPECT_EQ(loaded.sources->getOsTemplate(), "");
    EXPECT_TRUE(loaded.sendFeedback);

    const BuildPtr build = loaded.manager->getRelease("zarni-1.1")->getBestBuild(debian12());
    EXPECT_EQ(build->osReleaseName(), "bookworm");
    EXPECT_TRUE(build->uninstallSupport());
    ASSERT_EQ(build->examines().size(), 1u);
    EXPECT_EQ(build->examines()[0].directory, "zarni/1.1/");
    EXPECT_THAT(std::vector<std::string>{build->packages().front()->getName()}, ElementsAre("zarni-bootstrap"));
    ASSERT_EQ(loaded.guards.size(), 1u);
    EXPECT_EQ(loaded.guards[0]->path(), "zarni/1.1/debian-12.build.inf3");
}

INSTANTIATE_TEST_SUITE_P(Sources, DemoCatalogue,
                         ::testing::Values(DemoSource{"local", false}, DemoSource{"update_server", true}),
                         [](const ::testing::TestParamInfo<DemoSource>& info) { return std::string(info.param.name); });

// Each system gets the build made for it.
TEST(BuildLoader, ChoosesTheBuildOfTheSystem)
{
    struct Case {
        Opsys system;
        const char* config;
        const char* baseFile;
        // The product sources made: APT takes one line, yum the build's own and
        // its thirdparty repository.
        std::vector<std::string> sources;
    };
    const Case cases[] = {
        {Opsys("Linux", "Debian", "12.5", "x86_64", ""), "zarni/1.1/debian-12.build.inf3", "zarni-base_1.1.0-1_amd64.deb",
         {"zarni/1.1/debian-12.build.inf3 b"}},
        {Opsys("Linux", "Ubuntu", "22.04", "x86_64", ""), "zarni/1.1/ubuntu-22.04.build.inf3",
         "zarni-base_1.1.0-1_amd64.deb", {"zarni/1.1/ubuntu-22.04.build.inf3 b"}},
        {Opsys("Linux", "RedHat", "9.4", "x86_64", ""), "zarni/1.1/redhat-9.build.inf3",
         "zarni-base-1.1.0-1.noarch.rpm", {"zarni/1.1/redhat-9.build.inf3 b", "zarni/1.1/redhat-9.build.inf3 t"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.config);
        LoadedCatalogue loaded{SourceUrl(demoCatalogueDirectory())};
        loaded.read(c.system);
        loaded.load({{"zarni", "zarni-1.1"}}, c.system);
        EXPECT_THAT(loaded.buildSources(), ElementsAreArray(c.sources));
        EXPECT_EQ(loaded.components.getBaseComponent("zarni")->packages.front()->getFileName(), c.baseFile);
    }
    PkgManager::setPreferredPackageNames({});
}

// A release whose product is installed adds no installation types; nothing
// selected gives an empty tree and the warning.
TEST(BuildLoader, InstalledReleaseAndNoSelection)
{
    LoadedCatalogue installed{SourceUrl(demoCatalogueDirectory())};
    addRecord(installed.repository, "zarni-base", "1.0.0-1");
    installed.read(debian12());
    installed.load({{"zarni", "zarni-1.1"}}, debian12());
    EXPECT_EQ(installed.components.getInstTypes().findProduct("zarni"), installed.components.getInstTypes().end());

    LoadedCatalogue nothing{SourceUrl(demoCatalogueDirectory())};
    nothing.read(debian12());
    CapturedLog log(2);
    nothing.load({}, debian12());
    EXPECT_EQ(nothing.tree(), "");
    EXPECT_THAT(log.text(), HasSubstr("Warning: no any release selected!"));
    EXPECT_THAT(log.text(), HasSubstr("BuildLoader: 0 releases processed"));
    PkgManager::setPreferredPackageNames({});
}

// Catalogues written for the loader's rules.
class LoaderCatalogue : public ::testing::Test {
protected:
    void TearDown() override { PkgManager::setPreferredPackageNames({}); }

    void write(const std::string& name, const std::string& content) { writeFileWithDirectories(source_->path() + "/" + name, content); }
    // Starts again with an empty source.
    void fresh()
    {
        loaded_.reset();
        source_ = std::make_unique<TempDir>();
    }

    // A product file "p.inf3" of `product` with one release per (id, config).
    void product(const std::string& product, const std::vector<std::pair<std::string, std::string>>& releases)
    {
        std::string text = "<product id=\"" + product + "\"><keypackages><keypackage>" + product +
                           "-base</keypackage></keypackages>";
        for (const auto& release : releases)
            text += "<release id=\"" + release.first + "\" name=\"" + release.first +
                    "\" version=\"1.0\" upgrade_allowed_from=\"0\"><build os_name=\"Linux\" os_vendor=\"Debian\" "
                    "os_version=\"12\" os_arch=\"x86_64\" config=\"" +
                    release.second + "\"/></release>";
        write(product + ".inf3", text + "</product>");
    }

    // A build information file of `product` holding `body`.
    void build(const std::string& name, const std::string& product, const std::string& body,
               const std::string& attributes = "")
    {
        write(name, "<build os_name=\"Linux\" os_vendor=\"Debian\" os_version=\"12\" os_arch=\"x86_64\" environment=\"\" "
                    "build_dir=\"d\" apt_source=\"d main\" " +
                        attributes + "><product id=\"" + product + "\"><keypackages><keypackage>" + product +
                        "-base</keypackage></keypackages><release id=\"r\" version=\"1.0\"/></product>" + body +
                        "</build>");
    }

    static std::string component(const std::string& name, const std::string& extra = "",
                                 const std::string& attributes = "")
    {
        return "<component name=\"" + name + "\" description=\"" + name + " description\" " + attributes +
               "><keypackages><keypackage name=\"" + name + "-pkg\"/></keypackages>" + extra + "</component>";
    }

    LoadedCatalogue& loaded()
    {
        if (!loaded_) loaded_ = std::make_unique<LoadedCatalogue>(SourceUrl(source_->path()));
        return *loaded_;
    }

    std::unique_ptr<TempDir> source_ = std::make_unique<TempDir>();
    std::unique_ptr<LoadedCatalogue> loaded_;
};

TEST_F(LoaderCatalogue, NamesTakenFirstAndAddonsReplacing)
{
    write("products.inf3",
          "<vendors><vendor><products><product id=\"zarni\" reference=\"zarni.inf3\"/>"
          "<product id=\"tenebrin\" reference=\"tenebrin.inf3\"/><addon id=\"a\" reference=\"a.inf3\"/>"
          "<lazy_addon id=\"l\" reference=\"l.inf3\"/></products></vendor></vendors>");
    product("zarni", {{"z1", "z.build.inf3"}});
    product("tenebrin", {{"t1", "t.build.inf3"}});
    const std::string range =
        "<compatibility_info><compatible product_id=\"zarni\" from_version=\"1.0\" to_version=\"1.0\"/>"
        "</compatibility_info><build os_name=\"Linux\" os_vendor=\"Debian\" os_version=\"12\" os_arch=\"x86_64\" ";
    write("a.inf3", "<addon><release id=\"a1\" version=\"1\">" + range + "config=\"a.build.inf3\"/></release></addon>");
    write("l.inf3", "<addon><release id=\"l1\" version=\"2\">" + range + "config=\"l.build.inf3\"/></release></addon>");
    build("z.build.inf3", "zarni", component("base") + component("shared") + component("web"),
          "ez-template-suffix=\"debian-12\"");
    build("t.build.inf3", "tenebrin", component("shared") + component("tools"));
    build("a.build.inf3", "zarni", component("web", "", "classes=\"from-addon\""));
    build("l.build.inf3", "zarni", component("lazy"));

    CapturedLog log(3);
    loaded().read(debian12());
    loaded().load({{"zarni", "z1"}, {"tenebrin", "t1"}}, debian12());

    // "shared" came first from zarni; the plain addon's "web" replaced zarni's in
    // its place; the lazy addon's component keeps its build.
    EXPECT_EQ(loaded().tree(), "zarni/base zarni/shared zarni/web tenebrin/tools zarni/lazy");
    EXPECT_THAT(log.text(), HasSubstr("Skip component shared from t.build.inf3 - it has already come from <include> or "
                                      "addon"));
    EXPECT_THAT(log.text(), HasSubstr("Overwrite component web with component from <include> or addon at a.build.inf3"));
    EXPECT_THAT(log.text(), HasSubstr("Warning: ez_template_suffix is NOT defined in  t.build.inf3"));
    const KwComponentPtr lazy =
        boost::static_pointer_cast<KwComponent>(loaded().components.getRootNodes().back());
    ASSERT_TRUE(lazy->getLazyAddonBuild());
    EXPECT_EQ(lazy->getLazyAddonBuild()->config(), "l.build.inf3");
    EXPECT_EQ(lazy->getLazyAddonBuild()->getParent()->id(), "z1");
    // The lazy addon's build gets no product sources now; its own source holds its
    // packages: the configuration source, the lazy addon's and the three product
    // sources are all the repository knows.
    EXPECT_THAT(loaded().buildSources(), ElementsAre("z.build.inf3 b", "t.build.inf3 b", "a.build.inf3 b"));
    EXPECT_EQ(loaded().repository.getSources().size(), 5u);
    // With a suffix and no prefix, names are generated.
    const KwComponentPtr base = loaded().components.getBaseComponent("zarni");
    EXPECT_THAT(base->ezTemplates, ElementsAre("zarni8"));
    EXPECT_EQ(loaded().sources->getOsTemplate(), "debian-12");
}

TEST_F(LoaderCatalogue, InstallationTypesAndEnvironments)
{
    write("products.inf3", "<vendors><vendor><products><product id=\"zarni\" reference=\"zarni.inf3\"/>"
                           "</products></vendor></vendors>");
    product("zarni", {{"z1", "z.build.inf3"}});
    build("z.build.inf3", "zarni",
          component("base") + component("container", "", "environment=\"cq\"") +
              component("panel", "<package name=\"panel\" version=\"1\" release=\"1\" arch=\"amd64\" file=\"p.deb\" "
                                 "md5=\"0123456789abcdef0123456789abcdef\" buildtime=\"1\" size=\"1\">"
                                 "<settings><setting id=\"panel-port\" type=\"integer\"/></settings></package>",
                        "hidden=\"true\"") +
              "<installation_types><type name=\"full\"><component>base</component><component>container</component>"
              "</type><type name=\"Custom\" description=\"own\"><component>base</component></type>"
              "</installation_types><component_groups><group name=\"only-container\">"
              "<component name=\"container\"/></group><group name=\"outer\"><component name=\"panel\"/>"
              "<group name=\"inner\"><component name=\"container\"/></group></group></component_groups>");
    loaded().read(debian12());
    loaded().load({{"zarni", "z1"}}, debian12());

    // The container component is skipped on an ordinary server and leaves the
    // types; its top-level group goes, the nested one stays empty.
    EXPECT_THAT(typesOf(loaded().components, "zarni"),
                ElementsAre("full[base]", "Custom[base]", "Full*", "Custom*"));
    EXPECT_EQ(loaded().tree(), "zarni/base group outer [ zarni/panel group inner [ ] ]");
    EXPECT_EQ(loaded().components.getInstTypes().getProduct("zarni").getInstType("FULL").kind, InstTypes::kindListed);
    ASSERT_EQ(loaded().params.params().size(), 1u);
    EXPECT_EQ(loaded().params.params()[0]->getId(), "panel-port");
    EXPECT_EQ(loaded().params.params()[0]->getComponents().front()->name, "panel");
    EXPECT_TRUE(loaded().components.getBaseComponent("zarni")->ezTemplates.empty());
}

// Broken catalogues that only loading shows, one fixture directory each: the
// operator's text, and the release whose load failed.
TEST(BuildLoader, RefusedLoadsCarryTheRelease)
{
    struct Case {
        const char* directory;
        ErrorCodes codes;
        std::string text;
    };
    const Case cases[] = {
        {"include-cycle", {1, 1, 1, 3},
         "Invalid catalogue data in the element 'include' of the file debian-12.build.inf3: the included file "
         "\"debian-12.build.inf3\" cannot be read: included components inside .build.inf3 temporary not supported\n"},
        {"build-of-another-product", {1, 1, 1, 3},
         "Invalid catalogue data in the element 'product' of the file debian-12.build.inf3: the product id "
         "\"tenebrin\" is not the product \"zarni\" of the release \"zarni-1.0\"\n"},
        {"build-for-unknown-os", {2, 1, 1, 2},
         "The release version you selected is not available for your operating system.\n"},
        {"versions-inf3-only", {4, 2, 1, 1},
         "The file " + SourceUrl(catalogueFixture("versions-inf3-only")).getDirectory() +
             "debian-12.build.inf3 was not found.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.directory);
        LoadedCatalogue loaded{SourceUrl(catalogueFixture(c.directory))};
        loaded.read(debian12());
        try {
            loaded.load({{"zarni", "zarni-1.0"}}, debian12());
            ADD_FAILURE() << "loaded";
        } catch (const BuildLoader::ErrLoadRelease& failure) {
            EXPECT_EQ(failure.text(), c.text);
            expectCodes(failure, c.codes);
            ASSERT_TRUE(failure.release);
            EXPECT_EQ(failure.release->id(), "zarni-1.0");
        }
    }
    PkgManager::setPreferredPackageNames({});
}

// A build loaded where no product sources can be made stops the load instead of
// installing from nowhere.
TEST_F(LoaderCatalogue, UnknownSystemFamilyRaises)
{
    write("products.inf3", "<vendors><vendor><products><product id=\"zarni\" reference=\"zarni.inf3\"/>"
                           "</products></vendor></vendors>");
    product("zarni", {{"z1", "z.build.inf3"}});
    build("z.build.inf3", "zarni", component("base"));
    loaded().read(debian12());
    loaded().manager->selectRelease("zarni", "z1");

    // A system of neither package family has no product sources to make.
    SourceManager sources(&loaded().repository, Opsys("Linux", "Plan9", "4", "x86_64", ""));
    ParamManager params;
    std::vector<ProductInf3FileGuardPtr> guards;
    BuildLoader loader(&loaded().repository, &loaded().components, &loaded().fetcher, &sources, &params, &guards,
                       debian12());
    try {
        loaded().manager->accept(loader);
        ADD_FAILURE() << "loaded without sources";
    } catch (const BuildLoader::ErrLoadRelease& failure) {
        expectCodes(failure, {3, 1, 1, 3});
        EXPECT_THAT(failure.text(), HasSubstr("no product sources for the system"));
    }
}

// Build and component actions are read into their lists with their parents'
// names; a bad action stops the load as bad catalogue data.
TEST_F(LoaderCatalogue, BootstrapActionsOfBuildAndComponents)
{
    write("products.inf3", "<vendors><vendor><products><product id=\"zarni\" reference=\"zarni.inf3\"/>"
                           "</products></vendor></vendors>");
    product("zarni", {{"z1", "z.build.inf3"}});
    const std::string componentActions =
        "<bootstrapper><action sequence=\"post\" exec-cmd=\"echo base\"/></bootstrapper>";
    build("z.build.inf3", "zarni",
          component("base", componentActions) +
              "<bootstrapper><action sequence=\"prep\" sequence-order=\"-1\" exec-cmd=\"echo build\"/>"
              "<action sequence=\"pkgs\" stage=\"rollback\" exec-cmd=\"echo undo\"/></bootstrapper>");
    loaded().read(debian12());
    loaded().load({{"zarni", "z1"}}, debian12());
    const KwComponentPtr base = loaded().components.getBaseComponent("zarni");
    ASSERT_EQ(base->bootstrapperActions.size(), 1u);
    EXPECT_EQ(base->bootstrapperActions[0]->parentName(), "base");
    EXPECT_EQ(base->bootstrapperActions[0]->sequence(), "post");
    const Build::ActionList& buildActions = base->getBuild()->bootstrapActions();
    ASSERT_EQ(buildActions.size(), 2u);
    EXPECT_EQ(buildActions[0]->parentName(), "z1");
    EXPECT_EQ(buildActions[0]->sequenceOrder(), -1);
    EXPECT_EQ(buildActions[1]->stage(), "rollback");

    struct Case {
        const char* name;
        const char* action;
        const char* text;
    };
    const Case cases[] = {
        {"no command", "<action sequence=\"prep\"/>",
         "Can't parse z.build.inf3: There is no attribute 'exec-cmd' in element action"},
        {"order no number", "<action sequence=\"prep\" exec-cmd=\"x\" sequence-order=\"first\"/>",
         "Can't parse z.build.inf3\nInvalid number format.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        write("products.inf3", "<vendors><vendor><products><product id=\"zarni\" reference=\"zarni.inf3\"/>"
                               "</products></vendor></vendors>");
        product("zarni", {{"z1", "z.build.inf3"}});
        build("z.build.inf3", "zarni", component("base", std::string("<bootstrapper>") + c.action + "</bootstrapper>"));
        loaded().read(debian12());
        try {
            loaded().load({{"zarni", "z1"}}, debian12());
            ADD_FAILURE() << "loaded";
        } catch (const BuildLoader::ErrLoadRelease& failure) {
            expectCodes(failure, {1, 1, 1, 3});
            EXPECT_THAT(failure.text(), HasSubstr(c.text));
        }
    }
}
