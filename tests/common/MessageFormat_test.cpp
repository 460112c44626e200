#include "common/MessageFormat.h"

#include "common/Messages.h"
#include "tests/common/CapturedLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A translation whose directives do not fit never hides the message: the English
// text is formatted instead, with one warning that names the key and the language.
TEST(MessageFormat, TranslationThatDoesNotFitFallsBackToEnglish)
{
    struct Case {
        const char* name;
        const char* text;
        bool fits;
    } cases[] = {
        {"fits", "Zamknutí souboru %s selhalo: %s", true},
        {"one %s too many", "Zamknutí souboru %s selhalo: %s (%s)", false},
        {"one %s too few", "Zamknutí souboru %s selhalo", false},
        {"stray percent sign", "Zamknutí souboru %s selhalo na 100 %: %s", false},
        {"numbered beyond the arguments", "Soubor %1%: %3%", false},
    };
    const std::string english = (boost::format(Messages::englishText("err_lock_file")) % "/tmp/lock" % "busy").str();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CapturedLogLines log(1);
        const std::string shown = (MessageFormat("err_lock_file", c.text, "cs_CZ.UTF-8") % "/tmp/lock" % "busy").str();
        if (c.fits) {
            EXPECT_EQ(shown, "Zamknutí souboru /tmp/lock selhalo: busy");
            EXPECT_EQ(log.text(), "");
        } else {
            EXPECT_EQ(shown, english);
            EXPECT_NE(log.text().find("Warning: the text of the message err_lock_file in the language cs_CZ.UTF-8 "
                                      "does not fit its arguments"),
                      std::string::npos)
                << log.text();
            EXPECT_EQ(log.text().find('\n'), log.text().size() - 1) << "one warning line: " << log.text();
        }
    }
}

// Streamed into a log statement or an error, it formats the same way.
TEST(MessageFormat, StreamsItsText)
{
    std::ostringstream out;
    out << (MessageFormat("err_lock_file", "%s: %s", "xx") % "a" % 2);
    EXPECT_EQ(out.str(), "a: 2");
}

// When the English text does not fit either, the caller passed the wrong
// arguments: that format error leaves.
TEST(MessageFormat, EnglishThatDoesNotFitRaises)
{
    EXPECT_THROW((Messages::format("err_lock_file") % "only one").str(), boost::io::format_error);
    EXPECT_THROW((MessageFormat("err_lock_file", "%s %s %s", "cs_CZ.UTF-8") % "a").str(), boost::io::format_error);
}

}  // namespace
