#pragma once

#include "installer/engine/GpgKeyManager.h"

#include <string>

// Keys for APT: each key goes into a private gpg home of this manager (and, where
// the deprecated apt-key still exists, into its keyring); exportKeyring then
// writes the product keyring that the product's source lines name with
// "signed-by".
//
// The keyring is never rebuilt from this pass's keys alone: the keys it holds
// already (other configured product repositories rely on them) are read into
// the private home first. A pass that imported nothing leaves it as it is.
class AptGpgKeyManager : public GpgKeyManager {
public:
    static constexpr const char* keyringPath = "/etc/apt/keyrings/zarni.gpg";
    static constexpr const char* aptKeyProgram = "/usr/bin/apt-key";
    // The legacy keyring "apt-key add" writes into.
    static constexpr const char* aptKeyKeyringPath = "/etc/apt/trusted.gpg";

    // Finds the gpg program ("gpg", "gpg2" or "gpg1") and makes the private home.
    // The paths are the system's; tests give their own.
    explicit AptGpgKeyManager(const std::string& keyring = keyringPath, const std::string& aptKey = aptKeyProgram);
    // Stops the key agent that gpg started for the private home, then the home
    // goes.
    ~AptGpgKeyManager() override;

    void importKey(const std::string& keyText) override;
    // Writes the keyring (mode 0644) through a temporary file in its directory,
    // renamed over the old one; the caller registered it for backup first.
    void exportKeyring();

    const std::string& gpgProgram() const { return gpg_; }
    const std::string& homeDirectory() const { return home_.path(); }

    // A directory made with a unique name (mode 0700), removed with everything
    // in it when the object ends.
    class AutoremovedTempdir {
    public:
        explicit AutoremovedTempdir(const std::string& pattern);
        ~AutoremovedTempdir();
        AutoremovedTempdir(const AutoremovedTempdir&) = delete;
        AutoremovedTempdir& operator=(const AutoremovedTempdir&) = delete;

        const std::string& path() const { return path_; }

    private:
        std::string path_;
    };

private:
    // gpg on the private home, in batch mode, without the operator's options.
    std::string gpgCommand() const;

    std::string keyring_;
    std::string aptKey_;
    std::string gpg_;
    AutoremovedTempdir home_;
    bool imported_ = false;
};
