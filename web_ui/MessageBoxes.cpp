#include "web_ui/MessageBoxes.h"

#include "common/StringUtils.h"
#include "web_ui/TextEscapes.h"

#include <boost/regex.hpp>

namespace {

bool startsWithMarkup(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\n\r");
    return first != std::string::npos && text[first] == '<';
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const PageWarning& warning)
{
    return out << (warning.origin == PageWarning::frontEnd ? "front end" : "back end") << " warning '"
               << warning.text << "'";
}

std::string linkify(const std::string& text)
{
    static const boost::regex address(R"((https?://[\w0-9:#@%/$~_?\+\-=\.&\\]*))", boost::regex::perl);
    return boost::regex_replace(text, address, "(?1<a href=\"$&\" target=\"_blank\">$&</a>)",
                                boost::match_default | boost::format_all);
}

void fillMessageBoxes(TemplateVariables& variables, const std::vector<PageWarning>& warnings,
                      const std::string& errorText)
{
    std::string& boxes = variables["error_message"];
    if (!errorText.empty()) {
        boxes += "\t<div class=\"msg-error\">" + escapeHtmlText(errorText) + "\t</div>\n";
        return;
    }
    for (const PageWarning& warning : warnings) {
        if (warning.text.empty()) continue;
        std::string html;
        if (warning.origin == PageWarning::backEnd)
            html = escapeHtmlText(warning.text);
        else
            html = startsWithMarkup(warning.text) ? warning.text : nl2br(warning.text);
        boxes += "\t<div class=\"msg-warning\">" + linkify(html) + "\t</div>\n";
    }
}
