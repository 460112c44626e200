#include "common/Messages.h"

#include "common/Log.h"
#include "messages/MessageLoaders.h"

#include <boost/regex.hpp>

#include <atomic>
#include <cassert>
#include <cstdlib>
#include <locale>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace {

using Loader = void (*)(Messages::messages_rep&);

struct Language {
    const char* code;
    const char* displayName;
    Loader installer;
    Loader web;
    Loader common;
};

#define KW_LANGUAGE(code, name) \
    {#code, name, loadInstallerMessages_##code, loadWebMessages_##code, loadCommonMessages_##code}

const Language kLanguages[] = {
    KW_LANGUAGE(en_US, "English"),
    KW_LANGUAGE(ar, "Arabic"),
    KW_LANGUAGE(ca_ES, "Catalan"),
    KW_LANGUAGE(cs_CZ, "Czech"),
    KW_LANGUAGE(da_DK, "Danish"),
    KW_LANGUAGE(de_DE, "German"),
    KW_LANGUAGE(el_GR, "Greek"),
    KW_LANGUAGE(es_ES, "Spanish"),
    KW_LANGUAGE(fi_FI, "Finnish"),
    KW_LANGUAGE(fr_FR, "French"),
    KW_LANGUAGE(he_IL, "Hebrew"),
    KW_LANGUAGE(hu_HU, "Hungarian"),
    KW_LANGUAGE(id_ID, "Indonesian"),
    KW_LANGUAGE(it_IT, "Italian"),
    KW_LANGUAGE(ja_JP, "Japanese"),
    KW_LANGUAGE(ko_KR, "Korean"),
    KW_LANGUAGE(ms_MY, "Malay"),
    KW_LANGUAGE(nb_NO, "Norweigian"),
    KW_LANGUAGE(nl_NL, "Dutch"),
    KW_LANGUAGE(pl_PL, "Polish"),
    KW_LANGUAGE(pt_BR, "Brazilian Portuguese"),
    KW_LANGUAGE(pt_PT, "Portuguese"),
    KW_LANGUAGE(ro_RO, "Romanian"),
    KW_LANGUAGE(ru_RU, "Russian"),
    KW_LANGUAGE(sv_SE, "Swedish"),
    KW_LANGUAGE(th_TH, "Thai"),
    KW_LANGUAGE(tl_PH, "Filipino"),
    KW_LANGUAGE(tr_TR, "Turkish"),
    KW_LANGUAGE(uk_UA, "Ukrainian"),
    KW_LANGUAGE(vi_VN, "Vietnamese"),
    KW_LANGUAGE(zh_CN, "Chinese (Simplified)"),
    KW_LANGUAGE(zh_TW, "Chinese (Traditional)"),
};

#undef KW_LANGUAGE

const Language& english() { return kLanguages[0]; }

void loadLanguage(Messages::messages_rep& catalogue, const Language& language)
{
    language.installer(catalogue);
    language.web(catalogue);
    language.common(catalogue);
}

// Catalogues are never freed: a thread may still hold a reference to a text of
// the catalogue that a language switch replaced. One catalogue is kept per
// resolved locale, so switching back and forth does not grow memory.
std::mutex catalogueMutex;
std::atomic<Messages::messages_rep*> currentCatalogue{nullptr};
std::vector<std::unique_ptr<Messages::messages_rep>>& builtCatalogues()
{
    static std::vector<std::unique_ptr<Messages::messages_rep>> catalogues;
    return catalogues;
}

// Makes a freshly built catalogue current, or the one already built for the same locale.
Messages::messages_rep& install(std::unique_ptr<Messages::messages_rep> built)
{
    std::lock_guard<std::mutex> guard(catalogueMutex);
    Messages::messages_rep* chosen = nullptr;
    for (const auto& existing : builtCatalogues())
        if (existing->locale == built->locale) chosen = existing.get();
    if (!chosen) {
        chosen = built.get();
        builtCatalogues().push_back(std::move(built));
    }
    currentCatalogue.store(chosen);
    return *chosen;
}

}  // namespace

Messages::messages_rep::messages_rep(const std::string& localeName) : locale(localeName)
{
    loadLanguage(*this, english());
    if (localeName == "C" || localeName == "POSIX" || localeName == "en_US" || localeName == "en_US.UTF-8")
        return;

    for (const Language& language : kLanguages) {
        if (&language == &english()) continue;
        if (localeName == std::string(language.code) + ".UTF-8") {
            loadLanguage(*this, language);
            return;
        }
    }

    static const boost::regex arabicVariant("ar_..\\.UTF-8");
    if (boost::regex_match(localeName, arabicVariant)) {
        loadLanguage(*this, kLanguages[1]);
        locale = "ar";
        return;
    }

    Log(1, true) << "Warning: Locale " << localeName << " is not supported, used en_US.";
    Log(1, true) << "Supported locales are: ar_*.UTF-8 ca_ES.UTF-8 cs_CZ.UTF-8 da_DK.UTF-8 de_DE.UTF-8 "
                    "el_GR.UTF-8 en_US.UTF-8 es_ES.UTF-8 fi_FI.UTF-8 fr_FR.UTF-8 he_IL.UTF-8 hu_HU.UTF-8 "
                    "id_ID.UTF-8 it_IT.UTF-8 ja_JP.UTF-8 ko_KR.UTF-8 ms_MY.UTF-8 nb_NO.UTF-8 nl_NL.UTF-8 "
                    "pl_PL.UTF-8 pt_BR.UTF-8 pt_PT.UTF-8 ro_RO.UTF-8 ru_RU.UTF-8 sv_SE.UTF-8 th_TH.UTF-8 "
                    "tl_PH.UTF-8 tr_TR.UTF-8 uk_UA.UTF-8 vi_VN.UTF-8 zh_CN.UTF-8 zh_TW.UTF-8 ";
    locale = "en_US";
}

const std::string& Messages::messages_rep::getMessage(const char* key)
{
    assert(key != NULL);
    {
        std::shared_lock<std::shared_mutex> reading(mutex_);
        const auto found = messages.find(key);
        if (found != messages.end()) return found->second;
    }
    std::unique_lock<std::shared_mutex> writing(mutex_);
    const auto inserted = messages.emplace(key, std::string(key) + "_(non_localized)");
    const std::string& text = inserted.first->second;
    writing.unlock();
    // Warn once per catalogue: later lookups find the stored fallback.
    if (inserted.second) Log(1, true) << "Warning: unlocalized key " << key;
    return text;
}

Messages::messages_rep& Messages::current()
{
    if (messages_rep* catalogue = currentCatalogue.load()) return *catalogue;

    std::string name;
    try {
        name = std::locale("").name();
        Log(2, true) << "Environment locale name is '" << name << "'";
    } catch (const std::runtime_error&) {
        Log(1, true) << "Can't create locale object, check your locale settings.\nKitwright will use en_US locale.";
        setenv("LC_ALL", "C", 1);
        setenv("LANG", "C", 1);
        name.clear();
    }
    return install(std::make_unique<messages_rep>(name));
}

const std::string& Messages::get(const char* key) { return current().getMessage(key); }

MessageFormat Messages::format(const char* key)
{
    messages_rep& catalogue = current();
    return MessageFormat(key, catalogue.getMessage(key), catalogue.locale);
}

const std::string& Messages::englishText(const char* key)
{
    static messages_rep english("C");
    return english.getMessage(key);
}

const std::string& Messages::getLocale() { return current().locale; }

void Messages::setLocale(const std::string& requested)
{
    std::string name = requested;
    if (!name.empty() && name.find('.') == std::string::npos) name += ".UTF-8";
    Log(2, true) << "Messages::setLocale: try to create object for locale: " << name;
    if (name.size() > 3 && name[2] == '-') name[2] = '_';

    install(std::make_unique<messages_rep>(name));

    try {
        const std::locale systemLocale(name.c_str());
        Log(3, true) << "DEBUG: Messages::setLocale: check locale " << systemLocale.name();
    } catch (const std::runtime_error&) {
        Log(2, true) << "Warning: locale name " << name << " is not valid, use 'C' instead";
        name = "C";
    }
    setenv("LC_ALL", name.c_str(), 1);
    setenv("LANG", name.c_str(), 1);
    Log(3, true) << "DEBUG: Messages::setLocale: updated locale in environment to: " << name;
}

const std::vector<std::pair<std::string, std::string>>& Messages::languages()
{
    static const std::vector<std::pair<std::string, std::string>> list = [] {
        std::vector<std::pair<std::string, std::string>> pairs;
        for (const Language& language : kLanguages) pairs.emplace_back(language.code, language.displayName);
        return pairs;
    }();
    return list;
}
