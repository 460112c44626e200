#include "common/packages/SourceSysCache.h"

#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SourceSysCache, ReadsTheInstalledPackagesOfACacheFile)
{
    Repository repository;
    SourceSysCache source(&repository, std::string(KW_TEST_DATA_DIR) + "/packages/cache/rpm-installed.cache");
    source.readFull();
    EXPECT_TRUE(source.isFullRead());
    std::vector<std::string> names;
    for (const Package* package : repository.getPackages()) {
        names.push_back(package->getName());
        EXPECT_EQ(package->getType(), 's');
        EXPECT_EQ(package->getSource(), &source);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"bash", "openssl"}));
    const Package* bash = repository.findInstalled("bash");
    ASSERT_NE(bash, nullptr);
    EXPECT_EQ(bash->getVersion().toString(), "5.1.8-9.el9");
    EXPECT_EQ(repository.findLatestProvider("/usr/bin/sh"), bash);
}

TEST(SourceSysCache, Failures)
{
    TempDir dir;
    const struct {
        const char* name;
        std::string path;
        const char* key;
    } cases[] = {
        {"a missing file", dir.path() + "/missing.cache", "err_syscache_open"},
        // A directory opens, but reading it fails.
        {"a directory", dir.path(), "err_syscache_read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Repository repository;
        SourceSysCache source(&repository, c.path);
        expectError([&] { source.readBrief(); }, {4, 1, 1, 2}, (Messages::format(c.key) % c.path).str() + "\n");
        EXPECT_FALSE(source.isBriefRead());
    }
}

}  // namespace
