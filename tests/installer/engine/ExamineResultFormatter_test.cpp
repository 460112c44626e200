#include "installer/engine/ExamineResultFormatter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ExamineResultFormatter, ErrorLinesFollowTheNameTrimmedAndIndented)
{
    const ExamineResultFormatter formatter;
    const std::vector<ExamineResult> one = {{"disk", "the output stays out\n", "first line  \nsecond line", false}};
    EXPECT_EQ(formatExamineResults(formatter, one), "disk\n  first line\n  second line\n");

    const std::vector<ExamineResult> two = {
        {"disk", "", "space low \t\f\v\r\n", true},
        {"mail", "", "", false},
        {"dns", "", "a\n\nb\n", false},
    };
    EXPECT_EQ(formatExamineResults(formatter, two), "disk\n  space low\nmail\ndns\n  a\n  \n  b\n");
    EXPECT_EQ(formatExamineResults(formatter, {}), "");
}

TEST(ExamineResultFormatter, AnotherFormatterLaysOutTheLines)
{
    class Bulleted : public ExamineResultFormatter {
    public:
        std::string formatLine(const std::string& line) const override { return "* " + line; }
    };
    const std::vector<ExamineResult> results = {{"disk", "", "low\nvery low", true}};
    EXPECT_EQ(formatExamineResults(Bulleted(), results), "disk\n* low\n* very low\n");
}

}  // namespace
