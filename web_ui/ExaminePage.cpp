#include "web_ui/ExaminePage.h"

#include "common/Messages.h"
#include "common/xmlbind.h"
#include "web_ui/BackendRequest.h"
#include "web_ui/MessageBoxes.h"
#include "web_ui/TextEscapes.h"
#include "web_ui/WebPage.h"

#include <tinyxml.h>

namespace {

constexpr std::size_t kMaxConfirmation = 1023;

// The problem list: each warning's name and its message, escaped before its
// addresses become links, so no text of an examination script is markup.
std::string examineAnswer(TiXmlElement* reply)
{
    std::string answer = "          <div class=\"msg-warning\">\n";
    TiXmlElement* warnings = reply ? reply->FirstChildElement("warnings") : nullptr;
    if (warnings) {
        for (xmlbind::Element warning : xmlbind::ChildElements(warnings, "warning")) {
            answer += "            <div class=\"warning-name\">" +
                      escapeHtmlText(xmlbind::getOptionalAttribute(warning, "name")) + "</div>\n";
            TiXmlElement* problem = warning->FirstChildElement("error");
            const std::string text = problem ? linkify(escapeHtmlText(xmlbind::getText(problem, true))) : "";
            if (!text.empty()) answer += "            <div>" + text + "</div>\n";
        }
    }
    return answer + "          </div>\n";
}

}  // namespace

std::string buildExamineRequest(WebPage& page)
{
    const bool confirmed = page.formVariable("strong_yes", kMaxConfirmation).value_or("") == "true";
    BackendRequest request("set_pre_examine");
    TiXmlElement* examine = new TiXmlElement("examine");
    request.root()->LinkEndChild(examine);
    xmlbind::setAttribute(examine, "ignore", confirmed ? "true" : "false");
    return page.askBackend(request.text() + "\n");
}

void handleExamine(WebPage& page)
{
    if (!page.admit()) return;
    const xmlbind::Element reply = page.query(backendCommand("get_pre_examine"), buildExamineRequest);
    if (page.answered()) return;
    TemplateVariables& variables = page.variables();
    variables["examine_answer"] = examineAnswer(reply.element());
    const bool mustConfirm = page.status() == "warning";
    variables["status"] = mustConfirm ? "label form-error" : "label";
    if (mustConfirm)
        variables["must_checked_errmsg"] =
            "<div class=\"error-description\">" + Messages::get("web_select_checkbox_to_continue") + "</div>\n";
    page.render(PageTemplate::examination);
}
