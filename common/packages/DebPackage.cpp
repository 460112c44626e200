#include "common/packages/DebPackage.h"

#include "common/StringUtils.h"
#include "common/SystemCmd.h"
#include "common/error.h"
#include "common/packages/DebVersion.h"
#include "common/packages/LineReader.h"

#include <cstring>
#include <memory>

namespace {

// The value of a control field line "<field> value", or null.
const char* fieldValue(const char* line, const char* field)
{
    const std::size_t length = std::strlen(field);
    return std::strncmp(line, field, length) == 0 ? line + length : nullptr;
}

}  // namespace

DebPackage::DebPackage(const char* name, const std::string& versionText)
    : Package(name, std::make_unique<DebVersion>(versionText))
{
}

DebPackage::~DebPackage() = default;

void DebPackage::readInfo()
{
    // The file name comes from catalogues and the command line: it reaches the
    // shell only as one quoted word.
    SystemCmd command("dpkg -I " + shellQuote(getFileName()) + " control", SystemCmd::readMode);
    bool versionSeen = false;
    // Control lines can be long (a Description, a Depends list): read whole lines.
    LineReader reader(command.stream);
    while (reader.next()) {
        char* buffer = reader.line();
        // A line that begins with a blank continues the field before it (a
        // Description): its text is no field, whatever it looks like.
        if (buffer[0] == ' ' || buffer[0] == '\t') continue;
        trimCString(buffer);
        if (const char* value = fieldValue(buffer, "Package: ")) {
            setName(value);
        } else if (const char* value = fieldValue(buffer, "Version: ")) {
            setVersion(std::make_unique<DebVersion>(value));
            versionSeen = true;
        } else if (const char* value = fieldValue(buffer, "Architecture: ")) {
            setArchRaw(value);
        }
    }
    command.check();
    if (!versionSeen && !hasVersion()) throw KW_INTERNAL_ERROR();
    readFileInfo();
}
