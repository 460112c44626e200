#include "installer/engine/AptGpgKeyManager.h"

#include "installer/engine/SystemPackageTools.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/fileops.h"

#include <boost/filesystem.hpp>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <vector>

namespace {

std::string findGpgProgram()
{
    for (const char* candidate : SystemPackageTools::gpgCandidates)
        if (executeCommand(std::string("command -v ") + candidate, false, false) == 0) return candidate;
    throw error(4, 1, 1, 2) << "gnupg, gnupg2 and gnupg1 do not seem to be installed - unable to import GPG key.";
}

// A unique name made from a pattern ending in "XXXXXX" by `make` (mkstemp or
// mkdtemp style); empty on failure, with errno set.
template <class Make>
std::string uniqueName(const std::string& pattern, Make make)
{
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    return make(buffer.data()) ? std::string(buffer.data()) : std::string();
}

}  // namespace

AptGpgKeyManager::AutoremovedTempdir::AutoremovedTempdir(const std::string& pattern)
    : path_(uniqueName(pattern, [](char* name) { return ::mkdtemp(name) != nullptr; }))
{
    if (path_.empty()) throw error(4, 1, 1, 2) << "Can not create temporary gpg home: " << std::strerror(errno);
}

AptGpgKeyManager::AutoremovedTempdir::~AutoremovedTempdir()
{
    boost::system::error_code ignored;
    boost::filesystem::remove_all(path_, ignored);
}

AptGpgKeyManager::AptGpgKeyManager(const std::string& keyring, const std::string& aptKey)
    : keyring_(keyring),
      aptKey_(aptKey),
      gpg_(findGpgProgram()),
      home_("/tmp/zarni.kitwright.gpg.home.XXXXXXXX")
{
}

AptGpgKeyManager::~AptGpgKeyManager()
{
    // A key import starts an agent on the home directory. Left running, it can
    // still be making its sockets while the home is removed, which leaves the
    // directory behind, and it lingers after the run.
    if (!imported_) return;
    try {
        if (executeCommand("command -v gpgconf", false, false) == 0)
            executeCommand("gpgconf --homedir " + shellQuote(home_.path()) + " --kill gpg-agent", false, false);
    } catch (...) {
        Log(2, true) << "DEBUG: the key agent of " << home_.path() << " could not be stopped";
    }
}

std::string AptGpgKeyManager::gpgCommand() const
{
    return gpg_ + " --no-options --homedir " + shellQuote(home_.path()) + " --batch";
}

void AptGpgKeyManager::importKey(const std::string& keyText)
{
    const AutoremovedTempfile keyFile(keyText);
    if (fileops::exists(aptKey_)) {
        std::ostringstream output;
        if (executeCommand(shellQuote(aptKey_) + " add " + shellQuote(keyFile.path()), true, false, &output,
                           &output) != 0)
            throw error(4, 1, 1, 2) << "Unable to import GPG key.";
    } else {
        // Newer apt has no apt-key; it reads the keyring the source lines name.
        Log(2, true) << "DEBUG: " << aptKey_ << " does not exist; the key goes into " << keyring_ << " only";
    }
    executeCommand(gpgCommand() + " --import " + shellQuote(keyFile.path()), false, true);
    imported_ = true;
}

void AptGpgKeyManager::exportKeyring()
{
    if (!imported_) {
        Log(2, true) << "DEBUG: no signing key imported; " << keyring_ << " stays as it is";
        return;
    }
    const std::string directory = fileops::dirname(keyring_);
    fileops::create_directory(directory);
    // Keys of the product repositories configured before stay in the keyring.
    if (fileops::exists(keyring_)) executeCommand(gpgCommand() + " --import " + shellQuote(keyring_), false, true);

    const std::string temporary = uniqueName(directory + "/.zarni.gpg.XXXXXX", [](char* name) {
        const int fd = ::mkstemp(name);
        if (fd < 0) return false;
        ::close(fd);
        return true;
    });
    if (temporary.empty())
        throw error(4, 1, 1, 2) << "Can not create temporary file to store gpg public key: " << std::strerror(errno);
    try {
        executeCommand(gpgCommand() + " --yes --export -o " + shellQuote(temporary), true, true);
        if (::chmod(temporary.c_str(), 0644) != 0)
            throw error(4, 1, 1, 2) << "Unable to set the mode of " << temporary << ": " << std::strerror(errno);
        fileops::rename(temporary, keyring_);
    } catch (...) {
        // The half-made keyring goes; the error goes on unchanged.
        fileops::remove(temporary);
        throw;
    }
}
