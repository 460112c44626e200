#include "common/Opsys.h"

#include "common/Log.h"
#include "common/StringUtils.h"

#include <boost/make_shared.hpp>
#include <boost/regex.hpp>

#include <sys/stat.h>
#include <sys/utsname.h>

#include <fstream>
#include <initializer_list>
#include <utility>

std::string Opsys::overrideName;
std::string Opsys::overrideVendor;
std::string Opsys::overrideVersion;
std::string Opsys::overrideArch;
std::string Opsys::overrideEnvironment;

namespace {

// Joins a root directory and an absolute system path ("/" + "/etc/x" is "/etc/x").
std::string underRoot(const std::string& root, const char* path)
{
    std::string result = root;
    while (!result.empty() && result.back() == '/') result.pop_back();
    return result + path;
}

bool present(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

bool isDirectory(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void readLsbRelease(const std::string& path, std::string& vendor, std::string& version)
{
    std::ifstream file(path);
    static const boost::regex keyValue("^(.+)=(.+)$");
    std::string line;
    while (std::getline(file, line)) {
        boost::smatch parts;
        if (!boost::regex_match(line, parts, keyValue)) continue;
        if (parts[1] == "DISTRIB_ID")
            vendor = parts[2];
        else if (parts[1] == "DISTRIB_RELEASE")
            version = parts[2];
    }
}

void readReleaseFile(const std::string& root, std::string& vendor, std::string& version)
{
    static const std::pair<const char*, const char*> releaseFiles[] = {
        {"/etc/debian_version", "Debian"},     {"/etc/oracle-release", "Oracle"},
        {"/etc/CloudLinux-release", "CloudLinux"}, {"/etc/almalinux-release", "AlmaLinux"},
        {"/etc/rocky-release", "Rocky"},       {"/etc/redhat-release", "RedHat"},
    };
    for (const auto& release : releaseFiles) {
        const std::string path = underRoot(root, release.first);
        if (!present(path)) continue;
        vendor = release.second;

        std::ifstream file(path);
        std::string line;
        std::getline(file, line);
        static const boost::regex versionLine("[^0-9.]* ?([0-9.]+) ?.*");
        boost::smatch parts;
        if (!boost::regex_match(line, parts, versionLine)) return;
        version = parts[1];
        if (line.find("Enterprise Server") != std::string::npos)
            version = "es" + version;
        else if (line.find("Enterprise Linux") != std::string::npos)
            version = "el" + version;
        if (vendor == "RedHat") {
            static const std::pair<const char*, const char*> rebuilds[] = {
                {"CentOS", "CentOS"}, {"CloudLinux", "CloudLinux"}, {"Cellvanti", "CQLinux"},
                {"AlmaLinux", "AlmaLinux"}, {"Rocky", "Rocky"},
            };
            for (const auto& rebuild : rebuilds) {
                if (line.find(rebuild.first) != std::string::npos) {
                    vendor = rebuild.second;
                    break;
                }
            }
        }
        return;
    }
}

bool insideContainer(const std::string& root)
{
    if (!isDirectory(underRoot(root, "/proc/cq"))) return false;
    std::ifstream status(underRoot(root, "/proc/self/status"));
    static const boost::regex envId("^envID:[[:space:]]*([[:digit:]]+)$");
    std::string line;
    while (std::getline(status, line)) {
        boost::smatch parts;
        if (!boost::regex_match(line, parts, envId)) continue;
        // Only digits matched; a number too long for an integer is still above 0.
        const std::string digits = parts[1];
        return digits.find_first_not_of('0') != std::string::npos;
    }
    return false;
}

void applyOverride(std::string& field, const std::string& value)
{
    if (!value.empty()) field = value;
}

bool inFamily(const std::string& vendor, std::initializer_list<const char*> family)
{
    for (const char* member : family)
        if (vendor == member) return true;
    return false;
}

bool isRedHatFamily(const std::string& vendor)
{
    return inFamily(vendor, {"CentOS", "RedHat", "CloudLinux", "CQLinux", "AlmaLinux", "Rocky"});
}

bool fieldMatches(const std::string& required, const std::string& running, bool loose)
{
    return required == running || (loose && (required.empty() || running.empty()));
}

}  // namespace

Opsys::opsys_rep::opsys_rep(std::string name, std::string vendor, std::string version, std::string arch,
                            std::string environment)
    : name(std::move(name)), vendor(std::move(vendor)), version(std::move(version)), arch(std::move(arch)),
      environment(std::move(environment))
{
}

void Opsys::opsys_rep::print(std::ostream& out) const
{
    out << "'" << vendor << "' '" << name << "' '" << version << "' '" << arch << "'";
    if (!environment.empty()) out << " under " << environment;
}

Opsys::opsys_detect::opsys_detect(const std::string& root)
{
    readLsbRelease(underRoot(root, "/etc/lsb-release"), vendor, version);
    if (vendor.empty() || version.empty()) readReleaseFile(root, vendor, version);
    if (insideContainer(root) && vendor != "CloudLinux") environment = "cq";

    struct utsname system;
    if (::uname(&system) == 0) {
        name = system.sysname;
        arch = system.machine;
    }

    applyOverride(name, overrideName);
    applyOverride(vendor, overrideVendor);
    applyOverride(version, overrideVersion);
    applyOverride(arch, overrideArch);
    applyOverride(environment, overrideEnvironment);

    Log(2, true) << "Got OS name " << name << ", vendor " << vendor << ", version " << version << ", arch " << arch
                 << ", environment " << environment;
}

Opsys::Opsys()
{
    // The start-up makes the first Opsys before any other thread runs; after that
    // the detected system is only read.
    static const boost::shared_ptr<const opsys_rep> detected = boost::make_shared<opsys_detect>("/");
    rep_ = detected;
}

Opsys::Opsys(const std::string& name, const std::string& vendor, const std::string& version,
             const std::string& arch, const std::string& environment)
    : rep_(boost::make_shared<opsys_rep>(name, vendor, version, arch, environment))
{
}

bool Opsys::isDebian() const { return inFamily(vendor(), {"Debian", "Ubuntu"}); }

bool Opsys::isRedHat() const { return isRedHatFamily(vendor()); }

bool Opsys::match(const Opsys& running, bool loose) const
{
    if (!fieldMatches(vendor(), running.vendor(), loose)) return false;
    if (!fieldMatches(name(), running.name(), loose)) return false;

    bool versionMatches = fieldMatches(version(), running.version(), loose);
    if (!versionMatches) {
        if (vendor() == "Debian" || isRedHatFamily(vendor()))
            versionMatches = beforeFirstDot(version()) == beforeFirstDot(running.version());
        else if (vendor() == "Microsoft")
            versionMatches = version().substr(0, version().find('-')) ==
                             running.version().substr(0, running.version().find('-'));
    }
    if (!versionMatches) return false;

    if (fieldMatches(arch(), running.arch(), loose)) return true;
    // An older x86 build runs on a newer x86 processor, not the other way round.
    if (running.arch() == "i686") return inFamily(arch(), {"i586", "i486", "i386"});
    if (running.arch() == "i586") return inFamily(arch(), {"i486", "i386"});
    return false;
}

std::ostream& operator<<(std::ostream& out, const Opsys::opsys_rep& system)
{
    system.print(out);
    return out;
}

std::ostream& operator<<(std::ostream& out, const Opsys& system) { return out << system.rep(); }
