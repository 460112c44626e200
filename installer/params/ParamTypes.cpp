#include "installer/params/ParamTypes.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Regexp.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/fileops.h"

#include <cstdint>
#include <sstream>

namespace {

// A whole-text pattern holds for every line of the text alone; a value with a
// line end is refused before it is matched.
bool matchesWhole(const Regexp& pattern, const std::string& text)
{
    return text.find_first_of("\n\r") == std::string::npos && pattern.match(text);
}

std::string lowered(std::string text)
{
    toLower(text);
    return text;
}

// A leading number as stream extraction reads it; 0 when there is none.
float leadingFloat(const std::string& text)
{
    std::istringstream in(text);
    float number = 0;
    if (!(in >> number)) return 0;
    return number;
}

// The bounds of a byte length, read strictly and compared as unsigned 32-bit
// numbers. Raises `error` for a bound that is not a number.
enum class LengthCheck { ok, tooShort, tooLong };
LengthCheck checkLength(const std::string& text, const std::string& minLength, const std::string& maxLength)
{
    const auto length = static_cast<std::uint32_t>(text.size());
    if (!minLength.empty() && length < static_cast<std::uint32_t>(strToLong(minLength))) return LengthCheck::tooShort;
    if (!maxLength.empty() && length > static_cast<std::uint32_t>(strToLong(maxLength))) return LengthCheck::tooLong;
    return LengthCheck::ok;
}

// Names that are never a host's own: the reverse-lookup domains.
bool isReverseName(const std::string& text)
{
    static const std::string arpa = ".in-addr.arpa";
    return text == "localhost.rev" ||
           (text.size() >= arpa.size() && text.compare(text.size() - arpa.size(), arpa.size(), arpa) == 0);
}

bool isDomainName(const std::string& text)
{
    static const Regexp domain("^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9]){0,1}"
                               "(\\.[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9]){0,1}){1,}$",
                               false);
    return matchesWhole(domain, text);
}

}  // namespace

bool ParamBool::validate(const std::string& text)
{
    const std::string word = lowered(text);
    for (const char* accepted : {"true", "y", "yes", "false", "n", "no"})
        if (word == accepted) return true;
    return false;
}

void ParamBool::applyValue(const std::string& text)
{
    const std::string word = lowered(text);
    if (word == "true" || word == "y" || word == "yes")
        value_ = "true";
    else if (word == "false" || word == "n" || word == "no")
        value_ = "false";
    else
        throw KW_INTERNAL_ERROR() << "the boolean setting " << getId() << " was given an unchecked value";
}

bool ParamEnum::validate(const std::string& text)
{
    for (const auto& choice : choices_)
        if (choice.first == text) return true;
    return false;
}

ParamInteger::ParamInteger(const KwComponentPtr& owner, const std::string& id, const std::string& min,
                           const std::string& max)
    : Param(owner, id), min_(min), max_(max)
{
}

bool ParamInteger::validate(const std::string& text)
{
    for (const char c : text)
        if (c != '+' && c != '-' && (c < '0' || c > '9')) return false;
    if (min_.empty() && max_.empty()) return true;
    // Bounds need a number to compare: the text, and each bound, read whole.
    try {
        const std::int64_t number = strToLong(text);
        if (!min_.empty() && number < strToLong(min_)) return false;
        if (!max_.empty() && number > strToLong(max_)) return false;
        return true;
    } catch (const error&) {
        // A text or bound that is not a whole number cannot be shown to be in range.
        return false;
    }
}

ParamFloat::ParamFloat(const KwComponentPtr& owner, const std::string& id, const std::string& min,
                       const std::string& max)
    : Param(owner, id), min_(min), max_(max)
{
}

bool ParamFloat::validate(const std::string& text)
{
    try {
        static const Regexp number("[-+]?([0-9]+(\\.[0-9]*)?|[0-9]*\\.[0-9]+)([eE][-+]?[0-9]+)?", false);
        if (!number.match(text)) return false;
        const float value = leadingFloat(text);
        if (!min_.empty() && leadingFloat(min_) > value) return false;
        if (!max_.empty() && value > leadingFloat(max_)) return false;
        return true;
    } catch (const error&) {
        // Any failure of the check refuses the value.
        return false;
    }
}

ParamString::ParamString(const KwComponentPtr& owner, const std::string& id, const std::string& minLength,
                         const std::string& maxLength, const std::string& regex)
    : Param(owner, id), minLength_(minLength), maxLength_(maxLength), regex_(regex)
{
}

bool ParamString::validate(const std::string& text)
{
    try {
        if (checkLength(text, minLength_, maxLength_) != LengthCheck::ok) return false;
        return regex_.empty() || Regexp(regex_, false).match(text);
    } catch (const error&) {
        // A bound that is not a number or a pattern that does not compile refuses.
        return false;
    }
}

ParamPassword::ParamPassword(const KwComponentPtr& owner, const std::string& id, const std::string& minLength,
                             const std::string& maxLength, const std::string& regex,
                             const std::string& validateWithLogin)
    : Param(owner, id),
      minLength_(minLength),
      maxLength_(maxLength),
      regex_(regex),
      validateWithLogin_(validateWithLogin)
{
}

bool ParamPassword::validate(const std::string& text)
{
    validationError_.clear();
    try {
        switch (checkLength(text, minLength_, maxLength_)) {
        case LengthCheck::tooShort:
            validationError_ = (Messages::format("param_password_too_short") % minLength_).str();
            return false;
        case LengthCheck::tooLong:
            validationError_ = (Messages::format("param_password_too_long") % maxLength_).str();
            return false;
        case LengthCheck::ok: break;
        }
        if (!regex_.empty() && !Regexp(regex_, false).match(text)) {
            validationError_ = Messages::get("param_password_contains_invalid_characters");
            return false;
        }
        return true;
    } catch (const error&) {
        // A bound that is not a number or a pattern that does not compile.
        validationError_ = Messages::get("param_password_validation_failed");
        return false;
    }
}

ParamPath::ParamPath(const KwComponentPtr& owner, const std::string& id, bool mustExist)
    : Param(owner, id), mustExist_(mustExist)
{
}

bool ParamPath::validate(const std::string& text)
{
    validationError_.clear();
    const auto refuse = [this](const char* key) {
        validationError_ = Messages::get(key);
        return false;
    };
    if (text.empty() || text[0] != '/') return refuse("param_path_not_full");
    bool exists = false;
    try {
        exists = fileops::exists(text);
        if (exists && !fileops::is_directory(text)) return refuse("param_path_not_directory");
    } catch (const error&) {
        return refuse("param_path_not_valid");
    }
    // Letters, digits, blanks and "_()/-" only, as the refusal tells the operator.
    static const char* const allowed = "^/[[:alnum:]_[:blank:]()/-]+$";
    static const Regexp pattern(allowed, false);
    if (!matchesWhole(pattern, text)) {
        Log(3, true) << "DEBUG: The regular expression " << allowed << " did not match the pattern " << text;
        return refuse("param_path_contains_invalid_characters");
    }
    if (mustExist_ && !exists) return refuse("param_path_not_exists");
    return true;
}

void ParamPath::applyValue(const std::string& text)
{
    std::string path = text;
    while (!path.empty() && path.back() == '/') path.pop_back();
    value_ = path;
}

bool ParamDomain::validate(const std::string& text)
{
    if (text.size() >= 256 || isReverseName(text)) return false;
    return isDomainName(text);
}

bool ParamHostname::validate(const std::string& text)
{
    if (text.size() >= 256 || isReverseName(text)) return false;
    static const Regexp address("[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+", false);
    return isDomainName(text) || (text.find_first_of("\n\r") == std::string::npos && address.match(text));
}

bool ParamEmail::validate(const std::string& text)
{
    try {
        static const Regexp address("^[^@]+@[^@]+$", false);
        return matchesWhole(address, text);
    } catch (const error&) {
        return false;
    }
}

bool ParamUrl::validate(const std::string& text)
{
    static const Regexp url("[[:alnum:]_]+://.+/.*", false);
    return text.find_first_of("\n\r") == std::string::npos && url.match(text);
}
