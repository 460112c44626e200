#include "installer/wizard/TextDialog.h"

#include "installer/wizard/TextConsole.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

bool TextDialog::noClear = false;

namespace {

// The operator closed the input (Ctrl+D): the wizard cannot go on, and asking
// again would only loop.
[[noreturn]] void sessionLost()
{
    error failure(4, 2, 1, 1);
    failure << Messages::get("err_user_lost");
    throw failure;
}

}  // namespace

TextDialog::Answer TextDialog::parseAnswer(const std::string& text)
{
    if (text.empty()) return Answer();
    // The character classes take unsigned char values: a byte of a UTF-8
    // sequence is no letter, and no undefined call.
    const unsigned char first = static_cast<unsigned char>(text[0]);
    if (text.size() == 1 && first < 0x80 && std::isalpha(first))
        return Answer::ofLetter(static_cast<char>(std::toupper(first)));
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || !std::isdigit(byte)) return Answer();
    }
    errno = 0;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (errno != 0 || value > INT_MAX) return Answer();
    return Answer::ofNumber(static_cast<std::int32_t>(value));
}

std::string TextDialog::choiceHint(const std::string& prefix, int count)
{
    if (count <= 0) return "b/q";
    if (count == 1) return prefix + "/1";
    return prefix + "/1-" + std::to_string(count);
}

std::ostream& TextDialog::out() const { return console_.out(); }

void TextDialog::showHeader(const std::string& title)
{
    Progress::checkTermination();
    if (noClear)
        out() << "\n\n\n\n\n";
    else
        console_.clearScreen();
    out() << title << "\n" << std::string(79, '=') << "\n\n";
}

std::string TextDialog::readLine()
{
    Progress::checkTermination();
    std::string line;
    if (!console_.readLine(line)) sessionLost();
    return line;
}

std::string TextDialog::readPassword(const std::string& prompt)
{
    Progress::checkTermination();
    std::string password;
    if (!console_.readPassword(prompt, password)) sessionLost();
    return password;
}

TextDialog::Answer TextDialog::askAction(const std::string& hint, const std::string& defaultAnswer)
{
    if (!hint.empty()) out() << " [" << hint << "]: ";
    const std::string line = readLine();
    // A signal that came while the line was typed ends the run before the
    // answer is acted on.
    if (Progress::takeTerminationRequest()) Progress::checkTermination();
    return parseAnswer(line.empty() ? defaultAnswer : line);
}

std::string TextDialog::askText(const std::string& prompt, const std::string& defaultValue)
{
    out() << prompt;
    if (!defaultValue.empty()) out() << " [" << defaultValue << "]";
    out() << ": ";
    const std::string line = readLine();
    return line.empty() ? defaultValue : line;
}

std::string TextDialog::askPassword(const std::string& prompt, const std::string& defaultValue)
{
    std::string shown = prompt;
    if (!defaultValue.empty()) shown += " [" + std::string(defaultValue.size(), '*') + "]";
    shown += ": ";
    for (;;) {
        const std::string first = readPassword(shown);
        if (first.empty()) {
            if (!defaultValue.empty()) return defaultValue;
            continue;
        }
        const std::string second = readPassword(Messages::get("retype_password"));
        if (first == second) return first;
        out() << Messages::get("err_passwds_missmatch") << "\n";
    }
}

void TextDialog::showMessage(const std::string& text)
{
    out() << "\n\n" << text << "\n";
    Log(1, true) << text;
    Progress::checkTermination();
    out() << Messages::get("message_press_enter") << " ";
    readLine();
}

void TextDialog::showLegend(std::initializer_list<const char*> keys)
{
    out() << Messages::get("wizard_legend_header") << "\n";
    for (const char* key : keys) out() << Messages::get(key) << "\n";
    out() << "\n";
}

std::ostream& operator<<(std::ostream& out, const TextDialog::Answer& answer)
{
    switch (answer.kind()) {
    case TextDialog::Answer::Kind::letter:
        return out << "letter " << answer.letter();
    case TextDialog::Answer::Kind::number:
        return out << "number " << answer.number();
    case TextDialog::Answer::Kind::none:
        break;
    }
    return out << "none";
}
