#pragma once

#include "common/checked_pointer.h"

#include <memory>
#include <string>
#include <vector>

class ComponentManager;
class Package;
class ProductsProgress;
class Repository;
class SystemSpecificConfigurator;

// The install step of a run and the frame of the package-manager back ends
// (apt-get, the yum/dnf helper script). The configurator that configured the
// repositories makes the back end; the driver then calls resolve, checkPackageSet
// and install, in this order, once each.
//
// The back end's resolve fills the two package lists; install wraps the back
// end's doInstall in the fixed sequence: extension packages out, bootstrapper
// packages and "prep" actions, the failure flag file set, the installation,
// "post" actions, the flag file removed, extension packages in. The flag file
// outlives a run that fails between setting and removing it, so the next run
// runs the "post" actions of every component.
//
// The repository, the component manager and the configurator are borrowed and
// outlive the installer; the lists point into the repository. The installer owns
// its ProductsProgress (the process's registered one) from construction to
// destruction. It runs on the thread of the driver that calls it and takes no
// lock of its own.
class Installer {
public:
    typedef std::vector<const Package*> PackageList;

    // The empty file whose presence says an installation did not end.
    static constexpr const char* failureFlagDirectory = "/var/kestavine/";
    static constexpr const char* failureFlagName = "kitwright-installation-failure.flag";
    static std::string failureFlagPath();
    // Logged once when a termination request arrives while the package manager
    // changes the system: it is let finish first.
    static constexpr const char* waitingNote = "Termination requested: waiting for the package manager to finish...";

    Installer(Repository* repository, ComponentManager* components, SystemSpecificConfigurator* configurator);
    virtual ~Installer();
    Installer(const Installer&) = delete;
    Installer& operator=(const Installer&) = delete;

    // Lets the package manager complete the package list of the selection: fills
    // the bootstrapper and the resolved package lists (which must be empty) and
    // returns the resolved one. Called once, before anything else.
    virtual const PackageList& resolve() = 0;
    // The check before the installation; for the apt and yum/dnf back ends it
    // only logs.
    virtual void checkPackageSet();
    // The install step; raises error on failure.
    virtual void install();
    // Installs the bootstrapper packages (when there are any), then runs the
    // "prep" actions; their failure raises "err_prep_actions_failed".
    virtual void installPrep();
    // The back end's installation of the list (installs, upgrades and removers).
    virtual void doInstall(const PackageList& packages) = 0;
    // Runs the "post" actions, for all components after a failed earlier
    // installation; their failure raises "err_post_actions_failed".
    virtual void installPost(bool previousFailure);

    // The resolved list (ordinary packages and removers), for the package listing
    // of an error report.
    const PackageList& resolvedList() const { return resolved_; }
    // Keeps the configurator's persistent files when the run ends.
    void setCommitChanges();

    // set: true when an earlier run left the flag file (it stays), else creates
    // it and returns false. !set: removes it and returns false. Flag trouble is
    // logged at level 1 and never fails the installation (returns false).
    bool processFailureFlag(bool set);

    // A dummy record that stands for the removal of the package its first
    // obsoletes entry names.
    static bool isRemoverPackage(const Package* package);
    // The name a remover removes (its first obsoletes entry).
    static std::string removedName(const Package* remover);

    // What a back end passes over to the package manager: not an extension
    // package, nor the remover of an installed extension (extension packages go
    // through ExtensionPackages).
    bool goesToPackageManager(const Package* package) const;
    // Whether the list holds a package (not a remover) of that name and
    // architecture (any architecture when `anyArch`).
    static bool holdsPackage(const PackageList& list, const std::string& name, const std::string& arch,
                             bool anyArch);
    // Whether the list holds a remover of that name and architecture.
    static bool holdsRemover(const PackageList& list, const std::string& name, const std::string& arch);

    // The dependency resolver's part of an install step, for a back end that
    // completes its list itself. The apt and yum/dnf back ends let the system
    // package manager solve the list, so nothing on their road calls these.
    //
    // Completes the installation group in place with what each of its packages
    // (the added ones too) needs, with the whole install list requested, for the
    // system's architecture and the "force-remove-packages-tree" option. A
    // package that black-lists a candidate in each of 100 attempts raises error
    // (5,1,1,3) "err_prep_group"; other resolver errors leave unchanged.
    static void prepareInstallStep(PackageList& group, const PackageList& installList, Repository& repository);
    // After the packages were installed: the installed records they obsolete
    // (a remover's removed package among them) and their older installed
    // versions leave the repository, and the new records count as installed.
    // Removers stay as they are.
    static void updateSystemRepository(Repository& repository, const PackageList& installed);
    // The install step's small repository: the resolved records and the
    // installed ones of `repository`, their requirements matched among them. It
    // lists the records without owning them (they keep their sources) and must
    // not outlive `repository`.
    static std::unique_ptr<Repository> makeSmallRepository(const PackageList& resolved, Repository& repository);

protected:
    Repository& repository() const { return *repository_; }
    ComponentManager& componentManager() const { return *components_; }
    SystemSpecificConfigurator& configurator() const { return *configurator_; }
    PackageList& bootstrapperPackages() { return bootstrapper_; }
    PackageList& resolvedPackages() { return resolved_; }
    ProductsProgress& productsProgress() const { return *progress_; }

private:
    checked_pointer<Repository> repository_;
    checked_pointer<ComponentManager> components_;
    checked_pointer<SystemSpecificConfigurator> configurator_;
    PackageList bootstrapper_;
    PackageList resolved_;
    std::unique_ptr<ProductsProgress> progress_;
};
