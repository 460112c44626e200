#pragma once

#include <boost/filesystem.hpp>

#include <dirent.h>

#include <fstream>
#include <map>
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

// Every file of a directory (not below), name -> content.
inline std::map<std::string, std::string> filesOf(const std::string& directory)
{
    std::map<std::string, std::string> files;
    if (DIR* listing = ::opendir(directory.c_str())) {
        while (const dirent* entry = ::readdir(listing)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") files[name] = readFile(directory + "/" + name);
        }
        ::closedir(listing);
    }
    return files;
}

// The files as "== name" lines, each followed by the content and a line end.
inline std::string describeFiles(const std::map<std::string, std::string>& files)
{
    std::string text;
    for (const auto& file : files) text += "== " + file.first + "\n" + file.second + "\n";
    return text;
}
