#include "web_ui/FormReader.h"

#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

namespace {

TEST(FormReader, ReadsDecodedValuesThatFitTheirBuffer)
{
    struct Case {
        const char* name;
        std::string body, variable;
        std::size_t capacity;
        std::string expected;
    } cases[] = {
        {"plain", "a=1&b=two", "b", 16, "two"},
        {"decoded", "a=x+y%26z%3D", "a", 16, "x y&z="},
        {"missing", "a=1", "b", 16, ""},
        {"empty", "a=&b=1", "a", 16, ""},
        {"exactly as long as the buffer allows", "a=12345", "a", 6, "12345"},
        {"a NUL byte is kept", "a=x%00y", "a", 16, std::string("x\0y", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, readFormVariable(c.body, c.variable, c.capacity));
    }
}

TEST(FormReader, RefusesAValueLongerThanItsBuffer)
{
    expectError([] { readFormVariable("rel_zarni=123456", "rel_zarni", 6); }, {2, 1, 1, 1},
                "Unable to apply the setting 'rel_zarni' because of incorrect value ('123456...')\n");
}

}  // namespace
