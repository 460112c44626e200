#include "common/packages/Version.h"

#include "common/Messages.h"
#include "common/error.h"

#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string_view>

namespace {

// rpm classifies bytes by ASCII only, whatever the locale.
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAlnum(char c) { return isDigit(c) || isAlpha(c); }

char at(std::string_view text, std::size_t position) { return position < text.size() ? text[position] : '\0'; }

// rpm's own segment comparison (rpmvercmp of rpm 4.18): alternate runs of
// digits and letters compare in turn, any other byte only separates them; "~"
// sorts before everything, the end of the text included, and "^" after the end
// but before anything else.
int rpmCompare(std::string_view a, std::string_view b)
{
    if (a == b) return 0;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() || j < b.size()) {
        while (i < a.size() && !isAlnum(a[i]) && a[i] != '~' && a[i] != '^') ++i;
        while (j < b.size() && !isAlnum(b[j]) && b[j] != '~' && b[j] != '^') ++j;

        if (at(a, i) == '~' || at(b, j) == '~') {
            if (at(a, i) != '~') return 1;
            if (at(b, j) != '~') return -1;
            ++i;
            ++j;
            continue;
        }
        if (at(a, i) == '^' || at(b, j) == '^') {
            if (i == a.size()) return -1;
            if (j == b.size()) return 1;
            if (a[i] != '^') return 1;
            if (b[j] != '^') return -1;
            ++i;
            ++j;
            continue;
        }
        if (i == a.size() || j == b.size()) break;

        // The kind of the segment follows a; a's segment is never empty here.
        const bool numeric = isDigit(a[i]);
        std::size_t endA = i;
        std::size_t endB = j;
        if (numeric) {
            while (endA < a.size() && isDigit(a[endA])) ++endA;
            while (endB < b.size() && isDigit(b[endB])) ++endB;
        } else {
            while (endA < a.size() && isAlpha(a[endA])) ++endA;
            while (endB < b.size() && isAlpha(b[endB])) ++endB;
        }
        // b has nothing of that kind here: numbers rank above letters.
        if (endB == j) return numeric ? 1 : -1;

        std::string_view segmentA = a.substr(i, endA - i);
        std::string_view segmentB = b.substr(j, endB - j);
        if (numeric) {
            // Compared as numbers of any length, without converting them.
            while (!segmentA.empty() && segmentA.front() == '0') segmentA.remove_prefix(1);
            while (!segmentB.empty() && segmentB.front() == '0') segmentB.remove_prefix(1);
            if (segmentA.size() != segmentB.size()) return segmentA.size() > segmentB.size() ? 1 : -1;
        }
        const int result = segmentA.compare(segmentB);
        if (result != 0) return result < 0 ? -1 : 1;
        i = endA;
        j = endB;
    }
    // Only separators were left: the side with anything left over wins.
    if (i == a.size() && j == b.size()) return 0;
    return i == a.size() ? -1 : 1;
}

}  // namespace

Version::Version(const char* text)
{
    parse(text);
}

Version::Version(const std::string& text)
{
    parse(text.c_str());
}

Version::Version() = default;

Version::Version(const Version& other) = default;

Version& Version::operator=(const Version& other)
{
    epoch_ = other.epoch_;
    hasEpoch_ = other.hasEpoch_;
    version_ = other.version_;
    release_ = other.release_;
    fieldsChanged();
    return *this;
}

Version::~Version() = default;

void Version::parse(const char* text)
{
    if (!text || !*text) throw error(1, 1, 1, 3) << Messages::get("err_empty_version");

    // A "-" in the first position belongs to the version.
    const char* dash = std::strchr(text + 1, '-');
    const std::string epochAndVersion = dash ? std::string(text, dash) : std::string(text);
    if (dash) setRelease(dash + 1);

    const std::size_t colon = epochAndVersion.find(':');
    if (colon == std::string::npos) {
        version_ = epochAndVersion;
        return;
    }
    // Read the way atol reads (blanks, sign, digits up to the first other byte,
    // no digits give 0), except that an out-of-range number saturates instead of
    // being undefined.
    epoch_ = std::strtoll(epochAndVersion.substr(0, colon).c_str(), nullptr, 10);
    hasEpoch_ = true;
    version_ = epochAndVersion.substr(colon + 1);
}

int Version::setRelease(const char* release)
{
    if (!release || !*release) return -1;
    release_ = release;
    fieldsChanged();
    return 0;
}

int Version::cmpEpoch(const Version& other) const
{
    // A missing epoch is 0, as in rpm: "0:1.0" and "1.0" are the same version.
    const auto mine = static_cast<std::uint64_t>(epoch_);
    const auto theirs = static_cast<std::uint64_t>(other.epoch_);
    return mine < theirs ? -1 : (mine > theirs ? 1 : 0);
}

int Version::cmpVersion(const Version& other) const
{
    return cmpPart(version_.c_str(), other.version_.c_str());
}

int Version::cmpRelease(const Version& other) const
{
    // rpm ranks a missing release below every release, even one of "~" only.
    if (release_.empty() || other.release_.empty())
        return static_cast<int>(!release_.empty()) - static_cast<int>(!other.release_.empty());
    return cmpPart(release_.c_str(), other.release_.c_str());
}

int Version::compare(const Version& other) const
{
    int result = cmpEpoch(other);
    if (result == 0) result = cmpVersion(other);
    if (result == 0) result = cmpRelease(other);
    return result;
}

int Version::cmpPart(const char* a, const char* b) const
{
    return rpmCompare(a ? a : "", b ? b : "");
}

std::string Version::getEpochVersion() const
{
    std::string text;
    if (hasEpoch_) {
        text = std::to_string(epoch_);
        text += ':';
    }
    text += version_.empty() ? "no_versioning_data" : version_;
    return text;
}

std::string Version::toString() const
{
    std::string text = getEpochVersion();
    if (!release_.empty()) {
        text += '-';
        text += release_;
    }
    return text;
}

void Version::print(std::ostream& out) const
{
    out << toString();
}

std::ostream& operator<<(std::ostream& out, const Version& version)
{
    version.print(out);
    return out;
}
