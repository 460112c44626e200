#include "web_ui/ProgressEntries.h"

#include "common/xmlbind.h"
#include "webserver/kwhttpd.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What a writer appends to an output block of the server's kind.
std::string written(void (*writer)(const TiXmlElement*, kwhttpd_arg*), const std::string& document)
{
    xmlbind::Document parsed;
    parsed.parse(document);
    char block[4096];
    kwhttpd_arg arg{};
    arg.out.buf = block;
    arg.out.len = sizeof block;
    writer(parsed.RootElement(), &arg);
    return std::string(block, static_cast<std::size_t>(arg.out.num_bytes));
}

TEST(ProgressEntries, Table)
{
    struct Case {
        const char* name;
        std::string document, entries;
    } cases[] = {
        {"the last progress counts",
         "<products><product id=\"a\"><progress status=\"waiting\" percentage=\"0\"/>"
         "<progress status=\"installing\" percentage=\"40\"/></product></products>",
         "{ \"prodId\": \"a\", \"status\": \"installing\" , \"percentage\": \"40\"}"},
        {"a later progress without percentage clears it",
         "<products><product id=\"a\"><progress status=\"x\" percentage=\"10\"/><progress status=\"done\"/>"
         "</product></products>",
         "{ \"prodId\": \"a\", \"status\": \"done\" }"},
        {"a product without status is left out; the one before it still ends with a comma",
         "<products><product id=\"a\"><progress status=\"s\"/></product><product id=\"b\"/></products>",
         "{ \"prodId\": \"a\", \"status\": \"s\" }, "},
        {"no id, no entry", "<products><product><progress status=\"s\"/></product></products>", ""},
        {"values are script strings", "<products><product id=\"a&quot;&lt;/script&gt;\"><progress status=\"s\"/></product></products>",
         "{ \"prodId\": \"a\\\"\\u003C/script\\u003E\", \"status\": \"s\" }"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.entries, written(writeProgressEntries, c.document));
    }
}

TEST(ProgressEntries, ConsoleEntry)
{
    EXPECT_EQ("{ \"output\": \"line \\\"a\\\"\\n\\u003C/script\\u003E\"}",
              written(writeConsoleEntry, "<console>line \"a\"&#x0A;&lt;/script&gt;</console>"));
    EXPECT_EQ("", written(writeConsoleEntry, "<console><x/></console>"));
}

}  // namespace
