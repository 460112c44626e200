// The command line end to end with the real apt and dpkg (suite RealAptProgram,
// CTest label "e2e"): scripts/demo.sh runs the built program on the demo
// catalogue, whose signed repositories it serves on 127.0.0.1, inside a
// throw-away overlay of the cached Debian 12 root (private mount, PID and IPC
// namespaces), so nothing of this machine's package configuration is touched.

#include "common/Messages.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/XmlLint.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/format.hpp>

#include <map>
#include <sstream>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// What one step of a session printed and how it ended.
struct Step {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A session: shell steps run one after the other in one throw-away root, each
// a command line with kitwright on PATH and $SOURCE the demo source. The
// steps' answers, by name; "skip" holds why the session could not run.
class Session {
public:
    void add(const std::string& name, const std::string& commandLine) { steps_.emplace_back(name, commandLine); }

    std::map<std::string, Step> run(std::string* skip) const
    {
        std::string script = "step() { name=$1; shift; sh -c \"$1\" >/tmp/kw-out 2>/tmp/kw-err; code=$?; "
                             "printf '\\n@@@ %s out %s\\n' \"$name\" \"$code\"; cat /tmp/kw-out; "
                             "printf '\\n@@@ %s err\\n' \"$name\"; cat /tmp/kw-err; }\n";
        for (const auto& step : steps_) script += "step " + quoted(step.first) + " " + quoted(step.second) + "\n";
        int status = 0;
        const std::string output = commandOutput("KITWRIGHT=" + quoted(KW_PROGRAM) + " " + KW_SOURCE_DIR +
                                                     "/scripts/demo.sh --shell " + quoted(script) + " 2>&1",
                                                 &status);
        std::map<std::string, Step> steps;
        const std::string::size_type first = output.find("\n@@@ ");
        if (status != 0 || first == std::string::npos) {
            *skip = "scripts/demo.sh failed (" + std::to_string(status) + "): " + output;
            return steps;
        }
        // Sections "\n@@@ NAME out CODE\n" and "\n@@@ NAME err\n", each followed by its text.
        std::string::size_type at = first;
        while (at != std::string::npos) {
            const std::string::size_type lineEnd = output.find('\n', at + 1);
            std::istringstream header(output.substr(at + 5, lineEnd - at - 5));
            std::string name, kind;
            int code = -1;
            header >> name >> kind >> code;
            const std::string::size_type next = output.find("\n@@@ ", lineEnd);
            const std::string text = output.substr(lineEnd + 1, next == std::string::npos ? std::string::npos : next - lineEnd - 1);
            if (kind == "out") {
                steps[name].exitCode = code;
                steps[name].out = text;
            } else {
                steps[name].err = text;
            }
            at = next;
        }
        return steps;
    }

private:
    static std::string quoted(const std::string& text)
    {
        std::string result = "'";
        for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return result + "'";
    }

    std::vector<std::pair<std::string, std::string>> steps_;
};

std::string message(const char* key, const std::vector<std::string>& arguments = {})
{
    boost::format text = Messages::format(key);
    for (const std::string& argument : arguments) text % argument;
    return text.str();
}

// Checks an XML answer with xmllint: well-formed, with the status it should have.
void expectDocument(const Step& step, const std::string& status)
{
    const XmlLint document(step.out);
    EXPECT_EQ(document.complaints(), "") << step.out;
    EXPECT_EQ(document.attribute("/kitwright", "status"), status) << step.out;
}

}  // namespace

TEST(RealAptProgram, QueriesAnswerAlikeInBothSyntaxes)
{
    if (::geteuid() != 0) GTEST_SKIP() << "the throw-away root needs root";
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
    if (::geteuid() != 0) GTEST_SKIP() << "the throw-away root needs root";
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
