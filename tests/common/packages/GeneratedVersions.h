#pragma once

#include "tests/common/CommandOutput.h"

#include <cstdint>
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
