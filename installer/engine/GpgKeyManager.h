#pragma once

#include <memory>
#include <string>

class Opsys;

// Imports the public key that signs a product build's packages into the system
// package manager, one key text at a time: rpm keeps keys in its database, APT
// reads the keyring that the product's source lines name. A manager lives for
// one import pass of a configurator.
class GpgKeyManager {
public:
    // The manager of the running system's package manager; other systems raise
    // (1,1,1,3) "GpgKeyManager is not implemented for current OS".
    static std::unique_ptr<GpgKeyManager> create(const Opsys& system);

    virtual ~GpgKeyManager() = default;
    virtual void importKey(const std::string& keyText) = 0;

    // The catalogue reader condenses white space in texts, so an armored key
    // arrives on one line, which gpg and rpm refuse: its line ends are put back.
    // Any other text stays as it is.
    static std::string restoreArmor(const std::string& keyText);

protected:
    // One key text in a file of its own (mode 0600, a unique name in /tmp), for
    // the tools that read keys from files; removed when the object ends,
    // whatever happened meanwhile.
    class AutoremovedTempfile {
    public:
        explicit AutoremovedTempfile(const std::string& keyText);
        ~AutoremovedTempfile();
        AutoremovedTempfile(const AutoremovedTempfile&) = delete;
        AutoremovedTempfile& operator=(const AutoremovedTempfile&) = delete;

        const std::string& path() const { return path_; }

    private:
        std::string path_;
    };
};
