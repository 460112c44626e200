#pragma once

#include <boost/filesystem.hpp>

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

// Writes the file, making its missing directories first.
inline void writeFileWithDirectories(const std::string& path, const std::string& content)
{
    boost::filesystem::create_directories(boost::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}
