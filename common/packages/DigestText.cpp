#include "common/packages/DigestText.h"

#include "common/error.h"

#include <cstring>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

char htos(unsigned value)
{
    if (value > 15) throw error(3, 1, 1, 3) << " htos(): number too big (" << value << ")";
    return "0123456789abcdef"[value];
}

void digestFromText(const char* text, unsigned char digest[16])
{
    const std::size_t length = text ? std::strlen(text) : 0;
    if (length == 0) {
        std::memset(digest, 0, 16);
        return;
    }
    // 64 digits are a longer digest; its first half is kept.
    if (length != 32 && length != 64)
        throw error(3, 1, 1, 3) << "MD5 string size is not 32- " << length << " " << text;
    unsigned char bytes[16];
    for (std::size_t i = 0; i < 32; ++i) {
        const int value = hexValue(text[i]);
        if (value < 0) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            throw error(3, 1, 1, 3) << "MD5 string contains non-hex symbol: " << text[i] << " ("
                                    << static_cast<unsigned>(c) << ")";
        }
        if (i % 2 == 0)
            bytes[i / 2] = static_cast<unsigned char>(value << 4);
        else
            bytes[i / 2] = static_cast<unsigned char>(bytes[i / 2] | value);
    }
    std::memcpy(digest, bytes, 16);
}

std::string digestToText(const unsigned char digest[16])
{
    std::string text(32, '0');
    for (std::size_t i = 0; i < 16; ++i) {
        text[2 * i] = htos(digest[i] >> 4);
        text[2 * i + 1] = htos(digest[i] & 0x0F);
    }
    return text;
}
