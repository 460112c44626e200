#pragma once

#include "tests/common/TempDir.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>

// The real locales that the catalogue tests need (a test machine may have only C
// and POSIX), compiled with localedef by tests/bin/compile-locales for LOCPATH.
// Under CTest the fixture "kw_compiled_locales" compiles them once per run and
// names the directory in KW_TEST_LOCALES; a test binary run directly compiles
// them once per process into a temporary directory of its own and exports the
// same variable, so that its child processes find them too. Empty when they
// cannot be compiled (no localedef or no locale sources).
inline const std::string& compiledLocales()
{
    // Made only when this process compiles the locales itself.
    static std::unique_ptr<TempDir> own;
    static const std::string directory = [] {
        auto complete = [](const std::string& where) {
            struct stat status;
            return !where.empty() && ::stat((where + "/de_DE.utf8/LC_CTYPE").c_str(), &status) == 0;
        };
        const char* given = std::getenv("KW_TEST_LOCALES");
        if (given && complete(given)) return std::string(given);
        own = std::make_unique<TempDir>();
        const std::string command =
            std::string(KW_SOURCE_DIR) + "/tests/bin/compile-locales '" + own->path() + "' >/dev/null 2>&1";
        if (own->path().empty() || std::system(command.c_str()) != 0 || !complete(own->path())) return std::string();
        ::setenv("KW_TEST_LOCALES", own->path().c_str(), 1);
        return own->path();
    }();
    return directory;
}

// The C library's newlocale keeps the search path it builds from LOCPATH and
// never frees it, once per locale it loads from there: not ours to fix, and not
// to be reported as this program's leak. Weak, so that every test file may
// include this header.
extern "C" __attribute__((weak, used)) const char* __lsan_default_suppressions()
{
    return "leak:__argz_add_sep\nleak:__argz_create_sep\n";
}
