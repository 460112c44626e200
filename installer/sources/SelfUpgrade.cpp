#include "installer/sources/SelfUpgrade.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/Product.h"
#include "installer/catalogue/Release.h"
#include "installer/options/Options.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceUrl.h"
#include "installer/startup/StartupArguments.h"

#include "common/BuildInfo.h"
#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/Redact.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/md5.h"
#include "common/packages/Version.h"

#include <tinyxml.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>

namespace {

// The web back end reloads the catalogue on its main thread while its
// self-upgrade thread reads the record.
std::mutex recordMutex;
SelfUpgrade::Required record;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits and dots, then optionally one of "-+~" and letters, digits and dots.
bool isVersionText(const std::string& text)
{
    std::size_t i = 0;
    for (;;) {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        if (i == start) return false;
        if (i < text.size() && text[i] == '.') {
            ++i;
            continue;
        }
        break;
    }
    if (i == text.size()) return true;
    if (text[i] != '-' && text[i] != '+' && text[i] != '~') return false;
    if (++i == text.size()) return false;
    for (; i < text.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(text[i])) && text[i] != '.') return false;
    return true;
}

bool hasControl(const std::string& text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
    return false;
}

// Relative, every part a name (no empty, "." or ".." part), no control
// character: joined to the source it stays below it.
bool isRelativePath(const std::string& path)
{
    if (path.empty() || path[0] == '/' || hasControl(path)) return false;
    for (std::string::size_type start = 0; start <= path.size();) {
        const std::string::size_type end = std::min(path.find('/', start), path.size());
        const std::string part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

bool isDigest(const std::string& text)
{
    if (text.size() != 32) return false;
    for (const char c : text)
        if (!isDigit(c) && (c < 'a' || c > 'f')) return false;
    return true;
}

[[noreturn]] void refuse(const std::string& what, const std::string& text)
{
    throw error(1, 1, 1, 3) << Messages::get("err_self_upgrade_failed") << what << " " << quoteString(text)
                            << " in exact_required_kitwright is not acceptable";
}


// Set only by tests, in a process of their own.
std::function<void(const std::string&)> replacementStepHook;

void stepDone(const std::string& step)
{
    if (replacementStepHook) replacementStepHook(step);
}

const char* const kCacheDirectory = "/var/cache/kestavine_installer";
const char* const kDefaultBinaryDirectory = "Zarni_Installer";
const char* const kVersionQuery = "--print-version-of-this-binary";
constexpr int kVersionQueryLimitSeconds = 30;

// Digits, a dot, digits, a dot, digits: the version part of a cached name.
bool isThreePartVersion(const std::string& text)
{
    int parts = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        if (i == start) return false;
        ++parts;
        if (i == text.size()) break;
        if (text[i] != '.' || parts == 3) return false;
        ++i;
        if (i == text.size()) return false;
    }
    return parts == 3;
}

std::string systemText(int number) { return std::strerror(number); }

error selfUpgradeRefused(const std::string& why)
{
    return error(4, 1, 1, 3) << Messages::get("err_self_upgrade_failed") << why;
}

// What may be executed from the cache: the directory root's and closed to group
// and others, the binary a regular root-owned file (a link is not followed) whose
// digest is the one beside it. Empty when it may run, else why not.
std::string whyNotRunnable(const std::string& cacheDirectory, const std::string& path)
{
    struct stat directory;
    if (::stat(cacheDirectory.c_str(), &directory) != 0) return "cannot read the status of " + cacheDirectory;
    if (directory.st_uid != 0) return cacheDirectory + " does not belong to root";
    if ((directory.st_mode & 022) != 0) return cacheDirectory + " is writable by group or others";
    struct stat binary;
    if (::lstat(path.c_str(), &binary) != 0) return path + " does not exist";
    if (!S_ISREG(binary.st_mode)) return path + " is not a regular file";
    if (binary.st_uid != 0) return path + " does not belong to root";
    std::string expected;
    try {
        expected = SelfUpgrade::readMd5File(path + ".md5sum");
    } catch (error&) {
        // The reason is the answer; nothing is lost.
        return path + ".md5sum holds no digest";
    }
    const std::string actual = getFileMd5(path);
    if (actual.empty() || actual != expected) return "the digest of " + path + " differs from its .md5sum file";
    return std::string();
}

// Copies the operator's file into a new file of the cache (never following or
// reusing what lies at the name), mode 0600.
void copyIntoNewFile(const std::string& from, const std::string& to)
{
    const int input = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (input < 0)
        throw error(4, 1, 1, 2) << (Messages::format("err_misfile") % from);
    const int output = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (output < 0) {
        const int code = errno;
        ::close(input);
        throw error(4, 1, 1, 2) << (Messages::format("err_filewrite2") % to % systemText(code));
    }
    char buffer[65536];
    int failure = 0;
    for (;;) {
        const ssize_t count = ::read(input, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            failure = errno;
            break;
        }
        if (count == 0) break;
        ssize_t written = 0;
        while (written < count) {
            const ssize_t step = ::write(output, buffer + written, static_cast<std::size_t>(count - written));
            if (step < 0 && errno == EINTR) continue;
            if (step < 0) {
                failure = errno;
                break;
            }
            written += step;
        }
        if (failure) break;
    }
    ::close(input);
    if (::close(output) != 0 && !failure) failure = errno;
    if (failure) {
        ::unlink(to.c_str());
        throw error(4, 1, 1, 2) << (Messages::format("err_filewrite2") % to % systemText(failure));
    }
}

// Makes the checked temporary binary read-and-execute for root only and puts it
// on the disk before anything names it.
void sealBinary(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status;
    const bool sealed = fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                        ::fchmod(fd, 0500) == 0 && ::fsync(fd) == 0;
    const int code = errno;
    if (fd >= 0) ::close(fd);
    if (!sealed) {
        Log(2, true) << "Error: sealing " << path << ": " << systemText(code);
        throw error(4, 2, 1, 3) << "Unable to change permissions on fresh Zarni Installer file.";
    }
}

void syncDirectory(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // Only durability across a power loss is at stake; the rename is done.
    if (::fsync(fd) != 0) Log(2, true) << "Warning: syncing " << path << ": " << systemText(errno);
    ::close(fd);
}

void requireVersion(const std::string& path, const std::string& requiredVersion)
{
    if (requiredVersion.empty()) return;
    const std::string obtained = SelfUpgrade::getBinaryVersion(path);
    if (obtained.empty() || !(Version(obtained) == Version(requiredVersion)))
        throw error(1, 1, 1, 3) << (Messages::format("err_selfupg_avail_ver_too_low") % obtained);
    Log(3, true) << "DEBUG: SelfUpgrade: just downloaded version is satisfy requires from product's config";
}

// Fetches the binary into a temporary file of the cache, checks it and only then
// gives it the cached name.
void installBinary(FileFetcher& fetcher, const SourceUrl& location, const std::string& binaryName,
                   const std::string& md5, const std::string& cacheDirectory, const std::string& name,
                   const std::string& requiredVersion)
{
    const std::string temporaryName = "." + name + ".new";
    const std::string temporaryPath = cacheDirectory + temporaryName;
    const std::string cachedPath = cacheDirectory + name;
    const auto dropTemporaries = [&temporaryPath]() {
        ::unlink((temporaryPath + ".tmp").c_str());
        ::unlink(temporaryPath.c_str());
    };
    dropTemporaries();
    try {
        if (location.isLocal()) {
            const std::string original = fetcher.getFile(binaryName, md5);
            copyIntoNewFile(original, temporaryPath);
            const std::string copied = getFileMd5(temporaryPath);
            if (copied != md5)
                throw error(4, 1, 1, 2) << (Messages::format("err_mk5check") % temporaryPath % md5 % copied);
        } else {
            fetcher.getFile(binaryName, md5, temporaryName);
        }
        stepDone("fetched");
        sealBinary(temporaryPath);
        stepDone("sealed");
        requireVersion(temporaryPath, requiredVersion);
        stepDone("version checked");
        // The digest first: between the two renames the old binary stands beside
        // the new digest, a pair that is never started.
        fileops::replace_file(cachedPath + ".md5sum", md5);
        stepDone("digest written");
        if (::rename(temporaryPath.c_str(), cachedPath.c_str()) != 0) {
            const int code = errno;
            throw error(4, 1, 1, 2) << (Messages::format("err_filewrite2") % cachedPath % systemText(code));
        }
        stepDone("renamed");
    } catch (error&) {
        dropTemporaries();
        throw;
    }
    syncDirectory(cacheDirectory);
}

// Collects the selected releases in walk order.
class SelectedReleases : public BuildManager::Visitor {
public:
    void visitRelease(const ReleasePtr& release) override
    {
        if (!release || !release->isSelected()) return;
        const std::string productId = release->product() ? release->product()->id : std::string();
        selected.emplace_back(productId, release->id());
    }
    std::vector<std::pair<std::string, std::string>> selected;
};

}  // namespace

void SelfUpgrade::check_required_KW_version(const TiXmlElement* root)
{
    Log(3, true) << "DEBUG: SelfUpgrade::check_required_KW_version entry";
    if (!root) throw KW_INTERNAL_ERROR();
    const TiXmlElement* element = root->FirstChildElement("exact_required_kitwright");
    if (!element) return;

    Required read;
    const auto attribute = [element](const char* name) {
        const std::string* value = element->Attribute(std::string(name));
        return value ? *value : std::string();
    };
    read.version = attribute("version");
    read.binaryDirectory = attribute("binary_directory");
    read.binaryName = attribute("binary_name");
    read.md5 = attribute("md5");
    // Checked even when no version is demanded: a catalogue with such texts is
    // not to be trusted with the next one either.
    if (!read.version.empty() && !isVersionText(read.version)) refuse("the version", read.version);
    if (!read.binaryDirectory.empty() && !isRelativePath(read.binaryDirectory))
        refuse("the binary directory", read.binaryDirectory);
    if (!read.binaryName.empty() && (read.binaryName.find('/') != std::string::npos || !isRelativePath(read.binaryName)))
        refuse("the binary name", read.binaryName);
    if (!read.md5.empty() && !isDigest(read.md5)) refuse("the digest", read.md5);
    if (read.version.empty()) return;
    if (read.binaryDirectory.empty()) read.binaryDirectory = kDefaultBinaryDirectory;
    if (read.binaryName.empty()) read.binaryName = binaryBaseName();

    {
        std::lock_guard<std::mutex> lock(recordMutex);
        record = read;
    }
    const std::string running = kwVersion();
    Log(3, true) << "Current kitwright version '" << running << "', required = '" << read.version << "'";
    if (!(Version(running) == Version(read.version))) {
        if (!Options::getInstance().disableSelfUpgrade) throw NeedSelfUpgrade();
        Log(1, true) << "Current kitwright version '" << running << "', required = '" << read.version
                     << "', but won't upgrade self due --disable-self-upgrade";
    }
    Log(3, true) << "DEBUG: SelfUpgrade::check_required_KW_version out";
}

SelfUpgrade::ReplacementStepHook::ReplacementStepHook(std::function<void(const std::string& step)> hook)
{
    replacementStepHook = std::move(hook);
}

SelfUpgrade::ReplacementStepHook::~ReplacementStepHook() { replacementStepHook = nullptr; }

SelfUpgrade::Required SelfUpgrade::required()
{
    std::lock_guard<std::mutex> lock(recordMutex);
    return record;
}

void SelfUpgrade::resetRequired()
{
    std::lock_guard<std::mutex> lock(recordMutex);
    record = Required();
}

std::string SelfUpgrade::getCacheDir()
{
    if (!fileops::exists(kCacheDirectory)) {
        // Readable by root only, parents included where they are made here.
        const mode_t previous = ::umask(077);
        try {
            fileops::create_directory(kCacheDirectory);
        } catch (...) {
            // Restores the process's mask whatever failed; the failure goes on.
            ::umask(previous);
            throw;
        }
        ::umask(previous);
    }
    return std::string(kCacheDirectory) + "/";
}

std::string SelfUpgrade::binaryBaseName() { return binaryBaseName(Opsys()); }

std::string SelfUpgrade::binaryBaseName(const Opsys& system)
{
    std::string arch = system.arch();
    if (arch == "i486" || arch == "i586" || arch == "i686") arch = "i386";
    std::string version = system.version();
    if (system.name() == "Linux" && (system.isDebian() || system.isRedHat())) {
        std::vector<std::string> parts;
        std::istringstream split(version);
        for (std::string part; std::getline(split, part, '.');) parts.push_back(part);
        const std::size_t keep = system.isRedHat() ? 1 : (system.vendor() == "Debian" ? 1 : 2);
        const std::size_t width = system.isRedHat() ? 1 : 2;
        parts.resize(keep);
        while (parts.size() < width) parts.push_back("0");
        version.clear();
        for (std::size_t i = 0; i < parts.size(); ++i) version += (i ? "." : "") + (parts[i].empty() ? "0" : parts[i]);
    }
    return "kestavine_installer_" + system.vendor() + "_" + version + "_" + arch;
}

std::string SelfUpgrade::cachedBinaryName()
{
    const std::string requiredVersion = required().version;
    if (!requiredVersion.empty()) return binaryBaseName() + "_" + requiredVersion;
    return cachedBinaryName(getCacheDir(), binaryBaseName(), kwVersion());
}

std::string SelfUpgrade::cachedBinaryName(const std::string& cacheDirectory, const std::string& baseName,
                                          const std::string& runningVersion)
{
    std::string best = runningVersion;
    const std::string prefix = baseName + "_";
    if (DIR* directory = ::opendir(cacheDirectory.c_str())) {
        while (const dirent* entry = ::readdir(directory)) {
            const std::string name = entry->d_name;
            if (name.compare(0, prefix.size(), prefix) != 0) continue;
            const std::string version = name.substr(prefix.size());
            if (!isThreePartVersion(version)) continue;
            struct stat status;
            const std::string path = cacheDirectory + (endsWith(cacheDirectory, "/") ? "" : "/") + name;
            if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
            if (Version(version) > Version(best)) best = version;
        }
        ::closedir(directory);
    }
    return prefix + best;
}

std::string SelfUpgrade::getBinaryVersion(const std::string& path)
{
    std::string line;
    try {
        line = trim(getProgramOutputLine(path, {kVersionQuery}, kVersionQueryLimitSeconds));
    } catch (error&) {
        // The question has no answer: the caller treats an empty version as unusable.
        Log(3, true) << "Warning: unable to get version from KW executable " << path;
        return std::string();
    }
    Log(3, true) << "DEBUG: SelfUpgrade: version is " << line;
    return line;
}

std::string SelfUpgrade::readMd5File(const std::string& path)
{
    std::ifstream file(path);
    std::string word;
    if (!file || !(file >> word) || word.empty())
        throw error(1, 1, 1, 3) << Messages::get("err_self_upgrade_no_md5sum");
    return word;
}

void SelfUpgrade::getNewVersion(const SourceUrl& source)
{
    Log(0, true) << "Getting new version of Zarni Installer...";
    const Required demand = required();
    try {
        const std::string cacheDirectory = getCacheDir();
        const std::string directory = demand.binaryDirectory.empty() ? kDefaultBinaryDirectory : demand.binaryDirectory;
        const SourceUrl location(source.getDirectory() + directory);
        FileFetcher fetcher(location, cacheDirectory);
        const std::string name = cachedBinaryName();
        const std::string binaryName = demand.binaryName.empty() ? binaryBaseName() : demand.binaryName;

        std::string md5 = demand.md5;
        if (md5.empty()) {
            const std::string digestName = "." + name + ".md5sum.new";
            // Only the copy of a remote digest is this program's to remove.
            const auto dropDigest = [&]() {
                if (location.isLocal()) return;
                ::unlink((cacheDirectory + digestName).c_str());
                ::unlink((cacheDirectory + digestName + ".tmp").c_str());
            };
            try {
                md5 = readMd5File(fetcher.getFile(binaryName + ".md5sum", std::string(), digestName));
            } catch (error&) {
                dropDigest();
                throw;
            }
            dropDigest();
            for (char& c : md5) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (!isDigest(md5)) throw error(1, 1, 1, 3) << Messages::get("err_self_upgrade_no_md5sum");
        }

        const std::string cachedPath = cacheDirectory + name;
        struct stat status;
        const bool present = ::lstat(cachedPath.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
                             getFileMd5(cachedPath) == md5;
        if (!present) {
            installBinary(fetcher, location, binaryName, md5, cacheDirectory, name, demand.version);
        } else {
            Log(3, true) << "DEBUG: SelfUpgrade: " << cachedPath << " is already there with digest " << md5;
            sealBinary(cachedPath);
            requireVersion(cachedPath, demand.version);
            std::string recorded;
            try {
                recorded = readMd5File(cachedPath + ".md5sum");
            } catch (error&) {
                // Rewritten just below.
            }
            if (recorded != md5) fileops::replace_file(cachedPath + ".md5sum", md5);
        }
        Log(0, true) << "Getting done, Zarni Installer is ready to restart.";
    } catch (error& failure) {
        failure.addLevel(1, 1, 1, 3) << (Messages::format("err_unable_to_satisfy_version") % demand.version);
        throw;
    }
}

std::vector<std::string> SelfUpgrade::selectionArguments(
    const std::vector<std::pair<std::string, std::string>>& selected)
{
    std::vector<std::string> arguments;
    std::string lastProduct;
    for (const auto& release : selected) {
        if (release.first.empty()) throw KW_INTERNAL_ERROR();
        if (release.first != lastProduct) {
            if (!(lastProduct.empty() && release.first == BuildManager::defaultProductId)) {
                lastProduct = release.first;
                arguments.insert(arguments.end(), {"--select-product-id", release.first});
            }
        }
        arguments.insert(arguments.end(), {"--select-release-id", release.second});
    }
    return arguments;
}

std::vector<std::string> SelfUpgrade::get_arguments_with_state(const std::string& mode, const SourceUrl& source,
                                                               const std::string& targetDirectory,
                                                               const Downloader::Proxy& proxy,
                                                               BuildManager* buildManager)
{
    Log(3, true) << "DEBUG: SelfUpgrade::get_arguments_with_state entry.";
    std::vector<std::string> arguments = StartupArguments::list();
    arguments.insert(arguments.end(), {"--source", source.str(), "--target", targetDirectory});
    if (!proxy.host.empty()) {
        arguments.insert(arguments.end(), {"--proxy-host", proxy.host, "--proxy-port", std::to_string(proxy.port)});
        if (!proxy.user.empty())
            arguments.insert(arguments.end(), {"--proxy-user", proxy.user, "--proxy-password", proxy.password});
    }
    if (buildManager) {
        SelectedReleases walk;
        buildManager->accept(walk);
        const std::vector<std::string> selection = selectionArguments(walk.selected);
        arguments.insert(arguments.end(), selection.begin(), selection.end());
    }
    arguments.insert(arguments.end(), {"--disable-browser", "--set-user-interaction-mode", mode});
    return arguments;
}

std::string SelfUpgrade::argumentsForLog(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : redact::arguments(arguments)) line += " '" + argument + "'";
    return line;
}

void SelfUpgrade::restart(std::vector<std::string> arguments)
{
    Log(0, true) << "Doing restart of Zarni Installer...";
    const std::string cacheDirectory = getCacheDir();
    const std::string path = cacheDirectory + cachedBinaryName();
    const std::string why = whyNotRunnable(cacheDirectory, path);
    if (!why.empty()) {
        Log(2, true) << "Error: SelfUpgrade: refusing to start " << path << ": " << why;
        throw selfUpgradeRefused(why);
    }
    if (arguments.empty())
        arguments.push_back(path);
    else
        arguments.front() = path;
    Log(3, true) << "DEBUG: try to do execv with following args:" << argumentsForLog(arguments);

    std::vector<char*> argv = StartupArguments::makeArgv(arguments);
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    ::execv(path.c_str(), argv.data());
    std::cerr << "Can't re-run Kitwright: " << systemText(errno) << std::endl;
    std::exit(1);
}

void SelfUpgrade::switchToCachedVersion()
{
    const std::string running = kwVersion();
    Log(3, true) << "DEBUG: SelfUpgrade: current version KW is " << running;
    const std::string cacheDirectory = getCacheDir();
    struct stat directory;
    if (::stat(cacheDirectory.c_str(), &directory) != 0) {
        Log(3, true) << "DEBUG: SelfUpgrade: unable to get status of cache directory.";
        return;
    }
    if ((directory.st_mode & 022) != 0 || directory.st_uid != 0) {
        Log(2, true) << "DEBUG: SelfUpgrade: cache directory is unsecure, avoid to using it.";
        return;
    }
    const std::string candidate = cacheDirectory + cachedBinaryName();
    const std::vector<std::string>& startup = StartupArguments::list();
    if (!startup.empty() && startup.front().compare(0, cacheDirectory.size(), cacheDirectory) == 0) {
        Log(3, true) << "DEBUG: SelfUpgrade: already runing from cache.";
        return;
    }
    Log(3, true) << "DEBUG: SelfUpgrade: search cached KW binary in " << candidate;
    struct stat status;
    if (::lstat(candidate.c_str(), &status) != 0) {
        Log(3, true) << "DEBUG: SelfUpgrade: not exists, return ";
        return;
    }
    Log(3, true) << "DEBUG: SelfUpgrade: exists, checking md5sum for it";
    if (!fileops::exists(candidate + ".md5sum")) {
        Log(3, true) << "DEBUG: SelfUpgrade: md5sum file is not exists, return ";
        return;
    }
    const std::string why = whyNotRunnable(cacheDirectory, candidate);
    if (!why.empty()) {
        Log(2, true) << "SelfUpgrade: md5 missmatch, do not execute this file. (" << why << ")";
        return;
    }
    const std::string version = getBinaryVersion(candidate);
    Log(3, true) << "DEBUG: SelfUpgrade: version KW in cache is " << version;
    if (version.empty()) return;
    try {
        if (Version(version) > Version(running)) {
            Log(3, true) << "DEBUG: SelfUpgrade: in cache is more recent, switch to it";
            restart(startup);
        }
        Log(3, true) << "DEBUG: SelfUpgrade: not execute from cache, clean it.";
        if (::unlink(candidate.c_str()) != 0)
            throw error(4, 1, 1, 2) << "Unable to remove " << candidate << ": " << systemText(errno);
    } catch (error& failure) {
        // Start-up goes on with the running program; the cache is only a shortcut.
        Log(3, true) << "Warning: unable to execute version from KW self-upgrade cache. " << failure.text();
    }
}
