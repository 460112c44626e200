#include "installer/reporters/Reporter.h"

#include "installer/options/OutputSettings.h"

#include "common/xmlbind.h"

#include <iostream>

Reporter::Reporter(std::int32_t status) : status(status) {}

Reporter::Reporter(std::int32_t status, const char* message) : status(status), message(message ? message : "") {}

Reporter::Reporter(std::int32_t status, const std::string& message, const char* errorClass)
    : status(status), message(message), errorClass(errorClass ? errorClass : "")
{
}

Reporter::~Reporter() = default;

std::string Reporter::statusWord() const
{
    switch (status) {
    case statusOk: return statusPrefix + "ok";
    case statusError: return statusPrefix + "error";
    case statusBusy: return statusPrefix + "busy";
    default: return statusPrefix;
    }
}

std::ostream& Reporter::put(std::ostream& out) const
{
    if (xmlOutput) {
        // Whoever reads the document alone still sees the failure on the terminal.
        if (status == statusError) std::cerr << "ERROR: " << message << std::endl;
        return printXml(out);
    }
    out << (status == statusError ? "\nERROR: " : status == statusBusy ? "\nBUSY: " : "\n") << message << std::endl;
    return out;
}

std::ostream& Reporter::printXml(std::ostream& out, const TiXmlElement* content) const
{
    xmlbind::Document document;
    document.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
    TiXmlElement* root = new TiXmlElement("kitwright");
    document.LinkEndChild(root);
    xmlbind::setAttribute(root, "status", statusWord());
    // A class without a message explains nothing.
    if (!message.empty()) {
        xmlbind::setAttribute(root, "error_message", message);
        if (!errorClass.empty()) xmlbind::setAttribute(root, "error_class", errorClass);
    }
    if (content) root->InsertEndChild(*content);
    out << document << std::endl;
    return out;
}

std::ostream& operator<<(std::ostream& out, const Reporter& reporter) { return reporter.put(out); }
