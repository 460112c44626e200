#pragma once

#include <string>

class TiXmlElement;

// The installer's replacement of itself by the version a catalogue demands. The
// catalogue readers call check_required_KW_version on the root of every root
// file, product file and build information file; a demand for another version
// ends the reading with NeedSelfUpgrade, which the drivers answer by fetching the
// required program and restarting with it.
class SelfUpgrade {
public:
    // Raised to end catalogue or build loading; it carries nothing, the demand
    // is in the process-wide record.
    class NeedSelfUpgrade {};

    // The last "exact_required_kitwright" element read. Every text is checked
    // before it is kept: the version is digits and dots with an optional
    // "-", "+" or "~" suffix, the directory a relative path that stays below the
    // source, the name a plain file name, the digest 32 hexadecimal digits.
    struct Required {
        std::string version;
        std::string binaryDirectory;
        std::string binaryName;
        std::string md5;
    };

    // Reads the root's optional "exact_required_kitwright" child into the
    // process-wide record. A required version other than the running program's
    // raises NeedSelfUpgrade, unless self-upgrade is disabled by the options, when
    // it is only logged as a warning. A text that fails its check raises
    // err_self_upgrade_failed (a repository error) and keeps nothing.
    static void check_required_KW_version(const TiXmlElement* root);

    // A copy of the process-wide record.
    static Required required();
    // Tests only: forget the record.
    static void resetRequired();
};
