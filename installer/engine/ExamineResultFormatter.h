#pragma once

#include "installer/engine/ExamineResult.h"

#include <string>
#include <vector>

// Turns one line of an examination's error text into the line the operator is
// shown; the web back end and the drivers may lay lines out their own way.
class ExamineResultFormatter {
public:
    virtual ~ExamineResultFormatter() = default;
    // The line without its trailing blanks, tabs, form feeds, vertical tabs,
    // carriage returns and line feeds, led by two blanks.
    virtual std::string formatLine(const std::string& line) const;
};

// For each result: its name and a line end, then each line of its error text
// through the formatter, each followed by a line end. The output text takes no
// part. Empty for no results.
std::string formatExamineResults(const ExamineResultFormatter& formatter, const std::vector<ExamineResult>& results);
