#include "installer/options/Options.h"

#include "common/Messages.h"
#include "common/SystemUtils.h"
#include "common/error.h"
#include "installer/options/OutputSettings.h"
#include "installer/sources/UpdateServer.h"
#include "installer/startup/StartupArguments.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/installer/options/OptionsFixture.h"

#include <gtest/gtest.h>

#include <boost/any.hpp>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Runs `body` with standard output on `descriptor`.
void withStandardOutput(int descriptor, const std::function<void()>& body)
{
    const int saved = ::dup(STDOUT_FILENO);
    ASSERT_GE(saved, 0);
    ASSERT_GE(::dup2(descriptor, STDOUT_FILENO), 0);
    body();
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
}

}  // namespace

TEST_F(OptionsTest, Defaults)
{
    const Options options{Options::DefaultsOnly{}};

    struct Case {
        const char* name;
        std::string actual;
        std::string expected;
    };
    const auto text = [](bool value) { return std::string(value ? "true" : "false"); };
    const Case cases[] = {
        {"mode", std::to_string(options.mode), "0"},
        {"action", std::to_string(options.action), "0"},
        {"commandKind", std::to_string(options.commandKind), "0"},
        {"source", options.source.str(), UpdateServer::defaultRootUrl},
        {"useSystemUpdates", text(options.useSystemUpdates), "true"},
        {"target", options.target, home() + "/kestavine"},
        {"releaseTiers", joined(options.releaseTiers), "stable,release,current"},
        {"tiersDefault", text(options.tiersDefault), "true"},
        {"showAllReleases", text(options.showAllReleases), "false"},
        {"proxyHost", options.proxyHost, ""},
        {"proxyPort", std::to_string(options.proxyPort), "3128"},
        {"proxyUser", options.proxyUser, ""},
        {"proxyPassword", options.proxyPassword, ""},
        {"truncateLog", text(options.truncateLog), "false"},
        {"separateLogs", text(options.separateLogs), "false"},
        {"maxStoredSeparateLogs", std::to_string(options.maxStoredSeparateLogs), "20"},
        {"notifyEmail", options.notifyEmail, ""},
        {"verbosity", std::to_string(options.verbosity), "0"},
        {"strict", text(options.strict), "false"},
        {"debug", text(options.debug), "false"},
        {"noDaemon", text(options.noDaemon), "false"},
        {"webUiStartPage", options.webUiStartPage, ""},
        {"skipCleanup", text(options.skipCleanup), "false"},
        {"disableSelfUpgrade", text(options.disableSelfUpgrade), "false"},
        {"showHiddenComponents", text(options.showHiddenComponents), "false"},
        {"extCatalogUrl", options.extCatalogUrl, ""},
        {"skipComponentsCheck", text(options.skipComponentsCheck), "false"},
        {"forceRemovePackagesTree", text(options.forceRemovePackagesTree), "false"},
        {"showOptions", text(options.showOptions), "false"},
        {"removeEverything", text(options.removeEverything), "false"},
        {"interactiveUninstall", text(options.interactiveUninstall), "false"},
        {"sslCert", options.sslCert, ""},
        {"sslProtocols", options.sslProtocols, ""},
        {"sslCiphers", options.sslCiphers, ""},
        {"sslCipherServerPreference", options.sslCipherServerPreference, ""},
        {"withoutSsl", text(options.withoutSsl), "false"},
        {"openBrowser", text(options.openBrowser), "true"},
        {"packagesToRemove", joined(options.packagesToRemove), ""},
        {"feedbackProduct", options.feedbackProduct, ""},
        {"feedbackGroupId", options.feedbackGroupId, ""},
        {"downloadRetries", std::to_string(options.downloadRetries), "3"},
        {"skipGpgCheck", text(options.skipGpgCheck), "false"},
        {"terminate", text(options.terminate), "false"},
        {"command", options.command, ""},
        {"arguments", joined(options.arguments), ""},
        {"variables", std::to_string(options.variables.size()), "0"},
        {"releaseIds", joined(options.releaseIds), ""},
        {"productSelections", std::to_string(options.productSelections.size()), "0"},
        {"componentRequests", std::to_string(options.componentRequests.size()), "0"},
        {"componentSettings", std::to_string(options.componentSettings.size()), "0"},
        {"prodIdSelector", options.prodIdSelector, ""},
        {"releaseIdSelector", options.releaseIdSelector, ""},
        {"versionSelector", options.versionSelector, ""},
        {"xmlOutput", text(xmlOutput), "false"},
        {"statusPrefix", statusPrefix, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual, c.expected);
    }
}

// The default source is the update server's root: remote, over HTTPS (the channel
// authenticates what comes from it), a directory.
TEST_F(OptionsTest, DefaultSourceIsTheUpdateServerRoot)
{
    const Options options{Options::DefaultsOnly{}};
    EXPECT_FALSE(options.source.isLocal());
    EXPECT_EQ(options.source.str().compare(0, 8, "https://"), 0);
    EXPECT_EQ(options.source.str().back(), '/');
    EXPECT_EQ(SourceUrl(options.source.str()), options.source);
}

TEST_F(OptionsTest, TargetBelowTheHomeDirectory)
{
    Options::homeOverride = home() + "/";
    EXPECT_EQ(Options(Options::DefaultsOnly{}).target, home() + "/kestavine");

    // Without an override: the effective user's home from the user database.
    Options::homeOverride.clear();
    const std::string userHome = commandOutput("getent passwd \"$(id -u)\" | cut -d: -f6 | tr -d '\\n'");
    ASSERT_FALSE(userHome.empty());
    std::string expected = userHome;
    if (expected.back() != '/') expected += '/';
    EXPECT_EQ(Options(Options::DefaultsOnly{}).target, expected + "kestavine");
}

TEST_F(OptionsTest, HelpWidthFollowsTheTerminal)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) GTEST_SKIP() << "no pseudo terminal";
    const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(terminal, 0);
    struct winsize size = {};
    size.ws_col = 120;
    size.ws_row = 40;
    ASSERT_EQ(::ioctl(terminal, TIOCSWINSZ, &size), 0);

    int width = 0;
    withStandardOutput(terminal, [&] { width = Options(Options::DefaultsOnly{}).helpWidth; });
    EXPECT_EQ(width, 120);

    size.ws_col = 0;  // a terminal that reports no width
    ASSERT_EQ(::ioctl(terminal, TIOCSWINSZ, &size), 0);
    withStandardOutput(terminal, [&] { width = Options(Options::DefaultsOnly{}).helpWidth; });
    EXPECT_EQ(width, 80);
    ::close(terminal);
    ::close(master);

    TempDir directory;
    const int file = ::open((directory.path() + "/out").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(file, 0);
    withStandardOutput(file, [&] { width = Options(Options::DefaultsOnly{}).helpWidth; });
    ::close(file);
    EXPECT_EQ(width, 80);
}

// A command line with nothing on it is the interactive wizard with every default.
TEST_F(OptionsTest, EmptyCommandLine)
{
    const Options options(std::vector<std::string>{"kitwright"});
    EXPECT_EQ(options.mode, Options::modeTextWizard);
    EXPECT_EQ(options.action, Options::actionNone);
    EXPECT_EQ(joined(options.releaseTiers), "stable,release,current");
    EXPECT_TRUE(options.tiersDefault);
    EXPECT_EQ(options.downloadRetries, 3);
}

// The setters in the order the fillers call them, with the mode and action that
// result or the refusal.
TEST_F(OptionsTest, WorkModesActionsAndTheirConflicts)
{
    enum Kind { mode, action, request };
    struct Step {
        Kind kind;
        std::string option;
        int value;
        std::string product;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int mode;    // after the steps, or after the refused one
        int action;
        std::string refusal;  // empty: all steps succeed
    };
    const Case cases[] = {
        {"console then web", {{mode, "console-interface", 0, ""}, {mode, "web-interface", 2, ""}}, 2, 0, ""},
        {"the same mode twice", {{mode, "web-interface", 2, ""}, {mode, "web-interface", 2, ""}}, 2, 0, ""},
        {"two modes",
         {{mode, "web-interface", 2, ""}, {mode, "query-status", 9, ""}},
         2, 0, overrideText("query-status", "web-interface")},
        {"action then mode",
         {{action, "show-releases", 4, ""}, {mode, "web-interface", 2, ""}},
         1, 4, overrideText("web-interface", "show-releases")},
        {"mode then action",
         {{mode, "web-interface", 2, ""}, {action, "show-releases", 4, ""}},
         2, 0, overrideText("show-releases", "web-interface")},
        {"console then action", {{mode, "console-interface", 0, ""}, {action, "show-releases", 4, ""}}, 1, 4, ""},
        {"upgrade command", {{mode, "upgrade", 1, ""}, {action, "upgrade", 10, ""}}, 1, 10, ""},
        {"dry run after install", {{action, "install-component", 10, ""}, {action, "show-packages", 9, ""}}, 1, 9, ""},
        {"install after dry run", {{action, "show-packages", 9, ""}, {action, "install-component", 10, ""}}, 1, 9, ""},
        {"install, dry run, install",
         {{action, "install-component", 10, ""}, {action, "show-packages", 9, ""}, {action, "install-everything", 10, ""}},
         1, 9, ""},
        {"two actions",
         {{action, "check-updates", 1, ""}, {action, "show-components", 7, ""}},
         1, 1, overrideText("show-components", "check-updates")},
        {"the same action twice", {{action, "show-releases", 4, ""}, {action, "show-releases", 4, ""}}, 1, 4, ""},
        {"third action after a dry run",
         {{action, "show-packages", 9, ""}, {action, "install-component", 10, ""}, {action, "show-components", 7, ""}},
         1, 9, overrideText("show-components", "show-packages")},
        {"listed components add up",
         {{request, "install-component", 5, ""}, {request, "install-component", 5, ""}, {request, "remove-component", 5, ""}},
         0, 0, ""},
        {"two request modes",
         {{request, "install-component", 5, ""}, {request, "upgrade-installed-components", 3, ""}},
         0, 0, overrideText("upgrade-installed-components", "install-component")},
        {"request modes of two products",
         {{request, "install-component", 5, "A"}, {request, "upgrade-installed-components", 3, "B"}}, 0, 0, ""},
        {"conflict names the product's own option",
         {{request, "install-component", 5, "A"}, {request, "remove-everything", 2, "B"},
          {request, "upgrade-installed-components", 3, "A"}},
         0, 0, overrideText("upgrade-installed-components", "install-component")},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Options options{Options::DefaultsOnly{}};
        std::string refusal;
        try {
            for (const Step& step : c.steps) {
                if (step.kind == mode) options.setMode(step.option, step.value);
                if (step.kind == action) options.setAction(step.option, step.value);
                if (step.kind == request) options.setRequestMode(step.product, step.option, step.value);
            }
        } catch (const error& failure) {
            refusal = failure.text();
            EXPECT_EQ(failure.errorClass(), 2);
            EXPECT_EQ(failure.retry(), 1);
            EXPECT_EQ(failure.systemState(), 1);
            EXPECT_EQ(failure.support(), 2);
        }
        EXPECT_EQ(refusal, c.refusal);
        EXPECT_EQ(options.mode, c.mode);
        EXPECT_EQ(options.action, c.action);
    }
}

// A refused request mode leaves the first one in place.
TEST_F(OptionsTest, RequestKeepsItsFirstMode)
{
    Options options{Options::DefaultsOnly{}};
    options.setRequestMode("", "install-component", Options::ComponentRequest::modeListed);
    EXPECT_THROW(options.setRequestMode("", "install-everything", Options::ComponentRequest::modeInstallAll), error);
    ASSERT_EQ(options.componentRequests.size(), 1u);
    EXPECT_EQ(options.componentRequests.at("").mode, Options::ComponentRequest::modeListed);
}

TEST_F(OptionsTest, ProductSelections)
{
    Options options{Options::DefaultsOnly{}};
    options.addProductSelection(Options::ProductSelection::current, "");
    options.addProductSelection(Options::ProductSelection::latest, "tenebrin");
    options.addProductSelection(Options::ProductSelection::exact, "", "ZARNI_12_5_30");

    struct Expected {
        std::string prodId;
        int type;
        std::string releaseId;
    };
    const Expected expected[] = {
        {"zarni", Options::ProductSelection::current, ""},
        {"tenebrin", Options::ProductSelection::latest, ""},
        {"", Options::ProductSelection::exact, "ZARNI_12_5_30"},  // an exact release keeps its product as given
    };
    ASSERT_EQ(options.productSelections.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(options.productSelections[i].prodId, expected[i].prodId);
        EXPECT_EQ(options.productSelections[i].type, expected[i].type);
        EXPECT_EQ(options.productSelections[i].releaseId, expected[i].releaseId);
    }
    EXPECT_TRUE(options.isProdIDSelected("zarni"));
    EXPECT_FALSE(options.isProdIDSelected("other"));

    CapturedLog log;
    options.isProdIDSelected("tenebrin");
    EXPECT_NE(log.text().find("Options::isProdIDSelected: tenebrin true"), std::string::npos) << log.text();
}

// Selections that no caller may make are internal errors, and nothing is added.
TEST_F(OptionsTest, ImpossibleSelectionsAreInternalErrors)
{
    Options options{Options::DefaultsOnly{}};
    const std::function<void()> calls[] = {
        [&] { options.addProductSelection(Options::ProductSelection::exact, "zarni", ""); },
        [&] { Options::ProductSelection("zarni", Options::ProductSelection::exact); },
        [&] { options.addProductSelection(5, "zarni"); },
    };
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        if (const auto failure = expectError(calls[i])) {
            EXPECT_EQ(failure->errorClass(), 3);
            EXPECT_NE(failure->text().find("installer/options/Options"), std::string::npos) << failure->text();
        }
    }
    EXPECT_TRUE(options.productSelections.empty());
}

TEST_F(OptionsTest, ReleaseTiers)
{
    struct Case {
        const char* name;
        std::function<void(Options&)> change;
        std::string tiers;
        bool tiersDefault;
        bool showAll;
    };
    const Case cases[] = {
        {"comma list", [](Options& o) { o.setTiers("testing,stable"); }, "testing,stable", false, false},
        {"blanks and empty items", [](Options& o) { o.setTiers(" stable , ,testing,"); }, "stable,testing", false, false},
        {"empty text empties the list", [](Options& o) { o.setTiers(""); }, "", false, false},
        {"list", [](Options& o) { o.setTierList({"beta"}); }, "beta", false, false},
        {"all releases", [](Options& o) { o.enableAllReleases(); }, "", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Options options{Options::DefaultsOnly{}};
        c.change(options);
        EXPECT_EQ(joined(options.releaseTiers), c.tiers);
        EXPECT_EQ(options.tiersDefault, c.tiersDefault);
        EXPECT_EQ(options.showAllReleases, c.showAll);
    }
}

// A background web UI launch narrows only the built-in tiers.
TEST_F(OptionsTest, WebSecretTiers)
{
    struct Case {
        const char* name;
        const char* secret;  // null: unset
        const char* tierOption;  // null: none given
        std::string tiers;
    };
    const Case cases[] = {
        {"no secret", nullptr, nullptr, "stable,release,current"},
        {"empty secret", "", nullptr, "stable,release,current"},
        {"secret", "abcdefghijklmnopqrst", nullptr, "stable,release"},
        {"secret and a tier option", "abcdefghijklmnopqrst", "testing", "testing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.secret)
            setEnv("WEB_SECRET", c.secret);
        else
            unsetEnv("WEB_SECRET");
        Options options{Options::DefaultsOnly{}};
        if (c.tierOption) options.setTiers(c.tierOption);
        options.applyWebSecretTiers();
        EXPECT_EQ(joined(options.releaseTiers), c.tiers);
    }

    // The construction applies it for the legacy syntax.
    setEnv("WEB_SECRET", "abcdefghijklmnopqrst");
    EXPECT_EQ(joined(Options(std::vector<std::string>{"kitwright"}).releaseTiers), "stable,release");
}

TEST_F(OptionsTest, ClosingChecks)
{
    const std::string existing = home() + "/own.pem";
    std::ofstream(existing) << "-----BEGIN CERTIFICATE-----\n";
    const std::string missing = home() + "/missing.pem";
    ASSERT_EQ(::mkdir((home() + "/.kitwright").c_str(), 0700), 0);
    const std::string generated = home() + "/.kitwright/kitwright.pem";
    std::ofstream(generated) << "-----BEGIN CERTIFICATE-----\n";

    struct Case {
        const char* name;
        std::function<void(Options&)> setUp;
        std::string refusal;  // empty: accepted
        int retry;
        std::string sslCert;  // after an accepted check
    };
    const std::string showOptions = Messages::get("err_opt_show_options_wo_components") + "\n";
    const std::string interactive = Messages::get("err_opt_int_uninst_wo_rm_everything") + "\n";
    const auto misfile = [](const std::string& path) { return (Messages::format("err_misfile") % path).str() + "\n"; };
    const Case cases[] = {
        {"defaults", [](Options&) {}, "", 0, ""},
        {"show-options without components", [](Options& o) { o.showOptions = true; }, showOptions, 1, ""},
        {"show-options with components",
         [](Options& o) { o.showOptions = true; o.setAction("show-components", 7); }, "", 0, ""},
        {"interactive uninstall alone", [](Options& o) { o.interactiveUninstall = true; }, interactive, 1, ""},
        {"interactive uninstall of everything",
         [](Options& o) { o.interactiveUninstall = true; o.removeEverything = true; }, "", 0, ""},
        {"web mode, missing certificate",
         [&](Options& o) { o.setMode("web-interface", 2); o.sslCert = missing; }, misfile(missing), 2, ""},
        {"web mode, certificate is a directory",
         [&](Options& o) { o.setMode("web-interface", 2); o.sslCert = home(); }, misfile(home()), 2, ""},
        {"web mode, own certificate",
         [&](Options& o) { o.setMode("web-interface", 2); o.sslCert = existing; }, "", 0, existing},
        {"web mode without SSL", [](Options& o) { o.setMode("web-interface", 2); o.withoutSsl = true; }, "", 0, ""},
        {"web mode, generated certificate", [](Options& o) { o.setMode("web-interface", 2); }, "", 0, generated},
        {"missing certificate outside web mode", [&](Options& o) { o.sslCert = missing; }, "", 0, missing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Options options{Options::DefaultsOnly{}};
        c.setUp(options);
        std::string refusal;
        try {
            options.checkOptions();
            EXPECT_EQ(options.sslCert, c.sslCert);
        } catch (const error& failure) {
            refusal = failure.text();
            EXPECT_EQ(failure.errorClass(), 2);
            EXPECT_EQ(failure.retry(), c.retry);
            EXPECT_EQ(failure.systemState(), 1);
            EXPECT_EQ(failure.support(), 2);
        }
        EXPECT_EQ(refusal, c.refusal);
    }
    // A certificate the operator names is never rewritten, usable or not.
    std::ifstream own(existing);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(own), {}), "-----BEGIN CERTIFICATE-----\n");
}

TEST_F(OptionsTest, ExtensionCatalogueNeed)
{
    using Request = Options::ComponentRequest;
    struct Case {
        const char* name;
        int mode;
        int action;
        int commandKind;
        std::vector<int> requestModes;
        bool canSkip;
    };
    const Case cases[] = {
        {"text wizard", 0, 0, 0, {}, false},
        {"web back end", 2, 0, 0, {}, false},
        {"version", 4, 0, 0, {}, true},
        {"status query", 9, 0, 0, {}, true},
        {"component list", 1, 7, 0, {}, false},
        {"install command", 1, 9, Options::commandInstall, {}, false},
        {"add or remove command", 1, 10, Options::commandAddRemove, {Request::modeListed}, false},
        {"release list", 1, 4, 0, {}, true},
        {"dry run of an upgrade", 1, 9, Options::commandUpgrade, {Request::modeUpgradeInstalled}, true},
        {"installation without requests", 1, 10, 0, {}, true},
        {"upgrade and removal only", 1, 10, 0, {Request::modeUpgradeInstalled, Request::modeRemoveAll}, true},
        {"installation of components", 1, 10, 0, {Request::modeUpgradeInstalled, Request::modeListed}, false},
        {"installation type", 1, 10, Options::commandUpdate, {Request::modeInstallType}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Options options{Options::DefaultsOnly{}};
        options.mode = c.mode;
        options.action = c.action;
        options.commandKind = c.commandKind;
        for (std::size_t i = 0; i < c.requestModes.size(); ++i)
            options.componentRequests["p" + std::to_string(i)].mode = c.requestModes[i];
        EXPECT_EQ(options.canSkipExtCatalog(), c.canSkip);
    }
}

TEST_F(OptionsTest, BackgroundMode)
{
    struct Case {
        const char* name;
        bool xml;
        int action;
        bool noDaemon;
        bool background;
    };
    const Case cases[] = {
        {"XML installation", true, 10, false, true},
        {"in the foreground", true, 10, true, false},
        {"dry run", true, 9, false, false},
        {"text output", false, 10, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Options options{Options::DefaultsOnly{}};
        xmlOutput = c.xml;
        options.setAction("install-component", c.action);
        options.noDaemon = c.noDaemon;
        EXPECT_EQ(options.isBackgroundMode(), c.background);
    }
}

TEST_F(OptionsTest, CompletionRequest)
{
    namespace po = boost::program_options;
    struct Case {
        const char* name;
        int mode;
        bool completion;
        bool debug;
        bool expected;
    };
    const Case cases[] = {
        {"command help with completion", 7, true, false, true},
        {"debugging", 7, true, true, false},
        {"command help only", 7, false, false, false},
        {"commands overview", 8, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Options options{Options::DefaultsOnly{}};
        options.mode = c.mode;
        options.debug = c.debug;
        if (c.completion) options.variables.insert({"completion", po::variable_value(boost::any(), false)});
        EXPECT_EQ(options.isCompletion(), c.expected);
    }
}

// The rebuilt command line goes to "/bin/sh -c": the shell must hand every argument
// back exactly, whatever it holds, and run nothing of it.
TEST_F(OptionsTest, CommandLineSurvivesTheShell)
{
    // Both lines run in a private directory that must stay empty.
    TempDir cwd;
    const std::vector<std::string> arguments = {
        "/usr/sbin/kitwright", "--source", "http://h/$(touch injected)", "it's", "two  words",
        "\"quoted\"", "back\\slash", "$HOME", "`touch injected`", "semi;colon", "",
    };
    StartupArguments::keep(arguments);

    const std::string line = Options::getCommandLine();
    EXPECT_EQ(line.back(), ' ');
    int status = -1;
    const std::string output =
        commandOutput("cd '" + cwd.path() + "' && printf '%s\\n' " + line + " && ls", &status);
    ASSERT_EQ(status, 0);
    std::string expected;
    for (const std::string& argument : arguments) expected += argument + "\n";
    EXPECT_EQ(output, expected);

    const std::string web = Options::getWebInterfaceCommandLine();
    const std::string webOutput = commandOutput("cd '" + cwd.path() + "' && printf '%s\\n' " + web + " && ls", &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(webOutput, expected + "--web-interface\n--with-ssl\n--disable-browser\n");
}

// The form of the web back end's command line that the log shows: every
// argument still there, no secret.
TEST_F(OptionsTest, ShownCommandLineMasksSecrets)
{
    StartupArguments::keep({"/usr/sbin/kitwright", "--service-mode", "--proxy-password", "pw-one", "--set-option",
                            "admin_password=pw-two"});
    const std::string shown = Options::getWebInterfaceCommandLine(true);
    EXPECT_EQ(shown.find("pw-"), std::string::npos) << shown;
    int status = -1;
    const std::string words = commandOutput("printf '%s\\n' " + shown, &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(words, "/usr/sbin/kitwright\n--service-mode\n--proxy-password\n***\n--set-option\nadmin_password=***\n"
                     "--web-interface\n--with-ssl\n--disable-browser\n");
    EXPECT_NE(Options::getWebInterfaceCommandLine().find("pw-one"), std::string::npos);
}

TEST_F(OptionsTest, DefaultPageOverride)
{
    Options options{Options::DefaultsOnly{}};
    CapturedLog log;
    options.setDefaultPageOverride("update_components");
    EXPECT_EQ(options.webUiStartPage, "update_components");
    EXPECT_EQ(getEnv("KW_WEB_UI_DEFAULT_PAGE_OVERRIDE"), "update_components");
    EXPECT_NE(log.text().find("set KW_WEB_UI_DEFAULT_PAGE_OVERRIDE env var to update_components"), std::string::npos)
        << log.text();
    unsetEnv("KW_WEB_UI_DEFAULT_PAGE_OVERRIDE");
}

TEST_F(OptionsTest, UsageTexts)
{
    std::ostringstream usage;
    Options::printUsage(usage);
    const char* const keys[] = {
        "usage_header", "usage_install", "usage_remove", "usage_upgrade", "usage_selectors",
        "usage_list", "usage_feedback", "usage_download", "usage_proxy", "usage_override",
        "usage_no_warn", "usage_automation", "usage_web", "usage_console", "usage_obsolete",
        "usage_deprecated", "usage_logging", "usage_help", "usage_end",
    };
    std::string expected;
    for (const char* key : keys) expected += Messages::get(key);
    EXPECT_EQ(usage.str(), expected);

    std::ostringstream commands;
    Options::printCommandsUsage(commands);
    EXPECT_EQ(commands.str(), Messages::get("usage_commands"));
}

// The process-wide record. Each scenario runs in a child process of its own: the
// record, once made, lives as long as its process.
class OptionsInstanceTest : public OptionsTest {
protected:
    static Options& instance(const std::function<std::unique_ptr<Options>()>& build)
    {
        return Options::getInstance(build);
    }

    // Runs `body` in a forked child; returns what it reported (empty: all well).
    static std::string inChild(const std::function<std::string()>& body)
    {
        int channel[2];
        if (::pipe(channel) != 0) return "no pipe";
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child < 0) return "no fork";
        if (child == 0) {
            ::close(channel[0]);
            // Other tests of this process may have made the record already; the
            // scenario starts without one.
            Options::instance_ = nullptr;
            std::string report;
            try {
                report = body();
            } catch (...) {
                // The child has no test framework of its own to report to.
                report = "the scenario raised";
            }
            const ssize_t written = ::write(channel[1], report.data(), report.size());
            _exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
        }
        ::close(channel[1]);
        std::string report;
        char buffer[512];
        ssize_t count;
        while ((count = ::read(channel[0], buffer, sizeof buffer)) > 0) report.append(buffer, count);
        ::close(channel[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) report += " (the child failed)";
        return report;
    }
};

TEST_F(OptionsInstanceTest, BuiltOnceFromTheKeptCommandLine)
{
    const std::string report = inChild([] {
        StartupArguments::keep({"kitwright"});
        Options& first = Options::getInstance();
        first.proxyHost = "proxy.example.com";
        Options& second = Options::getInstance();
        if (&first != &second) return std::string("a second record");
        if (second.proxyHost != "proxy.example.com") return std::string("the record lost a value");
        return std::string();
    });
    EXPECT_EQ(report, "");
}

// A failed build raises once; afterwards the defaults stand in.
TEST_F(OptionsInstanceTest, FallbackAfterAFailedBuild)
{
    const std::string report = inChild([] {
        int builds = 0;
        const auto failing = [&builds]() -> std::unique_ptr<Options> {
            ++builds;
            auto options = std::make_unique<Options>(Options::DefaultsOnly{});
            options->downloadRetries = 7;
            options->proxyPort = 8080;
            error failure(2, 1, 1, 2);
            failure << "rc file broken";
            throw failure;
        };
        try {
            instance(failing);
            return std::string("no error");
        } catch (const error& failure) {
            if (failure.text() != "rc file broken\n") return "another error: " + failure.text();
        }
        Options& fallback = instance(failing);
        if (builds != 1) return std::string("built again");
        if (&fallback != &Options::getInstance()) return std::string("not the process-wide record");
        if (fallback.downloadRetries != 3 || fallback.proxyPort != 3128) return std::string("not the defaults");
        return std::string();
    });
    EXPECT_EQ(report, "");
}

// The words alone tell whether XML output is asked for, as the parsers read them.
TEST_F(OptionsTest, XmlOutputReadFromTheWordsAlone)
{
    struct Case {
        std::vector<std::string> arguments;
        bool xml;
    };
    const std::vector<Case> cases = {
        {{}, false},
        {{"--enable-xml-output"}, true},
        {{"--query-status", "--enable-xml"}, true},
        {{"--query-status"}, false},
        {{"--enable-feedback"}, false},
        {{"list", "--xml"}, true},
        {{"list", "--xm"}, true},
        {{"list"}, false},
        {{"list", "--enable-xml-output"}, false},
        {{"--query-status", "--xml"}, false},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& word : c.arguments) shown += word + " ";
        SCOPED_TRACE(shown);
        std::vector<std::string> commandLine = {"kitwright"};
        commandLine.insert(commandLine.end(), c.arguments.begin(), c.arguments.end());
        EXPECT_EQ(Options::asksForXmlOutput(commandLine), c.xml);
        xmlOutput = false;
        try {
            build(c.arguments);
            EXPECT_EQ(xmlOutput, c.xml) << "the parser reads it otherwise";
        } catch (...) {
            // A command line the parsers refuse: only the words were asked.
            EXPECT_FALSE(c.xml) << "the parser refused a command line with XML output";
        }
        xmlOutput = false;
    }
}
