#pragma once

#include <ostream>
#include <string>

// One examination step of a build information file (an "examine" element): a
// script that checks the system before or after an installation. The build
// information file reads the texts; the build loader fills in the directory of
// that file, against which the script is found; the examination runner
// interprets them.
struct ExamineStep {
    std::string scope;
    std::string name;
    std::string script;
    std::string launcher;
    std::string options;
    // The directory of the build information file, with a trailing "/".
    std::string directory;
    // Run even when the operator asked to skip the checks.
    bool always = false;
};

// The name and the script, for log lines.
std::ostream& operator<<(std::ostream& out, const ExamineStep& step);
