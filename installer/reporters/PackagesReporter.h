#pragma once

#include "installer/reporters/Reporter.h"

#include "common/checked_pointer.h"

#include <cstdint>
#include <ostream>
#include <utility>
#include <vector>

class Package;
class Repository;

// What a package list means for the system: which packages are installed,
// upgraded and removed. The command line prints it for a dry run; the drivers
// keep its text form for the error report.
//
// A dummy remover in the list stands for the removal of the installed package it
// obsoletes; an installed package that a package of the list obsoletes, and that
// the list does not name, is removed too.
class PackagesReporter : public Reporter {
public:
    enum Action {
        actionInstall = 0,
        actionUpgrade = 1,
        actionRemove = 2,
    };
    typedef std::pair<const Package*, Action> Entry;

    // The list and the repository are borrowed and outlive the reporter; `xml`
    // chooses the form (the text kept for the error report is taken without).
    PackagesReporter(std::int32_t status, const std::vector<const Package*>* packages, const Repository* repository,
                     bool xml);

    // Text: one numbered line "  N. [I|U|R] package" per entry (dummy records
    // are not installed, so not listed), or the "packages_no_reqpackages" text.
    // XML: "packages" with "system_packages", "kernel_packages" and
    // "build_packages", their counts and byte totals, and one "package" per
    // install or upgrade of a catalogue or system-repository package and per
    // removal.
    std::ostream& put(std::ostream& out) const override;

private:
    // The entries, each logged at level 3: installs, then upgrades, then
    // removals, each by name.
    std::vector<Entry> entries() const;

    checked_pointer<const std::vector<const Package*>> packages_;
    checked_pointer<const Repository> repository_;
    bool xml_;
};
