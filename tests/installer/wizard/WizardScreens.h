#pragma once

#include "common/Lock.h"
#include "common/Progress.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/startup/FixedPaths.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The expected screens of the wizard pages: text files under tests/data/wizard/,
// written as ScriptedConsole shows a run (answers in angle brackets).
inline std::string expectedScreen(const std::string& name)
{
    return readFile(std::string(KW_TEST_DATA_DIR) + "/wizard/" + name);
}

#define EXPECT_SCREEN(console, name) EXPECT_SCREEN_TEXT((console).text(), name)
#define EXPECT_SCREEN_TEXT(text, name) \
    EXPECT_EQ((text), expectedScreen(name)) << "the expected screen is tests/data/wizard/" << (name)

// Runs `body` in a child whose /var and /opt are private (the feedback files
// live there) and returns the texts it returned; nothing when the namespaces
// are refused here.
inline std::optional<std::vector<std::string>> inPrivateVar(const std::function<std::vector<std::string>()>& body)
{
    TempDir channel;
    std::size_t count = 0;
    const int code = withPrivateVarAndOpt([&] {
        const std::vector<std::string> texts = body();
        for (std::size_t i = 0; i < texts.size(); ++i)
            writeFileWithDirectories(channel.path() + "/" + std::to_string(i), texts[i]);
        writeFileWithDirectories(channel.path() + "/count", std::to_string(texts.size()));
        return 0;
    });
    if (code == kNamespaceRefused) return std::nullopt;
    if (code != 0) return std::vector<std::string>{"the child ended with " + std::to_string(code)};
    count = std::stoul(readFile(channel.path() + "/count"));
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < count; ++i) texts.push_back(readFile(channel.path() + "/" + std::to_string(i)));
    return texts;
}

// Tests whose pages may act on a termination signal: the progress status is
// marked failed then, so the test runs in a private IPC namespace with a lock
// file of its own, and no signal is left over for the next test.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        if (!enterPrivateIpcNamespace(&why)) GTEST_SKIP() << why;
        defaultLockPath_ = Lock::filePath();
        Lock::setFilePath(lockDirectory_.path() + "/kvo-installer.lock");
        Progress::resetTermination();
    }
    void TearDown() override
    {
        Progress::resetTermination();
        if (!defaultLockPath_.empty()) Lock::setFilePath(defaultLockPath_);
    }

private:
    TempDir lockDirectory_;
    std::string defaultLockPath_;
};
