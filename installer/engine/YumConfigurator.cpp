#include "installer/engine/YumConfigurator.h"

#include "installer/catalogue/BuildInfFile.h"
#include "installer/engine/InstallYum.h"
#include "installer/engine/SystemPackageTools.h"
#include "installer/engine/YumGpgKeyManager.h"
#include "installer/options/Options.h"
#include "installer/sources/SourceManager.h"
#include "installer/sources/SourceZarniYum.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/POpen.h"
#include "common/Progress.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Repository.h"

#include <boost/regex.hpp>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>

// The helper scripts as the program carries them (resources/package-helpers).
extern const unsigned char kw_dnf_helper_script[];
extern const std::size_t kw_dnf_helper_script_size;
extern const unsigned char kw_yum_helper_script[];
extern const std::size_t kw_yum_helper_script_size;

namespace {

const YumConfigurator::PackageTool* chosenTool = nullptr;

std::vector<SourceZarniYum*> yumSources(const SourceManager& manager)
{
    std::vector<SourceZarniYum*> found;
    for (const SourceManager::SourcePtr& source : manager.sources())
        if (auto* yum = dynamic_cast<SourceZarniYum*>(source.get())) found.push_back(yum);
    return found;
}

std::string productIdOf(const SourceZarniYum& source)
{
    const BuildPtr build = source.getBuild();
    return SystemSpecificConfigurator::productFileName(
        build->buildInfFile() ? build->buildInfFile()->product_id : std::string(), build->config(),
        "a yum repository file");
}

error helperWriteError(const std::string& path, const std::string& reason)
{
    error failure(4, 1, 1, 2);
    failure << (Messages::format("err_filewrite2") % path % reason);
    return failure;
}

// Closes a descriptor when the scope ends.
struct Descriptor {
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd;
};

// Writes a root-run script into its directory: only a directory of this user
// that nobody else may write to, the new file made there with O_EXCL and
// O_NOFOLLOW (a planted link is never written through), synced and renamed over
// the old one, all relative to the one directory that was checked.
void installScript(const std::string& path, const std::string& text, mode_t mode)
{
    const std::string directory = fileops::dirname(path);
    const std::string name = fileops::basename(path);
    const Descriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (dir.fd < 0) throw helperWriteError(path, std::strerror(errno));
    struct stat info;
    if (::fstat(dir.fd, &info) != 0) throw helperWriteError(path, std::strerror(errno));
    if (info.st_uid != ::geteuid() || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        throw helperWriteError(path, "the directory " + directory +
                                         " must belong to root and be writable by no one else");

    const std::string sibling = "." + name + ".kwtmp." + std::to_string(::getpid());
    ::unlinkat(dir.fd, sibling.c_str(), 0);
    const int file = ::openat(dir.fd, sibling.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (file < 0) throw helperWriteError(path, std::strerror(errno));
    auto fail = [&](int code) {
        ::close(file);
        ::unlinkat(dir.fd, sibling.c_str(), 0);
        return helperWriteError(path, std::strerror(code));
    };
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t step = ::write(file, text.data() + written, text.size() - written);
        if (step < 0 && errno == EINTR) continue;
        if (step < 0) throw fail(errno);
        written += static_cast<std::size_t>(step);
    }
    // The mode is given exactly, whatever the umask; only a synced file takes the name.
    if (::fchmod(file, mode) != 0 || ::fsync(file) != 0) throw fail(errno);
    if (::close(file) != 0) {
        const int code = errno;
        ::unlinkat(dir.fd, sibling.c_str(), 0);
        throw helperWriteError(path, std::strerror(code));
    }
    if (::renameat(dir.fd, sibling.c_str(), dir.fd, name.c_str()) != 0) {
        const int code = errno;
        ::unlinkat(dir.fd, sibling.c_str(), 0);
        throw helperWriteError(path, std::strerror(code));
    }
}

}  // namespace

const YumConfigurator::PackageTool& YumConfigurator::dnfTool()
{
    static const PackageTool tool{"dnf", "/usr/bin/dnf-3", "/opt/kvo/bin/dnf_install",
                                  std::string(reinterpret_cast<const char*>(kw_dnf_helper_script),
                                              kw_dnf_helper_script_size)};
    return tool;
}

const YumConfigurator::PackageTool& YumConfigurator::yumTool()
{
    static const PackageTool tool{"yum", "/usr/bin/yum", "/opt/kvo/bin/yum_install",
                                  std::string(reinterpret_cast<const char*>(kw_yum_helper_script),
                                              kw_yum_helper_script_size)};
    return tool;
}

const YumConfigurator::PackageTool& YumConfigurator::detectPackageTool()
{
    if (fileops::exists(dnfTool().toolPath)) {
        Log(2, true) << "Notice: seems dnf is ready to use.";
        chosenTool = &dnfTool();
    } else if (fileops::exists(yumTool().toolPath)) {
        Log(2, true) << "Notice: seems yum is ready to use.";
        chosenTool = &yumTool();
    } else {
        throw error(4, 1, 1, 2) << Messages::get("err_yum_not_found");
    }
    return *chosenTool;
}

const YumConfigurator::PackageTool& YumConfigurator::packageTool()
{
    return chosenTool ? *chosenTool : detectPackageTool();
}

const std::vector<std::string>& YumConfigurator::dnfInterpreters()
{
    // EL8 has platform-python; later systems need not, and have python3.
    static const std::vector<std::string> interpreters = {"/usr/libexec/platform-python", "/usr/bin/python3"};
    return interpreters;
}

YumConfigurator::YumConfigurator(const std::string&, SourceManager* sources, Repository* repository,
                                 const PackageTool& tool)
    : SystemSpecificConfigurator(sources, repository), tool_(tool)
{
}

YumConfigurator::~YumConfigurator() = default;

std::string YumConfigurator::persistentRepoPath(const std::string& productId)
{
    return std::string(repoDirectory) + productId + ".repo";
}

std::string YumConfigurator::temporaryRepoPath() { return std::string(repoDirectory) + temporaryRepoName; }

void YumConfigurator::reconfigureSources()
{
    importKeys();
    writeRepoFiles();
}

std::unique_ptr<Installer> YumConfigurator::createInstaller(ComponentManager* components)
{
    return std::make_unique<InstallYum>(repository(), components, this);
}

void YumConfigurator::doConfigure()
{
    exportProxyVariable();
    importKeys();
    // From the first ".repo" file on, the end of the run must restore or remove
    // what was written, whatever fails later.
    setConfigured();
    writeRepoFiles();
    configureWrapper();
}

void YumConfigurator::doRemoveTemporarySources() { fileops::remove(temporaryRepoPath()); }

void YumConfigurator::importKeys()
{
    if (Options::getInstance().skipGpgCheck) return;
    YumGpgKeyManager keys;
    std::vector<BuildPtr> builds;
    for (SourceZarniYum* source : yumSources(*sources())) {
        const BuildPtr build = source->getBuild();
        if (build->gpgCheck() && std::find(builds.begin(), builds.end(), build) == builds.end())
            builds.push_back(build);
    }
    for (const BuildPtr& build : builds) {
        if (!build->gpgPublicKey().empty())
            keys.importKey(build->gpgPublicKey());
        else
            Log(3, true) << "DEBUG: gpg public key for " << *build
                         << " is empty but gpgcheck is enabled: assume the key is installed in master product";
    }
}

void YumConfigurator::writeRepoFiles()
{
    repoIds_.clear();
    std::map<std::string, RepositoryFile> files;
    for (SourceZarniYum* source : yumSources(*sources())) {
        repoIds_.insert(source->getRepoId());
        const bool persistent = source->isPersistent();
        const std::string path = persistent ? persistentRepoPath(productIdOf(*source)) : temporaryRepoPath();
        RepositoryFile& file = files[path];
        if (file.content.empty()) {
            file.persistent = persistent;
            file.content = persistent ? persistentRepoHeader : temporaryRepoHeader;
        }
        Log(1, true) << "add repo '" << source->getRepoId() << "' to " << (persistent ? "persistent" : "temporary")
                     << " source list '" << path << "'";
        file.content += "\n\n" + source->getSourceLine();
    }
    writeRepositoryFiles(files);
}

std::string YumConfigurator::helperText() const
{
    if (tool_.name != "dnf") return tool_.script;
    const auto& candidates = dnfInterpreters();
    const auto found = std::find_if(candidates.begin(), candidates.end(),
                                    [](const std::string& path) { return fileops::exists(path); });
    if (found == candidates.end()) {
        Log(1, true) << "Warning: none of " << candidates << " exists: the dnf helper keeps its interpreter line";
        return tool_.script;
    }
    Log(2, true) << "Notice: the dnf helper runs with " << *found;
    // "#!<interpreter> <options>": only the interpreter changes.
    const std::string::size_type end = tool_.script.find_first_of(" \n");
    return "#!" + *found + tool_.script.substr(end == std::string::npos ? tool_.script.size() : end);
}

void YumConfigurator::configureWrapper()
{
    const std::string& path = tool_.helperPath;
    fileops::create_directory(fileops::dirname(path));
    installScript(path, helperText(), 0700);

    const std::string command =
        std::string(SystemPackageTools::chcon) + " system_u:object_r:rpm_exec_t:s0 " + shellQuote(path);
    std::ostringstream output;
    std::ostringstream errors;
    try {
        const int status = runHelperCommand(command, true, true, output, errors);
        const std::string statusLine = statusText("configureWrapper", command, errors.str(), status);
        if (!statusLine.empty()) Log(2, true) << statusLine;
    } catch (const error& failure) {
        // A system without SELinux labels needs none: chcon is only tried.
        Log(2, true) << "configureWrapper: '" << command << "' failed to run: " << failure.text();
    }
}

int YumConfigurator::runHelperCommand(const std::string& command, bool echo, bool interruptible,
                                      std::ostream& output, std::ostream& errors)
{
    std::istringstream noInput;
    int status;
    {
        // The helper replaces the shell, so that its own end (a signal
        // included) is what the wait sees.
        std::unique_ptr<POpen> process = startProcessGroup("exec " + command, &noInput, &output, &errors);
        if (interruptible)
            process->setCancelable(true);
        else
            process->setWaitingNote(Installer::waitingNote);
        status = process->wait(echo);
    }
    if (interruptible) Progress::checkTermination();
    return status;
}

std::string YumConfigurator::helperCommand(const std::string& arguments) const
{
    return tool_.helperPath + arguments;
}

std::string YumConfigurator::statusText(const std::string& name, const std::string& command,
                                        const std::string& errors, int status)
{
    const std::string head = name + ": '" + command + "' ";
    if (WIFSIGNALED(status)) return head + "was terminated by signal " + std::to_string(WTERMSIG(status));
    if (!WIFEXITED(status)) return head + "didn't exit cleanly (status = " + std::to_string(status) + ")\n" + errors;
    if (WEXITSTATUS(status) != 0)
        return head + "finished with errors (rc = " + std::to_string(WEXITSTATUS(status)) + ")\n" + errors;
    return std::string();
}

std::string YumConfigurator::checkText(int status, const std::string& errors)
{
    const std::string head = "Failed to check system configuration - Yum utility ";
    if (WIFSIGNALED(status)) return head + "was terminated by signal " + std::to_string(WTERMSIG(status)) + ".\n" + errors;
    if (!WIFEXITED(status)) return head + "didn't exit cleanly. Installation may fail.\n" + errors;
    if (WEXITSTATUS(status) == 2) return Messages::get("err_yum_no_repos");
    if (WEXITSTATUS(status) != 0) return head + "finished with errors. Installation may fail.\n" + errors;
    return errors;
}

std::string YumConfigurator::doCheckConfiguration()
{
    const std::string command = helperCommand(" -l " + shellQuote(Log::fileName()) + " --exit-on-lock");
    std::ostringstream output;
    std::ostringstream errors;
    int status;
    try {
        status = runHelperCommand(command, false, true, output, errors);
    } catch (const error&) {
        Log(2, true) << "doCheckConfiguration: '" << command << "' failed to run.";
        return std::string();
    }
    const std::string logged = statusText("doCheckConfiguration", command, errors.str(), status);
    if (!logged.empty()) Log(2, true) << logged;
    return checkText(status, errors.str());
}

std::vector<std::pair<std::string, std::string>> YumConfigurator::parseInfo(const std::vector<std::string>& lines)
{
    static const boost::regex field("([[:alpha:]]+) *: (.+)");
    struct Entry {
        std::string name, version, release, epoch;
    };
    std::vector<std::pair<std::string, std::string>> packages;
    bool open = false;
    Entry entry;
    auto close = [&] {
        if (!open || entry.version.empty()) return;
        std::string text = entry.version;
        if (!entry.release.empty()) text += "-" + entry.release;
        if (!entry.epoch.empty()) text = entry.epoch + ":" + text;
        packages.emplace_back(entry.name, text);
    };
    for (const std::string& line : lines) {
        boost::smatch match;
        if (!boost::regex_match(line, match, field)) continue;
        const std::string key = match[1];
        const std::string value = match[2];
        if (key == "Name") {
            close();
            entry = Entry{value, "", "", ""};
            open = true;
        } else if (key == "Version") {
            entry.version = value;
        } else if (key == "Release") {
            entry.release = value;
        } else if (key == "Epoch") {
            entry.epoch = value;
        }
    }
    close();
    return packages;
}

std::vector<std::string> YumConfigurator::infoLines(const std::string& command)
{
    std::ostringstream output;
    const int code = executeCommand(command, false, false, &output, nullptr);
    // "info" ends with 1 when it found none of the names: no version offered,
    // which the lookup reports as such.
    if (code != 0 && code != 1)
        throw error(4, 2, 2, 2) << (Messages::format("err_exec_non_zero") % programName(command) % code)
                                << (Messages::format("err_exec_cmd") % command);
    std::vector<std::string> lines;
    std::istringstream text(output.str());
    for (std::string line; std::getline(text, line);) lines.push_back(trim(line));
    return lines;
}

const Package* YumConfigurator::offeredPackage(const std::string& name, const std::string& version)
{
    auto package = std::make_unique<RPMPackage>(name.c_str(), version);
    package->setFileName("package_from_yum_info");
    package->setType(static_cast<char>(Package::typeUpdates));
    return Repository::keep(std::move(package));
}

void YumConfigurator::prepareAvailablePackagesList(const std::vector<std::string>& names)
{
    Log(3, true) << "DEBUG prepareAvailablePackagesList";
    const std::string refresh =
        helperCommand(" -s -l " + shellQuote(Log::fileName()) + " --exit-on-lock --tries=" +
                      std::to_string(Options::getInstance().downloadRetries));
    std::ostringstream output;
    std::ostringstream errors;
    try {
        const int status = runHelperCommand(refresh, true, true, output, errors);
        const std::string logged = statusText("prepareAvailablePackagesList", refresh, errors.str(), status);
        if (!logged.empty()) Log(2, true) << logged;
    } catch (const error& failure) {
        Log(2, true) << "prepareAvailablePackagesList: '" << refresh << "' failed to run: " << failure.text();
    }
    if (names.empty()) return;

    std::string command = "env LANG=C LC_ALL=C " + tool_.toolPath + " info ";
    for (SourceZarniYum* source : yumSources(*sources()))
        command += "--enablerepo=" + shellQuote(source->getRepoId()) + " ";
    for (const std::string& name : names) {
        available_[name] = nullptr;
        command += shellQuote(name) + " ";
    }
    command += "2>/dev/null";
    Log(3, true) << "DEBUG: prepareAvailablePackagesList cmd = " << command;
    for (const auto& offered : parseInfo(infoLines(command))) {
        const Package* package = offeredPackage(offered.first, offered.second);
        available_[offered.first] = package;
        Log(3, true) << "prepareAvailablePackagesList package found : " << *package;
    }
}

const Package* YumConfigurator::doGetAvailablePackage(const std::string& name)
{
    const auto cached = available_.find(name);
    if (cached != available_.end()) return cached->second;
    Log(3, true) << "DEBUG doGetAvailablePackage package not found in cache : " << name;
    const std::string command = "env LANG=C LC_ALL=C " + tool_.toolPath + " info " + shellQuote(name) +
                                " --setopt='*.skip_if_unavailable=1' --setopt='ZARNI_*.skip_if_unavailable=0' "
                                "2>/dev/null";
    std::string version;
    for (const auto& offered : parseInfo(infoLines(command)))
        if (offered.first == name) version = offered.second;
    if (version.empty()) {
        Log(2, true) << "Package " << name << " was not found in enabled yum repos";
        return nullptr;
    }
    const Package* package = offeredPackage(name, version);
    available_[name] = package;
    return package;
}
