#include "installer/webui/WebBackend.h"

#include "common/Messages.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/installer/drivers/DemoCatalogueHost.h"
#include "tests/installer/webui/BackendSocketClient.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

// Whether something accepts connections on the loopback port.
bool portAnswers(int port)
{
    const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    struct sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool answered = ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(probe);
    return answered;
}

// What a conversation with the back end gave, one entry per exchange, carried
// out of the private host.
class Transcript {
public:
    void add(const std::string& entry) { text_ += std::to_string(entry.size()) + "\n" + entry; }
    const std::string& text() const { return text_; }

    static std::vector<std::string> entries(const std::string& text)
    {
        std::vector<std::string> result;
        std::size_t at = 0;
        for (std::string entry; privatehost::takeField(text, at, entry);) result.push_back(entry);
        return result;
    }

private:
    std::string text_;
};

// The web back end run as the program: "--web-interface" on the demo catalogue
// in a private host with its own network (the front end's port 8447 is the
// run's alone), the package tools recording their calls; the test talks to it
// over the back end's socket from inside the host.
class WebBackendProgram : public ::testing::Test, public DemoCatalogueHost {
protected:
    // Runs the back end; `talk` holds the conversation once the back end
    // answers, and its transcript comes back as the result's `during`.
    PrivateHostResult serve(const std::function<void(BackendSocketClient&, Transcript&, pid_t)>& talk,
                            std::vector<std::string> extra = {},
                            std::function<std::shared_ptr<void>()> prepare = nullptr) const
    {
        std::vector<std::string> arguments = {"--web-interface", "--without-ssl", "--disable-browser",
                                              "--disable-self-upgrade"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        ProgramHost::Run run = demoRun(arguments);
        run.privateNetwork = true;
        run.prepare = prepare;
        run.during = [talk](pid_t program) {
            Transcript transcript;
            BackendSocketClient client;
            if (!client.waitForBackend()) {
                transcript.add("the back end never answered");
                ::kill(program, SIGKILL);
                return transcript.text();
            }
            try {
                talk(client, transcript, program);
            } catch (const error& failure) {
                transcript.add("request failed: " + failure.text());
                ::kill(program, SIGKILL);
            }
            return transcript.text();
        };
        return host_.run(run);
    }

    // The exit command, which gets no reply: the connection closes as the back end ends.
    static std::string exit(BackendSocketClient& client)
    {
        try {
            return "exit answered: " + client.command("exit");
        } catch (const error&) {
            return "exit: no reply";
        }
    }
};

// The reply's status and, for a page, its id: "ok", "bad_page installation-types".
std::string brief(const std::string& reply)
{
    const std::string page = BackendSocketClient::find(reply, "page", "id");
    const std::string status = BackendSocketClient::status(reply);
    return page.empty() ? status : status + " " + page;
}

}  // namespace

TEST_F(WebBackendProgram, AnswersTheFixedCommandsAndEndsOnExit)
{
    const PrivateHostResult result = serve([](BackendSocketClient& client, Transcript& transcript, pid_t) {
        transcript.add(brief(client.command("ping")));
        transcript.add(brief(client.command("get_current_page")));
        transcript.add(client.command("bogus"));
        transcript.add(client.request("<answer><command value=\"ping\"/></answer>"));
        transcript.add(client.request("<request />"));
        transcript.add(brief(client.command("component_selection", "", "<products/>")));
        transcript.add(brief(client.command("get_progress")));
        transcript.add(portAnswers(8447) ? "front end up" : "no front end");
        transcript.add(exit(client));
    });
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    const std::vector<std::string> t = Transcript::entries(result.during);
    ASSERT_EQ(t.size(), 9u) << result.during << result.out << result.err;
    EXPECT_EQ(t[0], "ok");
    EXPECT_EQ(t[1], "ok summary");
    EXPECT_EQ(BackendSocketClient::status(t[2]), "error");
    EXPECT_THAT(BackendSocketClient::rootAttribute(t[2], "error_message"), StartsWith("Unknown command 'bogus'"));
    EXPECT_EQ(BackendSocketClient::rootAttribute(t[2], "error_class"), "internal");
    EXPECT_THAT(BackendSocketClient::rootAttribute(t[3], "error_message"),
                StartsWith("XML root node in request must have named 'request'."));
    EXPECT_EQ(BackendSocketClient::rootAttribute(t[3], "error_class"), "internal");
    EXPECT_EQ(BackendSocketClient::status(t[4]), "error");
    EXPECT_EQ(BackendSocketClient::rootAttribute(t[4], "error_class"), "user") << "no command element";
    EXPECT_EQ(t[5], "bad_page summary") << "no components page reached yet";
    EXPECT_EQ(t[6], "bad_page summary") << "no installation started";
    EXPECT_EQ(t[7], "front end up");
    EXPECT_EQ(t[8], "exit: no reply");
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(below(result.listing, "/tmp"), "f600 /tmp/kvo-installer.lock\n") << "the socket is gone";
}

namespace {

// Asks for the progress deltas until the job's outcome is told (the product's
// progress "completed" or "failed"); the transcript gets the outcome and the
// console lines of all deltas joined.
void followInstallation(BackendSocketClient& client, Transcript& transcript)
{
    std::string console;
    std::string outcome = "never done";
    for (int asked = 0; asked < 1000000; ++asked) {
        const std::string reply = client.command("get_progress_delta");
        if (BackendSocketClient::status(reply) != "ok") {
            outcome = "progress answered " + brief(reply);
            break;
        }
        console += BackendSocketClient::find(reply, "console");
        const std::string state = BackendSocketClient::find(reply, "progress", "status");
        if (state == "completed" || state == "failed") {
            outcome = state;
            break;
        }
    }
    transcript.add(outcome);
    transcript.add(console);
}

const char* const typicalInstallation =
    "<products><product id=\"zarni\" release_id=\"zarni-1.1\" installation_type=\"Typical\"/></products>";

}  // namespace

TEST_F(WebBackendProgram, WalksFromTheProductToAFinishedInstallation)
{
    offerDemoPackages("zarni-base zarni-web zarni-mail-postfix");
    const PrivateHostResult result = serve([](BackendSocketClient& client, Transcript& transcript, pid_t) {
        transcript.add(BackendSocketClient::find(client.command("get_releases_list", " session_id=\"s1\""), "release", "id"));
        transcript.add(client.command("product_selection", "",
                                      "<products><product id=\"zarni\" release_id=\"zarni-1.1\"/></products>"));
        transcript.add(brief(client.command("get_current_page")));
        transcript.add(brief(client.command("component_selection", "", "<products/>")));
        transcript.add(brief(client.command("installation_type_selection", "", typicalInstallation)));
        transcript.add(brief(client.command("get_current_page")));
        transcript.add(client.command("set_locale", " locale=\"de_DE\""));
        followInstallation(client, transcript);
        transcript.add(BackendSocketClient::find(client.command("get_progress"), "console"));
        transcript.add(BackendSocketClient::find(client.command("get_releases_list"), "release", "id"));
        transcript.add(brief(client.command("get_current_page")));
        transcript.add(exit(client));
    });
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    const std::vector<std::string> t = Transcript::entries(result.during);
    ASSERT_EQ(t.size(), 13u) << result.during << result.out << result.err;
    EXPECT_EQ(t[0], "zarni-1.0") << "the releases list";
    EXPECT_EQ(BackendSocketClient::status(t[1]), "warning") << "the release's caution comes first, with the list";
    EXPECT_EQ(BackendSocketClient::find(t[1], "warning"), "Zarni 1.1 moves the mail queue to a new directory.");
    EXPECT_EQ(t[2], "ok installation-types") << "a product not installed asks for its installation type";
    EXPECT_EQ(t[3], "bad_page installation-types");
    EXPECT_EQ(t[4], "ok");
    EXPECT_EQ(t[5], "ok installation") << "the preset went through to the installation in one pass";
    EXPECT_EQ(BackendSocketClient::rootAttribute(t[6], "error_message"), "background installation task in progress\n");
    EXPECT_EQ(t[7], "completed") << t[8];
    EXPECT_THAT(t[8], HasSubstr(Messages::get("install_ok")));
    EXPECT_EQ(t[9], t[8]) << "every console line came once through the deltas";
    EXPECT_EQ(t[10], "zarni-1.0") << "the final status was read: the list starts the wizard over";
    EXPECT_EQ(t[11], "ok summary");
    EXPECT_EQ(t[12], "exit: no reply");
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    bool installed = false;
    for (const std::string& call : host_.calls())
        installed = installed || (call.compare(0, 8, "apt-get ") == 0 && call.find(" install ") != std::string::npos &&
                                  call.find("zarni-web") != std::string::npos &&
                                  call.find("--just-print") == std::string::npos);
    EXPECT_TRUE(installed) << "apt-get installed the preset's packages";
}

TEST_F(WebBackendProgram, ATerminationSignalWhileIdleEndsTheBackEndAndItsFrontEnd)
{
    const PrivateHostResult result = serve([](BackendSocketClient& client, Transcript& transcript, pid_t program) {
        transcript.add(brief(client.command("ping")));
        ::kill(program, SIGTERM);
        int status = 0;
        while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {
        }
        // The host reaps the program again; its code is the result's.
        transcript.add(WIFEXITED(status) ? std::to_string(WEXITSTATUS(status)) : "signalled");
        transcript.add(portAnswers(8447) ? "front end left" : "no front end");
    });
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    const std::vector<std::string> t = Transcript::entries(result.during);
    ASSERT_EQ(t.size(), 3u) << result.during << result.out << result.err;
    EXPECT_EQ(t[0], "ok");
    EXPECT_EQ(t[1], "2");
    EXPECT_EQ(t[2], "no front end");
}

namespace {

// From the releases list to a running installation of the typical components:
// the product (its caution comes back first), then its installation type.
// The transcript gets the current page then ("ok installation" once the job
// runs).
void startTypicalInstallation(BackendSocketClient& client, Transcript& transcript)
{
    client.command("get_releases_list");
    client.command("product_selection", "", "<products><product id=\"zarni\" release_id=\"zarni-1.1\"/></products>");
    client.command("installation_type_selection", "", typicalInstallation);
    transcript.add(brief(client.command("get_current_page")));
}

// apt-get's installations (never its dry runs) fail as dpkg's would.
const char* const failingInstallation =
    "case \" $* \" in *\" --just-print \"*) ;; *\" install \"*)\n"
    "  echo 'E: Sub-process /usr/bin/dpkg returned an error code (1)' >&2; false ;;\n"
    "esac\n";

// apt-get's first installation (not a dry run) held until the test lets it go,
// so that the test acts while the job is surely inside it. The stand-in marks
// that it holds (a file appears) and reads a FIFO; the test, inside the host,
// waits for the mark, opens the FIFO and lets the installation go on by
// closing it.
class InstallGate {
public:
    // `directory`: one the test and the host share.
    InstallGate(const std::string& directory, RecordedTools& tools) : fifo_(directory + "/install-gate")
    {
        ::mkfifo(fifo_.c_str(), 0600);
        tools.behave("apt-get", "case \" $* \" in *\" --just-print \"*) ;; *\" install \"*)\n"
                                "  if [ ! -e '" + fifo_ + ".held' ]; then : > '" + fifo_ + ".held'; read -r _ < '" +
                                    fifo_ + "' || :; fi ;;\n"
                                "esac\n:\n");
    }
    ~InstallGate() { release(); }
    InstallGate(const InstallGate&) = delete;
    InstallGate& operator=(const InstallGate&) = delete;

    // Inside the host: whether the installation came to the gate; it stays
    // there until release.
    bool waitUntilHeld()
    {
        if (!BackendSocketClient::waitForPath(fifo_ + ".held", std::chrono::seconds(300))) return false;
        writer_ = ::open(fifo_.c_str(), O_WRONLY | O_CLOEXEC);
        return writer_ >= 0;
    }
    void release()
    {
        if (writer_ >= 0) ::close(writer_);
        writer_ = -1;
    }

private:
    std::string fifo_;
    int writer_ = -1;
};

// What the program prints for these arguments, run inside the host beside the
// back end.
std::string programOutput(const std::string& arguments)
{
    std::string output;
    FILE* program = ::popen((std::string(KW_PROGRAM) + " " + arguments + " 2>&1").c_str(), "r");
    if (!program) return "popen failed";
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, program)) > 0;) output.append(buffer, n);
    ::pclose(program);
    return output;
}

}  // namespace

TEST_F(WebBackendProgram, AFailedInstallationIsToldAndTheBackEndGoesOn)
{
    offerDemoPackages("zarni-base zarni-web zarni-mail-postfix");
    host_.tools().behave("apt-get", failingInstallation);
    const PrivateHostResult result = serve([](BackendSocketClient& client, Transcript& transcript, pid_t) {
        startTypicalInstallation(client, transcript);
        followInstallation(client, transcript);
        transcript.add(brief(client.command("ping")));
        transcript.add(programOutput("--query-status --enable-xml-output"));
        transcript.add(exit(client));
    });
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    const std::vector<std::string> t = Transcript::entries(result.during);
    ASSERT_EQ(t.size(), 6u) << result.during << result.out << result.err;
    EXPECT_EQ(t[0], "ok installation");
    EXPECT_EQ(t[1], "failed") << t[2];
    EXPECT_THAT(t[2], HasSubstr("dpkg returned an error code"));
    EXPECT_EQ(t[3], "ok") << "the back end still serves";
    EXPECT_THAT(t[4], HasSubstr("<progress finished=\"true\" failed=\"true\">")) << "the status query";
    EXPECT_THAT(t[4], HasSubstr("Failed to install the packages with apt-get."));
    EXPECT_EQ(t[5], "exit: no reply");
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
}

TEST_F(WebBackendProgram, ExitWhileTheJobRunsIsRefused)
{
    offerDemoPackages("zarni-base zarni-web zarni-mail-postfix");
    InstallGate gate(host_.scratch(), host_.tools());
    const PrivateHostResult result = serve([&gate](BackendSocketClient& client, Transcript& transcript, pid_t program) {
        startTypicalInstallation(client, transcript);
        transcript.add(gate.waitUntilHeld() ? "held" : "never held");
        transcript.add(client.command("exit"));
        transcript.add(brief(client.command("ping")));
        transcript.add(::kill(program, 0) == 0 ? "running" : "gone");
        gate.release();
        followInstallation(client, transcript);
        transcript.add(exit(client));
    });
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    const std::vector<std::string> t = Transcript::entries(result.during);
    ASSERT_EQ(t.size(), 8u) << result.during << result.out << result.err;
    EXPECT_EQ(t[0], "ok installation");
    EXPECT_EQ(t[1], "held");
    EXPECT_EQ(BackendSocketClient::status(t[2]), "error") << t[2];
    EXPECT_EQ(BackendSocketClient::rootAttribute(t[2], "error_message"), "Unable to exit now. Background job is active\n");
    EXPECT_EQ(BackendSocketClient::rootAttribute(t[2], "error_class"), "user");
    EXPECT_EQ(t[3], "ok");
    EXPECT_EQ(t[4], "running");
    EXPECT_EQ(t[5], "completed") << t[6];
    EXPECT_EQ(t[7], "exit: no reply") << "once the job ended, exit is taken";
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
}

TEST_F(WebBackendProgram, ATerminationSignalDuringTheJobEndsTheRunOnceTheJobEnded)
{
    offerDemoPackages("zarni-base zarni-web zarni-mail-postfix");
    InstallGate gate(host_.scratch(), host_.tools());
    const PrivateHostResult result = serve([&gate](BackendSocketClient& client, Transcript& transcript, pid_t program) {
        startTypicalInstallation(client, transcript);
        transcript.add(gate.waitUntilHeld() ? "held" : "never held");
        ::kill(program, SIGTERM);
        transcript.add(brief(client.command("ping")));
        transcript.add(brief(client.command("get_current_page")));
        gate.release();
        // The progress is told until the end; the reply that would tell the
        // end is never sent: the run ends there.
        std::string last = "no progress asked";
        for (int asked = 0; asked < 1000000; ++asked) {
            try {
                last = brief(client.command("get_progress_delta"));
            } catch (const error&) {
                last = "no reply after " + last;
                break;
            }
        }
        transcript.add(last);
    });
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    const std::vector<std::string> t = Transcript::entries(result.during);
    ASSERT_EQ(t.size(), 5u) << result.during << result.out << result.err;
    EXPECT_EQ(t[0], "ok installation");
    EXPECT_EQ(t[1], "held");
    EXPECT_EQ(t[2], "ok") << "the signal went to the job; the back end serves on";
    EXPECT_EQ(t[3], "ok installation");
    EXPECT_EQ(t[4], "no reply after ok");
    EXPECT_EQ(result.exitCode, 2) << result.out << result.err;
}
