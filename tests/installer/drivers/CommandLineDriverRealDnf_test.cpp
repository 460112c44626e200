// The command line end to end with the real dnf and rpm (suite
// RealDnfProgram, CTest label "e2e"): scripts/demo.sh --el9 runs the built
// program on the demo catalogue, with the trouble packages of
// tests/data/drivers/demo-trouble, inside a throw-away overlay of the cached
// fake RedHat 9 root.

#include "tests/common/PrivateNamespace.h"
#include "tests/installer/drivers/DemoSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

using ::testing::HasSubstr;
using ::testing::Not;
using demo::message;
using demo::Session;
using demo::Step;

// One session in the order an operator lives it: install 1.0, look at a dry
// run's repository file, upgrade to 1.1, an installation whose %pre fails,
// a removal, and a system without any enabled repository of its own. Every
// result is read from rpm and the files, not from the installer's words.
TEST(RealDnfProgram, InstallUpgradeFailRemoveAndNoSystemRepository)
{
    if (::geteuid() != 0) KW_SKIP_UNAVAILABLE("the throw-away root needs root");
    Session session(std::string("--el9 --extra ") + KW_TEST_DATA_DIR + "/drivers/demo-trouble");
    const std::string source = " --source \"$SOURCE\"";
    const std::string packages = "rpm -q zarni-base zarni-web libzarni-common zarni-trouble";
    const std::string statistics = "cat /var/log/zarni/install/kw_action_time.xml";
    session.add("install", "kitwright install zarni 1.0.0 --preset Typical" + source);
    session.add("installed", packages);
    session.add("key", "rpm -q gpg-pubkey --qf '%{SUMMARY}\\n'");
    session.add("repos-after-install", "ls /etc/yum.repos.d");
    session.add("statistics-install", statistics);
    session.add("upgrade", "kitwright upgrade zarni-1.1" + source);
    session.add("upgraded", packages);
    session.add("statistics-upgrade", statistics);
    session.add("dry-run", "kitwright add --components dns --dry-run --skip-cleanup" + source +
                               " && cat /etc/yum.repos.d/kitwright-sources.repo && rm /etc/yum.repos.d/kitwright-sources.repo");
    session.add("repos-before", "md5sum /etc/yum.repos.d/*");
    session.add("failing", "touch /etc/zarni-trouble && kitwright add --components trouble" + source);
    session.add("after-failure", packages);
    session.add("repos-after-failure", "md5sum /etc/yum.repos.d/*");
    session.add("remove", "kitwright remove --components web" + source);
    session.add("removed", packages);
    session.add("no-repository",
                "mv /etc/yum.repos.d/el9-base.repo /root/ && kitwright add --components dns" + source);
    session.add("not-added", "rpm -q zarni-dns");
    std::string skip;
    std::map<std::string, Step> steps = session.run(&skip);
    if (!skip.empty()) FAIL() << skip;

    EXPECT_EQ(steps["install"].exitCode, 0) << steps["install"].out << steps["install"].err;
    EXPECT_EQ(steps["installed"].out, "zarni-base-1.0.0-1.noarch\nzarni-web-1.0.0-1.noarch\n"
                                      "libzarni-common-1.0.0-1.noarch\npackage zarni-trouble is not installed\n");
    // The helper's plan is what rpm then holds, the pulled dependency with it.
    for (const char* planned : {"+ libzarni-common:noarch=0:1.0.0-1\n", "+ zarni-base:noarch=0:1.0.0-1\n",
                                "+ zarni-web:noarch=0:1.0.0-1\n"})
        EXPECT_THAT(steps["install"].out + steps["install"].err, HasSubstr(planned));
    EXPECT_THAT(steps["key"].out, HasSubstr("Zarni Test Packages <packages@zarni.example>"));
    EXPECT_EQ(steps["repos-after-install"].out, "el9-base.repo\n") << "the temporary repository file is gone";
    EXPECT_THAT(steps["statistics-install"].out, HasSubstr("status=\"success\""));
    EXPECT_THAT(steps["statistics-install"].out, HasSubstr("<release version=\"\" new_version=\"zarni-1.0\""));

    EXPECT_EQ(steps["upgrade"].exitCode, 0) << steps["upgrade"].out << steps["upgrade"].err;
    EXPECT_EQ(steps["upgraded"].out, "zarni-base-1.1.0-1.noarch\nzarni-web-1.1.0-1.noarch\n"
                                     "libzarni-common-1.0.0-1.noarch\npackage zarni-trouble is not installed\n");
    EXPECT_THAT(steps["statistics-upgrade"].out,
                HasSubstr("<release version=\"zarni-1.0\" new_version=\"zarni-1.1\" mode=\"upgrade\""));
    EXPECT_THAT(steps["statistics-upgrade"].out,
                HasSubstr("<component name=\"zarni/base\" mode=\"U\" from=\"1.0.0-1\" to=\"1.1.0-1\""));

    EXPECT_EQ(steps["dry-run"].exitCode, 0) << steps["dry-run"].out << steps["dry-run"].err;
    EXPECT_THAT(steps["dry-run"].out, HasSubstr("[zarni-1.1]\nname=Zarni 1.1\nbaseurl="));
    EXPECT_THAT(steps["dry-run"].out, HasSubstr("/zarni/1.1/redhat-9/1.1/\nenabled=0\ngpgcheck=1"));
    EXPECT_THAT(steps["dry-run"].out, HasSubstr("[I] zarni-dns-1.1.0-1.noarch\n"));

    EXPECT_EQ(steps["failing"].exitCode, 1);
    EXPECT_THAT(steps["failing"].out + steps["failing"].err, HasSubstr(message("err_pkginst_yum")));
    EXPECT_EQ(steps["after-failure"].out, steps["upgraded"].out) << "nothing of the failed transaction stays";
    EXPECT_EQ(steps["repos-after-failure"].out, steps["repos-before"].out) << "the repository files as they were";

    EXPECT_EQ(steps["remove"].exitCode, 0) << steps["remove"].out << steps["remove"].err;
    EXPECT_EQ(steps["removed"].out, "zarni-base-1.1.0-1.noarch\npackage zarni-web is not installed\n"
                                    "libzarni-common-1.0.0-1.noarch\npackage zarni-trouble is not installed\n");

    EXPECT_EQ(steps["no-repository"].exitCode, 1);
    EXPECT_THAT(steps["no-repository"].out + steps["no-repository"].err, HasSubstr(message("err_yum_no_repos")));
    EXPECT_EQ(steps["not-added"].out, "package zarni-dns is not installed\n");
}
