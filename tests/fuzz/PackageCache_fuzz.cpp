// Package cache streams as a package source may serve them: the reader takes
// records until the first it refuses (with an `error`, never otherwise), what
// the writer makes of a record reads back, and writing settles.
#include "tests/fuzz/FuzzTargets.h"

#include "common/error.h"
#include "common/packages/Package.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct CloseStream {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using Stream = std::unique_ptr<std::FILE, CloseStream>;

// The records of a stream, skipping white space between them as the repository
// does; reading stops at the first refused record.
std::vector<std::unique_ptr<Package>> readRecords(std::FILE* stream)
{
    std::vector<std::unique_ptr<Package>> records;
    unsigned lines = 0;
    try {
        for (;;) {
            int c;
            while ((c = std::getc(stream)) != EOF && std::isspace(c)) {
            }
            if (c == EOF) break;
            std::ungetc(c, stream);
            records.push_back(Package::createFromCache(stream, lines));
        }
    } catch (const error&) {
    }
    return records;
}

std::string dumped(Package& record)
{
    // The writer skips records of no kind; the reader leaves the kind to its caller.
    record.setType('s');
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* out = ::open_memstream(&buffer, &length);
    fuzz::require(out != nullptr, "a memory stream opens");
    const int written = record.dump(out, nullptr);
    std::fclose(out);
    std::string text(buffer, length);
    std::free(buffer);
    fuzz::require(written == 0, "the writer writes");
    return text;
}

// The one record a written text holds.
std::unique_ptr<Package> readBack(std::string written)
{
    Stream stream(::fmemopen(&written[0], written.size(), "r"));
    fuzz::require(stream != nullptr, "a memory stream opens");
    std::vector<std::unique_ptr<Package>> records = readRecords(stream.get());
    fuzz::require(records.size() == 1, "a written record reads back", written);
    return std::move(records.front());
}

}  // namespace

namespace fuzz {

int packageCache(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    std::string input = text(data, size);
    Stream stream(::fmemopen(&input[0], input.size(), "r"));
    require(stream != nullptr, "a memory stream opens");
    for (const std::unique_ptr<Package>& record : readRecords(stream.get())) {
        // The line rules trim what the writer writes (a version " 2" after an
        // epoch becomes "2"), so the text settles after one round, not at once.
        const std::string first = dumped(*readBack(dumped(*record)));
        require(dumped(*readBack(first)) == first, "a record read back writes the same", first);
    }
    return 0;
}

}  // namespace fuzz
