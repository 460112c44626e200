// The text wizard end to end: the built program on a terminal (a tmux pane of
// 100x40 inside a private host), driven key by key from the welcome page to the
// installed packages, with the package tools of DemoCatalogueHost: apt-cache
// offers the demo packages, apt-get's dry run plans them and its install writes
// them into the test's dpkg database. /etc/apt is private to each run; its
// changes show in the run's listing.

#include "installer/drivers/InteractiveDriver.h"

#include "common/Messages.h"
#include "installer/engine/DebianAPTConfigurator.h"
#include "installer/engine/Installer.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/drivers/DemoCatalogueHost.h"
#include "tests/installer/startup/ProgramTerminal.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// The wizard's runs on the demo catalogue (DemoCatalogueHost); the packages
// page's pager is a stand-in that records its calls and the list it was given.
class InteractiveDriver : public ::testing::Test, public DemoCatalogueHost {
protected:
    InteractiveDriver()
    {
        host_.tools().add("less");
        host_.tools().recordInputAndEnvironment("mail getenforce less", "HTTP_PROXY FTP_PROXY HTTP_PROXY_AUTH");
        offerDemoPackages("zarni-base zarni-web zarni-mail-postfix zarni-bootstrap");
        installIntoStatus();
    }

    // The wizard on the demo catalogue, or on the source the arguments name.
    // The run's inspection is the log, then the persistent list of the product.
    std::unique_ptr<ProgramTerminal> wizard(std::vector<std::string> arguments = {})
    {
        ProgramHost::Run run = demoRun({});
        if (std::find(arguments.begin(), arguments.end(), "--source") != arguments.end()) run.arguments = arguments;
        else run.arguments.insert(run.arguments.begin(), arguments.begin(), arguments.end());
        run.inspect = [] {
            return privatehost::readWhole("/var/log/zarni/install/kitwright3.log") + listMark +
                   privatehost::readWhole(persistentList);
        };
        return std::make_unique<ProgramTerminal>(host_, run);
    }

    // The log and the product's persistent source list after a run.
    static std::string logOf(const PrivateHostResult& result)
    {
        return result.inspected.substr(0, result.inspected.find(listMark));
    }
    static std::string persistentListOf(const PrivateHostResult& result)
    {
        const std::string::size_type at = result.inspected.find(listMark);
        return at == std::string::npos ? std::string() : result.inspected.substr(at + std::strlen(listMark));
    }

    // The persistent list the demo catalogue's Debian 12 build of a release asks for.
    static std::string demoPersistentList(const std::string& release)
    {
        return std::string(DebianAPTConfigurator::persistentListHeader) +
               "\ndeb [signed-by=/etc/apt/keyrings/zarni.gpg] file://" + demoCatalogueDirectory() + "/zarni/debian-12/" +
               release + " bookworm main";
    }

    // A copy of the demo catalogue in the scratch directory with edits: each
    // replaces the first occurrence of a text in a file of the catalogue, or
    // writes the file when the text is empty.
    struct Edit {
        std::string file;
        std::string from;
        std::string to;
    };
    std::string editedDemoCatalogue(const std::vector<Edit>& edits)
    {
        const std::string copy = host_.scratch() + "/catalogue";
        commandOutput("rm -rf '" + copy + "' && cp -r '" + demoCatalogueDirectory() + "' '" + copy + "'");
        for (const Edit& edit : edits) {
            const std::string path = copy + "/" + edit.file;
            if (edit.from.empty()) {
                writeFileWithDirectories(path, edit.to);
                continue;
            }
            std::string text = readFile(path);
            const std::string::size_type at = text.find(edit.from);
            if (at == std::string::npos) ADD_FAILURE() << edit.file << " holds no " << edit.from;
            else text.replace(at, edit.from.size(), edit.to);
            writeFileWithDirectories(path, text);
        }
        return copy;
    }

    std::vector<std::string> callsOf(const std::string& tool) { return host_.tools().callsOf(tool); }

    static constexpr const char* listMark = "\n@@@ persistent list\n";
    static constexpr const char* persistentList = "/etc/apt/sources.list.d/zarni.list";
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
        << "the product's persistent list stays, the temporary one and the backups are gone";
    EXPECT_EQ(persistentListOf(result), demoPersistentList("1.1"));
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
    installIntoStatus("echo 'E: the stand-in refuses' >&2; exit 100\n");
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
    EXPECT_THAT(logOf(result), HasSubstr("Error: ")) << "the failure is in the log";
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
            << "going back did not lose the persistent list; the temporary one is gone";
        EXPECT_EQ(persistentListOf(result), demoPersistentList("1.1"));
        EXPECT_EQ(installedPackages(), "zarni-base 1.1.0-1\nzarni-bootstrap 1.1.0-1\nzarni-mail-postfix 1.1.0-1\n"
                                       "zarni-web 1.1.0-1\n");
    }

    // Another release: the builds are loaded and configured again; quitting
    // then leaves no source list behind.
    installed("");
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


TEST_F(InteractiveDriver, SecondRunOffersTheUpdate)
{
    const std::string action = Messages::get("wizard_prompt_action") + " [";
    const std::string actionOrNumber = Messages::get("wizard_prompt_action_or_number") + " [";
    offerDemoPackages("");
    // The first run installs the older release, Typical.
    {
        auto terminal = wizard();
        WAIT_FOR(*terminal, action);
        terminal->type("F");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("1");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("F");
        WAIT_FOR(*terminal, "[Y/n]: ");
        terminal->type("n");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("1");
        WAIT_FOR(*terminal, actionOrNumber);
        terminal->type("F");
        WAIT_FOR(*terminal, action);
        terminal->type("F");
        WAIT_FOR(*terminal, Messages::get("install_ok"));
        const PrivateHostResult result = terminal->finish();
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        ASSERT_EQ(result.exitCode, 0) << terminal->transcript();
        ASSERT_EQ(installedPackages(), "zarni-base 1.0.0-1\nzarni-web 1.0.0-1\n");
    }

    // The second run shows the installed release beside the newer one; the
    // upgrade needs no installation type or components, so the packages page
    // comes next, with the two upgrades. Quitting there changes nothing.
    const std::size_t callsBefore = host_.calls().size();
    auto terminal = wizard();
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    WAIT_FOR(*terminal, actionOrNumber);
    EXPECT_THAT(terminal->screen(), HasSubstr("1. (*) Zarni Alder (currently installed)\n"
                                              "2. ( ) Zarni Birch (current)\n"));
    terminal->type("2");
    WAIT_FOR(*terminal, actionOrNumber);
    EXPECT_THAT(terminal->screen(), HasSubstr("2. (*) Zarni Birch (current)\n"));
    terminal->type("F");
    WAIT_FOR(*terminal, "[Y/n]: ");
    terminal->type("n");
    WAIT_FOR(*terminal, "(press Enter");
    terminal->type("");
    WAIT_FOR(*terminal, action);
    EXPECT_THAT(terminal->screen(), HasSubstr("There are 2 packages that need to be upgraded"));
    terminal->type("Q");
    const PrivateHostResult result = terminal->finish();
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 0) << "quitting is no failure: " << terminal->transcript();
    EXPECT_THAT(terminal->transcript(), Not(HasSubstr(Messages::get("install_ok"))));
    const std::vector<std::string> calls = host_.calls();
    std::vector<std::string> secondRun;
    for (auto call = calls.begin() + static_cast<std::ptrdiff_t>(callsBefore); call != calls.end(); ++call)
        if (call->compare(0, 8, "apt-get ") == 0 && call->find(" install ") != std::string::npos)
            secondRun.push_back(*call);
    ASSERT_EQ(secondRun.size(), 1u) << "only the dry run";
    EXPECT_THAT(secondRun[0], HasSubstr(" --just-print install "));
    EXPECT_THAT(secondRun[0], HasSubstr(" zarni-base:amd64=1.1.0-1 "));
    EXPECT_EQ(installedPackages(), "zarni-base 1.0.0-1\nzarni-web 1.0.0-1\n") << "nothing was upgraded";
    EXPECT_EQ(below(result.listing, "/etc/apt"), "") << "no source list of the second run is left behind";
}

TEST_F(InteractiveDriver, UnpassedPreExaminationAsksAndStops)
{
    const std::string source = editedDemoCatalogue(
        {{"zarni/1.1/debian-12.build.inf3", "</build>",
          "  <examine scope=\"pre_install\" name=\"free-space\" script=\"examine/free-space.sh\"/>\n</build>"},
         {"zarni/1.1/examine/free-space.sh", "",
          "#!/bin/sh\necho 'Only 20 MB are free below /var/lib/zarni.' >&2\nexit 2\n"}});
    const std::string action = Messages::get("wizard_prompt_action") + " [";
    const std::string actionOrNumber = Messages::get("wizard_prompt_action_or_number") + " [";
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
    terminal->type("F");
    WAIT_FOR(*terminal, "[y/n]: ");
    const std::string question = terminal->screen();
    EXPECT_THAT(question, HasSubstr(Messages::get("examine_unpassed")));
    EXPECT_THAT(question, HasSubstr("Only 20 MB are free below /var/lib/zarni."));
    // The question has no default: an empty answer asks again.
    terminal->type("");
    WAIT_FOR(*terminal, "[y/n]: ");
    terminal->type("n");
    const PrivateHostResult result = terminal->finish();
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 1) << terminal->transcript();
    EXPECT_THAT(terminal->transcript(), HasSubstr("Resolve all found issues and run Zarni Installer again."));
    EXPECT_THAT(terminal->transcript(), Not(HasSubstr(Messages::get("install_ok"))));
    for (const std::string& call : callsOf("apt-get"))
        EXPECT_THAT(call, Not(HasSubstr(" install "))) << "nothing was resolved or installed: " << call;
    EXPECT_EQ(installedPackages(), "");
    EXPECT_EQ(below(result.listing, "/etc/apt"), "") << "the source lists are gone";
    const std::vector<ReportRecord> reports = host_.reports();
    ASSERT_EQ(reports.size(), 1u) << "the examination's warning only; the stop itself is not reported";
    EXPECT_THAT(reports[0].input, HasSubstr("<severity>warning</severity>"));
    EXPECT_THAT(reports[0].input, HasSubstr("<component>precheck</component>"));
    EXPECT_THAT(reports[0].input, HasSubstr("<user_continued_installation>false</user_continued_installation>"));
}

TEST_F(InteractiveDriver, ResizingTheTerminalKeepsTheAnswer)
{
    // The pager waits until the test has resized the terminal twice.
    host_.tools().behave("less", "case $1 in --version) ;; *) $KW_TMUX wait-for -S paging; $KW_TMUX wait-for paged;; esac\n");
    offerDemoPackages("");
    const std::string action = Messages::get("wizard_prompt_action") + " [";
    const std::string actionOrNumber = Messages::get("wizard_prompt_action_or_number") + " [";
    auto terminal = wizard();
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("F");
    WAIT_FOR(*terminal, "[Y/n]: ");
    terminal->type("n");
    WAIT_FOR(*terminal, "(press Enter");
    terminal->type("");
    WAIT_FOR(*terminal, actionOrNumber);
    // Resized while the installation types wait for an answer: the answer
    // typed afterwards is the one taken.
    terminal->tmux("resize-window -t kw -x 60 -y 20");
    terminal->tmux("resize-window -t kw -x 100 -y 40");
    terminal->type("2");
    WAIT_FOR(*terminal, actionOrNumber);
    EXPECT_THAT(terminal->screen(), HasSubstr("2. (*) Minimal"));
    terminal->type("F");
    WAIT_FOR(*terminal, action);
    expectScreen(*terminal, "resize-packages");
    terminal->type("S");
    ASSERT_TRUE(terminal->waitForSignal("paging")) << terminal->screen();
    terminal->tmux("resize-window -t kw -x 60 -y 20");
    terminal->tmux("resize-window -t kw -x 100 -y 40");
    terminal->tmux("wait-for -S paged");
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    WAIT_FOR(*terminal, Messages::get("install_ok"));
    const PrivateHostResult result = terminal->finish();
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 0) << terminal->transcript();
    EXPECT_EQ(installedPackages(), "zarni-base 1.1.0-1\nzarni-bootstrap 1.1.0-1\n") << "Minimal, as typed after the resize";
}

TEST_F(InteractiveDriver, InterruptedDuringTheInstallLetsTheToolFinish)
{
    // The main install (the one with zarni-base) tells the test it runs, then
    // waits until the test lets it go on.
    const std::string release = host_.scratch() + "/install.fifo";
    ASSERT_EQ(::mkfifo(release.c_str(), 0600), 0);
    installIntoStatus("case \" $* \" in *\" zarni-base:\"*) $KW_TMUX wait-for -S installing; read -r _ <" + release +
                      ";; esac\n");
    const std::string action = Messages::get("wizard_prompt_action") + " [";
    const std::string actionOrNumber = Messages::get("wizard_prompt_action_or_number") + " [";
    auto terminal = wizard();
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("F");
    WAIT_FOR(*terminal, "[Y/n]: ");
    terminal->type("n");
    WAIT_FOR(*terminal, "(press Enter");
    terminal->type("");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("1");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("F");
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    ASSERT_TRUE(terminal->waitForSignal("installing")) << terminal->screen();
    terminal->keys("C-c");
    WAIT_FOR(*terminal, Installer::waitingNote);
    std::ofstream(release) << "go\n";
    const PrivateHostResult result = terminal->finish();
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 2) << terminal->transcript();
    EXPECT_THAT(terminal->transcript(), HasSubstr(Messages::get("user_canceled")));
    EXPECT_THAT(terminal->transcript(), Not(HasSubstr(Messages::get("install_ok"))));
    EXPECT_EQ(installedPackages(), "zarni-base 1.1.0-1\nzarni-bootstrap 1.1.0-1\nzarni-mail-postfix 1.1.0-1\n"
                                   "zarni-web 1.1.0-1\n")
        << "the install tool finished its work";
    // The flag goes only after the post actions: the request was acted on
    // before them, and the next run knows this one was cut short.
    EXPECT_THAT(result.listing, HasSubstr("f644 /var/kestavine/" + std::string(Installer::failureFlagName) + "\n"));
    EXPECT_EQ(below(result.listing, "/etc/apt"), "") << "nothing committed: the source lists are as before the run";
}

// The custom type on an edited demo catalogue whose DNS component asks for a
// role (enum) and a transfer key (password): the components page walked into
// nested groups with toggles, select-all and deselect-all, the settings page
// answered, redone and answered again, and the install run with the settings
// in the release's parameters file, which exists only while the run lasts.
TEST_F(InteractiveDriver, CustomRoadWithComponentSettings)
{
    const std::string settings = "/tmp/zarni-settings.conf";
    const std::string source = editedDemoCatalogue(
        {{"zarni/1.1/debian-12.build.inf3", "upgrade_allowed_from=\"1.0.0\"/>",
          "upgrade_allowed_from=\"1.0.0\" parameters_file=\"" + settings + "\"/>"},
         {"zarni/1.1/debian-12.build.inf3", "size=\"32768\"/>",
          "size=\"32768\">\n      <settings>\n"
          "        <setting id=\"dns-role\" type=\"enum\" default-value=\"primary\">\n"
          "          <description>DNS role</description>\n"
          "          <choice id=\"primary\"><name>Primary</name></choice>\n"
          "          <choice id=\"secondary\"><name>Secondary</name></choice>\n"
          "        </setting>\n"
          "        <setting id=\"dns-key\" type=\"password\" min-length=\"8\">\n"
          "          <name>Transfer key</name>\n"
          "          <description>Zone transfer key</description>\n"
          "        </setting>\n"
          "      </settings>\n    </package>"}});
    const std::string during = host_.scratch() + "/settings-during-install";
    installIntoStatus("cat " + settings + " >" + during + " 2>&1\n");
    offerDemoPackages("");
    const std::string action = Messages::get("wizard_prompt_action") + " [";
    const std::string actionOrNumber = Messages::get("wizard_prompt_action_or_number") + " [";
    auto terminal = wizard({"--source", source});
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("F");
    WAIT_FOR(*terminal, "[Y/n]: ");
    terminal->type("n");
    WAIT_FOR(*terminal, "(press Enter");
    terminal->type("");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("4");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("F");
    WAIT_FOR(*terminal, actionOrNumber);
    EXPECT_THAT(terminal->screen(), HasSubstr(" 5. [ ] <+> Services // 0 of 3 components selected\n"));
    terminal->type("5");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("1");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("2");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("A");
    WAIT_FOR(*terminal, actionOrNumber);
    EXPECT_THAT(terminal->screen(), HasSubstr(" 1. [*] PHP 8.2\n 2. [*] PHP 8.3\n"));
    terminal->type("D");
    WAIT_FOR(*terminal, actionOrNumber);
    EXPECT_THAT(terminal->screen(), HasSubstr(" 1. [ ] PHP 8.2\n 2. [ ] PHP 8.3\n"));
    terminal->type("1");
    WAIT_FOR(*terminal, actionOrNumber);
    terminal->type("B");
    WAIT_FOR(*terminal, actionOrNumber);
    EXPECT_THAT(terminal->screen(), HasSubstr(" 1. [*] DNS server\n 2. [.] <+> PHP versions // 1 of 2 components selected\n"));
    terminal->type("B");
    WAIT_FOR(*terminal, actionOrNumber);
    EXPECT_THAT(terminal->screen(), HasSubstr(" 5. [.] <+> Services // 2 of 3 components selected\n"));
    terminal->type("F");
    WAIT_FOR(*terminal, action);
    EXPECT_THAT(terminal->screen(), HasSubstr("1 components selected for installation require"));
    terminal->type("F");
    WAIT_FOR(*terminal, "Select a number [");
    terminal->type("2");
    WAIT_FOR(*terminal, "Transfer key: ");
    terminal->type("first-key-77");
    WAIT_FOR(*terminal, "Retype password: ");
    terminal->type("first-key-77");
    WAIT_FOR(*terminal, action);
    terminal->type("R");
    // Redone: the choice made before is the default now.
    WAIT_FOR(*terminal, "Select a number [");
    EXPECT_THAT(terminal->screen(), HasSubstr(" 1. ( ) Primary\n 2. (*) Secondary\n"));
    terminal->type("");
    // The key typed before is offered masked as the default.
    WAIT_FOR(*terminal, "Transfer key [************]: ");
    terminal->type("second-key-99");
    WAIT_FOR(*terminal, "Retype password: ");
    terminal->type("second-key-99");
    WAIT_FOR(*terminal, action);
    terminal->type("F");
    WAIT_FOR(*terminal, action);
    EXPECT_THAT(terminal->screen(), HasSubstr("There are 6 packages required"));
    terminal->type("F");
    WAIT_FOR(*terminal, Messages::get("install_ok"));
    const PrivateHostResult result = terminal->finish();
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 0) << terminal->transcript();
    EXPECT_EQ(installedPackages(), "zarni-base 1.1.0-1\nzarni-bootstrap 1.1.0-1\nzarni-dns 1.1.0-1\n"
                                   "zarni-mail-postfix 1.1.0-1\nzarni-php82 8.2.26-1\nzarni-web 1.1.0-1\n")
        << "the components as chosen: the type's, DNS and PHP 8.2";
    EXPECT_EQ(readFile(during), "dns-role=\"secondary\"\ndns-key=\"second-key-99\"\n")
        << "the install saw the settings as redone";
    EXPECT_THAT(result.listing, Not(HasSubstr(settings))) << "the parameters file is gone after the run";
    EXPECT_THAT(terminal->transcript(), Not(HasSubstr("first-key-77")));
    EXPECT_THAT(terminal->transcript(), Not(HasSubstr("second-key-99"))) << "a key is never shown";
}
