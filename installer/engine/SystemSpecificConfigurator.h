#pragma once

#include "installer/components/AvailablePackageLookup.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class ComponentManager;
class Installer;
class Package;
class Repository;
class SourceManager;

// The adapter between the installer and the system package manager, one per
// run: it writes the package manager's configuration for the run's product
// sources, imports their signing keys, answers which version the system
// repositories offer, makes the matching installer back end, and at the end of
// the run removes the temporary configuration and keeps or undoes the
// persistent one. The APT and yum flavours fill the virtual operations.
//
// A persistent file (one that stays after a successful run) is registered with
// backupFile before it changes: its previous bytes are kept beside it as
// "<path>.kw_back" until the run commits (backups deleted) or rolls back
// (backups renamed over the files; files that did not exist are removed). A
// registration ends with the commit or restore that settled it, so a finish
// after a rollback leaves the restored files alone.
//
// Used from one thread at a time.
class SystemSpecificConfigurator : public AvailablePackageLookup {
public:
    // The source manager and repository of the run are borrowed; both outlive
    // the configurator.
    SystemSpecificConfigurator(SourceManager* sources, Repository* repository);
    ~SystemSpecificConfigurator() override;
    SystemSpecificConfigurator(const SystemSpecificConfigurator&) = delete;
    SystemSpecificConfigurator& operator=(const SystemSpecificConfigurator&) = delete;

    // Rewrites the repository files and reimports keys for the current sources.
    virtual void reconfigureSources() = 0;
    // Asks the package manager once what its repositories offer for the names.
    virtual void prepareAvailablePackagesList(const std::vector<std::string>& names);
    // The installer back end of this package manager.
    virtual std::unique_ptr<Installer> createInstaller(ComponentManager* components) = 0;

    // Runs the configure body once; a second call is an internal error.
    void configure();
    // The flavour's warnings about the system configuration, computed once.
    std::string checkConfiguration();
    // What the system repositories offer for the name (the flavour keeps the
    // record until the process ends), or null; before configure an error. The
    // drivers hand the configurator to the component state check and the package
    // list as their lookup.
    const Package* getAvailablePackage(const std::string& name) override;
    void removeTemporarySources();
    void finishPersistentConfiguration();
    // The persistent configuration stays when the run ends.
    void setCommitChanges();
    // Puts the registered files back as they were before the run, now.
    void rollback();

    bool isConfigured() const { return configured_; }
    bool commitsChanges() const { return commitChanges_; }
    const std::set<std::string>& backedUpFiles() const { return backedUpFiles_; }

    // The product id of a build as the name of its persistent repository file
    // (`what` names the file in the error): one plain file name, else an error.
    static std::string productFileName(const std::string& productId, const std::string& build, const char* what);

    // The suffix of a persistent file's backup.
    static constexpr const char* backupSuffix = ".kw_back";

protected:
    virtual const Package* doGetAvailablePackage(const std::string& name) = 0;
    virtual void doConfigure() = 0;
    virtual std::string doCheckConfiguration();
    virtual void doRemoveTemporarySources() = 0;
    virtual void doFinishPersistentConfiguration();

    // Registers a persistent file before it changes. A backup left by an
    // interrupted run is never overwritten: it holds the state before that run.
    void backupFile(const std::string& path);
    // backupFile, then the content written through a temporary file in the same
    // directory and renamed over the path.
    void writePersistentFile(const std::string& path, const std::string& content);
    void commitPersistentFiles();
    void restorePersistentFiles();

    // One pass over the run's repository files: each path with whether it is
    // persistent and its whole content. Persistent files are registered with
    // backupFile first. A file an earlier pass wrote that gets nothing in this
    // one goes back to what it was before the run (a temporary one is
    // removed), so a deactivated addon repository does not stay configured.
    struct RepositoryFile {
        bool persistent = false;
        std::string content;
    };
    void writeRepositoryFiles(const std::map<std::string, RepositoryFile>& files);
    // The flavour sets this itself when its body must count as configured before
    // it ends.
    void setConfigured() { configured_ = true; }

    SourceManager* sources() const { return sources_; }
    Repository* repository() const { return repository_; }

private:
    SourceManager* sources_;
    Repository* repository_;
    bool configured_ = false;
    bool commitChanges_ = false;
    std::set<std::string> backedUpFiles_;
    bool checkComputed_ = false;
    std::string checkResult_;
    // The repository files this run has written, each with whether it is persistent.
    std::map<std::string, bool> writtenFiles_;
};

// Puts the download proxy of the options into "http_proxy", for the package
// manager commands started later; without a proxy host the environment stays.
void exportProxyVariable();
