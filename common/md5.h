#pragma once

#include <cstdint>
#include <string>

// MD5 (RFC 1321). Digests travel through the system as 32 lower-case
// hexadecimal digits.

struct Md5Context {
    std::uint32_t state[4];
    std::uint32_t bits[2];  // message length in bits, low half first
    unsigned char buffer[64];
};

void md5Init(Md5Context* context);
void md5Update(Md5Context* context, const void* data, std::uint32_t length);
// Writes the 16-byte digest and clears the context.
void md5Final(Md5Context* context, unsigned char digest[16]);
// Finishes the context and writes 32 hex digits and a zero byte into `output`
// (at least 33 bytes). Without an output it allocates one with malloc, which the
// caller frees; null when that allocation fails.
char* md5HexDigest(Md5Context* context, char* output = nullptr);

// The hex digest of the whole file, into `output` as md5HexDigest does. Null, with
// errno telling why, when the file cannot be opened or cannot be read to its end:
// a digest of part of a file would pass for the digest of a damaged download.
char* md5File(const std::string& path, char* output = nullptr);
// The same as text; empty when the file has no digest.
std::string getFileMd5(const std::string& path);
// The hex digest of a text's bytes.
std::string md5String(const std::string& text);
