#pragma once

#include "common/packages/Version.h"

#include <cstdint>
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

    // dpkg's reading of a version text: where its parts are, as offsets into
    // the text so that a copy of the reading stays valid with a copy of the text.
    struct Reading {
        // Ordered as the versions rank: refused texts, the blank version, the rest.
        enum State : std::uint8_t { malformed = 0, blank = 1, valid = 2 };
        State state = valid;
        // dpkg's message for a refused text, or its warning for an accepted one.
        const char* problem = nullptr;
        long epoch = 0;
        std::uint32_t upstreamBegin = 0;
        std::uint32_t upstreamSize = 0;
        std::uint32_t revisionBegin = 0;
        std::uint32_t revisionSize = 0;
    };

private:
    // A version is compared far more often than it is made: the resolver and
    // the repository order every candidate of a package, again and again. So
    // the text dpkg would be handed, and dpkg's reading of it, are made once,
    // and renewed whenever the fields change.
    void fieldsChanged() override;

    std::string dpkgText_;
    Reading reading_;
};
