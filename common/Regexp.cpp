#include "common/Regexp.h"

#include "common/Messages.h"
#include "common/error.h"

#include <boost/cregex.hpp>

#include <cstring>
#include <stdexcept>

// The compiled expression, freed when the last Regexp sharing it goes.
class Regexp::regexp_rep {
public:
    regexp_rep(const char* pattern, bool withSubexpressions) : withSubexpressions(withSubexpressions)
    {
        int flags = boost::REG_EXTENDED | boost::REG_NEWLINE;
        if (!withSubexpressions) flags |= boost::REG_NOSUB;
        const int result = boost::regcompA(&compiled, pattern, flags);
        if (result != 0) {
            char text[4096];
            boost::regerrorA(result, &compiled, text, sizeof text);
            error failure(0, 1, 1, 2);
            failure << (Messages::format("err_bad_regexp") % pattern % text);
            throw failure;
        }
    }
    ~regexp_rep() { boost::regfreeA(&compiled); }
    regexp_rep(const regexp_rep&) = delete;
    regexp_rep& operator=(const regexp_rep&) = delete;

    const bool withSubexpressions;
    boost::regex_tA compiled;
};

namespace {

error internalText(const char* key)
{
    error failure(3, 1, 1, 3);
    failure << Messages::get(key);
    return failure;
}

}  // namespace

Regexp::Regexp(const char* pattern, bool withSubexpressions)
{
    if (!pattern) throw KW_INTERNAL_ERROR();
    rep_ = std::make_shared<regexp_rep>(pattern, withSubexpressions);
}

Regexp::Regexp(const std::string& pattern, bool withSubexpressions) : Regexp(pattern.c_str(), withSubexpressions) {}

bool Regexp::match(const char* subject) const
{
    if (!subject) throw internalText("err_bad_match_arg");
    const int result = boost::regexecA(&rep_->compiled, subject, 0, nullptr, 0);
    if (result == static_cast<int>(boost::REG_ESPACE)) {
        error failure(0, 1, 1, 2);
        failure << Messages::get("err_regexp_nomem");
        throw failure;
    }
    return result == 0;
}

bool Regexp::match(const std::string& subject) const { return match(subject.c_str()); }

int Regexp::getNumSubexpr() const
{
    if (!rep_->withSubexpressions) throw internalText("err_bad_subexpr");
    return static_cast<int>(rep_->compiled.re_nsub) + 1;
}

bool Regexp::matchSub(const std::string& subject)
{
    if (!rep_->withSubexpressions) throw internalText("err_bad_subexpr2");
    matches_.clear();
    std::vector<boost::regmatch_t> slots(rep_->compiled.re_nsub + 1);
    const int result = boost::regexecA(&rep_->compiled, subject.c_str(), slots.size(), slots.data(), 0);
    if (result == static_cast<int>(boost::REG_ESPACE)) {
        error failure(0, 1, 1, 3);
        failure << Messages::get("err_regexp_nomem2");
        throw failure;
    }
    if (result != 0) return false;
    for (const boost::regmatch_t& slot : slots) {
        if (slot.rm_so < 0)
            matches_.emplace_back();
        else
            matches_.emplace_back(subject, static_cast<std::size_t>(slot.rm_so),
                                  static_cast<std::size_t>(slot.rm_eo - slot.rm_so));
    }
    return true;
}

std::string Regexp::getMatch(int index) const
{
    if (!rep_->withSubexpressions) throw internalText("err_bad_submatch");
    if (matches_.empty()) throw internalText("err_badmatch");
    if (index < 0) throw std::out_of_range("Regexp::getMatch: negative index");
    return matches_.at(static_cast<std::size_t>(index));
}

bool matchesAny(const std::vector<Regexp>& expressions, const std::string& text)
{
    for (const Regexp& expression : expressions)
        if (expression.match(text)) return true;
    return false;
}
