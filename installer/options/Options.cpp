#include "installer/options/Options.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Redact.h"
#include "common/StringUtils.h"
#include "common/SystemUtils.h"
#include "common/error.h"
#include "common/fileops.h"
#include "installer/options/OutputSettings.h"
#include "installer/sources/UpdateServer.h"
#include "installer/startup/StartupArguments.h"
#include "installer/webui/CertificateGenerator.h"

#include <cerrno>
#include <cstring>
#include <sstream>

namespace {

// A comma list of tier tags; blanks around a tag and empty items are dropped, so
// "stable, testing" names the tiers the operator meant.
std::vector<std::string> splitTiers(const std::string& text)
{
    std::vector<std::string> tiers;
    std::string::size_type start = 0;
    while (start <= text.size()) {
        std::string::size_type end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        const std::string tier = trim(text.substr(start, end - start));
        if (!tier.empty()) tiers.push_back(tier);
        start = end + 1;
    }
    return tiers;
}

error overrideConflict(const std::string& optionName, const std::string& earlierOption)
{
    error failure(2, 1, 1, 2);
    failure << (Messages::format("err_cmd_override") % optionName % earlierOption);
    return failure;
}

}  // namespace

std::string Options::homeOverride;
Options* Options::instance_ = nullptr;

Options::ProductSelection::ProductSelection(const std::string& prodId, const std::string& releaseId)
    : prodId(prodId), type(exact), releaseId(releaseId)
{
    if (releaseId.empty()) throw KW_INTERNAL_ERROR();
}

Options::ProductSelection::ProductSelection(const std::string& prodId, int type) : prodId(prodId), type(type)
{
    if (type != latest && type != current) throw KW_INTERNAL_ERROR();
}

Options& Options::getInstance()
{
    return getInstance([] { return std::make_unique<Options>(StartupArguments::list()); });
}

Options& Options::getInstance(const std::function<std::unique_ptr<Options>()>& build)
{
    if (instance_) return *instance_;
    try {
        std::unique_ptr<Options> built = build();
        if (!built) throw KW_INTERNAL_ERROR();
        instance_ = built.release();
    } catch (...) {
        // Whatever failed (an `error`, or an option-parsing error of the command
        // syntax) goes on to the start-up body unchanged; the defaults are put in
        // place first so that the code printing the failure can read the options.
        instance_ = new Options(DefaultsOnly{});
        throw;
    }
    return *instance_;
}

Options::Options(DefaultsOnly)
{
    source.assign(UpdateServer::defaultRootUrl);
    setDefaults();
}

Options::Options(const std::vector<std::string>& commandLine) : Options(DefaultsOnly{})
{
    try {
        readRcFile();
    } catch (error& failure) {
        failure.addLevel(2, 1, 1, 2);
        failure << Messages::get("err_rc_syntax");
        throw;
    }
    readEnvironment();
    readComponentOptionsIni();

    // A command line that starts with an option (or has no arguments) is in the
    // legacy syntax; one that starts with a word is a command.
    const bool legacy = commandLine.size() < 2 || (!commandLine[1].empty() && commandLine[1][0] == '-');
    if (legacy)
        parseLegacyOptions(commandLine);
    else
        parseCommand(commandLine);

    // The command syntax runs these at the end of its selector interpretation,
    // once the catalogue is known.
    if (command.empty()) {
        applyWebSecretTiers();
        checkOptions();
    }
}

void Options::setDefaults()
{
    mode = modeTextWizard;
    action = actionNone;
    commandKind = commandNone;
    useSystemUpdates = true;

    target = homeDirectory();
    fileops::ensure_trailing(target, '/');
    target += "kestavine";

    truncateLog = false;
    separateLogs = false;
    maxStoredSeparateLogs = 20;
    skipCleanup = false;
    disableSelfUpgrade = false;
    showHiddenComponents = false;
    skipComponentsCheck = false;
    forceRemovePackagesTree = false;
    showOptions = false;
    removeEverything = false;
    interactiveUninstall = false;
    verbosity = 0;
    strict = false;
    debug = false;
    noDaemon = false;
    downloadRetries = 3;
    skipGpgCheck = false;
    terminate = false;
    withoutSsl = false;
    openBrowser = true;
    releaseTiers = splitTiers("stable,release,current");
    tiersDefault = true;
    showAllReleases = false;

    const int width = getTerminalWidth();
    helpWidth = width > 0 ? width : 80;
}

std::string Options::homeDirectory() { return homeOverride.empty() ? get_home_dir() : homeOverride; }

// --- Derived queries ---

bool Options::isBackgroundMode() const { return !noDaemon && action == actionInstall && xmlOutput; }

bool Options::canSkipExtCatalog() const
{
    if (mode == modeTextWizard || mode == modeWebBackEnd) return false;
    if (mode != modeCommandLine) return true;

    // The components listing and the install and add/remove commands show or
    // choose components, extensions among them.
    if (action == actionListComponents) return false;
    if (commandKind == commandInstall || commandKind == commandAddRemove) return false;
    if (action != actionInstall) return true;
    // An installation needs the catalogue unless it only removes or upgrades.
    for (const auto& entry : componentRequests) {
        const int requestMode = entry.second.mode;
        if (requestMode != ComponentRequest::modeRemoveAll && requestMode != ComponentRequest::modeUpgradeInstalled)
            return false;
    }
    return true;
}

bool Options::isProdIDSelected(const std::string& prodId) const
{
    bool selected = false;
    for (const ProductSelection& selection : productSelections)
        if (selection.prodId == prodId) selected = true;
    Log(3, true) << "Options::isProdIDSelected: " << prodId << " " << selected;
    return selected;
}

bool Options::isCompletion() const
{
    return !debug && mode == modeCommandHelp && variables.count("completion") != 0;
}

std::string Options::getCommandLine(bool redacted)
{
    std::string line;
    const std::vector<std::string>& kept = StartupArguments::list();
    for (const std::string& argument : redacted ? redact::arguments(kept) : kept) {
        line += shellQuote(argument);
        line += ' ';
    }
    return line;
}

std::string Options::getWebInterfaceCommandLine(bool redacted)
{
    return getCommandLine(redacted) + " --web-interface --with-ssl --disable-browser";
}

bool Options::asksForXmlOutput(const std::vector<std::string>& commandLine)
{
    const bool legacy = commandLine.size() < 2 || (!commandLine[1].empty() && commandLine[1][0] == '-');
    // The shortest forms the parsers take for the option and no other.
    const std::string option = legacy ? "--enable-xml-output" : "--xml";
    const std::size_t shortest = legacy ? std::string("--enable-x").size() : std::string("--x").size();
    for (std::size_t i = 1; i < commandLine.size(); ++i) {
        const std::string& word = commandLine[i];
        if (word == "--") break;
        if (word.size() >= shortest && word.size() <= option.size() && option.compare(0, word.size(), word) == 0)
            return true;
    }
    return false;
}

void Options::setDefaultPageOverride(const std::string& page)
{
    webUiStartPage = page;
    if (setEnv("KW_WEB_UI_DEFAULT_PAGE_OVERRIDE", page) != 0) {
        const std::string reason = std::strerror(errno);
        Log(1, true) << "Warning: Options: cannot set KW_WEB_UI_DEFAULT_PAGE_OVERRIDE: " << reason;
        return;
    }
    Log(3, true) << "DEBUG: Options: set KW_WEB_UI_DEFAULT_PAGE_OVERRIDE env var to " << page;
}

void Options::printUsage(std::ostream& out)
{
    static const char* const keys[] = {
        "usage_header",  "usage_install",    "usage_remove",    "usage_upgrade",  "usage_selectors",
        "usage_list",    "usage_feedback",   "usage_download",  "usage_proxy",    "usage_override",
        "usage_no_warn", "usage_automation", "usage_web",       "usage_console",  "usage_obsolete",
        "usage_deprecated", "usage_logging", "usage_help",      "usage_end",
    };
    for (const char* key : keys) out << Messages::get(key);
}

void Options::printCommandsUsage(std::ostream& out) { out << Messages::get("usage_commands"); }

// --- Setters ---

void Options::setMode(const std::string& optionName, int newMode)
{
    // Naming the same mode twice changes nothing and is no conflict.
    if (mode != modeTextWizard && mode != newMode) throw overrideConflict(optionName, modeOption_);
    mode = newMode;
    modeOption_ = optionName;
}

void Options::setAction(const std::string& optionName, int newAction)
{
    // An action is command-line work: it may not silently replace a work mode that
    // an earlier option chose (the web back end, a status query, help, ...).
    if (mode != modeTextWizard && mode != modeCommandLine) throw overrideConflict(optionName, modeOption_);
    if (mode == modeTextWizard) {
        mode = modeCommandLine;
        modeOption_ = optionName;
    }

    // A dry run wins over the installation options, in either order.
    if ((action == actionInstall && newAction == actionShowPackages) ||
        (action == actionShowPackages && newAction == actionInstall)) {
        action = actionShowPackages;
        return;
    }
    if (action != actionNone && action != newAction) throw overrideConflict(optionName, actionOption_);
    action = newAction;
    actionOption_ = optionName;
}

void Options::setRequestMode(const std::string& prodId, const std::string& optionName, int newMode)
{
    ComponentRequest& request = componentRequests[prodId];
    if (request.mode != ComponentRequest::modeNone && request.mode != newMode)
        throw overrideConflict(optionName, requestOptions_[prodId]);
    request.mode = newMode;
    requestOptions_[prodId] = optionName;
}

void Options::addProductSelection(int type, const std::string& prodId, const std::string& releaseId)
{
    if (type == ProductSelection::exact)
        productSelections.emplace_back(prodId, releaseId);
    else
        productSelections.emplace_back(prodId.empty() ? std::string(defaultProductId) : prodId, type);
}

void Options::setTiers(const std::string& text) { setTierList(splitTiers(text)); }

void Options::setTierList(const std::vector<std::string>& tiers)
{
    releaseTiers = tiers;
    tiersDefault = false;
}

void Options::enableAllReleases()
{
    showAllReleases = true;
    setTiers(std::string());
}

void Options::setComponentOption(const std::string& prodId, const std::string& text)
{
    const std::string product = prodId.empty() ? std::string(defaultProductId) : prodId;
    std::istringstream line(text);
    std::string key;
    std::string value;
    if (readRcLine(line, key, value, LineForm::settingOption)) componentSettings[product][key] = value;
}

void Options::applyWebSecretTiers()
{
    if (!tiersDefault || getEnv("WEB_SECRET").empty()) return;
    Log(3, true) << "DEBUG: Options: a background web UI launch offers the tiers stable and release only";
    setTiers("stable,release");
}

void Options::checkOptions()
{
    if (showOptions && action != actionListComponents) {
        error failure(2, 1, 1, 2);
        failure << Messages::get("err_opt_show_options_wo_components");
        throw failure;
    }

    if (mode == modeWebBackEnd) {
        if (!sslCert.empty()) {
            // The web server needs a readable file; a directory of that name would
            // fail later and obscurely.
            if (!fileops::is_file(sslCert)) {
                error failure(2, 2, 1, 2);
                failure << (Messages::format("err_misfile") % sslCert);
                throw failure;
            }
        } else if (!withoutSsl) {
            sslCert = CertificateGenerator(homeDirectory()).getCertificatePath();
        }
    }

    if (interactiveUninstall && !removeEverything) {
        error failure(2, 1, 1, 2);
        failure << Messages::get("err_opt_int_uninst_wo_rm_everything");
        throw failure;
    }
}
