#include "installer/engine/InstallDeb.h"

#include "installer/catalogue/Build.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"
#include "installer/engine/DebianAPTConfigurator.h"
#include "installer/engine/DpkgRecovery.h"
#include "installer/engine/ProductsProgress.h"
#include "installer/engine/SystemPackageTools.h"
#include "installer/options/Options.h"
#include "installer/startup/ReportError.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/packages/DebPackage.h"
#include "common/packages/DebVersion.h"
#include "common/packages/Repository.h"

#include <boost/regex.hpp>

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>

namespace {

// A target release goes into the command line inside single quotes.
const boost::regex kReleaseName("[A-Za-z0-9.+~_-]*");

const char* const kSourcesList = "/etc/apt/sources.list";
const char* const kSourcesListDirectory = "/etc/apt/sources.list.d";

}  // namespace

InstallDeb::InstallDeb(Repository* repository, ComponentManager* components, SystemSpecificConfigurator* configurator)
    : Installer(repository, components, configurator), apt_(dynamic_cast<DebianAPTConfigurator*>(configurator))
{
    if (!apt_) throw error(3, 1, 1, 3) << Messages::get("err_deb_initobj");
    if (!fileops::exists(aptGetProgram)) throw error(4, 1, 1, 2) << Messages::get("err_no_apt");
}

std::string InstallDeb::buildBaseCommand() const
{
    const BuildPtr build = componentManager().getBaseComponent()->getBuild();
    const std::string release = build ? build->osReleaseName() : std::string();
    if (!boost::regex_match(release, kReleaseName))
        throw error(1, 1, 1, 3) << "The target release '" << release << "' of " << *build
                                << " is not a release name.";
    const Options& options = Options::getInstance();
    return "DEBIAN_FRONTEND=noninteractive LANG=C " + std::string(SystemPackageTools::aptGet) +
           " --assume-yes --show-upgraded --purge --no-reinstall -o APT::Get::List-Cleanup=true"
           " -o Dpkg::options::=--force-confdef -o Dpkg::options::=--force-confold "
           " -o APT::Get::AllowUnauthenticated=" +
           (options.skipGpgCheck ? "true" : "false") + " -o Acquire::Retries=" +
           std::to_string(options.downloadRetries) + " " + " -t '" + release + "*' ";
}

std::string InstallDeb::packageArguments(const PackageList& packages) const
{
    std::string arguments;
    for (const Package* package : packages) {
        if (!goesToPackageManager(package)) continue;
        std::string word;
        if (isRemoverPackage(package)) {
            word = removedName(package);
            if (*package->getArch()) word += std::string(":") + package->getArch();
            word += "-";
        } else if (package->getType() == Package::typeDummy) {
            continue;
        } else {
            word = package->getName();
            // apt knows no architecture "noarch": such a package installs as it is.
            const std::string arch = package->getArch();
            if (!arch.empty() && arch != "noarch") word += ":" + arch;
            if (package->getType() == Package::typeBuild) {
                if (package->getVersion().getVersion().empty())
                    throw KW_INTERNAL_ERROR() << "the catalogue package " << package->getName() << " has no version";
                word += "=" + package->getVersion().toString();
            }
        }
        arguments += " " + shellQuote(word);
    }
    return arguments;
}

void InstallDeb::addPlannedPackage(const std::string& line, PackageList& list) const
{
    static const boost::regex install("(Inst|Conf) (?<N>[^ :]+)(:(?<A>[^ ]+))?( \\[[^ ]+\\])? \\((?<EVR>[^ ]+) .+");
    static const boost::regex remove("(Remv|Purg) (?<N>[^ :]+)(:(?<A>[^ ]+))? \\[(?<EVR>[^ ]+)\\]");
    boost::smatch match;
    if (boost::regex_match(line, match, install)) {
        const std::string name = match["N"];
        const bool hasArch = match["A"].matched;
        const std::string arch = match["A"];
        if (holdsPackage(list, name, arch, !hasArch)) return;
        const Package* package = repository().findPackage(name.c_str(), DebVersion(match["EVR"].str()), arch);
        if (!package) {
            auto made = std::make_unique<DebPackage>(name.c_str(), match["EVR"].str());
            if (hasArch) made->setArchRaw(arch);
            made->setType(static_cast<char>(Package::typeUpdates));
            package = Repository::keep(std::move(made));
        }
        Log(2, true) << "  add to install list " << *package;
        list.push_back(package);
    } else if (boost::regex_match(line, match, remove)) {
        const std::string name = match["N"];
        const std::string arch = match["A"];
        if (holdsRemover(list, name, arch)) return;
        const Package* remover = repository().addRemoverFor(name, arch);
        Log(2, true) << "  add to remove list " << *remover;
        list.push_back(remover);
    }
}

const Installer::PackageList& InstallDeb::resolve()
{
    PackageList& bootstrapper = bootstrapperPackages();
    PackageList& resolved = resolvedPackages();
    componentManager().getBootstrapperPackagesToInstall(bootstrapper, repository());
    if (!resolved.empty()) throw KW_INTERNAL_ERROR() << "the resolved package list is filled twice";
    resolved.insert(resolved.end(), bootstrapper.begin(), bootstrapper.end());
    componentManager().getPackagesToInstall(resolved, repository(), &configurator());

    // The dry run does not need dpkg to be clean; the install step recovers it.
    // With nothing to install no step would, and the run would end "already
    // installed" over packages dpkg never finished (they read as installed):
    // that is refused with the commands that finish them.
    const std::string unfinished = DpkgRecovery::audit();
    if (resolved.empty()) {
        if (unfinished.empty()) return resolved;
        Log(1, true) << "Error: nothing to install, but dpkg was interrupted in an earlier run and did not finish:\n"
                     << unfinished;
        throw DpkgRecovery::unfinished(unfinished);
    }
    const bool interrupted = !unfinished.empty();
    if (interrupted) Log(1, true) << "Warning: " << DpkgRecovery::hint();

    Progress::stepAndLog("checking_deps", Messages::get("checking_deps"));
    std::string command;
    std::ostringstream output;
    int code = -1;
    try {
        command = buildBaseCommand() + " --just-print install " + packageArguments(resolved);
        code = executeCommand(command, false, false, &output, &output);
        if (code != 0) {
            Log(0, true) << output.str();
            error failure(5, 1, 1, 3);
            failure << Messages::get("err_installation_stopped_apt_error");
            if (interrupted) failure << " " << DpkgRecovery::hint();
            throw failure;
        }
        std::istringstream lines(output.str());
        for (std::string line; std::getline(lines, line);) {
            Log(3, true) << "DEBUG: output: " << line;
            addPlannedPackage(line, resolved);
        }
    } catch (const error& failure) {
        ReportError::stream(-1) << "Apt failed to resolve packages:\n"
                                << "Error: " << failure.text() << "\n"
                                << "Command line: " << command << "\n"
                                << "Return code: " << code << "\n"
                                << "Output:" << output.str() << "\n";
        reportSystemState();
        Log(0, true) << "\n\n" << Messages::get("err_installation_stopped");
        throw;
    }
    return resolved;
}

void InstallDeb::reportSystemState()
{
    // Every list APT reads: the classic file (absent on deb822 systems) and the
    // directory's files, each under its path.
    std::vector<std::string> lists;
    if (fileops::exists(kSourcesList)) lists.push_back(kSourcesList);
    if (DIR* directory = ::opendir(kSourcesListDirectory)) {
        std::vector<std::string> names;
        while (const dirent* entry = ::readdir(directory))
            if (entry->d_name[0] != '.') names.push_back(entry->d_name);
        ::closedir(directory);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) lists.push_back(std::string(kSourcesListDirectory) + "/" + name);
    }
    ReportError::stream(-1) << "Sources list:\n";
    for (const std::string& list : lists) {
        std::ostringstream content;
        executeCommand("cat " + shellQuote(list), false, false, &content, &content);
        ReportError::stream(-1) << "# " << list << "\n" << content.str() << "\n";
    }
    std::ostringstream installed;
    executeCommand(std::string(SystemPackageTools::dpkg) + " -l", false, false, &installed, &installed);
    ReportError::stream(-1) << "Installed in system packages:\n" << installed.str() << "\n";
}

void InstallDeb::waitForLock(int seconds)
{
    for (int second = 0; second < seconds; ++second) {
        ::sleep(1);
        Progress::checkTermination();
    }
}

void InstallDeb::doInstall(const PackageList& packages)
{
    {
        Log line(3, true);
        line << "DEBUG:  installing packages: ";
        for (const Package* package : packages) line << *package << " ";
        if (packages.empty()) line << "(empty)";
    }
    if (packages.empty()) return;

    std::string command;
    std::string output;
    int code = -1;
    try {
        const std::string arguments = packageArguments(packages);
        if (arguments.empty()) return;
        if (!dpkgRecovered_) {
            // Once per run, before the first change and after the operator said yes.
            dpkgRecovered_ = true;
            DpkgRecovery::recoverOnce();
        }
        if (apt_->cdromInSource()) Log(0, true) << "\n\n" << Messages::get("warn_apt_cdrom_in_source") << "\n";
        command = buildBaseCommand() + " install " + arguments;
        if (ProductsProgress* progress = ProductsProgress::instance()) progress->setStarted();
        try {
            for (int attempt = 0; attempt < lockAttempts; ++attempt) {
                if (attempt > 0) {
                    Log(0, true) << (Messages::format("download_retry") % Messages::get("err_deb_inst_exec") %
                                     lockWaitSeconds);
                    waitForLock(lockWaitSeconds);
                    Log(0, true) << Messages::get("installling_pkgs")
                                 << (Messages::format("download_retry_progress") % attempt % (lockAttempts - 1));
                    output.clear();
                }
                std::ostringstream collected;
                code = executeCommandToEnd(command, true, &collected, &collected, waitingNote);
                output = collected.str();
                if (code == 0 || output.find(SystemPackageTools::aptLockBusy) == std::string::npos) break;
            }
        } catch (error& failure) {
            failure.addLevel(4, 1, 2, 2) << Messages::get("err_deb_inst_exec");
            throw;
        }
        if (code != 0) throw error(6, 1, 3, 3) << Messages::get("err_debinstall");
        Log(3, true) << "DEBUG:  installed packages: " << arguments;
    } catch (const error& failure) {
        ReportError::stream(-1) << "Apt failed to install packages:\n"
                                << "Error: " << failure.text() << "\n"
                                << "Command line: " << command << "\n"
                                << "Return code: " << code << "\n"
                                << "Output:\n"
                                << output << "\n";
        throw;
    }
    // A termination request that waited for the package manager counts now.
    Progress::checkTermination();
}
