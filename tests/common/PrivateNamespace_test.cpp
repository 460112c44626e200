#include "tests/common/PrivateNamespace.h"

#include "tests/common/ScopedEnvironment.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

// In CI a test that cannot run fails; elsewhere it skips. CI services set the
// variable CI ("true" mostly); "false" and "0" say it is not CI.
TEST(PrivateNamespace, ASkipIsAFailureOnlyInCI)
{
    const struct {
        const char* value;  // nullptr: unset
        bool fails;
    } cases[] = {{nullptr, false}, {"", false}, {"false", false}, {"0", false}, {"true", true}, {"1", true},
                 {"yes", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        const std::unique_ptr<ScopedEnvironment> ci =
            c.value ? std::make_unique<ScopedEnvironment>("CI", c.value) : std::make_unique<ScopedEnvironment>("CI");
        EXPECT_EQ(skipsAreFailures(), c.fails);
        if (c.fails)
            EXPECT_NONFATAL_FAILURE(noteUnavailable("no namespaces here"), "no namespaces here (CI is set");
        else
            noteUnavailable("no namespaces here");
    }
}
