// The bash completion script resources/kitwright-completion.bash, driven by bash
// itself against the built program in a private host.

#include "tests/installer/startup/ProgramHost.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string script = std::string(KW_SOURCE_DIR) + "/resources/kitwright-completion.bash";

// The command words of the command syntax, in the order of its table.
const std::vector<std::string> commandWords = {"version", "help",   "list-all", "list", "install",
                                               "upgrade", "update", "add",      "remove", "stop"};

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

// The completion function called as bash calls it: COMPREPLY, one per line.
std::string completionCall(const std::string& words, int current)
{
    return ". " + script + "; COMP_WORDS=(" + words + "); COMP_CWORD=" + std::to_string(current) +
           "; _kitwright; printf '%s\\n' \"${COMPREPLY[@]}\"";
}

}  // namespace

TEST(CompletionScript, TheWordsAreTheCommandTable)
{
    ProgramHost host;
    std::string checks = "set -e; . " + script + "; printf '%s\\n' $_kitwright_commands;";
    for (const std::string& word : commandWords) checks += " kitwright help " + word + " -c >/dev/null;";
    const PrivateHostResult result = host.script(checks);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(words(result.out), commandWords);

    const PrivateHostResult unknown = host.script("kitwright help frobnicate -c");
    EXPECT_NE(unknown.exitCode, 0);
}

TEST(CompletionScript, TheFunctionAsBashCallsIt)
{
    ProgramHost host;
    struct Case {
        const char* name;
        std::string words;
        int current;
        ::testing::Matcher<std::vector<std::string>> reply;
    };
    const std::vector<Case> cases = {
        {"first word", "kitwright ins", 1, ElementsAre("install")},
        {"first word, several", "kitwright li", 1, ElementsAre("list-all", "list")},
        {"help takes a command", "kitwright help up", 2, ElementsAre("upgrade", "update")},
        {"help takes one word only", "kitwright help install \"\"", 3, ElementsAre()},
        {"options of the command", "kitwright install --w", 2, ElementsAre("--with", "--without")},
        {"every option of the command", "kitwright install -", 2,
         ElementsAre("--preset", "--with", "--without", "--components", "--options", "--dry-run")},
        {"no options for a selector word", "kitwright install zar", 2, ElementsAre()},
        {"an unknown command", "kitwright frobnicate --x", 2, ElementsAre()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrivateHostResult result = host.script(completionCall(c.words, c.current));
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_THAT(words(result.out), c.reply);
        EXPECT_EQ(result.err, "");
    }
}

// A user the program refuses gets no completion and sees nothing printed.
TEST(CompletionScript, NothingWhenTheProgramFails)
{
    ProgramHost host;
    const PrivateHostResult result = host.script(completionCall("kitwright install --pr", 2), kOtherUser);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "\n");
    EXPECT_EQ(result.err, "");
}

// An interactive bash in a detached tmux pane: what Tab does on the screen.
TEST(CompletionScript, TabInAnInteractiveShell)
{
    ProgramHost host;
    // The prompt command signals tmux each time the shell is ready for a line; a
    // line is always sent after the signal of the previous one, and readline
    // handles the keys of one line (Tab included) in order.
    const std::string tmux = "tmux -S /tmp/tmux.socket";
    const std::string text = "set -e\ntrap '" + tmux + " kill-server 2>/dev/null' EXIT\n" + tmux + " new-session -d -s kw -x 160 -y 50 'bash --norc -i'\n" + tmux +
                             " send-keys -t kw \"PS1='$ '; PROMPT_COMMAND='" + tmux + " wait-for -S ready'; . " +
                             script + "\" Enter\n" + tmux + " wait-for ready\n" + tmux +
                             " send-keys -t kw clear Enter\n" + tmux + " wait-for ready\n" + tmux +
                             " send-keys -t kw 'kitwright ins' Tab C-a 'echo [' C-e ']' Enter\n" + tmux +
                             " wait-for ready\n" + tmux +
                             " send-keys -t kw 'kitwright install --pr' Tab C-a 'echo [' C-e ']' Enter\n" + tmux +
                             " wait-for ready\n" + tmux +
                             " send-keys -t kw 'kitwright help ' Tab Tab C-a 'echo [' C-e ']' Enter\n" + tmux +
                             " wait-for ready\n" + tmux + " capture-pane -p -t kw\n";
    const PrivateHostResult result = host.script(text);
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("\n[kitwright install ]\n"));
    EXPECT_THAT(result.out, HasSubstr("\n[kitwright install --preset ]\n"));
    EXPECT_THAT(result.out, HasSubstr("\n[kitwright help ]\n"));
    // The candidates bash listed for "help " are the command words.
    // capture-pane drops the blanks at line ends.
    const std::string::size_type start = result.out.find("$ kitwright help\n");
    ASSERT_NE(start, std::string::npos) << result.out;
    const std::string::size_type end = result.out.find("$ echo [kitwright help ]", start);
    ASSERT_NE(end, std::string::npos) << result.out;
    std::vector<std::string> listed = words(result.out.substr(start + 17, end - start - 17));
    std::vector<std::string> expected = commandWords;
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
}
