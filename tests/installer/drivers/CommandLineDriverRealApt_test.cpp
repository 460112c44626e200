// The command line end to end with the real apt and dpkg (suite RealAptProgram,
// CTest label "e2e"): scripts/demo.sh runs the built program on the demo
// catalogue, whose signed repositories it serves on 127.0.0.1, inside a
// throw-away overlay of the cached Debian 12 root (private mount, PID and IPC
// namespaces), so nothing of this machine's package configuration is touched.

#include "tests/common/PrivateNamespace.h"
#include "tests/installer/drivers/DemoSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;
using demo::expectDocument;
using demo::message;
using demo::Session;
using demo::Step;

TEST(RealAptProgram, QueriesAnswerAlikeInBothSyntaxes)
{
    if (::geteuid() != 0) KW_SKIP_UNAVAILABLE("the throw-away root needs root");
    Session session;
    const std::string source = " --source \"$SOURCE\"";
    session.add("products", "kitwright list" + source);
    session.add("products-xml", "kitwright list --xml" + source);
    session.add("all", "kitwright list-all" + source);
    session.add("all-xml", "kitwright list-all --xml" + source);
    session.add("releases", "kitwright list zarni" + source);
    session.add("releases-xml", "kitwright list zarni --xml" + source);
    session.add("legacy-releases", "kitwright --select-product-id zarni --show-releases" + source);
    session.add("legacy-releases-xml",
                "kitwright --select-product-id zarni --show-releases --enable-xml-output" + source);
    session.add("components", "kitwright list zarni 1.1.0 --components" + source);
    session.add("components-xml", "kitwright list zarni 1.1.0 --components --xml" + source);
    session.add("legacy-components",
                "kitwright --select-product-id zarni --select-release-id zarni-1.1 --show-components" + source);
    session.add("apt-before", "find /etc/apt -type f | sort | xargs md5sum; md5sum /var/lib/dpkg/status");
    session.add("dry-run", "kitwright install zarni --preset Full --dry-run" + source);
    session.add("dry-run-xml", "kitwright install zarni --preset Full --dry-run --xml" + source);
    session.add("apt-after", "find /etc/apt -type f | sort | xargs md5sum; md5sum /var/lib/dpkg/status");
    std::string skip;
    std::map<std::string, Step> steps = session.run(&skip);
    if (!skip.empty()) FAIL() << skip;

    for (const char* name : {"products", "all", "releases", "legacy-releases", "components", "legacy-components",
                             "dry-run"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(steps[name].exitCode, 0) << steps[name].out << steps[name].err;
    }
    EXPECT_THAT(steps["products"].out, HasSubstr("zarni"));
    EXPECT_THAT(steps["all"].out, HasSubstr("zarni-1.1"));
    EXPECT_EQ(steps["legacy-releases"].out, steps["releases"].out);
    EXPECT_EQ(steps["legacy-releases-xml"].out, steps["releases-xml"].out);
    EXPECT_EQ(steps["legacy-components"].out, steps["components"].out);
    EXPECT_THAT(steps["components"].out, HasSubstr("mail-postfix"));

    for (const char* name : {"products-xml", "all-xml", "releases-xml", "legacy-releases-xml", "components-xml",
                             "dry-run-xml"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(steps[name].exitCode, 0);
        expectDocument(steps[name], "ok");
    }
    EXPECT_EQ(XmlLint(steps["products-xml"].out).value("string(//product/@id)"), "zarni");
    EXPECT_EQ(XmlLint(steps["components-xml"].out).value("string(//release/@id)"), "zarni-1.1");
    EXPECT_EQ(XmlLint(steps["dry-run-xml"].out).value("count(//package[@name='zarni-base'])"), "1")
        << steps["dry-run-xml"].out;

    EXPECT_THAT(steps["dry-run"].out, HasSubstr("zarni-base"));
    EXPECT_EQ(steps["apt-after"].out, steps["apt-before"].out) << "a dry run leaves /etc/apt and dpkg as they were";
}

TEST(RealAptProgram, InstallsAndRefusesWhatCannotBeDone)
{
    if (::geteuid() != 0) KW_SKIP_UNAVAILABLE("the throw-away root needs root");
    Session session;
    const std::string source = " --source \"$SOURCE\"";
    session.add("apt-before", "find /etc/apt -type f | sort | xargs md5sum; md5sum /var/lib/dpkg/status");
    session.add("bogus", "kitwright install --bogus" + source);
    session.add("conflict", "kitwright list --presets --sources" + source);
    session.add("retries", "kitwright --download-retry-count 0 --show-releases" + source);
    session.add("upgrade-missing", "kitwright upgrade zarni-1.1" + source);
    session.add("upgrade-missing-xml", "kitwright upgrade zarni-1.1 --xml" + source);
    session.add("apt-unchanged", "find /etc/apt -type f | sort | xargs md5sum; md5sum /var/lib/dpkg/status");
    session.add("install", "kitwright install zarni --preset Typical" + source);
    session.add("installed", "dpkg-query -W -f='${Package} ${Version}\\n' 'zarni-*' | sort");
    session.add("lists", "ls /etc/apt/sources.list.d");
    session.add("statistics", "find / -xdev -name kw_action_time.xml");
    session.add("again", "kitwright install zarni" + source);
    session.add("nothing-to-do", "kitwright add --components base" + source);
    session.add("remove-package", "kitwright --remove-package zarni-web" + source);
    session.add("removed", "dpkg-query -W -f='${Package} ${db:Status-Abbrev}\\n' zarni-web");
    std::string skip;
    std::map<std::string, Step> steps = session.run(&skip);
    if (!skip.empty()) FAIL() << skip;

    const struct {
        const char* name;
        std::string text;
    } refusals[] = {
        {"bogus", "--bogus"},
        {"conflict", message("err_opt_conflict", {"presets", "sources"})},
        {"retries", message("err_retry_arg", {"--download-retry-count"})},
        {"upgrade-missing", message("err_prod_nocurrent", {"zarni"})},
        {"again", message("err_prod_ver_already_installed", {"1.1.0", "zarni"})},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        EXPECT_EQ(steps[refusal.name].exitCode, 1);
        EXPECT_THAT(steps[refusal.name].out + steps[refusal.name].err, HasSubstr(refusal.text));
    }
    EXPECT_EQ(steps["apt-unchanged"].out, steps["apt-before"].out) << "refused runs change nothing";
    EXPECT_EQ(steps["upgrade-missing-xml"].exitCode, 0) << "an XML answer tells the failure in the document";
    expectDocument(steps["upgrade-missing-xml"], "error");

    EXPECT_EQ(steps["install"].exitCode, 0) << steps["install"].out << steps["install"].err;
    EXPECT_THAT(steps["install"].err, HasSubstr(message("install_ok")));
    EXPECT_EQ(steps["installed"].out,
              "zarni-base 1.1.0-1\nzarni-bootstrap 1.1.0-1\nzarni-mail-postfix 1.1.0-1\nzarni-web 1.1.0-1\n");
    EXPECT_THAT(steps["lists"].out, Not(HasSubstr("tmp"))) << "the temporary list is gone";
    EXPECT_THAT(steps["statistics"].out, HasSubstr("kw_action_time.xml"));

    EXPECT_EQ(steps["nothing-to-do"].exitCode, 0) << steps["nothing-to-do"].err;
    EXPECT_THAT(steps["nothing-to-do"].err, HasSubstr(message("components_allready_installed")));
    EXPECT_EQ(steps["remove-package"].exitCode, 0) << steps["remove-package"].err;
    EXPECT_THAT(steps["removed"].out, Not(HasSubstr("ii"))) << steps["removed"].out;
}

// One session in the order an operator lives it, with the trouble package of
// tests/data/drivers/demo-trouble: a build whose key is not the repository's
// is refused; install 1.0, upgrade to 1.1, an installation whose postinst
// fails, the next run recovering it, a removal. Every result is read from
// dpkg, gpg and the files, not from the installer's words.
TEST(RealAptProgram, InstallUpgradeFailRecoverAndRemove)
{
    if (::geteuid() != 0) KW_SKIP_UNAVAILABLE("the throw-away root needs root");
    Session session(std::string("--extra ") + KW_TEST_DATA_DIR + "/drivers/demo-trouble");
    const std::string source = " --source \"$SOURCE\"";
    // The packages dpkg knows, by name.
    const std::string packages = "dpkg-query -W -f='${Package} ${db:Status-Abbrev}${Version}\\n' zarni-base zarni-web "
                                 "libzarni-common zarni-trouble zarni-dns 2>/dev/null";
    const std::string aptFiles = "find /etc/apt -type f | sort | xargs md5sum";
    const std::string statistics = "cat /var/log/zarni/install/kw_action_time.xml";
    const std::string flag = "ls /var/kestavine/kitwright-installation-failure.flag 2>/dev/null; true";
    const std::string build = "$CATALOGUE/zarni/1.1/debian-12.build.inf3";
    // The 1.1 build given the key of the 1.0 repository.
    session.add("apt-before", aptFiles);
    session.add("wrong-key", "cp " + build + " /root/build && { sed '/<gpg_public_key>/,$d' /root/build; "
                             "printf '<gpg_public_key>%s</gpg_public_key>\\n</build>\\n' "
                             "\"$(cat $CATALOGUE/zarni/debian-12/1.0/key.asc)\"; } >" + build +
                             " && kitwright install zarni 1.1.0 --preset Typical --dry-run" + source);
    session.add("after-wrong-key", aptFiles + "; cp /root/build " + build);
    session.add("install", "kitwright install zarni 1.0.0 --preset Typical" + source);
    session.add("installed", packages);
    session.add("list", "ls /etc/apt/sources.list.d; sed \"s|$SOURCE|SOURCE/|\" /etc/apt/sources.list.d/zarni.list");
    session.add("leftovers", "find / -xdev -name '*.kw_back'; " + flag +
                                 "; grep -c 'Install command successfully completed' /var/log/zarni/install/kitwright3.log");
    session.add("keyring", "stat -c %a /etc/apt/keyrings/zarni.gpg; gpg --show-keys /etc/apt/keyrings/zarni.gpg "
                           "2>/dev/null | grep -c 'uid.*Zarni Test Packages <packages@zarni.example>'");
    session.add("architectures", "dpkg --print-foreign-architectures");
    session.add("statistics-install", statistics);
    session.add("upgrade", "kitwright upgrade zarni-1.1" + source);
    session.add("upgraded", packages);
    session.add("list-upgraded", "sed \"s|$SOURCE|SOURCE/|\" /etc/apt/sources.list.d/zarni.list");
    session.add("statistics-upgrade", statistics);
    session.add("before-failure", aptFiles);
    session.add("failing", "touch /etc/zarni-trouble && kitwright add --components trouble" + source);
    session.add("after-failure", aptFiles + "; " + flag + "; dpkg --audit | grep '^ ' | awk '{print $1}'");
    session.add("recover", "rm /etc/zarni-trouble && kitwright add --components dns" + source);
    session.add("recovery-logged", "for line in \"running 'dpkg --configure -a' once\" "
                                   "'WARNING: Failure of previous installation was detected!'; do "
                                   "grep -c \"$line\" /var/log/zarni/install/kitwright3.log; done");
    session.add("recovered", packages + "; " + flag + "; dpkg --audit");
    session.add("remove", "kitwright remove --components web" + source);
    session.add("removed", packages);
    std::string skip;
    std::map<std::string, Step> steps = session.run(&skip);
    if (!skip.empty()) FAIL() << skip;

    EXPECT_EQ(steps["wrong-key"].exitCode, 1) << steps["wrong-key"].out << steps["wrong-key"].err;
    EXPECT_EQ(steps["after-wrong-key"].out, steps["apt-before"].out) << "the refused run put every file back";

    EXPECT_EQ(steps["install"].exitCode, 0) << steps["install"].out << steps["install"].err;
    EXPECT_EQ(steps["installed"].out, "libzarni-common ii 1.0.0-1\nzarni-base ii 1.0.0-1\nzarni-web ii 1.0.0-1\n");
    EXPECT_EQ(steps["list"].out, "zarni.list\n## Persistent repositories for Zarni Products.\n"
                                 "deb [signed-by=/etc/apt/keyrings/zarni.gpg] SOURCE/zarni/debian-12/1.0 bookworm main")
        << "only the persistent list stays, with its exact lines";
    EXPECT_EQ(steps["leftovers"].out, "1\n") << "no backup and no failure flag left; the success logged";
    EXPECT_EQ(steps["keyring"].out, "644\n1\n");
    EXPECT_EQ(steps["architectures"].out, "i386\n") << "the root had none; the run added it";
    EXPECT_THAT(steps["statistics-install"].out, HasSubstr("status=\"success\""));
    EXPECT_THAT(steps["statistics-install"].out, HasSubstr("<release version=\"\" new_version=\"zarni-1.0\""));

    EXPECT_EQ(steps["upgrade"].exitCode, 0) << steps["upgrade"].out << steps["upgrade"].err;
    EXPECT_EQ(steps["upgraded"].out, "libzarni-common ii 1.0.0-1\nzarni-base ii 1.1.0-1\nzarni-web ii 1.1.0-1\n");
    EXPECT_EQ(steps["list-upgraded"].out, "## Persistent repositories for Zarni Products.\n"
                                          "deb [signed-by=/etc/apt/keyrings/zarni.gpg] SOURCE/zarni/debian-12/1.1 "
                                          "bookworm main");
    EXPECT_THAT(steps["statistics-upgrade"].out,
                HasSubstr("<release version=\"zarni-1.0\" new_version=\"zarni-1.1\" mode=\"upgrade\""));
    EXPECT_THAT(steps["statistics-upgrade"].out,
                HasSubstr("<component name=\"zarni/base\" mode=\"U\" from=\"1.0.0-1\" to=\"1.1.0-1\""));

    EXPECT_EQ(steps["failing"].exitCode, 1);
    EXPECT_THAT(steps["failing"].out + steps["failing"].err, HasSubstr(message("err_debinstall")));
    EXPECT_EQ(steps["after-failure"].out, steps["before-failure"].out +
                                              "/var/kestavine/kitwright-installation-failure.flag\nzarni-trouble\n")
        << "lists and keyring byte for byte as before, the flag set, dpkg naming only that package";

    EXPECT_EQ(steps["recover"].exitCode, 0) << steps["recover"].out << steps["recover"].err;
    EXPECT_EQ(steps["recovery-logged"].out, "1\n1\n") << "dpkg recovered, the post actions run for all";
    EXPECT_EQ(steps["recovered"].out, "libzarni-common ii 1.0.0-1\nzarni-base ii 1.1.0-1\nzarni-dns ii 1.1.0-1\n"
                                      "zarni-trouble ii 1.1.0-1\nzarni-web ii 1.1.0-1\n")
        << "the flag gone and dpkg clean";

    EXPECT_EQ(steps["remove"].exitCode, 0) << steps["remove"].out << steps["remove"].err;
    EXPECT_THAT(steps["removed"].out, HasSubstr("zarni-base ii 1.1.0-1\n"));
    EXPECT_THAT(steps["removed"].out, Not(HasSubstr("zarni-web ii")));
    EXPECT_THAT(steps["removed"].out, HasSubstr("zarni-dns ii 1.1.0-1\n")) << "the others untouched";
}

namespace {

// What a session reads after a run: the packages dpkg knows, what "dpkg
// --audit" says and whether dpkg's journal holds a change, and whether the
// failure flag is set.
const char kDpkgState[] =
    "dpkg-query -W -f='${Package} ${db:Status-Abbrev}${Version}\\n' 'zarni-*' 'libzarni-*' 2>/dev/null; "
    "echo audit; dpkg --audit; ! ls /var/lib/dpkg/updates | grep -q . || echo 'journal not empty'; "
    "echo flag; ls /var/kestavine/kitwright-installation-failure.flag 2>/dev/null; true";
const char kLog[] = "/var/log/zarni/install/kitwright3.log";

// The dpkg part of a kDpkgState answer.
std::string auditOf(const std::string& state)
{
    const std::string::size_type from = state.find("audit\n") + 6;
    return state.substr(from, state.find("flag\n") - from);
}

}  // namespace

// SIGTERM while a postinst runs (the trouble package's, slow while the pipe
// /run/zarni-slow exists): apt-get and dpkg finish, the package ends "ii", the
// run ends interrupted with the failure flag set and nothing of it left
// running; the next run recovers and ends "ok".
TEST(RealAptProgram, TerminationDuringASlowPostinst)
{
    if (::geteuid() != 0) KW_SKIP_UNAVAILABLE("the throw-away root needs root");
    Session session(std::string("--extra ") + KW_TEST_DATA_DIR + "/drivers/demo-trouble");
    const std::string source = " --source \"$SOURCE\"";
    session.add("install", "kitwright install zarni 1.1.0 --preset Typical" + source);
    session.add("terminated", "mkfifo /run/zarni-slow && { kitwright add --components trouble" + source +
                                  " >/root/out 2>&1 & pid=$!; read -r running </run/zarni-slow; kill -TERM $pid; "
                                  "echo go >/run/zarni-slow; wait $pid; echo \"exit $?\"; cat /root/out; "
                                  "rm /run/zarni-slow; }");
    // The processes of the package tools and the installer still in the root.
    session.add("left", "cat /proc/[0-9]*/comm 2>/dev/null | grep -E 'apt|dpkg|kitwright|ld-linux'; true");
    session.add("state", kDpkgState);
    session.add("waited", std::string("grep -c 'Termination requested: waiting for the package manager' ") + kLog);
    session.add("next", "kitwright add --components dns" + source);
    session.add("next-state", kDpkgState);
    std::string skip;
    std::map<std::string, Step> steps = session.run(&skip);
    if (!skip.empty()) FAIL() << skip;

    EXPECT_EQ(steps["install"].exitCode, 0) << steps["install"].out << steps["install"].err;
    EXPECT_THAT(steps["terminated"].out, testing::StartsWith("exit 2\n")) << steps["terminated"].out;
    EXPECT_THAT(steps["terminated"].out, HasSubstr(message("user_canceled")));
    EXPECT_EQ(steps["left"].out, "") << "no apt, dpkg or installer process left";
    EXPECT_THAT(steps["state"].out, HasSubstr("zarni-trouble ii 1.1.0-1\n"));
    EXPECT_THAT(steps["state"].out, testing::EndsWith("audit\nflag\n/var/kestavine/kitwright-installation-failure.flag\n"))
        << "dpkg clean, the flag set";
    EXPECT_EQ(steps["waited"].out, "1\n");

    EXPECT_EQ(steps["next"].exitCode, 0) << steps["next"].out << steps["next"].err;
    EXPECT_THAT(steps["next-state"].out, HasSubstr("zarni-dns ii 1.1.0-1\n"));
    EXPECT_THAT(steps["next-state"].out, testing::EndsWith("audit\nflag\n")) << "dpkg clean, the flag gone";
}

// SIGKILL of the whole run (kitwright, apt-get, dpkg and the scripts) at a
// seeded point of dpkg's work inside the install command, then the same
// command again, as often as its answers ask: it ends "ok" with the recovery
// logged when dpkg was left unfinished; or it fails with the error naming
// 'dpkg --configure -a' and the reinstall command, which the operator runs
// before the next run; or, when the product's key package was unpacked
// before the kill, with the refusal of an installed version that points to
// "add", which the next run does. The last run ends "ok", and no run ends
// "ok" while dpkg is not clean.
class RealAptProgramKill : public ::testing::TestWithParam<int> {
public:
    // dpkg reports seven status lines for each of the three packages of the
    // installation (libzarni-common, zarni-base, zarni-web) over its runs; a
    // kill point is one of them, five drawn from the seed (KW_KILL_SEED, or 29).
    static int killPoint(int index)
    {
        const char* seed = std::getenv("KW_KILL_SEED");
        std::vector<int> points(21);
        std::iota(points.begin(), points.end(), 1);
        std::shuffle(points.begin(), points.end(), std::mt19937(seed ? std::strtoul(seed, nullptr, 10) : 29));
        return points[static_cast<std::size_t>(index)];
    }
};

TEST_P(RealAptProgramKill, TheNextRunsRecoverOrNameTheCommands)
{
    if (::geteuid() != 0) KW_SKIP_UNAVAILABLE("the throw-away root needs root");
    const int point = killPoint(GetParam());
    SCOPED_TRACE("killed at dpkg status line " + std::to_string(point));
    RecordProperty("kill_point", point);
    Session session;
    const std::string install = "kitwright install zarni 1.0.0 --preset Typical --source \"$SOURCE\"";
    // dpkg's status logger counts its lines over dpkg's runs and, at the
    // point, ends every process in the root but its init.
    session.add("killed", "printf 'status-logger=/usr/local/bin/kill-point\\n' >/etc/dpkg/dpkg.cfg.d/kill-point; "
                          "printf '#!/bin/sh\\nwhile read -r line; do n=$(($(cat /root/lines 2>/dev/null || echo 0) + "
                          "1)); echo $n >/root/lines; [ $n = " +
                              std::to_string(point) +
                              " ] || continue; echo \"$line\" >/root/killed-at; kill -9 -1; exit 0; done\\n' "
                              ">/usr/local/bin/kill-point; chmod 0755 /usr/local/bin/kill-point; " +
                              install);
    session.add("killed-state", "rm /etc/dpkg/dpkg.cfg.d/kill-point; cat /root/killed-at; " + std::string(kDpkgState));
    // Up to three more runs, each line "run N exit CODE dpkg clean|unfinished",
    // with what the operator did after a failed one.
    session.add("runs",
                "command='" + install +
                    "'; for run in 2 3 4; do sh -c \"$command\" >/root/run 2>&1; code=$?; "
                    "if [ -z \"$(dpkg --audit; ls /var/lib/dpkg/updates)\" ]; then dpkg=clean; else dpkg=unfinished; "
                    "fi; echo \"run $run exit $code dpkg $dpkg\"; [ $code != 0 ] || break; "
                    "reinstall=$(sed -n \"s/.*then '\\(apt-get install --reinstall [^']*\\)'.*/\\1/p\" /root/run | "
                    "head -1); "
                    "if [ -n \"$reinstall\" ]; then echo \"operator: dpkg --configure -a; $reinstall\"; "
                    "dpkg --configure -a >/dev/null 2>&1; DEBIAN_FRONTEND=noninteractive $reinstall -y >/root/operator "
                    "2>&1 || { echo 'the reinstall failed:'; tail -5 /root/operator; }; "
                    "[ -z \"$(dpkg --audit)\" ] || { echo 'dpkg unfinished after them:'; tail -8 /root/operator; }; "
                    "elif grep -q \"'add' command\" /root/run; then echo 'operator: add'; "
                    "command='kitwright add --components base,web --source \"$SOURCE\"'; "
                    "else cat /root/run; break; fi; done");
    session.add("recoveries", std::string("grep -c \"running 'dpkg --configure -a' once\" ") + kLog + "; true");
    session.add("final-state", kDpkgState);
    std::string skip;
    std::map<std::string, Step> steps = session.run(&skip);
    if (!skip.empty()) FAIL() << skip;

    EXPECT_EQ(steps["killed"].exitCode, 137) << steps["killed"].out << steps["killed"].err;
    const bool unfinished = !auditOf(steps["killed-state"].out).empty();
    SCOPED_TRACE("after the kill: " + steps["killed-state"].out);
    const std::string& runs = steps["runs"].out;
    SCOPED_TRACE("the runs after it:\n" + runs);
    RecordProperty("runs", runs);

    std::istringstream lines(runs);
    std::string lastRun;
    bool askedForCommands = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, 4, "run ") == 0) {
            lastRun = line;
            if (line.find(" exit 0 ") != std::string::npos)
                EXPECT_THAT(line, HasSubstr("dpkg clean")) << "a success only over a clean dpkg";
        } else if (line.compare(0, 10, "operator: ") == 0) {
            askedForCommands = askedForCommands || line.find("--reinstall") != std::string::npos;
        } else {
            ADD_FAILURE() << "neither a run nor what its answer asked for: " << line;
        }
    }
    EXPECT_THAT(lastRun, HasSubstr(" exit 0 dpkg clean"));
    EXPECT_EQ(steps["recoveries"].out != "0\n" || askedForCommands, unfinished)
        << "an unfinished dpkg is recovered (logged) or its commands named, and only then";
    EXPECT_THAT(steps["final-state"].out,
                testing::StartsWith("libzarni-common ii 1.0.0-1\nzarni-base ii 1.0.0-1\nzarni-web ii 1.0.0-1\n"));
}

INSTANTIATE_TEST_SUITE_P(RealAptProgram, RealAptProgramKill, ::testing::Range(0, 5));
