#pragma once

#include <string>
#include <vector>

// Splits a line into words the way a simple shell would: white space separates
// words; a word in single quotes keeps everything up to the closing quote; in a
// double-quoted word a backslash makes the next character literal. Quotes inside
// a plain word are ordinary characters. An unclosed quote takes the rest of the
// line. A closing quote not followed by white space or the end of the line raises
// error (0,1,1,2) "err_spsepval" naming the line.
std::vector<std::string> splitArgs(const std::string& line);
