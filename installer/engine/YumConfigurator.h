#pragma once

#include "installer/engine/SystemSpecificConfigurator.h"

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

class ComponentManager;

// The configurator of the RPM family: ".repo" files for the run's product
// sources (one temporary file shared by every product, one persistent file per
// product), the builds' signing keys in rpm's database, the package helper
// script of the system's tool (dnf or yum) written beside the product, a check
// of the system's repositories by that script, and the versions "info" offers.
// Its back end is InstallYum, which runs the same helper.
//
// The configuration counts as made (so the end of the run removes or restores
// it) from the moment before the first ".repo" file is touched: a failure
// later in the configuration does not leave changed persistent files behind.
class YumConfigurator : public SystemSpecificConfigurator {
public:
    // A package tool of the system and the helper script that drives it.
    struct PackageTool {
        std::string name;        // "dnf" or "yum"
        std::string toolPath;    // the program "info" queries run
        std::string helperPath;  // where the helper script is written
        std::string script;      // the helper script as the program carries it
    };
    static const PackageTool& dnfTool();
    static const PackageTool& yumTool();
    // Chooses the tool of this system, dnf before yum, for the rest of the
    // process; neither raises "err_yum_not_found".
    static const PackageTool& detectPackageTool();
    // The chosen tool (detected on first use).
    static const PackageTool& packageTool();

    static constexpr const char* repoDirectory = "/etc/yum.repos.d/";
    static constexpr const char* temporaryRepoName = "kitwright-sources.repo";
    static constexpr const char* temporaryRepoHeader =
        "## Temporary repositories used by Zarni Installer during installation or update.";
    static constexpr const char* persistentRepoHeader = "## Persistent repositories for Zarni Products.";
    // The dnf helper runs with the first of these that exists.
    static const std::vector<std::string>& dnfInterpreters();

    // The installation source's name, the source manager and the repository of
    // the run (borrowed; both outlive it), and the package tool.
    YumConfigurator(const std::string& sourceName, SourceManager* sources, Repository* repository,
                    const PackageTool& tool = packageTool());
    ~YumConfigurator() override;

    // The keys, then the ".repo" files.
    void reconfigureSources() override;
    // Refreshes the metadata through the helper, then one "info" for all names.
    void prepareAvailablePackagesList(const std::vector<std::string>& names) override;
    std::unique_ptr<Installer> createInstaller(ComponentManager* components) override;

    void importKeys();
    void writeRepoFiles();
    // Writes the helper script (mode 0700) into a directory that only root may
    // change; a directory of another owner or writable by others, or a write
    // failure, raises "err_filewrite2".
    void configureWrapper();

    // Runs a helper (or "chcon") command in a process group of its own and
    // returns its wait status. An interruptible run stops on a termination
    // request; another is never signalled, the request waiting for its end. A
    // command that cannot be started raises the process runner's error.
    static int runHelperCommand(const std::string& command, bool echo, bool interruptible, std::ostream& output,
                                std::ostream& errors);

    // The ids of every product repository, for the helper's "-e" options.
    const std::set<std::string>& repoIds() const { return repoIds_; }
    const PackageTool& tool() const { return tool_; }
    // The helper's text as written: the dnf helper's first line names the
    // interpreter this system has.
    std::string helperText() const;

    // The packages "info" describes, in its order: name and version text
    // ("epoch:" only with an Epoch line).
    static std::vector<std::pair<std::string, std::string>> parseInfo(const std::vector<std::string>& lines);
    // The status line of a helper or "chcon" run that did not end with 0 (empty
    // for 0): level 2 of the log.
    static std::string statusText(const std::string& name, const std::string& command, const std::string& errors,
                                  int status);
    // The check run's text for its wait status and error output.
    static std::string checkText(int status, const std::string& errors);

    static std::string persistentRepoPath(const std::string& productId);
    static std::string temporaryRepoPath();

protected:
    const Package* doGetAvailablePackage(const std::string& name) override;
    void doConfigure() override;
    std::string doCheckConfiguration() override;
    void doRemoveTemporarySources() override;

private:
    // The helper's command line with these arguments after its path.
    std::string helperCommand(const std::string& arguments) const;
    // "info" lines of the command (an exit code 1 is "nothing found").
    static std::vector<std::string> infoLines(const std::string& command);
    static const Package* offeredPackage(const std::string& name, const std::string& version);

    PackageTool tool_;
    std::set<std::string> repoIds_;
    std::map<std::string, const Package*> available_;
};
