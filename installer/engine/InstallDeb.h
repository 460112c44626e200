#pragma once

#include "installer/engine/Installer.h"

#include <string>

class DebianAPTConfigurator;

// The installer of Debian and Ubuntu: apt-get completes the selection's
// package list in a dry run, whose plan becomes package records, and installs
// the whole list in one command, retried while another process holds the dpkg
// lock. A dpkg left unfinished by an earlier run is recovered once before the
// first change (DpkgRecovery). The install command runs to its end: a
// termination request waits for it and is acted on afterwards.
//
// Every varying word of a command line is shell-quoted. Failures add their
// block to the error report before they leave.
class InstallDeb : public Installer {
public:
    static constexpr const char* aptGetProgram = "/usr/bin/apt-get";
    // The install command runs at most this often while the lock is busy,
    // waiting lockWaitSeconds between runs.
    static constexpr int lockAttempts = 31;
    static constexpr int lockWaitSeconds = 60;

    // The configurator must be the APT one ("err_deb_initobj") and apt-get must
    // be installed ("err_no_apt").
    InstallDeb(Repository* repository, ComponentManager* components, SystemSpecificConfigurator* configurator);

    const PackageList& resolve() override;
    void doInstall(const PackageList& packages) override;

    // The apt-get command up to its action: fixed options, the signature and
    // retry options, and the base component's target release ("-t 'name*'").
    std::string buildBaseCommand() const;
    // The list as apt-get words, each after a blank: catalogue packages with
    // their version, removers as "name-", nothing for extension packages, the
    // removers of installed extensions and other dummy records.
    std::string packageArguments(const PackageList& packages) const;
    // Adds what one line of the dry run plans to the list (see the patterns).
    void addPlannedPackage(const std::string& line, PackageList& list) const;

protected:
    // The wait before the next run of the install command: lockWaitSeconds in
    // steps of a second, acting on termination requests between them.
    virtual void waitForLock(int seconds);

private:
    // The error report's view of the system: its APT sources and installed
    // packages.
    static void reportSystemState();

    DebianAPTConfigurator* apt_;
    bool dpkgRecovered_ = false;
};
