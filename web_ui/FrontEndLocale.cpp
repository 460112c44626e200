#include "web_ui/FrontEndLocale.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "web_ui/BackendClient.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/TextEscapes.h"

namespace {

std::string languageOf(const std::string& locale)
{
    return locale.substr(0, locale.find('.'));
}

}  // namespace

std::optional<std::string> offeredLocale(const std::string& requested)
{
    const std::string language = languageOf(requested);
    const std::string encoding = requested.substr(language.size());
    if (!encoding.empty() && encoding != ".UTF-8" && encoding != ".utf8") return std::nullopt;
    for (const auto& offered : Messages::languages())
        if (offered.first == language) return language + ".UTF-8";
    return std::nullopt;
}

void switchLocale(BackendClient& backend, const std::string& requested)
{
    const std::optional<std::string> locale = offeredLocale(requested);
    if (!locale) {
        Log(3, true) << "DEBUG: a locale that the catalogue does not offer is ignored";
        return;
    }
    BackendRequest request("set_locale");
    auto* element = new TiXmlElement("locale");
    request.root()->LinkEndChild(element);
    xmlbind::setAttribute(element, "name", *locale);
    try {
        backend.ask(request.text());
    } catch (const error& failure) {
        // The front end's own texts follow the operator's choice all the same.
        const std::string text = failure.text();
        Log(3, true) << "DEBUG: set_locale failed: " << text;
    }
    Messages::setLocale(*locale);
}

void buildLanguageSelector(std::string& text, bool submitOnChange)
{
    const auto& languages = Messages::languages();
    if (languages.empty()) return;
    const std::string current = languageOf(Messages::getLocale());
    text = "<select name=\"login_locale\"";
    if (submitOnChange) text += " onChange=\"submit()\"";
    text += ">\n";
    for (const auto& language : languages) {
        text += "        <option value=\"" + escapeHtmlAttribute(language.first) + "\"";
        if (language.first == current) text += " selected";
        text += ">" + escapeHtmlText(language.second) + "</option>\n";
    }
    text += "    </select>";
}

void appendAutoRefreshNotice(std::string& text)
{
    text += "<p style=\"text-align: center;\">" + Messages::get("web_selfupgrade_autorefresh1") +
            "<a href=\"/?locale=" + escapeHtmlAttribute(escapeUrlPart(Messages::getLocale())) + "\">" +
            Messages::get("web_selfupgrade_autorefresh2") + "</a>" + Messages::get("web_selfupgrade_autorefresh3") +
            "</p>\n";
}
