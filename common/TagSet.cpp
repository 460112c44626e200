#include "common/TagSet.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

const char defaultTag[] = "stable";

std::string normalise(const std::string& tag)
{
    std::size_t first = 0;
    std::size_t last = tag.size();
    while (first < last && std::isspace(static_cast<unsigned char>(tag[first]))) ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(tag[last - 1]))) --last;
    std::string result = tag.substr(first, last - first);
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

}  // namespace

TagSet::TagSet(bool defaultStable) : defaultStable_(defaultStable) {}

void TagSet::assign(const std::string& text)
{
    tags_.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        tags_.insert(normalise(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
}

bool TagSet::contains(const std::string& tag) const
{
    const std::string wanted = normalise(tag);
    if (tags_.empty() && defaultStable_) return wanted == defaultTag;
    return tags_.count(wanted) != 0;
}

std::string TagSet::toString() const
{
    if (tags_.empty() && defaultStable_) return defaultTag;
    std::vector<std::string> sorted(tags_.begin(), tags_.end());
    std::sort(sorted.begin(), sorted.end());
    std::string result;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0) result += ',';
        result += sorted[i];
    }
    return result;
}
