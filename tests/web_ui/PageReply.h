#pragma once

#include "common/xmlbind.h"
#include "tests/common/TestFiles.h"
#include "tests/web_ui/FrontEndHarness.h"
#include "web_ui/TemplateRenderer.h"
#include "web_ui/WebResources.h"

#include <string>
#include <vector>

// A back-end reply as a page handler gets it: the document, and the first
// element under its root (what the request core returns).
class PageReply {
public:
    // From a file, or with `isText` from the reply text itself.
    explicit PageReply(const std::string& pathOrText, bool isText = false)
    {
        if (isText)
            document_.parse(pathOrText);
        else if (!document_.LoadFile(pathOrText))
            document_.parse("<unreadable/>");
    }

    xmlbind::Element first() const
    {
        TiXmlElement* root = const_cast<xmlbind::Document&>(document_).RootElement();
        return xmlbind::Element(root ? root->FirstChildElement() : nullptr);
    }
    std::string status() const
    {
        TiXmlElement* root = const_cast<xmlbind::Document&>(document_).RootElement();
        const char* value = root ? root->Attribute("status") : nullptr;
        return value ? value : "";
    }

private:
    xmlbind::Document document_;
};

// The page the template gives with the variables.
inline std::string renderPageTemplate(PageTemplate page, TemplateVariables& variables)
{
    std::vector<char> block(1 << 20);
    TemplateRenderer renderer(block.data(), block.size());
    renderer.render(pageTemplate(page), variables);
    return std::string(block.data(), renderer.used());
}

// Posts `form` (URL-encoded, without the token) to the page as the admitted
// session `id`, with the session's CSRF token, and returns the answer; the
// stand-in answers `command` with `reply` and the current page with the
// components page.
inline std::string postForm(web_ui_test::InProcessFrontEnd& frontEnd, const std::string& id, const std::string& path,
                            const std::string& form, const std::string& command, const std::string& reply)
{
    frontEnd.backend.reply(command, reply);
    frontEnd.backend.reply("get_current_page", web_ui_test::goldenReply("current-page"));
    frontEnd.backend.forgetRequests();
    return frontEnd.post(path, "csrf_token=" + frontEnd.csrfToken(id) + "&" + form, id);
}

// The expected request file as the stand-in logs it: one line, line feeds
// as "\n".
inline std::string loggedRequest(const std::string& file)
{
    std::string text = readFile(file), line;
    while (!text.empty() && text.back() == '\n') text.pop_back();
    for (const char c : text) line += c == '\n' ? std::string("\\n") : std::string(1, c);
    return line;
}
