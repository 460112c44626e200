#pragma once

#include <string>
#include <vector>

// Shows a text through a terminal pager (less, more) that reads it from a pipe
// on its standard input and talks to the operator on the terminal it inherits.
// The program is started directly with its arguments (found on the PATH), never
// through a shell. The pager's window is the terminal's: a resize while it runs
// is the pager's business.
class Pager {
public:
    // Starts `arguments` (the program first), writes the text and waits until the
    // pager ends. False when the program could not be started: nothing was shown.
    // A pager that quits before reading everything (q on a long list) ends the
    // write quietly; its exit status is not looked at.
    static bool show(const std::vector<std::string>& arguments, const std::string& text);
};
