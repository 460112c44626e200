#pragma once

#include "tests/common/CommandOutput.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/startup/ProgramHost.h"

#include <boost/filesystem.hpp>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The program's runs on the demo catalogue in a private host, with stand-ins
// for the package tools: apt-get, apt-cache, dpkg, gpg and apt-key record their
// calls and answer what the test gives them, on PATH and at the absolute paths
// the engine runs them by; dpkg-query is the real one on a status file of the
// test's (tests/bin/dpkg-query). /etc/apt is private to each run, and its
// changes show in the run's listing. The command-line and web back-end driver
// tests share it.
class DemoCatalogueHost {
public:
    DemoCatalogueHost()
    {
        for (const char* tool : {"apt-get", "apt-cache", "dpkg", "gpg", "apt-key"}) host_.tools().add(tool);
        host_.tools().passThrough("dpkg-query", std::string(KW_SOURCE_DIR) + "/tests/bin/dpkg-query");
        privatehost::makeDirectories(dpkgDirectory() + "/updates");
        privatehost::makeDirectories(dpkgDirectory() + "/info");
        installed("");
        offer("");
    }

    // apt-cache's policy: the system's own release (what the configuration check
    // looks for), then `candidates`; apt-get answers every call with `dryRun`.
    void offer(const std::string& candidates, const std::string& dryRun = std::string())
    {
        std::string release;
        std::ifstream("/etc/debian_version") >> release;
        host_.tools().answer("apt-cache", "Package files:\n 500 file:/srv/debian bookworm/main amd64 Packages\n"
                                          "     release v=" + release +
                                              ",o=Debian,a=stable,n=bookworm,l=Debian,c=main,b=amd64\n" +
                                              candidates);
        host_.tools().answer("apt-get", dryRun);
    }

    // Every demo package as apt-cache's candidate, and a dry run of apt-get that
    // installs `planned`.
    void offerDemoPackages(const std::string& planned)
    {
        std::string policy;
        for (const char* name : {"zarni-base", "zarni-web", "zarni-mail-postfix", "zarni-mail-exim", "zarni-dns",
                                 "zarni-php82", "zarni-php83", "zarni-bootstrap"})
            policy += std::string(name) + ":\n  Installed: (none)\n  Candidate: 1.1.0-1\n";
        std::string dryRun;
        std::istringstream names(planned);
        for (std::string name; names >> name;) dryRun += "Inst " + name + " (1.1.0-1 Zarni:bookworm [amd64])\n";
        offer(policy, dryRun);
    }

    std::string dpkgDirectory() const { return host_.scratch() + "/dpkg"; }

    // The dpkg status file the runs read: "name version" lines, installed.
    void installed(const std::string& packages)
    {
        std::ofstream status(dpkgDirectory() + "/status");
        std::istringstream lines(packages);
        for (std::string name, version; lines >> name >> version;)
            status << "Package: " << name << "\nStatus: install ok installed\nPriority: optional\nMaintainer: test\n"
                   << "Architecture: amd64\nVersion: " << version << "\nDescription: " << name << "\n\n";
    }

    // The runs from now on read a copy of the demo catalogue, which the test may
    // change (inside the host as well: the directory is visible there); its path.
    std::string copyDemoCatalogue()
    {
        catalogue_ = host_.scratch() + "/catalogue";
        boost::filesystem::copy(demoCatalogueDirectory(), catalogue_, boost::filesystem::copy_options::recursive);
        return catalogue_;
    }

    // A run with the demo catalogue (its copy, or another source when given)
    // as the source, the package tools planted.
    ProgramHost::Run demoRun(std::vector<std::string> arguments, const std::string& source = std::string()) const
    {
        arguments.push_back("--source");
        arguments.push_back(source.empty() ? catalogue_ : source);
        ProgramHost::Run run;
        run.arguments = arguments;
        run.environment = {"KW_TEST_DPKG_ADMINDIR=" + dpkgDirectory()};
        for (const char* path : {"/usr/bin/apt-get", "/usr/bin/apt-key", "/usr/bin/dpkg"})
            run.planted.emplace_back(path, std::string(KW_SOURCE_DIR) + "/tests/bin/recording-tool");
        run.overlaid = {"/etc/apt"};
        return run;
    }

    // One run with the arguments and the demo catalogue as the source.
    PrivateHostResult kitwright(const std::vector<std::string>& arguments) const
    {
        return host_.run(demoRun(arguments));
    }

    // The listing's lines below a directory.
    static std::string below(const std::string& listing, const std::string& directory)
    {
        std::istringstream lines(listing);
        std::string result;
        for (std::string line; std::getline(lines, line);)
            if (line.find(" " + directory + "/") != std::string::npos) result += line + "\n";
        return result;
    }

    // apt-get's install (a call with "install" and without a dry-run option)
    // runs `before` (sh), then adds every zarni package it is given that the
    // status file does not hold yet ("name", "name:arch" or "name=version").
    void installIntoStatus(const std::string& before = std::string())
    {
        host_.tools().behave("apt-get", "case \" $* \" in *\" --just-print \"*|*\" -s \"*) ;; *\" install \"*)\n" +
                                            before +
                                            "for argument in \"$@\"; do case $argument in zarni-*)\n"
                                            "  package=${argument%%=*}; package=${package%%:*}; version=1.1.0-1\n"
                                            "  case $argument in *=*) version=${argument#*=};; esac\n"
                                            "  /usr/bin/grep -qx \"Package: $package\" " +
                                            dpkgDirectory() +
                                            "/status ||\n"
                                            "  printf 'Package: %s\\nStatus: install ok installed\\nPriority: "
                                            "optional\\nMaintainer: test\\nArchitecture: amd64\\nVersion: %s\\nDescription: %s\\n\\n' "
                                            "\"$package\" \"$version\" \"$package\" >>" +
                                            dpkgDirectory() + "/status;; esac; done;; esac\n");
    }

    // "name version" of every package the status file holds, sorted.
    std::string installedPackages() const
    {
        return commandOutput("dpkg-query --admindir=" + dpkgDirectory() + " -W -f='${Package} ${Version}\\n' | sort");
    }

protected:
    ProgramHost host_;
    std::string catalogue_ = demoCatalogueDirectory();
};
