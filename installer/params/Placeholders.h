#pragma once

#include <functional>
#include <string>

// Bracketed placeholders in catalogue texts: "[NAME]" stands for a value the
// installer knows when it reads the text (the locale, another setting's value).

// Replaces each "[name]" for which `lookup` answers true with the value it gives.
// After a replacement the scan goes on from the last character of the value, so
// an inserted value is not scanned again; an unknown name stays as it is.
std::string replacePlaceholders(const std::string& text,
                                const std::function<bool(const std::string& name, std::string& value)>& lookup);

// The built-in placeholders; the only one is "LOCALE": the current locale up to
// its first ".", with a "_" in third place written as "-" ("en_US.UTF-8" gives
// "en-US"). Used on release details URLs and setting defaults.
std::string substitute_builtin_placeholders(const std::string& text);
