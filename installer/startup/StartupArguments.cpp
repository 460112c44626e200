#include "installer/startup/StartupArguments.h"

#include <utility>

std::vector<std::string>& StartupArguments::storage()
{
    // Never destroyed: readers may run while the process ends.
    static std::vector<std::string>* arguments = new std::vector<std::string>();
    return *arguments;
}

void StartupArguments::keep(int argc, const char* const* argv)
{
    std::vector<std::string> copy;
    for (int i = 0; argv && i < argc && argv[i]; ++i) copy.emplace_back(argv[i]);
    storage() = std::move(copy);
}

void StartupArguments::keep(const std::vector<std::string>& arguments) { storage() = arguments; }

int StartupArguments::count() { return static_cast<int>(storage().size()); }

const std::vector<std::string>& StartupArguments::list() { return storage(); }

std::vector<char*> StartupArguments::makeArgv() { return makeArgv(storage()); }

std::vector<char*> StartupArguments::makeArgv(std::vector<std::string>& texts)
{
    std::vector<char*> result;
    for (std::string& text : texts) result.push_back(&text[0]);
    result.push_back(nullptr);
    return result;
}
