#include "common/Redact.h"

#include <algorithm>

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

std::string secret(const std::string& value) { return value.empty() ? std::string() : std::string(mask); }

}  // namespace redact
