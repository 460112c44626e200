#pragma once

#include "tests/common/PrivateNamespace.h"
#include "tests/installer/engine/RealRootTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The tests that run the real dnf and rpm through the dnf helper (suite
// "RealDnf", CTest label "e2e"): each runs in a throw-away copy of a fake
// RedHat-family 9 root (tests/bin/el9-root, made once) against a signed
// repository of small noarch rpms (tests/bin/rpm-repository) that the suite's
// HTTP server offers on 127.0.0.1. The product's build information file names
// that repository ("zarni-test", temporary), with its key.
class RealDnf : public RealRootTest {
protected:
    struct TestPackage {
        std::string name;
        std::string evr;
        std::string requires;
    };

    RealDnf() : RealRootTest(el9TestRoot, "rpm-repository", Opsys("Linux", "RedHat", "9", "x86_64", "")) {}

    void publish(const std::vector<TestPackage>& packages)
    {
        for (const TestPackage& package : packages)
            ASSERT_EQ(tool("package " + repositoryDirectory() + " " + package.name + " " + package.evr + " '" +
                           package.requires + "'"),
                      0);
        ASSERT_EQ(tool("publish " + repositoryDirectory()), 0);
    }

    void serve()
    {
        RealRootTest::serve("build_dir=\"repo\" yum_repo_id=\"zarni-test\" yum_repo_name=\"Zarni test\"", "RedHat",
                            "9");
    }

    std::string inEl9Root(const std::function<std::string()>& body) { return inRoot(body); }

    // What rpm says of the packages, one "name-version-release.arch" (or "package
    // name is not installed") line each, inside the root.
    static std::string installed(const std::string& names) { return run("rpm -q " + names + " 2>&1"); }
};
