#pragma once

#include <string>
#include <unordered_set>

// The tier tags of a release ("stable", "beta", ...): case-insensitive, trimmed,
// filled from a comma-separated attribute. With `defaultStable` an empty set
// stands for the set holding only "stable".
class TagSet {
public:
    explicit TagSet(bool defaultStable);

    // Replaces the content with the tags of a comma list; every comma separates,
    // so an empty text or a trailing comma adds the empty tag.
    void assign(const std::string& text);
    bool contains(const std::string& tag) const;
    // The tags joined by "," in sorted order.
    std::string toString() const;

private:
    std::unordered_set<std::string> tags_;
    bool defaultStable_;
};
