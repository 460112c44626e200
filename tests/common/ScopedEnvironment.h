#pragma once

#include <cstdlib>
#include <string>

// Sets (or removes) an environment variable for the life of the object and then
// puts back what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(const std::string& name, const std::string& value) : ScopedEnvironment(name)
    {
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    // Removes the variable.
    explicit ScopedEnvironment(const std::string& name) : name_(name)
    {
        const char* old = std::getenv(name.c_str());
        hadValue_ = old != nullptr;
        if (old) old_ = old;
        ::unsetenv(name.c_str());
    }
    ~ScopedEnvironment()
    {
        if (hadValue_)
            ::setenv(name_.c_str(), old_.c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::string old_;
    bool hadValue_ = false;
};
