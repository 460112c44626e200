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
    out << keyText;
    out.flush();
    if (!out) {
        const int saved = errno;
        std::remove(path_.c_str());
        throw error(4, 1, 1, 2) << "Can not create temporary file to store gpg public key: " << std::strerror(saved);
    }
}

GpgKeyManager::AutoremovedTempfile::~AutoremovedTempfile() { std::remove(path_.c_str()); }
