#include "common/Redact.h"

#include <algorithm>
#include <cctype>

namespace redact {

std::string url(const std::string& text)
{
    const std::string::size_type separator = text.find("://");
    if (separator == std::string::npos) return text;
    const std::string::size_type start = separator + 3;
    const std::string::size_type authorityEnd = std::min(text.find('/', start), text.size());
    if (authorityEnd <= start) return text;
    const std::string::size_type at = text.rfind('@', authorityEnd - 1);
    if (at == std::string::npos || at < start) return text;
    const std::string::size_type colon = text.find(':', start);
    if (colon == std::string::npos || colon > at) return text;
    return text.substr(0, colon + 1) + mask + text.substr(at);
}

namespace {

std::string percentEncoded(const std::string& value, const char* digits)
{
    std::string encoded;
    for (const char c : value) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += c;
        } else {
            encoded += '%';
            encoded += digits[byte >> 4];
            encoded += digits[byte & 15];
        }
    }
    return encoded;
}

void maskAll(std::string& text, const std::string& secret)
{
    if (secret.empty()) return;
    for (std::string::size_type at = 0; (at = text.find(secret, at)) != std::string::npos;) {
        text.replace(at, secret.size(), mask);
        at += std::char_traits<char>::length(mask);
    }
}

bool isSchemeCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
}

// Where a URL's authority ends: the first character that cannot be part of it.
std::string::size_type authorityEnd(const std::string& text, std::string::size_type start)
{
    std::string::size_type at = start;
    while (at < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (c <= ' ' || c == '/' || c == '?' || c == '#' || c == '"' || c == '\'' || c == '<' || c == '>') break;
        ++at;
    }
    return at;
}

}  // namespace

std::string text(const std::string& text, const std::vector<std::string>& secrets)
{
    std::string shown = text;
    for (const std::string& secret : secrets) {
        maskAll(shown, secret);
        maskAll(shown, percentEncoded(secret, "0123456789ABCDEF"));
        maskAll(shown, percentEncoded(secret, "0123456789abcdef"));
    }
    for (std::string::size_type separator = 0; (separator = shown.find("://", separator)) != std::string::npos;) {
        const std::string::size_type start = separator + 3;
        if (separator == 0 || !isSchemeCharacter(shown[separator - 1])) {
            separator = start;
            continue;
        }
        const std::string::size_type end = authorityEnd(shown, start);
        const std::string::size_type at = end > start ? shown.rfind('@', end - 1) : std::string::npos;
        const std::string::size_type colon = shown.find(':', start);
        if (at != std::string::npos && at >= start && colon < at) {
            shown.replace(colon + 1, at - colon - 1, mask);
            separator = colon + 1 + std::char_traits<char>::length(mask);
        } else {
            separator = start;
        }
    }
    return shown;
}

std::string secret(const std::string& value) { return value.empty() ? std::string() : std::string(mask); }

}  // namespace redact
