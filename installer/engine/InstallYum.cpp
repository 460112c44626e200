#include "installer/engine/InstallYum.h"

#include "installer/components/ComponentManager.h"
#include "installer/engine/YumConfigurator.h"
#include "installer/options/Options.h"
#include "installer/startup/ReportError.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Repository.h"
#include "common/packages/Version.h"

#include <boost/regex.hpp>

#include <sys/wait.h>

#include <sstream>

InstallYum::InstallYum(Repository* repository, ComponentManager* components, SystemSpecificConfigurator* configurator)
    : Installer(repository, components, configurator)
{
}

YumConfigurator& InstallYum::yum() const
{
    auto* yum = dynamic_cast<YumConfigurator*>(&configurator());
    if (!yum) throw KW_INTERNAL_ERROR() << "the yum back end runs with the yum configurator only";
    return *yum;
}

std::string InstallYum::packageArguments(const PackageList& packages) const
{
    std::string arguments;
    for (const Package* package : packages) {
        if (!goesToPackageManager(package)) continue;
        if (isRemoverPackage(package)) {
            std::string word = removedName(package);
            if (*package->getArch()) word += std::string(":") + package->getArch();
            arguments += " -r " + shellQuote(word);
            continue;
        }
        std::string word = package->getName();
        if (*package->getArch()) word += std::string(":") + package->getArch();
        if (package->getType() == Package::typeBuild) {
            if (package->getVersion().getVersion().empty())
                throw KW_INTERNAL_ERROR() << "the catalogue package " << package->getName() << " has no version";
            word += "=" + package->getVersion().toString();
        }
        arguments += " -i " + shellQuote(word);
    }
    return arguments;
}

std::string InstallYum::helperCommand(const std::string& mode, const PackageList& packages) const
{
    if (mode.empty()) throw KW_INTERNAL_ERROR() << "the helper runs in a mode";
    const YumConfigurator& configurator = yum();
    const Options& options = Options::getInstance();
    std::string command = configurator.tool().helperPath + " --" + mode;
    for (const std::string& id : configurator.repoIds()) command += " -e " + shellQuote(id);
    command += " -l " + shellQuote(Log::fileName());
    if (options.debug) command += " -v";
    command += " --tries=" + std::to_string(options.downloadRetries);
    return command + packageArguments(packages);
}

void InstallYum::runHelper(const std::string& mode, const PackageList& packages, std::ostream* output)
{
    const std::string command = helperCommand(mode, packages);
    std::ostringstream collected;
    std::ostringstream errors;
    // Only the perform run changes the system: it runs to its end.
    const int status = YumConfigurator::runHelperCommand(command, true, mode != "perform", collected, errors);
    if (output) *output << collected.str();
    try {
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return;
        if (WIFEXITED(status) && WEXITSTATUS(status) == 2)
            throw error(6, 1, 1, 2) << Messages::get("err_yum_no_repos");
        if (WIFSIGNALED(status))
            Log(2, true) << "Error: The Yum utility was terminated by signal " << WTERMSIG(status)
                         << " while executing command '" << command << "'.";
        throw error(6, 1, 3, 3) << Messages::get("err_pkginst_yum");
    } catch (const error& failure) {
        ReportError::stream(-1) << "Yum failed to " << mode << " packages:\n"
                                << "Error: " << failure.text() << "\n"
                                << "Command line: " << command << "\n"
                                << "Output:\n"
                                << collected.str() << errors.str() << "\n";
        throw;
    }
}

void InstallYum::addPlannedPackage(const std::string& line, PackageList& list) const
{
    static const boost::regex planned("(?<act>\\+|-) (?<N>[^:=]+):(?<A>[^=]+)?=(?<EVR>.+)");
    boost::smatch match;
    if (!boost::regex_match(line, match, planned)) return;
    const std::string name = match["N"];
    const std::string arch = match["A"];
    if (match["act"] == "+") {
        if (holdsPackage(list, name, arch, arch.empty())) return;
        const Package* package = repository().findPackage(name.c_str(), Version(match["EVR"].str()), arch);
        if (!package) {
            auto made = std::make_unique<RPMPackage>(name.c_str(), match["EVR"].str());
            made->setArch(arch);
            made->setType(static_cast<char>(Package::typeUpdates));
            package = Repository::keep(std::move(made));
        }
        Log(2, true) << "  add to install list " << *package;
        list.push_back(package);
    } else {
        if (holdsRemover(list, name, arch)) return;
        const Package* remover = repository().addRemoverFor(name, arch);
        Log(2, true) << "  add to remove list " << *remover;
        list.push_back(remover);
    }
}

const Installer::PackageList& InstallYum::resolve()
{
    // The bootstrapper packages are installed on their own by installPrep.
    componentManager().getBootstrapperPackagesToInstall(bootstrapperPackages(), repository());
    PackageList& resolved = resolvedPackages();
    if (!resolved.empty()) throw KW_INTERNAL_ERROR() << "the resolved package list is filled twice";
    componentManager().getPackagesToInstall(resolved, repository(), &configurator());

    std::ostringstream output;
    runHelper("solve", resolved, &output);
    std::istringstream lines(output.str());
    for (std::string line; std::getline(lines, line);) {
        Log(3, true) << "DEBUG: output: " << line;
        addPlannedPackage(line, resolved);
    }
    return resolved;
}

void InstallYum::doInstall(const PackageList& packages)
{
    runHelper("perform", packages, nullptr);
    // A termination request that waited for the package manager counts now.
    Progress::checkTermination();
}
