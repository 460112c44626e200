#pragma once

#include "common/packages/Version.h"

#include <string>

// A Debian package version: made from a text exactly like a Version (same
// fields, same rendering), but ordered as `dpkg --compare-versions` orders it.
class DebVersion : public Version {
public:
    explicit DebVersion(const char* text);
    explicit DebVersion(const std::string& text);
    ~DebVersion() override;

    // dpkg's order has no separate parts: all four raise `error` err_no_debpartver.
    int cmpEpoch(const Version& other) const override;
    int cmpVersion(const Version& other) const override;
    int cmpRelease(const Version& other) const override;
    int cmpPart(const char* a, const char* b) const override;

    // dpkg's order of the two versions' texts (epoch, then upstream version and
    // revision, the revision being what follows the last "-"); -1, 0 or 1. The
    // text "<unknown>" is dpkg's blank version, below every other. A text dpkg
    // refuses is logged once (level 1) and ranks below every text it accepts,
    // such texts ordered among themselves by their bytes, so the order stays
    // total and consistent whatever the input.
    int compare(const Version& other) const override;

    // dpkg's order of two upstream versions or revisions (null counts as
    // empty): "~" before everything, the end included, then digits compared as
    // numbers, letters, and other bytes after the letters. Only the sign counts.
    static int comparePart(const char* a, const char* b);
};
