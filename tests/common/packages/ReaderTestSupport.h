#pragma once

#include "common/Lock.h"
#include "common/Progress.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Sets an environment variable for the life of the object and then puts back
// what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(const std::string& name, const std::string& value) : name_(name)
    {
        const char* old = std::getenv(name.c_str());
        hadValue_ = old != nullptr;
        if (old) old_ = old;
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        if (hadValue_)
            ::setenv(name_.c_str(), old_.c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::string old_;
    bool hadValue_ = false;
};

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
