#pragma once

#include "common/MessageFormat.h"

#include <map>
#include <shared_mutex>
#include <string>
#include <utility>
#include <vector>

// The message catalogue: every text shown to an operator is looked up here by
// key, in the current language (32 languages, three message sets).
class Messages {
public:
    // One built catalogue: the texts of one language.
    class messages_rep {
    public:
        explicit messages_rep(const std::string& localeName);
        messages_rep(const messages_rep&) = delete;
        messages_rep& operator=(const messages_rep&) = delete;

        const std::string& getMessage(const char* key);

        std::map<std::string, std::string> messages;
        std::string locale;

    private:
        // Lookups may come from several threads; a missing key inserts its fallback.
        std::shared_mutex mutex_;
    };

    // The text of a key in the current language; the reference stays valid for the
    // life of the process.
    static const std::string& get(const char* key);
    // A key's text, ready for `% argument`: formatted with every format error on,
    // and with the English text (and a warning) when a translation does not fit.
    static MessageFormat format(const char* key);
    // The English text of a key, whatever the current language.
    static const std::string& englishText(const char* key);
    static const std::string& getLocale();
    static void setLocale(const std::string& name);
    // The (code, display name) pairs of the language selector, English first.
    static const std::vector<std::pair<std::string, std::string>>& languages();

private:
    static messages_rep& current();
};
