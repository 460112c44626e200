#pragma once

#include "installer/engine/ExamineScript.h"

#include <ostream>
#include <string>

// An examination registered for a run: the script and what it is told about the
// installation, taken when it is registered.
struct Examination {
    // The values that are the same for every examination of one run.
    struct RunValues {
        int returnCode = 0;         // 0 before and after a good installation, 1 after a failed one
        std::string home;           // the effective user's home directory
        std::string preset;         // "<product id>:<type name>" pairs, blank-separated
        std::string workMode;       // "INTERACTIVE_CONSOLE", "NON_INTERACTIVE", ...
        std::string arguments;      // the installer's own command line, its arguments shell-quoted
    };

    explicit Examination(const ExamineScript& script) : script(script) {}

    // The options text with every placeholder ("{RC}", "{FROM_RELEASE_VERSION}",
    // "{TO_RELEASE_VERSION}", "{KW_HOME}", "{OS_NAME}", "{OS_VERSION}",
    // "{OS_ARCH}", "{PRESET}", "{WORK_MODE}", "{ARGUMENTS}") replaced by its value
    // as exactly one shell word, whatever the value holds, and whether the
    // placeholder stands bare, inside double or inside single quotes. The rest of
    // the text is the catalogue's own shell words. A value is never searched for
    // further placeholders. Options that end inside a quoted text, and options
    // with placeholders that also hold a command substitution ("$(" or a
    // backquote, where the shell would read a value a second time), raise a
    // catalogue data error naming the examination.
    std::string expandOptions(const RunValues& run) const;

    ExamineScript script;
    // The component's name, or the release's for an examination of the build.
    std::string owner;
    // The installed version of the product ("" when none) and the version being
    // installed.
    std::string fromVersion;
    std::string toVersion;
    // The build's system as the catalogue names it.
    std::string osName;
    std::string osVersion;
    std::string osArch;
};

// The script and its owner.
std::ostream& operator<<(std::ostream& out, const Examination& examination);
