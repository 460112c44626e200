#include "installer/engine/ComponentsExamine.h"

#include "installer/components/ComponentManager.h"
#include "installer/engine/ExamineResultFormatter.h"
#include "installer/options/Options.h"
#include "installer/sources/FileFetcher.h"
#include "installer/startup/StartupArguments.h"

#include "common/Messages.h"
#include "common/Progress.h"
#include "common/fileops.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/RecordedTools.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/common/packages/ReaderTestSupport.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/options/ProcessOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string kSource = std::string(KW_TEST_DATA_DIR) + "/engine/examine-source";

ExamineStep makeStep(const std::string& scope, const std::string& name, const std::string& script,
                     const std::string& options = "", bool always = false, const std::string& launcher = "")
{
    ExamineStep step;
    step.scope = scope;
    step.name = name;
    step.script = script;
    step.launcher = launcher;
    step.options = options;
    step.always = always;
    // As the build loader sets it for "dist/build.inf3".
    step.directory = "dist/";
    return step;
}

std::vector<std::string> lines(const std::string& path)
{
    std::vector<std::string> result;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

std::vector<std::string> names(const std::vector<Examination>& examinations)
{
    std::vector<std::string> result;
    for (const Examination& examination : examinations) result.push_back(examination.script.name());
    return result;
}

// A local source holding a copy of the fixture scripts (the runner changes their
// mode), a product "zarni" whose release 2.0 has the build "dist/build.inf3" for
// Debian 12, recorded chcon calls, and the files the scripts write into.
class ComponentsExamineTest : public ReaderTest {
protected:
    ComponentsExamineTest()
        : systemPath_(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin"),
          tools_({"chcon"}),
          path_("PATH", tools_.directory() + ":" + systemPath_),
          argv_("KW_TEST_EXAMINE_ARGV", work_.path() + "/argv"),
          runs_("KW_TEST_EXAMINE_RUNS", work_.path() + "/runs")
    {
    }

    void SetUp() override
    {
        ReaderTest::SetUp();
        if (IsSkipped()) return;
        processOptions();
        namespace fs = boost::filesystem;
        for (fs::recursive_directory_iterator it(kSource), end; it != end; ++it) {
            const fs::path target = fs::path(source_.path()) / fs::relative(it->path(), kSource);
            if (fs::is_directory(it->path()))
                fs::create_directories(target);
            else
                fs::copy_file(it->path(), target);
        }
        fetcher_ = std::make_unique<FileFetcher>(SourceUrl(source_.path()), target_.path());
        product_ = makeProduct("zarni");
        release_ = makeRelease(product_, "zarni-2.0", "2.0");
        build_ = addBuild(release_, "Debian", "12", "x86_64", "", "dist/build.inf3");
        installed("");
    }

    // The product installed in that version ("" none), and the release's state.
    void installed(const std::string& version, const Opsys& system = debian12())
    {
        if (!version.empty()) addRecord(repository_, "base-package", version.c_str());
        release_->checkState(&repository_, system);
    }

    KwComponentPtr addComponent(const std::string& name, const std::vector<ExamineStep>& steps,
                                int mode = KwComponent::MODE_INSTALL, int selection = KwComponent::SEL_INSTALL,
                                const BuildPtr& build = BuildPtr())
    {
        KwComponentPtr component = makeComponent(build ? build : build_, name, mode, selection);
        component->examinations = steps;
        components_.addRootNode(component);
        return component;
    }

    std::unique_ptr<ComponentsExamine> examine()
    {
        return std::make_unique<ComponentsExamine>(&components_, fetcher_.get(), debian12());
    }

    // The lines the examinations appended to the run record.
    std::vector<std::string> runs() const { return lines(work_.path() + "/runs"); }
    std::vector<std::string> argv() const { return lines(work_.path() + "/argv"); }

    std::string systemPath_;
    RecordedTools tools_;
    TempDir work_;
    ScopedEnvironment path_;
    ScopedEnvironment argv_;
    ScopedEnvironment runs_;
    TempDir source_;
    TempDir target_;
    Repository repository_;
    std::unique_ptr<FileFetcher> fetcher_;
    ProductPtr product_;
    ReleasePtr release_;
    BuildPtr build_;
    ComponentManager components_;
};

TEST_F(ComponentsExamineTest, ExitCodesAndSignalsBecomeResults)
{
    struct Case {
        const char* argument;
        bool reported;
        bool unpassed;
        std::string extraLine;
    };
    const Case cases[] = {
        {"0", false, false, ""},
        {"1", true, false, ""},
        {"2", true, true, ""},
        {"3", true, false, ""},
        {"INT", true, false, (Messages::format("examine_signal") % "SIGINT (2)").str() + "\n"},
        {"KILL", true, false, (Messages::format("examine_signal") % "SIGKILL (9)").str() + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        ComponentManager components;
        KwComponentPtr component = makeComponent(build_, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
        component->examinations = {makeStep("pre_install", "exit", "checks/exit-with.sh", c.argument)};
        components.addRootNode(component);
        ComponentsExamine examine(&components, fetcher_.get(), debian12());
        CapturedLogLines log(2);
        EXPECT_EQ(examine.doPreExamine(false), !c.reported);
        ASSERT_EQ(examine.preResults().size(), c.reported ? 1u : 0u);
        if (c.reported) {
            const ExamineResult& result = examine.preResults().front();
            EXPECT_EQ(result.name, "exit");
            EXPECT_EQ(result.output, std::string("output of ") + c.argument + "\n");
            EXPECT_EQ(result.error, std::string("error of ") + c.argument + "\n" + c.extraLine);
            EXPECT_EQ(result.unpassed, c.unpassed);
            EXPECT_EQ(ComponentsExamine::hasUnpassed(examine.preResults()), c.unpassed);
        }
        const std::string script = source_.path() + "/dist/checks/exit-with.sh";
        EXPECT_THAT(log.text(), HasSubstr("Examination executed ['" + script + "' " + c.argument + "] with code "));
        struct stat info;
        ASSERT_EQ(::stat(script.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0700u);
    }
    EXPECT_EQ(tools_.calls().size(), 6u);
    EXPECT_EQ(tools_.calls().front(),
              "chcon system_u:object_r:bin_t:s0 " + source_.path() + "/dist/checks/exit-with.sh");
}

// The arguments a script receives, for each phase and work mode, with values that
// hold shell syntax: each placeholder is one argument, and nothing runs.
TEST_F(ComponentsExamineTest, PlaceholdersReachTheScriptAsArguments)
{
    const std::string planted = work_.path() + "/x";
    const std::string preset = "Typical $(touch " + planted + ") 'q' \"d\"";
    const std::string argument = "--hostile=`touch " + planted + "`; touch " + planted;
    StartupArguments::keep({"kitwright", "--select-product-id", argument});
    components_.storeInstallationType(preset, "zarni");
    components_.storeInstallationType("Full", "tenebrin");
    const std::string options = "{RC} {RC} {PRESET} {WORK_MODE} {FROM_RELEASE_VERSION} {TO_RELEASE_VERSION} "
                                "{OS_NAME} {OS_VERSION} {OS_ARCH} {KW_HOME} {ARGUMENTS}";
    for (const char* scope : {"pre_install", "post_install"})
        addComponent(std::string("c-") + scope, {makeStep(scope, scope, "checks/argv.sh", options, true)});

    Options& options_ = Options::getInstance();
    const int mode = options_.mode;
    struct Phase {
        const char* name;
        bool (*run)(ComponentsExamine&);
        const char* returnCode;
    };
    const Phase phases[] = {
        {"pre", [](ComponentsExamine& e) { return e.doPreExamine(false); }, "0"},
        {"post", [](ComponentsExamine& e) { return e.doPostExamine(false); }, "0"},
        {"failure post", [](ComponentsExamine& e) { return e.doFailurePostExamine(); }, "1"},
    };
    const std::pair<int, const char*> workModes[] = {
        {Options::modeTextWizard, "INTERACTIVE_CONSOLE"},
        {Options::modeCommandLine, "NON_INTERACTIVE"},
        {Options::modeWebBackEnd, "INTERACTIVE_WEB_UI"},
        {Options::modeCommandHelp, "7"},
    };
    for (const Phase& phase : phases) {
        for (const auto& workMode : workModes) {
            SCOPED_TRACE(std::string(phase.name) + ", " + workMode.second);
            options_.mode = workMode.first;
            ::unlink((work_.path() + "/argv").c_str());
            auto examine = this->examine();
            EXPECT_TRUE(phase.run(*examine));
            EXPECT_THAT(argv(), ElementsAre(phase.returnCode, phase.returnCode, "tenebrin:Full zarni:" + preset,
                                            workMode.second, "", "2.0", "Linux", "12", "x86_64", get_home_dir(),
                                            "'kitwright' '--select-product-id' '--hostile=`touch " + planted +
                                                "`; touch " + planted + "'"));
        }
    }
    options_.mode = mode;
    StartupArguments::keep({"kitwright"});
    struct stat info;
    EXPECT_NE(::stat(planted.c_str(), &info), 0) << "a placeholder value ran a command";
}

// The installed version comes from the package database, which any package may
// write: it reaches the script as text.
TEST_F(ComponentsExamineTest, TheFromVersionIsTheInstalledProductVersion)
{
    const std::string planted = work_.path() + "/x";
    const std::string version = "1.5 $(touch " + planted + ") 'q'";
    installed(version);
    addComponent("base", {makeStep("pre_upgrade", "versions", "checks/argv.sh",
                                   "{FROM_RELEASE_VERSION} {TO_RELEASE_VERSION}")},
                 KwComponent::MODE_UPGRADE);
    auto examine = this->examine();
    ASSERT_EQ(examine->preExaminations().size(), 1u);
    EXPECT_EQ(examine->preExaminations()[0].fromVersion, release_->installedVersion());
    EXPECT_TRUE(examine->doPreExamine(false));
    EXPECT_THAT(argv(), ElementsAre(release_->installedVersion(), "2.0"));
    EXPECT_THAT(release_->installedVersion(), HasSubstr("$(touch "));
    struct stat info;
    EXPECT_NE(::stat(planted.c_str(), &info), 0) << "the version ran a command";
}

// Build-level examinations take the release's mode: install, upgrade (minor or
// major), up2date for the installed release, error for one that is not actual.
TEST_F(ComponentsExamineTest, ScopesRegisterByTheModeOfTheirPhase)
{
    const char* scopes[] = {"pre_install", "pre_upgrade", "pre_update", "pre_any", "post_install",
                            "post_upgrade", "post_update", "post_any", "pre", "any"};
    for (const char* scope : scopes) build_->addExamine(makeStep(scope, scope, "checks/ran.sh"));
    // A component that will be removed brings its build's examinations.
    addComponent("base", {}, KwComponent::MODE_UP2DATE, KwComponent::SEL_REMOVE);

    struct Case {
        const char* name;
        const char* installedVersion;
        Opsys system;
        std::vector<std::string> pre;
        std::vector<std::string> post;
    };
    const Case cases[] = {
        {"install", "", debian12(), {"pre_install", "pre_any"}, {"post_install", "post_any"}},
        {"upgrade", "1.0", debian12(), {"pre_upgrade", "pre_any"}, {"post_upgrade", "post_any"}},
        {"up2date", "2.0", debian12(), {"pre_update", "pre_any"}, {"post_update", "post_any"}},
        {"not actual", "", Opsys("Linux", "RedHat", "9", "x86_64", ""), {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Repository repository;
        if (*c.installedVersion) addRecord(repository, "base-package", c.installedVersion);
        release_->checkState(&repository, c.system);
        auto examine = this->examine();
        EXPECT_EQ(names(examine->preExaminations()), c.pre);
        EXPECT_EQ(names(examine->postExaminations()), c.post);
    }
}

TEST_F(ComponentsExamineTest, AComponentBringsItsOwnExaminationsOnlyWhenItIsInstalled)
{
    const std::vector<ExamineStep> steps = {makeStep("pre_install", "own-install", "checks/ran.sh"),
                                            makeStep("pre_upgrade", "own-upgrade", "checks/ran.sh"),
                                            makeStep("pre_any", "own-any", "checks/ran.sh")};
    struct Case {
        const char* name;
        int mode;
        int selection;
        std::vector<std::string> pre;
    };
    const Case cases[] = {
        {"install", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL, {"own-install", "own-any"}},
        {"upgrade", KwComponent::MODE_UPGRADE, KwComponent::SEL_INSTALL, {"own-upgrade", "own-any"}},
        {"up to date, selected", KwComponent::MODE_UP2DATE, KwComponent::SEL_INSTALL, {}},
        {"removed", KwComponent::MODE_UP2DATE, KwComponent::SEL_REMOVE, {}},
        {"not selected", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ComponentManager components;
        KwComponentPtr component = makeComponent(build_, "web", c.mode, c.selection);
        component->examinations = steps;
        components.addRootNode(component);
        ComponentsExamine examine(&components, fetcher_.get(), debian12());
        EXPECT_EQ(names(examine.preExaminations()), c.pre);
    }
}

TEST_F(ComponentsExamineTest, TheSameExaminationIsRegisteredOnceUnderTheFirstOwner)
{
    const ExamineStep same = makeStep("pre_install", "same", "checks/ran.sh", "{RC}");
    ExamineStep sameFromTheRoot = same;
    sameFromTheRoot.script = "/dist/checks/ran.sh";
    sameFromTheRoot.directory = "elsewhere/";
    addComponent("first", {same});
    addComponent("second", {sameFromTheRoot, makeStep("pre_install", "same", "checks/ran.sh", "{RC} {RC}")});
    CapturedLogLines log(2);
    auto examine = this->examine();
    ASSERT_EQ(examine->preExaminations().size(), 2u);
    EXPECT_EQ(examine->preExaminations()[0].owner, "first");
    EXPECT_EQ(examine->preExaminations()[1].owner, "second");
    EXPECT_THAT(log.text(), HasSubstr("Examination added: same, context=\"first\", script=dist/checks/ran.sh, "
                                      "launcher=~empty, options=\"{RC}\", always=false\n"));
    EXPECT_TRUE(examine->doPreExamine(false));
    EXPECT_THAT(runs(), ElementsAre("0", "0 0"));
}

// An addon's build attached to the release brings the examinations of the
// release's own build for the running system as well, each build once; both are
// owned by the release.
TEST_F(ComponentsExamineTest, AnAddonBuildAlsoBringsItsReleasesBuild)
{
    build_->addExamine(makeStep("pre_any", "release-check", "checks/ran.sh"));
    const BuildPtr addonBuild = boost::make_shared<Build>(ReleasePtr(), "Linux", "Debian", "12", "x86_64", "",
                                                          "addons/a/build.inf3", "");
    addonBuild->setParent(release_);
    addonBuild->addExamine(makeStep("pre_any", "addon-check", "checks/ran.sh"));
    addComponent("addon-part", {}, KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL, addonBuild);
    addComponent("base", {});
    auto examine = this->examine();
    EXPECT_THAT(names(examine->preExaminations()), ElementsAre("addon-check", "release-check"));
    EXPECT_EQ(examine->preExaminations()[0].owner, release_->name());
    EXPECT_EQ(examine->preExaminations()[1].owner, release_->name());
}

TEST_F(ComponentsExamineTest, SkippingRunsOnlyTheExaminationsMarkedAlways)
{
    addComponent("base", {makeStep("pre_install", "skippable", "checks/ran.sh", "skippable"),
                          makeStep("pre_install", "always", "checks/ran.sh", "always", true)});
    EXPECT_TRUE(examine()->doPreExamine(true));
    EXPECT_THAT(runs(), ElementsAre("always"));
}

TEST_F(ComponentsExamineTest, EachPhaseRunsOnce)
{
    addComponent("base", {makeStep("pre_install", "warns", "checks/exit-with.sh", "1"),
                          makeStep("post_install", "post-warns", "checks/exit-with.sh", "3", true),
                          makeStep("post_install", "post-ran", "checks/ran.sh", "post {RC}", true)});
    auto examine = this->examine();
    EXPECT_FALSE(examine->doPreExamine(false));
    CapturedLogLines log(2);
    EXPECT_FALSE(examine->doPreExamine(false));
    EXPECT_THAT(log.text(), HasSubstr("ComponentsExamine::doPreExamine: already has results\n"));
    EXPECT_EQ(examine->preResults().size(), 1u);

    EXPECT_FALSE(examine->doPostExamine(false));
    EXPECT_FALSE(examine->doFailurePostExamine());
    EXPECT_THAT(log.text(), HasSubstr("ComponentsExamine::doFailurePostExamine: already has results\n"));
    ASSERT_EQ(examine->postResults().size(), 1u);
    EXPECT_EQ(examine->postResults()[0].name, "post-warns");
    EXPECT_THAT(runs(), ElementsAre("post 0")) << "the failure run ran nothing";
}

TEST_F(ComponentsExamineTest, APhaseWithoutExaminationsStaysOpen)
{
    addComponent("base", {makeStep("post_install", "post-only", "checks/ran.sh")});
    auto examine = this->examine();
    CapturedLogLines log(1);
    EXPECT_TRUE(examine->doPreExamine(false));
    EXPECT_TRUE(examine->doPreExamine(false));
    // The second call looked again, and found nothing again.
    const std::string line = "ComponentsExamine::doPreExamine: no components for examination\n";
    const std::string text = log.text();
    const std::string::size_type first = text.find(line);
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find(line, first + 1), std::string::npos) << text;
    EXPECT_THAT(runs(), ElementsAre());
}

TEST_F(ComponentsExamineTest, ScriptsAndLaunchersAreFoundBelowTheSource)
{
    addComponent("base", {makeStep("pre_install", "relative", "checks/ran.sh", "relative"),
                          makeStep("pre_install", "from-root", "/checks/ran-at-root.sh", "from-root"),
                          makeStep("pre_install", "launched", "checks/ran.sh", "with launcher", false,
                                   "checks/launcher.sh")});
    CapturedLogLines log(2);
    EXPECT_TRUE(examine()->doPreExamine(false));
    EXPECT_THAT(runs(), ElementsAre("relative", "at-root from-root", "launched ran.sh", "with launcher"));
    const std::string launcher = source_.path() + "/dist/checks/launcher.sh";
    EXPECT_THAT(log.text(), HasSubstr("Examination executed ['" + launcher + "' '" + source_.path() +
                                      "/dist/checks/ran.sh' with launcher] with code 0\n"));
    EXPECT_EQ(tools_.calls().back(), "chcon system_u:object_r:bin_t:s0 " + launcher);
}

TEST_F(ComponentsExamineTest, AScriptThatCannotBeFetchedStopsThePhase)
{
    struct Case {
        const char* name;
        const char* script;
        ErrorCodes codes;
        std::string reason;
    };
    const Case cases[] = {
        {"missing", "checks/missing.sh", {4, 2, 1, 1},
         (Messages::format("err_misfile") % (source_.path() + "/dist/checks/missing.sh")).str()},
        {"leaves the source", "../../outside.sh", {1, 1, 1, 2},
         (Messages::format("err_unsafe_path") % "dist/../../outside.sh").str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ComponentManager components;
        KwComponentPtr component = makeComponent(build_, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL);
        component->examinations = {makeStep("pre_install", "warns", "checks/exit-with.sh", "1"),
                                   makeStep("pre_install", "broken", c.script)};
        components.addRootNode(component);
        ComponentsExamine examine(&components, fetcher_.get(), debian12());
        expectError([&] { examine.doPreExamine(false); }, c.codes,
                    (Messages::format("err_examine_launch_failed") % "broken").str() + "\n" + c.reason + "\n");
        EXPECT_EQ(examine.preResults().size(), 1u) << "the results so far stay";
        // Not done: a second call runs the phase again.
        expectError([&] { examine.doPreExamine(false); }, c.codes, HasSubstr("broken"));
    }
}

TEST_F(ComponentsExamineTest, AScriptPastTheTimeLimitIsStoppedAsAWarning)
{
    addComponent("base", {makeStep("pre_install", "runs-on", "checks/runs-on.sh")});
    auto examine = this->examine();
    examine->setLimits({std::chrono::seconds(1), std::chrono::seconds(10)});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(examine->doPreExamine(false));
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 10.0);
    ASSERT_EQ(examine->preResults().size(), 1u);
    EXPECT_FALSE(examine->preResults()[0].unpassed);
    EXPECT_EQ(examine->preResults()[0].error, (Messages::format("examine_time_limit") % 1).str() + "\n");
}

void recordTermination(int signalNumber)
{
    Progress::onSignal(signalNumber);
}

// The installer (a forked child with the start-up's signal routing) gets SIGTERM
// while a script runs: the script and what it started end, and the phase leaves
// with Progress::Interrupted.
TEST_F(ComponentsExamineTest, ATerminationRequestStopsARunningScript)
{
    const std::string ready = work_.path() + "/ready";
    ASSERT_EQ(::mkfifo(ready.c_str(), 0600), 0);
    const ScopedEnvironment readyPipe("KW_TEST_EXAMINE_READY", ready);
    addComponent("base", {makeStep("pre_install", "runs-on", "checks/runs-on.sh")});
    auto examine = this->examine();

    int outcome[2];
    ASSERT_EQ(::pipe(outcome), 0);
    std::fflush(nullptr);
    const pid_t installer = ::fork();
    ASSERT_GE(installer, 0);
    if (installer == 0) {
        ::close(outcome[0]);
        struct sigaction handler;
        std::memset(&handler, 0, sizeof handler);
        handler.sa_handler = recordTermination;
        sigemptyset(&handler.sa_mask);
        sigaction(SIGTERM, &handler, nullptr);
        char result = 'n';
        try {
            examine->doPreExamine(false);
        } catch (const Progress::Interrupted& interrupted) {
            result = interrupted.signal() == SIGTERM ? 'i' : 's';
        } catch (...) {
            result = 'e';
        }
        (void)!::write(outcome[1], &result, 1);
        _exit(0);
    }
    ::close(outcome[1]);
    std::string scriptPid;
    {
        std::ifstream fifo(ready);
        std::getline(fifo, scriptPid);
    }
    const auto start = std::chrono::steady_clock::now();
    ::kill(installer, SIGTERM);
    char result = 0;
    EXPECT_EQ(::read(outcome[0], &result, 1), 1);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(outcome[0]);
    int status = 0;
    ::waitpid(installer, &status, 0);
    EXPECT_EQ(result, 'i') << "i: interrupted by SIGTERM; s: another signal; e: another failure";
    EXPECT_LT(seconds, 2.0);
    const pid_t script = static_cast<pid_t>(std::atoi(scriptPid.c_str()));
    ASSERT_GT(script, 0);
    // The script was the installer's child; once the installer has ended it is gone
    // or an orphan zombie, never running.
    std::ifstream stat("/proc/" + std::to_string(script) + "/stat");
    std::string text;
    std::getline(stat, text);
    EXPECT_TRUE(!stat || text.find(") Z") != std::string::npos) << text;
}

TEST_F(ComponentsExamineTest, ANullComponentManagerIsRefused)
{
    try {
        ComponentsExamine examine(nullptr, fetcher_.get(), debian12());
        ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& refused) {
        EXPECT_STREQ(refused.what(), "setInstallationType: Invalid argument 'componentManager'.");
    }
}

TEST_F(ComponentsExamineTest, PreResultsFormatForTheOperator)
{
    addComponent("base", {makeStep("pre_install", "exit", "checks/exit-with.sh", "2")});
    auto examine = this->examine();
    EXPECT_FALSE(examine->doPreExamine(false));
    EXPECT_EQ(formatExamineResults(ExamineResultFormatter(), examine->preResults()), "exit\n  error of 2\n");
}

}  // namespace
