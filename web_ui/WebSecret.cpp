#include "web_ui/WebSecret.h"

#include "common/SystemUtils.h"
#include "common/error.h"

#include <sys/random.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

extern char** environ;

namespace {

const char kVariable[] = "WEB_SECRET";

std::string& storedSecret()
{
    static std::string secret;
    return secret;
}

}  // namespace

void randomBytes(unsigned char* bytes, std::size_t count)
{
    std::size_t filled = 0;
    while (filled < count) {
        const ssize_t got = getrandom(bytes + filled, count - filled, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw error(4, 2, 1, 2) << "Can't draw random bytes: " << std::strerror(errno);
        }
        filled += static_cast<std::size_t>(got);
    }
}

std::string randomLetters(std::size_t count)
{
    // 234 = 9 * 26: bytes from 234 on are drawn again, so that every letter
    // is equally likely.
    constexpr unsigned kLimit = 234;
    std::string letters;
    unsigned char pool[64];
    while (letters.size() < count) {
        randomBytes(pool, sizeof pool);
        for (std::size_t i = 0; i < sizeof pool && letters.size() < count; ++i)
            if (pool[i] < kLimit) letters += static_cast<char>('a' + pool[i] % 26);
    }
    return letters;
}

void generateWebSecret()
{
    if (setEnv(kVariable, randomLetters(kWebSecretLength)) != 0)
        throw error(4, 2, 1, 2) << "Can't set " << kVariable << ": " << std::strerror(errno);
}

void loadWebSecret()
{
    const std::size_t nameLength = sizeof kVariable - 1;
    std::vector<char*> entries;
    for (char** entry = environ; entry && *entry; ++entry)
        if (std::strncmp(*entry, kVariable, nameLength) == 0 && (*entry)[nameLength] == '=') entries.push_back(*entry);
    std::string secret = entries.empty() ? std::string() : std::string(entries.front() + nameLength + 1);
    unsetenv(kVariable);
    // unsetenv only drops the pointer: the text stays in the environment block
    // that /proc/<pid>/environ shows.
    for (char* entry : entries) std::memset(entry, 0, std::strlen(entry));
    storedSecret() = std::move(secret);
}

const std::string& webSecret()
{
    return storedSecret();
}

void forgetWebSecret()
{
    std::string& secret = storedSecret();
    std::fill(secret.begin(), secret.end(), '\0');
    secret.clear();
}
