#include "installer/engine/Examination.h"

#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Where a character of a "/bin/sh -c" text stands.
enum class Quoting { none, single, twice };

// The characters a backslash escapes inside double quotes.
bool escapedInDoubleQuotes(char c)
{
    return c == '$' || c == '`' || c == '"' || c == '\\' || c == '\n';
}

// The value as text that the shell reads back as exactly the value, for a spot
// with the given quoting.
std::string wordFor(const std::string& value, Quoting quoting)
{
    switch (quoting) {
    case Quoting::none: return shellQuote(value);
    // Closes the single quotes, puts the value as a word of its own, opens them again.
    case Quoting::single: return "'" + shellQuote(value) + "'";
    case Quoting::twice: break;
    }
    std::string text;
    for (const char c : value) {
        if (c != '\n' && escapedInDoubleQuotes(c)) text += '\\';
        text += c;
    }
    return text;
}

}  // namespace

std::string Examination::expandOptions(const RunValues& run) const
{
    const std::vector<std::pair<std::string, std::string>> values = {
        {"{RC}", std::to_string(run.returnCode)},
        {"{FROM_RELEASE_VERSION}", fromVersion},
        {"{TO_RELEASE_VERSION}", toVersion},
        {"{KW_HOME}", run.home},
        {"{OS_NAME}", osName},
        {"{OS_VERSION}", osVersion},
        {"{OS_ARCH}", osArch},
        {"{PRESET}", run.preset},
        {"{WORK_MODE}", run.workMode},
        {"{ARGUMENTS}", run.arguments},
    };
    const std::string& text = script.options();
    std::string expanded;
    Quoting quoting = Quoting::none;
    bool anyPlaceholder = false;
    bool substitution = false;
    for (std::string::size_type at = 0; at < text.size();) {
        const auto placeholder = std::find_if(values.begin(), values.end(), [&](const auto& value) {
            return text.compare(at, value.first.size(), value.first) == 0;
        });
        if (placeholder != values.end()) {
            expanded += wordFor(placeholder->second, quoting);
            at += placeholder->first.size();
            anyPlaceholder = true;
            continue;
        }
        const char c = text[at];
        expanded += c;
        ++at;
        if (quoting != Quoting::single && (c == '`' || (c == '$' && at < text.size() && text[at] == '(')))
            substitution = true;
        if (quoting == Quoting::single) {
            if (c == '\'') quoting = Quoting::none;
        } else if (c == '\\' && at < text.size() && (quoting == Quoting::none || escapedInDoubleQuotes(text[at]))) {
            // An escaped character is text, never the start of a placeholder or
            // a quote.
            expanded += text[at];
            ++at;
        } else if (c == '"') {
            quoting = quoting == Quoting::twice ? Quoting::none : Quoting::twice;
        } else if (c == '\'' && quoting == Quoting::none) {
            quoting = Quoting::single;
        }
    }
    if (quoting != Quoting::none)
        throw error(1, 1, 1, 3) << (Messages::format("err_examine_launch_failed") % script.name())
                                << " Its options end inside a quoted text: " << quoteString(text);
    // Text inside a command substitution is read by the shell a second time, where
    // a value's quoting no longer holds; no placeholder may stand near one.
    if (anyPlaceholder && substitution)
        throw error(1, 1, 1, 3) << (Messages::format("err_examine_launch_failed") % script.name())
                                << " Its options run a command substitution beside placeholders: "
                                << quoteString(text);
    return expanded;
}

std::ostream& operator<<(std::ostream& out, const Examination& examination)
{
    return out << examination.script << " of " << examination.owner;
}
