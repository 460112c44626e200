#pragma once

#include "common/Lock.h"
#include "common/Progress.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// The stand-ins for dpkg-query and rpm in tests/bin come first on the PATH.
inline std::string pathWithTestPrograms()
{
    const char* path = std::getenv("PATH");
    return std::string(KW_SOURCE_DIR) + "/tests/bin:" + (path ? path : "/usr/bin:/bin");
}

// The readers report their steps to the progress status: each test has a
// private status segment and a lock file of its own, so the machine's installer
// status is never touched.
class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        if (!enterPrivateIpcNamespace(&why)) GTEST_SKIP() << why;
        defaultLockPath_ = Lock::filePath();
        Lock::setFilePath(lockDir_.path() + "/kvo-installer.lock");
        Progress::resetTermination();
    }
    void TearDown() override
    {
        Progress::resetTermination();
        if (!defaultLockPath_.empty()) Lock::setFilePath(defaultLockPath_);
    }

private:
    TempDir lockDir_;
    std::string defaultLockPath_;
};
