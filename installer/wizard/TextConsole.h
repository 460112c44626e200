#pragma once

#include <iosfwd>
#include <string>

// Where the pages of the text-mode wizard write and what they read: the seam
// between the pages and the terminal. The program uses standard(); tests give
// the pages a console with scripted answers and a captured output.
class TextConsole {
public:
    virtual ~TextConsole() = default;

    // The page output.
    virtual std::ostream& out() = 0;
    // One answer line, without its line end. False at the end of input (text
    // cut off by the end without a line end is no answer) and when reading fails.
    virtual bool readLine(std::string& line) = 0;
    // Shows the prompt and reads one line typed without echo (the prompt comes
    // once echo is off, so nothing typed after it is shown). False at the end of
    // input and when there is no terminal to read it from.
    virtual bool readPassword(const std::string& prompt, std::string& password) = 0;
    // Clears the screen before a page is drawn.
    virtual void clearScreen() = 0;

    // Standard input, standard output and the controlling terminal.
    static TextConsole& standard();
};
