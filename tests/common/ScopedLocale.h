#pragma once

#include "common/Messages.h"
#include "tests/common/ScopedEnvironment.h"

#include <string>

// The message catalogue in another language for the life of the object; the
// language and the locale variables it exports are put back.
class ScopedLocale {
public:
    explicit ScopedLocale(const std::string& name) : old_(Messages::getLocale()) { Messages::setLocale(name); }
    ~ScopedLocale() { Messages::setLocale(old_); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    ScopedEnvironment all_{"LC_ALL"};
    ScopedEnvironment lang_{"LANG"};
    std::string old_;
};
