#pragma once

#include "installer/wizard/TextConsole.h"

#include <deque>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// A console for the pages under test: the operator's answers are a script,
// one entry per line typed (passwords included, in the order asked); the end
// of the script is the end of input (Ctrl+D). What the pages print is kept,
// each answer shown after its prompt as a terminal would echo it ("<answer>"
// and a line end; a password as "<hidden>"), so an expected page reads like a
// screen. A clear of the screen shows as "<clear>".
class ScriptedConsole : public TextConsole {
public:
    explicit ScriptedConsole(std::vector<std::string> answers = {}) : answers_(answers.begin(), answers.end()) {}

    void answer(const std::string& line) { answers_.push_back(line); }

    std::ostream& out() override { return out_; }
    bool readLine(std::string& line) override
    {
        if (answers_.empty()) return false;
        line = answers_.front();
        answers_.pop_front();
        out_ << "<" << line << ">\n";
        ++linesRead_;
        return true;
    }
    bool readPassword(const std::string& prompt, std::string& password) override
    {
        out_ << prompt;
        if (answers_.empty()) return false;
        password = answers_.front();
        answers_.pop_front();
        out_ << "<hidden>\n";
        ++passwordsRead_;
        return true;
    }
    void clearScreen() override { out_ << "<clear>"; }

    std::string text() const { return out_.str(); }
    // Answers not asked for.
    std::size_t unread() const { return answers_.size(); }
    int linesRead() const { return linesRead_; }
    int passwordsRead() const { return passwordsRead_; }

private:
    std::deque<std::string> answers_;
    std::ostringstream out_;
    int linesRead_ = 0;
    int passwordsRead_ = 0;
};
