// The text wizard end to end: the built program on a terminal (a tmux pane of
// 100x40 inside a private host), driven key by key from the welcome page to the
// installed packages. The package tools are stand-ins on PATH and at the
// absolute paths the engine runs them by: apt-get, apt-cache, dpkg, gpg and
// apt-key record their calls; apt-cache offers the demo packages, apt-get's dry
// run plans them and its install writes them into the test's dpkg database,
// which the real dpkg-query reads (tests/bin/dpkg-query). /etc/apt is private
// to each run; its changes show in the run's listing.

#include "installer/drivers/InteractiveDriver.h"

#include "common/Messages.h"
#include "installer/engine/Installer.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/startup/ProgramTerminal.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string recordingTool = std::string(KW_SOURCE_DIR) + "/tests/bin/recording-tool";
const char* const demoPackages[] = {"zarni-base", "zarni-web",   "zarni-mail-postfix", "zarni-mail-exim",
                                    "zarni-dns",  "zarni-php82", "zarni-php83",        "zarni-bootstrap"};

class InteractiveDriver : public ::testing::Test {
protected:
    InteractiveDriver()
    {
        for (const char* tool : {"apt-get", "apt-cache", "dpkg", "gpg", "apt-key"}) host_.tools().add(tool);
        host_.tools().passThrough("dpkg-query", std::string(KW_SOURCE_DIR) + "/tests/bin/dpkg-query");
        privatehost::makeDirectories(dpkgDirectory() + "/updates");
        privatehost::makeDirectories(dpkgDirectory() + "/info");
        std::ofstream(dpkgDirectory() + "/status");
        offerDemoPackages();
        // The packages page's pager: its calls and the list it was given.
        host_.tools().add("less");
        host_.tools().recordInputAndEnvironment("mail getenforce less", "HTTP_PROXY FTP_PROXY HTTP_PROXY_AUTH");
    }

    // apt-cache's policy: the system's own release, then every demo package as
    // a candidate; apt-get's dry run plans `planned`.
    void offerDemoPackages(const std::string& planned = "zarni-base zarni-web zarni-mail-postfix zarni-bootstrap")
    {
        std::string release;
        std::ifstream("/etc/debian_version") >> release;
        std::string policy = "Package files:\n 500 file:/srv/debian bookworm/main amd64 Packages\n     release v=" +
                             release + ",o=Debian,a=stable,n=bookworm,l=Debian,c=main,b=amd64\n";
        for (const char* name : demoPackages)
            policy += std::string(name) + ":\n  Installed: (none)\n  Candidate: 1.1.0-1\n";
        host_.tools().answer("apt-cache", policy);
        plan_.clear();
        std::istringstream names(planned);
        for (std::string name; names >> name;) plan_ += "Inst " + name + " (1.1.0-1 Zarni:bookworm [amd64])\n";
        installBehaviour("");
    }

    // apt-get: its dry run prints the plan; its install (anything else with
    // "install") runs `before`, then writes each zarni package it is given
    // and the database does not hold yet into the dpkg database.
    void installBehaviour(const std::string& before)
    {
        host_.tools().behave(
            "apt-get", "case \" $* \" in *\" --just-print \"*|*\" -s \"*) printf '%s' '" + plan_ +
                           "';; *\" install \"*)\n" + before +
                           "for argument in \"$@\"; do case $argument in zarni-*)\n"
                           "  package=${argument%%=*}; package=${package%%:*}; version=1.1.0-1\n"
                           "  case $argument in *=*) version=${argument#*=};; esac\n"
                           "  /usr/bin/grep -qx \"Package: $package\" " + dpkgDirectory() + "/status ||\n"
                           "  printf 'Package: %s\\nStatus: install ok installed\\nPriority: optional\\nMaintainer: test\\n"
                           "Architecture: amd64\\nVersion: %s\\nDescription: %s\\n\\n' \"$package\" \"$version\" "
                           "\"$package\" >>" +
                           dpkgDirectory() + "/status;; esac; done;; esac\n");
    }

    std::string dpkgDirectory() const { return host_.scratch() + "/dpkg"; }

    // The wizard on the demo catalogue (or another source).
    std::unique_ptr<ProgramTerminal> wizard(std::vector<std::string> arguments = {})
    {
        if (std::find(arguments.begin(), arguments.end(), "--source") == arguments.end()) {
            arguments.push_back("--source");
            arguments.push_back(demoCatalogueDirectory());
        }
        ProgramHost::Run run;
        run.arguments = arguments;
        run.environment = {"KW_TEST_DPKG_ADMINDIR=" + dpkgDirectory()};
        for (const char* path : {"/usr/bin/apt-get", "/usr/bin/apt-key", "/usr/bin/dpkg"})
            run.planted.emplace_back(path, recordingTool);
        run.overlaid = {"/etc/apt"};
        run.inspect = [] { return privatehost::readWhole("/var/log/zarni/install/kitwright3.log"); };
        return std::make_unique<ProgramTerminal>(host_, run);
    }

    // The calls of one tool.
    std::vector<std::string> callsOf(const std::string& tool) const
    {
        std::vector<std::string> calls;
        for (const std::string& call : host_.calls())
            if (call.compare(0, tool.size() + 1, tool + " ") == 0) calls.push_back(call);
        return calls;
    }

    // "name version" of every package the test's dpkg database holds.
    std::string installedPackages() const
    {
        return commandOutput("dpkg-query --admindir=" + dpkgDirectory() + " -W -f='${Package} ${Version}\\n' | sort");
    }

    // The listing's lines below a directory.
    static std::string below(const std::string& listing, const std::string& directory)
    {
        std::istringstream lines(listing);
        std::string result;
        for (std::string line; std::getline(lines, line);)
            if (line.find(" " + directory + "/") != std::string::npos) result += line + "\n";
        return result;
    }

    ProgramHost host_;
    std::string plan_;
};

// Compares the screen with tests/data/wizard/screens/<name>.txt; with
// KW_WRITE_SCREENS set the file is written instead, to be read and checked
// before it is committed.
void expectScreen(const ProgramTerminal& terminal, const std::string& name)
{
    const std::string path = std::string(KW_TEST_DATA_DIR) + "/wizard/screens/" + name + ".txt";
    const std::string screen = terminal.screen();
    if (std::getenv("KW_WRITE_SCREENS")) {
        writeFileWithDirectories(path, screen);
        return;
    }
    EXPECT_EQ(screen, readFile(path)) << "the expected screen is tests/data/wizard/screens/" << name << ".txt";
}

#define WAIT_FOR(terminal, text) ASSERT_TRUE((terminal).waitFor(text)) << (terminal).failure()

}  // namespace

TEST_F(InteractiveDriver, MainRoadInstallsTheLatestRelease)
{
    auto terminal = wizard();
    const std::string action = Messages::get("wizard_prompt_action") + " [";
    const std::string actionOrNumber = Messages::get("wizard_prompt_action_or_number") + " [";
    WAIT_FOR(*terminal, action);
    expectScreen(*terminal, "main-road-welcome");
    terminal->type("F");
    WAIT_FOR(*terminal, actionOrNumber);
    expectScreen(*terminal, "main-road-releases");
    terminal->type("F");
    WAIT_FOR(*terminal, "[Y/n]: ");
    terminal->type("y");
    WAIT_FOR(*terminal, "Zarni 1.1 moves the mail queue to a new directory.");
    WAIT_FOR(*terminal, ")");
    terminal->type("");
    WAIT_FOR(*terminal, actionOrNumber);
    expectScreen(*terminal, "main-road-types");
    terminal->type("3");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("F");
    WAIT_FOR(*terminal, action);
    expectScreen(*terminal, "main-road-packages");
    terminal->type("S");
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    WAIT_FOR(*terminal, Messages::get("install_ok"));
    const PrivateHostResult result = terminal->finish();
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 0) << terminal->transcript();

    const std::string options = "--assume-yes --show-upgraded --purge --no-reinstall -o APT::Get::List-Cleanup=true "
                                "-o Dpkg::options::=--force-confdef -o Dpkg::options::=--force-confold "
                                "-o APT::Get::AllowUnauthenticated=false -o Acquire::Retries=3 -t bookworm* ";
    const std::string full = "zarni-bootstrap:amd64=1.1.0-1 zarni-base:amd64=1.1.0-1 zarni-web:amd64=1.1.0-1 "
                             "zarni-mail-postfix:amd64=1.1.0-1 zarni-dns:amd64=1.1.0-1 zarni-php82:amd64=8.2.26-1 "
                             "zarni-php83:amd64=8.3.14-1";
    EXPECT_EQ(callsOf("apt-get"),
              (std::vector<std::string>{"apt-get update", "apt-get " + options + "--just-print install " + full,
                                        "apt-get " + options + "install zarni-bootstrap:amd64=1.1.0-1",
                                        "apt-get " + options + "install " + full}));
    EXPECT_EQ(installedPackages(),
              "zarni-base 1.1.0-1\nzarni-bootstrap 1.1.0-1\nzarni-dns 1.1.0-1\nzarni-mail-postfix 1.1.0-1\n"
              "zarni-php82 8.2.26-1\nzarni-php83 8.3.14-1\nzarni-web 1.1.0-1\n");
    const std::vector<std::string> pager = callsOf("less");
    ASSERT_GE(pager.size(), 2u);
    EXPECT_EQ(pager[0], "less --version");
    EXPECT_THAT(host_.calls(), ::testing::Contains("less -m -C -PmUse arrow keys for navigation and 'q' to return to installer"));
    EXPECT_THAT(host_.calls(), ::testing::Contains("less stdin:   7. [I] zarni-web-1.1.0-1.amd64"));
    EXPECT_EQ(below(result.listing, "/etc/apt"), "f644 /etc/apt/sources.list.d/zarni.list\n")
        << "the temporary source list is gone, the build's persistent one stays";
    EXPECT_THAT(result.listing, HasSubstr("f600 /var/kestavine/feedback-enabled\n"));
    EXPECT_THAT(result.listing, Not(HasSubstr(Installer::failureFlagName)));
}

TEST_F(InteractiveDriver, UnreadableSourceShowsTheSettingsAndFails)
{
    const std::string missing = host_.scratch() + "/no-such-source";
    auto terminal = wizard({"--source", missing});
    const std::string action = Messages::get("wizard_prompt_action") + " [";
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    WAIT_FOR(*terminal, "how to change them? [Y/n]: ");
    terminal->type("y");
    WAIT_FOR(*terminal, action + "Q]: ");
    EXPECT_THAT(terminal->screen(), Not(HasSubstr(Messages::get("wizard_legend_b_back")))) << "no way back";
    terminal->type("Q");
    const PrivateHostResult result = terminal->finish();
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 1) << "the catalogue's failure ends the run: " << terminal->transcript();
    EXPECT_THAT(terminal->transcript(), HasSubstr("no-such-source"));
    EXPECT_LE(host_.reports().size(), 1u) << "one report at most";
    EXPECT_TRUE(callsOf("apt-get").empty()) << "nothing was configured or installed";
}

TEST_F(InteractiveDriver, InterruptedAtAPromptEndsWithTwo)
{
    const std::string action = Messages::get("wizard_prompt_action");
    const struct {
        const char* name;
        std::vector<std::string> typed;  // before Ctrl-C, each after a prompt
        std::string key;
        int exitCode;
        std::string text;
    } cases[] = {
        {"welcome", {}, "C-c", 2, Messages::get("user_canceled")},
        {"releases", {"F"}, "C-c", 2, Messages::get("user_canceled")},
        {"settings", {"F", "S"}, "C-c", 2, Messages::get("user_canceled")},
        {"end of input at the releases", {"F"}, "C-d", 1, Messages::get("err_user_lost")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto terminal = wizard();
        WAIT_FOR(*terminal, action);
        for (const std::string& keys : c.typed) {
            terminal->type(keys);
            WAIT_FOR(*terminal, action);
        }
        terminal->keys(c.key);
        const PrivateHostResult result = terminal->finish();
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, c.exitCode) << terminal->transcript();
        EXPECT_THAT(terminal->transcript(), HasSubstr(c.text));
        EXPECT_EQ(below(result.listing, "/etc/apt"), "") << "no source list is left behind";
        EXPECT_TRUE(callsOf("apt-get").empty());
    }
}

TEST_F(InteractiveDriver, StoppedFromASecondShell)
{
    const struct {
        const char* name;
        std::string command;
    } cases[] = {
        {"kill -TERM", "kill -TERM $(cat \"$KW_PID_FILE\")"},
        {"kitwright stop", "kitwright stop"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto terminal = wizard();
        WAIT_FOR(*terminal, Messages::get("wizard_prompt_action"));
        terminal->shell(c.command);
        const PrivateHostResult result = terminal->finish();
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 2) << terminal->transcript();
        EXPECT_THAT(terminal->transcript(), HasSubstr(Messages::get("user_canceled")));
    }
}

TEST_F(InteractiveDriver, FailedInstallEndsWithTheError)
{
    installBehaviour("echo 'E: the stand-in refuses' >&2; exit 100\n");
    auto terminal = wizard();
    const std::string action = Messages::get("wizard_prompt_action") + " [";
    const std::string actionOrNumber = Messages::get("wizard_prompt_action_or_number") + " [";
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("F");
    WAIT_FOR(*terminal, "[Y/n]: ");
    terminal->type("n");
    WAIT_FOR(*terminal, "Zarni 1.1 moves the mail queue to a new directory.");
    WAIT_FOR(*terminal, ")");
    terminal->type("");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("1");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("F");
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    const PrivateHostResult result = terminal->finish();
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 1) << terminal->transcript();
    EXPECT_THAT(terminal->transcript(), Not(HasSubstr(Messages::get("install_ok"))));
    EXPECT_THAT(result.listing, HasSubstr("f600 /var/kestavine/feedback-disabled\n"));
    EXPECT_EQ(below(result.listing, "/etc/apt"), "") << "the temporary source list is gone";
    EXPECT_EQ(installedPackages(), "") << "nothing was installed";
    EXPECT_THAT(result.inspected, HasSubstr("Error: ")) << "the failure is in the log";
}


TEST_F(InteractiveDriver, BackAndForwardRedoesOnlyWhatChanged)
{
    const std::string action = Messages::get("wizard_prompt_action") + " [";
    const std::string actionOrNumber = Messages::get("wizard_prompt_action_or_number") + " [";
    const std::string source = demoCatalogueDirectory();

    // The same release again: nothing is configured twice.
    {
        auto terminal = wizard({"--source", source});
        WAIT_FOR(*terminal, action);
        terminal->type("F");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("F");
        WAIT_FOR(*terminal, "[Y/n]: ");
        terminal->type("y");
        WAIT_FOR(*terminal, "(press Enter");
        terminal->type("");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("1");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("B");
        WAIT_FOR(*terminal, actionOrNumber);
        EXPECT_THAT(terminal->screen(), HasSubstr("Products and versions"));
        terminal->type("F");
        WAIT_FOR(*terminal, actionOrNumber);
        // A choice not taken forward is not kept: the page is drawn anew.
        EXPECT_THAT(terminal->screen(), HasSubstr("1. ( ) Typical"));
        terminal->type("1");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("F");
        WAIT_FOR(*terminal, action);
        terminal->type("F");
        WAIT_FOR(*terminal, Messages::get("install_ok"));
        const PrivateHostResult result = terminal->finish();
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 0) << terminal->transcript();
        const std::vector<std::string> calls = host_.calls();
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "apt-get update"), 1) << "configured once";
        EXPECT_EQ(below(result.listing, "/etc/apt/sources.list.d"), "f644 /etc/apt/sources.list.d/zarni.list\n")
            << "the temporary list is gone, the build's persistent one stays";
        EXPECT_EQ(installedPackages(), "zarni-base 1.1.0-1\nzarni-bootstrap 1.1.0-1\nzarni-mail-postfix 1.1.0-1\n"
                                       "zarni-web 1.1.0-1\n");
    }

    // Another release: the builds are loaded and configured again; quitting
    // then leaves no source list behind.
    std::ofstream(dpkgDirectory() + "/status");
    const std::size_t callsBefore = host_.calls().size();
    {
        auto terminal = wizard({"--source", source});
        WAIT_FOR(*terminal, action);
        terminal->type("F");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("F");
        WAIT_FOR(*terminal, "[Y/n]: ");
        terminal->type("y");
        WAIT_FOR(*terminal, "(press Enter");
        terminal->type("");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("B");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("1");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("F");
        WAIT_FOR(*terminal, actionOrNumber);
        EXPECT_THAT(terminal->screen(), HasSubstr("Zarni Alder"));
        terminal->type("Q");
        const PrivateHostResult result = terminal->finish();
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 0) << "quitting is no failure: " << terminal->transcript();
        const std::vector<std::string> calls = host_.calls();
        EXPECT_EQ(std::count(calls.begin() + static_cast<std::ptrdiff_t>(callsBefore), calls.end(), "apt-get update"), 2)
            << "configured again for the other release";
        EXPECT_EQ(below(result.listing, "/etc/apt/sources.list.d"), "") << "nothing installed, nothing kept";
        EXPECT_EQ(installedPackages(), "");
    }
}
