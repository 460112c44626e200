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

namespace {

// Whether `name` (an option without its dashes) is `option` or an abbreviation
// of it at least `shortest` characters long, as getopt_long and the command
// syntax accept unambiguous prefixes.
bool names(const std::string& name, const std::string& option, std::size_t shortest)
{
    return name.size() >= shortest && name.size() <= option.size() && option.compare(0, name.size(), name) == 0;
}

bool isPasswordKey(const std::string& key)
{
    std::string upper = key;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper.find("PASSW") != std::string::npos;
}

// "name=value" with the value masked; a text without "=" is all value.
std::string maskSetting(const std::string& setting)
{
    const std::string::size_type equals = setting.find('=');
    if (equals == std::string::npos) return secret(setting);
    return setting.substr(0, equals + 1) + mask;
}

enum class Value { plain, password, setting };

Value valueKind(const std::string& name)
{
    if (names(name, "proxy-password", 8)) return Value::password;
    if (names(name, "set-option", 5) || names(name, "options", 3)) return Value::setting;
    return Value::plain;
}

}  // namespace

std::vector<std::string> arguments(const std::vector<std::string>& commandLine)
{
    std::vector<std::string> shown;
    Value pending = Value::plain;
    bool settingList = false;  // "--options" takes every following word up to the next option
    for (const std::string& argument : commandLine) {
        const bool isOption = argument.size() > 1 && argument[0] == '-';
        // The option's own value is the next word whatever it looks like.
        if (pending == Value::password) {
            shown.push_back(secret(argument));
        } else if (pending == Value::setting || (!isOption && settingList)) {
            shown.push_back(maskSetting(argument));
        } else if (argument.compare(0, 2, "--") == 0) {
            const std::string::size_type equals = argument.find('=');
            const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            const Value kind = valueKind(name);
            settingList = kind == Value::setting && names(name, "options", 3);
            if (equals == std::string::npos) {
                shown.push_back(argument);
                pending = kind;
                continue;
            }
            const std::string value = argument.substr(equals + 1);
            if (kind == Value::password)
                shown.push_back(argument.substr(0, equals + 1) + secret(value));
            else if (kind == Value::setting)
                shown.push_back(argument.substr(0, equals + 1) + maskSetting(value));
            else
                shown.push_back(argument.substr(0, equals + 1) + url(value));
        } else {
            const std::string::size_type equals = argument.find('=');
            if (!isOption && equals != std::string::npos && isPasswordKey(argument.substr(0, equals)))
                shown.push_back(maskSetting(argument));
            else
                shown.push_back(url(argument));
            if (isOption) settingList = false;
        }
        pending = Value::plain;
    }
    return shown;
}

}  // namespace redact
