#include "installer/sources/ExtensionCommand.h"

#include "common/StringUtils.h"

namespace ExtensionCommand {

bool isValidCode(const std::string& code)
{
    if (code.empty()) return false;
    for (const char c : code) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (!plain) return false;
    }
    return true;
}

bool isValidDownloadUrl(const std::string& url)
{
    std::string::size_type rest = 0;
    if (url.compare(0, 7, "http://") == 0)
        rest = 7;
    else if (url.compare(0, 8, "https://") == 0)
        rest = 8;
    else
        return false;
    if (rest >= url.size() || url[rest] == '/') return false;
    for (const char c : url) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7f) return false;
    }
    return true;
}

std::string commandLine(const std::vector<std::string>& arguments)
{
    std::string line = std::string(internalVariable) + "=1 " + path;
    for (const std::string& argument : arguments) line += " " + shellQuote(argument);
    return line;
}

}  // namespace ExtensionCommand
