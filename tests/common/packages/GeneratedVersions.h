#pragma once

#include "tests/common/CommandOutput.h"

#include <cstdint>
#include <cstring>
#include <random>
#include <string>

// Helpers for checking the version orders against the system's own package tools.

inline bool toolInstalled(const std::string& name)
{
    int status = -1;
    commandOutput("command -v " + name + " >/dev/null 2>&1", &status);
    return status == 0;
}

// A number below `limit` from the generator. Unlike the standard distributions,
// the same seed gives the same texts with every standard library.
inline std::uint32_t below(std::mt19937& random, std::uint32_t limit)
{
    return static_cast<std::uint32_t>(random() % limit);
}

template <std::size_t N>
const char* pick(std::mt19937& random, const char* const (&choices)[N])
{
    return choices[below(random, N)];
}

// A text close to `text`: the kind of pair where the rules of a scheme differ.
// One of the `tails` appended, a leading zero before a number, an epoch of 0 added
// or dropped, or one of the single-character `separators` swapped for another.
template <std::size_t T, std::size_t S>
std::string nearbyVersion(std::mt19937& random, const std::string& text, const char* const (&tails)[T],
                          const char* const (&separators)[S])
{
    std::string result = text;
    switch (below(random, 5)) {
    case 0:
    case 1:
        return result + pick(random, tails);
    case 2: {
        const std::size_t start = result.find(':') == std::string::npos ? 0 : result.find(':') + 1;
        for (std::size_t i = start; i < result.size(); ++i)
            if (result[i] >= '0' && result[i] <= '9' && below(random, 2)) return result.insert(i, "0");
        return result + "0";
    }
    case 3:
        if (result.compare(0, 2, "0:") == 0) return result.substr(2);
        if (result.find(':') == std::string::npos) return "0:" + result;
        return result + "~";
    default:
        for (char& c : result) {
            bool separator = false;
            for (const char* candidate : separators) separator = separator || c == *candidate;
            if (separator && below(random, 2)) {
                c = *pick(random, separators);
                break;
            }
        }
        return result;
    }
}
