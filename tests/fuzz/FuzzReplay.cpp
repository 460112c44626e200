// Feeds every file of a corpus to one fuzz target, with the program's own
// compiler and sanitizers, so that every test run checks the inputs that once
// broke something and the hostile ones written for it:
//     kw_fuzz_replay <target> <corpus directory or file>...
#include "tests/fuzz/FuzzTargets.h"

#include <boost/filesystem.hpp>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::string> inputFiles(const char* argument)
{
    std::vector<std::string> files;
    const boost::filesystem::path path(argument);
    if (!boost::filesystem::is_directory(path)) {
        files.push_back(path.string());
        return files;
    }
    for (const auto& entry : boost::filesystem::directory_iterator(path))
        if (boost::filesystem::is_regular_file(entry.path())) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <target> <corpus directory or file>...\n", argv[0]);
        return 2;
    }
    const auto target = std::find_if(std::begin(fuzz::targets), std::end(fuzz::targets),
                                      [&](const fuzz::Target& t) { return std::strcmp(t.name, argv[1]) == 0; });
    if (target == std::end(fuzz::targets)) {
        std::fprintf(stderr, "unknown fuzz target %s\n", argv[1]);
        return 2;
    }
    fuzz::quietLog();
    std::size_t count = 0;
    for (int i = 2; i < argc; ++i) {
        for (const std::string& file : inputFiles(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "cannot read %s\n", file.c_str());
                return 1;
            }
            const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::printf("%s\n", file.c_str());
            std::fflush(stdout);
            target->entry(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
            ++count;
        }
    }
    // A corpus that went missing must not pass for one that was replayed.
    if (count == 0) {
        std::fprintf(stderr, "no input to replay\n");
        return 1;
    }
    std::printf("%zu inputs replayed\n", count);
    return 0;
}
