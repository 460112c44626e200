#pragma once

#include "tests/common/PrivateNamespace.h"

#include <sys/mount.h>

#include <cstdio>
#include <functional>
#include <string>

// Runs `body` in a private mount namespace whose /var and /opt are empty
// memory file systems, so the fixed paths of the feedback files and the
// error-report tool are the test's own. The body returns the number of failed
// checks (each told on stderr); the result is that number, or the namespace
// runner's code.
inline int withPrivateVarAndOpt(const std::function<int()>& body)
{
    return runInPrivateMountNamespace([&] {
        if (::mount("tmpfs", "/var", "tmpfs", 0, "mode=0755") != 0 ||
            ::mount("tmpfs", "/opt", "tmpfs", 0, "mode=0755") != 0) {
            std::perror("mount tmpfs");
            return kNamespaceRefused;
        }
        return body();
    });
}

// Counts failed checks inside a namespace body.
class ChildChecks {
public:
    void operator()(bool passed, const std::string& what)
    {
        if (passed) return;
        std::fprintf(stderr, "check failed: %s\n", what.c_str());
        ++failures_;
    }
    int failures() const { return failures_; }

private:
    int failures_ = 0;
};
