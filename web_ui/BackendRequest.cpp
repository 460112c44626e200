#include "web_ui/BackendRequest.h"

#include "common/xmlbind.h"

BackendRequest::BackendRequest(const std::string& command)
{
    document_.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
    root_ = new TiXmlElement("request");
    document_.LinkEndChild(root_);
    command_ = append(root_, "command");
    xmlbind::setAttribute(command_, "value", command);
}

TiXmlElement* BackendRequest::append(TiXmlElement* parent, const char* name)
{
    return parent->LinkEndChild(new TiXmlElement(name))->ToElement();
}

std::string BackendRequest::text() const
{
    TiXmlPrinter printer;
    printer.SetStreamPrinting();
    document_.Accept(&printer);
    return printer.Str() + "\n";
}
