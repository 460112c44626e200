#include "web_ui/TextEscapes.h"

#include "common/StringUtils.h"

#include <cctype>
#include <cstdio>

namespace {

bool isHexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// The length of a well-formed "&#x<hex>;" reference at `at`, or 0. Anything
// looser would let the bytes up to the next ";" through unescaped.
std::size_t characterReferenceAt(const std::string& text, std::size_t at)
{
    if (text.compare(at, 3, "&#x") != 0) return 0;
    std::size_t end = at + 3;
    while (end < text.size() && end - at - 3 < 6 && isHexDigit(text[end])) ++end;
    if (end == at + 3 || end >= text.size() || text[end] != ';') return 0;
    return end + 1 - at;
}

std::string encodeEntities(const std::string& text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        switch (c) {
        case '&': {
            const std::size_t reference = characterReferenceAt(text, at);
            if (reference > 0) {
                result.append(text, at, reference);
                at += reference - 1;
            } else {
                result += "&amp;";
            }
            break;
        }
        case '<': result += "&lt;"; break;
        case '>': result += "&gt;"; break;
        case '"': result += "&quot;"; break;
        case '\'': result += "&apos;"; break;
        default:
            if (static_cast<unsigned char>(c) < 32) {
                char reference[8];
                std::snprintf(reference, sizeof reference, "&#x%02X;", static_cast<unsigned>(c));
                result += reference;
            } else {
                result += c;
            }
        }
    }
    return result;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::string escapeHtmlText(const std::string& text)
{
    std::string result = encodeEntities(text);
    replaceAll(result, "&#x0A;&#x0D;", "<br/>\n");
    replaceAll(result, "&#x0A;", "<br/>\n");
    replaceAll(result, "&#x0D;", "<br/>\n");
    return result;
}

std::string escapeHtmlAttribute(const std::string& text)
{
    return encodeEntities(text);
}

std::string escapeJavaScriptString(const std::string& text)
{
    std::string result = "\"";
    for (std::size_t at = 0; at < text.size(); ++at) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        switch (c) {
        case '"': result += "\\\""; break;
        case '\\': result += "\\\\"; break;
        case '\n': result += "\\n"; break;
        case '\r': result += "\\r"; break;
        case '\t': result += "\\t"; break;
        case '\b': result += "\\b"; break;
        case '\f': result += "\\f"; break;
        default:
            if (c < 32 || c == '<' || c == '>' || c == '&' || c == '\'') {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
                result += escape;
            } else if (c == 0xE2 && at + 2 < text.size() && static_cast<unsigned char>(text[at + 1]) == 0x80 &&
                       (static_cast<unsigned char>(text[at + 2]) == 0xA8 ||
                        static_cast<unsigned char>(text[at + 2]) == 0xA9)) {
                result += static_cast<unsigned char>(text[at + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
                at += 2;
            } else {
                result += static_cast<char>(c);
            }
        }
    }
    return result + "\"";
}

std::string escapeUrlPart(const std::string& text)
{
    return percentEncode(text);
}
