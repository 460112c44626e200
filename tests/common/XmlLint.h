#pragma once

#include "tests/common/CommandOutput.h"
#include "tests/common/TempDir.h"

#include <fstream>
#include <string>

// A written XML document checked by xmllint, the reference parser: whether it is
// well-formed, and the values of XPath expressions as xmllint reads them
// (attribute values with their character references resolved).
class XmlLint {
public:
    explicit XmlLint(const std::string& document) : path_(dir_.path() + "/document.xml")
    {
        std::ofstream(path_, std::ios::binary) << document;
    }

    // xmllint's complaints; empty when the document is well-formed.
    std::string complaints() const
    {
        int status = 0;
        const std::string output = commandOutput("xmllint --noout " + path_ + " 2>&1", &status);
        if (status == 0) return std::string();
        return output.empty() ? "xmllint failed with exit code " + std::to_string(status) : output;
    }

    // xmllint's complaints about the document read as HTML; empty when it has
    // none. Its HTML parser knows HTML 4 only: HTML5 element names come out as
    // "Tag ... invalid".
    std::string htmlComplaints() const
    {
        return commandOutput("xmllint --html --noout " + path_ + " 2>&1");
    }

    // The value of a string, number or boolean expression, such as
    // "string(/kitwright/@status)" or "count(//package)".
    std::string value(const std::string& expression) const
    {
        std::string output = commandOutput("xmllint --xpath " + quoted(expression) + " " + path_ + " 2>&1");
        if (!output.empty() && output.back() == '\n') output.pop_back();
        return output;
    }

    // The attribute of the element the path selects; empty when it has none.
    std::string attribute(const std::string& elementPath, const std::string& name) const
    {
        return value("string(" + elementPath + "/@" + name + ")");
    }
    bool hasAttribute(const std::string& elementPath, const std::string& name) const
    {
        return value("boolean(" + elementPath + "/@" + name + ")") == "true";
    }

private:
    static std::string quoted(const std::string& text)
    {
        std::string result = "'";
        for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return result + "'";
    }

    TempDir dir_;
    std::string path_;
};
