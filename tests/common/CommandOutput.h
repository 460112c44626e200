#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

// Runs a shell command and returns its standard output; `status` gets the exit
// code (-1 when it could not be run or did not exit normally).
inline std::string commandOutput(const std::string& command, int* status = nullptr)
{
    std::string output;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        if (status) *status = -1;
        return output;
    }
    char buffer[4096];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, count);
    const int result = ::pclose(pipe);
    if (status) *status = (result != -1 && WIFEXITED(result)) ? WEXITSTATUS(result) : -1;
    return output;
}
