#pragma once

#include "installer/engine/YumConfigurator.h"
#include "installer/options/Options.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceManager.h"
#include "installer/startup/ReportError.h"

#include "common/Opsys.h"
#include "common/error.h"
#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/RecordedTools.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/sources/ProductBuilds.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

// An RPM system for the yum configurator and back-end tests: stand-ins for the
// helper script ("dnf_install"), dnf-3, chcon and rpm that record their calls,
// the options put back afterwards, and a private mount namespace in which
// "/etc" (with "/etc/yum.repos.d"), "/opt" (the helper's directory),
// "/usr/bin" (with "/bin") and "/usr/libexec" are writable overlays of the
// machine's: nothing the tests write reaches the machine.
class YumSystem : public ::testing::Test {
protected:
    static constexpr const char* overlaid[] = {"/etc", "/opt", "/usr/bin", "/usr/libexec"};

    YumSystem()
        : savedSource_(processOptions().source),
          savedSkip_(processOptions().skipGpgCheck),
          savedRetries_(processOptions().downloadRetries),
          savedDebug_(processOptions().debug),
          tools_({"dnf_install", "dnf-3", "chcon", "rpm"})
    {
        processOptions().source = SourceUrl("https://updates.zarni.example/catalogue/");
        processOptions().skipGpgCheck = false;
        processOptions().downloadRetries = 3;
        processOptions().debug = false;
        tools_.passThrough("env", "/usr/bin/env");
        ReportError::clearMessage();
    }
    ~YumSystem() override
    {
        processOptions().source = savedSource_;
        processOptions().skipGpgCheck = savedSkip_;
        processOptions().downloadRetries = savedRetries_;
        processOptions().debug = savedDebug_;
        ReportError::clearMessage();
    }

    // The dnf tool with the stand-ins as its helper and its "info" program.
    YumConfigurator::PackageTool stubTool() const
    {
        return {"dnf", tools_.directory() + "/dnf-3", tools_.directory() + "/dnf_install",
                YumConfigurator::dnfTool().script};
    }

    // Runs body in the private system (rpm's stand-in at "/bin/rpm"); returns
    // its report, the error it raised as "error: <text>", or "skip" when
    // namespaces are refused.
    std::string inPrivateSystem(const std::function<std::string()>& body)
    {
        const std::string rpm = tools_.add("rpm");
        int result = 0;
        const std::string report = reportFromPrivateMountNamespace(
            scratch_.path(),
            [&] {
                int index = 0;
                for (const char* dir : overlaid) {
                    const std::string scratch = scratch_.path() + "/overlay-" + std::to_string(index++);
                    ::mkdir(scratch.c_str(), 0700);
                    if (!overlayMachineDirectory(dir, scratch)) return 2;
                }
                ::mkdir("/etc/yum.repos.d", 0755);
                ::unlink("/usr/bin/rpm");
                return ::symlink(rpm.c_str(), "/usr/bin/rpm") == 0 ? 0 : 3;
            },
            [&] { return textOrError(body); }, &result);
        if (result != kNamespaceRefused) {
            EXPECT_EQ(result, 0);
        }
        return report;
    }

    // The build's product sources, as the build loader makes them.
    void addSources(const BuildPtr& build)
    {
        builds_.push_back(build);
        manager.addBuildSources(&fetcher, build);
    }

    RecordedTools& tools() { return tools_; }

private:
    SourceUrl savedSource_;
    bool savedSkip_;
    int savedRetries_;
    bool savedDebug_;
    RecordedTools tools_;
    TempDir scratch_;
    // Kept while their sources live.
    std::vector<BuildPtr> builds_;

protected:
    Repository repository;
    SourceManager manager{&repository, Opsys("Linux", "RedHat", "9", "x86_64", "")};
    TempDir target;
    FileFetcher fetcher{processOptions().source, target.path()};
};
