#include "web_ui/ProductIcons.h"

#include "tests/common/CommandOutput.h"
#include "tests/web_ui/FrontEndHarness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web_ui_test::InProcessFrontEnd;
using webserver_test::body;
using webserver_test::header;

TEST(ProductIcons, DecodeBase64Table)
{
    struct Case {
        const char* name;
        std::string text, bytes;
    } cases[] = {
        {"empty", "", ""},
        {"one group", "YWJj", "abc"},
        {"two leftover characters give one byte", "YWJjZA", "abcd"},
        {"three give two", "YWJjZGU", "abcde"},
        {"a single leftover character is dropped", "YWJjZ", "abc"},
        {"padding ends the text", "YQ==YWJj", "a"},
        {"line breaks and foreign bytes are skipped", "YW\r\nJj*Z G\tU=", "abcde"},
        {"the whole alphabet", "+/+/", "\xfb\xff\xbf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bytes, decodeBase64(c.text));
    }
}

TEST(ProductIcons, AgreesWithTheBase64Tool)
{
    const std::string bytes = readFile(KW_SOURCE_DIR "/resources/web/images/icon_default_product.png");
    const std::string encoded = commandOutput(std::string("base64 -w 76 ") + KW_SOURCE_DIR "/resources/web/images/icon_default_product.png");
    EXPECT_EQ(bytes, decodeBase64(encoded));
}

TEST(ProductIcons, DefaultIconsWithoutAdmissionOrId)
{
    InProcessFrontEnd frontEnd;
    frontEnd.backend.reply("get_product_icon", web_ui_test::webReply("product-icon"));
    const std::string enabled = readFile(KW_SOURCE_DIR "/resources/web/images/icon_default_product.png");
    const std::string disabled = readFile(KW_SOURCE_DIR "/resources/web/images/icon_default_product_disabled.png");
    EXPECT_EQ(enabled, body(frontEnd.get("/get_enabled_product_icon?prod_id=zarni")));
    EXPECT_EQ(disabled, body(frontEnd.get("/get_disabled_product_icon?prod_id=zarni", "notanadmittedsession")));
    EXPECT_TRUE(frontEnd.backend.requests().empty()) << "an anonymous request never reaches the back end";
    const std::string id = frontEnd.admit();
    EXPECT_EQ(enabled, body(frontEnd.get("/get_enabled_product_icon", id)));
    EXPECT_EQ(disabled, body(frontEnd.get("/get_disabled_product_icon?prod_id=", id)));
    EXPECT_TRUE(frontEnd.backend.requests().empty());
    frontEnd.backend.noReply("get_product_icon");
    EXPECT_EQ(enabled, body(frontEnd.get("/get_enabled_product_icon?prod_id=zarni", id))) << "an error reply";
}

TEST(ProductIcons, AdmittedRequestGetsTheBackEndsIcon)
{
    InProcessFrontEnd frontEnd;
    frontEnd.backend.reply("get_product_icon", web_ui_test::webReply("product-icon"));
    const std::string id = frontEnd.admit();
    const std::string answer = frontEnd.get("/get_disabled_product_icon?prod_id=zarni%20x", id);
    EXPECT_EQ("image/png", header(answer, "Content-Type"));
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\nzarni icon bytes!!"), body(answer));
    const std::vector<std::string> requests = frontEnd.backend.requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_NE(std::string::npos,
              requests[0].find("<command value=\"get_product_icon\" prod_id=\"zarni x\" enabled=\"false\" />"))
        << requests[0];
}

}  // namespace
