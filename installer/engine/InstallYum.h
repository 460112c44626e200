#pragma once

#include "installer/engine/Installer.h"

#include <ostream>
#include <string>

class YumConfigurator;

// The installer of the RPM family. Both its package-manager calls go through
// the helper script the yum configurator wrote: "solve" says what the
// transaction would install and remove, "perform" carries it out. The perform
// run is never signalled: a termination request waits for its end and is acted
// on afterwards; a solve run stops on one. Every varying word of the command
// line is shell-quoted. A helper that fails adds its block to the error report
// before the error leaves.
class InstallYum : public Installer {
public:
    InstallYum(Repository* repository, ComponentManager* components, SystemSpecificConfigurator* configurator);

    const PackageList& resolve() override;
    void doInstall(const PackageList& packages) override;

    // Runs the helper in mode "solve" or "perform" for the list; its standard
    // output goes to `output` (to a stream of its own when null).
    void runHelper(const std::string& mode, const PackageList& packages, std::ostream* output);
    // The helper's command line for the mode and the list.
    std::string helperCommand(const std::string& mode, const PackageList& packages) const;
    // The list as helper options, each after a blank: " -i name[:arch][=version]"
    // (the version for catalogue packages), " -r name[:arch]" for removers,
    // nothing for extension packages and the removers of installed extensions.
    std::string packageArguments(const PackageList& packages) const;
    // Adds what one "+"/"-" line of a solve run plans to the list.
    void addPlannedPackage(const std::string& line, PackageList& list) const;

private:
    YumConfigurator& yum() const;
};
