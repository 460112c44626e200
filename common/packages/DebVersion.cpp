#include "common/packages/DebVersion.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <string_view>
#include <typeinfo>

namespace {

// dpkg classifies bytes by ASCII only, whatever the locale.
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The text dpkg would be handed for a version: its rendering, but with an empty
// version left empty instead of "no_versioning_data", so that what dpkg would
// see is what gets compared. A comparison with a plain Version builds one, so
// usual lengths stay on the stack. NUL-terminated, as the epoch is read with strtol.
class DpkgText {
public:
    explicit DpkgText(const Version& version)
    {
        char epoch[24];
        std::size_t epochLength = 0;
        if (version.hasEpoch()) {
            char* end = std::to_chars(epoch, epoch + sizeof(epoch) - 1, version.getEpoch()).ptr;
            *end++ = ':';
            epochLength = static_cast<std::size_t>(end - epoch);
        }
        const std::string& upstream = version.getVersion();
        const std::string& release = version.getRelease();
        size_ = epochLength + upstream.size() + (release.empty() ? 0 : 1 + release.size());

        char* out = small_;
        if (size_ >= sizeof(small_)) {
            large_.resize(size_ + 1);
            out = &large_[0];
        }
        data_ = out;
        std::memcpy(out, epoch, epochLength);
        out += epochLength;
        std::memcpy(out, upstream.data(), upstream.size());
        out += upstream.size();
        if (!release.empty()) {
            *out++ = '-';
            std::memcpy(out, release.data(), release.size());
            out += release.size();
        }
        *out = '\0';
    }
    DpkgText(const DpkgText&) = delete;
    DpkgText& operator=(const DpkgText&) = delete;

    const char* c_str() const { return data_; }
    std::string_view view() const { return std::string_view(data_, size_); }

private:
    char small_[128];
    std::string large_;
    const char* data_;
    std::size_t size_;
};

using Reading = DebVersion::Reading;

Reading refused(const char* problem)
{
    Reading reading;
    reading.state = Reading::malformed;
    reading.problem = problem;
    return reading;
}

std::string_view upstreamOf(std::string_view text, const Reading& reading)
{
    return text.substr(reading.upstreamBegin, reading.upstreamSize);
}

std::string_view revisionOf(std::string_view text, const Reading& reading)
{
    return text.substr(reading.revisionBegin, reading.revisionSize);
}

// dpkg's parseversion (dpkg 1.21), with its own messages. The warnings (bad
// first byte, bad characters) still give a version that dpkg compares. `whole`
// is followed by a NUL, as the epoch is read with strtol.
Reading parseDpkg(std::string_view whole)
{
    Reading version;
    // dpkg --compare-versions reads an empty argument and "<unknown>" as blank.
    if (whole.empty() || whole == "<unknown>") {
        version.state = Reading::blank;
        return version;
    }

    const char* const begin = whole.data();
    const char* string = begin;
    const char* const end = whole.data() + whole.size();
    while (string < end && isBlank(*string)) ++string;
    if (string == end) return refused("version string is empty");
    const char* trimmedEnd = end;
    while (trimmedEnd > string && isBlank(trimmedEnd[-1])) --trimmedEnd;
    for (const char* p = string; p < trimmedEnd; ++p)
        if (isBlank(*p)) return refused("version string has embedded spaces");

    if (const char* colon = static_cast<const char*>(std::memchr(string, ':', end - string))) {
        char* epochEnd = nullptr;
        errno = 0;
        const long epoch = std::strtol(string, &epochEnd, 10);
        if (epochEnd == string) return refused("epoch in version is empty");
        if (epochEnd != colon) return refused("epoch in version is not number");
        if (epoch < 0) return refused("epoch in version is negative");
        if (epoch > INT_MAX || errno == ERANGE) return refused("epoch in version is too big");
        if (colon + 1 == end) return refused("nothing after colon in version number");
        string = colon + 1;
        version.epoch = epoch;
    }

    std::string_view upstream(string, static_cast<std::size_t>(trimmedEnd - string));
    std::string_view revision;
    const std::size_t hyphen = upstream.rfind('-');
    if (hyphen != std::string_view::npos) {
        revision = upstream.substr(hyphen + 1);
        upstream = upstream.substr(0, hyphen);
        if (revision.empty()) return refused("revision number is empty");
    }
    if (upstream.empty()) return refused("version number is empty");
    version.upstreamBegin = static_cast<std::uint32_t>(upstream.data() - begin);
    version.upstreamSize = static_cast<std::uint32_t>(upstream.size());
    version.revisionBegin = static_cast<std::uint32_t>(revision.empty() ? 0 : revision.data() - begin);
    version.revisionSize = static_cast<std::uint32_t>(revision.size());

    if (!isDigit(upstream.front())) {
        version.problem = "version number does not start with digit";
        return version;
    }
    for (const char c : upstream.substr(1)) {
        if (!isDigit(c) && !isAlpha(c) && !std::strchr(".-+~:", c)) {
            version.problem = "invalid character in version number";
            return version;
        }
    }
    for (const char c : revision) {
        if (!isDigit(c) && !isAlpha(c) && !std::strchr(".+~", c)) {
            version.problem = "invalid character in revision number";
            return version;
        }
    }
    return version;
}

// Once per distinct text: a sort or a resolver run compares the same version
// many times, and one line is enough to explain its place in the order.
void reportProblem(std::string_view text, const Reading& version)
{
    static std::mutex mutex;
    static std::set<std::string, std::less<>> reported;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!reported.emplace(text).second) return;
    }
    if (version.state == Reading::malformed)
        Log(1, true) << "Error: Debian version '" << text << "' has bad syntax: " << version.problem
                     << "; it ranks below every valid version";
    else
        Log(2, true) << "Warning: Debian version '" << text << "' has bad syntax: " << version.problem
                     << "; compared as dpkg compares it";
}

int sign(int value) { return (value > 0) - (value < 0); }

// dpkg's order value of a byte: digits and the end 0, "~" below it, letters by
// their code, every other byte after all letters. dpkg reads bytes as (signed)
// char, so bytes above 127 rank between the letters and the other bytes.
int order(int c)
{
    if (isDigit(static_cast<char>(c))) return 0;
    if (isAlpha(static_cast<char>(c))) return c;
    if (c == '~') return -1;
    if (c != 0) return c + 256;
    return 0;
}

// dpkg's verrevcmp.
int compareDpkgPart(std::string_view a, std::string_view b)
{
    // Versions of one package mostly share a long prefix. Both sides walk a
    // shared prefix in step, and at the start of a digit run, or after any
    // other byte, the walk is where it would be at the start of a round: so it
    // may start there.
    const std::size_t shared = std::min(a.size(), b.size());
    std::size_t start = 0;
    while (start < shared && a[start] == b[start]) ++start;
    if (start == a.size() && start == b.size()) return 0;
    while (start > 0 && isDigit(a[start - 1])) --start;
    std::size_t i = start;
    std::size_t j = start;
    const auto byteAt = [](std::string_view text, std::size_t position) {
        return position < text.size() ? static_cast<int>(static_cast<signed char>(text[position])) : 0;
    };
    while (i < a.size() || j < b.size()) {
        while ((i < a.size() && !isDigit(a[i])) || (j < b.size() && !isDigit(b[j]))) {
            const int orderA = order(byteAt(a, i));
            const int orderB = order(byteAt(b, j));
            if (orderA != orderB) return orderA - orderB;
            // Equal orders here mean two bytes that are neither digits nor the end.
            ++i;
            ++j;
        }
        while (i < a.size() && a[i] == '0') ++i;
        while (j < b.size() && b[j] == '0') ++j;
        int firstDifference = 0;
        while (i < a.size() && j < b.size() && isDigit(a[i]) && isDigit(b[j])) {
            if (firstDifference == 0) firstDifference = a[i] - b[j];
            ++i;
            ++j;
        }
        if (i < a.size() && isDigit(a[i])) return 1;
        if (j < b.size() && isDigit(b[j])) return -1;
        if (firstDifference != 0) return firstDifference;
    }
    return 0;
}

// dpkg's order of two versions read by parseDpkg.
int compareReadings(std::string_view textA, const Reading& a, std::string_view textB, const Reading& b)
{
    if (a.problem) reportProblem(textA, a);
    if (b.problem) reportProblem(textB, b);

    if (a.state != b.state) return a.state < b.state ? -1 : 1;
    switch (a.state) {
    case Reading::malformed:
        return sign(textA.compare(textB));
    case Reading::blank:
        return 0;
    case Reading::valid:
        break;
    }
    if (a.epoch != b.epoch) return a.epoch < b.epoch ? -1 : 1;
    const int result = compareDpkgPart(upstreamOf(textA, a), upstreamOf(textB, b));
    if (result != 0) return sign(result);
    return sign(compareDpkgPart(revisionOf(textA, a), revisionOf(textB, b)));
}

[[noreturn]] void noSeparateParts()
{
    throw error(3, 1, 1, 3) << Messages::get("err_no_debpartver");
}

}  // namespace

DebVersion::DebVersion(const char* text) : Version(text)
{
    fieldsChanged();
}

DebVersion::DebVersion(const std::string& text) : Version(text)
{
    fieldsChanged();
}

void DebVersion::fieldsChanged()
{
    dpkgText_ = DpkgText(*this).view();
    reading_ = parseDpkg(dpkgText_);
}

DebVersion::~DebVersion() = default;

int DebVersion::cmpEpoch(const Version&) const
{
    noSeparateParts();
}

int DebVersion::cmpVersion(const Version&) const
{
    noSeparateParts();
}

int DebVersion::cmpRelease(const Version&) const
{
    noSeparateParts();
}

int DebVersion::cmpPart(const char*, const char*) const
{
    noSeparateParts();
}

int DebVersion::compare(const Version& other) const
{
    // The exact type only: a further form could order differently.
    if (typeid(other) == typeid(DebVersion)) {
        const auto& debian = static_cast<const DebVersion&>(other);
        return compareReadings(dpkgText_, reading_, debian.dpkgText_, debian.reading_);
    }
    const DpkgText textB(other);
    return compareReadings(dpkgText_, reading_, textB.view(), parseDpkg(textB.view()));
}

int DebVersion::comparePart(const char* a, const char* b)
{
    return compareDpkgPart(a ? a : "", b ? b : "");
}
