#include "common/StringUtils.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <boost/tokenizer.hpp>
#include <algorithm>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char whiteSpace[] = " \f\n\r\t\v";

}  // namespace

bool strToBool(const std::string& text)
{
    if (text == "true" || text == "1" || text == "yes" || text == "on") return true;
    if (text.empty() || text == "false" || text == "0" || text == "no" || text == "off") return false;
    Log(2, true) << "Converting to boolean: '" << text << "' has been converted to 'false'";
    return false;
}

bool strToBool(const char* text) { return text != nullptr && strToBool(std::string(text)); }

std::int64_t strToLong(const std::string& text)
{
    if (text.empty()) return 0;
    // Only one sign and then digits: "12-3" is not twelve, and a number that does
    // not fit is no number either.
    std::size_t digits = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    bool valid = digits < text.size();
    for (std::size_t i = digits; valid && i < text.size(); ++i)
        valid = text[i] >= '0' && text[i] <= '9';
    long long value = 0;
    if (valid) {
        errno = 0;
        value = std::strtoll(text.c_str(), nullptr, 10);
        valid = errno != ERANGE;
    }
    if (!valid) throw error() << Messages::get("err_non_digit");
    return value;
}

std::string trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(whiteSpace);
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(whiteSpace);
    return text.substr(first, last - first + 1);
}

std::string trimRight(const std::string& text)
{
    const std::size_t last = text.find_last_not_of(whiteSpace);
    if (last == std::string::npos) return std::string();
    return text.substr(0, last + 1);
}

void trimCString(char* text)
{
    if (!text) return;
    char* start = text;
    while (std::isspace(static_cast<unsigned char>(*start))) ++start;
    const std::size_t length = std::strlen(start);
    std::memmove(text, start, length + 1);
    for (std::size_t end = length; end > 0 && std::isspace(static_cast<unsigned char>(text[end - 1])); --end)
        text[end - 1] = '\0';
}

void chompNewline(char* text)
{
    if (!text) return;
    const std::size_t length = std::strlen(text);
    if (length > 0 && text[length - 1] == '\n') text[length - 1] = '\0';
}

void toLower(std::string& text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool endsWith(const std::string& text, const std::string& suffix)
{
    return suffix.size() <= text.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string beforeFirstDot(const std::string& text) { return text.substr(0, text.find('.')); }

std::vector<std::string> splitList(const std::string& text)
{
    using Separator = boost::escaped_list_separator<char>;
    boost::tokenizer<Separator> fields(text, Separator('\\', ',', '"'));
    std::vector<std::string> result;
    for (const std::string& field : fields) result.push_back(trim(field));
    while (!result.empty() && result.back().empty()) result.pop_back();
    std::size_t leading = 0;
    while (leading < result.size() && result[leading].empty()) ++leading;
    result.erase(result.begin(), result.begin() + static_cast<std::ptrdiff_t>(leading));
    return result;
}

std::string jsQuote(const std::string& text)
{
    std::string result = "\"";
    for (char c : text) {
        switch (c) {
        case '\t': result += "\\t"; break;
        case '\n': result += "<br>\\n"; break;
        case '\f': result += "\\f"; break;
        case '"': result += "&quot;"; break;
        case '&': result += "&amp;"; break;
        case '\'': result += "&apos;"; break;
        case '/': result += "\\/"; break;
        case '<': result += "&lt;"; break;
        case '>': result += "&gt;"; break;
        case '\\': result += "\\\\"; break;
        default:
            // Other control characters (carriage return included) would break the
            // script string or the page; they carry nothing the operator needs.
            if (static_cast<unsigned char>(c) >= 32) result += c;
        }
    }
    result += '"';
    return result;
}

std::string nl2br(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == '\n')
            result += "<br />\n";
        else if (c != '\r')
            result += c;
    }
    return result;
}

std::string quoteString(const std::string& text)
{
    std::string result = "\"";
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            result += "\\\\";
        } else if (c == '"') {
            result += "\\\"";
        } else if (byte >= 32 && byte <= 126) {
            result += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            result += hex;
        }
    }
    result += '"';
    return result;
}

std::string escapeQuoted(const std::string& text)
{
    std::string result = "\"";
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            result += '\\';
            result += c;
        } else if (byte < 32 || byte == 127) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            result += hex;
        } else {
            result += c;
        }
    }
    result += '"';
    return result;
}

std::string shellQuote(const std::string& text)
{
    std::string result = "'";
    for (char c : text) {
        if (c == '\'')
            result += "'\\''";
        else
            result += c;
    }
    result += '\'';
    return result;
}

std::string percentEncode(const std::string& text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string result;
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~';
        if (unreserved) {
            result += c;
        } else {
            result += '%';
            result += digits[byte >> 4];
            result += digits[byte & 0x0f];
        }
    }
    return result;
}

std::string base64Encode(const std::string& data, std::size_t lineLength)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    std::size_t lineUsed = 0;
    auto put = [&](char c) {
        encoded += c;
        if (lineLength != 0 && ++lineUsed == lineLength) {
            encoded += "\r\n";
            lineUsed = 0;
        }
    };
    for (std::size_t at = 0; at < data.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, data.size() - at);
        std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(data[at])) << 16;
        if (count > 1) group |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 1])) << 8;
        if (count > 2) group |= static_cast<unsigned char>(data[at + 2]);
        put(alphabet[(group >> 18) & 63]);
        put(alphabet[(group >> 12) & 63]);
        put(count > 1 ? alphabet[(group >> 6) & 63] : '=');
        put(count > 2 ? alphabet[group & 63] : '=');
    }
    return encoded;
}
