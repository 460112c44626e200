#include "web_ui/ProgressPages.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/xmlbind.h"
#include "web_ui/BackendReply.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/ProgressEntries.h"
#include "web_ui/ResponseWriters.h"
#include "web_ui/TextEscapes.h"
#include "web_ui/WebPage.h"
#include "webserver/kwhttpd.h"

#include <tinyxml.h>

#include <string>

namespace {

// The largest part of the log, in characters, the back end is asked for.
const char* const kLogSize = "1000000";

const char* const kHidden = " style=\"display: none\"";

// The product's state: the "status" of its last "progress" child.
std::string stateOf(TiXmlElement* product)
{
    std::string state;
    for (xmlbind::Element progress : xmlbind::ChildElements(product, "progress"))
        state = xmlbind::getOptionalAttribute(progress, "status");
    return state;
}

std::string gaugeImage(const std::string& id, const char* suffix, const char* image, const char* alternative,
                       bool hidden)
{
    return "<img id=\"" + id + suffix + "\" src=\"images/gauge/" + image + "\" alt=\"" + alternative + "\"" +
           (hidden ? kHidden : "") + ">";
}

}  // namespace

void appendProgressRow(TiXmlElement* product, TemplateVariables& variables)
{
    for (const char* required : {"id", "name", "action", "version", "codename"})
        if (!product->Attribute(required)) return;
    const std::string state = stateOf(product);
    if (state.empty()) return;
    const std::string id = escapeHtmlAttribute(xmlbind::getOptionalAttribute(product, "id"));
    const auto shownIn = [&state](const char* owner) { return state == owner ? "" : kHidden; };
    std::string row = "        <tr>\n          <th><div class=\"product\" style=\"background-image: "
                      "url('/get_enabled_product_icon?prod_id=" +
                      escapeHtmlAttribute(escapeUrlPart(xmlbind::getOptionalAttribute(product, "id"))) + "');\">" +
                      escapeHtmlText(xmlbind::getOptionalAttribute(product, "name")) + " " +
                      escapeHtmlText(xmlbind::getOptionalAttribute(product, "codename")) + " <span>" +
                      Messages::get("web_product_version") + " " +
                      escapeHtmlText(xmlbind::getOptionalAttribute(product, "version")) + "</span></div></th>\n";
    row += "          <td>\n";
    row += "            <span class=\"note-wait\" id=\"" + id + "_waiting\"" + shownIn("waiting") + ">" +
           Messages::get("web_progress_waiting") + "</span>\n";
    row += "            <span class=\"note-ok\" id=\"" + id + "_ok\"" + shownIn("completed") + ">&nbsp;</span>\n";
    row += "            <span class=\"note-error\" id=\"" + id + "_error\"" + shownIn("failed") + ">&nbsp;</span>\n";
    row += "            <span class=\"note-wait\" id=\"" + id + "_inprogress\"" + shownIn("started") + ">" +
           Messages::get("web_inprogress") + "</span>\n";
    row += "            <table class=\"gauge\" width=\"100%\" cellspacing=\"0\" id=\"" + id + "_progress\"" +
           shownIn("in_progress") + "><tr>\n";
    row += "              <td>" + gaugeImage(id, "_start_image_empty", "begin-empty.gif", "", false) +
           gaugeImage(id, "_start_image_filled", "begin-filled.gif", "", true) + "</td>\n";
    row += "              <td class=\"bar-filled\" width=\"0%\" id=\"" + id + "_filled_part\">" +
           gaugeImage(id, "_empty_half1", "empty.gif", "0% completed", false) +
           gaugeImage(id, "_filled_half1", "fill.gif", "", true) + "</td>\n";
    row += "              <td class=\"bar-empty\" width=\"100%\" id=\"" + id + "_empty_part\">" +
           gaugeImage(id, "_empty_half2", "empty.gif", "100% to go", false) +
           gaugeImage(id, "_filled_half2", "fill.gif", "", true) + "</td>\n";
    row += "              <td>" + gaugeImage(id, "_end_image_empty", "end-empty.gif", "", false) +
           gaugeImage(id, "_end_image_filled", "end-filled.gif", "", true) + "</td>\n";
    row += "            </tr></table>\n          </td>\n        </tr>\n";
    if (state == "waiting" || state == "in_progress") variables["successor_visibility"] = "display:none";
    variables["products_status"] += row;
}

void appendProgressRows(TiXmlElement* products, TemplateVariables& variables)
{
    for (xmlbind::Element product : xmlbind::ChildElements(products, "product"))
        appendProgressRow(product.element(), variables);
}

void setConsoleContent(TiXmlElement* console, TemplateVariables& variables)
{
    for (TiXmlNode* child = console->FirstChild(); child; child = child->NextSibling()) {
        if (const TiXmlText* text = child->ToText()) {
            // Package-tool output is text, never markup.
            variables["console_content"] += escapeHtmlText(text->ValueStr());
            return;
        }
    }
}

void handleInstallProgress(WebPage& page)
{
    if (!page.admit()) return;
    const xmlbind::Element reply = page.query(backendCommand("get_progress"));
    if (page.answered()) return;
    // A failed exchange shows the page without rows: its script asks again.
    page.errorText().clear();
    TemplateVariables& variables = page.variables();
    if (reply) {
        variables["progress_caption"] = Messages::get("web_progress_caption");
        for (TiXmlElement* element = reply.element(); element; element = element->NextSiblingElement()) {
            if (element->ValueStr() == "products") appendProgressRows(element, variables);
            if (element->ValueStr() == "console") setConsoleContent(element, variables);
        }
    }
    page.render(PageTemplate::progress);
}

void handlePercentage(WebPage& page)
{
    if (!page.admit()) return;
    kwhttpd_arg* arg = page.arg();
    // Asked without the page's redirects: a page the back end does not show
    // any more ("bad_page") or a failed exchange is an empty update, which
    // ends the polling.
    xmlbind::Document document;
    TiXmlElement* first = nullptr;
    try {
        readReply(document, page.askBackend(backendCommand("get_progress_delta")));
        TiXmlElement* root = checkedReplyRoot(document);
        const std::string status = root->Attribute("status");
        if (status == "ok" || status == "warning") first = root->FirstChildElement();
    } catch (const error& failure) {
        Log(3, true) << "DEBUG: the progress update failed: " << failure.text();
    }
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\nPragma: No-cache\r\n"
                        "Cache-Control: post-check=0, pre-check=0, no-store, no-cache, must-revalidate\r\n"
                        "X-Content-Type-Options: nosniff\r\n\r\n[");
    for (TiXmlElement* element = first; element; element = element->NextSiblingElement()) {
        if (element->ValueStr() == "products") {
            kwhttpd_printf(arg, "[");
            writeProgressEntries(element, arg);
            kwhttpd_printf(arg, "]");
        } else if (element->ValueStr() == "console") {
            kwhttpd_printf(arg, ", [");
            writeConsoleEntry(element, arg);
            kwhttpd_printf(arg, "]");
        }
    }
    kwhttpd_printf(arg, "]");
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

void handleLog(WebPage& page)
{
    if (!page.admit()) return;
    BackendRequest request("get_log");
    request.set("size", kLogSize);
    xmlbind::Element reply;
    try {
        reply = page.queryOrThrow(request.text());
    } catch (const error& failure) {
        const std::string text = failure.text();
        sendText(page.arg(), text.data(), text.size());
        return;
    }
    if (page.answered()) return;
    for (TiXmlElement* element = reply.element(); element; element = element->NextSiblingElement()) {
        if (element->ValueStr() != "log") continue;
        const std::string log = xmlbind::getText(element, true);
        if (!log.empty()) {
            sendAttachmentHeader(page.arg(), "zarni-installation-log.txt", "text/plain; charset=utf-8");
            writeBody(page.arg(), log.data(), log.size());
        }
        break;
    }
    // Without a log text there is nothing to download: the browser keeps its page.
    if (!(page.arg()->flags & KWHTTPD_OUTPUT_DONE) && page.arg()->out.num_bytes == 0)
        kwhttpd_printf(page.arg(), "HTTP/1.1 204 No Content\r\n\r\n");
    page.arg()->flags |= KWHTTPD_OUTPUT_DONE;
}
