#pragma once

// The message tables as the table checks see them: each language's three tables,
// the English reference, and the per-language data under tests/data/messages/
// (the departures each language's rules allow, and the texts quoted for it; the
// README there says how a language adds its files).

#include "messages/MessageLoaders.h"
#include "tests/common/TestFiles.h"

#include <boost/regex.hpp>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace translation {

using Loader = std::function<void(Messages::messages_rep&)>;
using Table = std::map<std::string, std::string>;

enum class Set { installer, web, common };
inline const std::vector<Set>& allSets()
{
    static const std::vector<Set> sets = {Set::installer, Set::web, Set::common};
    return sets;
}
inline const char* nameOf(Set set)
{
    return set == Set::installer ? "installer" : set == Set::web ? "web" : "common";
}

struct Language {
    std::string code;
    Loader installer;
    Loader web;
    Loader common;
    const Loader& loader(Set set) const { return set == Set::installer ? installer : set == Set::web ? web : common; }
};

// Every language with its loaders, English first.
inline const std::vector<Language>& languages()
{
#define KW_TRANSLATION_LANGUAGE(code) \
    {#code, loadInstallerMessages_##code, loadWebMessages_##code, loadCommonMessages_##code},
    static const std::vector<Language> all = {KW_MESSAGE_LANGUAGES(KW_TRANSLATION_LANGUAGE)};
#undef KW_TRANSLATION_LANGUAGE
    return all;
}

// The keys and texts that one loader writes, taken from an otherwise empty catalogue.
inline Table tableOf(const Loader& loader)
{
    Messages::messages_rep catalogue("C");
    catalogue.messages.clear();
    loader(catalogue);
    return catalogue.messages;
}

inline const Table& table(const Language& language, Set set)
{
    static std::map<std::pair<std::string, Set>, Table> tables;
    const auto key = std::make_pair(language.code, set);
    auto found = tables.find(key);
    if (found == tables.end()) found = tables.emplace(key, tableOf(language.loader(set))).first;
    return found->second;
}

inline const Language& english() { return languages().front(); }
inline const Table& englishTable(Set set) { return table(english(), set); }

// The installer keys that only the English table holds; they show in English in
// every language.
inline const std::set<std::string>& englishOnlyKeys()
{
    static const std::set<std::string> keys = {"usage_opt_list_sources", "releases_install_latest_update",
                                                "releases_add_remove_components", "os_win_workstation_not_supported",
                                                "old_format_api_ext_catalog_feed"};
    return keys;
}

// The keys a translated table of the set holds.
inline std::set<std::string> translatedKeys(Set set)
{
    std::set<std::string> keys;
    for (const auto& pair : englishTable(set))
        if (set != Set::installer || !englishOnlyKeys().count(pair.first)) keys.insert(pair.first);
    return keys;
}

// The translated languages whose tables are written (a language not written yet
// has empty loaders and shows English).
inline std::vector<const Language*> writtenLanguages()
{
    std::vector<const Language*> written;
    for (const Language& language : languages()) {
        if (language.code == english().code) continue;
        for (Set set : allSets())
            if (!table(language, set).empty()) {
                written.push_back(&language);
                break;
            }
    }
    return written;
}

// Texts in the data files: \n line break, \t tab, \\ backslash, \uXXXX any
// character by its code point (the invisible ones are written so).
inline void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

inline std::string unescape(const std::string& written)
{
    std::string text;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] != '\\' || i + 1 == written.size()) {
            text += written[i];
            continue;
        }
        const char next = written[++i];
        if (next == 'n') {
            text += '\n';
        } else if (next == 't') {
            text += '\t';
        } else if (next == 'u' && i + 4 < written.size()) {
            appendUtf8(text, static_cast<std::uint32_t>(std::stoul(written.substr(i + 1, 4), nullptr, 16)));
            i += 4;
        } else {
            text += next;
        }
    }
    return text;
}

// The code points of a UTF-8 text; throws std::runtime_error on a malformed one.
inline std::vector<std::uint32_t> codePoints(const std::string& text)
{
    std::vector<std::uint32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) throw std::runtime_error("malformed UTF-8 at byte " + std::to_string(i));
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const unsigned char part = static_cast<unsigned char>(text[i + k]);
            if ((part >> 6) != 0x2) throw std::runtime_error("malformed UTF-8 at byte " + std::to_string(i + k));
            code = (code << 6) | (part & 0x3F);
        }
        const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            throw std::runtime_error("overlong or invalid code point at byte " + std::to_string(i));
        points.push_back(code);
        i += length;
    }
    return points;
}

// A text for a failure message: line breaks, tabs and non-ASCII blanks and marks
// written as escapes, so that what differs shows.
inline std::string shown(const std::string& text)
{
    std::string out;
    std::vector<std::uint32_t> points;
    try {
        points = codePoints(text);
    } catch (const std::runtime_error&) {
        return text;
    }
    for (std::uint32_t code : points) {
        if (code == '\n') {
            out += "\\n";
        } else if (code == '\t') {
            out += "\\t";
        } else if (code < 0x20 || (code >= 0x7F && code < 0xA1) || (code >= 0x2000 && code <= 0x206F) ||
                   code == 0xFEFF || code == 0x3000 || code == 0x061C) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(code));
            out += escape;
        } else {
            appendUtf8(out, code);
        }
    }
    return out;
}

// One row of a language's departures.txt: a behaviour the language's rules allow
// where the English text does otherwise.
struct Departure {
    std::string behaviour;
    std::string set;  // "installer", "web", "common" or "*"
    std::string key;  // a key or "*"
    std::string value;
    bool covers(Set inSet, const std::string& ofKey) const
    {
        return (set == "*" || set == nameOf(inSet)) && (key == "*" || key == ofKey);
    }
};

// One row of a language's reference-texts.txt: a text quoted for the language,
// which its table must hold byte for byte.
struct ReferenceText {
    std::string set;
    std::string key;
    std::string text;
    std::string line;  // where it is written, for the failure message
};

inline std::vector<std::vector<std::string>> dataRows(const std::string& path)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(readFile(path));
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab = line.find('\t'); ; tab = line.find('\t', start)) {
            fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        fields.push_back(path + ":" + std::to_string(number));
        rows.push_back(fields);
    }
    return rows;
}

inline std::string dataDirectory(const std::string& code) { return std::string(KW_TEST_DATA_DIR) + "/messages/" + code; }

class LanguageData {
public:
    explicit LanguageData(const std::string& code)
    {
        for (const auto& row : dataRows(dataDirectory(code) + "/departures.txt")) {
            if (row.size() < 4) throw std::runtime_error(row.back() + ": a departure needs a behaviour, a set and a key");
            departures_.push_back({row[0], row[1], row[2], row.size() > 4 ? unescape(row[3]) : std::string()});
        }
        for (const auto& row : dataRows(dataDirectory(code) + "/reference-texts.txt")) {
            if (row.size() != 4) throw std::runtime_error(row.back() + ": a reference text is a set, a key and a text");
            references_.push_back({row[0], row[1], unescape(row[2]), row[3]});
        }
    }

    // The departure rows of one behaviour that cover the key.
    std::vector<const Departure*> departures(const std::string& behaviour, Set set, const std::string& key) const
    {
        std::vector<const Departure*> found;
        for (const Departure& row : departures_)
            if (row.behaviour == behaviour && row.covers(set, key)) found.push_back(&row);
        return found;
    }
    bool has(const std::string& behaviour, Set set, const std::string& key) const
    {
        return !departures(behaviour, set, key).empty();
    }
    const std::vector<Departure>& allDepartures() const { return departures_; }
    const std::vector<ReferenceText>& references() const { return references_; }

private:
    std::vector<Departure> departures_;
    std::vector<ReferenceText> references_;
};

inline const LanguageData& dataOf(const std::string& code)
{
    static std::map<std::string, LanguageData> loaded;
    auto found = loaded.find(code);
    if (found == loaded.end()) found = loaded.emplace(code, LanguageData(code)).first;
    return found->second;
}

// The option syntax's help sections, in the order the option help prints them.
inline const std::vector<std::string>& optionSections()
{
    static const std::vector<std::string> keys = {
        "usage_install", "usage_remove", "usage_upgrade", "usage_selectors", "usage_list", "usage_feedback",
        "usage_download", "usage_proxy", "usage_override", "usage_no_warn", "usage_automation", "usage_web",
        "usage_console", "usage_obsolete", "usage_deprecated", "usage_logging", "usage_help"};
    return keys;
}

// Options of other programs that texts quote in their command lines, and the
// command option that the program only ignores.
inline const std::set<std::string>& optionsOfOtherPrograms()
{
    static const std::set<std::string> options = {"--add-architecture", "--configure", "--reinstall", "--repatch"};
    return options;
}

inline std::vector<std::string> optionsIn(const std::string& text)
{
    static const boost::regex option("--[a-z0-9%][a-z0-9-]*");
    std::vector<std::string> found;
    for (boost::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it) found.push_back(it->str());
    return found;
}

// The options the English help describes: those that begin an option line of a
// help section, and those the command help names.
inline const std::set<std::string>& describedOptions()
{
    static const std::set<std::string> described = [] {
        std::set<std::string> options = {"--%s"};
        const boost::regex optionLine("^ {2,4}(--[a-z0-9][a-z0-9-]*)");
        for (const auto& pair : englishTable(Set::installer)) {
            const std::string& key = pair.first;
            if (key.rfind("usage_cmd_", 0) == 0 || key == "usage_components" || key == "usage_verbose") {
                for (const std::string& option : optionsIn(pair.second)) options.insert(option);
            } else if (key.rfind("usage_", 0) == 0) {
                for (boost::sregex_iterator it(pair.second.begin(), pair.second.end(), optionLine), end; it != end; ++it)
                    options.insert((*it)[1].str());
            }
        }
        return options;
    }();
    return described;
}

}  // namespace translation
