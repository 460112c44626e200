#include "web_ui/TemplateRenderer.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "webserver/kwhttpd.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kMaxNameLength = 128;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isTrue(const std::string& value)
{
    return !value.empty() && value != "0" && value != "false" && value != "no";
}

// One open section: its name and whether its content is shown.
struct Section {
    std::string name;
    bool shown;
};

// Where the name of a tag ends. `length` is 0 when the brace opens no tag.
struct NameScan {
    std::size_t length = 0;
    bool tag = false;
};

// Scans the name that starts at `at`: up to a "}" after 1 to 128 bytes
// without white space.
NameScan scanName(std::string_view text, std::size_t at)
{
    NameScan scan;
    while (at + scan.length < text.size() && scan.length <= kMaxNameLength) {
        const char c = text[at + scan.length];
        if (c == '}') {
            scan.tag = scan.length > 0;
            return scan;
        }
        if (isSpace(c)) return scan;
        ++scan.length;
    }
    if (scan.length > kMaxNameLength) scan.length = kMaxNameLength;
    return scan;
}

// The variable a tag names; a missing one is noted once and added empty.
const std::string& variable(TemplateVariables& variables, char kind, const std::string& name)
{
    const auto found = variables.find(name);
    if (found != variables.end()) return found->second;
    Log(3, true) << "Notice: send_html_chunk() encountered unresolved tag reference: '" << kind << name << "'";
    return variables.emplace(name, std::string()).first->second;
}

}  // namespace

bool TemplateRenderer::append(std::string_view text)
{
    if (cut_) return false;
    const std::size_t room = capacity_ - used_;
    const std::size_t n = text.size() < room ? text.size() : room;
    if (n > 0) std::memcpy(buffer_ + used_, text.data(), n);
    used_ += n;
    if (n < text.size()) cut_ = true;
    return !cut_;
}

std::size_t TemplateRenderer::render(std::string_view text, TemplateVariables& variables)
{
    const std::size_t start = used_;
    std::vector<Section> sections{{std::string(), true}};
    std::size_t at = 0;
    while (at < text.size() && !cut_) {
        const bool shown = sections.back().shown;
        const std::size_t brace = text.find('{', at);
        const std::size_t plainEnd = brace == std::string_view::npos ? text.size() : brace;
        if (shown && !append(text.substr(at, plainEnd - at))) break;
        if (brace == std::string_view::npos) break;
        at = brace + 1;
        if (at < text.size() && text[at] == '!') {
            const std::size_t close = text.find("!}", at + 1);
            at = close == std::string_view::npos ? text.size() : close + 2;
            continue;
        }
        const char kind = at < text.size() ? text[at] : '\0';
        const bool message = kind != '#' && kind != '^' && kind != '/' && kind != '@';
        const std::size_t nameStart = message ? at : at + 1;
        const NameScan scan = scanName(text, nameStart);
        if (!scan.tag) {
            if (scan.length > 0)
                Log(3, true) << "Warning: send_html_chunk() skipped what looks like a tag, but does not conform to "
                                "constraints: '"
                             << text.substr(nameStart, scan.length) << "'";
            if (shown) append("{");
            continue;
        }
        const std::string name(text.substr(nameStart, scan.length));
        at = nameStart + scan.length + 1;
        if (message) {
            const std::string& value = Messages::get(name.c_str());
            if (shown) append(value);
            continue;
        }
        const std::string& value = variable(variables, kind, name);
        switch (kind) {
        case '@':
            if (shown) append(value);
            break;
        case '#':
            sections.push_back({name, shown && isTrue(value)});
            break;
        case '^':
            sections.push_back({name, shown && !isTrue(value)});
            break;
        default:
            if (sections.back().name == name) {
                sections.pop_back();
            } else {
                // One piece: the log shows an empty piece as a marker.
                const std::string line = "Warning: send_html_chunk() encountered invalid bracket sequence: expecting '" +
                                         sections.back().name + "', got '" + name + "'";
                Log(3, true) << line;
            }
        }
    }
    if (cut_) {
        Log(1, true) << "Warning: send_html_chunk() filled the output block of " << capacity_
                     << " bytes; the page is cut there";
    } else if (sections.size() > 1) {
        Log(3, true) << "Warning: send_html_chunk() has conditions stack in invalid state upon completion";
    }
    return used_ - start;
}

int send_html_chunk(kwhttpd_arg* arg, const char* templateText, std::size_t length, TemplateVariables& variables)
{
    const std::size_t capacity = arg->out.len > 0 ? static_cast<std::size_t>(arg->out.len) : 0;
    const std::size_t used = arg->out.num_bytes > 0 ? static_cast<std::size_t>(arg->out.num_bytes) : 0;
    TemplateRenderer renderer(arg->out.buf, capacity, used);
    const int written = static_cast<int>(renderer.render(std::string_view(templateText, length), variables));
    arg->out.num_bytes += written;
    return written;
}
