#pragma once

// Helpers shared by the files of PkgManager only; nothing outside the resolver
// includes this header.

#include "common/Log.h"
#include "common/packages/Dependency.h"
#include "common/packages/Package.h"
#include "common/packages/Version.h"

#include <cstring>
#include <exception>
#include <sstream>
#include <string>
#include <utility>

namespace pkgmanager {

// Logs the entry into an operation and how it ended.
class Trace {
public:
    explicit Trace(std::string name) : name_(std::move(name)), exceptions_(std::uncaught_exceptions())
    {
        Log(3, true) << "DEBUG: function entry [" << name_ << "]";
    }
    ~Trace()
    {
        const bool failing = std::uncaught_exceptions() > exceptions_;
        Log(3, true) << (failing ? "DEBUG: function exception [" : "DEBUG: function return [") << name_ << "]";
    }
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

private:
    std::string name_;
    int exceptions_;
};

// The stream text of the values, for messages built before a log statement.
template <class... T>
std::string concat(const T&... parts)
{
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

inline std::string textOf(const Dependency& dependency)
{
    return concat(dependency);
}

inline bool sameArch(const Package* a, const Package* b)
{
    return std::strcmp(a->getArch(), b->getArch()) == 0;
}

inline int compareVersions(const Package* a, const Package* b)
{
    const int r = a->getVersion().compare(b->getVersion());
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

// The same name, an equal version and the same architecture text.
inline bool sameNameVersionArch(const Package* a, const Package* b)
{
    return a->getName() == b->getName() && compareVersions(a, b) == 0 && sameArch(a, b);
}

inline bool isInstalled(const Package* package)
{
    return package->getType() == Package::typeSystem;
}

}  // namespace pkgmanager
