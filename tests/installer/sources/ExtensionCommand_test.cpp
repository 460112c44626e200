#include "installer/sources/ExtensionCommand.h"

#include "common/Command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

TEST(ExtensionCommand, CodesAndUrlsFitForACommandLine)
{
    struct Case {
        const char* text;
        bool code;
        bool url;
    };
    const Case cases[] = {
        {"backup-manager-2", true, false},
        {"Backup", true, false},
        {"", false, false},
        {"a;rm -rf /", false, false},
        {"under_score", false, false},
        {"dot.ted", false, false},
        {"https://ext.zarni.example/get?id=1&x='y'", false, true},
        {"http://ext.zarni.example/a.zip", false, true},
        {"HTTPS://ext.zarni.example/a.zip", false, false},
        {"file:///etc/shadow", false, false},
        {"ftp://ext.zarni.example/a.zip", false, false},
        {"https://", false, false},
        {"https:///path", false, false},
        {"https://ext.zarni.example/a b", false, false},
        {"https://ext.zarni.example/a\tb", false, false},
        {"https://ext.zarni.example/a\nb", false, false},
        {"https://ext.zarni.example/a\x7f", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ExtensionCommand::isValidCode(c.text), c.code);
        EXPECT_EQ(ExtensionCommand::isValidDownloadUrl(c.text), c.url);
    }
}

// The shell hands every argument on unchanged and sets the variable for the
// command alone.
TEST(ExtensionCommand, CommandLineQuotesEachArgument)
{
    const std::string line = ExtensionCommand::commandLine({"--upgrade-url", "https://h/x?a='1'&b=$(id)"});
    EXPECT_EQ(line, "ZARNI_INTERNAL_PHP_EXEC=1 /usr/local/kvo/bin/extension '--upgrade-url' "
                    "'https://h/x?a='\\''1'\\''&b=$(id)'");
    const std::string echoed = "printf '%s|'" + line.substr(line.find(" '--upgrade-url'"));
    std::ostringstream output;
    EXPECT_EQ(executeCommand(echoed, false, true, &output), 0);
    EXPECT_EQ(output.str(), "--upgrade-url|https://h/x?a='1'&b=$(id)|");
}
