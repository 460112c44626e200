#include "installer/reporters/OSListReporter.h"

#include "common/Messages.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/reporters/CatalogueAnswers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The builds of the selected release, the system right-aligned in 15 columns.
TEST_F(InstalledDemo, TheBuildsOfTheSelectedRelease)
{
    ASSERT_TRUE(loaded.manager->getRelease("zarni-1.1")->isSelected());
    EXPECT_EQ(text(OSListReporter(0, loaded.manager.get())), "     Debian12: debian-12.build.inf3\n"
                                                             "  Ubuntu22.04: ubuntu-22.04.build.inf3\n"
                                                             "      RedHat9: redhat-9.build.inf3\n");
    loaded.manager->unselectAll();
    EXPECT_EQ(text(OSListReporter(0, loaded.manager.get())), "");
}

TEST_F(InstalledDemo, XmlIsRefused)
{
    const OSListReporter reporter(0, loaded.manager.get());
    std::ostringstream out;
    xmlOutput = true;
    expectError([&] { out << reporter; }, {2, 1, 1, 2}, Messages::get("err_src_xmlblist") + "\n");
    xmlOutput = false;
    EXPECT_EQ(out.str(), "");
}

}  // namespace
