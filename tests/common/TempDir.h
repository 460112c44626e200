#pragma once

#include <cstdlib>
#include <string>

#include <boost/filesystem.hpp>

// A private directory for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/kitwright-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        path_ = made ? made : "";
    }
    ~TempDir()
    {
        boost::system::error_code ignored;
        if (!path_.empty()) boost::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};
