#include "installer/reporters/Reporter.h"

#include "tests/common/XmlLint.h"
#include "tests/installer/reporters/ReporterTest.h"

#include <tinyxml.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ReporterStatus = ReporterTest;

TEST_F(ReporterStatus, TextAndXmlFormsOfTheStatus)
{
    struct Case {
        const char* name;
        int status;
        std::string message;
        const char* errorClass;
        std::string prefix;
        std::string text;
        std::string xml;  // after the declaration
        std::string standardError;
    };
    const std::vector<Case> cases = {
        {"success without a message", 0, "", nullptr, "", "\n\n", "<kitwright status=\"ok\" />", ""},
        {"success with a message", 0, "Installation started", nullptr, "", "\nInstallation started\n",
         "<kitwright status=\"ok\" error_message=\"Installation started\" />", ""},
        {"a class without a message is not written", 0, "", "user", "", "\n\n", "<kitwright status=\"ok\" />", ""},
        {"an error with its class", 1, "The disk is full.", "system", "", "\nERROR: The disk is full.\n",
         "<kitwright status=\"error\" error_message=\"The disk is full.\" error_class=\"system\" />",
         "ERROR: The disk is full.\n"},
        {"an error without a class", 1, "Stopped.", "", "query_", "\nERROR: Stopped.\n",
         "<kitwright status=\"query_error\" error_message=\"Stopped.\" />", "ERROR: Stopped.\n"},
        {"busy with the install prefix", 2, "Another one runs.", nullptr, "install_", "\nBUSY: Another one runs.\n",
         "<kitwright status=\"install_busy\" error_message=\"Another one runs.\" />", ""},
        {"an unknown status is the prefix alone", 7, "", nullptr, "install_", "\n\n",
         "<kitwright status=\"install_\" />", ""},
        {"an unknown status without a prefix", -1, "odd", nullptr, "", "\nodd\n",
         "<kitwright status=\"\" error_message=\"odd\" />", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        statusPrefix = c.prefix;
        const Reporter reporter(c.status, c.message, c.errorClass);
        EXPECT_EQ(text(reporter), c.text);
        EXPECT_EQ(takeStandardError(), "");
        const std::string line = xml(reporter);
        EXPECT_EQ(line, declaration + c.xml + "\n");
        EXPECT_EQ(takeStandardError(), c.standardError);
        EXPECT_EQ(XmlLint(line).complaints(), "");
    }
}

TEST_F(ReporterStatus, TheThreeConstructors)
{
    const Reporter bare(2);
    EXPECT_EQ(bare.status, 2);
    EXPECT_EQ(bare.message, "");
    EXPECT_EQ(bare.errorClass, "");

    const Reporter withMessage(1, "m");
    EXPECT_EQ(withMessage.message, "m");
    EXPECT_EQ(withMessage.errorClass, "");
    EXPECT_EQ(Reporter(1, static_cast<const char*>(nullptr)).message, "");

    const Reporter full(1, std::string("m"), "user");
    EXPECT_EQ(full.errorClass, "user");
    EXPECT_EQ(Reporter(1, std::string("m"), nullptr).errorClass, "");
    EXPECT_EQ(Reporter(1, std::string("m")).errorClass, "");
}

// Messages carry whatever an error or the catalogue said: the document stays
// well-formed and xmllint reads each value back as it was given (bytes that are
// not UTF-8 replaced by U+FFFD).
TEST_F(ReporterStatus, HostileMessagesReadBackExactly)
{
    const std::vector<std::pair<std::string, std::string>> messages = {
        {"a < b & c", "a < b & c"},
        {"quoted \"name\" and 'other'", "quoted \"name\" and 'other'"},
        {"first line\nsecond line", "first line\nsecond line"},
        {"<![CDATA[x]]>", "<![CDATA[x]]>"},
        {"&#x41; stays text", "&#x41; stays text"},
        {"Gr\xC3\xBC\xC3\x9F" "e", "Gr\xC3\xBC\xC3\x9F" "e"},
        {"broken \xC3 byte", "broken \xEF\xBF\xBD byte"},
        {"latin-1 \xE9t\xE9", "latin-1 \xEF\xBF\xBDt\xEF\xBF\xBD"},
    };
    for (const auto& message : messages) {
        SCOPED_TRACE(message.first);
        const std::string line = xml(Reporter(1, message.first, "user"));
        EXPECT_EQ(line.find('\n'), line.size() - 1) << "one line: " << line;
        const XmlLint lint(line);
        ASSERT_EQ(lint.complaints(), "") << line;
        EXPECT_EQ(lint.attribute("/kitwright", "status"), "error");
        EXPECT_EQ(lint.attribute("/kitwright", "error_message"), message.second);
        EXPECT_EQ(lint.attribute("/kitwright", "error_class"), "user");
        // The terminal gets the message as it is.
        EXPECT_EQ(takeStandardError(), "ERROR: " + message.first + "\n");
    }
}

TEST_F(ReporterStatus, AContentElementFollowsTheStatusAttributesOnTheSameLine)
{
    TiXmlElement content("products");
    TiXmlElement product("product");
    product.SetAttribute("id", "zarni");
    content.InsertEndChild(product);

    std::ostringstream out;
    Reporter(0).printXml(out, &content);
    EXPECT_EQ(out.str(), std::string(declaration) +
                             "<kitwright status=\"ok\"><products><product id=\"zarni\" /></products></kitwright>\n");
    // The reporter copied the element: the caller's stays as it was.
    EXPECT_EQ(content.Parent(), nullptr);
}

TEST_F(ReporterStatus, AFailedStreamSwallowsTheAnswer)
{
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(&Reporter(1, "m").put(out), &out);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
