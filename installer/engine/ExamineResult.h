#pragma once

#include <ostream>
#include <string>

// What one examination script reported when it did not pass cleanly.
struct ExamineResult {
    std::string name;
    // What the script wrote on its standard output and standard error. The error
    // text is what the operator is shown.
    std::string output;
    std::string error;
    // Exit code 2: a failed check that blocks the installation. Any other
    // non-zero end is a warning.
    bool unpassed = false;
};

// The name and whether it passed.
std::ostream& operator<<(std::ostream& out, const ExamineResult& result);
