#include "common/xmlbind.h"

#include "common/error.h"
#include "common/fileops.h"

#include <boost/filesystem.hpp>

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace xmlbind {

namespace {

std::string position(const TiXmlElement* element)
{
    return " (row:" + std::to_string(element->Row()) + " col:" + std::to_string(element->Column()) + ")";
}

TiXmlElement* required(const Element& element)
{
    if (!element.element()) throw err(0, "no element pointer");
    return element.element();
}

// 1-based row and column of a byte offset, counted the way TinyXML counts for its
// own errors: lines end in LF, CR LF or CR, a tab moves to the next multiple of
// four, a UTF-8 character is one column.
void rowAndColumn(const std::string& text, std::size_t offset, int& row, int& col)
{
    constexpr int tabSize = 4;
    row = 1;
    int column = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
            ++row;
            column = 0;
        } else if (c == '\t') {
            column = (column / tabSize + 1) * tabSize;
        } else if (c != '\r' && (c & 0xC0) != 0x80) {
            ++column;
        }
    }
    col = column + 1;
}

// Finds the deepest element nesting the way TinyXML's parser would walk the text,
// without building anything. Wherever the two could differ, this scanner counts
// deeper, never shallower: comments, CDATA and other markup end at their first
// possible end, so no element can hide inside them. Returns the offset of the
// first element that goes past `limit`, or npos.
std::size_t findTooDeep(const std::string& text, int limit)
{
    auto startsAt = [&text](std::size_t at, const char* word) {
        return text.compare(at, std::strlen(word), word) == 0;
    };
    auto skipPast = [&text](std::size_t at, const char* end) {
        const std::size_t found = text.find(end, at);
        return found == std::string::npos ? text.size() : found + std::strlen(end);
    };

    int depth = 0;
    std::size_t at = 0;
    while ((at = text.find('<', at)) != std::string::npos) {
        const unsigned char next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
        if (startsAt(at, "<!--")) {
            at = skipPast(at + 4, "-->");
        } else if (startsAt(at, "<![CDATA[")) {
            at = skipPast(at + 9, "]]>");
        } else if (next == '/') {
            if (depth > 0) --depth;
            at = skipPast(at + 2, ">");
        } else if (std::isalpha(next) || next == '_' || next >= 127) {
            // A start tag: attribute values in quotes may hold ">" and "/>".
            const std::size_t start = at;
            char quote = 0;
            bool empty = false;
            for (++at; at < text.size(); ++at) {
                const char c = text[at];
                if (quote) {
                    if (c == quote) quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    empty = text[at - 1] == '/';
                    break;
                }
            }
            if (at < text.size()) ++at;
            if (!empty && ++depth > limit) return start;
        } else {
            // Declarations, processing instructions and anything unknown end at
            // the first ">".
            at = skipPast(at + 1, ">");
        }
    }
    return std::string::npos;
}

}  // namespace

Document::Document() = default;

Document::Document(const std::string& path) : TiXmlDocument(path) { load(path); }

bool Document::LoadFile(const std::string& path)
{
    SetValue(path);
    try {
        load(path);
        return true;
    } catch (const err& failure) {
        // TinyXML has recorded its own failures; the limits and missing files are
        // recorded here so that Error() and ErrorDesc() tell the same story.
        if (!Error()) SetError(failure.code > 0 ? failure.code : TIXML_ERROR_OPENING_FILE, nullptr, nullptr,
                               TIXML_ENCODING_UNKNOWN);
        // TinyXML keeps what it parsed before the error; half a document must not
        // pass for the file's content.
        Clear();
        return false;
    }
}

bool Document::LoadFile(const char* path) { return LoadFile(std::string(path ? path : "")); }

void Document::load(const std::string& path)
{
    Clear();
    ClearError();
    try {
        if (!fileops::exists(path)) throw err(-1, "File " + path + " not exists");
        if (fileops::is_directory(path)) throw err(-1, path + " is directory, xml file expected.");
    } catch (const boost::filesystem::filesystem_error& failure) {
        throw err(-1, failure.what());
    }

    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw parse_err(TIXML_ERROR_OPENING_FILE, errorString[TIXML_ERROR_OPENING_FILE] + std::string(": ") +
                                                      std::strerror(errno), 0, 0);
    // Read one byte more than allowed, so that a larger file shows itself even
    // when its size cannot be asked (a pipe, a device).
    std::string content;
    char buffer[65536];
    ssize_t count = 0;
    while (content.size() <= maxDocumentSize && (count = ::read(descriptor, buffer, sizeof buffer)) != 0) {
        if (count < 0) {
            if (errno == EINTR) continue;
            const int code = errno;
            ::close(descriptor);
            throw parse_err(TIXML_ERROR_OPENING_FILE, errorString[TIXML_ERROR_OPENING_FILE] + std::string(": ") +
                                                          std::strerror(code), 0, 0);
        }
        content.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(descriptor);
    if (content.size() > maxDocumentSize)
        throw parse_err(TIXML_ERROR, "The file is larger than " + std::to_string(maxDocumentSize) + " bytes", 0, 0);

    const std::size_t tooDeep = findTooDeep(content, maxElementDepth);
    if (tooDeep != std::string::npos) {
        int row, col;
        rowAndColumn(content, tooDeep, row, col);
        throw parse_err(TIXML_ERROR_PARSING_ELEMENT,
                        "Elements are nested deeper than " + std::to_string(maxElementDepth) + " levels", row, col);
    }

    // TinyXML parses the bytes checked above, not a second read of the file that
    // may have changed in between.
    bool loaded;
    if (content.empty()) {
        loaded = Parse("", nullptr, TIXML_DEFAULT_ENCODING) != nullptr && !Error();
    } else {
        std::FILE* memory = ::fmemopen(&content[0], content.size(), "r");
        if (!memory)
            throw parse_err(TIXML_ERROR_OPENING_FILE, errorString[TIXML_ERROR_OPENING_FILE], 0, 0);
        loaded = TiXmlDocument::LoadFile(memory, TIXML_DEFAULT_ENCODING);
        std::fclose(memory);
    }
    if (!loaded) throw parse_err(ErrorId(), ErrorDesc(), ErrorRow(), ErrorCol());
}

Document::~Document() = default;

TiXmlElement* Document::root(const std::string& name)
{
    TiXmlElement* element = RootElement();
    if (!element) throw err(ErrorId(), ErrorDesc());
    if (!name.empty() && element->ValueStr() != name) throw err(1, "Root element name not match");
    return element;
}

TiXmlElement* Document::root(const char* name) { return root(std::string(name ? name : "")); }

void Document::save(const std::string& path) const
{
    TiXmlPrinter printer;
    Accept(&printer);
    try {
        fileops::replace_file(path, printer.Str());
    } catch (const ::error& failure) {
        std::string text = failure.text();
        while (!text.empty() && text.back() == '\n') text.pop_back();
        throw err(-1, text);
    }
}

void Element::findChild(const std::string& name, const std::string& attribute, const std::string& value)
{
    if (!element_) return;
    if (name.empty()) {
        element_ = nullptr;
        text_ = "not specified child element name";
        return;
    }
    for (TiXmlElement* child = element_->FirstChildElement(name); child; child = child->NextSiblingElement(name)) {
        if (!attribute.empty()) {
            const std::string* found = child->Attribute(attribute);
            if (!found || *found != value) continue;
        }
        element_ = child;
        return;
    }
    text_ = "not found child element " + name + " in element " + element_->ValueStr();
    if (!attribute.empty()) text_ += " with attribute " + attribute + "=\"" + value + "\"";
    element_ = nullptr;
}

ChildElements::ChildElements(const Element& parent, const std::string& name)
    : name_(name), current_(nullptr)
{
    TiXmlElement* element = required(parent);
    current_ = name_.empty() ? element->FirstChildElement() : element->FirstChildElement(name_);
}

ChildElements& ChildElements::operator++()
{
    if (current_) current_ = name_.empty() ? current_->NextSiblingElement() : current_->NextSiblingElement(name_);
    return *this;
}

std::string getAttribute(const Element& element, const std::string& name)
{
    const TiXmlElement* node = required(element);
    const std::string* value = node->Attribute(name);
    if (!value) throw err(1, "There is no attribute '" + name + "' in element " + node->ValueStr() + position(node));
    return *value;
}

std::string getOptionalAttribute(const Element& element, const std::string& name)
{
    const TiXmlElement* node = required(element);
    const std::string* value = node->Attribute(name);
    return value ? *value : std::string();
}

bool getBoolAttribute(const Element& element, const std::string& name)
{
    const std::string value = getAttribute(element, name);
    if (value == "true" || value == "yes") return true;
    if (value == "false" || value == "no") return false;
    const TiXmlElement* node = element.element();
    throw parse_err(1,
                    "There is incorrect boolean attribute '" + name + "' in element " + node->ValueStr() +
                        position(node) + ". Must be 'true' or 'false'.",
                    node->Row(), node->Column());
}

std::string getName(const Element& element) { return required(element)->ValueStr(); }

std::string getText(const Element& element, bool optional)
{
    const TiXmlElement* node = required(element);
    const TiXmlText* text = nullptr;
    for (const TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling()) {
        const TiXmlText* candidate = child->ToText();
        if (!candidate) continue;
        if (text)
            throw err(1, "There is not only text node in element '" + node->ValueStr() + "'" + position(node));
        text = candidate;
    }
    if (text) return text->ValueStr();
    if (optional) return std::string();
    throw err(1, "Text node not found in element '" + node->ValueStr() + "'" + position(node));
}

Element getChild(const Element& element, const std::string& name)
{
    TiXmlElement* node = required(element);
    TiXmlElement* child = node->FirstChildElement(name);
    if (!child) throw notfound(1, "There is no child element '" + name + "' in tag '" + node->ValueStr() + "'");
    return Element(child);
}

void addText(TiXmlElement* element, const std::string& text)
{
    if (!element) throw err(0, "no element pointer");
    element->LinkEndChild(new TiXmlText(text));
}

}  // namespace xmlbind
