#include "installer/catalogue/CatalogueText.h"

#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/StringUtils.h"

#include <sstream>

std::ostream& operator<<(std::ostream& out, PackageFamily family)
{
    switch (family) {
    case PackageFamily::debian: return out << "Debian";
    case PackageFamily::rpm: return out << "RPM";
    case PackageFamily::either: return out << "Debian or RPM";
    }
    return out << "unknown";
}

namespace CatalogueText {

namespace {

bool isControl(unsigned char c, bool multiline)
{
    if (multiline && (c == '\t' || c == '\n' || c == '\r')) return false;
    return c < 0x20 || c == 0x7f;
}

}  // namespace

std::string where(const TiXmlElement& element, const std::string& file)
{
    return "the element '" + element.ValueStr() + "' (row " + std::to_string(element.Row()) + ", col " +
           std::to_string(element.Column()) + ") of the file " + file;
}

error dataError(const TiXmlElement& element, const std::string& file, const std::string& problem)
{
    error failure(1, 1, 1, 3);
    failure << "Invalid catalogue data in " << where(element, file) << ": " << problem;
    return failure;
}

void checkText(const std::string& text, const TiXmlElement& element, const std::string& what,
               const std::string& file, bool multiline)
{
    for (const char c : text)
        if (isControl(static_cast<unsigned char>(c), multiline))
            throw dataError(element, file, what + " holds a control character: " + quoteString(text));
}

std::string optional(const TiXmlElement& element, const char* name)
{
    const std::string* value = element.Attribute(std::string(name));
    return value ? *value : std::string();
}

std::string required(const TiXmlElement& element, const char* name, const std::string& file)
{
    const std::string* value = element.Attribute(std::string(name));
    if (!value)
        throw error(1, 1, 1, 3) << (Messages::format("err_missing_attr") %
                                    ("'" + std::string(name) + "' of " + where(element, file)));
    return *value;
}

void checkDocument(const TiXmlElement& root, const std::string& file)
{
    for (const TiXmlAttribute* attribute = root.FirstAttribute(); attribute; attribute = attribute->Next())
        checkText(attribute->ValueStr(), root, "the attribute '" + attribute->NameTStr() + "'", file);
    for (const TiXmlNode* child = root.FirstChild(); child; child = child->NextSibling()) {
        if (const TiXmlElement* element = child->ToElement())
            checkDocument(*element, file);
        else if (const TiXmlText* text = child->ToText())
            checkText(text->ValueStr(), root, "the text", file, true);
    }
}

bool isInsideSource(const std::string& path)
{
    if (path.empty() || path[0] == '/') return false;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        const std::string part = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (part == "..") return false;
        if (slash == std::string::npos) return true;
        start = slash + 1;
    }
}

void checkRelativePath(const std::string& path, const TiXmlElement& element, const char* attribute,
                       const std::string& file)
{
    // An empty path names nothing below the source to confine; fetching it fails
    // on its own.
    if (!path.empty() && !isInsideSource(path))
        throw dataError(element, file,
                        "the path " + quoteString(path) + " in the attribute '" + attribute +
                            "' leaves the installation source");
}

PackageFamily packageFamilyOf(const std::string& vendor)
{
    // The one home of the vendor families is Opsys.
    const Opsys system("", vendor, "", "", "");
    if (system.isDebian()) return PackageFamily::debian;
    if (system.isRedHat()) return PackageFamily::rpm;
    return PackageFamily::either;
}

bool isPackageName(const std::string& name, PackageFamily family)
{
    if (name.empty() || name.size() > 255) return false;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (family == PackageFamily::debian) {
        // Debian policy: lower-case letters, digits and "+-.", a letter or digit first.
        if (!lower(name[0]) && !digit(name[0])) return false;
        for (const char c : name)
            if (!lower(c) && !digit(c) && c != '+' && c != '-' && c != '.') return false;
        return true;
    }
    // The rpm rule is the wider one, so it also serves names of either family.
    const auto alnum = [&](char c) { return lower(c) || upper(c) || digit(c); };
    if (!alnum(name[0])) return false;
    for (const char c : name)
        if (!alnum(c) && c != '+' && c != '-' && c != '.' && c != '_' && c != '~' && c != '^') return false;
    return true;
}

void checkPackageName(const std::string& name, PackageFamily family, const TiXmlElement& element,
                      const std::string& file)
{
    if (!isPackageName(name, family)) {
        std::ostringstream problem;
        problem << quoteString(name) << " is not a valid " << family << " package name";
        throw dataError(element, file, problem.str());
    }
}

bool isPackageVersionText(const std::string& text, bool architecture)
{
    if (text.size() > 255) return false;
    if (text.empty()) return true;
    const auto alnum = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    };
    if (!alnum(text[0])) return false;
    for (const char c : text) {
        if (alnum(c) || c == '+' || c == '-' || c == '.' || c == '_' || c == '~' || c == '^') continue;
        if (c == ':' && !architecture) continue;
        return false;
    }
    return true;
}

void checkPackageVersionText(const std::string& text, const TiXmlElement& element, const char* attribute,
                             const std::string& file)
{
    if (!isPackageVersionText(text, std::string(attribute) == "arch"))
        throw dataError(element, file, quoteString(text) + " in the attribute '" + attribute +
                                           "' is not a valid package version or architecture");
}

}  // namespace CatalogueText
