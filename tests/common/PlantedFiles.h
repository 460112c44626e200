#pragma once

#include "tests/common/PrivateNamespace.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

// What may stand at a fixed path in /tmp before the installer comes: things
// another local user planted there, and files of the installer's own user. Tests
// run them in a private mount namespace with a tmpfs on /tmp.

// A file of root that a planted entry points at and that must stay as it is.
constexpr const char* kVictimPath = "/tmp/victim";
constexpr mode_t kVictimMode = 0755;

inline bool makeVictim()
{
    {
        std::ofstream out(kVictimPath);
        out << "precious\n";
        if (!out) return false;
    }
    return ::chmod(kVictimPath, kVictimMode) == 0;
}

// The victim's content and mode are what makeVictim left.
inline bool victimIntact()
{
    std::ifstream in(kVictimPath);
    std::ostringstream text;
    text << in.rdbuf();
    struct stat info;
    return text.str() == "precious\n" && ::lstat(kVictimPath, &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & 07777) == kVictimMode && info.st_nlink == 1;
}

struct Plant {
    const char* name;
    uid_t user;  // who plants it
    std::function<bool(const std::string& path)> make;
    bool keepsInode;  // a file of the installer's own user: used in place
};

inline std::vector<Plant> plants()
{
    return {
        {"another user's file", kOtherUser,
         [](const std::string& path) {
             std::ofstream(path) << "F:stale\nN:stale\nV:1\nX:\n";
             return ::chmod(path.c_str(), 0644) == 0;
         },
         false},
        {"another user's symbolic link to a file of root", kOtherUser,
         [](const std::string& path) { return ::symlink(kVictimPath, path.c_str()) == 0; }, false},
        {"another user's named pipe", kOtherUser,
         [](const std::string& path) { return ::mkfifo(path.c_str(), 0666) == 0; }, false},
        {"another user's listening socket", kOtherUser,
         [](const std::string& path) {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             struct sockaddr_un address = {};
             address.sun_family = AF_UNIX;
             if (fd < 0 || path.size() >= sizeof address.sun_path) return false;
             std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
             return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                    ::listen(fd, 1) == 0;
         },
         false},
        {"another user's directory with a file in it", kOtherUser,
         [](const std::string& path) {
             return ::mkdir(path.c_str(), 0755) == 0 && static_cast<bool>(std::ofstream(path + "/inside") << "x");
         },
         false},
        {"a second name of a file of root", 0,
         [](const std::string& path) { return ::link(kVictimPath, path.c_str()) == 0; }, false},
        {"root's own file with another mode", 0,
         [](const std::string& path) {
             std::ofstream(path) << "F:stale\nN:stale\nV:1\nX:\n";
             return ::chmod(path.c_str(), 0644) == 0;
         },
         true},
    };
}
