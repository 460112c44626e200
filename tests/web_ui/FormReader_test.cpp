#include "web_ui/FormReader.h"

#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

namespace {

TEST(FormReader, ValuesThatFitTheirBuffer)
{
    struct Case {
        const char* name;
        std::optional<std::string> value;
        std::size_t capacity;
        std::string expected;
    } cases[] = {
        {"missing", std::nullopt, 16, ""},
        {"empty", std::string(), 16, ""},
        {"exactly as long as the buffer allows", std::string("12345"), 6, "12345"},
        {"a NUL byte is kept", std::string("x\0y", 3), 16, std::string("x\0y", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, checkedFormValue("v", c.value, c.capacity));
    }
}

TEST(FormReader, RefusesAValueLongerThanItsBuffer)
{
    expectError([] { checkedFormValue("rel_zarni", std::string("123456"), 6); }, {2, 1, 1, 1},
                "Unable to apply the setting 'rel_zarni' because of incorrect value ('123456...')\n");
    expectError([] { checkedFormValue("x", std::string(100, 'a'), 6); }, {2, 1, 1, 1},
                ::testing::HasSubstr("('" + std::string(64, 'a') + "...')"));
}

}  // namespace
