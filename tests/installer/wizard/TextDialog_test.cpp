#include "installer/wizard/TextDialog.h"

#include "common/Messages.h"
#include "common/Progress.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <functional>
#include <string>

namespace {

using Answer = TextDialog::Answer;

// The console operations, open to the tests.
class Prompts : public TextDialog {
public:
    explicit Prompts(TextConsole& console) : TextDialog(console) {}
    using TextDialog::askAction;
    using TextDialog::askPassword;
    using TextDialog::askText;
    using TextDialog::readLine;
    using TextDialog::showHeader;
    using TextDialog::showMessage;
};

const ErrorCodes kUserLost = {4, 2, 1, 1};

void expectUserLost(const std::function<void()>& call, const char* file = __builtin_FILE(),
                    int line = __builtin_LINE())
{
    expectError(call, kUserLost, Messages::get("err_user_lost") + "\n", file, line);
}

TEST(TextDialog, ParseAnswer)
{
    struct Case {
        const char* text;
        Answer expected;
    };
    const Case cases[] = {
        {"b", Answer::ofLetter('B')},
        {"Q", Answer::ofLetter('Q')},
        {"5", Answer::ofNumber(5)},
        {"0", Answer::ofNumber(0)},
        {"007", Answer::ofNumber(7)},
        {"10", Answer::ofNumber(10)},
        {"2147483647", Answer::ofNumber(2147483647)},
        {"", Answer()},
        {"bq", Answer()},
        {"1a", Answer()},
        {"a1", Answer()},
        {"+1", Answer()},
        {"-3", Answer()},
        {" 1", Answer()},
        {"1 ", Answer()},
        {" ", Answer()},
        {"2147483648", Answer()},
        {"99999999999999999999", Answer()},
        {"\xc3\xa9", Answer()},  // "é" in UTF-8
        {"\xe9", Answer()},      // "é" in Latin-1: one byte, still no letter
        {"\xff", Answer()},
        {"\xd9\xa3", Answer()},  // an Arabic-Indic digit
        {"?", Answer()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(TextDialog::parseAnswer(c.text), c.expected);
    }
}

TEST(TextDialog, AnAnswerTellsItsKindAndValue)
{
    const Answer letter = Answer::ofLetter('F');
    EXPECT_TRUE(letter.isLetter());
    EXPECT_FALSE(letter.isNumber());
    EXPECT_EQ(letter.letter(), 'F');
    EXPECT_TRUE(letter.is('F'));
    EXPECT_FALSE(letter.is('N'));
    const Answer number = Answer::ofNumber(12);
    EXPECT_TRUE(number.isNumber());
    EXPECT_EQ(number.number(), 12);
    EXPECT_FALSE(number.is('F'));
    const Answer none;
    EXPECT_FALSE(none.isLetter() || none.isNumber());
    EXPECT_EQ(none.number(), -1);
    std::ostringstream shown;
    shown << letter << ", " << number << ", " << none;
    EXPECT_EQ(shown.str(), "letter F, number 12, none");
}

TEST(TextDialog, ChoiceHint)
{
    struct Case {
        const char* prefix;
        int count;
        const char* expected;
    };
    const Case cases[] = {
        {"F/b/q", 0, "b/q"},       {"F/b/q/s", 0, "b/q"},  {"F/b/q", 1, "F/b/q/1"},
        {"F/b/q", 7, "F/b/q/1-7"}, {"F/b/q/s", 12, "F/b/q/s/1-12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.prefix) + " " + std::to_string(c.count));
        EXPECT_EQ(TextDialog::choiceHint(c.prefix, c.count), c.expected);
    }
}

TEST(TextDialog, AskActionCompletesThePromptAndTakesTheDefault)
{
    ScriptedConsole console({"", "x", "7", ""});
    Prompts prompts(console);
    EXPECT_EQ(prompts.askAction("F/q", "F"), Answer::ofLetter('F'));
    EXPECT_EQ(prompts.askAction("F/q", "F"), Answer::ofLetter('X'));
    EXPECT_EQ(prompts.askAction("", "F"), Answer::ofNumber(7));
    EXPECT_EQ(prompts.askAction("b/q", ""), Answer());
    EXPECT_EQ(console.text(), " [F/q]: <>\n [F/q]: <x>\n<7>\n [b/q]: <>\n");
}

TEST(TextDialog, AskTextGivesTheDefaultForAnEmptyLineOnly)
{
    ScriptedConsole console({"", "", "   ", "zarni.example"});
    Prompts prompts(console);
    EXPECT_EQ(prompts.askText("Name", ""), "");
    EXPECT_EQ(prompts.askText("Host", "localhost"), "localhost");
    EXPECT_EQ(prompts.askText("Host", "localhost"), "   ");
    EXPECT_EQ(prompts.askText("Host", "localhost"), "zarni.example");
    EXPECT_EQ(console.text(), "Name: <>\nHost [localhost]: <>\nHost [localhost]: <   >\n"
                              "Host [localhost]: <zarni.example>\n");
}

TEST(TextDialog, AskPasswordOffersTheDefaultMaskedAndChecksTheRetype)
{
    {
        SCOPED_TRACE("a default of six bytes kept with Enter");
        ScriptedConsole console({""});
        Prompts prompts(console);
        EXPECT_EQ(prompts.askPassword("Password", "s3cr\xc3\xa9"), "s3cr\xc3\xa9");
        EXPECT_EQ(console.passwordsRead(), 1) << "no retype for the default";
        EXPECT_EQ(console.text(), "Password [******]: <hidden>\n");
    }
    {
        SCOPED_TRACE("no default: empty, a mismatch, then a match");
        ScriptedConsole console({"", "first", "other", "secret", "secret"});
        Prompts prompts(console);
        EXPECT_EQ(prompts.askPassword("Password", ""), "secret");
        EXPECT_EQ(console.unread(), 0u);
        EXPECT_SCREEN(console, "password-mismatch-then-match.txt");
    }
}

TEST(TextDialog, TheEndOfInputEndsEveryKindOfPrompt)
{
    const std::pair<const char*, std::function<void(Prompts&)>> prompts[] = {
        {"action", [](Prompts& p) { p.askAction("F/q", "F"); }},
        {"text", [](Prompts& p) { p.askText("Name", "default"); }},
        {"enter", [](Prompts& p) { p.showMessage("Read this."); }},
        {"password", [](Prompts& p) { p.askPassword("Password", "default"); }},
        {"retyped password", [](Prompts& p) { p.askPassword("Password", ""); }},
    };
    for (const auto& prompt : prompts) {
        SCOPED_TRACE(prompt.first);
        ScriptedConsole console;
        if (std::string(prompt.first) == "retyped password") console.answer("typed once");
        Prompts dialog(console);
        expectUserLost([&] { prompt.second(dialog); });
    }
}

TEST(TextDialog, ShowHeaderClearsOrPrintsFiveLineEnds)
{
    for (const bool noClear : {false, true}) {
        SCOPED_TRACE(noClear ? "no clear" : "clear");
        TextDialog::noClear = noClear;
        ScriptedConsole console;
        Prompts(console).showHeader("Products and versions");
        TextDialog::noClear = false;
        const std::string rule(79, '=');
        EXPECT_EQ(console.text(),
                  std::string(noClear ? "\n\n\n\n\n" : "<clear>") + "Products and versions\n" + rule + "\n\n");
    }
}

TEST(TextDialog, ShowMessageLogsTheTextAndWaitsForAnyLine)
{
    CapturedLog log(1);
    ScriptedConsole console({"anything"});
    Prompts(console).showMessage("The catalogue moved.");
    EXPECT_EQ(console.text(), "\n\nThe catalogue moved.\n" + Messages::get("message_press_enter") + " <anything>\n");
    EXPECT_EQ(log.text(), "The catalogue moved.\n");
}

class TextDialogTermination : public WizardTest {};

TEST_F(TextDialogTermination, ASignalRecordedBeforeAPromptEndsItBeforeReading)
{
    const std::pair<const char*, std::function<void(Prompts&)>> prompts[] = {
        {"header", [](Prompts& p) { p.showHeader("Title"); }},
        {"action", [](Prompts& p) { p.askAction("F/q", "F"); }},
        {"text", [](Prompts& p) { p.askText("Name", ""); }},
        {"enter", [](Prompts& p) { p.showMessage("Read this."); }},
        {"password", [](Prompts& p) { p.askPassword("Password", ""); }},
    };
    for (const auto& prompt : prompts) {
        SCOPED_TRACE(prompt.first);
        Progress::resetTermination();
        ScriptedConsole console({"q", "q", "q"});
        Prompts dialog(console);
        Progress::onSignal(SIGINT);
        EXPECT_THROW(prompt.second(dialog), Progress::Interrupted);
        EXPECT_EQ(console.linesRead() + console.passwordsRead(), 0);
    }
}

}  // namespace
