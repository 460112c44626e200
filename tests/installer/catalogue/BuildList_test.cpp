#include "installer/catalogue/BuildList.h"

#include "tests/common/CapturedLog.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct BuildRow {
    const char* vendor;
    const char* version;
    const char* arch;
    const char* environment;
    const char* config;
};

BuildList listOf(const std::vector<BuildRow>& rows)
{
    BuildList list;
    for (const BuildRow& row : rows)
        list.add(boost::make_shared<Build>(ReleasePtr(), "Linux", row.vendor, row.version, row.arch,
                                           row.environment, row.config, ""));
    return list;
}

TEST(BuildList, BestBuildForDebian12)
{
    struct Case {
        const char* name;
        Opsys system;
        std::vector<BuildRow> builds;
        const char* chosen;  // config of the expected build, "" for none
    } cases[] = {
        {"among other systems and versions the matching one",
         debian12(),
         {{"Ubuntu", "22.04", "x86_64", "", "ubuntu"},
          {"Debian", "11", "x86_64", "", "debian11"},
          {"Debian", "12", "aarch64", "", "arm"},
          {"Debian", "12", "x86_64", "", "debian12"},
          {"CentOS", "7", "x86_64", "", "centos"}},
         "debian12"},
        {"only the second names the exact version: the second",
         debian12(),
         {{"Debian", "12", "x86_64", "", "major"}, {"Debian", "12.5", "x86_64", "", "exact"}},
         "exact"},
        {"both name the exact version: the later one",
         debian12(),
         {{"Debian", "12.5", "x86_64", "", "first"}, {"Debian", "12.5", "x86_64", "", "second"}},
         "second"},
        {"only the first names the exact version: the first",
         debian12(),
         {{"Debian", "12.5", "x86_64", "", "exact"},
          {"Debian", "12", "x86_64", "", "major"},
          {"Debian", "12", "x86_64", "", "major again"}},
         "exact"},
        {"exact version in another environment does not replace the choice",
         debian12(),
         {{"Debian", "12", "x86_64", "", "major"}, {"Debian", "12.5", "x86_64", "cq", "container"}},
         "major"},
        {"exact version and environment in a container",
         Opsys("Linux", "Debian", "12.5", "x86_64", "cq"),
         {{"Debian", "12.5", "x86_64", "", "plain"}, {"Debian", "12.5", "x86_64", "cq", "container"}},
         "container"},
        {"nothing matches", debian12(), {{"Ubuntu", "22.04", "x86_64", "", "ubuntu"}}, ""},
        {"no builds at all", debian12(), {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BuildPtr best = listOf(c.builds).getBestBuild(c.system);
        if (*c.chosen == '\0')
            EXPECT_FALSE(best);
        else if (!best)
            ADD_FAILURE() << "no build chosen";
        else
            EXPECT_EQ(best->config(), c.chosen);
    }
}

TEST(BuildList, LogsTheSystemAndEveryBuildThatDoesNotFit)
{
    const BuildList list = listOf({{"Ubuntu", "22.04", "x86_64", "", "u.inf3"}, {"Debian", "12", "x86_64", "", ""}});
    CapturedLog log(3);
    list.getBestBuild(debian12());
    EXPECT_EQ(log.text(),
              "DEBUG: BuildList::getBestBuild for 'Debian' 'Linux' '12.5' 'x86_64'\n"
              "DEBUG: build for Linux Ubuntu 22.04 x86_64 (u.inf3) is not compatible\n");
}

}  // namespace
