#pragma once

#include "installer/sources/ExtensionCommand.h"

#include "tests/common/PrivateNamespace.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

// Runs `body` in a forked child with private mount and IPC namespaces, over an
// empty /var (the failure flag's directory) and an empty /usr/local where the
// product's extension command is the recording tool (when `withCommand`), so
// that neither the machine's files nor its progress record are touched. Call it
// inside a RecordedTools scope: the tool records into its call list. Returns 0,
// 1 when an expectation failed in there, or kNamespaceRefused.
inline int runWithExtensionStandIn(const std::function<void()>& body, bool withCommand = true)
{
    return runInPrivateMountNamespace([&] {
        std::string why;
        if (!enterPrivateIpcNamespace(&why)) return int(kNamespaceRefused);
        if (::mount("tmpfs", "/var", "tmpfs", 0, "mode=0755") != 0) return int(kNamespaceRefused);
        if (::mount("tmpfs", "/usr/local", "tmpfs", 0, "mode=0755") != 0) return int(kNamespaceRefused);
        if (withCommand) {
            if (::mkdir("/usr/local/kvo", 0755) != 0 || ::mkdir("/usr/local/kvo/bin", 0755) != 0) return 1;
            const std::string tool = std::string(KW_SOURCE_DIR) + "/tests/bin/recording-tool";
            if (::symlink(tool.c_str(), ExtensionCommand::path) != 0) return 1;
        }
        body();
        return ::testing::Test::HasFailure() ? 1 : 0;
    });
}

// The same as a test's check: marks the test skipped when the namespaces are
// not allowed here.
inline void expectWithExtensionStandIn(const std::function<void()>& body, bool withCommand = true)
{
    const int result = runWithExtensionStandIn(body, withCommand);
    if (result == kNamespaceRefused) GTEST_SKIP() << "private namespaces are not allowed here";
    EXPECT_EQ(result, 0);
}
