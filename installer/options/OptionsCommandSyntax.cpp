// The command syntax: a command word, selector words and the options of the
// command's groups, parsed with Boost.Program_options; the command help and the
// completion answer that shells use.

#include "installer/options/Options.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/error.h"
#include "installer/options/OutputSettings.h"

#include <boost/format.hpp>
#include <boost/program_options/errors.hpp>
#include <boost/program_options/parsers.hpp>
#include <boost/program_options/value_semantic.hpp>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace po = boost::program_options;

namespace {

// The options a command accepts besides the common groups.
enum class CommandGroup { none, list, install, dryRun, update, addRemove, stop };

// What a command's handler sets once its line is parsed.
enum class CommandHandler { version, help, listAll, list, install, upgrade, update, addRemove, stop };

struct Command {
    const char* word;
    const char* synopsis;
    // The description: the first key, a blank line, then the others a line apart.
    std::initializer_list<const char*> textKeys;
    CommandGroup group;
    CommandHandler handler;
    bool shortGeneral;  // version, help and stop take only the short general group
    bool selectors;     // further words are selectors
};

const Command commands[] = {
    {"version", "", {"usage_cmd_version"}, CommandGroup::none, CommandHandler::version, true, false},
    {"help", "[COMMAND] [--verbose | -v]", {"usage_cmd_help"}, CommandGroup::none, CommandHandler::help, true, true},
    {"list-all", "", {"usage_cmd_list_all"}, CommandGroup::none, CommandHandler::listAll, false, false},
    {"list", "[SELECTOR ...] [(--presets | --components [--options])]",
     {"usage_cmd_list", "usage_selector", "usage_cmd_list_tail"}, CommandGroup::list, CommandHandler::list, false, true},
    {"install",
     "[SELECTOR ...] [(--preset PRESET [--with COMPONENTS] [--without COMPONENTS] | --components COMPONENTS)]",
     {"usage_cmd_install", "usage_components", "usage_selector", "usage_cmd_install_tail"}, CommandGroup::install,
     CommandHandler::install, false, true},
    {"upgrade", "SELECTOR ...", {"usage_cmd_upgrade", "usage_selector", "usage_cmd_upgrade_tail"},
     CommandGroup::dryRun, CommandHandler::upgrade, false, true},
    {"update", "[PRODUCT] [--panel-only]", {"usage_cmd_update", "usage_product", "usage_cmd_update_tail"},
     CommandGroup::update, CommandHandler::update, false, true},
    {"add", "[PRODUCT] --components COMPONENTS",
     {"usage_cmd_add", "usage_components", "usage_product", "usage_cmd_add_remove_tail"}, CommandGroup::addRemove,
     CommandHandler::addRemove, false, true},
    {"remove", "[PRODUCT] --components COMPONENTS",
     {"usage_cmd_remove", "usage_components", "usage_product", "usage_cmd_add_remove_tail"}, CommandGroup::addRemove,
     CommandHandler::addRemove, false, true},
    {"stop", "[--terminate]", {"usage_cmd_stop"}, CommandGroup::stop, CommandHandler::stop, true, true},
};

// The example values the description texts show: the default product, a version
// and a release id.
const char* const exampleVersion = "12.5.30";
const char* const exampleReleaseId = "ZARNI_12_5_30";

const Command& findCommand(const std::string& word)
{
    for (const Command& command : commands)
        if (word == command.word) return command;
    error failure(2, 1, 1, 2);
    failure << (Messages::format("err_opt_unknown_command") % word);
    throw failure;
}

std::string describeText(const Command& command)
{
    std::string text;
    std::size_t index = 0;
    for (const char* key : command.textKeys) {
        if (index > 0) text += index == 1 ? "\n\n" : "\n";
        text += Messages::get(key);
        ++index;
    }
    boost::format format(text);
    // A text may use fewer of the three examples than are offered.
    format.exceptions(boost::io::all_error_bits ^ boost::io::too_many_args_bit);
    return (format % Options::defaultProductId % exampleVersion % exampleReleaseId).str();
}

// A switch bound to a member: true when given, else the member's value stays (so
// an rc-file setting survives an absent switch).
po::typed_value<bool>* boundSwitch(bool& member) { return po::bool_switch(&member)->default_value(member); }

// One value bound to a text; shown with its current value only when it has one.
po::typed_value<std::string>* overrideValue(std::string& member)
{
    po::typed_value<std::string>* value = po::value<std::string>(&member);
    if (!member.empty()) value->default_value(member);
    return value;
}

po::typed_value<std::vector<std::string>>* names(const char* valueName)
{
    return po::value<std::vector<std::string>>()->multitoken()->composing()->value_name(valueName);
}

}  // namespace

void Options::parseCommand(const std::vector<std::string>& commandLine)
{
    // The construction sends a line here only when it starts with a word (an empty
    // one included: it is no option, so it is an unknown command).
    if (commandLine.size() < 2 || (!commandLine[1].empty() && commandLine[1][0] == '-')) throw KW_INTERNAL_ERROR();
    command = commandLine[1];
    strict = true;
    findCommand(command);
    if (parseCommandLine(commandLine)) runCommandHandler();
}

Options::CommandDescription Options::describeCommand(const std::string& word, unsigned level)
{
    const Command& entry = findCommand(word);
    const bool extended = level > 1;
    // The option library needs more room than the description column; a narrower
    // terminal gets a wider layout instead of a failed assertion.
    const unsigned minDescription = 40;
    const unsigned width = std::max<unsigned>(static_cast<unsigned>(std::max(helpWidth, 0)), minDescription + 2);
    const auto group = [width](const char* captionKey) {
        return po::options_description(Messages::get(captionKey), width, minDescription);
    };
    const auto text = [](const char* key) { return Messages::get(key).c_str(); };

    CommandDescription description{po::options_description(width, minDescription), {}, entry.synopsis,
                                   describeText(entry), std::string()};
    po::options_description& options = description.options;

    po::options_description own = group("usage_hdr_command_opts");
    switch (entry.group) {
    case CommandGroup::none:
        break;
    case CommandGroup::list:
        own.add_options()("presets", text("usage_opt_list_presets"))("components", text("usage_opt_list_components"))(
            "options", boundSwitch(showOptions), text("usage_opt_list_options"))("sources", text("usage_opt_list_sources"));
        break;
    case CommandGroup::install:
        own.add_options()("preset", po::value<std::string>(), text("usage_opt_install_preset"))(
            "with", names("name ..."), text("usage_opt_install_with"))("without", names("name ..."), text("usage_opt_install_without"))(
            "components", names("name ..."), text("usage_opt_install_components"))(
            "options", names("name=value ..."), text("usage_opt_install_options"))("dry-run", text("usage_opt_dry_run"));
        break;
    case CommandGroup::dryRun:
        own.add_options()("dry-run", text("usage_opt_dry_run"));
        break;
    case CommandGroup::update:
        own.add_options()("panel-only", text("usage_opt_update_panel_only"))("dry-run", text("usage_opt_dry_run"));
        break;
    case CommandGroup::addRemove:
        own.add_options()("components", names("name ...")->required(), text("usage_opt_addremove_components"))(
            "dry-run", text("usage_opt_dry_run"));
        break;
    case CommandGroup::stop:
        own.add_options()("terminate", boundSwitch(terminate), text("usage_opt_stop_terminate"));
        break;
    }
    if (entry.group != CommandGroup::none) options.add(own);

    const auto addPositional = [&] {
        po::options_description words;
        words.add_options()("command", po::value<std::string>(&command)->required(), "");
        description.positional.add("command", 1);
        if (entry.selectors) {
            words.add_options()("selector", po::value<std::vector<std::string>>(&arguments), "");
            description.positional.add("selector", -1);
        }
        options.add(words);
    };

    if (entry.shortGeneral) {
        po::options_description general = group("usage_hdr_general_opts");
        general.add_options()("help", text("usage_opt_help"))("debug", boundSwitch(debug), text("usage_opt_debug"));
        if (extended)
            general.add_options()("verbose,v", po::value<unsigned>(&verbosity)->implicit_value(1), text("usage_opt_verbose"))(
                "completion,c", text("usage_opt_completion"))(
                "disable-self-upgrade", boundSwitch(disableSelfUpgrade), text("usage_opt_no_self_upgrade"));
        options.add(general);
        if (level == 0) description.hint = Messages::get("usage_verbose");
        if (level >= 100) addPositional();
        return description;
    }

    if (level == 0) {
        description.hint = Messages::get("usage_verbose");
        return description;
    }

    po::options_description download = group("usage_hdr_download_opts");
    download.add_options()("source", po::value<std::string>()->notifier([this](const std::string& value) { source.assign(value); }),
                           text("usage_opt_source"))("target", po::value<std::string>(&target), text("usage_opt_target"))(
        "tries", po::value<int>(&downloadRetries)->notifier([](int tries) {
            if (tries < 1) throw badCountError("--tries");
        }),
        text("usage_opt_tries"));
    if (extended) download.add_options()("ext-catalog-url", po::value<std::string>(&extCatalogUrl), text("usage_opt_ext"));
    options.add(download);

    po::options_description proxy = group("usage_hdr_proxy_opts");
    proxy.add_options()("proxy-host", po::value<std::string>(&proxyHost), text("usage_opt_proxy_host"))(
        "proxy-port", po::value<int>(&proxyPort), text("usage_opt_proxy_port"))(
        "proxy-user", po::value<std::string>(&proxyUser), text("usage_opt_proxy_user"))(
        "proxy-password", po::value<std::string>(&proxyPassword), text("usage_opt_proxy_pass"));
    options.add(proxy);

    // The overrides show what the operator set, not the detected system: describing
    // the options must not detect the system before the overrides are stored.
    po::options_description environment = group("usage_hdr_env_opts");
    environment.add_options()("override-os-name", overrideValue(Opsys::overrideName), text("usage_opt_override_os_name"))(
        "override-os-vendor", overrideValue(Opsys::overrideVendor), text("usage_opt_override_os_vendor"))(
        "override-os-version", overrideValue(Opsys::overrideVersion), text("usage_opt_override_os_version"))(
        "override-os-arch", overrideValue(Opsys::overrideArch), text("usage_opt_override_os_arch"))(
        "override-environment", overrideValue(Opsys::overrideEnvironment), text("usage_opt_override_env"));
    options.add(environment);

    const bool listing = entry.handler == CommandHandler::list || entry.handler == CommandHandler::listAll;
    if (!(listing && level == 1)) {
        po::options_description skip = group("usage_hdr_skip_opts");
        skip.add_options()("skip-components-check", boundSwitch(skipComponentsCheck), text("usage_opt_skip_examine"));
        if (extended)
            skip.add_options()("skip-gpg-check", boundSwitch(skipGpgCheck), text("usage_opt_skip_gpg"))(
                "skip-cleanup", boundSwitch(skipCleanup), text("usage_opt_skip_cleanup"))(
                "disable-self-upgrade", boundSwitch(disableSelfUpgrade), text("usage_opt_no_self_upgrade"));
        options.add(skip);
    }

    po::options_description general = group("usage_hdr_general_opts");
    general.add_options()("help", text("usage_opt_help"))("xml", boundSwitch(xmlOutput), text("usage_opt_xml"))(
        "debug", boundSwitch(debug), text("usage_opt_debug"))("truncate-log", boundSwitch(truncateLog), text("usage_opt_truncate_log"))(
        "separate-logs", boundSwitch(separateLogs), text("usage_opt_separate_log"))(
        "email", po::value<std::string>(&notifyEmail), text("usage_opt_email"));
    if (extended)
        general.add_options()("verbose,v", po::value<unsigned>(&verbosity)->implicit_value(1), text("usage_opt_verbose"))(
            "completion,c", text("usage_opt_completion"));
    options.add(general);

    if (level >= 100) addPositional();
    return description;
}

bool Options::parseCommandLine(const std::vector<std::string>& commandLine)
{
    CommandDescription description = describeCommand(command, 100);
    po::options_description hidden;
    hidden.add_options()("repatch", "")("skip-patch", "");
    description.options.add(hidden);

    const std::vector<std::string> words(commandLine.begin() + 1, commandLine.end());
    try {
        po::store(po::command_line_parser(words)
                      .options(description.options)
                      .positional(description.positional)
                      .style(po::command_line_style::default_style)
                      .run(),
                  variables);
    } catch (po::error_with_option_name& failure) {
        // The library quotes the word it refused; a value given with "=" may be a
        // password, so the message names the option only.
        for (const std::string& word : words) {
            const std::string::size_type equals = word.find('=');
            if (word.compare(0, 2, "--") != 0 || equals == std::string::npos) continue;
            if (std::string(failure.what()).find(word) != std::string::npos) failure.set_original_token(word.substr(0, equals));
        }
        throw;
    }

    for (const char* hiddenOption : {"repatch", "skip-patch"})
        if (variables.count(hiddenOption))
            Log(0, true) << (Messages::format("warn_deprecated_option") % (std::string("--") + hiddenOption));

    if (variables.count("help")) {
        if (variables.count("verbose")) verbosity = variables["verbose"].as<unsigned>();
        setMode("help", modeCommandHelp);
        return false;
    }
    po::notify(variables);
    return true;
}

void Options::runCommandHandler()
{
    const Command& entry = findCommand(command);
    const bool dryRun = variables.count("dry-run") != 0;
    switch (entry.handler) {
    case CommandHandler::version:
        setMode("version", modeVersion);
        break;
    case CommandHandler::help:
        setMode("help", arguments.size() == 1 ? modeCommandHelp : modeCommandsOverview);
        break;
    case CommandHandler::listAll:
        setAction("list-all", actionListAll);
        break;
    case CommandHandler::list:
        checkConflict("presets", "components");
        checkConflict("presets", "options");
        checkConflict("presets", "sources");
        checkConflict("sources", "components");
        checkConflict("sources", "options");
        // The action needs the catalogue: the selectors decide it later.
        mode = modeCommandLine;
        break;
    case CommandHandler::install:
        checkConflict("preset", "components");
        checkRequiresPreset("with");
        checkRequiresPreset("without");
        setAction(command, dryRun ? actionShowPackages : actionInstall);
        if (!dryRun) statusPrefix = "install_";
        commandKind = commandInstall;
        break;
    case CommandHandler::upgrade:
        setMode(command, modeCommandLine);
        commandKind = commandUpgrade;
        break;
    case CommandHandler::update:
        setAction(command, dryRun ? actionShowPackages : actionInstall);
        commandKind = commandUpdate;
        break;
    case CommandHandler::addRemove:
        setAction(command, dryRun ? actionShowPackages : actionInstall);
        if (!dryRun) statusPrefix = "install_";
        commandKind = commandAddRemove;
        break;
    case CommandHandler::stop:
        setMode(command, modeStop);
        break;
    }
}

bool Options::givenExplicitly(const std::string& option) const
{
    const auto found = variables.find(option);
    return found != variables.end() && !found->second.defaulted();
}

void Options::checkConflict(const std::string& first, const std::string& second) const
{
    if (givenExplicitly(first) && givenExplicitly(second))
        throw po::error((Messages::format("err_opt_conflict") % first % second).str());
}

void Options::checkRequiresPreset(const std::string& option) const
{
    if (givenExplicitly(option) && !givenExplicitly("preset"))
        throw po::error((Messages::format("err_opt_requires") % option % "preset").str());
}

void Options::printCommandHelp(std::ostream& out)
{
    const std::string word = (command == "help" && arguments.size() == 1) ? arguments.front() : command;
    const CommandDescription description = describeCommand(word, verbosity);

    if (variables.count("completion")) {
        out << "{";
        bool first = true;
        for (const auto& option : description.options.options()) {
            out << (first ? "\n" : ",\n");
            first = false;
            const std::string parameter = option->format_parameter();
            const bool flag = parameter.empty() || parameter[0] == '[';
            out << "  \"--" << option->long_name() << "\": {\"flag\": " << (flag ? "true" : "false") << "}";
        }
        out << "\n}" << std::endl;
        return;
    }

    out << Messages::get("usage_cmd_prefix") << word << " " << description.synopsis << "\n\n"
        << description.text << "\n"
        << description.options << "\n"
        << description.hint << std::endl;
}
