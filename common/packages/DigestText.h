#pragma once

#include <string>

// The package model's text form of 16-byte MD5 digests: package records, file
// dependencies and the package cache all read and write digests this way.

// The lower-case hexadecimal digit of a value 0 to 15; a larger value raises
// `error` (3,1,1,3).
char htos(unsigned value);

// Reads a digest text into 16 bytes. Empty (or null) gives zeros. A text of 32 or
// 64 hexadecimal digits (either case) is accepted and its first 32 digits are
// read; any other length, or any other character among those 32, raises `error`
// (3,1,1,3) and leaves `digest` unchanged.
void digestFromText(const char* text, unsigned char digest[16]);

// 32 lower-case hexadecimal digits.
std::string digestToText(const unsigned char digest[16]);
