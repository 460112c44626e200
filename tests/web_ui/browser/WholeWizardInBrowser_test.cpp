// The whole web wizard in a real browser (CTest label "browser"). The built
// program is launched with --service-mode on the demo catalogue with the
// additions of tests/data/web/wizard-walk, in a private host with a network
// of its own (the wizard's port 8447 is the run's alone), a fresh home
// directory (so a new certificate) and stand-ins for the package tools at the
// engine's absolute paths. Inside the same host chromium walks the wizard
// from the one-time secret to the finished installation
// (tests/web_ui/browser/wizard.js); then "kitwright stop" ends it all.

#include "common/StringUtils.h"
#include "common/WebUiTransport.h"
#include "tests/common/BrowserScenario.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TestFiles.h"
#include "tests/common/XmlLint.h"
#include "tests/installer/drivers/DemoCatalogueHost.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using ::testing::HasSubstr;

namespace {

const char kWizard[] = "https://127.0.0.1:8447";

// Waits, never longer than `limit`, until the wizard's port takes
// connections. The back end makes its socket once it has read the catalogue
// (watched for, that takes longest), then starts the front end, which listens
// once it has its certificate (a few tries close that gap).
bool waitForWizard(std::chrono::seconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    const std::string socket = WebUiTransport::defaultSocketPath;
    const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (watch < 0 || ::inotify_add_watch(watch, socket.substr(0, socket.rfind('/')).c_str(), IN_CREATE) < 0)
        return false;
    struct stat info;
    while (::stat(socket.c_str(), &info) != 0 && std::chrono::steady_clock::now() < deadline) {
        struct pollfd ready = {watch, POLLIN, 0};
        if (::poll(&ready, 1, 1000) > 0) {
            char events[4096];
            while (::read(watch, events, sizeof events) > 0) {
            }
        }
    }
    ::close(watch);
    struct sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(8447);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    while (std::chrono::steady_clock::now() < deadline) {
        const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool answered = ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(probe);
        if (answered) return true;
        ::sched_yield();
    }
    return false;
}

// The HTTP status the wizard's address answers with, "000" when nothing
// answers there over TLS.
std::string wizardAnswers()
{
    return commandOutput(std::string("curl -sk -o /dev/null -w '%{http_code}' --max-time 60 ") + kWizard + "/");
}

// The processes running the program.
std::vector<pid_t> programProcesses()
{
    char program[PATH_MAX];
    if (::realpath(KW_PROGRAM, program) == nullptr) return {};
    std::vector<pid_t> found;
    DIR* proc = ::opendir("/proc");
    while (const struct dirent* entry = proc ? ::readdir(proc) : nullptr) {
        const pid_t pid = std::atoi(entry->d_name);
        char exe[PATH_MAX];
        const ssize_t length =
            pid > 0 ? ::readlink(("/proc/" + std::to_string(pid) + "/exe").c_str(), exe, sizeof exe - 1) : -1;
        if (length > 0 && std::string(exe, static_cast<std::size_t>(length)) == program) found.push_back(pid);
    }
    if (proc) ::closedir(proc);
    return found;
}

// The parent of a process, 0 when it is gone.
pid_t parentOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, 5, "PPid:") == 0) return std::atoi(line.c_str() + 5);
    return 0;
}

// Waits until no process runs the program. What the launcher left behind
// hangs below this process, the namespace's init: the child that leads to a
// program process is waited for, until none is left or none leads there;
// those left then come back.
std::vector<pid_t> waitForProgramEnd()
{
    for (;;) {
        const std::vector<pid_t> left = programProcesses();
        pid_t child = 0;
        for (const pid_t pid : left) {
            pid_t at = pid;
            while (at > 1 && parentOf(at) != ::getpid()) at = parentOf(at);
            if (at > 1) child = at;
        }
        if (child == 0) return left;
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
}

// The demo catalogue in `target` with the additions of `extra`, made the way
// scripts/demo-catalogue.sh makes its copies (without the repositories: the
// package tools are stand-ins).
void copyCatalogueWith(const std::string& target, const std::string& extra)
{
    const char* const script = R"(set -e
cp -r "$1" "$2"
cd "$3"
find . -type f ! -name '*.add' ! -name README.md -exec cp --parents {} "$2" \;
for add in $(find . -name '*.build.inf3.add'); do
    build="$2/${add%.add}"
    { sed '/^<\/build>/d' "$build"; cat "$add"; echo '</build>'; } >"$build.new"
    mv "$build.new" "$build"
done)";
    int status = 0;
    const std::string output = commandOutput("sh -c " + shellQuote(script) + " sh " +
                                                 shellQuote(demoCatalogueDirectory()) + " " + shellQuote(target) + " " +
                                                 shellQuote(extra) + " 2>&1",
                                             &status);
    ASSERT_EQ(status, 0) << output;
}

class WholeWizardInBrowser : public ::testing::Test, public DemoCatalogueHost {
protected:
    // What the walk inside the host found, field by field.
    struct Walk {
        std::string launcherAnswer;
        std::string secret;
        std::string firstAnswer;
        BrowserRun browser;
        std::string stopAnswer;
        std::string lastAnswer;
        std::string processesLeft;
    };

    // Launches the wizard on the catalogue with the walk's additions, runs
    // the browser scenario `scenario` of wizard.js with `arguments` after the
    // address and the secret, and stops the program.
    PrivateHostResult walk(const std::string& scenario, const std::vector<std::string>& arguments, Walk& walked)
    {
        const std::string catalogue = host_.scratch() + "/catalogue";
        copyCatalogueWith(catalogue, KW_TEST_DATA_DIR "/web/wizard-walk");
        ProgramHost::Run run = demoRun({"--service-mode", "--enable-xml-output", "--disable-self-upgrade"});
        run.arguments.back() = catalogue;
        run.environment.push_back("HOME=/root");
        // The settings the operator gave, as the program keeps them.
        run.inspect = [] { return readFile("/root/.kitwright/options.ini"); };
        run.privateNetwork = true;
        run.during = [scenario, arguments](pid_t launcher) {
            std::string fields;
            // The launcher ends once the wizard runs in the background; it is
            // left to the host to reap.
            siginfo_t ended = {};
            while (::waitid(P_PID, static_cast<id_t>(launcher), &ended, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
            }
            const std::string answer = privatehost::programOutput();
            privatehost::putField(fields, answer);
            const std::string secret = XmlLint(answer).attribute("/kitwright/data", "secret");
            privatehost::putField(fields, secret);
            const bool up = !secret.empty() && waitForWizard(std::chrono::seconds(300));
            privatehost::putField(fields, up ? wizardAnswers() : "the wizard never listened");
            BrowserRun browser;
            if (up) {
                std::vector<std::string> scenarioArguments = {kWizard, secret};
                scenarioArguments.insert(scenarioArguments.end(), arguments.begin(), arguments.end());
                browser =
                    runBrowserScenario(KW_SOURCE_DIR "/tests/web_ui/browser/wizard.js", scenario, scenarioArguments);
            }
            privatehost::putField(fields, std::to_string(browser.status));
            privatehost::putField(fields, browser.output);
            int stopped = 0;
            const std::string stop = commandOutput(std::string(KW_PROGRAM) + " stop 2>&1", &stopped);
            privatehost::putField(fields, std::to_string(stopped) + " " + stop);
            std::string left;
            for (const pid_t pid : waitForProgramEnd()) {
                left += std::to_string(pid) + " ";
                ::kill(pid, SIGKILL);
            }
            privatehost::putField(fields, wizardAnswers());
            privatehost::putField(fields, left);
            return fields;
        };
        const PrivateHostResult result = host_.run(run);
        std::size_t at = 0;
        std::string status;
        privatehost::takeField(result.during, at, walked.launcherAnswer);
        privatehost::takeField(result.during, at, walked.secret);
        privatehost::takeField(result.during, at, walked.firstAnswer);
        privatehost::takeField(result.during, at, status);
        walked.browser.status = status.empty() ? -1 : std::atoi(status.c_str());
        privatehost::takeField(result.during, at, walked.browser.output);
        privatehost::takeField(result.during, at, walked.stopAnswer);
        privatehost::takeField(result.during, at, walked.lastAnswer);
        privatehost::takeField(result.during, at, walked.processesLeft);
        return result;
    }

    // What apt-cache offers and what apt-get's dry run plans: every package of
    // the demo catalogue and the walk's own. apt-get's installs
    // ("name:amd64=version" arguments) go into the dpkg status file the runs
    // read, so that the product shows as installed afterwards.
    void offerWalkPackages(const std::string& planned)
    {
        const char* const recordInstalls = R"(case " $* " in
*' --just-print '*) ;;
*' install '*)
    for package in "$@"; do
        case $package in
        [a-z]*:amd64=*)
            printf 'Package: %s\nStatus: install ok installed\n' "${package%%:*}"
            printf 'Priority: optional\nArchitecture: amd64\nVersion: %s\n' "${package#*=}"
            printf 'Description: %s\n\n' "${package%%:*}"
            ;;
        esac
    done >>"$dpkg_status"
    ;;
esac
)";
        host_.tools().behave("apt-get",
                             "dpkg_status=" + shellQuote(dpkgDirectory() + "/status") + "\n" + recordInstalls);
        std::string policy;
        for (const char* name : {"zarni-base", "zarni-web", "zarni-mail-postfix", "zarni-mail-exim", "zarni-dns",
                                 "zarni-php82", "zarni-php83", "zarni-bootstrap", "zarni-stats"})
            policy += std::string(name) + ":\n  Installed: (none)\n  Candidate: 1.0.0-1\n";
        std::string dryRun;
        std::istringstream names(planned);
        for (std::string name; names >> name;) dryRun += "Inst " + name + " (1.0.0-1 Zarni:bookworm [amd64])\n";
        offer(policy, dryRun);
    }

    // What every walk leaves: the program ended by "kitwright stop".
    static void expectStopped(const Walk& walked)
    {
        EXPECT_EQ(walked.stopAnswer.substr(0, 2), "0 ") << walked.stopAnswer;
        EXPECT_EQ(walked.lastAnswer, "000") << "nothing listens after the stop";
        EXPECT_EQ(walked.processesLeft, "") << "no process of the program is left";
    }

    // The packages of apt-get's installs ("name:amd64=version"), one list per
    // call, without the dry runs.
    std::vector<std::vector<std::string>> installs() const
    {
        std::vector<std::vector<std::string>> found;
        for (const std::string& call : host_.calls()) {
            if (call.compare(0, 8, "apt-get ") != 0 || call.find("--just-print") != std::string::npos ||
                call.find(" install ") == std::string::npos)
                continue;
            std::vector<std::string> packages;
            std::istringstream words(call);
            for (std::string word; words >> word;)
                if (word.find(":amd64=") != std::string::npos) packages.push_back(word);
            std::sort(packages.begin(), packages.end());
            found.push_back(packages);
        }
        return found;
    }
};

} // namespace

TEST_F(WholeWizardInBrowser, InstallsFromTheSummaryToTheFinish)
{
    offerWalkPackages("zarni-base zarni-web zarni-stats");
    Walk walked;
    const PrivateHostResult result = walk("install", {"Inst zarni-stats"}, walked);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    if (walked.browser.status == kBrowserMissing) GTEST_SKIP() << walked.browser.output;
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    ASSERT_THAT(walked.secret, ::testing::MatchesRegex("[a-z]{28}")) << walked.launcherAnswer;
    EXPECT_EQ(walked.firstAnswer, "200") << "the wizard answers over TLS";
    EXPECT_THAT(result.listing, HasSubstr(" /root/.kitwright/kitwright.pem\n")) << "a new certificate";
    EXPECT_EQ(walked.browser.status, 0) << walked.browser.output;
    expectStopped(walked);
    EXPECT_EQ(installs(), std::vector<std::vector<std::string>>(
                              {{"zarni-base:amd64=1.0.0-1", "zarni-stats:amd64=1.0.0-1", "zarni-web:amd64=1.0.0-1"}}))
        << "one install of the chosen component and what it needs: " << ::testing::PrintToString(host_.calls());
    EXPECT_THAT(result.inspected, HasSubstr("retention-days=\"60\"\n")) << "the corrected number";
    EXPECT_THAT(result.inspected, HasSubstr("public=\"false\"\n")) << "the cleared box";
}

TEST_F(WholeWizardInBrowser, CancelsWithTheConfirmation)
{
    offerWalkPackages("zarni-base zarni-web");
    Walk walked;
    const PrivateHostResult result = walk("cancel", {}, walked);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    if (walked.browser.status == kBrowserMissing) GTEST_SKIP() << walked.browser.output;
    EXPECT_EQ(walked.browser.status, 0) << walked.browser.output;
    expectStopped(walked);
    EXPECT_EQ(installs(), std::vector<std::vector<std::string>>()) << "nothing installed";
}

TEST_F(WholeWizardInBrowser, ShowsAFailedInstallation)
{
    offerWalkPackages("zarni-base zarni-web");
    const char* const complaint = "E: Sub-process /usr/bin/dpkg returned an error code (1)";
    host_.tools().behave("apt-get", std::string("case \" $* \" in *' --just-print '*) ;; *' install '*)\n"
                                                "    echo '") + complaint + "' >&2; (exit 100);;\nesac\n");
    Walk walked;
    const PrivateHostResult result = walk("failing-install", {complaint}, walked);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    if (walked.browser.status == kBrowserMissing) GTEST_SKIP() << walked.browser.output;
    EXPECT_EQ(walked.browser.status, 0) << walked.browser.output;
    expectStopped(walked);
    const std::vector<std::vector<std::string>> typical = {{"zarni-base:amd64=1.0.0-1", "zarni-web:amd64=1.0.0-1"}};
    EXPECT_EQ(installs(), typical) << "the typical components, tried once: " << ::testing::PrintToString(host_.calls());
}
