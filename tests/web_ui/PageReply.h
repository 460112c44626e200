#pragma once

#include "common/xmlbind.h"
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
