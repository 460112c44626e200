#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The whole content of a file, read independently of the code under test; empty
// when the file cannot be read.
inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
