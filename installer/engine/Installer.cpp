#include "installer/engine/Installer.h"

#include "installer/engine/Bootstrapper.h"
#include "installer/engine/ExtensionPackages.h"
#include "installer/engine/ProductsProgress.h"
#include "installer/engine/SystemSpecificConfigurator.h"
#include "installer/options/Options.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/InstallStepResolver.h"
#include "common/packages/PkgManager.h"
#include "common/packages/Repository.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <unordered_map>
#include <unistd.h>

std::string Installer::failureFlagPath() { return std::string(failureFlagDirectory) + failureFlagName; }

Installer::Installer(Repository* repository, ComponentManager* components, SystemSpecificConfigurator* configurator)
    : repository_(repository), components_(components), configurator_(configurator)
{
    Log(3, true) << "Installer::Installer: create ProductsProgress";
    progress_.reset(new ProductsProgress());
}

Installer::~Installer() = default;

void Installer::checkPackageSet() { Log(1, true) << "Check package set before installation"; }

void Installer::install()
{
    Progress::checkTermination();
    Progress::stage(4, 1);
    Progress::stepAndLog("install_start", Messages::get("installling_pkgs"));
    ExtensionPackages extensions(repository_.get());
    extensions.removePackages(resolved_);
    Progress::checkTermination();
    installPrep();
    const bool previousFailure = processFailureFlag(true);
    try {
        doInstall(resolved_);
    } catch (const error&) {
        Log(3, true) << "DEBUG: Bootstrapper::performPkgsFailureActions";
        Bootstrapper::performPkgsFailureActions(*components_);
        throw;
    }
    // A stop requested while the package manager ran was held back there; it is
    // acted on before the post actions, so that the flag stays and the next run
    // runs them for every component.
    Progress::checkTermination();
    installPost(previousFailure);
    processFailureFlag(false);
    Progress::checkTermination();
    extensions.installPackages(resolved_);
    Progress::checkTermination();
    Log(1, true) << "Install command successfully completed";
}

void Installer::installPrep()
{
    if (!bootstrapper_.empty()) doInstall(bootstrapper_);
    Log(3, true) << "installPrep: Perform PREP actions";
    if (!Bootstrapper::performActions(*components_, "prep", false))
        throw error(4, 0, 2, 2) << Messages::get("err_prep_actions_failed");
}

void Installer::installPost(bool previousFailure)
{
    Log(3, true) << "installPost: Perform POST actions";
    if (!Bootstrapper::performActions(*components_, "post", previousFailure))
        throw error(4, 0, 2, 2) << Messages::get("err_post_actions_failed");
}

void Installer::setCommitChanges() { configurator_->setCommitChanges(); }

bool Installer::isRemoverPackage(const Package* package) { return PkgManager::isRemover(package); }

std::string Installer::removedName(const Package* remover) { return remover->getObsolete(0)->toString(); }

bool Installer::goesToPackageManager(const Package* package) const
{
    if (dynamic_cast<const ExtCatalogPackage*>(package)) return false;
    return !isRemoverPackage(package) ||
           !dynamic_cast<const ExtCatalogPackage*>(repository_->findInstalled(removedName(package)));
}

bool Installer::holdsPackage(const PackageList& list, const std::string& name, const std::string& arch,
                             bool anyArch)
{
    return std::any_of(list.begin(), list.end(), [&](const Package* package) {
        return !isRemoverPackage(package) && package->getName() == name && (anyArch || package->getArch() == arch);
    });
}

bool Installer::holdsRemover(const PackageList& list, const std::string& name, const std::string& arch)
{
    return std::any_of(list.begin(), list.end(), [&](const Package* package) {
        return isRemoverPackage(package) && removedName(package) == name && package->getArch() == arch;
    });
}

void Installer::prepareInstallStep(PackageList& group, const PackageList& installList, Repository& repository)
{
    const std::string arch = Opsys().arch();
    InstallStepResolver::completeGroup(repository, group, installList, arch,
                                       Options::getInstance().forceRemovePackagesTree);
}

namespace {

// The repository's own, changeable record for a record of its list.
class ListedRecords {
public:
    explicit ListedRecords(Repository& repository)
    {
        for (Package* package : repository.getPackages()) records_.emplace(package, package);
    }
    Package& operator[](const Package* package) const
    {
        const auto found = records_.find(package);
        if (found == records_.end()) throw KW_INTERNAL_ERROR() << " (a record the repository does not list)";
        return *found->second;
    }

private:
    std::unordered_map<const Package*, Package*> records_;
};

}  // namespace

void Installer::updateSystemRepository(Repository& repository, const PackageList& installed)
{
    const ListedRecords records(repository);
    std::vector<Package*> gone;
    for (const Package* package : installed) {
        for (const Package* obsoleted : repository.getObsoletedBy(package))
            if (obsoleted->getType() == Package::typeSystem) gone.push_back(&records[obsoleted]);
        if (isRemoverPackage(package)) continue;
        for (const Package* same : repository.findByName(package->getName()))
            if (same != package && same->getType() == Package::typeSystem &&
                same->getVersion().compare(package->getVersion()) < 0)
                gone.push_back(&records[same]);
    }
    for (Package* record : gone) record->setType(static_cast<char>(Package::typePurge));
    for (const Package* package : installed)
        if (!isRemoverPackage(package)) records[package].setType(static_cast<char>(Package::typeSystem));
    repository.invalidateCaches();
    repository.purgeMarkedPackages();
}

std::unique_ptr<Repository> Installer::makeSmallRepository(const PackageList& resolved, Repository& repository)
{
    const ListedRecords records(repository);
    auto small = std::make_unique<Repository>();
    for (const Package* package : resolved) small->addPackage(&records[package], package->getSource());
    for (Package* package : repository.getPackages())
        if (package->getType() == Package::typeSystem) small->addPackage(package, package->getSource());
    small->resolveRequires();
    return small;
}

namespace {

// The flag is created empty without following a link someone may have put in
// its place.
void createFlagFile(const std::string& path)
{
    fileops::create_directory(Installer::failureFlagDirectory);
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        const int code = errno;
        throw error(4, 1, 1, 2) << "cannot create " << path << ": " << std::strerror(code);
    }
    ::close(descriptor);
}

}  // namespace

bool Installer::processFailureFlag(bool set)
{
    const std::string path = failureFlagPath();
    try {
        if (!set) {
            if (fileops::exists(path)) fileops::remove(path);
            return false;
        }
        if (fileops::exists(path)) {
            Log(3, true) << "DEBUG installation failure flag file exists: " << path;
            Log(1, true) << "WARNING: Failure of previous installation was detected! Bootstrapper post-actions will "
                            "be executed for all components at the end of the current installation.";
            return true;
        }
        Log(3, true) << "DEBUG installation failure flag file does not exist: " << path;
        createFlagFile(path);
        return false;
    } catch (const std::exception& e) {
        const std::string text = e.what();
        Log(1, true) << "Exception occured while trying to process installation failure flag file: '" << path
                     << "'. ERROR: " << text;
    } catch (const error& e) {
        const std::string text = e.text();
        Log(1, true) << "Error occured while trying to process installation failure flag file: '" << path
                     << "'. ERROR: " << text;
    } catch (...) {
        // Flag trouble must never fail the installation; whatever it was is logged.
        Log(1, true) << "Unknown error occured while trying to process installation failure flag file: " << path;
    }
    return false;
}
