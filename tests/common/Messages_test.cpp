#include "common/Messages.h"

#include "common/Log.h"
#include "tests/common/CompiledLocales.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TempDir.h"
#include "tests/messages/TranslationTables.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <locale>
#include <memory>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedConsole_ = Log::console;
        Log::console = &console;
        Log::openFile(dir.path() + "/log", true);
    }
    void TearDown() override
    {
        Log::stream.reset();
        // The console stream dies with the test: later tests must not write to it.
        Log::console = savedConsole_;
    }

    // How often the log file holds the text.
    std::size_t warningsAbout(const std::string& text) const
    {
        std::ifstream in(dir.path() + "/log");
        std::ostringstream file;
        file << in.rdbuf();
        const std::string all = file.str();
        std::size_t count = 0;
        for (std::size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1)) ++count;
        return count;
    }

    TempDir dir;
    std::ostringstream console;
    std::ostream* savedConsole_ = nullptr;
};

bool systemHasLocale(const char* name)
{
    try {
        std::locale probe(name);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

TEST_F(MessagesTest, LocaleNamesChooseTheCatalogue)
{
    struct Case {
        const char* requested;
        const char* catalogueLocale;
        bool unsupportedWarning;
        const char* title;  // the program's name in the chosen language
    } cases[] = {
        {"pt-BR", "pt_BR.UTF-8", false, "Instalador do Zarni"},
        {"pt_BR", "pt_BR.UTF-8", false, "Instalador do Zarni"},
        {"ar", "ar.UTF-8", false, "Zarni Installer"},
        {"ar_EG.UTF-8", "ar", false, "Zarni Installer"},
        {"ar_EGY.UTF-8", "en_US", true, "Zarni Installer"},
        {"en_US", "en_US.UTF-8", false, "Zarni Installer"},
        {"C", "en_US", true, "Zarni Installer"},  // becomes C.UTF-8, which is not one of the English names
        {"POSIX", "en_US", true, "Zarni Installer"},
        {"de", "en_US", true, "Zarni Installer"},
        {"de_DE.utf8", "en_US", true, "Zarni Installer"},
        {"de_DE.ISO-8859-1", "en_US", true, "Zarni Installer"},
        {"de_AT.UTF-8", "en_US", true, "Zarni Installer"},
        {"zh_TW.UTF-8", "zh_TW.UTF-8", false, "Zarni Installer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.requested);
        Log::openFile(dir.path() + "/log", true);
        Messages::setLocale(c.requested);
        EXPECT_EQ(Messages::getLocale(), c.catalogueLocale);
        EXPECT_EQ(warningsAbout(" is not supported, used en_US."), c.unsupportedWarning ? 1u : 0u);
        EXPECT_EQ(warningsAbout("Supported locales are: ar_*.UTF-8 ca_ES.UTF-8"), c.unsupportedWarning ? 1u : 0u);
        EXPECT_EQ(Messages::get("Kitwright"), c.title);
    }
}

TEST_F(MessagesTest, SetLocaleExportsTheNormalisedNameOrC)
{
    Messages::setLocale("pt-BR");
    const char* expected = systemHasLocale("pt_BR.UTF-8") ? "pt_BR.UTF-8" : "C";
    EXPECT_STREQ(std::getenv("LC_ALL"), expected);
    EXPECT_STREQ(std::getenv("LANG"), expected);

    // A name the system has no locale for falls back to "C" in the environment.
    Messages::setLocale("xx-YY");
    EXPECT_STREQ(std::getenv("LC_ALL"), "C");
    EXPECT_STREQ(std::getenv("LANG"), "C");
    EXPECT_EQ(warningsAbout("Warning: locale name xx_YY.UTF-8 is not valid, use 'C' instead"), 1u);
}

TEST_F(MessagesTest, UnknownKeyFallsBackWithOneWarning)
{
    Messages::setLocale("en_US");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Messages::get("no_such_key_here"), "no_such_key_here_(non_localized)");
    EXPECT_EQ(warningsAbout("Warning: unlocalized key no_such_key_here"), 1u);
}

TEST_F(MessagesTest, TextsStayValidAcrossLanguageSwitches)
{
    Messages::setLocale("en_US");
    const std::string& held = Messages::get("err_lock_locked");
    Messages::setLocale("de_DE");
    Messages::setLocale("fr-FR");
    // The reference taken before the switches still reads the English text.
    EXPECT_EQ(held, "Zarni Installer is already running.");
    Messages::setLocale("en_US");
    EXPECT_EQ(&Messages::get("err_lock_locked"), &held);
}

TEST_F(MessagesTest, ConcurrentLookupsWhileSwitching)
{
    Messages::setLocale("en_US");
    std::thread reader([] {
        for (int i = 0; i < 2000; ++i) {
            const std::string& text = Messages::get("install_ok");
            ASSERT_FALSE(text.empty());
            Messages::get(i % 2 ? "missing_key_a" : "missing_key_b");
        }
    });
    for (int i = 0; i < 50; ++i) Messages::setLocale(i % 2 ? "de_DE" : "en_US");
    reader.join();
    EXPECT_EQ(Messages::get("missing_key_a"), "missing_key_a_(non_localized)");
}

TEST_F(MessagesTest, LanguageList)
{
    const auto& languages = Messages::languages();
    ASSERT_EQ(languages.size(), 32u);
    EXPECT_EQ(languages.front(), std::make_pair(std::string("en_US"), std::string("English")));
    EXPECT_EQ(languages[1].first, "ar");
    EXPECT_EQ(languages[17], std::make_pair(std::string("nb_NO"), std::string("Norweigian")));
    EXPECT_EQ(languages.back(), std::make_pair(std::string("zh_TW"), std::string("Chinese (Traditional)")));
    for (std::size_t i = 2; i < languages.size(); ++i) EXPECT_LT(languages[i - 1].first, languages[i].first);
}

TEST_F(MessagesTest, FirstUseFollowsTheEnvironmentLocale)
{
    // A fresh child process, so that no catalogue exists yet when it asks.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("LC_ALL", "C", 1);
            const bool english = Messages::getLocale() == "C" && Messages::get("Kitwright") == "Zarni Installer";
            // Exit skips the fixture's destructor: its directory goes here.
            boost::filesystem::remove_all(dir.path());
            std::exit(english ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
            const bool fallback = Messages::getLocale() == "en_US" && std::string(std::getenv("LANG")) == "C";
            // Exit skips the fixture's destructor: its directory goes here.
            boost::filesystem::remove_all(dir.path());
            std::exit(fallback ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// The catalogue beside the system's own locales, compiled for the test: the
// machine may have none but C and POSIX.
// Its children end without running destructors: the fixture holds nothing that
// would then stay behind.
class MessagesWithRealLocales : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (compiledLocales().empty()) GTEST_SKIP() << "localedef could not compile the test locales";
        locpath_ = std::make_unique<ScopedEnvironment>("LOCPATH", compiledLocales());
    }

    std::unique_ptr<ScopedEnvironment> locpath_;
};

// One text of each message set, in the language the catalogue should show.
std::string mismatchedTexts(const std::string& code)
{
    using namespace translation;
    const Language* language = &english();
    for (const Language& candidate : languages())
        if (candidate.code == code) language = &candidate;
    std::string report;
    const std::pair<Set, const char*> samples[] = {
        {Set::installer, "install_ok"}, {Set::web, "web_continue"}, {Set::common, "err_lock_locked"}};
    for (const auto& sample : samples) {
        const Table& written = table(*language, sample.first);
        const auto found = written.find(sample.second);
        const std::string expected = found != written.end() ? found->second : englishTable(sample.first).at(sample.second);
        if (Messages::get(sample.second) != expected)
            report += std::string(sample.second) + ": '" + Messages::get(sample.second) + "' not '" + expected + "'\n";
    }
    return report;
}

TEST_F(MessagesWithRealLocales, EnvironmentLocaleChoosesTheCatalogue)
{
    struct Case {
        const char* environment;
        const char* catalogueLocale;
        const char* language;
        bool unsupported;
    } cases[] = {
        {"ar_EG.UTF-8", "ar", "ar", false},
        {"cs_CZ.UTF-8", "cs_CZ.UTF-8", "cs_CZ", false},
        {"de_DE.UTF-8", "de_DE.UTF-8", "de_DE", false},
        {"da_DK.UTF-8", "da_DK.UTF-8", "da_DK", false},
        {"el_GR.UTF-8", "el_GR.UTF-8", "el_GR", false},
        {"es_ES.UTF-8", "es_ES.UTF-8", "es_ES", false},
        {"fi_FI.UTF-8", "fi_FI.UTF-8", "fi_FI", false},
        {"fr_FR.UTF-8", "fr_FR.UTF-8", "fr_FR", false},
        {"he_IL.UTF-8", "he_IL.UTF-8", "he_IL", false},
        {"hu_HU.UTF-8", "hu_HU.UTF-8", "hu_HU", false},
        {"id_ID.UTF-8", "id_ID.UTF-8", "id_ID", false},
        {"it_IT.UTF-8", "it_IT.UTF-8", "it_IT", false},
        {"ja_JP.UTF-8", "ja_JP.UTF-8", "ja_JP", false},
        {"ko_KR.UTF-8", "ko_KR.UTF-8", "ko_KR", false},
        {"ms_MY.UTF-8", "ms_MY.UTF-8", "ms_MY", false},
        {"nb_NO.UTF-8", "nb_NO.UTF-8", "nb_NO", false},
        {"nl_NL.UTF-8", "nl_NL.UTF-8", "nl_NL", false},
        {"pt_BR.UTF-8", "pt_BR.UTF-8", "pt_BR", false},
        {"pt_PT.UTF-8", "pt_PT.UTF-8", "pt_PT", false},
        {"ro_RO.UTF-8", "ro_RO.UTF-8", "ro_RO", false},
        {"ru_RU.UTF-8", "ru_RU.UTF-8", "ru_RU", false},
        {"zh_CN.UTF-8", "zh_CN.UTF-8", "zh_CN", false},
        {"zh_TW.UTF-8", "zh_TW.UTF-8", "zh_TW", false},
        {"pl_PL.UTF-8", "pl_PL.UTF-8", "pl_PL", false},
        {"tr_TR.UTF-8", "tr_TR.UTF-8", "tr_TR", false},
        // Other spellings of the same locales are compared whole: English.
        {"de_DE.utf8", "en_US", "en_US", true},
        {"cs_CZ.utf8", "en_US", "en_US", true},
        {"ar_EG.utf8", "en_US", "en_US", true},
        {"ja_JP.utf8", "en_US", "en_US", true},
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment);
        // A fresh child process: no catalogue exists yet when it asks.
        EXPECT_EXIT(
            {
                ::setenv("LC_ALL", c.environment, 1);
                std::ostringstream seen;
                Log::console = &seen;
                Log::consoleLevel = 3;
                std::string report;
                if (Messages::getLocale() != c.catalogueLocale) report += "catalogue " + Messages::getLocale() + "\n";
                report += mismatchedTexts(c.language);
                const bool warned = seen.str().find("Warning: Locale " + std::string(c.environment) +
                                                    " is not supported, used en_US.") != std::string::npos &&
                                    seen.str().find("Supported locales are: ar_*.UTF-8") != std::string::npos;
                if (warned != c.unsupported) report += "warnings: " + seen.str();
                std::fputs(report.c_str(), stderr);
                std::fflush(stderr);
                // Without the exit handlers: the C library keeps what it loaded
                // for the locale, which the leak check would count.
                _exit(report.empty() ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

TEST_F(MessagesWithRealLocales, SetLocaleExportsTheLocaleTheSystemHas)
{
    ScopedEnvironment all("LC_ALL");
    ScopedEnvironment lang("LANG");
    const std::pair<const char*, const char*> cases[] = {
        {"cs_CZ", "cs_CZ.UTF-8"}, {"ar_EG", "ar_EG.UTF-8"}, {"de-DE", "de_DE.UTF-8"}, {"ca_ES", "C"},
        {"pt-BR", "pt_BR.UTF-8"}, {"pt-PT", "pt_PT.UTF-8"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        Messages::setLocale(c.first);
        EXPECT_STREQ(std::getenv("LC_ALL"), c.second);
        EXPECT_STREQ(std::getenv("LANG"), c.second);
    }
    Messages::setLocale("ar_EG");
    EXPECT_EQ(Messages::getLocale(), "ar");
    EXPECT_EQ(mismatchedTexts("ar"), "");
    Messages::setLocale("en_US");
}

}  // namespace
