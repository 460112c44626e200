#include "installer/engine/DebianAPTConfigurator.h"

#include "installer/catalogue/BuildInfFile.h"
#include "installer/engine/AptGpgKeyManager.h"
#include "installer/engine/InstallDeb.h"
#include "installer/engine/SystemPackageTools.h"
#include "installer/options/Options.h"
#include "installer/sources/SourceManager.h"
#include "installer/sources/SourceZarniApt.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/StringUtils.h"
#include "common/SystemCmd.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/packages/DebPackage.h"
#include "common/packages/Repository.h"

#include <boost/regex.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>

namespace {

// A product id names a list file: it must stay one plain file name.
std::string productIdOf(const SourceZarniApt& source)
{
    const BuildPtr build = source.getBuild();
    const std::string id = build->buildInfFile() ? build->buildInfFile()->product_id : std::string();
    const bool plain = !id.empty() && id[0] != '.' &&
                       std::all_of(id.begin(), id.end(), [](char c) {
                           return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-' ||
                                  c == '+';
                       });
    if (!plain)
        throw error(1, 1, 1, 3) << "The product id '" << id << "' of " << build->config()
                                << " cannot name an APT list file.";
    return id;
}

std::vector<SourceZarniApt*> aptSources(const SourceManager& manager)
{
    std::vector<SourceZarniApt*> found;
    for (const SourceManager::SourcePtr& source : manager.sources())
        if (auto* apt = dynamic_cast<SourceZarniApt*>(source.get())) found.push_back(apt);
    return found;
}

// "apt-cache policy" read line by line (at most 4095 characters a line).
std::vector<std::string> readPolicyLines(int* exitCode)
{
    SystemCmd command(std::string(SystemPackageTools::aptCache) + " policy", SystemCmd::readMode);
    std::vector<std::string> lines;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, command.stream)) lines.emplace_back(buffer);
    *exitCode = command.close();
    return lines;
}

}  // namespace

DebianAPTConfigurator::DebianAPTConfigurator(const std::string&, ComponentManager*, SourceManager* sources,
                                             Repository* repository)
    : SystemSpecificConfigurator(sources, repository)
{
}

DebianAPTConfigurator::~DebianAPTConfigurator() = default;

std::string DebianAPTConfigurator::persistentListPath(const std::string& productId)
{
    return std::string(sourceListDirectory) + productId + ".list";
}

std::string DebianAPTConfigurator::temporaryListPath()
{
    return std::string(sourceListDirectory) + temporaryListName;
}

void DebianAPTConfigurator::reconfigureSources()
{
    writeSourceLists();
    importKeys();
    updatePackageIndex(true);
}

std::unique_ptr<Installer> DebianAPTConfigurator::createInstaller(ComponentManager* components)
{
    return std::make_unique<InstallDeb>(repository(), components, this);
}

void DebianAPTConfigurator::doConfigure()
{
    exportProxyVariable();
    // From the first list file on, the end of the run must clean up, whatever
    // fails later (a half-written set of lists included).
    setConfigured();
    writeSourceLists();
    importKeys();
    if (Opsys().arch() == "x86_64") {
        if (!runInstalls())
            Log(2, true) << "Info: i386 architecture is not registered: this run installs nothing";
        else if (hasForeignArchitecture("i386"))
            Log(2, true) << "Info: i386 architecture is registered already";
        else
            addArchitecture("i386");
    }
    updatePackageIndex(true);
    checkSourceForCurrentRelease();
}

void DebianAPTConfigurator::doRemoveTemporarySources()
{
    if (fileops::exists(temporaryListPath())) fileops::remove(temporaryListPath());
}

void DebianAPTConfigurator::writeSourceLists()
{
    if (!fileops::is_directory(sourceListDirectory))
        throw error(4, 2, 1, 2) << "Can't configure APT sources: " << sourceListDirectory << " not found.";

    std::map<std::string, std::string> contents;
    std::map<std::string, bool> persistentOf;
    for (SourceZarniApt* source : aptSources(*sources())) {
        const bool persistent = source->isPersistent();
        const std::string path = persistent ? persistentListPath(productIdOf(*source)) : temporaryListPath();
        if (!contents.count(path)) {
            if (persistent) backupFile(path);
            contents[path] = persistent ? persistentListHeader : temporaryListHeader;
            persistentOf[path] = persistent;
        }
        const std::string line = source->getSourceLine();
        Log(1, true) << "add line '" << line << "' to " << (persistent ? "persistent" : "temporary")
                     << " source list '" << path << "'";
        contents[path] += "\n" + line;
    }
    for (const auto& file : contents) {
        writtenLists_[file.first] = persistentOf[file.first];
        fileops::replace_file(file.first, file.second);
    }

    // A list of an earlier pass that lost all its sources goes back to what it
    // was before the run.
    for (auto written = writtenLists_.begin(); written != writtenLists_.end();) {
        const std::string& path = written->first;
        if (contents.count(path)) {
            ++written;
            continue;
        }
        const std::string backup = path + backupSuffix;
        if (written->second && fileops::exists(backup)) {
            Log(2, true) << "Info: source list '" << path << "' has no source any more: restored as before the run";
            fileops::copy_file(backup, path);
        } else {
            Log(2, true) << "Info: source list '" << path << "' has no source any more: removed";
            if (fileops::exists(path)) fileops::remove(path);
        }
        written = writtenLists_.erase(written);
    }
}

void DebianAPTConfigurator::importKeys()
{
    if (Options::getInstance().skipGpgCheck) return;
    AptGpgKeyManager keys;

    std::vector<BuildPtr> builds;
    for (SourceZarniApt* source : aptSources(*sources())) {
        const BuildPtr build = source->getBuild();
        if (build->gpgCheck() && std::find(builds.begin(), builds.end(), build) == builds.end())
            builds.push_back(build);
    }
    backupFile(AptGpgKeyManager::keyringPath);
    // apt-key changes its keyring too: a run that installs nothing puts it back.
    backupFile(AptGpgKeyManager::aptKeyKeyringPath);
    for (const BuildPtr& build : builds) {
        if (!build->gpgPublicKey().empty())
            keys.importKey(build->gpgPublicKey());
        else
            Log(3, true) << "DEBUG: gpg public key for build " << *build
                         << " is empty but gpgcheck is enabled: assume the key is installed in master product";
    }
    keys.exportKeyring();
}

void DebianAPTConfigurator::updatePackageIndex(bool echo)
{
    Log(0, true) << Messages::get("process_apt_get_update");
    const int code = executeCommand(std::string(SystemPackageTools::aptGet) + " update", echo, false);
    if (code != 0) Log(0, true) << "Warning: there are errors in 'apt-get update'";
}

void DebianAPTConfigurator::addArchitecture(const std::string& architecture)
{
    Log(0, true) << (Messages::format("dpkg_register_new_arch") % architecture);
    const int code = executeCommand("/usr/bin/dpkg --add-architecture " + shellQuote(architecture), true, false);
    if (code != 0)
        throw error(4, 2, 1, 2) << (Messages::format("err_dpkg_arch_register") % architecture % architecture);
}

bool DebianAPTConfigurator::runInstalls()
{
    const Options& options = Options::getInstance();
    return options.mode != Options::modeCommandLine || options.action == Options::actionInstall;
}

bool DebianAPTConfigurator::hasForeignArchitecture(const std::string& architecture) const
{
    const std::vector<std::string> foreign =
        getCommandOutput(std::string(SystemPackageTools::dpkg), "--print-foreign-architectures");
    return std::find(foreign.begin(), foreign.end(), architecture) != foreign.end();
}

DebianAPTConfigurator::PolicyRelease DebianAPTConfigurator::parseReleaseLine(const std::string& line)
{
    static const boost::regex release("\\s*release.+v=(.+?),(.*)", boost::regex::perl);
    PolicyRelease result;
    boost::smatch match;
    std::string text = line;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (!boost::regex_match(text, match, release)) return result;
    result.isRelease = true;
    result.version = match[1];
    // The fields after the version, "name=value" separated by commas.
    std::istringstream fields(match[2]);
    for (std::string field; std::getline(fields, field, ',');)
        if (field.compare(0, 2, "c=") == 0) {
            result.section = field.substr(2);
            break;
        }
    return result;
}

bool DebianAPTConfigurator::isCurrentRelease(const std::string& version, const Opsys& running)
{
    // With the running vendor, Debian compares major versions: a point release
    // of the archive ("12.15") is the release of a system at 12.11.
    return Opsys("", running.vendor(), version, "", "").match(running, true);
}

void DebianAPTConfigurator::checkSourceForCurrentRelease()
{
    const Opsys running;
    Log(3, true) << "DEBUG: checkSourceForCurrentRelease: find source compatible with OS release "
                 << running.version();
    int code = 0;
    bool compatible = false;
    std::set<std::string> sections;
    for (const std::string& line : readPolicyLines(&code)) {
        if (line.find("cdrom://") != std::string::npos) cdromInSource_ = true;
        const PolicyRelease release = parseReleaseLine(line);
        if (!release.isRelease) continue;
        Log(3, true) << "DEBUG: checkSourceForCurrentRelease: " << release.version;
        if (isCurrentRelease(release.version, running)) compatible = true;
        if (!release.section.empty()) {
            Log(3, true) << "DEBUG: checkSourceForCurrentRelease: add found section '" << release.section << "'";
            sections.insert(release.section);
        }
    }
    if (code != 0) Log(2, true) << "Warning: apt-cache policy command failed (" << code << "). Continue.";

    if (!compatible) {
        int again = 0;
        std::string output;
        for (const std::string& line : readPolicyLines(&again)) output += line;
        throw error(0, 0, 0, 0) << "Not found source for system packages (release " << running.version()
                                << ") in APT software sources configuration:\n"
                                << output;
    }

    std::vector<const char*> expected;
    if (running.vendor() == "Ubuntu") expected = {"universe", "multiverse"};
    if (running.vendor() == "Debian") expected = {"contrib", "non-free"};
    for (const char* section : expected)
        if (!sections.count(section)) Log(0, true) << "Warning: not connected '" << section << "' repository section";
}

std::vector<std::pair<std::string, std::string>> DebianAPTConfigurator::parsePolicyCandidates(
    const std::vector<std::string>& lines)
{
    static const boost::regex packageLine("(\\S+):");
    static const boost::regex candidateLine("Candidate: (.+)");
    std::vector<std::pair<std::string, std::string>> candidates;
    std::string current;
    for (const std::string& line : lines) {
        boost::smatch match;
        if (boost::regex_match(line, match, packageLine)) {
            current = match[1];
        } else if (!current.empty() && boost::regex_match(line, match, candidateLine)) {
            const std::string candidate = match[1] == "(none)" ? std::string() : std::string(match[1]);
            candidates.emplace_back(current, candidate);
            if (candidate.empty()) current.clear();
        }
    }
    return candidates;
}

const Package* DebianAPTConfigurator::offeredPackage(const std::string& name, const std::string& candidate)
{
    auto package = std::make_unique<DebPackage>(name.c_str(), candidate);
    package->setFileName("package_from_apt_cache");
    package->setType('u');
    return Repository::keep(std::move(package));
}

void DebianAPTConfigurator::prepareAvailablePackagesList(const std::vector<std::string>& names)
{
    Log(2, true) << "DebianAPTConfigurator::prepareAvailablePackagesList()";
    if (names.empty()) return;
    std::string command = "env LANG=C LC_ALL=C " + std::string(SystemPackageTools::aptCache) + " policy ";
    for (const std::string& name : names) {
        available_[name] = nullptr;
        command += shellQuote(name) + " ";
    }
    command += "2>/dev/null";
    Log(3, true) << "DEBUG: prepareAvailablePackagesList cmd = " << command;

    for (const auto& offered : parsePolicyCandidates(getCommandOutput(command))) {
        if (offered.second.empty()) continue;
        // A name printed with its architecture answers for the bare name too.
        const std::string& printed = offered.first;
        const std::string bare = printed.substr(0, printed.find(':'));
        const Package* package = offeredPackage(bare, offered.second);
        for (const std::string& name : {bare, printed}) {
            available_[name] = package;
            Log(3, true) << "prepareAvailablePackagesList package found (" << name << ") : " << *package;
            if (name == printed) break;
        }
    }
}

const Package* DebianAPTConfigurator::doGetAvailablePackage(const std::string& name)
{
    const auto cached = available_.find(name);
    if (cached != available_.end()) {
        if (cached->second)
            Log(3, true) << "DEBUG DebianAPTConfigurator package '" << name << "' is available from cache: "
                         << *cached->second;
        else
            Log(3, true) << "DEBUG DebianAPTConfigurator package '" << name << "' is present in cache but NULL";
        return cached->second;
    }
    Log(3, true) << "DEBUG doGetAvailablePackage package not found in cache : " << name;
    const std::vector<std::string> lines = getCommandOutput("env LANG=C LC_ALL=C " +
                                                            std::string(SystemPackageTools::aptCache) + " policy " +
                                                            shellQuote(name) + " 2>/dev/null");
    static const boost::regex candidateLine("Candidate: (.+)");
    for (const std::string& line : lines) {
        boost::smatch match;
        if (!boost::regex_match(line, match, candidateLine)) continue;
        if (match[1] == "(none)") break;
        const Package* package = offeredPackage(name.substr(0, name.find(':')), match[1]);
        Log(2, true) << "Package " << name << " with version '" << match[1] << "' is available from apt";
        return package;
    }
    Log(2, true) << "Package " << name << " not found in apt-cache";
    return nullptr;
}
