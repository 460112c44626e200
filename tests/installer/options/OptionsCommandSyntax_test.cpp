#include "installer/options/Options.h"

#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/error.h"
#include "installer/options/OutputSettings.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/installer/options/OptionsFixture.h"

#include <gtest/gtest.h>

#include <boost/format.hpp>
#include <boost/program_options/errors.hpp>

#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// How building from a command line ended: the record, the program's error or an
// option-parsing error of the option library.
struct Built {
    std::unique_ptr<Options> options;
    std::string failure;  // "error: " or "parse: " and the text
};

Built tryBuild(const std::vector<std::string>& arguments)
{
    Built built;
    std::vector<std::string> commandLine = {"kitwright"};
    commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
    try {
        built.options = std::make_unique<Options>(commandLine);
    } catch (const error& failure) {
        built.failure = "error: " + failure.text();
    } catch (const boost::program_options::error& failure) {
        built.failure = std::string("parse: ") + failure.what();
    }
    return built;
}

std::string formatted(const char* key, const std::string& first, const std::string& second)
{
    return (Messages::format(key) % first % second).str();
}

// The option groups as the help shows them: caption, options, and which options
// appear only in the extended help.
struct Group {
    const char* caption;
    std::vector<std::pair<std::string, bool>> options;  // name, extended only
};

const Group listGroup{"usage_hdr_command_opts", {{"presets", false}, {"components", false}, {"options", false}, {"sources", false}}};
const Group installGroup{"usage_hdr_command_opts",
                         {{"preset", false}, {"with", false}, {"without", false}, {"components", false},
                          {"options", false}, {"dry-run", false}}};
const Group dryRunGroup{"usage_hdr_command_opts", {{"dry-run", false}}};
const Group updateGroup{"usage_hdr_command_opts", {{"panel-only", false}, {"dry-run", false}}};
const Group addRemoveGroup{"usage_hdr_command_opts", {{"components", false}, {"dry-run", false}}};
const Group stopGroup{"usage_hdr_command_opts", {{"terminate", false}}};
const Group downloadGroup{"usage_hdr_download_opts", {{"source", false}, {"target", false}, {"tries", false}, {"ext-catalog-url", true}}};
const Group proxyGroup{"usage_hdr_proxy_opts",
                       {{"proxy-host", false}, {"proxy-port", false}, {"proxy-user", false}, {"proxy-password", false}}};
const Group environmentGroup{"usage_hdr_env_opts",
                             {{"override-os-name", false}, {"override-os-vendor", false}, {"override-os-version", false},
                              {"override-os-arch", false}, {"override-environment", false}}};
const Group skipGroup{"usage_hdr_skip_opts",
                      {{"skip-components-check", false}, {"skip-gpg-check", true}, {"skip-cleanup", true},
                       {"disable-self-upgrade", true}}};
const Group generalGroup{"usage_hdr_general_opts",
                         {{"help", false}, {"xml", false}, {"debug", false}, {"truncate-log", false},
                          {"separate-logs", false}, {"email", false}, {"verbose", true}, {"completion", true}}};
const Group shortGeneralGroup{"usage_hdr_general_opts",
                              {{"help", false}, {"debug", false}, {"verbose", true}, {"completion", true},
                               {"disable-self-upgrade", true}}};

struct CommandModel {
    const char* word;
    const Group* own;  // null: none
    bool shortGeneral;
};

const CommandModel commandModels[] = {
    {"version", nullptr, true},  {"help", nullptr, true},          {"list-all", nullptr, false},
    {"list", &listGroup, false}, {"install", &installGroup, false}, {"upgrade", &dryRunGroup, false},
    {"update", &updateGroup, false}, {"add", &addRemoveGroup, false}, {"remove", &addRemoveGroup, false},
    {"stop", &stopGroup, true},
};

// What the help of a command shows at a verbosity, as "Caption:" and "--name" items.
std::vector<std::string> expectedItems(const CommandModel& command, unsigned verbosity)
{
    std::vector<const Group*> groups;
    if (command.own) groups.push_back(command.own);
    if (command.shortGeneral) {
        groups.push_back(&shortGeneralGroup);
    } else if (verbosity > 0) {
        const bool listing = std::string(command.word) == "list" || std::string(command.word) == "list-all";
        groups.insert(groups.end(), {&downloadGroup, &proxyGroup, &environmentGroup});
        if (!(listing && verbosity == 1)) groups.push_back(&skipGroup);
        groups.push_back(&generalGroup);
    }
    std::vector<std::string> items;
    for (const Group* group : groups) {
        items.push_back(Messages::get(group->caption) + ":");
        for (const auto& option : group->options)
            if (!option.second || verbosity > 1) items.push_back("--" + option.first);
    }
    return items;
}

// The captions and option names of a printed help, from its first caption on.
std::vector<std::string> printedItems(const std::string& help)
{
    std::vector<std::string> captions;
    for (const char* key : {"usage_hdr_command_opts", "usage_hdr_general_opts", "usage_hdr_download_opts",
                            "usage_hdr_proxy_opts", "usage_hdr_skip_opts", "usage_hdr_env_opts"})
        captions.push_back(Messages::get(key) + ":");
    std::vector<std::string> items;
    std::istringstream lines(help);
    std::string line;
    const std::regex longName("--([a-z][a-z-]*)");
    while (std::getline(lines, line)) {
        if (std::find(captions.begin(), captions.end(), line) != captions.end()) {
            items.push_back(line);
        } else if (!items.empty() && line.compare(0, 3, "  -") == 0) {
            std::smatch match;
            if (std::regex_search(line, match, longName)) items.push_back(match.str(0));
        }
    }
    return items;
}

std::string helpOf(Options& options)
{
    std::ostringstream out;
    options.printCommandHelp(out);
    return out.str();
}

}  // namespace

// One row per command line: what it sets, or the error it is refused with.
TEST_F(OptionsTest, CommandSyntax)
{
    struct Case {
        std::vector<std::string> arguments;
        int mode;
        int action;
        int commandKind;
        unsigned verbosity;
        std::string arguments_;  // the words after the command
        std::string prefix;
        std::string failure;  // empty: accepted
    };
    const std::string parse = "parse: ";
    const Case cases[] = {
        {{"help"}, 8, 0, 0, 0, "", "", ""},
        {{"help", "install"}, 7, 0, 0, 0, "install", "", ""},
        {{"help", "install", "list"}, 8, 0, 0, 0, "install,list", "", ""},
        {{"help", "install", "-v"}, 7, 0, 0, 1, "install", "", ""},
        {{"help", "install", "--verbose=2"}, 7, 0, 0, 2, "install", "", ""},
        {{"help", "install", "--help"}, 7, 0, 0, 0, "", "", ""},
        {{"install", "--help", "-v"}, 7, 0, 0, 1, "", "", ""},
        {{"add", "--help"}, 7, 0, 0, 0, "", "", ""},
        {{"install", "--dry-run"}, 1, 9, 1, 0, "", "", ""},
        {{"install"}, 1, 10, 1, 0, "", "install_", ""},
        {{"install", "zarni", "12.5.30", "--preset", "P", "--with", "a", "b", "--without", "c"}, 1, 10, 1, 0,
         "zarni,12.5.30", "install_", ""},
        {{"install", "--components", "a", "b", "--components", "c"}, 1, 10, 1, 0, "", "install_", ""},
        {{"update"}, 1, 10, 2, 0, "", "", ""},
        {{"update", "zarni", "--panel-only", "--dry-run"}, 1, 9, 2, 0, "zarni", "", ""},
        {{"upgrade", "zarni", "12.5.30"}, 1, 0, 3, 0, "zarni,12.5.30", "", ""},
        {{"upgrade", "--dry-run"}, 1, 0, 3, 0, "", "", ""},
        {{"add", "--components", "a"}, 1, 10, 4, 0, "", "install_", ""},
        {{"remove", "tenebrin", "--components", "a", "--dry-run"}, 1, 9, 4, 0, "tenebrin", "", ""},
        {{"list"}, 1, 0, 0, 0, "", "", ""},
        {{"list", "zarni", "--components", "--options"}, 1, 0, 0, 0, "zarni", "", ""},
        {{"list-all"}, 1, 2, 0, 0, "", "", ""},
        {{"version"}, 4, 0, 0, 0, "", "", ""},
        {{"stop", "--terminate"}, 10, 0, 0, 0, "", "", ""},
        {{"install", "--repatch"}, 1, 10, 1, 0, "", "install_", ""},
        {{"install", "--preset", "P", "--components", "x"}, 0, 0, 0, 0, "", "",
         parse + formatted("err_opt_conflict", "preset", "components")},
        {{"install", "--with", "x"}, 0, 0, 0, 0, "", "", parse + formatted("err_opt_requires", "with", "preset")},
        {{"install", "--without", "x"}, 0, 0, 0, 0, "", "", parse + formatted("err_opt_requires", "without", "preset")},
        {{"list", "--presets", "--sources"}, 0, 0, 0, 0, "", "", parse + formatted("err_opt_conflict", "presets", "sources")},
        {{"list", "--presets", "--options"}, 0, 0, 0, 0, "", "", parse + formatted("err_opt_conflict", "presets", "options")},
        {{"list", "--sources", "--components"}, 0, 0, 0, 0, "", "",
         parse + formatted("err_opt_conflict", "sources", "components")},
        {{"list-all", "extra"}, 0, 0, 0, 0, "", "", parse + "too many positional options have been specified on the command line"},
        {{"version", "extra"}, 0, 0, 0, 0, "", "", parse + "too many positional options have been specified on the command line"},
        {{"add"}, 0, 0, 0, 0, "", "", parse + "the option '--components' is required but missing"},
        {{"install", "--tries", "0"}, 0, 0, 0, 0, "", "",
         "error: " + (Messages::format("err_retry_arg") % "--tries").str() + "\n"},
        {{"install", "--tries", "many"}, 0, 0, 0, 0, "", "", parse + "the argument ('many') for option '--tries' is invalid"},
        {{"version", "--xml"}, 0, 0, 0, 0, "", "", parse + "unrecognised option '--xml'"},
        {{"install", "--frobnicate"}, 0, 0, 0, 0, "", "", parse + "unrecognised option '--frobnicate'"},
        {{"install", "--proxy-pasword=hunter2"}, 0, 0, 0, 0, "", "", parse + "unrecognised option '--proxy-pasword'"},
        {{""}, 0, 0, 0, 0, "", "", "error: " + (Messages::format("err_opt_unknown_command") % "").str() + "\n"},
        {{"frobnicate"}, 0, 0, 0, 0, "", "",
         "error: " + (Messages::format("err_opt_unknown_command") % "frobnicate").str() + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(joined(c.arguments));
        statusPrefix.clear();
        CapturedLog quiet(0);
        const Built built = tryBuild(c.arguments);
        EXPECT_EQ(built.failure, c.failure);
        if (!built.options || !c.failure.empty()) continue;
        const Options& options = *built.options;
        EXPECT_EQ(options.mode, c.mode);
        EXPECT_EQ(options.action, c.action);
        EXPECT_EQ(options.commandKind, c.commandKind);
        EXPECT_EQ(options.verbosity, c.verbosity);
        EXPECT_EQ(joined(options.arguments), c.arguments_);
        EXPECT_EQ(statusPrefix, c.prefix);
        EXPECT_EQ(options.command, c.arguments[0]);
        EXPECT_TRUE(options.strict);
    }
}

// The values that the options of the command syntax store.
TEST_F(OptionsTest, CommandSettings)
{
    const Built built = tryBuild({"install", "--source", "/srv/mirror", "--target", "/srv/t", "--tries", "5",
                                  "--ext-catalog-url", "https://ext.zarni.example/", "--proxy-host", "proxy.zarni.example",
                                  "--proxy-port", "8080", "--proxy-user", "u", "--proxy-password", "p w",
                                  "--override-os-name", "Linux", "--override-os-vendor", "Debian",
                                  "--override-os-version", "12", "--override-os-arch", "x86_64",
                                  "--override-environment", "cq", "--skip-components-check", "--skip-gpg-check",
                                  "--skip-cleanup", "--disable-self-upgrade", "--xml", "--debug", "--truncate-log",
                                  "--separate-logs", "--email", "ops@zarni.example"});
    ASSERT_TRUE(built.options) << built.failure;
    const Options& o = *built.options;
    EXPECT_EQ(o.source.str(), "/srv/mirror");
    EXPECT_EQ(o.target, "/srv/t");
    EXPECT_EQ(o.downloadRetries, 5);
    EXPECT_EQ(o.extCatalogUrl, "https://ext.zarni.example/");
    EXPECT_EQ(o.proxyHost + ":" + std::to_string(o.proxyPort) + ":" + o.proxyUser + ":" + o.proxyPassword,
              "proxy.zarni.example:8080:u:p w");
    EXPECT_EQ(Opsys::overrideName + " " + Opsys::overrideVendor + " " + Opsys::overrideVersion + " " +
                  Opsys::overrideArch + " " + Opsys::overrideEnvironment,
              "Linux Debian 12 x86_64 cq");
    EXPECT_TRUE(o.skipComponentsCheck && o.skipGpgCheck && o.skipCleanup && o.disableSelfUpgrade);
    EXPECT_TRUE(xmlOutput && o.debug && o.truncateLog && o.separateLogs);
    EXPECT_EQ(o.notifyEmail, "ops@zarni.example");

    // The overrides take effect for the system detected afterwards.
    EXPECT_EQ(Opsys().vendor(), "Debian");

    // Values of --help runs are not stored.
    const Built help = tryBuild({"install", "--help", "--target", "/srv/t", "--debug", "zarni"});
    ASSERT_TRUE(help.options) << help.failure;
    EXPECT_EQ(help.options->target, home() + "/kestavine");
    EXPECT_FALSE(help.options->debug);
    EXPECT_TRUE(help.options->arguments.empty());
}

// The option library quotes the word it refuses; a value given with "=" (maybe a
// password) is left out.
TEST_F(OptionsTest, CommandRefusalsNameTheOptionOnly)
{
    for (const char* word : {"--proxy-pasword=hunter2", "--proxy=hunter2", "--debug=hunter2"}) {
        SCOPED_TRACE(word);
        const Built built = tryBuild({"install", word});
        EXPECT_FALSE(built.options);
        EXPECT_EQ(built.failure.compare(0, 7, "parse: "), 0) << built.failure;
        EXPECT_EQ(built.failure.find("hunter2"), std::string::npos) << built.failure;
    }
}

// Switches absent from the command line keep what the rc file set.
TEST_F(OptionsTest, CommandSwitchesKeepRcSettings)
{
    writeHomeFile(".kitwrightrc", "DEBUG=yes\nSKIP_GPG_CHECK=yes\nTARGET=/srv/rc\n");
    const Built built = tryBuild({"install"});
    ASSERT_TRUE(built.options) << built.failure;
    EXPECT_TRUE(built.options->debug);
    EXPECT_TRUE(built.options->skipGpgCheck);
    EXPECT_EQ(built.options->target, "/srv/rc");
    EXPECT_FALSE(built.options->skipCleanup);
}

TEST_F(OptionsTest, CommandHiddenOptionsWarn)
{
    CapturedLog log(0);
    const Built built = tryBuild({"install", "--repatch", "--skip-patch"});
    ASSERT_TRUE(built.options) << built.failure;
    EXPECT_EQ(log.text(), (Messages::format("warn_deprecated_option") % "--repatch").str() + "\n" +
                              (Messages::format("warn_deprecated_option") % "--skip-patch").str() + "\n");
}

TEST_F(OptionsTest, CompletionOfInstall)
{
    const Built built = tryBuild({"help", "install", "-c"});
    ASSERT_TRUE(built.options) << built.failure;
    EXPECT_TRUE(built.options->isCompletion());
    EXPECT_EQ(helpOf(*built.options),
              "{\n"
              "  \"--preset\": {\"flag\": false},\n"
              "  \"--with\": {\"flag\": false},\n"
              "  \"--without\": {\"flag\": false},\n"
              "  \"--components\": {\"flag\": false},\n"
              "  \"--options\": {\"flag\": false},\n"
              "  \"--dry-run\": {\"flag\": true}\n"
              "}\n");

    TempDir directory;
    std::ofstream(directory.path() + "/install.json") << helpOf(*built.options);
    int status = -1;
    const std::string pretty = commandOutput("python3 -m json.tool '" + directory.path() + "/install.json' 2>&1", &status);
    EXPECT_EQ(status, 0) << pretty;

    const Built empty = tryBuild({"help", "list-all", "-c"});
    ASSERT_TRUE(empty.options) << empty.failure;
    EXPECT_EQ(helpOf(*empty.options), "{\n}\n");
}

// Every command's completion answer, at every verbosity, is JSON to a real parser
// (one run of it for all answers), and lists exactly the options the help shows.
TEST_F(OptionsTest, CompletionIsJson)
{
    TempDir directory;
    std::string files;
    for (const CommandModel& command : commandModels) {
        for (unsigned verbosity : {0u, 1u, 2u}) {
            SCOPED_TRACE(std::string(command.word) + " at " + std::to_string(verbosity));
            const Built built =
                tryBuild({"help", command.word, "-c", "--verbose=" + std::to_string(verbosity)});
            ASSERT_TRUE(built.options) << built.failure;
            const std::string answer = helpOf(*built.options);
            const std::string path = directory.path() + "/" + command.word + "-" + std::to_string(verbosity) + ".json";
            std::ofstream(path) << answer;
            files += " '" + path + "'";

            std::vector<std::string> names;
            for (const std::string& item : expectedItems(command, verbosity))
                if (item.compare(0, 2, "--") == 0) names.push_back("\"" + item + "\"");
            std::vector<std::string> listed;
            const std::regex name("\"--[a-z-]+\"");
            for (auto it = std::sregex_iterator(answer.begin(), answer.end(), name); it != std::sregex_iterator(); ++it)
                listed.push_back(it->str());
            EXPECT_EQ(joined(listed), joined(names));
        }
    }
    int status = -1;
    const std::string refused = commandOutput(
        "python3 -c 'import json, sys\n"
        "for path in sys.argv[1:]:\n"
        "    try:\n"
        "        json.load(open(path))\n"
        "    except ValueError as failure:\n"
        "        print(path, failure)' " + files + " 2>&1", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(refused, "");
}

// For each command and verbosity, the help shows the groups and options in their
// order, the extended options only above 1, and the closing hint only at 0.
TEST_F(OptionsTest, CommandHelp)
{
    for (const CommandModel& command : commandModels) {
        for (unsigned verbosity : {0u, 1u, 2u}) {
            SCOPED_TRACE(std::string(command.word) + " at " + std::to_string(verbosity));
            const Built built = tryBuild({"help", command.word, "--verbose=" + std::to_string(verbosity)});
            ASSERT_TRUE(built.options) << built.failure;
            ASSERT_EQ(built.options->mode, Options::modeCommandHelp);
            const std::string help = helpOf(*built.options);
            EXPECT_EQ(joined(printedItems(help)), joined(expectedItems(command, verbosity))) << help;

            const std::string head = Messages::get("usage_cmd_prefix") + command.word + " ";
            EXPECT_EQ(help.compare(0, head.size(), head), 0) << help;
            const std::string tail = verbosity == 0 ? "\n" + Messages::get("usage_verbose") + "\n" : "\n\n";
            ASSERT_GE(help.size(), tail.size());
            EXPECT_EQ(help.substr(help.size() - tail.size()), tail) << help;
            EXPECT_EQ(help.find("%1%"), std::string::npos);
            EXPECT_EQ(help.find("%3%"), std::string::npos);
        }
    }
}

TEST_F(OptionsTest, CommandHelpText)
{
    const Built built = tryBuild({"help", "install"});
    ASSERT_TRUE(built.options) << built.failure;
    const std::string text = (boost::format(Messages::get("usage_cmd_install") + "\n\n" + Messages::get("usage_components") +
                                            "\n" + Messages::get("usage_selector") + "\n" +
                                            Messages::get("usage_cmd_install_tail")) %
                              "zarni" % "12.5.30" % "ZARNI_12_5_30")
                                 .str();
    // The option library puts a blank line before each group.
    const std::string expectedStart =
        Messages::get("usage_cmd_prefix") +
        "install [SELECTOR ...] [(--preset PRESET [--with COMPONENTS] [--without COMPONENTS] | --components "
        "COMPONENTS)]\n\n" +
        text + "\n\n" + Messages::get("usage_hdr_command_opts") + ":\n";
    const std::string help = helpOf(*built.options);
    EXPECT_EQ(help.substr(0, expectedStart.size()), expectedStart);

    // A description that uses only the product id.
    const Built update = tryBuild({"help", "update"});
    ASSERT_TRUE(update.options) << update.failure;
    EXPECT_NE(helpOf(*update.options).find("    update zarni\n"), std::string::npos);

    // The command named by help must exist.
    const Built unknown = tryBuild({"help", "frobnicate"});
    ASSERT_TRUE(unknown.options) << unknown.failure;
    expectError([&] { helpOf(*unknown.options); }, {2, 1, 1, 2},
                (Messages::format("err_opt_unknown_command") % "frobnicate").str() + "\n");
}

// A terminal too narrow for the layout still gets its help.
TEST_F(OptionsTest, CommandHelpOnANarrowTerminal)
{
    const Built built = tryBuild({"help", "install", "--verbose=2"});
    ASSERT_TRUE(built.options) << built.failure;
    for (int width : {0, 20, 41, 42, 200}) {
        SCOPED_TRACE(width);
        built.options->helpWidth = width;
        EXPECT_NE(helpOf(*built.options).find("--ext-catalog-url"), std::string::npos);
    }
}

// Hostile words reach the record byte for byte in both syntaxes, and a refused one
// is quoted unchanged.
TEST_F(OptionsTest, HostileArguments)
{
    const std::vector<std::string> words = {
        "\"quoted\" 'single'", "$(touch injected)", "`id`", "two\nlines", "caf\xc3\xa9 \xff\x80", "semi;colon|pipe&",
        "--looks-like-an-option", "back\\slash", "",
    };
    TempDir cwd;
    for (const std::string& word : words) {
        SCOPED_TRACE(word);
        CapturedLog quiet(0);
        const Built legacy = tryBuild({"--target", word, "--notify-email=" + word, "--install-component", word});
        ASSERT_TRUE(legacy.options) << legacy.failure;
        EXPECT_EQ(legacy.options->target, word);
        EXPECT_EQ(legacy.options->notifyEmail, word);
        EXPECT_EQ(legacy.options->componentRequests.at("zarni").install, std::vector<std::string>{word});

        const Built leftover = tryBuild({"--debug", "--", word});
        EXPECT_EQ(leftover.failure, "error: " + Messages::get("err_unkn_arg") + word + "\n\n");

        const Built command = tryBuild({"install", "--", word, "zarni"});
        ASSERT_TRUE(command.options) << command.failure;
        EXPECT_EQ(command.options->arguments, (std::vector<std::string>{word, "zarni"}));
        const Built email = tryBuild({"install", "--email", word, "--target", word});
        if (word.compare(0, 2, "--") == 0) continue;  // taken as an option name, as the library does
        ASSERT_TRUE(email.options) << email.failure;
        EXPECT_EQ(email.options->notifyEmail, word);
        EXPECT_EQ(email.options->target, word);
    }
    EXPECT_EQ(commandOutput("ls -A '" + cwd.path() + "'"), "");
}
