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
#include <optional>

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

// What a check before parsing refuses, and the byte offset where it starts.
struct Refusal {
    int code;
    std::string message;
    std::size_t offset;
};

bool beginsWith(const std::string& text, const char* word, std::size_t length)
{
    return text.compare(0, length, word, length) == 0;
}

// The length of the well-formed UTF-8 character at `at`, 0 when it is not one
// (a stray continuation byte, a cut sequence, an overlong form, a surrogate,
// beyond U+10FFFF).
std::size_t utf8Length(const std::string& text, std::size_t at)
{
    const auto byte = [&text](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length;
    unsigned low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

// The system's documents are UTF-8, the one encoding TinyXML reads as more than
// bytes; it has no UTF-16 or UTF-32. Such a document, a NUL byte (which ends
// TinyXML's text early) or a broken UTF-8 sequence (over which TinyXML's UTF-8
// stepping may read past the end) is refused with its place, whatever encoding
// a declaration names: which one TinyXML follows is not worth guessing.
std::optional<Refusal> checkEncoding(const std::string& text)
{
    // A byte order mark, or the NUL half of a wide "<".
    if (beginsWith(text, "\xff\xfe", 2) || beginsWith(text, "\xfe\xff", 2) || beginsWith(text, "\0\0\xfe\xff", 4) ||
        (text.size() >= 2 && (text[0] == '\0' || text[1] == '\0')))
        return Refusal{TiXmlBase::TIXML_ERROR, "The document is in UTF-16 or UTF-32; only UTF-8 is read", 0};
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos)
        return Refusal{TiXmlBase::TIXML_ERROR_EMBEDDED_NULL, "The document holds a NUL byte", nul};

    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8Length(text, at);
        if (length == 0) return Refusal{TiXmlBase::TIXML_ERROR, "The document is not valid UTF-8", at};
        at += length;
    }
    return std::nullopt;
}

// Walks the elements the way TinyXML's parser would, without building anything,
// and refuses nesting deeper than `maxElementDepth` (its parser recurses once per
// level) and start tags with more than `maxAttributes` attributes (it finds a
// duplicate attribute by walking the ones before, so an element of 40,000 takes
// seconds). Wherever the two could differ, this scanner counts more, never less:
// comments, CDATA and other markup end at their first possible end, so no
// element can hide inside them, and every "=" outside quotes counts as an
// attribute.
std::optional<Refusal> checkMarkup(const std::string& text)
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
            // A start tag: attribute values in quotes may hold ">", "/>" and "=".
            const std::size_t start = at;
            char quote = 0;
            bool empty = false;
            int attributes = 0;
            for (++at; at < text.size(); ++at) {
                const char c = text[at];
                if (quote) {
                    if (c == quote) quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '=') {
                    if (++attributes > maxAttributes)
                        return Refusal{TiXmlBase::TIXML_ERROR_PARSING_ELEMENT,
                                       "An element has more than " + std::to_string(maxAttributes) + " attributes",
                                       start};
                } else if (c == '>') {
                    empty = text[at - 1] == '/';
                    break;
                }
            }
            if (at < text.size()) ++at;
            // An empty element is one level deeper too, though it closes at once.
            if (depth + 1 > maxElementDepth)
                return Refusal{TiXmlBase::TIXML_ERROR_PARSING_ELEMENT,
                               "Elements are nested deeper than " + std::to_string(maxElementDepth) + " levels",
                               start};
            if (!empty) ++depth;
        } else {
            // Declarations, processing instructions and anything unknown end at
            // the first ">".
            at = skipPast(at + 1, ">");
        }
    }
    return std::nullopt;
}

// Whether TinyXML's writer copies "&#x...;" unescaped up to the next ";", as the
// upstream release does (Debian's build escapes the "&").
bool writerPassesCharacterReferences()
{
    static const bool passes = [] {
        TIXML_STRING written;
        TiXmlBase::EncodeString("&#x41;", &written);
        return written == "&#x41;";
    }();
    return passes;
}

// The text as TinyXML's writer must be given it (see addText in the header).
std::string writable(const std::string& text, bool forWriter = true)
{
    static const char replacement[] = "\xEF\xBF\xBD";  // U+FFFD
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const std::size_t length = utf8Length(text, at);
        const bool nonCharacter = length == 3 && c == 0xEF && static_cast<unsigned char>(text[at + 1]) == 0xBF &&
                                  static_cast<unsigned char>(text[at + 2]) >= 0xBE;
        if (length == 0) {
            result += replacement;
            ++at;
            continue;
        }
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || nonCharacter) {
            result += replacement;
        } else if (forWriter && c == '&' && text.compare(at + 1, 2, "#x") == 0 && writerPassesCharacterReferences()) {
            result += "&#x26;";
        } else {
            result.append(text, at, length);
        }
        at += length;
    }
    return result;
}

// A document that parsed but holds no element: cut off before its root, or
// markup TinyXML stops at without an error (a DOCTYPE with an internal subset).
std::string noRootMessage(const std::string& path)
{
    return "There is no root element in " + (path.empty() ? std::string("the document") : path);
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
    parseContent(content, path);
}

void Document::parse(const std::string& text)
{
    Clear();
    ClearError();
    if (text.size() > maxDocumentSize)
        throw parse_err(TIXML_ERROR, "The document is larger than " + std::to_string(maxDocumentSize) + " bytes", 0,
                        0);
    std::string content = text;
    try {
        parseContent(content, std::string());
    } catch (const err&) {
        // Half a request must not pass for one.
        Clear();
        throw;
    }
}

void Document::parseContent(std::string& content, const std::string& path)
{
    std::optional<Refusal> refusal = checkEncoding(content);
    if (!refusal) refusal = checkMarkup(content);
    if (refusal) {
        int row, col;
        rowAndColumn(content, refusal->offset, row, col);
        throw parse_err(refusal->code, refusal->message, row, col);
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
    if (!RootElement()) throw parse_err(TIXML_ERROR_DOCUMENT_EMPTY, noRootMessage(path), 0, 0);
}

Document::~Document() = default;

TiXmlElement* Document::root(const std::string& name)
{
    TiXmlElement* element = RootElement();
    if (!element) {
        if (Error()) throw err(ErrorId(), ErrorDesc());
        throw err(TIXML_ERROR_DOCUMENT_EMPTY, noRootMessage(ValueStr()));
    }
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
    element->LinkEndChild(new TiXmlText(writable(text)));
}

void addCData(TiXmlElement* element, const std::string& text)
{
    if (!element) throw err(0, "no element pointer");
    // CDATA goes out byte for byte: only the bytes XML does not allow are replaced.
    const std::string clean = writable(text, false);
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = clean.find("]]>", start);
        // Each section but the last ends after "]]", the next starts with ">".
        const std::string::size_type cut = end == std::string::npos ? clean.size() : end + 2;
        TiXmlText* section = new TiXmlText(clean.substr(start, cut - start));
        section->SetCDATA(true);
        element->LinkEndChild(section);
        if (end == std::string::npos) return;
        start = cut;
    }
}

void setAttribute(TiXmlElement* element, const std::string& name, const std::string& value)
{
    if (!element) throw err(0, "no element pointer");
    element->SetAttribute(name, writable(value));
}

}  // namespace xmlbind
