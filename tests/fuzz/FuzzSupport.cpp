#include "tests/fuzz/FuzzTargets.h"

#include "common/Log.h"

#include <boost/filesystem.hpp>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

void require(bool holds, const char* what, const std::string& detail)
{
    if (holds) return;
    std::fprintf(stderr, "fuzz: %s does not hold: %s\n", what, detail.c_str());
    std::abort();
}

std::string text(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

void splitLine(const std::string& input, std::string& first, std::string& second)
{
    const std::size_t newline = input.find('\n');
    first = input.substr(0, newline);
    second = newline == std::string::npos ? std::string() : input.substr(newline + 1);
}

void quietLog()
{
    const std::lock_guard<std::recursive_mutex> lock(Log::mutex);
    Log::errorsLevel = -1;
    Log::fileLevel = -1;
    Log::consoleLevel = -1;
    Log::captureLevel = -1;
}

const std::string& scratchDirectory()
{
    // The name outlives every static object, for the removal at exit.
    static char made[] = "/tmp/kitwright-fuzz-XXXXXX";
    static const std::string directory = [] {
        require(mkdtemp(made) != nullptr, "a scratch directory can be made");
        std::atexit([] {
            boost::system::error_code ignored;
            boost::filesystem::remove_all(boost::filesystem::path(made), ignored);
        });
        return std::string(made);
    }();
    return directory;
}

}  // namespace fuzz
