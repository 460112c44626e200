#include "installer/params/Placeholders.h"

#include "tests/common/ScopedLocale.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

TEST(Placeholders, ScanRules)
{
    const std::map<std::string, std::string> known = {{"a", "[a]"}, {"b", "B"}, {"empty", ""}};
    const auto lookup = [&known](const std::string& name, std::string& value) {
        const auto it = known.find(name);
        if (it == known.end()) return false;
        value = it->second;
        return true;
    };
    const std::pair<const char*, const char*> cases[] = {
        {"[b] and [b]", "B and B"},
        {"[a]", "[a]"},               // an inserted value is not scanned again
        {"[a][b]", "[a]B"},
        {"[y] [b]", "[y] B"},         // unknown names stay
        {"[[b]", "[[b]"},             // the name runs from the first "[" to the next "]"
        {"x[empty]y[b]", "xyB"},
        {"[b", "[b"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(replacePlaceholders(c.first, lookup), c.second);
    }
}

TEST(Placeholders, LocaleOfTheMessageCatalogue)
{
    const ScopedLocale english("en_US.UTF-8");
    EXPECT_EQ(substitute_builtin_placeholders("https://zarni.example/[LOCALE]/[locale]/[x]"),
              "https://zarni.example/en-US/[locale]/[x]");
}
