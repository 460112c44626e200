#include "installer/engine/ExtensionPackages.h"

#include "installer/engine/Installer.h"
#include "installer/sources/ExtensionCommand.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/packages/Dependency.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/Repository.h"

#include <sstream>

namespace {

// What differs between the two runs of the extension command.
struct Run {
    const char* debugVerb;  // "uninstalling" or "installing"
    const char* stepId;     // also the key of the step's text
    const char* failure;    // " uninstallation failed" or " installation failed"
    const char* errorKey;
    bool withVersion;       // the failure line names the version too
};

const Run uninstallRun{"uninstalling", "install_remove", " uninstallation failed", "err_ext_package_remove", true};
const Run installRun{"installing", "install_install_package", " installation failed", "err_ext_package_install",
                     false};

error runFailure(const Run& run, const ExtCatalogPackage& package, const std::string& why)
{
    return error(4, 0, 2, 2) << (Messages::format(run.errorKey) % package.getDisplayName() % package.getCode() % why)
                                    .str();
}

void runExtensionCommand(const Run& run, const ExtCatalogPackage& package, const std::string& option,
                         const std::string& value, bool valid)
{
    const std::string name = package.getName();
    Log(3, true) << "DEBUG " << run.debugVerb << " extension package " << name;
    Progress::stepAndLog(run.stepId, Messages::get(run.stepId) + package.getDisplayName());
    // The values come from the network feed; one that slipped past the feed's
    // check never reaches a shell.
    if (!valid) {
        Log(1, true) << "Extension package " << name << " has an unusable " << option << " value; not run";
        throw runFailure(run, package, "refused to run the extension command with " + option + " " + quoteString(value));
    }
    std::ostringstream output;
    std::ostringstream errorOutput;
    const int code = executeCommand(ExtensionCommand::commandLine({option, value}), false, false, &output,
                                    &errorOutput);
    if (code == 0) return;
    const std::string out = output.str();
    const std::string err = errorOutput.str();
    {
        Log line(1, true);
        line << "Extension package " << name;
        if (run.withVersion) line << " " << package.getVersion();
        line << run.failure << " with code " << code << ", stdout: " << out << "\nstderr: " << err;
    }
    throw runFailure(run, package, err);
}

}  // namespace

ExtensionPackages::ExtensionPackages(Repository* repository) : repository_(repository) {}

void ExtensionPackages::removePackages(const std::vector<const Package*>& packages)
{
    std::vector<const Package*> removers;
    for (const Package* package : packages)
        if (Installer::isRemoverPackage(package)) removers.push_back(package);
    const std::string listed = packageListText(removers);
    Log(3, true) << "DEBUG remove extension packages: " << listed;
    for (const Package* remover : removers) {
        const std::string removed = remover->getObsoletes().front()->toString();
        uninstallPackage(dynamic_cast<const ExtCatalogPackage*>(repository_->findInstalled(removed)));
    }
}

void ExtensionPackages::installPackages(const std::vector<const Package*>& packages)
{
    std::vector<const Package*> extensions;
    for (const Package* package : packages)
        if (dynamic_cast<const ExtCatalogPackage*>(package) && package->getType() != Package::typeSystem)
            extensions.push_back(package);
    const std::string listed = packageListText(extensions);
    Log(3, true) << "DEBUG install extension packages: " << listed;
    for (const Package* package : extensions) installPackage(static_cast<const ExtCatalogPackage*>(package));
}

void ExtensionPackages::uninstallPackage(const ExtCatalogPackage* package)
{
    if (!package) return;
    const std::string code = package->getCode();
    runExtensionCommand(uninstallRun, *package, "--uninstall", code, ExtensionCommand::isValidCode(code));
}

void ExtensionPackages::installPackage(const ExtCatalogPackage* package)
{
    if (!package) return;
    const std::string url = package->getDownloadUrl();
    runExtensionCommand(installRun, *package, "--upgrade-url", url, ExtensionCommand::isValidDownloadUrl(url));
}
