#include "installer/webui/PageHistory.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string shown(const PageHistory& history)
{
    std::ostringstream text;
    text << history;
    return text.str();
}

}  // namespace

TEST(PageHistory, EmptyUntilTheFirstReset)
{
    PageHistory history;
    EXPECT_EQ(history.current(), "");
    EXPECT_FALSE(history.contains(PageHistory::summary));
    history.reset();
    EXPECT_EQ(history.current(), "summary");
    EXPECT_EQ(shown(history), " 'summary'");
}

TEST(PageHistory, AppendsEachPageOnceAndNeverGoesBack)
{
    struct Case {
        const char* name;
        std::vector<std::string> appended;
        std::string current;
        std::string pages;
    };
    const Case cases[] = {
        {"forward", {"installation-types", "components"}, "components", " 'summary' 'installation-types' 'components'"},
        {"the last page again", {"components", "components"}, "components", " 'summary' 'components'"},
        {"an earlier page again", {"components", "examine", "components"}, "examine",
         " 'summary' 'components' 'examine'"},
        {"summary again", {"releases", "summary"}, "releases", " 'summary' 'releases'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PageHistory history;
        history.reset();
        for (const std::string& page : c.appended) history.setCurrent(page);
        EXPECT_EQ(history.current(), c.current);
        EXPECT_EQ(shown(history), c.pages);
        for (const std::string& page : c.appended) EXPECT_TRUE(history.contains(page)) << page;
        EXPECT_FALSE(history.contains(PageHistory::params));
    }
}

TEST(PageHistory, ResetKeepsOnlyTheSummary)
{
    PageHistory history;
    history.reset();
    history.setCurrent(PageHistory::components);
    history.setCurrent(PageHistory::params);
    history.reset();
    EXPECT_EQ(shown(history), " 'summary'");
    EXPECT_FALSE(history.contains(PageHistory::components));
}
