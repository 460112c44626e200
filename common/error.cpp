#include "common/error.h"

#include "common/BuildInfo.h"
#include "common/Messages.h"

error::error() : error(0, 0, 0, 0) {}

error::error(int errorClass, int retry, int systemState, int support)
    : messages_(1), class_(errorClass), retry_(retry), systemState_(systemState), support_(support)
{
}

error& error::operator<<(const char* text)
{
    messages_.back() += text ? text : "(null)";
    return *this;
}

error& error::addLevel(int errorClass, int retry, int systemState, int support)
{
    messages_.emplace_back();
    // The innermost raiser knows best: only unset codes take the handler's value.
    if (class_ == 0) class_ = errorClass;
    if (retry_ == 0) retry_ = retry;
    if (systemState_ == 0) systemState_ = systemState;
    if (support_ == 0) support_ = support;
    return *this;
}

std::string error::text() const
{
    std::string result;
    for (auto it = messages_.rbegin(); it != messages_.rend(); ++it) {
        result += *it;
        result += '\n';
    }
    return result;
}

std::string error::userText() const
{
    std::string result = text();
    if (class_ == 2)
        return result;  // a user error needs no advice

    static const char* const stateKeys[] = {"error_sys_stable", "error_sys_unsure", "error_sys_broken"};
    if (systemState_ >= 1 && systemState_ <= 3)
        result += Messages::get(stateKeys[systemState_ - 1]);

    if (retry_ == 2) {
        result += '\n';
        result += Messages::get("error_rep_again");
    }

    static const char* const supportKeys[] = {"error_supp_none", "error_supp_maybe", "error_supp_need"};
    if (support_ >= 1 && support_ <= 3) {
        result += '\n';
        result += Messages::get(supportKeys[support_ - 1]);
    }
    return result;
}

const char* error::className() const
{
    switch (class_) {
    case 1: return "repository";
    case 2: return "user";
    case 3: return "internal";
    case 4: return "system";
    case 5: return "dependencies";
    case 6: return "packages";
    default: return "e_class broken";
    }
}

error internalError(const char* file, int line)
{
    // The build maps the source root away, so `file` reads like "installer/BackendProtocol.cpp";
    // a compiler cache may hand the compiler a path relative to the build directory instead,
    // whose leading "../" steps are dropped. The operator sees it without the extension.
    std::string path = file ? file : "";
    while (path.compare(0, 3, "../") == 0 || path.compare(0, 2, "./") == 0)
        path.erase(0, path[0] == '.' && path[1] == '/' ? 2 : 3);
    const std::string::size_type slash = path.rfind('/');
    const std::string::size_type dot = path.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        path.erase(dot);

    error e(3, 1, 1, 3);
    e << "An internal error occured in Zarni Installer " << kwVersion() << ", revision " << kwRevision()
      << ", " << path << ", line " << line << ".";
    return e;
}
