// Escaped comma lists from option values and build information files: the
// split fails only with the two escape errors, gives trimmed fields with no
// empty one at either end, and the fields written back as an escaped list
// split into the same fields.
#include "tests/fuzz/FuzzTargets.h"

#include "common/StringUtils.h"

#include <stdexcept>
#include <vector>

namespace {

std::string escaped(const std::vector<std::string>& fields)
{
    std::string list;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) list += ',';
        for (const char c : fields[i]) {
            if (c == '\n') list += "\\n";
            else if (c == '\\' || c == '"' || c == ',') list += std::string("\\") + c;
            else list += c;
        }
    }
    return list;
}

}  // namespace

namespace fuzz {

int splitList(const std::uint8_t* data, std::size_t size)
{
    const std::string input = text(data, size);
    std::vector<std::string> fields;
    try {
        fields = ::splitList(input);
    } catch (const std::runtime_error&) {
        return 0;
    }
    if (!fields.empty())
        require(!fields.front().empty() && !fields.back().empty(), "no empty field at either end", input);
    for (const std::string& field : fields) require(field == trim(field), "fields are trimmed", field);
    const std::string list = escaped(fields);
    require(::splitList(list) == fields, "the escaped fields split the same", list);
    return 0;
}

}  // namespace fuzz
