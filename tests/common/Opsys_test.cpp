#include "common/Opsys.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace {

std::string fixture(const std::string& name) { return std::string(KW_TEST_DATA_DIR) + "/opsys/" + name; }

std::string firstLineOf(const std::string& command)
{
    int status = 0;
    std::string line = commandOutput(command, &status);
    EXPECT_EQ(status, 0) << command;
    return line.substr(0, line.find('\n'));
}

// Clears the process-wide override texts around a test.
class OpsysOverrides : public ::testing::Test {
protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }
    static void clear()
    {
        Opsys::overrideName.clear();
        Opsys::overrideVendor.clear();
        Opsys::overrideVersion.clear();
        Opsys::overrideArch.clear();
        Opsys::overrideEnvironment.clear();
    }
};

TEST_F(OpsysOverrides, FixtureTrees)
{
    struct Case {
        const char* tree;
        const char* vendor;
        const char* version;
        const char* environment;
    } cases[] = {
        {"ubuntu", "Ubuntu", "20.04", ""},
        {"debian-lsb-id-only", "Debian", "10.13", ""},
        {"redhat", "RedHat", "el8.6", ""},
        {"centos", "CentOS", "7.9.2009", ""},
        {"almalinux", "AlmaLinux", "9.3", ""},
        {"rocky", "Rocky", "9.3", ""},
        {"cloudlinux", "CloudLinux", "8.9", ""},
        {"cloudlinux-redhat-release-only", "CloudLinux", "7.9", ""},
        {"oracle", "Oracle", "8.9", ""},
        {"cellvanti-container", "CQLinux", "7.9", "cq"},
        {"container-envid-zero", "CentOS", "7.9.2009", ""},
        {"enterprise-server", "RedHat", "es5.11", ""},
        {"unnumbered-release", "RedHat", "", ""},
        {"no-release-files", "", "", ""},
    };
    const std::string name = firstLineOf("uname -s");
    const std::string arch = firstLineOf("uname -m");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tree);
        const Opsys::opsys_detect detected(fixture(c.tree));
        EXPECT_EQ(detected.vendor, c.vendor);
        EXPECT_EQ(detected.version, c.version);
        EXPECT_EQ(detected.environment, c.environment);
        EXPECT_EQ(detected.name, name);
        EXPECT_EQ(detected.arch, arch);
    }
}

TEST_F(OpsysOverrides, DetectionIsLogged)
{
    CapturedLog log(2);
    const Opsys::opsys_detect detected(fixture("cellvanti-container"));
    EXPECT_EQ(log.text(), "Got OS name " + detected.name + ", vendor CQLinux, version 7.9, arch " + detected.arch +
                              ", environment cq\n");
}

TEST_F(OpsysOverrides, OverridesReplaceDetectedFields)
{
    Opsys::overrideEnvironment = "dedicated";
    const Opsys::opsys_detect dedicated(fixture("cellvanti-container"));
    EXPECT_EQ(dedicated.environment, "dedicated");
    EXPECT_EQ(dedicated.vendor, "CQLinux");

    Opsys::overrideName = "Linux";
    Opsys::overrideVendor = "Ubuntu";
    Opsys::overrideVersion = "22.04";
    Opsys::overrideArch = "aarch64";
    const Opsys::opsys_detect all(fixture("redhat"));
    EXPECT_EQ(all.name, "Linux");
    EXPECT_EQ(all.vendor, "Ubuntu");
    EXPECT_EQ(all.version, "22.04");
    EXPECT_EQ(all.arch, "aarch64");
    EXPECT_EQ(all.environment, "dedicated");
}

TEST_F(OpsysOverrides, RunningSystemIsDetectedOnce)
{
    const Opsys first;
    Opsys::overrideVendor = "Changed";  // too late: the system is already known
    const Opsys second;
    EXPECT_EQ(&first.rep(), &second.rep());
    EXPECT_EQ(second.vendor(), first.vendor());
    EXPECT_NE(second.vendor(), "Changed");
}

TEST(Opsys, RunningSystemAgreesWithTheSystemTools)
{
    struct stat info;
    if (::stat("/etc/lsb-release", &info) == 0 || ::stat("/etc/debian_version", &info) != 0)
        GTEST_SKIP() << "this check reads /etc/debian_version; the fixture trees cover other systems";
    const Opsys running;
    EXPECT_EQ(running.vendor(), "Debian");
    EXPECT_EQ(running.version(), firstLineOf("grep -oE '[0-9.]+' /etc/debian_version | head -n 1"));
    EXPECT_EQ(running.name(), firstLineOf("uname -s"));
    EXPECT_EQ(running.arch(), firstLineOf("uname -m"));
    EXPECT_TRUE(running.isDebian());
    EXPECT_FALSE(running.isRedHat());
}

TEST(Opsys, Families)
{
    struct Case {
        const char* vendor;
        bool debian;
        bool redhat;
    } cases[] = {
        {"Debian", true, false},     {"Ubuntu", true, false},    {"CentOS", false, true},
        {"RedHat", false, true},     {"CloudLinux", false, true}, {"CQLinux", false, true},
        {"AlmaLinux", false, true},  {"Rocky", false, true},     {"Oracle", false, false},
        {"debian", false, false},    {"REDHAT", false, false},   {"", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vendor);
        const Opsys system("Linux", c.vendor, "1", "x86_64", "");
        EXPECT_EQ(system.isDebian(), c.debian);
        EXPECT_EQ(system.isRedHat(), c.redhat);
    }
}

TEST(Opsys, MatchTable)
{
    struct System {
        const char* name;
        const char* vendor;
        const char* version;
        const char* arch;
    };
    struct Case {
        const char* label;
        System required;
        System running;
        bool strict;
        bool loose;
    } cases[] = {
        {"identical", {"Linux", "Debian", "12", "x86_64"}, {"Linux", "Debian", "12", "x86_64"}, true, true},
        {"RedHat major version", {"Linux", "RedHat", "8", "x86_64"}, {"Linux", "RedHat", "8.6", "x86_64"}, true, true},
        {"Debian major version", {"Linux", "Debian", "10", "x86_64"}, {"Linux", "Debian", "10.13", "x86_64"}, true,
         true},
        {"CentOS major version", {"Linux", "CentOS", "7", "x86_64"}, {"Linux", "CentOS", "7.9.2009", "x86_64"}, true,
         true},
        {"Debian other major", {"Linux", "Debian", "11", "x86_64"}, {"Linux", "Debian", "12.5", "x86_64"}, false,
         false},
        {"Ubuntu needs the exact version", {"Linux", "Ubuntu", "20", "x86_64"}, {"Linux", "Ubuntu", "20.04", "x86_64"},
         false, false},
        {"Oracle needs the exact version", {"Linux", "Oracle", "8", "x86_64"}, {"Linux", "Oracle", "8.9", "x86_64"},
         false, false},
        {"Microsoft before the dash", {"Windows", "Microsoft", "6.1-x86", ""}, {"Windows", "Microsoft", "6.1-x64", ""},
         true, true},
        {"other vendor", {"Linux", "Debian", "12", "x86_64"}, {"Linux", "Ubuntu", "12", "x86_64"}, false, false},
        {"other name", {"FreeBSD", "Debian", "12", "x86_64"}, {"Linux", "Debian", "12", "x86_64"}, false, false},
        {"i386 build on i686", {"Linux", "RedHat", "8", "i386"}, {"Linux", "RedHat", "8", "i686"}, true, true},
        {"i586 build on i686", {"Linux", "RedHat", "8", "i586"}, {"Linux", "RedHat", "8", "i686"}, true, true},
        {"i486 build on i586", {"Linux", "RedHat", "8", "i486"}, {"Linux", "RedHat", "8", "i586"}, true, true},
        {"i686 build on i586", {"Linux", "RedHat", "8", "i686"}, {"Linux", "RedHat", "8", "i586"}, false, false},
        {"i686 build on i386", {"Linux", "RedHat", "8", "i686"}, {"Linux", "RedHat", "8", "i386"}, false, false},
        {"x86_64 build on i686", {"Linux", "RedHat", "8", "x86_64"}, {"Linux", "RedHat", "8", "i686"}, false, false},
        {"empty required fields", {"", "", "", ""}, {"Linux", "Debian", "12", "x86_64"}, false, true},
        {"empty running fields", {"Linux", "Ubuntu", "22.04", "x86_64"}, {"", "", "", ""}, false, true},
        {"empty required version only", {"Linux", "Ubuntu", "", "x86_64"}, {"Linux", "Ubuntu", "22.04", "x86_64"},
         false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const Opsys required(c.required.name, c.required.vendor, c.required.version, c.required.arch, "cq");
        const Opsys running(c.running.name, c.running.vendor, c.running.version, c.running.arch, "");
        EXPECT_EQ(required.match(running, false), c.strict);
        EXPECT_EQ(required.match(running, true), c.loose);
    }
}

TEST(Opsys, Description)
{
    std::ostringstream plain;
    plain << Opsys("Linux", "Debian", "12.11", "x86_64", "");
    EXPECT_EQ(plain.str(), "'Debian' 'Linux' '12.11' 'x86_64'");

    std::ostringstream container;
    Opsys("Linux", "CQLinux", "7.9", "x86_64", "cq").rep().print(container);
    EXPECT_EQ(container.str(), "'CQLinux' 'Linux' '7.9' 'x86_64' under cq");
}

}  // namespace
