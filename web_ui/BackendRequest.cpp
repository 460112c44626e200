#include "web_ui/BackendRequest.h"

BackendRequest::BackendRequest(const std::string& command)
    : root_(new TiXmlElement("request")), command_(new TiXmlElement("command"))
{
    document_.LinkEndChild(root_);
    root_->LinkEndChild(command_);
    xmlbind::setAttribute(command_, "value", command);
}

BackendRequest& BackendRequest::set(const std::string& attribute, const std::string& value)
{
    xmlbind::setAttribute(command_, attribute, value);
    return *this;
}

std::string BackendRequest::text() const
{
    TiXmlPrinter printer;
    printer.SetStreamPrinting();
    root_->Accept(&printer);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n" + printer.Str();
}

std::string backendCommand(const std::string& command)
{
    return BackendRequest(command).text();
}
