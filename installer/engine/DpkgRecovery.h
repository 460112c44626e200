#pragma once

#include "common/error.h"

#include <string>
#include <vector>

// What dpkg leaves behind when it was stopped in the middle of a change (files
// in its journal directory, packages "dpkg --audit" names), and the one
// automatic recovery: "dpkg --configure -a", which only finishes what dpkg had
// begun and is what apt itself asks for. A reinstall would download and replace
// files, possibly of packages that are not the product's, so it stays the
// operator's step, named precisely in the error.
class DpkgRecovery {
public:
    // dpkg's journal of a change it has not finished.
    static constexpr const char* journalDirectory = "/var/lib/dpkg/updates";

    // What is unfinished: a line for a non-empty journal, then what "dpkg
    // --audit" prints; empty when dpkg is clean.
    static std::string audit();
    // The package names an audit text lists (its lines that start with a
    // blank), each once, in order.
    static std::vector<std::string> packagesOf(const std::string& audit);
    // The sentence for an error whose cause may be the unfinished change.
    static std::string hint();

    // When dpkg is not clean: logs the audit, runs "dpkg --configure -a" once
    // to its end (a termination request waits for it) and audits again. Still
    // not clean raises error (4,1,3,2) "err_dpkg_interrupted" naming the
    // packages and both recovery commands.
    static void recoverOnce();
    // The error (4,1,3,2) "err_dpkg_interrupted" for what `audit` names: both
    // recovery commands, with the packages.
    static error unfinished(const std::string& audit);
};
