#include "installer/sources/SourceUrl.h"

#include "common/Log.h"
#include "common/Redact.h"
#include "common/fileops.h"

#include <boost/filesystem/exception.hpp>

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// Length of a URL scheme (RFC 3986: a letter, then letters, digits, "+", "-",
// ".") that is followed by "://"; 0 when the text has none. A text with a scheme
// is never a local path, so it must not reach the file-system lookup, which would
// take "https://h/p" for the relative path "https:/h/p".
std::size_t schemeLength(const std::string& text)
{
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return 0;
    std::size_t end = 1;
    while (end < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[end]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') break;
        ++end;
    }
    return text.compare(end, 3, "://") == 0 ? end : 0;
}

// Scheme names are case-insensitive.
bool hasScheme(const std::string& text, const char* scheme)
{
    const std::size_t length = schemeLength(text);
    if (length != std::strlen(scheme)) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != scheme[i]) return false;
    return true;
}

// Whether the operator's text names something on disk. A lookup that fails for
// another reason than absence (a name too long, a directory we may not search)
// answers "no": the source is operator input and classifying it must not fail.
bool existsOnDisk(const std::string& path)
{
    try {
        return fileops::exists(path);
    } catch (const boost::filesystem::filesystem_error& failure) {
        const std::string reason = failure.what();
        Log(3, true) << "DEBUG: SourceUrl: cannot look the path up, taking it as absent: " << reason;
        return false;
    }
}

// The working directory; empty (and a warning) when it cannot be read, in which
// case a relative path stays relative.
std::string currentDirectory()
{
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        const int code = errno;
        if (code != ERANGE || buffer.size() > (1u << 20)) {
            const std::string reason = std::strerror(code);
            Log(1, true) << "Warning: SourceUrl: cannot read the working directory: " << reason;
            return std::string();
        }
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

}  // namespace

void SourceUrl::assign(const std::string& text)
{
    Log(2, true) << "SourceUrl: original source url is " << forDisplay(text);
    text_ = text;
    if (text_.empty()) return;

    if (hasScheme(text_, "file")) {
        text_.erase(0, std::strlen("file://"));
        Log(3, true) << "DEBUG: SourceUrl: process as local source, 'file://' proto specified.";
        fixLocal();
    } else if (const std::size_t length = schemeLength(text_)) {
        const std::string scheme = text_.substr(0, length);
        Log(3, true) << "DEBUG: SourceUrl: process as network source, '" << scheme << "://' proto specified.";
        fixNetwork();
    } else if (text_[0] == '/') {
        Log(3, true) << "DEBUG: SourceUrl: process as local, '/' at begin is unix path.";
        fixLocal();
    } else if (text_.size() >= 3 && text_[1] == ':' && text_[2] == '\\') {
        Log(3, true) << "DEBUG: SourceUrl: process as local, <drive> letter and ':\\' at begin, seems windows path.";
        fixLocal();
    } else if (existsOnDisk(text_)) {
        Log(3, true) << "DEBUG: SourceUrl: process as local because 'url' exist in filesystem.";
        fixLocal();
    } else {
        // A host name with an optional path, given without a scheme.
        Log(3, true) << "DEBUG: SourceUrl: process as network with hope on success.";
        fixNetwork();
    }

    Log(2, true) << "SourceUrl: fixed url is " << forDisplay(text_);
}

void SourceUrl::fixLocal()
{
    // A path that does not exist is kept exactly as given: there is nothing to
    // make absolute and no way to tell a directory from a file.
    if (text_.empty() || !existsOnDisk(text_)) return;
    if (text_[0] != '/') {
        std::string directory = currentDirectory();
        if (!directory.empty()) {
            fileops::ensure_trailing(directory, '/');
            text_ = directory + text_;
        }
    }
    if (fileops::is_directory(text_)) fileops::ensure_trailing(text_, '/');
}

void SourceUrl::fixNetwork()
{
    std::string::size_type separator = text_.find("://");
    if (separator == std::string::npos) {
        text_.insert(0, "http://");
        separator = text_.find("://");
    }
    const std::string::size_type rest = separator + 3;
    if (rest >= text_.size()) {
        // A scheme and nothing else names no place at all.
        text_.clear();
        return;
    }
    // A catalogue file named directly is kept as a file; a host alone is always a root.
    if (text_.find('/', rest) != std::string::npos && text_.size() >= 5 &&
        text_.compare(text_.size() - 5, 5, ".inf3") == 0)
        return;
    fileops::ensure_trailing(text_, '/');
}

bool SourceUrl::isLocal() const { return !text_.empty() && text_[0] == '/'; }

std::string SourceUrl::getFileName() const
{
    const std::string::size_type slash = text_.rfind('/');
    return slash == std::string::npos ? text_ : text_.substr(slash + 1);
}

std::string SourceUrl::getDirectory() const
{
    const std::string::size_type slash = text_.rfind('/');
    return slash == std::string::npos ? std::string("/") : text_.substr(0, slash + 1);
}

std::string SourceUrl::forDisplay(const std::string& text) { return redact::url(text); }

std::ostream& operator<<(std::ostream& out, const SourceUrl& source)
{
    return out << SourceUrl::forDisplay(source.str());
}
