#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>

class TextConsole;

// The console base of every page of the text-mode wizard: each page derives
// from its logic class (DlgHello, DlgReleases ...) and from TextDialog, and
// draws itself and reads its answers with these operations on its console.
//
// Every page follows one convention: a header (a cleared screen, the title over
// a line of 79 "="), the body, the legend ("wizard_legend_header" and one
// "wizard_legend_..." line per key), an empty line and the prompt text, which
// askAction completes with the hint in brackets. One-letter keys are read
// without regard to case; an empty answer takes the upper-case default of the
// hint; "N" works as "F" and "P" as "B" wherever those are offered, though no
// legend shows them. An answer the page does not accept prints the retry text
// ("wizard_prompt_action_retry" or "wizard_prompt_action_or_number_retry") and
// asks again without redrawing.
//
// The end of input at any prompt raises error (4,2,1,1) "err_user_lost"; a
// termination signal is acted on before a page is drawn and while any prompt
// waits (Progress::Interrupted).
class TextDialog {
public:
    // When true, a page header prints blank lines instead of clearing the screen
    // (terminals where "clear" misbehaves, or output captured to a file). Set by the
    // options before the wizard starts; read on the main thread only.
    static bool noClear;

    // One parsed answer line.
    class Answer {
    public:
        enum class Kind : std::int32_t { none = 0, letter = 1, number = 2 };

        Answer() = default;
        static Answer ofLetter(char upperCase) { return Answer(Kind::letter, static_cast<unsigned char>(upperCase)); }
        static Answer ofNumber(std::int32_t number) { return Answer(Kind::number, number); }

        Kind kind() const { return kind_; }
        bool isLetter() const { return kind_ == Kind::letter; }
        bool isNumber() const { return kind_ == Kind::number; }
        // The upper-cased letter, for a letter answer.
        char letter() const { return static_cast<char>(value_); }
        std::int32_t number() const { return value_; }
        // Whether this is the letter (given in upper case).
        bool is(char upperCase) const { return isLetter() && letter() == upperCase; }

        bool operator==(const Answer& other) const { return kind_ == other.kind_ && value_ == other.value_; }
        bool operator!=(const Answer& other) const { return !(*this == other); }

    private:
        Answer(Kind kind, std::int32_t value) : kind_(kind), value_(value) {}

        Kind kind_ = Kind::none;
        std::int32_t value_ = -1;  // -1 for none
    };

    // A single letter is a letter (upper-cased); a text of decimal digits up to
    // 2147483647 is a number (a single digit too); anything else, the empty
    // text included, is none. Bytes outside ASCII are never letters.
    static Answer parseAnswer(const std::string& text);
    // The hint of a page with `count` numbered rows: "b/q" without rows (the
    // prefix is not used), else the prefix and "/1", or "/1-<count>".
    static std::string choiceHint(const std::string& prefix, int count);

protected:
    explicit TextDialog(TextConsole& console) : console_(console) {}
    ~TextDialog() = default;
    TextDialog(const TextDialog&) = delete;
    TextDialog& operator=(const TextDialog&) = delete;

    TextConsole& console() const { return console_; }
    std::ostream& out() const;

    // Clears the screen (or prints five line ends with noClear) and prints the
    // title over its line of "=".
    void showHeader(const std::string& title);
    // One answer line; the end of input raises "err_user_lost".
    std::string readLine();
    // Prints the prompt and reads a line without echo; the end of input, or no
    // terminal to read from, raises "err_user_lost".
    std::string readPassword(const std::string& prompt);
    // Completes the prompt the page printed with " [hint]: " (nothing when the
    // hint is empty) and parses the answer; an empty line takes the default.
    Answer askAction(const std::string& hint, const std::string& defaultAnswer);
    // Prints the prompt, " [default]" when there is one, and ": "; an empty line
    // gives the default.
    std::string askText(const std::string& prompt, const std::string& defaultValue);
    // Asks for a password twice until both agree; the default is offered masked
    // (one "*" a byte) and taken by an empty answer. Without a default an empty
    // answer asks again.
    std::string askPassword(const std::string& prompt, const std::string& defaultValue);
    // Shows the text (also in the log) and waits for Enter.
    void showMessage(const std::string& text);
    // The legend: the header line, one line per message key, an empty line.
    void showLegend(std::initializer_list<const char*> keys);

private:
    TextConsole& console_;
};

// "none", "letter B" or "number 7".
std::ostream& operator<<(std::ostream& out, const TextDialog::Answer& answer);
