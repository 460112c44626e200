#pragma once

#include <ostream>
#include <string>

// The installation source: the place below which the catalogue files and the
// product repositories lie. It is either a remote URL or a local directory; the
// kind is never stored separately but always read back from the normalised text,
// so that every copy agrees with itself.
//
// After assign() the text is one of:
//   - empty;
//   - a URL with a scheme, ending in "/" unless it names a ".inf3" catalogue file;
//   - a local path, absolute when it exists, ending in "/" when it is an existing
//     directory; a path that does not exist is kept as given.
class SourceUrl {
public:
    SourceUrl() = default;
    explicit SourceUrl(const std::string& text) { assign(text); }

    // Sets and normalises the location. Never fails on operator input: anything
    // that is not recognisably local is treated as a network location.
    void assign(const std::string& text);

    // A local path: the text begins with "/".
    bool isLocal() const;
    // The part after the last "/"; the whole text when there is none.
    std::string getFileName() const;
    // The part up to and including the last "/"; "/" when there is none. A
    // normalised directory is its own directory.
    std::string getDirectory() const;

    const std::string& str() const { return text_; }
    bool empty() const { return text_.empty(); }

    // The text with the password of a "user:password@" part hidden, for log lines
    // (redact::url).
    static std::string forDisplay(const std::string& text);

    bool operator==(const SourceUrl& other) const { return text_ == other.text_; }
    bool operator!=(const SourceUrl& other) const { return text_ != other.text_; }

private:
    void fixLocal();
    void fixNetwork();

    std::string text_;
};

// The normalised text, with any password hidden.
std::ostream& operator<<(std::ostream& out, const SourceUrl& source);
