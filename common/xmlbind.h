#pragma once

#include <tinyxml.h>

#include <cstddef>
#include <string>
#include <utility>

// The thin layer through which every XML document of the system is read and the
// reply documents are built, over TinyXML. Its failures are the small family of
// exceptions below, whose messages name the element, the attribute and the row
// and column in the file.
namespace xmlbind {

// Not a std::exception: callers catch it by reference, by name.
class err {
public:
    err(int code, std::string message) : code(code), message(std::move(message)) {}

    int code;             // -1 file, 0 no element, 1 content, else TinyXML's error id
    std::string message;
};

// A required child element is missing.
class notfound : public err {
public:
    notfound(int code, std::string message) : err(code, std::move(message)) {}
};

// The document could not be read, or a boolean attribute has no boolean value.
// Row and column are 1-based.
class parse_err : public err {
public:
    parse_err(int code, std::string message, int row, int col)
        : err(code, std::move(message)), row(row), col(col)
    {
    }

    int row;
    int col;
};

// Documents arrive from the network and are parsed as root: anything larger,
// deeper or with more attributes on one element than this is refused before
// TinyXML sees it (its parser recurses once per level and slows down long before
// the stack runs out; it checks each new attribute against all before it).
// Documents that are not UTF-8 (UTF-16, UTF-32, broken sequences) are refused too.
constexpr std::size_t maxDocumentSize = 16 * 1024 * 1024;
constexpr int maxElementDepth = 256;
constexpr int maxAttributes = 256;

class Document : public TiXmlDocument {
public:
    // An empty document, to be built, or loaded with LoadFile.
    Document();
    // Loads the file at once; raises err (code -1) for a missing path or a
    // directory, and parse_err for anything that cannot be parsed or has no
    // root element.
    explicit Document(const std::string& path);
    ~Document() override;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // TinyXML's loading by path, answering true or false without raising, under
    // the same size and depth limits (they hide TiXmlDocument's overloads).
    bool LoadFile(const std::string& path);
    bool LoadFile(const char* path);

    // The root element; with a non-empty name it must bear that name (err code 1).
    TiXmlElement* root(const std::string& name);
    TiXmlElement* root(const char* name);

    // Reads a document from text (a request that arrived over a socket) under the
    // limits and checks of a file; raises parse_err, also for a text without a
    // root element.
    void parse(const std::string& text);

    // Writes the document to a sibling file and renames it over `path`; raises err
    // (code -1) when it cannot be written.
    void save(const std::string& path) const;

private:
    void load(const std::string& path);
    // Parses bytes read whole; `path` names them in messages (empty: text).
    void parseContent(std::string& content, const std::string& path);
};

// A handle on an element (which may be null) and the text of the last failed
// navigation. Navigation never raises: a chain of moves keeps the first failure,
// and the caller tests element() afterwards.
class Element {
public:
    Element(TiXmlElement* element = nullptr) : element_(element) {}

    TiXmlElement* element() const { return element_; }
    TiXmlElement* operator->() const { return element_; }
    explicit operator bool() const { return element_ != nullptr; }
    const std::string& text() const { return text_; }

    // Moves to the first child element named `name` whose attribute `attribute`
    // (when not empty) equals `value`; null when there is none.
    void findChild(const std::string& name, const std::string& attribute = std::string(),
                   const std::string& value = std::string());
    Element& child(const std::string& name)
    {
        findChild(name);
        return *this;
    }
    Element& child(const std::string& name, const std::string& attribute, const std::string& value)
    {
        findChild(name, attribute, value);
        return *this;
    }

private:
    TiXmlElement* element_;
    std::string text_;
};

using ElementHandle = Element;

// The child elements of one element with one name (all of them for an empty
// name), in document order. Both the range and its iterator:
//   for (xmlbind::Element item : xmlbind::ChildElements(parent, "package")) ...
class ChildElements {
public:
    ChildElements(const Element& parent, const std::string& name);
    ChildElements() : current_(nullptr) {}

    ChildElements begin() const { return *this; }
    ChildElements end() const { return ChildElements(); }

    Element operator*() const { return Element(current_); }
    TiXmlElement* operator->() const { return current_; }
    ChildElements& operator++();
    bool operator==(const ChildElements& other) const { return current_ == other.current_; }
    bool operator!=(const ChildElements& other) const { return current_ != other.current_; }

private:
    std::string name_;
    TiXmlElement* current_;
};

std::string getAttribute(const Element& element, const std::string& name);
// Absent (or empty) gives the empty string.
std::string getOptionalAttribute(const Element& element, const std::string& name);
// Exactly "true"/"yes" or "false"/"no"; anything else raises parse_err (code 1).
bool getBoolAttribute(const Element& element, const std::string& name);
std::string getName(const Element& element);
// The one text node (CDATA included) of the element; none is an error unless
// `optional`, more than one always is.
std::string getText(const Element& element, bool optional);
// The first child element named `name`; raises notfound.
Element getChild(const Element& element, const std::string& name);

// Building documents that are written out. Values may come from anywhere (the
// catalogue, error messages, package names), and the written document must be
// well-formed whatever their bytes: a byte sequence that is not UTF-8 and a
// character XML does not allow (controls other than tab, line feed and carriage
// return; U+FFFE, U+FFFF) become U+FFFD; TinyXML's writer escapes the reserved
// characters and writes a control character (a line end too) as a character
// reference. A TinyXML that copies a "&#x" unescaped up to the next ";" (the
// upstream release does) gets such a text with its "&" as "&#x26;": the element
// then holds the text as that writer needs it, and the written document reads
// back as the original text.

// Appends a text node holding the value.
void addText(TiXmlElement* element, const std::string& text);
// Appends the value as CDATA: one section, or several where the value holds
// "]]>" (written as "]]]]><![CDATA[>"), so any text stays well-formed.
void addCData(TiXmlElement* element, const std::string& text);
// Sets the attribute (a new one goes last).
void setAttribute(TiXmlElement* element, const std::string& name, const std::string& value);

}  // namespace xmlbind
