#include "installer/options/Options.h"

#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/SystemUtils.h"
#include "common/error.h"
#include "installer/options/OutputSettings.h"
#include "installer/wizard/TextDialog.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/installer/options/OptionsFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// The product selections as "product/type/release" items.
std::string selectionsText(const Options& options)
{
    std::vector<std::string> items;
    for (const Options::ProductSelection& selection : options.productSelections)
        items.push_back(selection.prodId + "/" + std::to_string(selection.type) + "/" + selection.releaseId);
    return joined(items);
}

// The component requests as "product=mode +install -remove ^class :type" items.
std::string requestsText(const Options& options)
{
    std::vector<std::string> items;
    for (const auto& entry : options.componentRequests) {
        std::string item = entry.first + "=" + std::to_string(entry.second.mode);
        for (const std::string& name : entry.second.install) item += " +" + name;
        for (const std::string& name : entry.second.remove) item += " -" + name;
        for (const std::string& name : entry.second.classes) item += " ^" + name;
        if (!entry.second.installType.empty()) item += " :" + entry.second.installType;
        items.push_back(item);
    }
    return joined(items);
}

}  // namespace

// One row per command line: the mode, action, selections, requests and status
// prefix it gives, or the error it is refused with.
TEST_F(OptionsTest, LegacySyntax)
{
    struct Case {
        std::vector<std::string> arguments;
        int mode;
        int action;
        std::string selections;
        std::string requests;
        std::string prefix;
        std::string refusal;  // empty: accepted
        ErrorCodes codes;
    };
    const ErrorCodes user{2, 1, 1, 2};
    const std::string retry = (Messages::format("err_retry_arg") % "--download-retry-count").str() + "\n";
    const std::string unknown = Messages::get("err_unkn_option") + "\n";
    const Case cases[] = {
        {{}, 0, 0, "", "", "", "", {}},
        {{"--select-product-id", "zarni", "--show-releases", "--select-product-id", "tenebrin", "--show-releases"},
         1, 4, "zarni/1/,tenebrin/1/", "", "", "", {}},
        {{"--show-releases"}, 1, 4, "zarni/1/", "", "", "", {}},
        {{"--check-updates"}, 1, 1, "zarni/1/", "", "", "", {}},
        {{"--show-all-releases"}, 1, 2, "zarni/1/", "", "", "", {}},
        {{"--show-os-list"}, 1, 3, "", "", "", "", {}},
        {{"--show-installation-types"}, 1, 6, "", "", "", "", {}},
        {{"--show-upgradable-components"}, 1, 8, "", "", "", "", {}},
        {{"--install-component", "a", "--install-component", "b"}, 1, 10, "", "zarni=5 +a +b", "install_", "", {}},
        {{"--install-component", "a", "--remove-component", "b"}, 1, 10, "zarni/1/", "zarni=5 +a -b", "install_", "", {}},
        {{"--select-product-id", "tenebrin", "--install-component", "a"}, 1, 10, "", "tenebrin=5 +a", "install_", "", {}},
        {{"--install-everything"}, 1, 10, "", "zarni=1", "install_", "", {}},
        {{"--installation-type", "Full"}, 1, 10, "", "zarni=4 :Full", "", "", {}},
        {{"--upgrade-installed-components"}, 1, 10, "", "zarni=3", "", "", {}},
        {{"--include-components-from-class", "aspect=panel"}, 1, 10, "", "zarni=3 ^aspect=panel", "", "", {}},
        {{"--remove-everything"}, 1, 10, "zarni/1/", "zarni=2", "", "", {}},
        {{"--remove-package", "p1", "--show-packages"}, 1, 9, "zarni/1/", "", "", "", {}},
        {{"--show-packages", "--install-component", "a"}, 1, 9, "", "zarni=5 +a", "install_", "", {}},
        {{"--install-component", "a", "--upgrade-installed-components"}, 1, 10, "", "zarni=5 +a", "install_",
         overrideText("upgrade-installed-components", "install-component"), user},
        {{"--check-updates", "--show-components"}, 1, 1, "zarni/1/", "", "",
         overrideText("show-components", "check-updates"), user},
        {{"--select-release-id", "ZARNI_12_5_30"}, 0, 0, "/2/ZARNI_12_5_30", "", "", "", {}},
        {{"--select-product-id", "zarni", "--select-release-latest", "--select-release-current"}, 0, 0,
         "zarni/0/,zarni/1/", "", "", "", {}},
        {{"--query-status"}, 9, 0, "", "", "query_", "", {}},
        {{"--web-interface", "--without-ssl"}, 2, 0, "", "", "", "", {}},
        {{"--console-interface", "--web-interface", "--without-ssl"}, 2, 0, "", "", "", "", {}},
        {{"--show-releases", "--set-user-interaction-mode=webUI", "--without-ssl"}, 2, 4, "zarni/1/", "", "", "", {}},
        {{"--set-user-interaction-mode=textUI"}, 0, 0, "", "", "", "", {}},
        {{"--set-user-interaction-mode=foo"}, 0, 0, "", "", "",
         "Invalid argument for option --set-user-interaction-mode=foo\n", {3, 1, 1, 2}},
        {{"--enable-feedback"}, 1, 11, "", "", "", "", {}},
        {{"--disable-feedback"}, 1, 12, "", "", "", "", {}},
        {{"--set-feedback-product", "zarni"}, 1, 13, "", "", "", "", {}},
        {{"--set-feedback-group-id", "g1"}, 1, 14, "", "", "", "", {}},
        {{"--version"}, 4, 0, "", "", "", "", {}},
        {{"-v"}, 4, 0, "", "", "", "", {}},
        {{"--print-version-of-this-binary"}, 5, 0, "", "", "", "", {}},
        {{"--help-options"}, 6, 0, "", "", "", "", {}},
        {{"--help"}, 8, 0, "", "", "", "", {}},
        {{"-h"}, 8, 0, "", "", "", "", {}},
        {{"--usage"}, 8, 0, "", "", "", "", {}},
        {{"--help", "--version"}, 8, 0, "", "", "", overrideText("version", "help"), user},
        {{"--download-retry-count", "0"}, 0, 0, "", "", "", retry, user},
        {{"--download-retry-count", "-1"}, 0, 0, "", "", "", retry, user},
        {{"--download-retry-count", "2x"}, 0, 0, "", "", "", retry, user},
        {{"--download-retry-count=5"}, 0, 0, "", "", "", "", {}},
        {{"--mirror-os", "x"}, 0, 0, "", "", "", "", {}},
        {{"--debug", "install"}, 0, 0, "", "", "", Messages::get("err_unkn_arg") + "install\n\n", {0, 0, 0, 0}},
        {{"--debug", "one", "--truncate-log", "two"}, 0, 0, "", "", "",
         Messages::get("err_unkn_arg") + "one\ntwo\n\n", {0, 0, 0, 0}},
        {{"--frobnicate"}, 0, 0, "", "", "", unknown, user},
        {{"--proxy-port"}, 0, 0, "", "", "", unknown, user},
        {{"--debug=yes"}, 0, 0, "", "", "", unknown, user},
        {{"-x"}, 0, 0, "", "", "", unknown, user},
        {{"--select-release-id", ""}, 0, 0, "", "", "", "", {3, 1, 1, 3}},
        {{"--show-options"}, 0, 0, "", "", "", Messages::get("err_opt_show_options_wo_components") + "\n", user},
        {{"--show-components", "--show-options"}, 1, 7, "", "", "", "", {}},
        {{"--interactive-uninstall"}, 0, 0, "", "", "", Messages::get("err_opt_int_uninst_wo_rm_everything") + "\n", user},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(joined(c.arguments));
        xmlOutput = false;
        statusPrefix.clear();
        std::unique_ptr<Options> options;
        CapturedLog quiet(0);
        if (c.refusal.empty() && c.codes.errorClass == 0) {
            try {
                options = build(c.arguments);
            } catch (const error& failure) {
                ADD_FAILURE() << failure.text();
                continue;
            }
            EXPECT_EQ(options->mode, c.mode);
            EXPECT_EQ(options->action, c.action);
            EXPECT_EQ(selectionsText(*options), c.selections);
            EXPECT_EQ(requestsText(*options), c.requests);
            EXPECT_EQ(statusPrefix, c.prefix);
            EXPECT_TRUE(options->command.empty());
            EXPECT_FALSE(options->strict);
        } else if (c.refusal.empty()) {
            // An internal error: its text names the source line.
            if (const auto failure = expectError([&] { build(c.arguments); })) expectCodes(*failure, c.codes);
        } else {
            expectError([&] { build(c.arguments); }, c.codes, c.refusal);
        }
    }
}

// The settings that the rows above do not show.
TEST_F(OptionsTest, LegacySettings)
{
    struct Case {
        std::vector<std::string> arguments;
        std::function<std::string(const Options&)> read;
        std::string expected;
    };
    const auto yes = [](bool value) { return std::string(value ? "yes" : "no"); };
    const Case cases[] = {
        {{"--source", "http://mirror.zarni.example/z"}, [](const Options& o) { return o.source.str(); }, "http://mirror.zarni.example/z/"},
        {{"--target", "/srv/t"}, [](const Options& o) { return o.target; }, "/srv/t"},
        {{"--disable-zarni-sys-updates"}, [&](const Options& o) { return yes(o.useSystemUpdates); }, "no"},
        {{"--proxy-host", "proxy.zarni.example", "--proxy-port", "8080", "--proxy-user", "u", "--proxy-password", "p w"},
         [](const Options& o) { return o.proxyHost + ":" + std::to_string(o.proxyPort) + ":" + o.proxyUser + ":" + o.proxyPassword; },
         "proxy.zarni.example:8080:u:p w"},
        {{"--proxy-port", "abc"}, [](const Options& o) { return std::to_string(o.proxyPort); }, "0"},
        {{"--download-retry-count", "5"}, [](const Options& o) { return std::to_string(o.downloadRetries); }, "5"},
        {{"--select-release-id", "R1"}, [](const Options& o) { return joined(o.releaseIds); }, "R1"},
        {{"--remove-package", "a", "--remove-package", "b"}, [](const Options& o) { return joined(o.packagesToRemove); }, "a,b"},
        {{"--remove-everything", "--interactive-uninstall", "--force-remove-packages-tree"},
         [&](const Options& o) { return yes(o.removeEverything) + yes(o.interactiveUninstall) + yes(o.forceRemovePackagesTree); },
         "yesyesyes"},
        {{"--set-option", "note=\"a b\""}, [](const Options& o) { return o.componentSettings.at("zarni").at("note"); }, "a b"},
        {{"--select-product-id", "tenebrin", "--set-option", "x=1"},
         [](const Options& o) { return o.componentSettings.at("tenebrin").at("x"); }, "1"},
        {{"--enable-xml-output"}, [&](const Options&) { return yes(xmlOutput); }, "yes"},
        {{"--override-os-name", "Linux", "--override-os-vendor", "Debian", "--override-os-version", "12",
          "--override-os-arch", "x86_64", "--override-environment", "cq"},
         [](const Options&) {
             return Opsys::overrideName + " " + Opsys::overrideVendor + " " + Opsys::overrideVersion + " " +
                    Opsys::overrideArch + " " + Opsys::overrideEnvironment;
         },
         "Linux Debian 12 x86_64 cq"},
        {{"--ssl-cert", "/etc/zarni.pem", "--with-ssl", "--disable-browser", "--without-ssl"},
         [&](const Options& o) { return o.sslCert + yes(o.withoutSsl) + yes(o.openBrowser); }, "/etc/zarni.pemyesno"},
        {{"--no-clear"}, [&](const Options&) { return yes(TextDialog::noClear); }, "yes"},
        {{"--skip-gpg-check", "--truncate-log", "--separate-logs", "--no-daemon", "--skip-components-check",
          "--skip-cleanup", "--disable-self-upgrade", "--debug", "--show-hidden-components"},
         [&](const Options& o) {
             return yes(o.skipGpgCheck) + yes(o.truncateLog) + yes(o.separateLogs) + yes(o.noDaemon) +
                    yes(o.skipComponentsCheck) + yes(o.skipCleanup) + yes(o.disableSelfUpgrade) + yes(o.debug) +
                    yes(o.showHiddenComponents);
         },
         "yesyesyesyesyesyesyesyesyes"},
        {{"--notify-email", "ops@zarni.example"}, [](const Options& o) { return o.notifyEmail; }, "ops@zarni.example"},
        {{"--ext-catalog-url", "https://ext.zarni.example/"}, [](const Options& o) { return o.extCatalogUrl; }, "https://ext.zarni.example/"},
        {{"--branch", "testing"}, [](const Options& o) { return joined(o.releaseTiers); }, "testing"},
        {{"--tier", ""}, [](const Options& o) { return joined(o.releaseTiers) + (o.tiersDefault ? "default" : "chosen"); }, "chosen"},
        {{"--skip-branch-filter"}, [&](const Options& o) { return yes(o.showAllReleases) + joined(o.releaseTiers); }, "yes"},
        {{"--all-versions"}, [&](const Options& o) { return yes(o.showAllReleases) + joined(o.releaseTiers); }, "yes"},
        {{"--set-feedback-product", "zarni", "--select-product-id", "x"}, [](const Options& o) { return o.feedbackProduct; }, "zarni"},
        {{"--set-feedback-group-id", "g1"}, [](const Options& o) { return o.feedbackGroupId; }, "g1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(joined(c.arguments));
        TextDialog::noClear = false;
        xmlOutput = false;
        const auto options = build(c.arguments);
        EXPECT_EQ(c.read(*options), c.expected);
    }
}

// Deprecated options warn, take their value and change nothing.
TEST_F(OptionsTest, LegacyDeprecatedOptions)
{
    const std::vector<std::vector<std::string>> lines = {
        {"--source-type", "x"}, {"--add-source", "x"}, {"--mirror-os", "x"}, {"--show-additional-source-types"},
        {"--show-additional-sources"}, {"--install-system-only"}, {"--allow-kernel-install"},
        {"--disable-major-updates"}, {"--upgrade-system-packages"}, {"--reinstall-patch"}, {"--skip-patch"},
        {"--no-space-check"},
    };
    for (const std::vector<std::string>& line : lines) {
        SCOPED_TRACE(line[0]);
        CapturedLog log(0);
        const auto options = build(line);
        EXPECT_EQ(log.text(), (Messages::format("warn_deprecated_option") % line[0]).str() + "\n");
        EXPECT_EQ(options->mode, Options::modeTextWizard);
        EXPECT_EQ(options->action, Options::actionNone);
        EXPECT_EQ(options->source.str(), Options(Options::DefaultsOnly{}).source.str());
    }
}

TEST_F(OptionsTest, LegacyServiceMode)
{
    struct Case {
        const char* argument;
        const char* secret;  // null: unset
        int mode;
        std::string page;  // also the exported variable; empty: unset
    };
    const Case cases[] = {
        {"--service-mode=components", nullptr, 3, "components"},
        {"--service-mode=update", nullptr, 3, "update_components"},
        {"--service-mode=other", nullptr, 3, ""},
        {"--service-mode", nullptr, 3, ""},
        {"--service-mode=components", "abcdefghijklmnopqrst", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.argument) + (c.secret ? " with WEB_SECRET" : ""));
        ScopedEnvironment page("KW_WEB_UI_DEFAULT_PAGE_OVERRIDE");
        std::unique_ptr<ScopedEnvironment> secret;
        if (c.secret) secret = std::make_unique<ScopedEnvironment>("WEB_SECRET", c.secret);
        const auto options = build({c.argument});
        EXPECT_EQ(options->mode, c.mode);
        EXPECT_EQ(options->webUiStartPage, c.page);
        EXPECT_EQ(getEnv("KW_WEB_UI_DEFAULT_PAGE_OVERRIDE"), c.page);
    }
}

// getopt's own diagnostics would quote "--option=value" whole; ours name the
// option only, so a mistyped password option leaves no password in the log.
TEST_F(OptionsTest, LegacyDiagnosticsNameTheOptionOnly)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string diagnostic;
    };
    const Case cases[] = {
        {{"--proxy-pasword=hunter2"}, "kitwright: unrecognized option '--proxy-pasword'\n"},
        {{"--proxy-p=hunter2"}, "kitwright: option '--proxy-p' is ambiguous\n"},
        {{"--debug=hunter2"}, "kitwright: option '--debug' doesn't allow an argument\n"},
        {{"--proxy-password"}, "kitwright: option '--proxy-password' requires an argument\n"},
        {{"-q"}, "kitwright: invalid option '-q'\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[0]);
        CapturedLog log(0);
        expectError([&] { build(c.arguments); }, {2, 1, 1, 2}, Messages::get("err_unkn_option") + "\n");
        EXPECT_EQ(log.text(), c.diagnostic);
    }
}

// Parsing twice in one process starts afresh each time.
TEST_F(OptionsTest, LegacyParsesAgain)
{
    EXPECT_EQ(build({"--show-releases", "--debug"})->action, Options::actionListReleases);
    const auto second = build({"--debug"});
    EXPECT_EQ(second->action, Options::actionNone);
    EXPECT_TRUE(second->debug);
}
