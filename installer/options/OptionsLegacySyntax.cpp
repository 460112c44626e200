// The older of the two command-line syntaxes: a flat list of long options, read
// with getopt_long.

#include "installer/options/Options.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/SystemUtils.h"
#include "common/error.h"
#include "installer/options/OutputSettings.h"
#include "installer/startup/StartupArguments.h"
#include "installer/wizard/TextDialog.h"

#include <getopt.h>

#include <string>
#include <vector>

namespace {

// The product that the options after --select-product-id are about.
struct LegacyState {
    std::string product;

    // Component requests need a product: before any --select-product-id they are
    // about the default product, as the product selections are.
    std::string requestKey() const { return product.empty() ? std::string(Options::defaultProductId) : product; }
};

using LegacyApply = void (*)(Options&, LegacyState&, const std::string& name, const std::string& value);

struct LegacyOption {
    const char* name;
    int argument;  // no_argument, required_argument or optional_argument
    LegacyApply apply;
};

void deprecatedOption(Options&, LegacyState&, const std::string& name, const std::string&)
{
    Log(0, true) << (Messages::format("warn_deprecated_option") % ("--" + name));
}

// What getopt_long refused, in the words of its own diagnostics but naming the
// option only: a value given with "=" may be a password, and diagnostics end up in
// the log.
std::string refusedOption(const std::vector<LegacyOption>& table, int code, const char* argument)
{
    if (code == ':') return "option '" + std::string(argument) + "' requires an argument";
    std::string name = argument;
    const std::string::size_type equals = name.find('=');
    const bool withValue = equals != std::string::npos;
    if (withValue) name.erase(equals);
    if (name.compare(0, 2, "--") != 0) return "invalid option '" + name + "'";

    const std::string bare = name.substr(2);
    int matches = 0;
    for (const LegacyOption& option : table) {
        if (bare == option.name && withValue) return "option '" + name + "' doesn't allow an argument";
        if (!bare.empty() && std::string(option.name).compare(0, bare.size(), bare) == 0) ++matches;
    }
    if (matches > 1) return "option '" + name + "' is ambiguous";
    return "unrecognized option '" + name + "'";
}

}  // namespace

void Options::parseLegacyOptions(const std::vector<std::string>& commandLine)
{
    using State = LegacyState;
    // Defined here, inside a member, so that the entries may use the private helpers.
    const std::vector<LegacyOption> table = {
        {"source-type", required_argument, deprecatedOption},
        {"source", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.source.assign(v); }},
        {"target", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.target = v; }},
        {"add-source", required_argument, deprecatedOption},
        {"disable-zarni-sys-updates", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.useSystemUpdates = false; }},
        {"proxy-host", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.proxyHost = v; }},
        {"proxy-port", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.proxyPort = readCInteger(v); }},
        {"proxy-user", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.proxyUser = v; }},
        {"proxy-password", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.proxyPassword = v; }},
        {"query-status", no_argument, [](Options& o, State&, const std::string& n, const std::string&) {
             o.setMode(n, modeQueryStatus);
             statusPrefix = "query_";
         }},
        {"check-updates", no_argument, [](Options& o, State& s, const std::string& n, const std::string&) {
             o.setAction(n, actionCheckUpdates);
             o.addProductSelection(ProductSelection::current, s.product);
         }},
        {"show-all-releases", no_argument, [](Options& o, State& s, const std::string& n, const std::string&) {
             o.setAction(n, actionListAll);
             o.addProductSelection(ProductSelection::current, s.product);
         }},
        {"show-os-list", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setAction(n, actionListOperatingSystems); }},
        {"show-releases", no_argument, [](Options& o, State& s, const std::string& n, const std::string&) {
             o.setAction(n, actionListReleases);
             o.addProductSelection(ProductSelection::current, s.product);
         }},
        {"show-installation-types", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setAction(n, actionListPresets); }},
        {"show-components", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setAction(n, actionListComponents); }},
        {"show-upgradable-components", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setAction(n, actionListUpgradable); }},
        {"show-options", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.showOptions = true; }},
        {"show-packages", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setAction(n, actionShowPackages); }},
        {"show-additional-source-types", no_argument, deprecatedOption},
        {"show-additional-sources", no_argument, deprecatedOption},
        {"mirror-os", required_argument, deprecatedOption},
        {"installation-type", required_argument, [](Options& o, State& s, const std::string& n, const std::string& v) {
             o.setAction(n, actionInstall);
             o.setRequestMode(s.requestKey(), n, ComponentRequest::modeInstallType);
             o.componentRequests[s.requestKey()].installType = v;
         }},
        {"install-component", required_argument, [](Options& o, State& s, const std::string& n, const std::string& v) {
             o.setAction(n, actionInstall);
             o.setRequestMode(s.requestKey(), n, ComponentRequest::modeListed);
             o.componentRequests[s.requestKey()].install.push_back(v);
             statusPrefix = "install_";
         }},
        {"install-everything", no_argument, [](Options& o, State& s, const std::string& n, const std::string&) {
             o.setAction(n, actionInstall);
             o.setRequestMode(s.requestKey(), n, ComponentRequest::modeInstallAll);
             statusPrefix = "install_";
         }},
        {"upgrade-installed-components", no_argument, [](Options& o, State& s, const std::string& n, const std::string&) {
             o.setAction(n, actionInstall);
             o.setRequestMode(s.requestKey(), n, ComponentRequest::modeUpgradeInstalled);
         }},
        {"include-components-from-class", required_argument, [](Options& o, State& s, const std::string& n, const std::string& v) {
             o.setAction(n, actionInstall);
             o.setRequestMode(s.requestKey(), n, ComponentRequest::modeUpgradeInstalled);
             o.componentRequests[s.requestKey()].classes.push_back(v);
         }},
        {"remove-component", required_argument, [](Options& o, State& s, const std::string& n, const std::string& v) {
             o.setAction(n, actionInstall);
             o.addProductSelection(ProductSelection::current, s.product);
             o.setRequestMode(s.requestKey(), n, ComponentRequest::modeListed);
             o.componentRequests[s.requestKey()].remove.push_back(v);
             statusPrefix = "install_";
         }},
        {"remove-package", required_argument, [](Options& o, State& s, const std::string& n, const std::string& v) {
             o.setAction(n, actionInstall);
             o.addProductSelection(ProductSelection::current, s.product);
             o.packagesToRemove.push_back(v);
         }},
        {"force-remove-packages-tree", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.forceRemovePackagesTree = true; }},
        {"remove-everything", no_argument, [](Options& o, State& s, const std::string& n, const std::string&) {
             o.setAction(n, actionInstall);
             o.addProductSelection(ProductSelection::current, s.product);
             o.setRequestMode(s.requestKey(), n, ComponentRequest::modeRemoveAll);
             o.removeEverything = true;
         }},
        {"interactive-uninstall", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.interactiveUninstall = true; }},
        {"select-product-id", required_argument, [](Options&, State& s, const std::string&, const std::string& v) { s.product = v; }},
        {"set-option", required_argument, [](Options& o, State& s, const std::string&, const std::string& v) { o.setComponentOption(s.product, v); }},
        {"select-release-id", required_argument, [](Options& o, State& s, const std::string&, const std::string& v) {
             o.addProductSelection(ProductSelection::exact, s.product, v);
             o.releaseIds.push_back(v);
         }},
        {"select-release-latest", no_argument, [](Options& o, State& s, const std::string&, const std::string&) { o.addProductSelection(ProductSelection::latest, s.product); }},
        {"select-release-current", no_argument, [](Options& o, State& s, const std::string&, const std::string&) { o.addProductSelection(ProductSelection::current, s.product); }},
        {"enable-xml-output", no_argument, [](Options&, State&, const std::string&, const std::string&) { xmlOutput = true; }},
        {"override-os-name", required_argument, [](Options&, State&, const std::string&, const std::string& v) { Opsys::overrideName = v; }},
        {"override-os-vendor", required_argument, [](Options&, State&, const std::string&, const std::string& v) { Opsys::overrideVendor = v; }},
        {"override-os-version", required_argument, [](Options&, State&, const std::string&, const std::string& v) { Opsys::overrideVersion = v; }},
        {"override-os-arch", required_argument, [](Options&, State&, const std::string&, const std::string& v) { Opsys::overrideArch = v; }},
        {"override-environment", required_argument, [](Options&, State&, const std::string&, const std::string& v) { Opsys::overrideEnvironment = v; }},
        {"install-system-only", no_argument, deprecatedOption},
        {"allow-kernel-install", no_argument, deprecatedOption},
        {"disable-major-updates", no_argument, deprecatedOption},
        {"upgrade-system-packages", no_argument, deprecatedOption},
        {"web-interface", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setMode(n, modeWebBackEnd); }},
        {"ssl-cert", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.sslCert = v; }},
        {"without-ssl", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.withoutSsl = true; }},
        {"console-interface", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setMode(n, modeTextWizard); }},
        {"disable-browser", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.openBrowser = false; }},
        {"with-ssl", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.withoutSsl = false; }},
        {"service-mode", optional_argument, [](Options& o, State&, const std::string& n, const std::string& v) {
             // The background launch itself passes the option on; its child must not
             // launch again.
             if (!getEnv("WEB_SECRET").empty()) {
                 Log(2, true) << "DEBUG: ignore option --service-mode because environment variable "
                              << "WEB_SECRET" << " is already set.";
                 return;
             }
             o.setMode(n, modeServiceLaunch);
             if (v == "update") o.setDefaultPageOverride("update_components");
             if (v == "components") o.setDefaultPageOverride("components");
         }},
        {"reinstall-patch", no_argument, deprecatedOption},
        {"skip-patch", no_argument, deprecatedOption},
        {"download-retry-count", required_argument, [](Options& o, State&, const std::string& n, const std::string& v) {
             o.downloadRetries = parsePositiveInt(v, badCountError("--" + n));
         }},
        {"skip-gpg-check", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.skipGpgCheck = true; }},
        {"no-clear", no_argument, [](Options&, State&, const std::string&, const std::string&) { TextDialog::noClear = true; }},
        {"truncate-log", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.truncateLog = true; }},
        {"separate-logs", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.separateLogs = true; }},
        {"no-daemon", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.noDaemon = true; }},
        {"notify-email", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.notifyEmail = v; }},
        {"skip-components-check", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.skipComponentsCheck = true; }},
        {"version", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setMode(n, modeVersion); }},
        {"print-version-of-this-binary", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setMode(n, modeBareVersion); }},
        {"set-user-interaction-mode", required_argument, [](Options& o, State&, const std::string& n, const std::string& v) {
             // Written directly: a restarted installer names its interface after the
             // options that chose its action.
             if (v == "textUI") {
                 o.mode = modeTextWizard;
             } else if (v == "webUI") {
                 o.mode = modeWebBackEnd;
             } else {
                 error failure(3, 1, 1, 2);
                 failure << "Invalid argument for option --" << n << "=" << v;
                 throw failure;
             }
             o.userInteractionMode = v;
         }},
        {"skip-cleanup", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.skipCleanup = true; }},
        {"disable-self-upgrade", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.disableSelfUpgrade = true; }},
        {"usage", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setMode(n, modeCommandsOverview); }},
        {"help", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setMode(n, modeCommandsOverview); }},
        {"help-options", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setMode(n, modeOptionsHelp); }},
        {"debug", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.debug = true; }},
        {"no-space-check", no_argument, deprecatedOption},
        {"enable-feedback", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setAction(n, actionEnableFeedback); }},
        {"disable-feedback", no_argument, [](Options& o, State&, const std::string& n, const std::string&) { o.setAction(n, actionDisableFeedback); }},
        {"branch", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.setTiers(v); }},
        {"tier", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.setTiers(v); }},
        {"skip-branch-filter", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.enableAllReleases(); }},
        {"all-versions", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.enableAllReleases(); }},
        {"set-feedback-product", required_argument, [](Options& o, State&, const std::string& n, const std::string& v) {
             o.setAction(n, actionSetFeedbackProduct);
             o.feedbackProduct = v;
         }},
        {"set-feedback-group-id", required_argument, [](Options& o, State&, const std::string& n, const std::string& v) {
             o.setAction(n, actionSetFeedbackGroupId);
             o.feedbackGroupId = v;
         }},
        {"show-hidden-components", no_argument, [](Options& o, State&, const std::string&, const std::string&) { o.showHiddenComponents = true; }},
        {"ext-catalog-url", required_argument, [](Options& o, State&, const std::string&, const std::string& v) { o.extCatalogUrl = v; }},
    };

    // Every option returns its own code above the characters; the short options
    // -h and -v stand for --help and --version.
    constexpr int firstCode = 256;
    std::vector<option> longOptions;
    std::size_t helpEntry = 0;
    std::size_t versionEntry = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        longOptions.push_back({table[i].name, table[i].argument, nullptr, firstCode + static_cast<int>(i)});
        if (std::string(table[i].name) == "help") helpEntry = i;
        if (std::string(table[i].name) == "version") versionEntry = i;
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});

    // getopt_long reorders the vector it is given: a copy of the texts and of the
    // pointers, never the kept command line.
    std::vector<std::string> texts = commandLine;
    if (texts.empty()) texts.emplace_back("kitwright");
    std::vector<char*> argv = StartupArguments::makeArgv(texts);
    const int argc = static_cast<int>(texts.size());

    // The diagnostics are ours (opterr off, ":" first in the short options) so that
    // they name the option without its value.
    optind = 0;  // a fresh scan, also after an earlier parse in this process
    opterr = 0;
    LegacyState state;
    for (;;) {
        const int code = getopt_long(argc, argv.data(), ":hv", longOptions.data(), nullptr);
        if (code == -1) break;
        if (code == '?' || code == ':') {
            std::string refused;
            if (optopt > 0 && optopt < firstCode)
                refused = "invalid option '-" + std::string(1, static_cast<char>(optopt)) + "'";
            else if (optind > 0 && optind <= argc)
                refused = refusedOption(table, code, argv[optind - 1]);
            Log(0, true) << texts[0] << ": " << refused;
            error failure(2, 1, 1, 2);
            failure << Messages::get("err_unkn_option");
            throw failure;
        }

        const std::size_t entry = code == 'h'   ? helpEntry
                                  : code == 'v' ? versionEntry
                                                : static_cast<std::size_t>(code - firstCode);
        table[entry].apply(*this, state, table[entry].name, optarg ? optarg : "");
    }

    if (optind < argc) {
        error failure;
        failure << Messages::get("err_unkn_arg");
        for (int i = optind; i < argc; ++i) failure << argv[i] << "\n";
        throw failure;
    }
}
