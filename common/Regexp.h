#pragma once

#include <memory>
#include <string>
#include <vector>

// A compiled POSIX extended regular expression (newline-sensitive: "." never
// matches a newline, "^" and "$" match at every line), cheap to copy: copies
// share the compiled form. Used to validate parameter values and to test package
// names against ignore patterns.
class Regexp {
public:
    // Compiles at once; a bad pattern raises `error` with err_bad_regexp (class
    // left to the caller). Without subexpressions no submatch positions are kept.
    Regexp(const char* pattern, bool withSubexpressions);
    Regexp(const std::string& pattern, bool withSubexpressions);

    // True when the expression matches anywhere in the subject (not null).
    bool match(const char* subject) const;
    bool match(const std::string& subject) const;

    // The number of parenthesised subexpressions plus one (the whole match).
    int getNumSubexpr() const;
    // On a match, keeps the whole match and one text per subexpression (empty for
    // a group that took no part) for getMatch.
    bool matchSub(const std::string& subject);
    // 0 is the whole match; an index outside the list raises std::out_of_range.
    std::string getMatch(int index) const;

    class regexp_rep;

private:
    std::shared_ptr<const regexp_rep> rep_;
    std::vector<std::string> matches_;
};

// True when any expression matches the text, tried in order.
bool matchesAny(const std::vector<Regexp>& expressions, const std::string& text);
