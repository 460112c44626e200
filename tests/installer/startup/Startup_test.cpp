#include "installer/startup/Startup.h"

#include "common/BuildInfo.h"
#include "common/FilesRemovedAtExit.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "installer/engine/DebianAPTConfigurator.h"
#include "installer/engine/YumConfigurator.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/reporters/Reporter.h"
#include "installer/startup/SystemExit.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CompiledLocales.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"
#include "tests/common/XmlLint.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/startup/ProgramHost.h"
#include "tests/installer/startup/ReportRecords.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::Not;

namespace {

std::string versionLine()
{
    return Messages::get("Kitwright") + " " + kwVersion() + " (revision " + kwRevision() + ")\n";
}

// The status document a reporter prints for these values.
std::string statusDocument(int status, const std::string& message, const std::string& errorClass,
                           const std::string& prefix = "")
{
    const std::string previous = statusPrefix;
    statusPrefix = prefix;
    std::ostringstream out;
    Reporter(status, message, errorClass.c_str()).printXml(out);
    statusPrefix = previous;
    return out.str();
}

// What an in-process options record of this command line prints for its help.
std::string commandHelp(const std::vector<std::string>& commandLine)
{
    processOptions();
    Options options(commandLine);
    options.helpWidth = 80;
    std::ostringstream out;
    options.printCommandHelp(out);
    return out.str();
}

std::string usageText(void (*print)(std::ostream&))
{
    std::ostringstream out;
    print(out);
    return out.str();
}

// Whether xmllint accepts the text as a well-formed document.
bool wellFormed(const std::string& document) { return XmlLint(document).complaints().empty(); }

// Every run past the options checks the self-upgrade cache, which is made when missing.
const std::string cacheListing = "d700 /var/cache/kestavine_installer\n";
const std::string sharedLogListing = cacheListing +
                                     "d755 /var/log/zarni\nd700 /var/log/zarni/install\n"
                                     "f600 /var/log/zarni/install/kitwright3.log\n";
// The status answer of a refused command line starts so.
const std::string refusal = "\nERROR: ";

// --- A lock holder inside the private host ---

int holderSignals = -1;

void recordHolderSignal(int number)
{
    const char* text = number == SIGHUP ? "HUP\n" : number == SIGTERM ? "TERM\n" : "other\n";
    (void)!::write(holderSignals, text, std::strlen(text));
}

// A root process holding a record lock on byte 0 of the installer's lock file,
// as a running installer does, writing each termination signal it gets to
// `signalsFile`.
std::function<std::shared_ptr<void>()> lockHolder(const std::string& signalsFile)
{
    return [signalsFile] {
        return std::make_shared<LingeringProcess>(0, [signalsFile] {
            holderSignals = ::open(signalsFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
            struct sigaction action;
            std::memset(&action, 0, sizeof action);
            action.sa_handler = recordHolderSignal;
            ::sigaction(SIGHUP, &action, nullptr);
            ::sigaction(SIGTERM, &action, nullptr);
            const int fd = ::open("/tmp/kvo-installer.lock", O_RDWR | O_CREAT, 0600);
            struct flock range;
            std::memset(&range, 0, sizeof range);
            range.l_type = F_WRLCK;
            range.l_whence = SEEK_SET;
            range.l_start = 0;
            range.l_len = 1;
            return holderSignals >= 0 && fd >= 0 && ::fcntl(fd, F_SETLK, &range) == 0;
        });
    };
}

std::string readText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

// Each row: what the program prints, how it exits, and what it leaves behind.
TEST(Startup, ExitCodesAndAnswers)
{
    ProgramHost host;
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        uid_t user;
        std::string out;
        ::testing::Matcher<const std::string&> err;
        int exitCode;
        std::string listing;
    };
    const std::string notRoot = Messages::get("err_not_root");
    const std::vector<Case> cases = {
        {"--version", {"--version"}, 0, versionLine(), "", 0, sharedLogListing},
        {"-v", {"-v"}, 0, versionLine(), "", 0, sharedLogListing},
        {"version", {"version"}, 0, versionLine(), "", 0, sharedLogListing},
        {"bare version: no log", {"--print-version-of-this-binary"}, 0, std::string(kwVersion()) + "\n", "", 0, ""},
        {"option help", {"--help-options"}, 0, usageText(Options::printUsage), "", 0, sharedLogListing},
        {"-h", {"-h"}, 0, usageText(Options::printCommandsUsage), "", 0, sharedLogListing},
        {"help", {"help"}, 0, usageText(Options::printCommandsUsage), "", 0, sharedLogListing},
        {"help install", {"help", "install"}, 0, commandHelp({"kitwright", "help", "install"}), "", 0,
         sharedLogListing},
        {"completion: no log", {"help", "install", "-c"}, 0, commandHelp({"kitwright", "help", "install", "-c"}), "", 0,
         cacheListing},
        {"stop with nothing running", {"stop"}, 0, Messages::get("stop_already_stopped") + "\n", "", 0,
         "f600 /tmp/kvo-installer.lock\n" + sharedLogListing},
        {"unknown command", {"frobnicate"}, 0, refusal, "", 1, ""},
        {"unknown option of a command", {"install", "--bogus"}, 0, refusal, "", 1, ""},
        {"unknown legacy option", {"--bogus"}, 0, refusal, HasSubstr("--bogus"), 1, ""},
        {"not root", {"--version"}, kOtherUser, "", notRoot + "\n", 1, ""},
        {"not root with XML output", {"--query-status", "--enable-xml-output"}, kOtherUser,
         statusDocument(1, notRoot, ""), HasSubstr(notRoot), 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramHost::Run run;
        run.arguments = c.arguments;
        run.user = c.user;
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        if (c.out == refusal) {
            // A refused command line: an error status (its text in RefusalsNameTheirCause).
            EXPECT_THAT(result.out, ::testing::StartsWith(refusal));
        } else {
            EXPECT_EQ(result.out, c.out);
        }
        EXPECT_THAT(result.err, c.err);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.listing, c.listing);
    }
}

// The first line the operator reads, in the language the locale of the run selects:
// the lines its language's rules give word for word (the program's name, the usage
// lines of both help pages).
TEST(Startup, TranslatedFirstLinesFollowTheLocale)
{
    if (compiledLocales().empty()) GTEST_SKIP() << "localedef could not compile the test locales";
    ProgramHost host;
    const std::string version = std::string(" ") + kwVersion() + " (revision " + kwRevision() + ")";
    struct Case {
        const char* locale;
        std::vector<std::string> arguments;
        std::string firstLine;
    };
    const std::vector<Case> cases = {
        {"id_ID.UTF-8", {"--version"}, "Pemasang Zarni" + version},
        {"ja_JP.UTF-8", {"--version"}, "Zarni \u30a4\u30f3\u30b9\u30c8\u30fc\u30e9" + version},
        {"ko_KR.UTF-8", {"--version"}, "Zarni Installer" + version},
        {"it_IT.UTF-8", {"help"}, "Utilizzo: installer COMANDO [OPZIONI]"},
        {"it_IT.UTF-8", {"--help-options"}, "Usage: installer [OPZIONI]"},
        {"ja_JP.UTF-8", {"help"}, "\u4f7f\u7528\u65b9\u6cd5\uff1ainstaller COMMAND [OPTIONS]"},
        {"ja_JP.UTF-8", {"--help-options"}, "\u4f7f\u7528\u65b9\u6cd5\uff1ainstaller [OPTIONS]"},
        {"ko_KR.UTF-8", {"help"}, "\uc0ac\uc6a9: installer COMMAND [OPTIONS]"},
        {"ko_KR.UTF-8", {"--help-options"}, "\uc0ac\uc6a9\ubc95: installer [\uc635\uc158]"},
        {"ms_MY.UTF-8", {"help"}, "Penggunaan: installer COMMAND [OPTIONS]"},
        {"ms_MY.UTF-8", {"--help-options"}, "Penggunaan: installer [PILIHAN]"},
        {"nb_NO.UTF-8", {"--help-options"}, "Bruk: installer [ALTERNATIVER]"},
        {"nl_NL.UTF-8", {"help"}, "Gebruik: installer OPDRACHT [OPTIES]"},
        {"nl_NL.UTF-8", {"--help-options"}, "Gebruik: installer [OPTIES]"},
        {"pl_PL.UTF-8", {"--help-options"}, "U\u017cycie: installer [OPCJE]"},
        {"it_IT.UTF-8", {"help", "install"}, "Utilizzo: installer install "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.arguments.front());
        ProgramHost::Run run;
        run.arguments = c.arguments;
        run.environment = {std::string("LC_ALL=") + c.locale, "LOCPATH=" + compiledLocales(),
                           "LSAN_OPTIONS=suppressions=" + std::string(KW_SOURCE_DIR) + "/tests/data/messages/libc-locale.supp"};
        run.visible = {compiledLocales()};
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        const std::string line = result.out.substr(0, result.out.find('\n'));
        // A usage prefix ends with a blank and is followed by the command's synopsis.
        if (c.firstLine.back() == ' ')
            EXPECT_EQ(line.substr(0, c.firstLine.size()), c.firstLine);
        else
            EXPECT_EQ(line, c.firstLine);
    }
}

TEST(Startup, RefusalsNameTheirCause)
{
    ProgramHost host;
    const PrivateHostResult command = host.run({"frobnicate"});
    KW_SKIP_WITHOUT_PRIVATE_HOST(command);
    EXPECT_THAT(command.out, HasSubstr("frobnicate"));

    const PrivateHostResult option = host.run({"install", "--bogus"});
    const std::string hint = (Messages::format("err_opt_parse_add") % "install").str();
    EXPECT_THAT(option.out, HasSubstr("bogus"));
    EXPECT_THAT(option.out, HasSubstr(hint));

    const PrivateHostResult xml = host.run({"--query-status", "--enable-xml-output", "--no-such-option"});
    EXPECT_EQ(xml.exitCode, 0);
    EXPECT_TRUE(wellFormed(xml.out)) << xml.out;
    EXPECT_THAT(xml.out, HasSubstr("status=\"query_error\""));
    EXPECT_EQ(xml.listing, "");

    ProgramHost::Run notRoot;
    notRoot.arguments = {"--query-status", "--enable-xml-output"};
    notRoot.user = kOtherUser;
    const PrivateHostResult refused = host.run(notRoot);
    EXPECT_TRUE(wellFormed(refused.out)) << refused.out;
}

// A driver mode takes the lock and runs its driver, whose failure is printed.
TEST(Startup, DriverModeFailuresArePrinted)
{
    ProgramHost host;
    const PrivateHostResult result = host.run({"list", "--source", "/nonexistent-catalogue/"});
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.out, HasSubstr("ERROR: "));
    EXPECT_THAT(result.out, HasSubstr("/nonexistent-catalogue/"));
    EXPECT_THAT(result.listing, HasSubstr("f600 /tmp/kvo-installer.lock\n"));
    EXPECT_THAT(result.listing, HasSubstr("f600 /var/log/zarni/install/kitwright3.log\n"));
}

// The background launch starts the program's own command line as the web
// back end, detached, with the one-time secret in its environment only, and
// prints that secret: the operator's way into the wizard. The run is given a
// stand-in's path as its own, so the stand-in records what would have started.
TEST(Startup, WebWizardLaunchStartsTheBackEndWithTheSecret)
{
    ProgramHost host;
    const std::string relaunched = host.tools().add("kitwright");
    host.tools().recordInputAndEnvironment("mail getenforce kitwright", "WEB_SECRET KW_WEB_UI_DEFAULT_PAGE_OVERRIDE");
    const std::string launched = Messages::get("status_daemon_launched");
    struct Case {
        const char* name;
        std::string launch;
        bool xml;
        std::string startPage;  // what the back end is told to open
    };
    const std::vector<Case> cases = {
        {"text", "--service-mode", false, "KW_WEB_UI_DEFAULT_PAGE_OVERRIDE unset"},
        {"XML, on the update page", "--service-mode=update", true,
         "KW_WEB_UI_DEFAULT_PAGE_OVERRIDE=update_components"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramHost::Run run;
        run.arguments = {c.launch, "--proxy-host", "h", "--proxy-password", "S3cr3t-pw"};
        if (c.xml) run.arguments.push_back("--enable-xml-output");
        run.argumentZero = relaunched;
        run.inspect = [] { return readText("/var/log/zarni/install/kitwright3.log"); };
        const std::size_t before = host.calls().size();
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.err, "");

        std::string secret;
        if (c.xml) {
            const XmlLint answer(result.out);
            EXPECT_EQ(answer.complaints(), "") << result.out;
            EXPECT_EQ(answer.attribute("/kitwright", "status"), "ok");
            EXPECT_EQ(answer.attribute("/kitwright", "error_message"), launched);
            secret = answer.attribute("/kitwright/data", "secret");
        } else {
            const std::string head = launched + "\nSecret: ";
            ASSERT_THAT(result.out, ::testing::StartsWith(head));
            secret = result.out.substr(head.size());
        }
        EXPECT_THAT(secret, MatchesRegex("[a-z]{28}"));

        const std::vector<std::string> calls = host.calls();
        const std::vector<std::string> started(calls.begin() + static_cast<std::ptrdiff_t>(before), calls.end());
        std::string line = "kitwright";
        for (const std::string& argument : run.arguments) line += " " + argument;
        // Started once, with no input, the secret in its environment.
        EXPECT_EQ(started, std::vector<std::string>({line + " --web-interface --with-ssl --disable-browser",
                                                     "kitwright env: WEB_SECRET=" + secret,
                                                     "kitwright env: " + c.startPage}));
        EXPECT_THAT(result.inspected, HasSubstr("Execute command "));
        EXPECT_THAT(result.inspected, Not(HasSubstr(secret)));
        EXPECT_THAT(result.inspected, Not(HasSubstr("S3cr3t")));
    }
}

TEST(Startup, BusyAnswers)
{
    ProgramHost host;
    const std::string signals = host.scratch() + "/signals";
    const std::string locked = Messages::get("status_locked_by_another");
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string out;
        int exitCode;
    };
    const std::vector<Case> cases = {
        {"an installation", {"list"}, "\nBUSY: " + locked + "\n", 1},
        {"an installation, XML", {"list", "--xml"}, statusDocument(2, locked, ""), 0},
        {"the legacy releases list", {"--show-releases"}, "\nERROR: Installer is busy.\n", 1},
        {"the legacy releases list, XML", {"--show-releases", "--enable-xml-output"},
         statusDocument(1, "Installer is busy.", ""), 0},
        {"the bare version while locked", {"--print-version-of-this-binary"}, std::string(kwVersion()) + "\n", 0},
        {"an XML installation in the background", {"install", "--xml"}, statusDocument(2, locked, "", "install_"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramHost::Run run;
        run.arguments = c.arguments;
        run.prepare = lockHolder(signals);
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(readText(signals), "");
    }
}

TEST(Startup, StopSignalsTheHolder)
{
    ProgramHost host;
    struct Case {
        std::vector<std::string> arguments;
        std::string received;
    };
    for (const Case& c : {Case{{"stop"}, "HUP\n"}, Case{{"stop", "--terminate"}, "TERM\n"}}) {
        SCOPED_TRACE(c.received);
        const std::string signals = host.scratch() + "/signals-" + c.received.substr(0, c.received.size() - 1);
        ProgramHost::Run run;
        run.arguments = c.arguments;
        run.prepare = lockHolder(signals);
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.out, Messages::get("stop_sent") + "\n");
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(readText(signals), c.received);
    }
}

// The detached process takes the lock and tells the foreground, which announces
// the installation and ends with 0; the detached run goes on and logs.
TEST(Startup, BackgroundInstallationStartsOnceTheLockIsHeld)
{
    ProgramHost host;
    ProgramHost::Run run;
    run.arguments = {"install", "--xml", "--source", "/nonexistent-catalogue/"};
    run.inspect = [] { return readText("/var/log/zarni/install/kitwright3.log"); };
    const PrivateHostResult result = host.run(run);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.out, statusDocument(0, "Installation started", "", "install_"));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.inspected, HasSubstr("Installer was successfully started."));
    EXPECT_THAT(result.inspected, HasSubstr("Error: "));
    EXPECT_THAT(result.inspected, HasSubstr("/nonexistent-catalogue/"));
}

TEST(Startup, LogFiles)
{
    ProgramHost host;
    const auto perRunFiles = [](int count) {
        return [count]() -> std::shared_ptr<void> {
            privatehost::makeDirectories("/var/log/zarni/install");
            for (int day = 1; day <= count; ++day) {
                char name[96];
                std::snprintf(name, sizeof name, "/var/log/zarni/install/kitwright3_2020-01-%02d_0000.log", day);
                privatehost::writeWhole(name, "old\n");
            }
            privatehost::writeWhole("/var/log/zarni/install/other.log", "other\n");
            return nullptr;
        };
    };
    const auto countPerRun = [](const std::string& listing) {
        int count = 0;
        for (std::string::size_type at = 0; (at = listing.find("/kitwright3_", at)) != std::string::npos; ++at) ++count;
        return count;
    };

    {
        SCOPED_TRACE("25 old per-run files, 20 kept: the 19 newest and the new one");
        ProgramHost::Run run;
        run.arguments = {"--version", "--separate-logs"};
        run.prepare = perRunFiles(25);
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(countPerRun(result.listing), 20);
        EXPECT_THAT(result.listing, Not(HasSubstr("kitwright3_2020-01-06_0000.log")));
        EXPECT_THAT(result.listing, HasSubstr("kitwright3_2020-01-07_0000.log"));
        EXPECT_THAT(result.listing, HasSubstr("other.log"));
        EXPECT_THAT(result.listing, MatchesRegex("(.|\n)*f600 /var/log/zarni/install/kitwright3_20[0-9-]+_[0-9]{4}\\.log\n(.|\n)*"));
    }
    {
        SCOPED_TRACE("the kept count of the rc file");
        ProgramHost::Run run;
        run.arguments = {"--version", "--separate-logs"};
        const auto files = perRunFiles(25);
        run.prepare = [files] {
            privatehost::writeWhole("/root/.kitwrightrc", "MAX_STORED_SEPARATE_LOGS=5\n");
            return files();
        };
        const PrivateHostResult result = host.run(run);
        EXPECT_EQ(countPerRun(result.listing), 5);
    }
    {
        SCOPED_TRACE("--truncate-log empties the shared file; without it the run appends");
        for (const bool truncate : {false, true}) {
            ProgramHost::Run run;
            run.arguments = {"--version"};
            if (truncate) run.arguments.push_back("--truncate-log");
            run.prepare = [] {
                privatehost::makeDirectories("/var/log/zarni/install");
                privatehost::writeWhole("/var/log/zarni/install/kitwright3.log", "an earlier run\n");
                return nullptr;
            };
            run.inspect = [] { return readText("/var/log/zarni/install/kitwright3.log"); };
            const PrivateHostResult result = host.run(run);
            EXPECT_EQ(result.inspected.find("an earlier run") != std::string::npos, !truncate);
            EXPECT_THAT(result.inspected, HasSubstr("Command line arguments: "));
        }
    }
    {
        SCOPED_TRACE("a log directory that cannot be made ends the run");
        ProgramHost::Run run;
        run.arguments = {"--version"};
        run.prepare = [] {
            privatehost::makeDirectories("/var/log/zarni");
            privatehost::writeWhole("/var/log/zarni/install", "not a directory\n");
            return nullptr;
        };
        const PrivateHostResult result = host.run(run);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(result.out, ::testing::StartsWith("\nERROR: Unable to create directory: /var/log/zarni/install\n"));
    }
    {
        SCOPED_TRACE("modes 0700 and 0600 under umask 000");
        ProgramHost::Run run;
        run.arguments = {"--version"};
        run.umask = 0;
        const PrivateHostResult result = host.run(run);
        EXPECT_EQ(result.listing, sharedLogListing);
    }
}

// The children see the proxy of the options (the SELinux query of a failing run
// shows their environment); a proxy the operator exported stays; the password
// reaches no log, mail or output.
TEST(Startup, ProxyEnvironmentOfTheChildren)
{
    ProgramHost host;
    const std::vector<std::string> proxy = {"list", "--proxy-host", "proxy.zarni.example", "--proxy-port", "8080",
                                            "--proxy-user", "op", "--proxy-password", "s3cret", "--email",
                                            "ops@mail.zarni.example", "--source", "/nonexistent-catalogue/"};
    ProgramHost::Run run;
    run.arguments = proxy;
    run.inspect = [] { return readText("/var/log/zarni/install/kitwright3.log"); };
    const PrivateHostResult result = host.run(run);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 1);
    const std::vector<std::string> calls = host.calls();
    EXPECT_THAT(calls, ::testing::IsSupersetOf({"getenforce env: HTTP_PROXY=proxy.zarni.example:8080",
                                                "getenforce env: FTP_PROXY=proxy.zarni.example:8080",
                                                "getenforce env: HTTP_PROXY_AUTH=op:s3cret"}));
    EXPECT_THAT(result.inspected, HasSubstr("--proxy-password *** "));
    for (const std::string& text : {result.inspected, result.out, result.err})
        EXPECT_THAT(text, Not(HasSubstr("s3cret")));
    // The mail's command line and body; its recorded environment is the children's.
    for (const std::string& call : calls) {
        if (call.compare(0, 8, "mail -s ") == 0 || call.compare(0, 12, "mail stdin: ") == 0) {
            EXPECT_THAT(call, Not(HasSubstr("s3cret")));
        }
    }

    ProgramHost preset;
    run.environment = {"HTTP_PROXY=own.zarni.example:3128"};
    const PrivateHostResult kept = preset.run(run);
    EXPECT_THAT(preset.calls(), ::testing::IsSupersetOf({"getenforce env: HTTP_PROXY=own.zarni.example:3128",
                                                         "getenforce env: FTP_PROXY unset",
                                                         "getenforce env: HTTP_PROXY_AUTH unset"}));
    EXPECT_EQ(kept.exitCode, 1);
}

TEST(Startup, NoticeMail)
{
    {
        SCOPED_TRACE("a run that reached a driver sends once, with the failure subject");
        ProgramHost host;
        const PrivateHostResult result =
            host.run({"list", "--email", "ops@mail.zarni.example", "--source", "/nonexistent-catalogue/"});
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        std::vector<std::string> mails;
        for (const std::string& call : host.calls())
            if (call.compare(0, 8, "mail -s ") == 0) mails.push_back(call);
        ASSERT_EQ(mails.size(), 1u);
        EXPECT_THAT(mails[0], MatchesRegex("mail -s Failed to update the Panel at .* ops@mail.zarni.example"));
        EXPECT_THAT(host.calls(), ::testing::Contains("mail stdin: Zarni Installer."));
    }
    {
        SCOPED_TRACE("a mail command that fails gives no sent line");
        ProgramHost host;
        host.tools().fail("mail");
        ProgramHost::Run run;
        run.arguments = {"list", "--email", "ops@mail.zarni.example", "--source", "/nonexistent-catalogue/"};
        run.inspect = [] { return readText("/var/log/zarni/install/kitwright3.log"); };
        const PrivateHostResult result = host.run(run);
        EXPECT_THAT(result.inspected, Not(HasSubstr("A message was sent to")));
        EXPECT_THAT(result.inspected, HasSubstr(Messages::get("err_send_mail")));
    }
    {
        SCOPED_TRACE("a version answer sends nothing");
        ProgramHost host;
        const PrivateHostResult result = host.run({"--version", "--notify-email", "ops@mail.zarni.example"});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(host.calls().empty());
    }
}

// --- The ways out of a run, in process ---

TEST(Startup, WaysOut)
{
    struct Case {
        const char* name;
        bool xml;
        std::function<void()> body;
        int exitCode;
        std::string out;
    };
    const std::string internal = "Internal error: unexpected exception caught";
    const std::vector<Case> cases = {
        {"SystemExit 0", false, [] { driver::raiseSystemExit(0); }, 0, ""},
        {"SystemExit 1", false, [] { driver::raiseSystemExit(1); }, 1, ""},
        {"SystemExit 7", true, [] { driver::raiseSystemExit(7); }, 7, ""},
        {"a standard exception", false, [] { errno = 0; throw std::runtime_error("boom"); }, 1,
         "\nERROR: " + internal + ". Description: \"boom\"\n"},
        {"a standard exception with errno", false, [] { errno = ENOENT; throw std::runtime_error("boom"); }, 1,
         "\nERROR: " + internal + ". Description: \"boom\", errno=2: " + std::strerror(ENOENT) + "\n"},
        {"anything else", false, [] { throw 42; }, 1, "\nERROR: " + internal + "\n"},
        {"anything else, XML", true, [] { throw 42; }, 1, statusDocument(1, internal, "")},
    };
    const TempDir scratch;
    const std::string secretFile = scratch.path() + "/parameters";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(secretFile) << "admin_password=x\n";
        FilesRemovedAtExit::add(secretFile);
        xmlOutput = c.xml;
        std::ostringstream out;
        std::streambuf* const previous = std::cout.rdbuf(out.rdbuf());
        CapturedLog log(1);
        const int code = runInstaller(c.body);
        std::cout.rdbuf(previous);
        xmlOutput = false;
        EXPECT_EQ(code, c.exitCode);
        EXPECT_EQ(out.str(), c.out);
        EXPECT_NE(::access(secretFile.c_str(), F_OK), 0) << "the registered file outlived the run";
        EXPECT_TRUE(FilesRemovedAtExit::paths().empty());
    }
}

// A web back end left idle ends with 0 and tells why on the console the web
// launcher had silenced; it prints no status answer.
TEST(Startup, IdleWebBackEndEndsWithZero)
{
    std::ostringstream out;
    std::streambuf* const previous = std::cout.rdbuf(out.rdbuf());
    CapturedLog console(-1);
    const int code = runInstaller([] { exitOnIdleTimeout(); });
    std::cout.rdbuf(previous);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(console.text(), Messages::get("webinterface_exit_by_timeout") + "\n");
    EXPECT_EQ(out.str(), "");
}

// A termination signal acted on ends with 2, also with XML output, and leaves the
// shared status failed.
TEST(Startup, InterruptionEndsWithTwo)
{
    for (const bool xml : {false, true}) {
        SCOPED_TRACE(xml ? "XML" : "text");
        const int result = runInPrivateMountNamespace([&] {
            std::string why;
            if (!enterPrivateIpcNamespace(&why)) return kNamespaceRefused;
            ::mount("tmpfs", "/tmp", "tmpfs", 0, nullptr);
            xmlOutput = xml;
            std::ostringstream out;
            std::cout.rdbuf(out.rdbuf());
            Progress::resetTermination();
            const int code = runInstaller([] {
                Progress::onSignal(SIGTERM);
                Progress::checkTermination();
            });
            Progress::SharedStatus status;
            const bool failed = status.data().failed == 1;
            return code * 10 + (failed ? 1 : 0) + (out.str() == (xml ? statusDocument(1, Messages::get("user_canceled"),
                                                                                      "user")
                                                                      : "\nERROR: " + Messages::get("user_canceled") + "\n")
                                                      ? 100
                                                      : 0);
        });
        if (result == kNamespaceRefused) GTEST_SKIP() << "private namespaces are not allowed here";
        EXPECT_EQ(result, 121) << "exit code * 10 + shared status failed + 100 for the expected answer";
    }
}

// The status query answers with the lock state, also while another installer
// holds the lock; launching the web wizard while one runs is a busy answer.
TEST(Startup, StatusQueryAndBusyLaunch)
{
    ProgramHost host;
    const std::string signals = host.scratch() + "/signals";
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        bool locked;
        std::string text;  // in the answer
        bool xml;
    };
    const std::vector<Case> cases = {
        {"not running", {"--query-status"}, false, Messages::get("status_not_locked"), false},
        {"not running, XML", {"--query-status", "--enable-xml-output"}, false, "query_ok", true},
        {"running", {"--query-status"}, true, Messages::get("status_locked_by_another"), false},
        {"running, XML", {"--query-status", "--enable-xml-output"}, true, "query_busy", true},
        {"web wizard launch while running", {"--service-mode"}, true, Messages::get("status_busy"), false},
        {"web wizard launch while running, XML", {"--service-mode", "--enable-xml-output"}, true, "busy", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramHost::Run run;
        run.arguments = c.arguments;
        if (c.locked) run.prepare = lockHolder(signals);
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 0);
        if (c.xml) {
            const XmlLint answer(result.out);
            EXPECT_EQ(answer.complaints(), "") << result.out;
            EXPECT_EQ(answer.attribute("/kitwright", "status"), c.text);
        } else {
            EXPECT_THAT(result.out, HasSubstr(c.text));
        }
        EXPECT_EQ(result.err, "");
    }
    EXPECT_EQ(readText(signals), "");
}

// --- Feedback actions and the error report of a failed command-line run ---

namespace {

// The lines of a run's listing for paths below `dir`.
std::string listingBelow(const std::string& listing, const std::string& dir)
{
    std::istringstream lines(listing);
    std::string below;
    for (std::string line; std::getline(lines, line);)
        if (line.find(" " + dir) != std::string::npos) below += line + "\n";
    return below;
}

// Puts the flag files named into /var/kestavine before the run, and with
// `readOnly` makes the directory a read-only mount of itself.
std::function<std::shared_ptr<void>()> feedbackFiles(const std::vector<std::string>& names, bool readOnly = false)
{
    return [names, readOnly]() -> std::shared_ptr<void> {
        privatehost::makeDirectories("/var/kestavine");
        for (const std::string& name : names) privatehost::writeWhole("/var/kestavine/" + name, "");
        if (readOnly && (::mount("/var/kestavine", "/var/kestavine", nullptr, MS_BIND, nullptr) != 0 ||
                         ::mount(nullptr, "/var/kestavine", nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0))
            std::perror("read-only /var/kestavine");
        return nullptr;
    };
}

// A command-line run that fails inside the mode-1 handler: the feedback group
// cannot be stored in a read-only directory.
const std::vector<std::string> failingGroupIdRun = {"--set-feedback-group-id", "g-7"};

}  // namespace

TEST(Startup, FeedbackActionsStoreTheirFileAndPrintNothing)
{
    ProgramHost host;
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::vector<std::string> planted;
        std::string files;       // the listing below /var/kestavine afterwards
        const char* readBack;    // the file whose content is checked, or null
        std::string content;
    };
    const std::string dir = "d755 /var/kestavine\n";
    const std::vector<Case> cases = {
        {"enable, none before", {"--enable-feedback"}, {}, dir + "f600 /var/kestavine/feedback-enabled\n", nullptr, ""},
        {"enable over both", {"--enable-feedback"}, {"feedback-enabled", "feedback-disabled"},
         dir + "f600 /var/kestavine/feedback-enabled\n", nullptr, ""},
        {"disable over enabled", {"--disable-feedback"}, {"feedback-enabled"},
         dir + "f600 /var/kestavine/feedback-disabled\n", nullptr, ""},
        {"disable, none before", {"--disable-feedback"}, {}, dir + "f600 /var/kestavine/feedback-disabled\n", nullptr,
         ""},
        {"product with blanks, stored unchanged", {"--set-feedback-product", " zarni "}, {},
         dir + "f600 /var/kestavine/feedback-product\n", "feedback-product", " zarni "},
        {"group id", {"--set-feedback-group-id", "g-7"}, {"feedback-enabled"},
         dir + "f600 /var/kestavine/feedback-enabled\nf600 /var/kestavine/feedback-group-id\n", "feedback-group-id",
         "g-7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramHost::Run run;
        run.arguments = c.arguments;
        run.prepare = feedbackFiles(c.planted);
        const std::string readBack = c.readBack ? std::string("/var/kestavine/") + c.readBack : std::string();
        run.inspect = [readBack] { return readBack.empty() ? std::string() : readText(readBack); };
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(listingBelow(result.listing, "/var/kestavine"), c.files);
        EXPECT_EQ(result.inspected, c.content);
    }
    EXPECT_TRUE(host.reports().empty());
}

TEST(Startup, FeedbackActionsFailClearlyOnAReadOnlyDirectory)
{
    ProgramHost host;
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--enable-feedback"},
                                               {"--disable-feedback"},
                                               {"--set-feedback-product", "zarni"},
                                               {"--set-feedback-group-id", "g-7"}}) {
        SCOPED_TRACE(arguments.front());
        ProgramHost::Run run;
        run.arguments = arguments;
        run.prepare = feedbackFiles({"feedback-disabled"}, true);
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 1);
        // Storing a flag may first remove the other one.
        EXPECT_THAT(result.out, MatchesRegex("\nERROR: (Failed to open the file|Unable to delete the file) "
                                             "/var/kestavine/feedback-[a-z-]+( for writing)?: Read-only file "
                                             "system\\.?\n(.|\n)*"));
        EXPECT_EQ(listingBelow(result.listing, "/var/kestavine"),
                  "d755 /var/kestavine\nf600 /var/kestavine/feedback-disabled\n");
    }
    EXPECT_TRUE(host.reports().empty()) << "the operator refused feedback";
}

// A failure inside the mode-1 handler, with the operator's consent: one report
// to the tool, which is handed "install" and the document.
TEST(Startup, FailedCommandLineRunSendsOneReport)
{
    ProgramHost host;
    ProgramHost::Run run;
    run.arguments = failingGroupIdRun;
    run.prepare = feedbackFiles({"feedback-enabled"}, true);
    const PrivateHostResult result = host.run(run);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 1) << "sending leaves the exit code";
    ASSERT_THAT(result.out, ::testing::StartsWith("\nERROR: "));
    const std::string userText = result.out.substr(std::string("\nERROR: ").size());

    const std::vector<ReportRecord> reports = host.reports();
    ASSERT_EQ(reports.size(), 1u);
    // No "zarni" release was selected, so no --version.
    EXPECT_EQ(reports[0].arguments, std::vector<std::string>({"install"}));
    const XmlLint lint(reports[0].input);
    EXPECT_EQ(lint.complaints(), "") << reports[0].input;
    // One line: line ends only inside texts (the summary ends with one).
    EXPECT_EQ(reports[0].input.find(">\n<"), std::string::npos);
    EXPECT_EQ(reports[0].input.find("\n<"), std::string::npos);
    std::string children;
    const int count = std::stoi(lint.value("count(/error/*)"));
    for (int at = 1; at <= count; ++at) children += lint.value("name(/error/*[" + std::to_string(at) + "])") + ",";
    EXPECT_EQ(children, "source,severity,datetime,summary,component,message,additional_info,");
    std::string additional;
    const int infoCount = std::stoi(lint.value("count(/error/additional_info/*)"));
    for (int at = 1; at <= infoCount; ++at)
        additional += lint.value("name(/error/additional_info/*[" + std::to_string(at) + "])") + ",";
    EXPECT_EQ(additional, "kw_version,kw_revision,kw_launch_string,kw_source_url,");
    EXPECT_EQ(lint.value("string(/error/severity)"), "error");
    EXPECT_EQ(lint.value("string(/error/component)"), "installer");
    EXPECT_THAT(lint.value("string(/error/summary)"),
                ::testing::StartsWith("Failed to open the file /var/kestavine/feedback-group-id for writing"));
    EXPECT_EQ(lint.value("string(//kw_version)"), kwVersion());
    EXPECT_EQ(lint.value("string(//kw_launch_string)"), std::string(KW_PROGRAM) + " --set-feedback-group-id g-7 ");
    EXPECT_EQ(decodeBase64(lint.value("string(/error/message)")), "\nERROR: \n" + userText);
}

// Nothing the operator typed as a password leaves the machine or reaches the
// log or the notice mail, in any form.
TEST(Startup, ReportOfAFailedRunHoldsNoSecret)
{
    ProgramHost host;
    ProgramHost::Run run;
    run.arguments = {"--proxy-host", "h", "--proxy-user", "u", "--proxy-password", "S3cr3t-pw", "--set-option",
                     "admin_password=S3cr3t-pw", "--notify-email", "ops@mail.zarni.example"};
    run.arguments.insert(run.arguments.end(), failingGroupIdRun.begin(), failingGroupIdRun.end());
    run.prepare = feedbackFiles({"feedback-enabled"}, true);
    run.inspect = [] { return readText("/var/log/zarni/install/kitwright3.log"); };
    const PrivateHostResult result = host.run(run);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 1);
    const std::vector<ReportRecord> reports = host.reports();
    ASSERT_EQ(reports.size(), 1u);
    const XmlLint lint(reports[0].input);
    EXPECT_THAT(lint.value("string(//kw_launch_string)"), HasSubstr("--proxy-password *** "));
    // The mail's command line and body (its recorded environment is the
    // children's, which carries the proxy credentials by design).
    std::string mail;
    for (const std::string& call : host.calls())
        if (call.compare(0, 8, "mail -s ") == 0 || call.compare(0, 12, "mail stdin: ") == 0) mail += call + "\n";
    EXPECT_THAT(mail, HasSubstr("mail stdin: "));
    EXPECT_THAT(result.inspected, HasSubstr("Command line arguments: "));
    const std::vector<std::pair<const char*, std::string>> texts = {
        {"the report", reports[0].input},
        {"its message", decodeBase64(lint.value("string(/error/message)"))},
        {"the log", result.inspected},
        {"the mail", mail},
        {"the output", result.out + result.err},
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(text.first);
        // Also not percent-encoded (S3cr3t%2Dpw) or cut off at the "-".
        EXPECT_THAT(text.second, Not(HasSubstr("S3cr3t")));
    }
}

// Without consent nothing is sent; a tool that cannot be written out is only
// logged; either way the run's failure stays what it was.
TEST(Startup, ReportIsSentOnlyWithConsentAndNeverChangesTheOutcome)
{
    struct Case {
        const char* name;
        std::vector<std::string> planted;
        bool blockTool;
        std::string logged;
    };
    const std::vector<Case> cases = {
        {"disabled", {"feedback-disabled"}, false, ""},
        {"both flag files count as disabled", {"feedback-enabled", "feedback-disabled"}, false, ""},
        // The feedback actions are not the driver's work: they do not ask.
        {"undecided", {}, false, ""},
        {"the tool cannot be written", {"feedback-enabled"}, true,
         "Error occured while trying to analyse error report: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramHost host;
        ProgramHost::Run run;
        run.arguments = failingGroupIdRun;
        const auto files = feedbackFiles(c.planted, true);
        const bool blockTool = c.blockTool;
        run.prepare = [files, blockTool] {
            if (blockTool) {
                privatehost::makeDirectories("/opt/kvo/admin");
                privatehost::writeWhole("/opt/kvo/admin/bin", "not a directory\n");
            }
            return files();
        };
        run.inspect = [] { return readText("/var/log/zarni/install/kitwright3.log"); };
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(result.out, ::testing::StartsWith("\nERROR: Failed to open the file /var/kestavine/"));
        EXPECT_TRUE(host.reports().empty());
        EXPECT_EQ(listingBelow(result.listing, "/opt/kvo/admin/bin/"), "");
        if (!c.logged.empty()) EXPECT_THAT(result.inspected, HasSubstr(c.logged));
    }
}

// --- The command-line driver's failures and the report ---

namespace {

// A source path that does not exist: the command-line driver fails on its
// first fetch, inside the mode-1 handler.
const std::vector<std::string> missingSourceRun = {"install", "zarni", "--source", "/nonexistent-catalogue/"};

// The build of the running system pinned, so a catalogue fixture's build is
// this system's anywhere.
const std::vector<std::string> debian12 = {"--override-os-name",    "Linux", "--override-os-vendor", "Debian",
                                           "--override-os-version", "12",    "--override-os-arch",   "x86_64"};

}  // namespace

// The driver counts an undecided operator as agreeing; a refusal, by either
// flag file, stops the report; with XML output the run exits with 0, also when
// the failure happens in the background installation.
TEST(Startup, MissingSourceIsReportedUnderTheConsentRules)
{
    enum Output { text, xml, xmlInTheBackground };
    struct Case {
        const char* name;
        std::vector<std::string> planted;
        std::vector<std::string> arguments;
        Output output;
        std::size_t reports;
        int exitCode;
    };
    std::vector<std::string> inBackground = missingSourceRun;
    inBackground.push_back("--xml");
    // Only the option syntax keeps an XML installation in the foreground.
    const std::vector<std::string> inForeground = {"--select-product-id", "zarni",    "--install-everything",
                                                   "--source",            "/nonexistent-catalogue/",
                                                   "--enable-xml-output", "--no-daemon"};
    const std::vector<Case> cases = {
        {"enabled", {"feedback-enabled"}, missingSourceRun, text, 1, 1},
        {"undecided", {}, missingSourceRun, text, 1, 1},
        {"undecided, XML", {}, inForeground, xml, 1, 0},
        {"enabled, XML in the background", {"feedback-enabled"}, inBackground, xmlInTheBackground, 1, 0},
        {"disabled", {"feedback-disabled"}, missingSourceRun, text, 0, 1},
        {"both flag files", {"feedback-enabled", "feedback-disabled"}, missingSourceRun, text, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramHost host;
        ProgramHost::Run run;
        run.arguments = c.arguments;
        run.prepare = feedbackFiles(c.planted);
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, c.exitCode);
        // What the operator was told of the failure; the background run tells
        // only that it started.
        std::string userText;
        if (c.output == text) {
            ASSERT_THAT(result.out, ::testing::StartsWith("\nERROR: "));
            userText = result.out.substr(std::string("\nERROR: ").size());
        } else {
            const XmlLint answer(result.out);
            EXPECT_EQ(answer.complaints(), "") << result.out;
            const std::string message = answer.attribute("/kitwright", "error_message");
            if (c.output == xml) {
                userText = message + "\n";
            } else {
                EXPECT_EQ(message, "Installation started");
            }
        }
        if (c.output != xmlInTheBackground) {
            EXPECT_THAT(userText, HasSubstr("/nonexistent-catalogue/"));
        }

        const std::vector<ReportRecord> reports = host.reports();
        ASSERT_EQ(reports.size(), c.reports);
        if (reports.empty()) continue;
        EXPECT_EQ(reports[0].arguments, std::vector<std::string>({"install"})) << "no release was selected";
        const XmlLint lint(reports[0].input);
        EXPECT_EQ(lint.complaints(), "") << reports[0].input;
        EXPECT_EQ(lint.value("string(//kw_source_url)"), "/nonexistent-catalogue/");
        EXPECT_THAT(lint.value("string(/error/summary)"), HasSubstr("/nonexistent-catalogue/"));
        const std::string message = decodeBase64(lint.value("string(/error/message)"));
        EXPECT_THAT(message, HasSubstr("/nonexistent-catalogue/products.inf3"));
        if (!userText.empty()) {
            EXPECT_EQ(message, "\nERROR: \n" + userText);
        }
    }
}

// The tool is told the version of the "zarni" release the run chose, and only
// while the feedback belongs to "zarni".
TEST(Startup, ReportNamesTheChosenZarniVersionOnlyForZarniFeedback)
{
    struct Case {
        const char* name;
        const char* feedbackProduct;  // null: no file
        std::vector<std::string> arguments;
    };
    const std::vector<Case> cases = {
        {"no feedback product file", nullptr, {"install", "--version", "1.1.0"}},
        {"feedback product zarni, padded", " zarni\n", {"install", "--version", "1.1.0"}},
        {"feedback product tenebrin", "tenebrin", {"install"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramHost host;
        ProgramHost::Run run;
        run.arguments = {"install", "zarni", "1.1.0", "--source",
                         std::string(KW_TEST_DATA_DIR) + "/startup/zarni-build-file-missing/"};
        run.arguments.insert(run.arguments.end(), debian12.begin(), debian12.end());
        const std::string product = c.feedbackProduct ? c.feedbackProduct : "";
        const bool plantProduct = c.feedbackProduct != nullptr;
        run.prepare = [product, plantProduct]() -> std::shared_ptr<void> {
            privatehost::makeDirectories("/var/kestavine");
            privatehost::writeWhole("/var/kestavine/feedback-enabled", "");
            if (plantProduct) privatehost::writeWhole("/var/kestavine/feedback-product", product);
            return nullptr;
        };
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(result.out, HasSubstr("missing.build.inf3"));
        const std::vector<ReportRecord> reports = host.reports();
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].arguments, c.arguments);
    }
}

// Under a translated locale the program prints the lines that the language's
// tables pin: the command-help prefix, the first line of the option help, the
// name that opens the version answer. The locales are compiled inside the build
// tree, which the private host keeps visible.
TEST(Startup, PrintsTheLinesOfItsLanguageWithRealLocales)
{
    const std::string locales = fileops::dirname(KW_PROGRAM) + "/../tests/compiled-locales";
    ::setenv("KW_TEST_LOCALES", locales.c_str(), 0);
    const std::string compile = std::string(KW_SOURCE_DIR) + "/tests/bin/compile-locales '" + locales + "' >/dev/null 2>&1";
    if (std::system(compile.c_str()) != 0 || compiledLocales().empty())
        GTEST_SKIP() << "localedef could not compile the test locales";
    ProgramHost host;
    const struct Case {
        const char* locale;
        std::vector<std::string> arguments;
        const char* firstLine;  // how the first line of the answer begins
    } cases[] = {
        {"da_DK.UTF-8", {"help", "install"}, "Anvendelse: installer install [SELECTOR ...]"},
        {"de_DE.UTF-8", {"help", "install"}, "Verwendung: installer install [SELECTOR ...]"},
        {"el_GR.UTF-8", {"--help-options"}, "Χρήση: installer [OPTIONS]"},
        {"fr_FR.UTF-8", {"--version"}, "Programme d'installation de Zarni "},
        {"he_IL.UTF-8", {"--version"}, "מתקין Zarni "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        ProgramHost::Run run;
        run.arguments = c.arguments;
        // The C library keeps what it loads for a locale until exit, which the
        // leak check of a sanitized build would count as the program's.
        run.environment = {std::string("LC_ALL=") + c.locale, "LOCPATH=" + locales, "ASAN_OPTIONS=detect_leaks=0"};
        const PrivateHostResult result = host.run(run);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_THAT(result.out.substr(0, result.out.find('\n')), ::testing::StartsWith(c.firstLine));
    }
}

// The starting values the runs rely on, seen from outside: the XML status
// values before and after the options that give them their prefix; the log
// text written before the log file opens, which comes first in the file; no
// proxy for the children without proxy options; the package managers' list
// and repository files.
TEST(Startup, StartingValues)
{
    ProgramHost host;
    struct StatusCase {
        const char* name;
        std::vector<std::string> arguments;
        const char* status;
    };
    const StatusCase statusCases[] = {
        {"before any option is read", {"--enable-xml-output", "--no-such-option"}, "error"},
        {"after an installation option",
         {"--install-everything", "--enable-xml-output", "--no-daemon", "--source", "/nonexistent-catalogue/"},
         "install_error"},
        {"after the status query", {"--query-status", "--enable-xml-output"}, "query_ok"},
    };
    for (const StatusCase& c : statusCases) {
        SCOPED_TRACE(c.name);
        const PrivateHostResult result = host.run(c.arguments);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(XmlLint(result.out).attribute("/kitwright", "status"), c.status) << result.out;
    }

    {
        SCOPED_TRACE("the text logged before the log file opens comes first in it, in order, once");
        ProgramHost::Run run;
        run.arguments = {"list", "--source", "/nonexistent-catalogue/"};
        run.inspect = [] { return readText("/var/log/zarni/install/kitwright3.log"); };
        const PrivateHostResult result = host.run(run);
        const std::string::size_type banner = result.inspected.find(Messages::get("Kitwright") + " " + kwVersion());
        ASSERT_NE(banner, std::string::npos) << result.inspected;
        // The catalogue's choice of language is logged before the banner, both before the file opens.
        EXPECT_LT(result.inspected.find("Environment locale name is "), banner) << result.inspected;
        EXPECT_EQ(result.inspected.find(Messages::get("Kitwright") + " " + kwVersion(), banner + 1), std::string::npos);
        EXPECT_GT(result.inspected.find("/nonexistent-catalogue/"), result.inspected.find("Command line arguments: "));

        SCOPED_TRACE("no proxy variable in a child's environment without proxy options");
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(host.calls(), ::testing::IsSupersetOf({"getenforce env: HTTP_PROXY unset",
                                                           "getenforce env: FTP_PROXY unset",
                                                           "getenforce env: HTTP_PROXY_AUTH unset"}));
    }

    SCOPED_TRACE("the package managers' files: their directories with the file names appended");
    EXPECT_EQ(DebianAPTConfigurator::temporaryListPath(), "/etc/apt/sources.list.d/50vk_kitwright.list");
    EXPECT_EQ(YumConfigurator::temporaryRepoPath(), "/etc/yum.repos.d/kitwright-sources.repo");
}
