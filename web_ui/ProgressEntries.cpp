#include "web_ui/ProgressEntries.h"

#include "web_ui/TextEscapes.h"
#include "webserver/kwhttpd.h"

#include <tinyxml.h>

#include <optional>
#include <string>

void writeProgressEntry(const TiXmlElement* product, kwhttpd_arg* arg)
{
    const char* id = product->Attribute("id");
    if (!id) return;
    std::optional<std::string> status, percentage;
    for (const TiXmlElement* progress = product->FirstChildElement("progress"); progress;
         progress = progress->NextSiblingElement("progress")) {
        const char* s = progress->Attribute("status");
        const char* p = progress->Attribute("percentage");
        status = s ? std::optional<std::string>(s) : std::nullopt;
        percentage = p ? std::optional<std::string>(p) : std::nullopt;
    }
    if (!status) return;
    std::string entry = "{ \"prodId\": " + escapeJavaScriptString(id) + ", \"status\": " +
                        escapeJavaScriptString(*status) + " ";
    if (percentage) entry += ", \"percentage\": " + escapeJavaScriptString(*percentage);
    entry += product->NextSiblingElement() ? "}, " : "}";
    kwhttpd_printf(arg, "%s", entry.c_str());
}

void writeProgressEntries(const TiXmlElement* element, kwhttpd_arg* arg)
{
    for (const TiXmlElement* product = element->FirstChildElement("product"); product;
         product = product->NextSiblingElement("product"))
        writeProgressEntry(product, arg);
}

void writeConsoleEntry(const TiXmlElement* element, kwhttpd_arg* arg)
{
    for (const TiXmlNode* child = element->FirstChild(); child; child = child->NextSibling()) {
        const TiXmlText* text = child->ToText();
        if (!text) continue;
        // The back end sends the console text as it is; here it becomes a string.
        kwhttpd_printf(arg, "{ \"output\": %s}", escapeJavaScriptString(text->ValueStr()).c_str());
        return;
    }
}
