#include "common/md5.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

inline std::uint32_t rotateLeft(std::uint32_t value, int count)
{
    return (value << count) | (value >> (32 - count));
}

inline std::uint32_t loadLittleEndian(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

inline void storeLittleEndian(std::uint32_t value, unsigned char* bytes)
{
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8);
    bytes[2] = static_cast<unsigned char>(value >> 16);
    bytes[3] = static_cast<unsigned char>(value >> 24);
}

// The per-step additive constants T[i] = floor(2^32 * abs(sin(i + 1))) and the
// shift amounts of RFC 1321.
const std::uint32_t sineTable[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};
const int shifts[64] = {
    7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
    5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
    4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
    6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21,
};

void transform(std::uint32_t state[4], const unsigned char block[64])
{
    std::uint32_t words[16];
    for (int i = 0; i < 16; ++i) words[i] = loadLittleEndian(block + 4 * i);

    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f;
        int g;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const std::uint32_t next = d;
        d = c;
        c = b;
        b = b + rotateLeft(a + f + sineTable[i] + words[g], shifts[i]);
        a = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

}  // namespace

void md5Init(Md5Context* context)
{
    context->state[0] = 0x67452301;
    context->state[1] = 0xefcdab89;
    context->state[2] = 0x98badcfe;
    context->state[3] = 0x10325476;
    context->bits[0] = 0;
    context->bits[1] = 0;
}

void md5Update(Md5Context* context, const void* data, std::uint32_t length)
{
    if (length == 0) return;
    const unsigned char* input = static_cast<const unsigned char*>(data);
    const std::uint32_t used = (context->bits[0] >> 3) & 0x3f;

    const std::uint32_t lowBits = context->bits[0] + (length << 3);
    if (lowBits < context->bits[0]) ++context->bits[1];
    context->bits[0] = lowBits;
    context->bits[1] += length >> 29;

    std::uint32_t offset = 0;
    if (used != 0) {
        const std::uint32_t room = 64 - used;
        if (length < room) {
            std::memcpy(context->buffer + used, input, length);
            return;
        }
        std::memcpy(context->buffer + used, input, room);
        transform(context->state, context->buffer);
        offset = room;
    }
    for (; offset + 64 <= length; offset += 64) transform(context->state, input + offset);
    std::memcpy(context->buffer, input + offset, length - offset);
}

void md5Final(Md5Context* context, unsigned char digest[16])
{
    unsigned char length[8];
    storeLittleEndian(context->bits[0], length);
    storeLittleEndian(context->bits[1], length + 4);

    const std::uint32_t used = (context->bits[0] >> 3) & 0x3f;
    const std::uint32_t padding = used < 56 ? 56 - used : 120 - used;
    static const unsigned char pad[64] = {0x80};
    md5Update(context, pad, padding);
    md5Update(context, length, 8);

    for (int i = 0; i < 4; ++i) storeLittleEndian(context->state[i], digest + 4 * i);
    std::memset(context, 0, sizeof *context);
}

char* md5HexDigest(Md5Context* context, char* output)
{
    unsigned char digest[16];
    md5Final(context, digest);
    if (!output) {
        output = static_cast<char*>(std::malloc(33));
        if (!output) return nullptr;
    }
    static const char digits[] = "0123456789abcdef";
    for (int i = 0; i < 16; ++i) {
        output[2 * i] = digits[digest[i] >> 4];
        output[2 * i + 1] = digits[digest[i] & 0x0f];
    }
    output[32] = '\0';
    return output;
}

char* md5File(const std::string& path, char* output)
{
    Md5Context context;
    md5Init(&context);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;

    unsigned char block[8192];
    std::size_t count;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0)
        md5Update(&context, block, static_cast<std::uint32_t>(count));
    const bool readFailed = std::ferror(file) != 0;
    const int readErrno = errno;
    std::fclose(file);
    if (readFailed) {
        errno = readErrno;
        return nullptr;
    }
    errno = readErrno;
    return md5HexDigest(&context, output);
}

std::string getFileMd5(const std::string& path)
{
    char digest[33];
    return md5File(path, digest) ? std::string(digest) : std::string();
}

std::string md5String(const std::string& text)
{
    Md5Context context;
    md5Init(&context);
    // Fed in pieces so that no length is cut by the 32-bit count.
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const std::uint32_t piece = left > 0x10000000 ? 0x10000000 : static_cast<std::uint32_t>(left);
        md5Update(&context, data, piece);
        data += piece;
        left -= piece;
    }
    char digest[33];
    md5HexDigest(&context, digest);
    return digest;
}
