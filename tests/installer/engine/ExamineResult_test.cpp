#include "installer/engine/ExamineResult.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(ExamineResult, PrintsItsNameAndWhetherItPassed)
{
    std::ostringstream text;
    text << ExamineResult{"disk", "", "", true} << "; " << ExamineResult{"mail", "", "", false};
    EXPECT_EQ(text.str(), "examination disk unpassed; examination mail warning");
}

}  // namespace
