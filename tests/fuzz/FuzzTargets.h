#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The fuzz targets. Each takes one input of any bytes and returns 0; an input
// that breaks what the target checks aborts the process. In the fuzz build
// (KW_FUZZ, clang) libFuzzer drives one target per program through
// FuzzMain.cpp; in every test run the replay driver feeds the same functions
// the committed corpus under tests/data/fuzz/<target>/.
namespace fuzz {

using Entry = int (*)(const std::uint8_t* data, std::size_t size);

// Two version texts, one per line: parsing and both orders (rpm's and dpkg's).
int versions(const std::uint8_t* data, std::size_t size);
// Two dependency texts, one per line: parsing, printing and the relation tests.
int dependencies(const std::uint8_t* data, std::size_t size);
// A stream of package cache records: reading, writing and reading back.
int packageCache(const std::uint8_t* data, std::size_t size);
// An XML document: loading and every accessor, catalogue packages included.
int xmlDocument(const std::uint8_t* data, std::size_t size);
// An escaped comma list: splitting, and splitting what the fields give back.
int splitList(const std::uint8_t* data, std::size_t size);
// Bytes from an HTTP client: the embedded server's parsing, dispatch and replies.
int httpRequest(const std::uint8_t* data, std::size_t size);
// What a CGI program writes: the embedded server's reading of its head.
int cgiReply(const std::uint8_t* data, std::size_t size);
// An include page: the embedded server's directives and tags.
int ssiPage(const std::uint8_t* data, std::size_t size);
// Bytes on the web back end's socket: the frame reader and the request parsers.
int backendRequest(const std::uint8_t* data, std::size_t size);

struct Target {
    const char* name;
    Entry entry;
};

inline constexpr Target targets[] = {
    {"versions", versions},         {"dependencies", dependencies}, {"packageCache", packageCache},
    {"xmlDocument", xmlDocument},   {"splitList", splitList},       {"httpRequest", httpRequest},
    {"cgiReply", cgiReply},         {"ssiPage", ssiPage},           {"backendRequest", backendRequest},
};

// Aborts, naming what did not hold and on what, when `holds` is false: both
// libFuzzer and the replay test report an abort with the input that caused it.
void require(bool holds, const char* what, const std::string& detail = std::string());

// The input as a text.
std::string text(const std::uint8_t* data, std::size_t size);

// The input split at its first newline (the second part empty without one).
void splitLine(const std::string& input, std::string& first, std::string& second);

// Turns every log destination off: before a log file opens the log keeps each
// statement in memory, which millions of inputs would fill.
void quietLog();

// A directory of this process for files a target serves; removed at exit.
const std::string& scratchDirectory();

}  // namespace fuzz
