#include "installer/engine/Installer.h"

#include "installer/components/ComponentManager.h"
#include "installer/engine/Bootstrapper.h"
#include "installer/engine/ProductsProgress.h"
#include "installer/engine/SystemSpecificConfigurator.h"

#include "common/Opsys.h"
#include "common/Progress.h"
#include "common/packages/DebPackage.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/Repository.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/RecordedTools.h"
#include "tests/common/packages/ResolverFixture.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/sources/ExtensionStandIn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tinyxml.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// A configurator with nothing to configure: the installer only borrows it.
class InertConfigurator : public SystemSpecificConfigurator {
public:
    InertConfigurator() : SystemSpecificConfigurator(nullptr, nullptr) {}
    void reconfigureSources() override {}
    std::unique_ptr<Installer> createInstaller(ComponentManager*) override
    {
        throw KW_INTERNAL_ERROR() << "the tests make their installer themselves";
    }

protected:
    const Package* doGetAvailablePackage(const std::string&) override { return nullptr; }
    void doConfigure() override {}
    void doRemoveTemporarySources() override {}
};

// A back end that installs nothing; the frame's own operations are under test.
class IdleInstaller : public Installer {
public:
    IdleInstaller(SystemSpecificConfigurator* configurator) : Installer(nullptr, nullptr, configurator) {}
    const PackageList& resolve() override { return resolvedList(); }
    void doInstall(const PackageList&) override {}
};

bool present(const std::string& path)
{
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

const std::string kFlag = "/var/kestavine/kitwright-installation-failure.flag";

}  // namespace

TEST(Installer, FailureFlagPathIsTheSystemsFile) { EXPECT_EQ(Installer::failureFlagPath(), kFlag); }

TEST(Installer, ConstructionRegistersItsProductsProgress)
{
    InertConfigurator configurator;
    CapturedLogLines log;
    {
        IdleInstaller installer(&configurator);
        EXPECT_NE(ProductsProgress::instance(), nullptr);
        EXPECT_THAT(log.text(), HasSubstr("Installer::Installer: create ProductsProgress\n"));
        EXPECT_TRUE(installer.resolvedList().empty());
    }
    EXPECT_EQ(ProductsProgress::instance(), nullptr);
}

TEST(Installer, CheckPackageSetOnlyLogs)
{
    InertConfigurator configurator;
    IdleInstaller installer(&configurator);
    CapturedLogLines log(1);
    installer.checkPackageSet();
    EXPECT_EQ(log.text(), "Check package set before installation\n");
}

TEST(Installer, SetCommitChangesKeepsTheConfiguratorsFiles)
{
    InertConfigurator configurator;
    IdleInstaller installer(&configurator);
    CapturedLogLines log;
    installer.setCommitChanges();
    EXPECT_TRUE(configurator.commitsChanges());
    EXPECT_THAT(log.text(), HasSubstr("SystemSpecificConfigurator: set commitChanges flag = true\n"));
}

TEST(Installer, WithoutConfiguratorSetCommitChangesIsAnInternalError)
{
    IdleInstaller installer(nullptr);
    expectError([&] { installer.setCommitChanges(); }, {3, 1, 0, 3}, HasSubstr("NULL pointer"));
}

TEST(Installer, FailureFlagIsSetFoundAndCleared)
{
    expectWithExtensionStandIn([] {
        InertConfigurator configurator;
        IdleInstaller installer(&configurator);
        {
            CapturedLogLines log;
            // The directory is missing: it is made, or the recovery rule would be lost.
            EXPECT_FALSE(installer.processFailureFlag(true));
            struct stat info;
            ASSERT_EQ(::stat("/var/kestavine", &info), 0);
            const mode_t mask = ::umask(0);
            ::umask(mask);
            EXPECT_TRUE(S_ISDIR(info.st_mode));
            EXPECT_EQ(info.st_mode & 07777, 0755u & ~mask);
            EXPECT_TRUE(present(kFlag));
            EXPECT_THAT(log.text(), HasSubstr("DEBUG installation failure flag file does not exist: " + kFlag + "\n"));
            EXPECT_THAT(log.text(), Not(HasSubstr("WARNING")));
        }
        {
            CapturedLogLines log;
            EXPECT_TRUE(installer.processFailureFlag(true));
            EXPECT_TRUE(present(kFlag));
            EXPECT_THAT(log.text(), HasSubstr("DEBUG installation failure flag file exists: " + kFlag + "\n"));
            EXPECT_THAT(log.text(),
                        HasSubstr("WARNING: Failure of previous installation was detected! Bootstrapper post-actions "
                                  "will be executed for all components at the end of the current installation.\n"));
        }
        EXPECT_FALSE(installer.processFailureFlag(false));
        EXPECT_FALSE(present(kFlag));
        // Clearing a flag that is not there is no trouble.
        CapturedLogLines quiet(1);
        EXPECT_FALSE(installer.processFailureFlag(false));
        EXPECT_EQ(quiet.text(), "");
    }, false);
}

TEST(Installer, FailureFlagTroubleIsLoggedAndNeverRaised)
{
    struct Case {
        const char* name;
        std::function<void()> plant;
        bool set;
        const char* line;
    };
    const Case cases[] = {
        {"the flag directory is a file",
         [] { ASSERT_EQ(::close(::open("/var/kestavine", O_WRONLY | O_CREAT, 0644)), 0); }, true,
         "Error occured while trying to process installation failure flag file: '"},
        {"a link in the flag's place is not followed",
         [] {
             ASSERT_EQ(::mkdir("/var/kestavine", 0755), 0);
             ASSERT_EQ(::mkdir("/var/elsewhere", 0755), 0);
             ASSERT_EQ(::symlink("/var/elsewhere/planted", kFlag.c_str()), 0);
         },
         true, "Error occured while trying to process installation failure flag file: '"},
        {"the flag cannot be removed",
         [] {
             ASSERT_EQ(::mkdir("/var/kestavine", 0755), 0);
             ASSERT_EQ(::mkdir(kFlag.c_str(), 0755), 0);
             ASSERT_EQ(::mkdir((kFlag + "/inside").c_str(), 0755), 0);
         },
         false, "Error occured while trying to process installation failure flag file: '"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectWithExtensionStandIn([&c] {
            c.plant();
            InertConfigurator configurator;
            IdleInstaller installer(&configurator);
            CapturedLogLines log(1);
            EXPECT_FALSE(installer.processFailureFlag(c.set));
            EXPECT_THAT(log.text(), HasSubstr(std::string(c.line) + kFlag + "'. ERROR: "));
            EXPECT_FALSE(present("/var/elsewhere/planted"));
        }, false);
    }
}

namespace {

void record(const std::string& line)
{
    const char* log = std::getenv("KW_TEST_TOOL_LOG");
    ASSERT_NE(log, nullptr);
    std::ofstream(log, std::ios::app) << line << "\n";
}

// A back end whose installation is a line in the recording tool's call list,
// "doInstall <names> flag|no-flag", so that it shows in order with the actions
// and the extension commands; it fails, or a stop is requested while it runs,
// when told.
class RecordingInstaller : public Installer {
public:
    RecordingInstaller(Repository* repository, ComponentManager* components, SystemSpecificConfigurator* configurator)
        : Installer(repository, components, configurator)
    {
    }
    const PackageList& resolve() override
    {
        bootstrapperPackages() = bootstrapper;
        resolvedPackages() = resolved;
        return resolvedList();
    }
    void doInstall(const PackageList& packages) override
    {
        std::string line = "doInstall";
        for (const Package* package : packages) line += std::string(" ") + package->getName();
        record(line + (present(kFlag) ? " flag" : " no-flag"));
        if (failure) throw *failure;
        if (stopRequested) Progress::onSignal(SIGTERM);
    }

    PackageList bootstrapper;
    PackageList resolved;
    std::optional<error> failure;
    bool stopRequested = false;
};

std::string actionElement(const std::string& sequence, const std::string& stage, const std::string& name,
                          int code = 0)
{
    return "<action sequence=\"" + sequence + "\" stage=\"" + stage + "\" exec-cmd=\"act " + name +
           (code ? "; exit " + std::to_string(code) : std::string()) + "\"/>";
}

Bootstrapper::ActionList actions(const std::vector<std::string>& elements)
{
    std::string xml = "<bootstrapper>";
    for (const std::string& element : elements) xml += element;
    TiXmlDocument document;
    document.Parse((xml + "</bootstrapper>").c_str());
    Bootstrapper::ActionList list;
    Bootstrapper::loadActions(list, *document.RootElement(), "test");
    return list;
}

const ExtCatalogPackage* addExtension(Repository& repository, const std::string& code, char kind)
{
    auto extension = std::make_unique<ExtCatalogPackage>(("ext-" + code).c_str());
    extension->setType(kind);
    extension->setCode(code);
    extension->setDisplayName(code);
    extension->setDownloadUrl("https://ext.zarni.example/" + code + ".zip");
    return static_cast<const ExtCatalogPackage*>(repository.addPackage(std::move(extension), nullptr));
}

struct Scenario {
    const char* name;
    bool flagDirectory = true;
    bool earlierFlag = false;
    int prepCode = 0;
    int postCode = 0;
    bool installFails = false;
    bool stop = false;
    bool bootstrapperPackage = false;
    std::vector<std::string> calls;
    bool flagAfter = false;
    // Empty: install returns normally.
    std::string error;
    std::vector<std::string> logLines;
    std::vector<std::string> absentLines;
};

const char* const kUninstall = "extension --uninstall foo";
const char* const kInstall = "extension --upgrade-url https://ext.zarni.example/bar.zip";
const char* const kDoInstall = "doInstall dummy_obsoleter_ext-foo zarni-web ext-bar flag";

std::vector<Scenario> scenarios()
{
    std::vector<Scenario> list;
    Scenario s;
    s.name = "success";
    s.calls = {kUninstall, "act prep", kDoInstall, "act post", kInstall};
    s.logLines = {"Installing packages\n", "DEBUG installation failure flag file does not exist: " + kFlag + "\n",
                  "installPrep: Perform PREP actions\n", "installPost: Perform POST actions\n",
                  "Install command successfully completed\n"};
    list.push_back(s);

    s = Scenario();
    s.name = "the flag directory is missing";
    s.flagDirectory = false;
    s.calls = {kUninstall, "act prep", kDoInstall, "act post", kInstall};
    s.logLines = {"Install command successfully completed\n"};
    list.push_back(s);

    s = Scenario();
    s.name = "bootstrapper packages first";
    s.bootstrapperPackage = true;
    s.calls = {kUninstall, "doInstall zarni-boot no-flag", "act prep", kDoInstall, "act post", kInstall};
    list.push_back(s);

    s = Scenario();
    s.name = "the installation fails";
    s.installFails = true;
    s.calls = {kUninstall, "act prep", kDoInstall, "act pkgs-undo"};
    s.flagAfter = true;
    s.error = "dpkg broke\n";
    s.logLines = {"DEBUG: Bootstrapper::performPkgsFailureActions\n"};
    s.absentLines = {"installPost: Perform POST actions", "DEBUG install extension packages"};
    list.push_back(s);

    s = Scenario();
    s.name = "an earlier run failed";
    s.earlierFlag = true;
    s.calls = {kUninstall, "act prep", kDoInstall, "act old-post", "act post", kInstall};
    s.logLines = {"WARNING: Failure of previous installation was detected! Bootstrapper post-actions will be "
                  "executed for all components at the end of the current installation.\n",
                  "Install command successfully completed\n"};
    list.push_back(s);

    s = Scenario();
    s.name = "prep actions fail";
    s.prepCode = 1;
    s.calls = {kUninstall, "act prep", "act prep-back"};
    s.error = "Failed to perform the PREP actions of the components before the installation of packages.\n";
    list.push_back(s);

    s = Scenario();
    s.name = "post actions fail";
    s.postCode = 2;
    s.calls = {kUninstall, "act prep", kDoInstall, "act post", "act post-back"};
    s.flagAfter = true;
    s.error = "Failed to perform the POST actions of the components after the installation of packages.\n";
    list.push_back(s);

    s = Scenario();
    s.name = "a stop requested during the installation";
    s.stop = true;
    s.calls = {kUninstall, "act prep", kDoInstall};
    s.flagAfter = true;
    s.error = "interrupted";
    s.absentLines = {"installPost: Perform POST actions"};
    list.push_back(s);
    return list;
}

}  // namespace

TEST(InstallerInstall, Scenarios)
{
    for (const Scenario& c : scenarios()) {
        SCOPED_TRACE(c.name);
        RecordedTools tools{"act"};
        expectWithExtensionStandIn([&] {
            Progress::resetTermination();
            if (c.flagDirectory) {
                ASSERT_EQ(::mkdir("/var/kestavine", 0755), 0);
            }
            if (c.earlierFlag) {
                ASSERT_EQ(::close(::open(kFlag.c_str(), O_WRONLY | O_CREAT, 0644)), 0);
            }

            ProductBuild zarni = makeProductBuild("zarni");
            ComponentManager components;
            KwComponentPtr base =
                makeComponent(zarni.build, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
            base->bootstrapperActions = actions(
                {actionElement("prep", "execute", "prep", c.prepCode), actionElement("prep", "rollback", "prep-back"),
                 actionElement("post", "execute", "post", c.postCode), actionElement("post", "rollback", "post-back"),
                 actionElement("pkgs", "rollback", "pkgs-undo")});
            KwComponentPtr old = makeComponent(zarni.build, "old", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE);
            old->bootstrapperActions = actions({actionElement("post", "execute", "old-post")});
            components.addRootNode(old);
            components.addRootNode(base);

            Repository repository;
            addExtension(repository, "foo", 's');
            InertConfigurator configurator;
            RecordingInstaller installer(&repository, &components, &configurator);
            installer.resolved = {repository.addRemoverFor("ext-foo", ""), addRecord(repository, "zarni-web", "1.0", 'b'),
                                  addExtension(repository, "bar", 'e')};
            if (c.bootstrapperPackage) installer.bootstrapper = {addRecord(repository, "zarni-boot", "1.0", 'b')};
            if (c.installFails) installer.failure = error(6, 1, 2, 2) << "dpkg broke";
            installer.stopRequested = c.stop;
            installer.resolve();

            CapturedLogLines log;
            if (c.error.empty()) {
                installer.install();
            } else if (c.error == "interrupted") {
                EXPECT_THROW(installer.install(), Progress::Interrupted);
            } else {
                const std::optional<error> raised = expectError([&] { installer.install(); });
                if (raised) {
                    EXPECT_EQ(raised->text(), c.error);
                    if (c.installFails)
                        expectCodes(*raised, {6, 1, 2, 2});
                    else
                        expectCodes(*raised, {4, 0, 2, 2});
                }
            }
            EXPECT_EQ(tools.calls(), c.calls);
            EXPECT_EQ(present(kFlag), c.flagAfter);
            for (const std::string& line : c.logLines) EXPECT_THAT(log.text(), HasSubstr(line));
            for (const std::string& line : c.absentLines) EXPECT_THAT(log.text(), Not(HasSubstr(line)));
            if (!c.error.empty()) {
                EXPECT_THAT(log.text(), Not(HasSubstr("Install command successfully completed")));
            }
            Progress::resetTermination();
        });
    }
}

namespace {

// The group of a resolver scenario's build records, completed by the install step.
class InstallStepResolution : public ::testing::Test {
protected:
    void SetUp() override
    {
        processOptions();
        PkgManager::resetReportedWarnings();
        PkgManager::setPreferredPackageNames({});
    }

    Installer::PackageList buildRecords() const
    {
        Installer::PackageList list;
        for (const Package* package : repository.getPackages())
            if (package->getType() == Package::typeBuild) list.push_back(package);
        return list;
    }

    Repository repository;
};

}  // namespace

TEST_F(InstallStepResolution, CompletesTheGroupOfAChain)
{
    if (Opsys().arch() != "x86_64") GTEST_SKIP() << "the scenario's records are for x86_64";
    loadScenario(repository, "simple-chain");
    const Installer::PackageList installList = buildRecords();
    Installer::PackageList group = installList;
    CapturedLogLines log;
    Installer::prepareInstallStep(group, installList, repository);
    EXPECT_EQ(namesOf(group), "app liba libb");
    EXPECT_THAT(log.text(), HasSubstr("DEBUG: prepareInstallStep: resolve results for package(s):\n"));
    EXPECT_THAT(log.text(), HasSubstr("DEBUG: ----  end of resolving results ---- \n"));
}

// The resolver's own explanation of an unresolvable requirement leaves the step
// unchanged.
TEST_F(InstallStepResolution, AnUnresolvableRequirementStopsTheStep)
{
    loadScenario(repository, "unresolvable");
    const Installer::PackageList installList = buildRecords();
    Installer::PackageList group = installList;
    CapturedLogLines log;
    expectError([&] { Installer::prepareInstallStep(group, installList, repository); }, {5, 1, 1, 3},
                "Unable to install the \"app\" package.\n");
    EXPECT_THAT(log.text(), HasSubstr("dependency 'libfoo' is unresolved"));
}

TEST_F(InstallStepResolution, InstalledRecordsReplaceWhatTheyObsoleteAndOlderVersions)
{
    loadScenario(repository, "obsoleter-repairs-conflict");
    loadScenario(repository, "upgrade-keeps-requirers");
    const Package* newtool = recordOf(repository, "newtool", Package::typeUpdates);
    const Package* lib = recordOf(repository, "lib", Package::typeBuild);
    ASSERT_NE(newtool, nullptr);
    ASSERT_NE(lib, nullptr);
    ASSERT_NE(repository.findInstalled("oldtool"), nullptr);
    ASSERT_NE(repository.findInstalled("client"), nullptr);
    const Package* remover = repository.addRemoverFor("client", "");

    Installer::updateSystemRepository(repository, {newtool, lib, remover});

    EXPECT_EQ(repository.findInstalled("newtool"), newtool);
    EXPECT_EQ(repository.findInstalled("lib"), lib);
    EXPECT_EQ(repository.findByName("lib").size(), 1u);
    EXPECT_EQ(repository.findInstalled("oldtool"), nullptr);
    EXPECT_EQ(repository.findInstalled("client"), nullptr);
    EXPECT_EQ(remover->getType(), Package::typeDummy);
    for (const Package* purged : repository.getPurgedPackages()) EXPECT_EQ(purged->getType(), Package::typePurge);
    EXPECT_EQ(repository.getPurgedPackages().size(), 3u);
}

TEST_F(InstallStepResolution, TheSmallRepositoryListsResolvedAndInstalledRecords)
{
    loadScenario(repository, "upgrade-keeps-requirers");
    const Package* lib = recordOf(repository, "lib", Package::typeBuild);
    const Package* client = recordOf(repository, "client", Package::typeSystem);
    const Source* source = lib->getSource();
    {
        const std::unique_ptr<Repository> small = Installer::makeSmallRepository({lib}, repository);
        std::set<std::string> listed;
        for (const Package* package : small->getPackages())
            listed.insert(std::string(package->getName()) + "~" + static_cast<char>(package->getType()));
        EXPECT_EQ(listed, (std::set<std::string>{"lib~b", "lib~s", "client~s"}));
        EXPECT_THAT(small->getRequired(client), ::testing::Contains(recordOf(repository, "lib", Package::typeSystem)));
    }
    EXPECT_EQ(lib->getSource(), source);
    EXPECT_TRUE(repository.isListed(lib));
    EXPECT_EQ(recordOf(repository, "lib", Package::typeBuild), lib);
}
