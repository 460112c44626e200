#pragma once

#include <optional>
#include <string>

class BackendClient;

// The language of the web wizard: both processes switch together, and only
// to a language of the catalogue.

// The catalogue's name of a requested locale: a language code of
// Messages::languages, alone or with ".UTF-8" (or ".utf8"), gives the code
// with ".UTF-8"; anything else gives none.
std::optional<std::string> offeredLocale(const std::string& requested);

// Asks the back end to switch ("set_locale"; its failure is logged and
// dropped), then switches the front end's catalogue in every case. A locale
// that is not offered changes nothing.
void switchLocale(BackendClient& backend, const std::string& requested);

// The "login_locale" selector of the catalogue's languages, the current one
// selected; "onChange=\"submit()\"" with `submitOnChange`. An empty language
// list leaves the text unchanged.
void buildLanguageSelector(std::string& text, bool submitOnChange);

// The notice of the self-upgrade in progress, with a link that reloads the
// wizard in the current language.
void appendAutoRefreshNotice(std::string& text);
