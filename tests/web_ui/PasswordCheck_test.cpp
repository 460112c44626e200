#include "web_ui/PasswordCheck.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

namespace {

// Runs `body` in a private mount namespace whose /etc/pam.d is a tmpfs that
// holds only the given service files, so that PAM reads the test's stacks
// of Debian's modules and never the machine's accounts. The body's result;
// the test is skipped when the namespace is not allowed.
int withPamServices(const std::map<std::string, std::string>& services, const std::function<bool()>& body)
{
    return runInPrivateMountNamespace([&] {
        if (mount("tmpfs", "/etc/pam.d", "tmpfs", 0, "mode=0755") != 0) {
            std::perror("mount /etc/pam.d");
            return kNamespaceRefused;
        }
        for (const auto& service : services) writeFileWithDirectories("/etc/pam.d/" + service.first, service.second);
        return body() ? 0 : 1;
    });
}

#define EXPECT_IN_PAM_NAMESPACE(services, body)                                   \
    do {                                                                          \
        const int result = withPamServices(services, body);                       \
        if (result == kNamespaceRefused) GTEST_SKIP() << "no private mount namespace here"; \
        EXPECT_EQ(0, result);                                                     \
    } while (0)

const std::string kPermit = "auth required pam_permit.so\naccount required pam_permit.so\n";
const std::string kDeny = "auth required pam_deny.so\naccount required pam_deny.so\n";
// Debian's layout: the authentication stack and the account stack apart.
const std::string kAuthPermit = "auth required pam_permit.so\n";
const std::string kAccountPermit = "account required pam_permit.so\n";

TEST(PasswordCheck, ProcessUser)
{
    const std::string user = getProcessUserName();
    EXPECT_FALSE(user.empty());
    EXPECT_TRUE(isProcessUser(user));
    std::string otherCase = user;
    otherCase[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(otherCase[0])));
    EXPECT_FALSE(isProcessUser(otherCase));
    EXPECT_FALSE(isProcessUser(""));
    EXPECT_FALSE(isProcessUser(user + " "));
}

TEST(PasswordCheck, ServiceChoice)
{
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{}), [] { return pamServiceName() == "other"; });
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{{"common-auth", kPermit}}),
                            [] { return pamServiceName() == "common-auth"; });
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{{"common-auth", kDeny}, {"system-auth", kPermit}}),
                            [] { return pamServiceName() == "system-auth"; });
}

TEST(PasswordCheck, GoodAndBadLoginThroughPam)
{
    const std::string user = getProcessUserName();
    EXPECT_IN_PAM_NAMESPACE(
        (std::map<std::string, std::string>{{"common-auth", kAuthPermit}, {"common-account", kAccountPermit}}),
        [&] { return checkPassword(user, "any password"); });
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{{"common-auth", kDeny}, {"common-account", kAccountPermit}}), [&] {
        CapturedLog log;
        const bool admitted = checkPassword(user, "any password");
        const bool logged =
            log.text().find("DEBUG: pam_authenticate failed. facility=common-auth: 7 - Authentication failure") !=
            std::string::npos;
        if (!logged) std::fprintf(stderr, "log: %s\n", log.text().c_str());
        return !admitted && logged && log.text().find("any password") == std::string::npos;
    });
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{{"common-auth", kDeny}, {"system-auth", kPermit}}),
                            [&] { return checkPassword(user, "x"); });
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{{"common-auth", kPermit}, {"system-auth", kDeny}}),
                            [&] { return !checkPassword(user, "x"); });
}

TEST(PasswordCheck, AccountStackRefusesAnExpiredOrLockedAccount)
{
    const std::string user = getProcessUserName();
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{{"common-auth", kAuthPermit},
                                                                {"common-account", "account required pam_deny.so\n"}}),
                            [&] {
                                CapturedLog log;
                                return !checkPassword(user, "x") &&
                                       log.text().find("DEBUG: pam_acct_mgmt failed. facility=common-account") !=
                                           std::string::npos;
                            });
    EXPECT_IN_PAM_NAMESPACE(
        (std::map<std::string, std::string>{{"system-auth", "auth required pam_permit.so\naccount required pam_deny.so\n"},
                                            {"common-account", kAccountPermit}}),
        [&] { return !checkPassword(user, "x"); });
}

TEST(PasswordCheck, AccountServiceChoice)
{
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{}), [] { return pamAccountServiceName() == "other"; });
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{{"common-auth", kAuthPermit}, {"common-account", kAccountPermit}}),
                            [] { return pamAccountServiceName() == "common-account"; });
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{{"common-account", kAccountPermit}, {"system-auth", kPermit}}),
                            [] { return pamAccountServiceName() == "system-auth"; });
}

TEST(PasswordCheck, PasswordIsGivenToEveryHiddenPrompt)
{
    // pam_unix would check the machine's own accounts. pam_exec with
    // expose_authtok asks for the password through the hidden prompt and
    // hands it to a script of the test, which accepts only the right one;
    // the second module of the stack gets the same password.
    TempDir dir;
    const std::string script = dir.path() + "/check";
    writeFileWithDirectories(script, "#!/bin/sh\nread -r given\n[ \"$given\" = \"s3cret\" ]\n");
    chmod(script.c_str(), 0755);
    const std::string user = getProcessUserName();
    const std::string stack = "auth required pam_exec.so expose_authtok " + script + "\nauth required pam_exec.so expose_authtok " + script + "\n";
    EXPECT_IN_PAM_NAMESPACE((std::map<std::string, std::string>{{"common-auth", stack}, {"common-account", kAccountPermit}}),
                            [&] { return checkPassword(user, "s3cret") && !checkPassword(user, "wrong"); });
}

}  // namespace
