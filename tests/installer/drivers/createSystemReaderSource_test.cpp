#include "installer/drivers/createSystemReaderSource.h"

#include "common/packages/Repository.h"
#include "common/packages/SourceSysDeb.h"
#include "common/packages/SourceSysRPM.h"
#include "tests/common/CapturedLog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

Opsys systemOf(const char* vendor) { return Opsys("Linux", vendor, "1", "x86_64", ""); }

bool registered(const Repository& repository, const Source* source)
{
    const std::vector<Source*>& sources = repository.getSources();
    return std::find(sources.begin(), sources.end(), source) != sources.end();
}

}  // namespace

// The reader follows the vendor: dpkg's database on Debian and Ubuntu, rpm's on
// anything else, none on "Apple".
TEST(CreateSystemReaderSource, ByVendor)
{
    const struct {
        const char* vendor;
        const char* reader;
    } cases[] = {
        {"Debian", "deb"}, {"Ubuntu", "deb"}, {"RedHat", "rpm"}, {"AlmaLinux", "rpm"}, {"SuSE", "rpm"},
        {"Apple", "none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.vendor);
        Repository repository;
        createSystemReaderSource(repository, false, systemOf(c.vendor));
        Source* reader = getSystemReaderSource();
        const std::string kind = dynamic_cast<SourceSysDeb*>(reader)   ? "deb"
                                 : dynamic_cast<SourceSysRPM*>(reader) ? "rpm"
                                 : reader                              ? "other"
                                                                       : "none";
        EXPECT_EQ(kind, c.reader);
        if (reader) {
            EXPECT_TRUE(registered(repository, reader));
            EXPECT_EQ(reader->getRepository(), &repository);
        }
    }
}

TEST(CreateSystemReaderSource, ASecondCallWarnsOrReplaces)
{
    Repository repository;
    createSystemReaderSource(repository, false, systemOf("Debian"));
    Source* first = getSystemReaderSource();

    {
        SCOPED_TRACE("warned, same repository: kept");
        CapturedLog log(0);
        createSystemReaderSource(repository, true, systemOf("Debian"));
        EXPECT_EQ(log.text(), "Warning: system reader Source is already allocated\n");
        EXPECT_EQ(getSystemReaderSource(), first);
        EXPECT_EQ(repository.getSources().size(), 1u);
    }
    {
        SCOPED_TRACE("not warned: replaced");
        CapturedLog log(0);
        createSystemReaderSource(repository, false, systemOf("Debian"));
        EXPECT_EQ(log.text(), "");
        EXPECT_TRUE(registered(repository, getSystemReaderSource()));
        EXPECT_EQ(repository.getSources().size(), 1u);
    }
    {
        // The reader of a repository that is gone would leave the new one
        // without its installed packages.
        SCOPED_TRACE("warned, another repository: replaced");
        Repository next;
        CapturedLog log(0);
        createSystemReaderSource(next, true, systemOf("Debian"));
        EXPECT_EQ(log.text(), "Warning: system reader Source is already allocated\n");
        EXPECT_EQ(getSystemReaderSource()->getRepository(), &next);
        EXPECT_TRUE(repository.getSources().empty());
        createSystemReaderSource(next, false, systemOf("Apple"));
        EXPECT_EQ(getSystemReaderSource(), nullptr);
        EXPECT_TRUE(next.getSources().empty());
    }
}
