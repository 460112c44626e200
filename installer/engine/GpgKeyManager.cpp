#include "installer/engine/GpgKeyManager.h"

#include "installer/engine/AptGpgKeyManager.h"
#include "installer/engine/YumGpgKeyManager.h"

#include "common/Opsys.h"
#include "common/error.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

std::unique_ptr<GpgKeyManager> GpgKeyManager::create(const Opsys& system)
{
    if (system.isDebian()) return std::make_unique<AptGpgKeyManager>();
    if (system.isRedHat()) return std::make_unique<YumGpgKeyManager>();
    throw error(1, 1, 1, 3) << "GpgKeyManager is not implemented for current OS";
}

GpgKeyManager::AutoremovedTempfile::AutoremovedTempfile(const std::string& keyText)
{
    std::vector<char> pattern = {'/', 't', 'm', 'p', '/'};
    const std::string name = "gpg.public.key.XXXXXXXX";
    pattern.insert(pattern.end(), name.begin(), name.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw error(4, 1, 1, 2) << "Can not create temporary file to store gpg public key: " << std::strerror(errno);
    path_ = pattern.data();
    ::close(fd);

    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << restoreArmor(keyText);
    out.flush();
    if (!out) {
        const int saved = errno;
        std::remove(path_.c_str());
        throw error(4, 1, 1, 2) << "Can not create temporary file to store gpg public key: " << std::strerror(saved);
    }
}

GpgKeyManager::AutoremovedTempfile::~AutoremovedTempfile() { std::remove(path_.c_str()); }

std::string GpgKeyManager::restoreArmor(const std::string& keyText)
{
    static const std::string begin = "-----BEGIN PGP PUBLIC KEY BLOCK-----";
    static const std::string end = "-----END PGP PUBLIC KEY BLOCK-----";
    const std::string::size_type first = keyText.find(begin);
    const std::string::size_type last = keyText.rfind(end);
    if (keyText.find('\n') != std::string::npos || first == std::string::npos || last == std::string::npos ||
        last < first)
        return keyText;
    // The words between the lines were the armor's lines: the base64 lines and
    // the checksum line (armor headers, "Key: value", do not survive this).
    std::istringstream body(keyText.substr(first + begin.size(), last - first - begin.size()));
    std::string armored = begin + "\n\n";
    for (std::string word; body >> word;) armored += word + "\n";
    return armored + end + "\n";
}
