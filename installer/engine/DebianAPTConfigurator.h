#pragma once

#include "installer/engine/SystemSpecificConfigurator.h"

#include "common/Opsys.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class ComponentManager;
class DebPackage;

// The configurator of Debian and Ubuntu: APT list files for the run's product
// sources (one temporary file shared by every product, one persistent file per
// product), the builds' signing keys in the keyring those lines name, i386 on
// x86_64, the package index refreshed, a check that the system's own release
// repository is configured, and the candidate versions "apt-cache policy"
// gives. Its back end is InstallDeb.
//
// A list file this run wrote that gets no source in a later reconfiguration
// goes back to what it was before the run (a temporary one is removed), so a
// deactivated addon repository does not stay configured.
class DebianAPTConfigurator : public SystemSpecificConfigurator {
public:
    static constexpr const char* sourceListDirectory = "/etc/apt/sources.list.d/";
    static constexpr const char* temporaryListName = "50vk_kitwright.list";
    static constexpr const char* temporaryListHeader =
        "## Temporary repositories used by Zarni Installer during installation or update.";
    static constexpr const char* persistentListHeader = "## Persistent repositories for Zarni Products.";

    // The installation source's name, the component manager, the source manager
    // and the repository of the run, as the drivers make every configurator;
    // the source manager and the repository are borrowed and outlive it. The
    // name and the component manager are not kept: the back end gets its
    // component manager through createInstaller.
    DebianAPTConfigurator(const std::string& sourceName, ComponentManager* components, SourceManager* sources,
                          Repository* repository);
    ~DebianAPTConfigurator() override;

    // The list files, the keys, then "apt-get update".
    void reconfigureSources() override;
    // One "apt-cache policy" for all the names; what it offers is kept.
    void prepareAvailablePackagesList(const std::vector<std::string>& names) override;
    std::unique_ptr<Installer> createInstaller(ComponentManager* components) override;

    void writeSourceLists();
    void importKeys();
    // "dpkg --add-architecture"; a failure raises "err_dpkg_arch_register".
    void addArchitecture(const std::string& architecture);
    // "apt-get update"; a failure is only a warning.
    void updatePackageIndex(bool echo);
    // Raises when no repository of the running system's release is configured;
    // warns about missing sections.
    void checkSourceForCurrentRelease();

    // Some APT source of the system is a CD-ROM.
    bool cdromInSource() const { return cdromInSource_; }

    // What one line of "apt-cache policy" says of a repository: whether it is a
    // release line, its version ("v=") and its section ("c="; empty when none).
    struct PolicyRelease {
        bool isRelease = false;
        std::string version;
        std::string section;
    };
    static PolicyRelease parseReleaseLine(const std::string& line);
    // Whether a release line's version is the running system's release: the
    // major version on Debian, the whole version on Ubuntu.
    static bool isCurrentRelease(const std::string& version, const Opsys& running);
    // The candidates in the trimmed lines of "apt-cache policy <names>", in
    // order: the name as printed (with an architecture: "libfoo:i386") and its
    // candidate version, "" for "(none)".
    static std::vector<std::pair<std::string, std::string>> parsePolicyCandidates(
        const std::vector<std::string>& lines);

    // The list file of a product's persistent sources.
    static std::string persistentListPath(const std::string& productId);
    static std::string temporaryListPath();

protected:
    const Package* doGetAvailablePackage(const std::string& name) override;
    void doConfigure() override;
    void doRemoveTemporarySources() override;

private:
    // A record of what the system repositories offer ("package_from_apt_cache",
    // kind 'u'), kept until the process ends.
    static const Package* offeredPackage(const std::string& name, const std::string& candidate);
    // Whether this run may change the system (so needs foreign architectures).
    static bool runInstalls();
    bool hasForeignArchitecture(const std::string& architecture) const;

    bool cdromInSource_ = false;
    std::map<std::string, const Package*> available_;
};
