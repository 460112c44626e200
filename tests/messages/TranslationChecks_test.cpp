// The checks every translated table passes, one test per family of rules, over
// every language whose tables are written; a language lands already checked.
// What a language's rules allow where English does otherwise is data named by
// behaviour, in tests/data/messages/<code>/departures.txt (README beside it).
#include "tests/messages/TranslationTables.h"

#include <gtest/gtest.h>

#include <boost/format.hpp>
#include <boost/regex.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace translation;

// Calls `check` with every text of every written translated table.
template <class Check>
void forEachTranslatedText(Check check)
{
    for (const Language* language : writtenLanguages())
        for (Set set : allSets())
            for (const auto& pair : table(*language, set)) {
                SCOPED_TRACE(language->code + " " + nameOf(set) + " " + pair.first);
                const auto english = englishTable(set).find(pair.first);
                if (english == englishTable(set).end()) continue;  // the keys test names it
                check(*language, set, pair.first, pair.second, english->second);
            }
}

// ---- keys -------------------------------------------------------------------

// The keys a table's source file lists, in order, duplicates included.
std::vector<std::string> keysInSource(const std::string& code, Set set)
{
    const std::string source = readFile(std::string(KW_SOURCE_DIR) + "/messages/" + nameOf(set) + "_" + code + ".cpp");
    static const boost::regex pair("\\{\\s*\"([A-Za-z0-9_]+)\",");
    std::vector<std::string> keys;
    for (boost::sregex_iterator it(source.begin(), source.end(), pair), end; it != end; ++it) keys.push_back((*it)[1]);
    return keys;
}

TEST(TranslationChecks, KeysOfEveryWrittenTableAreThoseOfItsEnglishSet)
{
    for (const Language& language : languages()) {
        for (Set set : allSets()) {
            SCOPED_TRACE(language.code + " " + nameOf(set));
            const std::vector<std::string> listed = keysInSource(language.code, set);
            std::set<std::string> seen;
            for (const std::string& key : listed) EXPECT_TRUE(seen.insert(key).second) << "listed twice: " << key;
            const Table& written = table(language, set);
            if (language.code == english().code || written.empty()) continue;
            std::set<std::string> keys;
            for (const auto& pair : written) keys.insert(pair.first);
            const std::set<std::string> expected = translatedKeys(set);
            for (const std::string& key : expected) EXPECT_EQ(keys.count(key), 1u) << "missing: " << key;
            for (const std::string& key : keys) EXPECT_EQ(expected.count(key), 1u) << "not of the set: " << key;
        }
    }
}

TEST(TranslationChecks, LanguagesAreWrittenWhole)
{
    for (const Language* language : writtenLanguages())
        for (Set set : allSets()) EXPECT_FALSE(table(*language, set).empty()) << language->code << " " << nameOf(set);
}

// ---- encoding ---------------------------------------------------------------

// Characters that do not show, or show like others: a text holds them only
// where its language's rules place them (behaviour "uses-character").
bool isSpecialCharacter(std::uint32_t code)
{
    return code == 0x00A0 || code == 0x00AD || code == 0x061C || (code >= 0x2000 && code <= 0x200F) ||
           (code >= 0x2010 && code <= 0x2011) || (code >= 0x202A && code <= 0x202F) ||
           (code >= 0x2060 && code <= 0x206F) || code == 0x3000 || code == 0xFEFF;
}

std::string codeName(std::uint32_t code)
{
    char name[12];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
    return name;
}

void checkEncoding(const LanguageData* data, Set set, const std::string& key, const std::string& text)
{
    std::vector<std::uint32_t> points;
    try {
        points = codePoints(text);
    } catch (const std::runtime_error& failure) {
        ADD_FAILURE() << "not UTF-8: " << failure.what();
        return;
    }
    for (std::uint32_t code : points) {
        const bool allowed = data && [&] {
            for (const Departure* row : data->departures("uses-character", set, key))
                if (row->value == codeName(code)) return true;
            return false;
        }();
        if (code == '\n' || allowed) continue;
        EXPECT_FALSE(code < 0x20 || (code >= 0x7F && code < 0xA0)) << "control character " << codeName(code);
        EXPECT_FALSE(code == 0x2028 || code == 0x2029) << "line or paragraph separator " << codeName(code);
        EXPECT_FALSE(isSpecialCharacter(code)) << "special character " << codeName(code) << " in " << shown(text);
    }
}

TEST(TranslationChecks, TextsAreCleanUtf8)
{
    for (Set set : allSets())
        for (const auto& pair : englishTable(set)) {
            SCOPED_TRACE(std::string("en_US ") + nameOf(set) + " " + pair.first);
            checkEncoding(nullptr, set, pair.first, pair.second);
        }
    forEachTranslatedText([](const Language& language, Set set, const std::string& key, const std::string& text,
                             const std::string&) { checkEncoding(&dataOf(language.code), set, key, text); });
}

// ---- directives ---------------------------------------------------------------

struct Directives {
    int plain = 0;                // "%s"
    std::multiset<int> numbered;  // "%1%" ...
    bool stray = false;           // any other "%" sequence
};

Directives directivesOf(const std::string& text)
{
    Directives found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (i + 1 < text.size() && text[i + 1] == 's') {
            ++found.plain;
            ++i;
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
        if (end > i + 1 && end < text.size() && text[end] == '%') {
            found.numbered.insert(std::stoi(text.substr(i + 1, end - i - 1)));
            i = end;
            continue;
        }
        found.stray = true;
    }
    return found;
}

// The help texts that the command help formats with the product id, a version
// and a release id, as many of them as a text names.
bool isCommandHelp(const std::string& key) { return key.rfind("usage_", 0) == 0; }

std::string formatWithArguments(const std::string& text, int arguments, bool surplusAllowed)
{
    boost::format format(text);
    format.exceptions(surplusAllowed ? boost::io::all_error_bits ^ boost::io::too_many_args_bit
                                     : boost::io::all_error_bits);
    for (int i = 1; i <= arguments; ++i) format % ("<arg" + std::to_string(i) + ">");
    return format.str();
}

TEST(TranslationChecks, DirectivesMatchTheEnglishText)
{
    forEachTranslatedText([](const Language&, Set set, const std::string& key, const std::string& text,
                             const std::string& englishText) {
        const Directives english = directivesOf(englishText);
        const Directives translated = directivesOf(text);
        const bool formatted = set != Set::web || english.plain > 0;
        if (!formatted) {
            // Web texts are not formatted: a directive would show as it is.
            EXPECT_EQ(translated.plain, 0) << shown(text);
            EXPECT_TRUE(translated.numbered.empty()) << shown(text);
            return;
        }
        EXPECT_FALSE(translated.stray) << "stray %: " << shown(text);
        EXPECT_EQ(translated.plain, english.plain) << shown(text);
        if (isCommandHelp(key)) {
            for (int number : translated.numbered) EXPECT_TRUE(number >= 1 && number <= 3) << shown(text);
            EXPECT_NO_THROW(formatWithArguments(text, 3, true)) << shown(text);
            return;
        }
        EXPECT_EQ(translated.numbered, english.numbered) << shown(text);
        std::string result;
        EXPECT_NO_THROW(result = formatWithArguments(text, english.plain, false)) << shown(text);
        for (int i = 1; i <= english.plain; ++i)
            EXPECT_NE(result.find("<arg" + std::to_string(i) + ">"), std::string::npos) << shown(text);
    });
}

// The command help as the program assembles it: the description of a command,
// its explanations and its example text, formatted as one text.
TEST(TranslationChecks, AssembledCommandHelpFormats)
{
    const std::vector<std::vector<std::string>> commands = {
        {"usage_cmd_version"},
        {"usage_cmd_help"},
        {"usage_cmd_list_all"},
        {"usage_cmd_list", "\n\n", "usage_selector", "\n", "usage_cmd_list_tail"},
        {"usage_cmd_install", "\n\n", "usage_components", "\n", "usage_selector", "\n", "usage_cmd_install_tail"},
        {"usage_cmd_upgrade", "\n\n", "usage_selector", "\n", "usage_cmd_upgrade_tail"},
        {"usage_cmd_update", "\n\n", "usage_product", "\n", "usage_cmd_update_tail"},
        {"usage_cmd_add", "\n\n", "usage_components", "\n", "usage_product", "\n", "usage_cmd_add_remove_tail"},
        {"usage_cmd_remove", "\n\n", "usage_components", "\n", "usage_product", "\n", "usage_cmd_add_remove_tail"},
        {"usage_cmd_stop"},
    };
    std::vector<const Language*> checked = writtenLanguages();
    checked.insert(checked.begin(), &english());
    for (const Language* language : checked) {
        Messages::messages_rep catalogue(language == &english() ? "C" : language->code + ".UTF-8");
        for (const auto& parts : commands) {
            SCOPED_TRACE(language->code + " " + parts.front());
            std::string text;
            for (const std::string& part : parts) text += part.rfind("usage_", 0) == 0 ? catalogue.getMessage(part.c_str()) : part;
            boost::format format(text);
            format.exceptions(boost::io::all_error_bits ^ boost::io::too_many_args_bit);
            std::string help;
            EXPECT_NO_THROW(help = (format % "zarni" % "12.5.30" % "ZARNI_12_5_30").str()) << shown(text);
            EXPECT_EQ(help.find('%'), std::string::npos) << shown(help);
        }
    }
}

// ---- tokens -------------------------------------------------------------------

// Words that name a thing of the program or the system, wherever they stand.
const std::vector<std::string>& codeNames()
{
    static const std::vector<std::string> names = {
        "DebVersion", "Regexp", "ComponentManager", "getMatch", "matchSub", "getNumSubexpr", "readInfo()", "match()",
        "fork()", "exec()", "installer_file_name", "apt-get", "dpkg-query", "dpkg", "rpm", "librpm", "Yum", "curl",
        "Zarni", "Tenebrin", "kestavine"};
    return names;
}

// Upper-case words a language writes in its own words (labels, usage-line words).
bool isTranslatableWord(const std::string& word)
{
    static const std::set<std::string> words = {"IMPORTANT", "WARNING", "ENTER", "COMMAND", "OPTIONS"};
    return words.count(word) > 0;
}

void addStripped(std::set<std::string>& tokens, std::string token)
{
    while (!token.empty() && std::string(".,:;").find(token.back()) != std::string::npos) token.pop_back();
    if (!token.empty()) tokens.insert(token);
}

// What the operator types, and what names a thing of the program or the system,
// in an English text: these stand in every translation as they are.
std::set<std::string> literalTokens(const std::string& text)
{
    std::set<std::string> tokens;
    for (const std::string& option : optionsIn(text)) tokens.insert(option);
    static const boost::regex patterns[] = {
        boost::regex("https?://[^\\s<>\"')]+"),
        boost::regex("(?<![\\w.])/[A-Za-z0-9_./-]*[A-Za-z0-9_/]"),
        boost::regex("[A-Za-z0-9_-]*\\.(?:inf3|pem|cpp|html|kitwrightrc)\\b"),
        boost::regex("(?<![\\w'])\\d+(?:\\.\\d+)*(?![\\w])"),
    };
    for (const boost::regex& pattern : patterns)
        for (boost::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
            addStripped(tokens, it->str());
    static const boost::regex upper("(?<![\\w-])[A-Z][A-Z0-9_]{2,}(?![\\w-])");
    for (boost::sregex_iterator it(text.begin(), text.end(), upper), end; it != end; ++it)
        if (!isTranslatableWord(it->str())) tokens.insert(it->str());
    // A value, command or name between apostrophes, or a lower-case value between
    // double quotes; a quoted phrase with a translatable word counts word by word.
    static const boost::regex quoted("(?:^|(?<=[\\s(]))'([^'\\n]+?)'(?=[\\s.,:;)]|$)|\"([a-z0-9_.,%-]+)\"");
    for (boost::sregex_iterator it(text.begin(), text.end(), quoted), end; it != end; ++it) {
        const std::string content = (*it)[1].matched ? (*it)[1].str() : (*it)[2].str();
        std::istringstream words(content);
        std::vector<std::string> parts;
        for (std::string word; words >> word;) parts.push_back(word);
        if (std::none_of(parts.begin(), parts.end(), isTranslatableWord)) {
            tokens.insert(content);
        } else {
            for (const std::string& word : parts)
                if (!isTranslatableWord(word)) tokens.insert(word);
        }
    }
    for (const std::string& name : codeNames()) {
        const boost::regex whole("(?<![\\w-])" + boost::regex_replace(name, boost::regex("[()]"), "\\\\$&") +
                                 "(?![\\w-])");
        if (boost::regex_search(text, whole)) tokens.insert(name);
    }
    return tokens;
}

TEST(TranslationChecks, LiteralTokensStandAsInEnglish)
{
    forEachTranslatedText([](const Language& language, Set set, const std::string& key, const std::string& text,
                             const std::string& englishText) {
        const LanguageData& data = dataOf(language.code);
        for (const std::string& token : literalTokens(englishText)) {
            bool leftOut = false;
            for (const Departure* row : data.departures("leaves-out-token", set, key)) leftOut = leftOut || row->value == token;
            if (!leftOut) EXPECT_NE(text.find(token), std::string::npos) << "token " << token << " in " << shown(text);
        }
        for (const std::string& named : optionsIn(text))
            EXPECT_TRUE(describedOptions().count(named) || optionsOfOtherPrograms().count(named))
                << named << " is no option of the program";
    });
}

// The wizard reads the letter of a legend, and Y or N for yes and no, in every
// language.
TEST(TranslationChecks, WizardLettersStandAsInEnglish)
{
    forEachTranslatedText([](const Language& language, Set set, const std::string& key, const std::string& text,
                             const std::string& englishText) {
        if (key == "yesno_retry") {
            for (const char* letter : {"Y", "N"})
                EXPECT_TRUE(boost::regex_search(text, boost::regex(std::string("(?<![A-Za-z])") + letter + "(?![A-Za-z])")))
                    << letter << " in " << shown(text);
        }
        if (key.rfind("wizard_legend_", 0) != 0 || key == "wizard_legend_header") return;
        std::string gap = " ";
        for (const Departure* row : dataOf(language.code).departures("legend-letter-gap", set, key)) gap = row->value;
        const std::string letter = englishText.substr(0, 3);
        EXPECT_EQ(text.substr(0, 3 + gap.size()), letter + gap) << shown(text);
        EXPECT_TRUE(text.size() > 3 + gap.size() && text[3 + gap.size()] != ' ') << shown(text);
    });
}

// ---- edges --------------------------------------------------------------------

std::string leadingEdge(const std::string& text)
{
    return text.substr(0, std::min(text.size(), text.find_first_not_of(" \n")));
}

// Blanks just before a line break do not count.
std::string trailingEdge(const std::string& text)
{
    const std::size_t last = text.find_last_not_of(" \n");
    const std::string edge = last == std::string::npos ? text : text.substr(last + 1);
    std::string normalised;
    for (std::size_t i = 0; i < edge.size(); ++i)
        if (!(edge[i] == ' ' && edge.find_first_not_of(' ', i) != std::string::npos &&
              edge[edge.find_first_not_of(' ', i)] == '\n'))
            normalised += edge[i];
    return normalised;
}

TEST(TranslationChecks, EdgesJoinAsTheEnglishOnes)
{
    forEachTranslatedText([](const Language& language, Set set, const std::string& key, const std::string& text,
                             const std::string& englishText) {
        const LanguageData& data = dataOf(language.code);
        std::string leading = leadingEdge(englishText);
        std::string trailing = trailingEdge(englishText);
        for (const Departure* row : data.departures("starts-with", set, key)) leading = row->value;
        for (const Departure* row : data.departures("ends-with", set, key)) trailing = trailingEdge(row->value);
        EXPECT_EQ(shown(leadingEdge(text)), shown(leading)) << shown(text);
        EXPECT_EQ(shown(trailingEdge(text)), shown(trailing)) << shown(text);
    });
}

// The help sections describe the options of the English ones, in the same order,
// each option line indented as the English one (or as the language's rules say).
TEST(TranslationChecks, HelpSectionsListTheEnglishOptions)
{
    // A left-to-right mark before the option name takes no column.
    const boost::regex optionLine("^( *)(?:\xE2\x80\x8E)?(--[a-z0-9][a-z0-9-]*)");
    auto optionLines = [&](const std::string& text) {
        std::vector<std::pair<std::size_t, std::string>> lines;
        for (boost::sregex_iterator it(text.begin(), text.end(), optionLine), end; it != end; ++it)
            if ((*it)[1].length() < 12) lines.emplace_back((*it)[1].length(), (*it)[2].str());
        return lines;
    };
    for (const Language* language : writtenLanguages()) {
        const Table& translated = table(*language, Set::installer);
        for (const std::string& key : optionSections()) {
            SCOPED_TRACE(language->code + " " + key);
            const auto found = translated.find(key);
            if (found == translated.end()) continue;
            std::size_t lowest = 4, highest = 4;
            for (const Departure* row : dataOf(language->code).departures("option-indent", Set::installer, key)) {
                lowest = std::stoul(row->value.substr(0, row->value.find('-')));
                highest = std::stoul(row->value.substr(row->value.find('-') + 1));
            }
            std::vector<std::string> names, englishNames;
            for (const auto& line : optionLines(found->second)) {
                // A wrapped description line that a language's layout starts with an option name.
                bool described = false;
                for (const Departure* row : dataOf(language->code).departures("not-an-option-line", Set::installer, key))
                    described = described || row->value == line.second;
                // Example commands and descriptions that a language's layout indents this deep.
                for (const Departure* row : dataOf(language->code).departures("example-line-indent", Set::installer, key))
                    described = described || (line.first >= std::stoul(row->value.substr(0, row->value.find('-'))) &&
                                              line.first <= std::stoul(row->value.substr(row->value.find('-') + 1)));
                if (described) continue;
                names.push_back(line.second);
                EXPECT_TRUE(line.first >= lowest && line.first <= highest) << line.second << " indented by " << line.first;
            }
            for (const auto& line : optionLines(englishTable(Set::installer).at(key))) englishNames.push_back(line.second);
            // A language's help may describe an option in another section than English does.
            auto drop = [&](std::vector<std::string>& from, const char* behaviour) {
                for (const Departure* row : dataOf(language->code).departures(behaviour, Set::installer, key))
                    from.erase(std::remove(from.begin(), from.end(), row->value), from.end());
            };
            drop(names, "adds-option");
            drop(englishNames, "leaves-out-option");
            if (dataOf(language->code).has("examples-at-option-indent", Set::installer, key)) {
                // Example and wrapped lines begin where the option lines do, so the
                // English options need only stand, in order, among the lines found.
                auto next = names.begin();
                for (const std::string& name : englishNames) {
                    next = std::find(next, names.end(), name);
                    EXPECT_NE(next, names.end()) << name << " missing or out of order";
                    if (next != names.end()) ++next;
                }
            } else {
                EXPECT_EQ(names, englishNames);
            }
        }
    }
}

// ---- markup and script texts of the web set ---------------------------------

std::vector<std::string> tagsOf(const std::string& text)
{
    static const boost::regex tag("<[^>]*>");
    std::vector<std::string> tags;
    for (boost::sregex_iterator it(text.begin(), text.end(), tag), end; it != end; ++it) tags.push_back(it->str());
    return tags;
}

// The tags as a browser reads XHTML-style markup in an HTML page: "<br/>" is "<br>", the
// slash before the end of a start tag is ignored, and a single-quoted attribute value
// is the double-quoted one.
std::vector<std::string> asHtmlTags(std::vector<std::string> tags)
{
    for (std::string& tag : tags) {
        if (tag.size() > 2 && tag[1] != '/' && tag[tag.size() - 2] == '/') tag.erase(tag.size() - 2, 1);
        for (char& c : tag)
            if (c == '\'') c = '"';
    }
    return tags;
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// The tags of the English text, less one of each that the language's rules leave
// out of this text (a line break its shorter sentences do not need).
std::vector<std::string> englishTagsKept(const std::string& code, Set set, const std::string& key,
                                         const std::string& englishText)
{
    std::vector<std::string> tags = tagsOf(englishText);
    for (const Departure* row : dataOf(code).departures("leaves-out-tag", set, key)) {
        const auto found = std::find(tags.begin(), tags.end(), row->value);
        if (found != tags.end()) tags.erase(found);
    }
    return tags;
}

TEST(TranslationChecks, WebMarkupAndScriptTextsKeepTheirForm)
{
    const std::set<std::string> confirmations = {"web_iup_cancel_confirm", "web_ac_cancel_confirm",
                                                 "web_uc_cancel_confirm", "web_install_cancel_confirm"};
    const std::set<std::string> scriptTexts = {
        "web_show_only_installed", "web_components_to_be_installed", "web_components_to_be_removed",
        "web_components_dropdown_to_install", "web_components_dropdown_delete",
        "web_components_dropdown_leave_installed", "web_components_dropdown_do_not_install",
        "web_components_uninstall_not_supported", "web_components_group_hint_selected"};
    forEachTranslatedText([&](const Language& language, Set set, const std::string& key, const std::string& text,
                              const std::string& englishText) {
        if (set != Set::web) return;
        const std::vector<std::string> expected = englishTagsKept(language.code, set, key, englishText);
        if (dataOf(language.code).has("xhtml-markup", set, key))
            EXPECT_EQ(asHtmlTags(tagsOf(text)), expected) << shown(text);
        else
            EXPECT_EQ(tagsOf(text), expected) << shown(text);
        if (confirmations.count(key)) {
            // Between apostrophes of a script literal inside a double-quoted attribute.
            EXPECT_EQ(text.find('"'), std::string::npos) << shown(text);
            std::size_t lineBreaks = 1;
            for (const Departure* row : dataOf(language.code).departures("confirmation-line-breaks", set, key))
                lineBreaks = std::stoul(row->value);
            EXPECT_EQ(occurrences(text, "\\n"), lineBreaks) << shown(text);
            for (std::size_t at = text.find('\\'); at != std::string::npos; at = text.find('\\', at + 2))
                EXPECT_TRUE(at + 1 < text.size() && (text[at + 1] == 'n' || text[at + 1] == '\'')) << shown(text);
            for (std::size_t at = text.find('\''); at != std::string::npos; at = text.find('\'', at + 1))
                EXPECT_TRUE(at > 0 && text[at - 1] == '\\') << "bare apostrophe in " << shown(text);
        }
        if (scriptTexts.count(key)) {
            EXPECT_EQ(text.find_first_of("'\n\\"), std::string::npos) << shown(text);
        }
        if (key == "web_components_group_hint_selected") {
            EXPECT_EQ(occurrences(text, "#{selected}"), 1u) << shown(text);
            EXPECT_EQ(occurrences(text, "#{total}"), 1u) << shown(text);
            EXPECT_EQ(occurrences(text, "#{"), 2u) << shown(text);
        }
    });
}

// ---- not left untranslated ------------------------------------------------------

TEST(TranslationChecks, OnlyTheAllowedTextsEqualEnglish)
{
    // Equal in every language: the empty text, and the full stop after a link.
    const std::set<std::pair<std::string, std::string>> everywhere = {{"installer", "error_rep_none"},
                                                                      {"web", "web_warn_server_end"}};
    for (const Language* language : writtenLanguages()) {
        for (Set set : allSets()) {
            SCOPED_TRACE(language->code + " " + nameOf(set));
            std::set<std::string> equal, allowed;
            for (const auto& pair : table(*language, set)) {
                const auto english = englishTable(set).find(pair.first);
                if (english != englishTable(set).end() && english->second == pair.second) equal.insert(pair.first);
                if (everywhere.count({nameOf(set), pair.first}) ||
                    dataOf(language->code).has("keeps-english-text", set, pair.first))
                    allowed.insert(pair.first);
            }
            EXPECT_EQ(equal, allowed);
        }
    }
}

// ---- reference texts ------------------------------------------------------------

TEST(TranslationChecks, QuotedTextsMatchByteForByte)
{
    for (const Language* language : writtenLanguages()) {
        for (const ReferenceText& reference : dataOf(language->code).references()) {
            SCOPED_TRACE(reference.line);
            Set set = Set::installer;
            for (Set candidate : allSets())
                if (reference.set == nameOf(candidate)) set = candidate;
            EXPECT_EQ(reference.set, nameOf(set));
            const Table& written = table(*language, set);
            const auto found = written.find(reference.key);
            ASSERT_NE(found, written.end()) << reference.key;
            EXPECT_EQ(shown(found->second), shown(reference.text));
            EXPECT_EQ(found->second, reference.text);
        }
    }
}

// ---- the catalogue of each language ----------------------------------------------

// A language's locale name selects its tables; one not written yet shows English.
// The English-only installer keys show English in every language.
TEST(TranslationChecks, EachLocaleNameSelectsItsLanguage)
{
    for (const Language& language : languages()) {
        if (language.code == english().code) continue;
        SCOPED_TRACE(language.code);
        const Messages::messages_rep catalogue(language.code + ".UTF-8");
        EXPECT_EQ(catalogue.locale, language.code + ".UTF-8");
        for (Set set : allSets())
            for (const auto& pair : englishTable(set)) {
                const auto written = table(language, set).find(pair.first);
                const std::string& expected = written == table(language, set).end() ? pair.second : written->second;
                EXPECT_EQ(catalogue.messages.at(pair.first), expected) << pair.first;
            }
        for (const std::string& key : englishOnlyKeys())
            EXPECT_EQ(catalogue.messages.at(key), englishTable(Set::installer).at(key)) << key;
    }
}

}  // namespace
