#pragma once

#include "tests/common/PrivateNamespace.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/engine/RealRootTest.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// The tests that run the real apt-get, apt-cache and dpkg (suite "RealApt",
// CTest label "e2e"): each runs in a throw-away copy of a Debian 12 minbase
// root (tests/bin/debian-root, made once) against a signed repository of small
// packages (tests/bin/apt-repository) that the suite's HTTP server offers on
// 127.0.0.1. The product's build information file names that repository, with
// its key, as "zarni/repo bookworm main" below the installation source.
class RealApt : public RealRootTest {
protected:
    // A package of the test repository; `scripts` maps a maintainer script's name
    // (postinst, ...) to its text.
    struct TestPackage {
        std::string name;
        std::string version;
        std::string depends;
        std::vector<std::pair<std::string, std::string>> scripts;
    };

    RealApt() : RealRootTest(debianTestRoot, "apt-repository", Opsys("Linux", "Debian", "12", "x86_64", "")) {}

    // Builds the packages into the repository and publishes it.
    void publish(const std::vector<TestPackage>& packages)
    {
        for (const TestPackage& package : packages) {
            std::string scripts;
            if (!package.scripts.empty()) {
                scripts = scratch() + "/scripts-" + package.name + "-" + package.version;
                for (const auto& script : package.scripts)
                    writeFileWithDirectories(scripts + "/" + script.first, script.second);
            }
            ASSERT_EQ(tool("package " + repositoryDirectory() + " " + package.name + " " + package.version + " '" +
                           package.depends + "' '" + scripts + "'"),
                      0);
        }
        ASSERT_EQ(tool("publish " + repositoryDirectory()), 0);
    }

    void serve()
    {
        RealRootTest::serve("build_dir=\"debian-12\" os_release_name=\"bookworm\" apt_source=\"repo bookworm main\"",
                            "Debian", "12", "bookworm");
    }

    std::string inDebianRoot(const std::function<std::string()>& body) { return inRoot(body); }

    // What dpkg says of the packages, "name status version" per line, inside
    // the root.
    static std::string installed(const std::string& names)
    {
        return commandOutput("dpkg-query -W -f='${Package} ${db:Status-Abbrev}${Version}\\n' " + names +
                             " 2>/dev/null");
    }
};
