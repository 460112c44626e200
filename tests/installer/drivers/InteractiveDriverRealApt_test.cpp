// The text wizard's main road with the real apt and dpkg (suite
// RealAptInteractive, CTest label "e2e"): scripts/demo.sh runs the built
// program on the demo catalogue, whose signed repositories it serves on
// 127.0.0.1, inside a throw-away overlay of the cached Debian 12 root. The
// operator's answers come on standard input, one line each, as typed.

#include "common/Messages.h"
#include "tests/common/CommandOutput.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

}  // namespace

TEST(RealAptInteractive, MainRoadInstallsTheFullType)
{
    if (::geteuid() != 0) GTEST_SKIP() << "the throw-away root needs root";
    // Welcome F; the releases page (one product, the latest preselected) F; the
    // feedback question y; the release's caution Enter; the installation types
    // page 3 (Full) and F; the packages page F.
    const std::string answers = "F\\nF\\ny\\n\\n3\\nF\\nF\\n";
    const std::string script = "printf '" + answers + "' | kitwright --source \"$SOURCE\" >/tmp/kw-out 2>&1; "
                               "echo \"@@@ exit $?\"; cat /tmp/kw-out; echo '@@@ installed'; "
                               "dpkg-query -W -f='${Package} ${Version}\\n' 'zarni-*' | sort; echo '@@@ lists'; "
                               "ls /etc/apt/sources.list.d; echo '@@@ feedback'; ls /var/kestavine";
    int status = 0;
    const std::string output = commandOutput("KITWRIGHT='" + std::string(KW_PROGRAM) + "' " + KW_SOURCE_DIR +
                                                 "/scripts/demo.sh --shell " + quoted(script) + " 2>&1",
                                             &status);
    ASSERT_EQ(status, 0) << output;
    const auto section = [&](const std::string& name) {
        const std::string::size_type start = output.find("@@@ " + name);
        if (start == std::string::npos) return std::string();
        const std::string::size_type body = output.find('\n', start) + 1;
        const std::string::size_type end = output.find("@@@ ", body);
        return output.substr(body, end == std::string::npos ? std::string::npos : end - body);
    };
    EXPECT_THAT(output, HasSubstr("@@@ exit 0")) << output;
    EXPECT_THAT(section("exit"), HasSubstr(Messages::get("install_ok"))) << output;
    EXPECT_EQ(section("installed"),
              "zarni-base 1.1.0-1\nzarni-bootstrap 1.1.0-1\nzarni-dns 1.1.0-1\nzarni-mail-postfix 1.1.0-1\n"
              "zarni-php82 8.2.26-1\nzarni-php83 8.3.14-1\nzarni-web 1.1.0-1\n")
        << output;
    EXPECT_THAT(section("lists"), Not(HasSubstr("tmp"))) << "the temporary list is gone: " << output;
    EXPECT_THAT(section("feedback"), HasSubstr("feedback-enabled")) << output;
}
