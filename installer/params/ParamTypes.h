#pragma once

#include "installer/params/Param.h"

#include <string>
#include <utility>
#include <vector>

// The types of settings a settings document may declare, each with the check of
// its values. The type names are what the front ends receive and compare.
//
// Values that must match a pattern as a whole (paths, names, addresses, choices)
// never hold a line end: the pattern service matches "^" and "$" at every line,
// so a second line would otherwise pass unseen.

// "true", "y", "yes", "false", "n", "no" in any letter case, stored as "true" or
// "false". Its sub-settings live in the branch "true".
class ParamBool : public SubParams {
public:
    using SubParams::SubParams;
    std::string typeName() const override { return "boolean"; }

protected:
    bool validate(const std::string& text) override;
    void applyValue(const std::string& text) override;
};

// One of the choice values, exactly. A choice's sub-settings live in the branch
// named by its value.
class ParamEnum : public SubParams {
public:
    // (value, label) in document order.
    typedef std::vector<std::pair<std::string, std::string>> Choices;

    using SubParams::SubParams;
    std::string typeName() const override { return "enum"; }
    void setChoices(const Choices& choices) { choices_ = choices; }
    const Choices& getChoices() const { return choices_; }

protected:
    bool validate(const std::string& text) override;

private:
    Choices choices_;
};

// A titled group of settings (the branch ""); it takes any value.
class ParamGroup : public SubParams {
public:
    static constexpr const char* groupId = "__SUBGROUP";
    explicit ParamGroup(const KwComponentPtr& owner) : SubParams(owner, groupId) {}
    std::string typeName() const override { return "__group_no_type__doh1Oolo__"; }

protected:
    bool validate(const std::string&) override { return true; }
};

// Only "+", "-" and decimal digits (the empty text too). With `min` or `max`
// the text must also read as a whole number within them.
class ParamInteger : public Param {
public:
    ParamInteger(const KwComponentPtr& owner, const std::string& id, const std::string& min, const std::string& max);
    std::string typeName() const override { return "integer"; }

protected:
    bool validate(const std::string& text) override;

private:
    std::string min_;
    std::string max_;
};

// A text in which a decimal number is found, read as a float (a text without a
// leading number reads as 0), within the inclusive bounds that are given.
class ParamFloat : public Param {
public:
    ParamFloat(const KwComponentPtr& owner, const std::string& id, const std::string& min, const std::string& max);
    std::string typeName() const override { return "float"; }

protected:
    bool validate(const std::string& text) override;

private:
    std::string min_;
    std::string max_;
};

// Byte lengths within the given bounds, and the pattern, when given, found in the
// text (a pattern that must cover the whole text anchors itself).
class ParamString : public Param {
public:
    ParamString(const KwComponentPtr& owner, const std::string& id, const std::string& minLength,
                const std::string& maxLength, const std::string& regex);
    std::string typeName() const override { return "string"; }

protected:
    bool validate(const std::string& text) override;

private:
    std::string minLength_;
    std::string maxLength_;
    std::string regex_;
};

// The checks of ParamString, each refusal with its detail for the operator. The
// value is a secret.
class ParamPassword : public Param {
public:
    ParamPassword(const KwComponentPtr& owner, const std::string& id, const std::string& minLength,
                  const std::string& maxLength, const std::string& regex, const std::string& validateWithLogin);
    std::string typeName() const override { return "password"; }
    bool isSecret() const override { return true; }

protected:
    bool validate(const std::string& text) override;

private:
    std::string minLength_;
    std::string maxLength_;
    std::string regex_;
    std::string validateWithLogin_;
};

// An absolute path of letters, digits, blanks and "_()/-" that is a directory
// when it exists (and must exist with `mustExist`); stored without trailing "/".
class ParamPath : public Param {
public:
    ParamPath(const KwComponentPtr& owner, const std::string& id, bool mustExist);
    std::string typeName() const override { return "path"; }

protected:
    bool validate(const std::string& text) override;
    void applyValue(const std::string& text) override;

private:
    bool mustExist_;
};

// Two or more labels of 1 to 63 letters, digits and inner hyphens, under 256
// bytes; never "localhost.rev" or a reverse-lookup name.
class ParamDomain : public Param {
public:
    using Param::Param;
    std::string typeName() const override { return "domain-name"; }

protected:
    bool validate(const std::string& text) override;
};

// A domain name, or a text in which a dotted IPv4 address is found.
class ParamHostname : public Param {
public:
    using Param::Param;
    std::string typeName() const override { return "host-name"; }

protected:
    bool validate(const std::string& text) override;
};

// One "@" with text on both sides.
class ParamEmail : public Param {
public:
    using Param::Param;
    std::string typeName() const override { return "email"; }

protected:
    bool validate(const std::string& text) override;
};

// A scheme, "://", some text, then a "/".
class ParamUrl : public Param {
public:
    using Param::Param;
    std::string typeName() const override { return "url"; }

protected:
    bool validate(const std::string& text) override;
};

// A text shown to the operator; any value.
class ParamStatic : public Param {
public:
    using Param::Param;
    std::string typeName() const override { return "static-text"; }

protected:
    bool validate(const std::string&) override { return true; }
};

// A value passed to the packages without asking; any value.
class ParamHidden : public Param {
public:
    using Param::Param;
    std::string typeName() const override { return "__type_hidden__tei9Rae9__"; }

protected:
    bool validate(const std::string&) override { return true; }
};
