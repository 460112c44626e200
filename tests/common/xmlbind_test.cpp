#include "common/xmlbind.h"

#include "tests/common/TempDir.h"
#include "tests/common/XmlLint.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace {

std::string writeFile(const TempDir& dir, const std::string& name, const std::string& content)
{
    const std::string path = dir.path() + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string repeated(int count, const std::string& text)
{
    std::string result;
    for (int i = 0; i < count; ++i) result += text;
    return result;
}

std::string nested(int depth, const std::string& open = "<a>", const std::string& close = "</a>")
{
    std::string text;
    for (int i = 0; i < depth; ++i) text += open;
    for (int i = 0; i < depth; ++i) text += close;
    return text;
}

// Loads `content` and returns the parse_err it raises (code -100 when it loads).
xmlbind::parse_err loadFailure(const TempDir& dir, const std::string& content)
{
    const std::string path = writeFile(dir, "document.xml", content);
    try {
        xmlbind::Document document(path);
    } catch (const xmlbind::parse_err& e) {
        return e;
    }
    return xmlbind::parse_err(-100, "loaded", 0, 0);
}

// Loads `content`, which must fail with this code, message (any, when empty)
// and place.
void expectRefused(const TempDir& dir, const std::string& content, int code, const std::string& message, int row,
                   int col)
{
    const xmlbind::parse_err e = loadFailure(dir, content);
    EXPECT_EQ(e.code, code) << e.message;
    if (message.empty())
        EXPECT_FALSE(e.message.empty());
    else
        EXPECT_EQ(e.message, message);
    EXPECT_EQ(e.row, row);
    EXPECT_EQ(e.col, col);
}

TEST(Xmlbind, PathsThatAreNoFiles)
{
    TempDir dir;
    struct Case {
        std::string path;
        std::string message;
    } cases[] = {
        {dir.path() + "/missing.xml", "File " + dir.path() + "/missing.xml not exists"},
        {"http://updates.invalid/products.inf3", "File http://updates.invalid/products.inf3 not exists"},
        {"ftp://updates.invalid/products.inf3", "File ftp://updates.invalid/products.inf3 not exists"},
        {dir.path(), dir.path() + " is directory, xml file expected."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        try {
            xmlbind::Document document(c.path);
            ADD_FAILURE() << "loaded";
        } catch (const xmlbind::parse_err&) {
            ADD_FAILURE() << "a parse error";
        } catch (const xmlbind::err& e) {
            EXPECT_EQ(e.code, -1);
            EXPECT_EQ(e.message, c.message);
        }
    }
}

TEST(Xmlbind, ParseErrorsCarryRowAndColumn)
{
    TempDir dir;
    struct Case {
        const char* name;
        std::string content;
        int code;
        int row;
        int col;
    } cases[] = {
        {"empty file", "", TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY, 0, 0},
        {"mismatched end tag", "<root>\n  <item>\n  </wrong>\n</root>\n", TiXmlBase::TIXML_ERROR_READING_END_TAG, 3,
         3},
        {"unfinished element", "<root>\n  <item", TiXmlBase::TIXML_ERROR_FAILED_TO_READ_ELEMENT_NAME, 2, 4},
        {"duplicate attribute", "<r>\n <a b='1' b='2'/></r>", TiXmlBase::TIXML_ERROR_PARSING_ELEMENT, 2, 11},
        {"tabs count to the next multiple of four", "<root>\n\t<item a=x'y/>\n</root>",
         TiXmlBase::TIXML_ERROR_READING_ATTRIBUTES, 2, 14},
        {"CRLF lines count once", "<root>\r\n\r\n<item>\r\n</root>", TiXmlBase::TIXML_ERROR_READING_END_TAG, 4,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectRefused(dir, c.content, c.code, "", c.row, c.col);
    }
}

TEST(Xmlbind, SizeLimit)
{
    TempDir dir;
    const std::string head = "<root><!--";
    const std::string tail = "--></root>";
    std::string atLimit = head + std::string(xmlbind::maxDocumentSize - head.size() - tail.size(), 'x') + tail;
    ASSERT_EQ(atLimit.size(), xmlbind::maxDocumentSize);
    const std::string path = writeFile(dir, "limit.xml", atLimit);
    xmlbind::Document document(path);
    EXPECT_EQ(xmlbind::getName(document.root("root")), "root");

    atLimit.insert(head.size(), "x");
    const xmlbind::parse_err e = loadFailure(dir, atLimit);
    EXPECT_EQ(e.code, TiXmlBase::TIXML_ERROR);
    EXPECT_EQ(e.message, "The file is larger than 16777216 bytes");
    EXPECT_EQ(e.row, 0);
    EXPECT_EQ(e.col, 0);
}

TEST(Xmlbind, DepthLimit)
{
    TempDir dir;
    // The deepest allowed document loads, however it spells its elements.
    for (const std::string& open : {std::string("<a>"), std::string("<a x=\"/>\">"), std::string("<a\n>")}) {
        SCOPED_TRACE(open);
        const std::string path = writeFile(dir, "deep.xml", nested(xmlbind::maxElementDepth, open));
        EXPECT_NO_THROW(xmlbind::Document document(path));
    }

    struct Case {
        const char* name;
        std::string content;
        int row;
        int col;
    } cases[] = {
        {"one level too deep", nested(xmlbind::maxElementDepth + 1), 1, 3 * xmlbind::maxElementDepth + 1},
        {"far too deep for the parser's stack", nested(100000), 1, 3 * xmlbind::maxElementDepth + 1},
        {"end tag hidden in a quoted attribute", nested(300, "<a t='/>'>"), 1, 10 * xmlbind::maxElementDepth + 1},
        {"on a later line", "<r>" + nested(xmlbind::maxElementDepth, "\n<a>"), 257, 1},
        {"after a tab and UTF-8", "<r>" + repeated(xmlbind::maxElementDepth - 1, "<a>") + "\t\xc3\xa4<a>", 1,
         3 * xmlbind::maxElementDepth + 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectRefused(dir, c.content, TiXmlBase::TIXML_ERROR_PARSING_ELEMENT,
                      "Elements are nested deeper than 256 levels", c.row, c.col);
    }

    // Markup that only looks like elements does not count.
    const std::string hidden = "<root><!--" + nested(1000) + "--><![CDATA[" + nested(1000) + "]]><x/><x/></root>";
    const std::string path = writeFile(dir, "hidden.xml", hidden);
    xmlbind::Document document(path);
    EXPECT_EQ(xmlbind::getText(document.root("root"), false), nested(1000));
}

std::string attributes(int count, const std::string& value = "v")
{
    std::string text;
    for (int i = 0; i < count; ++i) text += " a" + std::to_string(i) + "='" + value + "'";
    return text;
}

// Documents from a server the operator does not control: each is refused before
// TinyXML builds anything, with the reason and the place.
TEST(Xmlbind, HostileDocumentsAreRefused)
{
    TempDir dir;
    const std::string path = dir.path() + "/document.xml";
    const int atDepth = 3 * xmlbind::maxElementDepth + 1;  // the column after 256 "<a>"
    struct Case {
        const char* name;
        std::string content;
        int code;
        std::string message;
        int row;
        int col;
    } cases[] = {
        {"one attribute too many", "<r>\n <e" + attributes(xmlbind::maxAttributes + 1) + "/></r>",
         TiXmlBase::TIXML_ERROR_PARSING_ELEMENT, "An element has more than 256 attributes", 2, 2},
        {"40,000 attributes", "<r" + attributes(40000) + "/>", TiXmlBase::TIXML_ERROR_PARSING_ELEMENT,
         "An element has more than 256 attributes", 1, 1},
        {"unquoted values count too", "<r" + std::string(" a=b") + repeated(300, " c=d") + "/>",
         TiXmlBase::TIXML_ERROR_PARSING_ELEMENT, "An element has more than 256 attributes", 1, 1},
        {"an empty element at depth 257", repeated(xmlbind::maxElementDepth, "<a>") + "<b/>",
         TiXmlBase::TIXML_ERROR_PARSING_ELEMENT, "Elements are nested deeper than 256 levels", 1, atDepth},
        {"an empty element with attributes at depth 257",
         repeated(xmlbind::maxElementDepth, "<a>") + "<b c='>'/>" + repeated(xmlbind::maxElementDepth, "</a>"),
         TiXmlBase::TIXML_ERROR_PARSING_ELEMENT, "Elements are nested deeper than 256 levels", 1, atDepth},
        {"only a declaration", "<?xml version='1.0'?>\n", TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY,
         "There is no root element in " + path, 0, 0},
        {"only a comment", "<!-- cut off here -->", TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY,
         "There is no root element in " + path, 0, 0},
        {"a DOCTYPE with an entity block", "<?xml version='1.0'?>\n<!DOCTYPE r [<!ENTITY e 'x'>]>\n<r>&e;</r>",
         TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY, "There is no root element in " + path, 0, 0},
        {"UTF-16 little-endian", std::string("\xff\xfe<\0r\0/\0>\0", 10), TiXmlBase::TIXML_ERROR,
         "The document is in UTF-16 or UTF-32; only UTF-8 is read", 1, 1},
        {"UTF-16 big-endian", std::string("\xfe\xff\0<\0r\0/\0>", 10), TiXmlBase::TIXML_ERROR,
         "The document is in UTF-16 or UTF-32; only UTF-8 is read", 1, 1},
        {"UTF-16 without a mark", std::string("<\0r\0/\0>\0", 8), TiXmlBase::TIXML_ERROR,
         "The document is in UTF-16 or UTF-32; only UTF-8 is read", 1, 1},
        {"UTF-32 big-endian", std::string("\0\0\xfe\xff\0\0\0<", 8), TiXmlBase::TIXML_ERROR,
         "The document is in UTF-16 or UTF-32; only UTF-8 is read", 1, 1},
        {"a NUL byte", std::string("<root>\n ab\0</root>", 17), TiXmlBase::TIXML_ERROR_EMBEDDED_NULL,
         "The document holds a NUL byte", 2, 4},
        {"a stray continuation byte", "<r>\n\x80</r>", TiXmlBase::TIXML_ERROR, "The document is not valid UTF-8", 2,
         1},
        {"a sequence cut by a quote", "<r a='\xc3'/>", TiXmlBase::TIXML_ERROR, "The document is not valid UTF-8", 1,
         7},
        {"a sequence cut by the end", "<r/>\xe2\x82", TiXmlBase::TIXML_ERROR, "The document is not valid UTF-8", 1,
         5},
        {"an overlong slash", "<r>\xc0\xaf</r>", TiXmlBase::TIXML_ERROR, "The document is not valid UTF-8", 1, 4},
        {"a surrogate", "<r>\xed\xa0\x80</r>", TiXmlBase::TIXML_ERROR, "The document is not valid UTF-8", 1, 4},
        {"beyond U+10FFFF", "<r>\xf4\x90\x80\x80</r>", TiXmlBase::TIXML_ERROR, "The document is not valid UTF-8", 1,
         4},
        {"Latin-1 declared", "<?xml version='1.0' encoding='ISO-8859-1'?><r>caf\xe9</r>", TiXmlBase::TIXML_ERROR,
         "The document is not valid UTF-8", 1, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectRefused(dir, c.content, c.code, c.message, c.row, c.col);
    }
}

TEST(Xmlbind, DocumentsAtTheLimitsLoad)
{
    TempDir dir;
    const std::string path = dir.path() + "/document.xml";
    const std::string cases[] = {
        "<r" + attributes(xmlbind::maxAttributes) + "/>",
        // "=" inside quoted values is no attribute.
        "<r" + attributes(200, repeated(100, "x=")) + "/>",
        repeated(xmlbind::maxElementDepth - 1, "<a>") + "<b/>" + repeated(xmlbind::maxElementDepth - 1, "</a>"),
        "\xef\xbb\xbf<r a='\xc3\xa4'>\xe2\x82\xac \xf0\x9f\x98\x80 \xf4\x8f\xbf\xbf \xed\x9f\xbf</r>",
        "<?xml version='1.0' encoding='ISO-8859-1'?><r>plain</r>",
    };
    for (const std::string& content : cases) {
        SCOPED_TRACE(content.substr(0, 40));
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        xmlbind::Document document(path);
        EXPECT_NE(document.root(""), nullptr);
    }
}

TEST(Xmlbind, HostileInputFailsCleanly)
{
    TempDir dir;
    const std::string valid =
        "<?xml version=\"1.0\"?>\n<products a='1' b=\"2\">\n  <!-- c -->\n  <p id='x'><![CDATA[t]]></p>\n</products>\n";
    const std::vector<std::string> cases = {
        std::string("<root>\0</root>", 14),
        "\xff\xfe<\x00r\x00",
        "<<<<<<<<",
        "<a b='",
        "<![CDATA[",
        "</a></b></c>",
        "<?xml version='1.0' encoding='x>'?><r/>",
        std::string(1000, '>'),
    };
    for (const std::string& content : cases) {
        SCOPED_TRACE(content.substr(0, 20));
        const std::string path = writeFile(dir, "hostile.xml", content);
        try {
            xmlbind::Document document(path);
            (void)document.RootElement();
        } catch (const xmlbind::err&) {
        }
    }
    // Every prefix of a valid document either loads or fails with a parse error.
    for (std::size_t length = 0; length <= valid.size(); ++length) {
        SCOPED_TRACE(length);
        const xmlbind::parse_err e = loadFailure(dir, valid.substr(0, length));
        if (e.code != -100) {
            EXPECT_GT(e.code, 0) << e.message;
        }
    }
    EXPECT_EQ(loadFailure(dir, valid).code, -100);
}

// A request that arrived as text is held to the limits of a file.
TEST(Xmlbind, TextIsParsedUnderTheLimitsOfAFile)
{
    xmlbind::Document document;
    document.parse("<request><command value='ping'/></request>");
    EXPECT_EQ(xmlbind::getAttribute(xmlbind::getChild(document.root("request"), "command"), "value"), "ping");

    struct Case {
        const char* name;
        std::string text;
        int code;
    } cases[] = {
        {"empty", "", TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY},
        {"declaration only", "<?xml version=\"1.0\"?>", TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY},
        {"too deep", nested(xmlbind::maxElementDepth + 1), TiXmlBase::TIXML_ERROR_PARSING_ELEMENT},
        {"too large", std::string(xmlbind::maxDocumentSize + 1, ' '), TiXmlBase::TIXML_ERROR},
        {"broken", "<request><command></request>", TiXmlBase::TIXML_ERROR_READING_END_TAG},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            document.parse(c.text);
            ADD_FAILURE() << "parsed";
        } catch (const xmlbind::parse_err& e) {
            EXPECT_EQ(e.code, c.code) << e.message;
        }
        EXPECT_EQ(document.RootElement(), nullptr) << "a refused text left part of a document";
    }
}

TEST(Xmlbind, LoadFileAnswersWithoutRaising)
{
    TempDir dir;
    const std::string good = writeFile(dir, "good.xml", "<reports><action/></reports>");
    const std::string deep = writeFile(dir, "deep.xml", nested(xmlbind::maxElementDepth + 1));
    const std::string broken = writeFile(dir, "broken.xml", "<reports>");
    const std::string rootless = writeFile(dir, "rootless.xml", "<?xml version='1.0'?>");
    struct Case {
        std::string path;
        bool loaded;
        int errorId;
    } cases[] = {
        {good, true, 0},
        {deep, false, TiXmlBase::TIXML_ERROR_PARSING_ELEMENT},
        {broken, false, TiXmlBase::TIXML_ERROR_READING_ELEMENT_VALUE},
        {rootless, false, TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY},
        {dir.path() + "/missing.xml", false, TiXmlBase::TIXML_ERROR_OPENING_FILE},
        {dir.path(), false, TiXmlBase::TIXML_ERROR_OPENING_FILE},
    };
    xmlbind::Document document;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(document.LoadFile(c.path), c.loaded);
        EXPECT_EQ(document.Error(), !c.loaded);
        EXPECT_EQ(document.ErrorId(), c.errorId);
        EXPECT_EQ(document.RootElement() != nullptr, c.loaded);
        EXPECT_EQ(document.ValueStr(), c.path);
    }
    EXPECT_TRUE(document.LoadFile(good.c_str()));
    EXPECT_EQ(xmlbind::getName(document.root("reports")), "reports");
}

class XmlbindDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = writeFile(dir, "products.xml",
                         "<products version='3'>\n"
                         "  <product id='zarni' enabled='yes' hidden='no' bad1='True' bad2='1' bad3=' yes' empty=''>\n"
                         "    <name>Zarni</name>\n"
                         "    <notes><![CDATA[a < b]]></notes>\n"
                         "    <split>one<!-- c -->two</split>\n"
                         "    <nested><inner/></nested>\n"
                         "  </product>\n"
                         "  <product id='loamfeather'/>\n"
                         "  <addon id='extra'/>\n"
                         "</products>\n");
        document.reset(new xmlbind::Document(path));
        root = document->root("products");
        product = xmlbind::getChild(root, "product").element();
    }

    TempDir dir;
    std::string path;
    std::unique_ptr<xmlbind::Document> document;
    TiXmlElement* root = nullptr;
    TiXmlElement* product = nullptr;
};

TEST_F(XmlbindDocument, RootNameCheck)
{
    EXPECT_EQ(document->root(""), root);
    EXPECT_EQ(document->root(std::string()), root);
    try {
        document->root("vendors");
        ADD_FAILURE() << "accepted";
    } catch (const xmlbind::err& e) {
        EXPECT_EQ(e.code, 1);
        EXPECT_EQ(e.message, "Root element name not match");
    }
    xmlbind::Document empty;
    try {
        empty.root("");
        ADD_FAILURE() << "a root";
    } catch (const xmlbind::err& e) {
        EXPECT_EQ(e.code, TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY);
        EXPECT_EQ(e.message, "There is no root element in the document");
    }
}

TEST_F(XmlbindDocument, Attributes)
{
    EXPECT_EQ(xmlbind::getAttribute(product, "id"), "zarni");
    EXPECT_EQ(xmlbind::getOptionalAttribute(product, "id"), "zarni");
    EXPECT_EQ(xmlbind::getOptionalAttribute(product, "absent"), "");
    EXPECT_EQ(xmlbind::getAttribute(product, "empty"), "");
    EXPECT_EQ(xmlbind::getOptionalAttribute(product, "empty"), "");
    try {
        xmlbind::getAttribute(product, "absent");
        ADD_FAILURE() << "found";
    } catch (const xmlbind::err& e) {
        EXPECT_EQ(e.code, 1);
        EXPECT_EQ(e.message, "There is no attribute 'absent' in element product (row:2 col:3)");
    }
}

TEST_F(XmlbindDocument, BooleanAttributes)
{
    EXPECT_TRUE(xmlbind::getBoolAttribute(product, "enabled"));
    EXPECT_FALSE(xmlbind::getBoolAttribute(product, "hidden"));
    for (const char* name : {"bad1", "bad2", "bad3", "empty", "id"}) {
        SCOPED_TRACE(name);
        try {
            xmlbind::getBoolAttribute(product, name);
            ADD_FAILURE() << "accepted";
        } catch (const xmlbind::parse_err& e) {
            EXPECT_EQ(e.code, 1);
            EXPECT_EQ(e.message, std::string("There is incorrect boolean attribute '") + name +
                                     "' in element product (row:2 col:3). Must be 'true' or 'false'.");
            EXPECT_EQ(e.row, 2);
            EXPECT_EQ(e.col, 3);
        }
    }
    EXPECT_THROW(xmlbind::getBoolAttribute(product, "absent"), xmlbind::err);
}

TEST_F(XmlbindDocument, NullElementsAreReported)
{
    const xmlbind::Element none;
    const std::vector<std::function<void()>> calls = {
        [&] { xmlbind::getAttribute(none, "id"); },
        [&] { xmlbind::getOptionalAttribute(none, "id"); },
        [&] { xmlbind::getBoolAttribute(none, "id"); },
        [&] { xmlbind::getName(none); },
        [&] { xmlbind::getText(none, true); },
        [&] { xmlbind::getChild(none, "x"); },
        [&] { xmlbind::ChildElements(none, "x"); },
    };
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(i);
        try {
            calls[i]();
            ADD_FAILURE() << "no failure";
        } catch (const xmlbind::err& e) {
            EXPECT_EQ(e.code, 0);
            EXPECT_EQ(e.message, "no element pointer");
        }
    }
}

TEST_F(XmlbindDocument, TextContent)
{
    EXPECT_EQ(xmlbind::getText(xmlbind::getChild(product, "name"), false), "Zarni");
    EXPECT_EQ(xmlbind::getText(xmlbind::getChild(product, "notes"), false), "a < b");

    const xmlbind::Element nestedElement = xmlbind::getChild(product, "nested");
    EXPECT_EQ(xmlbind::getText(nestedElement, true), "");
    try {
        xmlbind::getText(nestedElement, false);
        ADD_FAILURE() << "text found";
    } catch (const xmlbind::err& e) {
        EXPECT_EQ(e.code, 1);
        EXPECT_EQ(e.message, "Text node not found in element 'nested' (row:6 col:5)");
    }
    try {
        xmlbind::getText(xmlbind::getChild(product, "split"), true);
        ADD_FAILURE() << "one text";
    } catch (const xmlbind::err& e) {
        EXPECT_EQ(e.code, 1);
        EXPECT_EQ(e.message, "There is not only text node in element 'split' (row:5 col:5)");
    }
}

TEST_F(XmlbindDocument, MissingChildIsNotFound)
{
    try {
        xmlbind::getChild(product, "version");
        ADD_FAILURE() << "found";
    } catch (const xmlbind::notfound& e) {
        EXPECT_EQ(e.code, 1);
        EXPECT_EQ(e.message, "There is no child element 'version' in tag 'product'");
    }
    EXPECT_THROW(xmlbind::getChild(product, "version"), xmlbind::err);
}

TEST_F(XmlbindDocument, HandleNavigationKeepsTheFirstFailure)
{
    xmlbind::Element handle(root);
    handle.child("product", "id", "loamfeather");
    ASSERT_TRUE(handle);
    EXPECT_EQ(xmlbind::getAttribute(handle, "id"), "loamfeather");

    struct Case {
        const char* name;
        std::function<void(xmlbind::Element&)> move;
        std::string text;
    } cases[] = {
        {"no such child", [](xmlbind::Element& h) { h.child("release").child("product"); },
         "not found child element release in element products"},
        {"attribute filter", [](xmlbind::Element& h) { h.child("product", "id", "other"); },
         "not found child element product in element products with attribute id=\"other\""},
        {"attribute missing", [](xmlbind::Element& h) { h.child("addon", "name", "extra"); },
         "not found child element addon in element products with attribute name=\"extra\""},
        {"empty name", [](xmlbind::Element& h) { h.findChild(""); }, "not specified child element name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        xmlbind::ElementHandle h(root);
        c.move(h);
        EXPECT_FALSE(h);
        EXPECT_EQ(h.text(), c.text);
    }
}

TEST_F(XmlbindDocument, ChildRangesInDocumentOrder)
{
    std::vector<std::string> products;
    for (xmlbind::Element item : xmlbind::ChildElements(root, "product"))
        products.push_back(xmlbind::getAttribute(item, "id"));
    EXPECT_EQ(products, (std::vector<std::string>{"zarni", "loamfeather"}));

    std::vector<std::string> all;
    for (xmlbind::Element item : xmlbind::ChildElements(root, "")) all.push_back(xmlbind::getName(item));
    EXPECT_EQ(all, (std::vector<std::string>{"product", "product", "addon"}));

    EXPECT_EQ(xmlbind::ChildElements(root, "absent").begin(), xmlbind::ChildElements(root, "absent").end());
}

TEST(Xmlbind, BuildSaveAndReload)
{
    TempDir dir;
    xmlbind::Document reply;
    reply.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
    TiXmlElement* root = new TiXmlElement("kitwright");
    reply.LinkEndChild(root);
    root->SetAttribute("status", "ok");
    xmlbind::addText(root, "a < b & \"c\"");
    EXPECT_THROW(xmlbind::addText(nullptr, "x"), xmlbind::err);

    const std::string path = dir.path() + "/reply.xml";
    reply.save(path);
    xmlbind::Document loaded(path);
    EXPECT_EQ(xmlbind::getAttribute(loaded.root("kitwright"), "status"), "ok");
    EXPECT_EQ(xmlbind::getText(loaded.root("kitwright"), false), "a < b & \"c\"");

    try {
        reply.save(dir.path() + "/missing/reply.xml");
        ADD_FAILURE() << "saved";
    } catch (const xmlbind::err& e) {
        EXPECT_EQ(e.code, -1);
        EXPECT_NE(e.message.find(dir.path() + "/missing/reply.xml"), std::string::npos) << e.message;
    }
}

// Values from anywhere go into a written document: xmllint must read it as
// well-formed and give every value back, with what XML cannot carry (bytes that
// are not UTF-8, disallowed controls, non-characters) replaced by U+FFFD.
TEST(Xmlbind, WrittenValuesAreWellFormedAndReadBack)
{
    const std::string fffd = "\xEF\xBF\xBD";
    struct Case {
        const char* name;
        std::string value;
        std::string readBack;
    };
    const std::vector<Case> cases = {
        {"reserved characters", "a < b & \"c\" 'd' > e", "a < b & \"c\" 'd' > e"},
        {"line end, tab and carriage return", "one\ntwo\tthree\rfour", "one\ntwo\tthree\rfour"},
        {"the end of a CDATA section", "x]]>y", "x]]>y"},
        {"a character reference in the text", "&#x41; &#x3C;b&#x", "&#x41; &#x3C;b&#x"},
        {"a character reference around markup", "&#x<evil/>;", "&#x<evil/>;"},
        {"two-byte and four-byte UTF-8", "caf\xC3\xA9 \xF0\x9F\x93\xA6", "caf\xC3\xA9 \xF0\x9F\x93\xA6"},
        {"a lone high byte", "a\xFFz", "a" + fffd + "z"},
        {"a cut sequence at the end", "ab\xE2\x82", "ab" + fffd + fffd},
        {"an overlong form", "\xC0\xBC", fffd + fffd},
        {"a surrogate", "\xED\xA0\x80", fffd + fffd + fffd},
        {"controls XML does not allow", std::string("a\x01" "b\x1F" "c\0d", 7), "a" + fffd + "b" + fffd + "c" + fffd + "d"},
        {"non-characters", "\xEF\xBF\xBE\xEF\xBF\xBF", fffd + fffd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        xmlbind::Document document;
        document.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
        TiXmlElement* root = new TiXmlElement("kitwright");
        document.LinkEndChild(root);
        xmlbind::setAttribute(root, "value", c.value);
        TiXmlElement* child = new TiXmlElement("text");
        root->LinkEndChild(child);
        xmlbind::addText(child, c.value);
        std::ostringstream written;
        written << document;

        const XmlLint lint(written.str());
        ASSERT_EQ(lint.complaints(), "") << written.str();
        EXPECT_EQ(lint.attribute("/kitwright", "value"), c.readBack) << written.str();
        EXPECT_EQ(lint.value("string(/kitwright/text)"), c.readBack) << written.str();
    }
    EXPECT_THROW(xmlbind::setAttribute(nullptr, "x", "y"), xmlbind::err);
}

}  // namespace
